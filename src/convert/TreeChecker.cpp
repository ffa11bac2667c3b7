#include "convert/TreeChecker.h"

#include "convert/MapData.h"

#include "core/app/CongressList.h"
#include "core/data/Bytes.h"
#include "core/data/CongressIndex.h"
#include "core/data/DataTree.h"
#include "core/data/Dates.h"
#include "core/data/Description.h"
#include "core/data/FileError.h"
#include "core/data/FileIO.h"
#include "core/data/Legislator.h"
#include "core/data/PartySymbol.h"
#include "core/data/PartyTable.h"
#include "core/data/Preferences.h"
#include "core/data/RollCall.h"
#include "core/data/ScalingFile.h"
#include "core/data/StateTable.h"
#include "core/data/TokenTable.h"
#include "core/search/SubjectCodeTable.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <optional>

namespace rollscan {

namespace {
constexpr int kDescriptionIndexRecord = 4;
constexpr int kDescriptionHeader = 60; // five header fields and the text length

// Collects fault lines, at most TreeChecker::kFaultsPerFile for one file.
class FaultList {
public:
    explicit FaultList(const QString &root) : m_root(QFileInfo(root).absoluteFilePath()) {}

    void add(const QString &path, const QString &message)
    {
        // Both sides absolute: a path already relative to the working folder would otherwise be
        // taken as relative to the root and come out with the root twice.
        const QString name = QDir(m_root).relativeFilePath(QFileInfo(path).absoluteFilePath());
        const int n = ++m_counts[name];
        if (n <= TreeChecker::kFaultsPerFile)
            m_lines.append(name + QStringLiteral(": ") + message);
    }
    void add(const FileError &e, const QString &what) { add(e.path(), what + QStringLiteral(": ") + e.description()); }

    QStringList lines() const
    {
        QStringList out = m_lines;
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it) {
            if (it.value() > TreeChecker::kFaultsPerFile)
                out.append(QStringLiteral("%1: ... and %2 more faults")
                               .arg(it.key())
                               .arg(it.value() - TreeChecker::kFaultsPerFile));
        }
        return out;
    }

private:
    QString m_root;
    QStringList m_lines;
    QMap<QString, int> m_counts;
};

struct SharedTables {
    std::optional<StateTable> states;
    std::optional<PartyTable> parties;
};

void checkLegislators(FaultList &faults, const QString &path, const QList<Legislator> &legislators, int congress,
                      const SharedTables &shared)
{
    for (int i = 0; i < legislators.size(); ++i) {
        const Legislator &l = legislators.at(i);
        const QString who = QStringLiteral("record %1 (%2)").arg(i + 1).arg(l.trimmedName());
        if (i > 0 && l.id1 <= legislators.at(i - 1).id1)
            faults.add(path, QStringLiteral("%1 has member id %2, not above the %3 of the record before; member ids "
                                            "must ascend")
                                 .arg(who)
                                 .arg(l.id1)
                                 .arg(legislators.at(i - 1).id1));
        if (shared.states) {
            const StateRecord *s = shared.states->find(l.stateCode);
            if (!s || s->name.trimmed().isEmpty())
                faults.add(
                    path,
                    QStringLiteral("%1 has state code %2, which state.dat does not name").arg(who).arg(l.stateCode));
        }
        if (PartySymbolIndex(l.partyCode, l.stateCode, congress) == kUndefinedParty)
            faults.add(path, QStringLiteral("%1 has party code %2, which has no plot symbol; the ideological map "
                                            "cannot show this congress")
                                 .arg(who)
                                 .arg(l.partyCode));
        if (shared.parties && shared.parties->name(l.partyCode).isEmpty())
            faults.add(path,
                       QStringLiteral("%1 has party code %2, which party.dat does not list").arg(who).arg(l.partyCode));
    }
}

void checkVotes(FaultList &faults, const QString &path, int legislators, int rollCalls)
{
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(path);
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
        return;
    }
    const qint64 expected = qint64(legislators) * rollCalls;
    if (bytes.size() != expected)
        faults.add(path, QStringLiteral("holds %1 bytes; %2 legislators and %3 roll calls need %4")
                             .arg(bytes.size())
                             .arg(legislators)
                             .arg(rollCalls)
                             .arg(expected));
    const qint64 end = std::min<qint64>(expected, bytes.size());
    for (qint64 i = 0; i < end; ++i) {
        const char c = bytes.at(i);
        if (c < '0' || c > '9')
            faults.add(path, QStringLiteral("the vote of legislator %1 on roll call %2 (byte %3) is not a digit")
                                 .arg(i / rollCalls + 1)
                                 .arg(i % rollCalls + 1)
                                 .arg(i + 1));
    }
}

