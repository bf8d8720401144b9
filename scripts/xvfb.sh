#!/usr/bin/env bash
# Sourced by the scripts that need an X server: start_xvfb starts Xvfb on a free display,
# exports DISPLAY and sets XVFB_PID; stop_xvfb stops it again.

start_xvfb() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # Xvfb writes the display number it chose; stale lock files of earlier servers never clash.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    XVFB_PID=$!
    local display
    read -r -t 20 display <"$fifo" || display=""
    rm -f "$fifo"
    if [ -z "$display" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$display"
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=""
    fi
}
