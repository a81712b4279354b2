// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

// Runs the work once, as soon as the window has drawn its first frame: work a start needs done but
// the first frame does not waits until the learner sees the window. The window must have been shown.
void AfterFirstFrame(QWidget& window, std::function<void()> work);

// Gives the system back the heap memory the start freed: reading the font configuration and
// decoding pictures leave many freed pages the heap would otherwise keep.
void ReturnFreedMemory();