void checkDescriptions(FaultList &faults, const QString &dinPath, const QString &dbnPath, int rollCalls)
{
    QByteArray din, dbn;
    try {
        din = ReadWholeFile(dinPath);
        dbn = ReadWholeFile(dbnPath);
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
        return;
    }
    const qint64 expected = qint64(rollCalls) * kDescriptionIndexRecord;
    if (din.size() != expected)
        faults.add(
            dinPath,
            QStringLiteral("holds %1 bytes; %2 roll calls need %3").arg(din.size()).arg(rollCalls).arg(expected));
    const ByteReader index(din, dinPath);
    const ByteReader text(dbn, dbnPath);
    bool sound = din.size() >= expected;
    for (int r = 1; r <= rollCalls && qint64(r) * kDescriptionIndexRecord <= din.size(); ++r) {
        const qint32 position = index.i32(qint64(r - 1) * kDescriptionIndexRecord);
        const qint64 at = qint64(position) - 1;
        QString fault;
        if (position < 1 || at + kDescriptionHeader > dbn.size()) {
            fault = QStringLiteral("roll call %1 starts at position %2, outside the %3 bytes of %4")
                        .arg(r)
                        .arg(position)
                        .arg(dbn.size())
                        .arg(QFileInfo(dbnPath).fileName());
        } else {
            const qint16 length = text.i16(at + kDescriptionHeader - 2);
            if (length < 0 || at + kDescriptionHeader + length > dbn.size())
                fault = QStringLiteral("the text of roll call %1 (position %2, length %3) runs past the end of %4")
                            .arg(r)
                            .arg(position)
                            .arg(length)
                            .arg(QFileInfo(dbnPath).fileName());
        }
        if (!fault.isEmpty()) {
            faults.add(dinPath, fault);
            sound = false;
        }
    }
    if (sound) {
        try {
            ReadAllDescriptions(dinPath, dbnPath, rollCalls);
        } catch (const FileError &e) {
            faults.add(e, QStringLiteral("cannot be read"));
        }
    }
}

// True when a stored date can be that of a roll call of congress `congress`: a day DateFromSerial
// accepts, from 1 January of the congress's first year to 4 March after its second year (terms ran
// to 4 March until 1935, and sessions since then may sit into early January).
bool isPossibleCongressDate(double serial, int congress)
{
    const QDate d = DateFromSerial(serial);
    return d.isValid() && d >= QDate(CongressFirstYear(congress), 1, 1) &&
           d <= QDate(CongressSecondYear(congress) + 1, 3, 4);
}

void checkRollCalls(FaultList &faults, const QString &path, int congress, int rollCalls, bool newDataFormat)
{
    const qint64 size = QFileInfo(path).size();
    const qint64 slotBytes = qint64(rollCalls) * RollCallRecordLength(newDataFormat);
    if (size > slotBytes) {
        faults.add(path, QStringLiteral("holds %1 bytes, more than the %2 of %3 roll-call records of %4 bytes")
                             .arg(size)
                             .arg(slotBytes)
                             .arg(rollCalls)
                             .arg(RollCallRecordLength(newDataFormat)));
        return;
    }
    QList<RollCall> records;
    try {
        records = ReadRollCalls(path, rollCalls, newDataFormat);
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
    }
    for (int r = 0; r < records.size(); ++r) {
        const TaggedDate &date = records.at(r).date;
        if (date.isDate() && !isPossibleCongressDate(date.serial, congress))
            faults.add(path, QStringLiteral("roll call %1 has the date %2 (day %3), impossible for congress %4 "
                                            "(%5-%6)")
                                 .arg(r + 1)
                                 .arg(date.date().isValid() ? FormatNumericDate(date.date()) : QStringLiteral("none"))
                                 .arg(date.serial)
                                 .arg(congress)
                                 .arg(CongressFirstYear(congress))
                                 .arg(CongressSecondYear(congress)));
    }
}

