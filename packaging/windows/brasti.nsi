# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
; The Windows setup program of Brasti. Made by the build's `setup` target
; (makesetup.cmake), which passes VERSION, APP_ID, LICENCE, SIZE_KB, OUTFILE
; and the two generated lists of files, INSTALL_FILES and UNINSTALL_FILES.
;
; For the current user (no administrator needed) or for all users; silent
; with /S, with /CurrentUser or /AllUsers and /D=<folder> as the last option.
; A 64-bit setup for a 64-bit program: it runs where Brasti runs, with
; Windows' own 64-bit folders and registry, and needs no 32-bit layer.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define APP_NAME "Brasti"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define APP_KEY "Software\${APP_ID}"

; Install for one user or for all: MultiUser picks the folder, the start
; menu and the registry hive to match.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_NAME}"
; A second setup finds the folder of the first and installs over it.
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${APP_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"
!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\brasti.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one a computer in any other language gets.
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "PortugueseBR"

LangString SecProgram ${LANG_ITALIAN} "Brasti"
LangString SecProgram ${LANG_ENGLISH} "Brasti"
LangString SecProgram ${LANG_SPANISH} "Brasti"
LangString SecProgram ${LANG_FRENCH} "Brasti"
LangString SecProgram ${LANG_PORTUGUESEBR} "Brasti"
LangString SecDesktop ${LANG_ITALIAN} "Collegamento sul desktop"
LangString SecDesktop ${LANG_ENGLISH} "Desktop shortcut"
LangString SecDesktop ${LANG_SPANISH} "Acceso directo en el escritorio"
LangString SecDesktop ${LANG_FRENCH} "Raccourci sur le bureau"
LangString SecDesktop ${LANG_PORTUGUESEBR} "Atalho na área de trabalho"
LangString DescProgram ${LANG_ITALIAN} "Il programma, i suoni e tutto quel che serve per usarlo."
LangString DescProgram ${LANG_ENGLISH} "The program, its sounds and all it needs to run."
LangString DescProgram ${LANG_SPANISH} "El programa, sus sonidos y todo lo que necesita para funcionar."
LangString DescProgram ${LANG_FRENCH} "Le programme, ses sons et tout ce qu'il faut pour le faire fonctionner."
LangString DescProgram ${LANG_PORTUGUESEBR} "O programa, os seus sons e tudo o que ele precisa para funcionar."
LangString DescDesktop ${LANG_ITALIAN} "Un collegamento a Brasti sul desktop."
LangString DescDesktop ${LANG_ENGLISH} "A shortcut to Brasti on the desktop."
LangString DescDesktop ${LANG_SPANISH} "Un acceso directo a Brasti en el escritorio."
LangString DescDesktop ${LANG_FRENCH} "Un raccourci vers Brasti sur le bureau."
LangString DescDesktop ${LANG_PORTUGUESEBR} "Um atalho para o Brasti na área de trabalho."
LangString FullScreen ${LANG_ITALIAN} "Brasti a schermo intero"
LangString FullScreen ${LANG_ENGLISH} "Brasti full screen"
LangString FullScreen ${LANG_SPANISH} "Brasti a pantalla completa"
LangString FullScreen ${LANG_FRENCH} "Brasti en plein écran"
LangString FullScreen ${LANG_PORTUGUESEBR} "Brasti em tela cheia"
LangString FullScreenHint ${LANG_ITALIAN} "Brasti a schermo intero, per la lavagna interattiva"
LangString FullScreenHint ${LANG_ENGLISH} "Brasti full screen, for an interactive whiteboard"
LangString FullScreenHint ${LANG_SPANISH} "Brasti a pantalla completa, para la pizarra digital"
LangString FullScreenHint ${LANG_FRENCH} "Brasti en plein écran, pour le tableau interactif"
LangString FullScreenHint ${LANG_PORTUGUESEBR} "Brasti em tela cheia, para a lousa digital"
LangString Running ${LANG_ITALIAN} "Brasti è aperto. Chiudi Brasti e premi Riprova."
LangString Running ${LANG_ENGLISH} "Brasti is open. Close Brasti and press Retry."
LangString Running ${LANG_SPANISH} "Brasti está abierto. Cierra Brasti y pulsa Reintentar."
LangString Running ${LANG_FRENCH} "Brasti est ouvert. Fermez Brasti et cliquez sur Réessayer."
LangString Running ${LANG_PORTUGUESEBR} "O Brasti está aberto. Feche o Brasti e clique em Repetir."

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileDescription" "Installazione di ${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ITALIAN} "CompanyName" "Squadra Brasti"
VIAddVersionKey /LANG=${LANG_ITALIAN} "LegalCopyright" "Squadra Brasti"

; Windows keeps a running program's file open; a file that cannot be opened
; for writing is in use. Asks until the program is closed, or gives up; a
; silent run gives up at once, with exit code 2.
!macro WaitUntilClosed un
Function ${un}WaitUntilClosed
    ${DoWhile} ${FileExists} "$INSTDIR\brasti.exe"
        ClearErrors
        FileOpen $0 "$INSTDIR\brasti.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(Running)" /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro WaitUntilClosed ""
!insertmacro WaitUntilClosed "un."

Function .onInit
    ; MultiUser sets the folder of the mode chosen; a folder given with /D wins.
    StrCpy $0 $INSTDIR
    !insertmacro MULTIUSER_INIT
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "!$(SecProgram)" SecProgram
    SectionIn RO
    Call WaitUntilClosed
    !include "${INSTALL_FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\brasti.exe" "" "$INSTDIR\brasti.exe" 0
    CreateShortCut "$SMPROGRAMS\$(FullScreen).lnk" "$INSTDIR\brasti.exe" "--fullscreen" "$INSTDIR\brasti.exe" 0 \
        SW_SHOWNORMAL "" "$(FullScreenHint)"

    ; SHCTX is HKLM for all users, HKCU for one.
    WriteRegStr SHCTX "${APP_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${APP_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brasti.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Squadra Brasti"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "$(SecDesktop)" SecDesktop
    CreateShortCut "$DESKTOP\${APP_NAME}.lnk" "$INSTDIR\brasti.exe" "" "$INSTDIR\brasti.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(DescProgram)"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DescDesktop)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    Call un.WaitUntilClosed
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    ; Every language's name: the setup may have run in another one.
    Delete "$SMPROGRAMS\Brasti a schermo intero.lnk"
    Delete "$SMPROGRAMS\Brasti full screen.lnk"
    Delete "$SMPROGRAMS\Brasti a pantalla completa.lnk"
    Delete "$SMPROGRAMS\Brasti en plein écran.lnk"
    Delete "$SMPROGRAMS\Brasti em tela cheia.lnk"
    Delete "$DESKTOP\${APP_NAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${APP_KEY}"
SectionEnd
