#!/usr/bin/env bash
# Installs what is missing, builds the four configurations and runs every test: native,
# sanitizers, the Windows tests under Wine (on Xvfb when there is no display) and the checks
# of the Windows binaries of both bitnesses.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh native asan mingw64 mingw32

source scripts/xvfb.sh
cleanup() {
    stop_xvfb
    WINEPREFIX="${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}" wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
fi
bash scripts/wine-prefix.sh

jobs=$(nproc)
for p in native asan mingw32 mingw64; do
    echo "== test $p"
    ctest --preset "$p" -j "$jobs"
done
