#!/usr/bin/env bash
# Measures the real game in a virtual X server (not a test: it prints figures).
#
#   bench/measure_window.sh [GNAMM_EXECUTABLE]     (default build/gnamm)
#
# GNAMM_IDLE_SECONDS sets how long the idle figures wait (20 s); GNAMM_IDLE_ONLY=1 stops after
# them. GNAMM_MOTION_SECONDS sets how long cards are made to fly (30 s); GNAMM_MOTION_ONLY=1
# takes those figures alone. GNAMM_STARTUP_RUNS sets how many starts the start-up figures take (10), and
# GNAMM_STARTUP_ONLY=1 stops after them; GNAMM_PLAIN_WINDOW names the plain SDL program they are
# set against (default bench/gnamm-plain-window of the game's build folder; without it, none).
#
# Prints: the time from exec to the splash on screen, alone and in the first whole frame (with
# the title and the name prompt), for a first start (no data folder yet) and a later one, min,
# median and max of ten starts each, beside a plain SDL program that shows the splash in a
# window of the same size; the resident memory once the splash shows, the CPU used and the
# wakeups over 20 s of waiting for the player's name and over 20 s of waiting at the table for
# the player's card, and the time to draw one frame of the table at 1920x1440 (drawn whole,
# and as the game draws it: only the part that changed), with the renderer SDL picks and with
# SDL's software renderer; and the frames drawn at 1920x1440 while cards fly (the deals, the
# player's cards and Zeb's): median, 95th percentile and slowest, how many of them had to read a
# picture from disk, and the frames a second.
# Needs Xvfb, xdotool and a build with the assets.
set -euo pipefail

game=${1:-build/gnamm}
[ -x "$game" ] || {
    echo "no executable $game (build it first: make build)" >&2
    exit 1
}
idle_seconds=${GNAMM_IDLE_SECONDS:-20}

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_x() {  # WIDTH HEIGHT
    stop_x
    rm -f "$work/display"
    exec 3>"$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x$2x24" -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        sleep 0.05
    done
    export DISPLAY=":$(head -n1 "$work/display")"
}
stop_x() {
    stop_game
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}
start_game() {  # extra environment assignments...; keep_home=1 starts with the last HOME
    [ -n "${keep_home:-}" ] || { rm -rf "$work/home" && mkdir -p "$work/home"; }
    : >"$work/frames.log"
    started_ns=$(date +%s%N)
    env HOME="$work/home" XDG_DATA_HOME="" SDL_AUDIODRIVER=dummy GNAMM_FRAME_LOG=1 "$@" \
        "$game" 2>"$work/frames.log" >/dev/null &
    game_pid=$!
}
stop_game() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=""
    fi
}
wait_frames() {  # COUNT: until the game has drawn that many frames (10 s at most)
    for _ in $(seq 200); do
        [ "$(grep -c '^gnamm-frame' "$work/frames.log")" -ge "$1" ] && return 0
        sleep 0.05
    done
    echo "the game drew fewer than $1 frames" >&2
    exit 1
}
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }
# CPU share and wakeups a second of the game over $idle_seconds of waiting; $1 says for what.
# Every thread counts (the mixer's too): nanoseconds on a CPU from schedstat, finer than the
# 10 ms ticks of stat, and the times it went to sleep and was woken again. The threads are read
# ten times a second, so that one that ends meanwhile (the audio device's, closed when the game
# is silent) still counts with what it used until its last reading.
idle_figures() {
    local end=$((SECONDS + idle_seconds)) t start_ns
    : >"$work/threads"
    start_ns=$(date +%s%N)
    while ((SECONDS < end)); do
        echo reading >>"$work/threads"
        for t in /proc/"$game_pid"/task/*; do
            echo "${t##*/} $(cut -d' ' -f1 "$t/schedstat" 2>/dev/null) $(awk '/^voluntary_ctxt_switches/ { print $2 }' "$t/status" 2>/dev/null)"
        done >>"$work/threads"
        sleep 0.1
    done
    awk -v s="$((($(date +%s%N) - start_ns) / 1000000))" -v what="$1" '
        BEGIN { s /= 1000 }
        $1 == "reading" { n++; next }
        NF == 3 {
            # A thread born after the first reading started from nothing.
            if (!($1 in cpu0)) { cpu0[$1] = n == 1 ? $2 : 0; wake0[$1] = n == 1 ? $3 : 0 }
            cpu[$1] = $2; wake[$1] = $3
        }
        END {
            for (t in cpu) { c += cpu[t] - cpu0[t]; w += wake[t] - wake0[t] }
            printf "idle CPU:             %.2f%% of a core, %.1f wakeups a second, over %.0f s %s\n", 100 * c / 1e9 / s, w / s, s, what
        }' "$work/threads"
}

