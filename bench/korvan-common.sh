# Shared by the KorvanConfig benchmarks: a korvan-sim on COM7 of the test tree's Wine prefix,
# KorvanConfig.exe started against it, and the UI driver. Source it; it sets $tree, $build,
# $window and the functions below, and cleans up on exit.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
tree=$("$root/tools/wine-run" --test-tree)
build="$root/build/$tree"
sim="$root/build/host/module_sim/korvan-sim"
program="$build/config_tool/KorvanConfig.exe"
driver="$build/tools/uidriver/uidriver.exe"
prefix_args=(--arch="$tree" --build-dir="$build")
port=COM7
window=MainForm
for needed in "$sim" "$program" "$driver"; do
  [[ -e $needed ]] || { echo "missing $needed: build the host and $tree trees first" >&2; exit 1; }
done

work=$(mktemp -d)
sim_pid=""
config_pid=""
bench_cleanup() {
  [[ -n $config_pid ]] && kill "$config_pid" 2>/dev/null
  [[ -n $sim_pid ]] && kill "$sim_pid" 2>/dev/null
  wait 2>/dev/null
  "$root/tools/com-port" "${prefix_args[@]}" --unmap "$port" >/dev/null 2>&1
  rm -rf "$work"
}
trap bench_cleanup EXIT

drive() { "$root/tools/wine-run" "${prefix_args[@]}" "$driver" "$@" | tr -d '\r'; }

# Starts korvan-sim with the given switches, maps COM7 to it and starts KorvanConfig on port 7.
start_setup() {
  "$sim" --quiet --link="$work/com" "$@" >"$work/path" &
  sim_pid=$!
  for _ in $(seq 100); do [[ -s $work/path ]] && break; sleep 0.05; done
  "$root/tools/com-port" "${prefix_args[@]}" "$port" "$work/com" || exit 1
  "$root/tools/wine-run" "${prefix_args[@]}" "$program" >/dev/null 2>&1 &
  config_pid=$!
  drive wait-window "$window" 30 >/dev/null || { echo "no KorvanConfig window" >&2; exit 1; }
  drive set-text "$window" SerialPortCSpinEdit 7 >/dev/null
}

# Process id of the running KorvanConfig.exe (the Wine process whose command line names it).
program_pid() {
  local pid
  for pid in $(pgrep -f 'KorvanConfig\.exe'); do
    [[ $(tr '\0' ' ' </proc/$pid/cmdline) == *wine-run* ]] && continue
    echo "$pid"
    return
  done
}

# User + system processor time of a process, in milliseconds.
processor_ms() {
  local fields
  fields=$(sed 's/.*) //' "/proc/$1/stat")
  awk -v hz="$(getconf CLK_TCK)" '{ print ($12 + $13) * 1000 / hz }' <<<"$fields"
}
