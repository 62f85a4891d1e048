#!/usr/bin/env bash
# Prints, in one run, the CPU time and peak memory of `vorlune-cli import` of
# large pictures beside those of vipsthumbnail (Debian package libvips-tools, a
# development tool: apt-get install libvips-tools) making a 320 x 320
# thumbnail of the same picture, and the quality table of the reduced decoding
# against the full-size one. The pictures are made from the sample photographs
# in a temporary folder: camera-like JPEGs (enlarged, with grain), a WebP, PNG,
# TIFF, GIF and BMP, and the largest shapes the import accepts.
# CPU time: user + system of the whole process, perf's task-clock averaged over
# RUNS runs (default 5); memory: the largest resident size (/usr/bin/time).
# Usage: scripts/compare_import_speed.sh [BENCH_BUILD_DIR]   (default build-bench)
#        CLI=path/to/vorlune-cli (default build/bin/vorlune-cli), PICTURES=DIR, RUNS=N
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cli=${CLI:-build/bin/vorlune-cli}
# The sample photographs beside the checkout (or beside its parent folder).
shared=${PICTURES:-$( [ -d ../shared/pictures ] && echo ../shared/pictures || echo ../../shared/pictures)}
runs=${RUNS:-5}
for tool in vipsthumbnail vips perf; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (libvips-tools, linux-perf)" >&2; exit 1; }
done
[ -x "$cli" ] || { echo "no $cli: run make build first" >&2; exit 1; }
if [ ! -x "$build/bin/compare_fit_quality" ]; then
  cmake -G Ninja -Wno-dev -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLUNE_BENCH=ON -DVORLUNE_TESTS=OFF \
    -DVORLUNE_GUI=OFF >/dev/null
  cmake --build "$build" --target compare_fit_quality >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cup=$shared/03_coffee_cup.bmp
sky=$shared/09_sky_clouds.bmp
cups=$shared/13_saturated_cups.p8.bmp

# An enlarged photograph with a sensor-like grain, as a camera gives (vips
# streams, so even 100 megapixels are made quickly and in little memory).
grainy() {  # SOURCE WIDTH HEIGHT OUT [SAVE-OPTIONS]
  local source=$1 w=$2 h=$3 out=$4 options=${5:-}
  vips resize "$source" "$work/big.v" "$(echo "$w / 320" | bc -l)" --vscale "$(echo "$h / 320" | bc -l)" \
    --kernel lanczos3
  vips gaussnoise "$work/noise.v" "$w" "$h" --sigma 6 --mean 0
  vips bandjoin "$work/noise.v $work/noise.v $work/noise.v" "$work/noise3.v"
  vips add "$work/big.v" "$work/noise3.v" "$work/sum.v"
  vips cast "$work/sum.v" "$out$options" uchar
  rm -f "$work/big.v" "$work/noise.v" "$work/noise3.v" "$work/sum.v"
}
echo "making the pictures ..." >&2
grainy "$sky" 4000 3000 "$work/camera_12MP.jpg" "[Q=92]"
grainy "$cup" 6000 4000 "$work/camera_24MP.jpg" "[Q=92]"
grainy "$cups" 4096 4096 "$work/wallpaper_4096.webp" "[Q=85]"
grainy "$cup" 6000 4000 "$work/photo_24MP.png" "[compression=6]"
grainy "$sky" 6000 4000 "$work/photo_24MP.tif" "[compression=lzw]"
convert "$work/photo_24MP.png" BMP3:"$work/photo_24MP.bmp"
convert "$work/camera_12MP.jpg" +dither -colors 256 "$work/photo_12MP.gif"
grainy "$cup" 10000 10000 "$work/photo_100MP.png" "[compression=6]"
grainy "$sky" 30000 3000 "$work/panorama_30000x3000.tif" "[compression=lzw]"
grainy "$cups" 16383 6100 "$work/panorama_16383x6100.webp" "[Q=85]"
grainy "$cup" 10000 10000 "$work/photo_100MP.jpg" "[Q=90]"
vips copy "$work/photo_100MP.jpg" "$work/progressive_100MP.jpg[Q=90,interlace]"
vips copy "$work/camera_12MP.jpg" "$work/lossless_12MP.webp[lossless]"

# Whole-process CPU time in ms, task-clock averaged over the runs.
cputime() {
  perf stat -r "$runs" -x, -e task-clock "$@" 2>&1 >/dev/null | awk -F, '/task-clock/ {printf "%.0f", $1}'
}
# Largest resident size in MB.
peak() {
  /usr/bin/time -f "%M" -o "$work/rss" "$@" >/dev/null 2>&1 || true
  awk '{printf "%.1f", $1 / 1024}' "$work/rss"
}

echo
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) CPUs"
printf "%-28s %9s | %11s %11s %6s | %9s %9s\n" picture "file MB" "ours ms" "vips ms" ratio "ours MB" "vips MB"
for picture in "$work"/camera_12MP.jpg "$work"/camera_24MP.jpg "$work"/wallpaper_4096.webp "$work"/photo_24MP.png \
  "$work"/photo_24MP.tif "$work"/photo_12MP.gif "$work"/photo_24MP.bmp "$work"/photo_100MP.png \
  "$work"/panorama_30000x3000.tif "$work"/panorama_16383x6100.webp "$work"/photo_100MP.jpg \
  "$work"/progressive_100MP.jpg "$work"/lossless_12MP.webp; do
  ours=("$cli" import "$picture" "$work/out.hqd")
  theirs=(vipsthumbnail -s 320x320 -m centre "$picture" -o "$work/thumb.v")
  "${ours[@]}" 2>/dev/null || echo "!! $(basename "$picture") was refused" >&2
  a=$(cputime "${ours[@]}")
  b=$(cputime "${theirs[@]}")
  printf "%-28s %9.1f | %11s %11s %6.2f | %9s %9s\n" "$(basename "$picture")" \
    "$(echo "$(stat -c %s "$picture") / 1048576" | bc -l)" "$a" "$b" "$(echo "$a / $b" | bc -l)" \
    "$(peak "${ours[@]}")" "$(peak "${theirs[@]}")"
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

echo
echo "quality: PSNR (dB) against the 320 x 320 original of the picture fitted from the full-size"
echo "decoding and from the reduced one (stretch), and of the reduced against the full for each fit:"
pairs=()
for photo in "$cup" "$sky" "$cups"; do
  name=$(basename "$photo" .bmp)
  for size in 4000x3000 6000x4000 8000x6000; do
    w=${size%x*} h=${size#*x}
    vips resize "$photo" "$work/$name-$size.jpg[Q=92]" "$(echo "$w / 320" | bc -l)" \
      --vscale "$(echo "$h / 320" | bc -l)" --kernel lanczos3
    pairs+=("$photo" "$work/$name-$size.jpg")
  done
  vips resize "$photo" "$work/$name-6000x4000.png" 18.75 --vscale 12.5 --kernel lanczos3
  vips resize "$photo" "$work/$name-6000x4000.webp[Q=85]" 18.75 --vscale 12.5 --kernel lanczos3
  pairs+=("$photo" "$work/$name-6000x4000.png" "$photo" "$work/$name-6000x4000.webp")
done
"$build/bin/compare_fit_quality" "${pairs[@]}"
