// The converter from public roll-call tables to a data tree: table reading, record bytes, shared
// tables, options, and refusal of bad input with nothing left behind.
#include "support/TreeBuilder.h"

#include "convert/CsvReader.h"
#include "convert/ReferenceTables.h"
#include "convert/TreeConverter.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileError.h"
#include "core/data/PartyTable.h"
#include "core/data/Preferences.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::TreeBuilder;

namespace {
// A small House 97 in the public tables' layout. Rows are deliberately out of id and roll-number
// order; the President has votes; one member has no coordinates; texts use every kind of quoting.
const char *const kMembers =
    "congress,chamber,icpsr,state_icpsr,district_code,state_abbrev,party_code,bioname,dim1,dim2,"
    "congress_dim1,congress_dim2\n"
    "97,President,99907,99,0,USA,200,\"REAGAN, Ronald Wilson\",0.692,-0.713,,\n"
    "97,House,20500,92,1.0,PR,100,\"Mart\xC3\xADnez, Matthew G.\",-0.5,0.125,0.75,-0.25\n"
    "97,House,10717,41,2.0,AL,200,\"DICKINSON, William Louis\",0.5,-0.25,0.125,0.5\n"
    "97,House,15000,82,1,HI,328,\"VANDERWESTHUIZEN, Pieter, Jr.\",,,,\n"
    "97,House,16000,41,1,AL,100,\"SMITH, John \"\"Jack\"\"\",0.25,0.25,,\n";

const char *const kRollCalls =
    "congress,chamber,rollnumber,date,session,clerk_rollnumber,yea_count,nay_count,mid_1,mid_2,spread_1,"
    "spread_2,log_likelihood,bill_number,vote_result,vote_desc,vote_question,dtl_desc\n"
    "97,House,2,,,,1,2,,,,,,,,,,\n"
    "97,House,1,1981-01-05,1,2,2,1,0.125,-0.5,0.75,-0.25,-0.5,HR1,Passed,\"Providing for \"\"rules\"\", and "
    "more\",On Passage,\"Line one\nline two\"\n"
    "97,House,3,1981-02-01,1,4,1,1,0.0,0.0,0.0,0.0,0.0,,,,,(HOUSE ADJOURNED.)\n";

const char *const kVotes = "congress,chamber,rollnumber,icpsr,cast_code\n"
                           "97,House,1,10717,1\n"
                           "97,House,1,15000,1\n"
                           "97,House,1,16000,6\n"
                           "97,House,1,20500,9\n"
                           "97,House,1,99907,6\n"
                           "97,House,2,10717,6\n"
                           "97,House,2,15000,1\n"
                           "97,House,2,16000,7\n"
                           "97,House,2,99907,9\n"
                           "97,House,3,10717,9\n"
                           "97,House,3,16000,2\n"
                           "97,House,3,20500,1\n"
                           "97,House,3,99907,1\n";

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}
QByteArray padded(const QByteArray &text, int width)
{
    return text.leftJustified(width, ' ', true);
}
QByteArray i16(int v)
{
    return QByteArray(1, char(v & 0xFF)) + QByteArray(1, char((v >> 8) & 0xFF));
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
} // namespace

class TestConvert : public QObject {
    Q_OBJECT

private slots:
    void init();

    void csvRecords_data();
    void csvRecords();
    void csvFaults_data();
    void csvFaults();
    void csvNumbers_data();
    void csvNumbers();

    void legislatorRecordBytes_data();
    void legislatorRecordBytes();
    void legislatorOrderAndNames();
    void voteBytes_data();
    void voteBytes();
    void rollCallRecordBytes_data();
    void rollCallRecordBytes();
    void rollCallWithoutDate();
    void descriptionEntryBytes();
    void coordinateColumns();
    void indexFiles();
    void sharedTables();
    void stateTable();
    void partyNames();
    void senateFileNames();
    void badInput_data();
    void badInput();
    void tableSetFaults_data();
    void tableSetFaults();
    void destinationRefused_data();
    void destinationRefused();
    void emptyDestinationFolderIsUsed();

private:
    // Writes the source tables of House 97, with `replace` applied to the named table.
    void writeSource(const QString &table = {}, const QByteArray &from = {}, const QByteArray &to = {});
    TreeConverter::Summary convert(const ConvertOptions &options = {});
    QByteArray treeFile(const QString &relative) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source, m_dest;
};

void TestConvert::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_source = m_dir->filePath(QStringLiteral("tables"));
    m_dest = m_dir->filePath(QStringLiteral("tree"));
}

