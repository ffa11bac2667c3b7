#include "gui/services/frmWait.h"

#include "gui/services/Services.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QVBoxLayout>

namespace rollscan {

namespace {
constexpr int kWatchSize = 40;
}

frmWait::frmWait(QWidget *parent) : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("frmWait"));
    setWindowTitle(kProgramTitle);
    setWindowModality(Qt::NonModal);
    // A half-finished job cannot be abandoned by closing this window, so it offers no close button.
    setAttribute(Qt::WA_DeleteOnClose, false);

    pnlInfo = new QLabel(QStringLiteral("Please wait, loading information..."), this);
    pnlInfo->setObjectName(QStringLiteral("pnlInfo"));
    pnlInfo->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlInfo->setMinimumWidth(260);
    pnlInfo->setMargin(4);

    pnlNum = new QLabel(this);
    pnlNum->setObjectName(QStringLiteral("pnlNum"));
    pnlNum->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlNum->setAlignment(Qt::AlignCenter);
    pnlNum->setMinimumWidth(70);
    pnlNum->setMargin(4);

    pnlWait = new QProgressBar(this);
    pnlWait->setObjectName(QStringLiteral("pnlWait"));
    pnlWait->setRange(0, 100);
    pnlWait->setValue(0);
    pnlWait->setTextVisible(true);

    pnlWatch = new QFrame(this);
    pnlWatch->setObjectName(QStringLiteral("pnlWatch"));
    pnlWatch->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnlWatch->setFixedSize(kWatchSize + 16, kWatchSize + 16);
    imgWatch = new QLabel(pnlWatch);
    imgWatch->setObjectName(QStringLiteral("imgWatch"));
    imgWatch->setPixmap(HourglassPicture(kWatchSize, devicePixelRatioF()));
    imgWatch->setAlignment(Qt::AlignCenter);
    auto *watchLayout = new QHBoxLayout(pnlWatch);
    watchLayout->setContentsMargins(0, 0, 0, 0);
    watchLayout->addWidget(imgWatch, 0, Qt::AlignCenter);

    auto *top = new QHBoxLayout;
    top->addWidget(pnlInfo, 1);
    top->addWidget(pnlNum);
    auto *texts = new QVBoxLayout;
    texts->addLayout(top);
    texts->addWidget(pnlWait);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(pnlWatch, 0, Qt::AlignVCenter);
    layout->addLayout(texts, 1);
    setFixedSize(sizeHint().expandedTo(QSize(420, 90)));
}

QPixmap frmWait::HourglassPicture(int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    const qreal capHeight = s * 0.1;
    const qreal left = s * 0.22, right = s * 0.78, mid = s * 0.5;
    const qreal top = capHeight, bottom = s - capHeight;
    const QColor wood(120, 72, 30);
    const QColor glass(210, 230, 245);
    const QColor sand(222, 180, 80);

    // The two glass bulbs meeting at a narrow neck.
    QPainterPath bulbs;
    bulbs.moveTo(left, top);
    bulbs.lineTo(right, top);
    bulbs.cubicTo(right, s * 0.35, mid + s * 0.04, s * 0.45, mid + s * 0.03, mid);
    bulbs.cubicTo(mid + s * 0.04, s * 0.55, right, s * 0.65, right, bottom);
    bulbs.lineTo(left, bottom);
    bulbs.cubicTo(left, s * 0.65, mid - s * 0.04, s * 0.55, mid - s * 0.03, mid);
    bulbs.cubicTo(mid - s * 0.04, s * 0.45, left, s * 0.35, left, top);
    p.setPen(QPen(QColor(60, 60, 80), s / 40.0));
    p.setBrush(glass);
    p.drawPath(bulbs);

    // Sand: a little left above, a heap below and the thin stream between.
    p.save();
    p.setClipPath(bulbs);
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    p.drawRect(QRectF(0, s * 0.32, s, s * 0.18));
    QPolygonF heap;
    heap << QPointF(left, bottom) << QPointF(mid, s * 0.68) << QPointF(right, bottom);
    p.drawPolygon(heap);
    p.drawRect(QRectF(mid - s * 0.012, mid, s * 0.024, s * 0.2));
    p.restore();

    // Top and bottom caps.
    p.setPen(Qt::NoPen);
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(s * 0.12, 0, s * 0.76, capHeight), capHeight / 3, capHeight / 3);
    p.drawRoundedRect(QRectF(s * 0.12, s - capHeight, s * 0.76, capHeight), capHeight / 3, capHeight / 3);
    return pixmap;
}

} // namespace rollscan
