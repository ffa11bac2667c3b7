#pragma once

#include <QString>

namespace rollscan {

class Preferences;

// How a legislator is shown on the ideological map. The three cross-tab classes only arise when
// two roll calls are shown together.
enum class VoteClass { Yea, Nay, NotAvailable, YeaNay, NayYea, NoMatch };

// The class of vote code 0..9: 1-3 Yea, 4-6 Nay, anything else NotAvailable.
VoteClass ClassOfVote(int code);

// Combines the class on the displayed roll call with the vote code on the partner roll call:
// Yea here and 4-6 there gives YeaNay, Nay here and 1-3 there NayYea, 7-9 there NotAvailable;
// every other pairing (Yea-Yea, Nay-Nay, code 0 there) keeps the class of the displayed roll call.
VoteClass CombineCrossTab(VoteClass here, int partnerCode);

// The colour index 0..15 the preferences give a class.
int ClassColour(VoteClass c, const Preferences &prefs);

// "Yea", "Nay", "N/A", "Yea-Nay", "Nay-Yea", "No Cross Tab Match": a member's vote as the inquire
// window names it, in the words of the colour key and the preferences.
QString VoteClassName(VoteClass c);

} // namespace rollscan
