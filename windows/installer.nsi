; The Windows installer of Veltora and Zenkla (made by the CMake target "installer"; the defines
; name the files to ship). Installs for every account of the computer into Program Files, with
; Start-menu shortcuts and an uninstaller.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

Name "Veltora ir Zenkla"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Veltora"
InstallDirRegKey HKLM "Software\Veltora" "InstallDir"
RequestExecutionLevel admin
Icon "${VELTORA_ICON}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1063 "ProductName" "Veltora ir Zenkla"
VIAddVersionKey /LANG=1063 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1063 "FileDescription" "Veltora ir Zenkla: diegimo programa"
VIAddVersionKey /LANG=1063 "LegalCopyright" "Veltora"

!define MUI_ICON "${VELTORA_ICON}"
!define MUI_UNICON "${VELTORA_ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Lithuanian"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Veltora"
!define MENU "$SMPROGRAMS\Veltora"

Section "Veltora ir Zenkla"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=veltora.exe" "${VELTORA}"
  File "/oname=zenkla.exe" "${ZENKLA}"
  File "${QT}/bin/Qt6Core.dll" "${QT}/bin/Qt6Gui.dll" "${QT}/bin/Qt6Widgets.dll"
  File "${LIBSTDCXX}" "${LIBGCC}" "${WINPTHREAD}"
  SetOutPath "$INSTDIR\platforms"
  File "${QT}/plugins/platforms/qwindows.dll"
  ; Veltora reads its reward pictures from "paveikslai" in its working directory.
  SetOutPath "$INSTDIR\paveikslai"
  File "${PICTURES}/*.jpg"
  SetOutPath "$INSTDIR\fonts"
  File "${FONTS}/*.otf" "${FONTS}/*.ttf"
  SetOutPath "$INSTDIR\licenses"
  File "${LICENSES}/*"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "Software\Veltora" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Veltora ir Zenkla"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Veltora"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\veltora.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; A shortcut's "Start in" is the output folder when it is made. Veltora starts in its own
  ; folder, beside "paveikslai"; Zenkla in the pupil's Documents folder, where it keeps
  ; kontr.txt (the variable is expanded when the shortcut is started, for each pupil).
  CreateDirectory "${MENU}"
  SetOutPath "$INSTDIR"
  CreateShortCut "${MENU}\Veltora.lnk" "$INSTDIR\veltora.exe" "" "$INSTDIR\veltora.exe" 0 \
    SW_SHOWNORMAL "" "Matematikos uždaviniai 7 klasei"
  StrCpy $OUTDIR "%USERPROFILE%\Documents"
  CreateShortCut "${MENU}\Zenkla.lnk" "$INSTDIR\zenkla.exe" "" "$INSTDIR\zenkla.exe" 0 \
    SW_SHOWNORMAL "" "Veiksmai su teigiamais ir neigiamais skaičiais"
  SetOutPath "$INSTDIR"
  CreateShortCut "${MENU}\Pašalinti Veltora ir Zenkla.lnk" "$INSTDIR\uninstall.exe"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "${MENU}\Veltora.lnk"
  Delete "${MENU}\Zenkla.lnk"
  Delete "${MENU}\Pašalinti Veltora ir Zenkla.lnk"
  RMDir "${MENU}"
  ; Only what the installer put there: a results file or anything else in the folder stays.
  Delete "$INSTDIR\veltora.exe"
  Delete "$INSTDIR\zenkla.exe"
  Delete "$INSTDIR\Qt6Core.dll"
  Delete "$INSTDIR\Qt6Gui.dll"
  Delete "$INSTDIR\Qt6Widgets.dll"
  Delete "$INSTDIR\libstdc++-6.dll"
  Delete "$INSTDIR\libgcc_s_seh-1.dll"
  Delete "$INSTDIR\libwinpthread-1.dll"
  Delete "$INSTDIR\platforms\qwindows.dll"
  RMDir "$INSTDIR\platforms"
  Delete "$INSTDIR\paveikslai\images*.jpg"
  RMDir "$INSTDIR\paveikslai"
  Delete "$INSTDIR\fonts\*.otf"
  Delete "$INSTDIR\fonts\*.ttf"
  RMDir "$INSTDIR\fonts"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Veltora"
SectionEnd
