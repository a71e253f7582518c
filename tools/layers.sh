#!/usr/bin/env bash
# Prints which source folder includes headers from which, with how many includes, and fails
# when two folders include from each other. Usage: tools/layers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp' | awk '
    # First pass: the folder of every header, by its name.
    NR == FNR { n = split($0, p, "/"); if ($0 ~ /\.h$/) home[p[n]] = (n > 1 ? p[1] : "."); next }
    # Second pass: each file, from its folder to the folder of each header it includes.
    FNR == 1 { n = split(FILENAME, p, "/"); from = (n > 1 ? p[1] : ".") }
    /^#include "/ {
        split($0, q, "\""); m = split(q[2], h, "/"); to = home[h[m]]
        if (to != "" && to != from) count[from " -> " to]++
    }
    END {
        for (edge in count) { print edge " (" count[edge] ")"; split(edge, e, " -> "); seen[e[1], e[2]] = 1 }
        bad = 0
        for (edge in count) { split(edge, e, " -> "); if ((e[2], e[1]) in seen && e[1] < e[2]) { print "cycle: " e[1] " <-> " e[2] > "/dev/stderr"; bad = 1 } }
        exit bad
    }' <(git ls-files --cached --others --exclude-standard -- '*.h') $(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp') | sort
