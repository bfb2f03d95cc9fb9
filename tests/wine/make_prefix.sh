#!/bin/sh
# Makes the Wine prefix of a test run once; later runs reuse it.
set -e
export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i
fi
wineserver -w
