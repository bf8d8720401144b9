#!/usr/bin/env bash
# Prints the figures of the benchmarks: a whole headless session natively, then under Wine the
# window's opening beside its floor and the page switches. Measure on a quiet machine.
#   bash scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh native mingw64 >/dev/null
build/native/bench/ravelin_session_bench
source scripts/xvfb.sh
trap stop_xvfb EXIT
[ -n "${DISPLAY:-}" ] || start_xvfb
bash scripts/wine-prefix.sh
export WINEPREFIX="${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}" WINEDEBUG=-all
log=$(mktemp)
status=0
LANG=C.UTF-8 wine build/mingw64/bin/RavelinBench.exe >"$log" 2>&1 </dev/null || status=$?
cat "$log"
rm -f "$log"
exit $status
