#!/bin/sh
# Runs every test: the native unit tests, a short run of every fuzz harness,
# the 64-bit Windows tests, and the 32-bit Windows tests where this machine
# can run 32-bit Wine (tried once; elsewhere they are reported as skipped).
# The last line sums up every run.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
status=0
passed=0
failed=0
skipped=0

# Adds one tree's ctest results to the sums.
run_tree() {
  log="$root/build/$1/ctest-output.txt"
  (cd "$root/build/$1" && ctest --output-on-failure -j2) >"$log" 2>&1 || status=1
  cat "$log"
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    status=1
    return
  fi
  total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
  bad=$(echo "$line" | sed -E 's/.*, ([0-9]+) tests? failed.*/\1/')
  skip=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log" || true)
  passed=$((passed + total - bad - skip))
  failed=$((failed + bad))
  skipped=$((skipped + skip))
}

run_tree native
run_tree fuzz
run_tree x64
if sh "$root/scripts/wine.sh" x86 --can-run; then
  run_tree x86
else
  count=$(cd "$root/build/x86" && ctest -N | sed -n 's/^Total Tests: //p')
  echo "32-bit Windows tests skipped: this machine cannot run 32-bit Wine (no i386 support or no wine32)"
  skipped=$((skipped + count))
fi
echo "tests: $passed passed, $failed failed, $skipped skipped"
exit $status
