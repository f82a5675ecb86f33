; The setup program of Quillet for Windows, built by scripts/build-windows.sh:
;   makensis -DBUILD=<build folder> quillet.nsi
; BUILD holds Quillet (the program's folder as the zip has it), windows/product.nsh
; (version, company, icon and the width, 32 or 64, from CMake), windows/uninstall.nsh (the
; uninstaller's list of that folder's files) and windows/license.txt.
!include "${BUILD}\windows\product.nsh"
; The setup program of the 64-bit build is a 64-bit program itself: it runs where only
; 64-bit Windows programs do, and writes the registry's 64-bit view as the program reads it.
!if ${WIDTH} == 64
    Target amd64-unicode
    !define SUFFIX "-x64"
    !define ARCH " (x64)"
    !define VIEW 64
    !define OTHER_VIEW 32
!else
    Target x86-unicode
    !define SUFFIX ""
    !define ARCH ""
    !define VIEW 32
    !define OTHER_VIEW 64
!endif
!include MUI2.nsh

!define PRODUCT "Quillet ${VERSION}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define PROGID "Quillet.Document"
!define STARTMENU "$SMPROGRAMS\${PRODUCT}"
; The program's own folder, wherever it is installed. Earlier versions wrote the browser
; preview into its temp folder; the preview is now each user's own.
!define HOME "C:\QUILLET"
!define OLD_PREVIEW_FOLDER "${HOME}\temp"
; Administrators and the system change the program's folder, users read and run it, and
; nothing comes from the folder above: in the root of a drive every user may write, and
; could replace quillet.exe or a DLL to run as the next person who starts it.
!define FOLDER_RIGHTS "D:PAI(A;OICI;FA;;;BA)(A;OICI;FA;;;SY)(A;OICI;0x1200a9;;;BU)"

Name "${PRODUCT}"
OutFile "${BUILD}\quillet-${VERSION}${SUFFIX}-setup.exe"
; A former install's folder wins over the program's own.
InstallDir "${HOME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; For all users: the program's folder, the Start Menu of all users and HKLM need it.
RequestExecutionLevel admin
ManifestDPIAware true
ManifestSupportedOS all
SetCompressor /SOLID lzma
BrandingText "${PRODUCT}"

VIProductVersion "${VERSION_DOTS}"
VIFileVersion "${VERSION_DOTS}"
VIAddVersionKey ProductName "Quillet"
VIAddVersionKey FileDescription "${PRODUCT}${ARCH} Setup"
VIAddVersionKey FileVersion "${VERSION_DOTS}"
VIAddVersionKey ProductVersion "${VERSION_DOTS}"
VIAddVersionKey CompanyName "${COMPANY}"
VIAddVersionKey LegalCopyright "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_LICENSE "${BUILD}\windows\license.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Waits until no quillet.exe runs from the folder on top of the stack, or aborts: Windows
; refuses to open a running program's file for writing, and while it runs its files
; cannot be replaced or removed, so nothing is touched before it ends. In silent mode the
; answer is Cancel.
!macro WAIT_FOR_QUILLET un
Function ${un}WaitForQuillet
    Exch $R0
    retry:
    IfFileExists "$R0\quillet.exe" 0 done
    ClearErrors
    FileOpen $0 "$R0\quillet.exe" a
    IfErrors 0 closed
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Quillet is running. Close it and press Retry." \
        /SD IDCANCEL IDRETRY retry
    Abort
    closed:
    FileClose $0
    done:
    Pop $R0
FunctionEnd
!macroend
!insertmacro WAIT_FOR_QUILLET ""
!insertmacro WAIT_FOR_QUILLET "un."

; "Open with" for the page types Quillet edits: the ProgID is listed beside the others in
; each extension's OpenWithProgids; the extension's default program stays as it is.
!macro FOR_EACH_PAGE_TYPE macro
    !insertmacro ${macro} .htm
    !insertmacro ${macro} .html
    !insertmacro ${macro} .shtml
    !insertmacro ${macro} .tlp
    !insertmacro ${macro} .js
!macroend
!macro ADD_OPEN_WITH ext
    WriteRegNone HKLM "Software\Classes\${ext}\OpenWithProgids" "${PROGID}"
!macroend
; The keys go too when nothing is left in them: an extension no other program knows.
!macro REMOVE_OPEN_WITH ext
    DeleteRegValue HKLM "Software\Classes\${ext}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\${ext}\OpenWithProgids"
    DeleteRegKey /ifempty HKLM "Software\Classes\${ext}"
!macroend
; Explorer reads the file types again (SHCNE_ASSOCCHANGED).
!macro ASSOCIATIONS_CHANGED
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
!macroend

; The folder of an installed copy of either width in $1, empty when there is none: both
; install into the program's own folder, so one replaces the other.
Function FindInstalled
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $1 "" 0 found
    SetRegView ${OTHER_VIEW}
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    SetRegView ${VIEW}
    found:
FunctionEnd

; Gives the folder on top of the stack FOLDER_RIGHTS, its files and folders too, or aborts.
Function ProtectFolder
    Exch $R0
    System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${FOLDER_RIGHTS}", i 1, *p .r0, p 0) i .r1'
    StrCmp $1 0 failed
    System::Call 'advapi32::GetSecurityDescriptorDacl(p r0, *i .r2, *p .r3, *i .r4)'
    ; SE_FILE_OBJECT; DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION
    System::Call 'advapi32::SetNamedSecurityInfoW(w R0, i 1, i 0x80000004, p 0, p 0, p r3, p 0) i .r1'
    System::Call 'kernel32::LocalFree(p r0)'
    StrCmp $1 0 done
    failed:
    Abort "The rights of $R0 could not be set."
    done:
    Pop $R0
FunctionEnd

Function .onInit
    SetShellVarContext all
    SetRegView ${VIEW}
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView ${VIEW}
FunctionEnd

Section "${PRODUCT}" SecProgram
    SectionIn RO
    Push $INSTDIR
    Call WaitForQuillet
    ; An older copy goes first, by its own uninstaller, so no file of it stays behind;
    ; run in place (_?=) so that this waits for it.
    Call FindInstalled
    StrCmp $1 "" fresh
    Push $1
    Call WaitForQuillet
    IfFileExists "$1\uninstall.exe" 0 fresh
    ExecWait '"$1\uninstall.exe" /S _?=$1' $2
    StrCmp $2 0 +2
    Abort "The installed copy of Quillet in $1 could not be removed."
    Delete "$1\uninstall.exe"
    RMDir "$1"
    fresh:

    SetOutPath "$INSTDIR"
    ; Before any file goes in, so that each takes the folder's rights.
    Push $INSTDIR
    Call ProtectFolder
    ; The program with its DLLs and plugins, and dictionaries\ with English (US) for
    ; spelling; the uninstaller removes each of them again (windows\uninstall.nsh).
    File /r "${BUILD}\Quillet\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "${STARTMENU}"
    CreateShortcut "${STARTMENU}\${PRODUCT}.lnk" "$INSTDIR\quillet.exe"
    CreateShortcut "${STARTMENU}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\uninstall.exe"

    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "HTML document (Quillet)"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\quillet.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" \
        '"$INSTDIR\quillet.exe" "%1"'
    !insertmacro FOR_EACH_PAGE_TYPE ADD_OPEN_WITH

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}${ARCH}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillet.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    SectionGetSize ${SecProgram} $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    !insertmacro ASSOCIATIONS_CHANGED
SectionEnd

Section /o "Desktop shortcut" SecDesktop
    CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\quillet.exe"
SectionEnd

Section "Uninstall"
    Push $INSTDIR
    Call un.WaitForQuillet
    ; The program's own files only: pages the user keeps in this folder stay.
    !include "${BUILD}\windows\uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    RMDir /r "${OLD_PREVIEW_FOLDER}"
    RMDir "$INSTDIR"
    RMDir "${HOME}"

    Delete "${STARTMENU}\${PRODUCT}.lnk"
    Delete "${STARTMENU}\Uninstall ${PRODUCT}.lnk"
    RMDir "${STARTMENU}"
    Delete "$DESKTOP\${PRODUCT}.lnk"

    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    !insertmacro FOR_EACH_PAGE_TYPE REMOVE_OPEN_WITH
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    !insertmacro ASSOCIATIONS_CHANGED
SectionEnd
