// SPDX-License-Identifier: GPL-3.0-or-later
#include "AccessibleControls.h"

#include "AccessibleParts.h"
#include "Button.h"
#include "CheckBox.h"
#include "ErrorReport.h"
#include "Image.h"
#include "Label.h"
#include "PageControl.h"
#include "Panel.h"
#include "SpinEdit.h"
#include "PlainPanel.h"
#include "Tabs.h"
#include "TrackBar.h"
#include "URLLabel.h"

#include <QAccessibleWidget>
#include <QPointer>


namespace {

// The accessible name the program gave the control, or else its caption, without its access-key mark.
QString NameOr(const QWidget* widget, const QString& caption)
{
    const QString name = widget->accessibleName();
    return name.isEmpty() ? QString(caption).remove(QLatin1Char('&')) : name;
}

// An action from a reader counts only where a click or a key could act.
bool Actionable(const QWidget* widget)
{
    return widget->isEnabled() && widget->isVisible();
}

class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(TLabel* label, QAccessible::Role role = QAccessible::StaticText) : QAccessibleWidget(label, role) {}
    QAccessible::Role role() const override
    {
        return static_cast<TLabel*>(widget())->Live() ? QAccessible::Notification : QAccessibleWidget::role();
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(widget(), static_cast<TLabel*>(widget())->Caption());
        return QAccessibleWidget::text(t);
    }
};

class AccessibleLink : public AccessibleLabel {
public:
    explicit AccessibleLink(TsuiURLLabel* link) : AccessibleLabel(link, QAccessible::Link) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<TsuiURLLabel*>(widget())->URL();
        return AccessibleLabel::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && Actionable(widget()))
            RunHandler([this] { static_cast<TsuiURLLabel*>(widget())->Click(); });
    }
};

// A plain panel: a button when a click does something (an element's tile), else its caption.
class AccessiblePlainPanel : public QAccessibleWidget {
public:
    explicit AccessiblePlainPanel(TPlainPanel* panel) : QAccessibleWidget(panel) {}
    TPlainPanel* Panel() const { return static_cast<TPlainPanel*>(widget()); }
    // a button from when it is given a click, though a reader may have asked for it before
    QAccessible::Role role() const override { return Panel()->OnClick ? QAccessible::Button : QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(widget(), Panel()->Caption());
        if (t == QAccessible::Description && Panel()->Describe)
            return Panel()->Describe();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (Panel()->OnClick)
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && Panel()->OnClick) {
            if (Actionable(widget()))
                RunHandler([this] { Panel()->OnClick(Panel()); });
        }
        else
            QAccessibleWidget::doAction(action);
    }
};

class AccessibleButton : public QAccessibleWidget {
public:
    explicit AccessibleButton(TsuiCustomButton* button) : QAccessibleWidget(button, QAccessible::Button) {}
    TsuiCustomButton* Button() const { return static_cast<TsuiCustomButton*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(widget(), Button()->Caption());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Button()->Pressed();
        s.defaultButton = Button()->IsDefaultNow();
        return s;
    }
    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }
    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            if (Actionable(widget()))
                RunHandler([this] { Button()->Click(); });
        } else
            QAccessibleWidget::doAction(action);
    }
};

class AccessibleCheckBox : public QAccessibleWidget {
public:
    explicit AccessibleCheckBox(TsuiCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}
    TsuiCheckBox* Box() const { return static_cast<TsuiCheckBox*>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(widget(), Box()->Caption());
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = Box()->Checked();
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList{toggleAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action == toggleAction() || action == pressAction()) {
            if (Actionable(widget()))
                RunHandler([this] { Box()->Toggle(); });
        } else
            QAccessibleWidget::doAction(action);
    }
};

