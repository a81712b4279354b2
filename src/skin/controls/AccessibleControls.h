// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What a screen reader is told of the skinned controls the platform's accessibility does not know:
// labels and link labels as static text and links, plain panels (a clickable one as a button), push
// buttons, check boxes with their state, track bars with their value and range, caption panels as
// groups, and a tab strip as a list of its shown tabs with the selected one. A control's accessible
// name, where the program set one, goes before its caption. None for any other class.
QAccessibleInterface* AccessibleControl(const QString& className, QObject* object);
