#pragma once

#include "core/ideology/DrawingPass.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace rollscan {

// The View menu's choice of which plotted legislators get their token drawn.
struct DisplayFilter {
    bool voters = true;        // "&Voters", checked when the map opens
    bool notAvailable = false; // "Not &Available"
    bool errorsOnly = false;   // "&Errors Only"

    // While Errors Only is on, Find, Voters and Not Available are disabled.
    bool otherItemsEnabled() const { return !errorsOnly; }
};

// True when the token of `entry` is drawn under `filter`: voters (any class but NotAvailable) when
// Voters is checked, not-available legislators when Not Available is checked, and with Errors Only
// just the misclassified Yea and Nay voters.
bool IsDrawn(const PlottedEntry &entry, const DisplayFilter &filter);

// The plotted entries drawn under `filter`, in list order (indexes into PlottedList).
QList<int> DrawnEntries(const DrawingPass &pass, const DisplayFilter &filter);

// One swatch of the colour key.
struct KeySwatch {
    int colour = 0; // colour index 0..15
    QString toolTip;
    QString label;
    bool used = true; // the single view leaves swatches 3 and 4 uncoloured, with empty labels
};

// The four swatches of the colour key: Yea and Nay (and two empty ones) in the single view;
// Y-Y, Y-N, N-Y, N-N in the cross-tab view.
QList<KeySwatch> ColourKey(bool crossTab, const Preferences &prefs);

// What the mixed pairs of the cross-tab key mean, the displayed roll call first:
// "Y-N: Yea on #329, Nay on #618" and "N-Y: Nay on #329, Yea on #618".
QStringList CrossTabKeyNotes(int rollCall, int partnerRollCall);

} // namespace rollscan
