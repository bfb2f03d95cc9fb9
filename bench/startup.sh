#!/bin/sh
# Start-up figures of the launchers, each the median of RUNS starts (default
# 21), in one Wine prefix (build/bench/prefix): the 64-bit launcher always,
# the 32-bit one where this machine runs 32-bit Wine. Prints figures and
# asserts nothing; docs/performance.md says how to read them.
#   bench/startup.sh [RUNS]
# Needs the built trees build/x64 (and build/x86) and the builder of
# build/native (scripts/build.sh makes all three). LAUNCHER_x64 and
# LAUNCHER_x86 name other generic launchers to measure (an older build).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-21}
work="$root/build/bench"
builder="$root/build/native/builder/tessel-build"
[ -x "$builder" ] || cmake --build "$root/build/native" --target tessel-build >/dev/null
rm -rf "$work"
mkdir -p "$work"
export WINEPREFIX="$work/prefix"
sh "$root/scripts/wine.sh" x64 --make-prefix "$WINEPREFIX" >/dev/null 2>&1
mark="$work/mark.txt"
export TESSEL_BENCH_MARK="$(echo "Z:$mark" | tr / '\\')"

win() { echo "Z:$1" | tr / '\\'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
field() { echo "$1" | cut -d' ' -f"$2"; }

# The 200 MB of included files (four files) and the same bytes as one file.
mkdir -p "$work/files"
for i in 1 2 3 4; do head -c 52428800 /dev/urandom >"$work/files/part$i.bin"; done
cat "$work/files"/part*.bin >"$work/files/all.bin"

# A test runtime at $1: the recording VM, or the jvm.dll $2.
make_runtime() {
  mkdir -p "$1/bin/client"
  cp "$fake/java.exe" "$fake/javaw.exe" "$1/bin/"
  cp "${2:-$fake/jvm.dll}" "$1/bin/client/jvm.dll"
}

# A launcher file $1 of this architecture (template in $templates) that
# searches $2 (a search entry's type) with value $3, including the files $4...
make_app() {
  out=$1 search=$2 value=$3
  shift 3
  { printf 'arch = "%s"\n[application]\nname = "Bench"\nmain_class = "com.example.Main"\n' "$arch"
    printf 'type = "console"\n[[java.search]]\ntype = "%s"\n' "$search"
    [ -n "$value" ] && printf "value = '%s'\n" "$value"
    for f in "$@"; do printf "[[files]]\nname = '%s'\nsource = '%s'\n" "${f##*/}" "$f"; done; } >"$out.toml"
  "$builder" "$out.toml" -o "$out" --templates "$templates" >/dev/null
}

# "wall cpu to_vm private" medians of starting the command line.
measure() {
  sh "$root/scripts/wine.sh" "$arch" "$timer" "$runs" "$(win "$mark")" "$@" | tr -d '\r'
}

# The located-runtimes registry key with the runtimes runtimes/1..$1.
register_runtimes() {
  reg="$work/located.reg"
  key='HKEY_CURRENT_USER\Software\valdrin-works\tessel\locatedjvms'
  { printf 'REGEDIT4\r\n\r\n[-%s]\r\n\r\n' "$key"
    i=1
    while [ "$i" -le "$1" ]; do
      printf '[%s\\%s]\r\n\r\n' "$key" "$(win "$dir/runtimes/$i/bin/java.exe" | tr '\\' /)"
      i=$((i + 1))
    done; } >"$reg"
  sh "$root/scripts/wine.sh" "$arch" regedit /S "$(win "$reg")" >/dev/null 2>&1
}

# Prints the warm start to JNI_CreateJavaVM (label $1) of the launcher file $2
# against the bare program loading the jvm.dll $3; leaves the medians in warm
# and bare.
compare_warm() {
  measure "$2" >/dev/null  # fills the version cache
  warm=$(measure "$2")
  bare=$(measure "$build/bench/bare_start.exe" "$3")
  echo "$arch $1: launcher $(field "$warm" 3) ms, bare program $(field "$bare" 3) ms:" \
       "ratio $(ratio "$(field "$warm" 3)" "$(field "$bare" 3)")"
}

bench_arch() {
  arch=$1
  build="$root/build/$arch"
  fake="$build/tests/fakejava"
  launcher=$(eval echo "\${LAUNCHER_$arch:-$build/launcher.exe}")
  templates="$work/templates-$arch"
  mkdir -p "$templates"
  [ "$arch" = x86 ] && cp "$launcher" "$templates/launcher.exe" || cp "$launcher" "$templates/launcher64.exe"
  timer="$build/bench/time_starts.exe"
  dir="$work/$arch"
  mkdir -p "$dir"
  make_runtime "$dir/jre"
  make_app "$dir/app.exe" bundled '.\jre'
  make_runtime "$dir/jre-imports" "$build/bench/jvm_system_imports.dll"
  make_app "$dir/imports.exe" bundled '.\jre-imports'
  make_app "$dir/search.exe" registry ''
  make_app "$dir/files.exe" bundled '.\jre' "$work/files"/part*.bin
  i=1
  while [ "$i" -le 50 ]; do make_runtime "$dir/runtimes/$i"; i=$((i + 1)); done
  app=$(win "$dir/app.exe")

  size=$(stat -c %s "$launcher")
  imports=$(x86_64-w64-mingw32-objdump -p "$launcher" | sed -n 's/^\tDLL Name: //p' | tr '\n' ' ')
  echo "$arch launcher file: $size bytes ($((size / 1024)) KiB); imports: $imports"

  compare_warm "warm start, VM importing a real jvm.dll's system DLLs" "$(win "$dir/imports.exe")" \
    "$(win "$dir/jre-imports/bin/client/jvm.dll")"
  compare_warm "warm start to JNI_CreateJavaVM" "$app" "$(win "$dir/jre/bin/client/jvm.dll")"
  echo "$arch warm start, whole process: launcher $(field "$warm" 1) ms wall / $(field "$warm" 2) ms CPU," \
       "bare program $(field "$bare" 1) ms wall / $(field "$bare" 2) ms CPU:" \
       "ratio $(ratio "$(field "$warm" 1)" "$(field "$bare" 1)") wall / $(ratio "$(field "$warm" 2)" "$(field "$bare" 2)") CPU"
  first=$(measure -fresh-cache "$app")
  echo "$arch first start (empty version cache) to JNI_CreateJavaVM: $(field "$first" 3) ms, warm $(field "$warm" 3) ms:" \
       "ratio $(ratio "$(field "$first" 3)" "$(field "$warm" 3)")"
  echo "$arch private memory at JNI_CreateJavaVM: $(field "$warm" 4) KiB (bare program $(field "$bare" 4) KiB)"

  register_runtimes 1
  measure "$(win "$dir/search.exe")" >/dev/null
  one=$(measure "$(win "$dir/search.exe")")
  register_runtimes 50
  measure "$(win "$dir/search.exe")" >/dev/null
  fifty=$(measure "$(win "$dir/search.exe")")
  echo "$arch search to JNI_CreateJavaVM: 1 registered runtime $(field "$one" 3) ms, 50 registered runtimes" \
       "$(field "$fifty" 3) ms: ratio $(ratio "$(field "$fifty" 3)" "$(field "$one" 3)")"

  files=$(measure "$(win "$dir/files.exe")")
  copy=$(sh "$root/scripts/wine.sh" "$arch" "$timer" "$runs" -copy "$(win "$work/files/all.bin")" \
         "$(win "$dir/copy.bin")" | tr -d '\r')
  extraction=$(awk -v a="$(field "$files" 3)" -v b="$(field "$warm" 3)" 'BEGIN { printf "%.2f", a - b }')
  echo "$arch extraction of 200 MB of included files: $extraction ms (start with them $(field "$files" 3) ms" \
       "less start without), plain copy $copy ms: ratio $(ratio "$extraction" "$copy")"
}

echo "medians of $runs starts; $(nproc) processors; $(/usr/lib/wine/wine64 --version)"
bench_arch x64
if sh "$root/scripts/wine.sh" x86 --can-run; then
  bench_arch x86
else
  echo "x86: skipped, this machine cannot run 32-bit Wine"
fi
