#!/usr/bin/env bash
# Configures and builds into the given folder. Extra arguments go to CMake.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"; shift
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
