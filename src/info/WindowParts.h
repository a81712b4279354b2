// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

class QWidget;
class TLabel;
class TsuiButton;
class TsuiPageControl;

// The parts the program's smaller windows are built of, in the program's look: a button, a label
// in the sans-serif pixel face, and a page control as the information window has it.
TsuiButton* NewButton(QWidget* parent, const QString& caption, QRect geometry, const char* name);
TLabel* NewLabel(QWidget* parent, const QString& caption, QRect geometry, bool wrap = false, bool bold = false);
TsuiPageControl* NewPageControl(QWidget* parent, QRect geometry);
