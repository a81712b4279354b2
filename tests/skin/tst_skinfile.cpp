// SPDX-License-Identifier: GPL-3.0-or-later
#include "BuiltInBitmaps.h"
#include "Form.h"
#include "Panel.h"
#include "SkinFileWriter.h"
#include "SkinLook.h"
#include "ThemeCatalog.h"
#include "ThemeFile.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

struct Entry {
    QByteArray name;
    int type;
    QByteArray data;
};

QByteArray Int32(std::int32_t value)
{
    QByteArray bytes(4, '\0');
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

// A skin file of the given entries, each record followed by its data, closed by an empty record.
QByteArray SkinFile(const QList<Entry>& entries, const QByteArray& magic = "Tessaly_TB")
{
    QByteArray file = magic.leftJustified(12, '\0', true) + Int32(24) + Int32(0) + Int32(24);
    for (const Entry& e : entries) {
        const qsizetype at = file.size();
        file += e.name.leftJustified(64, '\0', true) + char(e.type) + Int32(std::int32_t(at + 77))
            + Int32(std::int32_t(e.data.size())) + Int32(std::int32_t(at + 77 + e.data.size())) + e.data;
    }
    file += QByteArray(64, '\0') + char(0) + Int32(0) + Int32(0) + Int32(0);
    return file;
}

QByteArray Bitmap(QColor color)
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QString ErrorOf(const QByteArray& bytes)
{
    try {
        TsuiThemeFileReader::FromBytes(bytes);
    } catch (const ESkinFileError& e) {
        return QString::fromUtf8(e.what());
    }
    return QString();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class TestSkinFile : public QObject {
    Q_OBJECT

private slots:
    void everyStyleRoundTripsThroughASkinFile()
    {
        QTemporaryDir dir;
        for (const TsuiUIStyle style : BuiltInStyles) {
            const QString path = dir.filePath(StyleName(style) + ".skn");
            Write(path, SkinFileFromStyle(style));
            TsuiFileTheme theme;
            theme.SetThemeFile(path);
            QVERIFY(theme.CanUse());
            for (int item = 1; item <= ThemeItems::Count; ++item) {
                switch (ThemeItem(item)->Kind) {
                case ThemeItemKind::Color: QCOMPARE(theme.GetColor(item), BuiltInColor(style, item)); break;
                case ThemeItemKind::Int: QCOMPARE(theme.GetInt(item), BuiltInInt(style, item)); break;
                case ThemeItemKind::Bool: QCOMPARE(theme.GetBool(item), BuiltInBool(style, item)); break;
                case ThemeItemKind::Image: {
                    QImage fromFile, builtIn;
                    theme.GetBitmap(item, &fromFile);
                    BuiltInBitmap(style, item, &builtIn);
                    QCOMPARE(fromFile, builtIn);
                    theme.GetBitmap(item, &fromFile, 1, 2);
                    QCOMPARE(fromFile.width(), builtIn.width() / 2);
                    break;
                }
                }
            }
        }
    }

    void magicIsExactIncludingLetterCase()
    {
        QTemporaryDir dir;
        Write(dir.filePath("good.skn"), SkinFile({}));
        Write(dir.filePath("bad.skn"), SkinFile({}, "TESSALY_TB"));
        Write(dir.filePath("short.skn"), "Tessaly_TB");
        QVERIFY(TsuiFileTheme::IsSkinFile(dir.filePath("good.skn")));
        QVERIFY(!TsuiFileTheme::IsSkinFile(dir.filePath("bad.skn")));
        QVERIFY(!TsuiFileTheme::IsSkinFile(dir.filePath("short.skn")));
        QVERIFY(!TsuiFileTheme::IsSkinFile(dir.filePath("missing.skn")));
        TsuiFileTheme theme;
        try {
            theme.SetThemeFile(dir.filePath("bad.skn"));
            QFAIL("a wrong magic was accepted");
        } catch (const ESkinFileError& e) {
            QCOMPARE(QString(e.what()), QString("Invalid skin file for Tessaly!"));
        }
        QCOMPARE(theme.ThemeFile(), QString());
        QVERIFY(!theme.CanUse());
    }

    void aLoneClosingRecordGivesNoItems()
    {
        QTemporaryDir dir;
        Write(dir.filePath("empty.skn"), SkinFile({}));
        TsuiFileTheme theme;
        theme.SetThemeFile(dir.filePath("empty.skn"));
        QVERIFY(theme.CanUse());
        QCOMPARE(theme.GetBool(ThemeItems::ButtonTransparentBool), false);
        QCOMPARE(theme.GetInt(ThemeItems::FormMinWidthInt), -1);
        QCOMPARE(theme.GetColor(ThemeItems::FormBackgroundColor), TColor(-1));
        QImage kept(2, 2, QImage::Format_RGB32);
        kept.fill(Qt::red);
        QImage picture = kept;
        theme.GetBitmap(ThemeItems::ButtonImage, &picture);
        QCOMPARE(picture, kept);
        TsuiFileTheme unloaded;
        QCOMPARE(unloaded.GetInt(ThemeItems::FormMinWidthInt), 0);
    }

    void firstOfTwoNamesDifferingInCaseWins()
    {
        const QByteArray bytes = SkinFile({{"MENUFONTCOLOR", 1, Int32(0x112233)}, {"menufontcolor", 1, Int32(0x445566)},
                                           {"ButtonImage", 0, Bitmap(Qt::green)}, {"BUTTONIMAGE", 0, Bitmap(Qt::blue)},
                                           {"ButtonTransparentBool", 2, QByteArray(1, '\1')},
                                           {"FormMinWidthInt", 1, Int32(-7)}, {"Notes", 3, "free text"}});
        const TsuiThemeFileReader reader = TsuiThemeFileReader::FromBytes(bytes);
        QCOMPARE(reader.GetInt("MenuFontColor"), 0x112233);
        QCOMPARE(reader.GetInt("formminwidthint"), -7);
        QVERIFY(reader.GetBool("buttontransparentbool"));
        QCOMPARE(QImage::fromData(*reader.FindImage("buttonimage"), "BMP").pixelColor(0, 0), QColor(Qt::green));
        QCOMPARE(reader.TextCount(), 1);
        QCOMPARE(reader.FindImage("TitleBarLeftImage"), nullptr);
    }

    // An entry that holds no value of its kind reads as missing and the rest of the file serves: a
    // picture that is no bitmap (the item keeps its picture), an integer of fewer than four bytes
    // (-1, not the bytes it has read as a smaller number).
    void entriesWithoutAValueReadAsMissing()
    {
        const QByteArray bytes = SkinFile({{"ButtonImage", 0, "GIF89a......"}, {"FormMinWidthInt", 1, QByteArray(2, '\1')},
                                           {"MenuFontColor", 1, QByteArray()}, {"TitleBarLeftImage", 0, Bitmap(Qt::green)},
                                           {"FormBackgroundColor", 1, Int32(0x445566)}});
        const TsuiThemeFileReader reader = TsuiThemeFileReader::FromBytes(bytes);
        QCOMPARE(reader.FindImage("ButtonImage"), nullptr);
        QCOMPARE(reader.GetInt("FormMinWidthInt"), -1);
        QCOMPARE(reader.GetInt("MenuFontColor"), -1);
        QVERIFY(reader.FindImage("TitleBarLeftImage"));
        QCOMPARE(reader.GetInt("FormBackgroundColor"), 0x445566);
        QTemporaryDir dir;
        Write(dir.filePath("skora.skn"), bytes);
        TsuiFileTheme theme;
        theme.SetThemeFile(dir.filePath("skora.skn"));
        QVERIFY(theme.CanUse());
        QImage kept(2, 2, QImage::Format_RGB32);
        kept.fill(Qt::red);
        QImage picture = kept;
        theme.GetBitmap(ThemeItems::ButtonImage, &picture);
        QCOMPARE(picture, kept);
        QCOMPARE(theme.GetInt(ThemeItems::FormMinWidthInt), -1);
    }

    void damagedFilesAreRejectedWithAClearError_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QByteArray good = SkinFile({{"FormMinWidthInt", 1, Int32(5)}});
        QByteArray outside = good;
        outside.replace(20, 4, Int32(1 << 20));
        QByteArray loop = good;
        loop.replace(24 + 73, 4, Int32(24));  // the first record's next entry is itself
        QByteArray bigHeader = good;
        bigHeader.replace(12, 4, Int32(25));
        QByteArray dataOutside = good;
        dataOutside.replace(24 + 69, 4, Int32(1000));
        QByteArray negative = good;
        negative.replace(24 + 65, 4, Int32(-8));
        QTest::newRow("too short for a header") << QByteArray("Tessaly_TB") << "Damaged skin file: the header is incomplete.";
        QTest::newRow("first entry outside") << outside << "Damaged skin file: an entry lies outside the file.";
        QTest::newRow("chain loops back") << loop << "Damaged skin file: the entries loop back to an earlier one.";
        QTest::newRow("header size above 24") << bigHeader << "Damaged skin file: the header size is not 24.";
        QTest::newRow("data outside") << dataOutside << "Damaged skin file: an entry's data lie outside the file.";
        QTest::newRow("negative data offset") << negative << "Damaged skin file: an entry's data lie outside the file.";
        QTest::newRow("integer of 8 bytes") << SkinFile({{"FormMinWidthInt", 1, QByteArray(8, '\1')}})
                                            << "Damaged skin file: an integer entry is longer than 4 bytes.";
        QTest::newRow("flag of 2 bytes") << SkinFile({{"ButtonTransparentBool", 2, QByteArray(2, '\1')}})
                                         << "Damaged skin file: a flag entry is longer than 1 byte.";
        QTest::newRow("chain ends without a closing record") << good.left(good.size() - 77)
                                                             << "Damaged skin file: an entry lies outside the file.";
    }

    void damagedFilesAreRejectedWithAClearError()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QCOMPARE(ErrorOf(bytes), message);
    }

    void aDamagedFileKeepsThePreviousLook()
    {
        QTemporaryDir dir;
        Write(dir.filePath("good.skn"), SkinFile({{"FormMinWidthInt", 1, Int32(42)}}));
        Write(dir.filePath("broken.skn"), SkinFile({{"FormMinWidthInt", 1, QByteArray(9, '\0')}}));
        TsuiFileTheme theme;
        theme.SetThemeFile(dir.filePath("good.skn"));
        QVERIFY_THROWS_EXCEPTION(ESkinFileError, theme.SetThemeFile(dir.filePath("broken.skn")));
        QCOMPARE(theme.ThemeFile(), dir.filePath("good.skn"));
        QCOMPARE(theme.GetInt(ThemeItems::FormMinWidthInt), 42);
    }

    void fileSearchAndRepeatedSettings()
    {
        TsuiFileTheme theme;
        theme.SetThemeFile("/no/such/folder/nothing.skn");
        QCOMPARE(theme.ThemeFile(), QString());
        QVERIFY(!theme.CanUse());

        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        const QString beside = QCoreApplication::applicationDirPath() + "/tst_skinfile_beside.skn";
        Write(beside, SkinFile({{"FormMinWidthInt", 1, Int32(7)}}));
        theme.SetThemeFile("tst_skinfile_beside.skn");
        QCOMPARE(theme.ThemeFile(), beside);
        QCOMPARE(theme.GetInt(ThemeItems::FormMinWidthInt), 7);

        Write(beside, SkinFile({{"FormMinWidthInt", 1, Int32(8)}}));
        theme.SetThemeFile(beside);
        QCOMPARE(theme.GetInt(ThemeItems::FormMinWidthInt), 7);
        QFile::remove(beside);
    }

    void controlsOfTheWindowReadTheNewFile()
    {
        QTemporaryDir dir;
        Write(dir.filePath("a.skn"), SkinFile({{"ControlBorderColor", 1, Int32(0x0000FF)}}));
        Write(dir.filePath("b.skn"), SkinFile({{"ControlBorderColor", 1, Int32(0x00FF00)}}));
        QWidget window;
        auto* theme = new TsuiFileTheme(&window);
        TsuiPanel panel(&window);
        panel.SetUIStyle(TsuiUIStyle::FromThemeFile);
        panel.SetFileTheme(theme);
        theme->SetThemeFile(dir.filePath("a.skn"));
        QCOMPARE(panel.BorderColor(), TColor(0x0000FF));
        theme->SetThemeFile(dir.filePath("b.skn"));
        QCOMPARE(panel.BorderColor(), TColor(0x00FF00));
    }

    void colourFamilyOfASkinFile_data()
    {
        QTest::addColumn<std::int32_t>("code");
        QTest::addColumn<SkinColorFamily>("family");
        QTest::addColumn<TColor>("title");
        QTest::addColumn<TColor>("panelCaption");
        QTest::addColumn<TColor>("menuBar");
        QTest::addColumn<TColor>("menuBarText");
        // the skin is WinXP's: form colour 0xDEEBEF, menu text black
        QTest::newRow("none") << 0x000000 << SkinColorFamily::None << clWhite << clWhite << TColor(0xDEEBEF) << clBlack;
        QTest::newRow("not a family") << 0x060000 << SkinColorFamily::None << clWhite << clWhite << TColor(0xDEEBEF) << clBlack;
        QTest::newRow("0x10000") << 0x10000 << SkinColorFamily::MacOS << clBlack << clWhite << TColor(0xDEEBEF) << clBlack;
        QTest::newRow("0x20000") << 0x20000 << SkinColorFamily::WinXP << clWhite << clBlack << TColor(0xAC5B3B) << clBlack;
        QTest::newRow("0x30000") << 0x30000 << SkinColorFamily::DeepBlue << clBlack << clBlack << TColor(0x996733) << clWhite;
        QTest::newRow("0x40000") << 0x40000 << SkinColorFamily::Protein << clBlack << clBlack << TColor(0xDEEBEF) << clBlack;
        QTest::newRow("0x50000") << 0x50000 << SkinColorFamily::BlueGlass << clBlack << clBlack << TColor(0xDEEBEF) << clBlack;
    }

    void colourFamilyOfASkinFile()
    {
        QFETCH(std::int32_t, code);
        QTemporaryDir dir;
        Write(dir.filePath("family.skn"), SkinFileFromStyle(TsuiUIStyle::WinXP, {{ThemeItems::ControlFontColor, code}}));
        QWidget window;
        auto* theme = new TsuiFileTheme(&window);
        theme->SetThemeFile(dir.filePath("family.skn"));
        const SkinLook look(theme, TsuiUIStyle::FromThemeFile);
        QTEST(look.Family(), "family");
        QTEST(look.TitleFontColor(), "title");
        QTEST(look.PanelCaptionColor(), "panelCaption");
        QTEST(look.MenuBarColor(0xDEEBEF), "menuBar");
        QTEST(look.MenuBarFontColor(), "menuBarText");

        // the controls take the same colours: the form's menu bar once the bar exists
        auto* form = new TsuiForm(&window);
        (new TsuiMainMenu(&window))->AttachToWindow();
        form->SetFileTheme(theme);
        form->SetUIStyle(TsuiUIStyle::FromThemeFile);
        QTEST(form->TitleBar()->FontColor(), "title");
        QTEST(form->MenuBarColor(), "menuBar");
        TsuiPanel panel(form);
        panel.SetFileTheme(theme);
        panel.SetUIStyle(TsuiUIStyle::FromThemeFile);
        QTEST(panel.CaptionFontColor(), "panelCaption");
    }

    void builtInStylesHaveNoFamily()
    {
        for (const TsuiUIStyle style : BuiltInStyles) {
            const SkinLook look(nullptr, style);
            QCOMPARE(look.Family(), SkinColorFamily::None);
            QCOMPARE(look.TitleFontColor(), style == TsuiUIStyle::MacOS ? clBlack : clWhite);
            QCOMPARE(look.PanelCaptionColor(), style == TsuiUIStyle::MacOS ? clBlack : BuiltInColor(style, ThemeItems::MenuSelectedFontColor));
            QCOMPARE(look.MenuBarColor(0x123456), TColor(0x123456));
        }
    }
};

QTEST_MAIN(TestSkinFile)
#include "tst_skinfile.moc"
