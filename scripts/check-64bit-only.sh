#!/bin/bash
# Takes the path of a machine that runs 64-bit programs only, on any machine
# (BRINDLE_NO_32BIT=1): the 32-bit GUI suite is skipped and says why, and the
# main job without a display, the scripted demo, runs on the 64-bit build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
export BRINDLE_NO_32BIT=1
unset BRINDLE_TEST_STEPS  # the steps below are parts of this one
fail() { echo "check-64bit-only: $*" >&2; exit 1; }

[ "$(scripts/machine.sh main-build)" = windows64 ] || fail "the main job would not run on the 64-bit build"
skipped=$(make --no-print-directory test-wine 2>&1) || fail "the 32-bit suite did not skip: $skipped"
grep '^SKIPPED: GUI suite 32-bit, because BRINDLE_NO_32BIT=1' <<<"$skipped" || fail "no skip line in: $skipped"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
CI=true scripts/run.sh 2>&1 | tee "$log"
grep -q '^demo: the 64-bit build' "$log" || fail "the demo did not run on the 64-bit build"
for command in echo title chkdsk color xcopy robocopy; do
  grep -q "^$command: *$command " "$log" || fail "the demo gave no $command line"
done
