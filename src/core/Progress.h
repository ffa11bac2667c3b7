#pragma once

#include <functional>

namespace rollscan {

// Called at the progress points of long work with a percentage 0..100 and the count reached so far
// (roll calls, rows or legislators, as the caller documents). The window behind it refreshes its
// wait window there and lets pending events run; an empty callback is allowed everywhere.
using ProgressCallback = std::function<void(int percent, int number)>;

} // namespace rollscan
