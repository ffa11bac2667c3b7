#include "gui/geomap/DrawnMapPainter.h"

#include "core/geomap/FloodFill.h"
#include "gui/app/PaletteColour.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rollscan {

namespace {
constexpr int kProgressEvery = 500;

// The district outline progress runs from 35 to 90 per cent.
int districtPercent(qint64 record, qint64 total)
{
    return total > 0 ? int(35 + 55 * record / total) : 90;
}

// Pixel offsets tried around a seed that fell on an outline or beside its district, nearest first.
const QList<QPoint> kSeedOffsets = [] {
    QList<QPoint> offsets;
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            if (dx != 0 || dy != 0)
                offsets.append({dx, dy});
    std::stable_sort(offsets.begin(), offsets.end(), [](const QPoint &a, const QPoint &b) {
        return a.x() * a.x() + a.y() * a.y() < b.x() * b.x() + b.y() * b.y();
    });
    return offsets;
}();

// A line drawn without antialiasing between two pixel middles covers the pixels whose middles lie
// within half a pixel of it; a pixel whose middle lies a whole pixel away is on its own side.
constexpr double kClearPixels = 1.0;
// Fills from pixels near a district's lines tried in each of its rings before giving up.
constexpr int kNearLineTries = 8;

// The pixel middle that a map point is drawn at.
QPointF drawnAt(const DrawnTransform &t, double x, double y)
{
    return QPointF(std::floor(t.toPixelX(x)) + 0.5, std::floor(t.toPixelY(y)) + 0.5);
}

bool sameFilter(const DrawnStateFilter &a, const DrawnStateFilter &b)
{
    return a.on == b.on && (!a.on || (a.outlineNames == b.outlineNames && a.states == b.states));
}
} // namespace

bool DrawnMapPainter::clearlyInside(const DrawnTransform &t, int row, const QPoint &p) const
{
    const QPointF c(p.x() + 0.5, p.y() + 0.5);
    if (!m_data->districtContains(row, t.toMapX(c.x()), t.toMapY(c.y())))
        return false;
    for (const auto &[first, last] : m_data->ringsOf(row)) {
        QPointF a = drawnAt(t, m_data->districts.at(last).x, m_data->districts.at(last).y);
        for (qsizetype i = first; i <= last; ++i) {
            const QPointF b = drawnAt(t, m_data->districts.at(i).x, m_data->districts.at(i).y);
            const QPointF ab = b - a;
            const double length2 = QPointF::dotProduct(ab, ab);
            const double k = length2 > 0 ? std::clamp(QPointF::dotProduct(c - a, ab) / length2, 0.0, 1.0) : 0.0;
            const QPointF d = c - (a + k * ab);
            if (QPointF::dotProduct(d, d) < kClearPixels * kClearPixels)
                return false;
            a = b;
        }
    }
    return true;
}

std::pair<QPoint, bool> DrawnMapPainter::seedPixel(const QImage &image, const DrawnTransform &t, const DrawnSeed &seed,
                                                   int row, quint32 outline) const
{
    const QPoint at(int(std::floor(t.toPixelX(seed.x))), int(std::floor(t.toPixelY(seed.y))));
    const quint32 background = backgroundColour().rgb();
    auto inside = [&](const QPoint &p) {
        return m_data->districtContains(row, t.toMapX(p.x() + 0.5), t.toMapY(p.y() + 0.5));
    };
    auto free = [&](const QPoint &p) { return image.rect().contains(p) && image.pixel(p) == background; };
    // A seed on a pixel filled already stays there: its district keeps that fill.
    if (row < 0 || !image.rect().contains(at) || (image.pixel(at) != outline && image.pixel(at) != background))
        return {at, true};
    if (free(at) && clearlyInside(t, row, at))
        return {at, true};
    // Scaled down, a seed can fall on an outline pixel, outside its district, or on a pixel that
    // the drawn lines put on a neighbour's side: the nearest pixel clear of the district's lines is
    // used instead. A district too narrow for one starts from the nearest pixel whose middle lies
    // inside it, and that fill is checked.
    for (const QPoint &d : kSeedOffsets)
        if (free(at + d) && clearlyInside(t, row, at + d))
            return {at + d, true};
    if (free(at) && inside(at))
        return {at, false};
    for (const QPoint &d : kSeedOffsets)
        if (free(at + d) && inside(at + d))
            return {at + d, false};
    return {at, false};
}

