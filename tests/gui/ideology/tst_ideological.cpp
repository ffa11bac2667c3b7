// The ideological map window: where and in which colour tokens and lines are drawn, the filters,
// the colour key, moving through the queue, jumping, inquiring, finding, and the outputs.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"

#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "gui/app/PaletteColour.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmFind.h"
#include "gui/ideology/frmJump.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolBar>

#include <cmath>
#include <optional>

using namespace rollscan;
using namespace rollscan::test;

namespace {

constexpr double kHouseK = 0.32;

// The pixel of a member's token centre in a square picture of `side` pixels.
QPointF PixelOf(const Member &m, double side)
{
    const double mapX = m.x;
    const double mapY = 2 * kHouseK * m.y;
    return {(mapX + 1) / 2 * side, (1 - mapY) / 2 * side};
}

bool Near(QRgb pixel, const QColor &c, int tolerance = 60)
{
    return std::abs(qRed(pixel) - c.red()) + std::abs(qGreen(pixel) - c.green()) + std::abs(qBlue(pixel) - c.blue()) <=
           tolerance;
}

struct Blob {
    int count = 0;
    QPointF centre;
};

// Pixels of colour `c` within `radius` pixels of `at`, and their centroid.
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
            if (Near(image.pixel(x, y), c, tolerance))
                ++n;
    return n;
}

QImage Picture(frmIdeological &map)
{
    QCoreApplication::processEvents();
    return map.picId->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QColor Yea(const Session &s)
{
    return PaletteColour(s.Preferences.yeaColour());
}
QColor Nay(const Session &s)
{
    return PaletteColour(s.Preferences.nayColour());
}
QColor NotAvailable(const Session &s)
{
    return PaletteColour(s.Preferences.notVotingColour());
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Click(frmIdeological &map, double mapX, double mapY)
{
    const double side = map.picId->width();
    const QPoint at(int((mapX + 1) / 2 * side), int((1 - mapY) / 2 * side));
    QTest::mouseClick(map.picId, Qt::LeftButton, {}, at);
}

} // namespace

Q_DECLARE_METATYPE(const Member *)

class tst_ideological : public QObject {
    Q_OBJECT

private slots:
    void pictureIsSquare();
    void tokensAtTheirMapPoints_data();
    void tokensAtTheirMapPoints();
    void senateScale();
    void tokenCase();
    void cuttingLineAndNoLine();
    void crossTabView();
    void filters_data();
    void filters();
    void colourKey_data();
    void colourKey();
    void codeCaptions();
    void navigation_data();
    void navigation();
    void jump_data();
    void jump();
    void jumpDialog();
    void inquiry_data();
    void inquiry();
    void find();
    void saveAs_data();
    void saveAs();
    void spreadsheet();
    void printing();
    void attachmentMenus();
};

void tst_ideological::pictureIsSquare()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    QCOMPARE(map->picId->width(), map->picId->height());
    QVERIFY(map->picId->width() > 500);
    // Centred across the room beside the colour key.
    const QWidget *room = map->picId->parentWidget();
    const int left = map->picId->x();
    const int right = room->width() - left - map->picId->width();
    QVERIFY(std::abs(left - right) <= 2);
    map->resize(700, 900);
    QCoreApplication::processEvents();
    QCOMPARE(map->picId->width(), map->picId->height());
    QVERIFY(map->picId->width() < 700);
}

void tst_ideological::tokensAtTheirMapPoints_data()
{
    QTest::addColumn<const Member *>("member");
    QTest::addColumn<int>("colourIndex"); // 0 yea, 1 nay, 2 not drawn
    QTest::newRow("House yea at (0.5, 0.5) drawn at (0.5, 0.32)") << &kAdams << 0;
    QTest::newRow("nay") << &kBaker << 1;
    QTest::newRow("other nay") << &kEvans << 1;
    QTest::newRow("yea, south") << &kFox << 0;
    QTest::newRow("not available, hidden by Voters") << &kDavis << 2;
}

