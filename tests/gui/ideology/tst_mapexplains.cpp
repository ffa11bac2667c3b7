// What the ideological map tells a first-time user: n/a and the right sentence without a cutting
// line, the tally, axes and party legend, the key from the start, pictures that carry their titles
// and key, Find sorted by name, the analysis file from Save As.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"

#include "core/data/FileIO.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmFind.h"
#include "gui/ideology/frmInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// Pixels darker than the white ground within a band of rows.
int InkInRows(const QImage &image, int top, int bottom)
{
    int n = 0;
    for (int y = std::max(0, top); y < std::min(image.height(), bottom); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qGray(image.pixel(x, y)) < 200 ? 1 : 0;
    return n;
}
} // namespace

class tst_mapexplains : public QObject {
    Q_OBJECT

private slots:
    void noLineReadsNotApplicable();
    void tallyAndLegend();
    void axesAreDrawn_data();
    void axesAreDrawn();
    void crossTabKeySaysWhichIsFirst();
    void savedPictureCarriesTitlesAndKey();
    void findSortsByName();
    void saveAsWritesAnalysisFile();
    void emptiedQueueClosesTheMap();
};

void tst_mapexplains::noLineReadsNotApplicable()
{
    IdeologicalTree t;
    auto map = t.open({1, 2});
    QVERIFY(map);
    map->moveNext(); // 5 to 1, both spreads 0
    QVERIFY(map->lblNoLine->isVisible());
    QCOMPARE(map->lblNoLine->text(), QStringLiteral("No cutting line in the data for this roll call"));
    frmInfo info(t.session, t.services);
    info.fill(map->pass());
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    SaveScreenshot(&info, QStringLiteral("mapexplains_info_noline"));
    QCOMPARE(info.lblInfo->text(), QStringLiteral("0\nn/a\nn/a"));
    // With a line the counts come back.
    map->moveFirst();
    info.fill(map->pass());
    QVERIFY(!info.lblInfo->text().contains(QStringLiteral("n/a")));
}

void tst_mapexplains::tallyAndLegend()
{
    IdeologicalTree t;
    auto map = t.open({1});
    QVERIFY(map);
    SaveScreenshot(map.get(), QStringLiteral("mapexplains_map"));
    QCOMPARE(map->lblTally->text(), QStringLiteral("Yea 3 \u00b7 Nay 2 \u00b7 Not voting 0"));
    // Plotted: three Republicans, a Northern and a Southern Democrat (CLARK has no coordinates); most
    // used first, each token named by its record with the party name it does not already say.
    QCOMPARE(map->lblLegend->text(), QStringLiteral("<b>R</b>&nbsp;Token 2 (Republican)<br>"
                                                    "<b>D</b>&nbsp;Token 5 (Democrat)<br>"
                                                    "<b>S</b>&nbsp;Token 3 (Democrat)"));
    QVERIFY(map->pnlKey->isVisible());
    QVERIFY(map->lblLegend->isVisible());
}

void tst_mapexplains::axesAreDrawn_data()
{
    QTest::addColumn<bool>("isHouse");
    QTest::addColumn<double>("k");
    QTest::newRow("House") << true << 0.32;
    QTest::newRow("Senate") << false << 0.33;
}

void tst_mapexplains::axesAreDrawn()
{
    QFETCH(bool, isHouse);
    QFETCH(double, k);
    const int side = 600;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        IdeologicalCanvas::PaintAxes(painter, side, isHouse, QFont());
    }
    const QRgb grey = qRgb(0x90, 0x90, 0x90);
    // The two axes cross the centre in grey.
    QCOMPARE(image.pixel(side / 4, side / 2), grey);
    QCOMPARE(image.pixel(side / 2, side / 4), grey);
    // Ticks of the first dimension at -0.5 and 0.5 stand across the horizontal axis.
    for (const double v : {-0.5, 0.5}) {
        const QPointF at = IdeologicalCanvas::ToPixel({v, 0}, side);
        QCOMPARE(image.pixel(int(at.x()), int(at.y()) + 2), grey);
    }
    // Ticks of the second dimension stand where a second coordinate of 1 and -1 is drawn: 2k map units.
    for (const double v : {-1.0, 1.0}) {
        const QPointF at = IdeologicalCanvas::ToPixel({0, 2 * k * v}, side);
        // The tick is one pixel high; where exactly .5 of a pixel rounds is the painter's business.
        bool tick = false;
        for (int dy = -1; dy <= 1; ++dy)
            tick = tick || image.pixel(int(at.x()) + 2, int(at.y()) + dy) == grey;
        QVERIFY2(tick, qPrintable(QString::number(v)));
    }
    // The dimension names: ink along the bottom edge and the left edge, none in a plain corner.
    QVERIFY(InkInRows(image, side - 20, side) > 50);
    QCOMPARE(InkInRows(image.copy(side - 60, 0, 60, 60), 0, 60), 0);
    QCOMPARE(IdeologicalCanvas::FirstDimensionName(),
             QStringLiteral("First dimension (economic: liberal \u2190 \u2192 conservative)"));
    QCOMPARE(IdeologicalCanvas::SecondDimensionName(), QStringLiteral("Second dimension"));
    QCOMPARE(IdeologicalCanvas::FormatTick(-0.5), QStringLiteral("\u22120.5"));
}

