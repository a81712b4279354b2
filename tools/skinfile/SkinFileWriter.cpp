// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinFileWriter.h"

#include "BuiltInBitmaps.h"
#include "ThemeCatalog.h"

#include <QBuffer>

#include <cstring>

namespace {

void PutInt32(QByteArray& bytes, std::int32_t value)
{
    char raw[4];
    std::memcpy(raw, &value, 4);
    bytes.append(raw, 4);
}

// One 77-byte entry record followed by its data; the next record follows the data.
void AppendEntry(QByteArray& file, const QByteArray& name, int type, const QByteArray& data, bool last)
{
    const qsizetype start = file.size();
    QByteArray record(64, '\0');
    std::memcpy(record.data(), name.constData(), std::size_t(std::min<qsizetype>(name.size(), 64)));
    file += record;
    file += char(type);
    PutInt32(file, std::int32_t(start + 77));
    PutInt32(file, std::int32_t(data.size()));
    PutInt32(file, last ? 0 : std::int32_t(start + 77 + data.size()));
    file += data;
}

QByteArray BitmapFile(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP");
    return bytes;
}

} // namespace

QByteArray SkinFileFromStyle(TsuiUIStyle style, const std::map<int, std::int32_t>& overrides)
{
    QByteArray file("Tessaly_TB", 10);
    file += QByteArray(2, '\0');
    PutInt32(file, 24);
    PutInt32(file, 0);
    PutInt32(file, 24);
    for (int item = 1; item <= ThemeItems::Count; ++item) {
        const ThemeItemInfo* info = ThemeItem(item);
        QByteArray data;
        int type = 1;
        switch (info->Kind) {
        case ThemeItemKind::Image: {
            QImage image;
            BuiltInBitmap(style, item, &image);
            type = 0;
            data = BitmapFile(image);
            break;
        }
        case ThemeItemKind::Bool:
            type = 2;
            data = QByteArray(1, BuiltInBool(style, item) ? '\1' : '\0');
            break;
        case ThemeItemKind::Int:
            PutInt32(data, BuiltInInt(style, item));
            break;
        case ThemeItemKind::Color:
            PutInt32(data, std::int32_t(BuiltInColor(style, item)));
            break;
        }
        if (const auto given = overrides.find(item); given != overrides.end() && type == 1) {
            data.clear();
            PutInt32(data, given->second);
        }
        AppendEntry(file, info->Key, type, data, false);
    }
    AppendEntry(file, QByteArray(), 0, QByteArray(), true);
    return file;
}