void tst_ideological::tokensAtTheirMapPoints()
{
    QFETCH(const Member *, member);
    QFETCH(int, colourIndex);
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    const QImage image = Picture(*map);
    SaveScreenshot(map.get(), QStringLiteral("ideological_single"));
    const QPointF expected = PixelOf(*member, image.width());
    const QList<QColor> colours = {Yea(t.session), Nay(t.session)};
    if (colourIndex == 2) {
        for (const QColor &c : {Yea(t.session), Nay(t.session), NotAvailable(t.session)})
            QCOMPARE(ColourAround(image, expected, c).count, 0);
        return;
    }
    const Blob blob = ColourAround(image, expected, colours.at(colourIndex));
    QVERIFY2(blob.count > 5, qPrintable(QStringLiteral("%1 pixels").arg(blob.count)));
    QVERIFY2(std::abs(blob.centre.x() - expected.x()) <= 3 && std::abs(blob.centre.y() - expected.y()) <= 4,
             qPrintable(QStringLiteral("token centred at (%1, %2), expected (%3, %4)")
                            .arg(blob.centre.x())
                            .arg(blob.centre.y())
                            .arg(expected.x())
                            .arg(expected.y())));
    // The other vote's colour is not there.
    QCOMPARE(ColourAround(image, expected, colours.at(1 - colourIndex)).count, 0);
}

void tst_ideological::senateScale()
{
    IdeologicalTree t;
    t.session.isHouse = false;
    auto map = t.open({5});
    QVERIFY(map);
    const QImage image = Picture(*map);
    SaveScreenshot(map.get(), QStringLiteral("ideological_senate"));
    // A Senate member at (0.5, 0.5) stands at (0.5, 0.33).
    const double side = image.width();
    const QPointF expected((0.5 + 1) / 2 * side, (1 - 0.33) / 2 * side);
    const Blob blob = ColourAround(image, expected, Yea(t.session));
    QVERIFY(blob.count > 5);
    QVERIFY(std::abs(blob.centre.x() - expected.x()) <= 3);
    QVERIFY(std::abs(blob.centre.y() - expected.y()) <= 4);
    QCOMPARE(map->lblTitle2->text(), QStringLiteral("Senate #97 Roll Call #1  1/6/1981  (1/1)"));
}

// Height in pixels of the ink of colour `c` around a point.
static int InkHeight(const QImage &image, const QPointF &at, const QColor &c)
{
    int top = image.height(), bottom = -1;
    for (int y = int(at.y()) - 16; y <= int(at.y()) + 16; ++y)
        for (int x = int(at.x()) - 16; x <= int(at.x()) + 16; ++x)
            if (image.rect().contains(x, y) && Near(image.pixel(x, y), c)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return bottom - top + 1;
}

void tst_ideological::tokenCase()
{
    // BAKER's "R": a capital as stored with token case "u", the shorter "r" with any other setting.
    int heights[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        IdeologicalTree t;
        t.session.Preferences.setTokenCase(i == 0 ? QLatin1Char('u') : QLatin1Char('l'));
        auto map = t.open({1, 2, 3});
        QVERIFY(map);
        const QImage image = Picture(*map);
        heights[i] = InkHeight(image, PixelOf(kBaker, image.width()), Nay(t.session));
        if (i == 1)
            SaveScreenshot(map.get(), QStringLiteral("ideological_lowercase"));
    }
    QVERIFY2(heights[0] > 5 && heights[1] > 3 && heights[1] < heights[0] * 0.85,
             qPrintable(QStringLiteral("%1 %2").arg(heights[0]).arg(heights[1])));
}

void tst_ideological::cuttingLineAndNoLine()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    QImage image = Picture(*map);
    const int side = image.width();
    QVERIFY(!map->lblNoLine->isVisible());
    // δ1 0.2, the rest 0: the vertical line x = 0 across the whole picture, in black.
    for (int y = side / 20; y < side - side / 20; y += 7) {
        bool black = false;
        for (int x = side / 2 - 1; x <= side / 2 + 1; ++x)
            black = black || image.pixel(x, y) == qRgb(0, 0, 0);
        QVERIFY2(black, qPrintable(QStringLiteral("no line at row %1").arg(y)));
    }
    QCOMPARE(ColourAround(image, QPointF(side / 4.0, side / 2.0), QColor(Qt::black), 3).count, 0);

    map->moveNext(); // both spreads 0
    image = Picture(*map);
    SaveScreenshot(map.get(), QStringLiteral("ideological_noline"));
    QVERIFY(map->lblNoLine->isVisible());
    // 5 to 1 is far from unanimous: the data simply hold no line for it.
    QCOMPARE(map->lblNoLine->text(), QStringLiteral("No cutting line in the data for this roll call"));
    QCOMPARE(CountColour(image, QColor(Qt::black)), 0);
}

