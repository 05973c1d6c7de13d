#!/usr/bin/env python3
"""Runs clang-tidy's function size check (.clang-tidy: 80 lines) over every src/*.cpp.

Fails on a function past the limit that long_functions.txt does not list, on an entry there that
is no longer long, and on any other complaint of clang-tidy (a file it cannot read).
Usage: check_function_size.py RUN_CLANG_TIDY BUILD_DIR SOURCE_ROOT JOBS
"""
import re
import subprocess
import sys
from pathlib import Path

COLOUR = re.compile(r'\x1b\[[0-9;]*m')
DIAGNOSTIC = re.compile(r"^(/\S+?):\d+:\d+: (error|warning): (.*)$")
TOO_LONG = re.compile(r"function '([^']+)' exceeds recommended size")


def main(run_tidy, build, root, jobs):
    root = Path(root).resolve()
    listed = Path(__file__).with_name('long_functions.txt')
    known = {line.strip() for line in listed.read_text().splitlines()
             if line.strip() and not line.startswith('#')}
    run = subprocess.run([run_tidy, '-p', build, '-quiet', '-j', jobs,
                          f'-header-filter=^{root}/src/', f'^{root}/src/.*\\.cpp$'],
                         capture_output=True, text=True, check=False)
    found, problems = set(), []
    for line in COLOUR.sub('', run.stdout + run.stderr).splitlines():
        diagnostic = DIAGNOSTIC.match(line)
        if not diagnostic:
            continue
        long_function = TOO_LONG.search(diagnostic[3])
        if long_function:
            found.add(f'{Path(diagnostic[1]).resolve().relative_to(root)}:{long_function[1]}')
        else:
            problems.append(line)
    problems += [f'{f}: past 80 lines: split it' for f in sorted(found - known)]
    problems += [f'{listed}: "{f}" is no longer long: take it out' for f in sorted(known - found)]
    if run.returncode != 0 and not found:
        problems.append(f'run-clang-tidy failed:\n{run.stdout}{run.stderr}')
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == '__main__':
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
