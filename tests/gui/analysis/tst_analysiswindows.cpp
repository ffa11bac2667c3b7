// The rating, results, tracking, track-results and all-lines windows over a small tree; the all-lines
// map also over the bundled sample's House 110 when it is there.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/search/RollCallSearch.h"
#include "gui/analysis/AllLinesCanvas.h"
#include "gui/analysis/AnalysisOutput.h"
#include "gui/analysis/frmAllLines.h"
#include "gui/analysis/frmRating.h"
#include "gui/analysis/frmResults.h"
#include "gui/analysis/frmTrack.h"
#include "gui/analysis/frmTrackRes.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/search/frmViewCalls.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {
QStringList lines(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out.append(list->item(i)->text());
    return out;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// House 103: A and B on the left vote yea on roll call 1, C and D on the right nay; its line runs
// down the middle. Roll call 2 has no line parameters, roll call 3 is unanimous. House 104 has
// two members and one roll call. Every roll call of both is queued.
struct Fixture {
    QTemporaryDir dir;
    Session session;
    RecordingServices services;

    Fixture() : session(dir.path())
    {
        TreeBuilder tree(dir.path());
        tree.writeStandardTables();
        CongressData d103;
        const float xs[] = {-0.5f, -0.2f, 0.3f, 0.6f};
        for (int i = 0; i < 4; ++i)
            d103.legislators.append(TreeBuilder::legislator(QString(QChar(u'A' + i)) + QStringLiteral("LPHA"), 41,
                                                            i + 1, i < 2 ? 100 : 200, xs[i], 0.1f, 500 + i));
        d103.rollCalls = {TreeBuilder::rollCall(QStringLiteral("RC 1"), QDate(1993, 3, 1), 2, 2, 0.5f, 0.0f),
                          TreeBuilder::rollCall(QStringLiteral("RC 2"), QDate(1993, 3, 2), 3, 1),
                          TreeBuilder::rollCall(QStringLiteral("RC 3"), QDate(1993, 3, 3), 4, 0, 0.5f, 0.0f)};
        d103.voteRows = {"111", "116", "691", "601"};
        tree.addCongress(true, 103, d103);
        CongressData d104;
        d104.legislators = {TreeBuilder::legislator(QStringLiteral("NEWMAN"), 13, 1, 100, 0.1f, 0.1f, 900),
                            TreeBuilder::legislator(QStringLiteral("OLDMAN"), 13, 2, 200, 0.2f, 0.1f, 901)};
        d104.rollCalls = {TreeBuilder::rollCall(QStringLiteral("Other"), QDate(1995, 1, 9), 1, 1)};
        d104.voteRows = {"1", "6"};
        tree.addCongress(true, 104, d104);
        tree.writeIndexes();
        tree.writePreferences(TreeBuilder::standardPreferences());

        session.newDataFormat = false;
        session.isHouse = true;
        session.selectedCongresses = {103, 104};
        RunSearch(session, SearchCriteria{});
        session.queue.addAll(session.MatchTable);
    }
};
} // namespace

class TestAnalysisWindows : public QObject {
    Q_OBJECT

private slots:
    void ratingSettings_data();
    void ratingSettings();
    void ratingToResults();
    void trackingToResults();
    void trackStartNeedsASelection();
    void printedLines();
    void allLines();
    void allLinesOfSampleHouse110();
    void openedFromTheRollCallList();
};

void TestAnalysisWindows::ratingSettings_data()
{
    QTest::addColumn<QString>("clicks"); // t = toggle the selection (rows 0 and 2), r = reverse, a = set all
    QTest::addColumn<QString>("sides");  // first three characters of each row
    QTest::addColumn<QString>("setAllCaption");

    QTest::newRow("start") << ""
                           << "Yea Yea Yea Yea"
                           << "&All Nay";
    QTest::newRow("toggle the selected") << "t"
                                         << "Nay Yea Nay Yea"
                                         << "&All Nay";
    QTest::newRow("reverse after toggle") << "tr"
                                          << "Yea Nay Yea Nay"
                                          << "&All Nay";
    QTest::newRow("all nay") << "a"
                             << "Nay Nay Nay Nay"
                             << "&All Yea";
    QTest::newRow("all nay twice") << "aa"
                                   << "Yea Yea Yea Yea"
                                   << "&All Nay";
    QTest::newRow("toggle twice") << "tt"
                                  << "Yea Yea Yea Yea"
                                  << "&All Nay";
}