void tst_ideological::crossTabView()
{
    IdeologicalTree t;
    t.session.Preferences.setNoMatchColour(10); // light green, apart from the black line
    auto map = t.open({1, 3}, 1, true);
    QVERIFY(map);
    QVERIFY(map->isCrossTab());
    map->setColourKey(true);
    const QImage image = Picture(*map);
    SaveScreenshot(map.get(), QStringLiteral("ideological_crosstab"));
    const int side = image.width();
    // The partner (position 2) has the horizontal line y = 0, in the No Cross Tab Match colour.
    const QColor noMatch = PaletteColour(10);
    for (int x = side / 20; x < side - side / 20; x += 9) {
        bool found = false;
        for (int y = side / 2 - 1; y <= side / 2 + 1; ++y)
            found = found || Near(image.pixel(x, y), noMatch, 0);
        QVERIFY2(found || std::abs(x - side / 2) <= 2,
                 qPrintable(QStringLiteral("no second line at column %1").arg(x)));
    }
    // ADAMS voted yea here and nay there; BAKER nay here and yea there.
    QVERIFY(ColourAround(image, PixelOf(kAdams, side), PaletteColour(t.session.Preferences.yeaNayColour())).count > 5);
    QVERIFY(ColourAround(image, PixelOf(kBaker, side), PaletteColour(t.session.Preferences.nayYeaColour())).count > 5);
    QCOMPARE(map->windowTitle(), QStringLiteral("Id Map - FIRST VOTE"));
}

void tst_ideological::filters_data()
{
    QTest::addColumn<bool>("voters");
    QTest::addColumn<bool>("notAvailable");
    QTest::addColumn<bool>("errorsOnly");
    QTest::addColumn<QList<const Member *>>("drawn");
    QTest::addColumn<QList<const Member *>>("hidden");
    QTest::newRow("voters") << true << false << false << QList<const Member *>{&kAdams, &kBaker, &kEvans, &kFox}
                            << QList<const Member *>{&kDavis};
    QTest::newRow("voters and not available")
        << true << true << false << QList<const Member *>{&kAdams, &kBaker, &kEvans, &kFox, &kDavis}
        << QList<const Member *>{};
    QTest::newRow("not available") << false << true << false << QList<const Member *>{&kDavis}
                                   << QList<const Member *>{&kAdams, &kBaker, &kEvans, &kFox};
    // ADAMS (yea, east of the line) and BAKER (nay, west of it) are on the wrong side.
    QTest::newRow("errors only") << true << false << true << QList<const Member *>{&kAdams, &kBaker}
                                 << QList<const Member *>{&kEvans, &kFox, &kDavis};
}

