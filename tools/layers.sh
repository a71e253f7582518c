#!/usr/bin/env bash
# Checks that every source folder includes headers only from its own layer and the layers below
# it, in the order below, and prints who includes whom. Fails on an include upwards (which any
# cycle between folders, of any length, must have), on one front end including from the other,
# on a folder that is in no layer and on two headers of one name, which would make an include
# ambiguous. Usage: tools/layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' ':!tools' | python3 -c '
import collections, re, sys

# From the bottom: each sees the ones before it.
LAYERS = """
    ui engine
    qt/widgets qt/keyboard qt/store qt/sound qt/dialogs qt/mainwindow qt/app qt
    win32/controls win32/sound win32/store win32/dialogs win32/mainwindow win32
    web
    resources tests/engine tests/fuzz tests/qt tests/win32 tests/web bench
""".split()

# The three front ends stand side by side: none sees another, nor the tests of another.
def front(folder):
    parts = folder.split("/")
    parts = parts[1:] if parts[0] == "tests" else parts
    return parts[0] if parts and parts[0] in ("qt", "win32", "web") else None

def layer(path):
    folder = max((l for l in LAYERS if path.startswith(l + "/")), key=len, default=None)
    return folder

files = sys.stdin.read().split()
bad = []
home = {}
for path in files:
    if path.endswith(".h"):
        name = path.rsplit("/", 1)[-1]
        if name in home:
            bad.append(f"two headers named {name}: {home[name]} and {path}")
        home[name] = path
edges = collections.Counter()
for path in files:
    source = layer(path)
    if source is None:
        bad.append(f"{path} is in no layer")
        continue
    for line in open(path, encoding="utf-8"):
        include = re.match(r"\s*#\s*include\s+[\x22]([^\x22]+)[\x22]", line)
        if not include or include.group(1).rsplit("/", 1)[-1] not in home:
            continue
        target = layer(home[include.group(1).rsplit("/", 1)[-1]])
        if target is not None and target != source:
            edges[source, target] += 1
for (source, target), count in sorted(edges.items(), key=lambda e: (LAYERS.index(e[0][0]), LAYERS.index(e[0][1]))):
    upward = LAYERS.index(target) > LAYERS.index(source)
    across = None not in (front(source), front(target)) and front(source) != front(target)
    print(f"{source} -> {target} ({count})" + ("  UPWARD" if upward else "") +
          ("  ACROSS" if across else ""))
    if upward:
        bad.append(f"{source} includes from {target}, a layer above it")
    if across:
        bad.append(f"{source} includes from {target}, the other front end")
for problem in bad:
    print("error: " + problem, file=sys.stderr)
print("Layers, from the bottom: " + " ".join(LAYERS))
sys.exit(1 if bad else 0)
'
