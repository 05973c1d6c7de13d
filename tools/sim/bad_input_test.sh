#!/bin/sh
# Bad input to the one-position commands: one line on stderr and exit code 2, never a crash.
sim="$1"
fail=0
check() {
    cmd="$1"
    input="$2"
    err=$(printf '%s' "$input" | "$sim" "$cmd" 2>&1 >/dev/null)
    rc=$?
    lines=$(printf '%s\n' "$err" | wc -l)
    if [ "$rc" -ne 2 ] || [ "$lines" -ne 1 ]; then
        echo "FAIL: $cmd <<< $input: exit $rc, stderr: $err"
        fail=1
    fi
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
exit $fail