void tst_ideological::filters()
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
    QCOMPARE(map->mnuVoters->isChecked(), voters);
    QCOMPARE(map->mnuNA->isChecked(), notAvailable);
    QCOMPARE(map->mnuErrors->isChecked(), errorsOnly);
    // While Errors Only is on, Find, Voters and Not Available cannot be used.
    QCOMPARE(map->mnuFind->isEnabled(), !errorsOnly);
    QCOMPARE(map->mnuVoters->isEnabled(), !errorsOnly);
    QCOMPARE(map->mnuNA->isEnabled(), !errorsOnly);
    const QImage image = Picture(*map);
    SaveScreenshot(map.get(),
                   QStringLiteral("ideological_filter_") +
                       QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')));
    auto inked = [&](const Member *m) {
        int n = 0;
        for (const QColor &c : {Yea(t.session), Nay(t.session), NotAvailable(t.session)})
            n += ColourAround(image, PixelOf(*m, image.width()), c).count;
        return n;
    };
    for (const Member *m : drawn)
        QVERIFY2(inked(m) > 5, m->name);
    for (const Member *m : hidden)
        QVERIFY2(inked(m) == 0, m->name);
    if (errorsOnly) {
        map->mnuErrors->trigger();
        QVERIFY(map->mnuFind->isEnabled());
        QVERIFY(map->mnuVoters->isEnabled());
    }
}

void tst_ideological::colourKey_data()
{
    QTest::addColumn<bool>("crossTab");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("tips");
    QTest::newRow("single") << false << QStringList{"Yea", "Nay", "", ""}
                            << QStringList{"Yea Vote", "Nay Vote", "", ""};
    QTest::newRow("cross tab") << true << QStringList{"Y-Y", "Y-N", "N-Y", "N-N"}
                               << QStringList{"Yea Vote", "Yea/Nay Crosstab", "Nay/Yea Crosstab", "Nay Vote"};
}

void tst_ideological::colourKey()
{
    QFETCH(bool, crossTab);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, tips);
    IdeologicalTree t;
    auto map = t.open({1, 3}, 1, crossTab);
    QVERIFY(map);
    // The key is shown from the start, its menu item checked; Ctrl+K hides it and shows it again.
    QVERIFY(map->mnuKey->isChecked());
    QVERIFY(map->pnlKey->isVisible());
    QTest::keyClick(map.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(!map->pnlKey->isVisible());
    QTest::keyClick(map.get(), Qt::Key_K, Qt::ControlModifier);
    QVERIFY(map->mnuKey->isChecked());
    QVERIFY(map->pnlKey->isVisible());
    SaveScreenshot(map.get(),
                   crossTab ? QStringLiteral("ideological_key_crosstab") : QStringLiteral("ideological_key"));
    const Preferences &p = t.session.Preferences;
    const QList<int> colours = crossTab ? QList<int>{p.yeaColour(), p.yeaNayColour(), p.nayYeaColour(), p.nayColour()}
                                        : QList<int>{p.yeaColour(), p.nayColour()};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(map->lblKeys[i]->text(), labels.at(i));
        QCOMPARE(map->pnlKeys[i]->toolTip(), tips.at(i));
        QCOMPARE(map->lblKeys[i]->objectName(), QStringLiteral("lblKey%1").arg(i + 1));
        if (i < colours.size()) {
            const QImage swatch = map->pnlKeys[i]->grab().toImage();
            const QRgb middle = swatch.pixel(swatch.width() / 2, swatch.height() / 2);
            QCOMPARE(QColor(middle), PaletteColour(colours.at(i)));
        }
    }
    map->mnuKey->trigger();
    QVERIFY(!map->pnlKey->isVisible());
}

void tst_ideological::codeCaptions()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    QCOMPARE(map->lblCaptions->text(), QStringLiteral("Issue Code:\nClausen Code:\nPeltzman Code:"));
    // A code in its table shows its description, one missing from it its number, 0 "N/A"; a second
    // Peltzman code is appended.
    QCOMPARE(map->lblCodes->text(), QStringLiteral("Taxation\n2\nN/A, Defense budget"));
    map->moveNext();
    QCOMPARE(map->lblCodes->text(), QStringLiteral("N/A\nN/A\nN/A"));
}

void tst_ideological::navigation_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("title2");
    QTest::newRow("first") << 1 << false << true << QStringLiteral("House #97 Roll Call #1  1/5/1981  (1/3)");
    QTest::newRow("middle") << 2 << true << true << QStringLiteral("House #97 Roll Call #2  2/10/1981  (2/3)");
    QTest::newRow("last") << 3 << true << false << QStringLiteral("House #97 Roll Call #3  3/3/1981  (3/3)");
}

