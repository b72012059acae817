#!/usr/bin/env bash
# The debug channel end to end: a running debug-monitor prints what another program sends.
#   debug_monitor_roundtrip.sh WINE-RUN BUILD-DIR ARCH MONITOR-EXE
set -euo pipefail
wine_run=$1 build_dir=$2 arch=$3 monitor=$4
run() { "$wine_run" --build-dir="$build_dir" --arch="$arch" "$@"; }

out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Other programs may trace at the same time: only this run's lines count.
token="roundtrip-$$"
run "$monitor" --print --hidden --count=2 --seconds=60 --filter="$token" >"$out" 2>&1 &
monitor_pid=$!
for _ in $(seq 60); do
  grep -q 'debug-monitor: listening' "$out" && break
  sleep 1
done
run "$monitor" --send "$token one" "$token two"
wait "$monitor_pid"
expected="debug-monitor: listening"$'\n'"$token one"$'\n'"$token two"
if [[ "$(tr -d '\r' <"$out")" != "$expected" ]]; then
  echo "unexpected monitor output:"; cat "$out"; exit 1
fi
echo "debug channel round trip: OK"
