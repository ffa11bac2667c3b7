#pragma once

#include "core/analysis/AnalysisQueue.h"
#include "core/data/Legislator.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// One row of the tracking list: a legislator of the selected congresses, in congress order and
// legislator-file order. The list has no fixed length.
struct TrackEntry {
    int congress = 0;
    Legislator legislator; // recordNumber is the legislator's row in the congress's vote file
    QString statePostal;   // empty when the state file has no such code
    QString partyName;     // empty when the party file has no such code
};

// Reads the legislators of `congresses` in order with their state and party. Throws FileError.
QList<TrackEntry> BuildTrackTable(const QString &root, bool isHouse, const QList<int> &congresses, bool newDataFormat);

// "Trimmed name" padded to 14 characters, a TAB, the state's two letters, a TAB, the party name.
QString TrackListRow(const TrackEntry &entry);

// One vote of a tracked legislator.
struct TrackedVote {
    int entry = 0; // index into the track table
    QueuedRollCall rollCall;
    VoteSide side = VoteSide::NA;
};

// The votes of the tracked legislators and the totals over all of them.
struct TrackResult {
    QList<TrackedVote> votes; // blocks in track-table order, queue order within a block
    QStringList rows;         // the result list: the blocks separated by a row of a single blank
    int yeas = 0;
    int nays = 0;
    int notAvailable = 0;
    // "yeas\nnays\nn/a", as the totals panel shows them.
    QString totalsText() const;
};

// A finished tracking: the list it was picked from, the picks and the votes.
struct TrackRun {
    bool isHouse = true;
    QList<int> congresses;
    QList<TrackEntry> table;
    QList<int> picked;
    TrackResult result;
};

// Tracks the entries `picked` (indexes into `table`, taken in ascending order) over the queued roll
// calls of each one's own congress. Each congress's vote file is read once. Throws FileError, or
// DataError for a queued roll-call number outside its congress.
TrackResult ComputeTracking(const QString &root, bool isHouse, const QList<TrackEntry> &table, QList<int> picked,
                            const QList<QueuedRollCall> &queue);

// The saved report "Rollscan for Windows Legislator Tracking", one entry per line (no line ends).
QStringList TrackingReportLines(bool isHouse, const QList<int> &congresses, const QList<TrackEntry> &table,
                                QList<int> picked, const TrackResult &result);

// One record per tracked legislator and roll call, header first.
QList<QStringList> TrackingCsvRecords(const QList<TrackEntry> &table, const TrackResult &result,
                                      const MemberTables &tables);

} // namespace rollscan
