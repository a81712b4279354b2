// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinLook.h"

#include "BuiltInBitmaps.h"
#include "StyleResolution.h"
#include "ThemeCatalog.h"
#include "ThemeFile.h"

SkinLook::SkinLook(const TsuiFileTheme* fileTheme, TsuiUIStyle style)
{
    if (ResolveStyle(fileTheme, style, style_))
        file_ = fileTheme;
}

TColor SkinLook::Color(int item) const
{
    return file_ ? file_->GetColor(item) : BuiltInColor(style_, item);
}

int SkinLook::Int(int item) const
{
    return file_ ? file_->GetInt(item) : BuiltInInt(style_, item);
}

bool SkinLook::Bool(int item) const
{
    return file_ ? file_->GetBool(item) : BuiltInBool(style_, item);
}

QImage SkinLook::Bitmap(int item) const
{
    QImage picture;
    file_ ? file_->GetBitmap(item, &picture) : BuiltInBitmap(style_, item, &picture);
    return picture;
}

QImage SkinLook::Bitmap(int item, int frame, int count) const
{
    QImage picture;
    file_ ? file_->GetBitmap(item, &picture, frame, count) : BuiltInBitmap(style_, item, &picture, frame, count);
    return picture;
}

SkinColorFamily SkinLook::Family() const
{
    if (!file_)
        return SkinColorFamily::None;
    switch (const auto code = SkinColorFamily(file_->GetInt(ThemeItems::ControlFontColor))) {
    case SkinColorFamily::MacOS:
    case SkinColorFamily::WinXP:
    case SkinColorFamily::DeepBlue:
    case SkinColorFamily::Protein:
    case SkinColorFamily::BlueGlass: return code;
    case SkinColorFamily::None: break;
    }
    return SkinColorFamily::None;
}

TColor SkinLook::TitleFontColor() const
{
    if (!file_)
        return style_ == TsuiUIStyle::MacOS ? clBlack : clWhite;
    const SkinColorFamily family = Family();
    return family == SkinColorFamily::None || family == SkinColorFamily::WinXP ? clWhite : clBlack;
}

TColor SkinLook::PanelCaptionColor() const
{
    if (!file_)
        return style_ == TsuiUIStyle::MacOS ? clBlack : Color(ThemeItems::MenuSelectedFontColor);
    const SkinColorFamily family = Family();
    return family == SkinColorFamily::None || family == SkinColorFamily::MacOS ? clWhite : clBlack;
}

TColor SkinLook::MenuBarColor(TColor formColor) const
{
    switch (Family()) {
    case SkinColorFamily::WinXP: return 0xAC5B3B;
    case SkinColorFamily::DeepBlue: return 0x996733;
    default: return formColor;
    }
}

TColor SkinLook::MenuBarFontColor() const
{
    return Family() == SkinColorFamily::DeepBlue ? clWhite : Color(ThemeItems::MenuFontColor);
}
