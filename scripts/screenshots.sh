#!/bin/sh
# Takes the screenshots of docs/ under a virtual X display, on a Wine
# desktop: docs/splash.png, the demonstration's launcher (scripts/demo.sh)
# showing its splash image through the test runtime's splashscreen.dll, and
# docs/error-dialog.png, the launcher's message box when no Java runtime is
# found. Installs the X tools it lacks; uses a Wine prefix of its own, whose
# processes it ends when done.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
has_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
need=""
for pkg in xvfb xauth x11-apps imagemagick; do has_pkg "$pkg" || need="$need $pkg"; done
if [ -n "$need" ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $need
fi

sh "$root/scripts/demo.sh"
demo="$root/build/demo"
shots="$root/build/screenshots"
rm -rf "$shots"
mkdir -p "$shots"
# The splash library shows the image and holds the launcher for 10 s.
printf 'show=10000\r\n' > "$demo/jre/bin/fakesplash.cfg"
cat > "$shots/nojava.toml" <<'TOML'
[application]
name = "Hello"
main_class = "com.example.Hello"
[[java.search]]
type = "bundled"
value = '.\nojre'
[messages.en]
1016 = "No Java runtime was found. Please install Java 8 or later and start Hello again."
TOML
"$root/build/native/builder/tessel-build" "$shots/nojava.toml" -o "$demo/nojava.exe"

export WINEPREFIX="$shots/wineprefix"
sh "$root/scripts/wine.sh" x64 --make-prefix "$WINEPREFIX"
cat > "$shots/session.sh" <<SESSION
# Starts PROGRAM on a Wine desktop, photographs the screen after SECONDS.
shot() {
  sh "$root/scripts/wine.sh" x64 explorer /desktop=tessel,720x420 "Z:\$1" >/dev/null 2>&1 &
  sleep "\$2"
  xwd -root -silent > "$shots/screen.xwd"
  /usr/bin/convert "$shots/screen.xwd" -crop 720x420+0+0 +repage "\$3"
  /usr/lib/wine/wineserver -k || true
  wait
}
shot "$demo/hello.exe" 10 "$root/docs/splash.png"
shot "$demo/nojava.exe" 10 "$root/docs/error-dialog.png"
SESSION
mkdir -p "$root/docs"
xvfb-run -a -s "-screen 0 720x420x24" sh "$shots/session.sh"
echo "screenshots: docs/splash.png docs/error-dialog.png"
