// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include <QApplication>
#include <QFontDatabase>

#include <fontconfig/fontconfig.h>

#include <thread>
#include <utility>

namespace {

// Reading the configuration and the caches of the system's fonts is the largest single step of a
// start; nothing else needs it until the first face is registered.
std::thread configurationReader;

// Skinned text is drawn without antialiasing and with the faces' own full hinting: "MS Sans Serif"
// is drawn from its pixel strikes either way, and "Tahoma" bold then keeps the two-pixel stems of
// the classic desktop; smoothed, it shows one-pixel grey strokes that do not read as bold.
QFont Crisp(const QString& family, bool bold)
{
    QFont font(family);
    font.setPixelSize(11);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace

void BeginReadingFontConfiguration()
{
    configurationReader = std::thread([] { FcInit(); });
}

void RegisterFonts()
{
    if (configurationReader.joinable())
        configurationReader.join();
    const std::pair<const char*, QString> faces[] = {
        {"/usr/share/wine/fonts/ms_sans_serif.ttf", SansSerifFamily},
        {"/usr/share/wine/fonts/tahoma.ttf", TitleFamily},
        {"/usr/share/wine/fonts/tahomabd.ttf", TitleFamily},
    };
    for (const auto& [file, family] : faces)
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
            QFont::insertSubstitution(family, QStringLiteral("DejaVu Sans"));
    QApplication::setFont(SansSerifFont());
    // The windows and menus Qt draws for us (saving, printing, an edit's own menu, the error box)
    // are no skinned controls, and at a larger scale the pixel face, which has no larger glyphs,
    // would draw them in small letters set wide apart: they take an outline face, sharp at every
    // scale. The skinned menus, menus too, keep the pixel face: a class of its own is matched first.
    for (const char* window : {"QFileDialog", "QPrintDialog", "QPageSetupDialog", "QPrintPropertiesDialog", "QMessageBox",
                               "QInputDialog", "QMenu"})
        QApplication::setFont(OutlineFont(), window);
    for (const char* skinned : {"SkinnedMenuPopup", "TsuiPopupMenu", "TsuiTitleBarPopupMenu"})
        QApplication::setFont(SansSerifFont(), skinned);
}

QFont OutlineFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    return font;
}

QFont SansSerifFont(bool bold)
{
    return Crisp(SansSerifFamily, bold);
}

QFont TitleFont()
{
    return Crisp(TitleFamily, true);
}
