// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

// A length-prefixed string of at most N single-byte (Windows-1250) characters, stored in N + 1
// bytes. Only the first Length characters count; the bytes after them are carried as they are.
template <int N>
struct ShortString {
    std::uint8_t Length;
    char Chars[N];

    // A length byte larger than the field (a damaged file) is read as the whole field, never past it.
    QByteArray Text() const { return QByteArray(Chars, Length < N ? Length : N); }

    // Longer texts are cut to the field; the unused bytes are zeroed so a written record is tidy.
    void SetText(const QByteArray& text)
    {
        const int n = text.size() < N ? int(text.size()) : N;
        Length = std::uint8_t(n);
        std::memset(Chars, 0, N);
        std::memcpy(Chars, text.constData(), std::size_t(n));
    }
};

// One element as it lies in "dane.dat": 384 bytes, little-endian integers and IEEE doubles.
// The natural layout already matches the file, so the record is read and written as raw bytes.
struct TElementRecord {
    ShortString<3> Symbol;
    ShortString<30> PolishName;
    ShortString<30> LatinName;
    std::uint8_t Padding1[2];
    std::int32_t TableRow;
    std::int32_t TableColumn;
    std::int32_t AtomicNumber;
    std::int32_t DiscoveryYear;   // 0 antiquity, 1600 the Middle Ages, otherwise the year
    std::uint8_t Reserved1[84];
    double MeltingPoint;          // degrees Celsius; exactly 0.0 when unknown
    std::uint8_t Reserved2[48];
    double BoilingPoint;          // degrees Celsius; exactly 0.0 when unknown
    std::uint8_t Reserved3[56];
    ShortString<30> IsotopeImage;
    ShortString<30> DescriptionFile;
    ShortString<30> DrawingImage;
    std::uint8_t Padding2[3];
};

static_assert(std::endian::native == std::endian::little, "records are stored little-endian");
static_assert(sizeof(double) == 8 && sizeof(TElementRecord) == 384);
static_assert(offsetof(TElementRecord, Symbol) == 0);
static_assert(offsetof(TElementRecord, PolishName) == 4);
static_assert(offsetof(TElementRecord, LatinName) == 35);
static_assert(offsetof(TElementRecord, TableRow) == 68);
static_assert(offsetof(TElementRecord, TableColumn) == 72);
static_assert(offsetof(TElementRecord, AtomicNumber) == 76);
static_assert(offsetof(TElementRecord, DiscoveryYear) == 80);
static_assert(offsetof(TElementRecord, Reserved1) == 84);
static_assert(offsetof(TElementRecord, MeltingPoint) == 168);
static_assert(offsetof(TElementRecord, Reserved2) == 176);
static_assert(offsetof(TElementRecord, BoilingPoint) == 224);
static_assert(offsetof(TElementRecord, Reserved3) == 232);
static_assert(offsetof(TElementRecord, IsotopeImage) == 288);
static_assert(offsetof(TElementRecord, DescriptionFile) == 319);
static_assert(offsetof(TElementRecord, DrawingImage) == 350);
static_assert(offsetof(TElementRecord, Padding2) == 381);

constexpr int RecordSize = int(sizeof(TElementRecord));

// A melting or boiling point as a figure: none for the 0.0 that marks an unknown one, nor for what a
// damaged file may hold in its place that is no number or no finite one.
inline std::optional<double> KnownTemperature(double stored)
{
    if (stored == 0.0 || !std::isfinite(stored))
        return std::nullopt;
    return stored;
}
