#!/usr/bin/env bash
# End-to-end: a Torneo left and taken up again in the real game at 1024x768. A name, a level,
# cards played until the game has saved a quiet moment after a card of the player's; the game
# ended by SIGTERM (what the session does, and what the window's close button does without a
# window manager to press it); started again, Enter on the name it remembers, "s" to the
# question, and the same table must be on the screen.
#
# Usage: resume_under_xvfb.sh GNAMM_EXECUTABLE SCREENSHOT_FOLDER
set -euo pipefail

game=${1:?the gnamm executable}
shots=${2:?a folder for the screenshots}
mkdir -p "$shots"
rm -f "$shots"/*.png

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
    [ -f "$work/screen.png" ] && cp "$work/screen.png" "$shots/failure.png"
    [ -f "$work/game.log" ] && sed 's/^/gnamm: /' "$work/game.log" >&2
    exit 1
}
convert_bin=$(command -v convert-im6.q16 || echo /usr/bin/convert)

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || fail "Xvfb gave no display number"
export DISPLAY=":$(head -n1 "$work/display")"

shot() { import -window root "$work/screen.png" 2>/dev/null; }
keep() { cp "$work/screen.png" "$shots/$1.png"; }
differing() {
    compare -metric AE -fuzz 8% "$1[$3]" "$2[$3]" null: 2>&1 >/dev/null | awk '{printf "%d", $1}' || true
}
differs_from() { [ "$(differing "$1" "$work/screen.png" "$2")" -gt "${3:-200}" ]; }
white_share() {
    "$convert_bin" "$work/screen.png" -crop "$1" +repage -fuzz 8% -fill black +opaque white \
        -fill white -opaque white -colorspace Gray -format '%[fx:mean]' info:
}
card_face_at() { awk -v a="$(white_share "$1")" 'BEGIN { exit !(a > 0.5) }'; }
name_box_white() {
    awk -v a="$("$convert_bin" "$work/screen.png" -crop 300x30+362+566 +repage -colorspace Gray -format '%[fx:mean]' info:)" \
        'BEGIN { exit !(a > 0.9) }'
}
timeout=30
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

home="$work/home"
mkdir -p "$home"
saved="$home/.local/share/gnamm/Dati/GnTorneo.json"
start_game() {
    HOME="$home" XDG_DATA_HOME="" XDG_CONFIG_HOME="" SDL_AUDIODRIVER=dummy \
        "$game" >>"$work/game.log" 2>&1 &
    game_pid=$!
    until_screen "splash" name_box_white
    cp "$work/screen.png" "$work/splash.png"
}
panel="490x660+268+54"
hand1="129x185+287+553"
table="740x720+275+40" # the cards, the mats and the scoreboard: all but Zeb's corner

# --- First run: a card played, the quiet moment after it saved --------------------------------
start_game
xdotool type --delay 40 "Ripresa"
xdotool key Return
until_screen "level panel" differs_from "$work/splash.png" "$panel" 20000
xdotool mousemove 666 215 click 1
until_screen "deal" card_face_at "$hand1"
file_saved() { [ -s "$saved" ]; }
until_screen "first save" file_saved
before=$(md5sum <"$saved")
end=$((SECONDS + 60))
while [ "$(md5sum <"$saved")" = "$before" ]; do
    ((SECONDS < end)) || fail "no save after a card of the player's"
    xdotool mousemove 351 645 click 1
    sleep 1
done
# The quiet moment stands until the player acts: what is on screen now is what was saved.
sleep 0.5
shot
keep lasciato
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game ended with status $status on SIGTERM"
[ -s "$saved" ] || fail "no saved Torneo after SIGTERM"

# --- Second run: Sì, and the same table ---------------------------------------------------------
start_game
xdotool key Return # the name the game remembers
timeout=20
until_screen "resume question" differs_from "$work/splash.png" "$panel" 20000
keep domanda
cp "$work/screen.png" "$work/question.png"
xdotool key s
until_screen "question answered" differs_from "$work/question.png" "$panel" 20000
sleep 1
shot
keep ripreso
d=$(differing "$shots/lasciato.png" "$work/screen.png" "$table")
((d < 400)) || fail "the resumed table differs from the one left in $d pixels"
kill -TERM "$game_pid"
wait "$game_pid" || true
game_pid=""
echo "e2e: the Torneo left was taken up again on the same table; screenshots in $shots"
