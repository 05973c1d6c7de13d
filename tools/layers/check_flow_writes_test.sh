#!/bin/bash
# check_flow_writes.py on a small tree: reads, commands and an allowed write pass; a write through
# g., f.game., a Game& name, a reference to a field and ++, and a stale allowance, fail, each named.
set -eu
check="python3 $(dirname "$0")/check_flow_writes.py"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp"/src/{ui,platform}
echo 'src/ui/a.cpp: opzioni' >"$tmp/allowed.txt"
cat >"$tmp/src/ui/a.cpp" <<'CPP'
void A(Finestra& f) {
    Game& g = f.game;
    const RankingState& c = g.classifica;
    if (g.livello == Livello::None || c.lampeggia != 0) return;
    g.scegliLivello(l);  // g.livello = l;
    g.opzioni.musiche = true;
}
void B(Finestra& f) {
    const Consiglio c = Calcola(f);
    c = Calcola(f);
}
CPP
echo 'void C(Finestra& game) { game.salvaTorneo = true; }' >"$tmp/src/platform/c.cpp"
if ! out=$($check "$tmp" "$tmp/allowed.txt"); then
    echo "reads, commands and an allowed write failed:"; echo "$out"; exit 1
fi

: >"$tmp/src/ui/a.cpp"
cat >"$tmp/src/platform/b.cpp" <<'CPP'
void B(Finestra& f, Game& partita) {
    f.game.nome = "Ugo";
    partita.pc.onesta = true;
    RankingState& c = f.game.classifica;
    if (x) c.lampeggia = 0;
    ++f.game.partita.gioco;
    g.umano.fuoco += 1;
}
CPP
if out=$($check "$tmp" "$tmp/allowed.txt"); then
    echo "planted writes passed the check"; exit 1
fi
for want in 'b.cpp:2:' '"nome"' 'b.cpp:3:' '"pc"' 'b.cpp:5:' '"classifica"' 'b.cpp:6:' \
    '"partita"' 'b.cpp:7:' '"umano"' '"src/ui/a.cpp" writes none of its fields any more'; do
    grep -qF "$want" <<<"$out" || { echo "not reported: $want"; echo "$out"; exit 1; }
done
[ "$(wc -l <<<"$out")" = 6 ] || { echo "reported more than planted:"; echo "$out"; exit 1; }
