// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
// pipstack.com, beside pipstack.exe. cmd and PowerShell run a .com before an
// .exe of the same name, and wait for a console program where they would not
// wait for the game: so this one starts pipstack.exe with the arguments as
// typed, waits, and hands back its exit status, and what the game prints
// lands before the next prompt. Without arguments it only starts the game.
// Plain Win32 and no C++ library: it stays a few kilobytes.
#include "windows/commandline.h"

#include <windows.h>

namespace {

// A console handle is no use to a program without a console; left out, the
// game attaches to this console itself. Files and pipes pass as they are.
HANDLE Passed(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_CHAR ? handle : nullptr;
}

// Windows' own words for why the game would not start, in the system's language.
void SayWhy(DWORD error)
{
    wchar_t *text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    DWORD written = 0;
    WriteConsoleW(err, L"pipstack.exe: ", 14, &written, nullptr);
    if (text != nullptr) {
        WriteConsoleW(err, text, lstrlenW(text), &written, nullptr);
        LocalFree(text);
    }
}

} // namespace

int main()
{
    enum { room = 32768 };
    static wchar_t program[room];
    static wchar_t command[room + 2 * room];
    const DWORD length = GetModuleFileNameW(nullptr, program, room);
    if (length < 4 || length >= room)
        return 1;
    lstrcpyW(program + length - 4, L".exe");

    const wchar_t *arguments = SkipProgramName(GetCommandLineW());
    // cmd's own way of asking for help.
    if (lstrcmpW(arguments, L"/?") == 0)
        arguments = L"--help";
    if (lstrlenW(arguments) >= room)
        return 2;
    command[0] = L'"';
    lstrcpyW(command + 1, program);
    lstrcatW(command, L"\" ");
    lstrcatW(command, arguments);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const bool answers = *arguments != L'\0';
    if (answers) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = Passed(STD_INPUT_HANDLE);
        startup.hStdOutput = Passed(STD_OUTPUT_HANDLE);
        startup.hStdError = Passed(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION game{};
    if (!CreateProcessW(program, command, nullptr, nullptr, answers, 0, nullptr, nullptr, &startup, &game)) {
        SayWhy(GetLastError());
        return 1;
    }
    DWORD status = 0;
    if (answers) {
        WaitForSingleObject(game.hProcess, INFINITE);
        GetExitCodeProcess(game.hProcess, &status);
    }
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    return static_cast<int>(status);
}
