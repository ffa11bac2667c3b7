#pragma once

#include "core/data/Preferences.h"

#include <QList>
#include <QString>

namespace rollscan {

struct QuantData;

// The classes of an imported data set: n equal-width intervals between its minimum and maximum,
// each with a colour between the start and the end colour.
struct QuantKey {
    static constexpr int kMinIntervals = 2;
    static constexpr int kMaxIntervals = 50;
    static constexpr int kDefaultIntervals = 8;

    int intervals = 0;
    QList<Rgb> colours;   // colours[i - 1] is the colour of class i (1..n)
    QList<double> bounds; // bounds[i - 1] is the lower bound of class i; bounds[n] the upper bound of n

    bool isEmpty() const { return intervals == 0; }
    // The class (1..n) of a value: the last class i with bound(i) <= value <= bound(i + 1), so that a
    // value on an interior bound belongs to the upper class, the maximum to n and the minimum to 1.
    // When every value is equal (width 0) that value is in class n. 0 for a value outside the key.
    int classOf(double value) const;
    // The colour of class i (1..n).
    Rgb colour(int cls) const { return colours.at(cls - 1); }
    // The key window's label of class i: i, " (", its lower bound, ")".
    QString label(int cls) const;
};

// The key of `intervals` classes (clamped to 2..50) from `minimum` to `maximum`: width = (maximum -
// minimum) / intervals, lower bound of class i = minimum + (i - 1) x width. Colours are interpolated
// from `start` (class 1) to `end` (class n, exactly) in each of red, green and blue separately.
QuantKey MakeQuantKey(double minimum, double maximum, int intervals, Rgb start, Rgb end);
// The key of a data set with the preferences' start and end colours.
QuantKey MakeQuantKey(const QuantData &data, int intervals, const Preferences &prefs);

// The bound as the key shows it: up to six significant digits, no exponent for ordinary sizes.
QString BoundText(double bound);

} // namespace rollscan
