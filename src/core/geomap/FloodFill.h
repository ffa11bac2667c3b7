#pragma once

#include <QtGlobal>

#include <limits>
#include <vector>

namespace rollscan {

// A plain 32-bit pixel buffer (0xAARRGGBB), as an image hands out its bits: `stride` is the number of
// pixels from the start of one row to the start of the next.
struct PixelBuffer {
    quint32 *bits = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    quint32 at(int x, int y) const { return bits[qsizetype(y) * stride + x]; }
};

// Fills the 4-connected region of pixels of the seed's value with `colour`, which the outlines around
// it bound: no fill crosses a pixel of another value, so a diagonal gap in an outline does not let it
// out. Returns the number of pixels filled: 0 when the seed lies outside the buffer, or its pixel is
// not `background` (a region filled before keeps its colour), or `colour` is the background itself.
// A region larger than `limit` pixels is left as it was (0 is returned): a fill that escapes a
// district through a gap in its outline must not flood the map.
// `runs`, when given, receives the rows filled (one entry per run of pixels), so that a caller can
// look at the region and take it back.
struct FloodRun {
    int y, left, right;
};
qint64 FloodFill(PixelBuffer buffer, int x, int y, quint32 colour, quint32 background,
                 qint64 limit = std::numeric_limits<qint64>::max(), std::vector<FloodRun> *runs = nullptr);

} // namespace rollscan
