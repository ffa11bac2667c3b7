#include "support/GuiTestSupport.h"
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/Dates.h"
#include "core/data/FileIO.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/RollCallInfo.h"
#include "core/ideology/VoteStatistics.h"
#include "gui/app/WindowDirector.h"
#include "gui/app/frmVoteStartup.h"
#include "gui/ideology/frmCrossTab.h"
#include "gui/ideology/frmInfo.h"
#include "gui/ideology/frmStatistics.h"
#include "gui/services/ReportPrinter.h"
#include "support/RecordingServices.h"

#include <QAction>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::SaveScreenshot;
using rollscan::test::TreeBuilder;

namespace {
const QString kHeaderFields[5] = {QStringLiteral("HR1234"), QStringLiteral("PASSED"), QStringLiteral("Y"),
                                  QStringLiteral("12/3"), QStringLiteral("SMITH (D-NY)")};

// House 101 with two roll calls. Roll call 1 (60 yea, 40 nay, 3 not voting on record) has its
// cutting line at x = 0: ten Democratic yeas stand on the nay side (ten errors). Nine Republicans have
// no coordinates. Roll call 2 is unanimous on record and serves as the cross-tab partner:
//   Democrats: yea-yea 3, yea-nay 1, nay-yea 2, nay-nay 5, six yeas without a second vote;
//   Republicans: one yea-yea on the map; the nine hidden ones have no vote on roll call 1;
//   one Independent, not a member at roll call 1.
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
    d.voteRows << QStringLiteral("11");
    d.legislators << TreeBuilder::legislator(QStringLiteral("INDEP"), 24, 2, 328, 0.9f, 0.1f, 301);
    d.voteRows << QStringLiteral("01");
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
    for (int i = 0; i < 5; ++i)
        detailed.header[i] = kHeaderFields[i].leftJustified(Description::kHeaderWidths[i]);
    detailed.text = detailText;
    Description plain;
    plain.text = QStringLiteral("ADJOURN");
    d.descriptions = {detailed, plain};
    return d;
}

// Six members of a congress of the 1830s: Democrats from Maryland (northern), Kentucky and Alabama
// (southern), Whigs from New York and Georgia, one Republican.
CongressData regionalCongress()
{
    CongressData d;
    d.legislators = {
        TreeBuilder::legislator(QStringLiteral("NORTH D"), 52, 1, 100, 0.1f, 0.1f, 1),  // yea
        TreeBuilder::legislator(QStringLiteral("SOUTH D1"), 51, 1, 100, 0.2f, 0.1f, 2), // nay
        TreeBuilder::legislator(QStringLiteral("SOUTH D2"), 41, 1, 100, 0.3f, 0.1f, 3), // paired yea
        TreeBuilder::legislator(QStringLiteral("NORTH W"), 13, 1, 29, 0.4f, 0.1f, 4),   // yea
        TreeBuilder::legislator(QStringLiteral("SOUTH W"), 44, 1, 29, 0.5f, 0.1f, 5),   // nay
        TreeBuilder::legislator(QStringLiteral("REPUB"), 14, 1, 200, 0.6f, 0.1f, 6),    // present
    };
    d.voteRows = {"1", "6", "2", "1", "6", "8"};
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
        for (int congress : {25, 26}) {
            CongressData d = regionalCongress();
            d.rollCalls = {
                TreeBuilder::rollCall(QStringLiteral("TO PASS"), QDate(CongressSecondYear(congress), 5, 1), 2, 2)};
            builder.addCongress(true, congress, d, true);
        }
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

QByteArray crlfJoined(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toLatin1() + "\r\n";
    return out;
}

QString names(const QString &stem, int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << (stem + QString::number(i)).leftJustified(12);
    return out.join(QLatin1Char('\n'));
}
} // namespace

class tst_sidewindows : public QObject {
    Q_OBJECT

private slots:
    // Information window.
    void infoTallies_data();
    void infoTallies();
    void infoCaptionsAndNotShown();
    void infoDetailsBox_data();
    void infoDetailsBox();
    void infoDoneResetsDetailsBoxes();
    void infoSave();
    void infoSaveError();
    void infoPrint();
    void printedPieces_data();
    void printedPieces();

