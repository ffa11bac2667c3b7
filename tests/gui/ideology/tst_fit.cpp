// The Congress Fit window: opened from the map through the director, its figures and list, sorting,
// finding a legislator on the map, its files; and the weight in the map's status bar.
#include "support/GuiTestSupport.h"
#include "support/IdeologicalFixture.h"

#include "core/data/ScalingFile.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/ideology/IdeologicalCanvas.h"
#include "gui/ideology/frmFit.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTreeWidget>

using namespace rollscan;
using namespace rollscan::test;

namespace {

// The map of the fixture's House 97 opened by the director, and its fit window.
struct Program {
    IdeologicalTree t;
    frmVoteStartup main{t.session, t.services};
    WindowDirector director{t.session, t.services, main};
    frmIdeological *map = nullptr;
    frmFit *fit = nullptr;

    explicit Program(double weight = 0.0)
    {
        if (weight > 0)
            ScalingFile{weight, QStringLiteral("dim1"), QStringLiteral("dim2")}.write(
                ScalingFile::PathIn(t.dir.path()));
        t.session.queue.addRows(t.session.MatchTable, {1, 2, 3}, false);
        t.session.queue.setCurrentQueuePos(1);
        map = director.showIdeological(false);
        if (map) {
            map->mnuFit->trigger();
            fit = director.fitWindow();
        }
    }
};

QStringList column(const QTreeWidget *list, int c)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out << list->topLevelItem(i)->text(c);
    return out;
}

QStringList fileLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {QStringLiteral("(missing)")};
    return QString::fromLatin1(f.readAll()).split(QStringLiteral("\r\n"));
}

// The bundled sample of the source tree.
QString sampleRoot()
{
    return QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample");
}

} // namespace

class tst_fit : public QObject {
    Q_OBJECT

private slots:
    void mapOpensTheFit();
    void sortsByValue_data();
    void sortsByValue();
    void doubleClickFindsOnTheMap();
    void savesTextAndSpreadsheet();
    void statusBarShowsTheWeight_data();
    void statusBarShowsTheWeight();
    void house110OfTheSample();
};

void tst_fit::mapOpensTheFit()
{
    Program p;
    QVERIFY(p.map);
    QVERIFY(p.fit);
    QCOMPARE(p.map->mnuFit->text(), QStringLiteral("Congress &Fit"));
    QCOMPARE(p.fit->windowTitle(), QStringLiteral("Congress Fit"));
    // Roll call 1 (x = 0): ADAMS's yea and BAKER's nay are errors; roll call 3 (y = 0): DAVIS's yea.
    QCOMPARE(p.fit->lblFigures->text(), QStringLiteral("Errors: 3     Correctly classified: 66.67%     APRE: 0.400"));
    QCOMPARE(p.fit->lblHeading->text(), QStringLiteral("House #97, 1981-1982, second-dimension weight 0.32\n2 of 3 "
                                                       "roll calls have a cutting line"));
    QCOMPARE(column(p.fit->lstFit, frmFit::ColName), (QStringList{"ADAMS", "BAKER", "CLARK", "DAVIS", "EVANS", "FOX"}));
    QCOMPARE(column(p.fit->lstFit, frmFit::ColVotes), (QStringList{"2", "2", "0", "1", "2", "2"}));
    QCOMPARE(column(p.fit->lstFit, frmFit::ColErrors), (QStringList{"1", "1", "0", "1", "0", "0"}));
    QCOMPARE(column(p.fit->lstFit, frmFit::ColRate),
             (QStringList{"50.00%", "50.00%", "", "100.00%", "0.00%", "0.00%"}));
    QCOMPARE(column(p.fit->lstFit, frmFit::ColParty).first(), QStringLiteral("Democrat"));
    QCOMPARE(column(p.fit->lstFit, frmFit::ColState).first(), QStringLiteral("CT"));
    p.fit->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.fit));
    QVERIFY(!SaveScreenshot(p.fit, QStringLiteral("frmFit")).isEmpty());

    // A second request replaces the window; closing the map closes it.
    p.map->mnuFit->trigger();
    QVERIFY(p.director.fitWindow() != nullptr);
    p.map->close();
    QTRY_VERIFY(p.director.fitWindow() == nullptr);
}

void tst_fit::sortsByValue_data()
{
    QTest::addColumn<int>("sortColumn");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected"); // the sorted column
    QTest::newRow("rate, unscaled first") << int(frmFit::ColRate) << int(Qt::AscendingOrder)
                                          << QStringList{"", "0.00%", "0.00%", "50.00%", "50.00%", "100.00%"};
    QTest::newRow("votes descending") << int(frmFit::ColVotes) << int(Qt::DescendingOrder)
                                      << QStringList{"2", "2", "2", "2", "1", "0"};
    QTest::newRow("name") << int(frmFit::ColName) << int(Qt::DescendingOrder)
                          << QStringList{"FOX", "EVANS", "DAVIS", "CLARK", "BAKER", "ADAMS"};
}

void tst_fit::sortsByValue()
{
    QFETCH(int, sortColumn);
    QFETCH(int, order);
    QFETCH(QStringList, expected);
    Program p;
    QVERIFY(p.fit);
    p.fit->lstFit->header()->setSortIndicator(sortColumn, Qt::SortOrder(order));
    QCOMPARE(column(p.fit->lstFit, sortColumn), expected);
}

