#pragma once

namespace rollscan {

// Result of PartySymbolIndex for a party code it does not know.
constexpr int kUndefinedParty = -999;

// True for the Southern state codes: 40 to 49, 51, 53 and 54.
bool IsSouthernState(int stateCode);

// The token record number (1..38) of a legislator's party symbol, or kUndefinedParty.
// Party 100 is split Southern/Northern from congress 25 on.
int PartySymbolIndex(int partyCode, int stateCode, int currentCongress);

} // namespace rollscan
