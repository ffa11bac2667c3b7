// A corruption campaign: one file of a small sound tree is damaged at a time (truncated, bytes
// flipped, a count or position set huge, zero or negative, a date tag spoiled, garbage appended,
// emptied, replaced by a folder, removed), then rollscan-cli runs its check and a report on it. Any
// crash, hang, error without a file name, answer that the damage makes impossible, or report that
// fails on a tree the check called sound fails the test. The seed is fixed, so a failure repeats.
// The US map files get the same treatment under the usmap command.
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

#include <QtTest>

using namespace rollscan;
using namespace rollscan::test;

namespace {
// ROLLSCAN_CAMPAIGN_ITERATIONS shortens the run where every process is slower, as under the sanitizers.
int Iterations()
{
    const int n = qEnvironmentVariableIntValue("ROLLSCAN_CAMPAIGN_ITERATIONS"); // 0 when unset
    return n > 0 ? n : 300;
}
constexpr int kLegislators = 12;
constexpr int kRollCalls = 6;
constexpr int kTimeoutMs = 20000;

enum class Damage { Truncate, Flip, Huge, Zero, Negative, PastEnd, DateTag, Append, Empty, Folder, Remove, Count };
const char *const kDamageNames[] = {"truncated", "flipped",  "count huge", "count zero", "count negative", "past end",
                                    "date tag",  "appended", "emptied",    "folder",     "removed"};

void writeSoundTree(const QString &root)
{
    TreeBuilder tree(root);
    tree.writeStandardTables();
    tree.writeRaw("main/isscodes.dat", "  1   AGRICULTURE\r\n  2   DEFENSE\r\n");
    tree.writeRaw("main/clacodes.dat", "  1   GOVERNMENT MANAGEMENT\r\n");
    tree.writeRaw("main/pelcodes.dat", "  1   BUDGET\r\n");
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
        for (const QString &v : std::as_const(d.voteRows))
            yeas += v[r - 1] == '1', nays += v[r - 1] == '6';
        RollCall rc = TreeBuilder::rollCall(QStringLiteral("TO PASS H.R. %1").arg(r), QDate(1981, 3, r), yeas, nays,
                                            0.3f, 0.05f * float(r), 0.2f, 0.1f);
        rc.issueCode = qint16(r % 2 + 1);
        d.rollCalls.append(rc);
    }
    tree.addCongress(true, 97, d);
    tree.writeIndexes();
    // The weight of the second dimension reaches every distance on the map: errors and PRE.
    ScalingFile{0.4, "coord1", "coord2"}.write(ScalingFile::PathIn(root));
    QList<BookmarkEntry> marks;
    for (int r : {2, 5, 6})
        marks.append(
            {true, 97, qint16(r), TaggedDate::FromDate(QDate(1981, 3, r)), "TO PASS H.R. " + QString::number(r), 4, 4});
    BookmarkFile::Rewrite(tree.path("user/list.bmk"), marks);
}

// A command run on the damaged tree, and why an answer with status 0 cannot be right (or an empty text).
struct Probe {
    QStringList args;
    std::function<QString(const QString &out)> impossible;
    QString ownFile; // a file the check does not look at, so its damage may fail this probe
};

QString impossibleRollCall(const QString &out)
{
    static const QRegularExpression re("^yea: \\d+\nnay: \\d+\nna: \\d+\nplotted: (\\d+)\nnot_shown: (\\d+)\nerrors: "
                                       "(\\d+)\nminority: \\d+\npre: .*\nline: .*\nyea_point: .*\nnay_point: .*\n$");
    const QRegularExpressionMatch m = re.match(out);
    if (!m.hasMatch())
        return QStringLiteral("not the eleven lines of counts and points");
    if (m.captured(1).toLongLong() + m.captured(2).toLongLong() > kLegislators)
        return QStringLiteral("more legislators placed than the tree has");
    return m.captured(3).toLongLong() > m.captured(1).toLongLong() ? QStringLiteral("more errors than plotted")
                                                                   : QString();
}

QString impossibleStats(const QString &out)
{
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    const qsizetype party = lines.indexOf("Party Statistics");
    const qsizetype voting = lines.indexOf("Voting Statistics");
    if (party < 0 || voting < party + 3)
        return QStringLiteral("the sections are missing or without party rows");
    qint64 counted = 0;
    static const QRegularExpression lastNumber("(-?\\d+)\\s*$");
    for (const QString &line : lines.mid(voting + 2))
        counted += lastNumber.match(line).captured(1).toLongLong();
    return counted < 1 || counted > kLegislators ? QStringLiteral("%1 votes counted").arg(counted) : QString();
}

