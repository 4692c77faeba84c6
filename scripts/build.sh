#!/usr/bin/env bash
# Configures and builds into the given folder. Extra arguments go to CMake.
# BUILD_TARGET=<name> builds that target only instead of everything.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"; shift
# ccache, when the machine has it, makes rebuilds of unchanged sources cheap.
launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # Share hits between clones in sibling folders, debug info included.
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$here")}" CCACHE_NOHASHDIR=1
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j "${JOBS:-2}" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
