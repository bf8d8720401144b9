#!/usr/bin/env bash
# Fuzzes a whole configuration session for a while (default 60 minutes) on every core:
#   bash scripts/fuzz.sh [minutes]
# The working corpus and any crashing input stay in build/fuzz-session; the committed seeds in
# fuzz/corpus/session are never written. Ends with the executions, the coverage and the
# findings.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes="${1:-60}"
case "$minutes" in '' | *[!0-9]*) echo "usage: bash scripts/fuzz.sh [minutes]" >&2; exit 2 ;; esac
bash scripts/install-deps.sh
bash scripts/build.sh asan >/dev/null
work="$PWD/build/fuzz-session"
mkdir -p "$work/corpus" "$work/findings"
cp -n fuzz/corpus/session/* "$work/corpus/" 2>/dev/null || true
jobs=$(nproc)
echo "Fuzzing a session for $minutes minutes with $jobs workers; log in $work/fuzz.log"
status=0
build/asan/fuzz/session_fuzzer -fork="$jobs" -ignore_crashes=1 -max_total_time=$((minutes * 60)) \
    -artifact_prefix="$work/findings/" -print_final_stats=1 "$work/corpus" >"$work/fuzz.log" 2>&1 ||
    status=$?
grep -E "^#[0-9]+.*(DONE|pulse)|stat::number_of_executed_units|stat::peak_rss|cov:" "$work/fuzz.log" | tail -n 3
findings=$(find "$work/findings" -type f | wc -l)
echo "findings: $findings (in $work/findings)"
[ "$findings" -eq 0 ] && [ "$status" -eq 0 ]
