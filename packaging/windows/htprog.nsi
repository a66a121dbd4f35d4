; The Windows installer of htprog: per-machine into Program Files, Start menu
; entries, .dat files opened by htprog with its document icon, an uninstaller
; listed in Apps & Features. "setup.exe /S" installs silently, "uninstall.exe /S"
; removes silently.
; makensis -DVERSION=1.0.0 -DSTAGE=<installed folder> -DOUTFILE=<setup.exe> htprog.nsi
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include "MUI2.nsh"
!include "x64.nsh"

!define APPNAME "htprog"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APPNAME}"
!define PROGID "htprog.image"

Name "${APPNAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APPNAME}"
InstallDirRegKey HKLM "Software\${APPNAME}" "InstallDir"
BrandingText "${APPNAME} ${VERSION}"

!define MUI_ICON "${STAGE}\htprog.ico"
!define MUI_UNICON "${STAGE}\htprog.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\htprog.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APPNAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APPNAME} installer"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

Function .onInit
    SetRegView 64
    ${IfNot} ${RunningX64}
        MessageBox MB_ICONSTOP "${APPNAME} needs 64-bit Windows." /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "htprog" SecMain
    SectionIn RO
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    WriteRegStr HKLM "Software\${APPNAME}" "InstallDir" "$INSTDIR"

    CreateDirectory "$SMPROGRAMS\${APPNAME}"
    CreateShortcut "$SMPROGRAMS\${APPNAME}\${APPNAME}.lnk" "$INSTDIR\htprog.exe" "" "$INSTDIR\htprog.ico"
    CreateShortcut "$SMPROGRAMS\${APPNAME}\Uninstall ${APPNAME}.lnk" "$INSTDIR\uninstall.exe"

    ; .dat files open with htprog and show its document icon.
    WriteRegStr HKLM "Software\Classes\.dat\OpenWithProgids" "${PROGID}" ""
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    ${If} $0 == ""
        WriteRegStr HKLM "Software\Classes\.dat" "" "${PROGID}"
    ${EndIf}
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "htprog radio image"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\document.ico"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\htprog.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\Applications\htprog.exe\shell\open\command" "" '"$INSTDIR\htprog.exe" "%1"'

    ; Apps & Features.
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "${APPNAME}"
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTKEY}" "Publisher" "The htprog developers"
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\htprog.ico"
    WriteRegStr HKLM "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    ; Only what the installer put there; the user's settings and backups stay.
    Delete "$INSTDIR\uninstall.exe"
    RMDir /r "$INSTDIR\help"
    RMDir /r "$INSTDIR\plugins"
    RMDir /r "$INSTDIR\translations"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\*.qm"
    Delete "$INSTDIR\*.ico"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\Program.ini"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${APPNAME}\*.lnk"
    RMDir "$SMPROGRAMS\${APPNAME}"

    DeleteRegValue HKLM "Software\Classes\.dat\OpenWithProgids" "${PROGID}"
    ReadRegStr $0 HKLM "Software\Classes\.dat" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue HKLM "Software\Classes\.dat" ""
    ${EndIf}
    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegKey HKLM "Software\Classes\Applications\htprog.exe"
    DeleteRegKey HKLM "${UNINSTKEY}"
    DeleteRegKey HKLM "Software\${APPNAME}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
