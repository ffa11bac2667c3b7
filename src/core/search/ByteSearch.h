#pragma once

#include <QByteArrayView>

namespace rollscan {

// The position of the first occurrence of `needle` in `haystack` at or after `from`, or -1. An empty
// needle is found at `from`. Compares bytes exactly. Keyword searches call this for every text of
// every roll call, so it tests sixteen positions at a time where the processor allows it.
qsizetype FindBytes(QByteArrayView haystack, QByteArrayView needle, qsizetype from = 0);

} // namespace rollscan
