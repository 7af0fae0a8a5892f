#!/bin/bash
# Which of the two Windows builds this machine can run under Wine.
#   machine.sh describe     one line: which builds can run here, and why
#   machine.sh runs-32bit   exit status 0 when 32-bit Windows programs start here
#   machine.sh main-build   the build the main job runs on: windows or windows64
#
# Debian's Wine starts 32-bit Windows programs through its 32-bit loader, a
# 32-bit Linux program. Some machines boot a kernel without 32-bit emulation
# ("IA-32 emulation off"): there that loader ends with "Exec format error"
# (exit status 126), and no 32-bit Windows program can start by any means,
# Wine's WoW64 mode included. The 64-bit build runs on every machine.
# BRINDLE_NO_32BIT=1 makes a machine that can run both take the 64-bit-only
# path, so that the path is tried where the tests run.
set -uo pipefail
loader=/usr/lib/wine/wine

# Sets `reason` when 32-bit programs cannot run here.
reason=
if [ "${BRINDLE_NO_32BIT:-}" = 1 ]; then
  reason="BRINDLE_NO_32BIT=1 asks for the 64-bit-only path"
elif [ ! -x "$loader" ]; then
  reason="Wine's 32-bit loader $loader is not installed"
else
  answer=$("$loader" --version 2>&1 >/dev/null)
  status=$?
  if [ "$status" -eq 126 ]; then
    reason="this machine's kernel runs 64-bit programs only, and Wine's 32-bit loader ends with \"Exec format error\""
  elif [ "$status" -ne 0 ]; then
    reason="Wine's 32-bit loader does not start (exit status $status${answer:+: ${answer%%$'\n'*}})"
  fi
fi

case ${1:-} in
  describe)
    if [ -z "$reason" ]; then
      echo "machine: runs the 32-bit and the 64-bit build under Wine"
    else
      echo "machine: runs the 64-bit build only, because $reason; the 32-bit build is built and checked without running it"
    fi ;;
  runs-32bit) [ -z "$reason" ] ;;
  main-build) if [ -z "$reason" ]; then echo windows; else echo windows64; fi ;;
  why-not) echo "$reason" ;;
  *) echo "usage: machine.sh describe|runs-32bit|main-build|why-not" >&2; exit 2 ;;
esac
