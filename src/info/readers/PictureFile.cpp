// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureFile.h"

#include "FileAccess.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

#include <csetjmp>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

bool Fits(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide
        && width * height <= MaxPicturePixels;
}

[[noreturn]] void BitmapNotValid()
{
    throw EPictureError("Bitmap image is not valid");
}

std::uint32_t Le(const QByteArray& bytes, qsizetype at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + i]);
    return value;
}

// Whether the file is a bitmap that holds all the rows its header promises (for bitmaps not
// compressed by runs, whose length the header does not fix): the platform's reader fills a short
// file with black instead. Any file may carry the name: the "BM" signature comes first, and every
// field is bounded before it takes part in any arithmetic.
bool HoldsItsRows(const QByteArray& bytes)
{
    constexpr qsizetype FileHeader = 14;
    if (bytes.size() < FileHeader + 12 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    const std::uint32_t offset = Le(bytes, 10, 4), header = Le(bytes, 14, 4);
    if (header < 12 || header > std::uint64_t(bytes.size() - FileHeader) || offset > std::uint64_t(bytes.size()))
        return false;
    std::int64_t width, height;
    std::uint32_t bits, compression = 0;
    if (header == 12) {
        width = Le(bytes, 18, 2);
        height = Le(bytes, 20, 2);
        bits = Le(bytes, 24, 2);
    } else {
        if (header < 40)
            return false;
        width = std::int32_t(Le(bytes, 18, 4));
        height = std::abs(std::int64_t(std::int32_t(Le(bytes, 22, 4))));
        bits = Le(bytes, 28, 2);
        compression = Le(bytes, 30, 4);
    }
    if (!Fits(width, height) || bits == 0 || bits > 32)
        return false;
    if (compression == 1 || compression == 2)
        return true;
    const std::int64_t stride = (width * bits + 31) / 32 * 4;  // at most 8192 × 32 bits a row
    return stride * height <= std::int64_t(bytes.size()) - std::int64_t(offset);
}

// libjpeg reports through longjmp; the first error or warning (a warning is corrupt data) ends
// the decoding with its message number and libjpeg's own words for it.
struct JpegErrors {
    jpeg_error_mgr Manager;
    std::jmp_buf Back;
    int Code = 0;
    char Text[JMSG_LENGTH_MAX] = {};
};

void OnJpegError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    errors->Code = info->err->msg_code;
    info->err->format_message(info, errors->Text);
    std::longjmp(errors->Back, 1);
}

// "JPEG error #27: Unsupported color conversion request": the number as the platform gives it, and
// why, in libjpeg's words.
[[noreturn]] void JpegError(int code, const char* text)
{
    std::string message = "JPEG error #" + std::to_string(code);
    if (text[0])
        message += std::string(": ") + text;
    throw EPictureError(message);
}

// A row of CMYK as libjpeg gives it to RGB. Adobe's files, the common ones, store the inks
// inverted (255 is no ink), which a file's Adobe marker says.
void CmykToRgb(const unsigned char* cmyk, unsigned char* rgb, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const int k = inverted ? cmyk[3] : 255 - cmyk[3];
        for (int channel = 0; channel < 3; ++channel) {
            const int c = inverted ? cmyk[channel] : 255 - cmyk[channel];
            rgb[channel] = static_cast<unsigned char>((c * k + 127) / 255);
        }
    }
}

void OnJpegMessage(j_common_ptr info, int level)
{
    if (level < 0)
        OnJpegError(info);
}

// The decoding proper, kept free of objects with destructors, which a longjmp would skip; the
// error's code comes back, its words in errors.
int DecodeJpegInto(const QByteArray& bytes, QImage* image, JpegErrors& errors)
{
    jpeg_decompress_struct info = {};
    info.err = jpeg_std_error(&errors.Manager);
    errors.Manager.error_exit = OnJpegError;
    errors.Manager.emit_message = OnJpegMessage;
    if (setjmp(errors.Back)) {
        jpeg_destroy_decompress(&info);
        return errors.Code;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = 256L * 1024 * 1024;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // the failures found here rather than by libjpeg, in words of ours
    const auto fail = [&](int code, const char* text) {
        std::snprintf(errors.Text, sizeof errors.Text, "%s", text);
        jpeg_destroy_decompress(&info);
        return code;
    };
    if (!Fits(info.image_width, info.image_height))
        return fail(JERR_IMAGE_TOO_BIG, "Picture larger than 8192 pixels on a side or 16777216 pixels in all");
    // a print shop's CMYK (or YCCK) picture is taken in its inks and turned into RGB here, which
    // libjpeg does not do itself
    const bool inks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = inks ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != (inks ? 4 : 3))
        return fail(JERR_BAD_J_COLORSPACE, "Unsupported color space");
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull())
        return fail(JERR_OUT_OF_MEMORY, "Insufficient memory");
    // the row of inks in the picture's own memory: a fourth of each row's RGB beyond it would not
    // hold it, and a buffer with a destructor would not survive the longjmp
    JSAMPARRAY inkRow = inks ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 4, 1)
                             : nullptr;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        if (inks) {
            jpeg_read_scanlines(&info, inkRow, 1);
            CmykToRgb(inkRow[0], row, info.output_width, info.saw_Adobe_marker);
        } else {
            jpeg_read_scanlines(&info, &row, 1);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return 0;
}

} // namespace

QImage DecodeBitmap(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    // the header's size, before anything is decoded; a bitmap stored top-down reads with a negative
    // height
    const QSize header = reader.size();
    const QSize size(std::abs(header.width()), std::abs(header.height()));
    if (!Fits(size.width(), size.height()) || !HoldsItsRows(bytes))
        BitmapNotValid();
    QImage image;
    if (!reader.read(&image) || image.isNull() || image.size() != size)
        BitmapNotValid();
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage DecodeJpeg(const QByteArray& bytes)
{
    QImage image;
    JpegErrors errors;
    if (const int code = DecodeJpegInto(bytes, &image, errors))
        JpegError(code, errors.Text);
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage LoadPictureFile(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    const bool bitmap = extension == QLatin1String("bmp");
    const bool jpeg = extension == QLatin1String("jpg") || extension == QLatin1String("jpeg");
    if (!bitmap && !jpeg)
        throw EPictureError("Unknown picture file extension (." + QFileInfo(path).suffix().toStdString() + ")");
    const QByteArray bytes = ReadFileToShow(path, MaxPictureFileBytes);
    return bitmap ? DecodeBitmap(bytes) : DecodeJpeg(bytes);
}
