// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QEvent;
class QObject;

// Runs the work once, the first time an event the test accepts reaches the object, before the
// object handles it; the watch ends with the object.
void OnFirstEvent(QObject* watched, std::function<bool(const QEvent&)> accepts, std::function<void()> work);
