#!/usr/bin/env bash
# Many copies of the game on one records store, killed at random moments, with a reader parsing
# the store all along; then the same on a small disk that fills and empties. Prints the figures
# and the checks, and fails if one fails. About a minute; --long runs ten.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
tools/build.sh --bench store_stress >/dev/null
driver=$PWD/build-bench/bench/store_stress
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
"$driver" "$@" "$work/kills" || status=1
# Mounting the small disk takes root, or a user namespace of one's own.
full=("$driver" "$@" --full-disk "$work/full")
[ "$(id -u)" -eq 0 ] || full=(unshare --map-root-user --mount "${full[@]}")
"${full[@]}" || status=1
exit $status
