#!/usr/bin/env bash
# Makes photo.hqd in the current folder: PICTURE with a part of every group and
# every button, placed with vorlune-cli. The benchmark scripts share it.
#
# usage: scripts/make_every_family_project.sh path/to/vorlune-cli PICTURE
set -euo pipefail
cli=$1
"$cli" import "$2" photo.hqd >/dev/null 2>&1
place() { "$cli" place photo.hqd "$@" >/dev/null; }
x=2
for button in Play Stop TrackStart NextTrack Rewind FastForward VolumeUp VolumeDown; do
  place "$button" "$x" 282 --colors 9,12,-1
  x=$((x + 38))
done
place Replay 268 244 --colors 9,12,-1
place VolumeBarH 2 240 --colors 6,14,-1
place EqualizerBarH 2 2 --colors 6,14,-1
place LevelBarH 140 2 --colors 6,14,9
place Time1 140 50 --colors 14,-1,-1
place Track1 140 90 --colors 14,-1,-1
place TitleLarge 2 170 --colors 15,-1,-1
