#pragma once

#include "search/Progress.h"

namespace rollscan {

class Services;

// The progress callback of long core work, shown in the shared wait window: the percentage always,
// the count in the number panel when `showNumber`. Pending paint events run at each progress point
// so the wait window stays current; user input waits, so that the window that started the work
// cannot be used again before it ends.
ProgressCallback WaitProgress(Services &services, bool showNumber);

} // namespace rollscan
