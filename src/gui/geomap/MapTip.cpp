#include "gui/geomap/MapTip.h"

#include "gui/geomap/MapControl.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace rollscan {

namespace {
// The tip sits this far below the pointer, clear of the cursor.
constexpr int kBelowPointer = 19;
constexpr int kLabelLeft = 3;
constexpr int kPadding = 7;
} // namespace

MapTip::MapTip(QObject *parent) : QObject(parent) {}

void MapTip::Initialize(MapControl *map, QTimer *timer, QFrame *picture, QLabel *label)
{
    m_map = map;
    m_timer = timer;
    m_picture = picture;
    m_label = label;
    m_picture->hide();
    m_label->setAutoFillBackground(false);
    m_timer->setInterval(kInterval);
    connect(m_timer, &QTimer::timeout, this, &MapTip::Timer);
}

void MapTip::MouseMove(const QPoint &position)
{
    m_current = position;
    if (m_timer->isActive()) {
        hide();
    } else {
        m_last = position;
        m_timer->start();
    }
}

void MapTip::Timer()
{
    if (m_current != m_last) {
        m_last = m_current;
        return;
    }
    m_timer->stop();
    const QString text = m_text ? m_text(m_map->ToMapPoint(QPointF(m_current))) : QString();
    if (text.isEmpty())
        hide();
    else
        show(text);
}

void MapTip::hide()
{
    if (m_picture)
        m_picture->hide();
}

void MapTip::show(const QString &text)
{
    m_label->setText(text);
    m_label->adjustSize();
    m_label->move(kLabelLeft, 2);
    QWidget *host = m_picture->parentWidget();
    const QPoint at = m_map->mapTo(host, m_current) + QPoint(0, kBelowPointer);
    const int width = m_label->width() + kPadding;
    const int height = m_label->height() + 4;
    // Keep the whole tip inside the window.
    const int x = std::max(0, std::min(at.x(), host->width() - width));
    const int y = std::min(at.y(), host->height() - height);
    m_picture->setGeometry(x, y, width, height);
    m_picture->show();
    m_picture->raise();
}

} // namespace rollscan
