// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinBinding.h"

#include "ThemeFile.h"

SkinBinding::SkinBinding(TsuiUIStyle style, ApplyLook apply)
    : style_(style), apply_(std::move(apply))
{
}

SkinBinding::~SkinBinding()
{
    QObject::disconnect(removal_);
}

void SkinBinding::SetStyle(TsuiUIStyle style)
{
    style_ = style;
    apply_(Look(), LookChange::Style);
}

void SkinBinding::SetFileTheme(TsuiFileTheme* theme)
{
    if (theme != theme_) {
        QObject::disconnect(removal_);
        theme_ = theme;
        if (theme)
            removal_ = QObject::connect(theme, &QObject::destroyed, [this] {
                theme_ = nullptr;
                if (OnFileThemeRemoved)
                    OnFileThemeRemoved();
                SetStyle(TsuiUIStyle::DeepBlue);
            });
    }
    apply_(Look(), LookChange::FileTheme);
}
