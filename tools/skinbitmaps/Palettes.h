// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "UIStyle.h"

#include <QColor>

// The colours each built-in style is drawn in. One palette per style keeps every bitmap of a style
// in the same family.
struct Palette {
    // title bar: gradient from top to bottom, its outer edge line and a highlight line below it
    QColor TitleTop, TitleMiddle, TitleBottom, TitleEdge, TitleHighlight;
    // surfaces: the form background and the style's control border
    QColor Surface, Border;
    // accent: selections, check marks, thumbs
    QColor Accent, AccentLight, AccentDark;
    // push buttons: face gradient and border, for the normal, hot and pressed frames
    QColor ButtonTop, ButtonBottom, ButtonBorder;
    QColor HotTop, HotBottom, HotBorder;
    QColor PressedTop, PressedBottom, PressedBorder;
    // title buttons: face gradient, border and glyph; the close button may have its own face
    QColor TitleButtonTop, TitleButtonBottom, TitleButtonBorder, TitleGlyph;
    QColor CloseTop, CloseBottom;
    // panel caption bar and tab strip
    QColor BarTop, BarBottom;
    QColor TabActive, TabInactive;
    // check boxes and radio buttons
    QColor BoxFace, BoxBorder, CheckMark;
    bool TransparentButtons;      // button corners keyed with magenta (the style draws them transparent)
    bool RoundTitleButtons;       // round title buttons (orbs or traffic lights) instead of squares
    bool TrafficLights;           // MacOS: red, yellow and green title buttons
    bool Glossy;                  // a white gloss over the upper half of title bar and buttons
};

Palette PaletteOf(TsuiUIStyle style);