    // Statistics window.
    void statisticsPanels_data();
    void statisticsPanels();
    void statisticsPrint();
    void statisticsMissingPartyFile();
    void infoMissingDescriptionReported();
    void printedPages();
    void printError_data();
    void printError();

    // Cross-tab window.
    void crossTabPartyList();
    void crossTabEmptyPartyFile();
    void crossTabChosenParty_data();
    void crossTabChosenParty();
    void crossTabPanelColours();

    // How the map opens and closes them.
    void directorStatisticsOpenedAfresh();
    void directorRefreshesInfoAndCrossTab();
};

// ---- information window ------------------------------------------------------------------

void tst_sidewindows::infoTallies_data()
{
    QTest::addColumn<int>("rollCall");
    QTest::addColumn<int>("partner");
    QTest::addColumn<QString>("yea");
    QTest::addColumn<QString>("nay");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("preLine");
    // (40 - 10) / 40.
    QTest::newRow("ten errors of forty") << 1 << 0 << "60"
                                         << "40"
                                         << "3\n10\n.75"
                                         << "PRE:     .75";
    // Unanimous and not scaled: no line, so neither errors nor PRE can be counted.
    QTest::newRow("unanimous") << 2 << 0 << "80"
                               << "0"
                               << "7\nn/a\nn/a"
                               << "PRE:     n/a";
    // Only the three yea-yea Democrats keep the Yea class, and with it the wrong side of the line.
    QTest::newRow("cross-tab view") << 1 << 2 << "60"
                                    << "40"
                                    << "3\n3\nn/a"
                                    << "PRE:     n/a";
}

void tst_sidewindows::infoTallies()
{
    QFETCH(int, rollCall);
    QFETCH(int, partner);
    QFETCH(QString, yea);
    QFETCH(QString, nay);
    QFETCH(QString, info);
    QFETCH(QString, preLine);
    Fixture f;
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, rollCall, partner));
    window.show();
    QCOMPARE(window.lblYea->text(), yea);
    QCOMPARE(window.lblNay->text(), nay);
    QCOMPARE(window.lblInfo->text(), info);
    QVERIFY(InfoReportLines(window.info()).contains(preLine));
    QVERIFY(InfoPrintedLines(window.info()).contains(preLine));
    SaveScreenshot(&window, QStringLiteral("frmInfo_") + QTest::currentDataTag());
}

void tst_sidewindows::infoCaptionsAndNotShown()
{
    Fixture f;
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, 1));
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Roll Call Information"));

    // Nine legislators without coordinates: seven in the first column, two in the second, as stored.
    QCOMPARE(window.lblCol1->text(), names(QStringLiteral("HIDDEN"), 1, 7));
    QCOMPARE(window.lblCol2->text(), names(QStringLiteral("HIDDEN"), 8, 9));

    // The heading fields as stored, padding and all.
    QCOMPARE(window.lblGField->text(), QStringLiteral("HR1234       "));
    QCOMPARE(window.lblJField->text(), QStringLiteral("PASSED     "));
    QCOMPARE(window.lblType->text(), QStringLiteral("Y      "));
    QCOMPARE(window.lblHField->text(), QStringLiteral("12/3    "));
    QCOMPARE(window.lblLegislator->text(), QStringLiteral("SMITH (D-NY)       "));
    QCOMPARE(window.txtDetails->toPlainText(), QStringLiteral("TO PASS THE BILL."));

    // A roll call whose description files hold nothing useful still shows its tallies and list.
    window.fill(f.pass(101, 2));
    QCOMPARE(window.lblYea->text(), QStringLiteral("80"));
    QCOMPARE(window.lblCol2->text(), names(QStringLiteral("HIDDEN"), 8, 9));
    QCOMPARE(window.txtDetails->toPlainText(), QStringLiteral("ADJOURN"));
    QCOMPARE(window.lblGField->text(), QString(13, QLatin1Char(' ')));
}

