#!/bin/sh
# Seeded runs of the simulator whose output must not change while the game's behaviour does
# not: whole Tornei at each level against two automatic humans, resumes from every quiet
# moment, and the computer's answers on a corpus of tables. Timings are left out.
#   sim_runs.sh GNAMM_SIM MOVES_CORPUS [--update]
sim="$1"
corpus="$2"
here=$(dirname "$0")
runs() {
    for level in honest cunning cheat; do
        for human in random greedy; do
            "$sim" play --level "$level" --human "$human" --tornei 8 --seed 3 --check --json |
                sed 's/"seconds":[^,]*,"giochi_per_second":[^,]*,//' || echo "exit $?"
        done
    done
    "$sim" play --level cunning --human hint --tornei 4 --seed 4 --json |
        sed 's/"seconds":[^,]*,"giochi_per_second":[^,]*,//'
    "$sim" resume-check --giochi 30 --seed 5 2>&1 | sed 's/; [0-9]* us mean, [0-9]* us max//'
    echo "moves corpus: $("$corpus" 3000 9 | sha256sum | cut -d' ' -f1)"
    sh "$here/../../tools/sim/golden_test.sh" "$sim" && echo "one-position answers as worked by hand"
}
if [ "$3" = "--update" ]; then
    runs > "$here/sim_runs.txt"
    exit 0
fi
runs > sim_runs.out
diff -u "$here/sim_runs.txt" sim_runs.out || { echo "FAIL: the seeded runs changed"; exit 1; }
