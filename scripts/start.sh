#!/usr/bin/env bash
# Installs what is missing, builds and starts the program. An optional
# argument names the data folder; by default the program folder is used.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh" "$here/build" -DVELLARMO_TESTS=OFF -DVELLARMO_BENCH=OFF
exec "$here/build/src/vellarmo" "$@"
