#!/usr/bin/env bash
# Writes docs/screenshots/<page>-<lang>.png from the real window under Wine, for the pages and
# languages given (default: every page listed below in zh, en and pt).
#   bash scripts/screenshots.sh                  all of them
#   bash scripts/screenshots.sh network pt       one page in one language
set -euo pipefail
cd "$(dirname "$0")/.."

# Picture name in the file name, and the text id of the page's tree node; a dialog is its page's
# id followed by ":" and the id of the button that opens it (e.g. 0x52a:1168).
declare -A pages=(
    [version]=0x503 [hdd-info]=0x504 [network]=0x50b [alarm-center]=0x522
    [encode]=0x508 [general]=0x507 [schedule]=0x509 [manage-record]=0x5e8
    [alarm]=0x527 [alarm-ptz-link]=0x527:1168
)
declare -A languages=([zh]=zh [en]=en [pt]=pt)

wanted_pages=("${!pages[@]}")
wanted_languages=(zh en pt)
if [ $# -ge 1 ]; then wanted_pages=("$1"); fi
if [ $# -ge 2 ]; then wanted_languages=("$2"); fi
for page in "${wanted_pages[@]}"; do
    [ -n "${pages[$page]:-}" ] || { echo "unknown page '$page'; known: ${!pages[*]}" >&2; exit 2; }
done
for lang in "${wanted_languages[@]}"; do
    [ -n "${languages[$lang]:-}" ] || { echo "unknown language '$lang'; known: zh en pt" >&2; exit 2; }
done

bash scripts/install-deps.sh
bash scripts/build.sh mingw64 >/dev/null

source scripts/xvfb.sh
trap stop_xvfb EXIT
if [ -z "${DISPLAY:-}" ]; then
    start_xvfb
fi
bash scripts/wine-prefix.sh
export WINEPREFIX="${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}" WINEDEBUG=-all

mkdir -p docs/screenshots
log=$(mktemp)
for page in "${wanted_pages[@]}"; do
    for lang in "${wanted_languages[@]}"; do
        spec=${pages[$page]}
        caption=$(python3 scripts/caption.py "${spec%%:*}" "$lang")
        press=()
        [ "$spec" != "${spec#*:}" ] && press=(--press "${spec#*:}")
        out="docs/screenshots/$page-$lang.png"
        # Chinese text renders only under a Chinese locale.
        locale=C.UTF-8
        [ "$lang" = zh ] && locale=zh_CN.UTF-8
        LANG=$locale wine build/mingw64/bin/RavelinHost.exe --lang "$lang" --page "$caption" \
            "${press[@]}" --screenshot "$PWD/$out" --close-after-ms 1500 >"$log" 2>&1 </dev/null ||
            { cat "$log"; exit 1; }
        # The host writes plain PNG; compress it for the repository.
        convert "$out" -strip "$out"
        echo "$out"
    done
done
rm -f "$log"
