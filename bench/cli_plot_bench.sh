#!/usr/bin/env bash
# Wall time of `quillet-cli plot` of one plug's curves to PNG, process start
# included, over a number of runs (the first run warms the caches).
# Usage: cli_plot_bench.sh QUILLET_CLI FILE.tat SITE PLUG [RUNS]
set -euo pipefail
cli=$1 file=$2 site=$3 plug=$4 runs=${5:-10}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cli" plot "$file" --site "$site" --plug "$plug" -o "$out/warm.png" 2>/dev/null
"$cli" info "$file" >/dev/null
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  "$cli" plot "$file" --site "$site" --plug "$plug" -o "$out/plot.png" 2>/dev/null
  end=$(date +%s%N)
  echo "plot run $i: $(( (end - start) / 1000000 )) ms"
done
for i in $(seq 3); do
  start=$(date +%s%N)
  "$cli" info "$file" >/dev/null
  end=$(date +%s%N)
  echo "loading the file alone (info) run $i: $(( (end - start) / 1000000 )) ms"
done
