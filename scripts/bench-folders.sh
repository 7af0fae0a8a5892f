#!/bin/bash
# Makes the folder tree benchmark's folders in the prefix's C: drive, with
# the shell's own tools (through Wine's file functions 100,000 files take
# many minutes): C:\Bench\Folders holds 10,000 folders with one subfolder
# each, C:\Bench\Files 100,000 empty files.  usage: bench-folders.sh PREFIX
set -euo pipefail
bench=$(cd "$1" && pwd)/drive_c/Bench
[ -f "$bench/ready" ] && exit 0
rm -rf "$bench"
mkdir -p "$bench/Folders" "$bench/Files"
cd "$bench/Folders" && seq -f 'f%05g/s' 0 9999 | xargs mkdir -p
cd "$bench/Files" && seq -f 'd%06g.txt' 0 99999 | xargs touch
touch "$bench/ready"
