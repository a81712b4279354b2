// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UIStyle.h"

class QObject;
class QWidget;
class TsuiFileTheme;

// True when the control must read its look from the file theme; false when it reads the built-in
// tables, with the effective style (DeepBlue for FromThemeFile without a usable file theme).
bool ResolveStyle(const TsuiFileTheme* fileTheme, TsuiUIStyle style, TsuiUIStyle& effective);

// A skinned form declares itself one with Q_CLASSINFO("SkinRole", "Form").
bool IsSkinnedForm(const QObject* object);

// The style a new control placed in the window starts with: the UIStyle of the window's first
// direct child that is a skinned form, else DeepBlue.
TsuiUIStyle GetFormStyle(const QWidget* owner);

// Hands one look to the direct child controls that publish both FileTheme and UIStyle.
void ApplyStyleToChildren(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme);

bool HasProperty(const QObject* component, const char* name);