void TestConvert::writeSource(const QString &table, const QByteArray &from, const QByteArray &to)
{
    TreeBuilder src(m_source);
    const QList<QPair<QString, QByteArray>> tables = {{QStringLiteral("members"), kMembers},
                                                      {QStringLiteral("rollcalls"), kRollCalls},
                                                      {QStringLiteral("votes"), kVotes}};
    for (auto [name, text] : tables) {
        if (name == table) {
            if (from.isEmpty())
                text.append(to);
            else
                text.replace(from, to);
        }
        src.writeRaw(QStringLiteral("house/H097_%1.csv").arg(name), text);
    }
}

TreeConverter::Summary TestConvert::convert(const ConvertOptions &options)
{
    return TreeConverter(m_source, m_dest, options).run();
}

QByteArray TestConvert::treeFile(const QString &relative) const
{
    QFile f(m_dest + QLatin1Char('/') + relative);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void TestConvert::csvRecords_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QStringList>("fields"); // the fields of all records after the header, in order
    QTest::addColumn<QList<int>>("lines");   // the line each record starts on

    QTest::newRow("plain") << QByteArray("a,b\n1,2\n3,4\n") << QStringList{"1", "2", "3", "4"} << QList<int>{2, 3};
    QTest::newRow("quoted comma") << QByteArray("a,b\n\"x, y\",2\n") << QStringList{"x, y", "2"} << QList<int>{2};
    QTest::newRow("doubled quotes") << QByteArray("a,b\n\"say \"\"hi\"\"\",\"\"\"\"\n")
                                    << QStringList{"say \"hi\"", "\""} << QList<int>{2};
    QTest::newRow("embedded line break") << QByteArray("a,b\n\"one\ntwo\",2\n3,4\n")
                                         << QStringList{"one\ntwo", "2", "3", "4"} << QList<int>{2, 4};
    QTest::newRow("CR LF and BOM") << QByteArray("\xEF\xBB\xBF"
                                                 "a,b\r\n1,2\r\n")
                                   << QStringList{"1", "2"} << QList<int>{2};
    QTest::newRow("empty fields") << QByteArray("a,b,c\n,,\n\"\",x,\n") << QStringList{"", "", "", "", "x", ""}
                                  << QList<int>{2, 3};
    QTest::newRow("blank lines and no final newline")
        << QByteArray("a,b\n\n1,2\n\n\n3,4") << QStringList{"1", "2", "3", "4"} << QList<int>{3, 6};
}

void TestConvert::csvRecords()
{
    QFETCH(QByteArray, text);
    QFETCH(QStringList, fields);
    QFETCH(QList<int>, lines);
    CsvReader t(text, QStringLiteral("t.csv"));
    QCOMPARE(t.column(QStringLiteral("b")), 1);
    QCOMPARE(t.column(QStringLiteral("zz")), -1);
    QStringList got;
    QList<int> gotLines;
    while (t.next()) {
        gotLines.append(t.line());
        for (int c = 0; c < t.columnCount(); ++c)
            got.append(QString::fromUtf8(t.field(c)));
    }
    QCOMPARE(got, fields);
    QCOMPARE(gotLines, lines);
}

void TestConvert::csvFaults_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("unclosed quote") << QByteArray("a,b\n1,2\n3,\"open\n\n") << "t.csv:3: a quoted field is not closed";
    QTest::newRow("text after quote") << QByteArray("a,b\n\"x\"y,2\n")
                                      << "t.csv:2: text follows the closing quote of a field";
    QTest::newRow("too few fields") << QByteArray("a,b,c\n1,2,3\n4,5\n")
                                    << "t.csv:3: the record has 2 fields; the header has 3";
    QTest::newRow("too many fields") << QByteArray("a,b\n1,2,3\n")
                                     << "t.csv:2: the record has 3 fields; the header has 2";
    QTest::newRow("twice the same column")
        << QByteArray("a,b,a\n") << "t.csv:1: the header names the column \"a\" twice";
    QTest::newRow("empty table") << QByteArray("\n\n") << "t.csv:1: the table is empty: a header line is needed";
}

void TestConvert::csvFaults()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    try {
        CsvReader t(text, QStringLiteral("t.csv"));
        while (t.next()) {
        }
        QFAIL("no error");
    } catch (const DataError &e) {
        QCOMPARE(e.message(), message);
    }
}

