// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinFileReader.h"

#include "BmpImage.h"

#include "FileAccess.h"

#include <QImage>
#include <QSet>

#include <cstring>

namespace {

constexpr int HeaderSize = 24;
constexpr int EntrySize = 77;

std::int32_t Int32At(const QByteArray& bytes, qsizetype offset)
{
    std::int32_t value = 0;
    std::memcpy(&value, bytes.constData() + offset, 4);
    return value;
}

[[noreturn]] void Damaged(const char* why)
{
    throw ESkinFileError(std::string("Damaged skin file: ") + why + ".");
}

bool InFile(const QByteArray& bytes, std::int64_t offset, std::int64_t size)
{
    return offset >= 0 && size >= 0 && offset + size <= bytes.size();
}

// The text of a fixed-size field, which ends at its first zero byte when it has one.
QByteArray UpToZero(const QByteArray& field)
{
    const qsizetype zero = field.indexOf('\0');
    return zero >= 0 ? field.left(zero) : field;
}

} // namespace

bool HasSkinFileMagic(const QByteArray& head)
{
    return head.size() >= 16 && UpToZero(head.left(12)) == "Tessaly_TB";
}

TsuiThemeFileReader::TsuiThemeFileReader(const QString& fileName)
{
    QByteArray bytes;
    try {
        bytes = ReadFileToShow(fileName, MaxSkinFileBytes);
    } catch (const EFOpenError& error) {
        throw ESkinFileError(error.what());
    }
    Parse(bytes);
}

TsuiThemeFileReader TsuiThemeFileReader::FromBytes(const QByteArray& bytes)
{
    TsuiThemeFileReader reader;
    reader.Parse(bytes);
    return reader;
}

void TsuiThemeFileReader::Parse(const QByteArray& bytes)
{
    if (bytes.size() < HeaderSize)
        Damaged("the header is incomplete");
    if (Int32At(bytes, 12) != HeaderSize)
        Damaged("the header size is not 24");
    std::int64_t entry = Int32At(bytes, 20);
    QSet<std::int64_t> visited;
    for (;;) {
        if (!InFile(bytes, entry, EntrySize))
            Damaged("an entry lies outside the file");
        if (visited.contains(entry))
            Damaged("the entries loop back to an earlier one");
        visited.insert(entry);
        const char* record = bytes.constData() + entry;
        const std::int32_t next = Int32At(bytes, entry + 73);
        if (next == 0)
            return;
        const QString name = QString::fromLatin1(UpToZero(QByteArray(record, 64)));
        const int type = static_cast<unsigned char>(record[64]);
        const std::int32_t dataOffset = Int32At(bytes, entry + 65);
        const std::int32_t dataSize = Int32At(bytes, entry + 69);
        if (type <= 3 && !InFile(bytes, dataOffset, dataSize))
            Damaged("an entry's data lie outside the file");
        const QByteArray data = type <= 3 ? bytes.mid(dataOffset, dataSize) : QByteArray();
        switch (type) {
        case 0:
            // a picture that is no bitmap is missing, as if the file had none: its item keeps the
            // picture it had, and the rest of the file serves
            if (data.startsWith("BM") && !ReadBmp(data).isNull())
                images_.append({name, data});
            break;
        case 1: {
            if (dataSize > 4)
                Damaged("an integer entry is longer than 4 bytes");
            // fewer than four bytes hold no whole integer: the item is missing and reads -1
            if (dataSize < 4)
                break;
            std::int32_t value = 0;
            std::memcpy(&value, data.constData(), 4);
            integers_.append({name, QString::number(value)});
            break;
        }
        case 2:
            if (dataSize > 1)
                Damaged("a flag entry is longer than 1 byte");
            flags_.append({name, QString::number(data.isEmpty() ? 0 : static_cast<unsigned char>(data[0]))});
            break;
        case 3:
            texts_.append({name, QString::fromLatin1(data)});
            break;
        default:
            break;
        }
        entry = next;
    }
}

const QString* TsuiThemeFileReader::Find(const Lines& lines, const QString& name)
{
    for (const auto& line : lines)
        if (line.first.compare(name, Qt::CaseInsensitive) == 0)
            return &line.second;
    return nullptr;
}

const QByteArray* TsuiThemeFileReader::FindImage(const QString& name) const
{
    for (const auto& image : images_)
        if (image.first.compare(name, Qt::CaseInsensitive) == 0)
            return &image.second;
    return nullptr;
}

int TsuiThemeFileReader::GetInt(const QString& name) const
{
    const QString* value = Find(integers_, name);
    bool ok = false;
    const int number = value ? value->toInt(&ok) : 0;
    return ok ? number : -1;
}

bool TsuiThemeFileReader::GetBool(const QString& name) const
{
    const QString* value = Find(flags_, name);
    bool ok = false;
    const int number = value ? value->toInt(&ok) : 0;
    return ok && number != 0;
}

