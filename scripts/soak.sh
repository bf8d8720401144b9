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
exec bash scripts/wine-run.sh build/mingw64/bin/RavelinSoak.exe "$sessions"
