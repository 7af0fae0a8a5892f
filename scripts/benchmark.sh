#!/bin/bash
# Runs benchmark programs of the session's build inside a running Wine session
# and writes their reports: the 32-bit build's (build/windows) to
# build/benchmarks/, the 64-bit build's (build/windows64, in a session started
# with --win64) to build/benchmarks/64-bit/.
#   usage: benchmark.sh [--drives | REPORT...]
# Without arguments: the files' sizes, the dialogs, loading the library,
# the folder tree, BrindleEdit's recovery copy and its trial run; with report names
# (binary-sizes, dialog-ready, library-load, folder-tree, recovery-copy, trial-listing):
# only those; with --drives (in a session started with --bench-drives): the
# chkdsk drive scan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
: "${WINE:?run it inside scripts/wine-session.sh}"
reports=$root/build/benchmarks
[ "$(basename "$BRINDLE_WINDOWS_BUILD")" = windows64 ] && reports+=/64-bit
mkdir -p "$reports"
cd "$BRINDLE_WINDOWS_BUILD"

run() {  # program, report name; Wine's note about Z:'s volume label is left out
  "$WINE" "$1.exe" "Z:$reports/$2.txt" 2> >(grep -v 'FS volume label and serial are not available' >&2)
}

binary_sizes() {  # the shipped files beside their limits, the empty library as the floor
  { echo "File sizes in bytes (KB: 1,024 bytes)"
    "$root/scripts/binary-sizes.sh" Brindlework.dll brindle.exe BrindleEdit.exe empty_library.dll || true
  } | tee "$reports/binary-sizes.txt"
}

if [ "${1:-}" = --drives ]; then
  run drive_scan_benchmark drive-scan
  exit 0
fi
[ $# -gt 0 ] || set -- binary-sizes dialog-ready library-load folder-tree recovery-copy trial-listing
for report in "$@"; do
  case $report in
    binary-sizes) binary_sizes ;;
    dialog-ready) run dialog_ready_benchmark dialog-ready ;;
    library-load) run library_load_benchmark library-load ;;
    folder-tree)
      "$root/scripts/bench-folders.sh" "$WINEPREFIX"
      run folder_tree_benchmark folder-tree ;;
    recovery-copy) run recovery_copy_benchmark recovery-copy ;;
    trial-listing) run trial_listing_benchmark trial-listing ;;
    *) echo "benchmark: no report named $report" >&2; exit 2 ;;
  esac
done
