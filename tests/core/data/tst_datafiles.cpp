// Round trips, byte layouts and edge cases of the congress data files, the preferences record and the
// weight file; and saves that fail on the disk, each run in a child process: a file-size limit reached
// half-way, a read-only folder, a missing folder, a folder in the file's place. Each writer the user
// reaches reports the error with the file's path, leaves the old file as it was and leaves nothing
// half-written beside it.
#include "support/TreeBuilder.h"

#include "core/app/Session.h"
#include "core/attach/AttachmentNote.h"
#include "core/data/CongressIndex.h"
#include "core/data/Cp1252.h"
#include "core/data/DataTree.h"
#include "core/data/Dates.h"
#include "core/data/Description.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/Legislator.h"
#include "core/data/PartySymbol.h"
#include "core/data/Preferences.h"
#include "core/data/RollCall.h"
#include "core/data/ScalingFile.h"
#include "core/data/VoteMatrix.h"
#include "core/ideology/ReportLine.h"
#include "core/report/RollCallText.h"
#include "core/report/Spreadsheet.h"
#include "core/search/BookmarkFile.h"
#include "core/search/RollCallSearch.h"
#include "core/search/SelectionQueue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <csignal>
#include <functional>
#include <limits>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using namespace rollscan;
using rollscan::test::CongressData;
using rollscan::test::TreeBuilder;

namespace {
// A record as the format lays it out: version 1, the weight as float64, two 20-byte names.
QByteArray record(qint16 version, double weight, const QByteArray &c1 = "dim1", const QByteArray &c2 = "dim2")
{
    QByteArray out(50, ' ');
    qToLittleEndian<qint16>(version, out.data());
    qToLittleEndian<double>(weight, out.data() + 2);
    out.replace(10, c1.size(), c1);
    out.replace(30, c2.size(), c2);
    return out;
}
// Every writer the user can point at a failing disk: a fixed record, an addition to an existing file,
// a report, a report built from the session, a spreadsheet, a note in its own encoding.
enum class Writer { Preferences, BookmarkAppend, Report, RollCallText, Spreadsheet, Note };
enum class Fault { SizeLimit, ReadOnlyFolder, MissingFolder, FolderInPlace };

BookmarkEntry bookmark(int rollCall)
{
    const TaggedDate day = TaggedDate::FromDate(QDate(1981, 2, rollCall));
    return {true, 97, qint16(rollCall), day, QStringLiteral("VOTE %1").arg(rollCall), 2, 1};
}

// A tree with the 97th House (30 members, 5 roll calls) and a session whose queue holds all five.
struct Fixture {
    QTemporaryDir dir;
    TreeBuilder tree{dir.filePath(QStringLiteral("tree"))};
    Session session{dir.filePath(QStringLiteral("tree"))};