void tst_ideological::navigation()
{
    QFETCH(int, position);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    QFETCH(QString, title2);
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    // Reach the position by moving, as a user would.
    for (int p = 1; p < position; ++p)
        map->tbNext->trigger();
    QCOMPARE(t.session.queue.currentQueuePos(), position);
    QCOMPARE(map->lblTitle2->text(), title2);
    QCOMPARE(map->mnuPrevious->isEnabled(), previous);
    QCOMPARE(map->tbFirst->isEnabled(), previous);
    QCOMPARE(map->tbPrevious->isEnabled(), previous);
    QCOMPARE(map->mnuNext->isEnabled(), next);
    QCOMPARE(map->tbNext->isEnabled(), next);
    QCOMPARE(map->tbLast->isEnabled(), next);
    // First stays a menu item that works, Last too.
    QVERIFY(map->mnuFirst->isEnabled());
    map->mnuLast->trigger();
    QCOMPARE(t.session.queue.currentQueuePos(), 3);
    QCOMPARE(map->lblTitle1->text(), QStringLiteral("THIRD VOTE"));
    map->mnuFirst->trigger();
    QCOMPARE(t.session.queue.currentQueuePos(), 1);
    // The paging keys move too.
    QTest::keyClick(map.get(), Qt::Key_PageDown);
    QCOMPARE(t.session.queue.currentQueuePos(), 2);
    QTest::keyClick(map.get(), Qt::Key_PageUp);
    QCOMPARE(t.session.queue.currentQueuePos(), 1);
    QCOMPARE(map->lblTitle1->text(), QStringLiteral("FIRST VOTE"));
    QCOMPARE(map->windowTitle(), QStringLiteral("Id Map - FIRST VOTE"));
    QVERIFY(t.services.errorTexts().isEmpty());
    // Every drawing pass ran under the wait window, which is gone again.
    QVERIFY(t.services.waitShown >= position + 2);
    QCOMPARE(t.services.waitHidden, t.services.waitShown);
    QVERIFY(!t.services.waitVisible);
}

void tst_ideological::jump_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("refused");
    QTest::newRow("empty") << QString() << 1 << false;
    QTest::newRow("zero") << QStringLiteral("0") << 1 << true;
    QTest::newRow("past the end") << QStringLiteral("4") << 1 << true;
    QTest::newRow("last") << QStringLiteral("3") << 3 << false;
    QTest::newRow("middle") << QStringLiteral("2") << 2 << false;
}

void tst_ideological::jump()
{
    QFETCH(QString, entry);
    QFETCH(int, position);
    QFETCH(bool, refused);
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    map->jumpTo(entry);
    QCOMPARE(t.session.queue.currentQueuePos(), position);
    QCOMPARE(t.services.errorTexts(),
             refused ? QStringList{"You must select a roll call within the range of selected roll calls."}
                     : QStringList{});
}

void tst_ideological::jumpDialog()
{
    IdeologicalTree t;
    // Twelve entries: the box takes two digits, 13 is refused, 12 is the last roll call.
    auto map = t.open({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3});
    QVERIFY(map);
    QString typed;
    auto answer = [&typed](const QString &text) {
        OnNextModal([&typed, text](QWidget *w) {
            auto *dialog = qobject_cast<frmJump *>(w);
            QVERIFY(dialog);
            QCOMPARE(dialog->mtxJump->maxLength(), 2);
            SaveScreenshot(dialog, QStringLiteral("ideological_jump"));
            QTest::keyClicks(dialog->mtxJump, text);
            typed = dialog->mtxJump->text();
            QTest::keyClick(dialog->mtxJump, Qt::Key_Return);
        });
    };
    answer(QStringLiteral("13"));
    map->mnuJump->trigger();
    QCOMPARE(typed, QStringLiteral("13"));
    QCOMPARE(t.session.queue.currentQueuePos(), 1);
    QCOMPARE(t.services.errorTexts().size(), 1);
    answer(QStringLiteral("123"));
    map->mnuJump->trigger();
    QCOMPARE(typed, QStringLiteral("12"));
    QCOMPARE(t.session.queue.currentQueuePos(), 12);
    QCOMPARE(map->lblTitle2->text(), QStringLiteral("House #97 Roll Call #3  3/3/1981  (12/12)"));
    QCOMPARE(t.services.errorTexts().size(), 1);
}