void tst_sidewindows::infoDetailsBox_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("scrolling");
    QTest::addColumn<QString>("shown");
    QTest::newRow("469 plain") << QString(469, QLatin1Char('a')) << false << QString(469, QLatin1Char('a'));
    QTest::newRow("470 scrolling") << QString(470, QLatin1Char('b')) << true << QString(470, QLatin1Char('b'));
    // The length that decides is the stored one, parentheses included.
    QTest::newRow("470 in parentheses") << QLatin1Char('(') + QString(468, QLatin1Char('c')) + QLatin1Char(')') << true
                                        << QString(468, QLatin1Char('c'));
    QTest::newRow("only an opening parenthesis")
        << QStringLiteral("(SEE ABOVE") << false << QStringLiteral("(SEE ABOVE");
}

void tst_sidewindows::infoDetailsBox()
{
    QFETCH(QString, stored);
    QFETCH(bool, scrolling);
    QFETCH(QString, shown);
    Fixture f(stored);
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, 1));
    window.show();
    QCOMPARE(window.txtDetailsSB->isVisible(), scrolling);
    QCOMPARE(window.txtDetails->isVisible(), !scrolling);
    QCOMPARE((scrolling ? window.txtDetailsSB : window.txtDetails)->toPlainText(), shown);
    QCOMPARE((scrolling ? window.txtDetails : window.txtDetailsSB)->toPlainText(), QString());
    // The plain box has no scroll bar, so a text just short of the limit must fit in it.
    QCOMPARE(window.txtDetails->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(window.txtDetailsSB->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCoreApplication::processEvents();
    if (!scrolling && shown.size() == 469)
        QVERIFY(window.txtDetails->verticalScrollBar()->maximum() == 0);
    SaveScreenshot(&window, QStringLiteral("frmInfo_details_") + QString(QTest::currentDataTag()).replace(' ', '_'));
}

void tst_sidewindows::infoDoneResetsDetailsBoxes()
{
    Fixture f(QString(500, QLatin1Char('z')));
    QPointer<frmInfo> window = new frmInfo(*f.session, f.services);
    window->fill(f.pass(101, 1));
    window->show();
    QVERIFY(window->txtDetailsSB->isVisible());
    window->actDone->trigger();
    QVERIFY(!window->isVisible());
    QVERIFY(!window->txtDetails->isHidden());
    QVERIFY(window->txtDetailsSB->isHidden());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull()); // closing unloads the window
}

void tst_sidewindows::infoSave()
{
    Fixture f;
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, 1));
    const QString path = f.file(QStringLiteral("info.txt"));
    f.services.fileNames.enqueue(path);
    window.actSave->trigger();

    QCOMPARE(f.services.fileDialogs.size(), 1);
    const RecordingServices::FileDialogCall &dialog = f.services.fileDialogs.first();
    QVERIFY(dialog.save);
    QCOMPARE(dialog.caption, QStringLiteral("Information Disk Output"));
    QCOMPARE(dialog.filters, (QStringList{QStringLiteral("All Files (*.*)"), QStringLiteral("Output Files (*.txt)")}));
    QCOMPARE(dialog.defaultSuffix, QStringLiteral("TXT"));

    const QByteArray written = ReadWholeFile(path);
    QCOMPARE(written, crlfJoined(InfoReportLines(window.info())));
    QVERIFY(written.endsWith("HIDDEN8     \r\nHIDDEN9     \r\n"));

    QCOMPARE(f.services.messages.size(), 1);
    QCOMPARE(f.services.lastMessage().title, QStringLiteral("Rollscan Output"));
    QCOMPARE(f.services.lastMessage().text, QStringLiteral("Output operation was successful. \rFile saved as ") + path);
}

void tst_sidewindows::infoSaveError()
{
    Fixture f;
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, 1));
    f.services.fileNames.enqueue(f.file(QStringLiteral("no such folder/info.txt")));
    window.save();
    QCOMPARE(f.services.errorTexts(),
             QStringList{QStringLiteral("An error (76) has occurred while saving roll call information.")});
    QCOMPARE(f.services.beeps, 1);
}

void tst_sidewindows::infoPrint()
{
    Fixture f(QString(200, QLatin1Char('p')));
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, 1));
    // The printed details come in pieces of 80, 80 and 40 characters.
    const QStringList printed = InfoPrintedLines(window.info());
    QVERIFY(printed.contains(QString(80, QLatin1Char('p')) + QLatin1Char('-')));
    QVERIFY(printed.contains(QString(40, QLatin1Char('p'))));

    f.services.printerPdfFile = f.file(QStringLiteral("info.pdf"));
    f.services.printerAnswers.enqueue(true);
    window.actPrint->trigger();
    QCOMPARE(f.services.printerDialogs, 1);
    QVERIFY(f.services.messages.isEmpty());
    const QByteArray pdf = ReadWholeFile(f.services.printerPdfFile);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.size() > 1000);
}