qint64 DrawnMapPainter::fillNearLines(PixelBuffer buffer, const DrawnTransform &t, int row, const QPoint &at,
                                      quint32 colour, qint64 limit) const
{
    std::vector<FloodRun> runs;
    const qint64 filled = FloodFill(buffer, at.x(), at.y(), colour, backgroundColour().rgb(), limit, &runs);
    qint64 inside = 0;
    for (const FloodRun &r : runs)
        for (int x = r.left; x <= r.right; ++x)
            inside += m_data->districtContains(row, t.toMapX(x + 0.5), t.toMapY(r.y + 0.5));
    if (2 * inside >= filled)
        return filled;
    // The region lies mostly in a neighbour: it is the neighbour's to fill.
    for (const FloodRun &r : runs)
        for (int x = r.left; x <= r.right; ++x)
            buffer.bits[qsizetype(r.y) * buffer.stride + x] = backgroundColour().rgb();
    return 0;
}

qint64 DrawnMapPainter::fillOtherParts(const QImage &image, PixelBuffer buffer, const DrawnTransform &t, int row,
                                       quint32 colour, qint64 limit, bool wholeRings) const
{
    // The seeds reach the largest parts of a district; its islands and other small parts are filled
    // from a pixel found inside each of its rings, so that an island chain shows its member's vote.
    const quint32 background = backgroundColour().rgb();
    qint64 pixels = 0;
    for (const auto &[first, last] : m_data->ringsOf(row)) {
        double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
        double twiceArea = 0.0, perimeter = 0.0;
        for (qsizetype i = first, j = last; i <= last; j = i++) {
            const OutlinePoint &p = m_data->districts.at(i), &q = m_data->districts.at(j);
            const double px = t.toPixelX(p.x), py = t.toPixelY(p.y), qx = t.toPixelX(q.x), qy = t.toPixelY(q.y);
            left = std::min(left, px);
            right = std::max(right, px);
            top = std::min(top, py);
            bottom = std::max(bottom, py);
            twiceArea += qx * py - px * qy;
            perimeter += std::hypot(px - qx, py - qy);
        }
        if (right < 0 || bottom < 0 || left >= image.width() || top >= image.height())
            continue;
        // A part covers at most its own area and outline: a part whose outline is not closed at
        // this size must not spill into its neighbour.
        const qint64 partLimit = std::min(limit, qint64(std::abs(twiceArea) / 2.0 + perimeter + 4));
        const int middle = std::clamp(int(std::floor((top + bottom) / 2.0)), 0, image.height() - 1);
        const int y0 = wholeRings ? std::max(0, int(std::floor(top))) : middle;
        const int y1 = wholeRings ? std::min(image.height() - 1, int(bottom)) : middle;
        int nearLineTries = wholeRings ? kNearLineTries : 0;
        qint64 got = 0;
        for (int y = y0; y <= y1 && got == 0; ++y)
            for (int x = std::max(0, int(std::floor(left))); x <= std::min(image.width() - 1, int(right)); ++x) {
                if (buffer.at(x, y) != background)
                    continue;
                // A pixel near the part's lines can lie on the neighbour's side of them as drawn.
                if (clearlyInside(t, row, QPoint(x, y))) {
                    got = FloodFill(buffer, x, y, colour, background, partLimit);
                    break;
                }
                if (nearLineTries > 0 && m_data->districtContains(row, t.toMapX(x + 0.5), t.toMapY(y + 0.5))) {
                    --nearLineTries;
                    if ((got = fillNearLines(buffer, t, row, QPoint(x, y), colour, partLimit)) > 0)
                        break;
                }
            }
        pixels += got;
    }
    return pixels;
}

