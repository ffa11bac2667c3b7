// A corruption campaign: one file of a small sound tree is damaged at a time (truncated, bytes
// flipped, a count or position set huge, zero or negative, a date tag spoiled, garbage appended,
// emptied, replaced by a folder, removed), then rollscan-cli runs its check and a report on it. Any
// crash, hang, error without a file name, answer that the damage makes impossible, or report that
// fails on a tree the check called sound fails the test. The seed is fixed, so a failure repeats.
#include "support/CliRun.h"
#include "support/TreeBuilder.h"
#include "support/UsMapFixture.h"

#include "core/data/Bytes.h"
#include "core/data/CongressIndex.h"
#include "core/data/FileIO.h"
#include "core/data/Legislator.h"
#include "core/data/RollCall.h"
#include "core/data/ScalingFile.h"
#include "core/search/BookmarkFile.h"

#include <QDir>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace rollscan;
using rollscan::test::CliRun;
using rollscan::test::CongressData;
using rollscan::test::RunCli;
using rollscan::test::TreeBuilder;
using rollscan::test::UsMapTree;
using rollscan::test::Words;

namespace {
// ROLLSCAN_CAMPAIGN_ITERATIONS shortens the run where every process is slower, as under the sanitizers.
int Iterations()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ROLLSCAN_CAMPAIGN_ITERATIONS", &ok);
    return ok && n > 0 ? n : 300;
}
constexpr quint32 kSeed = 16;
constexpr int kLegislators = 12;
constexpr int kRollCalls = 6;
constexpr int kTimeoutMs = 20000;

enum class Damage { Truncate, Flip, Huge, Zero, Negative, PastEnd, DateTag, Append, Empty, Folder, Remove, Count };
const char *const kDamageNames[] = {"truncated", "flipped",  "count huge", "count zero", "count negative", "past end",
                                    "date tag",  "appended", "emptied",    "folder",     "removed"};

const QStringList kFiles = {"house/97.lcr",      "house/97.vot",    "house/97.rif",      "house/97.din",
                            "house/97.dbn",      "main/houses.dat", "main/party.dat",    "main/state.dat",
                            "main/token.dat",    "rollscan.prf",    "main/isscodes.dat", "main/clacodes.dat",
                            "main/pelcodes.dat", "user/list.bmk",   "main/scaling.dat"};

enum class Report { Rollcall, Info, Stats, Crosstab, Search, Bookmarks, Count };

void writeSoundTree(const QString &root)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    tree.writeRaw(QStringLiteral("main/isscodes.dat"), "  1   AGRICULTURE\r\n  2   DEFENSE\r\n");
    tree.writeRaw(QStringLiteral("main/clacodes.dat"), "  1   GOVERNMENT MANAGEMENT\r\n");
    tree.writeRaw(QStringLiteral("main/pelcodes.dat"), "  1   BUDGET\r\n");
    CongressData d;
    const int parties[] = {100, 200, 100, 200, 328, 100};
    for (int i = 0; i < kLegislators; ++i) {
        d.legislators.append(TreeBuilder::legislator(QStringLiteral("MEMBER %1").arg(i + 1), 41 + i % 5, i + 1,
                                                     parties[i % 6], -0.8f + 0.13f * float(i), 0.5f - 0.07f * float(i),
                                                     1000 + i));
        QString row;
        for (int r = 0; r < kRollCalls; ++r)
            row += QLatin1Char("16169"[(i + r) % 5]);
        d.voteRows.append(row);
    }
    for (int r = 1; r <= kRollCalls; ++r) {
        int yeas = 0, nays = 0;
        for (const QString &row : std::as_const(d.voteRows)) {
            yeas += row.at(r - 1) == QLatin1Char('1');
            nays += row.at(r - 1) == QLatin1Char('6');
        }
        RollCall rc = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. %1").arg(r), QDate(1981, 3, r), yeas, nays,
                                            0.3f, 0.05f * float(r), 0.2f, 0.1f);
        rc.issueCode = qint16(r % 2 + 1);
        d.rollCalls.append(rc);
    }
    tree.addCongress(true, 97, d);
    tree.writeIndexes();
    // The weight of the second dimension reaches every distance on the map: errors and PRE.
    ScalingFile{0.4, QStringLiteral("coord1"), QStringLiteral("coord2")}.write(ScalingFile::PathIn(root));
    QList<BookmarkEntry> marks;
    for (int r : {2, 5, 6}) {
        BookmarkEntry e;
        e.congress = 97;
        e.rollCall = qint16(r);
        e.date = TaggedDate::FromDate(QDate(1981, 3, r));
        e.description = QStringLiteral("TO PASS H.R. %1").arg(r);
        e.yeas = e.nays = 4;
        marks.append(e);
    }
    BookmarkFile::Rewrite(tree.path(QStringLiteral("user/list.bmk")), marks);
}