void TestConvert::csvNumbers_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("integerOk");
    QTest::addColumn<qint64>("integer");
    QTest::addColumn<bool>("realOk");
    QTest::addColumn<double>("real"); // 9.0 stands for the fallback of an empty field

    QTest::newRow("whole") << QByteArray("12") << true << qint64(12) << true << 12.0;
    QTest::newRow("district written as real") << QByteArray("1.0") << true << qint64(1) << true << 1.0;
    QTest::newRow("negative with blanks") << QByteArray(" -3 ") << true << qint64(-3) << true << -3.0;
    QTest::newRow("fraction") << QByteArray("1.5") << false << qint64(0) << true << 1.5;
    QTest::newRow("exponent") << QByteArray("1e-3") << false << qint64(0) << true << 0.001;
    QTest::newRow("empty") << QByteArray("") << false << qint64(0) << true << 9.0;
    QTest::newRow("letters") << QByteArray("AL") << false << qint64(0) << false << 0.0;
    QTest::newRow("not a number") << QByteArray("nan") << false << qint64(0) << false << 0.0;
    QTest::newRow("infinite") << QByteArray("inf") << false << qint64(0) << false << 0.0;
}

void TestConvert::csvNumbers()
{
    QFETCH(QByteArray, field);
    QFETCH(bool, integerOk);
    QFETCH(qint64, integer);
    QFETCH(bool, realOk);
    QFETCH(double, real);
    // The second column keeps a record with an empty first field from being a blank line.
    CsvReader t("x,y\n" + field + ",\n", QStringLiteral("n.csv"));
    QVERIFY(t.next());
    try {
        QCOMPARE(t.integer(0, QStringLiteral("x")), integer);
        QVERIFY(integerOk);
    } catch (const DataError &e) {
        QVERIFY2(!integerOk, qPrintable(e.message()));
        QVERIFY(e.message().startsWith(QStringLiteral("n.csv:2: the x field")));
    }
    try {
        QCOMPARE(t.real(0, QStringLiteral("x"), 9.0), real);
        QVERIFY(realOk);
    } catch (const DataError &e) {
        QVERIFY2(!realOk, qPrintable(e.message()));
        QVERIFY(e.message().contains(QStringLiteral("is not a number")));
    }
}

void TestConvert::legislatorRecordBytes_data()
{
    QTest::addColumn<bool>("extended");
    QTest::newRow("standard") << false;
    QTest::newRow("extended") << true;
}

void TestConvert::legislatorRecordBytes()
{
    QFETCH(bool, extended);
    writeSource();
    ConvertOptions options;
    options.newDataFormat = extended;
    convert(options);
    const QByteArray lcr = treeFile(QStringLiteral("house/97.lcr"));
    const int length = extended ? 62 : 50;
    QCOMPARE(lcr.size(), 4 * length);
    // DICKINSON has the lowest id, so he is record 1.
    QByteArray expected = "DICKINSON   ";
    expected += hex("29 00"       // state 41
                    "02 00"       // district 2, written 2.0 in the table
                    "c8 00"       // party 200
                    "00 00 00 3f" // 0.5
                    "00 00 80 be" // -0.25
                    "dd 29 00 00" // member id 10717
                    "00 00 00 00 00 00 00 00");
    expected += QByteArray(12, '\0'); // no seed points
    if (extended)
        expected += QByteArray(12, '\0');
    QCOMPARE(lcr.left(length).toHex(' '), expected.toHex(' '));
}

void TestConvert::legislatorOrderAndNames()
{
    writeSource();
    convert();
    const QList<Legislator> ls = ReadLegislators(m_dest + QStringLiteral("/house/97.lcr"), 4, false);
    QStringList names;
    QList<qint32> ids;
    for (const Legislator &l : ls) {
        names.append(l.name);
        ids.append(l.id1);
    }
    QCOMPARE(ids, (QList<qint32>{10717, 15000, 16000, 20500}));
    // Upper case, the part before the first comma, cut to 12 characters; accented letters in the
    // single-byte code page.
    QCOMPARE(names, (QStringList{"DICKINSON   ", "VANDERWESTHU", "SMITH       ", QString::fromUtf8("MARTÍNEZ    ")}));
    QCOMPARE(treeFile(QStringLiteral("house/97.lcr")).mid(150, 12), QByteArray("MART\xCDNEZ    "));
    // Empty coordinates become (0, 0).
    QCOMPARE(ls.at(1).coord1, 0.0f);
    QCOMPARE(ls.at(1).coord2, 0.0f);
    QCOMPARE(ls.at(3).stateCode, qint16(92));
}

