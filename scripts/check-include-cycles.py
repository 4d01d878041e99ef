#!/usr/bin/env python3
"""Fails when the include graph of a source tree has a cycle, when a file in
it is longer than the line limit, or when a platform's headers are included
outside the window layer's backend folders.

A header and its source file (name.h and name.cpp in one folder) count as one
unit; an edge runs from a unit to every unit it names in an #include "..."
line. Paths in quotes are taken relative to the tree's root, then to the
including file's folder; includes that name no file of the tree are ignored.

Platform headers (Qt's, windows.h and the other Win32 headers) belong in
folders named qt/ or win32/ (the window layer's backends, and the core's
files that meet the system there): no file elsewhere includes one.

Usage: check-include-cycles.py SRC_DIR [--max-lines N]
"""
import argparse
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
SYSTEM_INCLUDE = re.compile(r'^\s*#\s*include\s*<([^>]+)>', re.MULTILINE)
WIN32_HEADERS = {"windows.h", "winuser.h", "wingdi.h", "commctrl.h", "commdlg.h", "shellapi.h", "shlobj.h",
                 "gdiplus.h", "imm.h", "ole2.h", "objbase.h", "windowsx.h", "winbase.h", "winnls.h"}
BACKEND_FOLDERS = {"qt", "win32"}


def is_platform_header(name):
    return name.lower() in WIN32_HEADERS or name.startswith(("Qt", "qt")) or re.match(r"Q[A-Z]", name) is not None


def platform_include_faults(files):
    faults = []
    for path, text in sorted(files.items()):
        parts = path.split(os.sep)
        if BACKEND_FOLDERS & set(parts[:-1]):
            continue
        for name in SYSTEM_INCLUDE.findall(text):
            if is_platform_header(name):
                faults.append(f"{path}: includes <{name}> outside a backend folder")
    return faults


def unit_of(path):
    return os.path.splitext(path)[0]


def read_tree(root):
    files = {}
    for folder, _, names in os.walk(root):
        for name in names:
            if name.endswith(SOURCE_SUFFIXES):
                full = os.path.join(folder, name)
                with open(full, encoding="utf-8", errors="replace") as f:
                    files[os.path.relpath(full, root)] = f.read()
    return files


def build_graph(files):
    graph = {}
    for path, text in files.items():
        unit = unit_of(path)
        edges = graph.setdefault(unit, set())
        for name in INCLUDE.findall(text):
            candidates = (os.path.normpath(name), os.path.normpath(os.path.join(os.path.dirname(path), name)))
            target = next((c for c in candidates if c in files), None)
            if target is not None and unit_of(target) != unit:
                edges.add(unit_of(target))
    return graph


def find_cycle(graph):
    """Returns one cycle as a list of units (first == last), or None."""
    state = {}  # unit -> 1 while on the path, 2 when done
    for start in sorted(graph):
        if start in state:
            continue
        path = [start]
        stack = [iter(sorted(graph[start]))]
        state[start] = 1
        while stack:
            nxt = next(stack[-1], None)
            if nxt is None:
                state[path.pop()] = 2
                stack.pop()
            elif state.get(nxt) == 1:
                return path[path.index(nxt):] + [nxt]
            elif nxt not in state:
                state[nxt] = 1
                path.append(nxt)
                stack.append(iter(sorted(graph.get(nxt, ()))))
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("root")
    parser.add_argument("--max-lines", type=int, default=400)
    args = parser.parse_args()

    files = read_tree(args.root)
    if not files:
        print(f"no source files under {args.root}", file=sys.stderr)
        return 2
    ok = True
    cycle = find_cycle(build_graph(files))
    if cycle:
        print("include cycle: " + " -> ".join(cycle), file=sys.stderr)
        ok = False
    for fault in platform_include_faults(files):
        print(fault, file=sys.stderr)
        ok = False
    for path, text in sorted(files.items()):
        lines = text.count("\n") + (0 if text.endswith("\n") or not text else 1)
        if lines > args.max_lines:
            print(f"{path}: {lines} lines, more than {args.max_lines}", file=sys.stderr)
            ok = False
    if ok:
        print(f"{len(files)} files, {len({unit_of(p) for p in files})} units: no include cycle, "
              f"none over {args.max_lines} lines, no platform header outside a backend folder")
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
