#!/bin/bash
# Runs one command inside a ready Wine session and tears the session down on
# every path: usage  wine-session.sh [--win64] [--xvfb] [--test-drives] COMMAND [ARGS...]
#
# - The Wine prefix lives in build/wine-prefix (made once, kept for speed).
# - With --win64 the session is a 64-bit one, for the 64-bit build: its own
#   prefix build/wine-prefix64 (WINEARCH=win64), its own home and test drives.
# - The command finds the session's loader in $WINE and the build it is for
#   (build/windows or build/windows64) in $BRINDLE_WINDOWS_BUILD.
# - Without a display, or with --xvfb, a private Xvfb server is started on a
#   free display number and stopped again by its process id.
# - With --test-drives the prefix gets the tests' drives (scripts/test-drives.sh)
#   for the session, and loses them again at its end; with --bench-drives
#   it gets the benchmark's 24 drives (scripts/bench-drives.sh) the same way.
# - The prefix's wineserver runs persistently while the command runs, which
#   turns every Wine start into a matter of milliseconds, and is stopped at
#   the end.
set -euo pipefail

# Debian's Wine loaders come without Wine's preloader, which would hold the
# addresses every Windows process needs (the shared user data at 0x7ffe0000)
# before the C library places its heap. With address randomisation that heap
# now and then starts right there, and the program ends at once with exit
# code 1 and no word: about one start in a few thousand, so one `make test`
# in ten or so. The session therefore runs with a fixed address layout
# wherever the kernel allows it (a container may forbid it; then as before).
if [ -z "${BRINDLE_FIXED_LAYOUT:-}" ] && setarch "$(uname -m)" -R true 2>/dev/null; then
  export BRINDLE_FIXED_LAYOUT=1
  exec setarch "$(uname -m)" -R "$0" "$@"
fi

root=$(cd "$(dirname "$0")/.." && pwd)
force_xvfb=0
test_drives=0
win64=0
bench_drives=0
while [ $# -gt 0 ]; do
  case $1 in
    --win64) win64=1; shift ;;
    --xvfb) force_xvfb=1; shift ;;
    --test-drives) test_drives=1; shift ;;
    --bench-drives) bench_drives=1; shift ;;
    *) break ;;
  esac
done

if [ "$win64" = 0 ] && ! "$root/scripts/machine.sh" runs-32bit; then
  echo "wine-session: no 32-bit session here: $("$root/scripts/machine.sh" why-not); the 64-bit build runs with --win64" >&2
  exit 1
fi

# Wine links the prefix's Documents folder to $HOME: keep it out of the user's home.
if [ "$win64" = 1 ]; then
  export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix64} WINEARCH=win64 HOME=$root/build/wine-home64
  # Debian's `wine` starts the 32-bit loader whenever wine32 is installed. In
  # a win64 prefix that one passes 64-bit programs on to the 64-bit loader but
  # runs Wine's own tools as 32-bit ones: `wine reg` would write HKLM\Software
  # into the 32-bit view (Wow6432Node), where the 64-bit drive manager never
  # looks. So this session and test-drives.sh call the 64-bit loader itself,
  # which Debian keeps out of PATH.
  WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
  BRINDLE_WINDOWS_BUILD=$root/build/windows64
else
  export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix} WINEARCH=win32 HOME=$root/build/wine-home
  WINE=wine
  BRINDLE_WINDOWS_BUILD=$root/build/windows
fi
# The loader and the build that the commands of this session run.
export WINE BRINDLE_WINDOWS_BUILD
export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# The dialogs' texts are code page 1252; a generated German or Japanese glibc
# locale would give Wine another ANSI code page.
export LC_ALL=C.UTF-8
mkdir -p "$HOME"

xvfb_pid=
display_file=
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  if [ "$test_drives" = 1 ]; then "$root/scripts/test-drives.sh" down >/dev/null 2>&1 || true; fi
  if [ "$bench_drives" = 1 ]; then "$root/scripts/bench-drives.sh" down >/dev/null 2>&1 || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  [ -n "$display_file" ] && rm -f "$display_file"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ "$force_xvfb" = 1 ] || [ -z "${DISPLAY:-}" ]; then
  display_file=$(mktemp)
  # -displayfd picks a free display number and writes it once the server is ready.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
  [ -s "$display_file" ] || { echo "wine-session: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=:$(head -n1 "$display_file")
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-session: creating the Wine prefix $WINEPREFIX" >&2
  "$WINE" wineboot -i >/dev/null 2>&1
  # A crash prints a backtrace and ends the process instead of waiting for a click.
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  # Without a window manager, managed windows get no frame and every destroyed
  # top-level window stalls for two seconds; unmanaged ones are drawn by Wine.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d "Liberation Sans" /f >/dev/null 2>&1
  wineserver -w
fi

# A test moves C:'s folder away for a moment; should it have died meanwhile,
# the prefix gets its C: back here.
if [ -d "$WINEPREFIX/drive_c-away" ] && [ ! -e "$WINEPREFIX/drive_c" ]; then
  mv "$WINEPREFIX/drive_c-away" "$WINEPREFIX/drive_c"
fi

# Wine draws the caption buttons with Marlett and dialogs look for Tahoma;
# Debian ships both with Wine but does not put them where Wine finds them.
for font in marlett.ttf tahoma.ttf tahomabd.ttf; do
  if [ -f "/usr/share/wine/fonts/$font" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/$font" ]; then
    cp "/usr/share/wine/fonts/$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  fi
done

if [ "$test_drives" = 1 ]; then
  "$root/scripts/test-drives.sh" up
  # Where the drives' folders are, for a test that puts a medium into one.
  export BRINDLE_TEST_DRIVES=$root/build/test-drives/$(basename "$WINEPREFIX")
fi
if [ "$bench_drives" = 1 ]; then "$root/scripts/bench-drives.sh" up; fi

wineserver -p >/dev/null 2>&1 || true
# Wine's helper processes inherit stdout: start them now, detached from any pipe.
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true

"$@"
