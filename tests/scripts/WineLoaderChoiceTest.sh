#!/usr/bin/env bash
# scripts/wine-env.sh with 32-bit loaders that start, cannot be executed, or are missing: what it
# decides, what it says, and which loader a script's "wine" (and wineboot's "wine-stable") starts.
#   bash tests/scripts/WineLoaderChoiceTest.sh SOURCE_DIR
set -u
source_dir=$(cd "${1:?source directory}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

check() { # check NAME ACTUAL EXPECTED-GLOB
    # shellcheck disable=SC2053
    if [[ "$2" == $3 ]]; then
        echo "ok   $1"
    else
        echo "FAIL $1: got \"$2\", expected \"$3\""
        failures=$((failures + 1))
    fi
}

# A 32-bit ELF header for a machine no x86 kernel runs: starting it fails with "Exec format
# error", as a 32-bit program does on a kernel without 32-bit support.
printf '\177ELF\001\001\001\000\000\000\000\000\000\000\000\000\002\000\050\000\001\000\000\000' \
    >"$work/foreign-loader"
head -c 32 /dev/zero >>"$work/foreign-loader"
chmod +x "$work/foreign-loader"
printf '#!/bin/sh\necho wine-8.0\n' >"$work/working-loader"
chmod +x "$work/working-loader"
# Stands in for the 64-bit loader: prints the loader it was told to use and its arguments.
printf '#!/bin/sh\necho "WINELOADER=$WINELOADER args=$*"\n' >"$work/fake-wine64"
chmod +x "$work/fake-wine64"

# Sources the script in a clean shell with the given probe and prints, one per line: the line
# it said, its decision, the reason, and where "wine" and "wine-stable" lead.
decide() {
    env -i HOME="$work" PATH=/usr/bin:/bin RAVELIN_PROBE_32BIT="$1" ${2:+RAVELIN_RUNS_32BIT=$2} \
        bash -c 'source "$0/scripts/wine-env.sh" >"$1/said"
                 printf "%s\n" "$(cat "$1/said")" "$RAVELIN_RUNS_32BIT" "$RAVELIN_NO_32BIT_WHY" \
                     "$(command -v wine)" "$(command -v wine-stable)"' "$source_dir" "$work"
}
field() { sed -n "${1}p" <<<"$2"; }

out=$(decide "$work/foreign-loader")
check "a loader the kernel cannot execute: no 32-bit programs" "$(field 2 "$out")" no
check "...and the reason is the kernel's" "$(field 3 "$out")" "$work/foreign-loader: Exec format error"
check "...said in one line" "$(field 1 "$out")" "This machine cannot run 32-bit programs (*Exec format error): *64-bit loader*"
check "...wine is the 64-bit launcher" "$(field 4 "$out")" "$source_dir/scripts/wine64/wine"
check "...and so is the wine-stable wineboot starts" "$(field 5 "$out")" "$source_dir/scripts/wine64/wine-stable"
started=$(RAVELIN_WINE64_LOADER="$work/fake-wine64" "$source_dir/scripts/wine64/wine-stable" wineboot.exe -i)
check "...which starts the 64-bit loader, told to use itself" "$started" \
    "WINELOADER=$work/fake-wine64 args=wineboot.exe -i"

out=$(decide "$work/missing-loader")
check "no 32-bit loader installed: no 32-bit programs" "$(field 2 "$out")" no
check "...said with the way to install it" "$(field 3 "$out")" "there is no 32-bit Wine loader $work/missing-loader (*install-deps.sh*)"

out=$(decide "$work/working-loader")
check "a loader that starts: 32-bit programs run" "$(field 2 "$out")" yes
check "...said in one line" "$(field 1 "$out")" "This machine runs 32-bit programs:*"
check "...and wine is left as it is" "$(field 4 "$out")" "$(PATH=/usr/bin:/bin command -v wine)"

out=$(decide "$work/foreign-loader" yes)
check "asked once: a decision made earlier stands and is not said again" \
    "$(field 1 "$out")|$(field 2 "$out")" "|yes"

[ $failures -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "all passed"
