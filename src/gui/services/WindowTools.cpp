#include "gui/services/WindowTools.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QListWidget>
#include <QPainter>
#include <QRect>
#include <QScreen>
#include <QScrollBar>
#include <QWidget>

#include <algorithm>

namespace rollscan {

namespace {
// The extent FitListScroll last gave a list, kept on the list itself.
const char *const kExtentProperty = "rollscanHorizontalExtent";
constexpr int kScreenMargin = 20;
constexpr int kGradientBands = 256;
} // namespace

bool IsFormLoaded(const QString &name)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [&](const QWidget *w) { return w->objectName() == name; });
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    QSize size = window->frameGeometry().size();
    if (size.width() > available.width() || size.height() > available.height()) {
        window->resize(window->size().boundedTo(available.size()));
        size = window->frameGeometry().size().boundedTo(available.size());
    }
    window->move(available.left() + (available.width() - size.width()) / 2,
                 available.top() + (available.height() - size.height()) / 2);
}

int ListScrollExtent(int widestLine, int currentExtent, int screenWidth)
{
    if (widestLine == currentExtent)
        return currentExtent;
    return std::min(widestLine, std::max(0, screenWidth - kScreenMargin));
}

QList<int> ListLineWidths(const QListWidget *list)
{
    QList<int> widths;
    widths.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        const QFontMetrics metrics(item->font() == QFont() ? list->font() : item->font());
        widths.append(metrics.horizontalAdvance(item->text()));
    }
    return widths;
}

int FitListScroll(QListWidget *list)
{
    const QList<int> widths = ListLineWidths(list);
    const int widest = widths.isEmpty() ? 0 : *std::max_element(widths.cbegin(), widths.cend());
    const int current = list->property(kExtentProperty).toInt();
    const QScreen *screen = list->screen() ? list->screen() : QGuiApplication::primaryScreen();
    const int screenWidth = screen ? screen->geometry().width() : 800;
    const int extent = ListScrollExtent(widest, current, screenWidth);
    if (extent == current)
        return current;

    list->setProperty(kExtentProperty, extent);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // The list's own layout already reaches the widest line; only lines beyond the cap need their
    // width held down, which keeps the scroll range at the extent.
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        if (widths.at(i) > extent)
            item->setSizeHint(QSize(extent, list->sizeHintForRow(i)));
        else if (item->sizeHint().isValid())
            item->setSizeHint(QSize());
    }
    list->doItemsLayout();
    return extent;
}

void PaintBlueGradient(QPainter &painter, const QRect &area)
{
    const int height = area.height();
    if (height <= 0)
        return;
    if (height < kGradientBands) {
        // Fewer rows than bands: each row takes the band at its place, so the top row stays bright
        // blue and the bottom row black however small the window is.
        for (int y = 0; y < height; ++y) {
            const int band = height == 1 ? 0 : y * (kGradientBands - 1) / (height - 1);
            painter.fillRect(QRect(area.left(), area.top() + y, area.width(), 1), QColor(0, 0, 255 - band));
        }
        return;
    }
    for (int i = 0; i < kGradientBands; ++i) {
        const int top = area.top() + i * height / kGradientBands;
        const int bottom = area.top() + (i + 1) * height / kGradientBands;
        painter.fillRect(QRect(area.left(), top, area.width(), bottom - top), QColor(0, 0, 255 - i));
    }
}

} // namespace rollscan
