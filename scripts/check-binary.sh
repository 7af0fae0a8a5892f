#!/bin/bash
# What can be checked of a built program or library without running it, so
# that a build a machine cannot run is still checked there: its format and
# machine, that it imports Windows system libraries only (the runtimes are
# linked in), and for Brindlework.dll its module name, its exports by name
# and ordinal, its texts' code page, and the common controls' start-up it calls.   usage: check-binary.sh pei-i386|pei-x86-64 FILE...
set -euo pipefail
format=$1
shift
case $format in
  pei-i386) objdump=i686-w64-mingw32-objdump ;;
  pei-x86-64) objdump=x86_64-w64-mingw32-objdump ;;
  *) echo "check-binary: unknown format $format" >&2; exit 2 ;;
esac

# The libraries every Windows installation carries.
system_libraries='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|shlwapi|msvcrt)\.dll$'
exports='1 chkdsk
2 color
3 echo
4 title
5 xcopy
6 chkdsk_edit
7 color_edit
8 echo_edit
9 title_edit
10 xcopy_edit
11 robocopy
12 robocopy_edit'

fail() { echo "check-binary: $file: $*" >&2; exit 1; }

for file in "$@"; do
  [ -f "$file" ] || fail "missing"
  actual=$("$objdump" -f "$file" | sed -n 's/.*file format //p')
  [ "$actual" = "$format" ] || fail "is $actual, not $format"
  headers=$("$objdump" -p "$file")
  while read -r library; do
    [[ ${library,,} =~ $system_libraries ]] || fail "imports $library, which is no Windows system library"
  done < <(sed -n 's/.*DLL Name: //p' <<<"$headers")
  [ "$(basename "$file")" = Brindlework.dll ] || continue

  name=$(sed -n 's/^Name[[:space:]]*[0-9a-f]* //p' <<<"$headers")
  [ "$name" = Brindlework.dll ] || fail "names its module \"$name\""
  base=$(sed -n 's/^Ordinal Base[[:space:]]*//p' <<<"$headers")
  # "[   2] echo" in the name table: the ordinal is the base plus the index.
  actual=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" |
           sed -n 's/^[[:space:]]*\[ *\([0-9]*\)\] \(.*\)$/\1 \2/p' |
           while read -r index export; do echo "$((base + index)) $export"; done | sort -n)
  [ "$actual" = "$exports" ] || fail "exports
$actual
instead of
$exports"
  # The dialogs' texts are code page 1252 bytes ("Hinzufügen" with 0xFC), not UTF-8.
  LC_ALL=C grep -qa $'Hinzuf\xfcgen' "$file" || fail "holds no \"Hinzufügen\" in code page 1252"
  ! LC_ALL=C grep -qa $'Hinzuf\xc3\xbcgen' "$file" || fail "holds UTF-8 text"
  # The start-up initialises the common controls both ways.
  for function in InitCommonControls InitCommonControlsEx; do
    grep -Eq "^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+$function\$" <<<"$headers" || fail "does not call $function"
  done
done
echo "check-binary: $# $format file(s) hold their format, system imports only$([[ " $* " == *Brindlework.dll* ]] && echo ', and the exports and texts')"
