// SPDX-License-Identifier: GPL-3.0-or-later
#include "Accessibility.h"

#include "AccessibleControls.h"
#include "AccessibleParts.h"
#include "ErrorReport.h"
#include "Label.h"
#include "Menu.h"
#include "MenuBar.h"
#include "MessageDialog.h"
#include "TitleBar.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <algorithm>

namespace {

// The interface registered under the id, made and registered the first time.
template <typename Make>
QAccessibleInterface* Registered(QAccessible::Id& id, Make make)
{
    if (!id)
        id = QAccessible::registerAccessibleInterface(make());
    return QAccessible::accessibleInterface(id);
}

// A menu item's state: an item of a menu where a check mark stands is one that can take it (a
// reader then says whether it has it).
QAccessible::State MenuItemState(const TMenuItem* item, const QList<TMenuItem*>& siblings)
{
    QAccessible::State s;
    s.disabled = !item->isEnabled();
    s.invisible = !item->isVisible();
    s.hasPopup = !item->Items().isEmpty();
    s.checkable = item->Checked() ||
                  (item->Items().isEmpty() && std::any_of(siblings.begin(), siblings.end(), [](TMenuItem* i) { return i->Checked(); }));
    s.checked = item->Checked();
    return s;
}

// One item of the main menu, at any level, with its sub-items as its children.
class AccessibleMenuItem : public AccessiblePart {
public:
    AccessibleMenuItem(TsuiMenuBar* bar, TMenuItem* item, TMenuItem* parentItem) : bar_(bar), item_(item), parentItem_(parentItem) {}

    // The interface of the item, made once and dropped with the item.
    static QAccessibleInterface* Of(TsuiMenuBar* bar, TMenuItem* item, TMenuItem* parentItem)
    {
        static QHash<const TMenuItem*, QAccessible::Id> made;
        if (!made.contains(item))
            QObject::connect(item, &QObject::destroyed, [item] {
                QAccessible::deleteAccessibleInterface(made.take(item));
            });
        return Registered(made[item], [=] { return new AccessibleMenuItem(bar, item, parentItem); });
    }

    bool isValid() const override { return bar_ && item_; }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        if (!isValid())
            return nullptr;
        return parentItem_ ? Of(bar_, parentItem_, ParentOf(parentItem_)) : QAccessible::queryAccessibleInterface(bar_.data());
    }
    int childCount() const override { return isValid() ? int(item_->Items().size()) : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (!isValid() || index < 0 || index >= item_->Items().size())
            return nullptr;
        return Of(bar_, item_->Items()[index], item_);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int k = 0; k < childCount(); ++k)
            if (this->child(k) == child)
                return k;
        return -1;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || item_->IsSeparator())
            return {};
        if (t == QAccessible::Name)
            return QString(item_->Caption()).remove(QLatin1Char('&'));
        if (t == QAccessible::Accelerator)
            return item_->ShortCutText();
        return {};
    }
    QAccessible::Role role() const override
    {
        return isValid() && item_->IsSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        if (!isValid())
            return {};
        return MenuItemState(item_, parentItem_ ? parentItem_->Items() : QList<TMenuItem*>());
    }
    QRect rect() const override
    {
        const int button = TopIndex();
        return button >= 0 ? QRect(bar_->mapToGlobal(bar_->ButtonRect(button).topLeft()), bar_->ButtonRect(button).size()) : QRect();
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !isValid() || !item_->isEnabled() || !bar_->isVisible())
            return;
        if (const int button = TopIndex(); button >= 0 && !item_->Items().isEmpty())
            bar_->OpenMenu(button, true);
        else if (item_->Items().isEmpty() && !item_->IsSeparator())
            RunHandler([this] { item_->trigger(); });
    }