void TestConvert::voteBytes_data()
{
    QTest::addColumn<bool>("includePresident");
    QTest::addColumn<QByteArray>("votes");
    // Rows: 10717, 15000, 16000, 20500 (and the President 99907); "0" where a member has no row.
    QTest::newRow("members only") << false
                                  << QByteArray("169"
                                                "110"
                                                "672"
                                                "901");
    QTest::newRow("with the President") << true
                                        << QByteArray("169"
                                                      "110"
                                                      "672"
                                                      "901"
                                                      "691");
}

void TestConvert::voteBytes()
{
    QFETCH(bool, includePresident);
    QFETCH(QByteArray, votes);
    writeSource();
    ConvertOptions options;
    options.includePresident = includePresident;
    const TreeConverter::Summary s = convert(options);
    QCOMPARE(treeFile(QStringLiteral("house/97.vot")), votes);
    QCOMPARE(s.votes, qint64(votes.size()));
    // Legislator 3 (16000) on roll call 2 is the byte at (3 - 1) * 3 + 2 - 1.
    QCOMPARE(treeFile(QStringLiteral("house/97.vot")).at(7), '7');
    const QList<Legislator> ls =
        ReadLegislators(m_dest + QStringLiteral("/house/97.lcr"), includePresident ? 5 : 4, false);
    QCOMPARE(ls.last().id1, includePresident ? 99907 : 20500);
}

void TestConvert::rollCallRecordBytes_data()
{
    QTest::addColumn<bool>("extended");
    QTest::newRow("standard") << false;
    QTest::newRow("extended") << true;
}

void TestConvert::rollCallRecordBytes()
{
    QFETCH(bool, extended);
    writeSource();
    ConvertOptions options;
    options.newDataFormat = extended;
    convert(options);
    const QByteArray rif = treeFile(QStringLiteral("house/97.rif"));
    const int slot = extended ? 136 : 110;
    QCOMPARE(rif.size(), 3 * slot);
    QByteArray expected(extended ? 10 : 8, '\0'); // subject codes 0
    expected += padded("HR1 ON PASSAGE: PROVIDING FOR \"RULES\", AND MORE", 60);
    expected += hex("07 00 00 00 00 00 c0 e5 dc 40" // 5 January 1981: day 29591
                    "02 00 01 00"                   // official tally 2-1 from yea_count, nay_count
                    "02 00 01 00 01 00"             // votes: codes 1-3 twice, 4-6 once, one other
                    "00 00 40 3f"                   // Spread1 = spread_1 0.75
                    "00 00 00 3e"                   // Midpoint1 = mid_1 0.125
                    "00 00 80 be"                   // Spread2 = spread_2 -0.25
                    "00 00 00 bf");                 // Midpoint2 = mid_2 -0.5
    expected += QByteArray(slot - expected.size(), '\0');
    QCOMPARE(rif.left(slot).toHex(' '), expected.toHex(' '));
}

void TestConvert::rollCallWithoutDate()
{
    writeSource();
    convert();
    const QByteArray rif = treeFile(QStringLiteral("house/97.rif"));
    // Roll call 2 comes from a counts-only row: empty text, tag 8 with length 0, and the later fields
    // follow right after it.
    QByteArray expected(8, '\0');
    expected += QByteArray(60, ' ');
    expected += hex("08 00 00 00"
                    "01 00 02 00"        // tally 1-2
                    "01 00 01 00 02 00") // votes 6, 1, 7, none
                + QByteArray(16, '\0');  // no cutting-line parameters
    expected += QByteArray(110 - expected.size(), '\0');
    QCOMPARE(rif.mid(110, 110).toHex(' '), expected.toHex(' '));
}

void TestConvert::descriptionEntryBytes()
{
    writeSource();
    convert();
    const QByteArray din = treeFile(QStringLiteral("house/97.din"));
    const QByteArray dbn = treeFile(QStringLiteral("house/97.dbn"));
    QCOMPARE(din.size(), 12);
    QCOMPARE(din.left(4), hex("01 00 00 00")); // roll call 1 starts at 1-based position 1

    const QByteArray text = "ON PASSAGE - PROVIDING FOR \"RULES\", AND MORE - PASSED - LINE ONE LINE TWO";
    QByteArray entry1 = padded("HR1", 13) + padded("SESSION 1", 11) + padded("#2", 7) + padded("2-1", 8) +
                        padded("PASSED", 19) + i16(int(text.size())) + text;
    QCOMPARE(dbn.left(entry1.size()), entry1);

    // Roll call 2 has only its counts; roll call 3 only a detailed text, kept with its parentheses.
    const QByteArray entry2 = QByteArray(31, ' ') + padded("1-2", 8) + QByteArray(19, ' ') + i16(0);
    QCOMPARE(din.mid(4, 4), i16(entry1.size() + 1) + i16(0));
    QCOMPARE(dbn.mid(entry1.size(), entry2.size()), entry2);
    const QByteArray text3 = "(HOUSE ADJOURNED.)";
    const QByteArray entry3 = padded("", 13) + padded("SESSION 1", 11) + padded("#4", 7) + padded("1-1", 8) +
                              padded("", 19) + i16(int(text3.size())) + text3;
    QCOMPARE(dbn.mid(entry1.size() + entry2.size()), entry3);
    // Its short description is that text too.
    QCOMPARE(treeFile(QStringLiteral("house/97.rif")).mid(220 + 8, 60), padded(text3, 60));
}

