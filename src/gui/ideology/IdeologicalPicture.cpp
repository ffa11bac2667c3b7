#include "gui/ideology/IdeologicalPicture.h"

#include "gui/app/PaletteColour.h"
#include "gui/ideology/IdeologicalCanvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace rollscan {

namespace {
struct Fonts {
    QFont title;
    QFont text;
    QFont bold;
};

Fonts fontsFor(const QFont &base, int side)
{
    Fonts f;
    f.text = base;
    f.text.setBold(false);
    f.text.setPixelSize(std::clamp(int(std::lround(side / 48.0)), 10, 22));
    f.bold = f.text;
    f.bold.setBold(true);
    f.title = f.bold;
    f.title.setPixelSize(f.text.pixelSize() * 4 / 3);
    return f;
}

QStringList headLines(const PictureFrame &frame)
{
    QStringList lines = {frame.title2, frame.tally};
    if (!frame.noLine.isEmpty())
        lines.append(frame.noLine);
    return lines;
}

// The legend's lines, as many entries to a line as fit in `width`.
QStringList legendLines(const PictureFrame &frame, const QFontMetrics &metrics, int width)
{
    QStringList lines;
    QString line;
    for (const LegendEntry &e : frame.legend) {
        const QString piece = e.token + QStringLiteral(" ") + e.name;
        const QString joined = line.isEmpty() ? piece : line + QStringLiteral("    ") + piece;
        if (!line.isEmpty() && metrics.horizontalAdvance(joined) > width) {
            lines.append(line);
            line = piece;
        } else {
            line = joined;
        }
    }
    if (!line.isEmpty())
        lines.append(line);
    return lines;
}

int usedSwatches(const PictureFrame &frame)
{
    return int(std::count_if(frame.key.begin(), frame.key.end(), [](const KeySwatch &s) { return s.used; }));
}
} // namespace

QSize IdeologicalPicture::SizeFor(int side, const PictureFrame &frame, const QFont &font)
{
    const Fonts f = fontsFor(font, side);
    const QFontMetrics title(f.title), text(f.text);
    const int margin = text.height() / 2;
    int height = margin + title.height() * 2 + text.height() * int(headLines(frame).size()) + margin + side + margin;
    if (usedSwatches(frame) > 0)
        height += text.height() * 2 + margin;
    height += text.height() * int(frame.keyNotes.size());
    height += text.height() * int(legendLines(frame, text, side).size()) + margin;
    return {side + 2 * margin, height};
}

void IdeologicalPicture::Paint(QPainter &painter, const QSize &size, const PictureFrame &frame, const DrawingPass &pass,
                               const DisplayFilter &filter, const Preferences &prefs, const QFont &font)
{
    const Fonts probe = fontsFor(font, size.width());
    const int margin = QFontMetrics(probe.text).height() / 2;
    const int side = size.width() - 2 * margin;
    const Fonts f = fontsFor(font, side);
    const QFontMetrics title(f.title), text(f.text);

    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setPen(Qt::black);
    int y = margin;
    // The description may be long: it gets two lines before it is cut.
    painter.setFont(f.title);
    painter.drawText(QRect(margin, y, side, title.height() * 2), Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                     frame.title);
    y += title.height() * 2;
    painter.setFont(f.text);
    for (const QString &line : headLines(frame)) {
        painter.setPen(line == frame.noLine ? QColor(0xa0, 0, 0) : QColor(Qt::black));
        painter.drawText(QRect(margin, y, side, text.height()), Qt::AlignHCenter | Qt::AlignVCenter, line);
        y += text.height();
    }
    y += margin;

    painter.save();
    painter.translate(margin, y);
    IdeologicalCanvas::PaintMap(painter, side, pass, filter, prefs, IdeologicalCanvas::TokenFont(font, side));
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.drawRect(QRect(0, 0, side - 1, side - 1));
    painter.restore();
    y += side + margin;

    // The colour key: swatches with their labels beneath, centred under the plot.
    const int used = usedSwatches(frame);
    if (used > 0) {
        const int swatchWidth = text.height() * 2;
        const int cell = std::max(swatchWidth, text.horizontalAdvance(QStringLiteral("WWWW"))) + margin;
        int x = margin + (side - used * cell) / 2;
        for (const KeySwatch &s : frame.key) {
            if (!s.used)
                continue;
            const QRect swatch(x + (cell - swatchWidth) / 2, y, swatchWidth, text.height() - 2);
            painter.fillRect(swatch, PaletteColour(s.colour));
            painter.setPen(Qt::black);
            painter.drawRect(swatch);
            painter.drawText(QRect(x, y + text.height(), cell, text.height()), Qt::AlignHCenter, s.label);
            x += cell;
        }
        y += text.height() * 2 + margin;
    }
    painter.setPen(Qt::black);
    for (const QString &note : frame.keyNotes) {
        painter.drawText(QRect(margin, y, side, text.height()), Qt::AlignHCenter, note);
        y += text.height();
    }
    for (const QString &line : legendLines(frame, text, side)) {
        painter.drawText(QRect(margin, y, side, text.height()), Qt::AlignHCenter, line);
        y += text.height();
    }
    painter.restore();
}

} // namespace rollscan