qint64 DrawnMapPainter::paintNarrowDistrict(QImage &image, const DrawnTransform &t, int row, quint32 colour,
                                            const QPoint &fallback) const
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto &[first, last] : m_data->ringsOf(row)) {
        QPolygonF ring;
        for (qsizetype i = first; i <= last; ++i)
            ring.append(drawnAt(t, m_data->districts.at(i).x, m_data->districts.at(i).y));
        path.addPolygon(ring);
    }
    const QRect box = path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & image.rect();
    if (box.isEmpty())
        return 0;
    // The pixels whose middles the rings hold, found on a mask so that they can be counted.
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(-box.topLeft());
    painter.fillPath(path, Qt::white);
    painter.end();
    qint64 pixels = 0;
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x)
            if (mask.constScanLine(y)[x] != 0) {
                image.setPixel(box.left() + x, box.top() + y, colour);
                ++pixels;
            }
    if (pixels == 0 && image.rect().contains(fallback)) {
        image.setPixel(fallback, colour);
        pixels = 1;
    }
    return pixels;
}

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
    auto pixel = [&t](double x, double y) { return drawnAt(t, x, y); };

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
    const quint32 outline = outlineColour().rgb();
    if (filled)
        filled->clear();
    // The districts no fill reached, with the first fill of each (its first member keeps it) and a
    // pixel to paint at the least.
    struct Unreached {
        qsizetype fill;
        int row;
        QPoint at;
    };
    QList<Unreached> unreached;
    QSet<int> reached;
    for (qsizetype index = 0; index < plan.fills.size(); ++index) {
        const DrawnFill &f = plan.fills.at(index);
        qint64 pixels = 0;
        if (filter.allowsState(f.state)) {
            const int row = m_data ? m_data->rowOf(f.state, f.district) : -1;
            // No fill may cover more than the box around its district's rings (with the outline).
            qint64 limit = std::numeric_limits<qint64>::max();
            if (row >= 0) {
                const DrawnRect b = m_data->districtBounds(row);
                if (b.width() > 0 || b.height() > 0)
                    limit = qint64((b.width() * t.scale + 3) * (b.height() * t.scale + 3));
            }
            bool seedInView = false, taken = false;
            QPoint first(-1, -1);
            for (const DrawnSeed &s : f.seeds) {
                const auto [at, clear] = seedPixel(image, t, s, row, outline);
                if (first.x() < 0)
                    first = at;
                seedInView = seedInView || image.rect().contains(at);
                taken = taken || (image.rect().contains(at) && buffer.at(at.x(), at.y()) != background &&
                                  buffer.at(at.x(), at.y()) != outline);
                pixels += clear ? FloodFill(buffer, at.x(), at.y(), f.colour, background, limit)
                                : fillNearLines(buffer, t, row, at, f.colour, limit);
            }
            // A district zoomed so that its seeds lie beyond the picture still shows its vote.
            if (row >= 0 && (pixels > 0 || !seedInView))
                pixels += fillOtherParts(image, buffer, t, row, f.colour, limit, false);
            // Scaled down, a narrow district's seeds can all lie on its lines or beyond them, while
            // a few pixels of its own stay open: they are looked for in the whole of its rings.
            else if (row >= 0 && !taken)
                pixels += fillOtherParts(image, buffer, t, row, f.colour, limit, true);
            if (row >= 0 && pixels > 0)
                reached.insert(row);
            else if (row >= 0 && std::none_of(unreached.cbegin(), unreached.cend(),
                                              [row](const Unreached &u) { return u.row == row; }))
                unreached.append({index, row, first});
        }
        if (filled)
            filled->append(pixels);
    }
    // Painted after every fill, so that no fill meets a line the painting took away.
    m_narrowRows.clear();
    for (const Unreached &u : unreached)
        if (!reached.contains(u.row)) {
            m_narrowRows.append(u.row);
            const qint64 pixels = paintNarrowDistrict(image, t, u.row, plan.fills.at(u.fill).colour, u.at);
            if (filled)
                (*filled)[u.fill] += pixels;
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
