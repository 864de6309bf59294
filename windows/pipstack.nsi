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
BrandingText "Pipstack ${VERSION}"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey "ProductName" "Pipstack"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Pipstack ${VERSION} Setup"
VIAddVersionKey "LegalCopyright" "2026 The Pipstack developers"

!define MUI_ICON "${STAGE}/Pipstack/pipstack.ico"
!define MUI_UNICON "${STAGE}/Pipstack/pipstack.ico"
; The setup runs elevated, and whatever it starts would too: Explorer starts
; the game instead, as the player who is logged in.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Run Pipstack"
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsPlayer
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function RunAsPlayer
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\pipstack.exe"'
FunctionEnd

; A running game holds its program and DLLs open, so replacing or removing
; them now would leave a mix of two versions, or files behind. The game holds
; this mutex while it runs (app/main.cpp). A silent run has nobody to ask: it
; changes nothing and ends with status 2.
!define RUNNING_MUTEX "Global\PipstackRunning"
!define SYNCHRONIZE 0x00100000
!macro GAME_CLOSED UN MESSAGE
Function ${UN}GameClosed
    retry:
    System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w "${RUNNING_MUTEX}") p .r0'
    IntPtrCmp $0 0 closed
    System::Call 'kernel32::CloseHandle(p r0)'
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${MESSAGE}" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Quit
    closed:
FunctionEnd
!macroend
!insertmacro GAME_CLOSED "" "Pipstack is running. Close every Pipstack window, then choose Retry to install, or Cancel to leave Pipstack as it is."
!insertmacro GAME_CLOSED "un." "Pipstack is running. Close every Pipstack window, then choose Retry to uninstall, or Cancel to keep Pipstack."

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Pipstack"
    Call GameClosed
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/Pipstack/*"
    ; Uninstall.exe runs a copy of uninstall.dat and waits for it.
    WriteUninstaller "$INSTDIR\uninstall.dat"
    File "${STAGE}/Uninstall.exe"
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
    Call un.GameClosed
    ; Exactly the files the installer put there; the players' high scores
    ; live elsewhere and stay.
    !include "${STAGE}/uninstall-files.nsh"
    Delete "$INSTDIR\uninstall.dat"
    ; Uninstall.exe is running, waiting for this uninstaller: moved out of
    ; the folder, it goes at the next start of Windows.
    Delete "$INSTDIR\Uninstall.exe"
    IfFileExists "$INSTDIR\Uninstall.exe" 0 moved
        GetTempFileName $0
        Delete $0
        Rename "$INSTDIR\Uninstall.exe" $0
        Delete /REBOOTOK $0
    moved:
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Pipstack.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
