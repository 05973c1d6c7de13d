#!/bin/bash
# check_layers.py on a small tree: clean, it passes; with an include up, a cycle and a stale
# allowance planted, it fails and names each.
set -eu
check="python3 $(dirname "$0")/check_layers.py"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp"/src/{rules,data,ui/sub}
printf 'rules\ndata\nui\n' >"$tmp/order.txt"
echo 'data -> ui' >"$tmp/allowed.txt"
echo '#include "rules/a.h"' >"$tmp/src/data/b.h"
echo '#include "data/b.h"' >"$tmp/src/ui/sub/c.h"
echo '#include "ui/sub/c.h"' >"$tmp/src/data/b.cpp"
if ! out=$($check "$tmp" "$tmp/order.txt" "$tmp/allowed.txt"); then
    echo "a tree whose one upward include is allowed failed:"; echo "$out"; exit 1
fi

echo '#include "data/b.h"' >"$tmp/src/rules/a.h"
: >"$tmp/src/data/b.cpp"
if out=$($check "$tmp" "$tmp/order.txt" "$tmp/allowed.txt"); then
    echo "planted faults passed the check"; exit 1
fi
for want in 'src/rules/a.h:1: #include "data/b.h": rules/ may not include data/, above it' \
    'cycle between folders: data -> rules -> data' '"data -> ui" is no longer needed'; do
    grep -qF "$want" <<<"$out" || { echo "not reported: $want"; echo "$out"; exit 1; }
done
