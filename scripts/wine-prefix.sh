#!/usr/bin/env bash
# Creates the Wine prefix the tests and the demo use, once; later runs find it ready. Programs
# run inside a Wine virtual desktop, which frames their windows and makes activation and
# focus the same on every machine.
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
if [ ! -f "$WINEPREFIX/.ravelin-fonts" ]; then
    # Chinese glyphs for the fonts the window's frame and dialogs use.
    link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" Arial; do
        wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' \
            /f >/dev/null 2>&1 </dev/null
    done
    wineserver -w
    touch "$WINEPREFIX/.ravelin-fonts"
fi
if [ ! -f "$WINEPREFIX/.ravelin-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 </dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f \
        >/dev/null 2>&1 </dev/null
    wineserver -w
    touch "$WINEPREFIX/.ravelin-desktop"
fi
