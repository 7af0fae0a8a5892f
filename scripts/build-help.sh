#!/bin/bash
# Compiles the help pages in help/ into OUTDIR/Hilfe.chm with chmcmd (Debian's
# fp-utils). chmcmd writes its output beside the project file, so it works on
# a copy in a temporary folder and the source tree stays untouched.
#
# chmcmd exits with 0 even when it cannot find the project, and only reports
# missing pages and links as warnings: any error, warning or crash in its
# output, or no Hilfe.chm at the end, fails the build.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 OUTDIR" >&2; exit 2; }
command -v chmcmd >/dev/null || { echo "build-help: chmcmd is missing (package fp-utils)" >&2; exit 1; }

sources="$(cd "$(dirname "$0")/../help" && pwd)"
mkdir -p "$1"
out="$(cd "$1" && pwd)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -- "$sources"/* "$work/"

if ! (cd "$work" && chmcmd Hilfe.hhp) >"$work/chmcmd.log" 2>&1 ||
   grep -Eiq "error|warning|exception|can't|cannot" "$work/chmcmd.log" ||
   [ ! -s "$work/Hilfe.chm" ]; then
  echo "build-help: chmcmd failed on $sources/Hilfe.hhp:" >&2
  cat "$work/chmcmd.log" >&2
  exit 1
fi

# Replaced in one step, so that a reader never sees half a file.
mv -f "$work/Hilfe.chm" "$out/Hilfe.chm.part"
mv -f "$out/Hilfe.chm.part" "$out/Hilfe.chm"
