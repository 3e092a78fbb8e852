#!/usr/bin/env python3
"""Fails when a source file includes from a layer above its own.

Layers, lowest first: platform, text, settings, words, phrases, sources,
wordlists, reports, engine, ui, app. A file in src/<layer>/ (or a subfolder of
it) may include only headers of its own layer and of the layers below.
Usage: scripts/check_layers.py [SRC_DIR]   (default: src beside this script)
"""
import os
import re
import sys

LAYERS = "platform text settings words phrases sources wordlists reports engine ui app".split()
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/', re.M)


def upward_includes(src):
    for folder, _, names in os.walk(src):
        relative = os.path.relpath(folder, src).split(os.sep)
        layer = relative[0]
        if layer not in LAYERS:
            continue
        for name in sorted(names):
            if not name.endswith((".h", ".cpp")):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8", errors="replace") as f:
                for included in INCLUDE.findall(f.read()):
                    if included in LAYERS and LAYERS.index(included) > LAYERS.index(layer):
                        yield os.path.relpath(path, os.path.dirname(src)), included


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "src")
    found = list(upward_includes(os.path.normpath(src)))
    for path, included in found:
        print("%s includes from %s/, a layer above its own" % (path, included))
    if found:
        print("%d upward includes (layers, lowest first: %s)" % (len(found), " ".join(LAYERS)))
        return 1
    print("layers: no upward include")
    return 0


if __name__ == "__main__":
    sys.exit(main())
