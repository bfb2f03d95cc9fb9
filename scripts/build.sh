#!/bin/sh
# Configures and builds the four trees: build/native (portable core, unit
# tests and builder, with sanitizers), build/fuzz (the libFuzzer harnesses,
# clang), build/x86 and build/x64 (the 32-bit and the 64-bit launcher, each
# with its Windows tests and test runtime).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$root/build/native"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSEL_FUZZ=ON >/dev/null
cmake --build "$root/build/fuzz"
for arch in x86 x64; do
  cmake -S "$root" -B "$root/build/$arch" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTESSEL_ARCH=$arch \
    --toolchain "$root/cmake/mingw.cmake" >/dev/null
  cmake --build "$root/build/$arch"
done
