#!/usr/bin/env bash
# Configures and builds into the given folder. Extra arguments go to CMake.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"; shift
# ccache, when the machine has it, makes rebuilds of unchanged sources cheap.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "${JOBS:-2}"
