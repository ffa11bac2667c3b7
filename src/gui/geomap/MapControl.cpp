#include "gui/geomap/MapControl.h"

#include "core/geomap/ShapeLayer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QWheelEvent>

#include <cmath>

namespace rollscan {

namespace {
// One notch of the wheel zooms by this factor.
constexpr double kWheelStep = 1.25;
// A rectangle smaller than this many pixels is taken for a click, not a zoom.
constexpr int kMinimumTrack = 4;
} // namespace

MapControl::MapControl(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void MapControl::setLayer(const ShapeLayer *layer)
{
    m_painter.setLayer(layer);
    update();
}

void MapControl::setPicture(const UsMapPicture &picture)
{
    const MapExtent view = m_picture.view;
    m_picture = picture;
    if (picture.view.isEmpty())
        m_picture.view = view;
    update();
}

void MapControl::setLabels(const QString &field, double height)
{
    m_picture.labelField = field;
    m_picture.labelHeight = height;
    update();
}

void MapControl::setHighlight(int feature)
{
    m_picture.highlight = feature;
    update();
}

void MapControl::setExtent(const MapExtent &extent)
{
    if (extent.isEmpty())
        return;
    m_picture.view = extent;
    update();
}

MapExtent MapControl::fullExtent() const
{
    return layer() ? layer()->fullExtent() : MapExtent{};
}

MapTransform MapControl::transform() const
{
    return MapTransform(m_picture.view, QRectF(rect()));
}

MapExtent MapControl::visibleExtent() const
{
    return transform().visibleExtent();
}

QPointF MapControl::ToMapPoint(const QPointF &control) const
{
    return transform().toMap(control);
}

double MapControl::ToMapDistance(double pixels) const
{
    return transform().toMapDistance(pixels);
}

void MapControl::zoomAbout(const QPointF &control, double factor)
{
    if (factor <= 0.0)
        return;
    const MapExtent v = visibleExtent();
    const QPointF anchor = ToMapPoint(control);
    MapExtent e;
    e.minX = anchor.x() - (anchor.x() - v.minX) / factor;
    e.maxX = anchor.x() + (v.maxX - anchor.x()) / factor;
    e.minY = anchor.y() - (anchor.y() - v.minY) / factor;
    e.maxY = anchor.y() + (v.maxY - anchor.y()) / factor;
    setExtent(e);
    emit extentChanged();
}

void MapControl::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    m_painter.paint(p, QRectF(rect()), m_picture);
}

void MapControl::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), event->position().toPoint());
    if (event->button() != Qt::LeftButton || m_tracking == Tracking::None)
        return;
    m_pressAt = event->position().toPoint();
    m_pressExtent = visibleExtent();
    if (m_tracking == Tracking::Rectangle) {
        if (!m_band)
            m_band = new QRubberBand(QRubberBand::Rectangle, this);
        m_band->setGeometry(QRect(*m_pressAt, QSize()));
        m_band->show();
    } else {
        setCursor(Qt::ClosedHandCursor);
    }
}

void MapControl::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    emit mouseMoved(at);
    if (!m_pressAt)
        return;
    if (m_tracking == Tracking::Rectangle && m_band) {
        m_band->setGeometry(QRect(*m_pressAt, at).normalized());
    } else if (m_tracking == Tracking::Pan) {
        const MapTransform t(m_pressExtent, QRectF(rect()));
        const double dx = (at.x() - m_pressAt->x()) / t.scaleX();
        const double dy = (at.y() - m_pressAt->y()) / t.scale();
        setExtent({m_pressExtent.minX - dx, m_pressExtent.minY + dy, m_pressExtent.maxX - dx, m_pressExtent.maxY + dy});
    }
}

void MapControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressAt || event->button() != Qt::LeftButton)
        return;
    const QPoint start = *m_pressAt;
    m_pressAt.reset();
    unsetCursor();
    if (m_tracking == Tracking::Rectangle) {
        if (m_band)
            m_band->hide();
        const QRect r = QRect(start, event->position().toPoint()).normalized();
        if (r.width() < kMinimumTrack || r.height() < kMinimumTrack)
            return;
        const QPointF a = ToMapPoint(r.topLeft());
        const QPointF b = ToMapPoint(r.bottomRight());
        setExtent({std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()), std::max(a.y(), b.y())});
        emit extentChanged();
    } else if (m_tracking == Tracking::Pan) {
        emit extentChanged();
    }
}

void MapControl::wheelEvent(QWheelEvent *event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0.0)
        return;
    zoomAbout(event->position(), std::pow(kWheelStep, notches));
    event->accept();
}

void MapControl::leaveEvent(QEvent *event)
{
    emit mouseLeft();
    QWidget::leaveEvent(event);
}

} // namespace rollscan