void TestAnalysisWindows::ratingSettings()
{
    QFETCH(QString, clicks);
    Fixture f;
    auto *w = new frmRating(f.session, f.services);
    w->show();
    w->lstRating->item(0)->setSelected(true);
    w->lstRating->item(2)->setSelected(true);
    for (const QChar c : clicks)
        QTest::mouseClick(c == u't' ? w->btnToggle : c == u'r' ? w->btnReverse : w->btnSetAll, Qt::LeftButton);
    QStringList sides;
    for (const QString &row : lines(w->lstRating))
        sides.append(row.left(3));
    QTEST(sides.join(QLatin1Char(' ')), "sides");
    QTEST(w->btnSetAll->text(), "setAllCaption");
    QVERIFY(w->lstRating->item(0)->isSelected());
    delete w;
}

void TestAnalysisWindows::ratingToResults()
{
    Fixture f;
    auto *w = new frmRating(f.session, f.services);
    w->show();
    QCOMPARE(lines(w->lstRating),
             (QStringList{"Yea\t2-2\tRC 1", "Yea\t3-1\tRC 2", "Yea\t4-0\tRC 3", "Yea\t1-1\tOther"}));
    // A double-click toggles the row under the pointer.
    w->lstRating->setCurrentRow(1);
    emit w->lstRating->itemDoubleClicked(w->lstRating->item(1));
    QCOMPARE(w->lstRating->item(1)->text(), QStringLiteral("Nay\t3-1\tRC 2"));
    SaveScreenshot(w, QStringLiteral("frmRating"));

    RatingRun run;
    connect(w, &frmRating::ratingsComputed, this, [&](const RatingRun &r) { run = r; });
    QTest::mouseClick(w->btnOK, Qt::LeftButton);
    QCOMPARE(f.services.waitInfos, QStringList{"Calculating, please wait... (ETC - 0:02)"});
    QVERIFY(!f.services.waitVisible);
    QCOMPARE(run.result.legislators.size(), 6);

    auto *results = new frmResults(run, f.services, f.dir.path());
    results->show();
    QCOMPARE(lines(results->lstResults),
             (QStringList{"ALPHA           \t66.67", "BLPHA           \t33.33", "CLPHA           \t50.00",
                          "DLPHA           \t50.00", "NEWMAN          \t100.00", "OLDMAN          \t0.00"}));
    QCOMPARE(results->lblNames->text(), QStringLiteral("NEWMAN \nOLDMAN \n50.00"));
    QCOMPARE(results->lblCounts->text(), QStringLiteral("1\n1"));
    QCOMPARE(results->lblValues->text(), QStringLiteral("100.00\n0.00"));
    SaveScreenshot(results, QStringLiteral("frmResults"));

    const QString text = f.dir.filePath(QStringLiteral("ratings.txt"));
    const QString csv = f.dir.filePath(QStringLiteral("ratings.csv"));
    f.services.fileNames << text << csv << QString();
    QTest::mouseClick(results->btnSave, Qt::LeftButton);
    QTest::mouseClick(results->btnSave, Qt::LeftButton);
    QTest::mouseClick(results->btnSave, Qt::LeftButton); // cancelled: nothing more
    QCOMPARE(f.services.fileDialogs.size(), 3);
    QCOMPARE(f.services.fileDialogs.at(0).caption, QStringLiteral("Rollscan Disk Output"));
    QCOMPARE(f.services.messages.size(), 2);
    QVERIFY(
        readFile(text).startsWith("Rollscan for Windows Legislator Ratings\r\n---------------------------------------"
                                  "\r\nHouse #103, 1993-1994\r\nHouse #104, 1995-1996\r\n"));
    QVERIFY(readFile(text).contains("\r\nYea 1    2-2     RC 1\r\nNay 2    3-1     RC 2\r\n"));
    QVERIFY(readFile(text).endsWith("\r\nNEWMAN           100.00\r\nOLDMAN           0.00\r\n"));
    QCOMPARE(readFile(csv).count('\n'), 7);
    QVERIFY(readFile(csv).contains("\r\n900,NEWMAN,Democrat,NY,1,104,1,0,1,100.00\r\n"));

    f.services.printerAnswers << true;
    f.services.printerPdfFile = f.dir.filePath(QStringLiteral("ratings.pdf"));
    QTest::mouseClick(results->btnPrint, Qt::LeftButton);
    QVERIFY(readFile(f.services.printerPdfFile).startsWith("%PDF"));
    QCOMPARE(f.services.waitInfos.last(), QStringLiteral("Printing, please wait..."));
    QTest::mouseClick(results->btnHelp, Qt::LeftButton);
    QCOMPARE(f.services.helpTopics, QStringList{"frmResults"});
    delete results;
    delete w;
}

