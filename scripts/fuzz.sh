#!/bin/sh
# Long runs of the libFuzzer harnesses (tests/fuzz): builds build/fuzz with
# clang, then runs every harness (or those named) for RUNS inputs (default
# 10 million) or at most MAX_TIME seconds (default: no limit), JOBS at a
# time (default 1), over its seeds and a corpus kept in build/fuzz/long.
# MAX_LEN caps the input length (default: libFuzzer's own, up to 4096 bytes);
# shorter inputs run many times faster where every line is expanded and
# logged, and already reach every branch.
# Prints one line per harness: inputs, seconds, result.
# A crash, leak or hang leaves its input as build/fuzz/long/NAME/crash-*,
# leak-* or timeout-* and its report in build/fuzz/long/NAME.log.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz"
runs=${RUNS:-10000000}
jobs=${JOBS:-1}
max_time=${MAX_TIME:-0}
max_len=${MAX_LEN:-0}
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSEL_FUZZ=ON >/dev/null
cmake --build "$build" >/dev/null
cd "$build/tests/fuzz"
names=${*:-$(ls ./*_fuzz | sed 's|^\./||')}
mkdir -p "$build/long"

# One harness, its result line on standard output.
run_one() {
  name=$1
  log="$build/long/$name.log"
  mkdir -p "$build/long/$name"
  start=$(date +%s)
  if "./$name" -runs="$runs" -max_total_time="$max_time" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/long/$name/" \
      -print_final_stats=1 "$build/long/$name" "$root/tests/fuzz/seeds/$name" >"$log" 2>&1; then
    result=ok
  else
    result="FAILED (see $log)"
  fi
  done_runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -1)
  echo "$name: ${done_runs:-?} inputs in $(($(date +%s) - start)) s, $result"
}

status=0
set -- $names
while [ $# -gt 0 ]; do
  batch=0
  while [ $# -gt 0 ] && [ $batch -lt "$jobs" ]; do
    run_one "$1" >"$build/long/$1.result" &
    shift
    batch=$((batch + 1))
  done
  wait
done
for name in $names; do
  cat "$build/long/$name.result"
  grep -q ', ok$' "$build/long/$name.result" || status=1
done
exit $status