void tst_fit::doubleClickFindsOnTheMap()
{
    Program p;
    QVERIFY(p.fit);
    p.fit->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.fit));
    QTreeWidget *list = p.fit->lstFit;
    auto rowCentre = [&](int row) { return list->visualItemRect(list->topLevelItem(row)).center(); };
    // A real double-click starts with a press; the view acts only on a double-click where it was pressed.
    auto doubleClick = [&](int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(row));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(row));
    };
    QCOMPARE(p.map->picId->circleCount(), 0);
    // CLARK has no coordinates: nothing to circle.
    doubleClick(2);
    QCOMPARE(p.map->picId->circleCount(), 0);
    QSignalSpy chosen(p.fit, &frmFit::legislatorChosen);
    doubleClick(3);
    QVERIFY(!chosen.isEmpty());
    QCOMPARE(chosen.last().at(0).toInt(), 4); // DAVIS is record 4
    QCOMPARE(p.map->picId->circleCount(), 1);
    // Another legislator replaces the circle rather than adding one.
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(p.map->picId->circleCount(), 1);
}

void tst_fit::savesTextAndSpreadsheet()
{
    Program p;
    QVERIFY(p.fit);
    const QString text = p.t.dir.filePath(QStringLiteral("fit.txt"));
    const QString sheet = p.t.dir.filePath(QStringLiteral("fit.csv"));
    p.t.services.fileNames.enqueue(text);
    p.fit->actSaveText->trigger();
    p.t.services.fileNames.enqueue(sheet);
    p.fit->actSaveSheet->trigger();
    QCOMPARE(p.t.services.errorTexts(), QStringList());

    const QStringList lines = fileLines(text);
    QCOMPARE(lines.mid(0, 9), (QStringList{"Rollscan for Windows Congress Fit", "---------------------------------",
                                           "House #97, 1981-1982, second-dimension weight 0.32",
                                           "Roll calls with a cutting line: 2 of 3", "", "Errors: 3",
                                           "Correctly classified: 66.67%", "APRE: 0.400", ""}));
    QCOMPARE(lines.at(9), QStringLiteral("ID     NAME          PARTY                 ST  VOTES  ERRORS  RATE"));
    QCOMPARE(lines.at(10), QStringLiteral("1001   ADAMS         Democrat              CT  2      1       50.00%"));
    QCOMPARE(lines.at(12), QStringLiteral("1003   CLARK         Democrat              PA  0      0"));
    QCOMPARE(lines.size(), 17); // six legislators and the empty piece after the last line end

    const QStringList rows = fileLines(sheet);
    QCOMPARE(rows.mid(0, 7), (QStringList{"\"House #97, 1981-1982, second-dimension weight 0.32\"", "\"Errors: 3\"",
                                          "\"Correctly classified: 66.67%\"", "\"APRE: 0.400\"", "",
                                          "\"ID\",\"NAME\",\"PARTY\",\"STATE\",\"VOTES\",\"ERRORS\",\"ERROR RATE\"",
                                          "1001,\"ADAMS\",\"Democrat\",\"CT\",2,1,0.5000"}));
    QCOMPARE(rows.at(8), QStringLiteral("1003,\"CLARK\",\"Democrat\",\"PA\",0,0,"));
}

void tst_fit::statusBarShowsTheWeight_data()
{
    QTest::addColumn<double>("weight");
    QTest::addColumn<QString>("text");
    QTest::newRow("built-in") << 0.0 << "Second-dimension weight 0.32 (built-in)";
    QTest::newRow("from the tree") << 0.4156 << "Second-dimension weight 0.4156";
}

void tst_fit::statusBarShowsTheWeight()
{
    QFETCH(double, weight);
    QFETCH(QString, text);
    Program p(weight);
    QVERIFY(p.map);
    QCOMPARE(p.map->lblWeight->text(), text);
    p.map->show();
    QVERIFY(QTest::qWaitForWindowExposed(p.map));
    QVERIFY(p.map->lblWeight->isVisible());
    QVERIFY(!SaveScreenshot(
                 p.map, QStringLiteral("frmIdeological_weight_") +
                            QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('_')))
                 .isEmpty());
}

void tst_fit::house110OfTheSample()
{
    const QString root = sampleRoot();
    if (!QFileInfo::exists(root + QStringLiteral("/house/110.lcr")))
        QSKIP("the bundled sample is not next to the sources");
    Session session(root);
    session.newDataFormat = true;
    RecordingServices services;
    frmFit fit(session, services);
    fit.setAttribute(Qt::WA_DeleteOnClose, false);
    QVERIFY(fit.load(true, 110));
    QCOMPARE(services.errorTexts(), QStringList());
    QCOMPARE(fit.lstFit->topLevelItemCount(), fit.fit().legislators.size());
    QVERIFY(fit.fit().rollCallsWithLine > 0);
    fit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fit));
    // Never larger than the screen it opens on.
    QVERIFY(fit.frameGeometry().width() <= fit.screen()->availableGeometry().width());
    QVERIFY(fit.frameGeometry().height() <= fit.screen()->availableGeometry().height());
    QVERIFY(!SaveScreenshot(&fit, QStringLiteral("frmFit_house110")).isEmpty());
}

QTEST_MAIN(tst_fit)
#include "tst_fit.moc"
