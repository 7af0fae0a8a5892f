#!/bin/bash
# Makes the folder tree benchmark's folders in the prefix's C: drive, with
# the shell's own tools (through Wine's file functions 100,000 folders take
# many minutes): C:\Bench\F1000, F10000 and F100000 hold that many folders,
# each with one subfolder of its own.  usage: bench-folders.sh PREFIX
set -euo pipefail
bench=$(cd "$1" && pwd)/drive_c/Bench
[ -f "$bench/ready-sizes" ] && exit 0
rm -rf "$bench"
for size in 1000 10000 100000; do
  mkdir -p "$bench/F$size"
  (cd "$bench/F$size" && seq -f 'f%06g/s' 0 $((size - 1)) | xargs mkdir -p)
done
touch "$bench/ready-sizes"
