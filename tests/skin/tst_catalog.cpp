#include "BuiltInBitmaps.h"
#include "ThemeCatalog.h"

#include <QtTest>

namespace {

constexpr TsuiUIStyle MacOS = TsuiUIStyle::MacOS, WinXP = TsuiUIStyle::WinXP, DeepBlue = TsuiUIStyle::DeepBlue,
                      Protein = TsuiUIStyle::Protein, BlueGlass = TsuiUIStyle::BlueGlass;

struct Expected {
    int item;
    const char* key;
    ThemeItemKind kind;
    qint64 values[5];  // MacOS, WinXP, DeepBlue, Protein, BlueGlass
};

// The values of the Int, Color and Bool items, written out independently of the catalogue.
const Expected Values[] = {
    {2, "ButtonTransparentBool", ThemeItemKind::Bool, {1, 0, 0, 0, 1}},
    {6, "TitleBarButtonTransparentBool", ThemeItemKind::Bool, {0, 0, 0, 1, 1}},
    {7, "TitleBarButtonLeftOffsetInt", ThemeItemKind::Int, {3, 2, 0, 0, 4}},
    {8, "TitleBarButtonRightOffsetInt", ThemeItemKind::Int, {-2, -2, 0, 0, -3}},
    {9, "TitleBarButtonTopInt", ThemeItemKind::Int, {4, 5, 2, 2, 6}},
    {13, "FormMinWidthInt", ThemeItemKind::Int, {130, 150, 130, 130, 270}},
    {14, "FormRoundCornerInt", ThemeItemKind::Int, {0, 13, 0, 0, 11}},
    {15, "FormBackgroundColor", ThemeItemKind::Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {16, "FormBorderColor", ThemeItemKind::Color, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}},
    {17, "FormBorderWidthInt", ThemeItemKind::Int, {1, 3, 1, 1, 1}},
    {18, "MenuSelectedBorderColor", ThemeItemKind::Color, {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {19, "MenuSelectedBackgroundColor", ThemeItemKind::Color, {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}},
    {20, "MenuSelectedFontColor", ThemeItemKind::Color, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}},
    {21, "MenuBackgroundColor", ThemeItemKind::Color, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}},
    {22, "MenuFontColor", ThemeItemKind::Color, {0, 0, 0, 0, 0}},
    {23, "MenuBarColor", ThemeItemKind::Color, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}},
    {25, "ControlBorderColor", ThemeItemKind::Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}},
    {26, "ControlBackgroundColor", ThemeItemKind::Color, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
    {27, "ControlFontColor", ThemeItemKind::Color, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}},
    {31, "ScrollBarBackgroundColor", ThemeItemKind::Color, {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}},
    {35, "ToolBarButtonBorderColor", ThemeItemKind::Color, {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}},
    {36, "ToolBarButtonBackgroundColor", ThemeItemKind::Color, {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}},
    {37, "ToolBarButtonDownBackgroundColor", ThemeItemKind::Color, {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}},
};

struct ExpectedImage {
    int item;
    const char* suffix;
    QSize sizes[5];
};

