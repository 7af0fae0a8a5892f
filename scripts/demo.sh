#!/bin/bash
# The demo, inside a running Wine session: a scripted user fills in each of
# the six dialogs, the command lines they returned are printed and put
# into a script, BrindleEdit shows that script, and the user edits its
# color line there (Ctrl+E). Screenshots of every dialog, of the edit and
# of the editor go to build/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
shots=$root/build/screenshots
mkdir -p "$shots"

echo "demo: the $([ "$(basename "$BRINDLE_WINDOWS_BUILD")" = windows64 ] && echo 64 || echo 32)-bit build, $BRINDLE_WINDOWS_BUILD" >&2
lines=()
for command in echo title chkdsk color xcopy robocopy; do
  line=$("$root/scripts/scripted-user.sh" "$command")
  line=${line%$'\r'}  # brindle.exe ends its line as Windows does
  lines+=("$line")
  # The library's text is code page 1252.
  printf '%-10s%s\n' "$command:" "$(printf '%s' "$line" | iconv -f CP1252 -t UTF-8)"
done

# The script in the console's code page (437 in this prefix's locale), as
# BrindleEdit itself writes scripts.
demo=$WINEPREFIX/drive_c/Demo
mkdir -p "$demo"
# Letters to keep, for the trial run (F6) of an xcopy line at the script's
# end: what it would copy, from the script's folder, changing nothing.
mkdir -p "$demo/Briefe/Ämter" "$demo/Sicherung"
printf 'Liebe Oma,\r\n' >"$demo/Briefe/Brief an Oma.txt"
printf 'Grüße\r\n' >"$demo/Briefe/Grüße.txt"
printf 'Steuer\r\n%.0s' $(seq 300) >"$demo/Briefe/Ämter/Steuererklärung 2026.txt"
printf 'alt\r\n' >"$demo/Sicherung/Brief an Oma.txt"
touch -d '2001-01-01' "$demo/Sicherung/Brief an Oma.txt"
trial='xcopy Briefe Sicherung\ /S /D'
printf '%s\r\n' "@echo off" "${lines[@]}" "$trial" | iconv -f CP1252 -t CP437 >"$demo/demo.bat"
cd "$BRINDLE_WINDOWS_BUILD"
# An editor that a test run ended by force may have left a recovery copy in
# this prefix; the demo's editor would first offer it and wait for an answer.
rm -rf "$WINEPREFIX"/drive_c/users/*/AppData/Local/BrindleEdit/Wiederherstellung
"$WINE" BrindleEdit.exe 'C:\Demo\demo.bat' >/dev/null 2>&1 </dev/null &
editor=$!
window=
for _ in $(seq 100); do
  window=$(xdotool search --name '^demo\.bat .* BrindleEdit$' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then echo "demo: BrindleEdit did not open" >&2; kill "$editor"; exit 1; fi
sleep 0.5
# One edit: Ctrl+E on the color line opens its dialog from the line, and
# "Hinzufügen" replaces the line; saved, the script shows the new one.
xdotool key ctrl+Home Down Down Down Down ctrl+e
"$root/scripts/scripted-user.sh" color-edit
xdotool key ctrl+s
for _ in $(seq 50); do
  edited=$(sed -n '5p' "$demo/demo.bat" | tr -d '\r')
  [ "$edited" != "${lines[3]}" ] && break
  sleep 0.1
done
printf '%-10s%s -> %s\n' "edit:" "${lines[3]}" "$edited"
# The caret on the robocopy line: the status line warns that /MIR deletes
# in the target and explains the line switch by switch.
xdotool key ctrl+End Up Up
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/brindleedit.png"
echo "screenshot: $shots/brindleedit.png" >&2
# F6 on the xcopy line: the trial run lists what it would copy, and Escape closes it.
xdotool key Down F6
trial_window=
for _ in $(seq 100); do
  trial_window=$(xdotool search --onlyvisible --name '^Probelauf$' 2>/dev/null | head -n1 || true)
  [ -n "$trial_window" ] && break
  sleep 0.1
done
if [ -n "$trial_window" ]; then
  sleep 2
  eval "$(xdotool getwindowgeometry --shell "$trial_window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/probelauf.png"
  echo "screenshot: $shots/probelauf.png" >&2
  printf '%-10s%s\n' "F6:" "$trial"
  xdotool key Escape
else
  echo "demo: no trial run window" >&2
fi
xdotool key alt+F4
wait "$editor" || true
rm -rf "$demo"