void TestConvert::coordinateColumns()
{
    writeSource();
    ConvertOptions options;
    options.coordColumn1 = QStringLiteral("congress_dim1");
    options.coordColumn2 = QStringLiteral("congress_dim2");
    convert(options);
    const QList<Legislator> ls = ReadLegislators(m_dest + QStringLiteral("/house/97.lcr"), 4, false);
    QCOMPARE(ls.at(0).coord1, 0.125f);
    QCOMPARE(ls.at(0).coord2, 0.5f);
    QCOMPARE(ls.at(3).coord1, 0.75f);
    QCOMPARE(ls.at(2).coord1, 0.0f); // SMITH has none for the congress alone
}

void TestConvert::indexFiles()
{
    writeSource();
    convert();
    const QByteArray houses = treeFile(QStringLiteral("main/houses.dat"));
    QCOMPARE(houses.size(), 97 * 10);
    QCOMPARE(houses.mid(960), hex("04 00 03 00 00 00 00 00 00 00"));
    QCOMPARE(houses.left(960), QByteArray(960, '\0'));
    QVERIFY(QFileInfo::exists(m_dest + QStringLiteral("/main/senates.dat")));
    QCOMPARE(treeFile(QStringLiteral("main/senates.dat")).size(), 0);
    for (const char *folder : {"house", "senate", "main", "maps", "user"})
        QVERIFY2(QFileInfo(m_dest + QLatin1Char('/') + QLatin1String(folder)).isDir(), folder);
    QCOMPARE(entriesOf(m_dest + QStringLiteral("/user")), QStringList());
    QCOMPARE(entriesOf(m_dest + QStringLiteral("/house")),
             (QStringList{"97.dbn", "97.din", "97.lcr", "97.rif", "97.vot"}));
}

void TestConvert::sharedTables()
{
    writeSource();
    ConvertOptions options;
    options.includePresident = true;
    convert(options);

    const QByteArray state = treeFile(QStringLiteral("main/state.dat"));
    QCOMPARE(state.size(), 99 * 19); // up to the President's 99
    QCOMPARE(state.mid(40 * 19, 19), padded("ALABAMA", 15) + "AL" + i16(0));
    QCOMPARE(state.mid(91 * 19, 19), padded("PUERTO RICO", 15) + "PR" + i16(0));
    QCOMPARE(state.mid(98 * 19, 19), padded("UNITED STATES", 15) + "US" + i16(0));
    QCOMPARE(state.mid(54 * 19, 19), padded("DIST. COLUMBIA", 15) + "DC" + i16(0)); // a state not in the data
    QCOMPARE(state.mid(92 * 19, 19), QByteArray(17, ' ') + i16(0));                 // code 93: nobody

    const PartyTable parties = PartyTable::Read(m_dest + QStringLiteral("/main/party.dat"));
    QCOMPARE(parties.records, (QList<PartyRecord>{{100, "Democrat"}, {200, "Republican"}, {328, "Independent"}}));

    const TokenTable tokens = TokenTable::Read(m_dest + QStringLiteral("/main/token.dat"));
    QCOMPARE(tokens.records.size(), 38);
    QString symbols;
    for (const TokenRecord &t : tokens.records)
        symbols += t.symbol;
    QCOMPARE(symbols.left(6), QStringLiteral("FRSIDW")); // Federalist, Republican, Southern and other Democrats...
    QCOMPARE(tokens.find(3)->name, QStringLiteral("Southern Democrat"));

    QCOMPARE(treeFile(QStringLiteral("main/clacodes.dat")).left(29), QByteArray("  1   Government Management\r\n"));
    QCOMPARE(treeFile(QStringLiteral("main/pelcodes.dat")).count('\n'), 13);
    QVERIFY(treeFile(QStringLiteral("main/pelcodes.dat")).contains(" 61   Defense Policy Budget\r\n"));
    QCOMPARE(treeFile(QStringLiteral("main/isscodes.dat")), QByteArray("  0   Not coded (no public issue codes)\r\n"));

    const QByteArray prf = treeFile(QStringLiteral("rollscan.prf"));
    QCOMPARE(prf.size(), 270);
    QCOMPARE(prf.mid(60, 2), QByteArray("iu"));
    QCOMPARE(prf.mid(62, 12).toHex(' '), hex("09 00 00 00 0c 00 00 00 08 00 00 00").toHex(' ')); // yea, nay, N/A
    QCOMPARE(prf.mid(124, 2), hex("ff ff"));                                                     // House first
}

