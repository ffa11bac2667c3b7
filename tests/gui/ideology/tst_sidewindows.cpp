// The map's side windows: information, statistics and cross tab; what they show, save and print,
// their captions and colours, and how the window director opens and refreshes them.
#include "support/GuiTestSupport.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Dates.h"
#include "core/data/FileIO.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/RollCallInfo.h"
#include "gui/ideology/frmCrossTab.h"
#include "gui/ideology/frmInfo.h"
#include "gui/ideology/frmStatistics.h"
#include "support/RecordingServices.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <memory>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {
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
    d.legislators << TreeBuilder::legislator(QStringLiteral("REP"), 24, 1, 200, -0.5f, 0.1f, 300);
    d.legislators << TreeBuilder::legislator(QStringLiteral("INDEP"), 24, 2, 328, 0.9f, 0.1f, 301);
    d.voteRows << QStringLiteral("11") << QStringLiteral("01");
    for (int i = 1; i <= 9; ++i) {
        d.legislators << TreeBuilder::legislator(QStringLiteral("HIDDEN%1").arg(i), 13, 20 + i, 200, 0.0f, 0.0f, i);
        d.voteRows << QStringLiteral("91");
    }
    RollCall first = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. 1234"), QDate(1989, 3, 15), 60, 40, 0.2f);
    first.infoNotVoting = 3;
    RollCall second = TreeBuilder::rollCall(QStringLiteral("TO ADJOURN"), QDate(1989, 3, 16), 80, 0);
    second.infoNotVoting = 7;
    d.rollCalls = {first, second};
    Description detailed;
    const QString header[5] = {"HR1234", "PASSED", "Y", "12/3", "SMITH (D-NY)"};
    for (int i = 0; i < 5; ++i)
        detailed.header[i] = header[i].leftJustified(Description::kHeaderWidths[i]);
    detailed.text = detailText;
    Description plain;
    plain.text = QStringLiteral("ADJOURN");
    d.descriptions = {detailed, plain};
    return d;
}

// Congresses 25 and 26: Democrats from Maryland (northern), Kentucky and Alabama (southern), Whigs
// from New York and Georgia, one Republican. Southern members are told apart from the 26th on.
CongressData regionalCongress(int congress)
{
    CongressData d;
    const int states[] = {52, 51, 41, 13, 44, 14}, parties[] = {100, 100, 100, 29, 29, 200};
    for (int i = 0; i < 6; ++i)
        d.legislators << TreeBuilder::legislator(QStringLiteral("M%1").arg(i), states[i], 1, parties[i], 0.1f * i, 0.1f,
                                                 i + 1);
    d.voteRows = {"1", "6", "2", "1", "6", "8"};
    d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("TO PASS"), QDate(CongressSecondYear(congress), 5, 1), 2, 2)};
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
        for (int congress : {25, 26})
            builder.addCongress(true, congress, regionalCongress(congress), true);
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

QString Tag()
{
    return QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_'));
}
} // namespace

class tst_sidewindows : public QObject {
    Q_OBJECT

private slots:
    void infoWindow_data()
    {
        QTest::addColumn<int>("rollCall");
        QTest::addColumn<int>("partner");
        QTest::addColumn<QString>("yea");
        QTest::addColumn<QString>("info"); // not voting, errors, PRE
        QTest::newRow("ten errors of forty") << 1 << 0 << QStringLiteral("60") << QStringLiteral("3\n10\n.75");
        QTest::newRow("unanimous") << 2 << 0 << QStringLiteral("80") << QStringLiteral("7\nn/a\nn/a");
        QTest::newRow("cross-tab view") << 1 << 2 << QStringLiteral("60") << QStringLiteral("3\n3\nn/a");
    }

