// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every built-in bitmap of the skinned toolkit and lists them in a Qt resource file.
// Usage: skin_bitmaps <output folder>

#include "Art.h"
#include "ThemeCatalog.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_bitmaps <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QByteArray qrc = "<RCC>\n  <qresource prefix=\"/skin\">\n";
    for (const BitmapResource& resource : AllBitmapResources()) {
        const QImage image = DrawResource(resource.Name, resource.Size, resource.Frames);
        if (image.size() != resource.Size) {
            std::fprintf(stderr, "skin_bitmaps: %s drawn at the wrong size\n", qPrintable(resource.Name));
            return 1;
        }
        const QString file = resource.Name + QStringLiteral(".bmp");
        if (!image.convertToFormat(QImage::Format_RGB888).save(out + QLatin1Char('/') + file, "BMP")) {
            std::fprintf(stderr, "skin_bitmaps: cannot write %s\n", qPrintable(file));
            return 1;
        }
        qrc += "    <file alias=\"" + resource.Name.toLatin1() + "\">" + file.toLatin1() + "</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    QFile list(out + QStringLiteral("/skinbitmaps.qrc"));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate) || list.write(qrc) != qrc.size())
        return 1;
    return 0;
}
