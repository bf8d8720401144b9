#!/usr/bin/env bash
# Sourced by every script that starts Windows programs: the project's Wine prefix and settings,
# and whether this machine runs 32-bit programs. That is found out once, by starting the 32-bit
# Wine loader, and said in one line; the answer is exported (RAVELIN_RUNS_32BIT=yes or no, and
# RAVELIN_NO_32BIT_WHY), so the scripts and tests started from here neither ask nor say it again.
# Where 32-bit programs cannot run, Debian's wine launcher would still pick the 32-bit loader for
# every program, 64-bit ones included: the launchers in scripts/wine64/ then come first on PATH
# and start the 64-bit loader directly. Set ravelin_wine_quiet=1 before sourcing to skip the line.

export WINEPREFIX="${WINEPREFIX:-${RAVELIN_WINEPREFIX:-$HOME/.cache/ravelin-wine}}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ -z "${RAVELIN_RUNS_32BIT:-}" ]; then
    RAVELIN_RUNS_32BIT=yes
    RAVELIN_NO_32BIT_WHY=""
    ravelin_probe="${RAVELIN_PROBE_32BIT:-/usr/lib/wine/wine}"
    if [ ! -e "$ravelin_probe" ]; then
        RAVELIN_RUNS_32BIT=no
        RAVELIN_NO_32BIT_WHY="there is no 32-bit Wine loader $ravelin_probe (bash scripts/install-deps.sh installs it)"
    elif ! ravelin_probe_said=$("$ravelin_probe" --version 2>&1 </dev/null); then
        # The shell says why it could not start it, e.g. "...: cannot execute binary file: Exec
        # format error"; keep the reason, which is the part after the last colon.
        RAVELIN_RUNS_32BIT=no
        ravelin_probe_said=$(printf '%s\n' "$ravelin_probe_said" | tail -n 1)
        RAVELIN_NO_32BIT_WHY="$ravelin_probe: ${ravelin_probe_said##*: }"
    fi
    export RAVELIN_RUNS_32BIT RAVELIN_NO_32BIT_WHY
    if [ "${ravelin_wine_quiet:-0}" != 1 ]; then
        if [ "$RAVELIN_RUNS_32BIT" = yes ]; then
            echo "This machine runs 32-bit programs: Wine starts the x86_64 and the i686 builds."
        else
            echo "This machine cannot run 32-bit programs ($RAVELIN_NO_32BIT_WHY): Wine starts with its 64-bit loader and the i686 build is not run under Wine here."
        fi
    fi
    unset ravelin_probe ravelin_probe_said
fi

if [ "$RAVELIN_RUNS_32BIT" = no ]; then
    ravelin_wine64_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64"
    case ":$PATH:" in
    *":$ravelin_wine64_dir:"*) ;;
    *) export PATH="$ravelin_wine64_dir:$PATH" ;;
    esac
    unset ravelin_wine64_dir
fi
