#pragma once

#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"
#include "core/ideology/PartyLegend.h"

#include <QFont>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;

namespace rollscan {

// What a saved or printed ideological map carries besides the plot: the two title lines, the
// tally, the no-line note when there is one, and the colour key with the party legend.
struct PictureFrame {
    QString title;  // lblTitle1: the description
    QString title2; // lblTitle2: chamber, congress, roll call, date, queue position
    QString tally;  // "Yea 171 · Nay 255 · Not voting 27"
    QString noLine; // lblNoLine's text when the roll call has no line, else empty
    QList<KeySwatch> key;
    QStringList keyNotes; // cross-tab view: which roll call each letter of a pair stands for
    QList<LegendEntry> legend;
};

// The whole picture of the ideological map as a file or a page shows it: titles and tally above the
// square plot, the colour key and the party legend below it. Drawn from plain data, so the saved,
// printed and on-screen maps agree.
class IdeologicalPicture {
public:
    // The size of the picture around a plot of `side` pixels drawn with `font`.
    static QSize SizeFor(int side, const PictureFrame &frame, const QFont &font);
    // Paints the picture at the painter's origin into `size` (as SizeFor gave it).
    static void Paint(QPainter &painter, const QSize &size, const PictureFrame &frame, const DrawingPass &pass,
                      const DisplayFilter &filter, const Preferences &prefs, const QFont &font);
};

} // namespace rollscan
