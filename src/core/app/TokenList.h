#pragma once

#include <QString>

namespace rollscan {

class TokenTable;

// The token table as the Development menu's "List Tokens" shows it: a title, a rule, a heading and
// one line per record (record number, symbol, value, name), records 1 to 120 at most.
QString TokenListText(const TokenTable &table);

// How many records "List Tokens" reads.
constexpr int kListedTokens = 120;

} // namespace rollscan
