#pragma once

#include "core/geomap/DrawnFillPlan.h"
#include "core/geomap/DrawnMapData.h"
#include "core/geomap/DrawnMapView.h"
#include "core/geomap/FloodFill.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <utility>

namespace rollscan {

// The phases of a drawing, with a percentage and a count, for the wait window.
using DrawnMapProgress = std::function<void(const QString &phase, int percent, int number)>;

inline const QString kDrawingStates = QStringLiteral("Drawing States");
inline const QString kDrawingDistricts = QStringLiteral("Drawing Districts");
inline const QString kFillingDistricts = QStringLiteral("Filling Districts");

// Draws the drawn US map into an image: the state outlines of the congress, the district outlines,
// the fills from the seeds and the city rectangles. The outlines are drawn once for a size, view
// and state filter and kept, so a new roll call only copies them and fills again. Every picture of
// the drawn map (the window, its files, the printer, the command line) comes from here.
class DrawnMapPainter {
public:
    // Palette colour 14 outlines the cities.
    static constexpr int kCityColour = 14;

    void setData(std::shared_ptr<const DrawnMapData> data);
    const DrawnMapData *data() const { return m_data.get(); }

    // The outlines alone, on the background colour. Drawn without antialiasing: a fill must meet
    // a closed line of pixels, and blended edge pixels would open gaps.
    const QImage &outlines(const QSize &size, const DrawnMapView &view, const DrawnStateFilter &filter,
                           const DrawnMapProgress &progress = {});

    // The whole picture. `filled` receives, per fill of the plan, the pixels it coloured.
    QImage render(const QSize &size, const DrawnMapView &view, const DrawnFillPlan &plan,
                  const DrawnStateFilter &filter, const DrawnMapProgress &progress = {},
                  QList<qint64> *filled = nullptr);

    // The district table rows the last render painted over their lines, no fill having reached them.
    const QList<int> &narrowRows() const { return m_narrowRows; }

    static QColor backgroundColour() { return Qt::white; }
    static QColor outlineColour() { return Qt::black; }

private:
    // The pixel a seed's fill starts from, and whether it lies clear of its district's lines.
    std::pair<QPoint, bool> seedPixel(const QImage &image, const DrawnTransform &t, const DrawnSeed &seed, int row,
                                      quint32 outline) const;
    // Whether the middle of pixel `p` lies inside district table row `row` and clear of every line
    // of it as drawn, so that the drawn lines cannot put the pixel on a neighbour's side.
    bool clearlyInside(const DrawnTransform &t, int row, const QPoint &p) const;
    // A fill from a pixel near the district's lines, taken back when most of it lies outside.
    qint64 fillNearLines(PixelBuffer buffer, const DrawnTransform &t, int row, const QPoint &at, quint32 colour,
                         qint64 limit) const;
    // Fills the parts of a district that its seeds did not reach, from a pixel on the middle row of
    // each of its rings, or anywhere in them with `wholeRings`.
    qint64 fillOtherParts(const QImage &image, PixelBuffer buffer, const DrawnTransform &t, int row, quint32 colour,
                          qint64 limit, bool wholeRings) const;

    // Paints a district that no fill reached, over its own lines: at a small scale a district
    // narrower than its outline has no pixel of its own, and would show no vote at all. At least
    // the pixel `fallback` is painted.
    qint64 paintNarrowDistrict(QImage &image, const DrawnTransform &t, int row, quint32 colour,
                               const QPoint &fallback) const;

    std::shared_ptr<const DrawnMapData> m_data;
    QImage m_outlines;
    QSize m_size;
    DrawnMapView m_view;
    DrawnStateFilter m_filter;
    bool m_valid = false;
    QList<int> m_narrowRows;
};

} // namespace rollscan
