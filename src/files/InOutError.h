// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <exception>
#include <stdexcept>
#include <string>

// A failed file step. The code is the classic run-time error number the message is known by:
// 2 "File not found", 3 "Invalid filename", 4 "Too many open files", 5 "File access denied",
// 100 "Read beyond end of file", 101 "Disk full", 106 "Invalid numeric input"; any other code
// reads "I/O error <code>".
class EInOutError : public std::runtime_error {
public:
    explicit EInOutError(int code);

    // The error of a failed system call, from its errno value.
    static EInOutError FromErrno(int errnoValue);

    int ErrorCode() const { return code_; }

    static constexpr int FileNotFound = 2;
    static constexpr int InvalidFilename = 3;
    static constexpr int TooManyOpenFiles = 4;
    static constexpr int AccessDenied = 5;
    static constexpr int ReadBeyondEnd = 100;
    static constexpr int DiskFull = 101;
    static constexpr int InvalidNumericInput = 106;
    // our own, beyond the classic ones: a file larger than its reader takes
    static constexpr int FileTooLarge = 1001;

    EInOutError(int code, const std::string& message);

private:

    int code_;
};

// The reason of a failed file step for the program's own messages, which are Polish: "nie ma
// takiego pliku", "to nie jest zwykły plik", "brak uprawnień", "brak miejsca na dysku"…; a failure
// that is no file step gives its own text.
QString ReasonInPolish(int code);
QString ReasonInPolish(const std::exception& error);
