#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# Checks of the program as people get it: its metadata, `cmake --install`
# into a prefix with blanks, and the Debian package, whose unpacked program
# must start, find its sounds and end cleanly.
#
#   packaging.sh metadata SOURCE_DIR
#   packaging.sh install  SOURCE_DIR BUILD_DIR
#   packaging.sh package  SOURCE_DIR BUILD_DIR
#
# Exit status 77 means skipped: a tool the check needs is not installed.
set -euo pipefail

mode=$1
source_dir=$2
build_dir=${3:-}
app_id=io.github.brasti.brasti
sounds=(no.wav si1.wav si2.wav si3.wav si4.wav)

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
have() { command -v "$1" >/dev/null 2>&1; }

# Runs a program the way a classroom computer may offer it: no display but
# the offscreen one, no audio server, and a home folder nothing can be
# written under (a path below a plain file, so even root cannot).
run_bare() {
    : >"$scratch/not-a-folder"
    mkdir -p "$scratch/runtime" && chmod 700 "$scratch/runtime"
    # A sanitizer build keeps its settings (leak suppressions, say).
    local keep=() v
    for v in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [ -n "${!v:-}" ] && keep+=("$v=${!v}")
    done
    env -i PATH=/usr/bin:/bin HOME="$scratch/not-a-folder/home" XDG_RUNTIME_DIR="$scratch/runtime" \
        PULSE_SERVER="unix:$scratch/no-audio-server" QT_QPA_PLATFORM=offscreen "${keep[@]}" "$@"
}

# The installed program at $1 (its tree's root being $2): options, the start
# check with and without sounds, full screen.
check_program() {
    local program=$1 root=$2 out err status
    [ -x "$program" ] || fail "$program is missing or not executable"

    out=$(run_bare "$program" --version) || fail "--version ended with status $?"
    [[ $out =~ ^Brasti\ [0-9]+\.[0-9]+ ]] || fail "--version said '$out'"
    grep -q '^Licenza GPL-3.0-or-later' <<<"$out" || fail "--version does not name the licence: $out"
    out=$(run_bare "$program" --help) || fail "--help ended with status $?"
    grep -q -- '--fullscreen' <<<"$out" || fail "--help does not list --fullscreen: $out"
    grep -q '^Uso: brasti' <<<"$out" || fail "--help is not the Italian text: $out"

    status=0
    err=$(run_bare "$program" --no-such-option 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "an unknown option ended with status $status, not 2"
    [ "$(wc -l <<<"$err")" -eq 1 ] || fail "an unknown option gave more than one line: $err"
    grep -q -- '--no-such-option' <<<"$err" || fail "the error does not name the option: $err"

    out=$(run_bare "$program" --verifica-avvio) || fail "the start check ended with status $?"
    grep -qx "finestra: FormAvvio normale" <<<"$out" || fail "no start screen painted: $out"
    grep -qxF "suoni: $root/share/brasti/suoni 5/5" <<<"$out" \
        || fail "sounds not found in $root/share/brasti/suoni: $out"
    grep -qx "modulo dei suoni: $root/lib.*/brasti/libbrasti_sound.so" <<<"$out" \
        || fail "the sound module was not found under $root: $out"

    # Qt's own options stay allowed beside the program's.
    out=$(run_bare "$program" -platform offscreen --fullscreen --verifica-avvio) \
        || fail "--fullscreen ended with status $?"
    grep -qx "finestra: FormAvvio schermo-intero" <<<"$out" || fail "--fullscreen did not start full screen: $out"

    # Without its sounds it still starts, and plays nothing.
    mv "$root/share/brasti/suoni" "$root/share/brasti/suoni.away"
    out=$(run_bare "$program" --verifica-avvio) || fail "without sounds the start check ended with status $?"
    mv "$root/share/brasti/suoni.away" "$root/share/brasti/suoni"
    grep -qx "finestra: FormAvvio normale" <<<"$out" || fail "without sounds no start screen: $out"
    grep -q "^suoni: .* 0/5$" <<<"$out" || fail "without sounds it still reported some: $out"
}

# The files every installation holds, under the prefix $1.
check_installed_files() {
    local root=$1 f
    for f in bin/brasti "${sounds[@]/#/share/brasti/suoni/}" \
        "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
        "share/icons/hicolor/scalable/apps/$app_id.svg" share/doc/brasti/copyright \
        share/doc/brasti/changelog.gz share/man/man1/brasti.1.gz; do
        [ -f "$root/$f" ] || fail "not installed: $f"
    done
}

case $mode in
metadata)
    folder=$source_dir/packaging
    # The names that must agree across the files.
    grep -qx "Icon=$app_id" "$folder/$app_id.desktop" || fail "the desktop entry's icon is not $app_id"
    grep -qx "Categories=Education;Math;" "$folder/$app_id.desktop" || fail "wrong categories"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$folder/$app_id.metainfo.xml" \
        || fail "the metainfo does not launch $app_id.desktop"
    grep -q "<binary>brasti</binary>" "$folder/$app_id.metainfo.xml" || fail "the metainfo provides no binary"
    # Every screenshot the metainfo names is one the tool makes and the README shows.
    for shot in $(grep -o 'screenshots/[a-z0-9-]*\.png' "$folder/$app_id.metainfo.xml"); do
        [ -f "$source_dir/docs/$shot" ] || fail "the metainfo names $shot, which docs/ lacks"
    done

    skipped=0
    if have desktop-file-validate; then
        report=$(desktop-file-validate "$folder/$app_id.desktop" 2>&1) || fail "desktop-file-validate: $report"
        [ -z "$report" ] || fail "desktop-file-validate says: $report"
    else
        echo "desktop-file-validate is not installed (package desktop-file-utils)"; skipped=1
    fi
    if have appstreamcli; then
        # --pedantic: even a hint counts; the summary line is all there may be.
        report=$(appstreamcli validate --no-net --pedantic "$folder/$app_id.metainfo.xml" 2>&1) \
            || fail "appstreamcli: $report"
        [ "$(grep -cv '^✔ Validation was successful\.$' <<<"$report" || true)" -eq 0 ] \
            || fail "appstreamcli says: $report"
    else
        echo "appstreamcli is not installed (package appstream)"; skipped=1
    fi
    [ $skipped -eq 0 ] || exit 77
    ;;

