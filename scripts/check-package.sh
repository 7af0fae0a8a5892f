#!/bin/bash
# Checks a package as a Windows user would receive it: the files it holds,
# each program and library (its architecture, system imports only, the
# library's exports), that none is past its size limit
# (scripts/binary-sizes.sh), the help file and the read-me texts.
#   usage: check-package.sh ZIP
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
zip=$(realpath "$1")
checks=$root/scripts/check-binary.sh
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
cd "$unpacked"
cmake -E tar xf "$zip"

expected="Brindlework/64-Bit/Brindlework.dll
Brindlework/BrindleEdit.exe
Brindlework/Brindlework.dll
Brindlework/Hilfe.chm
Brindlework/LIESMICH.txt
Brindlework/README.txt
Brindlework/brindle.exe"
actual=$(find Brindlework -type f | LC_ALL=C sort)
[ "$actual" = "$expected" ] || { printf 'check-package: unexpected contents:\n%s\n' "$actual" >&2; exit 1; }

"$checks" pei-i386 Brindlework/BrindleEdit.exe Brindlework/Brindlework.dll Brindlework/brindle.exe >/dev/null
"$checks" pei-x86-64 Brindlework/64-Bit/Brindlework.dll >/dev/null
# The files stay lean: a file past its size limit fails the package.
"$root/scripts/binary-sizes.sh" Brindlework/Brindlework.dll Brindlework/64-Bit/Brindlework.dll \
  Brindlework/BrindleEdit.exe Brindlework/brindle.exe >/dev/null

[ "$(head -c 4 Brindlework/Hilfe.chm)" = ITSF ] || { echo "check-package: Hilfe.chm is no compiled help file" >&2; exit 1; }
for text in LIESMICH.txt README.txt; do
  [ "$(head -c 3 "Brindlework/$text" | od -An -tx1 | tr -d ' ')" = efbbbf ] &&
    ! grep -q $'[^\r]$' "Brindlework/$text" ||
    { echo "check-package: $text needs the UTF-8 mark and CRLF line ends" >&2; exit 1; }
done
echo "check-package: $(basename "$zip") holds what a Windows user needs"
