#!/usr/bin/env bash
# Creates the Wine prefix the tests and the demo use, once; later runs find it ready.
set -eu
export WINEPREFIX="${WINEPREFIX:-${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >"$WINEPREFIX/wineboot.log" 2>&1 </dev/null || true
    wineserver -w
fi