QStringList reportArgs(Report report, const QString &root)
{
    const QStringList roll = {root, "--house", "--congress", "97", "--roll", "3"};
    switch (report) {
    case Report::Rollcall:
        return QStringList{"rollcall"} + roll;
    case Report::Info:
        return QStringList{"info"} + roll;
    case Report::Stats:
        return QStringList{"stats"} + roll;
    case Report::Crosstab:
        return QStringList{"crosstab"} + roll + Words("--partner-congress 97 --partner-roll 4");
    case Report::Search:
        return {"search", root, "--house", "--congress", "97", "--keyword", "H.R."};
    case Report::Bookmarks:
        return {"search", root, "--bookmark", root + QStringLiteral("/user/list.bmk")};
    case Report::Count:
        break;
    }
    return {};
}

qint64 intField(const QStringList &fields, int i, bool &ok)
{
    return fields.value(i).toLongLong(&ok);
}

// Why a report that ended with status 0 cannot be right for a tree of `kLegislators` members and
// `kRollCalls` roll calls of congress 97, or an empty text.
QString impossibleAnswer(Report report, const QString &out)
{
    const QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    switch (report) {
    case Report::Rollcall: {
        const QStringList keys = {"yea",      "nay", "na",   "plotted",   "not_shown", "errors",
                                  "minority", "pre", "line", "yea_point", "nay_point"};
        if (lines.size() != keys.size())
            return QStringLiteral("%1 lines instead of %2").arg(lines.size()).arg(keys.size());
        QMap<QString, qint64> n;
        for (int i = 0; i < keys.size(); ++i) {
            if (!lines[i].startsWith(keys[i] + QStringLiteral(": ")))
                return QStringLiteral("line %1 is not '%2'").arg(i + 1).arg(keys[i]);
            bool ok = true;
            if (i < 7)
                n[keys[i]] = lines[i].section(QStringLiteral(": "), 1).toLongLong(&ok);
            if (!ok || (i < 7 && n[keys[i]] < 0))
                return QStringLiteral("'%1' is not a count").arg(lines[i]);
        }
        if (n["plotted"] + n["not_shown"] > kLegislators)
            return QStringLiteral("more legislators placed than the tree has");
        if (n["errors"] > n["plotted"])
            return QStringLiteral("more errors than legislators plotted");
        return {};
    }
    case Report::Info:
        for (const char *heading : {"Roll Call Information", "Details", "Legislators Not Shown"})
            if (!lines.contains(QLatin1String(heading)))
                return QStringLiteral("no '%1' section").arg(QLatin1String(heading));
        return {};
    case Report::Stats: {
        const qsizetype party = out.indexOf(QStringLiteral("\nParty Statistics\n----------------\n\n"));
        const qsizetype voting = out.indexOf(QStringLiteral("\nVoting Statistics\n-----------------\n\n"));
        if (party < 0 || voting < party)
            return QStringLiteral("the sections are missing");
        const QString rows = out.mid(party, voting - party).section(QStringLiteral("\n\n"), 1).trimmed();
        if (rows.isEmpty())
            return QStringLiteral("no party rows");
        qint64 counted = 0;
        const QStringList codes = out.mid(voting).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
        static const QRegularExpression lastNumber(QStringLiteral("(-?\\d+)\\s*$"));
        for (const QString &line : codes)
            counted += lastNumber.match(line).captured(1).toLongLong();
        if (counted < 1 || counted > kLegislators)
            return QStringLiteral("%1 votes counted").arg(counted);
        return {};
    }
    case Report::Crosstab:
        if (lines.isEmpty())
            return QStringLiteral("no party lines");
        for (const QString &line : lines) {
            const QStringList f = line.split(QLatin1Char('\t'));
            if (f.size() != 7)
                return QStringLiteral("'%1' has %2 fields").arg(line).arg(f.size());
            for (int i = 1; i <= 4; ++i) {
                bool ok = false;
                const qint64 v = intField(f, i, ok);
                if (!ok || v < 0 || v > kLegislators)
                    return QStringLiteral("'%1' has an impossible count").arg(line);
            }
        }
        return {};
    case Report::Search:
    case Report::Bookmarks:
        for (const QString &line : lines) {
            const QStringList f = line.split(QLatin1Char('\t'));
            bool congressOk = false, rollOk = false;
            if (f.size() != 6)
                return QStringLiteral("'%1' has %2 fields").arg(line).arg(f.size());
            const qint64 congress = intField(f, 0, congressOk);
            const qint64 roll = intField(f, 1, rollOk);
            if (!congressOk || congress != 97 || !rollOk || roll < 1 || roll > kRollCalls)
                return QStringLiteral("'%1' is not a roll call of the tree").arg(line);
            if (report == Report::Bookmarks && (f.at(3).toInt() < 0 || f.at(4).toInt() < 0))
                return QStringLiteral("'%1' has negative tallies").arg(line);
        }
        return {};
    case Report::Count:
        break;
    }
    return {};
}

