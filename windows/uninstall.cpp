// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
// Uninstall.exe, which Apps & Features and players start. NSIS's uninstaller
// (uninstall.dat beside it) cannot remove the folder it runs from: started
// there, it hands over to a copy of itself in %TEMP% and returns at once,
// before anything is removed, and its exit status is lost. This program makes
// that copy itself, runs it on the install folder (_?=), waits, and returns
// its status. The uninstaller then moves this running program out of the
// folder, which Windows allows where it refuses to delete it.
#include "windows/commandline.h"

#include <windows.h>

int main()
{
    enum { room = 32768 };
    static wchar_t folder[room], uninstaller[room], temp[room], copy[room], command[4 * room];
    const DWORD length = GetModuleFileNameW(nullptr, folder, room);
    if (length == 0 || length >= room)
        return 1;
    *(folder + lstrlenW(folder) - lstrlenW(L"Uninstall.exe") - 1) = L'\0';
    lstrcpyW(uninstaller, folder);
    lstrcatW(uninstaller, L"\\uninstall.dat");
    if (GetTempPathW(room, temp) == 0 || GetTempFileNameW(temp, L"pip", 0, copy) == 0 ||
        !CopyFileW(uninstaller, copy, FALSE))
        return 1;

    const wchar_t *arguments = SkipProgramName(GetCommandLineW());
    if (lstrlenW(arguments) + 2 * lstrlenW(folder) + 16 >= 4 * room)
        return 1;
    // NSIS reads _?= last and unquoted, spaces and all.
    command[0] = L'"';
    lstrcatW(command, copy);
    lstrcatW(command, L"\" ");
    lstrcatW(command, arguments);
    lstrcatW(command, L" _?=");
    lstrcatW(command, folder);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION run{};
    DWORD status = 1;
    if (CreateProcessW(copy, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &run)) {
        WaitForSingleObject(run.hProcess, INFINITE);
        GetExitCodeProcess(run.hProcess, &status);
        CloseHandle(run.hThread);
        CloseHandle(run.hProcess);
    }
    DeleteFileW(copy);
    return static_cast<int>(status);
}
