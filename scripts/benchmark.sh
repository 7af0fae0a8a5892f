#!/bin/bash
# Runs every benchmark program inside a running Wine session and writes
# their reports to build/benchmarks/.  usage: benchmark.sh [--drives]
# Without --drives: the dialogs, loading the library and the folder tree;
# with it (in a session started with --bench-drives): the chkdsk drive scan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
reports=$root/build/benchmarks
mkdir -p "$reports"
cd "$root/build/windows"

run() {  # program, report name; Wine's note about Z:'s volume label is left out
  wine "$1.exe" "Z:$reports/$2.txt" 2> >(grep -v 'FS volume label and serial are not available' >&2)
}

if [ "${1:-}" = --drives ]; then
  run drive_scan_benchmark drive-scan
  exit 0
fi
"$root/scripts/bench-folders.sh" "$WINEPREFIX"
run dialog_ready_benchmark dialog-ready
run library_load_benchmark library-load
run folder_tree_benchmark folder-tree