using Pieces = QList<ReportPrinter::Piece>;

void tst_sidewindows::printedPieces_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<Pieces>("pieces");
    QTest::newRow("party row") << "3   Democrat                  1    1 "
                               << Pieces{{0, "3"}, {4, "Democrat"}, {30, "1"}, {35, "1"}};
    QTest::newRow("name with a blank") << "1   Northern Democrat         12   0 "
                                       << Pieces{{0, "1"}, {4, "Northern Democrat"}, {30, "12"}, {35, "0"}};
    QTest::newRow("vote code") << "Not Voting:    0 " << Pieces{{0, "Not Voting:"}, {15, "0"}};
    QTest::newRow("negative number") << "Yea:     -3 " << Pieces{{0, "Yea:"}, {9, "-3"}};
    QTest::newRow("sentence") << "March 15, 1989: Roll Call #1" << Pieces{{0, "March 15, 1989: Roll Call #1"}};
    QTest::newRow("indented") << "  HR1234       " << Pieces{{2, "HR1234"}};
    QTest::newRow("empty") << "" << Pieces{};
    QTest::newRow("blanks only") << "   " << Pieces{};
}

// Printed in a proportional face, the values of a report line still stand at their columns.
void tst_sidewindows::printedPieces()
{
    QFETCH(QString, line);
    QFETCH(Pieces, pieces);
    QCOMPARE(ReportPrinter::Pieces(line), pieces);
}

// ---- statistics window ---------------------------------------------------------------------

void tst_sidewindows::statisticsPanels_data()
{
    QTest::addColumn<int>("congress");
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("party");
    QTest::addColumn<QString>("yea");
    QTest::addColumn<QString>("nay");
    // Counted from the 25th congress on but shown only from the 26th.
    QTest::newRow("25") << 25 << " 3\n  1\n  2"
                        << " Democrat\n  Republican\n  Whig"
                        << " 1\n  0\n  1"
                        << " 1\n  0\n  1";
    QTest::newRow("26") << 26 << " 3\n1\n2\n  1\n  2\n1\n1"
                        << " Democrat\n     Northern Democrat\n     Southern Democrat\n  Republican\n  Whig\n"
                           "     Northern Whig\n     Southern Whig"
                        << " 1\n1\n0\n  0\n  1\n1\n0"
                        << " 1\n0\n1\n  0\n  1\n0\n1";
}

void tst_sidewindows::statisticsPanels()
{
    QFETCH(int, congress);
    QFETCH(QString, num);
    QFETCH(QString, party);
    QFETCH(QString, yea);
    QFETCH(QString, nay);
    Fixture f;
    frmStatistics window(*f.session, f.services);
    QVERIFY(window.load(f.pass(congress, 1)));
    window.show();
    QCOMPARE(window.windowTitle(), QStringLiteral("Roll Call Statistics"));
    window.actHelp->trigger();
    QCOMPARE(f.services.helpTopics, QStringList{QStringLiteral("frmStatistics")});
    QCOMPARE(
        window.lblRollCallCaptions->text(),
        QStringLiteral("Not Mem:\nYes:\nPair Yes:\nAnn. Yes:\nAnn. No:\nPair No:\nNo:\n[blank]:\nPresent:\nNot Vote:"));
    // Two yeas, one paired yea (in no party's yea column), two nays, one present.
    QCOMPARE(window.pnlBreakdown->text(), QStringLiteral("0\n  2\n  1\n  0\n  0\n  0\n  2\n  0\n  1\n  0"));
    QCOMPARE(window.pnlNum->text(), num);
    QCOMPARE(window.pnlParty->text(), party);
    QCOMPARE(window.pnlYea->text(), yea);
    QCOMPARE(window.pnlNay->text(), nay);
    // Counting showed the wait window and put it away again.
    QCOMPARE(f.services.waitInfos, QStringList{QStringLiteral("Calculating, please wait...")});
    QVERIFY(!f.services.waitVisible);
    SaveScreenshot(&window, QStringLiteral("frmStatistics_") + QTest::currentDataTag());
}

