// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace platform {

// Why a call to the system failed, as the system that failed it said. POSIX
// calls give errno values and the Win32 API its own error codes, and one
// number means different things in each (13 is EACCES, but ERROR_INVALID_DATA
// to Windows), so an error always carries its kind.
struct SystemError
{
    enum Kind { None, Posix, Windows };

    Kind kind = None;
    int code = 0;

    // None for 0: no call failed, or none said why.
    static constexpr SystemError posix(int code) { return code == 0 ? SystemError{} : SystemError{Posix, code}; }
    static constexpr SystemError windows(unsigned long code)
    {
        return code == 0 ? SystemError{} : SystemError{Windows, static_cast<int>(code)};
    }
    // errno as it stands now.
    static SystemError lastPosix();
#ifdef Q_OS_WIN
    // GetLastError() as it stands now.
    static SystemError lastWindows();
#endif

    constexpr bool known() const { return kind != None; }
    bool operator==(const SystemError &) const = default;
};

// The Windows error codes the game puts in words of its own. Numbers rather
// than <windows.h>'s names, so that those words can be checked on any system.
namespace winerror {
inline constexpr int AccessDenied = 5;       // ERROR_ACCESS_DENIED
inline constexpr int WriteProtect = 19;      // ERROR_WRITE_PROTECT
inline constexpr int SharingViolation = 32;  // ERROR_SHARING_VIOLATION
inline constexpr int LockViolation = 33;     // ERROR_LOCK_VIOLATION
inline constexpr int HandleDiskFull = 39;    // ERROR_HANDLE_DISK_FULL
inline constexpr int DiskFull = 112;         // ERROR_DISK_FULL
inline constexpr int UserMappedFile = 1224;  // ERROR_USER_MAPPED_FILE
inline constexpr int FileReadOnly = 6009;    // ERROR_FILE_READ_ONLY
} // namespace winerror

} // namespace platform
