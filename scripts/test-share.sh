#!/bin/bash
# The tests' share of the C++ code: code lines of the tracked C/C++ files
# under tests/ (support code and fuzz targets included) against all others
# (library, hosts, benchmarks). A line counts when something other than a
# comment is left on it once /* */ and then // comments are removed.
#   usage: test-share.sh [--max-share F]   (exit 1 when the tests' share exceeds F)
set -euo pipefail
cd "$(dirname "$0")/.."
limit=
if [ $# -eq 2 ] && [ "$1" = --max-share ]; then limit=$2; fi

git ls-files | grep -E '\.(c|cc|cpp|cxx|h|hh|hpp)$' | while read -r file; do
  kind=product
  case $file in tests/* | test/*) kind=tests ;; esac
  printf '%s\t%s\n' "$kind" "$file"
done | awk -F'\t' -v limit="$limit" '
  # The whole file, its block comments (from a "/*" to the next "*/") turned
  # into the line breaks they spanned, then each line without its "//" part.
  function code_lines(file,   text, line, rest, start, end, comment, n, lines, i, count) {
    text = ""
    while ((getline line < file) > 0) text = text line "\n"
    close(file)
    rest = text
    text = ""
    while ((start = index(rest, "/*")) > 0) {
      end = index(substr(rest, start + 2), "*/")
      if (end == 0) break
      comment = substr(rest, start, end + 3)
      text = text substr(rest, 1, start - 1) line_breaks_of(comment)
      rest = substr(rest, start + end + 3)
    }
    text = text rest
    n = split(text, lines, "\n")
    count = 0
    for (i = 1; i <= n; i++) {
      line = lines[i]
      if ((start = index(line, "//")) > 0) line = substr(line, 1, start - 1)
      gsub(/[ \t\r\f\v]/, "", line)
      if (line != "") count++
    }
    return count
  }
  function line_breaks_of(comment,   breaks, i) {
    breaks = ""
    for (i = 1; i <= length(comment); i++) if (substr(comment, i, 1) == "\n") breaks = breaks "\n"
    return breaks
  }
  { lines[$1] += code_lines($2) }
  END {
    tests = lines["tests"] + 0
    product = lines["product"] + 0
    share = tests + product ? tests / (tests + product) : 0
    printf "product %d lines, tests %d lines: tests are %.2f of the product, %.0f %% of all C++ code\n",
           product, tests, product ? tests / product : 0, 100 * share
    if (limit != "" && share > limit + 0) {
      printf "tests exceed %.0f %% of all C++ code\n", 100 * limit
      exit 1
    }
  }'
