#!/bin/sh
# Runs a Windows program under Wine for one architecture, never through
# Debian's /usr/bin/wine wrapper (it picks the 32-bit loader whenever that is
# installed, also where the kernel cannot run it).
#   wine.sh x64|x86 PROGRAM [ARGS...]   run PROGRAM in $WINEPREFIX
#   wine.sh x64|x86 --can-run           exit 0 when this machine runs that loader
#   wine.sh x64|x86 --make-prefix DIR   make the prefix at DIR once
# The prefix is always a 64-bit one: it serves both architectures, and the
# 32-bit programs in it see the registry views of a 64-bit Windows.
set -e
case "$1" in
  x64) loader=/usr/lib/wine/wine64 ;;
  x86) loader=/usr/lib/wine/wine ;;
  *) echo "usage: wine.sh x64|x86 PROGRAM [ARGS...]" >&2; exit 2 ;;
esac
shift
export WINELOADER="$loader" WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
case "$1" in
  --can-run)
    [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1 ;;
  --make-prefix)
    export WINEPREFIX="$2"
    [ -f "$WINEPREFIX/system.reg" ] || WINELOADER=/usr/lib/wine/wine64 /usr/lib/wine/wine64 wineboot -i
    /usr/lib/wine/wineserver -w ;;
  *)
    exec "$loader" "$@" ;;
esac
