// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <functional>
#include <utility>

// The application's one place for errors that leave an event handler: the message is shown in a
// box with the error icon and an OK button, titled with the application's name, and the program
// runs on. Exceptions never travel through the toolkit's own frames: every handler that may fail
// runs inside RunHandler.

// The message as the box shows it: a full stop is appended when the last character sorts after
// the full stop ("File not found" gains one; texts ending in "!" or "." stay as they are).
QString MessageWithFullStop(const QString& message);

// Shows the message box (modal) through the current presenter.
void ReportError(const QString& message);

// What ReportError calls; the default builds the modal box. Tests put a recorder in its place.
using ErrorPresenter = std::function<void(const QString& message)>;
ErrorPresenter SetErrorPresenter(ErrorPresenter presenter);

void ReportException(const std::exception_ptr& error);

// Runs one handler; an exception ends it at the failing step and is reported. Returns whether the
// handler ran to its end.
template <typename Handler>
bool RunHandler(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
        return true;
    } catch (...) {
        ReportException(std::current_exception());
        return false;
    }
}