// The offsets and widths (2 or 4 bytes) of the counts and positions a file holds.
QList<QPair<qint64, int>> countFields(const QString &name, const QMap<QString, QByteArray> &sound)
{
    QList<QPair<qint64, int>> out;
    if (name.endsWith(QLatin1String("houses.dat"))) {
        const qint64 at = qint64(96) * CongressIndexRecordLength(true);
        out = {{at, 2}, {at + 2, 2}};
    } else if (name.endsWith(QLatin1String(".din"))) {
        for (int r = 0; r < kRollCalls; ++r)
            out.append({qint64(r) * 4, 4});
    } else if (name.endsWith(QLatin1String(".dbn"))) {
        const QByteArray din = sound.value(QStringLiteral("house/97.din"));
        const ByteReader index(din, name);
        for (int r = 0; r < kRollCalls; ++r)
            out.append({index.i32(qint64(r) * 4) - 1 + 58, 2});
    } else if (name.endsWith(QLatin1String(".rif"))) {
        const int len = RollCallRecordLength(false);
        for (int r = 0; r < kRollCalls; ++r)
            for (int field : {78, 80, 82, 84, 86})
                out.append({qint64(r) * len + field, 2});
    } else if (name.endsWith(QLatin1String(".bmk"))) {
        for (int r = 0; r < 3; ++r)
            for (int field : {1, 3, 75, 77}) // congress, roll call, yeas, nays (after a 10-byte date)
                out.append({qint64(r) * BookmarkFile::kRecordLength + field, 2});
    } else if (name.endsWith(QLatin1String("party.dat"))) {
        for (int r = 0; r < 4; ++r)
            out.append({qint64(r) * 33, 2});
    } else if (name.endsWith(QLatin1String(".lcr"))) {
        const int len = LegislatorRecordLength(false);
        for (int r = 0; r < kLegislators; ++r)
            for (int field : {12, 14, 16, 36})
                out.append({qint64(r) * len + field, 2});
    }
    return out;
}

void setField(QByteArray &bytes, qint64 at, int width, qint64 value)
{
    if (at < 0 || at + width > bytes.size())
        return;
    ByteWriter w(width);
    if (width == 2)
        w.setI16(0, qint16(value));
    else
        w.setI32(0, qint32(value));
    bytes.replace(at, width, w.data());
}

