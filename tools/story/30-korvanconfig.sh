#!/usr/bin/env bash
# Configures a software Korvan module (korvan-sim on a mapped COM port) with KorvanConfig:
# read, change settings, write, read back, then a module the tool must refuse. Prints each
# check and the window's log lines as it goes.
set -euo pipefail
root=${KORVAN_ROOT:?}
tree=${KORVAN_RUN_TREE:?}
build="$root/build/$tree"

echo "== KorvanConfig configures a korvan-sim module over COM7"
bash "$root/tests/config_tool/e2e/korvanconfig_e2e.sh" "$tree" "$build" \
  "$build/config_tool/KorvanConfig.exe" "$build/tools/uidriver/uidriver.exe" \
  "$root/build/host/module_sim/korvan-sim" --story
