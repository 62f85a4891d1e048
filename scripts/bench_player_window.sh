#!/usr/bin/env bash
# Prints the table of the editor's processor time over 10 s: first idle, then
# with the player window open and playing at 30 frames a second (target: at
# most 10 % of one core). The skin has a part of every group and every button.
# Runs on the X display in $DISPLAY (Xvfb and a window manager will do) and
# drives the editor with xdotool.
#
# usage: scripts/bench_player_window.sh [path/to/build/bin] [PICTURE]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bin=$(realpath "${1:-$here/build/bin}")
default=$here/../shared/pictures/09_sky_clouds.bmp
[ -f "$default" ] || default=$here/../../shared/pictures/09_sky_clouds.bmp
picture=$(realpath "${2:-$default}")
seconds=10
work=$(mktemp -d)
cd "$work"

cli=$bin/vorlune-cli
bash "$here/scripts/make_every_family_project.sh" "$cli" "$picture"

HOME=$work XDG_CONFIG_HOME=$work "$bin/vorlune" photo.hqd >/dev/null 2>&1 &
pid=$!
trap 'kill $pid 2>/dev/null; rm -rf "$work"' EXIT
xdotool search --sync --onlyvisible --pid $pid --name Vorlune >/dev/null

# Processor time (user + system) of the editor in clock ticks.
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
measure() {
  sleep 2
  local before after
  before=$(ticks)
  sleep $seconds
  after=$(ticks)
  echo "scale=1; 100 * ($after - $before) / $(getconf CLK_TCK) / $seconds" | bc
}

echo "the editor for $seconds s, $(basename "$picture"), % of one core"
echo
echo "| window | CPU (%) | target |"
echo "|---|---:|---|"
echo "| editor alone | $(measure) | |"
xdotool search --onlyvisible --pid $pid --name Vorlune windowactivate --sync key ctrl+p
xdotool search --sync --onlyvisible --pid $pid --name "Player simulation|再生シミュレーション" >/dev/null
echo "| player window, playing, 30 fps | $(measure) | 10 |"
