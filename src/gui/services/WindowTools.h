#pragma once

#include <QList>
#include <QString>

class QListWidget;
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

// True when a top-level window with exactly this object name exists (shown or hidden).
bool IsFormLoaded(const QString &name);

// Moves a window to the centre of the available area of its screen (the primary screen when it
// has none yet). The window keeps its size unless it is larger than that area.
void CentreOnScreen(QWidget *window);

// Shrinks a window that would not fit the available area of its screen (frame included) so that every
// part of it stays reachable, and moves it inside that area. Windows whose contents cannot shrink
// that far get scroll bars from their own layouts; none is ever larger than the screen.
void FitToScreen(QWidget *window);

// Places `window` beside `opener` (to its right, else to its left, else over its lower right corner),
// within the available area of the opener's screen, so that the window that opened it stays in view.
void PlaceBeside(QWidget *window, const QWidget *opener);

// The horizontal scroll extent a list should get, in pixels: the widest line `widestLine`, capped at
// the screen width minus 20. When the widest line equals the list's current extent the current
// extent is kept.
int ListScrollExtent(int widestLine, int currentExtent, int screenWidth);

// A list property: pixels drawn before each line (a list shown in columns sets it).
inline constexpr const char *kLinePrefixProperty = "rollscanLinePrefix";

// Width in pixels of each line of a list as drawn in the list's font, after its line prefix.
QList<int> ListLineWidths(const QListWidget *list);

// Lets the list's horizontal scroll bar reach its widest line (up to the screen width minus 20).
// Returns the extent now in force; a list asked again without changes keeps its extent.
int FitListScroll(QListWidget *list);

// The main window's background: 256 horizontal bands over `area`, from bright blue at the top
// (blue 255) to black at the bottom (blue 0).
void PaintBlueGradient(QPainter &painter, const QRect &area);

} // namespace rollscan
