// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a JPEG picture: it is shown or refused with its error, within the size limit, and
// never read outside the bytes.
#include "PictureFile.h"

#include <QGuiApplication>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_jpeg";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    Q_UNUSED(application);
    try {
        const QImage image = DecodeJpeg(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (image.isNull() || image.width() > MaxPictureSide || image.height() > MaxPictureSide)
            __builtin_trap();
    } catch (const EPictureError&) {
    }
    return 0;
}
