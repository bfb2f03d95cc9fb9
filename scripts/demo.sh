#!/bin/sh
# Builds everything, makes a demo launcher file and runs it under Wine with
# the diagnostic log on, then prints the log: the launcher walking its start-up.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
demo="$root/build/demo"
mkdir -p "$demo"
"$root/build/native/builder/tessel-make-launcher" "$root/dist/launcher.exe" "$demo/demo.exe" \
  107=1 122=com.example.Main "128=B.\\jre;Y;EJAVA_HOME;EJDK_HOME;" 2001=t m1000=Demo
export WINEPREFIX="$root/build/win32/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sh "$root/tests/wine/make_prefix.sh" "$WINEPREFIX"
# The prefix's temporary directory, where the log is written.
temp="$WINEPREFIX/drive_c/users/$(id -un)/Temp"
rm -f "$temp"/ovn_nlog_*.log
code=0
TESSEL_LOG=yes wine "$demo/demo.exe" hello world || code=$?
echo "demo.exe exited with $code; its log:"
cat "$temp"/ovn_nlog_*.log
