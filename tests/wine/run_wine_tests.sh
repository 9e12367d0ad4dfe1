#!/usr/bin/env bash
# Runs the real 64-bit ZorvaneC.exe and ZorvaneW.exe under Wine, against
# Wine's own SetupAPI, in a throwaway prefix holding our test classes and
# devices. Each argument vector goes through both programs: the console
# program's output is compared byte for byte and both exit codes in full.
#
# Usage: run_wine_tests.sh VERSION ZorvaneC.exe ZorvaneW.exe launcher.exe fixture.exe
set -uo pipefail
version=$1 console=$2 windowless=$3 launcher=$4 fixture=$5
source "$(dirname "$0")/wine_prefix.sh"
work=$wine_work  # standard output and logs of the runs

"$wine" "$fixture" >"$work/fixture.log" 2>&1
if ! grep -q '^ZorvaneTest: 7 devices, 7 present' "$work/fixture.log"; then
  echo "the fixture did not register the test devices:"; cat "$work/fixture.log"; exit 1
fi

console_win=$(windows_path "$console")
windowless_win=$(windows_path "$windowless")
banner="^ZorvaneC ${version//./\\.}, built [A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4} [0-2][0-9]:[0-5][0-9]:[0-6][0-9] GMT\\+01:00"$'\r'"\$"
passed=0 failed=0

# check NAME STATUS EXPECTED_LINES [ARGUMENTS...]: EXPECTED_LINES is what
# follows the banner and its empty line, with \n for each line end.
check() {
  local name=$1 expected_status=$2 expected=$3 problems=()
  shift 3
  run_program "$launcher" "$console_win" "$@"
  local console_status=$exit_code
  if ! head -n 1 "$work/out" | grep -qE "$banner"; then
    problems+=("no banner: $(head -n 1 "$work/out" | cat -v)")
  fi
  tail -n +2 "$work/out" >"$work/body"
  printf '\r\n%s' "${expected//$'\n'/$'\r\n'}" >"$work/expected"
  if ! cmp -s "$work/body" "$work/expected"; then
    problems+=("output differs (expected, then actual):" "$(cat -v "$work/expected")" "$(cat -v "$work/body")")
  fi
  [[ "$console_status" == "$expected_status" ]] || problems+=("ZorvaneC exit code ${console_status:-none}, expected $expected_status")

  run_program "$launcher" "$windowless_win" "$@"
  [[ -s "$work/out" ]] && problems+=("ZorvaneW printed: $(cat -v "$work/out")")
  [[ "$exit_code" == "$expected_status" ]] || problems+=("ZorvaneW exit code ${exit_code:-none}, expected $expected_status")

  if ((${#problems[@]} == 0)); then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAIL: $name"
    printf '  %s\n' "${problems[@]}"
  fi
}

repeat() { local text; printf -v text '%*s' "$2" ''; printf '%s' "${text// /$1}"; }
long_id="usb\\$(repeat l 505)"
listing=$'0: USB\\Vid_046d&Pid_c52b\n2: ACPI\\PNP0501\n3: '"$long_id"$'\n5: PCI\\Caf\xE9_\xC9t\xE9\n6: root\\hub_UsB\n'
usage=$'ZorvaneC.exe ClassName [FilterString]\n\n  ClassName must be written correctly and is case insensitive.\n  If FilterString is omitted then all present devices will be displayed.\n  This returns the number of devices that matched FilterString or -1 on error.\n'

check "usage" 0 "$usage"
check "unknown class" -1 $'No ClassGUID found for NoSuchClass\n' NoSuchClass
check "class only, devices as read, skipped ones leave gaps" 0 "$listing" ZorvaneTest
check "filter in mixed case, first ID only" 3 \
  $'0: USB\\VID_046D&PID_C52B\n3: '"${long_id^^}"$'\n6: ROOT\\HUB_USB\n' ZorvaneTest uSb
check "class name in another case; its twin of the same name is not scanned" 1 \
  $'0: USB\\VID_046D&PID_C52B\n' zorvaneTEST vid_046D
check "no match shows the folded filter" 0 $'No devices found that match:NOTHING\n' ZorvaneTest nothing
check "no device compared: filter as typed" 0 $'No devices found that match:Usb\n' ZorvaneEmpty Usb
check "class without devices" 0 "" ZorvaneEmpty
check "third argument: no filter" 0 "$listing" ZorvaneTest usb extra
check "empty filter counts every readable device" 5 \
  $'0: USB\\VID_046D&PID_C52B\n2: ACPI\\PNP0501\n3: '"${long_id^^}"$'\n5: PCI\\CAF\xE9_\xC9T\xE9\n6: ROOT\\HUB_USB\n' ZorvaneTest ""
# Arguments reach Wine as UTF-8 and the programs in the ANSI code page, 1252.
check "accented capital matched exactly" 1 $'5: PCI\\CAF\xE9_\xC9T\xE9\n' ZorvaneTest "café_É"
check "accented small letter is not folded" 0 $'No devices found that match:CAF\xE9_\xE9\n' ZorvaneTest "café_é"
check "high bytes in the class name" -1 $'No ClassGUID found for \x80\xE9\xFF\n' "€éÿ"
check "format text in the class name" -1 $'No ClassGUID found for %s%n%i\n' "%s%n%i"
check "format text in the filter" 0 $'No devices found that match:%N%S\n' ZorvaneTest "%n%s"
check "empty class name" -1 $'No ClassGUID found for \n' ""
check "long class name" -1 "No ClassGUID found for $(repeat N 30000)"$'\n' "$(repeat N 30000)"
check "Wine's own monitor" 0 $'0: MONITOR\\Default_Monitor\n' Monitor
check "Wine's own monitor, filtered" 1 $'0: MONITOR\\DEFAULT_MONITOR\n' monitor default

echo "$passed passed, $failed failed"
((failed == 0))
