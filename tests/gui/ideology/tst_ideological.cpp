// The ideological map window: its tokens and lines, filters, key, moves, finding and saving; started
// through the window director; its fit, information, statistics and cross-tab windows.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"

#include "core/data/FileIO.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/RollCallInfo.h"
#include "gui/app/PaletteColour.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmCrossTab.h"
#include "gui/ideology/frmFind.h"
#include "gui/ideology/frmFit.h"
#include "gui/ideology/frmInfo.h"
#include "gui/ideology/frmJump.h"
#include "gui/ideology/frmStatistics.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <memory>

using namespace rollscan;
using namespace rollscan::test;

namespace {

const Member kGrant{"GRANT", 0.5f, 0.5f}; // the Senate's one member

// The pixel of a member's token centre in a square picture: the second coordinate is drawn at 2k.
QPointF PixelOf(const Member &m, double side, double k = 0.32)
{
    return {(m.x + 1) / 2 * side, (1 - 2 * k * m.y) / 2 * side};
}

bool Near(QRgb pixel, const QColor &c, int tolerance = 60)
{
    return std::abs(qRed(pixel) - c.red()) + std::abs(qGreen(pixel) - c.green()) + std::abs(qBlue(pixel) - c.blue()) <=
           tolerance;
}

// Pixels of colour `c` within `radius` of `at`, and their centroid.
struct Blob {
    int count = 0;
    QPointF centre;
};
Blob ColourAround(const QImage &image, const QPointF &at, const QColor &c, int radius = 14)
{
    Blob b;
    double sx = 0, sy = 0;
    for (int y = int(at.y()) - radius; y <= int(at.y()) + radius; ++y)
        for (int x = int(at.x()) - radius; x <= int(at.x()) + radius; ++x)
            if (image.rect().contains(x, y) && Near(image.pixel(x, y), c)) {
                ++b.count;
                sx += x + 0.5;
                sy += y + 0.5;
            }
    if (b.count)
        b.centre = {sx / b.count, sy / b.count};
    return b;
}

int CountColour(const QImage &image, const QColor &c, int tolerance = 0)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += Near(image.pixel(x, y), c, tolerance) ? 1 : 0;
    return n;
}

QImage Picture(frmIdeological &map)
{
    QCoreApplication::processEvents();
    return map.picId->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor Colour(const IdeologicalTree &t, int (Preferences::*which)() const)
{
    return PaletteColour((t.session.Preferences.*which)());
}

// The whole program over the fixture: the roll-call list with the given rows (1-based) queued.
struct Program {
    IdeologicalTree t;
    frmVoteStartup main{t.session, t.services};
    WindowDirector director{t.session, t.services, main};
    frmViewCalls *list = director.showViewCalls();

    explicit Program(const QList<int> &rows)
    {
        for (const int row : rows)
            list->lstRollCalls->item(row - 1)->setSelected(true);
        list->addSelected(); // in list order
    }
};

QStringList column(const QTreeWidget *list, int c)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(c);
    return out;
}

// House 101 with two roll calls. Roll call 1 (60-40, 3 not voting on record) has its cutting line at
// x = 0 with ten Democratic yeas on the nay side; nine members have no coordinates. Roll call 2 is
// unanimous and the cross-tab partner: Democrats yea-yea 3, yea-nay 1, nay-yea 2, nay-nay 5.
CongressData house101(const QString &detailText)
{
    CongressData d;
    for (int i = 1; i <= 10; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("ERR%1").arg(i), 13, i, 100, 0.5f, 0.1f, 100 + i);
        d.voteRows << (i <= 3 ? QStringLiteral("11") : i == 4 ? QStringLiteral("16") : QStringLiteral("19"));
    }
    for (int i = 1; i <= 7; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("NAY%1").arg(i), 14, i, 100, 0.3f, 0.1f, 200 + i);
        d.voteRows << (i <= 2 ? QStringLiteral("61") : QStringLiteral("66"));
    }
    d.legislators << TreeBuilder::legislator("REP", 24, 1, 200, -0.5f, 0.1f, 300);
    d.legislators << TreeBuilder::legislator("INDEP", 24, 2, 328, 0.9f, 0.1f, 301);
    d.voteRows << "11" << QStringLiteral("01");
    for (int i = 1; i <= 9; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("HIDDEN%1").arg(i), 13, 20 + i, 200, 0.0f, 0.0f, i);
        d.voteRows << "91";
    }
    RollCall first = TreeBuilder::rollCall("TO PASS H.R. 1234", QDate(1989, 3, 15), 60, 40, 0.2f);
    first.infoNotVoting = 3;
    RollCall second = TreeBuilder::rollCall("TO ADJOURN", QDate(1989, 3, 16), 80, 0);
    second.infoNotVoting = 7;
    d.rollCalls = {first, second};
    d.descriptions = {Entry(detailText, {"HR1234", "PASSED", "Y", "12/3", "SMITH (D-NY)"}), Entry("ADJOURN")};
    return d;
}

