#!/usr/bin/env bash
# Prints the figures of the benchmarks: a whole headless session and an import of a configuration
# file natively, then under Wine the window's opening beside its floor and the page switches.
# Measure on a quiet machine.
#   bash scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh native mingw64 >/dev/null
build/native/bench/ravelin_session_bench
build/native/bench/ravelin_import_bench
exec bash scripts/wine-run.sh build/mingw64/bin/RavelinBench.exe