void TestAnalysisWindows::trackingToResults()
{
    Fixture f;
    auto *w = new frmTrack(f.session, f.services);
    QVERIFY(w->load());
    w->show();
    QCOMPARE(lines(w->lstTrack), (QStringList{"ALPHA         \tAL\tDemocrat", "BLPHA         \tAL\tDemocrat",
                                              "CLPHA         \tAL\tRepublican", "DLPHA         \tAL\tRepublican",
                                              "NEWMAN        \tNY\tDemocrat", "OLDMAN        \tNY\tRepublican"}));
    w->lstTrack->item(3)->setSelected(true);
    w->lstTrack->item(5)->setSelected(true);
    SaveScreenshot(w, QStringLiteral("frmTrack"));
    TrackRun run;
    connect(w, &frmTrack::trackingComputed, this, [&](const TrackRun &r) { run = r; });
    QTest::mouseClick(w->btnStart, Qt::LeftButton);
    QCOMPARE(run.picked, (QList<int>{3, 5}));

    auto *results = new frmTrackRes(run, f.services, f.dir.path(), false);
    results->show();
    QCOMPARE(lines(results->lstTrackRes),
             (QStringList{"Nay\t2-2\tRC 1", "n/a\t3-1\tRC 2", "Yea\t4-0\tRC 3", " ", "Nay\t1-1\tOther"}));
    QCOMPARE(results->lblNums->text(), QStringLiteral("1\n2\n1"));
    SaveScreenshot(results, QStringLiteral("frmTrackRes"));
    const QString text = f.dir.filePath(QStringLiteral("track.txt"));
    f.services.fileNames << text;
    QTest::mouseClick(results->btnSave, Qt::LeftButton);
    QCOMPARE(f.services.fileDialogs.last().caption, QStringLiteral("Legislator Tracking Disk Output"));
    QVERIFY(readFile(text).contains("\r\n\r\nSelected Legislators\r\n--------------------\r\n\r\n"
                                    "DLPHA         \tAL\tRepublican\r\nOLDMAN        \tNY\tRepublican\r\n\r\n"));
    QVERIFY(readFile(text).endsWith("Yea\t4-0\tRC 3\r\n \r\nNay\t1-1\tOther\r\n"));
    delete results;

    // On a small screen the list and the buttons take their narrow widths.
    auto *small = new frmTrackRes(run, f.services, f.dir.path(), true);
    small->show();
    QCOMPARE(small->lstTrackRes->width(), 387);
    QCOMPARE(small->btnSave->width(), 57);
    SaveScreenshot(small, QStringLiteral("frmTrackRes-small"));
    delete small;
    delete w;
}

void TestAnalysisWindows::trackStartNeedsASelection()
{
    Fixture f;
    auto *w = new frmTrack(f.session, f.services);
    QVERIFY(w->load());
    w->show();
    int computed = 0;
    connect(w, &frmTrack::trackingComputed, this, [&] { ++computed; });
    QVERIFY(!w->btnStart->isEnabled());
    w->lstTrack->setCurrentRow(2, QItemSelectionModel::NoUpdate);
    QVERIFY(w->start());
    QCOMPARE(computed, 0);
    w->lstTrack->item(2)->setSelected(true);
    QVERIFY(w->btnStart->isEnabled());
    // A double-click tracks at once.
    emit w->lstTrack->itemDoubleClicked(w->lstTrack->item(2));
    QCOMPARE(computed, 1);
    delete w;
}

