// SPDX-License-Identifier: GPL-3.0-or-later
#include "Colors.h"

#include <array>

namespace {

// The classic desktop scheme, by system colour index.
constexpr std::array<QRgb, 31> SystemColors = {
    0xFFD4D0C8, // scroll bar
    0xFF3A6EA5, // background
    0xFF0A246A, // active caption
    0xFF808080, // inactive caption
    0xFFD4D0C8, // menu
    0xFFFFFFFF, // window
    0xFF000000, // window frame
    0xFF000000, // menu text
    0xFF000000, // window text
    0xFFFFFFFF, // caption text
    0xFFD4D0C8, // active border
    0xFFD4D0C8, // inactive border
    0xFF808080, // application workspace
    0xFF0A246A, // highlight
    0xFFFFFFFF, // highlight text
    0xFFD4D0C8, // button face
    0xFF808080, // button shadow
    0xFF808080, // grey text
    0xFF000000, // button text
    0xFFD4D0C8, // inactive caption text
    0xFFFFFFFF, // button highlight
    0xFF404040, // 3D dark shadow
    0xFFD4D0C8, // 3D light
    0xFF000000, // info text
    0xFFFFFFE1, // info background
    0xFFB5B5B5, // (unused)
    0xFF0000FF, // hot light
    0xFFA6CAF0, // gradient active caption
    0xFFC0C0C0, // gradient inactive caption
    0xFF316AC5, // menu highlight
    0xFFECE9D8, // menu bar
};

} // namespace

QColor ColorToRGB(TColor color)
{
    if ((color >> 24) == 0xFF) {
        const std::uint32_t index = color & 0xFF;
        return QColor::fromRgb(index < SystemColors.size() ? SystemColors[index] : 0xFF000000);
    }
    return QColor(int(color & 0xFF), int(color >> 8 & 0xFF), int(color >> 16 & 0xFF));
}
