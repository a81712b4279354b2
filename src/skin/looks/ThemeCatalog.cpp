#include "ThemeCatalog.h"

#include <QHash>

namespace {

using K = ThemeItemKind;
constexpr std::array<std::int64_t, 5> None = {0, 0, 0, 0, 0};
constexpr std::array<QSize, 5> NoSizes = {};

constexpr std::array<QSize, 5> Sizes(QSize macOS, QSize winXP, QSize deepBlue, QSize protein, QSize blueGlass)
{
    return {macOS, winXP, deepBlue, protein, blueGlass};
}

// One row per item: number, key, kind, built-in values (MacOS, WinXP, DeepBlue, Protein,
// BlueGlass), resource suffix, bitmap sizes in the same order, frames.
const ThemeItemInfo Catalogue[ThemeItems::Count] = {
    {1, "ButtonImage", K::Image, None, "BUTTON",
     Sizes({252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}), 3},
    {2, "ButtonTransparentBool", K::Bool, {1, 0, 0, 0, 1}, nullptr, NoSizes, 0},
    {3, "CheckBoxImage", K::Image, None, "CHECKBOX",
     Sizes({60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}), 4},
    {4, "RadioButtonImage", K::Image, None, "RADIOBUTTON",
     Sizes({64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}), 4},
    {5, "TitleBarButtonImage", K::Image, None, "TITLEBTN",
     Sizes({306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}), 18},
    {6, "TitleBarButtonTransparentBool", K::Bool, {0, 0, 0, 1, 1}, nullptr, NoSizes, 0},
    {7, "TitleBarButtonLeftOffsetInt", K::Int, {3, 2, 0, 0, 4}, nullptr, NoSizes, 0},
    {8, "TitleBarButtonRightOffsetInt", K::Int, {-2, -2, 0, 0, -3}, nullptr, NoSizes, 0},
    {9, "TitleBarButtonTopInt", K::Int, {4, 5, 2, 2, 6}, nullptr, NoSizes, 0},
    {10, "TitleBarLeftImage", K::Image, None, "TITLE_LEFT",
     Sizes({48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}), 1},
    {11, "TitleBarClientImage", K::Image, None, "TITLE_CLIENT",
     Sizes({49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}), 1},
    {12, "TitleBarRightImage", K::Image, None, "TITLE_RIGHT",
     Sizes({48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}), 1},
    {13, "FormMinWidthInt", K::Int, {130, 150, 130, 130, 270}, nullptr, NoSizes, 0},
    {14, "FormRoundCornerInt", K::Int, {0, 13, 0, 0, 11}, nullptr, NoSizes, 0},
    {15, "FormBackgroundColor", K::Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}, nullptr, NoSizes, 0},
    {16, "FormBorderColor", K::Color, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}, nullptr, NoSizes, 0},
    {17, "FormBorderWidthInt", K::Int, {1, 3, 1, 1, 1}, nullptr, NoSizes, 0},
    {18, "MenuSelectedBorderColor", K::Color, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}, nullptr, NoSizes, 0},
    {19, "MenuSelectedBackgroundColor", K::Color, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}, nullptr, NoSizes, 0},
    {20, "MenuSelectedFontColor", K::Color, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, nullptr, NoSizes, 0},
    {21, "MenuBackgroundColor", K::Color, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}, nullptr, NoSizes, 0},
    {22, "MenuFontColor", K::Color, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}, nullptr, NoSizes, 0},
    {23, "MenuBarColor", K::Color, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}, nullptr, NoSizes, 0},
    {24, "ProgressBarImage", K::Image, None, "PROGRESSBAR",
     Sizes({13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}), 1},
    {25, "ControlBorderColor", K::Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}, nullptr, NoSizes, 0},
    {26, "ControlBackgroundColor", K::Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}, nullptr, NoSizes, 0},
    {27, "ControlFontColor", K::Color, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}, nullptr, NoSizes, 0},
    {28, "TrackBarBarImage", K::Image, None, "TRACKBAR_BAR",
     Sizes({45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}), 3},
    {29, "TrackBarSliderImage", K::Image, None, "TRACKBAR_SLIDER",
     Sizes({11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}), 1},
    {30, "TrackBarSliderVImage", K::Image, None, "TRACKBAR_SLIDER_V",
     Sizes({19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}), 1},
    {31, "ScrollBarBackgroundColor", K::Color, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}, nullptr, NoSizes, 0},
    {32, "ScrollBarButtonImage", K::Image, None, "SCROLLBAR_BUTTON",
     Sizes({96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}), 6},
    {33, "ScrollBarSliderImage", K::Image, None, "SCROLLBAR_TRACK",
     Sizes({33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}), 3},
    {34, "CheckListBoxImage", K::Image, None, "CHECKLIST",
     Sizes({40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}), 4},
    {35, "ToolBarButtonBorderColor", K::Color, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}, nullptr, NoSizes, 0},
    {36, "ToolBarButtonBackgroundColor", K::Color, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}, nullptr, NoSizes, 0},
    {37, "ToolBarButtonDownBackgroundColor", K::Color, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}, nullptr, NoSizes, 0},
    {38, "ScrollButtonImage", K::Image, None, "SCROLLBUTTON",
     Sizes({72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}), 4},
    {39, "TabControlTabImage", K::Image, None, "TAB",
     Sizes({36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}), 2},
    {40, "TabControlBarImage", K::Image, None, "TAB_LINE",
     Sizes({17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}), 1},
    {41, "SideChannelHandleImage", K::Image, None, "SIDECHENNEL_HANDLE",
     Sizes({7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}), 1},
    {42, "SideChannelBarImage", K::Image, None, "SIDECHENNEL_BAR",
     Sizes({1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}), 1},
};

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
