#pragma once

#include <QString>

namespace rollscan {

struct DrawingPass;

// How well a roll call's cutting line classifies its voters, as every window, report and the command
// line show it. Without a line (both spreads 0) there is nothing to count errors against, so the
// counts are "n/a" rather than a perfect score.

// The error count: "n/a" when the roll call has no cutting line, else the count.
QString ErrorsText(const DrawingPass &pass);

// The reduction in error, "#.0##": "n/a" in the cross-tab view and when there is no cutting line.
QString PreText(const DrawingPass &pass);

// True when neither side is small: the minority is at least 2.5 % of those voting yea or nay.
bool IsContested(int yea, int nay);

// lblNoLine for a roll call without a line: the unanimous sentence when one side is small, else the
// note that the data hold no line for a contested roll call.
QString NoLineText(int yea, int nay);

// The tally under the map's title: "Yea 171 · Nay 255 · Not voting 27".
QString TallyText(int yea, int nay, int notVoting);

} // namespace rollscan
