; PondelHarbor installer (NSIS 3, MUI2). Built by installer/make-installer.sh,
; which defines:
;   PH_VERSION   version text (x.y.z), from the top-level CMakeLists.txt
;   PH_OUTFILE   the installer to write
;   PH_SCR64     the x86_64 PondelHarbor.scr
;   PH_SCR32     the i686 PondelHarbor.scr; without it the installer is an
;                amd64 program for 64-bit Windows only
;   PH_DATA      the shared PondelData.ini
;   PH_EARLIER   the shared data files earlier versions installed, as
;                " size:crc32 " words (installer/earlier-shared.txt)
;   PH_ART       the art generator's folder: the program's icon, the side
;                picture of the welcome and finish pages, the header picture
;   PH_SIGN      optional: a program that signs the file it is given in
;                place; the uninstaller is signed with it as it is built
;
; Installs the build matching the system into the system directory (where the
; display settings list screen savers), writes the install key that the saver
; reads (HKCR\Software\PondelHarbor: Directory, FullScreenFlg, BackColorsFlg)
; in the registry view of that build, a data folder every user can write, and
; an uninstaller with its Apps & features entry.
;
; Command line: /S silent; /CURRENT (silent install) makes PondelHarbor the
; current screen saver, which the interactive install offers as a box, checked
; unless an installed version is being replaced while another saver is chosen.
;
; Installing over an installed version keeps its data folder and everything in
; it, except a shared data file that is byte for byte one an earlier version
; installed: the current one replaces it. An older version does not replace a
; newer one: the installer says so and ends with ERROR_PRODUCT_VERSION (1638).

Unicode true
!ifdef PH_SCR32
  Target x86-unicode
!else
  Target amd64-unicode
!endif
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include x64.nsh
!include WordFunc.nsh

!define PRODUCT "PondelHarbor"
!define PUBLISHER "PondelHarbor Project"
!define SCR "PondelHarbor.scr"
!define INSTKEY "Software\PondelHarbor"
!define USERKEY "Control Panel\Screen Saver.PondelHarbor"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\PondelHarbor"
!define DESKTOPKEY "Control Panel\Desktop"
; Install flags: the Full screen height is offered; the default colour band.
!define FULLSCREENFLG 1
!define BACKCOLORSFLG 0
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3
; Users (S-1-5-32-545) may create and change the files of the data folder.
!define USERS_MODIFY "*S-1-5-32-545:(OI)(CI)M"
!define ERROR_PRODUCT_VERSION 1638

Name "${PRODUCT}"
Caption "${PRODUCT} ${PH_VERSION} Setup"
UninstallCaption "${PRODUCT} ${PH_VERSION} Uninstall"
OutFile "${PH_OUTFILE}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show
BrandingText "${PRODUCT} ${PH_VERSION}"

VIProductVersion "${PH_VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${PH_VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${PH_VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} screen saver setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "© ${PUBLISHER}"

!ifdef PH_SIGN
  !uninstfinalize '"${PH_SIGN}" "%1"'
!endif

!define MUI_ICON "${PH_ART}/PondelHarbor.ico"
!define MUI_UNICON "${PH_ART}/PondelHarbor.ico"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${PH_ART}/SetupHeader.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${PH_ART}/SetupSide.bmp"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_NOAUTOCLOSE
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var DataDir

; The registry view and file system of the build being installed.
!macro NativeView
  ${If} ${RunningX64}
    SetRegView 64
    ${DisableX64FSRedirection}
  ${EndIf}
!macroend

; $DataDir: the folder the install key names, without its trailing
; backslash, when it exists; otherwise the default.
!macro ReadDataDir
  ReadRegStr $DataDir HKCR "${INSTKEY}" "Directory"
  StrCpy $0 $DataDir 1 -1
  ${If} $0 == "\"
    StrCpy $DataDir $DataDir -1
  ${EndIf}
  ${If} $DataDir == ""
  ${OrIfNot} ${FileExists} "$DataDir\*.*"
    StrCpy $DataDir "$APPDATA\${PRODUCT}"
  ${EndIf}
!macroend

; $0: 1 when the file $0 names is byte for byte one of the PH_EARLIER files:
; its size and CRC-32 (that of zip and gzip, in lowercase hex) are listed.
; Uses $1 to $6.
Function IsEarlierShared
  ClearErrors
  FileOpen $1 $0 r
  StrCpy $0 0
  ${If} ${Errors}
    Return
  ${EndIf}
  FileSeek $1 0 END $2
  ; Only a file of a listed size is read.
  ${WordFindS} "${PH_EARLIER}" " $2:" "E*" $3
  ${IfNot} ${Errors}
    FileSeek $1 0 SET
    IntOp $3 0 ~
    ${Do}
      ClearErrors
      FileReadByte $1 $4
      ${IfThen} ${Errors} ${|} ${ExitDo} ${|}
      IntOp $3 $3 ^ $4
      ${For} $5 1 8
        IntOp $6 $3 & 1
        IntOp $3 $3 >>> 1
        ${If} $6 <> 0
          IntOp $3 $3 ^ 0xEDB88320
        ${EndIf}
      ${Next}
    ${Loop}
    IntOp $3 $3 ~
    IntFmt $3 "%08x" $3
    ${WordFindS} "${PH_EARLIER}" " $2:$3 " "E*" $4
    ${IfNot} ${Errors}
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
  FileClose $1
FunctionEnd