class AccessibleTrackBar : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleTrackBar(TsuiTrackBar* bar) : QAccessibleWidget(bar, QAccessible::Slider) {}
    TsuiTrackBar* Bar() const { return static_cast<TsuiTrackBar*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return QString::number(Bar()->Position() + Bar()->ReaderOffset());
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return Bar()->Position() + Bar()->ReaderOffset(); }
    // as a drag of the slider: the bar's change event repaints what it controls
    void setCurrentValue(const QVariant& value) override
    {
        if (Bar()->isEnabled())
            RunHandler([&] { Bar()->SetPosition(value.toInt() - Bar()->ReaderOffset()); });
    }
    QVariant maximumValue() const override { return Bar()->Max() + Bar()->ReaderOffset(); }
    QVariant minimumValue() const override { return Bar()->Min() + Bar()->ReaderOffset(); }
    QVariant minimumStepSize() const override { return Bar()->LineSize(); }
};

// A picture, read by the words the program gave it.
class AccessibleImage : public QAccessibleWidget {
public:
    explicit AccessibleImage(TImage* image) : QAccessibleWidget(image, QAccessible::Graphic) {}
};

// A spin edit: a spin box whose value a reader hears as it steps, and whose text it reads and edits
// as a line edit's.
class AccessibleSpinEdit : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit AccessibleSpinEdit(TsuiSpinEdit* edit) : QAccessibleWidget(edit, QAccessible::SpinBox) {}
    TsuiSpinEdit* Edit() const { return static_cast<TsuiSpinEdit*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        switch (t) {
        case QAccessible::ValueInterface: return static_cast<QAccessibleValueInterface*>(this);
        case QAccessible::TextInterface: return static_cast<QAccessibleTextInterface*>(this);
        case QAccessible::EditableTextInterface: return static_cast<QAccessibleEditableTextInterface*>(this);
        default: return QAccessibleWidget::interface_cast(t);
        }
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return Edit()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = !Edit()->isReadOnly();
        s.readOnly = Edit()->isReadOnly();
        return s;
    }

    // the value
    QVariant currentValue() const override { return Edit()->Value(); }
    void setCurrentValue(const QVariant& value) override
    {
        if (Actionable(widget()) && !Edit()->isReadOnly())
            RunHandler([&] { Edit()->SetValue(value.toInt()); });
    }
    QVariant maximumValue() const override { return Edit()->MaxValue(); }
    QVariant minimumValue() const override { return Edit()->MinValue(); }
    QVariant minimumStepSize() const override { return Edit()->Increment(); }

    // the text
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0 && Edit()->hasSelectedText()) {
            *start = Edit()->selectionStart();
            *end = *start + int(Edit()->selectedText().size());
        }
    }
    int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { Edit()->deselect(); }
    void setSelection(int, int start, int end) override { Edit()->setSelection(start, end - start); }
    int cursorPosition() const override { return Edit()->cursorPosition(); }
    void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
    QString text(int start, int end) const override { return Edit()->text().mid(start, end - start); }
    int characterCount() const override { return int(Edit()->text().size()); }
    QRect characterRect(int offset) const override
    {
        const QRect cursor = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QFontMetrics metrics = Edit()->fontMetrics();
        const QString text = Edit()->text();
        const int x = cursor.x() + metrics.horizontalAdvance(text.left(offset)) - metrics.horizontalAdvance(text.left(Edit()->cursorPosition()));
        const QRect local(x, cursor.y(), metrics.horizontalAdvance(text.mid(offset, 1)), cursor.height());
        return QRect(Edit()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override { return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point)); }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }

    // editing, as typing would
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (!Actionable(widget()) || Edit()->isReadOnly())
            return;
        QString now = Edit()->text();
        now.replace(start, end - start, text);
        RunHandler([&] { Edit()->SetText(now); });
    }
};

class AccessibleCaptionPanel : public QAccessibleWidget {
public:
    explicit AccessibleCaptionPanel(TsuiPanel* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(widget(), static_cast<TsuiPanel*>(widget())->Caption());
        return QAccessibleWidget::text(t);
    }
};

