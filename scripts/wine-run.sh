#!/usr/bin/env bash
# Runs a Windows program of the build under Wine in the project's prefix, on Xvfb when there
# is no display, and prints what it printed; exits with its status:
#   bash scripts/wine-run.sh build/mingw64/bin/RavelinBench.exe [arguments]
# The output goes through a file: Wine's helper processes would keep a pipe open.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
trap stop_xvfb EXIT
[ -n "${DISPLAY:-}" ] || start_xvfb
source scripts/wine-env.sh
bash scripts/wine-prefix.sh
log=$(mktemp)
status=0
LANG=C.UTF-8 wine "$@" >"$log" 2>&1 </dev/null || status=$?
cat "$log"
rm -f "$log"
exit $status
