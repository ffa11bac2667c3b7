#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace rollscan {

// A seed point of a fill, in drawn-map units.
struct DrawnSeed {
    qint16 x = 0;
    qint16 y = 0;
    bool operator==(const DrawnSeed &) const = default;
};

// One fill of the drawn map: the region around each seed is filled with `colour`, unless its pixel
// is no longer background (an earlier fill keeps its region).
struct DrawnFill {
    qint16 state = 0; // ICPSR state code
    qint16 district = 0;
    QList<DrawnSeed> seeds;
    quint32 colour = 0xFF000000; // 0xAARRGGBB
    int member = -1;             // row of the drawn vote table; -1 for the fill of an at-large state
    bool operator==(const DrawnFill &) const = default;
};

// Everything the picture fills, in order: the members in file order, then the at-large states. The
// vote pass and the imported data both produce one.
struct DrawnFillPlan {
    QList<DrawnFill> fills;
};

// The states the user chose for the drawn map: outline names of "mapindex.dat" for the state
// outlines, ICPSR codes for district outlines and fills. Off when nothing is chosen.
struct DrawnStateFilter {
    bool on = false;
    QStringList outlineNames; // trimmed, as the state list showed them
    QList<int> states;        // ICPSR codes
    bool allowsState(int icpsr) const { return !on || states.contains(icpsr); }
    bool allowsOutline(const QString &name) const;
};

// 0xFFRRGGBB of palette colour `index` (0..15).
quint32 PaletteRgb(int index);

} // namespace rollscan
