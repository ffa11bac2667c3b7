#include "core/import/QuantKey.h"

#include "core/import/QuantData.h"

#include <algorithm>
#include <cmath>

namespace rollscan {

namespace {
// Each channel moves from start to end in equal steps. Stepping the packed RGB value instead would
// let a channel borrow from the next one and give colours that lie between neither end.
int Channel(int from, int to, int step, int steps)
{
    return from + int(std::lround(double(to - from) * step / steps));
}
} // namespace

int QuantKey::classOf(double value) const
{
    int found = 0;
    for (int i = 1; i <= intervals; ++i) {
        if (bounds.at(i - 1) <= value && value <= bounds.at(i))
            found = i;
    }
    return found;
}

QString QuantKey::label(int cls) const
{
    return QString::number(cls) + QStringLiteral(" (") + BoundText(bounds.at(cls - 1)) + QLatin1Char(')');
}

QuantKey MakeQuantKey(double minimum, double maximum, int intervals, Rgb start, Rgb end)
{
    QuantKey key;
    key.intervals = std::clamp(intervals, QuantKey::kMinIntervals, QuantKey::kMaxIntervals);
    const int n = key.intervals;
    const double width = (maximum - minimum) / n;
    for (int i = 1; i <= n; ++i) {
        key.bounds.append(minimum + (i - 1) * width);
        if (i == n) {
            key.colours.append(end);
        } else {
            key.colours.append(Rgb{Channel(start.red, end.red, i - 1, n - 1),
                                   Channel(start.green, end.green, i - 1, n - 1),
                                   Channel(start.blue, end.blue, i - 1, n - 1)});
        }
    }
    // The top bound is the maximum itself, not the sum of n widths, so the maximum is in class n.
    key.bounds.append(n > 0 ? maximum : minimum);
    return key;
}

QuantKey MakeQuantKey(const QuantData &data, int intervals, const Preferences &prefs)
{
    return MakeQuantKey(data.minimum, data.maximum, intervals, ColourOf(prefs.gradientStartColour()),
                        ColourOf(prefs.gradientEndColour()));
}

QString BoundText(double bound)
{
    if (bound == 0.0)
        return QStringLiteral("0");
    return QString::number(bound, 'g', 6);
}

} // namespace rollscan
