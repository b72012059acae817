#!/usr/bin/env bash
# The real KorvanConfig.exe under Wine, driven from outside by uidriver, against korvan-sim on
# a mapped COM port: read, change settings, write, read back; then a module whose version the
# tool does not support.
#
#   korvanconfig_e2e.sh ARCH BUILD_DIR KORVANCONFIG_EXE UIDRIVER_EXE KORVAN_SIM [--story]
# --story prints every log line of the window as it goes (the main job's account).
# Exit 77 (skipped) when korvan-sim has not been built in the host tree.
set -uo pipefail

arch=$1
build_dir=$2
program=$3
driver=$4
sim=$5
story=${6:-}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
port=COM7
prefix_args=(--arch="$arch" --build-dir="$build_dir")
window=MainForm

if [[ ! -x $sim ]]; then
  echo "korvan-sim is not built at $sim (build the host tree first): skipped"
  exit 77
fi

out=$(mktemp -d)
link="$out/korvan-com"
sim_pid=""
config_pid=""
failures=0

start_sim() {
  "$sim" --link="$link" --state="$out/state.txt" "$@" >"$out/path" 2>>"$out/trace" &
  sim_pid=$!
  for _ in $(seq 100); do
    [[ -s $out/path ]] && return 0
    sleep 0.05
  done
  echo "FAILED: korvan-sim did not start"
  exit 1
}
stop_sim() {
  [[ -n $sim_pid ]] || return 0
  kill "$sim_pid" 2>/dev/null
  wait "$sim_pid" 2>/dev/null
  sim_pid=""
  : >"$out/path"
}
cleanup() {
  [[ -n $config_pid ]] && kill "$config_pid" 2>/dev/null
  stop_sim
  "$root/tools/com-port" "${prefix_args[@]}" --unmap "$port" >/dev/null 2>&1
  if [[ $failures -gt 0 ]]; then
    echo "--- korvan-sim trace"
    cat "$out/trace"
  fi
  rm -rf "$out"
}
trap cleanup EXIT

drive() { "$root/tools/wine-run" "${prefix_args[@]}" "$driver" "$@" | tr -d '\r'; }
expect() {
  local what=$1 got=$2 wanted=$3
  if [[ $got == "$wanted" ]]; then
    echo "ok: $what: $got"
  else
    echo "FAILED: $what: got '$got', expected '$wanted'"
    failures=$((failures + 1))
  fi
}
expect_state() {
  if grep -qx "$1" "$out/state.txt"; then
    echo "ok: the module holds $1"
  else
    echo "FAILED: the module does not hold $1"
    failures=$((failures + 1))
  fi
}
# Waits for the message box with this caption, checks its text and presses OK.
answer_box() {
  local caption=$1 wanted=$2
  if ! drive wait-box "$caption" 20 >/dev/null; then
    echo "FAILED: no \"$caption\" box (wanted: $wanted)"
    failures=$((failures + 1))
    return
  fi
  # Line breaks of the box text (CR, LF or both) are compared as single spaces.
  expect "\"$caption\" box" "$("$root/tools/wine-run" "${prefix_args[@]}" "$driver" box-text "$caption" |
    tr -s '\r\n' '  ' | sed 's/ *$//')" "$wanted"
  drive answer-box "$caption" OK >/dev/null
}
show_log() {
  [[ $story == --story ]] || return 0
  echo "--- log of the window"
  drive get-text "$window" LogMemo | sed 's/^/    /'
}

start_sim
"$root/tools/com-port" "${prefix_args[@]}" "$port" "$link" || exit 1

"$root/tools/wine-run" "${prefix_args[@]}" "$program" >"$out/program.out" 2>&1 &
config_pid=$!
drive wait-window "$window" 30 >/dev/null || { echo "FAILED: no main window"; exit 1; }
drive set-text "$window" SerialPortCSpinEdit 7 >/dev/null
page() { drive select "$window" MainPageControl "$1" >/dev/null; }

echo "== read"
page General
drive click "$window" ReadButton >/dev/null
answer_box Warning "Data read OK"
page Data
expect "IP address" "$(drive get-text "$window" IPAddr1Edit).$(drive get-text "$window" IPAddr4Edit)" "192.20"
expect "baud rate" "$(drive get-text "$window" BaudRateComboBox)" "19200"
expect "connect timeout" "$(drive get-text "$window" ServerTimeoutCSpinEdit)" "60"
expect "MAC address" "$(drive get-text "$window" MACAddressEdit)" "00:04:A3:00:00:01"
show_log

echo "== change and write"
drive set-text "$window" IPAddr4Edit 33 >/dev/null
drive set-text "$window" ServerTimeoutCSpinEdit 90 >/dev/null
drive set-text "$window" UpdatePeriodCSpinEdit 45 >/dev/null
drive select "$window" BaudRateComboBox 38400 >/dev/null
drive set-checked "$window" EnableWatchdogdxfCheckBox 1 >/dev/null
page General
drive click "$window" WriteButton >/dev/null
answer_box Confirm "Data sent OK"
expect_state NI192.168.0.33
expect_state BH90
expect_state BJ45
expect_state BB7
expect_state EO0001100010000000
show_log

echo "== read back"
page Data
drive set-text "$window" IPAddr4Edit 1 >/dev/null
drive set-text "$window" ServerTimeoutCSpinEdit 61 >/dev/null
page General
drive click "$window" ReadButton >/dev/null
answer_box Warning "Data read OK"
page Data
expect "IP address read back" "$(drive get-text "$window" IPAddr4Edit)" "33"
expect "timeout read back" "$(drive get-text "$window" ServerTimeoutCSpinEdit)" "90"
expect "watchdog read back" "$(drive get-checked "$window" EnableWatchdogdxfCheckBox)" "1"
expect "baud rate read back" "$(drive get-text "$window" BaudRateComboBox)" "38400"
show_log

echo "== a module whose version is not supported"
stop_sim
start_sim --version=SV1.1.0-LNK
page General
drive click "$window" ReadButton >/dev/null
answer_box Error "KORVAN version not supported Please download the latest version of this application"
log=$(drive get-text "$window" LogMemo)
expect "last log line" "$(tail -n 1 <<<"$log")" "KORVAN version not supported"
show_log

drive click "$window" ExitButton >/dev/null
drive wait-gone "$window" 20 >/dev/null || { echo "FAILED: the window did not close"; failures=$((failures + 1)); }
wait "$config_pid" 2>/dev/null
config_pid=""
exit $((failures > 0))
