#pragma once

#include "core/Progress.h"
#include "core/data/CongressIndex.h"
#include "core/data/Legislator.h"
#include "core/data/Preferences.h"
#include "core/data/RollCall.h"
#include "core/ideology/CuttingLine.h"
#include "core/ideology/VoteClass.h"

#include <QList>
#include <QString>
#include <optional>

namespace rollscan {

// The second roll call of a cross-tab view; its congress may differ from the displayed one.
struct PartnerRollCall {
    int congress = 0;
    int rollCall = 0;
};

// What one drawing pass needs: which roll call, how the tree is laid out, the colours and token case.
struct DrawingRequest {
    QString dataRoot;
    bool isHouse = true;
    int congress = 0;
    int rollCall = 0;
    bool newDataFormat = true;
    std::optional<PartnerRollCall> partner; // set in the cross-tab view
    Preferences preferences;
};

// A legislator drawn on the map, in legislator-file order.
struct PlottedEntry {
    QString label;           // trimmed name, ", ", two-letter state abbreviation
    int legislatorIndex = 0; // 1-based record number in the legislator file
    VoteClass voteClass = VoteClass::NotAvailable;
    int colour = 0; // colour index 0..15 of the class
    MapPoint point;
    QString token;        // the party letter as drawn (lower case unless the preference says "u")
    bool isError = false; // on the wrong side of the cutting line
    QString name;         // trimmed name
    QString stateName;    // trimmed state name from the state file (empty when it has none)
    qint16 partyCode = 0;
};

// A legislator without scaling coordinates, listed by the information window.
struct NotShownEntry {
    qint32 id1 = 0;
    VoteClass voteClass = VoteClass::NotAvailable;
    int colour = 0;
    QString name; // the 12-character name as stored
};

// One legislator of the cross-tab view: party and combined class. `written` is false for a
// legislator whose partner vote could not be read (NoMatch), so the cross-tab counts skip him.
struct LegislatorVoteEntry {
    bool written = false;
    qint16 partyCode = 0;
    VoteClass voteClass = VoteClass::NoMatch;
    int colour = 0;
};

// Everything one drawing pass of the ideological map produces: the window paints it, the side
// windows read it. Rebuilt from the files on every pass.
struct DrawingPass {
    bool isHouse = true;
    int congress = 0;
    int rollCall = 0;
    bool crossTab = false;
    CongressCounts counts;
    RollCall record;             // the displayed roll call
    double dimTwoFactor = 0.0;   // the tree's second-dimension weight, else the chamber's built-in factor
    bool weightFromTree = false; // the tree has a weight file
    CuttingLine line;
    std::optional<PartnerRollCall> partner;
    std::optional<RollCall> partnerRecord;
    std::optional<CuttingLine> partnerLine; // drawn in the No Cross Tab Match colour

    QList<Legislator> legislators; // every record of the congress, in file order
    QList<PlottedEntry> PlottedList;
    QList<NotShownEntry> NotShownList;
    // Element i - 1 belongs to legislator i. Filled in the cross-tab view only.
    QList<LegislatorVoteEntry> LegislatorVoteTable;

    int countedErrors = 0; // errors found before the correction
    int ErrorCount = 0;    // after the correction
    int MinorityCount = 0;

    int yeaCount() const { return record.infoYea; }
    int nayCount() const { return record.infoNay; }
    int notAvailableCount() const { return record.infoNotVoting; }
    int plottedCount() const { return int(PlottedList.size()); }
    int notShownCount() const { return int(NotShownList.size()); }
    // (MinorityCount - ErrorCount) / MinorityCount, 0 when MinorityCount is 0.
    float pre() const;
    // "Second-dimension weight 0.4156", with " (built-in)" when the tree does not give one.
    QString weightText() const;
};

// Reads the roll call, the congress counts, the legislator, vote, state and token files (and, in
// the cross-tab view, the partner roll call and, when it lies in another congress, that congress's
// legislator and vote files) and classes, places and counts every legislator. `progress` is called
// every 30 legislators. Throws FileError for missing or short files, DataError for a roll-call number
// outside its congress, UndefinedPartyError for a plotted legislator whose party has no symbol.
DrawingPass RunDrawingPass(const DrawingRequest &request, const ProgressCallback &progress = {});

} // namespace rollscan

namespace rollscan {

// Record `rollCall` of the roll-call file of a congress with `rollCallCount` roll calls. Throws
// DataError when rollCall lies outside 1..rollCallCount, FileError for a missing or short file.
RollCall ReadRollCallRecord(const QString &root, bool isHouse, int congress, int rollCall, int rollCallCount,
                            bool newDataFormat);

} // namespace rollscan