// Every line matches `pattern`, and its captured numbers are counts of at most `most`.
std::function<QString(const QString &)> linesLike(const QString &pattern, qint64 most, bool atLeastOne)
{
    return [=](const QString &out) {
        const QRegularExpression re(pattern);
        const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
        if (atLeastOne && lines.isEmpty())
            return QStringLiteral("no lines");
        for (const QString &line : lines) {
            const QRegularExpressionMatch m = re.match(line);
            if (!m.hasMatch())
                return QStringLiteral("'%1' is not a line of this report").arg(line);
            for (int i = 1; i <= re.captureCount(); ++i)
                if (m.captured(i).toLongLong() > most)
                    return QStringLiteral("'%1' has an impossible count").arg(line);
        }
        return QString();
    };
}

// The offsets and widths (2 or 4 bytes) of the counts and positions a file holds: {first offset,
// record length, records, field offsets}.
QList<QPair<qint64, int>> countFields(const QString &name, const QMap<QString, QByteArray> &sound)
{
    using Layout = std::tuple<qint64, qint64, int, QList<int>, int>;
    const qint64 houses97 = qint64(96) * CongressIndexRecordLength(true);
    const QMap<QString, Layout> layouts = {
        {"main/houses.dat", {houses97, 2, 2, {0}, 2}},
        {"house/97.din", {0, 4, kRollCalls, {0}, 4}},
        {"house/97.rif", {0, RollCallRecordLength(false), kRollCalls, {78, 80, 82, 84, 86}, 2}},
        {"user/list.bmk", {0, BookmarkFile::kRecordLength, 3, {1, 3, 75, 77}, 2}}, // congress, roll, yeas, nays
        {"main/party.dat", {0, 33, 4, {0}, 2}},
        {"house/97.lcr", {0, LegislatorRecordLength(false), kLegislators, {12, 14, 16, 36}, 2}}};
    QList<QPair<qint64, int>> out;
    if (name == "house/97.dbn") {
        const ByteReader index(sound.value("house/97.din"), name);
        for (int r = 0; r < kRollCalls; ++r)
            out.append({index.i32(qint64(r) * 4) - 1 + 58, 2});
    }
    const auto [first, length, records, fields, width] = layouts.value(name);
    for (int r = 0; r < records; ++r)
        for (int field : fields)
            out.append({first + r * length + field, width});
    return out;
}

void setField(QByteArray &bytes, qint64 at, int width, qint64 value)
{
    if (at < 0 || at + width > bytes.size())
        return;
    ByteWriter w(width);
    width == 2 ? w.setI16(0, qint16(value)) : w.setI32(0, qint32(value));
    bytes.replace(at, width, w.data());
}

// Damages one file below `root`; returns what was done, for the failure message (the seed repeats it).
QString damage(const QString &root, const QString &name, Damage kind, const QMap<QString, QByteArray> &sound,
               QRandomGenerator &rng)
{
    const QString path = root + '/' + name;
    QByteArray bytes = sound.value(name);
    const QList<QPair<qint64, int>> fields = countFields(name, sound);
    const bool isDate = name.endsWith(".rif") || name.endsWith(".bmk");
    if (kind >= Damage::Huge && kind <= Damage::PastEnd && fields.isEmpty())
        kind = Damage::Flip;
    if (kind == Damage::PastEnd && !name.endsWith(".din"))
        kind = Damage::Huge;
    if (kind == Damage::DateTag && !isDate)
        kind = Damage::Flip;
    switch (kind) {
    case Damage::Truncate:
        bytes.truncate(bytes.isEmpty() ? 0 : rng.bounded(int(bytes.size())));
        break;
    case Damage::Flip:
        for (int i = 0, flips = 1 + rng.bounded(4); i < flips && !bytes.isEmpty(); ++i) {
            const int pos = rng.bounded(int(bytes.size()));
            bytes[pos] = char(bytes.at(pos) ^ (1 + rng.bounded(255)));
        }
        break;
    case Damage::Huge:
    case Damage::Zero:
    case Damage::Negative:
    case Damage::PastEnd: {
        const auto [at, width] = fields.at(rng.bounded(int(fields.size())));
        const int most = width == 2 ? 32767 : 2147483647;
        const qint64 value = kind == Damage::Zero      ? 0
                             : kind == Damage::Huge    ? most
                             : kind == Damage::PastEnd ? sound.value("house/97.dbn").size() + 1 + rng.bounded(100)
                                                       : -1 - qint64(rng.bounded(most));
        setField(bytes, at, width, value);
        break;
    }
    case Damage::DateTag: {
        const qint64 tagAt = name.endsWith(".rif") ? qint64(rng.bounded(kRollCalls)) * RollCallRecordLength(false) + 68
                                                   : qint64(rng.bounded(3)) * BookmarkFile::kRecordLength + 5;
        qint16 tag = 7;
        while (tag == 7 || tag == 8)
            tag = qint16(rng.bounded(-3, 20));
        setField(bytes, tagAt, 2, tag);
        break;
    }
    case Damage::Append:
        for (int i = 0, n = 1 + rng.bounded(200); i < n; ++i)
            bytes.append(char(rng.bounded(256)));
        break;
    case Damage::Empty:
        bytes.clear();
        break;
    case Damage::Folder:
    case Damage::Remove:
    case Damage::Count:
        QFile::remove(path);
        if (kind == Damage::Folder)
            QDir().mkpath(path);
        return name + ' ' + kDamageNames[int(kind)];
    }
    WriteWholeFile(path, bytes);
    return name + ' ' + kDamageNames[int(kind)];
}

