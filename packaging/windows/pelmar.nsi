; The Windows installer: the program folder into Program Files, a Start-menu entry and an
; uninstaller. makensis -DVERSION=... -DFOLDER=... -DOUTFILE=... -DICON=... pelmar.nsi
; Silent with /S. The inspectors' own files (%APPDATA%\Pelmar, %LOCALAPPDATA%\Pelmar) are never
; touched: uninstalling leaves them in place.
; A 64-bit installer for the 64-bit program: Windows of 32 bits refuses to start it at all.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

Name "Pelmar"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\Pelmar"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "Pelmar"
VIAddVersionKey /LANG=1041 "FileDescription" "Pelmar セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Pelmar"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pelmar"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

LoadLanguageFile "${NSISDIR}\Contrib\Language files\Japanese.nlf"

Section "Pelmar"
    SetOutPath "$INSTDIR"
    File /r "${FOLDER}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetShellVarContext all
    CreateShortcut "$SMPROGRAMS\Pelmar.lnk" "$INSTDIR\pelmar.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Pelmar"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pelmar.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Pelmar.lnk"
    ; Only what the installer put there: the folder's own list, written at build time.
    !include "${FILELIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
