#!/usr/bin/env bash
# UnInstall removes an installation: a small one is laid out in the Wine prefix with its
# UnInstall.txt, the uninstaller is confirmed from outside, and the step prints what its window
# shows and what was removed and kept. Then the two ways it leaves everything in place: the
# question answered No, and an uninstaller without its script. Last, a picture of the window
# after a run with the English texts that Setup writes.
#   KORVAN_SHOTS=DIR  where the picture goes (default build/$KORVAN_RUN_TREE/screenshots)
set -euo pipefail
root=${KORVAN_ROOT:?}
tree=${KORVAN_RUN_TREE:?}
build="$root/build/$tree"
shots=${KORVAN_SHOTS:-$build/screenshots}
uninstaller="$build/uninstall/UnInstall.exe"

echo "== UnInstall removes a test installation from C:\\Korvan UnInstall Test"
bash "$root/tests/uninstall/e2e/uninstall_e2e.sh" "$tree" "$build" \
  "$uninstaller" "$build/tools/uidriver/uidriver.exe" --story

echo "== picture of the window after a run"
demo="$build/wineprefix/drive_c/Korvan Demo"
rm -rf "$demo"
mkdir -p "$demo"
cp "$uninstaller" "$demo/UnInstall.exe"
echo "Korvan Suite" >"$demo/Readme.txt"
sed 's/$/\r/' >"$demo/UnInstall.txt" <<'SCRIPT'
PROG_NAME=Korvan Suite
CONFIRM_CAPTION=Confirm
CONFIRM_TEXT=Are you sure you want to uninstall the program
BUTTON_CLOSE=Close
S1=UnInstall will remove the software <b>PROG_NAME</b> from your computer. Please wait while each of the following components is removed...
S2=UnInstall completed successfully !
LABEL1=Shared program files...
LABEL2=Standard program files...
LABEL3=Folder items...
LABEL4=Program folders...
LABEL5=Program directories...
LABEL6=Program registry entries...
TargetDir=C:\Korvan Demo
REMOVE_FILE(C:\Korvan Demo\Readme.txt);
REMOVE_FILE(C:\Korvan Demo\UnInstall.txt);
REMOVE_DIR(C:\Korvan Demo);
SCRIPT
# The run takes about four seconds after the window shows; closing it afterwards lets the
# uninstaller remove itself and the folder.
"$root/tools/screenshot" --arch="$tree" --build-dir="$build" --window=Confirm \
  --drive='answer-box Confirm Yes' --drive='wait-window MainForm 30' --wait=8 --close=MainForm \
  "$shots/uninstall-window.png" 'C:\Korvan Demo\UnInstall.exe'
for _ in $(seq 60); do
  [[ -e $demo ]] || break
  sleep 0.5
done
if [[ -e $demo ]]; then
  echo "FAILED: C:\\Korvan Demo is still there after the pictured run:"
  ls -A "$demo"
  exit 1
fi
echo "C:\\Korvan Demo is gone after the pictured run"
echo "uninstall: done: installations removed with the uninstaller itself, also started through" \
  "a short path, protected data and shared files in use kept; declined, script-less and aborted" \
  "runs changed nothing"