// What is wrong with one run, or an empty text: every line of a refusal names a file of the tree, at
// the start of each line for the check.
QString fault(const CliRun &r, const QString &root, bool isCheck)
{
    if (!r.finished)
        return QStringLiteral("did not finish within %1 s").arg(kTimeoutMs / 1000);
    if (r.crashed || (r.exitCode != 0 && r.exitCode != 1))
        return QStringLiteral("crashed or exit status %1: %2").arg(r.exitCode).arg(r.err);
    if (r.exitCode == 0)
        return {};
    if (r.err.trimmed().isEmpty())
        return QStringLiteral("failed without a message");
    for (const QString &line : r.err.split('\n', Qt::SkipEmptyParts))
        if (isCheck ? !line.startsWith(root + '/') : !line.contains(root + '/'))
            return QStringLiteral("message without the file: %1").arg(line);
    return {};
}

// Damages one of `files` of `root` at a time and runs the probes on it. With `withCheck`, the check
// runs first: on a tree it calls sound every probe must answer, otherwise one probe in turn runs.
QStringList campaign(const QString &root, const QStringList &files, quint32 seed, int iterations, bool withCheck,
                     const QList<Probe> &probes)
{
    QMap<QString, QByteArray> sound;
    for (const QString &name : files)
        sound.insert(name, ReadWholeFile(root + '/' + name));
    QStringList failures;
    auto runProbe = [&](const Probe &p, const QString &label, bool mustAnswer) {
        const CliRun r = RunCli(p.args, {}, kTimeoutMs);
        const QString what = label + ": " + p.args.first() + ' ' + p.args.mid(2).join(' ') + ' ';
        if (const QString why = fault(r, root, false); !why.isEmpty())
            failures.append(what + why);
        else if (r.exitCode == 0) {
            if (const QString why = p.impossible(r.out); !why.isEmpty())
                failures.append(what + "answered: " + why);
        } else if (mustAnswer) {
            failures.append(what + "failed on a sound tree: " + r.err.trimmed());
        }
        return r.exitCode == 1;
    };
    // The sound tree passes the check and every probe gives a possible answer.
    if (withCheck) {
        const CliRun checked = RunCli({"check", root}, {}, kTimeoutMs);
        if (checked.exitCode != 0 || !checked.err.isEmpty())
            return {"the sound tree fails the check: " + checked.err};
    }
    for (const Probe &p : probes)
        runProbe(p, "sound tree", true);
    if (!failures.isEmpty())
        return failures;

    QRandomGenerator rng(seed);
    int refusedByCheck = 0, refusedByProbe = 0;
    for (int i = 0; i < iterations && failures.size() < 10; ++i) {
        const QString name = files.at(rng.bounded(int(files.size())));
        const QString label = QStringLiteral("iteration %1 (%2)")
                                  .arg(i)
                                  .arg(damage(root, name, Damage(rng.bounded(int(Damage::Count))), sound, rng));
        bool checkPassed = true;
        if (withCheck) {
            const CliRun check = RunCli({"check", root}, {}, kTimeoutMs);
            if (const QString why = fault(check, root, true); !why.isEmpty())
                failures.append(label + ": check " + why);
            checkPassed = check.exitCode == 0;
            refusedByCheck += !checkPassed;
        }
        for (int k = 0; k < probes.size(); ++k)
            if (!withCheck || checkPassed || k == i % probes.size())
                refusedByProbe += runProbe(probes[k], label, withCheck && checkPassed && probes[k].ownFile != name);
        const QString path = root + '/' + name;
        if (QFileInfo(path).isDir())
            QDir(path).removeRecursively();
        WriteWholeFile(path, sound.value(name));
    }
    qInfo("%d damaged files: %d refused by the check, %d probe runs refused", iterations, refusedByCheck,
          refusedByProbe);
    return failures;
}

