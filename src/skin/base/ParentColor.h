// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"

#include <QEvent>

#include <optional>

class QWidget;

// A container's colour passed on to the controls that take their parent's colour (ParentColor):
// the container publishes it, and its children hear of every change by an event.

// Stores the colour on the container and tells each direct child.
void PublishColor(QWidget* container, TColor color);

// The colour the control's parent published, if it publishes one.
std::optional<TColor> ParentsColor(const QWidget* control);

// Sent to a container's children when its colour changes.
QEvent::Type ParentColorChanged();

// The colour of a control that takes its parent's colour until it is given one of its own
// (ParentColor true at first): the parent's published colour, or the fall-back where the parent
// publishes none.
class ControlColor {
public:
    explicit ControlColor(TColor fallback) : own_(fallback) {}

    TColor Of(const QWidget* control) const { return parentColor_ ? ParentsColor(control).value_or(own_) : own_; }
    // A colour of its own ends taking the parent's.
    void Set(TColor color)
    {
        own_ = color;
        parentColor_ = false;
    }
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor) { parentColor_ = parentColor; }

private:
    TColor own_;
    bool parentColor_ = true;
};
