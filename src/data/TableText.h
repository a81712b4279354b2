// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ElementProperties.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The reading shared by our UTF-8 tables beside "dane.dat" (the figures, the newer elements): a file
// of at most MaxPropertiesBytes, one line per row, tab-separated fields, '#' lines and blank lines
// left out, a byte order mark allowed before the first line. A damaged file raises PropertiesError
// naming its line.

struct TableLine {
    int Number;       // from 1, as an editor counts
    QString Text;
};

inline constexpr int MaxTableLineLength = 1024;

// The rows of the text, each checked to be UTF-8 and no longer than MaxTableLineLength bytes.
std::vector<TableLine> TableRows(const QByteArray& text, const QString& path);

// The file's text; raises PropertiesError when it cannot be read or is larger than the limit.
QByteArray ReadTableText(const QString& path);
