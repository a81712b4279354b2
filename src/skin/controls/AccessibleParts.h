// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QList>

// A part of a widget that has no widget of its own (a tab, a menu item, a title button): it answers
// for nothing beneath it unless it says so, and a reader presses it.
class AccessiblePart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    void* interface_cast(QAccessible::InterfaceType t) override;
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// A part known by its place among its widget's parts.
class AccessibleNumberedPart : public AccessiblePart {
public:
    explicit AccessibleNumberedPart(int index) : index_(index) {}
    int Index() const { return index_; }

protected:
    const int index_;
};

// A widget whose children are those of its numbered parts that show: each part's interface is made
// the first time it is asked for, and goes with the widget's.
class AccessiblePartsOwner : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
    ~AccessiblePartsOwner() override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

protected:
    // The numbers of the parts that show, in order.
    virtual QList<int> Shown() const = 0;
    virtual AccessibleNumberedPart* MakePart(int index) const = 0;

private:
    mutable QHash<int, QAccessible::Id> parts_;
};
