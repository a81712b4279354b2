// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the about window's emblem, a stylised atom: a green nucleus and green electrons on black
// elliptical orbits, on light grey; writes it as a JPEG picture (270 × 267) and the Qt resource
// file that lists it.
// Usage: draw_emblem <output folder>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <jpeglib.h>

namespace {

QImage Emblem()
{
    QImage image(270, 267, QImage::Format_RGB888);
    image.fill(QColor(0xD6, 0xD6, 0xD6));
    QPainter canvas(&image);
    canvas.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(135, 133.5);
    const auto green = [](QPointF at, double radius) {
        QRadialGradient shade(at - QPointF(radius / 3, radius / 3), radius * 1.3);
        shade.setColorAt(0, QColor(0xB8, 0xF0, 0x9A));
        shade.setColorAt(0.45, QColor(0x3C, 0xB4, 0x2C));
        shade.setColorAt(1, QColor(0x14, 0x5A, 0x12));
        return shade;
    };
    // three orbits turned by a third of a half turn each, an electron on each
    for (int k = 0; k < 3; ++k) {
        canvas.save();
        canvas.translate(centre);
        canvas.rotate(60.0 * k);
        canvas.setPen(QPen(Qt::black, 3));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawEllipse(QPointF(0, 0), 118, 42);
        const double angle = 0.7 + 2.1 * k;
        const QPointF electron(118 * std::cos(angle), 42 * std::sin(angle));
        canvas.setPen(QPen(QColor(0x10, 0x40, 0x10), 1));
        canvas.setBrush(green(electron, 11));
        canvas.drawEllipse(electron, 11, 11);
        canvas.restore();
    }
    canvas.setPen(QPen(QColor(0x10, 0x40, 0x10), 1.5));
    canvas.setBrush(green(centre, 28));
    canvas.drawEllipse(centre, 28, 28);
    canvas.end();
    return image;
}

bool WriteJpeg(const QImage& image, const QString& path)
{
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    if (!file)
        return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 92, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_emblem <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    if (!WriteJpeg(Emblem(), out + QStringLiteral("/emblem.jpg"))) {
        std::fprintf(stderr, "draw_emblem: cannot write the emblem\n");
        return 1;
    }
    QFile list(out + QStringLiteral("/emblem.qrc"));
    const QByteArray qrc = "<RCC>\n  <qresource prefix=\"/about\">\n    <file>emblem.jpg</file>\n  </qresource>\n</RCC>\n";
    return list.open(QIODevice::WriteOnly | QIODevice::Truncate) && list.write(qrc) == qrc.size() ? 0 : 1;
}
