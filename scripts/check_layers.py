#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that includes between the product's folders point one way: down
the layers below, never sideways into a folder of the same layer unless
listed, never up.

Usage: scripts/check_layers.py [ROOT]"""
import os
import re
import sys

# Layer of each folder; a folder includes only folders of lower layers.
LAYERS = {
    'platform': 0, 'media': 0, 'catalogue': 0, 'resources': 0,
    'controls': 1, 'diagram': 1, 'search': 1, 'playback': 1,
    'flat': 2,
    'shell': 3,
    'app': 4, 'chords': 4,
}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/[^"]+"', re.M)


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), '..')
    faults = []
    for folder, layer in LAYERS.items():
        path = os.path.join(root, folder)
        for base, _, files in os.walk(path):
            for name in files:
                if not name.endswith(('.cpp', '.h')):
                    continue
                file = os.path.join(base, name)
                for target in INCLUDE.findall(open(file, encoding='utf-8').read()):
                    if target != folder and target in LAYERS and LAYERS[target] >= layer:
                        faults.append(f'{os.path.relpath(file, root)} includes {target}/ '
                                      f'(layer {LAYERS[target]}, not below {folder}/ at layer {layer})')
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f'{len(faults)} includes against the layers')
    return 1 if faults else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
