// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <stdexcept>

// A skin file that cannot be read: damaged, truncated or not a skin file at all.
class ESkinFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether the first 16 bytes of a file begin with the skin files' magic text, "Tessaly_TB" in
// a zero-padded 12-byte field.
bool HasSkinFileMagic(const QByteArray& head);

// The parsed content of one skin file: images (the bitmap file bytes), integers, flags and texts,
// each listed under its item's key name. Look-ups ignore letter case; the first entry of a name wins.
class TsuiThemeFileReader {
public:
    // Skin files larger than this are not read.
    static constexpr qsizetype MaxSkinFileBytes = 16 * 1024 * 1024;

    // Parses the whole file. Raises ESkinFileError when the file cannot be opened (anything but a
    // regular file of at most MaxSkinFileBytes, without waiting on it) or its records lie outside
    // the file, loop back, or carry integers or flags longer than theirs. An image entry that is no
    // bitmap, or an integer of fewer than four bytes, is left out: its item reads as missing.
    explicit TsuiThemeFileReader(const QString& fileName);
    // Parses skin-file bytes already in memory, with the same checks.
    static TsuiThemeFileReader FromBytes(const QByteArray& bytes);

    // The bytes of the image entry, or none.
    const QByteArray* FindImage(const QString& name) const;
    // The integer, or -1 when missing or not a decimal number.
    int GetInt(const QString& name) const;
    // The flag, false when missing or not a decimal number.
    bool GetBool(const QString& name) const;

    int TextCount() const { return int(texts_.size()); }

private:
    TsuiThemeFileReader() = default;
    void Parse(const QByteArray& bytes);

    using Lines = QList<QPair<QString, QString>>;
    static const QString* Find(const Lines& lines, const QString& name);

    QList<QPair<QString, QByteArray>> images_;
    Lines integers_, flags_, texts_;
};
