// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QVariant>

class QObject;

// What a screen reader is told as it happens, so that it speaks a change where the learner is (a
// reader speaks what changes on the control with the focus) and its review of the window never
// goes stale. Nothing is sent, nor anything made, while no reader listens.
namespace ReaderEvents {

// The control's name (a label's caption, a panel's) or its description changed.
void NameChanged(QObject* control);
void DescriptionChanged(QObject* control);
// A track bar's or a spin edit's value.
void ValueChanged(QObject* control, const QVariant& value);
// A check box's check mark.
void CheckedChanged(QObject* control, bool checked);
// The control's selected part changed (a strip's tab).
void SelectionChanged(QObject* control, int part);
// A message the learner must hear now, wherever the focus is: the control (a notification) has just
// been shown with it.
void Announce(QObject* control);

} // namespace ReaderEvents
