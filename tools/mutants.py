#!/usr/bin/env python3
"""Finds the suite's blind spots: puts one-line bugs (mutants) at seeded random lines of the
program's own code (sources and headers, the windows' description among them), one at a time,
rebuilds, runs the tests and says which bugs the suite let through. A tool for developers, not a
gate of tools/test.sh.

    tools/mutants.py [--count N] [--seed S] [--linux-only] [FOLDER...]

The suites are those of tools/test.sh: the Linux tests and the reference pictures, the Windows
tests under Wine with their frames, the browser tests in headless Chromium. Each mutant is one
of: a comparison flipped (== and !=, < and >=, > and <=), an integer constant moved by one (a
place in twips by fifteen, a pixel), a statement dropped, a condition or flag inverted (true and
false, !x and x), a control's flag dropped. A mutant that does not build is thrown away and
another line is drawn. A mutant in win32/ is tested by the Windows suites under Wine; one in
engine/ or ui/ by both; one in qt/ by the Linux suite; one in web/, its page's script included,
by the browser tests. Uses the trees tools/test.sh made (build-tests/, build-win32/ and
build-web/); every file is restored after each mutant, and on any exit."""

import argparse
import os
import random
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["engine", "ui", "qt", "win32", "web"]

WEB_BUILD = "tools/build.sh --web tarvelo_web worker"

FLIPS = [("==", "!="), ("!=", "=="), ("<=", ">"), (">=", "<"), (" < ", " >= "), (" > ", " <= ")]


def mutations(line):
    """The one-line bugs this line can carry, as (what, new line)."""
    code = line.split("//")[0]
    found = []
    for old, new in FLIPS:
        at = code.find(old)
        if old == "==" and code[at - 1:at] == "!":
            continue  # JavaScript's !==, which the next flip turns to ===
        if at >= 0 and "<<" not in code and ">>" not in code and "->" not in code[at - 1:at + 3]:
            found.append((f"'{old.strip()}' to '{new.strip()}'", line[:at] + new + line[at + len(old):]))
    # A place or a window's size in twips moves by a pixel at 96 dots an inch; by one twip it
    # would not move at all.
    step = 15 if re.search(r"\.(place|dx|dy) = |constexpr Form ", code) else 1
    for match in re.finditer(r"(?<![\w.])(\d+)(?![\w.])", code):
        value = int(match.group(1))
        found.append((f"{value} to {value + step}",
                      line[:match.start()] + str(value + step) + line[match.end():]))
    for old, new in (("true", "false"), ("false", "true")):
        match = re.search(rf"\b{old}\b", code)
        if match:
            found.append((f"{old} to {new}", line[:match.start()] + new + line[match.end():]))
    match = re.search(r"\.flags = (k\w+)( \| )?", code)  # a control's flag dropped
    if match:
        rest = line[match.end():] if match.group(2) else "0" + line[match.end():]
        found.append((f"{match.group(1)} dropped", line[:match.start()] + ".flags = " + rest))
    match = re.search(r"(\(|&& |\|\| |return )!(?=\w)", code)
    if match:
        found.append(("a '!' dropped", line[:match.end() - 1] + line[match.end():]))
    stripped = code.strip()
    if stripped.endswith(";") and not re.match(r"(return|const |let |auto |int |bool |static |"
                                               r"using |std::|[A-Z]\w* \w+[ ({=;])", stripped):
        indent = line[:len(line) - len(line.lstrip())]
        found.append(("the statement dropped", indent + "\n"))
    return found


def candidates(folders):
    lines = []
    for folder in folders:
        for base, _, files in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(files):
                if not name.endswith((".cpp", ".h", ".js")) or name == "main.cpp":
                    continue
                path = os.path.join(base, name)
                with open(path, encoding="utf-8") as f:
                    for number, line in enumerate(f, 1):
                        text = line.strip()
                        if text and not text.startswith(("//", "#", "case ", "default:")):
                            lines.append((path, number))
    return sorted(lines)


