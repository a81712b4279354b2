// SPDX-License-Identifier: GPL-3.0-or-later
#include "InOutError.h"

#include "FileAccess.h"

#include <cerrno>

namespace {

std::string MessageFor(int code)
{
    switch (code) {
    case EInOutError::FileNotFound: return "File not found";
    case EInOutError::InvalidFilename: return "Invalid filename";
    case EInOutError::TooManyOpenFiles: return "Too many open files";
    case EInOutError::AccessDenied: return "File access denied";
    case EInOutError::ReadBeyondEnd: return "Read beyond end of file";
    case EInOutError::DiskFull: return "Disk full";
    case EInOutError::InvalidNumericInput: return "Invalid numeric input";
    case EInOutError::FileTooLarge: return "File too large";
    default: return "I/O error " + std::to_string(code);
    }
}

} // namespace

EInOutError::EInOutError(int code)
    : std::runtime_error(MessageFor(code)), code_(code)
{
}

EInOutError::EInOutError(int code, const std::string& message)
    : std::runtime_error(message), code_(code)
{
}

QString ReasonInPolish(int code)
{
    switch (code) {
    case EInOutError::FileNotFound: return QStringLiteral("nie ma takiego pliku ani folderu");
    case EInOutError::InvalidFilename: return QStringLiteral("to nie jest zwykły plik albo ścieżka jest błędna");
    case EInOutError::TooManyOpenFiles: return QStringLiteral("zbyt wiele otwartych plików");
    case EInOutError::AccessDenied: return QStringLiteral("brak uprawnień (plik albo folder tylko do odczytu)");
    case EInOutError::ReadBeyondEnd: return QStringLiteral("plik jest za krótki");
    case EInOutError::DiskFull: return QStringLiteral("brak miejsca na dysku");
    case EInOutError::InvalidNumericInput: return QStringLiteral("zła liczba");
    case EInOutError::FileTooLarge: return QStringLiteral("plik jest zbyt duży");
    default: return QStringLiteral("błąd wejścia-wyjścia %1").arg(code);
    }
}

QString ReasonInPolish(const std::exception& error)
{
    if (const auto* io = dynamic_cast<const EInOutError*>(&error))
        return ReasonInPolish(io->ErrorCode());
    if (const auto* open = dynamic_cast<const EFOpenError*>(&error))
        return ReasonInPolish(open->Code());
    return QString::fromLocal8Bit(error.what());
}

EInOutError EInOutError::FromErrno(int errnoValue)
{
    switch (errnoValue) {
    case ENOENT: return EInOutError(FileNotFound);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EISDIR: return EInOutError(InvalidFilename);
    case EMFILE:
    case ENFILE: return EInOutError(TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return EInOutError(AccessDenied);
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return EInOutError(DiskFull);
    default: return EInOutError(errnoValue, "I/O error " + std::to_string(errnoValue));
    }
}
