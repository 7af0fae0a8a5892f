#!/bin/bash
# Puts what a Windows user needs into one ZIP: both hosts, the 32-bit and
# the 64-bit library, the help file and the read-me texts (CRLF, UTF-8
# with its mark, which Notepad reads).  usage: package.sh OUTPUT.zip
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
output=$(realpath -m "$1")
build=$root/build

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
top=$stage/Brindlework
mkdir -p "$top/64-Bit"
for file in Brindlework.dll BrindleEdit.exe brindle.exe Hilfe.chm; do
  [ -f "$build/windows/$file" ] || { echo "package: $build/windows/$file is missing (make build-windows)" >&2; exit 1; }
  cp "$build/windows/$file" "$top/"
done
[ -f "$build/windows64/Brindlework.dll" ] || { echo "package: the 64-bit library is missing (make build-windows64)" >&2; exit 1; }
cp "$build/windows64/Brindlework.dll" "$top/64-Bit/"
for text in LIESMICH.txt README.txt; do
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$root/package/$text"; } >"$top/$text"
done

mkdir -p "$(dirname "$output")"
rm -f "$output"
(cd "$stage" && cmake -E tar cf "$output" --format=zip Brindlework)
echo "package: $output"
