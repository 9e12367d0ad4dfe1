#!/usr/bin/env bash
# Builds and runs every test: the core on this machine, the checks of the
# 32-bit deliverables, and the 64-bit programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/ensure-packages.sh cmake ninja-build g++ libgtest-dev \
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 wine wine64
for preset in host win32 win64; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
