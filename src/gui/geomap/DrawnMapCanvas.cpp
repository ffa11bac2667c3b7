#include "gui/geomap/DrawnMapCanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace rollscan {

DrawnMapCanvas::DrawnMapCanvas(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    setFocusPolicy(Qt::StrongFocus);
}

void DrawnMapCanvas::setPicture(const QImage &picture, const DrawnMapView &view)
{
    m_picture = picture;
    m_picture.setDevicePixelRatio(devicePixelRatioF());
    m_view = view;
    update();
}

QSize DrawnMapCanvas::pixelSize() const
{
    return (QSizeF(size()) * devicePixelRatioF()).toSize();
}

QPointF DrawnMapCanvas::toMap(const QPointF &position) const
{
    const QSize pixels = pixelSize();
    const DrawnTransform t = DrawnTransform::Fit(m_view, pixels.width(), pixels.height());
    const double ratio = devicePixelRatioF();
    return {t.toMapX(position.x() * ratio), t.toMapY(position.y() * ratio)};
}

void DrawnMapCanvas::setMarker(std::optional<QPointF> mapPoint)
{
    m_marker = mapPoint;
    update();
}

void DrawnMapCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_picture.isNull())
        painter.drawImage(QPointF(0, 0), m_picture);
    if (m_marker) {
        const QSize pixels = pixelSize();
        const DrawnTransform t = DrawnTransform::Fit(m_view, pixels.width(), pixels.height());
        const double ratio = devicePixelRatioF();
        const QPointF at(t.toPixelX(m_marker->x()) / ratio, t.toPixelY(m_marker->y()) / ratio);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 12, 12);
        painter.setPen(QPen(Qt::yellow, 1.5));
        painter.drawEllipse(at, 12, 12);
    }
}

void DrawnMapCanvas::mousePressEvent(QMouseEvent *event)
{
    emit mouseDown(event->button(), toMap(event->position()));
}

void DrawnMapCanvas::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(toMap(event->position()), event->position().toPoint());
}

void DrawnMapCanvas::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace rollscan
