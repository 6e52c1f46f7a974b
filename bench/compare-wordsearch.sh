#!/bin/bash
# The word search comparison side by side in one run: per round, vornicpack-bench's
# RealWordPuzzles (the list path and the one-word path), then the npm generators on the same
# lists; then one table of all rounds. Needs `npm install` in js/. Our side is the bench preset's
# vornicpack-bench, optimised as the shipped programs are (built here when it is missing).
# Usage: compare-wordsearch.sh [rounds (2)] [seconds per measurement (3)] [vornicpack-bench]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rounds=${1:-2}
seconds=${2:-3}
bench=${3:-$here/../build/bench/bin/vornicpack-bench}
if [[ $# -lt 3 && ! -x $bench ]]; then
  (cd "$here/.." && cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null)
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
files=()
for ((round = 1; round <= rounds; round++)); do
  "$bench" --benchmark_filter='^RealWordPuzzles/' --benchmark_min_time="$seconds" \
    --benchmark_format=json >"$out/ours$round.json"
  (cd "$here/js" && node compare.js time "$seconds") >"$out/npm$round.json"
  files+=("$out/ours$round.json" "$out/npm$round.json")
done
(cd "$here/js" && node compare.js table "${files[@]}")
