#pragma once

#include "core/ideology/DrawingPass.h"

#include <QString>
#include <optional>

namespace rollscan {

class Session;

// The queue position (1-based) of the partner roll call of a cross-tab view: the entry after the
// first one, the entry before any other. Nothing when the queue has no such entry.
std::optional<int> PartnerQueuePosition(int position, int queueLength);

// Which moves make sense at a queue position.
struct NavigationState {
    bool previousEnabled = false; // Previous menu item and the First and Previous buttons
    bool nextEnabled = false;     // Next menu item and the Next and Last buttons
};
NavigationState NavigationAt(int position, int queueLength);

// The input mask of the jump box for a queue of `queueLength` entries: "#" up to 9, "##" up to 99,
// "###" up to 999, "####" up to 9999, "######" beyond and for an empty queue.
QString JumpMask(int queueLength);

// What the map does with the text of the jump box.
struct JumpOutcome {
    enum Kind { Nothing, Move, OutOfRange };
    Kind kind = Nothing;
    int position = 0; // the new queue position when kind is Move
};

// Empty text: Nothing. A whole number 1..queueLength: Move there. Anything else (0, too large,
// not a number): OutOfRange, which the map reports as IdeologyText::kJumpOutOfRange.
JumpOutcome ParseJump(const QString &entry, int queueLength);

// The drawing request for the queue entry at `position` (1-based): congress from the entry's
// MatchTable row, roll call from the queue entry, chamber, layout and preferences from the session,
// and in the cross-tab view (crossTabRequested) the partner entry's congress and roll call.
// Throws DataError for a position, row or partner that the queue does not hold.
DrawingRequest DrawingRequestAt(const Session &session, int position);

} // namespace rollscan
