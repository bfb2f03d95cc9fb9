#!/bin/sh
# Builds everything, makes a demo launcher file from the 64-bit launcher with
# the test Java runtime in "jre" beside it, runs it under Wine with the
# diagnostic log on and prints the log: the launcher walking its start-up,
# finding and loading the runtime, whose test VM then refuses to start.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
demo="$root/build/demo"
fake="$root/build/x64/tests/fakejava"
rm -rf "$demo"
mkdir -p "$demo/jre/bin/server"
cp "$fake/java.exe" "$fake/javaw.exe" "$demo/jre/bin/"
cp "$fake/jvm.dll" "$demo/jre/bin/server/"
printf 'line=openjdk version "21.0.2" 2024-01-16\n' > "$demo/jre/bin/fakejava.cfg"
"$root/build/native/builder/tessel-make-launcher" "$root/dist/launcher64.exe" "$demo/demo.exe" \
  107=1 122=com.example.Main "128=B.\\jre;Y;EJAVA_HOME;EJDK_HOME;" 2001=t m1000=Demo
export WINEPREFIX="$root/build/x64/wineprefix"
wine="$root/scripts/wine.sh"
sh "$wine" x64 --make-prefix "$WINEPREFIX"
# The prefix's temporary directory, where the log is written.
temp="$WINEPREFIX/drive_c/users/$(id -un)/Temp"
rm -f "$temp"/ovn_nlog_*.log
code=0
TESSEL_LOG=yes sh "$wine" x64 "$demo/demo.exe" hello world || code=$?
echo "demo.exe exited with $code; its log:"
cat "$temp"/ovn_nlog_*.log
