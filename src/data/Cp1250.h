// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Windows-1250, the code page of the data files and of every text the program compares.
QString Cp1250ToString(const QByteArray& bytes);

// None when a character lies outside the code page: such a text can match nothing in the files.
std::optional<QByteArray> StringToCp1250(const QString& text);