// Every state of the built-in table, by the code the members tables use.
void TestConvert::stateTable()
{
    const QString table = QStringLiteral(
        "1 CT CONNECTICUT|2 ME MAINE|3 MA MASSACHUSETTS|4 NH NEW HAMPSHIRE|5 RI RHODE ISLAND|6 VT VERMONT|"
        "11 DE DELAWARE|12 NJ NEW JERSEY|13 NY NEW YORK|14 PA PENNSYLVANIA|21 IL ILLINOIS|22 IN INDIANA|"
        "23 MI MICHIGAN|24 OH OHIO|25 WI WISCONSIN|31 IA IOWA|32 KS KANSAS|33 MN MINNESOTA|34 MO MISSOURI|"
        "35 NE NEBRASKA|36 ND NORTH DAKOTA|37 SD SOUTH DAKOTA|40 VA VIRGINIA|41 AL ALABAMA|42 AR ARKANSAS|"
        "43 FL FLORIDA|44 GA GEORGIA|45 LA LOUISIANA|46 MS MISSISSIPPI|47 NC NORTH CAROLINA|48 SC SOUTH CAROLINA|"
        "49 TX TEXAS|51 KY KENTUCKY|52 MD MARYLAND|53 OK OKLAHOMA|54 TN TENNESSEE|55 DC DIST. COLUMBIA|"
        "56 WV WEST VIRGINIA|61 AZ ARIZONA|62 CO COLORADO|63 ID IDAHO|64 MT MONTANA|65 NV NEVADA|66 NM NEW MEXICO|"
        "67 UT UTAH|68 WY WYOMING|71 CA CALIFORNIA|72 OR OREGON|73 WA WASHINGTON|81 AK ALASKA|82 HI HAWAII");
    QSet<int> listed;
    for (const QString &entry : table.split(QLatin1Char('|'))) {
        const int code = entry.section(QLatin1Char(' '), 0, 0).toInt();
        const StateRecord *r = ReferenceTables::StateByCode(code);
        QVERIFY2(r, qPrintable(entry));
        QCOMPARE(r->postal + QLatin1Char(' ') + r->name, entry.section(QLatin1Char(' '), 1));
        listed.insert(code);
    }
    for (int code = 0; code <= 99; ++code)
        QCOMPARE(ReferenceTables::StateByCode(code) != nullptr, listed.contains(code));
}

void TestConvert::partyNames()
{
    writeSource(QStringLiteral("members"), "97,House,16000,41,1,AL,100,", "97,House,16000,41,1,AL,777,");
    TreeBuilder(m_dir->filePath(QStringLiteral("extra")))
        .writeRaw(QStringLiteral("parties.csv"), "congress,chamber,party_code,party_name,n_members\n"
                                                 "97,House,100,Democratic Party,243\n"
                                                 "97,House,328,\"Independent, no caucus\",1\n");
    ConvertOptions options;
    options.partiesPath = m_dir->filePath(QStringLiteral("extra/parties.csv"));
    convert(options);
    const PartyTable parties = PartyTable::Read(m_dest + QStringLiteral("/main/party.dat"));
    // The table's names first, then the built-in ones, then "Party NNN".
    QCOMPARE(parties.records,
             (QList<PartyRecord>{
                 {100, "Democratic Party"}, {200, "Republican"}, {328, "Independent, no caucus"}, {777, "Party 777"}}));
}

