// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileAccess.h"

#include "InOutError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void ThrowErrno()
{
    throw EInOutError::FromErrno(errno);
}

int OpenOrThrow(const QByteArray& path, int flags, mode_t mode = 0)
{
    int fd;
    do {
        fd = ::open(path.constData(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        ThrowErrno();
    return fd;
}

void WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno();
        }
        data += n;
        size -= std::size_t(n);
    }
}

// Where the data really go: the target of a symbolic link, else the path itself.
QByteArray ResolvedTarget(const QByteArray& path)
{
    char resolved[PATH_MAX];
    struct stat st;
    if (::lstat(path.constData(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.constData(), resolved))
        return QByteArray(resolved);
    return path;
}

// The folder of a path, with its trailing slash, and the temporary files' name before the six
// characters that make each one unique.
QByteArray FolderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash >= 0 ? path.left(slash + 1) : QByteArray("./");
}

QByteArray TemporaryPrefix(const QByteArray& path)
{
    return '.' + path.mid(path.lastIndexOf('/') + 1) + '.';
}

constexpr int UniqueLength = 6;
constexpr std::time_t StaleAfterSeconds = 60;

bool IsUniquePart(const QByteArray& part)
{
    if (part.size() != UniqueLength)
        return false;
    for (const char c : part)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

class TemporaryFile {
public:
    explicit TemporaryFile(const QByteArray& target)
    {
        folder_ = FolderOf(target);
        name_ = folder_ + TemporaryPrefix(target) + QByteArray(UniqueLength, 'X');
        fd_ = ::mkostemp(name_.data(), O_CLOEXEC);
        if (fd_ < 0)
            ThrowErrno();
    }
    ~TemporaryFile()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(name_.constData());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int Fd() const { return fd_; }

    void CommitAs(const QByteArray& target)
    {
        if (::fsync(fd_) != 0)
            ThrowErrno();
        const int fd = fd_;
        fd_ = -1;
        if (::close(fd) != 0)
            ThrowErrno();
        if (::rename(name_.constData(), target.constData()) != 0)
            ThrowErrno();
        committed_ = true;
        // Make the rename itself durable; a folder that cannot be synced still holds a whole file.
        const int dir = ::open(folder_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }

private:
    QByteArray folder_;
    QByteArray name_;
    int fd_ = -1;
    bool committed_ = false;
};

} // namespace

ReadOnlyFile::ReadOnlyFile(const QString& path)
    : path_(path), fd_(OpenOrThrow(QFile::encodeName(path), O_RDONLY | O_NONBLOCK))
{
    // opened without waiting, as a named pipe would wait for a writer; anything but a file of data
    // (a folder, a pipe, a device) is no file of ours
    struct stat st {};
    const bool stated = ::fstat(fd_, &st) == 0;
    if (!stated || !S_ISREG(st.st_mode)) {
        const int error = stated ? EISDIR : errno;
        ::close(fd_);
        throw EInOutError::FromErrno(error);
    }
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

ReadOnlyFile::~ReadOnlyFile()
{
    ::close(fd_);
}

std::size_t ReadOnlyFile::Read(char* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd_, buffer + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno();
        }
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

QByteArray ReadOnlyFile::ReadAll(qsizetype limit)
{
    QByteArray all;
    char chunk[65536];
    for (;;) {
        const std::size_t n = Read(chunk, sizeof chunk);
        all.append(chunk, qsizetype(n));
        if (all.size() > limit)
            throw EFOpenError(path_, QStringLiteral("File too large"), EInOutError::FileTooLarge);
        if (n < sizeof chunk)
            return all;
    }
}

QString PathAsShown(const QString& path)
{
    QString shown;
    shown.reserve(path.size());
    for (const QChar c : path)
        if (!(c == QLatin1Char('/') && shown.endsWith(QLatin1Char('/'))))
            shown += c;
    return shown;
}

EFOpenError::EFOpenError(const QString& path, const QString& reason, int code)
    : std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2").arg(PathAsShown(path), reason).toStdString()), code_(code)
{
}

QByteArray ReadFileToShow(const QString& path, qsizetype limit)
{
    const auto refuseWith = [&](const QString& reason, int code) -> QByteArray { throw EFOpenError(path, reason, code); };
    const auto refuse = [&](int error) {
        return refuseWith(QString::fromLocal8Bit(std::strerror(error)), EInOutError::FromErrno(error).ErrorCode());
    };
    const QByteArray name = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);  // a named pipe would wait
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return refuse(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int error = errno;
        ::close(fd);
        return refuse(error);
    }
    if (!S_ISREG(st.st_mode) || st.st_size > limit) {
        ::close(fd);
        if (S_ISDIR(st.st_mode))
            return refuse(EISDIR);
        if (!S_ISREG(st.st_mode))
            return refuseWith(QStringLiteral("Not a regular file"), EInOutError::InvalidFilename);
        return refuse(EFBIG);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    QByteArray data(qsizetype(st.st_size) + 1, Qt::Uninitialized);
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::read(fd, data.data() + done, std::size_t(data.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return refuse(error);
        }
        if (n == 0)
            break;
        done += n;
        if (done > limit) {
            ::close(fd);
            return refuse(EFBIG);
        }
        if (done == data.size())
            data.resize(std::min<qsizetype>(data.size() * 2, limit + 1));
    }
    ::close(fd);
    data.resize(done);
    return data;
}

std::optional<QByteArray> TryReadFile(const QString& path, qsizetype limit)
{
    try {
        ReadOnlyFile file(path);
        QByteArray data(limit, Qt::Uninitialized);
        data.resize(qsizetype(file.Read(data.data(), std::size_t(limit))));
        return data;
    } catch (const EInOutError&) {
        return std::nullopt;
    }
}

QString SettingsFilePath(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') + name;
}

std::optional<QByteArray> ReadSettingsFile(const QString& path, qsizetype limit)
{
    std::optional<QByteArray> bytes = TryReadFile(path, limit + 1);
    if (bytes && bytes->size() > limit)
        return std::nullopt;
    return bytes;
}

void WriteSettingsFile(const QString& path, const QByteArray& data)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw EInOutError(EInOutError::AccessDenied);
    ReplaceFileAtomically(path, data);
}

std::vector<std::pair<QString, QString>> SettingsEntries(const QByteArray& text)
{
    std::vector<std::pair<QString, QString>> entries;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals >= 0)
            entries.emplace_back(line.left(equals).trimmed(), line.mid(equals + 1));
    }
    return entries;
}

