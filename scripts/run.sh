#!/bin/bash
# The main job: brindle.exe calls one command procedure and prints the line
# it returns. With a display the user works the dialog; without one a
# scripted user fills it in and a screenshot is saved.  usage: run.sh COMMAND
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=${1:-echo}

if [ -n "${DISPLAY:-}" ] && [ "${CI:-}" != true ]; then
  cd "$root/build/windows"
  exec "$root/scripts/wine-session.sh" wine brindle.exe "$command"
fi
exec "$root/scripts/wine-session.sh" --xvfb "$root/scripts/scripted-user.sh" "$command"
