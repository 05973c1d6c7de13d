#!/bin/bash
# Fails when a source file includes a folder above its own: the layers of src/ point one way.
#
#   data, and the pure rules in game/   the bottom
#   game/ (the game flow), persona/, audio/
#   ui/                                 derives the screen from the state
#   platform/                           SDL, on top
#
# known_upward.txt lists the includes that still point up, one "file:folder" a line, until they
# are turned round; a new one fails the check, and so does an entry that no longer applies.
set -eu
root=${1:?usage: check_includes.sh SOURCE_ROOT}
known="$(dirname "$0")/known_upward.txt"
cd "$root"

found=$(
    for dir in src/rules src/data src/game src/persona src/audio; do
        grep -rlE '#include "(ui|platform)/' "$dir" | while read -r f; do
            grep -oE '#include "(ui|platform)/' "$f" | sed -E "s|#include \"([a-z]+)/|$f:\1|"
        done
    done
    grep -rlE '#include "platform/' src/ui | while read -r f; do echo "$f:platform"; done
)
found=$(printf '%s\n' "$found" | grep -v '^$' | sort -u || true)
expected=$(grep -vE '^(#|$)' "$known" | sort -u || true)

status=0
new=$(comm -23 <(printf '%s\n' "$found") <(printf '%s\n' "$expected") | grep -v '^$' || true)
gone=$(comm -13 <(printf '%s\n' "$found") <(printf '%s\n' "$expected") | grep -v '^$' || true)
if [ -n "$new" ]; then
    echo "Includes that point up a layer (a lower folder must not include a higher one):"
    echo "$new"
    status=1
fi
if [ -n "$gone" ]; then
    echo "No longer found, take them out of $known:"
    echo "$gone"
    status=1
fi
exit $status