; $0: 1 when the current user's screen saver is this one (in the native view).
!macro IsCurrentSaver
  ReadRegStr $1 HKCU "${DESKTOPKEY}" "SCRNSAVE.EXE"
  StrCpy $0 0
  ${If} $1 == "$SYSDIR\${SCR}"
    StrCpy $0 1
  ${ElseIf} $1 != ""
    ; The display settings may keep the short form of the path.
    GetFullPathName /SHORT $1 $1
    GetFullPathName /SHORT $2 "$SYSDIR\${SCR}"
    ${If} $1 != ""
    ${AndIf} $1 == $2
      StrCpy $0 1
    ${EndIf}
  ${EndIf}
!macroend

Section "PondelHarbor screen saver" SecMain
  SectionIn RO
  !insertmacro NativeView
  SetOutPath "$SYSDIR"
  ${If} ${RunningX64}
    File "/oname=${SCR}" "${PH_SCR64}"
  ${Else}
    !ifdef PH_SCR32
      File "/oname=${SCR}" "${PH_SCR32}"
    !endif
  ${EndIf}

  ; Per-user data files and the error log live here, so every user must be
  ; able to write it (a folder under Program Files is not). An installed
  ; version's folder stays where its install key says.
  !insertmacro ReadDataDir
  CreateDirectory "$DataDir"
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "$DataDir" /grant ${USERS_MODIFY}'
  Pop $0
  SetOutPath "$DataDir"
  ; The shared data file an earlier version installed is replaced; one that
  ; anybody changed is kept. (SetOverwrite takes effect where File is built,
  ; not where it runs.)
  StrCpy $0 "$DataDir\PondelData.ini"
  Call IsEarlierShared
  ${If} $0 == 1
    Delete "$DataDir\PondelData.ini"
  ${EndIf}
  SetOverwrite off
  File "/oname=PondelData.ini" "${PH_DATA}"
  SetOverwrite on

  WriteRegStr HKCR "${INSTKEY}" "Directory" "$DataDir\"
  WriteRegDWORD HKCR "${INSTKEY}" "FullScreenFlg" ${FULLSCREENFLG}
  WriteRegDWORD HKCR "${INSTKEY}" "BackColorsFlg" ${BACKCOLORSFLG}

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "${PRODUCT} screen saver"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "${PH_VERSION}"
  WriteRegStr HKLM "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$SYSDIR\${SCR},0"
  WriteRegStr HKLM "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
  ${GetSize} "$SYSDIR" "/M=${SCR} /S=0K /G=0" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTKEY}" "EstimatedSize" $0
SectionEnd

Section "Make PondelHarbor the current screen saver" SecCurrent
  !insertmacro NativeView
  WriteRegStr HKCU "${DESKTOPKEY}" "SCRNSAVE.EXE" "$SYSDIR\${SCR}"
  System::Call 'user32::SystemParametersInfo(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})'
SectionEnd

Function .onInit
  ${IfNot} ${RunningX64}
    !ifndef PH_SCR32
      MessageBox MB_ICONSTOP "This installer is for 64-bit Windows." /SD IDOK
      Abort
    !endif
  ${EndIf}
  SetShellVarContext all
  ${If} ${RunningX64}
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
  ${Else}
    StrCpy $INSTDIR "$PROGRAMFILES\${PRODUCT}"
  ${EndIf}
  !insertmacro NativeView
  ReadRegStr $R0 HKLM "${UNINSTKEY}" "DisplayVersion"
  ${If} $R0 != ""
    ${VersionCompare} $R0 "${PH_VERSION}" $R1
    ${If} $R1 == 1
      MessageBox MB_ICONSTOP "${PRODUCT} $R0 is installed, which is newer than this version (${PH_VERSION}). To install ${PH_VERSION}, uninstall ${PRODUCT} first." /SD IDOK
      SetErrorLevel ${ERROR_PRODUCT_VERSION}
      Abort
    ${EndIf}
  ${EndIf}
  ${If} ${Silent}
    ; Silent installs change the user's screen saver only when asked to.
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/CURRENT" $1
    ${If} ${Errors}
      SectionSetFlags ${SecCurrent} 0
    ${EndIf}
  ${ElseIf} $R0 != ""
    ; Replacing an installed version offers to keep the user's choice of saver.
    !insertmacro IsCurrentSaver
    ${If} $0 == 0
      SectionSetFlags ${SecCurrent} 0
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "un.PondelHarbor screen saver" UnSecMain
  SectionIn RO
  !insertmacro NativeView
  !insertmacro ReadDataDir

  ; No longer the current screen saver.
  !insertmacro IsCurrentSaver
  ${If} $0 == 1
    DeleteRegValue HKCU "${DESKTOPKEY}" "SCRNSAVE.EXE"
  ${EndIf}

  Delete /REBOOTOK "$SYSDIR\${SCR}"
  ; The shared data file and a leftover work file are ours; every user's own
  ; data file (<user>PondelData.ini) and the error log stay.
  Delete "$DataDir\PondelData.ini"
  Delete "$DataDir\DataWork.ini"
  RMDir "$DataDir"

  DeleteRegKey HKCR "${INSTKEY}"
  DeleteRegKey HKLM "${UNINSTKEY}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd

Section /o "un.Remove every user's saved aquarium settings" UnSecData
  RMDir /r "$DataDir"
  DeleteRegKey HKCU "${USERKEY}"
SectionEnd