const ExpectedImage Images[] = {
    {1, "BUTTON", {{252, 23}, {54, 21}, {222, 21}, {222, 21}, {231, 27}}},
    {3, "CHECKBOX", {{60, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {4, "RADIOBUTTON", {{64, 17}, {52, 13}, {52, 13}, {52, 13}, {52, 13}}},
    {5, "TITLEBTN", {{306, 17}, {378, 21}, {342, 19}, {342, 19}, {342, 19}}},
    {10, "TITLE_LEFT", {{48, 23}, {35, 29}, {97, 32}, {441, 23}, {162, 33}}},
    {11, "TITLE_CLIENT", {{49, 23}, {37, 29}, {98, 32}, {1, 23}, {179, 33}}},
    {12, "TITLE_RIGHT", {{48, 23}, {35, 29}, {97, 32}, {1, 23}, {101, 33}}},
    {24, "PROGRESSBAR", {{13, 10}, {6, 10}, {1, 10}, {1, 10}, {1, 10}}},
    {28, "TRACKBAR_BAR", {{45, 5}, {45, 8}, {45, 4}, {45, 4}, {45, 4}}},
    {29, "TRACKBAR_SLIDER", {{11, 20}, {11, 21}, {11, 20}, {11, 20}, {11, 20}}},
    {30, "TRACKBAR_SLIDER_V", {{19, 11}, {22, 11}, {18, 11}, {18, 11}, {18, 11}}},
    {32, "SCROLLBAR_BUTTON", {{96, 22}, {96, 17}, {96, 16}, {96, 16}, {102, 16}}},
    {33, "SCROLLBAR_TRACK", {{33, 16}, {21, 16}, {21, 16}, {21, 16}, {21, 16}}},
    {34, "CHECKLIST", {{40, 11}, {44, 11}, {44, 11}, {44, 11}, {44, 11}}},
    {38, "SCROLLBUTTON", {{72, 18}, {72, 18}, {72, 17}, {72, 17}, {72, 17}}},
    {39, "TAB", {{36, 27}, {18, 18}, {12, 17}, {18, 17}, {18, 17}}},
    {40, "TAB_LINE", {{17, 7}, {8, 1}, {5, 5}, {10, 5}, {10, 5}}},
    {41, "SIDECHENNEL_HANDLE", {{7, 84}, {8, 86}, {8, 83}, {8, 83}, {8, 86}}},
    {42, "SIDECHENNEL_BAR", {{1, 21}, {1, 21}, {1, 20}, {1, 21}, {1, 21}}},
};

const TsuiUIStyle Styles[] = {MacOS, WinXP, DeepBlue, Protein, BlueGlass};

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT

private slots:
    void everyValueOfEveryStyle()
    {
        for (const Expected& e : Values) {
            QCOMPARE(QString(ThemeItem(e.item)->Key), QString(e.key));
            QCOMPARE(ThemeItem(e.item)->Kind, e.kind);
            QCOMPARE(ThemeItemByKey(QString(e.key).toUpper()), e.item);
            for (int s = 0; s < 5; ++s) {
                const TsuiUIStyle style = Styles[s];
                switch (e.kind) {
                case ThemeItemKind::Color: QCOMPARE(qint64(BuiltInColor(style, e.item)), e.values[s]); break;
                case ThemeItemKind::Int: QCOMPARE(qint64(BuiltInInt(style, e.item)), e.values[s]); break;
                case ThemeItemKind::Bool: QCOMPARE(BuiltInBool(style, e.item), e.values[s] != 0); break;
                case ThemeItemKind::Image: QFAIL("not a value item"); break;
                }
            }
        }
    }

    void wrongKindsAndThemeFileGiveTheNeutralAnswers()
    {
        QCOMPARE(BuiltInColor(TsuiUIStyle::FromThemeFile, 15), TColor(0));
        QCOMPARE(BuiltInInt(TsuiUIStyle::FromThemeFile, 13), -1);
        QCOMPARE(BuiltInBool(TsuiUIStyle::FromThemeFile, 2), false);
        QCOMPARE(BuiltInColor(DeepBlue, 13), TColor(0));
        QCOMPARE(BuiltInInt(DeepBlue, 15), -1);
        QCOMPARE(BuiltInBool(MacOS, 15), false);
        QCOMPARE(BuiltInInt(DeepBlue, 0), -1);
        QCOMPARE(BuiltInInt(DeepBlue, 43), -1);
        QCOMPARE(BuiltInColor(DeepBlue, 1), TColor(0));
        QCOMPARE(ThemeItemByKey("NoSuchItem"), 0);
    }

    void everyResourceExistsAtItsSize()
    {
        for (const ExpectedImage& e : Images) {
            QCOMPARE(ThemeItem(e.item)->Kind, ThemeItemKind::Image);
            for (int s = 0; s < 5; ++s) {
                QString name = StylePrefix(Styles[s]) + e.suffix;
                if (e.item == 38 && s >= 2)
                    name = "MORE_SCROLLBUTTON";
                QCOMPARE(BuiltInResourceName(Styles[s], e.item), name);
                const QImage image = LoadBitmapResource(name);
                QVERIFY2(!image.isNull(), qPrintable(name));
                QCOMPARE(image.size(), e.sizes[s]);
            }
        }
        const QList<QPair<const char*, QSize>> extras = {
            {"MACOS_MENU_BAR", {1, 22}}, {"MACOS_MENU_SELECT", {1, 21}}, {"MENU_CHECKED", {16, 16}},
            {"MACOS_FORM_BACKGROUND", {8, 8}}, {"PROTEIN_FORM_BACKGROUND", {8, 8}}, {"MACOS_COMBOBOX_BUTTON", {16, 17}},
            {"WINXP_COMBOBOX_BUTTON", {16, 18}}, {"MSGDLG", {168, 42}}, {"PANEL_BUTTON", {52, 12}},
            {"MORE_SCROLLBUTTON", {72, 17}}};
        for (const auto& [name, size] : extras)
            QCOMPARE(LoadBitmapResource(name).size(), size);
        QCOMPARE(AllBitmapResources().size(), 5 * 19 - 2 + 9);
        QVERIFY(LoadBitmapResource("DEEPBLUE_SIDECHANNEL_BAR").isNull());
    }

    void builtInBitmapWholeAndFrames()
    {
        QImage bitmap;
        BuiltInBitmap(DeepBlue, ThemeItems::TitleBarButtonImage, &bitmap);
        QCOMPARE(bitmap.size(), QSize(342, 19));
        BuiltInBitmap(DeepBlue, ThemeItems::TitleBarButtonImage, &bitmap, 18, 18);
        QCOMPARE(bitmap.size(), QSize(19, 19));
        QCOMPARE(bitmap, LoadBitmapResource("DEEPBLUE_TITLEBTN").copy(323, 0, 19, 19));

        QImage kept(3, 3, QImage::Format_RGB32);
        kept.fill(Qt::red);
        QImage copy = kept;
        BuiltInBitmap(DeepBlue, ThemeItems::FormBackgroundColor, &copy);
        QCOMPARE(copy, kept);
        BuiltInBitmap(TsuiUIStyle::FromThemeFile, ThemeItems::ButtonImage, &copy);
        QCOMPARE(copy, kept);
        BuiltInBitmap(TsuiUIStyle::FromThemeFile, ThemeItems::ButtonImage, &copy, 1, 3);
        QVERIFY(copy.isNull());
        BuiltInBitmap(DeepBlue, ThemeItems::ButtonImage, nullptr);
    }

    void transparencyKeysArePureMagentaOnly()
    {
        // the slider is drawn keyed on its bottom-left pixel; the tab on its top-left
        for (const TsuiUIStyle style : Styles) {
            const QImage slider = LoadBitmapResource(BuiltInResourceName(style, ThemeItems::TrackBarSliderImage));
            QCOMPARE(slider.pixel(0, slider.height() - 1), QRgb(0xFFFF00FF));
            const QImage tab = LoadBitmapResource(BuiltInResourceName(style, ThemeItems::TabControlTabImage));
            QCOMPARE(tab.pixel(0, 0), QRgb(0xFFFF00FF));
            // the stretched middle of a tab frame is opaque
            const int part = tab.width() / 2 / 3;
            for (int y = 0; y < tab.height(); ++y)
                QVERIFY(tab.pixel(part, y) != QRgb(0xFFFF00FF));
        }
    }
};

QTEST_MAIN(TestCatalog)
#include "tst_catalog.moc"