void tst_ideological::inquiry_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("notAvailable");
    QTest::addColumn<QString>("named");
    QTest::newRow("on a token") << 0.5 << 0.32 << false << QStringLiteral("ADAMS, CONNECTICUT");
    // DAVIS did not vote: with Not Available unchecked the nearest voter is named instead.
    QTest::newRow("not available skipped") << -0.6 << 0.384 << false << QStringLiteral("FOX, ALABAMA");
    QTest::newRow("not available named") << -0.6 << 0.384 << true << QStringLiteral("DAVIS, ILLINOIS");
    QTest::newRow("far from everyone") << -0.998 << -0.998 << false << QString();
}

void tst_ideological::inquiry()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, notAvailable);
    QFETCH(QString, named);
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    // Without Inquire checked a click does nothing.
    Click(*map, x, y);
    QVERIFY(t.services.messages.isEmpty());
    QVERIFY(!map->lblInquire->isVisible());

    if (notAvailable)
        map->mnuNA->trigger();
    QTest::keyClick(map.get(), Qt::Key_I, Qt::ControlModifier);
    QVERIFY(map->mnuInquire->isChecked());
    QVERIFY(map->tbInquire->isChecked());
    // The toolbar button turns it off and on again.
    map->tbInquire->trigger();
    QVERIFY(!map->mnuInquire->isChecked());
    map->tbInquire->trigger();
    QVERIFY(map->mnuInquire->isChecked());
    Click(*map, x, y);
    if (named.isEmpty()) {
        QCOMPARE(t.services.errorTexts(), QStringList{"Legislator not found."});
        QVERIFY(!map->lblInquire->isVisible());
        return;
    }
    QVERIFY(t.services.messages.isEmpty());
    QVERIFY(map->lblInquire->isVisible());
    QCOMPARE(map->lblInquire->toolTip(), named);
    const double side = map->picId->width();
    const QPoint at(int((x + 1) / 2 * side), int((1 - y) / 2 * side));
    // At the press point, moved left or up only as far as keeps the whole name inside the picture.
    const int left = std::min(at.x(), map->picId->width() - map->lblInquire->width());
    const int top = std::min(at.y(), map->picId->height() - map->lblInquire->height());
    QVERIFY(std::abs(map->lblInquire->x() - left) <= 1);
    QVERIFY(std::abs(map->lblInquire->y() - top) <= 1);
    SaveScreenshot(map.get(), QStringLiteral("ideological_inquire"));
}

