#pragma once

class QWidget;

namespace rollscan {

// Shrinks a window that would not fit the available area of its screen (frame included) so that every
// part of it stays reachable, and moves it inside that area. A window whose controls cannot shrink that
// far gets its contents in a scroll area; none is ever larger than the screen.
void FitToScreen(QWidget *window);

// Places `window` beside `opener` (to its right, else to its left, else at the screen's right edge),
// within the available area of the opener's screen, so that the window that opened it stays in view.
void PlaceBeside(QWidget *window, const QWidget *opener);

// A list property: pixels drawn before each line (a list shown in columns sets it); the list's line
// widths and scroll extent count them.
inline constexpr const char *kLinePrefixProperty = "rollscanLinePrefix";

} // namespace rollscan
