#!/usr/bin/env bash
# Configures a software Korvan module (korvan-sim on a mapped COM port) with KorvanConfig:
# read, change settings, write, read back, then a module the tool must refuse. Prints each
# check and the window's log lines as it goes, then saves pictures of the two visible pages
# after a read.
#   KORVAN_SHOTS=DIR  where the pictures go (default build/$KORVAN_RUN_TREE/screenshots)
set -euo pipefail
root=${KORVAN_ROOT:?}
tree=${KORVAN_RUN_TREE:?}
build="$root/build/$tree"
sim="$root/build/host/module_sim/korvan-sim"
shots=${KORVAN_SHOTS:-$build/screenshots}

echo "== KorvanConfig configures a korvan-sim module over COM7"
bash "$root/tests/config_tool/e2e/korvanconfig_e2e.sh" "$tree" "$build" \
  "$build/config_tool/KorvanConfig.exe" "$build/tools/uidriver/uidriver.exe" "$sim" --story

echo "== pictures of the General and Data pages after a read"
work=$(mktemp -d)
"$sim" --quiet --link="$work/com" >"$work/path" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; wait $sim_pid 2>/dev/null; "$root/tools/com-port" --arch="$tree" --unmap COM7 >/dev/null 2>&1; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s $work/path ]] && break; sleep 0.05; done
"$root/tools/com-port" --arch="$tree" COM7 "$work/com"
read_first=(--drive='set-text MainForm SerialPortCSpinEdit 7' --drive='click MainForm ReadButton'
            --drive='wait-box Warning 20' --drive='answer-box Warning OK')
# One more look at the window before the shot: without it the page may not be on the display yet.
settle=(--drive='get-state MainForm ReadButton')
"$root/tools/screenshot" --arch="$tree" --window=MainForm "${read_first[@]}" \
  "${settle[@]}" "$shots/korvan-config-general.png" "$build/config_tool/KorvanConfig.exe"
"$root/tools/screenshot" --arch="$tree" --window=MainForm "${read_first[@]}" \
  --drive='select MainForm MainPageControl Data' --drive='get-state MainForm IPAddr1Edit' \
  "$shots/korvan-config-data.png" "$build/config_tool/KorvanConfig.exe"
