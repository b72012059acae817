#!/usr/bin/env bash
# VOKA packs the sample page folder: VOKA.exe under Wine and the native voka, as a binary image
# and as C source. Both builds must produce the same bytes.
set -euo pipefail
cd "$KORVAN_ROOT"

tree=$KORVAN_RUN_TREE
pages=packaging/sample-pages
work=build/story/voka
rm -rf "$work" && mkdir -p "$work"
voka_exe=build/$tree/image_tool/VOKA.exe
voka_native=build/host/image_tool/voka

# The Windows form of a Linux path, as Wine's Z: drive shows it.
win_path() { echo "Z:$(realpath -m "$1")" | tr / '\\'; }

# run LABEL PROGRAM ARGS...: prints the program's messages and exit code; fails on a non-zero one.
run() {
  local label=$1 status
  shift
  echo "--- $label"
  echo "\$ $*"
  set +e
  "$@" | tr -d '\r' | sed 's/^/    /'
  status=${PIPESTATUS[0]}
  set -e
  echo "    (exit code $status)"
  [[ $status == 0 ]]
}

echo "sample pages in $pages:"
ls -l "$pages" | tail -n +2 | sed 's/^/    /'

run "VOKA.exe ($tree, Wine): binary image" \
  tools/wine-run --arch="$tree" "$voka_exe" "$(win_path "$pages")" "$(win_path "$work/wine.bin")"
run "voka (Linux): binary image" "$voka_native" "$pages" "$work/native.bin"
run "VOKA.exe ($tree, Wine): C source" \
  tools/wine-run --arch="$tree" "$voka_exe" /c "$(win_path "$pages")" "$(win_path "$work/wine.c")"
run "voka (Linux): C source" "$voka_native" -c "$pages" "$work/native.c"

files=$(find "$pages" -maxdepth 1 -type f ! -name '.*' | wc -l)
fat=$((15 * (files + 1)))
echo
echo "sizes:"
for image in wine.bin native.bin wine.c native.c; do
  printf '    %-11s %6d bytes\n' "$image" "$(stat -c %s "$work/$image")"
done
echo "FAT of the binary image ($files entries and the end entry, 15 bytes each):"
xxd -c 15 -l "$fat" "$work/native.bin" | sed 's/^/    /'
echo "FAT records of the C source:"
grep -a $'^\t{ 0x' "$work/native.c" | tr -d '\r' | sed 's/^/    /'

if cmp -s "$work/wine.bin" "$work/native.bin"; then
  echo "binary images: identical"
else
  echo "binary images: DIFFERENT" >&2
  exit 1
fi
# The C sources carry the time they were made; everything else must match.
if cmp -s <(grep -av 'Generated on' "$work/wine.c") <(grep -av 'Generated on' "$work/native.c"); then
  echo "C sources: identical apart from their generation time"
else
  echo "C sources: DIFFERENT" >&2
  exit 1
fi
