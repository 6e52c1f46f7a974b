#!/bin/bash
# The word search bar side by side in one run: vornicpack-bench's real-word puzzles, then the npm
# generators on the same workloads. Needs a dev build of vornicpack-bench and `npm install` in js/.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bench=${1:-$here/../build/dev/bin/vornicpack-bench}
"$bench" --benchmark_filter=BuildRealWordPuzzles --benchmark_min_time=3
(cd "$here/js" && node compare.js 3)
