#!/usr/bin/env bash
# Checks the structure of the two Windows programs without running them:
# their format, subsystem, imports and stripped symbols.
# Usage: check_deliverables.sh OBJDUMP FORMAT MAGIC ZorvaneC.exe ZorvaneW.exe
set -uo pipefail
objdump=$1 format=$2 magic=$3 console=$4 windowless=$5

# Only DLLs that every Windows has; any toolchain runtime DLL is a failure.
allowed_dlls=" kernel32.dll msvcrt.dll setupapi.dll "
passed=0 failed=0

check() {  # check DESCRIPTION COMMAND...
  if "${@:2}"; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1"
    failed=$((failed + 1))
  fi
}

has_line() { grep -qE "$2" <<<"$1"; }

imports_only_system_dlls() {
  local dll
  while read -r dll; do
    if [[ "$allowed_dlls" != *" ${dll,,} "* ]]; then
      echo "  imports $dll"
      return 1
    fi
  done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$1")
}

check_program() {  # check_program EXE SUBSYSTEM_NUMBER
  local exe=$1 subsystem=$2 name headers symbols
  name=$(basename "$exe")
  headers=$("$objdump" -p "$exe") || { check "$name: readable by objdump" false; return; }
  symbols=$("$objdump" -t "$exe")
  check "$name: file format $format" has_line "$headers" "file format $format\$"
  check "$name: optional header magic $magic" has_line "$headers" "^Magic[[:space:]]+$magic"
  check "$name: subsystem $subsystem" has_line "$headers" "^Subsystem[[:space:]]+0000000$subsystem"
  check "$name: imports SETUPAPI.dll" has_line "$headers" "DLL Name: SETUPAPI.dll"
  check "$name: imports only system DLLs" imports_only_system_dlls "$headers"
  check "$name: stripped" has_line "$symbols" "^no symbols"
}

check_program "$console" 3
check_program "$windowless" 2
echo "$passed passed, $failed failed"
((failed == 0))
