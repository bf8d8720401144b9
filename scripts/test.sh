#!/usr/bin/env bash
# Installs what is missing, builds the four configurations and runs every test: native,
# sanitizers, the Windows tests under Wine (on Xvfb when there is no display) and the checks
# of the Windows binaries of both bitnesses.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh native asan mingw64 mingw32

xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    WINEPREFIX="${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}" wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    Xvfb :97 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:97
fi
bash scripts/wine-prefix.sh

jobs=$(nproc)
for p in native asan mingw32 mingw64; do
    echo "== test $p"
    ctest --preset "$p" -j "$jobs"
done
