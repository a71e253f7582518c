#!/usr/bin/env bash
# Installs the Debian packages Tarvelo needs to build, test and run, and any named as arguments,
# when one is missing.
set -euo pipefail

packages=(
    build-essential cmake
    qt6-base-dev qt6-multimedia-dev libpulse-dev pkg-config qt6-translations-l10n qt6-wayland
    libgtest-dev libbenchmark-dev
    fonts-dejavu-core
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
