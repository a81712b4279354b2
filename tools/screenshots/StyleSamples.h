// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

// A sample window of the toolkit in one look: frame, title buttons, menu bar, a caption panel,
// buttons and check boxes.
struct StyleSample {
    QString Name;
    std::function<QWidget*()> Build;
};

// One sample per built-in style, and one per colour family of a skin file (and one without).
QList<StyleSample> StyleSamples();
