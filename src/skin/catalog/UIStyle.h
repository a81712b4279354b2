// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>

namespace Skin {
Q_NAMESPACE

// The look a skinned control takes: one of the five built-in styles, or its skin file.
enum class TsuiUIStyle : std::uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};
Q_ENUM_NS(TsuiUIStyle)

} // namespace Skin

using Skin::TsuiUIStyle;

constexpr TsuiUIStyle BuiltInStyles[] = {TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
                                         TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass};

constexpr bool IsBuiltInStyle(TsuiUIStyle style)
{
    return style >= TsuiUIStyle::MacOS && style <= TsuiUIStyle::BlueGlass;
}
