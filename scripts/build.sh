#!/bin/sh
# Configures and builds both trees: build/native (portable core and unit
# tests, with sanitizers) and build/win32 (the launcher and the Windows tests).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/native"
cmake -S "$root" -B "$root/build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  --toolchain "$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$root/build/win32"