void checkCongress(FaultList &faults, const QString &root, bool isHouse, int congress, const QString &indexPath,
                   const QList<CongressCounts> &index, bool newDataFormat, const SharedTables &shared)
{
    auto file = [&](const char *ext) { return CongressFileName(root, isHouse, congress, QString::fromLatin1(ext)); };
    if (congress > index.size()) {
        faults.add(indexPath, QStringLiteral("has no record for congress %1, whose files exist").arg(congress));
        return;
    }
    const CongressCounts counts = index.at(congress - 1);
    const int legislators = counts.legislatorCount;
    const int rollCalls = counts.rollCallCount;
    if (legislators < 0 || rollCalls < 0) {
        faults.add(indexPath, QStringLiteral("congress %1 has negative counts (%2 legislators, %3 roll calls)")
                                  .arg(congress)
                                  .arg(legislators)
                                  .arg(rollCalls));
        return;
    }
    bool missing = false;
    for (const char *ext : {".lcr", ".vot", ".rif", ".din", ".dbn"}) {
        if (!QFileInfo::exists(file(ext))) {
            faults.add(file(ext), QStringLiteral("is missing; the index counts %1 legislators and %2 roll calls for "
                                                 "congress %3")
                                      .arg(legislators)
                                      .arg(rollCalls)
                                      .arg(congress));
            missing = true;
        }
    }
    if (missing)
        return;

    const QString lcr = file(".lcr");
    const int recordLength = LegislatorRecordLength(newDataFormat);
    const qint64 lcrSize = QFileInfo(lcr).size();
    const qint64 lcrExpected = qint64(legislators) * recordLength;
    if (lcrSize != lcrExpected) {
        // A whole tree in the other layout is the common cause; say so rather than decode garbage.
        const int otherLength = LegislatorRecordLength(!newDataFormat);
        const bool otherLayout = legislators > 0 && lcrSize == qint64(legislators) * otherLength;
        faults.add(lcr, QStringLiteral("holds %1 bytes; the index's %2 legislators need %3 (%4-byte records)%5")
                            .arg(lcrSize)
                            .arg(legislators)
                            .arg(lcrExpected)
                            .arg(recordLength)
                            .arg(otherLayout
                                     ? QStringLiteral("; the size fits the %1 layout of %2-byte records")
                                           .arg(newDataFormat ? QStringLiteral("standard") : QStringLiteral("extended"))
                                           .arg(otherLength)
                                     : QString()));
    } else {
        try {
            checkLegislators(faults, lcr, ReadLegislators(lcr, legislators, newDataFormat), congress, shared);
        } catch (const FileError &e) {
            faults.add(e, QStringLiteral("cannot be read"));
        }
    }
    checkVotes(faults, file(".vot"), legislators, rollCalls);
    checkRollCalls(faults, file(".rif"), congress, rollCalls, newDataFormat);
    checkDescriptions(faults, file(".din"), file(".dbn"), rollCalls);
}
} // namespace

TreeChecker::TreeChecker(QString root, bool newDataFormat) : m_root(std::move(root)), m_newDataFormat(newDataFormat) {}

