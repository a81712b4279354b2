#pragma once

#include <functional>

class QWidget;

// Places a top-level window in the middle of the screen's work area, or of another window.
void CenterOnScreen(QWidget* window);
void CenterOnWindow(QWidget* window, const QWidget* other);

// Runs the placement once, when the window is first shown; later shows keep where the user left it.
void PlaceOnFirstShow(QWidget* window, std::function<void()> place);
