#!/usr/bin/env bash
# korvan-sim reached by a Windows program under Wine through a mapped COM port: each probe run
# opens the port, sends one line and reads the reply, so the module also sees Wine close and
# reopen the port between runs.
#
#   com_port_test.sh ARCH BUILD_DIR PROBE_EXE KORVAN_SIM
# Exit 77 (skipped) when korvan-sim has not been built in the host tree.
set -uo pipefail

arch=$1
build_dir=$2
probe=$3
sim=$4
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
port=COM9
prefix_args=(--arch="$arch" --build-dir="$build_dir")

if [[ ! -x $sim ]]; then
  echo "korvan-sim is not built at $sim (build the host tree first): skipped"
  exit 77
fi

out=$(mktemp -d)
"$sim" --state="$out/state.txt" >"$out/path" 2>"$out/trace" &
sim_pid=$!
cleanup() {
  "$root/tools/com-port" "${prefix_args[@]}" --unmap "$port" >/dev/null
  kill "$sim_pid" 2>/dev/null
  wait "$sim_pid" 2>/dev/null
  echo "--- korvan-sim trace"
  cat "$out/trace"
  rm -rf "$out"
}
trap cleanup EXIT

for _ in $(seq 50); do
  [[ -s $out/path ]] && break
  sleep 0.1
done
pty=$(head -n 1 "$out/path")
"$root/tools/com-port" "${prefix_args[@]}" "$port" "$pty" || exit 1

failures=0
check() {
  local line=$1 expected=$2 got
  got=$("$root/tools/wine-run" "${prefix_args[@]}" "$probe" "$port" "$line" | tr -d '\r')
  if [[ $got == "$expected" ]]; then
    echo "ok: $line -> $got"
  else
    echo "FAILED: $line -> '$got', expected '$expected'"
    failures=$((failures + 1))
  fi
}

check sv SV1.0.7-LNK
check ni10.1.2.3 NI10.1.2.3
check ni NI10.1.2.3
check bb7 BB7
if grep -qx NI10.1.2.3 "$out/state.txt" && grep -qx BB7 "$out/state.txt"; then
  echo "ok: state file holds the settings"
else
  echo "FAILED: state file:"; cat "$out/state.txt"
  failures=$((failures + 1))
fi
exit $((failures > 0))