void tst_ideological::find()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    map->mnuFind->trigger();
    frmFind *find = map->findWindow();
    QVERIFY(find);
    QVERIFY(find->isVisible());
    QVERIFY(!find->lblFirst->isVisible());
    QCOMPARE(find->lstFind->count(), 5); // CLARK has no coordinates
    QCOMPARE(find->lstFind->item(0)->text(), QStringLiteral("ADAMS, CT"));
    QCOMPARE(find->lblLegis->text(), QStringLiteral("(none)"));

    find->btnStart->click();
    QCOMPARE(t.services.errorTexts(), QStringList{"You must select at least one legislator to find."});
    QCOMPARE(map->picId->circleCount(), 0);

    // A not-available member: nothing drawn, nothing said.
    find->lstFind->setCurrentRow(2); // DAVIS
    QCOMPARE(find->lblLegis->text(), QStringLiteral("DAVIS, IL"));
    find->btnStart->click();
    QCOMPARE(map->picId->circleCount(), 0);
    QCOMPARE(t.services.errorTexts().size(), 1);

    find->lstFind->setCurrentRow(0);
    QVERIFY(find->lblLegis->styleSheet().contains(Yea(t.session).name()));
    const QPoint adamsRow = find->lstFind->visualItemRect(find->lstFind->item(0)).center();
    QTest::mouseClick(find->lstFind->viewport(), Qt::LeftButton, {}, adamsRow);
    QTest::mouseDClick(find->lstFind->viewport(), Qt::LeftButton, {}, adamsRow);
    QCOMPARE(map->picId->circleCount(), 1);
    QVERIFY(find->tmrFind->isActive());
    QCOMPARE(find->tmrFind->interval(), 400);
    // The flash itself, quicker than a user sees it: seven ticks, ending with the circle shown.
    QSignalSpy flashes(find, &frmFind::flash);
    find->tmrFind->setInterval(1);
    find->lstFind->setCurrentRow(1);
    find->btnStart->click();
    QCOMPARE(map->picId->circleCount(), 2); // two finds, two circles
    QTRY_VERIFY_WITH_TIMEOUT(!find->tmrFind->isActive(), 5000);
    QCOMPARE(flashes.count(), 7);
    QCOMPARE(flashes.at(0).at(0).toBool(), false);
    QCOMPARE(flashes.last().at(0).toBool(), true);
    SaveScreenshot(find, QStringLiteral("ideological_find"));

    // The circle round ADAMS: radius 0.04 map units, black, around his token.
    const QImage image = Picture(*map);
    SaveScreenshot(map.get(), QStringLiteral("ideological_find_map"));
    const QPointF adams = PixelOf(kAdams, image.width());
    const double radius = 0.04 * image.width() / 2;
    int black = 0;
    for (int a = 0; a < 360; a += 15) {
        const double rad = a * M_PI / 180;
        const QPointF p = adams + QPointF(radius * std::cos(rad), radius * std::sin(rad));
        bool dark = false;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx)
                dark = dark || qGray(image.pixel(int(p.x()) + dx, int(p.y()) + dy)) < 170;
        black += dark ? 1 : 0;
    }
    QVERIFY2(black >= 20, qPrintable(QString::number(black)));

    // A redraw clears the circles; Errors Only disables Find.
    map->mnuRedraw->trigger();
    QCOMPARE(map->picId->circleCount(), 0);
    map->mnuErrors->trigger();
    QVERIFY(!map->mnuFind->isEnabled());
    QVERIFY(!map->tbFind->isEnabled());
    map->close();
    QVERIFY(!find->isVisible());
}

void tst_ideological::saveAs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("kind");
    QTest::newRow("text") << "map.txt"
                          << "map.txt"
                          << "text";
    QTest::newRow("bitmap, upper case") << "MAP.BMP"
                                        << "MAP.BMP"
                                        << "BMP";
    QTest::newRow("png") << "map.png"
                         << "map.png"
                         << "PNG";
    QTest::newRow("metafile as svg") << "map.wmf"
                                     << "map.svg"
                                     << "svg";
}

void tst_ideological::saveAs()
{
    QFETCH(QString, name);
    QFETCH(QString, written);
    QFETCH(QString, kind);
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    const QString path = t.dir.filePath(name);
    const QString writtenPath = t.dir.filePath(written);
    t.services.fileNames.enqueue(path);
    map->tbSave->trigger();
    QCOMPARE(t.services.fileDialogs.size(), 1);
    QVERIFY2(t.services.errorTexts().isEmpty(), qPrintable(t.services.errorTexts().join(QLatin1Char('\n'))));
    QCOMPARE(t.services.lastMessage().title, QStringLiteral("Rollscan Output"));
    QVERIFY(t.services.lastMessage().text.contains(writtenPath));
    const QByteArray bytes = ReadAll(writtenPath);
    QVERIFY(!bytes.isEmpty());
    if (kind == QLatin1String("text")) {
        const QString reference = t.dir.filePath(QStringLiteral("reference.txt"));
        SaveRollCallText(t.session, reference);
        QCOMPARE(bytes, ReadAll(reference));
        QVERIFY(bytes.startsWith("January 5, 1981: Roll Call #1\r\nFIRST VOTE\r\nHouse #97, 1981-1982\r\n"));
    } else if (kind == QLatin1String("svg")) {
        QVERIFY(bytes.contains("<svg"));
        QVERIFY(!QFile::exists(path) || path == writtenPath);
    } else {
        QImage image;
        QVERIFY(image.load(writtenPath, kind.toLatin1().constData()));
        // The picture carries titles above and the key below the plot.
        QVERIFY(image.width() >= map->picId->width());
        QVERIFY(image.height() > image.width());
        image = image.convertToFormat(QImage::Format_RGB32);
        QVERIFY(CountColour(image, Yea(t.session), 60) > 5);
        QVERIFY(!bytes.startsWith("January"));
    }
}

