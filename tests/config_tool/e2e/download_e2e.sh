#!/usr/bin/env bash
# The web-page download end to end: the real KorvanConfig.exe (Web Pages tab shown by its
# /WebPages switch) with a page list, the real VOKA.EXE beside it as its child process, and
# korvan-sim receiving the image over a mapped COM port and unpacking it. The pages the module
# holds must equal the originals, text pages without their CR and LF bytes. Then, with the MAC
# programming file in the prefix's C:\KorvanSetMACAddress, "Send New MAC" programs the module.
#
#   download_e2e.sh ARCH BUILD_DIR KORVANCONFIG_EXE VOKA_EXE UIDRIVER_EXE KORVAN_SIM [SIM_SWITCH...]
# Prints "download seconds: S image bytes: N" for the benchmark that reuses it, which also
# sets KORVAN_BIG_PAGE_BYTES (size of one page, default 3000) and KORVAN_SIM_TRACE (a file
# that receives korvan-sim's trace, each line stamped with the time it was written).
# Exit 77 (skipped) when korvan-sim has not been built in the host tree.
set -uo pipefail

arch=$1 build_dir=$2 program=$3 voka=$4 driver=$5 sim=$6
shift 6
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
port=COM7
prefix_args=(--arch="$arch" --build-dir="$build_dir")
window=MainForm

if [[ ! -x $sim ]]; then
  echo "korvan-sim is not built at $sim (build the host tree first): skipped"
  exit 77
fi

work=$(mktemp -d)
sim_pid=""
config_pid=""
failures=0
mac_folder="$build_dir/wineprefix/drive_c/KorvanSetMACAddress"
cleanup() {
  rm -rf "$mac_folder"
  [[ -n $config_pid ]] && kill "$config_pid" 2>/dev/null
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null
  wait 2>/dev/null
  "$root/tools/com-port" "${prefix_args[@]}" --unmap "$port" >/dev/null 2>&1
  [[ $failures -gt 0 && -f $work/trace ]] && { echo "--- korvan-sim trace"; tail -20 "$work/trace"; }
  rm -rf "$work"
}
trap cleanup EXIT

drive() { "$root/tools/wine-run" "${prefix_args[@]}" "$driver" "$@" | tr -d '\r'; }
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
windows_path() { echo "Z:${1//\//\\}"; }

# The program folder: KorvanConfig.exe, VOKA.EXE and a default page list.
mkdir -p "$work/app" "$work/pages" "$work/unpacked"
cp "$program" "$work/app/KorvanConfig.exe"
cp "$voka" "$work/app/VOKA.EXE"
printf '<html>\r\n<body>\r\n<h1>Korvan</h1>\r\n</body>\r\n</html>\r\n' >"$work/pages/index.htm"
printf 'status=%%STATUS%%\r\nuptime=%%UPTIME%%\r\n' >"$work/pages/status.cgi"
head -c "${KORVAN_BIG_PAGE_BYTES:-3000}" /dev/zero | tr '\0' 'x' >"$work/pages/big.htm"
for page in index.htm status.cgi big.htm; do
  printf '%s\r\n' "$(windows_path "$work/pages/$page")"
done >"$work/app/DefaultFileList.txt"

if [[ -n ${KORVAN_SIM_TRACE:-} ]]; then
  "$sim" --link="$work/com" --unpack="$work/unpacked" "$@" >"$work/path" 2> >(
    python3 -u -c 'import sys, time
for line in sys.stdin: print("%.6f %s" % (time.time(), line), end="", flush=True)' >"$KORVAN_SIM_TRACE") &
else
  "$sim" --link="$work/com" --unpack="$work/unpacked" "$@" >"$work/path" 2>"$work/trace" &
fi
sim_pid=$!
for _ in $(seq 100); do [[ -s $work/path ]] && break; sleep 0.05; done
[[ -s $work/path ]] || { fail "korvan-sim did not start"; exit 1; }
"$root/tools/com-port" "${prefix_args[@]}" "$port" "$work/com" >/dev/null || { fail "no $port"; exit 1; }

mkdir -p "$mac_folder"
printf '00\r\n01\r\n' >"$mac_folder/SetMACAddress.txt"
"$root/tools/wine-run" "${prefix_args[@]}" "$work/app/KorvanConfig.exe" /WebPages >/dev/null 2>&1 &
config_pid=$!
drive wait-window "$window" 30 >/dev/null || { fail "no main window"; exit 1; }
drive set-text "$window" SerialPortCSpinEdit 7 >/dev/null
drive select "$window" MainPageControl "Web Pages" >/dev/null || fail "no Web Pages tab"

start=$(date +%s.%N)
drive click "$window" DownloadButton >/dev/null
if drive wait-box Information 120 >/dev/null; then
  seconds=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN { printf "%.3f", e - s }')
  text=$(drive box-text Information)
  drive answer-box Information OK >/dev/null
  bytes=$(sed -n 's/.*File size: \([0-9]*\) bytes.*/\1/p' <<<"$text")
  [[ -n $bytes ]] || fail "completion message: $text"
  echo "download seconds: $seconds image bytes: $bytes"
else
  fail "no completion message"
  drive get-text "$window" LogMemo
fi

for page in index.htm status.cgi big.htm; do
  stored="$work/unpacked/${page^^}"
  if [[ ! -f $stored ]]; then
    fail "the module holds no ${page^^}"
  elif ! cmp -s <(tr -d '\r\n' <"$work/pages/$page") "$stored"; then
    fail "${page^^} differs from $page"
  else
    echo "ok: the module holds ${page^^} ($(stat -c %s "$stored") bytes)"
  fi
done
[[ -e $work/app/WebPages.bin ]] && fail "WebPages.bin was left behind"
[[ -e $work/app/TempWebPges/index.htm ]] && fail "the page copies were left behind"

drive select "$window" MainPageControl Data >/dev/null
drive set-text "$window" NewMAC1Edit 0A >/dev/null
drive set-text "$window" NewMAC2Edit FF >/dev/null
drive click "$window" SendNewMACButton >/dev/null
if drive wait-box Warning 20 >/dev/null; then
  drive answer-box Warning OK >/dev/null
  mac=$(drive get-text "$window" MACAddressEdit)
  [[ $mac == *:0A:FF ]] && echo "ok: the module's MAC address is now $mac" ||
    fail "MAC address after Send New MAC: $mac"
else
  fail "no answer to Send New MAC"
fi
drive select "$window" MainPageControl General >/dev/null
drive click "$window" ExitButton >/dev/null
drive wait-gone "$window" 20 >/dev/null || fail "the window did not close"
config_pid=""
[[ $(tr -d '\r' <"$mac_folder/SetMACAddress.txt" | paste -sd,) == "0A,FF" ]] ||
  fail "the MAC file was not written back at close"
[[ $failures -eq 0 ]] && echo "download end to end: ok"
exit $((failures > 0))