private:
    int TopIndex() const
    {
        if (!isValid() || parentItem_)
            return -1;
        for (int k = 0; k < bar_->ButtonCount(); ++k)
            if (bar_->ButtonItem(k) == item_)
                return k;
        return -1;
    }
    TMenuItem* ParentOf(TMenuItem* item) const
    {
        const auto search = [&](const auto& self, TMenuItem* under) -> TMenuItem* {
            for (TMenuItem* child : under->Items()) {
                if (child == item)
                    return under;
                if (TMenuItem* found = self(self, child))
                    return found;
            }
            return nullptr;
        };
        for (int k = 0; k < bar_->ButtonCount(); ++k)
            if (TMenuItem* found = search(search, bar_->ButtonItem(k)))
                return found;
        return nullptr;
    }

    QPointer<TsuiMenuBar> bar_;
    QPointer<TMenuItem> item_;
    QPointer<TMenuItem> parentItem_;
};

// An item of an open drop-down, by its place among the drop-down's actions (the place the
// drop-down names when it moves its highlight, which a reader hears as the focus). Each opening
// builds a new drop-down around the same items: the item's interface is the drop-down's, never one
// kept from an earlier opening.
class AccessiblePopupItem : public AccessibleNumberedPart {
public:
    AccessiblePopupItem(SkinnedMenuPopup* popup, int index) : AccessibleNumberedPart(index), popup_(popup) {}
    bool isValid() const override { return popup_ && index_ < popup_->actions().size(); }
    QWindow* window() const override { return popup_ ? popup_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(popup_.data()); }
    QAction* Action() const { return popup_->actions()[index_]; }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || Action()->isSeparator())
            return {};
        if (t == QAccessible::Name)
            return QString(Action()->text()).remove(QLatin1Char('&'));
        if (t == QAccessible::Accelerator)
            return Action()->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    QAccessible::Role role() const override
    {
        return isValid() && Action()->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        if (!isValid())
            return {};
        QList<TMenuItem*> siblings;
        for (QAction* action : popup_->actions())
            if (auto* item = qobject_cast<TMenuItem*>(action))
                siblings << item;
        QAccessible::State s;
        if (const auto* item = qobject_cast<const TMenuItem*>(Action()))
            s = MenuItemState(item, siblings);
        s.focusable = !Action()->isSeparator();
        s.focused = popup_->isVisible() && popup_->activeAction() == Action();
        s.selected = s.focused;
        s.invisible = s.invisible || !popup_->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = popup_->actionGeometry(Action());
        return QRect(popup_->mapToGlobal(local.topLeft()), local.size());
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction() || !isValid() || !Action()->isEnabled() || Action()->isSeparator() || !popup_->isVisible())
            return;
        if (Action()->menu())
            popup_->setActiveAction(Action());
        else
            RunHandler([this] {
                QPointer<SkinnedMenuPopup> popup = popup_;
                Action()->trigger();
                if (popup)
                    popup->close();
            });
    }

private:
    QPointer<SkinnedMenuPopup> popup_;
};

// An open drop-down: its children are its items, in its order.
class AccessiblePopup : public AccessiblePartsOwner {
public:
    explicit AccessiblePopup(SkinnedMenuPopup* popup) : AccessiblePartsOwner(popup, QAccessible::PopupMenu) {}

protected:
    QList<int> Shown() const override
    {
        QList<int> all;
        for (int k = 0; k < widget()->actions().size(); ++k)
            all << k;
        return all;
    }
    AccessibleNumberedPart* MakePart(int index) const override
    {
        return new AccessiblePopupItem(static_cast<SkinnedMenuPopup*>(widget()), index);
    }
};

class AccessibleMenuBar : public QAccessibleWidget {
public:
    explicit AccessibleMenuBar(TsuiMenuBar* bar) : QAccessibleWidget(bar, QAccessible::MenuBar) {}
    TsuiMenuBar* Bar() const { return static_cast<TsuiMenuBar*>(widget()); }
    int childCount() const override { return Bar()->ButtonCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= Bar()->ButtonCount())
            return nullptr;
        return AccessibleMenuItem::Of(Bar(), Bar()->ButtonItem(index), nullptr);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int k = 0; k < childCount(); ++k)
            if (this->child(k) == child)
                return k;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int k = 0; k < childCount(); ++k)
            if (child(k)->rect().contains(x, y))
                return child(k);
        return nullptr;
    }
};

