#!/usr/bin/env bash
# Builds the 32-bit Windows deliverables ZorvaneC.exe and ZorvaneW.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-packages.sh cmake ninja-build g++-mingw-w64-i686
cmake --preset win32 >/dev/null
cmake --build --preset win32
echo
echo "The deliverables (32-bit Windows):"
ls -l "$PWD/build/win32/ZorvaneC.exe" "$PWD/build/win32/ZorvaneW.exe"