void TestAnalysisWindows::printedLines()
{
    const QList<ReportPrinter::Line> printed =
        PrintedAnalysisLines({"Title", "-----", "House #103, 1993-1994", "House #104, 1995-1996", "", "Yea\t2-2\tRC 1",
                              "NAME          \tAL\tDemocrat"},
                             2);
    QList<int> points;
    QStringList texts;
    for (const ReportPrinter::Line &l : printed) {
        points.append(l.font.pointSize());
        texts.append(l.text);
    }
    QCOMPARE(points, (QList<int>{16, 16, 14, 14, 12, 12, 12}));
    QCOMPARE(texts.at(5), QStringLiteral("Yea     2-2     RC 1"));
    QCOMPARE(texts.at(6), QStringLiteral("NAME            AL      Democrat"));
}

void TestAnalysisWindows::allLines()
{
    Fixture f;
    auto *w = new frmAllLines(f.session, f.services);
    QVERIFY(w->load(103));
    w->show();
    QCOMPARE(lines(w->lstLines), (QStringList{"#1\tPRE 1.0\tRC 1", "#2\tno line\tRC 2", "#3\tno line\tRC 3"}));
    QCOMPARE(w->lblTitle->text(), QStringLiteral("House #103, 1993-1994: 3 queued roll calls, 1 line"));
    QCOMPARE(w->view().members.size(), 4);
    QCOMPARE(w->view().members.at(2).colour, 12);

    // The line runs down the middle of the square picture: resting on it names it.
    const int side = std::min(w->picLines->width(), w->picLines->height());
    QTest::mouseMove(w->picLines, QPoint(side / 2, side / 3));
    QCOMPARE(w->picLines->highlighted(), 0);
    QCOMPARE(w->lstLines->currentRow(), 0);
    QTest::mouseMove(w->picLines, QPoint(side / 8, side / 3));
    QCOMPARE(w->picLines->highlighted(), -1);
    SaveScreenshot(w, QStringLiteral("frmAllLines"));

    const QString png = f.dir.filePath(QStringLiteral("lines.png"));
    const QString svg = f.dir.filePath(QStringLiteral("lines.svg"));
    const QString csv = f.dir.filePath(QStringLiteral("lines.csv"));
    f.services.fileNames << png << svg << csv;
    w->actSavePicture->trigger();
    w->actSavePicture->trigger();
    w->actSaveList->trigger();
    QCOMPARE(f.services.messages.size(), 3);
    QImage picture(png);
    QCOMPARE(picture.size(), QSize(800, 800));
    // The line at x = 0 is drawn; the corners are white ground.
    QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
    QVERIFY(picture.pixelColor(400, 200) != QColor(Qt::white));
    QVERIFY(readFile(svg).contains("<svg"));
    QCOMPARE(readFile(csv), QByteArray("congress,roll_call,yeas,nays,line,errors,pre,description\r\n"
                                       "103,1,2,2,yes,0,1.000,RC 1\r\n"
                                       "103,2,3,1,no,,,RC 2\r\n"
                                       "103,3,4,0,no,,,RC 3\r\n"));
    delete w;
}