install)
    # Blanks in both DESTDIR and the prefix; relative data paths must survive both.
    prefix="/opt/brasti prefix"
    DESTDIR="$scratch/dest dir" cmake --install "$build_dir" --prefix "$prefix" >/dev/null
    root="$scratch/dest dir$prefix"
    check_installed_files "$root"
    check_program "$root/bin/brasti" "$root"
    ;;

package)
    for tool in cpack dpkg-deb dpkg-shlibdeps; do
        have $tool || { echo "$tool is not installed (package dpkg-dev)"; exit 77; }
    done
    cpack --config "$build_dir/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
        || { cat "$scratch/cpack.log"; fail "cpack failed"; }
    deb=$(ls "$scratch"/out/brasti_*.deb)

    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libpulse0 libc6; do
        grep -q "$lib (>=" <<<"$depends" || fail "Depends lacks $lib: $depends"
    done

    # Owned by root, folders 0755, files 0644 but for the program.
    while read -r perms owner _ _ _ path; do
        [ "$owner" = root/root ] || fail "$path is owned by $owner"
        case $path in
        */) want=drwxr-xr-x ;;
        ./usr/bin/brasti) want=-rwxr-xr-x ;;
        *) want=-rw-r--r-- ;;
        esac
        [ "$perms" = "$want" ] || fail "$path has mode $perms, not $want"
    done < <(dpkg-deb -c "$deb")

    if have lintian; then
        # Errors fail; warnings and notes are shown for whoever reads the log.
        status=0
        report=$(lintian --fail-on error --pedantic --display-info "$deb" 2>&1) || status=$?
        grep -v 'root privileges' <<<"$report" || true
        [ "$status" -eq 0 ] || fail "lintian reports errors"
    else
        echo "lintian is not installed: the package's lint was not checked"
    fi

    dpkg-deb -x "$deb" "$scratch/unpacked"
    check_installed_files "$scratch/unpacked/usr"
    check_program "$scratch/unpacked/usr/bin/brasti" "$scratch/unpacked/usr"
    ;;

*)
    fail "unknown mode $mode"
    ;;
esac
echo "ok: $mode"
