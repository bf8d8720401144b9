#!/usr/bin/env bash
# Runs a Windows program under Wine for ctest. Wine's helper processes inherit the standard
# handles and outlive the program, so its output goes to files, which are printed afterwards;
# the exit code is the program's.
set -u
ravelin_wine_quiet=1
source "$(dirname "$0")/wine-env.sh"
export LANG="${RAVELIN_TEST_LANG:-C.UTF-8}"
logs=$(mktemp -d)
wine "$@" >"$logs/out" 2>"$logs/err" </dev/null
rc=$?
cat "$logs/out"
grep -v -E '^(fixme|err):|^[0-9a-f]{4}:(fixme|err)' "$logs/err" >&2
rm -rf "$logs"
exit $rc