    Fixture()
    {
        tree.writeStandardTables();
        CongressData d;
        for (int i = 0; i < 30; ++i) {
            d.legislators.append(
                TreeBuilder::legislator(QStringLiteral("MEMBER%1").arg(i), 41, i + 1, 100, 0.1f, 0.2f, 1000 + i));
            d.voteRows.append(QStringLiteral("16161"));
        }
        for (int r = 1; r <= 5; ++r)
            d.rollCalls.append(TreeBuilder::rollCall(QStringLiteral("VOTE %1").arg(r), QDate(1981, 2, r), 15, 15));
        tree.addCongress(true, 97, d);
        tree.writeIndexes();
        session.newDataFormat = false;
        session.selectedCongresses = {97};
        RunSearch(session, {});
        session.queue.addAll(session.MatchTable);
        session.queue.setCurrentQueuePos(1);
    }
};

// What the file holds before the save; a bookmark writer needs a bookmark file to add to.
QByteArray oldContent(Writer w)
{
    if (w == Writer::BookmarkAppend)
        return BookmarkFile::EncodeRecord(bookmark(1), true);
    return QByteArrayLiteral("the old file\r\n");
}

void save(Writer w, Fixture &f, const QString &path)
{
    switch (w) {
    case Writer::Preferences:
        TreeBuilder::standardPreferences().write(path);
        break;
    case Writer::BookmarkAppend:
        BookmarkFile::Append(path, {bookmark(2), bookmark(3)});
        break;
    case Writer::Report:
        WriteReportFile(path, TitleLines(QStringLiteral("Rollscan for Windows Roll Call Information")));
        break;
    case Writer::RollCallText:
        SaveRollCallText(f.session, path);
        break;
    case Writer::Spreadsheet:
        WriteSpreadsheet(f.session, path, true);
        break;
    case Writer::Note:
        AttachmentNote::FromBytes(oldContent(w)).save(path, QStringLiteral("A note longer than the limit\nallows."));
        break;
    }
}

struct Outcome {
    bool reported = false;
    int number = 0;
    QString path;
};

// Runs the save in a child process, which sends back the file error it caught; under `sizeLimit` the
// child's files may not grow past 16 bytes, so the write fails part-way.
Outcome attempt(Writer w, Fixture &f, const QString &path, bool sizeLimit)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        const rlimit limit{16, 16};
        if (sizeLimit && setrlimit(RLIMIT_FSIZE, &limit) == 0)
            signal(SIGXFSZ, SIG_IGN);
        int code = 3;
        QByteArray message;
        try {
            save(w, f, path);
        } catch (const FileError &e) {
            message = QByteArray::number(e.number()) + '\t' + QFile::encodeName(e.path());
            code = 0;
        } catch (...) {
            code = 4;
        }
        if (!message.isEmpty() && write(fds[1], message.constData(), size_t(message.size())) < 0)
            code = 5;
        close(fds[1]);
        _exit(code);
    }
    close(fds[1]);
    QByteArray reply;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        reply.append(buffer, n);
    close(fds[0]);
    int status = -1;
    waitpid(child, &status, 0);
    Outcome o;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return o;
    o.reported = true;
    const qsizetype tab = reply.indexOf('\t');
    o.number = reply.left(tab).toInt();
    o.path = QFile::decodeName(reply.mid(tab + 1));
    return o;
}

} // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    // Congress file names, found under any spelling of the tree's folders and files.
    void fileNames()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        QCOMPARE(CongressFileName(root, false, 9, ".lcr"), root + "/senate/9s.lcr");
        QCOMPARE(CongressFileName(root, true, 100, ".vot"), root + "/house/100.vot");
        QDir(root).mkpath("HOUSE");
        QDir(root).mkpath("Main");
        WriteWholeFile(root + "/HOUSE/97.LCR", "x");
        WriteWholeFile(root + "/Main/State.dat", "y");
        QCOMPARE(CongressFileName(root, true, 97, ".lcr"), root + "/HOUSE/97.LCR");
        QCOMPARE(DataFileName(root, kMainDir, "state.dat"), root + "/Main/State.dat");
        // A name that exists under no spelling keeps the spelling asked for, so it can be created.
        QCOMPARE(DataFileName(root, kUserDir, "a.bmk"), root + "/user/a.bmk");
    }
    void index()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        tree.setCounts(true, 97, {437, 353, 435, 7, 900});
        tree.setCounts(false, 97, {101, 497});
        tree.writeIndexes();
        const QByteArray house = tree.readRaw("main/houses.dat");
        QCOMPARE(house.size(), 970);
        QCOMPARE(house.mid(960), QByteArray::fromHex("b5016101b30107008403"));
        QCOMPARE(tree.readRaw("main/senates.dat").mid(384), QByteArray::fromHex("6500f101"));
        const CongressCounts counts = LoadCongressCounts(dir.path(), true, 97);
        QCOMPARE((QList<int>{counts.legislatorCount, counts.rollCallCount}), (QList<int>{437, 353}));
        // Reserved bytes 6-7 of a record are carried, not interpreted.
        const QString path = dir.path() + "/houses.dat";
        QList<CongressCounts> records = {{1, 2, 3, -5, 4}, {10, 20, 30, 12345, 40}};
        WriteCongressIndex(path, true, records);
        QCOMPARE(ReadCongressIndex(path, true), records);
        QCOMPARE(ReadWholeFile(path).mid(16, 2), QByteArray::fromHex("3930")); // 12345
    }
    void legislatorLayout()
    {
        Legislator l = TreeBuilder::legislator("O'NEILL", 3, 8, 100, 0.5f, -0.25f, 10700, 4);
        l.reserved1 = 5;
        l.reserved2 = 6;
        l.seedCount = 2;
        l.seedX = {101, 102, 103};
        l.seedY = {-201, 202, 203};
        l.recordNumber = 1;
        Legislator second = TreeBuilder::legislator("SMITH", 41, 1, 200, -0.1f, 0.9f, 99999);
        second.recordNumber = 2;
        // Name, state, district, party, coordinates 0.5 and -0.25, ids 10700 and 4, the two reserved
        // words, then the seed count and three seed points as x, y pairs; an extended record adds 12 zeros.
        const QByteArray expected =
            "O'NEILL     " + QByteArray::fromHex("0300 0800 6400 0000003f 000080be cc290000 0400 "
                                                 "0500 0600 0200 6500 37ff 6600 ca00 6700 cb00");
        QTemporaryDir dir;
        for (const bool extended : {false, true}) {
            QCOMPARE(EncodeLegislator(l, extended).toHex(' '),
                     (expected + QByteArray(extended ? 12 : 0, '\0')).toHex(' '));
            const QString path = dir.filePath(extended ? "62.lcr" : "50.lcr");
            WriteLegislators(path, {l, second}, extended);
            QCOMPARE(ReadLegislators(path, 2, extended), (QList<Legislator>{l, second}));
        }
        // The reserved bytes of an extended record are skipped: it reads like the standard record.
        QByteArray ext = EncodeLegislator(l, true);
        ext.replace(50, 12, QByteArray("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c", 12));
        WriteWholeFile(dir.path() + "/ext.lcr", ext);
        QCOMPARE(ReadLegislators(dir.path() + "/ext.lcr", 1, true).value(0), l);
        QCOMPARE(ToOldLegislator(ext), EncodeLegislator(l, false));
    }
    void votes()
    {
        // Three roll calls: legislator 2's vote on roll call 1 is byte 4 (offset 3); a byte that is not a
        // digit is code 0.
        QCOMPARE(VoteMatrix::Offset(2, 1, 3), qint64(3));
        const VoteMatrix v = VoteMatrix::FromBytes("169613999", 3, 3, "x.vot");
        QCOMPARE((QList<int>{v.vote(2, 1), v.vote(1, 3), v.vote(3, 2), v.vote(2, 3)}), (QList<int>{6, 9, 9, 3}));
        const VoteMatrix odd = VoteMatrix::FromBytes(QByteArray("1 x\0", 4), 1, 4, "x.vot");
        QCOMPARE((QList<int>{odd.vote(1, 1), odd.vote(1, 2), odd.vote(1, 3), odd.vote(1, 4)}),
                 (QList<int>{1, 0, 0, 0}));
    }
    // Codes 1 to 3 are yeas, 4 to 6 nays, each code with its label.
    void voteCodeClasses()
    {
        const char *labels[] = {"Not Mem:", "Yes:", "Pair Yes:", "Ann. Yes:", "Ann. No:",
                                "Pair No:", "No:",  "[blank]:",  "Present:",  "Not Voting:"};
        for (int code = 0; code <= 9; ++code) {
            QCOMPARE(IsYeaCode(code), code >= 1 && code <= 3);
            QCOMPARE(IsNayCode(code), code >= 4 && code <= 6);
            QCOMPARE(VoteCodeLabel(code), QLatin1String(labels[code]));
        }
    }
    void partySymbolIndex_data()
    {
        QTest::addColumn<int>("party");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("congress");
        QTest::addColumn<int>("expected");
        // Every entry of the symbol table, as "index:codes".
        const QString table = QStringLiteral(
            "1:1 2:200 3:500 4:328,329,331,603 6:29 7:101 8:46,48 9:117,118 10:37,203,204,206,4444 11:212 "
            "12:300,301,302,303,304,305,306,307,308 13:340 14:108,208,402,403 15:401 16:9 17:11 18:12 19:13 20:25,214 "
            "21:112,1116 22:537 23:213,370,985 24:40,353,354,1060 "
            "25:10,14,28,34,36,41,104,105,110,119,202,215,333,336,337,3333 26:9000 27:310,4000 28:5000 "
            "29:114,555,1346,7000 30:22,1275,8000,8888 31:6000,7777 32:43,44 33:26 34:326 35:355,356,522 36:380 "
            "37:347 38:1111");
        for (const QString &entry : table.split(QLatin1Char(' ')))
            for (const QString &code : entry.section(QLatin1Char(':'), 1).split(QLatin1Char(',')))
                QTest::addRow("party %s", qPrintable(code))
                    << code.toInt() << 1 << 50 << entry.section(':', 0, 0).toInt();
        for (int party : {0, -1, 2, 299, 309, 602, 99999})
            QTest::addRow("party %d undefined", party) << party << 1 << 50 << kUndefinedParty;
        // Party 100: the southern symbol from congress 25 on, in the southern states only.
        const QList<int> southern = {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 51, 53, 54};
        for (int state = 1; state <= 82; ++state) {
            QTest::addRow("100 state %d congress 25", state)
                << 100 << state << 25 << (southern.contains(state) ? 3 : 5);
            QTest::addRow("100 state %d congress 24", state) << 100 << state << 24 << 5;
        }
    }
    void partySymbolIndex()
    {
        QFETCH(int, party);
        QFETCH(int, state);
        QFETCH(int, congress);
        QFETCH(int, expected);
        QCOMPARE(PartySymbolIndex(party, state, congress), expected);
        if (party == 100 && congress >= 25)
            QCOMPARE(IsSouthernState(state), expected == 3);
    }
    void rollCallLayout()
    {
        RollCall rc = TreeBuilder::rollCall("ELECTION OF THE SPEAKER", QDate(1981, 1, 5), 233, 202, 0.698f, 0.076f,
                                            -0.643f, 0.208f);
        rc.issueCode = 11;
        rc.clausenCode = 3;
        rc.peltzmanCode1 = 4;
        rc.peltzmanCode2 = 5;
        rc.infoYea = 240;
        rc.infoNay = 205;
        rc.infoNotVoting = 3;
        QTemporaryDir dir;
        // The codes: issue, (second issue,) Clausen, Peltzman 1 and 2; after the cutting-line parameters,
        // the extended record's 24 reserved bytes.
        for (const auto &[extended, codes, tail] :
             {std::tuple{false, QByteArray::fromHex("0b00 0300 0400 0500"), QByteArray(6, '\0')},
              {true, QByteArray::fromHex("0b00 1600 0300 0400 0500"), QByteArray(24, '\x5a') + QByteArray(6, '\0')}}) {
            rc.issueCode2 = extended ? 22 : 0;
            rc.extendedReserved = extended ? QByteArray(24, '\x5a') : QByteArray();
            // Date tag 7 and day 29591, tallies 233-202, the information counts 240, 205 and 3, then
            // Spread1 0.698, Midpoint1 0.076, Spread2 -0.643, Midpoint2 0.208.
            const QByteArray expected = codes + QByteArray("ELECTION OF THE SPEAKER").leftJustified(60, ' ') +
                                        QByteArray::fromHex("0700 00000000c0e5dc40 e900 ca00 f000 cd00 0300 21b0323f "
                                                            "e3a59b3d a69b24bf f4fd543e") +
                                        tail;
            QCOMPARE(EncodeRollCall(rc, extended).toHex(' '), expected.toHex(' '));
            QCOMPARE(RollCallRecordLength(extended), int(expected.size()));

            const QString path = dir.filePath(extended ? "136.rif" : "110.rif");
            RollCall second = TreeBuilder::rollCall("NO DATE", QDate(), 1, 2);
            if (extended)
                second.extendedReserved = QByteArray(24, '\0'); // what a record written without them reads back
            WriteRollCalls(path, {rc, second}, extended);
            QCOMPARE(ReadRollCalls(path, 2, extended), (QList<RollCall>{rc, second}));
        }
    }
    void textDateAndOldLayout()
    {
        // A text date moves the later fields; one that would push them out of the slot is refused.
        RollCall rc = TreeBuilder::rollCall("X", QDate(), 7, 8);
        rc.date = TaggedDate::FromText("MAY 1850");
        const QByteArray b = EncodeRollCall(rc, false);
        QCOMPARE(b.mid(68, 16), QByteArray("\x08\x00\x08\x00MAY 1850\x07\x00\x08\x00", 16));
        QCOMPARE(EncodeRollCall(TreeBuilder::rollCall("Y", QDate(), 5, 6), false).mid(70, 4),
                 QByteArray("\x00\x00\x05\x00", 4));
        rc.date = TaggedDate::FromText(QString(13, 'A'));
        QVERIFY_THROWS_EXCEPTION(DataError, EncodeRollCall(rc, false));
        // The old layout drops the second issue code and the reserved bytes.
        RollCall ext = TreeBuilder::rollCall("A", QDate(2000, 2, 29), 1, 2);
        ext.issueCode = 5;
        ext.issueCode2 = 6;
        ext.extendedReserved = QByteArray(24, '\x01');
        const RollCall old = ToOldRollCall(ext);
        QCOMPARE(old.issueCode, qint16(5));
        QCOMPARE(old.issueCode2, qint16(0));
        QVERIFY(old.extendedReserved.isEmpty());
        QCOMPARE(EncodeRollCall(old, false), EncodeRollCall(ext, false));
    }
    void descriptions()
    {
        QTemporaryDir dir;
        Description d;
        d.header = {"H.R. 1", "PASSED", "ON", "PASSAGE", "ELECTION"};
        d.text = "(A BILL)";
        Description second;
        second.text = QString::fromUtf8("caf\u00e9 \u2019q\u2019");
        WriteDescriptions(dir.path() + "/1.din", dir.path() + "/1.dbn", {d, second});
        const QByteArray din = ReadWholeFile(dir.path() + "/1.din");
        const QByteArray dbn = ReadWholeFile(dir.path() + "/1.dbn");
        QCOMPARE(din, QByteArray::fromHex("01000000 45000000")); // positions 1 and 69: 1-based
        QCOMPARE(dbn.left(60),
                 QByteArray("H.R. 1       PASSED     ON     PASSAGE ELECTION           ") + QByteArray("\x08\x00", 2));
        QCOMPARE(dbn.mid(60, 8), QByteArray("(A BILL)"));
        QCOMPARE(dbn.mid(128), QByteArray("caf\xe9 \x92q\x92"));
        QCOMPARE(dbn.size(), 68 + 68);
        Description expected;
        expected.header = {"H.R. 1       ", "PASSED     ", "ON     ", "PASSAGE ", "ELECTION           "};
        expected.text = "(A BILL)";
        QCOMPARE(ReadDescriptionFiles(dir.path() + "/1.din", dir.path() + "/1.dbn", 1), expected);
        QCOMPARE(ReadAllDescriptions(dir.path() + "/1.din", dir.path() + "/1.dbn", 2).value(1).text, second.text);
    }
    void tablesRoundTrip()
    {
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        tree.writeStandardTables();
        const StateTable states = StateTable::Read(tree.path("main/state.dat"));
        QCOMPARE(states.records, TreeBuilder::standardStates());
        QCOMPARE(states.name(41), QString("ALABAMA"));
        QCOMPARE(tree.readRaw("main/state.dat").mid(40 * 19, 19), QByteArray("ALABAMA        AL\0\0", 19));
        QCOMPARE(states.name(82), QString("HAWAII")); // the last record is found too
        QVERIFY_THROWS_EXCEPTION(FileError, states.name(83));
        QVERIFY_THROWS_EXCEPTION(FileError, states.name(0));
        const PartyTable parties = PartyTable::Read(tree.path("main/party.dat"));
        QCOMPARE(parties.records, TreeBuilder::standardParties());
        QCOMPARE(parties.name(29), QString("Whig"));
        QCOMPARE(parties.name(602), QString());
        const TokenTable tokens = TokenTable::Read(tree.path("main/token.dat"));
        QCOMPARE(tokens.records, TreeBuilder::standardTokens());
        QCOMPARE(tokens.find(38)->symbol, QChar('c'));
        QVERIFY(tokens.find(39) == nullptr);
        QCOMPARE(tree.readRaw("main/token.dat").left(3), QByteArray("F\x01\x00", 3));

        // Only the first 100 party records are used.
        PartyTable many;
        for (int i = 1; i <= 120; ++i)
            many.records.append({qint16(i), QString("P%1").arg(i)});
        many.write(dir.path() + "/many.dat");
        QCOMPARE(PartyTable::Read(dir.path() + "/many.dat").records.size(), 100);
    }
    void cp1252_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("unicode");
        // Bytes 0x80 to 0x9F, where the code page differs from Latin-1; undefined bytes keep their number.
        const QString high =
            QStringLiteral("20AC 0081 201A 0192 201E 2026 2020 2021 02C6 2030 0160 2039 0152 008D 017D 008F "
                           "0090 2018 2019 201C 201D 2022 2013 2014 02DC 2122 0161 203A 0153 009D 017E 0178");
        const QStringList points = high.split(QLatin1Char(' '));
        for (int i = 0; i < 32; ++i)
            QTest::addRow("0x%X", 0x80 + i) << 0x80 + i << points[i].toInt(nullptr, 16);
        for (int b : {0x00, 0x41, 0x7F, 0xA0, 0xC9, 0xE9, 0xFF})
            QTest::addRow("0x%X", b) << b << b;
    }
    void cp1252()
    {
        QFETCH(int, byte);
        QFETCH(int, unicode);
        const QByteArray bytes(1, char(byte));
        const QString text = QString(QChar(char16_t(unicode)));
        QCOMPARE(DecodeCp1252(bytes), text);
        QCOMPARE(DecodeCp1252(QByteArray("A") + bytes + "z"), QStringLiteral("A") + text + QStringLiteral("z"));
        QCOMPARE(EncodeCp1252(text), bytes);
        if (byte == 0x41) {
            QCOMPARE(EncodeCp1252(QString::fromUtf8("\u4e2d")), QByteArray("?"));
            QCOMPARE(EncodeFixedText("ABCDEFGHIJKLMN", 12), QByteArray("ABCDEFGHIJKL"));
            QCOMPARE(EncodeFixedText("AB", 4), QByteArray("AB  "));
        }
    }
    // A serial day, its date and the long, numeric and short-year texts: a day, one with a time, the first
    // congress, a negative day with a time; no roll call is older than 1789, so such a day is shown as no
    // date, as is what is not a number.
    void dates()
    {
        const QList<std::tuple<double, QDate, QStringList>> cases = {
            {29591.0, QDate(1981, 1, 5), {"January 5, 1981", "1/5/1981", "1/5/81"}},
            {39086.75, QDate(2007, 1, 4), {"January 4, 2007", "1/4/2007", "1/4/07"}},
            {-40477.0, QDate(1789, 3, 4), {"March 4, 1789", "3/4/1789", "3/4/89"}},
            {-1.5, QDate(1899, 12, 29), {"December 29, 1899", "12/29/1899", "12/29/99"}},
            {-40540.0, QDate(), {"", "", ""}},
            {-40539.0, QDate(1789, 1, 1), {"January 1, 1789", "1/1/1789", "1/1/89"}},
            {std::nan(""), QDate(), {"", "", ""}},
            {-HUGE_VAL, QDate(), {"", "", ""}}};
        for (const auto &[serial, date, texts] : cases) {
            QCOMPARE(DateFromSerial(serial), date);
            QCOMPARE((QStringList{FormatLongDate(date), FormatNumericDate(date), FormatShortYearDate(date)}), texts);
            if (date.isValid() && serial == std::trunc(serial))
                QCOMPARE(SerialFromDate(date), serial);
        }
        QCOMPARE(CongressFirstYear(97), 1981);
        QCOMPARE(CongressSecondYear(1), 1790);
    }
    // Every reader, fed a damaged file, raises a file error that names the file and never reads past it.
    void badInputs_data()
    {
        QTest::addColumn<QString>("file"); // relative path of the damaged file, which says the reader
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<QString>("named"); // the file the error names, when it is another

        const QByteArray leg = EncodeLegislator(TreeBuilder::legislator("A", 1, 1, 100, 0, 0, 1), false);
        QTest::newRow("truncated legislator file") << "house/97.lcr" << (leg + leg.left(49)) << 62 << "";
        QTest::newRow("truncated roll-call file") << "house/97.rif" << QByteArray(150, '\0') << 62 << "";
        QByteArray badTag = EncodeRollCall(TreeBuilder::rollCall("A", QDate(1981, 1, 5), 1, 0), false);
        badTag.append(badTag);
        badTag[110 + 68] = 9;
        QTest::newRow("date tag 9") << "house/97.rif" << badTag << 321 << "";
        QByteArray longText = EncodeRollCall(TreeBuilder::rollCall("A", QDate(), 1, 0), false);
        longText.append(longText);
        longText[110 + 70] = 100; // a text date of 100 characters cannot fit the slot
        QTest::newRow("text date too long") << "house/97.rif" << longText << 321 << "";
        QByteArray negative(10 * 97, '\0');
        negative[960] = '\xff';
        negative[961] = '\xff';
        QTest::newRow("negative legislator count") << "main/houses.dat" << negative << 321 << "";
        QByteArray din(8, '\0');
        qToLittleEndian<qint32>(1, din.data());
        qToLittleEndian<qint32>(5000, din.data() + 4);
        QTest::newRow("description position outside dbn") << "house/97.din" << din << 62 << "house/97.dbn";
        QTest::newRow("state table cut") << "main/state.dat" << QByteArray(20, ' ') << 62 << "";
        QTest::newRow("token table under 38") << "main/token.dat" << QByteArray(33 * 37, ' ') << 62 << "";
        QTest::newRow("short preferences") << "rollscan.prf" << QByteArray(269, '\0') << 62 << "";
    }
    void badInputs()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, named);
        QTemporaryDir dir;
        TreeBuilder tree(dir.path());
        tree.writeStandardTables();
        test::CongressData data;
        data.legislators = {TreeBuilder::legislator("A", 1, 1, 100, 0, 0, 1),
                            TreeBuilder::legislator("B", 2, 1, 200, 0, 0, 2)};
        data.rollCalls = {TreeBuilder::rollCall("ONE", QDate(1981, 1, 5), 1, 0),
                          TreeBuilder::rollCall("TWO", QDate(), 0, 1)};
        data.voteRows = {"16", "61"};
        tree.addCongress(true, 97, data);
        tree.writeIndexes();
        tree.writeRaw(file, bytes);
        const QMap<QString, std::function<void()>> readers = {
            {"house/97.lcr", [&] { ReadLegislators(tree.path(file), 2, false); }},
            {"house/97.rif", [&] { ReadRollCalls(tree.path(file), 2, false); }},
            {"main/houses.dat", [&] { LoadCongressCounts(dir.path(), true, 97); }},
            {"house/97.din", [&] { ReadDescription(dir.path(), true, 97, 2); }},
            {"main/state.dat", [&] { StateTable::Read(tree.path(file)); }},
            {"main/token.dat", [&] { TokenTable::Read(tree.path(file)); }},
            {"rollscan.prf", [&] { Preferences::Read(tree.path(file)); }}};
        try {
            readers.value(file)();
            QFAIL("no error raised");
        } catch (const FileError &e) {
            QTEST(e.number(), "errorNumber");
            QCOMPARE(e.path(), tree.path(named.isEmpty() ? file : named));
            QVERIFY(!e.sentence().isEmpty());
        }
    }
    void errorSentences()
    {
        // Every number has words of its own; only numbers nothing raises fall back.
        const QList<std::pair<int, const char *>> sentences = {
            {52, "That file name is illegal or doesn't exist."},
            {53, "That file doesn't exist."},
            {54, "Can't open your file for that type of access."},
            {55, "This file is already open."},
            {57, "Internal disk error."},
            {61, "Disk is full. Free some room and try again."},
            {62, "This file has a non-standard end-of-file marker, or an attempt was made to read beyound the "
                 "end-of-file marker."},
            {64, "That file name is illegal or doesn't exist."},
            {68, "That drive is not available."},
            {70, "You don't have permission to use that file."},
            {71, "Insert a disk in the drive and close the door."},
            {75, "That file or folder can't be used."},
            {76, "That path doesn't exist."},
            {321, "That file is damaged or is not a Rollscan data file."},
            {322, "That file is not a bookmark file."},
            {99, "Unrecognized error #99 (Application-defined or object-defined error) has occurred."}};
        for (const auto &[number, text] : sentences)
            QCOMPARE(FileError(number, QString()).sentence(), QString(text));
    }
    void colourTable()
    {
        const QStringList table =
            QStringLiteral("Black:000000 Blue:000080 Green:008000 Cyan:008080 Red:800000 Magenta:800080 "
                           "Yellow:808000 White:C0C0C0 Gray:808080 Light_Blue:0000FF Light_Green:00FF00 "
                           "Light_Cyan:00FFFF Light_Red:FF0000 Light_Magenta:FF00FF Light_Yellow:FFFF00 "
                           "Bright_White:FFFFFF")
                .split(QLatin1Char(' '));
        for (int i = 0; i < 16; ++i) {
            const int rgb = table[i].section(QLatin1Char(':'), 1).toInt(nullptr, 16);
            QCOMPARE(ColourName(i),
                     table[i].section(QLatin1Char(':'), 0, 0).replace(QLatin1Char('_'), QLatin1Char(' ')));
            QCOMPARE(ColourOf(i), (Rgb{rgb >> 16, (rgb >> 8) & 0xff, rgb & 0xff}));
        }
        QCOMPARE(ColourName(16) + ColourName(-1), QString());
        QCOMPARE(ColourOf(-1), (Rgb{0, 0, 0}));
    }
    // Each setting lands at its offset and every reserved byte, even past the record, is carried unchanged.
    void fieldsAndReservedBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/rollscan.prf";
        QByteArray original(270, '\0');
        for (int i = 0; i < 270; ++i)
            original[i] = char((i * 37 + 11) & 0xff);
        original.append("TRAILER");
        WriteWholeFile(path, original);

        Preferences p = Preferences::Read(path);
        p.setYeaColour(12);
        p.setNayColour(12);
        p.setNotVotingColour(8);
        p.setYeaNayColour(2);
        p.setNayYeaColour(5);
        p.setStartWithHouse(false);
        p.setGradientStartColour(14);
        p.setGradientEndColour(4);
        p.setNoMatchColour(0);
        p.setSplitColour(6);
        p.setDisplayKind('u');
        p.setTokenCase('l');
        p.write(path);

        const QByteArray after = ReadWholeFile(path);
        QCOMPARE(after.size(), original.size());
        const QList<QPair<int, int>> kept = {{0, 60}, {74, 4}, {78, 38}, {126, 18}, {160, 110}};
        for (const auto &[from, length] : kept)
            QCOMPARE(after.mid(from, length), original.mid(from, length));
        QCOMPARE(after.mid(270), QByteArray("TRAILER"));
        QCOMPARE(after.mid(60, 2), QByteArray("ul"));
        QCOMPARE(after.mid(62, 4), QByteArray("\x0c\0\0\0", 4)); // yea: Light Red
        QCOMPARE(after.mid(124, 2), QByteArray("\0\0", 2));      // start with the Senate
        QCOMPARE(after.mid(152, 4), QByteArray("\0\0\0\0", 4));
        QCOMPARE(after.mid(156, 4), QByteArray("\x06\0\0\0", 4));
        QCOMPARE(Preferences::Read(path).yeaColour(), 12);
    }
    // The writer's bytes, and a reader fed known bytes; a weight of exactly 1 is accepted and a tree
    // without the file has none.
    void knownBytes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("scaling.dat"));
        ScalingFile{0.4156, QStringLiteral("congress_dim1"), QStringLiteral("congress_dim2")}.write(path);
        QCOMPARE(ReadWholeFile(path), record(1, 0.4156, "congress_dim1", "congress_dim2"));
        WriteWholeFile(path, record(1, 0.4156));
        QCOMPARE(ScalingFile::Read(path), (ScalingFile{0.4156, QStringLiteral("dim1"), QStringLiteral("dim2")}));
        WriteWholeFile(path, record(1, 1.0));
        QCOMPARE(ScalingFile::Read(path).weight, 1.0);
        QVERIFY(!ScalingFile::ReadIn(dir.path()).has_value());
    }

    // A weight of 0, above 1 or not a number is a data error; a file short by one byte or of an unknown
    // version a file error.
    void refusesBadFiles()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("main")));
        const QString path = ScalingFile::PathIn(dir.path());
        for (const auto &[bytes, fileError] : {std::pair{record(1, 0.0), 0},
                                               {record(1, 1.0001), 0},
                                               {record(1, std::numeric_limits<double>::quiet_NaN()), 0},
                                               {record(1, 0.4156).left(49), int(FileErrorNumber::PastEnd)},
                                               {record(2, 0.4156), int(FileErrorNumber::BadFormat)}}) {
            WriteWholeFile(path, bytes);
            try {
                ScalingFile::ReadIn(dir.path());
                QFAIL("the file was accepted");
            } catch (const FileError &e) {
                QCOMPARE(e.number(), fileError);
                QCOMPARE(e.path(), path);
            } catch (const DataError &e) {
                QCOMPARE(fileError, 0);
                QVERIFY2(e.message().startsWith(path + QStringLiteral(": the second-dimension weight ")),
                         qPrintable(e.message()));
                QVERIFY(e.message().endsWith(QStringLiteral(" is outside (0, 1]")));
            }
        }
    }
    void failedSaveKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("number");
        const QList<QPair<Writer, const char *>> writers = {
            {Writer::Preferences, "preferences"}, {Writer::BookmarkAppend, "bookmark add"},
            {Writer::Report, "report"},           {Writer::RollCallText, "roll-call text"},
            {Writer::Spreadsheet, "spreadsheet"}, {Writer::Note, "attachment note"},
        };
        const QList<std::tuple<Fault, const char *, int>> faults = {
            {Fault::SizeLimit, "size limit", FileErrorNumber::AccessError},
            {Fault::ReadOnlyFolder, "read-only folder", FileErrorNumber::AccessError},
            {Fault::MissingFolder, "missing folder", FileErrorNumber::PathNotFound},
            {Fault::FolderInPlace, "folder in place", FileErrorNumber::BadAccess},
        };
        for (const auto &[writer, writerName] : writers)
            for (const auto &[fault, faultName, number] : faults)
                QTest::addRow("%s, %s", writerName, faultName) << int(writer) << int(fault) << number;
    }
    void failedSaveKeepsTheOldFile()
    {
        QFETCH(int, writer);
        QFETCH(int, fault);
        QFETCH(int, number);
        const Writer w = Writer(writer);
        Fixture f;
        const QString folder = f.dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + QStringLiteral("/saved.file");
        const QByteArray old = oldContent(w);
        WriteWholeFile(path, old);

        switch (Fault(fault)) {
        case Fault::SizeLimit:
            break;
        case Fault::ReadOnlyFolder:
            if (geteuid() == 0)
                QSKIP("the superuser writes into read-only folders");
            QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            break;
        case Fault::MissingFolder:
            path = f.dir.filePath(QStringLiteral("gone/saved.file"));
            break;
        case Fault::FolderInPlace:
            path = folder + QStringLiteral("/taken");
            QVERIFY(QDir().mkpath(path));
            break;
        }
        const Outcome o = attempt(w, f, path, Fault(fault) == Fault::SizeLimit);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY2(o.reported, "the failed save was not reported, or the writer wrote past the limit");
        QCOMPARE(o.path, path);
        QCOMPARE(o.number, number);
        // The old file is untouched and nothing else was left in its folder.
        QCOMPARE(ReadWholeFile(folder + QStringLiteral("/saved.file")), old);
        const QStringList expected =
            Fault(fault) == Fault::FolderInPlace ? QStringList{"saved.file", "taken"} : QStringList{"saved.file"};
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), expected);
        QVERIFY(!QFileInfo::exists(f.dir.filePath(QStringLiteral("gone"))));
    }
};

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
