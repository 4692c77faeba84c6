#!/usr/bin/env bash
# Installs what is missing, builds and runs every test headless.
# With --sanitize, builds and runs them again under AddressSanitizer and
# UndefinedBehaviorSanitizer in a separate build folder.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"

build="$here/build"
# The tests are switched on explicitly: the build folder may have been
# configured without them (scripts/start.sh does), and CMake keeps that choice.
extra=(-DVELLARMO_TESTS=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build="$here/build-sanitize"
  extra+=(-DVELLARMO_SANITIZE=ON -DVELLARMO_BENCH=OFF)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:halt_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  BUILD_TYPE=Debug bash "$here/scripts/build.sh" "$build" "${extra[@]}"
else
  bash "$here/scripts/build.sh" "$build" "${extra[@]}"
fi

export QT_QPA_PLATFORM=offscreen
# A run in which no test was found is a failure, not a pass.
ctest --test-dir "$build" --output-on-failure --no-tests=error -j "${JOBS:-2}"
