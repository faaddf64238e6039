#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build,
# once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
jobs="$(nproc)"

echo "== Build and test"
"$here/scripts/build.sh" "$here/build-test" Debug -DTESSERA_BUILD_BENCH=ON
ctest --test-dir "$here/build-test" --output-on-failure -j "$jobs"

echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
"$here/scripts/build.sh" "$here/build-asan" Debug -DTESSERA_SANITIZE=ON -DTESSERA_BUILD_BENCH=OFF
# Qt keeps some allocations until the process ends; leak detection is off for them.
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$here/build-asan" --output-on-failure -j "$jobs"
