#include "convert/TreeConverter.h"

#include "convert/CongressConverter.h"
#include "convert/CsvReader.h"
#include "convert/ReferenceTables.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/PartyTable.h"
#include "core/data/ScalingFile.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"
#include "core/data/VoteMatrix.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QMap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <limits>

namespace rollscan {

namespace {
constexpr int kHighestCongress = 9999;
// Every state of the built-in table gets its record, so a tree holding only a few states still
// names the others (state codes of the 50 states run up to 82).
constexpr int kLastBuiltInState = 82;

QString chamberName(bool isHouse)
{
    return isHouse ? QStringLiteral("House") : QStringLiteral("Senate");
}

// Party names by code from a parties table (columns party_code and party_name).
QMap<int, QString> readPartyNames(const QString &path)
{
    QMap<int, QString> names;
    CsvReader t = CsvReader::Open(path);
    const int cCode = t.requireColumn(QStringLiteral("party_code"));
    const int cName = t.requireColumn(QStringLiteral("party_name"));
    while (t.next()) {
        const qint64 code = t.integer(cCode, QStringLiteral("party_code"));
        const QString name = t.text(cName);
        if (code >= std::numeric_limits<qint16>::min() && code <= std::numeric_limits<qint16>::max() &&
            !name.isEmpty() && !names.contains(int(code)))
            names.insert(int(code), name);
    }
    return names;
}

void makeFolder(const QString &root, const QString &name)
{
    if (!QDir(root).mkpath(name))
        throw FileError(FileErrorNumber::PathNotFound, root + QLatin1Char('/') + name,
                        QStringLiteral("The folder could not be created"));
}

void writeCongress(const QString &root, const ConvertedCongress &c, bool extended)
{
    auto file = [&](const char *ext) {
        return CongressFileName(root, c.isHouse, c.congress, QString::fromLatin1(ext));
    };
    WriteLegislators(file(".lcr"), c.legislators, extended);
    WriteVoteMatrix(file(".vot"), c.votes);
    WriteRollCalls(file(".rif"), c.rollCalls, extended);
    WriteDescriptions(file(".din"), file(".dbn"), c.descriptions);
}

// What the converted congresses give the shared files of the tree.
struct TreeTotals {
    QMap<int, CongressCounts> houseCounts, senateCounts;
    QMap<int, QString> statePostal;
    QMap<int, bool> parties;
};

TreeTotals convertCongresses(const QList<TreeConverter::TableSet> &sets, const QString &root,
                             const ConvertOptions &options, const TreeConverter::Progress &progress,
                             TreeConverter::Summary &summary)
{
    TreeTotals totals;
    const CongressConverter converter(options);
    int done = 0;
    for (const TreeConverter::TableSet &set : sets) {
        const ConvertedCongress c = converter.convert(set.isHouse, set.congress, set.members, set.rollCalls, set.votes);
        writeCongress(root, c, options.newDataFormat);
        CongressCounts counts;
        counts.legislatorCount = qint16(c.legislators.size());
        counts.rollCallCount = qint16(c.rollCalls.size());
        (set.isHouse ? totals.houseCounts : totals.senateCounts).insert(set.congress, counts);
        (set.isHouse ? summary.houseCongresses : summary.senateCongresses)++;
        summary.legislatorRecords += c.legislators.size();
        summary.rollCallRecords += c.rollCalls.size();
        summary.votes += c.votes.size();
        for (auto it = c.statePostal.cbegin(); it != c.statePostal.cend(); ++it)
            totals.statePostal.insert(it.key(), it.value());
        for (const Legislator &l : c.legislators)
            totals.parties.insert(l.partyCode, true);
        ++done;
        if (progress)
            progress(done, int(sets.size()),
                     QStringLiteral("%1 %2: %3 legislators, %4 roll calls")
                         .arg(chamberName(set.isHouse))
                         .arg(set.congress)
                         .arg(c.legislators.size())
                         .arg(c.rollCalls.size()));
    }
    return totals;
}

// Index files: record n is congress n, zeros for congresses not converted.
void writeIndexes(const QString &root, const TreeTotals &totals)
{
    for (const bool isHouse : {true, false}) {
        const QMap<int, CongressCounts> &counts = isHouse ? totals.houseCounts : totals.senateCounts;
        QList<CongressCounts> records(counts.isEmpty() ? 0 : counts.lastKey());
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            records[it.key() - 1] = it.value();
        WriteCongressIndex(CongressIndexFileName(root, isHouse), isHouse, records);
    }
}

void writeStateTable(const QString &root, const QMap<int, QString> &statePostal)
{
    StateTable states;
    const int lastState = std::max(kLastBuiltInState, statePostal.isEmpty() ? 0 : statePostal.lastKey());
    for (int code = 1; code <= lastState; ++code) {
        if (const StateRecord *known = ReferenceTables::StateByCode(code))
            states.records.append(*known);
        else if (statePostal.contains(code))
            states.records.append(ReferenceTables::StateFromPostal(code, statePostal.value(code)));
        else
            states.records.append(StateRecord{});
    }
    states.write(DataFileName(root, kMainDir, QStringLiteral("state.dat")));
}

void writePartyTable(const QString &root, const QMap<int, bool> &parties, const QMap<int, QString> &partyNames)
{
    PartyTable partyTable;
    for (auto it = parties.cbegin(); it != parties.cend(); ++it) {
        const int code = it.key();
        QString name = partyNames.value(code);
        if (name.isEmpty())
            name = ReferenceTables::PartyName(code);
        if (name.isEmpty())
            name = ReferenceTables::FallbackPartyName(code);
        partyTable.records.append(PartyRecord{qint16(code), name});
    }
    partyTable.write(DataFileName(root, kMainDir, QStringLiteral("party.dat")));
}

// The tables every tree carries whatever was converted: symbols, subject codes, scaling, preferences.
void writeFixedFiles(const QString &root, const ConvertOptions &options)
{
    TokenTable tokens;
    tokens.records = ReferenceTables::Tokens();
    tokens.write(DataFileName(root, kMainDir, QStringLiteral("token.dat")));
    WriteWholeFile(DataFileName(root, kMainDir, QStringLiteral("isscodes.dat")), ReferenceTables::IssueCodeFile());
    WriteWholeFile(DataFileName(root, kMainDir, QStringLiteral("clacodes.dat")), ReferenceTables::ClausenCodeFile());
    WriteWholeFile(DataFileName(root, kMainDir, QStringLiteral("pelcodes.dat")), ReferenceTables::PeltzmanCodeFile());
    if (const std::optional<double> weight = options.treeDim2Weight())
        ScalingFile{*weight, options.coordColumn1, options.coordColumn2}.write(ScalingFile::PathIn(root));
    ReferenceTables::DefaultPreferences().write(root + QLatin1Char('/') + kPreferencesFile);
}

// Puts the finished tree where it was asked for, in place of the empty folder that may stand there.
void moveIntoPlace(const QString &root, const QFileInfo &dest)
{
    const QString destPath = dest.absoluteFilePath();
    const bool replacesEmptyFolder = dest.exists();
    if (replacesEmptyFolder && !QDir(dest.absolutePath()).rmdir(dest.fileName()))
        throw FileError(FileErrorNumber::AccessError, destPath,
                        QStringLiteral("The empty folder could not be replaced"));
    if (!QDir().rename(root, destPath)) {
        if (replacesEmptyFolder)
            QDir().mkdir(destPath);
        throw FileError(FileErrorNumber::AccessError, destPath,
                        QStringLiteral("The finished tree could not be moved into place"));
    }
}
} // namespace

TreeConverter::TreeConverter(QString source, QString destination, ConvertOptions options)
    : m_source(std::move(source)), m_destination(std::move(destination)), m_options(std::move(options))
{
}

QList<TreeConverter::TableSet> TreeConverter::FindTableSets(const QString &source)
{
    static const QRegularExpression pattern(QStringLiteral("^([HS])(\\d+)_(members|rollcalls|votes)\\.csv$"),
                                            QRegularExpression::CaseInsensitiveOption);
    QList<TableSet> sets;
    for (const bool isHouse : {true, false}) {
        const QString folder = ResolvePath(source, isHouse ? kHouseDir : kSenateDir);
        const QChar letter = isHouse ? QLatin1Char('H') : QLatin1Char('S');
        QMap<int, TableSet> found;
        QMap<int, QString> stems; // "folder/H097_" as the set's files spell it
        const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
        for (const QString &name : names) {
            const QRegularExpressionMatch m = pattern.match(name);
            if (!m.hasMatch() || m.captured(1).toUpper() != letter)
                continue;
            bool ok = false;
            const int congress = m.captured(2).toInt(&ok);
            if (!ok || congress < 1 || congress > kHighestCongress)
                throw DataError(QStringLiteral("%1/%2: congress %3 is outside 1 to %4")
                                    .arg(folder, name, m.captured(2))
                                    .arg(kHighestCongress));
            TableSet &set = found[congress];
            set.isHouse = isHouse;
            set.congress = congress;
            stems.insert(congress, folder + QLatin1Char('/') + m.captured(1) + m.captured(2) + QLatin1Char('_'));
            const QString path = folder + QLatin1Char('/') + name;
            const QString kind = m.captured(3).toLower();
            QString &slot = kind == QLatin1String("members")     ? set.members
                            : kind == QLatin1String("rollcalls") ? set.rollCalls
                                                                 : set.votes;
            // "H97_votes.csv" next to "H097_votes.csv": which one was meant is not ours to guess.
            if (!slot.isEmpty())
                throw DataError(QStringLiteral("%1 and %2 both hold the %3 table of %4 %5")
                                    .arg(slot, path, kind, chamberName(isHouse))
                                    .arg(congress));
            slot = path;
        }
        for (const TableSet &set : std::as_const(found)) {
            const QString stem = stems.value(set.congress);
            for (const auto &[path, kind] : {std::pair{set.members, "members"}, std::pair{set.rollCalls, "rollcalls"},
                                             std::pair{set.votes, "votes"}}) {
                if (path.isEmpty())
                    throw DataError(QStringLiteral("%1%2.csv is missing: %3 %4 needs its members, rollcalls and "
                                                   "votes tables")
                                        .arg(stem, QLatin1String(kind), chamberName(set.isHouse))
                                        .arg(set.congress));
            }
            sets.append(set);
        }
    }
    if (sets.isEmpty())
        throw DataError(QStringLiteral("%1: no roll-call tables found (expected house/HNNN_members.csv, "
                                       "HNNN_rollcalls.csv, HNNN_votes.csv or the same under senate/ with S)")
                            .arg(source));
    return sets;
}

QString TreeConverter::DestinationProblem(const QString &destination)
{
    const QFileInfo info(destination);
    if (info.exists() || info.isSymLink()) {
        if (!info.isDir())
            return QStringLiteral("%1 exists and is not a folder; give a new folder for the tree").arg(destination);
        if (!QDir(destination).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            return QStringLiteral("%1 exists and is not empty; give a new or empty folder for the tree")
                .arg(destination);
        return {};
    }
    if (!info.absoluteDir().exists())
        return QStringLiteral("the folder %1 that should hold %2 does not exist")
            .arg(QDir::toNativeSeparators(info.absolutePath()), info.fileName());
    return {};
}

const char *const TreeConverter::kWorkLockName = ".converting.lock";

QStringList TreeConverter::RemoveStalePartials(const QString &destination)
{
    const QFileInfo dest(destination);
    const QDir parent = dest.absoluteDir();
    const QString prefix = QStringLiteral(".") + dest.fileName() + QStringLiteral("-partial-");
    QStringList removed;
    const QStringList candidates =
        parent.entryList({prefix + QStringLiteral("??????")}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &name : candidates) {
        const QString folder = parent.filePath(name);
        const QString lockPath = folder + QLatin1Char('/') + QLatin1String(kWorkLockName);
        bool stale = false;
        if (QFileInfo::exists(lockPath)) {
            // Age says nothing about a long conversion; only a lock whose process is gone is stale.
            QLockFile lock(lockPath);
            lock.setStaleLockTime(0);
            stale = lock.tryLock(0);
            if (stale)
                lock.unlock();
        } else {
            // A conversion locks its folder at once; a lockless one is left from a kill in that
            // instant or from an older program. Give a just-started one a minute.
            stale = QFileInfo(folder).lastModified().secsTo(QDateTime::currentDateTime()) > 60;
        }
        if (stale && QDir(folder).removeRecursively())
            removed.append(folder);
    }
    return removed;
}

TreeConverter::Summary TreeConverter::run()
{
    const QString problem = DestinationProblem(m_destination);
    if (!problem.isEmpty())
        throw DataError(problem);
    if (const std::optional<double> weight = m_options.dim2Weight; weight && !ScalingFile::IsValidWeight(*weight))
        throw DataError(QStringLiteral("the second-dimension weight %1 is outside (0, 1]").arg(*weight));
    const QList<TableSet> sets = FindTableSets(m_source);
    const QMap<int, QString> partyNames =
        m_options.partiesPath.isEmpty() ? QMap<int, QString>() : readPartyNames(m_options.partiesPath);

    const QFileInfo dest(m_destination);
    QTemporaryDir work(dest.absolutePath() + QStringLiteral("/.") + dest.fileName() +
                       QStringLiteral("-partial-XXXXXX"));
    if (!work.isValid())
        throw FileError(FileErrorNumber::AccessError, dest.absolutePath(), work.errorString());
    const QString root = work.path();
    // Marks the folder as in use, so that another run's clean-up leaves it alone while this one lives.
    QLockFile workLock(root + QLatin1Char('/') + QLatin1String(kWorkLockName));
    workLock.setStaleLockTime(0);
    if (!workLock.tryLock(0))
        throw FileError(FileErrorNumber::AccessError, root, QStringLiteral("The work folder could not be locked"));
    for (const QString &folder : {kHouseDir, kSenateDir, kMainDir, kMapsDir, kUserDir})
        makeFolder(root, folder);

    Summary summary;
    const TreeTotals totals = convertCongresses(sets, root, m_options, m_progress, summary);
    writeIndexes(root, totals);
    writeStateTable(root, totals.statePostal);
    writePartyTable(root, totals.parties, partyNames);
    writeFixedFiles(root, m_options);

    // The temporary folder is private to its owner; the finished tree reads like any other folder.
    QFile::setPermissions(root, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                    QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther);
    workLock.unlock();
    moveIntoPlace(root, dest);
    work.setAutoRemove(false);
    return summary;
}

} // namespace rollscan
