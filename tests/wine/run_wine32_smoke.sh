#!/usr/bin/env bash
# Opt-in smoke test of the real 32-bit programs under the 32-bit Wine, which
# runs here only through qemu-user: 32-bit Linux programs cannot execute on
# these machines. Slow: the prefix takes about ten minutes, each run one to
# several minutes. As root it installs qemu-user and wine32:i386 when missing
# and registers qemu-i386 for 32-bit programs with binfmt_misc for its own
# run only: while that entry exists, 64-bit prefixes start slowly too.
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
binfmt_entry=$binfmt/zorvane-qemu-i386
after_wine_prefix() { [[ -e $binfmt_entry ]] && echo -1 >"$binfmt_entry"; }
trap after_wine_prefix EXIT
[[ -e $binfmt/register ]] || mount -t binfmt_misc binfmt_misc "$binfmt" || exit 1
[[ -e $binfmt_entry ]] || printf '%s' ':zorvane-qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:' >"$binfmt/register" || exit 1

echo "Making a 32-bit Wine prefix (about ten minutes)..."
started=$SECONDS
wine=/usr/lib/wine/wine wineserver=/usr/lib/wine/wineserver32
export WINEARCH=win32
source "$here/wine_prefix.sh"
echo "  took $((SECONDS - started)) s"

passed=0 failed=0

# smoke NAME PROGRAM EXPECTED_STATUS EXPECTED_LINE [ARGUMENTS...]: an empty
# EXPECTED_LINE means the program must print nothing.
smoke() {
  local name=$1 program=$2 expected_status=$3 expected_line=$4
  shift 4
  started=$SECONDS
  run_program "$launcher" "$(windows_path "$program")" "$@"
  echo "== $name: exit code ${exit_code:-none}, $((SECONDS - started)) s"
  tr -d '\r' <"$wine_work/out"
  local printed_as_expected=false
  if [[ -z "$expected_line" ]]; then
    [[ -s "$wine_work/out" ]] || printed_as_expected=true
  elif tr -d '\r' <"$wine_work/out" | grep -qxF "$expected_line"; then
    printed_as_expected=true
  fi
  if [[ "$exit_code" == "$expected_status" ]] && $printed_as_expected; then
    passed=$((passed + 1))
  else
    echo "FAIL: $name (expected exit code $expected_status and ${expected_line:-no output})"
    cat "$wine_work/err"
    failed=$((failed + 1))
  fi
}

smoke "ZorvaneC, usage" "$console" 0 "ZorvaneC.exe ClassName [FilterString]"
smoke "ZorvaneC Monitor" "$console" 0 '0: MONITOR\Default_Monitor' Monitor
smoke "ZorvaneC monitor default" "$console" 1 '0: MONITOR\DEFAULT_MONITOR' monitor default
smoke "ZorvaneC NoSuchClass" "$console" -1 'No ClassGUID found for NoSuchClass' NoSuchClass
smoke "ZorvaneW monitor default" "$windowless" 1 "" monitor default

echo "$passed passed, $failed failed"
((failed == 0))