QString TitleButtonName(TsuiTitleBarBtnType type, bool maximised)
{
    switch (type) {
    case TsuiTitleBarBtnType::suiMax: return maximised ? QStringLiteral("Przywróć") : QStringLiteral("Maksymalizuj");
    case TsuiTitleBarBtnType::suiMin: return QStringLiteral("Minimalizuj");
    case TsuiTitleBarBtnType::suiClose: return QStringLiteral("Zamknij");
    case TsuiTitleBarBtnType::suiHelp: return QStringLiteral("Pomoc");
    case TsuiTitleBarBtnType::suiControlBox: return QStringLiteral("Menu okna");
    case TsuiTitleBarBtnType::suiCustom: break;
    }
    return QStringLiteral("Przycisk");
}

// A title button, by its place among the title bar's buttons.
class AccessibleTitleButton : public AccessibleNumberedPart {
public:
    AccessibleTitleButton(TsuiTitleBar* bar, int index) : AccessibleNumberedPart(index), bar_(bar) {}
    bool isValid() const override { return bar_ && index_ < bar_->Buttons().size(); }
    QWindow* window() const override { return bar_ ? bar_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_.data()); }
    TsuiTitleBarButton* Button() const { return bar_->Buttons()[index_]; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? TitleButtonName(Button()->ButtonType(), bar_->window()->isMaximized()) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Button; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !isValid() || !Button()->Visible;
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = Button()->ButtonType() == TsuiTitleBarBtnType::suiControlBox ? bar_->ControlBoxRect() : bar_->ButtonRect(index_);
        return QRect(bar_->mapToGlobal(local.topLeft()), local.size());
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            RunHandler([this] { bar_->ButtonAction(Button()); });
    }

private:
    QPointer<TsuiTitleBar> bar_;
};

// The title bar under the window's caption: its children are the buttons that show.
class AccessibleTitleBar : public AccessiblePartsOwner {
public:
    explicit AccessibleTitleBar(TsuiTitleBar* bar) : AccessiblePartsOwner(bar, QAccessible::TitleBar) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? Bar()->Caption() : QAccessibleWidget::text(t);
    }

protected:
    TsuiTitleBar* Bar() const { return static_cast<TsuiTitleBar*>(widget()); }
    QList<int> Shown() const override
    {
        QList<int> shown;
        for (int k = 0; k < Bar()->Buttons().size(); ++k)
            if (Bar()->Buttons()[k]->Visible)
                shown << k;
        return shown;
    }
    AccessibleNumberedPart* MakePart(int index) const override { return new AccessibleTitleButton(Bar(), index); }
};

// The message box: an alert under its caption, its message as the description.
class AccessibleMessage : public QAccessibleWidget {
public:
    explicit AccessibleMessage(TfrmMsg* message) : QAccessibleWidget(message, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description)
            return static_cast<TfrmMsg*>(widget())->lbl->Caption();
        return QAccessibleWidget::text(t);
    }
};

// A window of the program's own, made of a plain widget: a window under its title.
bool IsOwnWindow(QObject* object)
{
    if (!object->isWidgetType() || !static_cast<QWidget*>(object)->isWindow())
        return false;
    const QMetaObject* meta = object->metaObject();
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta && QByteArray(meta->className()) == "QWidget";
}

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (className == QLatin1String(object->metaObject()->className()) && IsOwnWindow(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("TsuiMenuBar"))
        return new AccessibleMenuBar(static_cast<TsuiMenuBar*>(object));
    if (className == QLatin1String("SkinnedMenuPopup"))
        return new AccessiblePopup(static_cast<SkinnedMenuPopup*>(object));
    if (className == QLatin1String("TsuiTitleBar"))
        return new AccessibleTitleBar(static_cast<TsuiTitleBar*>(object));
    if (className == QLatin1String("TfrmMsg"))
        return new AccessibleMessage(static_cast<TfrmMsg*>(object));
    return AccessibleControl(className, object);
}

} // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(Factory);
}
