#include "gui/geomap/DrawnMapPainter.h"

#include "core/geomap/FloodFill.h"
#include "gui/app/PaletteColour.h"

#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace rollscan {

namespace {
constexpr int kProgressEvery = 500;

// The district outline progress runs from 35 to 90 per cent.
int districtPercent(qint64 record, qint64 total)
{
    return total > 0 ? int(35 + 55 * record / total) : 90;
}

bool sameFilter(const DrawnStateFilter &a, const DrawnStateFilter &b)
{
    return a.on == b.on && (!a.on || (a.outlineNames == b.outlineNames && a.states == b.states));
}
} // namespace

void DrawnMapPainter::setData(std::shared_ptr<const DrawnMapData> data)
{
    m_data = std::move(data);
    m_valid = false;
}

const QImage &DrawnMapPainter::outlines(const QSize &size, const DrawnMapView &view, const DrawnStateFilter &filter,
                                        const DrawnMapProgress &progress)
{
    if (m_valid && size == m_size && view == m_view && sameFilter(filter, m_filter))
        return m_outlines;
    m_outlines = QImage(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_outlines.fill(backgroundColour());
    m_size = size;
    m_view = view;
    m_filter = filter;
    m_valid = true;
    if (!m_data)
        return m_outlines;
    const DrawnTransform t = DrawnTransform::Fit(view, m_outlines.width(), m_outlines.height());
    QPainter painter(&m_outlines);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(outlineColour(), 0));
    auto pixel = [&t](double x, double y) {
        return QPointF(std::floor(t.toPixelX(x)) + 0.5, std::floor(t.toPixelY(y)) + 0.5);
    };

    if (progress)
        progress(kDrawingStates, 0, 0);
    const StateOutlines &states = m_data->states;
    for (int i = 0; i < states.index.size(); ++i) {
        const MapIndexRecord &r = states.index.at(i);
        if (r.pointCount <= 0 || !OutlineDrawnIn(r, m_data->congress) || !filter.allowsOutline(r.name))
            continue;
        QPolygonF line;
        for (const StatePoint &p : states.outline(i))
            line.append(pixel(p.x, p.y));
        painter.drawPolyline(line);
    }

    if (progress)
        progress(kDrawingDistricts, 35, 0);
    const QList<OutlinePoint> &points = m_data->districts;
    QPolygonF line;
    bool drawing = false;
    auto flush = [&] {
        if (line.size() > 1)
            painter.drawPolyline(line);
        line.clear();
    };
    for (qsizetype i = 0; i < points.size(); ++i) {
        const OutlinePoint &p = points.at(i);
        if (p.pen == kPenUp) {
            flush();
            drawing = filter.allowsState(m_data->districtStates.value(p.district, -1));
        }
        if (drawing)
            line.append(pixel(p.x, p.y));
        if (progress && (i + 1) % kProgressEvery == 0)
            progress(kDrawingDistricts, districtPercent(i + 1, points.size()), int(i + 1));
    }
    flush();
    return m_outlines;
}

QImage DrawnMapPainter::render(const QSize &size, const DrawnMapView &view, const DrawnFillPlan &plan,
                               const DrawnStateFilter &filter, const DrawnMapProgress &progress, QList<qint64> *filled)
{
    QImage image = outlines(size, view, filter, progress).copy();
    const DrawnTransform t = DrawnTransform::Fit(view, image.width(), image.height());
    if (progress)
        progress(kFillingDistricts, 90, 0);
    const PixelBuffer buffer{reinterpret_cast<quint32 *>(image.bits()), image.width(), image.height(),
                             int(image.bytesPerLine() / 4)};
    const quint32 background = backgroundColour().rgb();
    if (filled)
        filled->clear();
    for (const DrawnFill &f : plan.fills) {
        qint64 pixels = 0;
        if (filter.allowsState(f.state))
            for (const DrawnSeed &s : f.seeds)
                pixels += FloodFill(buffer, int(std::floor(t.toPixelX(s.x))), int(std::floor(t.toPixelY(s.y))),
                                    f.colour, background);
        if (filled)
            filled->append(pixels);
    }
    if (m_data && !filter.on && !m_data->cities.isEmpty()) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(PaletteColour(kCityColour), 0));
        painter.setBrush(Qt::NoBrush);
        for (const CityBox &c : m_data->cities) {
            const QPointF a(std::floor(t.toPixelX(c.x1)) + 0.5, std::floor(t.toPixelY(c.y1)) + 0.5);
            const QPointF b(std::floor(t.toPixelX(c.x2)) + 0.5, std::floor(t.toPixelY(c.y2)) + 0.5);
            painter.drawRect(QRectF(a, b).normalized());
        }
    }
    if (progress)
        progress(kFillingDistricts, 100, int(plan.fills.size()));
    return image;
}

} // namespace rollscan
