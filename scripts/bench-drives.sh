#!/bin/bash
# Gives the benchmark prefix 24 drives, C: to Z:, for the chkdsk drive scan,
# or takes the added ones away again:  bench-drives.sh up|down
#   C: and Z:  the prefix's own
#   D: to R:   hard disk folders (every other one labelled)
#   S:, T:     CD drives with a disc (CDFS: not listed by chkdsk)
#   U: to Y:   CD drives whose folder is missing: no medium
# Run it while no wineserver of the prefix is running: drive types are read
# when the server starts. Each prefix keeps its drives' folders apart.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${WINEPREFIX:?}"
drives=$root/build/bench-drives/$(basename "$WINEPREFIX")
wine=${WINE:-wine}  # the prefix's own loader (see wine-session.sh)
devices=$WINEPREFIX/dosdevices
registry='HKLM\Software\Wine\Drives'
disks="d e f g h i j k l m n o p q r"
discs="s t"
empty="u v w x y"

down() {
  for letter in $disks $discs $empty; do rm -f "$devices/$letter:"; done
  for letter in $discs $empty; do "$wine" reg delete "$registry" /v "$letter:" /f >/dev/null 2>&1 || true; done
  wineserver -w
  rm -rf "$drives"
}

up() {
  down
  local labelled=1
  for letter in $disks $discs; do
    mkdir -p "$drives/$letter"
    if [ $labelled = 1 ]; then printf 'Disk%s\n' "$letter" >"$drives/$letter/.windows-label"; fi
    labelled=$((1 - labelled))
    ln -s "$drives/$letter" "$devices/$letter:"
  done
  for letter in $empty; do ln -s "$drives/missing" "$devices/$letter:"; done
  for letter in $discs $empty; do
    "$wine" reg add "$registry" /v "$letter:" /t REG_SZ /d cdrom /f >/dev/null 2>&1
  done
  wineserver -w
}

"$1"
