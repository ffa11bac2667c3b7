#pragma once

#include "core/ideology/DisplayFilter.h"
#include "core/ideology/DrawingPass.h"

#include <QList>
#include <QPointF>
#include <QWidget>

class QPainter;

namespace rollscan {

// The picture of the ideological map: a square running from (-1, 1) at its top-left corner to
// (1, -1) at its bottom-right corner, with the cutting line(s), the party tokens of the last drawing
// pass in their class colours, and the circles of the find window. Painting reads only the pass, so a
// resize or an exposure redraws the same picture without touching the files.
class IdeologicalCanvas : public QWidget {
    Q_OBJECT

public:
    explicit IdeologicalCanvas(QWidget *parent = nullptr);

    // What is drawn; the pass must outlive the canvas or be replaced before it goes.
    void setPass(const DrawingPass *pass);
    void setFilter(const DisplayFilter &filter);
    const DisplayFilter &filter() const { return m_filter; }

    // Circles drawn round found legislators; they stay until clearCircles().
    void addCircle(const MapPoint &centre);
    void clearCircles();
    int circleCount() const { return int(m_circles.size()); }
    // Hides or shows the newest circle (the find window flashes it).
    void setLastCircleVisible(bool visible);

    // Pixel position of a map point in a square of `side` pixels.
    static QPointF ToPixel(const MapPoint &p, double side);
    // Map point of a pixel position in a square of `side` pixels.
    static MapPoint ToMap(const QPointF &pixel, double side);
    // The font the tokens of a square of `side` pixels are drawn in.
    static QFont TokenFont(const QFont &base, double side);

    // The thin grey axes through the centre, with ticks at -1, -0.5, 0, 0.5 and 1 of each dimension
    // (a second coordinate c stands at 2k·c) and the dimension names along the bottom and left edges.
    static void PaintAxes(QPainter &painter, double side, bool isHouse, const QFont &font);
    // "−0.5", "0", "1": a tick's label.
    static QString FormatTick(double value);
    static QString FirstDimensionName();  // "First dimension (economic: liberal ← → conservative)"
    static QString SecondDimensionName(); // "Second dimension"

    // Paints the whole picture into a square of `side` pixels at the painter's origin: white ground,
    // the axes, the line of the displayed roll call in black, the partner's line in the No Cross Tab Match colour,
    // the tokens allowed by `filter`, then `circles` (black, radius kFindCircleRadius).
    static void PaintMap(QPainter &painter, double side, const DrawingPass &pass, const DisplayFilter &filter,
                         const Preferences &prefs, const QFont &font, const QList<MapPoint> &circles = {});

    // The preferences the partner line's colour comes from.
    void setPreferences(const Preferences &prefs) { m_prefs = prefs; }

signals:
    // A press of the left button, in map units.
    void pressedAt(double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const DrawingPass *m_pass = nullptr;
    DisplayFilter m_filter;
    Preferences m_prefs;
    QList<MapPoint> m_circles;
    bool m_lastCircleVisible = true;
};

} // namespace rollscan
