#!/bin/bash
# The word search comparison side by side in one run: per round, vornicpack-bench's
# RealWordPuzzles (the list path and the one-word path), then the npm generators on the same
# lists; then one table of all rounds. Needs a dev build of vornicpack-bench and `npm install`
# in js/.
# Usage: compare-wordsearch.sh [rounds (2)] [seconds per measurement (3)] [vornicpack-bench]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
rounds=${1:-2}
seconds=${2:-3}
bench=${3:-$here/../build/dev/bin/vornicpack-bench}
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
