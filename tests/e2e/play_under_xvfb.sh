#!/usr/bin/env bash
# End-to-end run of the real game in a virtual X server at 1024x768, driven as a player drives
# it: a name and Enter, a level by its photo, one card played by a click, the options and the
# hall of fame opened and closed, the exit question answered, the edition window closed. Then
# the player's name must be in the data folder of a throw-away HOME.
#
# Usage: play_under_xvfb.sh GNAMM_EXECUTABLE SCREENSHOT_FOLDER [SCREEN_SIZE]
#
# With a SCREEN_SIZE other than 1024x768 (say 1920x1080) the game is opened on a screen of that
# size instead and checked for a table that keeps its shape: even margins in the table colour
# beside it (or above and below it), a card of the hand as wide for its height as at 4:3, a
# click reaching a photo through the offset. There it starts with a Dati folder that cannot be
# made and no sound device: the two notices show on the splash and at the table, and Escape and
# a click close them.
#
# Every wait polls for a state on the screen, with a deadline; nothing sleeps blindly. The
# positions are those of the design layout (12000 x 9000) at 1024x768, where the game opens
# full screen on its first run.
set -euo pipefail

game=${1:?the gnamm executable}
shots=${2:?a folder for the screenshots}
screen=${3:-1024x768}
mkdir -p "$shots"
rm -f "$shots"/*.png

# shellcheck source=tests/e2e/xvfb_session.sh
source "$(dirname "$0")/xvfb_session.sh"

# --- The X server, on a display number it chooses itself ------------------------------------
start_xvfb "$screen"

brighter_than() { awk -v a="$(brightness "$1")" -v b="$2" 'BEGIN { exit !(a > b) }'; }
# Share (0..1) of a region of the last screen that is dark as text.
dark_share() {
    "$convert_bin" "$work/screen.png" -crop "$1" +repage -colorspace Gray -threshold 30% \
        -negate -format '%[fx:mean]' info:
}
bubble_at() { awk -v a="$(white_share "$1")" 'BEGIN { exit !(a > 0.3) }'; }
# The notice box: mostly its pale paper.
notice_at() {
    awk -v a="$("$convert_bin" "$work/screen.png" -crop "$1" +repage -fuzz 3% -fill black \
        +opaque "#FFFFE1" -fill white -opaque "#FFFFE1" -colorspace Gray -format '%[fx:mean]' info:)" \
        'BEGIN { exit !(a > 0.6) }'
}
no_notice_at() { ! notice_at "$1"; }

# Regions at 1024x768.
hand1="129x185+287+553"    # the human's first card
hand1_click=(351 645)
hand1_wide="145x201+279+545" # the same with its outline
photo_honest=(666 215)    # 'Honest' Zeb's photo on the level panel
panel="490x660+268+54"    # the panels' common frame
answer_yes=(423 350)      # the card under "Sì"
caption_opzioni=(763 14)
caption_classifica=(840 14)

# --- Another shape of screen: the table unstretched between even margins --------------------
if [ "$screen" != 1024x768 ]; then
    window_up() { xdotool search --onlyvisible --name '^Gnamm$' >/dev/null 2>&1; }
    sw=${screen%x*}
    sh=${screen#*x}
    # The table: the largest 4:3 area the screen holds, centred.
    cw=$((sh * 4 / 3 < sw ? sh * 4 / 3 : sw))
    ch=$((cw * 3 / 4))
    ox=$(((sw - cw) / 2))
    oy=$(((sh - ch) / 2))
    # A point, and a region WxH+X+Y, of the 1024x768 layout as they land on this screen.
    at() { echo $((ox + $1 * cw / 1024)) $((oy + $2 * ch / 768)); }
    region() {
        local w h x y
        IFS='x+' read -r w h x y <<<"$1"
        echo "$((w * cw / 1024))x$((h * ch / 768))+$((ox + x * cw / 1024))+$((oy + y * ch / 768))"
    }
    # Mean colour and spread of a region: one plain colour has no spread.
    colour_of() { "$convert_bin" "$work/screen.png" -crop "$1" +repage -format '%[fx:int(255*mean.r)],%[fx:int(255*mean.g)],%[fx:int(255*mean.b)]' info:; }
    plain() { awk -v s="$("$convert_bin" "$work/screen.png" -crop "$1" +repage -format '%[fx:standard_deviation]' info:)" 'BEGIN { exit !(s < 0.002) }'; }
    # Beside a table narrower than the screen, or above and below one lower than it.
    margins_even() {
        local one other
        if ((ox > 0)); then
            one="${ox}x${sh}+0+0" other="${ox}x${sh}+$((ox + cw))+0"
        elif ((oy > 0)); then
            one="${sw}x${oy}+0+0" other="${sw}x${oy}+0+$((oy + ch))"
        else
            return 0 # a 4:3 screen: the table fills it
        fi
        plain "$one" || fail "the first margin is not one plain colour"
        plain "$other" || fail "the second margin is not one plain colour"
        [ "$(colour_of "$one")" = "$(colour_of "$other")" ] ||
            fail "the margins differ: $(colour_of "$one") and $(colour_of "$other")"
    }
    # Where what is not margin begins and ends across the screen (ImageMagick's trim box).
    content_box() { "$convert_bin" "$work/screen.png" -fuzz 2% -format '%@' info:; }

    # A file where the data folder's parent should be, and a sound driver that is not there.
    home="$work/home"
    mkdir -p "$home/.local/share"
    : >"$home/.local/share/gnamm"
    HOME="$home" XDG_DATA_HOME="" XDG_CONFIG_HOME="" SDL_AUDIODRIVER=none-such \
        "$game" >"$work/game.log" 2>&1 &
    game_pid=$!
    until_screen "game window" window_up
    until_screen "splash" brighter_than "$(region 300x30+362+566)" 0.9
    keep splash
    notice_at "$(region 600x130+56+350)" || fail "no notice on the splash"
    margins_even
    # The splash fills the table exactly: the rest is margin.
    if ((ox > 0)); then
        box=$(content_box)
        IFS='x+' read -r bw bh bx _ <<<"$box"
        ((bw >= cw - 2 && bw <= cw + 2 && bx >= ox - 1 && bx <= ox + 1 && bh >= ch - 2)) ||
            fail "the splash covers $box, not ${cw}x${ch}+${ox}+${oy}"
    fi
    cp "$work/screen.png" "$work/splash.png"

    xdotool type --delay 40 "Largo"
    xdotool key Return
    until_screen "level panel" differs_from "$work/splash.png" "$(region 490x660+268+54)" 20000
    keep levels
    # 'Honest' Zeb's photo, clicked through the offset of the margin.
    read -r px py <<<"$(at 666 215)"
    xdotool mousemove "$px" "$py" click 1
    timeout=30
    until_screen "deal" card_face_at "$(region 129x185+287+553)"
    sleep 1 # the rest of the deal
    shot
    keep table
    margins_even
    # The human's first card keeps its shape: as wide for its height as at 4:3.
    card=$("$convert_bin" "$work/screen.png" -crop "$(region 145x201+279+545)" +repage -fuzz 8% \
        -fill black +opaque white -fill white -opaque white -format '%@' info:)
    IFS='x+' read -r kw kh _ _ <<<"$card"
    # (Stretched to the screen's width it would be a third wider.)
    awk -v w="$kw" -v h="$kh" -v eh=$((185 * ch / 768)) \
        'BEGIN { r = w / h - 129 / 185; exit !(r > -0.03 && r < 0.03 && h > 0.92 * eh && h < 1.08 * eh) }' ||
        fail "the card is ${kw}x${kh}, not $((129 * cw / 1024))x$((185 * ch / 768)) as the table's scale wants"
    # The caption bar reaches the table's right edge and stops there.
    if ((ox > 0)); then
        box=$(content_box)
        IFS='x+' read -r bw _ bx _ <<<"$box"
        ((bx + bw >= ox + cw - 2 && bx + bw <= ox + cw + 1)) ||
            fail "the table's content ends at $((bx + bw)), not at $((ox + cw))"
    fi
    # The first notice over Nonno Zeb's photo: Escape brings the second without opening the exit
    # question (the hand stays uncovered), and a click on the box closes it.
    box="$(region 240x190+15+15)"
    notice_at "$box" || fail "no notice over Nonno Zeb's photo"
    cp "$work/screen.png" "$work/first-notice.png"
    xdotool key Escape
    timeout=10
    until_screen "the second notice" differs_from "$work/first-notice.png" "$(region 230x150+20+15)" 100
    notice_at "$box" || fail "Escape closed both notices"
    card_face_at "$(region 129x185+287+553)" || fail "Escape opened the exit question"
    keep avviso
    read -r px py <<<"$(at 130 100)"
    xdotool mousemove "$px" "$py" click 1
    until_screen "the notice closed" no_notice_at "$box"
    grep -q "^gnamm: no sound device" "$work/game.log" || fail "stderr does not tell of the sound"
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
    echo "e2e: a ${screen} screen shows the table unstretched between even margins, and the notices; screenshots in $shots"
    exit 0
fi

# --- The game, with a HOME of its own and no sound device -----------------------------------
home="$work/home"
mkdir -p "$home"
HOME="$home" XDG_DATA_HOME="" XDG_CONFIG_HOME="" SDL_AUDIODRIVER=dummy \
    "$game" >"$work/game.log" 2>&1 &
game_pid=$!

window_up() { xdotool search --onlyvisible --name '^Gnamm$' >/dev/null 2>&1; }
until_screen "game window" window_up
# The splash is drawn when its name box (white) stands on the green table.
until_screen "splash" brighter_than "300x30+362+566" 0.9
keep splash
# Pictures that do not load are drawn as grey placeholders: the splash must be the real one.
placeholder_share=$("$convert_bin" "$work/screen.png" -fill black +opaque "#C8C8C8" \
    -fill white -opaque "#C8C8C8" -colorspace Gray -format '%[fx:mean]' info:)
awk -v f="$placeholder_share" 'BEGIN { exit !(f < 0.05) }' ||
    fail "the splash is drawn with placeholders: the assets were not found"
cp "$work/screen.png" "$work/splash.png"

xdotool type --delay 40 "Collaudo"
until_screen "typed name" differs_from "$work/splash.png" "300x30+285+566" 30
xdotool key Return

# The level panel replaces the splash.
until_screen "level panel" differs_from "$work/splash.png" "$panel" 20000
cp "$work/screen.png" "$work/levels.png"
click "${photo_honest[@]}"

# The deal is over when the human's first card shows its face.
timeout=30
until_screen "deal" card_face_at "$hand1"
cp "$work/screen.png" "$work/dealt.png"

# Zeb's advice: once the notes box tells the human to play, H writes its line there instead.
notes="240x150+15+517"
notes_written() { awk -v a="$(dark_share "$notes")" 'BEGIN { exit !(a > 0.01) }'; }
until_screen "the human's turn" notes_written
cp "$work/screen.png" "$work/before-hint.png"
xdotool key h
timeout=10
until_screen "advice" differs_from "$work/before-hint.png" "$notes" 300
keep consiglio

# Play the first card. If Nonno Zeb moves first the click only earns a reproach, so click again
# until the card leaves the hand, or stays in it outlined while the player is to pick which
# table cards it takes.
timeout=60
end=$((SECONDS + timeout))
played=false
while ((SECONDS < end)); do
    click "${hand1_click[@]}"
    for _ in $(seq 10); do
        shot
        if differs_from "$work/dealt.png" "$hand1_wide" 300; then played=true && break; fi
        sleep 0.2
    done
    $played && break
done
$played || fail "the first card was never played"

# Mid-Gioco: wait for a remark in Nonno Zeb's speech bubble (he urges a slow player too).
bubble="240x75+15+218"
timeout=45
until_screen "remark" bubble_at "$bubble"
keep table

# The options panel and the hall of fame open from the bar and close again.
timeout=10
cp "$work/screen.png" "$work/before-panel.png"
click "${caption_opzioni[@]}"
until_screen "options panel" differs_from "$work/before-panel.png" "$panel" 20000
keep options
click "${caption_opzioni[@]}"
until_screen "options closed" differs_from "$shots/options.png" "$panel" 20000

cp "$work/screen.png" "$work/before-albo.png"
click "${caption_classifica[@]}"
until_screen "hall of fame" differs_from "$work/before-albo.png" "$panel" 20000
keep classifica
click "${caption_classifica[@]}"
until_screen "hall of fame closed" differs_from "$shots/classifica.png" "$panel" 20000

# --- A whole Gioco, by keys and mouse, to the continue prompt ---------------------------------
# Each round plays the first card left in the hand by its key (1, 2, 3) or by a click, and
# walks the yellow focus along the table with the arrows, taking or leaving a card with Space,
# so that a capture with a choice gets made too. The Gioco is over when the continue prompt
# stands over the table: its black frame across the table row, its white "Continua" button.
prompt_top="440x3+292+293"      # the top edge of the prompt's frame
prompt_button="190x30+417+434"  # inside the "Continua" button
prompt_text="400x90+312+318"    # the prompt's line
prompt_shown() {
    awk -v a="$(dark_share "$prompt_top")" 'BEGIN { exit !(a > 0.3) }' &&
        awk -v a="$(white_share "$prompt_button")" 'BEGIN { exit !(a > 0.6) }' &&
        awk -v a="$(dark_share "$prompt_text")" 'BEGIN { exit !(a > 0.02) }'
}
end=$((SECONDS + 240))
round=0
# The number of steps along the table comes from bash's generator, seeded: a fixed cycle of
# steps can come back to the same half-made pick for ever (with a King played on 3, 7, 6, 4,
# taking 4 and 3 leads nowhere), a walk of pseudo-random length gets out of it.
RANDOM=2026
until shot && prompt_shown; do
    ((SECONDS < end)) || fail "the Gioco did not end with the continue prompt"
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended during the Gioco"
    round=$((round + 1))
    if ((round % 2)); then
        xdotool key 1 key 2 key 3
    else
        for x in 351 512 674; do click "$x" 645; done
    fi
    for _ in $(seq $((RANDOM % 4 + 1))); do xdotool key Right; done
    xdotool key space
    [ "$round" -eq 8 ] && keep gioco
    sleep 0.3
done
keep fine-gioco
# A click on "Continua" deals the next Gioco: the prompt goes.
cp "$work/screen.png" "$work/prompt.png"
click 512 454
timeout=10
until_screen "next deal" differs_from "$work/prompt.png" "$prompt_text" 2000
keep nuovo-gioco

# Escape asks whether to give up; "Sì" starts the farewell, then the edition window.
cp "$work/screen.png" "$work/before-exit.png"
xdotool key Escape
until_screen "exit question" differs_from "$work/before-exit.png" "$panel" 20000
keep uscita
click "${answer_yes[@]}"

edition_up() {
    local id
    for id in $(xdotool search --onlyvisible --name '^Gnamm$' 2>/dev/null); do
        xwininfo -id "$id" | grep -q 'Width: 1024' || return 0
    done
    return 1
}
timeout=30
until_screen "edition window" edition_up
keep edizione

# Escape closes the edition window and ends the program.
end=$((SECONDS + 20))
while kill -0 "$game_pid" 2>/dev/null && ((SECONDS < end)); do
    xdotool key Escape
    for _ in $(seq 10); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.2
    done
done
kill -0 "$game_pid" 2>/dev/null && fail "the game did not end when its edition window closed"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" -eq 0 ] || fail "the game exited with status $status"

name_file="$home/.local/share/gnamm/Dati/GnNome.txt"
[ -f "$name_file" ] || fail "no $name_file"
grep -q '"Collaudo"' "$name_file" || fail "GnNome.txt does not hold the name: $(cat "$name_file")"

echo "e2e: played through; screenshots in $shots"
