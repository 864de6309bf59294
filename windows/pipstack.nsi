; SPDX-FileCopyrightText: 2026 The Pipstack developers
; SPDX-License-Identifier: MIT
;
; The installer, for every user of the machine. Made by scripts/windows.sh:
;   makensis -DBUILD=<build folder> -DSTAGE=<stage folder> -DOUTFILE=<setup.exe> pipstack.nsi
; The version comes from the build folder's version.nsh, which CMake makes.
; An installed game cannot write into Program Files, so it keeps its high
; scores in each player's %APPDATA%\Pipstack, which uninstalling leaves alone.

; 64-bit, like the game: it runs under a 64-bit Wine alone, too.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "${BUILD}/version.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pipstack"

Name "Pipstack"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Pipstack"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ManifestDPIAware true

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "Pipstack"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Pipstack ${VERSION} Setup"
VIAddVersionKey "LegalCopyright" "2026 The Pipstack developers"

!define MUI_ICON "${STAGE}/Pipstack/pipstack.ico"
!define MUI_UNICON "${STAGE}/Pipstack/pipstack.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\pipstack.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Pipstack"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/Pipstack/*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Pipstack.lnk" "$INSTDIR\pipstack.exe"

    ; Apps & Features
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pipstack"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Pipstack developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pipstack.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Uninstall"
    ; Exactly the files the installer put there; the players' high scores
    ; live elsewhere and stay.
    !include "${STAGE}/uninstall-files.nsh"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Pipstack.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
