#!/bin/sh
# tessel-build.exe end to end: the sample's TOML file gives a launcher file
# whose resources wrestool lists and --explain reads back, built twice the
# same; a bad key leaves no file; the launcher file starts under Wine with
# the recording VM, also after signing with osslsigncode and a self-signed
# certificate, which verifies; and runs the sample on the real JVM.
#   builder_test.sh ROOT TESSEL_BUILD_EXE FAKE_JAVA_DIR WORK_DIR
set -e
root=$1 build=$2 fake=$3 work=$4
wine() { sh "$root/scripts/wine.sh" x64 "$@"; }
fail() { echo "FAILED: $*" >&2; exit 1; }
rm -rf "$work"
app="$work/app"
mkdir -p "$app/lib" "$app/jre/bin/server"
cp "$fake/java.exe" "$fake/javaw.exe" "$app/jre/bin/"
cp "$fake/jvm.dll" "$app/jre/bin/server/"
printf 'version=17.0.1\r\n' > "$app/jre/bin/fakejava.cfg"
: > "$app/jre/bin/server/fakejvm.cfg"
: > "$app/lib/tessel-runtime.jar"
: > "$app/lib/tessel-sample.jar"

wine "$build" "$root/java/sample/tessel.toml" -o "$work/hello.exe"
mkdir "$work/again"
wine "$build" "$root/java/sample/tessel.toml" -o "$work/again/hello.exe"
cmp "$work/hello.exe" "$work/again/hello.exe" || fail "two builds differ"
# A bad key fails with the file and line and leaves no file behind.
printf '[application]\nmain_clas = "x"\n' > "$work/bad.toml"
if wine "$build" "$work/bad.toml" -o "$work/bad.exe" 2> "$work/bad.txt"; then fail "a bad key was accepted"; fi
grep -q "bad.toml:2: unknown key application.main_clas" "$work/bad.txt" || fail "no file:line in $(cat "$work/bad.txt")"
[ ! -e "$work/bad.exe" ] || fail "a failed build left a file"

resources=$(wrestool -l "$work/hello.exe")
for kind in "type=icon" "type=group_icon" "type=version" "--type=10 --name=10000" \
            "--type=24 --name=1"; do
  echo "$resources" | grep -q -e "$kind" || fail "wrestool lists no $kind"
done
wine "$build" --explain "$work/hello.exe" > "$work/explain.txt"
grep -q "application.main_class (122) = com.example.Hello" "$work/explain.txt" || fail "--explain: main class"
grep -q "\[de\] 1010 = Die Hauptklasse von Hello" "$work/explain.txt" || fail "--explain: German message"

# Starts, runs main in the recording VM, with the configured option.
started() {
  rm -f "$app/jre/bin/server/jvm.log"
  wine "$app/hello.exe" first || fail "$1 exited with $?"
  grep -q "option -Dhello.from=launcher" "$app/jre/bin/server/jvm.log" || fail "$1: no VM option"
  grep -q "CallStaticVoidMethod com/tessel/runtime/WinLauncher main" "$app/jre/bin/server/jvm.log" ||
    fail "$1: main not called"
}
cp "$work/hello.exe" "$app/hello.exe"
started "the launcher file"

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
  -subj "/CN=Tessel test" 2>/dev/null
rm "$app/hello.exe"
osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -in "$work/hello.exe" -out "$app/hello.exe" \
  >/dev/null
osslsigncode verify -CAfile "$work/cert.pem" -in "$app/hello.exe" >/dev/null || fail "the signature does not verify"
started "the signed launcher file"
# With the demo's bridge VM the sample runs on this machine's own JVM, when
# the native tree has built the jars.
jars="$root/build/native/java"
if [ -f "$jars/tessel-sample.jar" ] && [ -x /usr/bin/java ]; then
  cp "$jars/tessel-runtime.jar" "$jars/tessel-sample.jar" "$app/lib/"
  cp "$fake/bridge_jvm.dll" "$app/jre/bin/server/jvm.dll"
  wine "$app/hello.exe" first > "$work/sample.txt" || fail "the sample exited with $?"
  grep -q "Hello from a Java application started by Tessel" "$work/sample.txt" || fail "the sample did not run"
else
  echo "no jars in $jars: the sample was not run on the real JVM"
fi
echo "builder test passed"
