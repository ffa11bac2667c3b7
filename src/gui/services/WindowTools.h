#pragma once

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <initializer_list>

class QAction;
class QListWidget;
class QMenu;
class QToolBar;
class QPainter;
class QRect;
class QWidget;

namespace rollscan {

// Gives a control its design name, so that tests and the rest of the program find it by that name.
template <typename T> T *Named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A menu item named for tests and the rest of the program, with its shortcut when it has one.
QAction *MenuEntry(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {});

// A toolbar command named likewise; `tip` replaces the caption as its tool tip when given.
QAction *ToolEntry(QToolBar *bar, const QString &caption, const char *name, const QKeySequence &shortcut = {},
                   const QString &tip = {});

// A screen font from the first of `families` the system has, the kind named by `hint` standing in
// when it has none of them.
QFont ScreenFont(std::initializer_list<const char *> families, int points, QFont::StyleHint hint = QFont::SansSerif,
                 bool bold = false);

// True when a top-level window with exactly this object name exists (shown or hidden).
bool IsFormLoaded(const QString &name);

// Moves a window to the centre of the available area of its screen (the primary screen when it
// has none yet). The window keeps its size unless it is larger than that area.
void CentreOnScreen(QWidget *window);

// The horizontal scroll extent a list should get, in pixels: the widest line `widestLine`, capped at
// the screen width minus 20. When the widest line equals the list's current extent the current
// extent is kept.
int ListScrollExtent(int widestLine, int currentExtent, int screenWidth);

// Width in pixels of each line of a list as drawn in the list's font.
QList<int> ListLineWidths(const QListWidget *list);

// Lets the list's horizontal scroll bar reach its widest line (up to the screen width minus 20).
// Returns the extent now in force; a list asked again without changes keeps its extent.
int FitListScroll(QListWidget *list);

// The main window's background: 256 horizontal bands over `area`, from bright blue at the top
// (blue 255) to black at the bottom (blue 0).
void PaintBlueGradient(QPainter &painter, const QRect &area);

} // namespace rollscan
