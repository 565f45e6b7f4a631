; The LAN Messengers installer. scripts/release compiles it:
;
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder> -DOUTFILE=<setup.exe> -DSIZE_KB=<n> [-DAMD64] installer.nsi
;
; STAGE holds the programs' .exe files, README.txt, LICENSE.txt and
; programs.nsh, which scripts/release writes from packaging/programs.txt:
; a macro SUITE_PROGRAMS that inserts a given macro once per program with
; its folder name and its shortcut name. SIZE_KB is what the installed
; files take, for "Programs and Features". AMD64 makes a 64-bit installer
; (for the test of the 64-bit build where 32-bit programs cannot run).
;
; Installs per user, without administrator rights: Pingrel and PingrelGUI
; keep their data files next to the program, so the default folder is one
; the user can write to, $LOCALAPPDATA\Programs\LAN Messengers ("AppData\Local"
; on Vista and later, "Local Settings\Application Data" on XP). Shortcuts go
; to the user's own Start menu and the uninstall entry under
; HKEY_CURRENT_USER, which "Programs and Features" (Add/Remove Programs on XP)
; lists too. /S installs silently, /D=<folder> (last) chooses the folder.

!ifndef VERSION | STAGE | OUTFILE | SIZE_KB
  !error "VERSION, STAGE, OUTFILE and SIZE_KB must be defined (see scripts/release)"
!endif

!ifdef AMD64
  Target amd64-unicode
!else
  Unicode true
!endif

!include "MUI2.nsh"
!include "${STAGE}/programs.nsh"

!define SUITE "LAN Messengers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${SUITE}"
!define MENU_FOLDER "$SMPROGRAMS\${SUITE}"

Name "${SUITE} ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
BrandingText "${SUITE} ${VERSION}"
SetCompressor /SOLID lzma
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\${SUITE}"
; A second installation offers the folder of the first.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${SUITE}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${SUITE} ${VERSION} setup"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The LAN Messengers authors"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!macro InstallProgram folder name
  File "${STAGE}/${folder}.exe"
  CreateShortcut "${MENU_FOLDER}\${name}.lnk" "$INSTDIR\${folder}.exe"
!macroend

!macro UninstallProgram folder name
  Delete "$INSTDIR\${folder}.exe"
  Delete "${MENU_FOLDER}\${name}.lnk"
!macroend

Function .onInit
  SetShellVarContext current
FunctionEnd

Function un.onInit
  SetShellVarContext current
FunctionEnd

Section "Programs"
  SetOutPath "$INSTDIR"
  ; Only the programs and their documents: a user's data files in this
  ; folder (an earlier installation's address book, say) are never touched.
  File "${STAGE}/README.txt"
  File "${STAGE}/LICENSE.txt"
  CreateDirectory "${MENU_FOLDER}"
  !insertmacro SUITE_PROGRAMS InstallProgram
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${SUITE} ${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The LAN Messengers authors"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  !insertmacro SUITE_PROGRAMS UninstallProgram
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Removed only when empty: the folders may hold the user's data files
  ; (Pingrel's and PingrelGUI's lists) or shortcuts of the user's own.
  RMDir "$INSTDIR"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
