#!/bin/bash
# Lists the product's functions that nothing reaches: what the linker drops
# from Brindlework.dll, brindle.exe and BrindleEdit.exe when it keeps only
# what their entry points and exports reach (--gc-sections, each function in
# a section of its own). The three are linked again for this in
# build/reach (32-bit, without inlining, so that a function called only
# from inside others still counts as its own), with --print-gc-sections; an
# object that no link takes is dropped whole.
# Functions defined in headers and never used are never compiled, so they
# cannot show here.
#   usage: unreached-functions.sh   (exit 1 when a product function is listed)
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/reach
targets=(Brindlework brindle BrindleEdit)
libraries=(brindle_core brindle_logic host_logic)
[ -f $build/CMakeCache.txt ] || cmake -S . -B $build -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS=-fno-inline -fno-ipa-icf" \
  -DCMAKE_SHARED_LINKER_FLAGS=-Wl,--print-gc-sections -DCMAKE_EXE_LINKER_FLAGS=-Wl,--print-gc-sections >/dev/null
cmake --build $build --target "${libraries[@]}" -j "$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in "${targets[@]}"; do
  rm -f $build/$target.dll $build/$target.exe
  cmake --build $build --target "$target" -j 1 >"$work/$target.log" 2>&1 || { cat "$work/$target.log" >&2; exit 2; }
done

# The function sections of an object, one "object<TAB>section" a line.
sections() {
  i686-w64-mingw32-objdump -h "$1" | awk -v object="$1" '$2 ~ /^\.text\$/ { print object "\t" $2 }'
}
# An object as the linker names it ("libbrindle_core.a(chkdsk.cpp.obj)" or a
# path in the target's folder) and its file.
object_file() {
  case $1 in
    lib*.a\(*\)) local library=${1%%.a(*} member=${1#*(}; member=${member%)}
                 find $build/CMakeFiles/${library#lib}.dir -name "$member" | head -1 ;;
    *objects.a\(*\)) local target=${1%%/objects.a(*} member=${1#*(}; member=${member%)}
                     find $build/$target -name "$member" | head -1 ;;
    *) echo "$build/$1" ;;
  esac
}

# Every function section of every product object, and those that a link kept.
for dir in "${libraries[@]}" "${targets[@]}"; do
  find $build/CMakeFiles/$dir.dir -name '*.obj' | while read -r object; do sections "$object"; done
done | sort -u >"$work/all"
: >"$work/kept"
for target in "${targets[@]}"; do
  log=$work/$target.log
  # Every object the link took has a section dropped: its compiler's note at least.
  grep -oE "in file '[^/'][^']*'" "$log" | sed -E "s/in file '(.*)'/\1/" | sort -u |
    while read -r named; do
      file=$(object_file "$named")
      [ -f "$file" ] || continue  # the linker's own, such as its export stubs
      removed=$(grep -F "in file '$named'" "$log" | grep -oE "section '\.text\\\$[^']*'" | sed -E "s/section '(.*)'/\1/" || true)
      sections "$file" | while IFS=$'\t' read -r object section; do
        grep -qxF "$section" <<<"$removed" || printf '%s\t%s\n' "$object" "$section"
      done
    done >>"$work/kept"
done

# A function is reached when any copy of it was kept (an inline function has
# one in every object that uses it). The product's own, by their names.
cut -f2 "$work/kept" | sort -u >"$work/kept-sections"
# (Template code of the standard library that the product instantiated is left out.)
cut -f2 "$work/all" | sort -u | comm -23 - "$work/kept-sections" | sed -E 's/^\.text\$//; s/\[.*//' | c++filt |
  awk '{ name = $0; gsub(/\(anonymous namespace\)/, "anonymous", name)
         head = substr(name, 1, index(name, "(") - 1)  # the return type and the name
         if (head ~ /(^| )(std|__gnu_cxx)::/) next
         if (head ~ /^([^ ]+ )?(toolkit|plugin|commands|brindle_edit|brindle|hosts|anonymous)::/ || head ~ /^[a-z_]+$/) print }' |
  sort -u >"$work/unreached" || true
if [ -s "$work/unreached" ]; then
  echo "unreached-functions: $(wc -l <"$work/unreached") product functions that no export or host reaches:"
  cat "$work/unreached"
  exit 1
fi
echo "unreached-functions: every product function is reached from an export, an entry point or a host"
