// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinLook.h"
#include "UIStyle.h"

#include <QMetaObject>
#include <QPointer>

#include <functional>

class TsuiFileTheme;

// Why a control reads its look again: its UIStyle was set, or its FileTheme.
enum class LookChange { Style, FileTheme };

// The UIStyle and FileTheme every skinnable control holds, with the rules for setting them: setting
// the style stores it and has the control read its look; setting the file theme stores it and
// applies the current style again; when the file theme component goes away, the control falls back
// to DeepBlue. The control's callback states which theme items it reads from the look.
class SkinBinding {
public:
    using ApplyLook = std::function<void(const SkinLook& look, LookChange change)>;

    // Nothing is read yet: the control applies its first look when it is ready.
    SkinBinding(TsuiUIStyle style, ApplyLook apply);
    ~SkinBinding();
    SkinBinding(const SkinBinding&) = delete;
    SkinBinding& operator=(const SkinBinding&) = delete;

    TsuiUIStyle Style() const { return style_; }
    TsuiFileTheme* FileTheme() const { return theme_; }
    SkinLook Look() const { return SkinLook(theme_, style_); }

    void SetStyle(TsuiUIStyle style);
    void SetFileTheme(TsuiFileTheme* theme);

    // Runs when the file theme component goes away, before the fall-back to DeepBlue: a container
    // hands the fall-back on to its children here.
    std::function<void()> OnFileThemeRemoved;

private:
    TsuiUIStyle style_;
    QPointer<TsuiFileTheme> theme_;
    QMetaObject::Connection removal_;
    ApplyLook apply_;
};
