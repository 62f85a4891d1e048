#!/usr/bin/env bash
# Prints the quality table of the fine reduction against pngquant (Debian
# package pngquant, a development tool) and the whole-process CPU times of the
# imports, on the sample photographs and a few generated pictures.
# PICTURES=DIR names the sample photographs. The timings use the vorlune-cli of `make build` (CLI=... for another).
# Usage: scripts/compare_reduction.sh [BUILD_DIR]   (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cli=${CLI:-build/bin/vorlune-cli}
shared=${PICTURES:-../shared/pictures}  # the sample photographs beside the checkout
if [ ! -x "$build/bin/compare_reduction" ]; then
  cmake -G Ninja -Wno-dev -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLUNE_BENCH=ON -DVORLUNE_TESTS=OFF \
    -DVORLUNE_GUI=OFF >/dev/null
  cmake --build "$build" --target compare_reduction >/dev/null
fi
[ -x "$cli" ] || { echo "no $cli: run make build first" >&2; exit 1; }
command -v pngquant >/dev/null || { echo "pngquant is not installed (apt-get install pngquant)" >&2; exit 1; }

own=$(mktemp -d)
trap 'rm -rf "$own"' EXIT
pictures=($shared/*.bmp)
# Pictures of our own: a fractal, a smooth gradient with noise, and a sample
# photograph at another size and orientation (fitted like any import).
convert -seed 7 -size 320x320 plasma:fractal "$own/plasma.png"
convert -size 320x320 gradient:navy-orange -attenuate 0.3 +noise Gaussian "$own/noisy_gradient.png"
convert $shared/09_sky_clouds.bmp -resize 200% -rotate 90 -quality 92 "$own/sky_640_rotated.jpg"
convert $shared/03_coffee_cup.bmp -colorspace Gray "$own/grey_cup.png"
pictures+=("$own"/*)
"$build/bin/compare_reduction" "${pictures[@]}"

# Whole-process CPU time (user + system) of one run, in ms: perf's task-clock
# averaged over 20 runs where perf works, else the best of 20 by /usr/bin/time
# (10 ms steps).
cputime() {
  if command -v perf >/dev/null && perf stat true 2>/dev/null; then
    perf stat -r 20 -x, -e task-clock "$@" 2>&1 >/dev/null | awk -F, '/task-clock/ {printf "%.2f", $1}'
    return
  fi
  local best=999999
  for _ in $(seq 20); do
    /usr/bin/time -f "%U %S" -o "$own/t" "$@" >/dev/null 2>&1
    local t
    t=$(awk '{printf "%d", ($1 + $2) * 1000}' "$own/t")
    [ "$t" -lt "$best" ] && best=$t
  done
  echo "$best"
}
photo=$shared/03_coffee_cup.bmp
convert "$photo" "$own/photo.png"
echo
echo "whole process, CPU ms, on $photo:"
echo "  vorlune-cli import (exact):        $(cputime "$cli" import "$photo" "$own/a.hqd")"
echo "  vorlune-cli import --reduce fine:  $(cputime "$cli" import "$photo" "$own/b.hqd" --reduce fine)"
echo "  pngquant 214 (same picture, PNG):  $(cputime pngquant --force --output "$own/q.png" 214 "$own/photo.png")"
