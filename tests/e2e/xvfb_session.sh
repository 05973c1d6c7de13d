# Sourced by the end-to-end scripts: a throw-away work folder, a virtual X server on a display
# number it picks itself, and the screen helpers every script polls with. The sourcing script
# sets `shots` (where pictures are kept) first and `game_pid` once the game runs.
#
#   start_xvfb WIDTHxHEIGHT      exports DISPLAY
#   shot / keep NAME             the screen into $work/screen.png / into $shots/NAME.png
#   until_screen WHAT TEST...    polls TEST on fresh screens for up to $timeout seconds

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "e2e: FAILED: $*" >&2
    [ -f "$work/screen.png" ] && cp "$work/screen.png" "$shots/failure.png" && echo "e2e: last screen in $shots/failure.png" >&2
    [ -f "$work/game.log" ] && sed 's/^/gnamm: /' "$work/game.log" >&2
    exit 1
}

# ImageMagick's own convert, not a same-named helper earlier in PATH.
convert_bin=$(command -v convert-im6.q16 || echo /usr/bin/convert)

start_xvfb() {
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    [ -s "$work/display" ] || fail "Xvfb gave no display number"
    export DISPLAY=":$(head -n1 "$work/display")"
}

shot() { import -window root "$work/screen.png" 2>/dev/null; }
keep() { cp "$work/screen.png" "$shots/$1.png"; }
click() { xdotool mousemove "$1" "$2" click 1; }

# Mean brightness (0..1) of a region WxH+X+Y of the last screen.
brightness() { "$convert_bin" "$work/screen.png" -crop "$1" +repage -colorspace Gray -format '%[fx:mean]' info:; }
# How many pixels of region $3 differ between pictures $1 and $2.
differing() {
    compare -metric AE -fuzz 8% "$1[$3]" "$2[$3]" null: 2>&1 >/dev/null | awk '{printf "%d", $1}' || true
}
changed() { [ "$(differing "$1" "$2" "$3")" -gt "${4:-200}" ]; }
differs_from() { changed "$1" "$work/screen.png" "$2" "${3:-200}"; }
# Share (0..1) of a region of the last screen that is white as a card face (no table colour,
# however light, is).
white_share() {
    "$convert_bin" "$work/screen.png" -crop "$1" +repage -fuzz 8% -fill black +opaque white \
        -fill white -opaque white -colorspace Gray -format '%[fx:mean]' info:
}
card_face_at() { awk -v a="$(white_share "$1")" 'BEGIN { exit !(a > 0.5) }'; }

# Polls `$@` (a shell test on a fresh screen) every 0.2 s for up to $timeout seconds.
timeout=20
until_screen() {
    local what=$1
    shift
    local end=$((SECONDS + timeout))
    while ((SECONDS < end)); do
        kill -0 "$game_pid" 2>/dev/null || fail "the game ended while waiting for $what"
        shot
        if "$@"; then return 0; fi
        sleep 0.2
    done
    fail "no $what after ${timeout}s"
}
