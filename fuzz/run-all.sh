#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each, one after the other, and prints each run's last
# status line (executions, coverage). The design targets start from the test designs; corpora
# live in a temporary folder that is removed at the end. A finding is kept in ARTIFACTS
# (default: fuzz-findings/ in the current folder) and stops the script.
#
#   fuzz/run-all.sh BUILD_DIR [SECONDS] [ARTIFACTS]
set -euo pipefail
build=${1:?usage: fuzz/run-all.sh BUILD_DIR [SECONDS] [ARTIFACTS]}
seconds=${2:-600}
artifacts=${3:-fuzz-findings}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for target in fuzz_calculation fuzz_designfile fuzz_csvimport fuzz_commatext fuzz_numbers; do
  corpus="$work/$target"
  mkdir -p "$corpus" "$artifacts"
  case $target in
    fuzz_calculation | fuzz_designfile) cp "$here"/tests/data/design/*.dat "$corpus"/ ;;
  esac
  echo "== $target, $seconds s"
  (cd "$work" && "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
     -artifact_prefix="$(cd "$artifacts" && pwd)/$target-" "$corpus" 2>"$work/$target.log") || {
    tail -n 40 "$work/$target.log"
    exit 1
  }
  grep -E '^#[0-9]+.*(DONE|pulse)' "$work/$target.log" | tail -n 1
  grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$target.log"
  rmdir "$artifacts" 2>/dev/null || true
done