// Damages one file below `root`; returns what was done, for the failure message.
QString damage(const QString &root, const QString &name, Damage kind, const QMap<QString, QByteArray> &sound,
               QRandomGenerator &rng)
{
    const QString path = root + QLatin1Char('/') + name;
    QByteArray bytes = sound.value(name);
    const QList<QPair<qint64, int>> fields = countFields(name, sound);
    QString detail;
    auto pickField = [&]() { return fields.at(rng.bounded(int(fields.size()))); };
    if ((kind == Damage::Huge || kind == Damage::Zero || kind == Damage::Negative || kind == Damage::PastEnd) &&
        fields.isEmpty())
        kind = Damage::Flip;
    if (kind == Damage::PastEnd && !name.endsWith(QLatin1String(".din")))
        kind = Damage::Huge;
    if (kind == Damage::DateTag && !name.endsWith(QLatin1String(".rif")) && !name.endsWith(QLatin1String(".bmk")))
        kind = Damage::Flip;
    switch (kind) {
    case Damage::Truncate: {
        const int keep = bytes.isEmpty() ? 0 : rng.bounded(int(bytes.size()));
        bytes.truncate(keep);
        detail = QStringLiteral("to %1 bytes").arg(keep);
        break;
    }
    case Damage::Flip: {
        const int flips = 1 + rng.bounded(4);
        for (int i = 0; i < flips && !bytes.isEmpty(); ++i) {
            const int at = rng.bounded(int(bytes.size()));
            bytes[at] = char(bytes.at(at) ^ (1 + rng.bounded(255)));
            detail += QStringLiteral(" %1").arg(at);
        }
        break;
    }
    case Damage::Huge:
    case Damage::Zero:
    case Damage::Negative: {
        const auto [at, width] = pickField();
        const qint64 value = kind == Damage::Zero   ? 0
                             : kind == Damage::Huge ? (width == 2 ? 32767 : 2147483647)
                                                    : -1 - qint64(rng.bounded(width == 2 ? 32767 : 2147483647));
        setField(bytes, at, width, value);
        detail = QStringLiteral("at %1 to %2").arg(at).arg(value);
        break;
    }
    case Damage::PastEnd: {
        const auto [at, width] = pickField();
        const qint64 value = sound.value(QStringLiteral("house/97.dbn")).size() + 1 + rng.bounded(100);
        setField(bytes, at, width, value);
        detail = QStringLiteral("at %1 to %2").arg(at).arg(value);
        break;
    }
    case Damage::DateTag: {
        const bool rif = name.endsWith(QLatin1String(".rif"));
        const qint64 at = rif ? qint64(rng.bounded(kRollCalls)) * RollCallRecordLength(false) + 68
                              : qint64(rng.bounded(3)) * BookmarkFile::kRecordLength + 5;
        qint16 tag = 7;
        while (tag == 7 || tag == 8)
            tag = qint16(rng.bounded(-3, 20));
        setField(bytes, at, 2, tag);
        detail = QStringLiteral("at %1 to %2").arg(at).arg(tag);
        break;
    }
    case Damage::Append: {
        const int n = 1 + rng.bounded(200);
        for (int i = 0; i < n; ++i)
            bytes.append(char(rng.bounded(256)));
        detail = QStringLiteral("%1 bytes").arg(n);
        break;
    }
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::Folder:
        QFile::remove(path);
        QDir().mkpath(path);
        return QStringLiteral("%1 %2").arg(name, QLatin1String(kDamageNames[int(kind)]));
    case Damage::Remove:
        QFile::remove(path);
        return QStringLiteral("%1 %2").arg(name, QLatin1String(kDamageNames[int(kind)]));
    case Damage::Count:
        break;
    }
    WriteWholeFile(path, bytes);
    return QStringLiteral("%1 %2%3").arg(name, QLatin1String(kDamageNames[int(kind)]), detail);
}

void restore(const QString &root, const QString &name, const QMap<QString, QByteArray> &sound)
{
    const QString path = root + QLatin1Char('/') + name;
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    WriteWholeFile(path, sound.value(name));
}

