#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The setup program and the installed program under Wine. Called by run.sh,
# which has set up the X server, the Wine prefix and its environment.
#
#   tests/windows/install.sh BUILD_FOLDER WORK_FOLDER
set -uo pipefail
build=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
# The installed program must find everything in its own folder: nothing
# of the build's Qt, nothing on Wine's PATH.
unset WINEPATH QT_PLUGIN_PATH

problems=0
fail() {
    echo "FAIL: $*" >&2
    problems=$((problems + 1))
}
say() { echo "-- $*"; }

mapfile -t setups < <(find "$build" -maxdepth 1 -name 'Brasti-*-setup.exe')
[ ${#setups[@]} -eq 1 ] || { fail "expected one setup program in $build, found ${#setups[@]}"; exit 1; }
setup=${setups[0]}

# Blanks and a letter outside ASCII, as a school's folder may well have.
target_win='C:\Scuola Primaria\Brasti Città'
target=$(winepath -u "$target_win" 2>/dev/null)
programs_win=$(wine cmd /c 'echo %ProgramData%' 2>/dev/null | tr -d '\r')
start_menu=$(winepath -u "$programs_win\\Microsoft\\Windows\\Start Menu\\Programs" 2>/dev/null)
desktop=$(winepath -u "$(wine cmd /c 'echo %PUBLIC%' 2>/dev/null | tr -d '\r')\\Desktop" 2>/dev/null)
windows_folder() { winepath -u "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')$2" 2>/dev/null; }
appdata=$(windows_folder APPDATA '')
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.brasti.brasti'

# A Windows command line exactly as typed: NSIS wants /D= unquoted and last,
# which no list of arguments gives (Wine quotes those with blanks); cmd
# takes the line from a variable instead.
run_windows() {
    BRASTI_COMMAND=$1 wine cmd /c '%BRASTI_COMMAND%' </dev/null
}

installed_files() {
    (cd "$target" && find . -type f | sort)
}

# Runs the installed program's start check; its report is on standard output.
start_check() {
    timeout 120 wine "$target/brasti.exe" --verifica-avvio "$@" 2>"$work/start-check.err" </dev/null | tr -d '\r'
}

say "silent setup for all users into '$target_win'"
started=$(date +%s%N)
run_windows "\"$(winepath -w "$setup")\" /S /AllUsers /D=$target_win"
status=$?
wineserver -w
echo "setup took $(( ($(date +%s%N) - started) / 1000000 )) ms, status $status"
[ "$status" -eq 0 ] || fail "the setup ended with status $status"
for f in brasti.exe brasti_sound.dll Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libstdc++-6.dll qt.conf \
         plugins/platforms/qwindows.dll plugins/styles/qwindowsvistastyle.dll translations/qtbase_it.qm \
         translations/qtbase_es.qm translations/qtbase_fr.qm translations/qtbase_pt_BR.qm \
         suoni/si1.wav suoni/si2.wav suoni/si3.wav suoni/si4.wav suoni/no.wav LICENZA.txt uninstall.exe; do
    [ -f "$target/$f" ] || fail "the setup did not install $f"
done
for f in "$start_menu/Brasti.lnk" "$desktop/Brasti.lnk"; do
    [ -f "$f" ] || fail "the setup made no shortcut $f"
done
# The setup speaks Windows' language: Italian, Spanish, or English elsewhere.
[ -f "$start_menu/Brasti a schermo intero.lnk" ] || [ -f "$start_menu/Brasti full screen.lnk" ] \
    || [ -f "$start_menu/Brasti a pantalla completa.lnk" ] || fail "the setup made no shortcut for full screen"
wine reg query "$uninstall_key" /v UninstallString 2>/dev/null | grep -q 'uninstall.exe' \
    || fail "no uninstaller registered with Windows"
installed_files >"$work/installed.txt"
echo "$(wc -l <"$work/installed.txt") files installed"

say "the installed program"
out=$(timeout 60 wine "$target/brasti.exe" --version </dev/null 2>/dev/null | tr -d '\r')
[[ $out =~ ^Brasti\ [0-9]+\.[0-9]+ ]] || fail "--version said '$out'"
status=0
timeout 60 wine "$target/brasti.exe" --no-such-option </dev/null >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
out=$(start_check)
grep -qx "finestra: FormAvvio normale" <<<"$out" || fail "no start screen painted: $out"
grep -qxF "suoni: C:/Scuola Primaria/Brasti Città/suoni 5/5" <<<"$out" || fail "the sounds were not found: $out"
grep -qxF "modulo dei suoni: C:/Scuola Primaria/Brasti Città/brasti_sound.dll" <<<"$out" \
    || fail "the sound module was not found: $out"
grep -qx "numeri sui brasti: no" <<<"$out" || fail "numbers on the rods without asking: $out"

say "the settings file in %APPDATA%"
mkdir -p "$appdata/brasti"
printf 'numeriSuiBrasti=true\r\n' >"$appdata/brasti/brasti.ini"
grep -qx "numeri sui brasti: si" <<<"$(start_check)" || fail "numeriSuiBrasti=true in brasti.ini was not read"
head -c 3000 /dev/urandom >"$appdata/brasti/brasti.ini"
out=$(start_check)
grep -qx "finestra: FormAvvio normale" <<<"$out" || fail "a garbage settings file stopped the start: $out"
grep -qx "numeri sui brasti: no" <<<"$out" || fail "a garbage settings file turned the numbers on: $out"
rm -rf "$appdata/brasti"

say "without sounds, with a damaged sound, from a read-only folder"
mv "$target/suoni" "$target/suoni.away"
out=$(start_check)
grep -qx "finestra: FormAvvio normale" <<<"$out" || fail "without sounds no start screen: $out"
grep -q "^suoni: .* 0/5$" <<<"$out" || fail "without sounds it still reported some: $out"
mv "$target/suoni.away" "$target/suoni"
cp "$target/suoni/si1.wav" "$work/si1.wav"
head -c 100 /dev/urandom >"$target/suoni/si1.wav"
grep -qx "finestra: FormAvvio normale" <<<"$(start_check)" || fail "a damaged sound stopped the start"
cp "$work/si1.wav" "$target/suoni/si1.wav"
chmod -R a-w "$target"
grep -qx "finestra: FormAvvio normale" <<<"$(start_check)" || fail "a read-only folder stopped the start"
chmod -R u+w "$target"

say "played with the mouse"
python3 "$here/smoke.py" "$target/brasti.exe" "$build/screenshots-wine" || fail "the mouse smoke test"
wineserver -w

say "the setup a second time, over the first"
run_windows "\"$(winepath -w "$setup")\" /S /AllUsers"
status=$?
wineserver -w
[ "$status" -eq 0 ] || fail "the second setup ended with status $status"
installed_files >"$work/installed-again.txt"
cmp -s "$work/installed.txt" "$work/installed-again.txt" \
    || fail "the second setup changed what is installed: $(diff "$work/installed.txt" "$work/installed-again.txt")"

say "the uninstaller while the program is open"
wine "$target/brasti.exe" </dev/null >/dev/null 2>&1 &
program=$!
for _ in $(seq 300); do
    xdotool search --onlyvisible --name '^Brasti$' >/dev/null 2>&1 && break
    sleep 0.2
done
# In place (_?=), so that the exit status is the uninstaller's own.
run_windows "\"$target_win\\uninstall.exe\" /S _?=$target_win"
status=$?
[ "$status" -eq 2 ] || fail "the uninstaller ended with status $status while the program was open, not 2"
installed_files >"$work/installed-open.txt"
cmp -s "$work/installed.txt" "$work/installed-open.txt" \
    || fail "the uninstaller removed files while the program was open"
kill "$program" 2>/dev/null
wait "$program" 2>/dev/null
# The Wine process may outlive the signal by a moment, and while it lives its
# file counts as in use; wait for it to go, so that the next step meets a
# closed program.
for _ in $(seq 150); do
    pgrep -f 'brasti\.exe' >/dev/null || break
    sleep 0.2
done
pgrep -f 'brasti\.exe' >/dev/null && fail "the program was still running 30 s after it was killed: $(pgrep -af 'brasti\.exe')"
wineserver -w

say "the uninstaller"
before=$(pgrep -af '\.exe' | tr '\n' ';')
run_windows "\"$target_win\\uninstall.exe\" /S"
status=$?
wineserver -w
[ "$status" -eq 0 ] || fail "the uninstaller ended with status $status (Windows programs running before it: ${before:-none})"
if [ -e "$target" ]; then
    fail "the uninstaller left files behind: $(cd "$target" && find . | head -20)"
fi
for f in "$start_menu/Brasti.lnk" "$start_menu/Brasti a schermo intero.lnk" "$start_menu/Brasti full screen.lnk" \
         "$start_menu/Brasti a pantalla completa.lnk" "$desktop/Brasti.lnk"; do
    [ ! -e "$f" ] || fail "the uninstaller left the shortcut $f"
done
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller left its registry key"

say "for the current user alone"
run_windows "\"$(winepath -w "$setup")\" /S /CurrentUser"
status=$?
wineserver -w
[ "$status" -eq 0 ] || fail "the setup for the current user ended with status $status"
# Where the setup says it put it (the user's own programs folder).
mine_win=$(wine reg query 'HKCU\Software\io.github.brasti.brasti' /v InstallLocation 2>/dev/null \
    | tr -d '\r' | sed -n 's/^ *InstallLocation *REG_SZ *//p')
mine=$(winepath -u "${mine_win:-C:\nowhere}" 2>/dev/null)
my_menu=$(windows_folder APPDATA '\Microsoft\Windows\Start Menu\Programs')
[ -f "$mine/brasti.exe" ] || fail "the setup for the current user installed nothing in $mine"
[ -f "$my_menu/Brasti.lnk" ] || fail "the setup for the current user made no shortcut in the user's Start menu"
wine reg query "${uninstall_key/HKLM/HKCU}" /v UninstallString >/dev/null 2>&1 \
    || fail "no uninstaller registered for the current user"
run_windows "\"$(winepath -w "$mine/uninstall.exe")\" /S /CurrentUser"
wineserver -w
[ ! -e "$mine" ] || fail "the current user's uninstaller left files behind: $(cd "$mine" && find . | head)"
[ ! -e "$my_menu/Brasti.lnk" ] || fail "the current user's uninstaller left the Start-menu shortcut"
wine reg query "${uninstall_key/HKLM/HKCU}" >/dev/null 2>&1 && fail "the current user's uninstaller left its registry key"

[ "$problems" -eq 0 ]
