// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemeCatalog.h"

#include <QHash>

namespace {

constexpr std::array<std::int64_t, 5> NoValues = {};
constexpr std::array<QSize, 5> NoSizes = {};

#define UKLAD_VALUE_ROW(name, kind, macOS, winXP, deepBlue, protein, blueGlass)                                    \
    {ThemeItems::name, #name, ThemeItemKind::kind, {macOS, winXP, deepBlue, protein, blueGlass}, nullptr, NoSizes, 0},
#define UKLAD_IMAGE_ROW(name, suffix, frames, macOS, winXP, deepBlue, protein, blueGlass)                          \
    {ThemeItems::name, #name, ThemeItemKind::Image, NoValues, suffix,                                              \
     {QSize macOS, QSize winXP, QSize deepBlue, QSize protein, QSize blueGlass}, frames},

const ThemeItemInfo Catalogue[ThemeItems::Count] = {UKLAD_THEME_ITEMS(UKLAD_VALUE_ROW, UKLAD_IMAGE_ROW)};

#undef UKLAD_VALUE_ROW
#undef UKLAD_IMAGE_ROW

// Item 38 of these three styles shares one resource instead of a prefixed one.
const char* const SharedScrollButton = "MORE_SCROLLBUTTON";

// Resources outside the catalogue, each used by one control.
const BitmapResource Extras[] = {
    {QStringLiteral("MACOS_MENU_BAR"), {1, 22}, 1},
    {QStringLiteral("MACOS_MENU_SELECT"), {1, 21}, 1},
    {QStringLiteral("MENU_CHECKED"), {16, 16}, 1},
    {QStringLiteral("MACOS_FORM_BACKGROUND"), {8, 8}, 1},
    {QStringLiteral("PROTEIN_FORM_BACKGROUND"), {8, 8}, 1},
    {QStringLiteral("MACOS_COMBOBOX_BUTTON"), {16, 17}, 1},
    {QStringLiteral("WINXP_COMBOBOX_BUTTON"), {16, 18}, 1},
    {QStringLiteral("MSGDLG"), {168, 42}, 4},
    {QStringLiteral("PANEL_BUTTON"), {52, 12}, 4},
};

int StyleIndex(TsuiUIStyle style)
{
    return int(style) - int(TsuiUIStyle::MacOS);
}

const ThemeItemInfo* ItemOfKind(TsuiUIStyle style, int item, ThemeItemKind kind)
{
    const ThemeItemInfo* info = ThemeItem(item);
    return info && info->Kind == kind && IsBuiltInStyle(style) ? info : nullptr;
}

} // namespace

const ThemeItemInfo* ThemeItem(int item)
{
    return item >= 1 && item <= ThemeItems::Count ? &Catalogue[item - 1] : nullptr;
}

int ThemeItemByKey(const QString& key)
{
    static const QHash<QString, int> byKey = [] {
        QHash<QString, int> keys;
        for (const ThemeItemInfo& info : Catalogue)
            keys.insert(QString::fromLatin1(info.Key).toLower(), info.Number);
        return keys;
    }();
    return byKey.value(key.toLower(), 0);
}

QString StylePrefix(TsuiUIStyle style)
{
    return IsBuiltInStyle(style) ? StyleName(style).toUpper() + QLatin1Char('_') : QString();
}

QString StyleName(TsuiUIStyle style)
{
    switch (style) {
    case TsuiUIStyle::MacOS: return QStringLiteral("MacOS");
    case TsuiUIStyle::WinXP: return QStringLiteral("WinXP");
    case TsuiUIStyle::DeepBlue: return QStringLiteral("DeepBlue");
    case TsuiUIStyle::Protein: return QStringLiteral("Protein");
    case TsuiUIStyle::BlueGlass: return QStringLiteral("BlueGlass");
    case TsuiUIStyle::FromThemeFile: break;
    }
    return QStringLiteral("FromThemeFile");
}

QString BuiltInResourceName(TsuiUIStyle style, int item)
{
    const ThemeItemInfo* info = ItemOfKind(style, item, ThemeItemKind::Image);
    if (!info)
        return QString();
    if (item == ThemeItems::ScrollButtonImage && style >= TsuiUIStyle::DeepBlue)
        return QString::fromLatin1(SharedScrollButton);
    return StylePrefix(style) + QString::fromLatin1(info->Suffix);
}

TColor BuiltInColor(TsuiUIStyle style, int item)
{
    const ThemeItemInfo* info = ItemOfKind(style, item, ThemeItemKind::Color);
    return info ? TColor(info->Values[std::size_t(StyleIndex(style))]) : 0;
}

int BuiltInInt(TsuiUIStyle style, int item)
{
    const ThemeItemInfo* info = ItemOfKind(style, item, ThemeItemKind::Int);
    return info ? int(info->Values[std::size_t(StyleIndex(style))]) : -1;
}

bool BuiltInBool(TsuiUIStyle style, int item)
{
    const ThemeItemInfo* info = ItemOfKind(style, item, ThemeItemKind::Bool);
    return info && info->Values[std::size_t(StyleIndex(style))] != 0;
}

QList<BitmapResource> AllBitmapResources()
{
    QList<BitmapResource> resources;
    for (const TsuiUIStyle style : BuiltInStyles) {
        for (const ThemeItemInfo& info : Catalogue) {
            if (info.Kind != ThemeItemKind::Image)
                continue;
            const QString name = BuiltInResourceName(style, info.Number);
            const bool listed = std::any_of(resources.cbegin(), resources.cend(),
                                            [&](const BitmapResource& r) { return r.Name == name; });
            if (!listed)
                resources.append({name, info.Sizes[std::size_t(StyleIndex(style))], info.Frames});
        }
    }
    for (const BitmapResource& extra : Extras)
        resources.append(extra);
    return resources;
}
