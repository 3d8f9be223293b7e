#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Brasti developers
# The Windows sound module heard through Wine: a private PulseAudio server
# with a null sink stands in for the speakers, Wine's own audio driver plays
# into it, and the server is watched while tst_sound_windows plays. A sound
# must show up as a stream, and the stream must go once the sound is over:
# an idle program holds no audio device. Called by run.sh.
#
#   tests/windows/sound.sh BUILD_FOLDER WORK_FOLDER
set -uo pipefail
build=$1
work=$2
server=$work/audio
mkdir -p "$server"

# Its cookie, state and socket stay in the private folder.
HOME=$server XDG_RUNTIME_DIR=$server PULSE_SERVER= pulseaudio -n --daemonize=yes --exit-idle-time=60 \
    -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1" >"$work/audio.log" 2>&1 \
    || { cat "$work/audio.log" >&2; echo "FAIL: no private audio server" >&2; exit 1; }
stop_server() { [ -f "$server/pulse/pid" ] && kill "$(cat "$server/pulse/pid")" 2>/dev/null; }
trap stop_server EXIT
export PULSE_SERVER=unix:$server/pulse/native

streams() { pactl list short sink-inputs 2>/dev/null | grep -c . ; }

BRASTI_TEST_AUDIO_DEVICE=1 BRASTI_TEST_SOUNDS=$(winepath -w "$(cd "$(dirname "$0")/../.." && pwd)/assets/suoni") \
    timeout 120 wine "$build/tests/tst_sound_windows.exe" playsThroughDevice -o "$(winepath -w "$work/sound.txt"),txt" \
    >/dev/null 2>&1 &
test_pid=$!
most=0
ended_with=-1
while kill -0 "$test_pid" 2>/dev/null; do
    n=$(streams)
    [ "$n" -gt "$most" ] && most=$n
    ended_with=$n
    sleep 0.05
done
wait "$test_pid"
status=$?
grep -a '^Totals:' "$work/sound.txt" || true
problems=0
[ "$status" -eq 0 ] || { echo "FAIL: tst_sound_windows playsThroughDevice ended with status $status" >&2; problems=1; }
[ "$most" -ge 1 ] || { echo "FAIL: no sound reached the audio server" >&2; problems=1; }
[ "$most" -le 1 ] || { echo "FAIL: $most streams played at once: a new sound must cut off the one before" >&2; problems=1; }
[ "$ended_with" -eq 0 ] || { echo "FAIL: a stream was left open after the sound" >&2; problems=1; }
echo "streams seen at once: at most $most; at the end: $ended_with"
exit "$problems"
