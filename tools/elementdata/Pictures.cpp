// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include "ElementSources.h"

#include <QFontDatabase>
#include <QHash>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

QFont PictureFont(int pixelSize, bool bold)
{
    static const bool registered = [] {
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
                throw SourceError(std::string("the face ") + file + " is missing (Debian package fonts-wine)");
        return true;
    }();
    Q_UNUSED(registered);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void DrawPictureTitle(QPainter& canvas, const QString& title)
{
    QFont font = PictureFont(18);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    canvas.setFont(font);
    canvas.setPen(PictureInk);
    for (int dx : {0, 1})
        canvas.drawText(QRect(16 + dx, 8, PictureWidth - 32, 24), Qt::AlignLeft | Qt::AlignVCenter, title);
}

QString PolishNumber(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}

namespace {

void PutLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char(value >> (8 * i) & 0xFF);
}

} // namespace

QByteArray Bitmap8File(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    QList<QRgb> palette;
    QHash<QRgb, int> index;
    QByteArray pixels;  // runs of equal pixels, rows bottom up
    for (int y = rgb.height() - 1; y >= 0; --y) {
        for (int x = 0; x < rgb.width();) {
            const QRgb c = rgb.pixel(x, y);
            if (!index.contains(c)) {
                if (palette.size() == 256)
                    throw SourceError("a picture for an 8-bit bitmap has more than 256 colours");
                index.insert(c, int(palette.size()));
                palette.append(c);
            }
            int run = 1;
            while (x + run < rgb.width() && run < 255 && rgb.pixel(x + run, y) == c)
                ++run;
            pixels += char(run);
            pixels += char(index.value(c));
            x += run;
        }
        pixels += QByteArray("\0\0", 2);  // end of the row
    }
    pixels += QByteArray("\0\1", 2);  // end of the picture

    const quint32 headers = 14 + 40 + 4 * quint32(palette.size());
    QByteArray bytes = "BM";
    PutLe(bytes, headers + quint32(pixels.size()), 4);
    PutLe(bytes, 0, 4);
    PutLe(bytes, headers, 4);
    PutLe(bytes, 40, 4);
    PutLe(bytes, quint32(rgb.width()), 4);
    PutLe(bytes, quint32(rgb.height()), 4);
    PutLe(bytes, 1, 2);                      // planes
    PutLe(bytes, 8, 2);                      // bits per pixel
    PutLe(bytes, 1, 4);                      // compressed by runs of 8-bit indices
    PutLe(bytes, quint32(pixels.size()), 4);
    PutLe(bytes, 3780, 4);                   // 96 pixels per inch
    PutLe(bytes, 3780, 4);
    PutLe(bytes, quint32(palette.size()), 4);
    PutLe(bytes, 0, 4);
    for (const QRgb c : palette)
        PutLe(bytes, c & 0xFFFFFF, 4);       // blue, green, red, zero
    return bytes + pixels;
}

QByteArray JpegFile(const QImage& picture, int quality, const QByteArray& comment)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    jpeg_write_marker(&info, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.constData()), unsigned(comment.size()));
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}
