#!/usr/bin/env python3
"""Checks that the source folders depend on each other only downwards.

Usage: check-layers.py <src folder>

Every folder of src/ has its place in LAYERS, lowest first. A file may
include files of its own folder and of the folders below its own, never of a
folder above it. Model files (a folder's own files, outside its ui/
subfolder) use QtCore only, so they never include a ui/ file or the widget
kit. Includes are resolved as the compiler does: beside the including file
first, then from src/. The actual include graph between folders is also
checked for loops, so that a table edited into a circle is caught too.

Exits 1, naming each offending include, when a rule is broken.
"""

import os
import re
import sys

# The one table of allowed dependencies: each folder may use those before it.
# A new folder must be placed here before it can include anything.
LAYERS = [
    "common",  # records, files, texts, amounts: depends on nothing of ours
    "widgets",  # the widget kit every screen uses
    "help",
    "chart",
    "checks",
    "output",  # list report and spreadsheet export, from plain data
    "tariff",
    "buyers",
    "distinte",
    "reports",
    "backup",  # safety copy and archive check of every archive
    "app",  # start-up and the main menu: may use every feature
]
# Folders that are all screen code: there is no model part to protect.
UI_ONLY = {"widgets"}
# The program's entry point is compiled on its own, with the screens.
NOT_MODEL = {os.path.join("app", "main.cpp")}

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]')


def resolve(src, including, name):
    """The include's path relative to src/, or None for a file not of ours."""
    beside = os.path.normpath(os.path.join(os.path.dirname(including), name))
    for candidate in (beside, os.path.normpath(os.path.join(src, name))):
        if os.path.isfile(candidate):
            rel = os.path.relpath(candidate, src)
            if not rel.startswith(".."):
                return rel
            return None
    return None


def folder_of(rel):
    return rel.split(os.sep)[0]


def is_model(rel):
    parts = rel.split(os.sep)
    return parts[0] not in UI_ONLY and "ui" not in parts[1:-1] and rel not in NOT_MODEL


def is_ui(rel):
    parts = rel.split(os.sep)
    return parts[0] in UI_ONLY or "ui" in parts[1:-1]


def find_loop(graph):
    """One loop of folders as a list [a, b, ..., a], or None."""
    state = {}
    path = []

    def visit(node):
        state[node] = "open"
        path.append(node)
        for nxt in sorted(graph.get(node, ())):
            if state.get(nxt) == "open":
                return path[path.index(nxt):] + [nxt]
            if nxt not in state:
                loop = visit(nxt)
                if loop:
                    return loop
        path.pop()
        state[node] = "done"
        return None

    for node in sorted(graph):
        if node not in state:
            loop = visit(node)
            if loop:
                return loop
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    src = os.path.abspath(sys.argv[1])
    rank = {name: i for i, name in enumerate(LAYERS)}
    problems = []
    graph = {}

    for folder in sorted(os.listdir(src)):
        if os.path.isdir(os.path.join(src, folder)) and folder not in rank:
            problems.append(f"src/{folder}: folder has no place in the layer table")

    for root, dirs, files in os.walk(src):
        dirs.sort()
        for file in sorted(files):
            if not file.endswith((".h", ".cpp")):
                continue
            path = os.path.join(root, file)
            rel = os.path.relpath(path, src)
            own = folder_of(rel)
            with open(path, encoding="utf-8", errors="replace") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    target = resolve(src, path, match.group(1))
                    if target is None:
                        continue
                    where = f"src/{rel}:{number}: includes {match.group(1)}"
                    other = folder_of(target)
                    if other != own:
                        graph.setdefault(own, set()).add(other)
                        if own in rank and other in rank and rank[other] > rank[own]:
                            problems.append(f"{where}: {own} may not depend on {other}, "
                                            f"which is above it")
                    if is_model(rel) and is_ui(target):
                        problems.append(f"{where}: model code may not depend on screen code")

    loop = find_loop(graph)
    if loop:
        problems.append("loop between folders: " + " -> ".join(loop))

    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} layer problem(s); the allowed order is: {' < '.join(LAYERS)}")
        return 1
    print("layers: every include goes downwards")
    return 0


if __name__ == "__main__":
    sys.exit(main())
