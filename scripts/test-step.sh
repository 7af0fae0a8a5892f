#!/bin/bash
# Keeps the tally of `make test`, so that its closing line says what passed
# and what was skipped, and why; never a skipped step counted as passed.
#   test-step.sh begin                start a tally in $BRINDLE_TEST_STEPS
#   test-step.sh run NAME COMMAND...  run a step; count it as passed, with its seconds, if it does
#   test-step.sh skip NAME WHY        count a step that cannot run here
#   test-step.sh end [WHAT]           print the closing line ("make test" unless WHAT)
# Without BRINDLE_TEST_STEPS (a single make target) steps run uncounted.
set -euo pipefail
tally=${BRINDLE_TEST_STEPS:-}

note() { [ -z "$tally" ] || printf '%s\n' "$1" >>"$tally"; }

case $1 in
  begin) mkdir -p "$(dirname "$tally")"; printf 'began\t%s\n' "$(date +%s)" >"$tally" ;;
  run)
    name=$2
    shift 2
    started=$SECONDS
    "$@"
    note "passed	$name $((SECONDS - started)) s" ;;
  skip)
    echo "SKIPPED: $2, because $3" >&2
    note "skipped	$2 ($3)" ;;
  end)
    awk -F'\t' -v what="${2:-make test}" -v now="$(date +%s)" '
      $1 == "began" { began = $2 }
      $1 == "passed" { passed = passed (p++ ? ", " : "") $2 }
      $1 == "skipped" { skipped = skipped (s++ ? "; " : "") $2 }
      END {
        line = sprintf("%s: %d passed (%s)", what, p, passed)
        if (s) line = line sprintf("; %d SKIPPED, not run: %s", s, skipped)
        if (began) line = line sprintf("; %d s in all", now - began)
        print line
      }' "$tally"
    rm -f "$tally" ;;
  *) echo "usage: test-step.sh begin|run|skip|end" >&2; exit 2 ;;
esac
