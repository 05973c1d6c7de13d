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

# shellcheck source=tests/e2e/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"
start_xvfb 1024x768

name_box_white() {
    awk -v a="$("$convert_bin" "$work/screen.png" -crop 300x30+362+566 +repage -colorspace Gray -format '%[fx:mean]' info:)" \
        'BEGIN { exit !(a > 0.9) }'
}
timeout=30

home="$work/home"
mkdir -p "$home"
dati="$home/.local/share/gnamm/Dati"
saved="" # the player's own GnTorneo.<hash>.json, once written
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
file_saved() {
    set -- "$dati"/GnTorneo.*.json
    [ -s "$1" ] && saved=$1
}
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
