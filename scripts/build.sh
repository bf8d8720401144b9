#!/usr/bin/env bash
# Configures and builds the given presets (default: all four).
set -euo pipefail
cd "$(dirname "$0")/.."
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native asan mingw64 mingw32)
jobs=$(nproc)
for p in "${presets[@]}"; do
    echo "== build $p"
    cmake --preset "$p" >"build-$p.configure.log" 2>&1 || { cat "build-$p.configure.log"; exit 1; }
    rm -f "build-$p.configure.log"
    cmake --build --preset "$p" -j "$jobs"
done
