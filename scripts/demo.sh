#!/bin/sh
# Builds everything, then starts the sample application (java/sample) through
# a 64-bit launcher file under Wine. No Windows Java runtime exists here, so
# the runtime beside the launcher is the test runtime's bridge: its jvm.dll
# records the launcher's JNI calls and, when the launcher calls the launcher
# class's main, runs this machine's own JDK with the very options and
# arguments the launcher built. On Windows the same launcher file loads a
# real runtime's jvm.dll into its own process instead. The launcher file
# carries the sample's splash image; scripts/screenshots.sh photographs it.
# It is in single-instance mode: a second start while the sample runs
# forwards its command line, which the sample prints.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
demo="$root/build/demo"
fake="$root/build/x64/tests/fakejava"
jars="$root/build/native/java"
rm -rf "$demo"
mkdir -p "$demo/jre/bin/server" "$demo/lib"
cp "$fake/java.exe" "$fake/javaw.exe" "$demo/jre/bin/"
cp "$fake/bridge_jvm.dll" "$demo/jre/bin/server/jvm.dll"
# What the launcher's version probe reads; the bridge runs /usr/bin/java.
printf 'line=openjdk version "17.0.15" 2025-04-15\n' > "$demo/jre/bin/fakejava.cfg"
# The bridge hands forwarded command lines to the JDK through its own main class.
printf 'bridgeJar=%s\n' "$root/build/native/tests/java/tessel-bridge.jar" > "$demo/jre/bin/server/fakejvm.cfg"
cp "$jars/tessel-runtime.jar" "$jars/tessel-sample.jar" "$demo/lib/"
# The launcher file from the sample's configuration file. Its splash image, a
# resource of the launcher, is shown by the test runtime's splashscreen.dll
# (only with show=MS in its fakesplash.cfg).
"$root/build/native/builder/tessel-build" "$root/java/sample/tessel.toml" -o "$demo/hello.exe"
cp "$fake/splashscreen.dll" "$demo/jre/bin/"
export WINEPREFIX="$root/build/x64/wineprefix"
wine="$root/scripts/wine.sh"
sh "$wine" x64 --make-prefix "$WINEPREFIX"
code=0
sh "$wine" x64 "$demo/hello.exe" "first argument" second &
first=$!
sleep 3
sh "$wine" x64 "$demo/hello.exe" forwarded "two words"
echo "the second hello.exe exited with $? after forwarding its command line"
wait $first || code=$?
echo "hello.exe exited with $code"
exit $code
