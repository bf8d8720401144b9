#!/usr/bin/env bash
# Installs what is missing, builds the four configurations and runs every test: native,
# sanitizers, the Windows tests under Wine (on Xvfb when there is no display) and the checks
# of the Windows binaries of both bitnesses. On a machine that cannot run 32-bit programs the
# i686 build is still built and its binaries checked, but its suites under Wine are skipped,
# and the run says so at its start and at its end.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/wine-env.sh
bash scripts/build.sh native asan mingw64 mingw32

source scripts/xvfb.sh
cleanup() {
    stop_xvfb
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
fi
bash scripts/wine-prefix.sh

jobs=$(nproc)
for p in native asan mingw32 mingw64; do
    if [ "$p" = mingw32 ] && [ "$RAVELIN_RUNS_32BIT" = no ]; then
        echo "== test mingw32: the binary checks only; the suites under Wine need 32-bit programs"
        ctest --preset "$p" -j "$jobs" -L binary
        continue
    fi
    echo "== test $p"
    ctest --preset "$p" -j "$jobs"
done
if [ "$RAVELIN_RUNS_32BIT" = yes ]; then
    echo "All passed. The i686 suites ran under 32-bit Wine."
else
    echo "All passed. The i686 suites under Wine did not run: $RAVELIN_NO_32BIT_WHY; its build and binary checks did."
fi
