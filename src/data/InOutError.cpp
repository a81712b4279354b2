// SPDX-License-Identifier: GPL-3.0-or-later
#include "InOutError.h"

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
