#!/bin/bash
# Runs two lanes of make targets at the same time and fails if either fails:
#   side-by-side.sh NAME1 "TARGETS1" NAME2 "TARGETS2"
# The GUI suites spend most of their time waiting for Wine and the X server,
# so the 32-bit and the 64-bit suite take about the time of one when run
# together. Each lane's Wine sessions use its own prefix, display and test
# drives; a lane runs its targets one after the other, and the targets must
# not build (make test builds first). Every line of output is marked with
# its lane's name. Each lane runs in a process group of its own, which is
# stopped, by its id, when this script is interrupted; the lines' marker
# outlives the interruption, so that no lane's clean-up meets a closed pipe.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: side-by-side.sh NAME1 TARGETS1 NAME2 TARGETS2" >&2; exit 2; }
make=${MAKE:-make}

work=$(mktemp -d)
stop_lanes() {
  local pidfile
  for pidfile in "$work"/*.pid; do
    [ -f "$pidfile" ] && kill -TERM -- "-$(cat "$pidfile")" 2>/dev/null || true
  done
}
# Interrupted, the lanes are stopped and waited for: their Wine sessions
# take down their servers, displays and drives while their output still has
# a reader.
trap 'stop_lanes; wait; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

lane() {  # name, targets
  {
    # setsid gives the lane a process group whose id is its own process id.
    # shellcheck disable=SC2086  # the targets are words
    setsid $make --no-print-directory $2 </dev/null 2>&1 &
    echo $! >"$work/$1.pid"
    status=0
    wait $! || status=$?
    echo "$status" >"$work/$1.status"
    rm -f "$work/$1.pid"
  } 2>&1 | (trap '' INT TERM; exec sed -u "s/^/[$1] /") &
}

lane "$1" "$2"
lane "$3" "$4"
wait
failed=()
for name in "$1" "$3"; do
  [ "$(cat "$work/$name.status" 2>/dev/null)" = 0 ] || failed+=("$name")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "side-by-side: failed in the lane of ${failed[*]}" >&2
  exit 1
fi
