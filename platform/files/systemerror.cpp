// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#include "platform/files/systemerror.h"

#include <cerrno>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform {

SystemError SystemError::lastPosix() { return posix(errno); }

#ifdef Q_OS_WIN
SystemError SystemError::lastWindows() { return windows(GetLastError()); }

static_assert(winerror::AccessDenied == ERROR_ACCESS_DENIED);
static_assert(winerror::WriteProtect == ERROR_WRITE_PROTECT);
static_assert(winerror::SharingViolation == ERROR_SHARING_VIOLATION);
static_assert(winerror::LockViolation == ERROR_LOCK_VIOLATION);
static_assert(winerror::HandleDiskFull == ERROR_HANDLE_DISK_FULL);
static_assert(winerror::DiskFull == ERROR_DISK_FULL);
static_assert(winerror::UserMappedFile == ERROR_USER_MAPPED_FILE);
static_assert(winerror::FileReadOnly == ERROR_FILE_READ_ONLY);
#endif

} // namespace platform
