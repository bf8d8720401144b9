#!/usr/bin/env bash
# Runs many configuration sessions in one process on real windows under Wine (default 500),
# each opening every page and dialog, and prints the windows, graphics objects and memory
# after the warm-up and their growth per session:
#   bash scripts/soak.sh [sessions]
set -euo pipefail
cd "$(dirname "$0")/.."
sessions="${1:-500}"
case "$sessions" in '' | *[!0-9]*) echo "usage: bash scripts/soak.sh [sessions]" >&2; exit 2 ;; esac
bash scripts/install-deps.sh
bash scripts/build.sh mingw64 >/dev/null
source scripts/xvfb.sh
trap stop_xvfb EXIT
[ -n "${DISPLAY:-}" ] || start_xvfb
bash scripts/wine-prefix.sh
export WINEPREFIX="${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}" WINEDEBUG=-all
log=$(mktemp)
status=0
LANG=C.UTF-8 wine build/mingw64/bin/RavelinSoak.exe "$sessions" >"$log" 2>&1 </dev/null || status=$?
cat "$log"
rm -f "$log"
exit $status
