#!/usr/bin/env python3
"""Checks that the program's includes point only down its layers, which are its folders.

    python3 tests/checks/layers.py [SOURCE_DIR]

From the top: the entry point (app/), the main window (window/), the cell editor and
buttons (input/) beside the information (info/), the sheet model (sheet/), and beneath all
the identifiers and handles every layer shares (base/). A file may include files of its own
folder and of the folders below it, never one above, and input/ and info/ do not include
each other. Prints every include that breaks this; exit status 1 when there is one.
"""
import os
import re
import sys

FOLDERS = {'app': 5, 'window': 4, 'input': 3, 'info': 3, 'sheet': 2, 'base': 1}


def layer(path):
    """(rank, folder) of a file of the program, or None for a file that is not part of it."""
    folder = path.split('/')[0]
    return (FOLDERS[folder], folder) if folder in FOLDERS else None


def breaches(top):
    found = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(top, folder))):
            if not name.endswith(('.cpp', '.h')):
                continue
            path = folder + '/' + name
            rank, group = layer(path)
            with open(os.path.join(top, path), encoding='utf-8') as source:
                for number, line in enumerate(source, 1):
                    m = re.match(r'\s*#\s*include\s+"([^"]+)"', line)
                    if not m:
                        continue
                    target = os.path.normpath(os.path.join(folder, m.group(1))).replace(os.sep, '/')
                    to = layer(target)
                    if to is None or to[1] == group:
                        continue
                    if to[0] >= rank:
                        found.append('%s:%d includes %s, which is not below it' % (path, number, target))
    return found


def main(argv):
    top = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..')
    found = breaches(top)
    for line in found:
        print('FAIL ' + line)
    print('%d includes point up' % len(found))
    return 1 if found else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
