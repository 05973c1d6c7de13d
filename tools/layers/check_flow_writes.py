#!/usr/bin/env python3
"""Fails when a file of src/ui or src/platform assigns to a field of the game flow.

The window changes the flow only through Game's commands (game/game.h); it reads the rest.
Caught, line by line: `=`, a compound assignment, `++` or `--` on a field reached through a
Game (`g.`, `game.`, `f.game.`, any `name.game.`, a name declared `Game&`) or through a
reference bound to such a field (`RankingState& c = g.classifica;`). Not caught: a field handed
to a function that changes it, or a write through a pointer; the table's view (`vista`), which is
leaving the flow for the window, is let be. ALLOWED lists, one a line,
`src/file: field field ...` writes still to be turned into commands; an entry whose file writes
none of its fields any more fails too.
Usage: check_flow_writes.py SOURCE_ROOT ALLOWED_FILE
"""
import re
import sys
from pathlib import Path

FOLDERS = ('ui', 'platform')
IGNORED = {'vista'}
GAME_DECL = re.compile(r'\bGame\s*&\s*(\w+)')
OTHER_DECL = re.compile(r'\b(?:Finestra|App|MainLoop)\s*&?\s*(\w+)\s*[({;=,)]')
ALIAS = r'(?<!const )\b[A-Z]\w*\s*&\s*(\w+)\s*=\s*{ref}'
ACCESS = r'(?:\b\w+\.game|{names})\.(\w+)'
TAIL = r'(?:\.\w+|\[[^]=]*\]|\(\))*'
ASSIGN = r'\s*(?:[-+*/|&^]?=(?!=)|\+\+|--)'


def flow_writes(text):
    """(line number, field, line) for each write to a flow field in one file's text."""
    names = {'g', 'game'} | set(GAME_DECL.findall(text))
    names -= set(OTHER_DECL.findall(text)) - set(GAME_DECL.findall(text))
    ref = ACCESS.format(names='|'.join(rf'\b{n}' for n in sorted(names)))
    write = re.compile(rf'(?:{ref}){TAIL}{ASSIGN}|(?:\+\+|--)\s*(?:{ref})')
    alias = re.compile(ALIAS.format(ref=ref))
    aliases = {}  # within one function: its closing brace at the margin forgets them
    for number, line in enumerate(text.splitlines(), 1):
        code = line.split('//')[0]
        found = [(m[1] or m[2]) for m in write.finditer(code)]
        for name, field in aliases.items():
            # At the start of a statement: `const T c = ...` names another c.
            if re.search(rf'(?:^|[;{{)]|\belse)\s*{name}{TAIL}{ASSIGN}|(?:\+\+|--)\s*{name}\b',
                         code):
                found.append(field)
        aliases.update(alias.findall(code))
        if code.startswith('}'):
            aliases.clear()
        for field in found:
            if field not in IGNORED:
                yield number, field, line.strip()


def main(root, allowed_file):
    root = Path(root)
    allowed = {}
    for line in Path(allowed_file).read_text().splitlines():
        if line.strip() and not line.startswith('#'):
            path, fields = line.split(':', 1)
            allowed[path.strip()] = set(fields.split())
    problems, used = [], set()
    for folder in FOLDERS:
        for path in sorted((root / 'src' / folder).rglob('*')):
            if path.suffix not in ('.h', '.cpp'):
                continue
            name = path.relative_to(root).as_posix()
            for number, field, line in flow_writes(path.read_text(errors='replace')):
                if field in allowed.get(name, ()):
                    used.add(name)
                    continue
                problems.append(f'{name}:{number}: {line}: the window sets the flow\'s '
                                f'"{field}": add a command to Game and call it')
    problems += [f'{allowed_file}: "{p}" writes none of its fields any more: take it out'
                 for p in sorted(allowed.keys() - used)]
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
