// The roll-call outputs: text table, printed page, spreadsheet and the analysis file, byte for byte.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/report/OutputColumns.h"
#include "core/report/RollCallSheet.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/report/TidyCsv.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// The 97th House: three members and 13 roll calls; roll call 12 is the January 5, 1981 vote.
CongressData house97()
{
    CongressData d;
    d.legislators = {TreeBuilder::legislator(QStringLiteral("SMITH, JOHN"), 41, 1, 100, 0.123f, -0.456f, 14000, 3),
                     TreeBuilder::legislator(QStringLiteral("JONES"), 13, 12, 200, -0.25f, 0.5f, 99999999, 0),
                     // No "state.dat" record for code 99 and no coordinates.
                     TreeBuilder::legislator(QStringLiteral("CARTER"), 99, 0, 328, 0.0f, 0.0f, 99910, 0)};
    for (int r = 1; r <= 13; ++r)
        d.rollCalls.append(r == 12 ? TreeBuilder::rollCall(QStringLiteral("ELECT SPEAKER"), QDate(1981, 1, 5), 2, 1)
                                   : TreeBuilder::rollCall(QStringLiteral("VOTE %1").arg(r), QDate(1981, 2, r), 1, 1));
    d.voteRows = {QStringLiteral("6555555555519"), QStringLiteral("1555555555567"), QStringLiteral("0555555555592")};
    return d;
}

struct Fixture {
    QTemporaryDir dir;
    TreeBuilder tree{dir.path()};
    Session session{dir.path()};

    explicit Fixture(bool extended = false)
    {
        tree.writeStandardTables();
        tree.addCongress(true, 97, house97(), extended);
        tree.writeIndexes();
        session.newDataFormat = extended;
        session.selectedCongresses = {97};
        RunSearch(session, {});
    }
    // The 98th House of one member, whose roll call has a text date; both congresses are searched.
    void add98()
    {
        CongressData d;
        d.legislators = {TreeBuilder::legislator(QStringLiteral("NEWMAN"), 1, 2, 200, 0.1f, 0.2f, 555)};
        d.rollCalls = {TreeBuilder::rollCall(QStringLiteral("FIRST OF 98"), QDate(1983, 1, 3), 1, 0)};
        d.rollCalls[0].date = TaggedDate::FromText(QStringLiteral("Jan 1983 "));
        d.voteRows = {QStringLiteral("4")};
        tree.addCongress(true, 98, d);
        tree.writeIndexes();
        session.selectedCongresses = {97, 98};
        RunSearch(session, {});
    }
    QString out(const QString &name) const { return dir.filePath(name); }
};

const QByteArray kTable97 = "January 5, 1981: Roll Call #12\r\n"
                            "ELECT SPEAKER\r\n"
                            "House #97, 1981-1982\r\n"
                            "\r\n"
                            "H#  ID1#   ID2#  SC  CD  STATE           PARTY  NAME         XCOORD  YCOORD  VOTE\r\n"
                            "97  14000  3     41  1   ALABAMA         100    SMITH, JOHN   .123   -.456   1\r\n"
                            "97  99999999\r\n"
                            "           0     13  12  NEW YORK        200    JONES        -.250    .500   6\r\n"
                            "97  99910  0     99  0                   328    CARTER        .000    .000   9\r\n";
} // namespace

