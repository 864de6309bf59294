// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
// For the two small launchers beside the game, pipstack.com and
// Uninstall.exe, which hand their own arguments on as they were typed.
#pragma once

#include <windows.h>

// What follows the program's name on a command line (GetCommandLineW),
// blanks before it skipped: the name is quoted or ends at the first blank.
inline const wchar_t *SkipProgramName(const wchar_t *line)
{
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"')
            ++line;
        if (*line == L'"')
            ++line;
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}
