// SPDX-FileCopyrightText: 2026 The Pipstack developers
// SPDX-License-Identifier: MIT
// Reads pipstack.exe's resources back the way Windows does (the version API
// and the resource loader), against what project() in CMakeLists.txt says.
//   tst_windows_exe PATH-OF-pipstack.exe
#include "check.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

std::wstring program;

std::wstring Wide(const char *text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::string Narrow(const std::wstring &text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// One string of the English (United States), Unicode block Explorer shows.
std::string VersionString(const wchar_t *field)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &ignored);
    if (size == 0)
        return "(no version resource)";
    std::vector<char> block(size);
    if (!GetFileVersionInfoW(program.c_str(), 0, size, block.data()))
        return "(unreadable version resource)";
    void *value = nullptr;
    UINT length = 0;
    const std::wstring path = L"\\StringFileInfo\\040904b0\\" + std::wstring(field);
    if (!VerQueryValueW(block.data(), path.c_str(), &value, &length) || length == 0)
        return "(missing)";
    return Narrow(static_cast<const wchar_t *>(value));
}

std::string Manifest()
{
    const HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr)
        return {};
    std::string text;
    if (const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        const HGLOBAL loaded = LoadResource(module, found);
        const char *bytes = static_cast<const char *>(LockResource(loaded));
        if (bytes != nullptr)
            text.assign(bytes, SizeofResource(module, found));
    }
    FreeLibrary(module);
    return text;
}

bool Has(const std::string &text, const char *part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(version_fields_come_from_project)
{
    CHECK_EQ(VersionString(L"ProductVersion"), std::string(PIPSTACK_VERSION));
    CHECK_EQ(VersionString(L"FileVersion"), std::string(PIPSTACK_VERSION));
    CHECK_EQ(VersionString(L"ProductName"), std::string(PIPSTACK_NAME));
    CHECK_EQ(VersionString(L"FileDescription"), std::string(PIPSTACK_DESCRIPTION));
    CHECK_EQ(VersionString(L"CompanyName"), std::string(PIPSTACK_COMPANY));
    CHECK_EQ(VersionString(L"LegalCopyright"), std::string(PIPSTACK_COPYRIGHT));
    CHECK_EQ(VersionString(L"OriginalFilename"), std::string(PIPSTACK_NAME) + ".exe");
}

TEST(manifest_asks_no_elevation_and_knows_dpi_and_windows)
{
    const std::string manifest = Manifest();
    CHECK(!manifest.empty());
    CHECK(Has(manifest, "level=\"asInvoker\""));
    CHECK(Has(manifest, ">PerMonitorV2"));
    CHECK(Has(manifest, ">true/pm<"));
    CHECK(Has(manifest, "Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
    // Windows 7, 8, 8.1, and 10 with 11.
    for (const char *os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                           "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
        CHECK(Has(manifest, os));
}

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::printf("usage: tst_windows_exe PATH-OF-pipstack.exe\n");
        return 2;
    }
    program = Wide(argv[1]);
    // ctest hands over the build's own path; Wine shows the root of it as Z:.
    if (!program.empty() && program.front() == L'/') {
        program.insert(0, L"Z:");
        for (wchar_t &c : program)
            c = c == L'/' ? L'\\' : c;
    }
    return check::RunAll();
}
