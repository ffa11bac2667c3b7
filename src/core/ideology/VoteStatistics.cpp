#include "core/ideology/VoteStatistics.h"

#include "core/data/DataTree.h"
#include "core/data/FileError.h"
#include "core/data/PartySymbol.h"
#include "core/data/VoteMatrix.h"

namespace rollscan {

namespace {
constexpr int kProgressEvery = 40;
constexpr int kNameColumn = 5;
constexpr int kYeaColumn = 30;
constexpr int kNayColumn = 35;
constexpr int kCountColumn = 15;
constexpr int kIdentificationLines = 3; // date and number, description, congress: after the title and its dashes
const QString kPartyHeading = QStringLiteral("Party Statistics");
const QString kVotingHeading = QStringLiteral("Voting Statistics");

void add(PartyCount &c, int code)
{
    ++c.total;
    if (code == 1)
        ++c.yea;
    else if (code == 6)
        ++c.nay;
}

// Counts one legislator into every counter he belongs to.
void countOne(VoteStatistics &s, const Legislator &l, int code)
{
    if (code >= 0 && code <= 9)
        ++s.codeCounts[code];
    for (int p = 0; p < s.parties.size(); ++p)
        if (s.parties.at(p).code == l.partyCode)
            add(s.partyCounts[p], code);
    if (s.congress >= VoteStatistics::kFirstCountedCongress) {
        const bool south = IsSouthernState(l.stateCode);
        if (l.partyCode == VoteStatistics::kDemocrat)
            add(south ? s.southernDemocrats : s.northernDemocrats, code);
        else if (l.partyCode == VoteStatistics::kWhig)
            add(south ? s.southernWhigs : s.northernWhigs, code);
    }
}

VoteStatistics start(const QList<PartyRecord> &parties, int congress)
{
    VoteStatistics s;
    s.congress = congress;
    s.parties = parties.mid(0, PartyTable::kMaxRecords);
    s.partyCounts.resize(s.parties.size());
    return s;
}
} // namespace

VoteStatistics CountVoteStatistics(const QString &root, bool isHouse, int congress, int rollCall, bool newDataFormat,
                                   const ProgressCallback &progress)
{
    const CongressCounts counts = LoadCongressCounts(root, isHouse, congress);
    // Validates the roll-call number against the congress before any vote is read.
    ReadRollCallRecord(root, isHouse, congress, rollCall, counts.rollCallCount, newDataFormat);
    const int n = counts.legislatorCount;
    const QString lcrPath = CongressFileName(root, isHouse, congress, QStringLiteral(".lcr"));
    const QList<Legislator> legislators = ReadLegislators(lcrPath, n, newDataFormat);
    const VoteMatrix votes =
        VoteMatrix::Load(CongressFileName(root, isHouse, congress, QStringLiteral(".vot")), n, counts.rollCallCount);
    const QString partyPath = DataFileName(root, kMainDir, QStringLiteral("party.dat"));
    const PartyTable parties = PartyTable::Read(partyPath);
    RequirePartiesListed(parties, partyPath, legislators, lcrPath);

    VoteStatistics s = start(parties.records, congress);
    for (int i = 1; i <= n; ++i) {
        countOne(s, legislators.at(i - 1), votes.vote(i, rollCall));
        if (progress && i % kProgressEvery == 0)
            progress(int(qint64(i) * 100 / n), i);
    }
    if (progress)
        progress(100, n);
    return s;
}

VoteStatistics CountVoteStatistics(const QList<Legislator> &legislators, const QList<int> &voteCodes,
                                   const QList<PartyRecord> &parties, int congress)
{
    VoteStatistics s = start(parties, congress);
    for (int i = 0; i < legislators.size() && i < voteCodes.size(); ++i)
        countOne(s, legislators.at(i), voteCodes.at(i));
    return s;
}

void RequirePartiesListed(const PartyTable &parties, const QString &partyPath, const QList<Legislator> &legislators,
                          const QString &legislatorPath)
{
    if (!parties.records.isEmpty() || legislators.isEmpty())
        return;
    const Legislator &l = legislators.first();
    throw DataError(QStringLiteral("%1 does not list party code %2 of legislator %3 (record 1 of %4): it holds no "
                                   "party records.")
                        .arg(partyPath)
                        .arg(l.partyCode)
                        .arg(l.trimmedName())
                        .arg(legislatorPath));
}

QList<PartyRow> PartyRows(const VoteStatistics &s)
{
    const bool regional = s.congress >= VoteStatistics::kFirstShownCongress;
    QList<PartyRow> rows;
    for (int p = 0; p < s.parties.size(); ++p) {
        const PartyCount &c = s.partyCounts.at(p);
        if (c.total <= 0)
            continue;
        const int code = s.parties.at(p).code;
        rows.append({s.parties.at(p).name, c, false});
        if (regional && code == VoteStatistics::kWhig) {
            rows.append({QStringLiteral("Northern Whig"), s.northernWhigs, true});
            rows.append({QStringLiteral("Southern Whig"), s.southernWhigs, true});
        } else if (regional && code == VoteStatistics::kDemocrat) {
            rows.append({QStringLiteral("Northern Democrat"), s.northernDemocrats, true});
            rows.append({QStringLiteral("Southern Democrat"), s.southernDemocrats, true});
        }
    }
    return rows;
}

StatisticsPanels BuildStatisticsPanels(const VoteStatistics &s)
{
    StatisticsPanels out;
    const QList<PartyRow> rows = PartyRows(s);
    for (int i = 0; i < rows.size(); ++i) {
        const PartyRow &r = rows.at(i);
        QString lead;
        if (r.regional)
            lead = QStringLiteral("\n");
        else
            lead = i == 0 ? QStringLiteral(" ") : QStringLiteral("\n  ");
        const QString name = r.regional ? QStringLiteral("     ") + r.name : r.name;
        out.pnlNum += lead + QString::number(r.count.total);
        out.pnlParty += lead + name;
        out.pnlYea += lead + QString::number(r.count.yea);
        out.pnlNay += lead + QString::number(r.count.nay);
    }
    out.partyLines = int(rows.size());
    for (int code = 0; code < 10; ++code) {
        if (code > 0)
            out.pnlBreakdown += QStringLiteral("\n  ");
        out.pnlBreakdown += QString::number(s.codeCounts[code]);
    }
    return out;
}

QString StatisticsScreenCaption(int code)
{
    return code == 9 ? QStringLiteral("Not Vote:") : VoteCodeLabel(code);
}

QString StatisticsReportCaption(int code)
{
    return VoteCodeLabel(code);
}

QStringList StatisticsReportLines(const ReportRollCall &heading, const VoteStatistics &s)
{
    QStringList out = TitleLines(QStringLiteral("Rollscan for Windows Roll Call Statistics"));
    out += heading.headingLines();
    out += {QString(), QString()};
    out += TitleLines(kPartyHeading);
    out += QString();
    for (const PartyRow &r : PartyRows(s))
        out += ReportLine(QString::number(r.count.total))
                   .tab(kNameColumn)
                   .text(r.name)
                   .tab(kYeaColumn)
                   .number(r.count.yea)
                   .tab(kNayColumn)
                   .number(r.count.nay);
    out += {QString(), QString()};
    out += TitleLines(kVotingHeading);
    out += QString();
    for (int code = 0; code < 10; ++code)
        out += ReportLine(StatisticsReportCaption(code)).tab(kCountColumn).number(s.codeCounts[code]);
    return out;
}

QList<StatisticsPrintedLine> StatisticsPrintedLines(const ReportRollCall &heading, const VoteStatistics &stats)
{
    const QStringList lines = StatisticsReportLines(heading, stats);
    QList<StatisticsPrintedLine> out;
    for (int i = 0; i < lines.size(); ++i) {
        StatisticsLineRole role = StatisticsLineRole::Body;
        if (i == 0)
            role = StatisticsLineRole::Title;
        else if (i >= 2 && i < 2 + kIdentificationLines)
            role = StatisticsLineRole::Identification;
        else if (lines.at(i) == kPartyHeading || lines.at(i) == kVotingHeading)
            role = StatisticsLineRole::Heading;
        out.append({role, lines.at(i)});
    }
    return out;
}

} // namespace rollscan
