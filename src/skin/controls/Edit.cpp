// SPDX-License-Identifier: GPL-3.0-or-later
#include "Edit.h"

#include "Drawing.h"
#include "ErrorReport.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"

#include <QFocusEvent>
#include <QPainter>

TsuiEdit::TsuiEdit(QWidget* parent)
    : QLineEdit(parent), skin_(GetFormStyle(parent), [this](const SkinLook& look, LookChange) { ApplyLook(look); })
{
    setGraphicsEffect(new AtOneToOneEffect(this));
    setFrame(false);
    setTextMargins(2, 2, 2, 2);
    SetColor(clWindow);
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (OnChange)
            RunHandler([this] { OnChange(this); });
    });
    borderColor_ = skin_.Look().Color(ThemeItems::ControlBorderColor);
}

void TsuiEdit::ApplyLook(const SkinLook& look)
{
    SetBorderColor(look.Color(ThemeItems::ControlBorderColor));
}

void TsuiEdit::SetBorderColor(TColor color)
{
    borderColor_ = color;
    update();
}

void TsuiEdit::SetColor(TColor color)
{
    color_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, ColorToRGB(color));
    setPalette(colours);
    update();
}

void TsuiEdit::SetText(const QString& text)
{
    if (text != this->text())
        setText(text);
}

void TsuiEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter canvas(this);
    DrawControlBorder(canvas, rect(), borderColor_, color_, true);
}

void TsuiEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (autoSelect_ && event->reason() != Qt::MouseFocusReason)
        selectAll();
    else if (!autoSelect_ && event->reason() != Qt::MouseFocusReason)
        deselect();
}
