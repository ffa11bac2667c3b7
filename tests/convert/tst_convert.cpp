// The converter from public roll-call tables to a data tree: table reading, record bytes, shared
// tables, options, and refusal of bad input with nothing left behind; the tree checker: a sound tree
// passes, each planted fault is listed on one line naming its file.
#include "support/TreeBuilder.h"

#include "convert/CsvReader.h"
#include "convert/ReferenceTables.h"
#include "convert/TreeChecker.h"
#include "convert/TreeConverter.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
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
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_source = m_dir->filePath(QStringLiteral("tables"));
        m_dest = m_dir->filePath(QStringLiteral("tree"));
    }

    // Records and the lines they start on, the faults of a table, and its numbers.
    void csv()
    {
        const QList<std::tuple<QByteArray, QString, QList<int>>> good = {
            {"a,b\n\"say \"\"hi\"\"\",\"\"\"\"\n", "say \"hi\"|\"", {2}},
            {"a,b\n\"one\ntwo\",2\n3,4\n", "one\ntwo|2|3|4", {2, 4}},
            {"\357\273\277a,b\r\n1,2\r\n", "1|2", {2}}, // a byte-order mark
            {"a,b\n\n1,2\n\n\n3,4", "1|2|3|4", {3, 6}}};
        for (const auto &[text, fields, lines] : good) {
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
            QCOMPARE(got.join(QLatin1Char('|')), fields);
            QCOMPARE(gotLines, lines);
        }
        const QList<QPair<QByteArray, QString>> bad = {
            {"a,b\n1,2\n3,\"open\n\n", "t.csv:3: a quoted field is not closed"},
            {"a,b\n\"x\"y,2\n", "t.csv:2: text follows the closing quote of a field"},
            {"a,b,c\n1,2,3\n4,5\n", "t.csv:3: the record has 2 fields; the header has 3"},
            {"\n\n", "t.csv:1: the table is empty: a header line is needed"}};
        for (const auto &[text, message] : bad) {
            try {
                CsvReader t(text, QStringLiteral("t.csv"));
                while (t.next()) {
                }
                QFAIL("no error");
            } catch (const DataError &e) {
                QCOMPARE(e.message(), message);
            }
        }
        // The second column keeps a record with an empty first field from being a blank line.
        CsvReader n("x,y\n -3 ,\n,\n1.5,\ninf,\n", QStringLiteral("n.csv"));
        QVERIFY(n.next() && n.integer(0, QStringLiteral("x")) == -3);
        QVERIFY(n.next() && n.real(0, QStringLiteral("x"), 9.0) == 9.0); // empty: the default
        QVERIFY(n.next() && n.real(0, QStringLiteral("x"), 9.0) == 1.5);
        QVERIFY_THROWS_EXCEPTION(DataError, n.integer(0, QStringLiteral("x")));
        QVERIFY(n.next());
        QVERIFY_THROWS_EXCEPTION(DataError, n.real(0, QStringLiteral("x"), 9.0));
    }

    void recordBytes_data()
    {
        QTest::addColumn<bool>("extended");
        QTest::addColumn<bool>("includePresident");
        QTest::addColumn<QByteArray>("votes"); // rows 10717, 15000, 16000, 20500 (and 99907); "0" for no row
        QTest::newRow("standard, members only") << false << false << QByteArray("169110672901");
        QTest::newRow("extended, with the President") << true << true << QByteArray("169110672901691");
    }
    // The first legislator and roll-call records, byte for byte, in both layouts.
    void recordBytes()
    {
        QFETCH(bool, extended);
        QFETCH(bool, includePresident);
        QFETCH(QByteArray, votes);
        writeSource();
        ConvertOptions options;
        options.newDataFormat = extended;
        options.includePresident = includePresident;
        const TreeConverter::Summary s = convert(options);
        QCOMPARE(treeFile(QStringLiteral("house/97.vot")), votes);
        QCOMPARE(s.votes, qint64(votes.size()));
        const QByteArray lcr = treeFile(QStringLiteral("house/97.lcr"));
        const int length = extended ? 62 : 50;
        QCOMPARE(lcr.size(), (includePresident ? 5 : 4) * length);
        QCOMPARE(lcr.mid(lcr.size() - length + 26, 4), QByteArray::fromHex(includePresident ? "43860100" : "14500000"));
        // DICKINSON has the lowest id, so he is record 1.
        QByteArray expected = "DICKINSON   ";
        expected += hex("29 00"       // state 41
                        "02 00"       // district 2, written 2.0 in the table
                        "c8 00"       // party 200
                        "00 00 00 3f" // 0.5
                        "00 00 80 be" // -0.25
                        "dd 29 00 00" // member id 10717
                        "00 00 00 00 00 00 00 00");
        expected += QByteArray(extended ? 24 : 12, '\0'); // no seed points
        QCOMPARE(lcr.left(length).toHex(' '), expected.toHex(' '));

        const QByteArray rif = treeFile(QStringLiteral("house/97.rif"));
        const int slot = extended ? 136 : 110;
        QCOMPARE(rif.size(), 3 * slot);
        expected = QByteArray(extended ? 10 : 8, '\0'); // subject codes 0
        expected += padded("HR1 ON PASSAGE: PROVIDING FOR \"RULES\", AND MORE", 60);
        expected += hex("07 00 00 00 00 00 c0 e5 dc 40" // 5 January 1981: day 29591
                        "02 00 01 00");                 // official tally 2-1 from yea_count, nay_count
        // Votes: codes 1-3 twice, 4-6 once (twice with the President's nay), one other.
        expected += hex(includePresident ? "02 00 02 00 01 00" : "02 00 01 00 01 00");
        expected += hex("00 00 40 3f"   // Spread1 = spread_1 0.75
                        "00 00 00 3e"   // Midpoint1 = mid_1 0.125
                        "00 00 80 be"   // Spread2 = spread_2 -0.25
                        "00 00 00 bf"); // Midpoint2 = mid_2 -0.5
        expected += QByteArray(slot - expected.size(), '\0');
        QCOMPARE(rif.left(slot).toHex(' '), expected.toHex(' '));
        // Whatever the layout, the converted tree passes the checker; checked for the other layout, a
        // standard tree is named for what it is.
        TreeChecker checker(m_dest, extended);
        QCOMPARE(checker.check(), QStringList());
        QCOMPARE((QList<int>{checker.houseCongresses(), checker.senateCongresses()}), (QList<int>{1, 0}));
        if (!extended)
            QCOMPARE(TreeChecker(m_dest, true).check().value(0),
                     QStringLiteral("house/97.lcr: holds 200 bytes; the index's 4 legislators need 248 "
                                    "(62-byte records); the size fits the standard layout of 50-byte records"));
    }
    void legislatorOrderAndNames()
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
        QCOMPARE(names,
                 (QStringList{"DICKINSON   ", "VANDERWESTHU", "SMITH       ", QString::fromUtf8("MARTÍNEZ    ")}));
        QCOMPARE(treeFile(QStringLiteral("house/97.lcr")).mid(150, 12), QByteArray("MART\xCDNEZ    "));
        // Empty coordinates become (0, 0).
        QCOMPARE((QList<float>{ls.at(1).coord1, ls.at(1).coord2, float(ls.at(3).stateCode)}),
                 (QList<float>{0.0f, 0.0f, 92.0f}));

        // Other coordinate columns on request; SMITH has none for the congress alone.
        ConvertOptions options;
        options.coordColumn1 = QStringLiteral("congress_dim1");
        options.coordColumn2 = QStringLiteral("congress_dim2");
        m_dest += QStringLiteral("2");
        convert(options);
        const QList<Legislator> other = ReadLegislators(m_dest + QStringLiteral("/house/97.lcr"), 4, false);
        QCOMPARE((QList<float>{other[0].coord1, other[0].coord2, other[3].coord1, other[2].coord1}),
                 (QList<float>{0.125f, 0.5f, 0.75f, 0.0f}));
    }
    // The roll call without a date, the description files and the index of a converted House.
    void houseFiles()
    {
        writeSource();
        QVERIFY(QDir().mkpath(m_dest)); // an empty folder at the destination is used
        QCOMPARE(TreeConverter::DestinationProblem(m_dest), QString());
        convert();
        QCOMPARE(entriesOf(m_dir->path()), (QStringList{"tables", "tree"}));
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
        QCOMPARE(rif.mid(220 + 8, 60), padded(text3, 60));

        const QByteArray houses = treeFile(QStringLiteral("main/houses.dat"));
        QCOMPARE(houses, QByteArray(960, '\0') + hex("04 00 03 00 00 00 00 00 00 00"));
        QCOMPARE(treeFile(QStringLiteral("main/senates.dat")), QByteArray());
        QVERIFY(QFileInfo::exists(m_dest + QStringLiteral("/main/senates.dat")));
        for (const char *folder : {"house", "senate", "main", "maps", "user"})
            QVERIFY2(QFileInfo(m_dest + QLatin1Char('/') + QLatin1String(folder)).isDir(), folder);
        QCOMPARE(entriesOf(m_dest + QStringLiteral("/user")), QStringList());
        QCOMPARE(entriesOf(m_dest + QStringLiteral("/house")),
                 (QStringList{"97.dbn", "97.din", "97.lcr", "97.rif", "97.vot"}));
    }
    void sharedTables()
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
        QCOMPARE(tokens.find(3)->name, QStringLiteral("Southern Democrat"));
        QCOMPARE(treeFile(QStringLiteral("main/clacodes.dat")).left(29), QByteArray("  1   Government Management\r\n"));
        QCOMPARE(treeFile(QStringLiteral("main/isscodes.dat")),
                 QByteArray("  0   Not coded (no public issue codes)\r\n"));

        const QByteArray prf = treeFile(QStringLiteral("rollscan.prf"));
        QCOMPARE(prf.size(), 270);
        QCOMPARE(prf.mid(60, 2), QByteArray("iu"));
        QCOMPARE(prf.mid(62, 12).toHex(' '), hex("09 00 00 00 0c 00 00 00 08 00 00 00").toHex(' ')); // yea, nay, N/A
        QCOMPARE(prf.mid(124, 2), hex("ff ff"));                                                     // House first
    }
    // Every state of the built-in table, by the code the members tables use.
    void stateTable()
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
    void partyNames()
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
        QCOMPARE(
            parties.records,
            (QList<PartyRecord>{
                {100, "Democratic Party"}, {200, "Republican"}, {328, "Independent, no caucus"}, {777, "Party 777"}}));
    }
    void senateFileNames()
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
        // The House's dates, kept for the 9th Senate, are named by the checker.
        TreeChecker checker(m_dest, false);
        QCOMPARE(checker.check().value(0), QStringLiteral("senate/9s.rif: roll call 1 has the date 1/5/1981 (day "
                                                          "29591), impossible for congress 9 (1805-1806)"));
        QCOMPARE((QList<int>{checker.houseCongresses(), checker.senateCongresses()}), (QList<int>{0, 1}));
    }
    void badInput_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QByteArray>("from"); // empty: append `to` as a new last row
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("message"); // the message after the tables folder

        QTest::newRow("missing column") << "members" << QByteArray("bioname") << QByteArray("bio_name")
                                        << "/house/H097_members.csv:1: the table has no column \"bioname\"";
        QTest::newRow("non-numeric state")
            << "members" << QByteArray("97,House,10717,41,") << QByteArray("97,House,10717,AL,")
            << "/house/H097_members.csv:4: the state code (state_icpsr) field \"AL\" is not a "
               "whole number";
        QTest::newRow("cast code 12") << "votes" << QByteArray("97,House,2,16000,7")
                                      << QByteArray("97,House,2,16000,12")
                                      << "/house/H097_votes.csv:9: the cast code (cast_code) 12 is outside 0 to 9";
        QTest::newRow("vote of unknown member") << "votes" << QByteArray() << QByteArray("97,House,1,55555,1\n")
                                                << "/house/H097_votes.csv:15: member 55555 is not in the members table";
        QTest::newRow("member twice") << "members" << QByteArray()
                                      << QByteArray("97,House,15000,82,1,HI,328,\"X, Y\",,,,\n")
                                      << "/house/H097_members.csv:7: member 15000 appears twice in the members table "
                                         "(first on line 5)";
        QTest::newRow("gap in roll numbers")
            << "rollcalls" << QByteArray("97,House,3,1981") << QByteArray("97,House,4,1981")
            << "/house/H097_rollcalls.csv: roll call 3 is missing; roll numbers must run "
               "from 1 to the number of roll calls without gaps";
        QTest::newRow("another congress")
            << "rollcalls" << QByteArray("97,House,3,") << QByteArray("98,House,3,")
            << "/house/H097_rollcalls.csv:5: the row belongs to congress 98, but the file "
               "name says congress 97";
        QTest::newRow("tally beyond 16 bits")
            << "rollcalls" << QByteArray("97,House,2,,,,1,2,") << QByteArray("97,House,2,,,,40000,2,")
            << "/house/H097_rollcalls.csv:2: the yea count (yea_count) 40000 is outside 0 "
               "to 32767";
        QTest::newRow("bad date")
            << "rollcalls" << QByteArray("1981-02-01") << QByteArray("1981-02-30")
            << "/house/H097_rollcalls.csv:5: the date \"1981-02-30\" is not a date written YYYY-MM-DD";
    }
    void badInput()
    {
        QFETCH(QString, table);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, message);
        writeSource(table, from, to);
        QCOMPARE(refusal(), m_source + message);
        // Nothing at the destination, nothing left next to it.
        QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("tables")});
    }
    // A missing table or one table spelled twice is refused, and nothing is left behind.
    void tableSetFaults()
    {
        writeSource();
        TreeBuilder(m_source).writeRaw(QStringLiteral("house/H97_votes.csv"), kVotes);
        QCOMPARE(refusal(), m_source + "/house/H097_votes.csv and " + m_source +
                                "/house/H97_votes.csv both hold the votes table of House 97");
        QVERIFY(QFile::remove(m_source + QStringLiteral("/house/H97_votes.csv")));
        QVERIFY(QFile::remove(m_source + QStringLiteral("/house/H097_votes.csv")));
        QCOMPARE(refusal(), m_source + "/house/H097_votes.csv is missing: House 97 needs its members, rollcalls "
                                       "and votes tables");
        QCOMPARE(entriesOf(m_dir->path()), QStringList{QStringLiteral("tables")});
    }
    void destination_data()
    {
        QTest::addColumn<QString>("kept"); // what is already there: a file and its path
        QTest::newRow("folder with a file") << "tree/notes.txt";
        QTest::newRow("a file") << "tree";
    }
    void destination()
    {
        QFETCH(QString, kept);
        writeSource();
        QVERIFY(QDir().mkpath(QFileInfo(m_dir->filePath(kept)).path()));
        WriteWholeFile(m_dir->filePath(kept), "keep");
        QVERIFY(!TreeConverter::DestinationProblem(m_dest).isEmpty());
        QVERIFY_THROWS_EXCEPTION(DataError, convert());
        QCOMPARE(ReadWholeFile(m_dir->filePath(kept)), QByteArray("keep"));
        QVERIFY(!QFileInfo::exists(m_dest + QStringLiteral("/house/97.lcr")));
    }
    // The checker on a converted tree with one fault planted: the first line it lists.
    void plantedFault_data()
    {
        QTest::addColumn<QString>("file"); // "user": the folder is removed
        QTest::addColumn<int>("at");       // where `value` is written, little-endian
        QTest::addColumn<int>("width");    // 0: the file is cut at `at`
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("fault");
        QTest::newRow("short legislator file")
            << "house/97.lcr" << 100 << 0 << 0
            << "house/97.lcr: holds 100 bytes; the index's 4 legislators need 200 (50-byte records)";
        QTest::newRow("member ids out of order") << "house/97.lcr" << 50 + 26 << 4 << 5
                                                 << "house/97.lcr: record 2 (VANDERWESTHU) has member id 5, not above "
                                                    "the 10717 of the record before; member ids must ascend";
        QTest::newRow("unknown state")
            << "house/97.lcr" << 100 + 12 << 2 << 90
            << "house/97.lcr: record 3 (SMITH) has state code 90, which state.dat does not name";
        QTest::newRow("party without symbol") << "house/97.lcr" << 16 << 2 << 602
                                              << "house/97.lcr: record 1 (DICKINSON) has party code 602, which has no "
                                                 "plot symbol; the ideological map cannot show this congress";
        QTest::newRow("vote that is not a digit")
            << "house/97.vot" << 4 << 1 << int('x')
            << "house/97.vot: the vote of legislator 2 on roll call 2 (byte 5) is not a digit";
        // The third text starts at byte 194 of 97.dbn, after texts of 133 and 60 bytes.
        QTest::newRow("text past the end")
            << "house/97.dbn" << 193 + 58 << 2 << 500
            << "house/97.din: the text of roll call 3 (position 194, length 500) runs past the end of 97.dbn";
        QTest::newRow("index counts a congress without files")
            << "main/houses.dat" << 40 << 4 << (3 << 16 | 2)
            << "house/5.lcr: is missing; the index counts 2 legislators and 3 roll calls for congress 5";
        QTest::newRow("empty issue codes")
            << "main/isscodes.dat" << 0 << 0 << 0
            << "main/isscodes.dat: is empty; a subject-code list holds at least one line";
        QTest::newRow("no user folder") << "user" << 0 << 0 << 0 << "user: the folder is missing";
    }
    void plantedFault()
    {
        QFETCH(QString, file);
        QFETCH(int, at);
        QFETCH(int, width);
        QFETCH(int, value);
        writeSource();
        convert();
        if (file == QLatin1String("user")) {
            QVERIFY(QDir(m_dest).rmdir(file));
        } else {
            QByteArray bytes = treeFile(file);
            if (width == 0)
                bytes.truncate(at);
            for (int i = 0; i < width; ++i)
                bytes[at + i] = char(value >> (8 * i));
            WriteWholeFile(m_dest + QLatin1Char('/') + file, bytes);
        }
        QTEST(TreeChecker(m_dest, false).check().value(0), "fault");
    }
    void faultsPerFileAreCapped()
    {
        writeSource();
        convert();
        WriteWholeFile(m_dest + QStringLiteral("/house/97.vot"), QByteArray(12, 'x'));
        const QStringList faults = TreeChecker(m_dest, false).check();
        QCOMPARE(faults.size(), TreeChecker::kFaultsPerFile + 1);
        QCOMPARE(faults.at(9),
                 QStringLiteral("house/97.vot: the vote of legislator 4 on roll call 1 (byte 10) is not a digit"));
        QCOMPARE(faults.last(), QStringLiteral("house/97.vot: ... and 2 more faults"));
    }

private:
    // Writes the source tables of House 97, with `replace` applied to the named table.
    void writeSource(const QString &table = {}, const QByteArray &from = {}, const QByteArray &to = {});
    TreeConverter::Summary convert(const ConvertOptions &options = {});
    QString refusal(); // the message of the error a conversion raises
    QByteArray treeFile(const QString &relative) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_source, m_dest;
};

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

QString TestConvert::refusal()
{
    try {
        convert();
    } catch (const DataError &e) {
        return e.message();
    }
    return QStringLiteral("the conversion succeeded");
}

QByteArray TestConvert::treeFile(const QString &relative) const
{
    return ReadWholeFile(m_dest + QLatin1Char('/') + relative);
}

QTEST_GUILESS_MAIN(TestConvert)
#include "tst_convert.moc"
