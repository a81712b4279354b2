// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPoint;
class QRect;
class QSize;
class QWidget;

// Places a top-level window in the middle of the screen's work area, or of another window, always
// inside the work area: a window larger than it keeps its top-left corner, and so its title bar, in
// sight.
void CenterOnScreen(QWidget* window);
void CenterOnWindow(QWidget* window, const QWidget* other);

// Where a window of the frame's size covers the least of the area it should leave in sight: where
// it stands, or above, below, right or left of the area's window, each kept on the screen; the
// first of those places that covers least, where it stands when it covers nothing.
QPoint PlaceClearOf(const QRect& frame, const QRect& area, const QRect& areaWindow, const QRect& screen);

// Sets the window's minimum size, unless the window has one fixed size:
// a window that cannot be resized keeps advertising exactly its size, so no window manager shrinks
// it.
void SetMinimumUnlessFixed(QWidget* window, QSize minimum);

// Runs the placement once, when the window is first shown; later shows keep where the user left it.
void PlaceOnFirstShow(QWidget* window, std::function<void()> place);
