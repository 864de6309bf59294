// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// What a program keeps in its working directory is its own, and on Windows
// nobody chooses that directory for it, so the program picks one as it starts:
// - beside the program when a file named `marker` is there, as a portable
//   copy has it: the folder moves with the program;
// - otherwise in the player's own folder, `roamingFolder`/`name` (the
//   roaming application data, %APPDATA%), since an installed program cannot
//   write beside itself in Program Files.
// A marker rather than a test of whether the program's folder is writable:
// Windows lets administrators, and Wine everyone, write into Program Files,
// and the files would then move with the account the program ran under.
QString PlayFolder(const QString &programFolder, const QString &roamingFolder, const QString &marker,
                   const QString &name);

// Makes PlayFolder() the working directory, creating it if need be. Returns
// false, leaving the working directory as it was, when that is not possible.
bool EnterPlayFolder(const QString &programFolder, const QString &roamingFolder, const QString &marker,
                     const QString &name);

} // namespace platform
