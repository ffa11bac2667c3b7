// The rating, results, tracking, track-results and all-lines windows over a small tree, opened from
// the roll-call list.
#include "support/GuiTestSupport.h"
#include "support/RecordingServices.h"
#include "support/SearchFixture.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileIO.h"
#include "core/search/RollCallSearch.h"
#include "gui/analysis/AllLinesCanvas.h"
#include "gui/analysis/frmAllLines.h"
#include "gui/analysis/frmRating.h"
#include "gui/analysis/frmResults.h"
#include "gui/analysis/frmTrack.h"
#include "gui/analysis/frmTrackRes.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/search/frmViewCalls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::Lines;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {
// House 103: A and B on the left vote yea on roll call 1, C and D on the right nay; its line runs
// down the middle. Roll call 2 has no line parameters, roll call 3 is unanimous. House 104 has
// two members and one roll call. The program over it: the roll-call list with every roll call queued.
struct Program {
    QTemporaryDir dir;
    Session session{dir.path()};
    RecordingServices services;
    frmVoteStartup main{session, services};
    WindowDirector director{session, services, main};
    frmViewCalls *list = nullptr;

    Program()
    {
        TreeBuilder tree(dir.path());
        tree.writeStandardTables();
        CongressData d103;
        const float xs[] = {-0.5f, -0.2f, 0.3f, 0.6f};
        for (int i = 0; i < 4; ++i)
            d103.legislators.append(TreeBuilder::legislator(QString(QChar(u'A' + i)) + QStringLiteral("LPHA"), 41,
                                                            i + 1, i < 2 ? 100 : 200, xs[i], 0.1f, 500 + i));
        d103.rollCalls = {TreeBuilder::rollCall("RC 1", QDate(1993, 3, 1), 2, 2, 0.5f, 0.0f),
                          TreeBuilder::rollCall("RC 2", QDate(1993, 3, 2), 3, 1),
                          TreeBuilder::rollCall("RC 3", QDate(1993, 3, 3), 4, 0, 0.5f, 0.0f)};
        d103.voteRows = {"111", "116", "691", "601"};
        tree.addCongress(true, 103, d103);
        CongressData d104;
        d104.legislators = {TreeBuilder::legislator("NEWMAN", 13, 1, 100, 0.1f, 0.1f, 900),
                            TreeBuilder::legislator("OLDMAN", 13, 2, 200, 0.2f, 0.1f, 901)};
        d104.rollCalls = {TreeBuilder::rollCall("Other", QDate(1995, 1, 9), 1, 1)};
        d104.voteRows = {"1", "6"};
        tree.addCongress(true, 104, d104);
        tree.writeIndexes();
        session.newDataFormat = false;
        session.isHouse = true;
        session.selectedCongresses = {103, 104};
        RunSearch(session, SearchCriteria{});
        list = director.showViewCalls();
        QTest::mouseClick(list->btnAll, Qt::LeftButton);
    }
};
} // namespace

class TestAnalysisWindows : public QObject {
    Q_OBJECT

private slots:
    void ratingToResults()
    {
        Program f;
        // Rating and tracking need a queue.
        QVERIFY(f.list->btnRating->isEnabled() && f.list->btnTrack->isEnabled());
        QTest::mouseClick(f.list->btnClear, Qt::LeftButton);
        QVERIFY(!f.list->btnRating->isEnabled() && !f.list->btnTrack->isEnabled() && !f.list->mnuAllLines->isEnabled());
        QTest::mouseClick(f.list->btnAll, Qt::LeftButton);
        QTest::mouseClick(f.list->btnRating, Qt::LeftButton);
        frmRating *w = f.director.ratingWindow();
        QCOMPARE(Lines(w->lstRating),
                 (QStringList{"Yea\t2-2\tRC 1", "Yea\t3-1\tRC 2", "Yea\t4-0\tRC 3", "Yea\t1-1\tOther"}));
        // A double-click toggles the selected row, Toggle every selected row, Reverse every row; Set All
        // sets every row to its caption's side and then offers the other.
        const auto sides = [w] {
            QStringList out;
            for (const QString &row : Lines(w->lstRating))
                out << row.left(3);
            return out.join(QLatin1Char(' ')) + QLatin1Char(' ') + w->btnSetAll->text();
        };
        w->lstRating->setCurrentRow(1);
        emit w->lstRating->itemDoubleClicked(w->lstRating->item(1));
        QCOMPARE(sides(), QStringLiteral("Yea Nay Yea Yea &All Nay"));
        w->lstRating->item(2)->setSelected(true);
        QTest::mouseClick(w->btnToggle, Qt::LeftButton);
        QCOMPARE(sides(), QStringLiteral("Yea Yea Nay Yea &All Nay"));
        QTest::mouseClick(w->btnReverse, Qt::LeftButton);
        QCOMPARE(sides(), QStringLiteral("Nay Nay Yea Nay &All Nay"));
        QTest::mouseClick(w->btnSetAll, Qt::LeftButton);
        QCOMPARE(sides(), QStringLiteral("Nay Nay Nay Nay &All Yea"));
        QTest::mouseClick(w->btnSetAll, Qt::LeftButton);
        QCOMPARE(sides(), QStringLiteral("Yea Yea Yea Yea &All Nay"));
        w->lstRating->item(2)->setSelected(false);
        emit w->lstRating->itemDoubleClicked(w->lstRating->item(1));
        QCOMPARE(sides(), QStringLiteral("Yea Nay Yea Yea &All Nay"));
        SaveScreenshot(w, QStringLiteral("frmRating"));
        QTest::mouseClick(w->btnOK, Qt::LeftButton);
        QCOMPARE(f.services.waitInfos, QStringList{"Calculating, please wait... (ETC - 0:02)"});
        QVERIFY(!f.services.waitVisible);

        frmResults *results = f.director.resultsWindow();
        QCOMPARE(results->lstResults->count(), 6);
        // The lines themselves are the core's; here the window shows them.
        QCOMPARE(Lines(results->lstResults).constFirst(), QStringLiteral("ALPHA           \t66.67"));
        QCOMPARE(results->lblNames->text(), QStringLiteral("NEWMAN \nOLDMAN \n50.00"));
        SaveScreenshot(results, QStringLiteral("frmResults"));
        // Text, then spreadsheet by the name's ending, then cancelled.
        const QString text = f.dir.filePath("ratings.txt");
        const QString csv = f.dir.filePath("ratings.csv");
        f.services.fileNames << text << csv << QString();
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(results->btnSave, Qt::LeftButton);
        QCOMPARE(f.services.fileDialogs.at(0).caption, QStringLiteral("Rollscan Disk Output"));
        QCOMPARE(f.services.messages.size(), 2);
        QVERIFY(ReadWholeFile(text).startsWith("Rollscan for Windows Legislator Ratings\r\n"));
        QVERIFY(ReadWholeFile(csv).contains("\r\n900,NEWMAN,Democrat,NY,1,104,1,0,1,100.00\r\n"));
    }

