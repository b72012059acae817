#!/usr/bin/env bash
# The real UnInstall.exe under Wine, driven from outside by uidriver, on installations laid out
# by hand inside the Wine prefix:
#   removal:   the confirmation is answered Yes; the run removes what its script names, keeps
#              what the script protects and what other products still use, and the
#              uninstaller then removes itself and its folder through its batch file;
#   declined:  the confirmation is answered No; nothing changes;
#   no script: the uninstaller alone in a folder shows its error and ends; nothing changes;
#   failures:  entries that fail are reported by kind; the run still completes and the
#              uninstaller still removes itself;
#   short path: started through its 8.3 path, it still finds its script, knows its own file and
#              folder, and removes them;
#   aborted:   an "Exit" execution at the start of the run closes the window; nothing changes
#              but the auto-update program, which goes as soon as the answer is Yes.
#
#   uninstall_e2e.sh ARCH BUILD_DIR UNINSTALL_EXE UIDRIVER_EXE [--story]
# --story prints what the window shows and what was removed and kept (the main job's account).
# Exit 77 (skipped) when this machine cannot run the tree's programs.
set -uo pipefail

arch=$1
build_dir=$2
program=$3
driver=$4
story=${5:-}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)
prefix_args=(--arch="$arch" --build-dir="$build_dir")

product="Korvan Test Suite"
window="UnInstall - $product"
confirm_caption="Confirm UnInstall"
reg_base='HKEY_CURRENT_USER\Software\Korvan UnInstall Test'
uninstall_entry='HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Korvan UnInstall Test'
shared_dlls='HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\SharedDLLs'
phase_texts=("Shared components..." "Program files..." "Start menu items..."
             "Start menu folders..." "Installation folders..." "Registry entries...")
completion_text="UnInstall has removed everything !"
start_message="Korvan Test Suite is about to be removed."

# The installation, as Windows and as this machine see it. The blanks in the names give the
# batch file short paths that differ from the long ones.
base_win='C:\Korvan UnInstall Test'
app_win="$base_win\\App"
drive_c="$build_dir/wineprefix/drive_c"
base="$drive_c/Korvan UnInstall Test"
app="$base/App"

uninstaller_pid=""
updater_pid=""
failures=0

wine_run() { "$root/tools/wine-run" "${prefix_args[@]}" "$@"; }
drive() { wine_run "$driver" "$@" | tr -d '\r'; }
say() { [[ $story == --story ]] && echo "$@"; return 0; }

