#pragma once

#include "core/Progress.h"
#include "core/analysis/AnalysisQueue.h"
#include "core/ideology/CuttingLine.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// A member of the congress on the all-lines map: a party token at his or her place.
struct AllLinesMember {
    MapPoint point;
    QString token;  // the party letter, lower case when `lowerCaseTokens`
    int colour = 0; // colour index 0..15 of the party
    QString label;  // trimmed name, ", ", state abbreviation
    qint16 partyCode = 0;
};

// The cutting line of one queued roll call, with how well it divides the votes.
struct QueuedCuttingLine {
    QueuedRollCall rollCall;
    CuttingLine line;
    int errors = 0;   // after the correction for a line read from the wrong side
    int minority = 0; // the smaller of the yea and nay counts
    float pre = 0.0f; // proportional reduction in error
    // False for a roll call with no cutting line: no parameters, or nobody on the losing side.
    bool drawn() const { return !line.noLine && minority > 0; }
};

// Every member of one congress and the cutting lines of the queued roll calls of that congress.
struct AllLinesView {
    bool isHouse = true;
    int congress = 0;
    QList<AllLinesMember> members;  // those with scaling coordinates, in legislator-file order
    QList<QueuedCuttingLine> lines; // in queue order
    int drawnCount() const;
};

// The colour of a party's tokens: Democrats light blue, Republicans light red, all others green.
int PartyColourIndex(int partyCode);

// Reads the congress's members, votes and roll calls once and builds the view of the queue entries
// of `congress`. `progress` gets the percentage of lines done. Throws FileError, or DataError for a
// queued roll-call number outside the congress.
AllLinesView ComputeAllLines(const QString &root, bool isHouse, int congress, const QList<QueuedRollCall> &queue,
                             bool newDataFormat, bool lowerCaseTokens, const ProgressCallback &progress = {});

// The index of the drawn line nearest `p` within `tolerance` map units, or -1.
int NearestLine(const AllLinesView &view, MapPoint p, double tolerance);

// "House #110, 2007-2008: 57 queued roll calls, 50 lines".
QString AllLinesTitle(const AllLinesView &view);

// The row of the side list: "#12", a TAB, "PRE .857" or "no line", a TAB, the description.
QString AllLinesListRow(const QueuedCuttingLine &line);

// One record per queued roll call of the view, header first.
QList<QStringList> AllLinesCsvRecords(const AllLinesView &view);

} // namespace rollscan
