#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each on its seed corpus
# (fuzz/corpus/<target>) for a while, two at a time; any finding (a crash, a
# broken check, a leak, a timeout) fails the run, and the input that caused
# it is kept in the scratch folder that the run names.
#
#   bash scripts/fuzz.sh [seconds per target]     (default 60)
#
# The build goes to build-fuzz; the seed corpus in the repository is only
# read, new inputs go to the scratch folder.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
build="$here/build-fuzz"

bash "$here/scripts/install-deps.sh"
BUILD_TARGET=fuzzers bash "$here/scripts/build.sh" "$build" -DCMAKE_CXX_COMPILER=clang++ \
  -DVELLARMO_FUZZ=ON -DVELLARMO_TESTS=OFF -DVELLARMO_BENCH=OFF

# The targets write temporary files: memory is faster than the disk, and
# saving a settings file syncs it.
shm=/dev/shm
[ -w "$shm" ] || shm="${TMPDIR:-/tmp}"
scratch="$(mktemp -d "$shm/vellarmo-fuzz.XXXXXX")"

run_one() {
  local target="$1" out="$scratch/$1"
  mkdir -p "$out/new" "$out/tmp"
  if TMPDIR="$out/tmp" "$build/fuzz/$target" -max_total_time="$seconds" \
       -artifact_prefix="$out/" "$out/new" "$here/fuzz/corpus/$target" >"$out/log" 2>&1; then
    echo "fuzz: $target ran ${seconds}s: $(grep -o '#[0-9]*' "$out/log" | tail -1 | tr -d '#') inputs, no finding"
  else
    echo "fuzz: $target FOUND A FAULT; log and input in $out" >&2
    tail -40 "$out/log" >&2
    return 1
  fi
}

targets=()
for corpus in "$here"/fuzz/corpus/*/; do
  target="$(basename "$corpus")"
  [ -x "$build/fuzz/$target" ] || { echo "fuzz: no target $target for its corpus" >&2; exit 1; }
  targets+=("$target")
done
for exe in "$build"/fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  [ -d "$here/fuzz/corpus/$(basename "$exe")" ] \
    || { echo "fuzz: $(basename "$exe") has no seed corpus" >&2; exit 1; }
done

failed=0
running=0
for target in "${targets[@]}"; do
  run_one "$target" &
  running=$((running + 1))
  if [ "$running" -ge "${JOBS:-2}" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done

if [ "$failed" -ne 0 ]; then
  echo "fuzz: findings above; inputs kept in $scratch" >&2
  exit 1
fi
rm -rf "$scratch"
echo "fuzz: ${#targets[@]} targets, ${seconds}s each, no finding"
