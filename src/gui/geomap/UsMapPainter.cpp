#include "gui/geomap/UsMapPainter.h"

#include "core/geomap/MapTransform.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/UsMapRules.h"
#include "gui/app/PaletteColour.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace rollscan {

namespace {
const QColor kOutline(70, 70, 70);
const QColor kHighlightOutline(0, 0, 0);
// Vertices closer than this (pixels, each axis) to the last one drawn are skipped.
constexpr double kVertexSpacing = 1.0;
// Radius of a vote circle in pixels: a fixed size reads the same at every zoom.
constexpr double kCircleRadius = 6.0;

// A label sits at the middle of the feature's largest ring.
QPointF labelPointOf(const MapFeature &f)
{
    double best = -1.0;
    QPointF point((f.bounds.minX + f.bounds.maxX) / 2.0, (f.bounds.minY + f.bounds.maxY) / 2.0);
    for (const QList<QPointF> &ring : f.parts) {
        double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
        for (const QPointF &p : ring) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
        const double area = (maxX - minX) * (maxY - minY);
        if (area > best) {
            best = area;
            point = QPointF((minX + maxX) / 2.0, (minY + maxY) / 2.0);
        }
    }
    return point;
}
} // namespace

QColor UsMapPainter::defaultColour()
{
    // An RGB long keeps red in its low byte.
    return QColor(kDefaultFeatureColour & 0xff, (kDefaultFeatureColour >> 8) & 0xff,
                  (kDefaultFeatureColour >> 16) & 0xff);
}

QColor UsMapPainter::backgroundColour()
{
    return Qt::white;
}

void UsMapPainter::setLayer(const ShapeLayer *layer)
{
    m_layer = layer;
    m_labelPoints.clear();
    m_labelOrder.clear();
    m_labels = {};
    m_paths = {};
    if (!layer)
        return;
    QList<double> areas;
    for (const MapFeature &f : layer->features()) {
        m_labelPoints.append(labelPointOf(f));
        areas.append(f.mainBounds.width() * f.mainBounds.height());
        m_labelOrder.append(int(m_labelOrder.size()));
    }
    std::stable_sort(m_labelOrder.begin(), m_labelOrder.end(), [&](int a, int b) { return areas.at(a) > areas.at(b); });
}

const QPainterPath &UsMapPainter::scaledPath(int feature, const MapTransform &t) const
{
    const auto same = [](double a, double b) { return std::abs(a - b) <= 1e-9 * std::abs(b); };
    if (!same(m_paths.scaleX, t.scaleX()) || !same(m_paths.scaleY, t.scale()) ||
        m_paths.paths.size() != m_layer->count()) {
        m_paths.scaleX = t.scaleX();
        m_paths.scaleY = t.scale();
        m_paths.paths = QList<QPainterPath>(m_layer->count());
        m_paths.built = QList<bool>(m_layer->count(), false);
    }
    QPainterPath &path = m_paths.paths[feature];
    if (m_paths.built.at(feature))
        return path;
    m_paths.built[feature] = true;
    // Vertices that fall within a pixel of the last one kept are dropped: at full map most of a
    // district's vertices share a pixel, and drawing them is what would make a redraw slow.
    const double sx = m_paths.scaleX;
    const double sy = -m_paths.scaleY;
    path.setFillRule(Qt::OddEvenFill);
    for (const QList<QPointF> &ring : m_layer->feature(feature).parts) {
        if (ring.size() < 3)
            continue;
        QPointF last(ring.first().x() * sx, ring.first().y() * sy);
        path.moveTo(last);
        const qsizetype n = ring.size();
        for (qsizetype i = 1; i < n; ++i) {
            const QPointF p(ring.at(i).x() * sx, ring.at(i).y() * sy);
            if (i + 1 < n && std::abs(p.x() - last.x()) < kVertexSpacing && std::abs(p.y() - last.y()) < kVertexSpacing)
                continue;
            path.lineTo(p);
            last = p;
        }
        path.closeSubpath();
    }
    return path;
}