struct Fixture {
    QTemporaryDir dir;
    TreeBuilder builder{dir.path()};
    std::unique_ptr<Session> session;
    RecordingServices services;

    explicit Fixture(const QString &detailText = QStringLiteral("(TO PASS THE BILL.)"))
    {
        builder.writeStandardTables();
        builder.addCongress(true, 101, house101(detailText), true);
        builder.writeIndexes();
        session = std::make_unique<Session>(dir.path());
        session->Preferences = TreeBuilder::standardPreferences();
    }

    DrawingPass pass(int congress, int rollCall, int partner = 0) const
    {
        DrawingRequest r;
        r.dataRoot = dir.path();
        r.congress = congress;
        r.rollCall = rollCall;
        r.preferences = session->Preferences;
        if (partner > 0)
            r.partner = PartnerRollCall{congress, partner};
        return RunDrawingPass(r);
    }
    QString file(const QString &name) const { return dir.filePath(name); }
};

} // namespace

Q_DECLARE_METATYPE(const Member *)

class tst_ideological : public QObject {
    Q_OBJECT

private slots:
    void tokensAtTheirMapPoints_data()
    {
        QTest::addColumn<bool>("senate");
        QTest::addColumn<const Member *>("member");
        QTest::addColumn<int>("vote"); // 1 yea, 6 nay; members left out are the filters' test
        QTest::newRow("House yea at (0.5, 0.5) drawn at (0.5, 0.32)") << false << &kAdams << 1;
        QTest::newRow("nay") << false << &kBaker << 6;
        QTest::newRow("Senate yea at (0.5, 0.5) drawn at (0.5, 0.33)") << true << &kGrant << 1;
    }

    void tokensAtTheirMapPoints()
    {
        QFETCH(bool, senate);
        QFETCH(const Member *, member);
        QFETCH(int, vote);
        IdeologicalTree t;
        t.session.isHouse = !senate;
        auto map = t.open(senate ? QList<int>{5} : QList<int>{1, 2, 3});
        QVERIFY(map);
        const QImage image = Picture(*map);
        SaveScreenshot(map.get(), senate ? QStringLiteral("ideological_senate") : QStringLiteral("ideological_single"));
        const QPointF expected = PixelOf(*member, image.width(), senate ? 0.33 : 0.32);
        const QColor yea = Colour(t, &Preferences::yeaColour), nay = Colour(t, &Preferences::nayColour);
        const Blob blob = ColourAround(image, expected, vote == 1 ? yea : nay);
        QVERIFY(blob.count > 5);
        QVERIFY(std::abs(blob.centre.x() - expected.x()) <= 3 && std::abs(blob.centre.y() - expected.y()) <= 4);
        QCOMPARE(ColourAround(image, expected, vote == 1 ? nay : yea).count, 0);
        QCOMPARE(map->picId->width(), map->picId->height());
        if (senate)
            QCOMPARE(map->lblTitle2->text(), QStringLiteral("Senate #97 Roll Call #1  1/6/1981  (1/1)"));
    }

