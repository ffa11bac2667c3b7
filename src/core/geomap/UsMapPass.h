#pragma once

#include "core/Progress.h"
#include "core/data/CongressIndex.h"
#include "core/data/Legislator.h"
#include "core/data/RollCall.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/VoteClass.h"

#include <QList>
#include <QString>

#include <optional>

namespace rollscan {

class StateList;

// One row of the US map's vote table: a legislator record of the congress, in file order, with the
// state-list fields of his state and his vote class on the shown roll call (or pair of roll calls).
struct UsMapMember {
    QString name; // trimmed, at most 12 characters
    qint16 partyCode = 0;
    qint16 district = 0;
    qint16 icpsr = 0;  // state code of the legislator file
    qint16 fips = 0;   // 0 when the state list has no such state
    QString postal;    // from the state list
    QString shortName; // the state list's 8-character field
    QString stateName; // the state list's name
    VoteClass voteClass = VoteClass::NotAvailable;
    int colour = 0; // colour index 0..15 of the class
    bool hasCoordinates = false;
    int recordNumber = 0; // 1-based
    qint32 id1 = 0;       // first identification number

    // The feature key the member belongs to: FIPS x 100 + district in the House, FIPS in the Senate.
    int featureKey(bool isHouse) const { return isHouse ? fips * 100 + district : fips; }
    // "NAME, ST" as the find list shows it.
    QString label() const;
};

// Everything one colouring of the US map reads from the files.
struct UsMapPass {
    bool isHouse = true;
    int congress = 0;
    int rollCall = 0;
    bool crossTab = false;
    CongressCounts counts;
    RollCall record;
    std::optional<PartnerRollCall> partner;
    std::optional<RollCall> partnerRecord;
    QList<UsMapMember> GisVoteTable;
    QList<Legislator> legislators; // every record of the congress, in file order
    int withoutCoordinates = 0;    // members with both coordinates 0, counted apart
};

// Reads the counts, the roll call, the legislators and their votes (and the partner roll call of a
// cross-tabulation, matched by identification number when it lies in another congress) and classes
// every member. `progress` is called every 30 members. Throws FileError and DataError as the
// ideological drawing pass does.
UsMapPass RunUsMapPass(const DrawingRequest &request, const StateList &states, const ProgressCallback &progress = {});

} // namespace rollscan
