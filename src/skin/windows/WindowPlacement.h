#pragma once

#include <functional>

class QSize;
class QWidget;

// Places a top-level window in the middle of the screen's work area, or of another window.
void CenterOnScreen(QWidget* window);
void CenterOnWindow(QWidget* window, const QWidget* other);

// Sets the window's minimum size, unless the window has one fixed size:
// a window that cannot be resized keeps advertising exactly its size, so no window manager shrinks
// it.
void SetMinimumUnlessFixed(QWidget* window, QSize minimum);

// Runs the placement once, when the window is first shown; later shows keep where the user left it.
void PlaceOnFirstShow(QWidget* window, std::function<void()> place);
