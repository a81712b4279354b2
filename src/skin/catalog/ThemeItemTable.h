// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The 42 theme items, in their numbered order (the first is item 1). This list is the only place
// they are written: the item enumeration, the skin files' key names (each item's name), the kinds,
// the built-in values and the bitmap resources all derive from it.
//
//   VALUE(name, kind, MacOS, WinXP, DeepBlue, Protein, BlueGlass)
//       an Int, Color or Bool item with its built-in value in each style
//   IMAGE(name, resource suffix, frames, MacOS size, WinXP size, DeepBlue size, Protein size, BlueGlass size)
//       an Image item: the resource is the style's prefix and the suffix; sizes are (width, height);
//       frames is how many equal frames the controls cut the bitmap into (1: used whole)
#define UKLAD_THEME_ITEMS(VALUE, IMAGE)                                                                             \
    IMAGE(ButtonImage, "BUTTON", 3, (252, 23), (54, 21), (222, 21), (222, 21), (231, 27))                          \
    VALUE(ButtonTransparentBool, Bool, 1, 0, 0, 0, 1)                                                              \
    IMAGE(CheckBoxImage, "CHECKBOX", 4, (60, 17), (52, 13), (52, 13), (52, 13), (52, 13))                          \
    IMAGE(RadioButtonImage, "RADIOBUTTON", 4, (64, 17), (52, 13), (52, 13), (52, 13), (52, 13))                    \
    IMAGE(TitleBarButtonImage, "TITLEBTN", 18, (306, 17), (378, 21), (342, 19), (342, 19), (342, 19))              \
    VALUE(TitleBarButtonTransparentBool, Bool, 0, 0, 0, 1, 1)                                                      \
    VALUE(TitleBarButtonLeftOffsetInt, Int, 3, 2, 0, 0, 4)                                                         \
    VALUE(TitleBarButtonRightOffsetInt, Int, -2, -2, 0, 0, -3)                                                     \
    VALUE(TitleBarButtonTopInt, Int, 4, 5, 2, 2, 6)                                                                \
    IMAGE(TitleBarLeftImage, "TITLE_LEFT", 1, (48, 23), (35, 29), (97, 32), (441, 23), (162, 33))                 \
    IMAGE(TitleBarClientImage, "TITLE_CLIENT", 1, (49, 23), (37, 29), (98, 32), (1, 23), (179, 33))               \
    IMAGE(TitleBarRightImage, "TITLE_RIGHT", 1, (48, 23), (35, 29), (97, 32), (1, 23), (101, 33))                 \
    VALUE(FormMinWidthInt, Int, 130, 150, 130, 130, 270)                                                           \
    VALUE(FormRoundCornerInt, Int, 0, 13, 0, 0, 11)                                                                \
    VALUE(FormBackgroundColor, Color, 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7)                            \
    VALUE(FormBorderColor, Color, 0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000)                                \
    VALUE(FormBorderWidthInt, Int, 1, 3, 1, 1, 1)                                                                  \
    VALUE(MenuSelectedBorderColor, Color, 0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E)                        \
    VALUE(MenuSelectedBackgroundColor, Color, 0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E)                    \
    VALUE(MenuSelectedFontColor, Color, 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF)                          \
    VALUE(MenuBackgroundColor, Color, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7)                            \
    VALUE(MenuFontColor, Color, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000)                                  \
    VALUE(MenuBarColor, Color, 0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6)                                   \
    IMAGE(ProgressBarImage, "PROGRESSBAR", 1, (13, 10), (6, 10), (1, 10), (1, 10), (1, 10))                        \
    VALUE(ControlBorderColor, Color, 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000)                             \
    VALUE(ControlBackgroundColor, Color, 0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7)                         \
    VALUE(ControlFontColor, Color, 0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000)                               \
    IMAGE(TrackBarBarImage, "TRACKBAR_BAR", 3, (45, 5), (45, 8), (45, 4), (45, 4), (45, 4))                        \
    IMAGE(TrackBarSliderImage, "TRACKBAR_SLIDER", 1, (11, 20), (11, 21), (11, 20), (11, 20), (11, 20))             \
    IMAGE(TrackBarSliderVImage, "TRACKBAR_SLIDER_V", 1, (19, 11), (22, 11), (18, 11), (18, 11), (18, 11))          \
    VALUE(ScrollBarBackgroundColor, Color, 0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4)                       \
    IMAGE(ScrollBarButtonImage, "SCROLLBAR_BUTTON", 6, (96, 22), (96, 17), (96, 16), (96, 16), (102, 16))          \
    IMAGE(ScrollBarSliderImage, "SCROLLBAR_TRACK", 3, (33, 16), (21, 16), (21, 16), (21, 16), (21, 16))            \
    IMAGE(CheckListBoxImage, "CHECKLIST", 4, (40, 11), (44, 11), (44, 11), (44, 11), (44, 11))                     \
    VALUE(ToolBarButtonBorderColor, Color, 0x474747, 0xC66931, 0x474747, 0x474747, 0x474747)                       \
    VALUE(ToolBarButtonBackgroundColor, Color, 0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF)                   \
    VALUE(ToolBarButtonDownBackgroundColor, Color, 0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8)               \
    IMAGE(ScrollButtonImage, "SCROLLBUTTON", 4, (72, 18), (72, 18), (72, 17), (72, 17), (72, 17))                  \
    IMAGE(TabControlTabImage, "TAB", 2, (36, 27), (18, 18), (12, 17), (18, 17), (18, 17))                          \
    IMAGE(TabControlBarImage, "TAB_LINE", 1, (17, 7), (8, 1), (5, 5), (10, 5), (10, 5))                            \
    IMAGE(SideChannelHandleImage, "SIDECHENNEL_HANDLE", 1, (7, 84), (8, 86), (8, 83), (8, 83), (8, 86))            \
    IMAGE(SideChannelBarImage, "SIDECHENNEL_BAR", 1, (1, 21), (1, 21), (1, 20), (1, 21), (1, 21))
