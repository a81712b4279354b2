// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpinEdit.h"

#include "Beep.h"
#include "Button.h"
#include "ErrorReport.h"
#include "IntegerText.h"
#include "ReaderEvents.h"

#include <QKeyEvent>

#include <limits>

TsuiSpinButtons::TsuiSpinButtons(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    up_ = new TsuiArrowButton(this);
    down_ = new TsuiArrowButton(this);
    down_->SetArrow(TsuiArrowButtonType::suiDown);
    for (auto [button, event] : {std::pair(up_, &OnUpClick), std::pair(down_, &OnDownClick)}) {
        button->SetTabStop(false);
        button->SetMouseContinuouslyDownInterval(RepeatInterval);
        const auto raise = [this, event = event](QObject*) {
            if (*event)
                (*event)(this);
        };
        button->OnClick = raise;
        button->OnMouseContinuouslyDown = raise;
    }
    resize(20, 25);
    Layout();
}

TsuiUIStyle TsuiSpinButtons::UIStyle() const
{
    return up_ ? up_->UIStyle() : TsuiUIStyle::DeepBlue;
}

void TsuiSpinButtons::SetUIStyle(TsuiUIStyle style)
{
    up_->SetUIStyle(style);
    down_->SetUIStyle(style);
}

TsuiFileTheme* TsuiSpinButtons::FileTheme() const
{
    return up_->FileTheme();
}

void TsuiSpinButtons::SetFileTheme(TsuiFileTheme* theme)
{
    up_->SetFileTheme(theme);
    down_->SetFileTheme(theme);
}

void TsuiSpinButtons::Layout()
{
    if (width() < MinimumWidth) {
        resize(MinimumWidth, height());
        return;  // the resize lays the buttons out
    }
    const int upHeight = height() / 2 + 1;
    up_->setGeometry(0, 0, width(), upHeight);
    down_->setGeometry(0, upHeight - 1, width(), height() - upHeight + 1);
}

void TsuiSpinButtons::resizeEvent(QResizeEvent*)
{
    Layout();
}

void TsuiSpinButtons::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        up_->Click();
    else if (event->key() == Qt::Key_Down)
        down_->Click();
    else
        QWidget::keyPressEvent(event);
}

TsuiSpinEdit::TsuiSpinEdit(QWidget* parent)
    : TsuiEdit(parent)
{
    buttons_ = new TsuiSpinButtons(this);
    buttons_->resize(15, 20);
    buttons_->SetUIStyle(UIStyle());
    buttons_->OnUpClick = [this](QObject*) { UpClick(); };
    buttons_->OnDownClick = [this](QObject*) { DownClick(); };
    setText(QStringLiteral("0"));
    Layout();
    // a reader hears the number as a spin box's value, however it changed
    connect(this, &QLineEdit::textChanged, this, [this] { ReaderEvents::ValueChanged(this, Value()); });
}

void TsuiSpinEdit::ApplyLook(const SkinLook& look)
{
    TsuiEdit::ApplyLook(look);
    buttons_->SetUIStyle(UIStyle());
    buttons_->SetFileTheme(FileTheme());
}

std::int32_t TsuiSpinEdit::Value() const
{
    return IntegerFromText(text()).value_or(minValue_);
}

std::int32_t TsuiSpinEdit::Clamped(qint64 value) const
{
    if (minValue_ != maxValue_)
        value = std::clamp<qint64>(value, minValue_, maxValue_);
    return std::int32_t(std::clamp<qint64>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void TsuiSpinEdit::SetValue(std::int32_t value)
{
    SetText(QString::number(Clamped(value)));
}

void TsuiSpinEdit::SetEditorEnabled(bool enabled)
{
    editorEnabled_ = enabled;
    setContextMenuPolicy(enabled ? Qt::DefaultContextMenu : Qt::NoContextMenu);
}

void TsuiSpinEdit::UpClick()
{
    if (isReadOnly())
        SystemBeep();
    else
        SetText(QString::number(Clamped(qint64(Value()) + increment_)));
}

void TsuiSpinEdit::DownClick()
{
    if (isReadOnly())
        SystemBeep();
    else
        SetText(QString::number(Clamped(qint64(Value()) - increment_)));
}

void TsuiSpinEdit::Layout()
{
    if (height() < 0)
        return;
    buttons_->setGeometry(width() - buttons_->width() - 4, 0, buttons_->width(), height() - 4);
    // the text stops short of the buttons
    setTextMargins(2, 2, buttons_->width() + 4, 2);
}

void TsuiSpinEdit::resizeEvent(QResizeEvent* event)
{
    TsuiEdit::resizeEvent(event);
    Layout();
}

void TsuiSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        RunHandler([this] { UpClick(); });
    else if (event->key() == Qt::Key_Down)
        RunHandler([this] { DownClick(); });
    if ((event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut)) && (!editorEnabled_ || isReadOnly()))
        return;
    const QString typed = event->text();
    if (!typed.isEmpty() && !(event->modifiers() & Qt::ControlModifier)) {
        const QChar c = typed[0];
        const bool control = c.unicode() < 32 && c.unicode() != '\r';
        const bool accepted = editorEnabled_ ? (control || c == QLatin1Char('-') || c.isDigit())
                                             : (control && c.unicode() != '\b');
        if (!accepted || (c.isDigit() && (c < QLatin1Char('0') || c > QLatin1Char('9')))) {
            SystemBeep();
            return;
        }
    }
    TsuiEdit::keyPressEvent(event);
}

void TsuiSpinEdit::focusOutEvent(QFocusEvent* event)
{
    TsuiEdit::focusOutEvent(event);
    // a number outside the range, or no number at all, gives way to the nearest allowed one
    const std::optional<std::int32_t> typed = IntegerFromText(text());
    if (!typed || Clamped(*typed) != *typed)
        RunHandler([this] { SetValue(Value()); });
}