void tst_sidewindows::statisticsPrint()
{
    Fixture f;
    frmStatistics window(*f.session, f.services);
    QVERIFY(window.load(f.pass(26, 1)));
    f.services.clearRecords();
    f.services.printerPdfFile = f.file(QStringLiteral("stats.pdf"));
    f.services.printerAnswers.enqueue(true);
    window.actPrint->trigger();
    QCOMPARE(f.services.waitInfos, QStringList{QStringLiteral("Printing, please wait...")});
    QVERIFY(!f.services.waitVisible);
    QVERIFY(f.services.messages.isEmpty());
    const QByteArray pdf = ReadWholeFile(f.services.printerPdfFile);
    QVERIFY(pdf.startsWith("%PDF"));
    QVERIFY(pdf.size() > 1000);

    // Cancelling the printer dialog prints nothing and shows no wait window.
    f.services.clearRecords();
    QFile::remove(f.services.printerPdfFile);
    window.print();
    QVERIFY(f.services.waitInfos.isEmpty());
    QVERIFY(!QFile::exists(f.services.printerPdfFile));
}

void tst_sidewindows::statisticsMissingPartyFile()
{
    Fixture f;
    const DrawingPass pass = f.pass(26, 1);
    QFile::remove(f.file(QStringLiteral("main/party.dat")));
    frmStatistics window(*f.session, f.services);
    QVERIFY(!window.load(pass));
    QCOMPARE(f.services.errorTexts().size(), 1);
    QVERIFY(f.services.errorTexts().first().startsWith(QStringLiteral("That file doesn't exist.")));
    QVERIFY(!f.services.waitVisible);
}

// A description that cannot be read is reported, not shown as an empty Details frame; the tallies stay.
void tst_sidewindows::infoMissingDescriptionReported()
{
    Fixture f;
    frmInfo sound(*f.session, f.services);
    sound.fill(f.pass(101, 1));
    QVERIFY(f.services.errorTexts().isEmpty());
    QFile::remove(f.file(QStringLiteral("house/101.dbn")));
    frmInfo window(*f.session, f.services);
    window.fill(f.pass(101, 1));
    QCOMPARE(f.services.errorTexts().size(), 1);
    QVERIFY(f.services.errorTexts().first().startsWith(QStringLiteral("That file doesn't exist.")));
    QCOMPARE(window.lblYea->text(), sound.lblYea->text());
    QVERIFY(!window.info().descriptionRead);
}

// Both reports painted on letter-sized pages at 100 dots per inch, as a printer would get them.
void tst_sidewindows::printedPages()
{
    Fixture f(QString(200, QLatin1Char('p')));
    frmInfo info(*f.session, f.services);
    info.fill(f.pass(101, 1));
    frmStatistics statistics(*f.session, f.services);
    QVERIFY(statistics.load(f.pass(26, 1)));

    const struct {
        QList<ReportPrinter::Line> lines;
        QString name;
        int pages;
    } reports[] = {{info.printedLines(), QStringLiteral("printed_info"), 1},
                   {statistics.printedLines(), QStringLiteral("printed_statistics"), 1}};
    for (const auto &report : reports) {
        QImage page(850, 1100, QImage::Format_RGB32);
        page.setDotsPerMeterX(3937);
        page.setDotsPerMeterY(3937);
        page.fill(Qt::white);
        QPainter painter(&page);
        painter.translate(75, 75);
        int newPages = 0;
        QCOMPARE(ReportPrinter::paint(painter, page, 950, report.lines, [&newPages] { ++newPages; }), report.pages);
        painter.end();
        QCOMPARE(newPages, report.pages - 1);
        QVERIFY(page.save(QStringLiteral(ROLLSCAN_SCREENSHOT_DIR "/") + report.name + QStringLiteral(".png")));
    }
    // Ten lines to a page of ten and a half: the eleventh starts a new page.
    QList<ReportPrinter::Line> eleven(11, {QStringLiteral("x"), ReportPrinter::courier(10)});
    QImage page(100, 100, QImage::Format_RGB32);
    QPainter painter(&page);
    const qreal line = QFontMetricsF(ReportPrinter::courier(10), &page).lineSpacing();
    int newPages = 0;
    QCOMPARE(ReportPrinter::paint(painter, page, line * 10.5, eleven, [&newPages] { ++newPages; }), 2);
    QCOMPARE(newPages, 1);
}

