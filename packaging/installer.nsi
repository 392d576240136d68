; The game's installer: a per-user install without administrator rights, a
; Start-menu shortcut, an entry in the list of installed apps and an
; uninstaller that takes all of it away again. makensis is given:
;   VERSION      the game's version, x.y.z
;   PRODUCT_NAME, PUBLISHER, WEB_ADDRESS  the release's facts
;   BOARD_CLASS  the window class of the game's board, to find it running
;   PROGRAM      the built plumaro.exe
;   RUNTIME_DIR  the folder of its run-time files (help texts, SOUND)
;   WINDOW_ICON  the window icon's path in that folder
;   RUNTIME_FILES  a script with the macros InstallRuntimeFiles,
;                  RemoveRuntimeFiles and RemoveRuntimeFolders, made from
;                  packaging/runtime-files.txt
;   OUT_FILE     the installer to write
; and, to sign the uninstaller and the installer as they are written,
;   SIGN_FILE    a command that signs the file it is given, in place
; Paths may not hold a double quote, and SIGN_FILE, which the shell runs,
; neither a quote nor a $: make_packages.sh gives names relative to the
; folder makensis runs in.

Unicode true
; 64-bit stubs: the game is a 64-bit program.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The files carry no build-time dates, so the same files give the same
; installer.
SetDateSave off

!include "FileFunc.nsh"
!include "${RUNTIME_FILES}"

!ifdef SIGN_FILE
    ; The uninstaller is signed before it is packed into the installer.
    !uninstfinalize '"${SIGN_FILE}" "%1"' = 0
    !finalize '"${SIGN_FILE}" "%1"' = 0
!endif

!define APP_NAME "${PRODUCT_NAME}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_NAME}"
!define SHORTCUT "$SMPROGRAMS\${APP_NAME}.lnk"

Name "${APP_NAME}"
OutFile "${OUT_FILE}"
Icon "${RUNTIME_DIR}\${WINDOW_ICON}"
UninstallIcon "${RUNTIME_DIR}\${WINDOW_ICON}"
InstallDir "$LOCALAPPDATA\Programs\${APP_NAME}"
; An upgrade goes where the game already is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP_NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Windows lets nobody replace or delete a running program: while the game's
; board is open, neither the setup nor the uninstaller changes anything. The
; player is asked to close it; cancelled, or run silently (/S), they end with
; exit code 2. Checked on starting and again before the first change, as the
; game may have been started while a page was showing.
!macro WaitForTheGameToClose un
    Function ${un}waitForTheGameToClose
        retry:
        FindWindow $0 "${BOARD_CLASS}"
        StrCmp $0 0 closed
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${APP_NAME} is running. Close the game, then choose Retry." /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
        closed:
    FunctionEnd
!macroend
!insertmacro WaitForTheGameToClose ""
!insertmacro WaitForTheGameToClose "un."

Function .onInit
    Call waitForTheGameToClose
FunctionEnd

Function un.onInit
    Call un.waitForTheGameToClose
FunctionEnd

Section
    SetShellVarContext current
    Call waitForTheGameToClose
    SetOutPath "$INSTDIR"
    File "${PROGRAM}"
    !insertmacro InstallRuntimeFiles
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortcut "${SHORTCUT}" "$INSTDIR\plumaro.exe" "" "$INSTDIR\plumaro.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEB_ADDRESS}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\plumaro.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Removes the files by name, never the folder's whole contents: a player who
; chose a folder of their own keeps whatever else is in it. The game itself
; creates only its help texts, and only beside itself. The shortcut and the
; entry in the list of installed apps go only once the game's files are gone:
; if one cannot be removed, the player can uninstall again from the entry.
Section "Uninstall"
    SetShellVarContext current
    Call un.waitForTheGameToClose
    ClearErrors
    !insertmacro RemoveRuntimeFiles
    Delete "$INSTDIR\plumaro.exe"
    IfErrors 0 removed
        MessageBox MB_OK|MB_ICONEXCLAMATION \
            "Some files of ${APP_NAME} in $INSTDIR could not be removed. Close what uses them, then uninstall again." \
            /SD IDOK
        SetErrorLevel 2
        Quit
    removed:
    !insertmacro RemoveRuntimeFolders
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