pass() { echo "ok: $1"; }
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }
expect() {
  local what=$1 got=$2 wanted=$3
  if [[ $got == "$wanted" ]]; then pass "$what: $got"; else fail "$what: got '$got', expected '$wanted'"; fi
}
# A file or folder by its path on this machine; the second argument names it in the messages.
expect_present() {
  local name=${2:-${1#"$drive_c/"}}
  if [[ -e $1 ]]; then pass "kept: $name"; else fail "gone: $name"; fi
}
expect_absent() {
  local name=${2:-${1#"$drive_c/"}}
  if [[ -e $1 ]]; then fail "still there: $name"; else pass "removed: $name"; fi
}
reg_has_key() { wine_run reg query "$1" >/dev/null 2>&1; }
# The data of one value ("0x1", "yes"); "" when it is missing. Value names may hold blanks.
reg_value() { wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk '/ REG_/ { print $NF }'; }
expect_key() {
  local key=$1 wanted=$2
  if reg_has_key "$key"; then
    [[ $wanted == present ]] && pass "registry key kept: $key" || fail "registry key still there: $key"
  else
    [[ $wanted == absent ]] && pass "registry key removed: $key" || fail "registry key gone: $key"
  fi
}

# Text with every run of blanks and line breaks made one blank, trimmed.
squeeze() { tr -s ' \r\n\t' '    ' | sed 's/^ //; s/ $//'; }
# A message box's text, lines without their trailing blanks.
box_lines() { drive box-text "$1" | sed 's/ *$//'; }

# Windows line ends for the files the uninstaller reads.
write_crlf() { sed 's/$/\r/' >"$1"; }

wine_run cmd.exe /c exit 0 >/dev/null 2>&1
if [[ $? -eq 125 ]]; then
  echo "this machine cannot run the $arch tree's programs: skipped"
  exit 77
fi
# The Wine temporary folder, where the self-removal batch goes.
temp_dir_win=$(wine_run cmd.exe /c echo '%TEMP%' | tr -d '\r')
temp_dir=$(wine_run winepath.exe -u "$temp_dir_win" | tr -d '\r')
batch="${temp_dir%/}/_DEL_ME_.BAT"

remove_registry() {
  wine_run reg delete "$reg_base" /f >/dev/null 2>&1
  wine_run reg delete "$uninstall_entry" /f >/dev/null 2>&1
  wine_run reg delete "$shared_dlls" /v "$base_win\\Shared\\korvlib.dll" /f >/dev/null 2>&1
  wine_run reg delete "$shared_dlls" /v "$app_win\\korvcom.dll" /f >/dev/null 2>&1
}
# Ends a program this script started through wine-run, with the Wine process under it.
stop_started() {
  pkill -P "$1" 2>/dev/null
  kill "$1" 2>/dev/null
}
cleanup() {
  [[ -n $uninstaller_pid ]] && stop_started "$uninstaller_pid"
  [[ -n $updater_pid ]] && stop_started "$updater_pid"
  rm -rf "$base"
  remove_registry
}
trap cleanup EXIT

# An execute item without conditions: the event, one execution, its two parameters and a
# description. Record fields are separated by ",", parameters by ";", the two by "|".
execute_item() {
  local event=$1 execution=$2 parameter1=$3 parameter2=$4 description=$5
  local record=() parameters=() i
  for i in $(seq 0 20); do record[i]=""; done
  for i in $(seq 0 14); do parameters[i]=""; done
  record[1]=$description
  record[2]=$event
  record[4]=1
  record[19]=1
  record[20]=$execution
  parameters[13]=$parameter1
  parameters[14]=$parameter2
  local IFS=,
  local record_text=",${record[*]},"
  IFS=";"
  echo "SET_PERFORM_EXECUTE_OP(|$record_text|;${parameters[*]};|);"
}

# The header Setup writes, with texts that differ from the window's built-in ones.
script_header() {
  cat <<EOF
Version=1.0
ComposerVersion=
PROG_NAME=$product
COMPANY_URL=https://www.korvan.com/support
CHAR_SET=0
GET_DIALOG_BITMAP_3D_FRAME=1
GET_AUTO_UPDATE_EXE_FILE_NAME=KorvUpd.exe
CONFIRM_CAPTION=$confirm_caption
CONFIRM_TEXT=Are you sure you want to uninstall the program
BUTTON_CLOSE=Close
S1=UnInstall will remove the software <b>PROG_NAME</b> from your computer. Please wait while each of the following components is removed...
S2=$completion_text
LABEL1=${phase_texts[0]}
LABEL2=${phase_texts[1]}
LABEL3=${phase_texts[2]}
LABEL4=${phase_texts[3]}
LABEL5=${phase_texts[4]}
LABEL6=${phase_texts[5]}
RunTimeDir_1=
RunTimeDir_2=
RunTimeDir_3=
SetupType=Typical
GroupNames=|Program|Pages|
EOF
}

# The script Setup would have written for this installation.
write_script() {
  { script_header; cat <<EOF; } | write_crlf "$app/UnInstall.txt"
REMOVE_REG_KEY($uninstall_entry);
REMOVE_REG_KEY($reg_base\\App);
TargetDir=$app_win
SharedDir=$base_win\\Shared
AuxiliaryDir=

REMOVE_DIR($app_win);
REMOVE_FILE($app_win\\Korvan.exe);
REMOVE_FILE($app_win\\Readme.txt);
REMOVE_READONLY_FILE($app_win\\Settings.cfg);
REMOVE_SHARED_FILE($app_win\\korvcom.dll);
REMOVE_FILE($app_win\\korvcom.dll);
REMOVE_FILE($app_win\\UnInstall.txt);
REMOVE_FILE($app_win\\UnInstall.exe);

REMOVE_DIR($app_win\\Pages (en));
REMOVE_FILE($app_win\\Pages (en)\\index.htm);

FORCE_REMOVE_DIR($app_win\\Cache);

REMOVE_DIR($base_win\\Shared);
AVOID_ERR_REMOVE_DIR($base_win\\Shared);
REMOVE_SHARED_FILE($base_win\\Shared\\korvlib.dll);
REMOVE_FILE($base_win\\Shared\\korvlib.dll);

DONT_REMOVE_DIR($base_win\\Data);
REMOVE_FILE($base_win\\Data\\user.dat);

REMOVE_DIR($base_win);
SET_PERFORM_REGISTRY_OP(,$reg_base\\Paths,Install,<Application Folder>,Create,Remove,String,);
SET_PERFORM_INIFILE_OP(,$base_win\\Shared\\korvan.ini,Paths,Install,$app_win,Create,Remove,);
$(execute_item "UnInstall Start" "Display Message" "$start_message" "" "Tell the user")
$(execute_item "UnInstall End" "Append Text to a File" "<Common Folder>end.log" \
  "UnInstall End ran" "Leave a trace")
EOF
}

# A fresh installation: the program's files, its auto-update program, a read-only file, a
# forced cache, a shared file another product still counts on, a protected data folder, an INI
# entry and registry keys.
lay_out_installation() {
  rm -rf "$base"
  remove_registry
  mkdir -p "$app/Pages (en)" "$app/Cache/Old" "$base/Data" "$base/Shared"
  echo program >"$app/Korvan.exe"
  echo readme >"$app/Readme.txt"
  echo updater >"$app/KorvUpd.exe"
  echo settings >"$app/Settings.cfg"
  chmod a-w "$app/Settings.cfg"
  echo library >"$app/korvcom.dll"
  echo page >"$app/Pages (en)/index.htm"
  echo old >"$app/Cache/Old/a.tmp"
  echo new >"$app/Cache/b.tmp"
  echo library >"$base/Shared/korvlib.dll"
  echo user >"$base/Data/user.dat"
  echo notes >"$base/Data/notes.txt"
  write_crlf "$base/Shared/korvan.ini" <<EOF
[Paths]
Install=$app_win
Pages=$app_win\\Pages (en)
EOF
  cp "$program" "$app/UnInstall.exe"
  write_script
  write_crlf "$base/registry.bat" <<EOF
@echo off
reg add "$uninstall_entry" /v DisplayName /d "$product" /f
reg add "$reg_base" /v Keep /d yes /f
reg add "$reg_base\\App" /v Version /d 1.0 /f
reg add "$reg_base\\App\\Options" /v Language /d English /f
reg add "$reg_base\\Paths" /v Install /d "$app_win" /f
reg add "$shared_dlls" /v "$base_win\\Shared\\korvlib.dll" /t REG_DWORD /d 2 /f
reg add "$shared_dlls" /v "$app_win\\korvcom.dll" /t REG_DWORD /d 1 /f
EOF
  wine_run cmd.exe /c "$base_win\\registry.bat" >/dev/null 2>&1
  rm -f "$base/registry.bat"
}

# The "X_" copy of the product's auto-update program, running: a copy of uidriver waiting for
# a window that never comes (it gives up by itself after a minute).
start_auto_update() {
  cp "$driver" "$app/X_KorvUpd.exe"
  wine_run "$app_win\\X_KorvUpd.exe" wait-window "Korvan never shown" 60 >/dev/null 2>&1 &
  updater_pid=$!
  for _ in $(seq 100); do
    # Wine runs the program as the child of the wine-run that started it.
    pgrep -P "$updater_pid" -f 'X_KorvUpd\.exe' >/dev/null && return 0
    sleep 0.1
  done
  fail "the auto-update copy did not start"
}
expect_auto_update_ended() {
  for _ in $(seq 100); do
    kill -0 "$updater_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$updater_pid" 2>/dev/null; then
    fail "the running auto-update copy was not ended"
  else
    wait "$updater_pid" 2>/dev/null
    pass "the running auto-update copy was ended"
    updater_pid=""
  fi
}

# The 8.3 name that Windows shows for the entry NAME of the folder DIR (both Windows forms).
short_name() {
  local dir=$1 name=$2
  printf '@dir /x "%s"\r\n' "$dir" >"$drive_c/korvan-short-name.bat"
  wine_run cmd.exe /c 'C:\korvan-short-name.bat' | tr -d '\r' | awk -v n="$name" '
    { l = length($0); k = length(n)
      if (l > k && substr($0, l - k + 1) == n && substr($0, l - k, 1) == " ") {
        m = split(substr($0, 1, l - k - 1), words, " "); print words[m] } }'
  rm -f "$drive_c/korvan-short-name.bat"
}

start_uninstaller() {
  wine_run "$1" >/dev/null 2>&1 &
  uninstaller_pid=$!
}
# Waits (bounded) for the uninstaller's process to end.
wait_uninstaller_end() {
  for _ in $(seq 300); do
    if ! kill -0 "$uninstaller_pid" 2>/dev/null; then
      wait "$uninstaller_pid" 2>/dev/null
      uninstaller_pid=""
      pass "$1"
      return 0
    fi
    sleep 0.1
  done
  fail "$1: it still runs after 30 s"
  return 1
}

# Every file and key of the installation is as it was laid out (the auto-update program is
# looked at by each case: only an answer Yes removes it).
expect_nothing_removed() {
  local file
  for file in "$app/UnInstall.exe" "$app/UnInstall.txt" "$app/Korvan.exe" "$app/Settings.cfg" \
              "$app/Pages (en)/index.htm" "$app/Cache/b.tmp" "$base/Shared/korvlib.dll" \
              "$base/Data/user.dat"; do
    expect_present "$file"
  done
  expect_key "$reg_base\\App" present
  expect_key "$uninstall_entry" present
  expect "INI entry" "$(grep -c '^Install=' "$base/Shared/korvan.ini")" 1
}

# The start execution's message holds the run before its first phase: the window must refuse
# to close then.
check_start_execution() {
  if ! drive wait-box Attention 30 >/dev/null; then
    fail "no \"Attention\" box from the start execution"
    return 1
  fi
  expect "message of the start execution" "$(drive box-text Attention | squeeze)" "$start_message"
  expect "tick 1 before the first phase" "$(drive get-state "$window" Tick1)" "enabled hidden"
  drive close "$window" >/dev/null
  if drive wait-gone "$window" 3 >/dev/null 2>&1; then
    fail "the window closed while the run was going on"
    return 1
  fi
  pass "the window refused to close while the run was going on"
  drive answer-box Attention OK >/dev/null
}

# Polls the window until its run has completed. A closing report would mean that some entry
# failed; it is read and answered.
wait_completion() {
  local close_state completed_state
  for _ in $(seq 60); do
    if drive wait-box Error 0 >/dev/null 2>&1; then
      fail "the run reported failures: $(drive box-text Error | squeeze)"
      drive answer-box Error OK >/dev/null
      drive wait-gone Error 10 >/dev/null
    fi
    if ! close_state=$(drive get-state "$window" CloseButton 2>&1) ||
       ! completed_state=$(drive get-state "$window" CompletedLabel 2>&1); then
      fail "the window went away during the run"
      return 1
    fi
    if [[ $completed_state == *" visible" ]]; then
      expect "Close button after the run" "$(drive get-state "$window" CloseButton)" "enabled visible"
      return 0
    fi
    # The run shows the completion text before it enables the Close button, so a button read
    # enabled before a hidden completion text means it was enabled during the run.
    [[ $close_state == enabled* ]] && fail "the Close button was enabled during the run"
    sleep 0.5
  done
  fail "the run did not complete within the time allowed"
  return 1
}

# What the completed window shows, then Close.
check_completed_window() {
  local phase
  for phase in 1 2 3 4 5 6; do
    expect "phase line $phase" "$(drive get-text "$window" "Label$phase")" "${phase_texts[phase - 1]}"
    expect "tick $phase" "$(drive get-state "$window" "Tick$phase")" "enabled visible"
  done
  expect "completion text" "$(drive get-text "$window" CompletedLabel)" "$completion_text"
  expect "Close button caption" "$(drive get-text "$window" CloseButton)" "Close"
  expect "address" "$(drive get-text "$window" CompanyUrlLabel)" "https://www.korvan.com/support"
  drive click "$window" CloseButton >/dev/null
  wait_uninstaller_end "the uninstaller ended after Close"
}

run_confirmed_uninstall() {
  if ! drive wait-box "$confirm_caption" 30 >/dev/null; then
    fail "no \"$confirm_caption\" box"
    return 1
  fi
  expect "confirmation" "$(drive box-text "$confirm_caption" | squeeze)" \
    "Are you sure you want to uninstall the program \"$product\" ?"
  drive answer-box "$confirm_caption" Yes >/dev/null
  expect_auto_update_ended
  if ! drive wait-window "$window" 30 >/dev/null; then
    fail "no window \"$window\""
    return 1
  fi
  pass "window caption: $window"
  expect "introduction" "$(drive get-text "$window" RichEdit1 | squeeze)" \
    "UnInstall will remove the software $product from your computer. Please wait while each of the following components is removed..."
  check_start_execution && wait_completion && check_completed_window
}

echo "== removal"
lay_out_installation
rm -f "$batch"
start_auto_update
say "installation laid out in $app_win, with its data in $base_win\\Data; its auto-update copy runs"
start_uninstaller "$app_win\\UnInstall.exe"
run_confirmed_uninstall

# The batch file deletes the uninstaller once its process has gone, then the empty folder.
for _ in $(seq 60); do
  [[ -e $app || -e $batch ]] || break
  sleep 0.5
done
say "removed and kept:"
for file in "$app/UnInstall.exe" "$app/UnInstall.txt" "$app/Korvan.exe" "$app/Readme.txt" \
            "$app/KorvUpd.exe" "$app/X_KorvUpd.exe" \
            "$app/Settings.cfg" "$app/korvcom.dll" "$app/Pages (en)" "$app/Cache" "$app"; do
  expect_absent "$file"
done
expect_absent "$batch" "$temp_dir_win\\_DEL_ME_.BAT"
expect_present "$base/Data/user.dat"
expect_present "$base/Data/notes.txt"
expect_present "$base/Shared/korvlib.dll"
expect "use count of the shared file still in use" \
  "$(reg_value "$shared_dlls" "$base_win\\Shared\\korvlib.dll")" 0x1
released=$(reg_value "$shared_dlls" "$app_win\\korvcom.dll")
expect "use count of the shared file released" "${released:-none}" none
expect_key "$reg_base\\App" absent
expect_key "$reg_base\\Paths" absent
expect_key "$uninstall_entry" absent
expect "registry value beside the removed keys" "$(reg_value "$reg_base" Keep)" yes
expect "INI file" "$(tr -d '\r' <"$base/Shared/korvan.ini" | tr '\n' ' ')" \
  "[Paths] Pages=$app_win\\Pages (en) "
expect "file written by the end execution" "$(cat "$base/Shared/end.log" 2>/dev/null)" \
  "UnInstall End ran"

echo "== declined"
lay_out_installation
start_uninstaller "$app_win\\UnInstall.exe"
if drive wait-box "$confirm_caption" 30 >/dev/null; then
  drive answer-box "$confirm_caption" No >/dev/null
  wait_uninstaller_end "the uninstaller ended after No"
  say "answered No: the installation stays as it is"
  expect_nothing_removed
  expect_present "$app/KorvUpd.exe"
else
  fail "no \"$confirm_caption\" box"
fi

echo "== no script"
lay_out_installation
lone="$base/Lone Dir"
mkdir -p "$lone"
cp "$program" "$lone/UnInstall.exe"
echo keep >"$lone/keep.txt"
start_uninstaller "$base_win\\Lone Dir\\UnInstall.exe"
if drive wait-box Error 30 >/dev/null; then
  expect "error box" "$(box_lines Error | sed '/^$/d' | tr '\n' '|')" \
    "$base_win\\Lone Dir\\UnInstall.txt|Script file not found.|UnInstall aborted!|"
  say "\"Error\" says: $(drive box-text Error | squeeze)"
  drive answer-box Error OK >/dev/null
  wait_uninstaller_end "the uninstaller ended after OK"
  expect_present "$lone/UnInstall.exe"
  expect_present "$lone/keep.txt"
  expect_nothing_removed
  expect_present "$app/KorvUpd.exe"
else
  fail "no \"Error\" box"
fi

echo "== failures reported"
# A folder that still holds a file nobody declared, and a registry item without an uninstall
# action: the run reports both kinds, completes, and the uninstaller still removes itself.
rm -rf "$base"
mkdir -p "$app" "$base/Logs"
echo "written after the installation" >"$base/Logs/user.log"
cp "$program" "$app/UnInstall.exe"
{ script_header; cat <<EOF; } | write_crlf "$app/UnInstall.txt"
TargetDir=$app_win
REMOVE_FILE($app_win\\UnInstall.txt);
REMOVE_DIR($app_win);
REMOVE_DIR($base_win\\Logs);
SET_PERFORM_REGISTRY_OP(,$reg_base\\Paths,Install,x,Create,,String,);
EOF
start_uninstaller "$app_win\\UnInstall.exe"
if drive wait-box "$confirm_caption" 30 >/dev/null; then
  drive answer-box "$confirm_caption" Yes >/dev/null
  if drive wait-box Error 30 >/dev/null; then
    # Lines joined by "|", without the empty lines that frame every box text.
    report=$(box_lines Error | tr '\n' '|' | sed 's/^|*//; s/|*$//')
    expect "closing report" "$report" "$(printf '%s|' \
      "UnInstall was unable to handle one or more Registry keys" "" \
      "To complete the UnInstall operation, Please handle them manually." "" \
      "UnInstall was unable to remove one or more Directories" "" \
      "To complete the UnInstall operation, Please remove them manually." | sed 's/|$//')"
    say "the closing report: $(drive box-text Error | squeeze)"
    drive answer-box Error OK >/dev/null
    drive wait-gone Error 10 >/dev/null
    wait_completion && drive click "$window" CloseButton >/dev/null
    wait_uninstaller_end "the uninstaller ended after Close"
    for _ in $(seq 60); do
      [[ -e $app ]] || break
      sleep 0.5
    done
    expect_absent "$app"
    expect_present "$base/Logs/user.log"
  else
    fail "no closing report"
  fi
else
  fail "no \"$confirm_caption\" box"
fi

echo "== short path"
rm -rf "$base"
mkdir -p "$app"
echo readme >"$app/Readme.txt"
cp "$program" "$app/UnInstall.exe"
{ script_header; cat <<EOF; } | write_crlf "$app/UnInstall.txt"
TargetDir=$app_win
REMOVE_DIR($app_win);
REMOVE_FILE($app_win\\Readme.txt);
REMOVE_FILE($app_win\\UnInstall.txt);
REMOVE_FILE($app_win\\UnInstall.exe);
EOF
short_exe="C:\\$(short_name 'C:\' "${base_win#C:\\}")\\App\\$(short_name "$app_win" UnInstall.exe)"
say "started as $short_exe"
if [[ $short_exe == *~*~* ]]; then
  start_uninstaller "$short_exe"
  if drive wait-box "$confirm_caption" 30 >/dev/null; then
    drive answer-box "$confirm_caption" Yes >/dev/null
    drive wait-window "$window" 30 >/dev/null && wait_completion &&
      drive click "$window" CloseButton >/dev/null
    wait_uninstaller_end "the uninstaller ended after Close"
    for _ in $(seq 60); do
      [[ -e $app ]] || break
      sleep 0.5
    done
    expect_absent "$app"
  else
    fail "no \"$confirm_caption\" box (an \"Error\" box says: $(drive box-text Error 2>&1 | squeeze))"
    drive answer-box Error OK >/dev/null 2>&1
    wait_uninstaller_end "the uninstaller ended"
  fi
else
  fail "no short path for $app_win\\UnInstall.exe: $short_exe"
fi

echo "== aborted"
lay_out_installation
rm -f "$batch"
execute_item "UnInstall Start" Exit "" "" "Stop here" | write_crlf "$app/exit.txt"
cat "$app/exit.txt" >>"$app/UnInstall.txt"
rm -f "$app/exit.txt"
start_uninstaller "$app_win\\UnInstall.exe"
if drive wait-box "$confirm_caption" 30 >/dev/null; then
  drive answer-box "$confirm_caption" Yes >/dev/null
  wait_uninstaller_end "the uninstaller ended by itself after the Exit execution"
  say "an Exit execution stopped the run: everything stays but the auto-update program"
  expect_nothing_removed
  expect_absent "$app/KorvUpd.exe"
  expect_absent "$batch" "$temp_dir_win\\_DEL_ME_.BAT"
  [[ -e $base/Shared/end.log ]] && fail "the end execution ran after the Exit"
else
  fail "no \"$confirm_caption\" box"
fi

if [[ $failures -gt 0 ]]; then
  echo "uninstall e2e: $failures check(s) failed"
  exit 1
fi
echo "uninstall e2e: all checks passed"
