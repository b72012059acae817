#!/usr/bin/env bash
# UnInstall removes an installation: a small one is laid out in the Wine prefix with its
# UnInstall.txt, the uninstaller is confirmed from outside, and the step prints what its window
# shows and what was removed and kept. Then the two ways it leaves everything in place: the
# question answered No, and an uninstaller without its script.
set -euo pipefail
root=${KORVAN_ROOT:?}
tree=${KORVAN_RUN_TREE:?}
build="$root/build/$tree"

echo "== UnInstall removes a test installation from C:\\Korvan UnInstall Test"
bash "$root/tests/uninstall/e2e/uninstall_e2e.sh" "$tree" "$build" \
  "$build/uninstall/UnInstall.exe" "$build/tools/uidriver/uidriver.exe" --story
echo "uninstall: the installation is gone, its protected data and shared files stayed, and the uninstaller removed itself"
