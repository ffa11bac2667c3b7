#pragma once

#include "core/Progress.h"

#include <QList>
#include <QString>

namespace rollscan {

// How well the cutting lines of one congress classify its members' votes, counted with the map's
// rule (display distance to the outcome points, the tree's second-dimension factor).
struct FitLegislator {
    int recordNumber = 0; // 1-based, legislator-file order
    qint32 id1 = 0;
    QString name; // trimmed
    qint16 partyCode = 0;
    QString partyName;   // from party.dat; empty when the code has no name
    QString state;       // two-letter abbreviation; empty when the state code has no record
    bool scaled = false; // has coordinates; an unscaled member is never classified
    int votes = 0;       // codes 1-6 on roll calls with a cutting line
    int errors = 0;      // of those, votes on the wrong side of the line

    // errors / votes, 0 for no votes.
    double errorRate() const { return votes > 0 ? double(errors) / votes : 0.0; }
};

struct CongressFit {
    bool isHouse = true;
    int congress = 0;
    double dimTwoFactor = 0.0;
    int rollCalls = 0;         // in the congress
    int rollCallsWithLine = 0; // the ones classified
    QList<FitLegislator> legislators;

    qint64 classifiedVotes = 0; // votes of scaled members on roll calls with a line
    qint64 totalErrors = 0;     // Σ of each roll call's error count as the information window gives it
    qint64 totalMinority = 0;   // Σ of each roll call's minority count

    // Correctly classified votes in percent: 100 · (classified − errors) / classified; 0 with none.
    double percentCorrect() const;
    // Aggregate proportional reduction in error: Σ(minority − errors) / Σ minority; 0 with no minority.
    double apre() const;
};

// The fit of one congress of the tree at `root`. The congress's legislator, roll-call and vote files
// are each read once. Per roll call with a cutting line, every scaled member voting 1-6 counts one
// vote, and one error when the map marks him as one; the roll call's error count is corrected as on
// the map (an error count above half the yeas and nays is read from the other side). `progress` is
// called every 50 roll calls with the roll calls done. Throws FileError and DataError as the readers.
CongressFit ComputeCongressFit(const QString &root, bool isHouse, int congress, bool newDataFormat,
                               const ProgressCallback &progress = {});

} // namespace rollscan
