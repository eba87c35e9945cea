; SPDX-FileCopyrightText: 2026 Gli autori di Vorlane
; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: one program for the whole machine, its menu entries and its line in the
; installed programs, all of which its uninstaller takes back. make_packages.sh gives the defines:
;   makensis -DEXE=vorlane.exe -DICON=vorlane.ico -DVERSION=1.0 -DLICENSE=LICENSE.txt
;            -DOUTFILE=Vorlane-1.0-setup.exe [-DSIGN=command] vorlane.nsi
; SIGN, where given, is run on the uninstaller with its path, before the uninstaller goes in.

!macro needs define
  !ifndef ${define}
    !error "makensis needs -D${define}=..."
  !endif
!macroend
!insertmacro needs EXE
!insertmacro needs ICON
!insertmacro needs VERSION
!insertmacro needs LICENSE
!insertmacro needs OUTFILE

; The game is a 64-bit program: so is its installer, which then sees Program Files and the
; registry as the game does, and starts where Windows runs no 32-bit program, as in a 64-bit Wine.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorlane"

Name "Vorlane"
OutFile "${OUTFILE}"
BrandingText "Vorlane ${VERSION}"
InstallDir "$PROGRAMFILES64\Vorlane"
; A new version goes where the last one is.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
!ifdef SIGN
  !uninstfinalize '"${SIGN}" "%1"' = 0
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Italian"

; Every pupil's account gets the menu entries, and the 64-bit registry is the one Windows reads
; for a 64-bit program.
Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section "Vorlane"
  SetOutPath "$INSTDIR"
  File "/oname=vorlane.exe" "${EXE}"
  File "/oname=vorlane.ico" "${ICON}"
  File "/oname=LICENSE.txt" "${LICENSE}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortcut "$SMPROGRAMS\Vorlane.lnk" "$INSTDIR\vorlane.exe" "" "$INSTDIR\vorlane.ico"
  CreateShortcut "$SMPROGRAMS\Vorlane con la voce.lnk" "$INSTDIR\vorlane.exe" "--voce" \
    "$INSTDIR\vorlane.ico"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vorlane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Gli autori di Vorlane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorlane.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Windows shows this size, in KiB, of what is on the disk now, the uninstaller included.
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; File by file, not the whole folder: a folder chosen by hand may hold what is not ours.
Section "Uninstall"
  Delete "$SMPROGRAMS\Vorlane.lnk"
  Delete "$SMPROGRAMS\Vorlane con la voce.lnk"
  Delete "$INSTDIR\vorlane.exe"
  Delete "$INSTDIR\vorlane.ico"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
