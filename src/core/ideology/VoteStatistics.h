#pragma once

#include "core/data/PartyTable.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/ReportLine.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace rollscan {

// Members and official-style yeas (code 1) and nays (code 6) of one group of legislators.
struct PartyCount {
    int total = 0;
    int yea = 0;
    int nay = 0;
    bool operator==(const PartyCount &) const = default;
};

// The counts of the statistics window for one roll call.
struct VoteStatistics {
    static constexpr int kDemocrat = 100;
    static constexpr int kWhig = 29;
    static constexpr int kFirstCountedCongress = 25; // the regional split is counted from here
    static constexpr int kFirstShownCongress = 26;   // and shown from here

    int congress = 0;
    std::array<int, 10> codeCounts{}; // legislators per vote code 0..9
    QList<PartyRecord> parties;       // the party file's records, at most 100
    QList<PartyCount> partyCounts;    // one per party record
    PartyCount northernDemocrats, southernDemocrats, northernWhigs, southernWhigs;
};

// One row of the party breakdown.
struct PartyRow {
    QString name; // party name, or "Northern Whig" etc. for a regional row
    PartyCount count;
    bool regional = false;
};

// Counts the votes of roll call `rollCall` of a congress: per vote code over the whole chamber, per
// party record, and for congress 25 on the Northern and Southern Democrats and Whigs. Reads the
// congress counts, the legislator, vote and party files. `progress` is called every 40 legislators.
// Throws FileError, DataError for a roll-call number outside the congress.
VoteStatistics CountVoteStatistics(const QString &root, bool isHouse, int congress, int rollCall, bool newDataFormat,
                                   const ProgressCallback &progress = {});

// The same over legislators and votes already in memory.
VoteStatistics CountVoteStatistics(const QList<Legislator> &legislators, const QList<int> &voteCodes,
                                   const QList<PartyRecord> &parties, int congress);

// The rows of the party breakdown: every party record with members, in file order; from congress 26
// on, the Whig and Democratic rows are each followed by their Northern and Southern rows.
QList<PartyRow> PartyRows(const VoteStatistics &stats);

// The texts of the four party panels and the vote-code panel, lines separated by '\n'. A first party
// row starts with one blank, later party rows with two, regional rows with none; regional names
// stand five blanks in.
struct StatisticsPanels {
    QString pnlNum, pnlParty, pnlYea, pnlNay;
    QString pnlBreakdown; // the ten code counts, code 0 first
    int partyLines = 0;   // lines in each party panel
};
StatisticsPanels BuildStatisticsPanels(const VoteStatistics &stats);

// The ten captions of the window ("Not Mem:" ... "Not Vote:") and of the report ("... Not Voting:").
QString StatisticsScreenCaption(int code);
QString StatisticsReportCaption(int code);

// The lines of the saved statistics report, first line "Rollscan for Windows Roll Call Statistics".
QStringList StatisticsReportLines(const ReportRollCall &heading, const VoteStatistics &stats);

// How a line of the printed statistics is set: the title at 16 points, the identification lines at
// 14, everything else at 12, the two section headings emphasised.
enum class StatisticsLineRole { Title, Identification, Heading, Body };
struct StatisticsPrintedLine {
    StatisticsLineRole role = StatisticsLineRole::Body;
    QString text;
    bool operator==(const StatisticsPrintedLine &) const = default;
};

// The printed statistics: the lines of the saved report, each with the way it is set.
QList<StatisticsPrintedLine> StatisticsPrintedLines(const ReportRollCall &heading, const VoteStatistics &stats);

// Counting by party needs a party table: throws DataError naming `partyPath` (and the first
// legislator's record in `legislatorPath`) when `parties` is empty and there are members to count.
// A single code the table lacks is not an error here: that member counts in the code counts alone.
void RequirePartiesListed(const PartyTable &parties, const QString &partyPath, const QList<Legislator> &legislators,
                          const QString &legislatorPath);

} // namespace rollscan
