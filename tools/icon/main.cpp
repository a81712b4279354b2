// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the program's icon from its SVG into PNGs of the sizes desktops ask for, and a resource
// list of them for the windows' icon.
// Usage: render_icon <svg file> <output folder>
// Writes <size>x<size>/<name>.png for 16, 32, 48, 64, 128 and 256 pixels, and icon.qrc listing
// those up to 64 pixels, the sizes of window lists and title bars, which the program builds in.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int LargestBuiltIn = 64;

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: render_icon <svg file> <output folder>\n");
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "render_icon: %s is not a valid SVG picture\n", qPrintable(args[1]));
        return 1;
    }
    const QString name = QFileInfo(args[1]).completeBaseName();
    QString qrc = QStringLiteral("<RCC><qresource prefix=\"/icon\">\n");
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1/%2x%2").arg(args[2]).arg(size);
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter canvas(&icon);
        canvas.setRenderHint(QPainter::Antialiasing);
        svg.render(&canvas);
        canvas.end();
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
        if (size <= LargestBuiltIn)
            qrc += QStringLiteral("<file alias=\"%1.png\">%1x%1/%2.png</file>\n").arg(size).arg(name);
    }
    QFile list(args[2] + QStringLiteral("/icon.qrc"));
    if (!list.open(QIODevice::WriteOnly) || list.write((qrc + QStringLiteral("</qresource></RCC>\n")).toUtf8()) < 0) {
        std::fprintf(stderr, "render_icon: cannot write the resource list\n");
        return 1;
    }
    return 0;
}
