// SPDX-License-Identifier: GPL-3.0-or-later
#include "Palettes.h"

namespace {

QColor C(QRgb rgb)
{
    return QColor::fromRgb(rgb);
}

Palette DeepBlue()
{
    Palette p{};
    p.TitleTop = C(0x2A4CA8); p.TitleMiddle = C(0x17348A); p.TitleBottom = C(0x0B1F5E);
    p.TitleEdge = C(0x000000); p.TitleHighlight = C(0x5A7AD0);
    p.Surface = C(0xE8E8E8); p.Border = C(0x000000);
    p.Accent = C(0x444AA0); p.AccentLight = C(0x7A84D4); p.AccentDark = C(0x1E245E);
    p.ButtonTop = C(0xFDFDFD); p.ButtonBottom = C(0xD6D9E2); p.ButtonBorder = C(0x2B3566);
    p.HotTop = C(0xEEF1FF); p.HotBottom = C(0xB8C2EC); p.HotBorder = C(0x444AA0);
    p.PressedTop = C(0xA9B2DC); p.PressedBottom = C(0xD3D8EE); p.PressedBorder = C(0x1E245E);
    p.TitleButtonTop = C(0x3556B4); p.TitleButtonBottom = C(0x132D78); p.TitleButtonBorder = C(0x8CA2E4);
    p.TitleGlyph = C(0xFFFFFF);
    p.CloseTop = C(0x3556B4); p.CloseBottom = C(0x132D78);
    p.BarTop = C(0x3A5CB8); p.BarBottom = C(0x0F2668);
    p.TabActive = C(0xE8E8E8); p.TabInactive = C(0xC9CDD9);
    p.BoxFace = C(0xFFFFFF); p.BoxBorder = C(0x2B3566); p.CheckMark = C(0x1E2C8C);
    return p;
}

Palette WinXP()
{
    Palette p{};
    p.TitleTop = C(0x0A5FE8); p.TitleMiddle = C(0x3D95FF); p.TitleBottom = C(0x0746C8);
    p.TitleEdge = C(0x0033B0); p.TitleHighlight = C(0x6FB0FF);
    p.Surface = C(0xEFEBDE); p.Border = C(0x003C74);
    p.Accent = C(0x316AC5); p.AccentLight = C(0xC6D3EF); p.AccentDark = C(0x0A246A);
    p.ButtonTop = C(0xFFFFFF); p.ButtonBottom = C(0xE3E2DA); p.ButtonBorder = C(0x003C74);
    p.HotTop = C(0xFFF9EC); p.HotBottom = C(0xF8D37E); p.HotBorder = C(0xE59700);
    p.PressedTop = C(0xD9D8D0); p.PressedBottom = C(0xF0EFE9); p.PressedBorder = C(0x003C74);
    p.TitleButtonTop = C(0x4E95FF); p.TitleButtonBottom = C(0x1C5CD9); p.TitleButtonBorder = C(0xFFFFFF);
    p.TitleGlyph = C(0xFFFFFF);
    p.CloseTop = C(0xE88A69); p.CloseBottom = C(0xC53C16);
    p.BarTop = C(0x3D8BF2); p.BarBottom = C(0x0B55D0);
    p.TabActive = C(0xFCFCFE); p.TabInactive = C(0xE6E7DF);
    p.BoxFace = C(0xF4F4F0); p.BoxBorder = C(0x1C5180); p.CheckMark = C(0x21A121);
    return p;
}

Palette MacOS()
{
    Palette p{};
    p.TitleTop = C(0xEDEDED); p.TitleMiddle = C(0xD6D6D6); p.TitleBottom = C(0xBDBDBD);
    p.TitleEdge = C(0x7F7F7F); p.TitleHighlight = C(0xFAFAFA);
    p.Surface = C(0xE7E7E7); p.Border = C(0x7F7F7F);
    p.Accent = C(0x3973C4); p.AccentLight = C(0x8DB7EE); p.AccentDark = C(0x1E4C94);
    p.ButtonTop = C(0xFFFFFF); p.ButtonBottom = C(0xD2D2D2); p.ButtonBorder = C(0x8A8A8A);
    p.HotTop = C(0xB9DAFF); p.HotBottom = C(0x4F95E8); p.HotBorder = C(0x2E62A8);
    p.PressedTop = C(0x3A79D0); p.PressedBottom = C(0x8BBCF4); p.PressedBorder = C(0x1E4C94);
    p.TitleButtonTop = C(0xF2F2F2); p.TitleButtonBottom = C(0xA9A9A9); p.TitleButtonBorder = C(0x6E6E6E);
    p.TitleGlyph = C(0x4A1A10);
    p.CloseTop = C(0xFF8A80); p.CloseBottom = C(0xD2281C);
    p.BarTop = C(0xF4F4F4); p.BarBottom = C(0xC4C4C4);
    p.TabActive = C(0xF6F6F6); p.TabInactive = C(0xD0D0D0);
    p.BoxFace = C(0xFFFFFF); p.BoxBorder = C(0x7F7F7F); p.CheckMark = C(0x1E4C94);
    p.TransparentButtons = true; p.RoundTitleButtons = true; p.TrafficLights = true; p.Glossy = true;
    return p;
}

Palette Protein()
{
    Palette p{};
    p.TitleTop = C(0x4A4F5A); p.TitleMiddle = C(0x2E323B); p.TitleBottom = C(0x1A1D24);
    p.TitleEdge = C(0x000000); p.TitleHighlight = C(0x6B717E);
    p.Surface = C(0xFBFBFB); p.Border = C(0x000000);
    p.Accent = C(0x2D30C4); p.AccentLight = C(0x8C8EF0); p.AccentDark = C(0x17196E);
    p.ButtonTop = C(0xFFFFFF); p.ButtonBottom = C(0xE6E8EE); p.ButtonBorder = C(0x5C6270);
    p.HotTop = C(0xF2F3FF); p.HotBottom = C(0xC9CCF6); p.HotBorder = C(0x2D30C4);
    p.PressedTop = C(0xB3B6EC); p.PressedBottom = C(0xDDDFF8); p.PressedBorder = C(0x17196E);
    p.TitleButtonTop = C(0x8F96A6); p.TitleButtonBottom = C(0x3C414D); p.TitleButtonBorder = C(0x0E1014);
    p.TitleGlyph = C(0xFFFFFF);
    p.CloseTop = C(0xF07A5A); p.CloseBottom = C(0xA8301A);
    p.BarTop = C(0x555B68); p.BarBottom = C(0x22262E);
    p.TabActive = C(0xFBFBFB); p.TabInactive = C(0xDDE0E6);
    p.BoxFace = C(0xFFFFFF); p.BoxBorder = C(0x3C414D); p.CheckMark = C(0x2D30C4);
    p.RoundTitleButtons = true;
    return p;
}

Palette BlueGlass()
{
    Palette p{};
    p.TitleTop = C(0x6EAEEE); p.TitleMiddle = C(0x3784DC); p.TitleBottom = C(0x1C58B0);
    p.TitleEdge = C(0x000000); p.TitleHighlight = C(0xE6F3FF);
    p.Surface = C(0xE7E7E7); p.Border = C(0x000000);
    p.Accent = C(0x5E5EEC); p.AccentLight = C(0xA9C9FF); p.AccentDark = C(0x24309A);
    p.ButtonTop = C(0xF4FAFF); p.ButtonBottom = C(0x9CC8F2); p.ButtonBorder = C(0x2E6AB8);
    p.HotTop = C(0xE8F6FF); p.HotBottom = C(0x5FB2FF); p.HotBorder = C(0x1F58A8);
    p.PressedTop = C(0x3E8EE6); p.PressedBottom = C(0xA8D2FA); p.PressedBorder = C(0x163F80);
    p.TitleButtonTop = C(0xD8EEFF); p.TitleButtonBottom = C(0x3B86E0); p.TitleButtonBorder = C(0x1A4E9C);
    p.TitleGlyph = C(0xFFFFFF);
    p.CloseTop = C(0xFFB09A); p.CloseBottom = C(0xD8402A);
    p.BarTop = C(0x8CC6FF); p.BarBottom = C(0x2F78D6);
    p.TabActive = C(0xF2F8FF); p.TabInactive = C(0xC4DCF4);
    p.BoxFace = C(0xFFFFFF); p.BoxBorder = C(0x2E6AB8); p.CheckMark = C(0x24309A);
    p.TransparentButtons = true; p.RoundTitleButtons = true; p.Glossy = true;
    return p;
}

} // namespace

Palette PaletteOf(TsuiUIStyle style)
{
    switch (style) {
    case TsuiUIStyle::MacOS: return MacOS();
    case TsuiUIStyle::WinXP: return WinXP();
    case TsuiUIStyle::Protein: return Protein();
    case TsuiUIStyle::BlueGlass: return BlueGlass();
    case TsuiUIStyle::DeepBlue:
    case TsuiUIStyle::FromThemeFile: break;
    }
    return DeepBlue();
}