void TestConvert::senateFileNames()
{
    TreeBuilder src(m_source);
    QByteArray members = kMembers, rollCalls = kRollCalls, votes = kVotes;
    for (QByteArray *t : {&members, &rollCalls, &votes})
        t->replace("97,House,", "9,Senate,").replace("97,President,", "9,President,");
    src.writeRaw(QStringLiteral("senate/s009_members.csv"), members);
    src.writeRaw(QStringLiteral("senate/S009_ROLLCALLS.csv"), rollCalls);
    src.writeRaw(QStringLiteral("senate/S009_votes.csv"), votes);
    const TreeConverter::Summary s = convert();
    QCOMPARE(s.senateCongresses, 1);
    QCOMPARE(s.houseCongresses, 0);
    QCOMPARE(entriesOf(m_dest + QStringLiteral("/senate")),
             (QStringList{"9s.dbn", "9s.din", "9s.lcr", "9s.rif", "9s.vot"}));
    QCOMPARE(treeFile(QStringLiteral("main/senates.dat")).toHex(' '),
             (QByteArray(32, '\0') + hex("04 00 03 00")).toHex(' '));
    QCOMPARE(treeFile(QStringLiteral("main/houses.dat")).size(), 0);
}

void TestConvert::badInput_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QByteArray>("from"); // empty: append `to` as a new last row
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QString>("message"); // the message after the tables folder

    QTest::newRow("missing column") << "members" << QByteArray("bioname") << QByteArray("bio_name")
                                    << "/house/H097_members.csv:1: the table has no column \"bioname\"";
    QTest::newRow("missing coordinate column") << "members" << QByteArray(",dim2,") << QByteArray(",dim_2,")
                                               << "/house/H097_members.csv:1: the table has no column \"dim2\"";
    QTest::newRow("non-numeric state")
        << "members" << QByteArray("97,House,10717,41,") << QByteArray("97,House,10717,AL,")
        << "/house/H097_members.csv:4: the state code (state_icpsr) field \"AL\" is not a "
           "whole number";
    QTest::newRow("non-numeric coordinate") << "members" << QByteArray("0.25,0.25") << QByteArray("0.25,x")
                                            << "/house/H097_members.csv:6: the dim2 field \"x\" is not a number";
    QTest::newRow("fractional district") << "members" << QByteArray(",2.0,AL") << QByteArray(",2.5,AL")
                                         << "/house/H097_members.csv:4: the district (district_code) field \"2.5\" is "
                                            "not a whole number";
    QTest::newRow("cast code 12") << "votes" << QByteArray("97,House,2,16000,7") << QByteArray("97,House,2,16000,12")
                                  << "/house/H097_votes.csv:9: the cast code (cast_code) 12 is outside 0 to 9";
    QTest::newRow("cast code not a number")
        << "votes" << QByteArray("97,House,2,16000,7") << QByteArray("97,House,2,16000,Y")
        << "/house/H097_votes.csv:9: the cast code (cast_code) field \"Y\" is not a "
           "whole number";
    QTest::newRow("vote of unknown member") << "votes" << QByteArray() << QByteArray("97,House,1,55555,1\n")
                                            << "/house/H097_votes.csv:15: member 55555 is not in the members table";
    QTest::newRow("vote on unknown roll call") << "votes" << QByteArray() << QByteArray("97,House,4,10717,1\n")
                                               << "/house/H097_votes.csv:15: roll call 4 is not in the roll-call table";
    QTest::newRow("member twice") << "members" << QByteArray()
                                  << QByteArray("97,House,15000,82,1,HI,328,\"X, Y\",,,,\n")
                                  << "/house/H097_members.csv:7: member 15000 appears twice in the members table "
                                     "(first on line 5)";
    QTest::newRow("vote twice")
        << "votes" << QByteArray() << QByteArray("97,House,3,16000,6\n")
        << "/house/H097_votes.csv:15: member 16000 votes twice on roll call 3 (first on line 12)";
    QTest::newRow("roll number twice") << "rollcalls" << QByteArray() << QByteArray("97,House,2,,,,1,2,,,,,,,,,,\n")
                                       << "/house/H097_rollcalls.csv:6: roll call 2 appears twice in the roll-call "
                                          "table (first on line 2)";
    QTest::newRow("gap in roll numbers") << "rollcalls" << QByteArray("97,House,3,1981")
                                         << QByteArray("97,House,4,1981")
                                         << "/house/H097_rollcalls.csv: roll call 3 is missing; roll numbers must run "
                                            "from 1 to the number of roll calls without gaps";
    QTest::newRow("another congress") << "rollcalls" << QByteArray("97,House,3,") << QByteArray("98,House,3,")
                                      << "/house/H097_rollcalls.csv:5: the row belongs to congress 98, but the file "
                                         "name says congress 97";
    QTest::newRow("another chamber") << "members" << QByteArray("97,House,15000") << QByteArray("97,Senate,15000")
                                     << "/house/H097_members.csv:5: the row belongs to the chamber \"Senate\", but the "
                                        "file name says the House";
    QTest::newRow("President in a roll-call table")
        << "rollcalls" << QByteArray("97,House,3,") << QByteArray("97,President,3,")
        << "/house/H097_rollcalls.csv:5: the row belongs to the chamber \"President\", but the file name says the "
           "House";
    QTest::newRow("tally beyond 16 bits")
        << "rollcalls" << QByteArray("97,House,2,,,,1,2,") << QByteArray("97,House,2,,,,40000,2,")
        << "/house/H097_rollcalls.csv:2: the yea count (yea_count) 40000 is outside 0 "
           "to 32767";
    QTest::newRow("bad date")
        << "rollcalls" << QByteArray("1981-02-01") << QByteArray("1981-02-30")
        << "/house/H097_rollcalls.csv:5: the date \"1981-02-30\" is not a date written YYYY-MM-DD";
    QTest::newRow("stray quote") << "members" << QByteArray("\"SMITH, John") << QByteArray("\"\"SMITH, John")
                                 << "/house/H097_members.csv:6: text follows the closing quote of a field";
}

