#!/usr/bin/env bash
# Installs what is missing and builds Ravelin.dll for both Windows targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh mingw64 mingw32
echo
echo "Ravelin.dll (x86_64): $PWD/build/mingw64/bin/Ravelin.dll"
echo "Ravelin.dll (i686):   $PWD/build/mingw32/bin/Ravelin.dll"
