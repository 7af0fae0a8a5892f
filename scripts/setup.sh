#!/bin/bash
# Installs what building and testing need on a Debian 12 machine, and only
# what is missing, so that a warm machine pays nothing.
set -euo pipefail

packages=(
  g++-mingw-w64-i686-posix cmake make g++ googletest libgtest-dev
  wine wine32:i386 fonts-wine xvfb xdotool xauth imagemagick fonts-liberation dosfstools
  # the help file
  fp-utils libchm-dev
  # the 64-bit build and its tests
  g++-mingw-w64-x86-64-posix wine64
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root (or sudo) to install ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
"${as_root[@]}" dpkg --add-architecture i386
"${as_root[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