// The members a usmap answer counts, matched to a feature or not.
int countedMembers(const QString &out)
{
    static const QRegularExpression counts("^members_\\w+: (\\d+)$", QRegularExpression::MultilineOption);
    int n = 0;
    for (QRegularExpressionMatchIterator it = counts.globalMatch(out); it.hasNext();)
        n += it.next().captured(1).toInt();
    return n;
}

// Why a usmap answer cannot be right when only map files were damaged: every line a feature and a
// known class, each feature once, and as many members counted as on the sound tree.
QString impossibleMap(const QString &out, int members)
{
    static const QRegularExpression feature(
        "^([^\\t]+)\\t(yea|nay|na|yea-nay|nay-yea|no-match|default|split|transparent)(-hatched)?$|^members_");
    QMap<QString, bool> keys;
    for (const QString &line : out.split('\n', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = feature.match(line);
        if (!m.hasMatch())
            return QStringLiteral("'%1' is not a feature and a class").arg(line);
        if (m.capturedLength(1) && std::exchange(keys[m.captured(1)], true))
            return QStringLiteral("feature '%1' coloured twice").arg(m.captured(1));
    }
    const int counted = countedMembers(out);
    return counted == members ? QString() : QStringLiteral("%1 members instead of %2").arg(counted).arg(members);
}
} // namespace

class TestCliCampaign : public QObject {
    Q_OBJECT

private slots:
    void damagedTreesAreRefusedOrAnsweredSoundly()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath("t");
        writeSoundTree(root);
        const QString roll = " TREE --house --congress 97 --roll 3";
        const QString row = "^[^\\t]*\\t(\\d+)\\t(\\d+)\\t(\\d+)\\t(\\d+)\\t[^\\t]*\\t[^\\t]*$";
        const QString found = "^97\\t[1-6]\\t[^\\t]*\\t(-?\\d+)\\t(-?\\d+)\\t[^\\t]*$";
        const QList<Probe> probes = {
            {Words("rollcall" + roll, root), impossibleRollCall, {}},
            {Words("info" + roll, root),
             [](const QString &out) {
                 const QStringList lines = out.split('\n');
                 const bool whole = lines.contains("Roll Call Information") && lines.contains("Details") &&
                                    lines.contains("Legislators Not Shown");
                 return whole ? QString() : QStringLiteral("a section is missing");
             },
             {}},
            {Words("stats" + roll, root), impossibleStats, {}},
            {Words("crosstab" + roll + " --partner-congress 97 --partner-roll 4", root),
             linesLike(row, kLegislators, true),
             {}},
            {Words("search TREE --house --congress 97 --keyword H.R.", root), linesLike(found, 1 << 20, false), {}},
            // A bookmark's tallies are its own, but never negative.
            {{"search", root, "--bookmark", root + "/user/list.bmk"},
             linesLike(QString(found).replace("-?", ""), 1 << 20, false),
             "user/list.bmk"}};
        const QStringList files = Words("house/97.lcr house/97.vot house/97.rif house/97.din house/97.dbn "
                                        "main/houses.dat main/party.dat main/state.dat main/token.dat rollscan.prf "
                                        "main/isscodes.dat main/clacodes.dat main/pelcodes.dat user/list.bmk "
                                        "main/scaling.dat");
        const QStringList failures = campaign(root, files, 16, Iterations(), true, probes);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }

    void damagedMapFilesAreRefusedOrAnsweredSoundly()
    {
        UsMapTree t;
        const QString root = t.dir.path();
        QList<Probe> probes;
        QList<int> members; // counted on the sound tree: every answer on damaged map files counts them all
        for (const char *run : {"--senate --congress 107", "--house --congress 110"}) {
            const QStringList args =
                Words(QStringLiteral("usmap TREE --extended %1 --roll 1").arg(QLatin1String(run)), root);
            members.append(countedMembers(RunCli(args).out));
            probes.append({args, [n = members.last()](const QString &out) { return impossibleMap(out, n); }, {}});
        }
        QCOMPARE(members, (QList<int>{7, 3}));
        const QStringList files = {"main/state list.dat", "maps/states.shp", "maps/states.shx", "maps/states.dbf",
                                   "maps/cd110.shp",      "maps/cd110.shx",  "maps/cd110.dbf"};
        const QStringList failures = campaign(root, files, 17, std::max(1, Iterations() / 5), false, probes);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestCliCampaign)
#include "tst_cli_campaign.moc"
