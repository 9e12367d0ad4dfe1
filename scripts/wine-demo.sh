#!/usr/bin/env bash
# Shows the real ZorvaneC.exe at work on this machine: its 64-bit build,
# under Wine, against Wine's own device tree, with the whole exit status.
# Usage: wine-demo.sh BUILD_DIR (a build of the win64 preset)
set -uo pipefail
build=$1
source "$(dirname "$0")/../tests/wine/wine_prefix.sh"
console=$(windows_path "$build/ZorvaneC.exe")
for arguments in "Monitor" "System" "System wine" "NoSuchClass"; do
  echo "> ZorvaneC.exe $arguments"
  # shellcheck disable=SC2086  # the arguments are split on purpose
  run_program "$build/tests/exit_code_launcher.exe" "$console" $arguments
  tr -d '\r' <"$wine_work/out"
  [[ -n "$exit_code" ]] || { cat "$wine_work/err"; exit 1; }
  echo "(exit status $exit_code)"
  echo
done
