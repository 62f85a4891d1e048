#!/usr/bin/env bash
# Runs every fuzzing harness (or the ones named) for SECONDS each over its seed
# corpus and the regression inputs. A crash or a broken invariant fails the run;
# the input that caused it is left in fuzz/findings/<harness>/ to be added to
# fuzz/regressions/<harness>/, which the ordinary tests replay.
#
# usage: run.sh BIN_DIR SECONDS [HARNESS...]
set -euo pipefail
bin=${1:?usage: run.sh BIN_DIR SECONDS [HARNESS...]}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
here=$(cd "$(dirname "$0")" && pwd)

harnesses=()
if [ $# -gt 0 ]; then
  for short in "$@"; do harnesses+=("$bin/fuzz_$short"); done
else
  harnesses=("$bin"/fuzz_*)
fi

status=0
for harness in "${harnesses[@]}"; do
  [ -x "$harness" ] || { echo "!! no harness $harness" >&2; status=1; continue; }
  name=$(basename "$harness")
  short=${name#fuzz_}
  work=$(mktemp -d)
  findings="$here/findings/$short"
  mkdir -p "$findings"
  args=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$findings/" -timeout=10 -rss_limit_mb=2048)
  [ -f "$here/dictionaries/$short.dict" ] && args+=(-dict="$here/dictionaries/$short.dict")
  [ -f "$here/max_len/$short" ] && args+=(-max_len="$(cat "$here/max_len/$short")")
  seeds=()
  [ -d "$here/corpus/$short" ] && seeds+=("$here/corpus/$short")
  [ -d "$here/regressions/$short" ] && seeds+=("$here/regressions/$short")
  echo "== fuzzing $short for ${seconds}s"
  if ! "$harness" "${args[@]}" "$work" "${seeds[@]}" 2>"$work.log"; then
    tail -n 60 "$work.log"
    echo "!! $short failed; the input is in $findings" >&2
    status=1
  else
    grep -E 'DONE|^stat::(number_of_executed_units|peak_rss_mb)' "$work.log" || true
  fi
  rm -rf "$work" "$work.log"
done
exit $status
