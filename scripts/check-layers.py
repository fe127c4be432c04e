#!/usr/bin/env python3
"""Fails when a file of a lower layer includes a header of a higher one.

Usage: check-layers.py LAYERS_FILE INCLUDE_DIR

LAYERS_FILE has one line per compiled source, "<layer> <absolute path>"; the
layers count from the lowest up in the order they first appear. INCLUDE_DIR
is the folder #include "..." names are given from (an include is looked for
beside the including file first, as the compiler does).

A header has the layer of the .cpp of the same name beside it. A header
without one has the lowest layer among the sources of its folder written in
its own style (lower-case names are pure code, capitalised ones window
units), or else the lowest layer of its folder. Files in no layer (the
program's main, generated headers) are not checked.
"""

import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".cpp", ".h")


def read_layers(path):
    """The layer names from the lowest up and each source's rank."""
    names, rank_of = [], {}
    with open(path, encoding="utf-8") as listing:
        for line in listing:
            if not line.strip():
                continue
            layer, source = line.rstrip("\n").split(" ", 1)
            if layer not in names:
                names.append(layer)
            if source.endswith(SOURCE_SUFFIXES):
                rank_of[os.path.normpath(source)] = names.index(layer)
    return names, rank_of


def lower_case(path):
    return os.path.basename(path)[:1].islower()


def header_ranks(include_dir, source_ranks):
    """The rank of every header under include_dir that has one."""
    ranks = {}
    for folder, _, files in os.walk(include_dir):
        sources = [os.path.join(folder, f) for f in files if os.path.join(folder, f) in source_ranks]
        for name in files:
            if not name.endswith(".h"):
                continue
            header = os.path.join(folder, name)
            own = os.path.splitext(header)[0] + ".cpp"
            if own in source_ranks:
                ranks[header] = source_ranks[own]
                continue
            same_style = [source_ranks[s] for s in sources if lower_case(s) == lower_case(header)]
            beside = same_style or [source_ranks[s] for s in sources]
            if beside:
                ranks[header] = min(beside)
    return ranks


def included_files(path, include_dir):
    """(line number, include text, resolved path or None) of each quoted include."""
    with open(path, encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            name = match.group(1)
            resolved = None
            for base in (os.path.dirname(path), include_dir):
                candidate = os.path.normpath(os.path.join(base, name))
                if os.path.isfile(candidate):
                    resolved = candidate
                    break
            yield number, name, resolved


def violations(layers_file, include_dir):
    """Messages for every include of a header from a higher layer."""
    include_dir = os.path.normpath(os.path.abspath(include_dir))
    names, ranks = read_layers(layers_file)
    ranks.update(header_ranks(include_dir, ranks))
    root = os.path.dirname(include_dir)
    found = []
    for path in sorted(ranks):
        for number, name, header in included_files(path, include_dir):
            if header in ranks and ranks[header] > ranks[path]:
                found.append(
                    f'{os.path.relpath(path, root)}:{number}: #include "{name}" is a header of '
                    f"{names[ranks[header]]}, above this file's layer {names[ranks[path]]}"
                )
    return found, len(ranks)


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    found, checked = violations(argv[1], argv[2])
    for message in found:
        print(message)
    if found:
        print(f"{len(found)} include(s) reach up a layer; a layer may use only its own and lower layers' headers.")
        return 1
    print(f"{checked} files checked; every include stays within its layer or below.")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
