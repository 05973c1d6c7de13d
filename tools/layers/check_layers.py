#!/usr/bin/env python3
"""Holds every #include "folder/..." in src/ to the order of the layers.

Fails on an include that points up or across, on a cycle between folders, on a folder the order
does not place, and on an allowance that is no longer needed, naming file and line.
Usage: check_layers.py SOURCE_ROOT ORDER_FILE ALLOWED_FILE
"""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'\s*#\s*include\s+"([a-z_]+)/')


def entries(path):
    lines = (line.strip() for line in Path(path).read_text().splitlines())
    return [line for line in lines if line and not line.startswith('#')]


def folder_includes(src):
    """(from folder, to folder, where, text) for each include of a file in another folder."""
    for path in sorted(src.rglob('*')):
        parts = path.relative_to(src).parts
        if path.suffix not in ('.h', '.cpp') or len(parts) < 2:
            continue
        for number, line in enumerate(path.read_text(errors='replace').splitlines(), 1):
            match = INCLUDE.match(line)
            if match and match[1] != parts[0]:
                yield parts[0], match[1], f'src/{"/".join(parts)}:{number}', line.strip()


def cycles(edges):
    graph = {}
    for a, b in edges:
        graph.setdefault(a, set()).add(b)
    found, state = [], {}

    def visit(node, path):
        state[node] = 'open'
        for following in sorted(graph.get(node, ())):
            if state.get(following) == 'open':
                found.append(path[path.index(following):] + [following])
            elif following not in state:
                visit(following, path + [following])
        state[node] = 'done'

    for node in sorted(graph):
        if node not in state:
            visit(node, [node])
    return found


def main(root, order_file, allowed_file):
    src = Path(root) / 'src'
    rank = {f: i for i, line in enumerate(entries(order_file)) for f in line.split()}
    allowed = {tuple(p.strip() for p in line.split('->')) for line in entries(allowed_file)}
    folders = {p.name for p in src.iterdir() if p.is_dir()}
    problems = [f'src/{f}/: a folder the layers do not place: add it to {order_file}'
                for f in sorted(folders - rank.keys())]
    used, edges = set(), set()
    for a, b, where, text in folder_includes(src):
        if b not in folders:
            continue
        if (a, b) in allowed:
            used.add((a, b))
            continue
        edges.add((a, b))
        if a in rank and b in rank and rank[b] >= rank[a]:
            side = 'beside' if rank[a] == rank[b] else 'above'
            problems.append(f'{where}: {text}: {a}/ may not include {b}/, {side} it')
    problems += [f'cycle between folders: {" -> ".join(c)}' for c in cycles(edges)]
    problems += [f'{allowed_file}: "{a} -> {b}" is no longer needed: take it out'
                 for a, b in sorted(allowed - used)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