void tst_ideological::spreadsheet()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3}, 2);
    QVERIFY(map);
    const QString path = t.dir.filePath(QStringLiteral("votes.prn"));
    t.services.fileNames.enqueue(path);
    map->mnuSheet->trigger();
    QCOMPARE(t.services.lastMessage().title, QStringLiteral("Rollscan Output"));
    const QString reference = t.dir.filePath(QStringLiteral("reference.prn"));
    WriteSpreadsheet(t.session, reference, false);
    const QByteArray bytes = ReadAll(path);
    QCOMPARE(bytes, ReadAll(reference));
    // The roll call shown, not the whole queue.
    QVERIFY(bytes.startsWith("February 10, 1981: Roll Call #2\r\n"));
    QCOMPARE(bytes.count("Roll Call #"), 1);
}

void tst_ideological::printing()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    const QString pages = t.dir.filePath(QStringLiteral("rollcall.pdf"));
    t.services.printerAnswers.enqueue(true);
    t.services.printerPdfFile = pages;
    map->mnuPrint->trigger();
    QVERIFY(t.services.errorTexts().isEmpty());
    QVERIFY(ReadAll(pages).startsWith("%PDF"));

    const QString picture = t.dir.filePath(QStringLiteral("map.pdf"));
    t.services.printerAnswers.enqueue(true);
    t.services.printerPdfFile = picture;
    map->tbPrint->trigger();
    QVERIFY(t.services.errorTexts().isEmpty());
    QVERIFY(ReadAll(picture).startsWith("%PDF"));
    QVERIFY(map->IdToolbar->isVisible());

    // Cancelling the printer dialog prints nothing.
    const QString none = t.dir.filePath(QStringLiteral("none.pdf"));
    t.services.printerPdfFile = none;
    map->mnuPrintMap->trigger();
    QVERIFY(!QFile::exists(none));
    QCOMPARE(t.services.printerDialogs, 3);
}

void tst_ideological::attachmentMenus()
{
    IdeologicalTree t;
    t.tree.writeRaw(QStringLiteral("house/97_1.txt"), "A note.");
    t.tree.writeRaw(QStringLiteral("house/97_1.wav"), "RIFF");
    auto map = t.open({1, 2, 3});
    QVERIFY(map);
    QVERIFY(map->mnuText->isChecked());
    QVERIFY(map->mnuAudio->isChecked());
    QVERIFY(!map->mnuPicture->isChecked());
    // The attachment window is not part of the program yet: nothing can be opened.
    QVERIFY(!map->mnuText->isEnabled());
    QVERIFY(!map->mnuAudio->isEnabled());
    QVERIFY(!map->mnuPicture->isEnabled());
    connect(map.get(), &frmIdeological::audioAttachmentRequested, this, [] {});
    connect(map.get(), &frmIdeological::pictureAttachmentRequested, this, [] {});
    map->updateCommands();
    QVERIFY(map->mnuAudio->isEnabled());
    QVERIFY(!map->mnuPicture->isEnabled());
    map->moveNext();
    QVERIFY(!map->mnuText->isChecked());
    QVERIFY(!map->mnuAudio->isChecked());
    QVERIFY(!map->mnuAudio->isEnabled());
}

QTEST_MAIN(tst_ideological)
#include "tst_ideological.moc"
