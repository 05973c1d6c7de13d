#!/usr/bin/env bash
# Installs the game from a build folder under a throw-away prefix, checks that the menu entry
# and the icon are there, and plays the installed copy end to end.
#
# Usage: installed_game.sh BUILD_FOLDER SCREENSHOT_FOLDER
set -euo pipefail

build=${1:?the build folder}
shots=${2:?a folder for the screenshots}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in games/gnamm share/applications/gnamm.desktop share/icons/hicolor/256x256/apps/gnamm.png \
    share/games/gnamm/Grafica/Splash.jpg share/games/gnamm/CREDITS; do
    [ -e "$prefix/$f" ] || {
        echo "install: FAILED: no $f under the prefix" >&2
        exit 1
    }
done
grep -q '^Exec=gnamm$' "$prefix/share/applications/gnamm.desktop"
grep -q '^Icon=gnamm$' "$prefix/share/applications/gnamm.desktop"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/gnamm.desktop"
fi

# Played from the prefix, far from the build folder, it must find its assets there.
bash "$(dirname "$0")/play_under_xvfb.sh" "$prefix/games/gnamm" "$shots"
