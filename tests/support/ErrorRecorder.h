// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ErrorReport.h"

#include <QStringList>

// Collects the messages the application's error handler would show, instead of opening the box.
class ErrorRecorder {
public:
    ErrorRecorder()
        : previous_(SetErrorPresenter([this](const QString& message) { messages.append(message); }))
    {
    }
    ~ErrorRecorder() { SetErrorPresenter(previous_); }
    ErrorRecorder(const ErrorRecorder&) = delete;
    ErrorRecorder& operator=(const ErrorRecorder&) = delete;

    QStringList messages;

private:
    ErrorPresenter previous_;
};
