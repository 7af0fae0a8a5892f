#!/bin/bash
# The main job. With a display, BrindleEdit opens under Wine for the user;
# without one (or with CI=true) the scripted demo runs in a private Xvfb.
# With a command name, only that command's dialog is shown through
# brindle.exe, filled in by the user or, without a display, by the script.
#   usage: run.sh [COMMAND]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=${1:-}

if [ -n "${DISPLAY:-}" ] && [ "${CI:-}" != true ]; then
  cd "$root/build/windows"
  if [ -z "$command" ]; then exec "$root/scripts/wine-session.sh" wine BrindleEdit.exe; fi
  exec "$root/scripts/wine-session.sh" wine brindle.exe "$command"
fi
if [ -z "$command" ]; then exec "$root/scripts/wine-session.sh" --xvfb "$root/scripts/demo.sh"; fi
exec "$root/scripts/wine-session.sh" --xvfb "$root/scripts/scripted-user.sh" "$command"
