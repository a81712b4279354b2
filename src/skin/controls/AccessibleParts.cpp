// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleParts.h"

void* AccessiblePart::interface_cast(QAccessible::InterfaceType t)
{
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

AccessiblePartsOwner::~AccessiblePartsOwner()
{
    for (const QAccessible::Id id : std::as_const(parts_))
        QAccessible::deleteAccessibleInterface(id);
}

int AccessiblePartsOwner::childCount() const
{
    return int(Shown().size());
}

QAccessibleInterface* AccessiblePartsOwner::child(int index) const
{
    const QList<int> shown = Shown();
    if (index < 0 || index >= shown.size())
        return nullptr;
    QAccessible::Id& id = parts_[shown[index]];
    if (!id)
        id = QAccessible::registerAccessibleInterface(MakePart(shown[index]));
    return QAccessible::accessibleInterface(id);
}

int AccessiblePartsOwner::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* part = dynamic_cast<const AccessibleNumberedPart*>(child);
    if (!part || part->parent() != this)
        return -1;
    return int(Shown().indexOf(part->Index()));
}

QAccessibleInterface* AccessiblePartsOwner::childAt(int x, int y) const
{
    for (int k = 0; k < childCount(); ++k)
        if (QAccessibleInterface* part = child(k); part && part->rect().contains(x, y))
            return part;
    return nullptr;
}
