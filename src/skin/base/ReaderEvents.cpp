// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReaderEvents.h"

#include <QAccessible>

namespace ReaderEvents {

namespace {

void Send(QAccessibleEvent& event)
{
    QAccessible::updateAccessibility(&event);
}

} // namespace

void NameChanged(QObject* control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    Send(event);
}

void DescriptionChanged(QObject* control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::DescriptionChanged);
    Send(event);
}

void ValueChanged(QObject* control, const QVariant& value)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleValueChangeEvent event(control, value);
    Send(event);
}

void CheckedChanged(QObject* control, bool)
{
    if (!QAccessible::isActive())
        return;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(control, changed);
    Send(event);
}

void SelectionChanged(QObject* control, int part)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::Selection);
    event.setChild(part);
    Send(event);
}

void Announce(QObject* control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::ObjectShow);
    Send(event);
}

} // namespace ReaderEvents
