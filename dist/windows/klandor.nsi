; The game's installer for Windows, made by dist/windows/CMakeLists.txt:
;   makensis -DVERSION=1.0.0 -DTARGET=x86-unicode -DFILES=<folder> -DICON=<file.ico>
;            -DSIDE=<164x314.bmp> -DOUTFILE=<setup.exe> [-DPROGRAMFILES64] klandor.nsi
; FILES holds klandor.exe, README.txt and LICENSE.txt.
;
; It installs for the player alone by default, in their own programs folder
; (no administrator rights asked), or for everyone using the computer in
; Program Files when they choose it: then, unless it already runs with
; administrator rights, it starts itself again asking for them. A Start-menu
; entry and an entry in the list of installed programs come with either. The
; uninstaller removes the program and both entries, and never the best
; times, which the game keeps in %APPDATA%\Klandor\minebs.txt.
;
; Silent use: setup.exe /S [/AllUsers] [/D=folder], uninstall.exe /S.

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!define NAME "Klandor"
!define PUBLISHER "The Klandor developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Klandor"

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 the Klandor developers, MIT License"

; The player's own rights; everyone's install asks for more when chosen.
!define MULTIUSER_EXECUTIONLEVEL Standard
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!ifdef PROGRAMFILES64
  !define MULTIUSER_USE_PROGRAMFILES64
!endif
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include nsDialogs.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SIDE}"
!define MUI_ABORTWARNING

Var Parameters
Var ModePage
Var ForEveryone
Var ForMe

; --- The installer's pages ---------------------------------------------

!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipOnceElevated
!define MUI_WELCOMEPAGE_TEXT "This will install ${NAME} ${VERSION}, a mines puzzle, on your computer.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipOnceElevated
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
Page custom ModePageShow ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\klandor.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Play ${NAME} now"
!insertmacro MUI_PAGE_FINISH

; --- The uninstaller's pages -------------------------------------------

!define MUI_UNCONFIRMPAGE_TEXT_TOP "${NAME} will be removed from the folder below, with its Start-menu entry.$\r$\n$\r$\nYour best times are kept: they stay in %APPDATA%\Klandor\minebs.txt for the next time you install ${NAME}."
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; --- Who the game is installed for -------------------------------------

Function .onInit
  ${GetParameters} $Parameters
  !insertmacro MULTIUSER_INIT
FunctionEnd

; After starting itself again with administrator rights, the installer goes
; straight on to the folder.
Function SkipOnceElevated
  ${GetOptions} $Parameters "/AllUsers" $0
  ${IfNot} ${Errors}
  ${AndIf} $MultiUser.InstallMode == "AllUsers"
    Abort
  ${EndIf}
FunctionEnd

Function ModePageShow
  Call SkipOnceElevated
  !insertmacro MUI_HEADER_TEXT "Choose Users" "Choose for whom to install ${NAME}."
  nsDialogs::Create 1018
  Pop $ModePage
  ${NSD_CreateLabel} 0 0 100% 24u "Install ${NAME} for you alone, or for everyone who uses this computer. Installing for everyone needs administrator rights."
  Pop $0
  ReadEnvStr $1 USERNAME
  ${NSD_CreateRadioButton} 10u 34u -10u 12u "Just for &me ($1)"
  Pop $ForMe
  ${NSD_CreateRadioButton} 10u 52u -10u 12u "For &everyone using this computer"
  Pop $ForEveryone
  ${If} $MultiUser.InstallMode == "AllUsers"
    ${NSD_Check} $ForEveryone
  ${Else}
    ${NSD_Check} $ForMe
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ModePageLeave
  ${NSD_GetState} $ForEveryone $0
  ${If} $0 <> ${BST_CHECKED}
    Call MultiUser.InstallMode.CurrentUser
    Return
  ${EndIf}
  ${If} $MultiUser.Privileges == "Admin"
  ${OrIf} $MultiUser.Privileges == "Power"
    Call MultiUser.InstallMode.AllUsers
    Return
  ${EndIf}
  ; Once more with administrator rights; this one ends here.
  ClearErrors
  ExecShell "runas" "$EXEPATH" "/AllUsers"
  ${If} ${Errors}
    MessageBox MB_OK|MB_ICONEXCLAMATION "${NAME} can be installed for everyone only with administrator rights."
    Abort
  ${EndIf}
  Quit
FunctionEnd

; --- Installing ----------------------------------------------------------

Section "Klandor"
  SetOutPath "$INSTDIR"
  File "${FILES}\klandor.exe"
  File "${FILES}\README.txt"
  File "${FILES}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; SetShellVarContext (MultiUser.nsh) puts both entries with the player's
  ; or everyone's.
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\klandor.exe" "" "$INSTDIR\klandor.exe" 0

  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $0 "/AllUsers"
  ${Else}
    StrCpy $0 "/CurrentUser"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\klandor.exe$\",0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\" $0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" $0 /S"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

; --- Uninstalling --------------------------------------------------------

Function un.onInit
  ${GetParameters} $Parameters
  ; Everyone's install is removed with administrator rights: ask for them.
  ${GetOptions} $Parameters "/AllUsers" $0
  ${IfNot} ${Errors}
    UserInfo::GetAccountType
    Pop $0
    ${If} $0 != "Admin"
    ${AndIf} $0 != "Power"
      ; This is the uninstaller's copy in the temporary folder: the
      ; program's folder goes along.
      ExecShell "runas" "$EXEPATH" "$Parameters _?=$INSTDIR"
      Quit
    ${EndIf}
  ${EndIf}
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

; Only the game's own files: the folder goes only when nothing else is in
; it, and the best times, elsewhere, stay.
Section "Uninstall"
  Delete "$INSTDIR\klandor.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NAME}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
