#pragma once

#include "core/data/Preferences.h"

#include <QColor>

namespace rollscan {

// The screen colour of a stored colour index (0..15).
inline QColor PaletteColour(int index)
{
    const Rgb c = ColourOf(index);
    return QColor(c.red, c.green, c.blue);
}

} // namespace rollscan
