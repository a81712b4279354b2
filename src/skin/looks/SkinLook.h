// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "UIStyle.h"

#include <QImage>

#include <cstdint>

class TsuiFileTheme;

// The colour family a skin file declares in its ControlFontColor item: the ordinal of the built-in
// style the skin was drawn after, shifted 16 bits. A few colours that no theme item holds (title
// text, menu bar, panel caption) follow from it.
enum class SkinColorFamily : std::int32_t {
    None = 0,
    MacOS = 0x10000,
    WinXP = 0x20000,
    DeepBlue = 0x30000,
    Protein = 0x40000,
    BlueGlass = 0x50000,
};

// Where a control reads its look: a skin file, or the built-in tables of a style. Built once from the
// control's FileTheme and UIStyle: with FromThemeFile and no usable file theme, the tables of
// DeepBlue.
class SkinLook {
public:
    SkinLook(const TsuiFileTheme* fileTheme, TsuiUIStyle style);

    bool FromFile() const { return file_ != nullptr; }
    // The built-in style read, or FromThemeFile when the skin file is read.
    TsuiUIStyle Style() const { return style_; }
    // True when the built-in tables of that style are read.
    bool Is(TsuiUIStyle builtIn) const { return !file_ && style_ == builtIn; }

    TColor Color(int item) const;
    int Int(int item) const;
    bool Bool(int item) const;
    // The item's bitmap, or a null image when the look has none.
    QImage Bitmap(int item) const;
    // Frame (1-based) of count equal frames of the item's bitmap.
    QImage Bitmap(int item, int frame, int count) const;

    SkinColorFamily Family() const;
    // The colours no theme item holds, by the built-in style or by the skin file's family.
    TColor TitleFontColor() const;
    TColor PanelCaptionColor() const;
    TColor MenuBarColor(TColor formColor) const;
    TColor MenuBarFontColor() const;

private:
    const TsuiFileTheme* file_ = nullptr;
    TsuiUIStyle style_;
};
