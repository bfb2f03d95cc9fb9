#!/bin/sh
# Runs every test: the native unit tests and the Windows tests under Wine.
# The last line sums up both ctest runs.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
sh "$root/scripts/install-deps.sh"
sh "$root/scripts/build.sh"
status=0
passed=0
failed=0
for tree in native win32; do
  log="$root/build/$tree/ctest-output.txt"
  (cd "$root/build/$tree" && ctest --output-on-failure -j2) >"$log" 2>&1 || status=1
  cat "$log"
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    status=1
    continue
  fi
  total=$(echo "$line" | sed -E 's/.* out of ([0-9]+).*/\1/')
  bad=$(echo "$line" | sed -E 's/.*, ([0-9]+) tests? failed.*/\1/')
  passed=$((passed + total - bad))
  failed=$((failed + bad))
done
echo "tests: $passed passed, $failed failed"
exit $status
