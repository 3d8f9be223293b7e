#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those that are missing.
# Idempotent: a machine that has everything runs no apt command at all.
set -euo pipefail

packages=(cmake g++ make ccache qt6-base-dev qt6-translations-l10n libpulse-dev libgl-dev fonts-liberation)
# Extra tools for the test suite: a real X server, an audio server, a
# private session bus with the accessibility bus that screen readers use,
# the checkers of the Debian package and the desktop metadata, and the
# screen reader Orca, which plays the exercises by ear.
if [ "${1:-}" = "--test" ]; then
    packages+=(xvfb xauth xdotool pulseaudio pulseaudio-utils dbus-daemon at-spi2-core
              desktop-file-utils appstream dpkg-dev fakeroot lintian orca)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
