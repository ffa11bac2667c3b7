#include "core/geomap/DrawnFillPlan.h"

#include "core/data/Preferences.h"

namespace rollscan {

bool DrawnStateFilter::allowsOutline(const QString &name) const
{
    if (!on)
        return true;
    const QString trimmed = name.trimmed();
    for (const QString &chosen : outlineNames)
        if (chosen.compare(trimmed, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

quint32 PaletteRgb(int index)
{
    const Rgb c = ColourOf(index);
    return 0xFF000000u | (quint32(c.red) << 16) | (quint32(c.green) << 8) | quint32(c.blue);
}

} // namespace rollscan