    void infoWindow()
    {
        QFETCH(int, rollCall);
        QFETCH(int, partner);
        Fixture f;
        frmInfo window(*f.session, f.services);
        window.fill(f.pass(101, rollCall, partner));
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Roll Call Information"));
        QTEST(window.lblYea->text(), "yea");
        QTEST(window.lblInfo->text(), "info");
        // Nine legislators without coordinates: seven in the first column, two in the second.
        QCOMPARE(window.lblCol2->text(), QStringLiteral("HIDDEN8     \nHIDDEN9     "));
        // The heading fields as stored, padding and all.
        QCOMPARE(window.lblGField->text(),
                 rollCall == 1 ? QStringLiteral("HR1234       ") : QString(13, QLatin1Char(' ')));
        QCOMPARE(window.txtDetails->toPlainText(),
                 rollCall == 1 ? QStringLiteral("TO PASS THE BILL.") : QStringLiteral("ADJOURN"));
        SaveScreenshot(&window, QStringLiteral("frmInfo_") + Tag());
    }

    void infoDetailsBox()
    {
        // 470 characters stored, parentheses included, go to the box with a scroll bar.
        Fixture f(QLatin1Char('(') + QString(468, QLatin1Char('c')) + QLatin1Char(')'));
        QPointer<frmInfo> window = new frmInfo(*f.session, f.services);
        window->fill(f.pass(101, 1));
        window->show();
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

    void infoSave()
    {
        Fixture f;
        frmInfo window(*f.session, f.services);
        window.fill(f.pass(101, 1));
        const QString path = f.file(QStringLiteral("info.txt"));
        f.services.fileNames.enqueue(path);
        window.actSave->trigger();
        const RecordingServices::FileDialogCall &dialog = f.services.fileDialogs.first();
        QCOMPARE(dialog.caption, QStringLiteral("Information Disk Output"));
        // The report's lines, each ended by CR LF.
        QCOMPARE(ReadWholeFile(path),
                 (InfoReportLines(window.info()).join(QStringLiteral("\r\n")) + "\r\n").toLatin1());
        QCOMPARE(f.services.lastMessage().text,
                 QStringLiteral("Output operation was successful. \rFile saved as ") + path);

        f.services.fileNames.enqueue(f.file(QStringLiteral("no such folder/info.txt")));
        window.save();
        QCOMPARE(f.services.errorTexts(),
                 QStringList{QStringLiteral("An error (76) has occurred while saving roll call information.")});
        QCOMPARE(f.services.beeps, 1);
    }

    // A missing description file still shows the tallies; a missing party table stops the statistics,
    // with the wait window put away.
    void missingFilesReported()
    {
        Fixture f;
        frmInfo whole(*f.session, f.services);
        whole.fill(f.pass(101, 1));
        const DrawingPass pass = f.pass(26, 1);
        QVERIFY(QFile::remove(f.file(QStringLiteral("house/101.dbn"))));
        frmInfo window(*f.session, f.services);
        window.fill(f.pass(101, 1));
        QCOMPARE(window.lblYea->text(), whole.lblYea->text());
        QVERIFY(!window.info().descriptionRead);
        QVERIFY(QFile::remove(f.file(QStringLiteral("main/party.dat"))));
        frmStatistics stats(*f.session, f.services);
        QVERIFY(!stats.load(pass));
        QCOMPARE(f.services.errorTexts().size(), 2);
        for (const QString &text : f.services.errorTexts())
            QVERIFY2(text.startsWith(QStringLiteral("That file doesn't exist.")), qPrintable(text));
        QVERIFY(!f.services.waitVisible);
    }

    void printing_data()
    {
        QTest::addColumn<bool>("statistics");
        QTest::addColumn<QString>("error");
        QTest::newRow("information") << false << "An error (482) has occurred while printing roll call information.";
        QTest::newRow("statistics") << true << "An error (482) has occurred while printing.";
    }

    void printing()
    {
        QFETCH(bool, statistics);
        QFETCH(QString, error);
        Fixture f(QString(200, QLatin1Char('p')));
        frmInfo info(*f.session, f.services);
        info.fill(f.pass(101, 1));
        frmStatistics stats(*f.session, f.services);
        QVERIFY(stats.load(f.pass(26, 1)));
        QAction *print = statistics ? stats.actPrint : info.actPrint;
        f.services.clearRecords();
        f.services.printerPdfFile = f.file(QStringLiteral("out.pdf"));
        f.services.printerAnswers.enqueue(true);
        print->trigger();
        QVERIFY(ReadWholeFile(f.services.printerPdfFile).startsWith("%PDF"));
        if (statistics)
            QCOMPARE(f.services.waitInfos, QStringList{QStringLiteral("Printing, please wait...")});
        // A printer that cannot start the job (a PDF in a missing folder).
        f.services.printerPdfFile = f.file(QStringLiteral("no such folder/out.pdf"));
        f.services.printerAnswers.enqueue(true);
        print->trigger();
        QCOMPARE(f.services.errorTexts(), QStringList{error});
        QCOMPARE(f.services.printerDialogs, 2);
        QVERIFY(!f.services.waitVisible);
    }

    void statisticsWindow()
    {
        Fixture f;
        frmStatistics window(*f.session, f.services);
        QVERIFY(window.load(f.pass(26, 1)));
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("Roll Call Statistics"));
        QCOMPARE(window.pnlBreakdown->text(), QStringLiteral("0\n  2\n  1\n  0\n  0\n  0\n  2\n  0\n  1\n  0"));
        // Counting showed the wait window and put it away again.
        QCOMPARE(f.services.waitInfos, QStringList{QStringLiteral("Calculating, please wait...")});
        QVERIFY(!f.services.waitVisible);
        window.actHelp->trigger();
        QCOMPARE(f.services.helpTopics, QStringList{QStringLiteral("frmStatistics")});
        SaveScreenshot(&window, QStringLiteral("frmStatistics"));
    }

