#!/bin/sh
# Installs what the build and the tests need and this machine lacks: CMake,
# Ninja, the host compiler with GoogleTest, the 32-bit and 64-bit mingw-w64
# cross compilers (posix threads), clang with libFuzzer for the fuzz
# harnesses, 64-bit Wine, a JDK, the locale sources (localedef builds the
# German and English locales the Wine tests run under), toml++ for
# tessel-build, and icoutils and osslsigncode, with which its test lists the
# resources of a launcher file and signs one.
# 32-bit Wine only where this kernel can run 32-bit programs: elsewhere it
# cannot start, and Debian's wine wrapper would still prefer it.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
has_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
need=""
for pkg in cmake ninja-build g++ googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64 \
           clang libclang-rt-14-dev default-jdk-headless locales libtomlplusplus-dev icoutils osslsigncode openssl; do
  has_pkg "$pkg" || need="$need $pkg"
done
if sh "$root/scripts/runs-32bit.sh" && ! has_pkg wine32:i386; then
  need="$need wine32:i386"
fi
[ -z "$need" ] && exit 0
echo "installing:$need"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
case "$need" in
  *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -q
# Wine expects its recommended packages (fonts, its Mono-free defaults).
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --install-recommends $need
