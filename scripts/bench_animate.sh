#!/usr/bin/env bash
# Prints the table of `vorlune-cli animate` for 5 s at 10 frames a second: the
# whole process's time (target: at most 300 ms) and the GIF's size (target: at
# most 250 KB for a photo skin), for each scenario, from a skin and from its
# project. The photo skin is made from a shared picture with a part of every
# group and every button.
#
# usage: scripts/bench_animate.sh [path/to/vorlune-cli] [PICTURE]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cli=$(realpath "${1:-$here/build/bin/vorlune-cli}")
# The shared pictures lie beside the checkout (or beside its worktree folder).
default=$here/../shared/pictures/09_sky_clouds.bmp
[ -f "$default" ] || default=$here/../../shared/pictures/09_sky_clouds.bmp
picture=$(realpath "${2:-$default}")
runs=5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

bash "$here/scripts/make_every_family_project.sh" "$cli" "$picture"
"$cli" build photo.hqd photo.pdb --name Photo --author Vorlune --version 1 --time 1000000000 >/dev/null

# The median of the runs' wall-clock times, in milliseconds.
median_ms() {
  local times=()
  for _ in $(seq $runs); do
    local start end
    start=$(date +%s%N)
    "$cli" animate "$@" >/dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

verdict() { [ "$1" -le "$2" ] && echo ok || echo OVER; }

echo "animate, 5 s at 10 fps (50 frames), $(basename "$picture"), median of $runs runs"
echo
echo "| input | scenario | time (ms) | target 300 | GIF (KB) | target 250 |"
echo "|---|---|---:|---|---:|---|"
for input in photo.pdb photo.hqd; do
  for scenario in idle playing paused loud quiet long-title seek; do
    ms=$(median_ms "$input" out.gif --scenario "$scenario" --seconds 5 --fps 10)
    kb=$((($(stat -c %s out.gif) + 1023) / 1024))
    echo "| $input | $scenario | $ms | $(verdict "$ms" 300) | $kb | $(verdict "$kb" 250) |"
  done
done
