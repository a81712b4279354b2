// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>

// Hand-made picture files for the readers' tests: bitmaps of every depth the format knows, written
// byte by byte, and JPEG pictures of the usual kinds, written with libjpeg.

// The colour of a sample pixel, one of 16, so that palettes of 16 colours and more show it exactly.
inline QRgb SampleColour(int x, int y)
{
    static const QRgb colours[16] = {0xFF000000, 0xFFFFFFFF, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00,
                                     0xFF00FFFF, 0xFFFF00FF, 0xFF808080, 0xFF800000, 0xFF008000, 0xFF000080,
                                     0xFF808000, 0xFF008080, 0xFF800080, 0xFFC0C0C0};
    return colours[(x + 2 * y) % 16];
}

inline void PutLe(QByteArray& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
}

enum class BmpCompression { None = 0, Rle8 = 1, Rle4 = 2 };

// A bitmap of width × height sample pixels: 1 bit (black and white only), 4 or 8 bits with a
// palette, 24 or 32 bits; stored bottom-up, or top-down with a negative height.
inline QByteArray SampleBitmap(int bits, int width, int height, bool topDown = false,
                               BmpCompression compression = BmpCompression::None)
{
    const int colours = bits == 1 ? 2 : bits <= 8 ? (1 << bits) : 0;
    const auto index = [&](int x, int y) { return bits == 1 ? (x + y) % 2 : (x + 2 * y) % 16; };
    QByteArray pixels;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        if (compression == BmpCompression::Rle8 || compression == BmpCompression::Rle4) {
            for (int x = 0; x < width; ++x) {
                pixels += char(1);
                pixels += char(compression == BmpCompression::Rle8 ? index(x, y) : index(x, y) << 4);
            }
            pixels += char(0);
            pixels += char(0);
            continue;
        }
        QByteArray line;
        if (bits <= 8) {
            std::uint32_t accumulator = 0;
            int filled = 0;
            for (int x = 0; x < width; ++x) {
                accumulator = (accumulator << bits) | std::uint32_t(index(x, y));
                filled += bits;
                if (filled == 8) {
                    line += char(accumulator);
                    accumulator = 0;
                    filled = 0;
                }
            }
            if (filled > 0)
                line += char(accumulator << (8 - filled));
        } else {
            for (int x = 0; x < width; ++x) {
                const QRgb c = SampleColour(x, y);
                line += char(qBlue(c));
                line += char(qGreen(c));
                line += char(qRed(c));
                if (bits == 32)
                    line += char(0);
            }
        }
        while (line.size() % 4)
            line += char(0);
        pixels += line;
    }
    if (compression != BmpCompression::None) {
        pixels += char(0);
        pixels += char(1);
    }
    QByteArray palette;
    for (int i = 0; i < colours; ++i) {
        const QRgb c = bits == 1 ? (i ? 0xFFFFFFFF : 0xFF000000) : SampleColour(i, 0);
        palette += char(qBlue(c));
        palette += char(qGreen(c));
        palette += char(qRed(c));
        palette += char(0);
    }
    const std::uint32_t offset = 14 + 40 + std::uint32_t(palette.size());
    QByteArray file("BM");
    PutLe(file, offset + std::uint32_t(pixels.size()), 4);
    PutLe(file, 0, 4);
    PutLe(file, offset, 4);
    PutLe(file, 40, 4);
    PutLe(file, std::uint32_t(width), 4);
    PutLe(file, std::uint32_t(topDown ? -height : height), 4);
    PutLe(file, 1, 2);
    PutLe(file, std::uint32_t(bits), 2);
    PutLe(file, std::uint32_t(compression), 4);
    PutLe(file, std::uint32_t(pixels.size()), 4);
    PutLe(file, 2835, 4);
    PutLe(file, 2835, 4);
    PutLe(file, std::uint32_t(colours), 4);
    PutLe(file, 0, 4);
    return file + palette + pixels;
}

enum class JpegKind { Baseline420, Baseline444, Progressive, Grey, AdobeCmyk };

// A JPEG picture of a smooth pattern (no hard edges, so the decoded colours stay near the
// original ones). AdobeCmyk holds the same colours as a print shop's file holds them: inks, stored
// inverted, as YCCK with Adobe's marker.
inline QByteArray SampleJpeg(JpegKind kind, int width = 48, int height = 32)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + 4 * x, 60 + 5 * y, 200 - 2 * x));
    if (kind == JpegKind::Grey)
        image = image.convertToFormat(QImage::Format_Grayscale8);
    if (kind == JpegKind::AdobeCmyk) {
        // no black ink, each colour's inverted ink its own value
        QImage inks(width, height, QImage::Format_RGBA8888);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const QRgb rgb = image.pixel(x, y);
                inks.setPixel(x, y, qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), 255));
            }
        image = inks;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = kind == JpegKind::Grey ? 1 : kind == JpegKind::AdobeCmyk ? 4 : 3;
    info.in_color_space = kind == JpegKind::Grey ? JCS_GRAYSCALE : kind == JpegKind::AdobeCmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&info);
    if (kind == JpegKind::AdobeCmyk)
        jpeg_set_colorspace(&info, JCS_YCCK);  // writes Adobe's marker
    jpeg_set_quality(&info, 95, TRUE);
    if (kind == JpegKind::Baseline444)
        for (int c = 0; c < 3; ++c)
            info.comp_info[c].h_samp_factor = info.comp_info[c].v_samp_factor = 1;
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    const QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}