# --- Start-up: exec to the picture on screen, a first and a later start, and a plain program ---
runs=${GNAMM_STARTUP_RUNS:-10}
plain=${GNAMM_PLAIN_WINDOW:-$(dirname "$game")/bench/gnamm-plain-window}
splash=$(ls "$(dirname "$game")"/assets/Grafica/Splash.* \
    "$(dirname "$game")"/../share/games/gnamm/Grafica/Splash.* 2>/dev/null | head -n1 || true)
# Milliseconds from exec to the wall-clock moment of the first log line starting with $1.
shown_ms() {
    local ns
    ns=$(grep -m1 "^$1" "$work/frames.log" | field shown_unix_ns || true)
    if [ -n "$ns" ]; then echo $(((ns - started_ns) / 1000000)); fi
}
record() {  # what, milliseconds (nothing when the log said nothing)
    if [ -n "$2" ]; then echo "$1: $2" >>"$work/times"; fi
}
# One start of the game: the splash alone (the game's first picture) and the first whole frame.
time_game_start() {  # label of the start
    start_game
    wait_frames 1
    local alone whole
    alone=$(shown_ms gnamm-first-picture)
    whole=$(shown_ms 'gnamm-frame 1 ')
    record "$1, the splash alone" "${alone:-$whole}"
    record "$1, the first whole frame" "$whole"
    stop_game
}
startup_runs() {
    start_x 1024 768
    : >"$work/times"
    local i
    for i in $(seq "$runs"); do
        keep_home="" time_game_start "first start"
        keep_home=1 time_game_start "later start"
        if [ -x "$plain" ] && [ -n "$splash" ]; then
            started_ns=$(date +%s%N)
            "$plain" "$splash" 2>"$work/frames.log" >/dev/null &
            game_pid=$!
            wait_frames 1
            record "plain SDL program, the splash" "$(shown_ms 'gnamm-frame 1 ')"
            stop_game
        fi
        sleep 0.3
    done
    stop_x
    echo "== start-up, $runs starts each: ms from exec to the picture on screen (min / median / max)"
    local what
    while IFS= read -r what; do
        grep -F "$what: " "$work/times" | sed 's/.*: //' | sort -n | awk -v what="$what" -v runs="$runs" '
            { v[NR] = $1 }
            END { printf "%-40s %4d / %5.1f / %4d%s\n", what ":", v[1], (v[int((NR + 1) / 2)] + v[int(NR / 2) + 1]) / 2, v[NR], NR == runs ? "" : " (" NR " starts)" }'
    done < <(sed 's/: [0-9]*$//' "$work/times" | awk '!seen[$0]++')
}