namespace {
// The folders and the tables of main/ every congress relies on; returns the tables that could be read.
SharedTables checkMainFiles(FaultList &faults, const QString &root)
{
    SharedTables shared;
    for (const QString &folder : {kHouseDir, kSenateDir, kMainDir, kMapsDir, kUserDir}) {
        if (!QFileInfo(DataFolder(root, folder)).isDir())
            faults.add(DataFolder(root, folder), QStringLiteral("the folder is missing"));
    }

    try {
        Preferences::Read(root + QLatin1Char('/') + kPreferencesFile);
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read; the program does not start without it"));
    }

    try {
        shared.states = StateTable::Read(DataFileName(root, kMainDir, QStringLiteral("state.dat")));
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
    }
    const QString partyPath = DataFileName(root, kMainDir, QStringLiteral("party.dat"));
    try {
        shared.parties = PartyTable::Read(partyPath);
        if (shared.parties->records.isEmpty())
            faults.add(partyPath, QStringLiteral("holds no party records; the statistics and cross-tab windows "
                                                 "name every party from it"));
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
    }
    try {
        TokenTable::Read(DataFileName(root, kMainDir, QStringLiteral("token.dat")));
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
    }
    // The weight file is optional; one that is there must give a weight the map can use.
    const QString scalingPath = ScalingFile::PathIn(root);
    try {
        ScalingFile::ReadIn(root);
    } catch (const FileError &e) {
        faults.add(e, QStringLiteral("cannot be read"));
    } catch (const DataError &e) {
        QString reason = e.message();
        if (reason.startsWith(scalingPath + QStringLiteral(": ")))
            reason = reason.mid(scalingPath.size() + 2);
        faults.add(scalingPath, reason);
    }
    for (const char *name : {"isscodes.dat", "clacodes.dat", "pelcodes.dat"}) {
        const QString path = DataFileName(root, kMainDir, QString::fromLatin1(name));
        const QFileInfo info(path);
        if (!info.exists()) {
            faults.add(path, QStringLiteral("is missing; the subject-code search needs it"));
        } else if (!info.isFile()) {
            faults.add(path, QStringLiteral("is not a file; the subject-code search needs a list of codes here"));
        } else if (info.size() == 0) {
            faults.add(path, QStringLiteral("is empty; a subject-code list holds at least one line"));
        } else {
            try {
                SubjectCodeTable::Read(path);
            } catch (const FileError &e) {
                faults.add(e, QStringLiteral("cannot be read"));
            }
        }
    }

    return shared;
}

// The congresses of one chamber, those present in its folder and those its index counts; returns
// how many there are.
int checkChamber(FaultList &faults, const QString &root, bool isHouse, bool newDataFormat, const SharedTables &shared)
{
    const QString folder = DataFolder(root, isHouse ? kHouseDir : kSenateDir);
    const QList<int> present = FindCongresses(folder, isHouse);
    const QString indexPath = CongressIndexFileName(root, isHouse);
    QList<CongressCounts> index;
    bool indexRead = false;
    if (QFileInfo::exists(indexPath)) {
        try {
            index = ReadCongressIndex(indexPath, isHouse);
            indexRead = true;
        } catch (const FileError &e) {
            faults.add(e, QStringLiteral("cannot be read"));
        }
    } else if (!present.isEmpty()) {
        faults.add(indexPath, QStringLiteral("is missing; the congresses of %1/ cannot be read without it")
                                  .arg(isHouse ? kHouseDir : kSenateDir));
    }
    QSet<int> congresses(present.cbegin(), present.cend());
    for (int n = 1; n <= index.size(); ++n) {
        if (index.at(n - 1).legislatorCount != 0 || index.at(n - 1).rollCallCount != 0)
            congresses.insert(n);
    }
    QList<int> ordered(congresses.cbegin(), congresses.cend());
    std::sort(ordered.begin(), ordered.end());
    if (indexRead) {
        for (const int n : ordered)
            checkCongress(faults, root, isHouse, n, indexPath, index, newDataFormat, shared);
    }
    return int(ordered.size());
}
} // namespace

QStringList TreeChecker::check()
{
    FaultList faults(m_root);
    const SharedTables shared = checkMainFiles(faults, m_root);
    m_houseCongresses = checkChamber(faults, m_root, true, m_newDataFormat, shared);
    m_senateCongresses = checkChamber(faults, m_root, false, m_newDataFormat, shared);
    return faults.lines() + CheckMapData(m_root);
}

} // namespace rollscan