// What is wrong with one run, or an empty text.
QString fault(const CliRun &r, const QString &root, bool isCheck)
{
    if (!r.finished)
        return QStringLiteral("did not finish within %1 s").arg(kTimeoutMs / 1000);
    if (r.crashed)
        return QStringLiteral("crashed");
    if (r.exitCode != 0 && r.exitCode != 1)
        return QStringLiteral("exit status %1: %2").arg(r.exitCode).arg(r.err);
    if (r.exitCode == 1) {
        const QStringList lines = r.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        if (lines.isEmpty())
            return QStringLiteral("failed without a message");
        for (const QString &line : lines) {
            const bool named =
                isCheck ? line.startsWith(root + QLatin1Char('/')) : line.contains(root + QLatin1Char('/'));
            if (!named)
                return QStringLiteral("message without the file: %1").arg(line);
        }
    }
    return {};
}

// The US map reads the state list and a shapefile layer besides the congress files.
const QStringList kMapFiles = {"main/state list.dat", "maps/states.shp", "maps/states.shx", "maps/states.dbf",
                               "maps/cd110.shp",      "maps/cd110.shx",  "maps/cd110.dbf"};
const QStringList kMapClasses = {"yea",      "nay",     "na",    "yea-nay",    "nay-yea",
                                 "no-match", "default", "split", "transparent"};

// The members a usmap answer counts, matched to a feature or not.
int countedMembers(const QString &out)
{
    int n = 0;
    for (const QString &line : out.split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("members_")))
            n += line.section(QStringLiteral(": "), 1).toInt();
    return n;
}

// Why a usmap answer cannot be right when only map files were damaged: every line a feature and a
// known class, each feature once, and as many members counted as on the sound tree.
QString impossibleMapAnswer(const QString &out, int members)
{
    QSet<QString> keys;
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("members_")))
            continue;
        const QStringList f = line.split(QLatin1Char('\t'));
        QString cls = f.value(1);
        cls.remove(QStringLiteral("-hatched"));
        if (f.size() != 2 || !kMapClasses.contains(cls))
            return QStringLiteral("'%1' is not a feature and a class").arg(line);
        if (keys.contains(f.at(0)))
            return QStringLiteral("feature '%1' coloured twice").arg(f.at(0));
        keys.insert(f.at(0));
    }
    const int counted = countedMembers(out);
    return counted == members ? QString() : QStringLiteral("%1 members instead of %2").arg(counted).arg(members);
}
} // namespace

class TestCliCampaign : public QObject {
    Q_OBJECT

private slots:
    void damagedTreesAreRefusedOrAnsweredSoundly();
    void damagedMapFilesAreRefusedOrAnsweredSoundly();
};