void UsMapPainter::paint(QPainter &painter, const QRectF &target, const UsMapPicture &picture) const
{
    painter.save();
    painter.setClipRect(target);
    painter.fillRect(target, backgroundColour());
    if (!m_layer || picture.view.isEmpty()) {
        painter.restore();
        return;
    }
    const MapTransform t(picture.view, target);
    const MapExtent visible = t.visibleExtent();

    QPen outline(kOutline);
    outline.setCosmetic(true);
    outline.setWidthF(0.0);
    const QColor defaultFill = defaultColour();
    painter.save();
    painter.translate(t.offsetX(), t.offsetY());
    for (int i = 0; i < m_layer->count(); ++i) {
        const MapExtent &b = m_layer->feature(i).bounds;
        if (b.maxX < visible.minX || b.minX > visible.maxX || b.maxY < visible.minY || b.minY > visible.maxY)
            continue;
        const FeatureFill *fill = i < picture.fills.size() ? &picture.fills.at(i) : nullptr;
        QBrush brush(defaultFill);
        if (fill && fill->style == FillStyle::Transparent)
            brush = Qt::NoBrush;
        else if (fill && fill->graded)
            brush = QBrush(QColor(fill->rgb.red, fill->rgb.green, fill->rgb.blue));
        else if (fill && !fill->usesDefault)
            brush = QBrush(PaletteColour(fill->colour),
                           fill->style == FillStyle::DiagonalCross ? Qt::DiagCrossPattern : Qt::SolidPattern);
        painter.setPen(outline);
        painter.setBrush(brush);
        painter.drawPath(scaledPath(i, t));
    }

    if (picture.highlight >= 0 && picture.highlight < m_layer->count()) {
        QPen pen(kHighlightOutline);
        pen.setWidthF(3.0);
        painter.setPen(pen);
        painter.setBrush(QBrush(Qt::white, Qt::BDiagPattern));
        painter.drawPath(scaledPath(picture.highlight, t));
    }
    painter.restore();

    if (!picture.circles.isEmpty()) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.0));
        for (const MapCircle &circle : picture.circles) {
            if (circle.feature < 0 || circle.feature >= m_labelPoints.size())
                continue;
            const QPointF &p = m_labelPoints.at(circle.feature);
            if (!visible.contains(p.x(), p.y()))
                continue;
            QPointF c = t.toControl(p.x(), p.y());
            c.rx() += (circle.place - (circle.sideBySide - 1) / 2.0) * 2.5 * kCircleRadius;
            painter.setBrush(circle.colour);
            painter.drawEllipse(c, kCircleRadius, kCircleRadius);
        }
        painter.restore();
    }

    if (!picture.labelField.isEmpty() && picture.labelHeight > 0.0)
        paintLabels(painter, target, t, picture);
    painter.restore();
}

void UsMapPainter::paintLabels(QPainter &painter, const QRectF &target, const MapTransform &t,
                               const UsMapPicture &picture) const
{
    const int pixelSize = std::max(1, int(std::lround(picture.labelHeight * t.scale())));
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (m_labels.field != picture.labelField || m_labels.pixelSize != pixelSize || m_labels.pixelRatio != ratio ||
        m_labels.texts.size() != m_labelPoints.size()) {
        LabelLayout layout;
        layout.field = picture.labelField;
        layout.pixelSize = pixelSize;
        layout.pixelRatio = ratio;
        layout.font.setStyleHint(QFont::SansSerif);
        layout.font.setPixelSize(pixelSize);
        const QFontMetricsF metrics(layout.font);
        layout.ascent = metrics.ascent();
        layout.height = metrics.height();
        layout.texts = m_layer->values(picture.labelField);
        layout.widths.reserve(layout.texts.size());
        for (const QString &text : std::as_const(layout.texts))
            layout.widths.append(metrics.horizontalAdvance(text));
        layout.images.resize(layout.texts.size());
        m_labels = std::move(layout);
    }

    // A label that would overlap one already placed is left out: at full map the districts' labels
    // would otherwise pile into an unreadable mass. Larger features place theirs first.
    const MapExtent visible = t.visibleExtent();
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    QList<QRectF> placed;
    painter.setFont(m_labels.font);
    painter.setPen(Qt::black);
    for (const int i : m_labelOrder) {
        const QPointF &p = m_labelPoints.at(i);
        if (m_labels.texts.at(i).isEmpty() || !visible.contains(p.x(), p.y()))
            continue;
        const QPointF c = t.toControl(p.x(), p.y());
        // Centred on the point, the middle of the ascent on its line.
        const QRectF box(c.x() - m_labels.widths.at(i) / 2.0, c.y() - m_labels.ascent / 2.0, m_labels.widths.at(i),
                         m_labels.height);
        // A label cut by the edge of the picture is left out as well.
        if (!target.contains(box) ||
            std::any_of(placed.cbegin(), placed.cend(), [&](const QRectF &r) { return r.intersects(box); }))
            continue;
        placed.append(box);
        if (raster)
            painter.drawImage(box.topLeft(), labelImage(i));
        else
            painter.drawText(QPointF(box.left(), box.top() + m_labels.ascent), m_labels.texts.at(i));
    }
}

const QImage &UsMapPainter::labelImage(int feature) const
{
    QImage &image = m_labels.images[feature];
    if (image.isNull()) {
        const qreal ratio = m_labels.pixelRatio;
        image = QImage(int(std::ceil(m_labels.widths.at(feature) * ratio)) + 1, int(std::ceil(m_labels.height * ratio)),
                       QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setFont(m_labels.font);
        p.setPen(Qt::black);
        p.drawText(QPointF(0.0, m_labels.ascent), m_labels.texts.at(feature));
    }
    return image;
}

} // namespace rollscan
