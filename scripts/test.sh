#!/usr/bin/env bash
# Sets up, builds and runs every test of the project: the chart model and drawing natively, under
# AddressSanitizer and UBSan, as a static 32-bit build under qemu, a bounded fuzzing run, and the
# Windows program's tests on its 64-bit twin under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
run_preset() {
  echo "== $1"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -j "$jobs"
  ctest --test-dir "build/$1" -j "$jobs" --output-on-failure
}

run_preset native
run_preset sanitize
run_preset linux32

echo "== fuzz"
cmake --preset fuzz >/dev/null
cmake --build build/fuzz -j "$jobs"
for fuzzer in build/fuzz/fuzz/lumvo1_fuzz_*; do
  echo "-- $(basename "$fuzzer")"
  "$fuzzer" -max_total_time="${LUMVO1_FUZZ_SECONDS:-30}" -timeout=5 -rss_limit_mb=2048 \
    -artifact_prefix="$PWD/build/fuzz/" >"build/fuzz/$(basename "$fuzzer").log" 2>&1 ||
    { tail -n 40 "build/fuzz/$(basename "$fuzzer").log"; exit 1; }
  tail -n 1 "build/fuzz/$(basename "$fuzzer").log"
done
bash scripts/test-windows.sh