void tst_sidewindows::printError_data()
{
    QTest::addColumn<bool>("statistics");
    QTest::addColumn<QString>("text");
    QTest::newRow("information") << false << "An error (482) has occurred while printing roll call information.";
    QTest::newRow("statistics") << true << "An error (482) has occurred while printing.";
}

// A printer that cannot start the job (here a PDF file in a folder that does not exist).
void tst_sidewindows::printError()
{
    QFETCH(bool, statistics);
    QFETCH(QString, text);
    Fixture f;
    f.services.printerPdfFile = f.file(QStringLiteral("no such folder/out.pdf"));
    f.services.printerAnswers.enqueue(true);
    if (statistics) {
        frmStatistics window(*f.session, f.services);
        QVERIFY(window.load(f.pass(26, 1)));
        window.print();
        QVERIFY(!f.services.waitVisible);
    } else {
        frmInfo window(*f.session, f.services);
        window.fill(f.pass(101, 1));
        window.PrintInfo();
    }
    QCOMPARE(f.services.errorTexts(), QStringList{text});
}

// ---- cross-tab window ----------------------------------------------------------------------

void tst_sidewindows::crossTabPartyList()
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
    QCOMPARE(listed,
             (QStringList{QStringLiteral("Democrat"), QStringLiteral("Republican"), QStringLiteral("Independent")}));
    // Nothing chosen yet: the cells show their captions only.
    QCOMPARE(window.pnlYea1->text(), QStringLiteral("Yea-Yea:"));
    QCOMPARE(window.pnlNay2->text(), QStringLiteral("Nay-Nay:"));
    QCOMPARE(window.lblStats->text(), QString());
    SaveScreenshot(&window, QStringLiteral("frmCrossTab_unchosen"));

    window.btnHelp->click();
    QCOMPARE(f.services.helpTopics, QStringList{QStringLiteral("frmCrossTab")});
}

// An empty party table is named, not shown as a cross-tab without parties.
void tst_sidewindows::crossTabEmptyPartyFile()
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
                 text.contains(QStringLiteral("101.lcr")) && text.contains(QStringLiteral("holds no party records")),
             qPrintable(text));
}

void tst_sidewindows::crossTabChosenParty_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("yea1");
    QTest::addColumn<QString>("nay1");
    QTest::addColumn<QString>("yea2");
    QTest::addColumn<QString>("nay2");
    QTest::addColumn<QString>("stats");
    // Q = (15 - 2) / (15 + 2).
    QTest::newRow("Democrat") << 0 << "Yea-Yea: 3"
                              << "Nay-Yea: 2"
                              << "Yea-Nay: 1"
                              << "Nay-Nay: 5"
                              << "Yule's Q: 0.7647  Chi-square: 2.2131";
    // Hidden members without a first vote are in no cell.
    QTest::newRow("Republican") << 1 << "Yea-Yea: 1"
                                << "Nay-Yea: 0"
                                << "Yea-Nay: 0"
                                << "Nay-Nay: 0"
                                << "Yule's Q: n/a  Chi-square: 0.0";
    QTest::newRow("Independent not a member") << 2 << "Yea-Yea: 0"
                                              << "Nay-Yea: 0"
                                              << "Yea-Nay: 0"
                                              << "Nay-Nay: 0"
                                              << "Yule's Q: n/a  Chi-square: 0.0";
}

void tst_sidewindows::crossTabChosenParty()
{
    QFETCH(int, row);
    QFETCH(QString, yea1);
    QFETCH(QString, nay1);
    QFETCH(QString, yea2);
    QFETCH(QString, nay2);
    QFETCH(QString, stats);
    Fixture f;
    frmCrossTab window(*f.session, f.services);
    window.fill(f.pass(101, 1, 2));
    window.show();
    QListWidgetItem *item = window.lstParty->item(row);
    QTest::mouseClick(window.lstParty->viewport(), Qt::LeftButton, {}, window.lstParty->visualItemRect(item).center());
    QCOMPARE(window.lstParty->currentRow(), row);
    QCOMPARE(window.pnlYea1->text(), yea1);
    QCOMPARE(window.pnlNay1->text(), nay1);
    QCOMPARE(window.pnlYea2->text(), yea2);
    QCOMPARE(window.pnlNay2->text(), nay2);
    QCOMPARE(window.lblStats->text(), stats);
    SaveScreenshot(&window, QStringLiteral("frmCrossTab_") + QString(QTest::currentDataTag()).replace(' ', '_'));
}

