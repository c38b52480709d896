; The installer: Program Files\Zelmora with bin\, help\ and the read-me, one Start-menu
; shortcut, and the uninstall entry Windows lists among installed programs. Nothing else.
;   makensis -DDIST=<dist folder> -DREADME=<read-me in cp1251> -DICON=<icon 11> -DOUTFILE=<setup.exe> zelmora.nsi

; An ANSI installer, so that it runs on Windows 98 and ME as the program does.
Unicode false
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelmora"
!define SHORTCUT "$SMPROGRAMS\$(ProgramName).lnk"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Zelmora"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails nevershow
ShowUninstDetails nevershow

; The program's own icon, also on the uninstaller.
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; Cancel asks before it leaves an installation half made.
!define MUI_ABORTWARNING
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowCaption
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowCaption
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowCaption
!insertmacro MUI_PAGE_FINISH
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ShowCaption
!insertmacro MUI_UNPAGE_CONFIRM
!define MUI_PAGE_CUSTOMFUNCTION_SHOW un.ShowCaption
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Russian"
; A finished installation or uninstallation stays on its last page, whose caption MUI also
; leaves ending with a blank: it takes the language's own words for "completed" instead.
SubCaption 4 ""
UninstallSubCaption 2 ""

; Every page adds its name to the caption, and the pages here have a blank one: without this
; the caption would end with a space.
Function ShowCaption
  SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:$(^SetupCaption)"
FunctionEnd

Function un.ShowCaption
  SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:$(^UninstallCaption)"
FunctionEnd

; Texts of an ANSI installer reach Windows in the language's code page (1251) only
; through language strings.
LangString ProgramName ${LANG_RUSSIAN} "Зельмора"
LangString ProgramRunning ${LANG_RUSSIAN} "Программа «Зельмора» запущена.$\r$\nЗакройте её и нажмите «Повтор»."
LangString Maker ${LANG_RUSSIAN} "Мастерская Зельмора"
Name "$(ProgramName) ${VERSION}"

VIProductVersion "${VERSION_RECORD}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "Зельмора"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "Установка программы Зельмора ${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "© Мастерская Зельмора, 2026"

; A running copy keeps its exe open: files could not be replaced or removed.
!macro WaitUntilClosed
  retry:
    FindWindow $0 "Zelmora"
    StrCmp $0 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
    SetErrorLevel 2
    Abort
  closed:
!macroend

Function .onInit
  SetShellVarContext all
  !insertmacro WaitUntilClosed
FunctionEnd

Function un.onInit
  SetShellVarContext all
  !insertmacro WaitUntilClosed
FunctionEnd

Section
  SetOutPath "$INSTDIR\bin"
  File "${DIST}\bin\zelmora.exe"
  SetOutPath "$INSTDIR\help"
  File "${DIST}\help\zelmora.chm"
  SetOutPath "$INSTDIR"
  File "/oname=readme.txt" "${README}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcut's working folder is the program's own.
  SetOutPath "$INSTDIR\bin"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\bin\zelmora.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(ProgramName) ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "$(Maker)"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\zelmora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; Removes exactly what the installer made; a folder that holds anything else is kept.
Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\bin\zelmora.exe"
  Delete "$INSTDIR\help\zelmora.chm"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR\bin"
  RMDir "$INSTDIR\help"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
