#!/bin/sh
# Installs what the build and the tests need and this machine lacks:
# CMake, Ninja, the host compiler with GoogleTest, the 32-bit mingw-w64
# cross compiler (posix threads), the 64-bit mingw-w64 C compiler (a 64-bit
# test DLL), Wine with its 32-bit part, a JDK, and the locale sources
# (localedef builds the German and English locales the Wine tests run under).
set -e
need=""
has_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
for pkg in cmake ninja-build g++ googletest g++-mingw-w64-i686-posix gcc-mingw-w64-x86-64-posix wine wine32:i386 default-jdk-headless locales; do
  has_pkg "$pkg" || need="$need $pkg"
done
[ -z "$need" ] && exit 0
echo "installing:$need"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $need