// A page of a page control, named by its tab: the focus goes to it (or into it) when its tab is
// chosen from the keyboard, and a reader says which page it is.
class AccessibleTabSheet : public QAccessibleWidget {
public:
    explicit AccessibleTabSheet(TsuiTabSheet* sheet) : QAccessibleWidget(sheet, QAccessible::PageTab) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return NameOr(widget(), static_cast<TsuiTabSheet*>(widget())->Caption());
        return QAccessibleWidget::text(t);
    }
};

// One shown tab of a strip, which has no widget of its own.
class AccessibleTab : public AccessibleNumberedPart {
public:
    AccessibleTab(TsuiTabControlTopPanel* strip, int index) : AccessibleNumberedPart(index), strip_(strip) {}
    bool isValid() const override { return strip_ && index_ < strip_->Tabs().size(); }
    QWindow* window() const override { return strip_ ? strip_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_); }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? QString(strip_->Tabs()[index_]).remove(QLatin1Char('&')) : QString();
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid() || !strip_->isVisible() || !strip_->TabVisible(index_)) {
            s.invisible = true;
            return s;
        }
        s.selectable = true;
        s.selected = strip_->TabIndex() == index_;
        s.disabled = !strip_->isEnabled();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        int left = 0;
        for (int k = strip_->FirstShownTab(); k < index_; ++k)
            if (strip_->TabVisible(k))
                left += strip_->TabWidth(k);
        return QRect(strip_->mapToGlobal(QPoint(left, 0)), QSize(strip_->TabWidth(index_), strip_->height()));
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && isValid())
            RunHandler([this] { strip_->SetTabIndex(index_, true); });
    }

private:
    QPointer<TsuiTabControlTopPanel> strip_;
};

// The strip of tabs: its children are the tabs that show.
class AccessibleTabStrip : public AccessiblePartsOwner {
public:
    explicit AccessibleTabStrip(TsuiTabControlTopPanel* strip) : AccessiblePartsOwner(strip, QAccessible::PageTabList) {}

protected:
    TsuiTabControlTopPanel* Strip() const { return static_cast<TsuiTabControlTopPanel*>(widget()); }
    QList<int> Shown() const override
    {
        QList<int> shown;
        for (int k = 0; k < Strip()->Tabs().size(); ++k)
            if (Strip()->TabVisible(k))
                shown << k;
        return shown;
    }
    AccessibleNumberedPart* MakePart(int index) const override { return new AccessibleTab(Strip(), index); }
};

} // namespace

QAccessibleInterface* AccessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String("TsuiURLLabel"))
        return new AccessibleLink(static_cast<TsuiURLLabel*>(object));
    if (className == QLatin1String("TLabel"))
        return new AccessibleLabel(static_cast<TLabel*>(object));
    if (className == QLatin1String("TPlainPanel"))
        return new AccessiblePlainPanel(static_cast<TPlainPanel*>(object));
    if (className == QLatin1String("TsuiCustomButton"))
        return new AccessibleButton(static_cast<TsuiCustomButton*>(object));
    if (className == QLatin1String("TsuiCheckBox"))
        return new AccessibleCheckBox(static_cast<TsuiCheckBox*>(object));
    if (className == QLatin1String("TsuiTrackBar"))
        return new AccessibleTrackBar(static_cast<TsuiTrackBar*>(object));
    if (className == QLatin1String("TsuiPanel"))
        return new AccessibleCaptionPanel(static_cast<TsuiPanel*>(object));
    if (className == QLatin1String("TsuiTabControlTopPanel"))
        return new AccessibleTabStrip(static_cast<TsuiTabControlTopPanel*>(object));
    if (className == QLatin1String("TsuiSpinEdit"))
        return new AccessibleSpinEdit(static_cast<TsuiSpinEdit*>(object));
    if (className == QLatin1String("TImage"))
        return new AccessibleImage(static_cast<TImage*>(object));
    if (className == QLatin1String("TsuiTabSheet"))
        return new AccessibleTabSheet(static_cast<TsuiTabSheet*>(object));
    return nullptr;
}
