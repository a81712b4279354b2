// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

// Thin wrappers over the system's file calls: every step is checked and a failure is raised as
// EInOutError carrying the system's reason. Only regular files are read: a folder, a named pipe or
// a device is refused ("Invalid filename"), and opening never waits on one.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(const QString& path);
    ~ReadOnlyFile();
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    // Reads until the buffer is full or the file ends; returns the bytes read.
    std::size_t Read(char* buffer, std::size_t size);
    // The whole file; one of more than limit bytes is refused ("File too large", EFOpenError).
    QByteArray ReadAll(qsizetype limit);

private:
    QString path_;
    int fd_;
};

// A path as a message shows it: the separators the data folder's paths double (".../uklad//Zbiory")
// written once; nothing else changed, so a name leading out of its folder shows as it was given.
QString PathAsShown(const QString& path);

// A file that cannot be opened or read to be shown: "Cannot open file "<full path>". <the system's
// reason>", the path written as the file system means it (no doubled separators), and the reason's
// code as EInOutError numbers it.
class EFOpenError : public std::runtime_error {
public:
    EFOpenError(const QString& path, const QString& reason, int code);

    int Code() const { return code_; }

private:
    int code_;
};

// The whole file, to be shown; a file of more than limit bytes is refused ("File too large"), and
// anything but a regular file too ("Not a regular file"). Raises EFOpenError.
QByteArray ReadFileToShow(const QString& path, qsizetype limit);

// The whole file, or none when it cannot be read for any reason. At most limit bytes are read.
std::optional<QByteArray> TryReadFile(const QString& path, qsizetype limit);

// Replaces the file with the data so that, whatever happens meanwhile (a full disk, a killed
// process, a power cut after the call), the file holds either its old or its new content in full:
// the data go to a temporary file in the same folder, are flushed to the disk, and the temporary
// file is renamed over the old one. A symbolic link is followed, so the link itself stays. A file
// the user could not write is refused as a read-only folder is ("File access denied"), and one
// that is no regular file as an invalid name.
void ReplaceFileAtomically(const QString& path, const QByteArray& data);

// Settings: small files of the program's own in the user's configuration folder
// ("~/.config/UkladOkresowy/<name>"), never beside the program.
QString SettingsFilePath(const QString& name);
// The file's bytes; none when it is missing, cannot be read, is no regular file or holds more than
// limit bytes (nothing the program wrote).
std::optional<QByteArray> ReadSettingsFile(const QString& path, qsizetype limit = 64 * 1024);
// Written whole, as ReplaceFileAtomically writes, its folder made first; raises EInOutError.
void WriteSettingsFile(const QString& path, const QByteArray& data);
// The "key=value" lines of a settings file's text, in their order: each key trimmed, each value as
// written after the first "=" (a folder's name may begin or end with a blank). Lines without "="
// (comments, blanks, damage) are left out.
std::vector<std::pair<QString, QString>> SettingsEntries(const QByteArray& text);

// Removes what an interrupted replacement of the file left behind: regular files of this user named
// as its temporary files (".name.XXXXXX" beside the file, or beside the target of its link) that
// were last written more than a minute ago, so no replacement still running can own them. Nothing
// else is touched, and a folder that cannot be written is left as it is.
void RemoveStaleTemporaryFiles(const QString& path);
