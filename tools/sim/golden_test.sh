#!/bin/sh
# The one-position commands on positions worked by hand: exact output.
sim="$1"
fail=0
expect() {
    cmd="$1"
    input="$2"
    want="$3"
    got=$(printf '%s' "$input" | "$sim" "$cmd")
    if [ "$got" != "$want" ]; then
        printf 'FAIL: %s <<< %s\n  want %s\n  got  %s\n' "$cmd" "$input" "$want" "$got"
        fail=1
    fi
}
# 3 takes 3 and leaves 5 with two 5s unseen among 15 cards: risk -169/455.
expect moves '{"level":"honest","table":{"7":"3p","8":"5f"},"pc_hand":{"1":"3c"},"valori_rimasti":[4,4,4,4,2,4,4,4,4,4],"carte_rimaste_nel_mazzo":12,"carte_in_mano_h":3}' \
    '{"moves":[{"place":1,"card":"3c","captures":[7],"gnamm":false,"reali":0,"potenziali":0.0952,"rischio":-0.3714286,"totali":-0.2762286}],"mossa_migliore":1,"seconda_mossa":1,"ace_rule":false}'
# The ace's sweep is best, but a safe 2 is within 0.4 of it: the ace is kept.
expect moves '{"level":"cheat","table":{"7":"2c","8":"Kq"},"pc_hand":{"1":"Ap","2":"2p"},"h_hand":{"4":"3c"},"carte_rimaste_nel_mazzo":20}' \
    '{"moves":[{"place":1,"card":"Ap","captures":[7,8],"gnamm":true,"reali":0,"potenziali":0.3106,"rischio":0,"totali":0.3106},{"place":2,"card":"2p","captures":[7],"gnamm":false,"reali":0,"potenziali":0.0952,"rischio":0,"totali":0.0952}],"mossa_migliore":2,"seconda_mossa":2,"ace_rule":true}'
# The human holds a 2 this time: the second move is not safe and the ace sweeps.
expect moves '{"level":"cheat","table":{"7":"2c","8":"Kq"},"pc_hand":{"1":"Ap","2":"2p"},"h_hand":{"4":"Kc"},"carte_rimaste_nel_mazzo":20}' \
    '{"moves":[{"place":1,"card":"Ap","captures":[7,8],"gnamm":true,"reali":0,"potenziali":0.3106,"rischio":0,"totali":0.3106},{"place":2,"card":"2p","captures":[7],"gnamm":false,"reali":0,"potenziali":0.0952,"rischio":-1,"totali":-0.9048}],"mossa_migliore":1,"seconda_mossa":2,"ace_rule":false}'
expect capture '{"table":{"7":"3c","8":"3q","9":"4f"},"card":"7c"}' \
    '{"outcome":"choose-sum","captured":[7,8,9],"combinations":2,"equal":0,"gnamm":false,"asso_bevuto":false}'
expect capture '{"table":{"7":"Ac","8":"2q","9":"3f","10":"4p"},"card":"Kc"}' \
    '{"outcome":"capture","captured":[7,8,9,10],"combinations":1,"equal":0,"gnamm":true,"asso_bevuto":false}'
expect capture '{"table":{"7":"5c","8":"Aq","9":"7f"},"card":"Ap"}' \
    '{"outcome":"capture","captured":[8],"combinations":0,"equal":0,"gnamm":false,"asso_bevuto":true}'
exit $fail
