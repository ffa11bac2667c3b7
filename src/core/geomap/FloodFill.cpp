#include "core/geomap/FloodFill.h"

#include <utility>
#include <vector>

namespace rollscan {

qint64 FloodFill(PixelBuffer buffer, int x, int y, quint32 colour, quint32 background, qint64 limit,
                 std::vector<FloodRun> *filledRuns)
{
    if (filledRuns)
        filledRuns->clear();
    if (!buffer.bits || x < 0 || y < 0 || x >= buffer.width || y >= buffer.height)
        return 0;
    if (colour == background || buffer.at(x, y) != background)
        return 0;
    // Scanline fill: each run of background pixels is filled whole, and the rows above and below it
    // are searched for the runs that touch it.
    struct Seed {
        int x, y;
    };
    std::vector<Seed> stack{{x, y}};
    // The runs filled, kept so that a fill over its limit can be taken back.
    std::vector<FloodRun> runs;
    qint64 filled = 0;
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        quint32 *row = buffer.bits + qsizetype(s.y) * buffer.stride;
        if (row[s.x] != background)
            continue;
        int left = s.x, right = s.x;
        while (left > 0 && row[left - 1] == background)
            --left;
        while (right + 1 < buffer.width && row[right + 1] == background)
            ++right;
        for (int i = left; i <= right; ++i)
            row[i] = colour;
        filled += right - left + 1;
        runs.push_back({s.y, left, right});
        if (filled > limit) {
            for (const FloodRun &r : runs)
                for (int i = r.left; i <= r.right; ++i)
                    buffer.bits[qsizetype(r.y) * buffer.stride + i] = background;
            return 0;
        }
        for (const int ny : {s.y - 1, s.y + 1}) {
            if (ny < 0 || ny >= buffer.height)
                continue;
            const quint32 *next = buffer.bits + qsizetype(ny) * buffer.stride;
            bool inRun = false;
            for (int i = left; i <= right; ++i) {
                const bool open = next[i] == background;
                if (open && !inRun)
                    stack.push_back({i, ny});
                inRun = open;
            }
        }
    }
    if (filledRuns)
        *filledRuns = std::move(runs);
    return filled;
}

} // namespace rollscan
