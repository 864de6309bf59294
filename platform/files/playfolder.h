// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace platform {

// The game keeps "High Scores.dat" and looks for die pictures in its working
// directory. On Windows nobody chooses that directory for it, so the program
// picks one as it starts:
// - beside the program when a file named portable.txt is there, as the
//   portable zip has it: the folder moves with the game, as it always did;
// - otherwise in the player's own folder, `roamingFolder`/Pipstack (the
//   roaming application data, %APPDATA%), since an installed game cannot
//   write beside itself in Program Files.
// A marker rather than a test of whether the program's folder is writable:
// Windows lets administrators, and Wine everyone, write into Program Files,
// and the scores would then move with the account the game ran under.
QString PlayFolder(const QString &programFolder, const QString &roamingFolder);

// Makes PlayFolder() the working directory, creating it if need be. Returns
// false, leaving the working directory as it was, when that is not possible.
bool EnterPlayFolder(const QString &programFolder, const QString &roamingFolder);

} // namespace platform