class TestRollCallOutput : public QObject {
    Q_OBJECT

private slots:
    // Coordinates, columns that overflow, a text-date heading and the kind of file a name asks for.
    void formats()
    {
        for (const auto &[value, text] :
             {std::pair{0.5, " .500"}, {double(-0.456f), "-.456"}, {0.9996, " 1.000"}, {-1.0, "-1.000"}})
            QCOMPARE(FormatCoordinate(value), QString::fromLatin1(text));
        const QString four(4, QLatin1Char(' '));
        QCOMPARE(LayOutColumns({"12345", "X"}, {1, 5, 7}), (QStringList{"12345", four + "X"}));
        QCOMPARE(LayOutColumns({"12345678", "X", "Y"}, {1, 5, 7}), (QStringList{"12345678", four + "X Y"}));
        QCOMPARE(LayOutColumns({"", "", "Z"}, {1, 5, 7}), QStringList{"      Z"});
        SheetRollCall rc{12, TaggedDate::FromText(QStringLiteral("1789")), QStringLiteral("Desc")};
        QCOMPARE(RollCallHeading(false, 1, rc), (QStringList{"1789: Roll Call #12", "Desc", "Senate #1, 1789-1790"}));
        QCOMPARE(RollCallSaveKindOf(QStringLiteral("MAP.BMP")), RollCallSaveKind::Bitmap);
        QCOMPARE(RollCallSaveKindOf(QStringLiteral("output")), RollCallSaveKind::Text);
    }
    // The same table from standard and from extended 62-byte records.
    void textTable()
    {
        for (const bool extended : {false, true}) {
            Fixture f(extended);
            f.session.queue.addRows(f.session.MatchTable, {12}, f.session.smallScreen);
            QVERIFY(f.session.queue.start());
            SaveRollCallText(f.session, f.out(QStringLiteral("rc12.txt")));
            QCOMPARE(ReadWholeFile(f.out(QStringLiteral("rc12.txt"))), kTable97);
        }
    }
    void printedPage()
    {
        Fixture f;
        f.session.queue.addRows(f.session.MatchTable, {12}, f.session.smallScreen);
        const QList<PrintedLine> page = PrintedRollCallPage(LoadQueueEntrySheet(f.session, 1));
        QCOMPARE(page.size(), 1 + 4 + 5);
        QCOMPARE(page[0], (PrintedLine{PrintRole::Title, QStringLiteral("Rollscan for Windows Roll Call Output")}));
        // The heading and table lines are those of the text file.
        const QList<QByteArray> fileLines = kTable97.split('\n');
        for (int i = 1; i < page.size(); ++i) {
            QCOMPARE(page[i].role, i < 5 ? PrintRole::Heading : PrintRole::Table);
            QCOMPARE(page[i].text.toLatin1() + '\r', fileLines[i - 1]);
        }
    }
    // Every queued roll call, then the current one only; an empty queue writes nothing.
    void spreadsheets()
    {
        Fixture f;
        QVERIFY_THROWS_EXCEPTION(DataError, WriteSpreadsheet(f.session, f.out(QStringLiteral("e.prn")), true));
        QVERIFY(!QFile::exists(f.out(QStringLiteral("e.prn"))));
        f.session.queue.addRows(f.session.MatchTable, {12, 1, 13}, f.session.smallScreen);
        WriteSpreadsheet(f.session, f.out(QStringLiteral("queue.prn")), true);
        const QByteArray expected =
            "January 5, 1981: Roll Call #12\r\nELECT SPEAKER\r\nHouse #97, 1981-1982\r\n\r\n"
            "February 1, 1981: Roll Call #1\r\nVOTE 1\r\nHouse #97, 1981-1982\r\n\r\n"
            "February 13, 1981: Roll Call #13\r\nVOTE 13\r\nHouse #97, 1981-1982\r\n\r\n"
            "\"H#\",\"ID1\",\"ID2\",\"SC\",\"CD\",\"STATE\",\"PARTY\",\"NAME\",\"XCOORD\",\"YCOORD\",\"RC#\","
            "\"VOTE\"\r\n"
            "97,14000,3,41,1,\"ALABAMA\",100,\"SMITH  JOHN \", .123,-.456,12,1,1,6,13,9\r\n"
            "97,99999999,0,13,12,\"NEW YORK\",200,\"JONES       \",-.250, .500,12,6,1,1,13,7\r\n"
            "97,99910,0,99,0,\"\",328,\"CARTER      \", .000, .000,12,9,1,0,13,2\r\n";
        QCOMPARE(ReadWholeFile(f.out(QStringLiteral("queue.prn"))), expected);
        f.session.queue.setCurrentQueuePos(2);
        WriteSpreadsheet(f.session, f.out(QStringLiteral("one.prn")), false);
        const QByteArray file = ReadWholeFile(f.out(QStringLiteral("one.prn")));
        QVERIFY(file.startsWith("February 1, 1981: Roll Call #1\r\nVOTE 1\r\nHouse #97, 1981-1982\r\n\r\n\"H#\""));
        QVERIFY(file.endsWith("\"CARTER      \", .000, .000,1,0\r\n"));
        QCOMPARE(file.count("\r\n"), 4 + 1 + 3);
    }
    // A queue of two congresses, 97:12, 98:1, 97:13: the spreadsheet splits them, the analysis file
    // follows the queue; an empty queue writes no analysis file.
    void twoCongresses()
    {
        Fixture f;
        f.add98();
        QVERIFY_THROWS_EXCEPTION(DataError, WriteTidyCsv(f.session, f.out(QStringLiteral("tidy.csv"))));
        QVERIFY(!QFile::exists(f.out(QStringLiteral("tidy.csv"))));
        f.session.queue.addRows(f.session.MatchTable, {12, 14, 13}, f.session.smallScreen);
        WriteSpreadsheet(f.session, f.out(QStringLiteral("two.prn")), true);
        const QList<QByteArray> lines = ReadWholeFile(f.out(QStringLiteral("two.prn"))).split('\n');
        // 97th: two heading blocks, column line, three members; 98th: one block, column line, one member.
        QCOMPARE(lines.size(), 8 + 1 + 3 + 4 + 1 + 1 + 1);
        QCOMPARE(lines[14], QByteArray("House #98, 1983-1984\r"));
        QCOMPARE(lines[17], QByteArray("98,555,0,1,2,\"CONNECTICUT\",200,\"NEWMAN      \", .100, .200,1,4\r"));
        QVERIFY(lines[9].endsWith(",12,1,13,9\r"));
        WriteTidyCsv(f.session, f.out(QStringLiteral("tidy.csv")));
        QCOMPARE(ReadWholeFile(f.out(QStringLiteral("tidy.csv"))),
                 QByteArray("congress,roll_call,date,member_id,name,state,district,party_code,party_name,coord1,"
                            "coord2,vote_code,vote_class\n"
                            "97,12,1981-01-05,14000,\"SMITH, JOHN\",AL,1,100,Democrat,0.123,-0.456,1,Yea\n"
                            "97,12,1981-01-05,99999999,JONES,NY,12,200,Republican,-0.25,0.5,6,Nay\n"
                            "97,12,1981-01-05,99910,CARTER,,0,328,Independent,NA,NA,9,Not voting\n"
                            "98,1,Jan 1983,555,NEWMAN,CT,2,200,Republican,0.1,0.2,4,Nay\n"
                            "97,13,1981-02-13,14000,\"SMITH, JOHN\",AL,1,100,Democrat,0.123,-0.456,9,Not voting\n"
                            "97,13,1981-02-13,99999999,JONES,NY,12,200,Republican,-0.25,0.5,7,Not voting\n"
                            "97,13,1981-02-13,99910,CARTER,,0,328,Independent,NA,NA,2,Yea\n"));
    }
    void rollCallOutsideCongress()
    {
        Fixture f;
        f.session.queue.add({12, 14, QString()}); // a queue entry naming a roll call the congress does not have
        f.session.queue.setCurrentQueuePos(1);
        try {
            SaveRollCallText(f.session, f.out(QStringLiteral("x.txt")));
            QFAIL("a roll call outside the congress must be refused");
        } catch (const DataError &e) {
            QCOMPARE(e.message(), QStringLiteral("Roll call 14 is not one of the 13 roll calls of the House #97."));
        }
        QVERIFY(!QFile::exists(f.out(QStringLiteral("x.txt"))));
    }
};

QTEST_APPLESS_MAIN(TestRollCallOutput)
#include "tst_rollcalloutput.moc"
