// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The two faces every window is drawn in. Sizes are in pixels, never points, so layouts do not
// follow the screen's dots per inch.
inline const QString SansSerifFamily = QStringLiteral("MS Sans Serif");
inline const QString TitleFamily = QStringLiteral("Tahoma");

// Starts reading the system's font configuration on a thread of its own, so that it goes on while
// the application connects to the display; RegisterFonts waits for it. Call before the application
// object exists, at most once.
void BeginReadingFontConfiguration();

// Registers the free "MS Sans Serif" and "Tahoma" faces of the system's Wine fonts; where they are
// missing, DejaVu Sans stands in. Makes "MS Sans Serif" 11 pixels high the windows' default font,
// and the outline face that of the windows and menus Qt draws for us.
void RegisterFonts();

// "MS Sans Serif" 11 pixels high (8 points), normal or bold: the windows' text.
QFont SansSerifFont(bool bold = false);
// "Tahoma" 11 pixels high, bold: the title bars' caption.
QFont TitleFont();
// DejaVu Sans 11 pixels high, smoothed: the windows and menus Qt draws for us, sharp at every scale.
QFont OutlineFont();
