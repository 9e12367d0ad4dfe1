#!/usr/bin/env bash
# Opt-in smoke test of the real 32-bit programs under the 32-bit Wine, which
# runs here only through qemu-user: 32-bit Linux programs cannot execute on
# these machines. Slow: the prefix takes about ten minutes, each run about a
# minute. As root it installs qemu-user and wine32:i386 when missing and
# registers qemu-i386 for 32-bit programs with binfmt_misc for its own run
# only: while that entry exists, 64-bit prefixes start slowly too.
#
# Usage: run_wine32_smoke.sh ZorvaneC.exe ZorvaneW.exe exit_code_launcher.exe
set -uo pipefail
console=$1 windowless=$2 launcher=$3
here=$(dirname "$0")

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt-get update -q
fi
bash "$here/../../scripts/ensure-packages.sh" qemu-user wine32:i386 || exit 1

binfmt=/proc/sys/fs/binfmt_misc
entry=$binfmt/zorvane-qemu-i386
wine=/usr/lib/wine/wine
wineserver=/usr/lib/wine/wineserver32
work=$(mktemp -d "${TMPDIR:-/tmp}/zorvane-wine32.XXXXXX")
export WINEPREFIX=$work/prefix WINEARCH=win32 WINELOADER=$wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
finish() {
  "$wineserver" -k >/dev/null 2>&1
  "$wineserver" -w >/dev/null 2>&1
  [[ -e $entry ]] && echo -1 >"$entry"
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM

[[ -e $binfmt/register ]] || mount -t binfmt_misc binfmt_misc "$binfmt" || exit 1
[[ -e $entry ]] || printf '%s' ':zorvane-qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:' >"$binfmt/register" || exit 1

echo "Making a 32-bit Wine prefix (about ten minutes)..."
mkdir -p "$WINEPREFIX"
start=$SECONDS
"$wine" wineboot -i >"$work/wineboot.log" 2>&1
"$wineserver" -p
echo "  took $((SECONDS - start)) s"

windows_path() { local path; path=$(realpath "$1"); printf 'Z:%s' "${path//\//\\}"; }
passed=0 failed=0

# smoke NAME PROGRAM EXPECTED_STATUS EXPECTED_TEXT [ARGUMENTS...]: an empty
# EXPECTED_TEXT means the program must print nothing.
smoke() {
  local name=$1 program=$2 expected_status=$3 expected_text=$4 status
  shift 4
  start=$SECONDS
  "$wine" "$launcher" "$(windows_path "$program")" "$@" >"$work/out" 2>"$work/err" </dev/null
  status=$(sed -n 's/^exit code: \(-\{0,1\}[0-9]*\).*/\1/p' "$work/err")
  echo "== $name: exit code ${status:-none}, $((SECONDS - start)) s"
  tr -d '\r' <"$work/out"
  if [[ "$status" == "$expected_status" ]] &&
     { [[ -z "$expected_text" && ! -s "$work/out" ]] || { [[ -n "$expected_text" ]] && grep -qF "$expected_text" "$work/out"; }; }; then
    passed=$((passed + 1))
  else
    echo "FAIL: $name (expected exit code $expected_status and ${expected_text:-no output})"
    cat "$work/err"
    failed=$((failed + 1))
  fi
}

smoke "ZorvaneC, usage" "$console" 0 "ZorvaneC.exe ClassName [FilterString]"
smoke "ZorvaneC Monitor" "$console" 0 $'0: MONITOR\\Default_Monitor\r' Monitor
smoke "ZorvaneC monitor default" "$console" 1 $'0: MONITOR\\DEFAULT_MONITOR\r' monitor default
smoke "ZorvaneC NoSuchClass" "$console" -1 $'No ClassGUID found for NoSuchClass\r' NoSuchClass
smoke "ZorvaneW monitor default" "$windowless" 1 "" monitor default

echo "$passed passed, $failed failed"
((failed == 0))
