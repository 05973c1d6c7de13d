#!/usr/bin/env bash
# Packs the build folder as a Debian package (cpack, no second build), unpacks it into a
# throw-away root (never installed on this machine) and checks it as a player's machine would
# see it: every file in its place, the programs stripped, the validators content, and the
# unpacked game starting under Xvfb, its window mapped and its first frame drawn, with its
# pictures found in the root's /usr/share/games/gnamm and no variable set.
#
# Usage: debian_package.sh BUILD_FOLDER SCREENSHOT_FOLDER
set -euo pipefail

build=${1:?the build folder}
shots=${2:?a folder for the screenshots}
mkdir -p "$shots"
# shellcheck source=tests/e2e/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

# --- The package -----------------------------------------------------------------------------
version=$(sed -n 's/^CPACK_PACKAGE_VERSION:STRING=//p; s/^CMAKE_PROJECT_VERSION:STATIC=//p' \
    "$build/CMakeCache.txt" | head -n1)
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/pack" >"$work/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 5 "$work/cpack.log")"
deb="$work/pack/gnamm_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") from cpack: $(ls "$work/pack")"
depends=$(dpkg-deb -f "$deb" Depends)
# The libraries from dpkg-shlibdeps, and the packages the game opens by path.
for p in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libc6 fonts-dejavu-core fonts-dejavu-extra \
    timgm6mb-soundfont; do
    [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "Depends lacks $p: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"
for f in usr/games/gnamm usr/games/gnamm-sim usr/share/games/gnamm/Grafica/Splash.jpg \
    usr/share/games/gnamm/Musiche/01.mid usr/share/games/gnamm/CREDITS \
    usr/share/applications/gnamm.desktop usr/share/metainfo/it.gnamm.gnamm.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/gnamm.svg usr/share/man/man6/gnamm.6.gz \
    usr/share/man/man6/gnamm-sim.6.gz usr/share/doc/gnamm/changelog.gz \
    usr/share/doc/gnamm/copyright; do
    [ -s "$root/$f" ] || fail "the package has no $f"
done
[ "$(ls -A "$root")" = usr ] || fail "files outside /usr: $(ls -A "$root")"
for program in gnamm gnamm-sim; do
    ! readelf -S --wide "$root/usr/games/$program" | grep -Eq '\.(symtab|debug_)' ||
        fail "$program is not stripped"
done
for size in 16 32 48 64 128 256; do
    icon="$share/icons/hicolor/${size}x${size}/apps/gnamm.png"
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "no ${size}x${size} icon at ${icon#"$root"}"
done
gzip -t "$share/man/man6/gnamm.6.gz" "$share/doc/gnamm/changelog.gz"

# The copyright file: machine-readable, a stanza per group, every folder of pictures and
# sounds under one of them.
copyright="$share/doc/gnamm/copyright"
head -n1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not machine-readable"
! grep -q '^Files: \*$' "$copyright" || fail "the copyright file lumps everything under Files: *"
for folder in "$share"/games/gnamm/*/; do
    folder=$(basename "$folder")
    grep -q "usr/share/games/gnamm/$folder/\*" "$copyright" ||
        fail "the copyright file says nothing of usr/share/games/gnamm/$folder"
done

# --- The validators ---------------------------------------------------------------------------
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$share/applications/gnamm.desktop" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$share/metainfo/it.gnamm.gnamm.metainfo.xml" >"$work/as.log" 2>&1 ||
        fail "appstreamcli validate: $(cat "$work/as.log")"
fi
if command -v lintian >/dev/null; then
    lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"
fi

# --- The unpacked game ------------------------------------------------------------------------
game="$root/usr/games/gnamm"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$game" --version)" = "gnamm $version" ] ||
    fail "gnamm --version does not answer gnamm $version"
env -u DISPLAY -u WAYLAND_DISPLAY "$game" --help | grep -q '^Uso: gnamm' || fail "gnamm --help"
"$root/usr/games/gnamm-sim" play --giochi 2 --check >/dev/null || fail "gnamm-sim play"

start_xvfb 1024x768
mkdir -p "$work/home"
HOME="$work/home" XDG_DATA_HOME="" SDL_AUDIODRIVER=dummy GNAMM_FRAME_LOG=1 "$game" \
    >"$work/game.log" 2>&1 &
game_pid=$!
window_up() { xdotool search --onlyvisible --name '^Gnamm$' >/dev/null 2>&1; }
first_frame() { grep -q '^gnamm-frame 1 ' "$work/game.log"; }
until_screen "game window" window_up
until_screen "first frame" first_frame
# The splash's prompt, light on the picture: the pictures were found. The X server may show the
# frame a moment after the game logged it, so the screen is read until it does.
splash_prompt() { awk -v a="$(brightness 300x30+362+566)" 'BEGIN { exit !(a > 0.9) }'; }
until_screen "the splash's prompt on the first frame" splash_prompt
keep splash
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=""
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB, installed $(dpkg-deb -f "$deb" Installed-Size) kB; Depends: $depends"