    void linesAndMoves()
    {
        IdeologicalTree t;
        auto map = t.open({1, 2, 3});
        QVERIFY(map);
        QImage image = Picture(*map);
        const int side = image.width();
        QVERIFY(!map->lblNoLine->isVisible());
        QCOMPARE(map->lblTally->text(), QStringLiteral("Yea 3 \u00b7 Nay 2 \u00b7 Not voting 0"));
        // δ1 0.2, the rest 0: the vertical line x = 0 across the whole picture, in black, and nowhere else.
        for (int y = side / 20; y < side - side / 20; y += 7) {
            bool black = false;
            for (int x = side / 2 - 1; x <= side / 2 + 1; ++x)
                black = black || image.pixel(x, y) == qRgb(0, 0, 0);
            QVERIFY2(black, qPrintable(QStringLiteral("no line at row %1").arg(y)));
        }
        QCOMPARE(ColourAround(image, QPointF(side / 4.0, side / 2.0), QColor(Qt::black), 3).count, 0);
        // Codes in their table show their descriptions, others their numbers, 0 "N/A".
        QCOMPARE(map->lblCodes->text(), QStringLiteral("Taxation\n2\nN/A, Defense budget"));

        map->moveNext(); // both spreads 0
        image = Picture(*map);
        SaveScreenshot(map.get(), QStringLiteral("ideological_noline"));
        QVERIFY(map->lblNoLine->isVisible());
        QCOMPARE(map->lblNoLine->text(), QStringLiteral("No cutting line in the data for this roll call"));
        QCOMPARE(CountColour(image, QColor(Qt::black)), 0);
        QCOMPARE(map->lblCodes->text(), QStringLiteral("N/A\nN/A\nN/A"));

        // Moves: the title and the commands follow the position.
        map->mnuFirst->trigger();
        const QStringList titles = {"House #97 Roll Call #1  1/5/1981  (1/3)",
                                    "House #97 Roll Call #2  2/10/1981  (2/3)",
                                    "House #97 Roll Call #3  3/3/1981  (3/3)"};
        for (int position = 1; position <= 3; ++position) {
            QCOMPARE(map->lblTitle2->text(), titles.at(position - 1));
            for (QAction *a : {map->mnuPrevious, map->tbFirst, map->tbPrevious})
                QCOMPARE(a->isEnabled(), position > 1);
            for (QAction *a : {map->mnuNext, map->tbNext, map->tbLast})
                QCOMPARE(a->isEnabled(), position < 3);
            map->tbNext->trigger();
        }
        QCOMPARE(map->lblTitle1->text(), QStringLiteral("THIRD VOTE"));
        map->mnuFirst->trigger();
        QTest::keyClick(map.get(), Qt::Key_PageDown);
        QCOMPARE(t.session.queue.currentQueuePos(), 2);
        QTest::keyClick(map.get(), Qt::Key_PageUp);
        QCOMPARE(map->windowTitle(), QStringLiteral("Id Map - FIRST VOTE"));
        QCOMPARE(t.services.waitHidden, t.services.waitShown); // every drawing pass under the wait window
    }

    void filters_data()
    {
        QTest::addColumn<bool>("voters");
        QTest::addColumn<bool>("notAvailable");
        QTest::addColumn<bool>("errorsOnly");
        QTest::addColumn<QList<const Member *>>("drawn");
        QTest::addColumn<QList<const Member *>>("hidden");
        using L = QList<const Member *>;
        QTest::newRow("voters") << true << false << false << L{&kAdams, &kBaker, &kEvans, &kFox} << L{&kDavis};
        QTest::newRow("not available") << false << true << false << L{&kDavis} << L{&kAdams, &kBaker, &kEvans, &kFox};
        // ADAMS (yea, east of the line) and BAKER (nay, west of it) are on the wrong side.
        QTest::newRow("errors only") << true << false << true << L{&kAdams, &kBaker} << L{&kEvans, &kFox, &kDavis};
    }

    void filters()
    {
        QFETCH(bool, voters);
        QFETCH(bool, notAvailable);
        QFETCH(bool, errorsOnly);
        QFETCH(QList<const Member *>, drawn);
        QFETCH(QList<const Member *>, hidden);
        IdeologicalTree t;
        auto map = t.open({1, 2, 3});
        QVERIFY(map);
        if (!voters)
            map->mnuVoters->trigger();
        if (notAvailable)
            map->mnuNA->trigger();
        if (errorsOnly)
            map->mnuErrors->trigger();
        // While Errors Only is on, Find, Voters and Not Available cannot be used.
        for (QAction *a : {map->mnuFind, map->tbFind, map->mnuVoters, map->mnuNA})
            QCOMPARE(a->isEnabled(), !errorsOnly);
        const QImage image = Picture(*map);
        SaveScreenshot(map.get(),
                       QStringLiteral("ideological_filter_%1%2%3").arg(voters).arg(notAvailable).arg(errorsOnly));
        auto inked = [&](const Member *m) {
            int n = 0;
            for (auto which : {&Preferences::yeaColour, &Preferences::nayColour, &Preferences::notVotingColour})
                n += ColourAround(image, PixelOf(*m, image.width()), Colour(t, which)).count;
            return n;
        };
        for (const Member *m : drawn)
            QVERIFY2(inked(m) > 5, m->name);
        for (const Member *m : hidden)
            QVERIFY2(inked(m) == 0, m->name);
    }