# --- Memory and idle CPU at 1024x768 ---------------------------------------------------------
startup_figures() {  # label, extra environment...
    local label=$1
    shift
    start_x 1024 768
    start_game "$@"
    wait_frames 1
    local renderer
    renderer=$(grep -m1 '^gnamm-frame 1 ' "$work/frames.log" | field renderer)
    echo "== $label (renderer $renderer)"
    printf 'first splash frame:   %d ms after exec (the splash alone: %s ms)\n' \
        "$(shown_ms 'gnamm-frame 1 ')" "$(shown_ms gnamm-first-picture)"

    sleep 1 # what loads after the splash has had its moment
    printf 'memory after splash:  %d MB resident (peak %d MB)\n' \
        $(($(awk '/^VmRSS/ { print $2 }' "/proc/$game_pid/status") / 1024)) \
        $(($(awk '/^VmHWM/ { print $2 }' "/proc/$game_pid/status") / 1024))

    idle_figures "waiting for a name"
    stop_x
}
# The game started on a screen of the given size, a name typed and 'Honest' Zeb chosen by his
# photo on the level panel (at x, y on that screen), then left to deal for some seconds.
reach_table() {  # width, height, photo x, photo y, seconds to settle, extra environment...
    local width=$1 height=$2 photo_x=$3 photo_y=$4 settle=$5
    shift 5
    start_x "$width" "$height"
    start_game "$@"
    wait_frames 1
    sleep 0.5
    xdotool type --delay 20 Misura
    xdotool key Return
    sleep 1
    xdotool mousemove "$photo_x" "$photo_y" click 1
    sleep "$settle"
}
# Idle at the table: the deal done, the game waiting for the player's card.
table_idle_figures() {  # label, extra environment...
    local label=$1
    shift
    reach_table 1024 768 666 215 8 "$@" # the deal, and Zeb's first move when he leads
    echo "== $label, at the table"
    idle_figures "waiting for the player's card (Zeb urges him as he likes)"
    stop_x
}
# --- Frames while cards move, at 1920x1440 --------------------------------------------------
motion_seconds=${GNAMM_MOTION_SECONDS:-30}
# The frames the game logged with moving=1 (a card in flight, or a pile's glow): their draw
# time, and the rate at which they came. Frames of one motion follow within 100 ms of each
# other; a longer gap is a pause between two motions and is no frame's time.
motion_figures() {  # label
    grep '^gnamm-frame.* moving=1' "$work/frames.log" >"$work/moving" || true
    local n
    n=$(wc -l <"$work/moving")
    if [ "$n" -eq 0 ]; then
        echo "frame while cards move ($1): no frames drawn" >&2
        return
    fi
    field draw_us <"$work/moving" | sort -n >"$work/draws"
    field shown_unix_ns <"$work/moving" | awk '
        NR > 1 && $1 - last < 100e6 { gaps++; ns += $1 - last }
        { last = $1 }
        END { printf "%.1f\n", gaps ? gaps / (ns / 1e9) : 0 }' >"$work/fps"
    # Frames that had to read a picture from disk (none, once the cards are made ahead).
    local reads
    reads=$(grep -c ' loads=[1-9]' "$work/moving" || true)
    awk -v label="$1" -v n="$n" -v fps="$(cat "$work/fps")" -v reads="$reads" \
        -v r="$(field renderer <"$work/frames.log" | head -n1)" '
        { d[NR] = $1 }
        END { printf "frame 1920x1440 while cards move:  median %.1f ms, 95th percentile %.1f ms, slowest %.1f ms, %d frames (%d reading a picture), %s frames a second (%s, %s)\n",
                     d[int((n + 1) / 2)] / 1000, d[int((n * 95 + 99) / 100)] / 1000, d[n] / 1000, n, reads, fps, r, label }' "$work/draws"
}
# The deal, then the player's three cards clicked in turn (a click while Zeb plays or deals is
# ignored, so this works whoever leads), Zeb's answers and the next deals; Enter goes on to the
# next Gioco when one ends, whose deal flies too.
motion_frames() {  # label, extra environment...
    local label=$1
    shift
    reach_table 1920 1440 1249 403 1 "$@"
    local end=$((SECONDS + motion_seconds)) x
    while ((SECONDS < end)); do
        for x in 660 960 1260; do
            xdotool mousemove "$x" 1210 click 1
            sleep 1.2
        done
        xdotool key Return
    done
    motion_figures "$label"
    stop_x
}
if [ -n "${GNAMM_MOTION_ONLY:-}" ]; then
    motion_frames "the game's own renderer"
    motion_frames "OpenGL" SDL_RENDER_DRIVER=opengl
    exit 0
fi
[ -n "${GNAMM_IDLE_ONLY:-}" ] || startup_runs
[ -z "${GNAMM_STARTUP_ONLY:-}" ] || exit 0
startup_figures "the game's own renderer"
startup_figures "the renderer SDL picks" SDL_RENDER_DRIVER=opengl
table_idle_figures "the game's own renderer"

# --- One full frame of the table at 1920x1440 ------------------------------------------------
table_frames() {  # label, extra environment...
    local label=$1
    shift
    reach_table 1920 1440 1249 403 6 "$@" # the deal, drawn frame by frame, pictures loading
    # Then whole frames of pictures already loaded: the "Notes" box hidden and shown again.
    local before_toggles
    before_toggles=$(grep -c '^gnamm-frame' "$work/frames.log")
    for _ in $(seq 10); do
        xdotool mousemove 834 26 click 1
        sleep 0.3
    done
    tail -n +"$((before_toggles + 1))" "$work/frames.log" | grep '^gnamm-frame' >"$work/steady"
    field draw_us <"$work/steady" | sort -n >"$work/draws"
    field present_us <"$work/steady" | sort -n >"$work/presents"
    local n
    n=$(wc -l <"$work/draws")
    if [ "$n" -eq 0 ]; then
        echo "frame at 1920x1440 ($label): no frames drawn" >&2
        return
    fi
    awk -v label="$label" -v n="$n" -v r="$(field renderer <"$work/frames.log" | head -n1)" \
        -v p="$(sed -n "$(((n + 1) / 2))p" "$work/presents")" '
        { d[NR] = $1 }
        END { printf "frame 1920x1440:  median %.1f ms (of which %.1f ms presenting), slowest %.1f ms, %d frames (%s, %s)\n",
                     d[int((n + 1) / 2)] / 1000, p / 1000, d[n] / 1000, n, r, label }' "$work/draws"
    stop_x
}
[ -n "${GNAMM_IDLE_ONLY:-}" ] && exit 0 # the idle figures alone
table_frames "whole frames" GNAMM_WHOLE_FRAMES=1
table_frames "changed part only, as the game draws"
table_frames "OpenGL, whole frames" SDL_RENDER_DRIVER=opengl GNAMM_WHOLE_FRAMES=1
table_frames "OpenGL, changed part only" SDL_RENDER_DRIVER=opengl
motion_frames "the game's own renderer"
motion_frames "OpenGL" SDL_RENDER_DRIVER=opengl
