#include "gui/attach/FittedPicture.h"

#include <QPainter>

namespace rollscan {

FittedPicture::FittedPicture(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FittedPicture::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    m_scaled = QPixmap();
    updateGeometry();
    update();
}

QRect FittedPicture::FitRect(const QSize &picture, const QRect &area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    QSize size = picture;
    if (size.width() > area.width() || size.height() > area.height())
        size = picture.scaled(area.size(), Qt::KeepAspectRatio);
    // A sliver of a very long picture still shows as a line.
    size = size.expandedTo(QSize(1, 1));
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

QRect FittedPicture::pictureRect() const
{
    return FitRect(m_pixmap.deviceIndependentSize().toSize(), contentsRect());
}

QSize FittedPicture::sizeHint() const
{
    return m_pixmap.isNull() ? QSize(200, 150) : m_pixmap.deviceIndependentSize().toSize();
}

QSize FittedPicture::minimumSizeHint() const
{
    return {32, 32};
}

void FittedPicture::paintEvent(QPaintEvent *)
{
    if (m_pixmap.isNull())
        return;
    const QRect rect = pictureRect();
    if (rect.isEmpty())
        return;
    // Shrinking a map or a chart by sampling drops its thin lines: the picture is scaled once per
    // size with averaging, in the screen's own pixels.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(rect.size()) * ratio).toSize();
    if (pixels == m_pixmap.size()) {
        m_scaled = m_pixmap;
    } else if (m_scaled.size() != pixels) {
        m_scaled = m_pixmap.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    m_scaled.setDevicePixelRatio(ratio);
    QPainter painter(this);
    painter.drawPixmap(rect.topLeft(), m_scaled);
}

} // namespace rollscan
