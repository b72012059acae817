#!/usr/bin/env bash
# Downloads web pages into a software Korvan module: KorvanConfig (its Web Pages tab shown by
# /WebPages) copies a sample page list, packs it with VOKA.EXE and sends the image block by
# block to korvan-sim on COM7, which unpacks it; then lists what the module now holds, each
# page checked against its original.
set -euo pipefail
root=${KORVAN_ROOT:?}
tree=${KORVAN_RUN_TREE:?}
build="$root/build/$tree"

echo "== KorvanConfig downloads web pages into a korvan-sim module over COM7"
bash "$root/tests/config_tool/e2e/download_e2e.sh" "$tree" "$build" \
  "$build/config_tool/KorvanConfig.exe" "$build/image_tool/VOKA.exe" \
  "$build/tools/uidriver/uidriver.exe" "$root/build/host/module_sim/korvan-sim"
