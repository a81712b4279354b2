// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The Windows code pages an RTF description may be written in: 1250 (central European, the
// program's own), 1251 (Cyrillic), 1252 (western European), 1253 (Greek) and 1257 (Baltic).
bool IsKnownCodePage(int codePage);

// The bytes in the code page; an unknown one reads as Windows-1250.
QString CodePageToString(const QByteArray& bytes, int codePage);