void RemoveStaleTemporaryFiles(const QString& path)
{
    const QByteArray target = ResolvedTarget(QFile::encodeName(path));
    const QByteArray folder = FolderOf(target), prefix = TemporaryPrefix(target);
    DIR* listing = ::opendir(folder.constData());
    if (!listing)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix) || !IsUniquePart(name.mid(prefix.size())))
            continue;
        const QByteArray candidate = folder + name;
        struct stat st;
        if (::lstat(candidate.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()
            && now - st.st_mtime > StaleAfterSeconds)
            ::unlink(candidate.constData());
    }
    ::closedir(listing);
}

void ReplaceFileAtomically(const QString& path, const QByteArray& data)
{
    const QByteArray target = ResolvedTarget(QFile::encodeName(path));
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    // the rename would replace what the user could not write: a write-protected file (for the
    // superuser, who may write anything, one without any write bit), or a pipe or device
    if (exists && !S_ISREG(old.st_mode))
        throw EInOutError(EInOutError::InvalidFilename);
    if (exists && (::geteuid() == 0 ? (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 : ::access(target.constData(), W_OK) != 0))
        throw EInOutError(EInOutError::AccessDenied);
    TemporaryFile temporary(target);
    if (exists)
        ::fchmod(temporary.Fd(), old.st_mode & 07777);
    else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(temporary.Fd(), 0666 & ~mask);
    }
    WriteAll(temporary.Fd(), data.constData(), std::size_t(data.size()));
    temporary.CommitAs(target);
}
