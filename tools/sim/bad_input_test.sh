#!/bin/sh
# Bad input to gnamm-sim: one short line on stderr (never the whole input echoed) and exit
# code 2, never a crash.
sim="$1"
fail=0
tmp=$(mktemp)
trap 'rm -f "$tmp"' EXIT
# The bad input comes from the file $tmp (or $input); the arguments are the command line.
judge() {
    err=$(timeout 60 "$sim" "$@" <"${input:-$tmp}" 2>&1 >/dev/null)
    rc=$?
    lines=$(printf '%s\n' "$err" | wc -l)
    if [ "$rc" -ne 2 ] || [ "$lines" -ne 1 ] || [ "${#err}" -gt 300 ]; then
        echo "FAIL: $* <<< $(head -c 60 "$tmp"): exit $rc, stderr: $(printf '%s' "$err" | head -c 400)"
        fail=1
    fi
    expected_words=${expect:-}
    if [ -n "$expected_words" ] && ! printf '%s' "$err" | grep -qF -- "$expected_words"; then
        echo "FAIL: $*: stderr does not say '$expected_words': $err"
        fail=1
    fi
    expect=""
    input=""
}
check() {
    printf '%s' "$2" >"$tmp"
    judge "$1"
}
check moves '{not json'
check moves ''
check moves '[1, 2]'
check moves '{"table": {"7": "9c"}}'
check moves '{"table": {"7": "5c"}, "pc_hand": {"1": "5c"}}'
check moves '{"table": {"18": "5c"}}'
check moves '{"table": {"x7": "5c"}}'
check moves '{"pc_hand": {"4": "5c"}}'
check moves '{"h_hand": {"3": "5c"}}'
check moves '{"level": "sneaky"}'
check moves '{"valori_rimasti": [4, 4, 4]}'
check moves '{"valori_rimasti": [4, 4, 4, 4, 4, 4, 4, 4, 4, 9]}'
check moves '{"carte_in_mano_h": 7}'
check moves '{"points": {"sette": "Zeb"}}'
check moves '{"counts_pc": {"sette": "two"}}'
check moves '{"table": {"7": 5}}'
check capture '{"table": {"7": "5c"}}'
check capture '{"table": {"7": "5c"}, "card": "5c"}'
check capture '{"table": {"7": "5c"}, "card": "Zz"}'
check capture '{"table": {"20": "5c"}, "card": "5p"}'
deep=$(awk 'BEGIN { for (i = 0; i < 100000; i++) printf "["; for (i = 0; i < 100000; i++) printf "]" }')
check moves "$deep"
check moves "{\"table\": $deep}"
# A NUL does not end the input; nothing may follow the value; a newline in a card code or a
# huge input is quoted short, on one line.
printf '{}\000garbage' >"$tmp"; expect="NUL byte at offset 2" judge moves
printf '{"table": {}, "card": "5c"} trailing' >"$tmp"; judge capture
printf '%s' '{"table": {}, "card": "5\nc"}' >"$tmp"; expect='unknown card code "5\nc"' judge capture
awk 'BEGIN { printf "{\"card\": \""; for (i = 0; i < 1000000; i++) printf "x"; printf "\"}" }' >"$tmp"
judge capture
awk 'BEGIN { printf "{\"card\": \""; for (i = 0; i < 1000000; i++) printf "x" }' >"$tmp"
judge capture
# An endless input ends at the cap, not when the memory is full.
input=/dev/zero expect="longer than 1 MiB" judge moves
input=/dev/zero expect="longer than 1 MiB" judge capture
: >"$tmp"
expect="--level needs a value" judge play --level
expect="--seed needs a value" judge play --giochi 3 --seed
expect='unknown option "--x\ny"' judge play "--x
y"
expect="unknown command" judge "$(awk 'BEGIN { for (i = 0; i < 100000; i++) printf "z" }')"
judge moves extra
# --help works for every command.
for cmd in play moves capture; do
    if ! "$sim" $cmd --help </dev/null | grep -q "^usage:"; then
        echo "FAIL: $cmd --help"
        fail=1
    fi
done
exit $fail
