#include "gui/geomap/UsMapPainter.h"

#include "core/geomap/MapTransform.h"
#include "core/geomap/ShapeLayer.h"
#include "core/geomap/UsMapRules.h"
#include "gui/app/PaletteColour.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace rollscan {

namespace {
const QColor kOutline(70, 70, 70);
const QColor kHighlightOutline(0, 0, 0);
// Vertices closer than this (pixels, each axis) to the last one drawn are skipped.
constexpr double kVertexSpacing = 1.0;

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
    if (!layer)
        return;
    for (const MapFeature &f : layer->features())
        m_labelPoints.append(labelPointOf(f));
}

QPainterPath UsMapPainter::controlPath(int feature, const MapTransform &t) const
{
    // Outlines are built in control pixels, dropping vertices that fall within a pixel of the last
    // one kept: at full map most of a district's vertices share a pixel, and drawing them is what
    // would make a redraw slow.
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const QList<QPointF> &ring : m_layer->feature(feature).parts) {
        if (ring.size() < 3)
            continue;
        QPointF last = t.toControl(ring.first().x(), ring.first().y());
        path.moveTo(last);
        const qsizetype n = ring.size();
        for (qsizetype i = 1; i < n; ++i) {
            const QPointF p = t.toControl(ring.at(i).x(), ring.at(i).y());
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
    for (int i = 0; i < m_layer->count(); ++i) {
        const MapExtent &b = m_layer->feature(i).bounds;
        if (b.maxX < visible.minX || b.minX > visible.maxX || b.maxY < visible.minY || b.minY > visible.maxY)
            continue;
        const FeatureFill *fill = i < picture.fills.size() ? &picture.fills.at(i) : nullptr;
        QBrush brush(defaultFill);
        if (fill && fill->style == FillStyle::Transparent)
            brush = Qt::NoBrush;
        else if (fill && !fill->usesDefault)
            brush = QBrush(PaletteColour(fill->colour),
                           fill->style == FillStyle::DiagonalCross ? Qt::DiagCrossPattern : Qt::SolidPattern);
        painter.setPen(outline);
        painter.setBrush(brush);
        painter.drawPath(controlPath(i, t));
    }

    if (picture.highlight >= 0 && picture.highlight < m_layer->count()) {
        QPen pen(kHighlightOutline);
        pen.setWidthF(3.0);
        painter.setPen(pen);
        painter.setBrush(QBrush(Qt::white, Qt::BDiagPattern));
        painter.drawPath(controlPath(picture.highlight, t));
    }

    if (!picture.labelField.isEmpty() && picture.labelHeight > 0.0) {
        QFont font;
        font.setStyleHint(QFont::SansSerif);
        font.setBold(false);
        font.setPixelSize(std::max(1, int(std::lround(picture.labelHeight * t.scale()))));
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(font);
        for (int i = 0; i < m_labelPoints.size(); ++i) {
            const QPointF &p = m_labelPoints.at(i);
            if (!visible.contains(p.x(), p.y()))
                continue;
            const QString text = m_layer->value(i, picture.labelField);
            const QPointF c = t.toControl(p.x(), p.y());
            const double w = metrics.horizontalAdvance(text);
            painter.drawText(QPointF(c.x() - w / 2.0, c.y() + metrics.ascent() / 2.0), text);
        }
    }
    painter.restore();
}

} // namespace rollscan