    void colourKey_data()
    {
        QTest::addColumn<bool>("crossTab");
        QTest::addColumn<QString>("key"); // yea light blue, nay light red, yea-nay green, nay-yea magenta
        QTest::addColumn<QString>("note");
        QTest::newRow("single") << false << "Yea #0000ff, Nay #ff0000" << QString();
        QTest::newRow("cross tab") << true << "Y-Y #0000ff, Y-N #008000, N-Y #800080, N-N #ff0000"
                                   << QStringLiteral("Y-N: Yea on #1, Nay on #3\nN-Y: Nay on #1, Yea on #3");
    }

    void colourKey()
    {
        QFETCH(bool, crossTab);
        IdeologicalTree t;
        auto map = t.open({1, 3}, 1, crossTab);
        QVERIFY(map);
        // Shown from the start; Ctrl+K hides it and shows it again.
        QVERIFY(map->mnuKey->isChecked());
        QVERIFY(map->pnlKey->isVisible());
        QTest::keyClick(map.get(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(!map->pnlKey->isVisible());
        QTest::keyClick(map.get(), Qt::Key_K, Qt::ControlModifier);
        QVERIFY(map->pnlKey->isVisible());
        SaveScreenshot(map.get(),
                       crossTab ? QStringLiteral("ideological_key_crosstab") : QStringLiteral("ideological_key"));
        QStringList key; // each label with the colour drawn in its swatch
        for (int i = 0; i < 4; ++i) {
            const QImage swatch = map->pnlKeys[i]->grab().toImage();
            if (!map->lblKeys[i]->text().isEmpty())
                key << map->lblKeys[i]->text() + QLatin1Char(' ') +
                           QColor(swatch.pixel(swatch.width() / 2, swatch.height() / 2)).name();
        }
        QTEST(key.join(QStringLiteral(", ")), "key");
        QCOMPARE(map->lblKeyNote->isVisible(), crossTab);
        if (crossTab)
            QTEST(map->lblKeyNote->text(), "note");
    }

    void jump_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("entered"); // what the two-digit box keeps
        QTest::addColumn<int>("position");
        // The entries the core reads (empty, zero, in range) are its own tests; here the window's refusal
        // and the box's length.
        QTest::newRow("past the end") << QStringLiteral("13") << QStringLiteral("13") << 1;
        QTest::newRow("third digit dropped") << QStringLiteral("123") << QStringLiteral("12") << 12;
    }

    void jump()
    {
        QFETCH(QString, typed);
        QFETCH(QString, entered);
        QFETCH(int, position);
        IdeologicalTree t;
        auto map = t.open({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3});
        QVERIFY(map);
        QString kept;
        OnNextModal([&kept, typed](QWidget *w) {
            auto *dialog = qobject_cast<frmJump *>(w);
            QVERIFY(dialog);
            SaveScreenshot(dialog, QStringLiteral("ideological_jump"));
            QTest::keyClicks(dialog->mtxJump, typed);
            // The box holds as many digits as the queue's last position has.
            kept = dialog->mtxJump->text() + QLatin1Char('/') + QString::number(dialog->mtxJump->maxLength());
            QTest::keyClick(dialog->mtxJump, Qt::Key_Return);
        });
        map->mnuJump->trigger();
        QCOMPARE(kept, entered + QStringLiteral("/2"));
        QCOMPARE(t.session.queue.currentQueuePos(), position);
        QCOMPARE(t.services.errorTexts(),
                 position == 1 ? QStringList{"You must select a roll call within the range of selected roll calls."}
                               : QStringList{});
    }

    void find()
    {
        IdeologicalTree t;
        auto map = t.open({1, 2, 3});
        QVERIFY(map);
        map->mnuFind->trigger();
        frmFind *find = map->findWindow();
        QVERIFY(find && find->isVisible());
        QCOMPARE(find->lstFind->count(), 5); // CLARK has no coordinates
        QCOMPARE(find->lblLegis->text(), QStringLiteral("(none)"));
        find->btnStart->click();
        QCOMPARE(t.services.errorTexts(), QStringList{"You must select at least one legislator to find."});
        find->lstFind->setCurrentRow(0);
        QVERIFY(find->lblLegis->styleSheet().contains(Colour(t, &Preferences::yeaColour).name())); // his vote's colour
        // The flash, quicker than a user sees it: seven ticks, ending with the circle shown.
        QSignalSpy flashes(find, &frmFind::flash);
        find->tmrFind->setInterval(1);
        const QPoint adamsRow = find->lstFind->visualItemRect(find->lstFind->item(0)).center();
        QTest::mouseClick(find->lstFind->viewport(), Qt::LeftButton, {}, adamsRow);
        QTest::mouseDClick(find->lstFind->viewport(), Qt::LeftButton, {}, adamsRow);
        QCOMPARE(map->picId->circleCount(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!find->tmrFind->isActive(), 5000);
        QCOMPARE(flashes.count(), 7);
        QCOMPARE(flashes.last().at(0).toBool(), true);
        SaveScreenshot(find, QStringLiteral("ideological_find"));

        map->mnuRedraw->trigger(); // a redraw clears the circle
        QCOMPARE(map->picId->circleCount(), 0);
    }

    void saveAs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("format"); // of a picture; else the file holds `bytes`
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("atStart");
        QTest::newRow("text") << QStringLiteral("map.txt") << QStringLiteral("map.txt") << QByteArray()
                              << QByteArray("January 5, 1981: Roll Call #1\r\nFIRST VOTE\r\nHouse #97, 1981-1982\r\n")
                              << true;
        QTest::newRow("png") << QStringLiteral("map.png") << QStringLiteral("map.png") << QByteArray("PNG")
                             << QByteArray() << false;
        QTest::newRow("metafile as svg") << QStringLiteral("map.wmf") << QStringLiteral("map.svg") << QByteArray()
                                         << QByteArray("<svg") << false;
    }

    void saveAs()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QByteArray, format);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, atStart);
        IdeologicalTree t;
        auto map = t.open({1, 3});
        QVERIFY(map);
        t.services.fileNames.enqueue(t.dir.filePath(name));
        map->tbSave->trigger();
        QVERIFY2(t.services.errorTexts().isEmpty(), qPrintable(t.services.errorTexts().join(QLatin1Char('\n'))));
        QVERIFY(t.services.fileDialogs.at(0).filters.contains(QStringLiteral("CSV for analysis (*.csv)")));
        QCOMPARE(t.services.lastMessage().title, QStringLiteral("Rollscan Output"));
        QVERIFY(t.services.lastMessage().text.endsWith(t.dir.filePath(written)));
        QVERIFY(written == name || !QFile::exists(t.dir.filePath(name)));
        const QByteArray file = ReadWholeFile(t.dir.filePath(written));
        if (format.isEmpty()) {
            QVERIFY2(atStart ? file.startsWith(bytes) : file.contains(bytes), file.left(120).constData());
            return;
        }
        QImage image;
        QVERIFY(image.loadFromData(file, format.constData()));
        // The picture carries titles above and the key below the plot, and the tokens' colours.
        QVERIFY(image.width() >= map->picId->width());
        QVERIFY(image.height() > image.width() + 60);
        QVERIFY(CountColour(image.convertToFormat(QImage::Format_RGB32), Colour(t, &Preferences::yeaColour), 60) > 5);
    }

    void startAndCrossTabOpenTheMap()
    {
        Program p({1, 3});
        QVERIFY(p.list->mnuIdeological->isEnabled());
        p.list->btnStart->click();
        QPointer<frmIdeological> map = p.director.ideologicalWindow();
        QVERIFY(map && map->isVisible() && !map->isCrossTab());
        SaveScreenshot(map, QStringLiteral("ideological_started"));
        // Its side windows: a move closes the statistics and keeps the information, on the new roll call.
        map->tbInfo->trigger();
        map->mnuStatistics->trigger();
        QVERIFY(p.director.infoWindow() && p.director.statisticsWindow());
        map->moveNext();
        QVERIFY(!p.director.statisticsWindow());
        QCOMPARE(p.director.infoWindow()->lblYea->text(), QStringLiteral("3")); // the third vote's
        // Start again: the map is replaced, not doubled, and begins at the first roll call.
        p.list->btnStart->click();
        QVERIFY(map.isNull());
        QCOMPARE(p.director.ideologicalWindow()->lblTitle1->text(), QStringLiteral("FIRST VOTE"));
        p.director.ideologicalWindow()->close();
        QCoreApplication::processEvents();
        QVERIFY(!p.director.infoWindow() || !p.director.infoWindow()->isVisible());

        // Cross Tab shows the pair until Done; a plain start after it shows the single view, without
        // cross-tab statistics.
        p.list->btnCrossTab->click();
        map = p.director.ideologicalWindow();
        QVERIFY(map && map->isCrossTab());
        QVERIFY(map->mnuCrossStat->isEnabled());
        QVERIFY(p.list->mnuCrossTab->isChecked());
        map->tbDone->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!p.list->mnuCrossTab->isChecked());
        QVERIFY(!p.t.session.crossTabRequested);
        p.list->btnStart->click();
        QVERIFY(!p.director.ideologicalWindow()->isCrossTab());
        QVERIFY(!p.director.ideologicalWindow()->mnuCrossStat->isEnabled());
    }

    void fitWindow()
    {
        Program p({1, 2, 3});
        p.list->btnStart->click();
        p.director.ideologicalWindow()->mnuFit->trigger();
        frmFit *fit = p.director.fitWindow();
        QVERIFY(fit);
        QCOMPARE(fit->windowTitle(), QStringLiteral("Congress Fit"));
        QCOMPARE(p.director.ideologicalWindow()->lblWeight->text(),
                 QStringLiteral("Second-dimension weight 0.32 (built-in)"));
        // Roll call 1 (x = 0): ADAMS's yea and BAKER's nay are errors; roll call 3 (y = 0): DAVIS's yea.
        QCOMPARE(fit->lblFigures->text(), QStringLiteral("Errors: 3     Correctly classified: 66.67%     APRE: 0.400"));
        QCOMPARE(fit->lblHeading->text(), QStringLiteral("House #97, 1981-1982, second-dimension weight 0.32\n2 of 3 "
                                                         "roll calls have a cutting line"));
        QCOMPARE(column(fit->lstFit, frmFit::ColName),
                 (QStringList{"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS", "FOX"}));
        QCOMPARE(column(fit->lstFit, frmFit::ColVotes), (QStringList{"2", "2", "0", "1", "2", "2"}));
        QCOMPARE(column(fit->lstFit, frmFit::ColRate),
                 (QStringList{"50.00%", "50.00%", "", "100.00%", "0.00%", "0.00%"}));
        fit->show();
        QVERIFY(QTest::qWaitForWindowExposed(fit));
        SaveScreenshot(fit, QStringLiteral("frmFit"));
        const QString text = p.t.dir.filePath("fit.txt"), sheet = p.t.dir.filePath("fit.csv");
        p.t.services.fileNames << text << sheet;
        fit->actSaveText->trigger();
        fit->actSaveSheet->trigger();
        QCOMPARE(p.t.services.errorTexts(), QStringList());
        const QStringList lines = QString::fromLatin1(ReadWholeFile(text)).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(0, 9), (QStringList{"Rollscan for Windows Congress Fit", "---------------------------------",
                                               "House #97, 1981-1982, second-dimension weight 0.32",
                                               "Roll calls with a cutting line: 2 of 3", "", "Errors: 3",
                                               "Correctly classified: 66.67%", "APRE: 0.400", ""}));
        QCOMPARE(lines.at(9), QStringLiteral("ID     NAME          PARTY                 ST  VOTES  ERRORS  RATE"));
        QCOMPARE(lines.at(10), QStringLiteral("1001   ADAMS         Democrat              CT  2      1       50.00%"));
        QCOMPARE(lines.at(12), QStringLiteral("1003   CLARK         Democrat              PA  0      0"));
        QCOMPARE(lines.size(), 17); // six legislators and the empty piece after the last line end
        // The spreadsheet: each figure quoted, then one row to a legislator, the unscaled rate left empty.
        const QByteArray rows = ReadWholeFile(sheet);
        QVERIFY(rows.startsWith("\"House #97, 1981-1982, second-dimension weight 0.32\"\r\n\"Errors: 3\"\r\n"));
        QVERIFY(rows.contains("\r\n1001,\"ADAMS\",\"Democrat\",\"CT\",2,1,0.5000\r\n"));
        QVERIFY(rows.contains("\r\n1003,\"CLARK\",\"Democrat\",\"PA\",0,0,\r\n"));
        // Closing the map closes it.
        p.director.ideologicalWindow()->close();
        QTRY_VERIFY(p.director.fitWindow() == nullptr);
    }

    // The figures, columns and details are the core's (its own tests); here where the window shows them.
    void infoWindow()
    {
        Fixture f;
        QPointer<frmInfo> window = new frmInfo(*f.session, f.services);
        window->fill(f.pass(101, 1));
        window->show();
        QCOMPARE(window->windowTitle(), QStringLiteral("Roll Call Information"));
        QCOMPARE(window->lblYea->text(), QStringLiteral("60"));
        QCOMPARE(window->lblInfo->text(), QStringLiteral("3\n10\n.75")); // not voting, errors, PRE
        // Nine legislators without coordinates: seven in the first column, two in the second.
        QCOMPARE(window->lblCol2->text(), QStringLiteral("HIDDEN8     \nHIDDEN9     "));
        QCOMPARE(window->lblGField->text(), QStringLiteral("HR1234       ")); // padding and all
        QCOMPARE(window->txtDetails->toPlainText(), QStringLiteral("TO PASS THE BILL."));
        SaveScreenshot(window, QStringLiteral("frmInfo"));

        const QString path = f.file(QStringLiteral("info.txt"));
        f.services.fileNames.enqueue(path);
        window->actSave->trigger();
        const RecordingServices::FileDialogCall &dialog = f.services.fileDialogs.first();
        QCOMPARE(dialog.caption, QStringLiteral("Information Disk Output"));
        // The report's lines, each ended by CR LF.
        QCOMPARE(ReadWholeFile(path),
                 (InfoReportLines(window->info()).join(QStringLiteral("\r\n")) + "\r\n").toLatin1());
        QCOMPARE(f.services.lastMessage().text,
                 QStringLiteral("Output operation was successful. \rFile saved as ") + path);

        f.services.fileNames.enqueue(f.file(QStringLiteral("no such folder/info.txt")));
        window->save();
        QCOMPARE(f.services.errorTexts(),
                 QStringList{QStringLiteral("An error (76) has occurred while saving roll call information.")});
        QCOMPARE(f.services.beeps, 1);

        // 470 characters stored, parentheses included, go to the box with a scroll bar.
        f.builder.addCongress(true, 101, house101(QStringLiteral("(%1)").arg(QString(468, QLatin1Char('c')))), true);
        window->fill(f.pass(101, 1));
        QCoreApplication::processEvents();
        QVERIFY(window->txtDetailsSB->isVisible() && !window->txtDetails->isVisible());
        QCOMPARE(window->txtDetailsSB->toPlainText(), QString(468, QLatin1Char('c')));
        QCOMPARE(window->txtDetails->toPlainText(), QString());
        SaveScreenshot(window, QStringLiteral("frmInfo_details_scrolling"));
        // Done puts the plain box back and unloads the window.
        window->actDone->trigger();
        QVERIFY(!window->txtDetails->isHidden());
        QVERIFY(window->txtDetailsSB->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }

    // A missing description file still shows the tallies; an empty party table stops the statistics and
    // the cross tab (whose words the core's tests check), with the wait window put away.
    void missingFilesReported()
    {
        Fixture f;
        const DrawingPass single = f.pass(101, 1), crossTab = f.pass(101, 1, 2);
        QVERIFY(QFile::remove(f.file(QStringLiteral("house/101.dbn"))));
        frmInfo window(*f.session, f.services);
        window.fill(f.pass(101, 1));
        QCOMPARE(window.lblYea->text(), QStringLiteral("60"));
        QVERIFY(!window.info().descriptionRead);
        f.builder.writeRaw("main/party.dat", QByteArray());
        frmStatistics stats(*f.session, f.services);
        QVERIFY(!stats.load(single));
        frmCrossTab cross(*f.session, f.services);
        QVERIFY(!cross.fill(crossTab));
        QCOMPARE(cross.lstParty->count(), 0);
        const QStringList errors = f.services.errorTexts();
        QCOMPARE(errors.size(), 3);
        QVERIFY2(errors[0].startsWith(QStringLiteral("That file doesn't exist.")), qPrintable(errors[0]));
        for (const QString &text : errors.mid(1))
            QVERIFY2(text.contains(QStringLiteral("holds no party records")), qPrintable(text));
        QVERIFY(!f.services.waitVisible);
    }

    // The statistics window; it and the information window print to the printer chosen, and a printer
    // that cannot start the job (a PDF in a missing folder) is reported.
    void statisticsAndPrinting()
    {
        Fixture f(QString(200, QLatin1Char('p')));
        frmStatistics stats(*f.session, f.services);
        QVERIFY(stats.load(f.pass(101, 1)));
        stats.show();
        QCOMPARE(stats.windowTitle(), QStringLiteral("Roll Call Statistics"));
        // Roll call 1's votes by code: INDEP's 0, eleven yeas, seven nays, the nine without coordinates' 9.
        QCOMPARE(stats.pnlBreakdown->text(), QStringLiteral("1\n  11\n  0\n  0\n  0\n  0\n  7\n  0\n  0\n  9"));
        // Counting showed the wait window and put it away again.
        QCOMPARE(f.services.waitInfos, QStringList{QStringLiteral("Calculating, please wait...")});
        QVERIFY(!f.services.waitVisible);
        stats.actHelp->trigger();
        QCOMPARE(f.services.helpTopics, QStringList{QStringLiteral("frmStatistics")});
        SaveScreenshot(&stats, QStringLiteral("frmStatistics"));

        frmInfo info(*f.session, f.services);
        info.fill(f.pass(101, 1));
        const QList<QPair<QAction *, QString>> jobs = {
            {info.actPrint, QStringLiteral("An error (482) has occurred while printing roll call information.")},
            {stats.actPrint, QStringLiteral("An error (482) has occurred while printing.")}};
        for (const auto &job : jobs) {
            f.services.printerPdfFile = f.file(QStringLiteral("out.pdf"));
            QFile::remove(f.services.printerPdfFile);
            f.services.printerAnswers << true << true;
            job.first->trigger();
            QVERIFY(ReadWholeFile(f.services.printerPdfFile).startsWith("%PDF"));
            f.services.printerPdfFile = f.file(QStringLiteral("no such folder/out.pdf"));
            job.first->trigger();
            QCOMPARE(f.services.errorTexts().constLast(), job.second);
        }
        QCOMPARE(f.services.waitInfos.constLast(), QStringLiteral("Printing, please wait..."));
        QCOMPARE(f.services.errorTexts().size(), 2);
        QCOMPARE(f.services.printerDialogs, 4);
        QVERIFY(!f.services.waitVisible);
    }

    void crossTabWindow()
    {
        Fixture f;
        frmCrossTab window(*f.session, f.services);
        QVERIFY(window.fill(f.pass(101, 1, 2)));
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("View Cross Tab"));
        // The parties in the core's order (its own test), Democrats first.
        QCOMPARE(window.lstParty->count(), 3);
        // Nothing chosen yet: the cells show their captions only.
        QCOMPARE(window.pnlYea1->text(), QStringLiteral("Yea-Yea:"));
        QCOMPARE(window.lblStats->text(), QString());

        QTest::mouseClick(window.lstParty->viewport(), Qt::LeftButton, {},
                          window.lstParty->visualItemRect(window.lstParty->item(0)).center());
        QCOMPARE((QStringList{window.pnlYea1->text(), window.pnlNay1->text(), window.pnlYea2->text(),
                              window.pnlNay2->text(), window.lblStats->text()}),
                 (QStringList{"Yea-Yea: 3", "Nay-Yea: 2", "Yea-Nay: 1", "Nay-Nay: 5",
                              "Yule's Q: 0.7647  Chi-square: 2.2131"}));
        SaveScreenshot(&window, QStringLiteral("frmCrossTab_Democrat"));
        // Yea light blue, Nay-Yea magenta, Yea-Nay green, Nay light red, on the map's white.
        QList<QColor> colours;
        for (QWidget *panel : {window.pnlYea1, window.pnlNay1, window.pnlYea2, window.pnlNay2})
            colours << panel->palette().color(QPalette::WindowText);
        QCOMPARE(colours << window.pnlYea1->palette().color(QPalette::Window),
                 (QList<QColor>{{0, 0, 255}, {128, 0, 128}, {0, 128, 0}, {255, 0, 0}, {255, 255, 255}}));
    }
};

QTEST_MAIN(tst_ideological)
#include "tst_ideological.moc"
