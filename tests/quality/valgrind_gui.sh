#!/usr/bin/env bash
# Runs the window under valgrind memcheck through one build-solve-replay cycle on a private X
# server, then closes it: no memory error at all, and no definite leak.
#
#   valgrind_gui.sh PROGRAM WORKDIR
#
# Leaks that only the toolkit's one-time set-up makes (fontconfig, the X connection, Qt's
# plugin loader) are suppressed in valgrind.supp, each entry with its reason; everything else,
# and every leak whose stack reaches the program's own code, counts.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
rm -rf "$2"
mkdir -p "$2"
work=$(cd "$2" && pwd)

# Under memcheck the program runs some twenty times slower; every wait gets room for it.
GUI_TIMEOUT=${GUI_TIMEOUT:-240} "$here/gui_cycle.sh" "$work" \
  valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
  --error-exitcode=99 --num-callers=40 --suppressions="$here/valgrind.supp" --gen-suppressions=all \
  --log-file="$work/valgrind.log" "$program" || {
  echo "valgrind_gui: FAILED; the report is $work/valgrind.log"
  grep -E '^==[0-9]+== (ERROR SUMMARY|.*definitely lost|Invalid|Conditional|Use of|Mismatched)' "$work/valgrind.log" || true
  exit 1
}
grep -E '^==[0-9]+== (ERROR SUMMARY|   definitely lost|   indirectly lost|      possibly lost)' "$work/valgrind.log"