void tst_mapexplains::crossTabKeySaysWhichIsFirst()
{
    IdeologicalTree t;
    auto map = t.open({1, 3}, 1, true);
    QVERIFY(map);
    SaveScreenshot(map.get(), QStringLiteral("mapexplains_crosstab"));
    QVERIFY(map->lblKeyNote->isVisible());
    QCOMPARE(map->lblKeyNote->text(), QStringLiteral("Y-N: Yea on #1, Nay on #3\nN-Y: Nay on #1, Yea on #3"));
    QCOMPARE(map->lblKeys[1]->text(), QStringLiteral("Y-N"));
}

void tst_mapexplains::savedPictureCarriesTitlesAndKey()
{
    IdeologicalTree t;
    auto map = t.open({1});
    QVERIFY(map);
    // An inquiry label is on the window, never in the picture.
    map->setInquire(true);
    map->inquireAt(kAdams.x, 2 * 0.32 * kAdams.y);
    QVERIFY(map->lblInquire->isVisible());
    const QImage picture = map->pictureImage().convertToFormat(QImage::Format_RGB32);
    picture.save(QStringLiteral(ROLLSCAN_SCREENSHOT_DIR "/mapexplains_saved_picture.png"));
    const int side = std::min(map->picId->width(), map->picId->height());
    QVERIFY(picture.height() > side + 60);
    // Titles above the plot and the key below it leave ink outside the plot's square.
    QVERIFY(InkInRows(picture, 0, 40) > 100);
    QVERIFY(InkInRows(picture, picture.height() - 30, picture.height()) > 20);
    // The inquiry label's pale yellow never reaches the file.
    int yellow = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            yellow += picture.pixel(x, y) == qRgb(0xff, 0xff, 0xe0) ? 1 : 0;
    QCOMPARE(yellow, 0);
    // The next redraw takes the label away.
    map->setVoters(true);
    QVERIFY(!map->lblInquire->isVisible());
}

void tst_mapexplains::findSortsByName()
{
    RecordingServices services;
    frmFind find(services);
    find.setAttribute(Qt::WA_DeleteOnClose, false);
    QList<PlottedEntry> plotted;
    for (const char *label : {"YOUNG, OHIO", "ADAMS, CT", "MOORE, NY"}) {
        PlottedEntry e;
        e.label = QString::fromLatin1(label);
        plotted.append(e);
    }
    find.fillIdeological(plotted);
    find.show();
    auto texts = [&find] {
        QStringList out;
        for (int i = 0; i < find.lstFind->count(); ++i)
            out.append(find.lstFind->item(i)->text());
        return out;
    };
    QCOMPARE(texts(), (QStringList{"YOUNG, OHIO", "ADAMS, CT", "MOORE, NY"}));
    find.chkSortByName->setChecked(true);
    SaveScreenshot(&find, QStringLiteral("mapexplains_find_sorted"));
    QCOMPARE(texts(), (QStringList{"ADAMS, CT", "MOORE, NY", "YOUNG, OHIO"}));
    // A row found by name still names its own legislator: YOUNG is plotted first.
    QSignalSpy requested(&find, &frmFind::findRequested);
    find.lstFind->setCurrentRow(2);
    find.btnStart->click();
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), 0);
    find.tmrFind->stop();
    find.chkSortByName->setChecked(false);
    QCOMPARE(texts().first(), QStringLiteral("YOUNG, OHIO"));
}

void tst_mapexplains::saveAsWritesAnalysisFile()
{
    IdeologicalTree t;
    auto map = t.open({1, 3});
    QVERIFY(map);
    const QString path = t.dir.filePath(QStringLiteral("votes.csv"));
    t.services.fileNames.enqueue(path);
    map->tbSave->trigger();
    QVERIFY2(t.services.errorTexts().isEmpty(), qPrintable(t.services.errorTexts().join(QLatin1Char('\n'))));
    QVERIFY(t.services.fileDialogs.at(0).filters.contains(QStringLiteral("CSV for analysis (*.csv)")));
    const QList<QByteArray> lines = ReadWholeFile(path).split('\n');
    // Header, six members on each of the two queued roll calls, the empty piece after the last line end.
    QCOMPARE(lines.size(), 1 + 6 + 6 + 1);
    QCOMPARE(lines[1], QByteArray("97,1,1981-01-05,1001,ADAMS,CT,1,100,Democrat,0.5,0.5,1,Yea"));
    QCOMPARE(lines[3], QByteArray("97,1,1981-01-05,1003,CLARK,PA,3,100,Democrat,NA,NA,1,Yea"));
    QCOMPARE(lines[7], QByteArray("97,3,1981-03-03,1001,ADAMS,CT,1,100,Democrat,0.5,0.5,6,Nay"));
}

void tst_mapexplains::emptiedQueueClosesTheMap()
{
    IdeologicalTree t;
    auto map = t.open({1, 2, 3}, 3);
    QVERIFY(map);
    QVERIFY(!map->tbNext->isEnabled());
    // Two entries left: position 3 no longer exists, so the map stands on the last and cannot go on.
    t.session.queue.remove(1);
    map->queueChanged();
    QCOMPARE(t.session.queue.currentQueuePos(), 2);
    QVERIFY(!map->tbNext->isEnabled());
    QVERIFY(!map->mnuNext->isEnabled());
    QVERIFY(map->tbPrevious->isEnabled());
    // A new search empties the queue: the map of the old queue goes.
    t.session.queue.clear();
    map->queueChanged();
    QVERIFY(!map->isVisible());
}

QTEST_MAIN(tst_mapexplains)
#include "tst_mapexplains.moc"
