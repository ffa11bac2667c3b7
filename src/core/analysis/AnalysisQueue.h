#pragma once

#include "core/data/PartyTable.h"
#include "core/data/StateTable.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

class Session;
struct Legislator;

// A queued roll call as the analyses over the queue see it: where it lies and the texts of its
// row in the roll-call list.
struct QueuedRollCall {
    int congress = 0;
    int rollCall = 0;
    int yeas = 0;
    int nays = 0;
    QString description;
    bool operator==(const QueuedRollCall &) const = default;
};

// The session's queue in queue order, each entry with the columns of its MatchTable row.
QList<QueuedRollCall> QueueOf(const Session &session);

// A roll call named by congress and number.
struct RollCallRef {
    int congress = 0;
    int rollCall = 0;
};

// The queue entries of `refs` in their order, with the tallies and descriptions of their roll-call
// records (each congress's roll-call file is read once). Throws FileError, or DataError for a
// roll-call number outside its congress.
QList<QueuedRollCall> ReadQueue(const QString &root, bool isHouse, const QList<RollCallRef> &refs, bool newDataFormat);

// "House #103 has no roll call #900.": a queued number beyond its congress's roll calls.
QString NoSuchRollCallMessage(bool isHouse, int congress, int rollCall);

// How a vote code counts in ratings and tracking: codes 1-3 are Yea, 4-6 Nay, anything else
// (absent, not voting, not in office, a damaged byte) NA.
enum class VoteSide { Yea, Nay, NA };
VoteSide ClassifyVoteCode(char code);

// "Yea", "Nay" or "n/a", as the tracking list shows a vote.
QString VoteSideText(VoteSide side);

// The middle of every analysis row: the yea total, "-", the nay total, a TAB, the description.
QString TallyAndDescription(const QueuedRollCall &entry);

// "House #103, 1993-1994" (the Senate reads "Senate #"): the years of congress N are
// 2N + 1787 and 2N + 1788.
QString CongressYearsLine(bool isHouse, int congress);

// The party and state tables of a tree, for the columns that name a member's party and state.
struct MemberTables {
    PartyTable parties;
    StateTable states;
    // Reads "main/party.dat" and "main/state.dat". Throws FileError.
    static MemberTables Read(const QString &root);
    // The party's name, empty when the table has no such code.
    QString partyName(int code) const;
    // The state's two-letter abbreviation, empty when the table has no such code.
    QString statePostal(int code) const;
};

// The first columns of every per-member comma-separated record, and their header.
QStringList MemberCsvHeader();
QStringList MemberCsvFields(int congress, const Legislator &legislator, const MemberTables &tables);

// Builds report lines whose items start at fixed 1-based columns. An item that would start left of
// the text already written goes to its column on a new line, so that columns never drift.
class ColumnLines {
public:
    ColumnLines &tab(int column);
    ColumnLines &text(const QString &t);
    // Ends the current line (also when it is empty).
    ColumnLines &newLine();
    // The lines written, the current one included when it holds anything.
    QStringList lines() const;

private:
    QStringList m_done;
    QString m_current;
};

} // namespace rollscan