def run(command, log):
    with open(log, "a", encoding="utf-8") as out:
        return subprocess.run(command, cwd=ROOT, stdout=out, stderr=subprocess.STDOUT,
                              shell=True).returncode == 0


def suites(path, linux_only):
    folder = os.path.relpath(path, ROOT).split(os.sep)[0]
    linux = folder not in ("win32", "web")
    windows = folder not in ("qt", "web") and not linux_only
    return linux, windows, folder == "web"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=20)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--linux-only", action="store_true")
    parser.add_argument("folders", nargs="*", default=FOLDERS)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    lines = candidates(args.folders)
    if args.linux_only:
        lines = [(p, n) for p, n in lines
                 if not os.path.relpath(p, ROOT).startswith(("win32", "web"))]
    log = os.path.join(ROOT, "build-tests", "mutants.log")
    os.makedirs(os.path.dirname(log), exist_ok=True)
    open(log, "w").close()
    wine = ("export WINEDLLOVERRIDES='mscoree,mshtml=;winealsa.drv,winepulse.drv=' && "
            "xvfb-run -a -s '-screen 0 1024x768x24 -dpi 96' ctest --test-dir build-win32")
    killed, survived, tried = [], [], 0
    trees = set()  # those a mutant was built into, to be built again as the code is
    while len(killed) + len(survived) < args.count and tried < 20 * args.count:
        tried += 1
        path, number = rng.choice(lines)
        with open(path, encoding="utf-8") as f:
            original = f.read()
        text = original.splitlines(keepends=True)
        options = mutations(text[number - 1])
        if not options:
            continue
        what, new = rng.choice(options)
        where = f"{os.path.relpath(path, ROOT)}:{number}"
        text[number - 1] = new
        linux, windows, web = suites(path, args.linux_only)
        trees |= {tree for tree, used in (("linux", linux), ("windows", windows), ("web", web))
                  if used}
        try:
            with open(path, "w", encoding="utf-8") as f:
                f.write("".join(text))
            with open(log, "a", encoding="utf-8") as out:
                out.write(f"\n==== {where}: {what}\n")
            built = (not linux or run("cmake --build build-tests -j2", log)) and \
                (not windows or run("TARVELO_WERROR=ON tools/build.sh --windows", log)) and \
                (not web or run(f"TARVELO_WERROR=ON {WEB_BUILD}", log))
            if not built:
                # Killed by the compiler when warnings are errors; a mutant that is not C++ at
                # all (a dropped declaration) is drawn again.
                if run(f"tail -n 40 {log} | grep -q -- '-Werror='", log):
                    killed.append((where, what, "the build (a warning)"))
                    print(f"  killed    {where}: {what}, by the build", flush=True)
                continue
            passed = (not linux or run("cd build-tests && QT_QPA_PLATFORM=offscreen "
                                       "ctest -j2 --timeout 120", log)) and \
                (not linux or run("tools/pictures.sh --against tests/pictures/linux build-tests",
                                  log)) and \
                (not windows or run(wine, log)) and \
                (not windows or run("tools/frames.sh", log)) and \
                (not windows or run("tools/pictures.sh --wine --against tests/pictures/wine "
                                    "build-win32", log)) and \
                (not web or run("node --test --test-timeout=30000 tests/web/test_*.mjs", log))
            if passed:
                survived.append((where, what))
                print(f"  SURVIVED  {where}: {what}", flush=True)
            else:
                killed.append((where, what, "the tests"))
                print(f"  killed    {where}: {what}", flush=True)
        finally:
            with open(path, "w", encoding="utf-8") as f:
                f.write(original)
    # The trees as the code is again.
    if "linux" in trees:
        run("cmake --build build-tests -j2", log)
    if "windows" in trees:
        run("TARVELO_WERROR=ON tools/build.sh --windows", log)
    if "web" in trees:
        run(f"TARVELO_WERROR=ON {WEB_BUILD}", log)
    print(f"{len(killed)} killed, {len(survived)} survived of {len(killed) + len(survived)} "
          f"(seed {args.seed}); the builds and runs are in {os.path.relpath(log, ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