void tst_sidewindows::crossTabPanelColours()
{
    Fixture f;
    frmCrossTab window(*f.session, f.services);
    // Yea light blue, Nay light red, Yea-Nay green, Nay-Yea magenta, on the map's white.
    QCOMPARE(window.pnlYea1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(window.pnlNay1->palette().color(QPalette::WindowText), QColor(128, 0, 128));
    QCOMPARE(window.pnlYea2->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    QCOMPARE(window.pnlNay2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(window.pnlYea1->palette().color(QPalette::Window), QColor(255, 255, 255));
}

// ---- opened by the map ------------------------------------------------------------------------

void tst_sidewindows::directorStatisticsOpenedAfresh()
{
    Fixture f;
    frmVoteStartup main(*f.session, f.services);
    WindowDirector director(*f.session, f.services, main);

    QPointer<frmStatistics> first = director.showStatistics(f.pass(25, 1));
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->pnlParty->text(), QStringLiteral(" Democrat\n  Republican\n  Whig"));
    // The map opens it again: the old one goes at once, the new one counts the new roll call.
    QPointer<frmStatistics> second = director.showStatistics(f.pass(26, 1));
    QVERIFY(first.isNull());
    QVERIFY(second);
    QCOMPARE(director.statisticsWindow(), second.data());
    QVERIFY(second->pnlParty->text().contains(QStringLiteral("Northern Whig")));
    // Moving on closes it.
    director.closeStatistics();
    QVERIFY(second.isNull());
    QCOMPARE(director.statisticsWindow(), nullptr);

    // A roll call that cannot be counted opens nothing.
    const DrawingPass pass = f.pass(26, 1);
    QFile::remove(f.file(QStringLiteral("house/26.vot")));
    QCOMPARE(director.showStatistics(pass), nullptr);
    QCOMPARE(director.statisticsWindow(), nullptr);
    QCOMPARE(f.services.errorTexts().size(), 1);
}

void tst_sidewindows::directorRefreshesInfoAndCrossTab()
{
    Fixture f;
    frmVoteStartup main(*f.session, f.services);
    WindowDirector director(*f.session, f.services, main);

    QPointer<frmInfo> info = director.showInfo(f.pass(101, 1));
    QVERIFY(info && info->isVisible());
    QCOMPARE(info->lblYea->text(), QStringLiteral("60"));
    QCOMPARE(director.showInfo(f.pass(101, 2)), info.data()); // the open window is filled anew
    QCOMPARE(info->lblYea->text(), QStringLiteral("80"));

    QPointer<frmCrossTab> crossTab = director.showCrossTab(f.pass(101, 1, 2));
    QVERIFY(crossTab && crossTab->isVisible());
    crossTab->lstParty->setCurrentRow(0);
    QCOMPARE(crossTab->pnlYea1->text(), QStringLiteral("Yea-Yea: 3"));

    // The map moves on to roll call 2 paired with roll call 1: both windows follow it and the
    // chosen party stays chosen.
    director.refreshSideWindows(f.pass(101, 2, 1));
    QCOMPARE(info->lblYea->text(), QStringLiteral("80"));
    QCOMPARE(info->lblInfo->text(), QStringLiteral("7\nn/a\nn/a"));
    QCOMPARE(crossTab->lstParty->currentRow(), 0);
    // Roll call 2 first: the Democrats' yea-nay and nay-yea cells change places.
    QCOMPARE(crossTab->pnlNay1->text(), QStringLiteral("Nay-Yea: 1"));
    QCOMPARE(crossTab->pnlYea2->text(), QStringLiteral("Yea-Nay: 2"));
}

QTEST_MAIN(tst_sidewindows)
#include "tst_sidewindows.moc"
