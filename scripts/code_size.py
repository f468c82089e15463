#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reports the longest product files and functions, and fails when one is
over the house limits (600 lines a file, 80 lines a function).

Usage: scripts/code_size.py [--top N] [ROOT]

Product code is every .cpp and .h outside tests/, fuzz/, bench/ and build
folders. A file's size leaves out its licence line, which every file carries. A function is a brace block opened outside any other function body
whose head is not a namespace, class, struct, union, enum or initializer; its
length counts the lines from its head to its closing brace."""
import os
import re
import sys

FILE_LIMIT = 600
FUNCTION_LIMIT = 80
SKIP = {'tests', 'fuzz', 'bench', '.git'}


def product_files(root):
    for folder, dirs, files in os.walk(root):
        rel = os.path.relpath(folder, root)
        top = rel.split(os.sep)[0]
        if top in SKIP or top.startswith('build') or '/tests' in '/' + rel.replace(os.sep, '/'):
            dirs[:] = []
            continue
        for name in files:
            if name.endswith(('.cpp', '.h')):
                yield os.path.join(folder, name)


def strip(text):
    """Blanks out comments, strings and character literals, keeping newlines."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith('//', i):
            j = text.find('\n', i)
            j = n if j < 0 else j
            out.append(' ' * (j - i)); i = j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r'[^\n]', ' ', text[i:j])); i = j
        elif c == 'R' and text.startswith('R"', i):
            m = re.match(r'R"([^(]*)\(', text[i:])
            end = text.find(')' + m.group(1) + '"', i) if m else -1
            j = n if end < 0 else end + len(m.group(1)) + 2
            out.append(re.sub(r'[^\n]', ' ', text[i:j])); i = j
        elif c in '"\'':
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == '\\' else 1
            out.append(' ' * (min(j + 1, n) - i)); i = j + 1
        else:
            out.append(c); i += 1
    return ''.join(out)


CONTAINER = re.compile(r'\b(namespace|class|struct|union|enum)\b[^;()]*$')


def functions(path):
    text = strip(open(path, encoding='utf-8').read())
    stack = []  # (kind, start line, head)
    last = 0    # where the current head began
    line = 1
    for i, c in enumerate(text):
        if c == '\n':
            line += 1
        elif c in ';{}':
            if c == '{':
                head = text[last:i]
                inside = any(k == 'function' for k, _, _ in stack)
                if inside:
                    kind = 'block'
                elif CONTAINER.search(head) or re.search(r'(=|\breturn)\s*$', head) or head.strip().endswith(','):
                    kind = 'container' if CONTAINER.search(head) else 'block'
                elif ')' in head or re.search(r'\b(const|override|noexcept)\s*$', head):
                    kind = 'function'
                else:
                    kind = 'block'
                first = line - head.strip().count('\n')
                stack.append((kind, first, ' '.join(head.split())[-70:]))
            elif c == '}' and stack:
                kind, first, head = stack.pop()
                if kind == 'function' and not any(k == 'function' for k, _, _ in stack):
                    yield first, line - first + 1, head
            last = i + 1


def main(argv):
    top = 10
    args = argv[1:]
    if args[:1] == ['--top']:
        top = int(args[1]); args = args[2:]
    root = args[0] if args else os.path.join(os.path.dirname(__file__), '..')
    sizes, funcs = [], []
    for path in product_files(root):
        rel = os.path.relpath(path, root)
        with open(path, encoding='utf-8') as f:
            sizes.append((sum(1 for line in f if not line.startswith('// SPDX-License-Identifier:')), rel))
        for first, length, head in functions(path):
            funcs.append((length, f'{rel}:{first}', head))
    sizes.sort(reverse=True); funcs.sort(reverse=True)
    print(f'largest files (limit {FILE_LIMIT} lines):')
    for n, rel in sizes[:top]:
        print(f'  {n:5d}  {rel}')
    print(f'longest functions (limit {FUNCTION_LIMIT} lines):')
    for n, where, head in funcs[:top]:
        print(f'  {n:5d}  {where}  {head}')
    over = [s for s in sizes if s[0] > FILE_LIMIT] + [f for f in funcs if f[0] > FUNCTION_LIMIT]
    if over:
        print(f'{len(over)} over the limits', file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
