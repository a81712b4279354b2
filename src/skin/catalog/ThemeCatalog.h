// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Colors.h"
#include "ThemeItemTable.h"
#include "UIStyle.h"

#include <QList>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>

// The theme items through which every skinned control finds its look, with their built-in values in
// the five styles.

enum class ThemeItemKind : std::uint8_t { Int = 0, Color = 1, Image = 2, Bool = 3 };

namespace ThemeItems {
#define UKLAD_ITEM_NAME(name, ...) name,
enum : int { NoItem = 0, UKLAD_THEME_ITEMS(UKLAD_ITEM_NAME, UKLAD_ITEM_NAME) End };
#undef UKLAD_ITEM_NAME
constexpr int Count = End - 1;
static_assert(Count == 42);
} // namespace ThemeItems

struct ThemeItemInfo {
    int Number;
    const char* Key;
    ThemeItemKind Kind;
    std::array<std::int64_t, 5> Values;  // Int, Color and Bool items, by style MacOS to BlueGlass
    const char* Suffix;                  // Image items: the resource name after the style's prefix
    std::array<QSize, 5> Sizes;          // Image items: the built-in bitmap's size, by style
    int Frames;                          // Image items: how many frames the controls cut (1 = whole)
};

// The item numbered 1 to 42, or none.
const ThemeItemInfo* ThemeItem(int item);
// The item whose key equals the name regardless of letter case; 0 when none does.
int ThemeItemByKey(const QString& key);

// The prefix of a built-in style's resource names ("DEEPBLUE_"); empty for FromThemeFile.
QString StylePrefix(TsuiUIStyle style);
QString StyleName(TsuiUIStyle style);

// The name of the item's bitmap resource in the style; empty when the item is not an image or the
// style is not built in.
QString BuiltInResourceName(TsuiUIStyle style, int item);

// Built-in values. Items of another kind, and styles that are not built in, give 0 (colour),
// -1 (integer) and false (flag).
TColor BuiltInColor(TsuiUIStyle style, int item);
int BuiltInInt(TsuiUIStyle style, int item);
bool BuiltInBool(TsuiUIStyle style, int item);

// Every bitmap resource the toolkit ships, each name once: the image items of the five styles and
// the resources outside the catalogue.
struct BitmapResource {
    QString Name;
    QSize Size;
    int Frames;
};
QList<BitmapResource> AllBitmapResources();