void TestAnalysisWindows::allLinesOfSampleHouse110()
{
#ifdef ROLLSCAN_SOURCE_DIR
    const QString sample = QStringLiteral(ROLLSCAN_SOURCE_DIR "/sample");
#else
    const QString sample;
#endif
    if (!QFileInfo::exists(sample + QStringLiteral("/house/110.vot")))
        QSKIP("the bundled sample has no House 110");
    // Every window over the Iraq roll calls of House 110, as a user would reach them; the all-lines
    // map over every roll call of the congress.
    Session session(sample);
    RecordingServices services;
    session.newDataFormat = true;
    session.isHouse = true;
    session.selectedCongresses = {110};
    SearchCriteria iraq;
    iraq.kind = SearchKind::Keyword;
    iraq.keywords.keyword1 = QStringLiteral("IRAQ");
    RunSearch(session, iraq);
    QVERIFY(session.MatchTable.matchCount() > 0);
    session.queue.addAll(session.MatchTable);
    auto *rating = new frmRating(session, services);
    rating->show();
    SaveScreenshot(rating, QStringLiteral("frmRating-house110-iraq"));
    RatingRun run;
    connect(rating, &frmRating::ratingsComputed, this, [&](const RatingRun &r) { run = r; });
    QVERIFY(rating->start());
    auto *results = new frmResults(run, services, sample);
    results->show();
    QCOMPARE(results->lstResults->count(), session.legislatorCount);
    SaveScreenshot(results, QStringLiteral("frmResults-house110-iraq"));
    auto *track = new frmTrack(session, services);
    QVERIFY(track->load());
    track->show();
    for (int k : {0, 1})
        track->lstTrack->item(k)->setSelected(true);
    SaveScreenshot(track, QStringLiteral("frmTrack-house110"));
    TrackRun tracked;
    connect(track, &frmTrack::trackingComputed, this, [&](const TrackRun &r) { tracked = r; });
    QVERIFY(track->start());
    auto *trackRes = new frmTrackRes(tracked, services, sample, false);
    trackRes->show();
    QCOMPARE(trackRes->lstTrackRes->count(), 2 * session.MatchTable.matchCount() + 1);
    SaveScreenshot(trackRes, QStringLiteral("frmTrackRes-house110-iraq"));

    RunSearch(session, SearchCriteria{});
    session.queue.addAll(session.MatchTable);
    auto *w = new frmAllLines(session, services);
    QVERIFY(w->load(110));
    w->show();
    QCOMPARE(w->view().lines.size(), session.MatchTable.matchCount());
    QVERIFY(w->view().members.size() > 400);
    QVERIFY(w->view().drawnCount() > 0);
    SaveScreenshot(w, QStringLiteral("frmAllLines-house110"));
    QCOMPARE(services.errorTexts(), QStringList());
    for (QWidget *window : std::initializer_list<QWidget *>{w, trackRes, track, results, rating})
        delete window;
}

void TestAnalysisWindows::openedFromTheRollCallList()
{
    Fixture f;
    frmVoteStartup main{f.session, f.services};
    WindowDirector director{f.session, f.services, main};
    frmViewCalls *list = director.showViewCalls();
    QVERIFY(!list->btnRating->isEnabled());
    QVERIFY(!list->mnuAllLines->isEnabled());
    QTest::mouseClick(list->btnAll, Qt::LeftButton);
    QVERIFY(list->btnRating->isEnabled() && list->btnTrack->isEnabled() && list->mnuAllLines->isEnabled());

    QTest::mouseClick(list->btnRating, Qt::LeftButton);
    QVERIFY(director.ratingWindow());
    QCOMPARE(director.ratingWindow()->lstRating->count(), 4);
    QTest::mouseClick(director.ratingWindow()->btnOK, Qt::LeftButton);
    QVERIFY(director.resultsWindow());
    QCOMPARE(director.resultsWindow()->lstResults->count(), 6);

    list->mnuTrack->trigger();
    QVERIFY(director.trackWindow());
    director.trackWindow()->lstTrack->item(4)->setSelected(true);
    QTest::mouseClick(director.trackWindow()->btnStart, Qt::LeftButton);
    QVERIFY(director.trackResultsWindow());
    QCOMPARE(lines(director.trackResultsWindow()->lstTrackRes), QStringList{"Yea\t1-1\tOther"});

    // The lines are those of the picked queue row's congress, else of the first queued roll call's.
    list->mnuAllLines->trigger();
    QVERIFY(director.allLinesWindow());
    QCOMPARE(director.allLinesWindow()->view().congress, 103);
    list->lstSelected->setCurrentRow(3);
    list->mnuAllLines->trigger();
    QCOMPARE(director.allLinesWindow()->view().congress, 104);
    QCOMPARE(director.allLinesWindow()->lstLines->count(), 1);
    QCOMPARE(f.services.errorTexts(), QStringList());
}

QTEST_MAIN(TestAnalysisWindows)
#include "tst_analysiswindows.moc"
