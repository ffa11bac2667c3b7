#pragma once

#include <QString>

namespace rollscan {

namespace FileErrorNumber {
constexpr int NotBookmark = 322; // a file chosen as a bookmark file whose records are not bookmarks
} // namespace FileErrorNumber

// What a damaged file means for the user, in plain words, for the numbers that say a file's content
// is wrong (62, 321); empty for the others, whose sentence says it all. Every number core raises has a
// sentence of its own in FileErrorSentence.
QString FileErrorExplanation(int number);

} // namespace rollscan
