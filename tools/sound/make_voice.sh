#!/usr/bin/env bash
# Speaks one of Nonno Zeb's lines with espeak-ng and ages it with sox: an old man's voice, a
# little chest and the wooden room around him. The speed is fitted so the voice ends within
# the time the game gives the line, words untouched.
#
#   make_voice.sh <line file> <output.wav> <record>
# The line file holds the time limit in milliseconds on its first line and the words to say
# on its second. The record keeps the line and the version of this script the voice was last
# made from: when neither has changed, the voice is kept and only marked fresh.
set -euo pipefail

line_file=$1
out=$2
record=$3
signature="$(cat "$line_file")
$(sha1sum < "${BASH_SOURCE[0]}")"
if [ -f "$out" ] && [ -f "$record" ] && [ "$signature" = "$(cat "$record")" ]; then
    touch "$out"
    exit 0
fi
limit_ms=$(sed -n 1p "$line_file")
words=$(sed -n 2p "$line_file")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

base_speed=135
pitch=35
# The reverb tail counts towards the limit: a long line keeps its full tail, a short one a
# tail in proportion.
pad=$(awk -v l="$limit_ms" 'BEGIN { p = l * 0.2 / 1000; if (p > 0.6) p = 0.6; printf "%.3f", p }')
budget=$(awk -v l="$limit_ms" -v p="$pad" 'BEGIN { printf "%.3f", l / 1000 - p }')

speak() {  # speed -> $work/dry.wav: the bare words, silence trimmed
    espeak-ng -v it+grandpa -p "$pitch" -s "$1" -w "$work/raw.wav" -- "$words"
    sox "$work/raw.wav" "$work/dry.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
}

speed=$base_speed
speak "$speed"
length=$(soxi -D "$work/dry.wav")
# Speed up only as much as needed; espeak-ng keeps the words clear up to about 450 words a
# minute, and beyond that sox's time stretch takes the rest.
speed=$(awk -v s="$speed" -v d="$length" -v b="$budget" \
    'BEGIN { n = s; if (d > b) n = int(s * d / b * 1.04 + 1); if (n > 450) n = 450; print n }')
if [ "$speed" != "$base_speed" ]; then
    speak "$speed"
    length=$(soxi -D "$work/dry.wav")
fi
stretch=()
if awk -v d="$length" -v b="$budget" 'BEGIN { exit !(d > b) }'; then
    stretch=(tempo -s "$(awk -v d="$length" -v b="$budget" 'BEGIN { printf "%.3f", d / b }')")
fi

# Down a semitone and a half, a little chest, the highs dulled, and the room.
sox -G "$work/dry.wav" "$out" "${stretch[@]}" pitch -150 bass +4 lowpass 4000 \
    pad 0.02 "$pad" reverb 25 50 60 norm -1 channels 1
printf '%s\n' "$signature" > "$record"