void TestConvert::badInput()
{
    QFETCH(QString, table);
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QString, message);
    writeSource(table, from, to);
    try {
        convert();
        QFAIL("the conversion succeeded");
    } catch (const DataError &e) {
        QCOMPARE(e.message(), m_source + message);
    }
    // Nothing at the destination, nothing left next to it.
    QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("tables")});
}

void TestConvert::tableSetFaults_data()
{
    QTest::addColumn<QString>("extraFile"); // written besides the good tables; "-" removes the votes table
    QTest::addColumn<QString>("message");   // after the tables folder
    QTest::newRow("votes table missing") << "-"
                                         << "/house/H097_votes.csv is missing: House 97 needs its members, rollcalls "
                                            "and votes tables";
    QTest::newRow("two spellings of one table")
        << "house/H97_votes.csv"
        << "/house/H097_votes.csv and @/house/H97_votes.csv both hold the votes table of House 97";
    QTest::newRow("members table alone") << "senate/S010_members.csv"
                                         << "/senate/S010_rollcalls.csv is missing: Senate 10 needs its members, "
                                            "rollcalls and votes tables";
}

void TestConvert::tableSetFaults()
{
    QFETCH(QString, extraFile);
    QFETCH(QString, message);
    writeSource();
    TreeBuilder src(m_source);
    if (extraFile == QLatin1String("-"))
        QVERIFY(QFile::remove(src.path(QStringLiteral("house/H097_votes.csv"))));
    else
        src.writeRaw(extraFile, kVotes);
    try {
        convert();
        QFAIL("the conversion succeeded");
    } catch (const DataError &e) {
        QCOMPARE(e.message(), m_source + QString(message).replace(QLatin1String("@"), m_source));
    }
    QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("tables")});

    // A folder without tables is bad data as well.
    QVERIFY(QDir(m_dir->filePath(QStringLiteral("empty"))).mkpath(QStringLiteral("house")));
    QVERIFY_THROWS_EXCEPTION(DataError,
                             TreeConverter(m_dir->filePath(QStringLiteral("empty")), m_dest, ConvertOptions()).run());
}

void TestConvert::destinationRefused_data()
{
    QTest::addColumn<bool>("asFile");
    QTest::newRow("folder with a file") << false;
    QTest::newRow("a file") << true;
}

void TestConvert::destinationRefused()
{
    QFETCH(bool, asFile);
    writeSource();
    if (asFile) {
        TreeBuilder(m_dir->path()).writeRaw(QStringLiteral("tree"), "keep");
    } else {
        TreeBuilder(m_dest).writeRaw(QStringLiteral("notes.txt"), "keep");
    }
    QVERIFY(!TreeConverter::DestinationProblem(m_dest).isEmpty());
    QVERIFY_THROWS_EXCEPTION(DataError, convert());
    QFile kept(asFile ? m_dest : m_dest + QStringLiteral("/notes.txt"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("keep"));
    QVERIFY(!QFileInfo::exists(m_dest + QStringLiteral("/house/97.lcr")));
}

void TestConvert::emptyDestinationFolderIsUsed()
{
    writeSource();
    QVERIFY(QDir().mkpath(m_dest));
    QCOMPARE(TreeConverter::DestinationProblem(m_dest), QString());
    convert();
    QVERIFY(QFileInfo::exists(m_dest + QStringLiteral("/house/97.vot")));
    QCOMPARE(entriesOf(m_dir->path()), (QStringList{"tables", "tree"}));
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
