// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace app {

// Sets the program's name and version; needs no application object, so the
// command line can be answered before there is a window or a display.
void NameApplication();

// Makes the folder the game plays in its working directory, where it keeps
// "High Scores.dat" and looks for die pictures; for Windows, where nobody
// else chooses it. That is the program's own folder when portable.txt lies
// there, as in the portable zip, else `roamingFolder`/Pipstack (see
// platform::PlayFolder). Returns false, changing nothing, where that fails.
bool EnterPlayFolder(const QString &programFolder, const QString &roamingFolder);

// Names the program, picks its look and teaches assistive technology its
// controls. Call once, right after the QApplication exists.
void SetUpApplication();

} // namespace app
