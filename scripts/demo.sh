#!/usr/bin/env bash
# The main job: builds Ravelin.dll, the simulated recorder and the demo host, and opens the
# configuration window under Wine against the simulated recorder. With a display the window
# opens there; without one it runs on Xvfb and writes a screenshot of the window.
# Options after the command go to the host (see: bash scripts/demo.sh --help), for example
#   bash scripts/demo.sh --lang pt --page Rede
#   bash scripts/demo.sh --latency 40           a slow recorder: the progress window shows
#   bash scripts/demo.sh --export backup.json   the recorder's configuration into a file
#   bash scripts/demo.sh --import backup.json   and back, without a window
#   bash scripts/demo.sh --state build/demo/customer.json
#                                               the recorder of an export (a copy: the
#                                               recorder keeps the window's changes in it)
# but for --arch 32, which runs the 32-bit host and library (the build most clients load)
# instead of the 64-bit ones; a machine that cannot run 32-bit programs says so and stops. The
# window runs under the locale of its language, so that dates and times read its way. The
# recorder is kept in build/demo/recorder.json, a configuration file a person can read and edit
# between runs, unless --state names another; paths are taken from the repository's top.
set -euo pipefail
cd "$(dirname "$0")/.."

mkdir -p build/demo
log="$PWD/build/demo/host.log"
state="$PWD/build/demo/recorder.json"
lang=en
arch=64
help=0
transfer=0
args=()
while [ $# -gt 0 ]; do
    case "$1" in
    --arch=*) arch=${1#--arch=} ;;
    --arch)
        arch=${2:-}
        shift
        ;;
    --state=*) state=${1#--state=} ;;
    --state)
        state=${2:-}
        shift
        ;;
    *)
        case "$1" in
        --lang=*) lang=${1#--lang=} ;;
        --lang) lang=${2:-en} ;;
        --help | -h) help=1 ;;
        --export | --export=* | --import | --import=*) transfer=1 ;;
        esac
        args+=("$1")
        ;;
    esac
    shift
done
case "$arch" in
64) host="$PWD/build/mingw64/bin/RavelinHost.exe" ;;
32) host="$PWD/build/mingw32/bin/RavelinHost.exe" ;;
*)
    echo "demo.sh: --arch takes 32 or 64, not \"$arch\"" >&2
    exit 2
    ;;
esac
set -- "${args[@]}"

bash scripts/install-deps.sh
source scripts/wine-env.sh
if [ "$arch" = 32 ] && [ "$RAVELIN_RUNS_32BIT" = no ]; then
    echo "demo.sh: the 32-bit host cannot run here ($RAVELIN_NO_32BIT_WHY); run the 64-bit one (without --arch 32)" >&2
    exit 1
fi
mkdir -p build
bash scripts/build.sh mingw64 mingw32 >build/demo-build.log 2>&1 || {
    mkdir -p build
    cat build/demo-build.log
    exit 1
}
echo "Ravelin.dll (x86_64): $PWD/build/mingw64/bin/Ravelin.dll"
echo "Ravelin.dll (i686):   $PWD/build/mingw32/bin/Ravelin.dll"
[ $help -eq 1 ] || echo "Running the $arch-bit host and library."
case "$lang" in
zh) export LANG=zh_CN.UTF-8 ;;
pt) export LANG=pt_BR.UTF-8 ;;
*) export LANG=en_US.UTF-8 ;;
esac

if [ $help -eq 1 ]; then
    bash scripts/wine-prefix.sh
    status=0
    wine "$host" "$@" >"$log" 2>&1 </dev/null || status=$?
    cat "$log"
    exit $status
fi

# A back-up or a restore needs no window: the host prints the result and ends.
if [ $transfer -eq 1 ]; then
    if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
        source scripts/xvfb.sh
        trap 'stop_xvfb; wineserver -k 2>/dev/null || true' EXIT
        start_xvfb
    fi
    bash scripts/wine-prefix.sh
    status=0
    wine "$host" --state "$state" "$@" >"$log" 2>&1 </dev/null || status=$?
    cat "$log"
    exit $status
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    bash scripts/wine-prefix.sh
    echo "Opening the configuration window; close it to end the demo."
    status=0
    wine "$host" --state "$state" "$@" >"$log" 2>&1 </dev/null || status=$?
    cat "$log"
    exit $status
fi

source scripts/xvfb.sh
trap 'stop_xvfb; wineserver -k 2>/dev/null || true' EXIT
start_xvfb
bash scripts/wine-prefix.sh
shot="$PWD/build/demo/ravelin.png"
status=0
wine "$host" --state "$state" --screenshot "$shot" --close-after-ms 2500 "$@" >"$log" 2>&1 \
    </dev/null || status=$?
cat "$log"
[ $status -eq 0 ] || exit $status
echo "No display: the window ran on Xvfb. Screenshot: $shot"