    void trackingToResults()
    {
        Program f;
        f.list->mnuTrack->trigger();
        frmTrack *w = f.director.trackWindow();
        QCOMPARE(Lines(w->lstTrack).mid(3),
                 (QStringList{"DLPHA         \tAL\tRepublican", "NEWMAN        \tNY\tDemocrat",
                              "OLDMAN        \tNY\tRepublican"}));
        int computed = 0;
        connect(w, &frmTrack::trackingComputed, this, [&computed] { ++computed; });
        // Start needs a selection: a current row alone tracks nobody.
        QVERIFY(!w->btnStart->isEnabled());
        w->lstTrack->setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QVERIFY(w->start());
        QCOMPARE(computed, 0);
        w->lstTrack->item(3)->setSelected(true);
        w->lstTrack->item(5)->setSelected(true);
        QVERIFY(w->btnStart->isEnabled());
        SaveScreenshot(w, QStringLiteral("frmTrack"));
        QTest::mouseClick(w->btnStart, Qt::LeftButton);
        frmTrackRes *results = f.director.trackResultsWindow();
        QCOMPARE(Lines(results->lstTrackRes),
                 (QStringList{"Nay\t2-2\tRC 1", "n/a\t3-1\tRC 2", "Yea\t4-0\tRC 3", " ", "Nay\t1-1\tOther"}));
        QCOMPARE(results->lblNums->text(), QStringLiteral("1\n2\n1"));
        SaveScreenshot(results, QStringLiteral("frmTrackRes"));
        // A double-click tracks at once.
        emit w->lstTrack->itemDoubleClicked(w->lstTrack->item(4));
        QCOMPARE(computed, 2);
    }

    // The lines are those of the picked queue row's congress, else of the first queued roll call's.
    void allLines()
    {
        Program f;
        f.list->mnuAllLines->trigger();
        frmAllLines &w = *f.director.allLinesWindow();
        QCOMPARE(w.view().congress, 103);
        QCOMPARE(Lines(w.lstLines), (QStringList{"#1\tPRE 1.0\tRC 1", "#2\tno line\tRC 2", "#3\tno line\tRC 3"}));
        QCOMPARE(w.lblTitle->text(), QStringLiteral("House #103, 1993-1994: 3 queued roll calls, 1 line"));
        QCOMPARE(w.view().members.at(2).colour, 12);
        // The line runs down the middle of the square picture: resting on it names it.
        const int side = std::min(w.picLines->width(), w.picLines->height());
        QTest::mouseMove(w.picLines, QPoint(side / 2, side / 3));
        QCOMPARE(w.lstLines->currentRow(), 0);
        SaveScreenshot(&w, QStringLiteral("frmAllLines"));

        const QString png = f.dir.filePath("lines.png"), csv = f.dir.filePath("lines.csv");
        f.services.fileNames << png << csv;
        w.actSavePicture->trigger();
        w.actSaveList->trigger();
        QCOMPARE(f.services.messages.size(), 2);
        const QImage picture(png);
        QCOMPARE(picture.size(), QSize(800, 800));
        QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
        QVERIFY(picture.pixelColor(400, 200) != QColor(Qt::white)); // the line at x = 0
        QCOMPARE(ReadWholeFile(csv), QByteArray("congress,roll_call,yeas,nays,line,errors,pre,description\r\n"
                                                "103,1,2,2,yes,0,1.000,RC 1\r\n"
                                                "103,2,3,1,no,,,RC 2\r\n"
                                                "103,3,4,0,no,,,RC 3\r\n"));
        f.list->lstSelected->setCurrentRow(3);
        f.list->mnuAllLines->trigger();
        QCOMPARE(f.director.allLinesWindow()->view().congress, 104);
        QCOMPARE(f.services.errorTexts(), QStringList());
    }
};

QTEST_MAIN(TestAnalysisWindows)
#include "tst_analysiswindows.moc"
