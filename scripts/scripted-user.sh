#!/bin/bash
# Works a dialog as a user would, with xdotool, inside a running Wine
# session, and saves a screenshot of it in build/screenshots/COMMAND.png.
# COMMAND-edit works a dialog that BrindleEdit opened from a line.
#   usage: scripted-user.sh COMMAND|COMMAND-edit
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command=$1
shots=$root/build/screenshots
mkdir -p "$shots"
output=$(mktemp)
made=()  # what this script made for the dialog, removed again at the end
trap 'rm -f "$output"; for made_here in "${made[@]}"; do rm -rf "$made_here"; done' EXIT

# robocopy copies folders: a source with two files and an empty target, in
# C:\Demo, which sorts first among C:'s folders.
if [ "$command" = robocopy ]; then
  demo=$WINEPREFIX/drive_c/Demo
  [ ! -e "$demo/Daten" ] && [ ! -e "$demo/Sicherung" ] || { echo "scripted-user: $demo holds Daten or Sicherung" >&2; exit 1; }
  if [ -e "$demo" ]; then made+=("$demo/Daten" "$demo/Sicherung"); else made+=("$demo"); fi
  mkdir -p "$demo/Daten" "$demo/Sicherung"
  printf 'Brief\r\n' >"$demo/Daten/Brief.txt"
  printf 'Tabelle\r\n' >"$demo/Daten/Tabelle.csv"
fi

cd "$BRINDLE_WINDOWS_BUILD"
host=
if [[ $command != *-edit ]]; then
  "$WINE" brindle.exe "$command" >"$output" 2>/dev/null </dev/null &
  host=$!
fi

# Finds the dialog by its title and sets: window, frame_x, frame_y, border, caption.
find_dialog() {
  local title=$1 inner_width=$2 inner_height=$3
  window=
  for _ in $(seq 100); do
    window=$(xdotool search --name "^$title\$" 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "scripted-user: no window titled $title" >&2; [ -z "$host" ] || kill "$host"; exit 1; }
  sleep 0.3  # let the dialog make its gadgets and paint
  eval "$(xdotool getwindowgeometry --shell "$window")"
  frame_x=$X frame_y=$Y
  border=$(( (WIDTH - inner_width) / 2 ))
  caption=$(( HEIGHT - inner_height - border ))
  frame_width=$WIDTH frame_height=$HEIGHT
}

# Clicks at a point of the dialog's client area.
click() { xdotool mousemove $((frame_x + border + $1)) $((frame_y + caption + $2)) click 1; sleep 0.2; }

screenshot() {
  import -window root -crop "${frame_width}x${frame_height}+${frame_x}+${frame_y}" +repage "$shots/$command.png"
  echo "screenshot: $shots/$command.png" >&2
}

case $command in
  echo)
    find_dialog Echo 260 70
    click 150 20
    xdotool type --delay 20 'Hallo Welt'
    sleep 0.3
    screenshot
    click 90 50  # "Hinzufügen"
    ;;
  title)
    find_dialog Title 260 70
    click 150 20
    xdotool type --delay 20 'Build'
    sleep 0.3
    screenshot
    click 90 50  # "Hinzufügen"
    ;;
  chkdsk)
    find_dialog Chkdsk 390 250
    click 150 70   # /f
    click 150 110  # /r
    sleep 0.3
    screenshot
    click 220 230  # "Hinzufügen"
    ;;
  color)
    find_dialog Color 230 100
    click 170 20   # text "<<": yellow
    click 170 50   # background "<<": grey
    sleep 0.3
    screenshot
    click 60 80    # "Hinzufügen"
    ;;
  color-edit)
    # Opened from the line the color dialog made above: its colours show.
    find_dialog Color 230 100
    click 170 50   # background "<<": light grey
    sleep 0.3
    screenshot
    click 60 80    # "Hinzufügen"
    for _ in $(seq 100); do xdotool search --onlyvisible --name '^Color$' >/dev/null 2>&1 || break; sleep 0.1; done
    exit 0
    ;;
  xcopy)
    find_dialog XCOPY 434 490
    click 70 61    # source tree: drive C:
    xdotool key Right Down  # opened, its first folder
    click 300 93   # target tree: the documents folder
    xdotool mousemove $((frame_x + border + 150)) $((frame_y + caption + 470))  # off the tooltips
    sleep 0.5
    screenshot
    # Resting on "/EXCLUDE:" shows its balloon tooltip, which reaches past the dialog.
    xdotool mousemove $((frame_x + border + 80)) $((frame_y + caption + 377))
    sleep 1.5
    import -window root -crop "700x${frame_height}+${frame_x}+${frame_y}" +repage "$shots/xcopy-tooltip.png"
    echo "screenshot: $shots/xcopy-tooltip.png" >&2
    click 282 458  # "Hinzufügen"
    ;;
  robocopy)
    find_dialog Robocopy 630 506
    click 64 50    # source tree: drive C:
    xdotool key --delay 150 Right Right Right Right  # opened, C:\Demo, opened, C:\Demo\Daten
    click 373 50   # target tree: drive C:
    xdotool key --delay 150 Right Right Right Right Down  # ... C:\Demo\Sicherung
    click 40 249   # /MIR: /E, /PURGE and /S show ticked and greyed
    click 70 353   # the /R: field: typing ticks its box
    xdotool type --delay 20 '3'
    click 70 369   # /W:
    xdotool type --delay 20 '5'
    click 400 434  # "Protokolldatei:": typing ticks /LOG:
    xdotool type --delay 20 'C:\Demo\sicherung.log'
    click 340 369  # /NP
    xdotool mousemove $((frame_x + border + 315)) $((frame_y + caption + 500))  # off the tooltips
    sleep 0.5
    screenshot
    click 485 485  # "Hinzufügen"
    ;;
  *)
    echo "scripted-user: unknown command $command" >&2
    [ -z "$host" ] || kill "$host"
    exit 2
    ;;
esac

# The dialog has closed and brindle.exe ends; a click that missed would leave
# it open, which ends the demo with an error instead of waiting for ever.
for _ in $(seq 100); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$host" 2>/dev/null; then
  echo "scripted-user: the $command dialog is still open" >&2
  kill "$host"
  exit 1
fi
wait "$host" || true
cat "$output"
