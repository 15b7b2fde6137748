#!/usr/bin/env bash
# Runs Tolvane under strace through one build-solve cycle on a private X server, then audits
# every file it opened, every file-system change and every socket it used.
#
#   strace_audit.sh PROGRAM WORKDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "$1")
rm -rf "$2"
mkdir -p "$2"
work=$(cd "$2" && pwd)

"$here/gui_cycle.sh" "$work" \
  strace -f -qq -o "$work/strace.log" -e trace=file,network,process "$program"
python3 "$here/check_strace.py" "$work/strace.log" "$program" "$work/home" "$work/runtime"
