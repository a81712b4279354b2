// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a skin file: the reader either lists what it found or rejects the file with
// its error, never reading outside the bytes or looping.
#include "SkinFileReader.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_skinfile";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(application);
    try {
        const TsuiThemeFileReader reader =
            TsuiThemeFileReader::FromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        reader.GetInt(QStringLiteral("FormMinWidthInt"));
        reader.GetBool(QStringLiteral("ButtonTransparentBool"));
        reader.FindImage(QStringLiteral("ButtonImage"));
    } catch (const ESkinFileError&) {
    }
    return 0;
}
