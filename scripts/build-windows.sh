#!/usr/bin/env bash
# Builds the 32-bit Windows deliverables ZorvaneC.exe and ZorvaneW.exe, then
# shows the console program at work under Wine (its 64-bit build: 32-bit
# programs cannot run on this machine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-packages.sh cmake ninja-build g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64
for preset in win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
echo
bash scripts/wine-demo.sh build/win64
echo "The deliverables (32-bit Windows):"
ls -l "$PWD/build/win32/ZorvaneC.exe" "$PWD/build/win32/ZorvaneW.exe"
