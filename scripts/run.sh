#!/bin/bash
# The main job, on the build this machine can run (scripts/machine.sh): the
# 32-bit one where 32-bit programs start, else the 64-bit one. With a
# display, BrindleEdit opens under Wine for the user; without one (or with
# CI=true) the scripted demo runs in a private Xvfb. With a command name,
# only that command's dialog is shown through brindle.exe, filled in by the
# user or, without a display, by the script.
#   usage: run.sh [COMMAND]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=${1:-}
session=("$root/scripts/wine-session.sh")
"$root/scripts/machine.sh" runs-32bit || session+=(--win64)

if [ -n "${DISPLAY:-}" ] && [ "${CI:-}" != true ]; then
  # The session's loader and build are only known inside it.
  exec "${session[@]}" bash -c 'cd "$BRINDLE_WINDOWS_BUILD" && if [ -z "$1" ]; then exec "$WINE" BrindleEdit.exe; else exec "$WINE" brindle.exe "$1"; fi' run "$command"
fi
if [ -z "$command" ]; then exec "${session[@]}" --xvfb "$root/scripts/demo.sh"; fi
exec "${session[@]}" --xvfb "$root/scripts/scripted-user.sh" "$command"
