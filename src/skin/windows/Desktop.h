// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

// What the desktop tells the windows: where they may lie and how its menus are lettered.

// The work area of the screen that shows the application's main window (or the primary screen).
QRect GetWorkArea();
void SetApplicationMainForm(QWidget* mainForm);

// The desktop's menu font and menu text colour; returns whether the platform gave them.
bool MenuFont(QFont& font, QColor* textColor = nullptr);
