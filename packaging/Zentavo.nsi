; The Zentavo setup program. scripts/package.sh builds it with:
;   VERSION   the release number (from the VERSION file)
;   STAGE     the portable folder to install (what the zip holds)
;   FILES     the generated list of that folder's files (InstallProgramFiles, RemoveProgramFiles)
;   OUTFILE   the setup program to write
; The program keeps its ledger, category lists and settings beside itself, so the folder
; it is installed into must be writable by its users, and an upgrade must never replace
; those files.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel highest

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include nsDialogs.nsh

!define PRODUCT "Zentavo"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define AUTORUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "uninstall.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PRODUCT} developers"

!define MUI_ABORTWARNING
; The program's coin, drawn by icongen into the portable folder.
!define MUI_ICON "${STAGE}\Zentavo.ico"
!define MUI_UNICON "${STAGE}\Zentavo.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Zentavo.exe"

Page custom InstallModePage InstallModePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include "lang/English.nsh"
!include "lang/SimpChinese.nsh"
!insertmacro MUI_RESERVEFILE_LANGDLL

!include "${FILES}"
!include "InstallMode.nsh"

Section "$(ProgramSection)" SecProgram
  SectionIn RO
  !insertmacro InstallProgramFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ${If} $InstallMode == "machine"
    ; One shared ledger for everyone: the users of this computer may change the folder's files.
    nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR" /grant *S-1-5-32-545:(OI)(CI)M /Q'
    Pop $0
    ${If} $0 != 0
      DetailPrint "$(GrantFailed)"
    ${EndIf}
  ${EndIf}

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\Zentavo.exe" "" "$INSTDIR\Zentavo.ico"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Zentavo.ico"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Language" "$LANGUAGE"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(DesktopShortcut)" SecDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\Zentavo.exe" "" "$INSTDIR\Zentavo.ico"
SectionEnd

Function .onInit
  !insertmacro MUI_LANGDLL_DISPLAY
  Call ChooseInstallMode
FunctionEnd

Section "Uninstall"
  ; The ledger is the user's record of their money: kept, with its dated copies in
  ; backups\, unless they say otherwise.
  ${If} ${FileExists} "$INSTDIR\money.mdb"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveLedgerQuestion)" /SD IDNO IDYES remove_ledger
    DetailPrint "$(LedgerKept)"
    Goto ledger_done
  remove_ledger:
    Delete "$INSTDIR\money.mdb"
    Delete "$INSTDIR\money.mdb-journal"
    Delete "$INSTDIR\money.mdb-wal"
    Delete "$INSTDIR\money.mdb-shm"
    ; Its dated copies go with it; anything else the user put there stays.
    Delete "$INSTDIR\backups\money-*.mdb"
    Delete "$INSTDIR\backups\money-*.mdb.summary"
    RMDir "$INSTDIR\backups"
  ledger_done:
  ${EndIf}

  !insertmacro RemoveProgramFiles
  ; Written by the program once the user chooses a skin.
  Delete "$INSTDIR\config.ini"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  ; The program's "start with Windows" setting, when it names this installation's program.
  ReadRegStr $0 HKLM "${AUTORUN_KEY}" "${PRODUCT}"
  ${If} $0 == "$INSTDIR\Zentavo.exe"
  ${OrIf} $0 == '"$INSTDIR\Zentavo.exe"'
    DeleteRegValue HKLM "${AUTORUN_KEY}" "${PRODUCT}"
  ${EndIf}
SectionEnd

Function un.onInit
  Call un.FindInstallMode
FunctionEnd
