#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence's SPDX line at the top of every source file that lacks it,
or, with --check, lists those files and fails.

Usage: scripts/add_spdx.py [--check] [ROOT]

Source files are C++ (.cpp, .h), CMake (CMakeLists.txt, .cmake), Python,
shell scripts (.sh, or any file starting with #!), scdoc manual pages (.scd)
and desktop entries (.desktop). The line goes first, after a #! line, and
after a manual page's title line (scdoc reads nothing before it). Build
folders, the fuzz corpora and data (the catalogue, pictures, sounds, the
AppStream metadata with its own licence) are left alone, and so is any
folder holding a CMakeCache.txt, whatever its name: a build tree's files are
made by the build. Running it again changes nothing."""
import os
import sys

IDENTIFIER = 'SPDX-License-Identifier: GPL-3.0-or-later'
# Folders at any depth that hold no sources of ours: version control, the
# inputs of the fuzz targets, Python's byte code.
SKIP_DIRS = {'.git', 'corpus', '__pycache__'}
COMMENT = {'.cpp': '//', '.h': '//', '.py': '#', '.sh': '#', '.cmake': '#', '.desktop': '#', '.scd': ';'}
# How many lines at the top a marker may follow: a #! line or a title line.
LOOK = 3


def comment_of(path):
    """The comment mark for a source file, or None for a file left alone."""
    name = os.path.basename(path)
    if name == 'CMakeLists.txt':
        return '#'
    mark = COMMENT.get(os.path.splitext(name)[1])
    if mark:
        return mark
    if os.path.splitext(name)[1] == '' and os.access(path, os.X_OK):
        with open(path, 'rb') as file:
            if file.read(2) == b'#!':
                return '#'
    return None


def source_files(root):
    for folder, dirs, files in os.walk(root):
        dirs[:] = sorted(d for d in dirs if d not in SKIP_DIRS and not d.startswith('build')
                         and not os.path.exists(os.path.join(folder, d, 'CMakeCache.txt')))
        for name in sorted(files):
            path = os.path.join(folder, name)
            if os.path.isfile(path) and not os.path.islink(path):
                mark = comment_of(path)
                if mark:
                    yield path, mark


def with_identifier(text, mark, path):
    """The text with the SPDX line in its place; the same text if it has one."""
    lines = text.splitlines(keepends=True)
    if any(IDENTIFIER in line for line in lines[:LOOK]):
        return text
    keep = 1 if lines and (lines[0].startswith('#!') or path.endswith('.scd')) else 0
    head = ''.join(lines[:keep])
    if head and not head.endswith('\n'):
        head += '\n'
    return head + f'{mark} {IDENTIFIER}\n' + ''.join(lines[keep:])


def main(argv):
    args = argv[1:]
    check = '--check' in args
    args = [a for a in args if a != '--check']
    if len(args) > 1 or any(a.startswith('-') for a in args):
        print(__doc__.split('\n\n')[1], file=sys.stderr)
        return 2
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
    missing = []
    for path, mark in source_files(root):
        with open(path, encoding='utf-8', newline='') as file:
            text = file.read()
        new = with_identifier(text, mark, path)
        if new == text:
            continue
        missing.append(os.path.relpath(path, root))
        if not check:
            with open(path, 'w', encoding='utf-8', newline='') as file:
                file.write(new)
    for path in missing:
        print(f'{path}: no "{IDENTIFIER}" line' if check else f'{path}: SPDX line added',
              file=sys.stderr if check else sys.stdout)
    print(f'{len(missing)} source files {"without the SPDX line" if check else "given the SPDX line"}')
    return 1 if check and missing else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
