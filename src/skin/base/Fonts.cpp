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
}

QFont SansSerifFont(bool bold)
{
    return Crisp(SansSerifFamily, bold);
}

QFont TitleFont()
{
    return Crisp(TitleFamily, true);
}
