; Who the installation is for, chosen on the first page (or /AllUsers, /CurrentUser on the
; command line; /D=FOLDER still names the folder):
;   user     the user's own application folder, registered for that user; the default,
;            because the program writes its ledger beside itself and needs no rights there
;   machine  Program Files, registered for every user; needs administrator rights, and the
;            users of the computer are given the right to change the folder, since they all
;            keep their one shared ledger there
; An earlier installation decides the default mode and folder, so that an upgrade lands on it.

Var InstallMode
Var FolderGiven
Var UserFolder
Var MachineFolder
Var IsAdmin
Var ModeUserButton
Var ModeMachineButton

Function ApplyInstallMode
  ${If} $InstallMode == "machine"
    SetShellVarContext all
    StrCpy $0 $MachineFolder
    ${If} $0 == ""
      StrCpy $0 "$PROGRAMFILES64\${PRODUCT}"
    ${EndIf}
  ${Else}
    SetShellVarContext current
    StrCpy $0 $UserFolder
    ${If} $0 == ""
      StrCpy $0 "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
  ${If} $FolderGiven != "1"
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function ChooseInstallMode
  ${If} $INSTDIR != ""
    StrCpy $FolderGiven "1"
  ${EndIf}
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 == "Admin"
    StrCpy $IsAdmin "1"
  ${EndIf}
  ReadRegStr $UserFolder HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ReadRegStr $MachineFolder HKLM "${UNINSTALL_KEY}" "InstallLocation"

  StrCpy $InstallMode "user"
  ${If} $UserFolder == ""
  ${AndIf} $MachineFolder != ""
    StrCpy $InstallMode "machine"
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/AllUsers" $2
  ${IfNot} ${Errors}
    StrCpy $InstallMode "machine"
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/CurrentUser" $2
  ${IfNot} ${Errors}
    StrCpy $InstallMode "user"
  ${EndIf}

  ${If} $InstallMode == "machine"
  ${AndIf} $IsAdmin != "1"
    MessageBox MB_OK|MB_ICONSTOP "$(MachineNeedsAdmin)" /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
  Call ApplyInstallMode
FunctionEnd

Function InstallModePage
  !insertmacro MUI_HEADER_TEXT "$(ModeTitle)" "$(ModeSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "$(ModeText)"
  Pop $0
  ${NSD_CreateRadioButton} 0 30u 100% 12u "$(ModeUser)"
  Pop $ModeUserButton
  ${NSD_CreateLabel} 12u 43u -12u 24u "$(ModeUserText)"
  Pop $0
  ${NSD_CreateRadioButton} 0 72u 100% 12u "$(ModeMachine)"
  Pop $ModeMachineButton
  ${NSD_CreateLabel} 12u 85u -12u 36u "$(ModeMachineText)"
  Pop $0
  ${If} $IsAdmin != "1"
    EnableWindow $ModeMachineButton 0
    ${NSD_CreateLabel} 12u 123u -12u 12u "$(MachineNeedsAdmin)"
    Pop $0
  ${EndIf}
  ${If} $InstallMode == "machine"
    ${NSD_Check} $ModeMachineButton
  ${Else}
    ${NSD_Check} $ModeUserButton
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function InstallModePageLeave
  ${NSD_GetState} $ModeMachineButton $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $InstallMode "machine"
  ${Else}
    StrCpy $InstallMode "user"
  ${EndIf}
  ; On the pages the folder follows the chosen mode; the next page can still change it.
  StrCpy $FolderGiven ""
  Call ApplyInstallMode
FunctionEnd

; The uninstaller serves the mode whose registration names its own folder.
Function un.FindInstallMode
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "Language"
  ${If} $0 != ""
    StrCpy $LANGUAGE $0
  ${EndIf}
FunctionEnd
