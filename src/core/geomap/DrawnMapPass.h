#pragma once

#include "core/Progress.h"
#include "core/data/StateTable.h"
#include "core/geomap/DrawnFillPlan.h"
#include "core/geomap/DrawnMapFiles.h"
#include "core/geomap/UsMapPass.h"
#include "core/ideology/DrawingPass.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

#include <array>

namespace rollscan {

// A member placed on the drawn map (both coordinates not 0), in file order.
struct DrawnMember {
    QString displayName;  // trimmed name, ", ", the state's two letters from "state.dat"
    int recordNumber = 0; // 1-based record of the legislator file
    int colour = 0;       // colour index of the vote class
    qint16 state = 0;     // ICPSR state code
    qint16 district = 0;
    VoteClass voteClass = VoteClass::NotAvailable;
    qint32 id1 = 0;
    qint16 seedCount = 0; // 0: elected at large, filled with the state's majority
    std::array<qint16, 3> seedX{};
    std::array<qint16, 3> seedY{};
    QString name;      // trimmed
    QString postal;    // from "state.dat"
    QString stateName; // trimmed, from "state.dat"
    qint16 partyCode = 0;

    QList<DrawnSeed> seeds() const;
};

// A row of the district table: the ".ctr" record and the colour index its district was filled with
// (-1 while no member has filled it).
struct DrawnDistrict {
    DistrictSeedRecord record;
    int colour = -1;
};

// Votes of one state's members.
struct StateTally {
    int yea = 0;
    int nay = 0;
    int notAvailable = 0;
    bool operator==(const StateTally &) const = default;
};

// Everything one drawing of the drawn map reads: the vote classes of every member (single roll call
// or cross-tabulation, partners in another congress found by identification number), the members
// placed, the district table and the state tallies.
struct DrawnMapPass {
    UsMapPass votes; // counts, roll call, partner and every member's class
    QList<DrawnMember> DrawnVoteTable;
    QList<DrawnDistrict> DistrictTable;
    // By ICPSR state code; any code the legislator file holds has its entry, so no fixed table of
    // states can overflow. `atLarge` counts the members elected at large (seed count 0), `delegation`
    // every placed member of the state.
    QMap<int, StateTally> atLarge;
    QMap<int, StateTally> delegation;
    // The colour index of each at-large state's majority class.
    QMap<int, int> atLargeColour;
    // The at-large states whose members split evenly, drawn in the split-delegation colour.
    QList<int> splitAtLarge;

    int congress() const { return votes.congress; }
    // Rows of the drawn vote table in (state, district); a district of two or more is a
    // multi-member district.
    QList<int> membersOf(int state, int district) const;
};

// Reads the roll call (and its cross-tab partner), the legislators, their votes, "state.dat" and
// the congress's ".ctr" file, and builds the tables. Throws FileError and DataError.
DrawnMapPass RunDrawnMapPass(const DrawingRequest &request, const ProgressCallback &progress = {});

// The majority class of a state's at-large members as a colour index: the class most of them are
// in among those that voted; two classes equally strong give the split-delegation colour, no vote
// at all the N/A colour.
int AtLargeMajorityColour(const QList<VoteClass> &classes, const Preferences &prefs);

// The fill of the vote pass: every placed member with seeds, in file order, in his class's colour;
// then every at-large state in its majority colour from the seed the ".ctr" row keeps (its first two
// extra integers). Members and states the filter leaves out are not filled.
DrawnFillPlan VoteFillPlan(const DrawnMapPass &pass, const DrawnStateFilter &filter);

// The ICPSR codes of chosen state-outline names through "state.dat": a name equal to a state's name
// (case ignored) gives that state; a name equal to none gives every state whose name it contains
// ("Virginia with West Virginia" gives both).
QList<int> DrawnStateCodes(const QStringList &chosen, const StateTable &states);

// The outline names of `chosen` whose outlines the filtered map draws. An outline kept from before a
// state was carved out of it ("Virginia" with West Virginia's area) would leave the carved-out
// state's districts as an empty hole when that state is not chosen: such a name is left out, and the
// chosen state is outlined by its own districts. An outline encloses a state when a seed of one of
// that state's placed members (or of its at-large row) lies inside it.
QStringList DrawnFilterOutlines(const QStringList &chosen, const QList<int> &chosenStates, const StateOutlines &states,
                                int congress, const DrawnMapPass &pass);

// The district table row (0-based) of each district identifier of a ".cds" file. The identifier is
// either the 1-based row of the district table or the state code x 100 + district number; the scheme
// that accounts for every identifier in `points` is used (the composite one when both do). An
// identifier that fits neither has no row.
QHash<int, int> DistrictIdentifierRows(const QList<DrawnDistrict> &table, const QList<OutlinePoint> &points);

// The placed member whose first seed is nearest to (x, y), nearer than `within` units; -1 for none. A
// member elected at large stands at his state's seed in the district table.
int NearestMember(const DrawnMapPass &pass, double x, double y, double within = 500.0);

// The rows of the members an inquiry at (x, y) names: every member of the nearest member's district
// (a multi-member district has several), or the at-large members of his state; empty when no member
// is within 500 units.
QList<int> DrawnInquireMembers(const DrawnMapPass &pass, double x, double y);

// The hover text of the drawn map at (x, y): inquire gives "name, state name" of the nearest member;
// breakdown the tally of what lies there (a multi-member district's members, else the state's
// delegation). Empty when no member is within 500 units.
QString DrawnInquireTip(const DrawnMapPass &pass, double x, double y);
QString DrawnBreakdownTip(const DrawnMapPass &pass, double x, double y);

} // namespace rollscan
