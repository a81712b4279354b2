// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowParts.h"

#include "Button.h"
#include "Fonts.h"
#include "Label.h"
#include "PageControl.h"

TsuiButton* NewButton(QWidget* parent, const QString& caption, QRect geometry, const char* name)
{
    auto* button = new TsuiButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->SetCaption(caption);
    return button;
}

TLabel* NewLabel(QWidget* parent, const QString& caption, QRect geometry, bool wrap, bool bold)
{
    auto* label = new TLabel(caption, parent);
    label->setFont(SansSerifFont(bold));
    label->SetWordWrap(wrap);
    label->setGeometry(geometry);
    return label;
}

TsuiPageControl* NewPageControl(QWidget* parent, QRect geometry)
{
    auto* pages = new TsuiPageControl(parent);
    pages->setObjectName(QStringLiteral("Pages"));
    pages->SetUIStyle(TsuiUIStyle::DeepBlue);
    pages->SetLeftMargin(10);
    pages->SetBorderColor(clBlack);
    pages->SetColor(0xE8E8E8);
    pages->setGeometry(geometry);
    return pages;
}
