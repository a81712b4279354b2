// SPDX-License-Identifier: GPL-3.0-or-later
#include "BmpImage.h"
#include "BuiltInBitmaps.h"
#include "ThemeCatalog.h"

#include <QtTest>

namespace {

constexpr TsuiUIStyle MacOS = TsuiUIStyle::MacOS, DeepBlue = TsuiUIStyle::DeepBlue;

// The kind a key's ending names: every key ends in the kind of its item.
ThemeItemKind KindNamedByKey(const QString& key)
{
    if (key.endsWith("Image"))
        return ThemeItemKind::Image;
    if (key.endsWith("Bool"))
        return ThemeItemKind::Bool;
    if (key.endsWith("Int"))
        return ThemeItemKind::Int;
    return ThemeItemKind::Color;
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT

private slots:
    void everyItemRoundTripsThroughItsKey()
    {
        QCOMPARE(ThemeItems::Count, 42);
        for (int item = 1; item <= ThemeItems::Count; ++item) {
            const ThemeItemInfo* info = ThemeItem(item);
            QCOMPARE(info->Number, item);
            const QString key = info->Key;
            QCOMPARE(ThemeItemByKey(key), item);
            QCOMPARE(ThemeItemByKey(key.toUpper()), item);
            QCOMPARE(ThemeItemByKey(key.toLower()), item);
            QCOMPARE(info->Kind, KindNamedByKey(key));
        }
        QCOMPARE(ThemeItem(0), nullptr);
        QCOMPARE(ThemeItem(43), nullptr);
        // the numbers the skin files and the controls rely on
        QCOMPARE(ThemeItemByKey("ButtonImage"), 1);
        QCOMPARE(ThemeItemByKey("ControlFontColor"), 27);
        QCOMPARE(ThemeItemByKey("SideChannelBarImage"), 42);
    }

    void valuesOfTheStylesTheProgramShows()
    {
        QCOMPARE(BuiltInColor(DeepBlue, ThemeItems::FormBackgroundColor), TColor(0xE8E8E8));
        QCOMPARE(BuiltInColor(DeepBlue, ThemeItems::MenuSelectedBackgroundColor), TColor(0xA04A44));
        QCOMPARE(BuiltInInt(DeepBlue, ThemeItems::FormMinWidthInt), 130);
        QCOMPARE(BuiltInInt(TsuiUIStyle::BlueGlass, ThemeItems::TitleBarButtonRightOffsetInt), -3);
        QCOMPARE(BuiltInBool(MacOS, ThemeItems::ButtonTransparentBool), true);
        QCOMPARE(BuiltInColor(TsuiUIStyle::WinXP, ThemeItems::ControlFontColor), TColor(0xCF4602));
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

    void everyResourceExistsAtItsSizeInWholeFrames()
    {
        int images = 0;
        for (int item = 1; item <= ThemeItems::Count; ++item) {
            const ThemeItemInfo* info = ThemeItem(item);
            if (info->Kind != ThemeItemKind::Image)
                continue;
            ++images;
            for (int s = 0; s < 5; ++s) {
                const QString name = BuiltInResourceName(BuiltInStyles[s], item);
                QVERIFY(name == StylePrefix(BuiltInStyles[s]) + info->Suffix || (item == 38 && name == "MORE_SCROLLBUTTON"));
                const QImage image = LoadBitmapResource(name);
                QVERIFY2(!image.isNull(), qPrintable(name));
                QCOMPARE(image.size(), info->Sizes[std::size_t(s)]);
                QVERIFY2(image.width() % info->Frames == 0, qPrintable(name));
            }
        }
        const QList<QPair<const char*, QSize>> extras = {
            {"MACOS_MENU_BAR", {1, 22}}, {"MACOS_MENU_SELECT", {1, 21}}, {"MENU_CHECKED", {16, 16}},
            {"MACOS_FORM_BACKGROUND", {8, 8}}, {"PROTEIN_FORM_BACKGROUND", {8, 8}}, {"MACOS_COMBOBOX_BUTTON", {16, 17}},
            {"WINXP_COMBOBOX_BUTTON", {16, 18}}, {"MSGDLG", {168, 42}}, {"PANEL_BUTTON", {52, 12}},
            {"MORE_SCROLLBUTTON", {72, 17}}};
        for (const auto& [name, size] : extras)
            QCOMPARE(LoadBitmapResource(name).size(), size);
        // the three styles sharing item 38 list it once
        QCOMPARE(AllBitmapResources().size(), 5 * images - 2 + 9);
        QVERIFY(LoadBitmapResource("DEEPBLUE_SIDECHANNEL_BAR").isNull());
    }

    void bitmapsAreReadAsBitmapsOnly()
    {
        // a reader left to guess would load every image plugin of the system (at every start) to
        // ask it, and decode a picture of another kind
        for (const BitmapResource& resource : AllBitmapResources())
            QVERIFY(!LoadBitmapResource(resource.Name).isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("/imageformats/"));

        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QByteArray png, bmp;
        QBuffer pngBuffer(&png), bmpBuffer(&bmp);
        QVERIFY(picture.save(&pngBuffer, "PNG") && picture.save(&bmpBuffer, "BMP"));
        QVERIFY(ReadBmp(png).isNull());
        QCOMPARE(ReadBmp(bmp).pixelColor(3, 3), QColor(Qt::red));
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
        for (const TsuiUIStyle style : BuiltInStyles) {
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
