#include "gui/services/WindowTools.h"

#include "gui/services/ScreenFit.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QRect>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace rollscan {

namespace {
// The extent FitListScroll last gave a list, kept on the list itself.
const char *const kExtentProperty = "rollscanHorizontalExtent";
constexpr int kScreenMargin = 20;
constexpr int kGradientBands = 256;
} // namespace

QAction *MenuEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = Named(menu->addAction(caption), name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction *ToolEntry(QToolBar *bar, const QString &caption, const char *name, const QKeySequence &shortcut,
                   const QString &tip)
{
    QAction *action = Named(bar->addAction(caption), name);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    action->setShortcut(shortcut);
    return action;
}

QFont ScreenFont(std::initializer_list<const char *> families, int points, QFont::StyleHint hint, bool bold)
{
    QStringList names;
    for (const char *family : families)
        names.append(QString::fromLatin1(family));
    QFont font(names);
    font.setStyleHint(hint);
    font.setPointSize(points);
    if (bold)
        font.setBold(true);
    return font;
}

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

namespace {
// Puts the contents of a window whose controls cannot shrink to the screen into a scroll area, so
// that every control can still be reached (a large scale factor on a small screen, say).
void ScrollWhenTooLarge(QWidget *window)
{
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("fitScrollArea"));
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QWidget *content = main->takeCentralWidget();
        if (!content || qobject_cast<QScrollArea *>(content)) {
            if (content)
                main->setCentralWidget(content);
            delete area;
            return;
        }
        area->setWidget(content);
        main->setCentralWidget(area);
        return;
    }
    QLayout *layout = window->layout();
    if (!layout || window->findChild<QScrollArea *>(QStringLiteral("fitScrollArea"), Qt::FindDirectChildrenOnly)) {
        delete area;
        return;
    }
    // Setting a widget's layout on another widget moves it there, with the controls it manages.
    auto *content = new QWidget;
    content->setLayout(layout);
    area->setWidget(content);
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
}
// The frame is not known before the window is shown; a typical title bar and border are allowed for.
QSize frameAllowance(const QWidget *window)
{
    return window->isVisible() ? window->frameGeometry().size() - window->size() : QSize(16, 40);
}
} // namespace

void FitToScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameAllowance(window);
    const QSize room = available.size() - frame;
    if (window->minimumWidth() > room.width() || window->minimumHeight() > room.height())
        window->setMinimumSize(window->minimumSize().boundedTo(room));
    const QSize needed = window->minimumSizeHint();
    if (needed.width() > room.width() || needed.height() > room.height())
        ScrollWhenTooLarge(window);
    window->resize(window->size().boundedTo(room));
    const QRect outer(window->pos(), window->size() + frame);
    const int left = std::clamp(outer.left(), available.left(), available.right() + 1 - outer.width());
    const int top = std::clamp(outer.top(), available.top(), available.bottom() + 1 - outer.height());
    window->move(left, top);
}

void PlaceBeside(QWidget *window, const QWidget *opener)
{
    FitToScreen(window);
    if (!opener)
        return;
    QScreen *screen = opener->screen() ? opener->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    const QRect near = opener->frameGeometry();
    // Before the window is shown its frame is not known yet: allowed for as FitToScreen does, so that
    // the frame added on showing does not push it over the screen's edge.
    const QSize size = window->size() + frameAllowance(window);
    int left;
    if (near.right() + 1 + size.width() <= available.right() + 1)
        left = near.right() + 1;
    else if (near.left() - size.width() >= available.left())
        left = near.left() - size.width();
    else
        left = available.right() + 1 - size.width(); // no room beside it: over its right-hand side
    const int top =
        std::clamp(near.top(), available.top(), std::max(available.top(), available.bottom() + 1 - size.height()));
    window->move(std::max(available.left(), left), top);
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
    // A list drawn in columns shows each line after its leading columns.
    const int prefix = list->property(kLinePrefixProperty).toInt();
    for (int i = 0; i < list->count(); ++i) {
        const QListWidgetItem *item = list->item(i);
        const QFontMetrics metrics(item->font() == QFont() ? list->font() : item->font());
        widths.append(prefix + metrics.horizontalAdvance(item->text()));
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