    void crossTabWindow()
    {
        Fixture f;
        frmCrossTab window(*f.session, f.services);
        QVERIFY(window.fill(f.pass(101, 1, 2)));
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("View Cross Tab"));
        // In the order of each party's first member in the legislator file.
        QStringList listed;
        for (int i = 0; i < window.lstParty->count(); ++i)
            listed << window.lstParty->item(i)->text();
        QCOMPARE(listed, (QStringList{"Democrat", "Republican", "Independent"}));
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
    }

    // An empty party table is named, not shown as a cross-tab without parties.
    void crossTabEmptyPartyFile()
    {
        Fixture f;
        QFile party(f.file(QStringLiteral("main/party.dat")));
        QVERIFY(party.open(QIODevice::WriteOnly | QIODevice::Truncate));
        party.close();
        frmCrossTab window(*f.session, f.services);
        QVERIFY(!window.fill(f.pass(101, 1, 2)));
        QCOMPARE(window.lstParty->count(), 0);
        QCOMPARE(f.services.errorTexts().size(), 1);
        const QString text = f.services.errorTexts().first();
        QVERIFY2(text.contains(QStringLiteral("party.dat does not list party code")) &&
                     text.contains(QStringLiteral("101.lcr")) &&
                     text.contains(QStringLiteral("holds no party records")),
                 qPrintable(text));
    }

    void crossTabPanelColours()
    {
        Fixture f;
        frmCrossTab window(*f.session, f.services);
        // Yea light blue, Nay-Yea magenta, Yea-Nay green, Nay light red, on the map's white.
        QList<QColor> colours;
        for (QWidget *panel : {window.pnlYea1, window.pnlNay1, window.pnlYea2, window.pnlNay2})
            colours << panel->palette().color(QPalette::WindowText);
        QCOMPARE(colours << window.pnlYea1->palette().color(QPalette::Window),
                 (QList<QColor>{{0, 0, 255}, {128, 0, 128}, {0, 128, 0}, {255, 0, 0}, {255, 255, 255}}));
    }
};

QTEST_MAIN(tst_sidewindows)
#include "tst_sidewindows.moc"