void TestCliCampaign::damagedTreesAreRefusedOrAnsweredSoundly()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(QStringLiteral("t"));
    writeSoundTree(root);
    QMap<QString, QByteArray> sound;
    for (const QString &name : kFiles)
        sound.insert(name, ReadWholeFile(root + QLatin1Char('/') + name));

    // The sound tree passes the check and every report gives a possible answer.
    const CliRun checked = RunCli({QStringLiteral("check"), root}, {}, kTimeoutMs);
    QVERIFY2(checked.exitCode == 0 && checked.err.isEmpty(), qPrintable(checked.err));
    for (int rep = 0; rep < int(Report::Count); ++rep) {
        const CliRun r = RunCli(reportArgs(Report(rep), root), {}, kTimeoutMs);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        const QString why = impossibleAnswer(Report(rep), r.out);
        QVERIFY2(why.isEmpty(), qPrintable(why + QStringLiteral("\n") + r.out));
    }

    QRandomGenerator rng(kSeed);
    QStringList failures;
    int refusedByCheck = 0, refusedByReport = 0;
    const int iterations = Iterations();
    for (int i = 0; i < iterations && failures.size() < 10; ++i) {
        const QString name = kFiles.at(rng.bounded(int(kFiles.size())));
        const Damage kind = Damage(rng.bounded(int(Damage::Count)));
        const QString what = damage(root, name, kind, sound, rng);
        const QString label = QStringLiteral("iteration %1 (%2)").arg(i).arg(what);

        const CliRun check = RunCli({QStringLiteral("check"), root}, {}, kTimeoutMs);
        if (const QString why = fault(check, root, true); !why.isEmpty())
            failures.append(label + QStringLiteral(": check ") + why);
        refusedByCheck += check.exitCode == 1;
        // A tree the check calls sound must give every report; otherwise one report in turn.
        // The bookmark file is not part of the tree the check looks at.
        QList<Report> reports;
        if (check.exitCode == 0) {
            for (int rep = 0; rep < int(Report::Count); ++rep)
                if (Report(rep) != Report::Bookmarks || name != QLatin1String("user/list.bmk"))
                    reports.append(Report(rep));
        } else {
            reports.append(Report(i % int(Report::Count)));
        }
        for (const Report rep : std::as_const(reports)) {
            const QStringList args = reportArgs(rep, root);
            const CliRun r = RunCli(args, {}, kTimeoutMs);
            const QString command =
                args.first() + (rep == Report::Bookmarks ? QStringLiteral(" --bookmark") : QString());
            if (const QString why = fault(r, root, false); !why.isEmpty())
                failures.append(label + QStringLiteral(": ") + command + QLatin1Char(' ') + why);
            else if (r.exitCode == 0) {
                if (const QString why = impossibleAnswer(rep, r.out); !why.isEmpty())
                    failures.append(label + QStringLiteral(": ") + command + QStringLiteral(" answered: ") + why);
            } else if (check.exitCode == 0) {
                failures.append(label + QStringLiteral(": the check passed but ") + command +
                                QStringLiteral(" failed: ") + r.err.trimmed());
            }
            refusedByReport += r.exitCode == 1;
        }
        restore(root, name, sound);
    }
    qInfo("%d damaged trees: %d refused by the check, %d report runs refused", iterations, refusedByCheck,
          refusedByReport);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

void TestCliCampaign::damagedMapFilesAreRefusedOrAnsweredSoundly()
{
    UsMapTree t;
    const QString root = t.dir.path();
    QMap<QString, QByteArray> sound;
    for (const QString &name : kMapFiles)
        sound.insert(name, ReadWholeFile(root + QLatin1Char('/') + name));
    const QList<QStringList> runs = {{"usmap", root, "--extended", "--senate", "--congress", "107", "--roll", "1"},
                                     {"usmap", root, "--extended", "--house", "--congress", "110", "--roll", "1"}};
    QList<int> members;
    for (const QStringList &args : runs) {
        const CliRun r = RunCli(args, {}, kTimeoutMs);
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        members.append(countedMembers(r.out));
        QVERIFY2(impossibleMapAnswer(r.out, members.last()).isEmpty(), qPrintable(r.out));
    }
    QCOMPARE(members, (QList<int>{7, 3}));

    QRandomGenerator rng(kSeed + 1);
    QStringList failures;
    int refused = 0;
    const int iterations = std::max(1, Iterations() / 5);
    for (int i = 0; i < iterations && failures.size() < 10; ++i) {
        const QString name = kMapFiles.at(rng.bounded(int(kMapFiles.size())));
        const QString what = damage(root, name, Damage(rng.bounded(int(Damage::Count))), sound, rng);
        for (int k = 0; k < runs.size(); ++k) {
            const CliRun r = RunCli(runs.at(k), {}, kTimeoutMs);
            const QString label = QStringLiteral("iteration %1 (%2): usmap %3 ").arg(i).arg(what).arg(runs.at(k).at(3));
            if (const QString why = fault(r, root, false); !why.isEmpty())
                failures.append(label + why);
            else if (r.exitCode == 0) {
                if (const QString why = impossibleMapAnswer(r.out, members.at(k)); !why.isEmpty())
                    failures.append(label + QStringLiteral("answered: ") + why);
            }
            refused += r.exitCode == 1;
        }
        restore(root, name, sound);
    }
    qInfo("%d damaged map files: %d usmap runs refused", iterations, refused);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestCliCampaign)
#include "tst_cli_campaign.moc"
