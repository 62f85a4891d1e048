#!/usr/bin/env bash
# Prints the quality table of the fine reduction against pngquant (Debian
# package pngquant, a development tool) and the whole-process CPU times of the
# imports, on the sample photographs and a few generated pictures.
# Usage: scripts/compare_reduction.sh [BUILD_DIR]   (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
if [ ! -x "$build/bin/compare_reduction" ]; then
  cmake -G Ninja -Wno-dev -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLUNE_BENCH=ON -DVORLUNE_TESTS=OFF \
    -DVORLUNE_GUI=OFF >/dev/null
  cmake --build "$build" --target compare_reduction vorlune-cli >/dev/null
fi
command -v pngquant >/dev/null || { echo "pngquant is not installed (apt-get install pngquant)" >&2; exit 1; }

own=$(mktemp -d)
trap 'rm -rf "$own"' EXIT
pictures=(../shared/pictures/*.bmp)
# Pictures of our own: a fractal, a smooth gradient with noise, and a sample
# photograph at another size and orientation (fitted like any import).
convert -seed 7 -size 320x320 plasma:fractal "$own/plasma.png"
convert -size 320x320 gradient:navy-orange -attenuate 0.3 +noise Gaussian "$own/noisy_gradient.png"
convert ../shared/pictures/09_sky_clouds.bmp -resize 200% -rotate 90 -quality 92 "$own/sky_640_rotated.jpg"
convert ../shared/pictures/03_coffee_cup.bmp -colorspace Gray "$own/grey_cup.png"
pictures+=("$own"/*)
"$build/bin/compare_reduction" "${pictures[@]}"

# Whole-process CPU time (user + system) of one import, best of 20 runs, in ms.
cputime() {
  local best=999999
  for _ in $(seq 20); do
    local t
    t=$( { /usr/bin/time -f "%e %U %S" "$@" >/dev/null 2>/dev/null; } 2>&1 | awk '{printf "%d", ($2 + $3) * 1000}')
    [ "$t" -lt "$best" ] && best=$t
  done
  echo "$best"
}
photo=../shared/pictures/03_coffee_cup.bmp
convert "$photo" "$own/photo.png"
echo
echo "whole process, CPU ms (best of 20; /usr/bin/time has 10 ms steps, see perf stat for finer figures):"
echo "  vorlune-cli import (exact):        $(cputime "$build/bin/vorlune-cli" import "$photo" "$own/a.hqd")"
echo "  vorlune-cli import --reduce fine:  $(cputime "$build/bin/vorlune-cli" import "$photo" "$own/b.hqd" --reduce fine)"
echo "  pngquant 214:                      $(cputime pngquant --force --output "$own/q.png" 214 "$own/photo.png")"
if command -v perf >/dev/null && perf stat true 2>/dev/null; then
  for cmd in "$build/bin/vorlune-cli import $photo $own/a.hqd" "$build/bin/vorlune-cli import $photo $own/b.hqd --reduce fine" \
             "pngquant --force --output $own/q.png 214 $own/photo.png"; do
    ms=$(perf stat -r 20 -x, -e task-clock $cmd 2>&1 >/dev/null | awk -F, '/task-clock/ {print $1}')
    printf "  perf task-clock %-60.60s %s ms\n" "$cmd" "$ms"
  done
fi
