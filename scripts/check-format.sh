#!/usr/bin/env bash
# Fails when a C++ file that git tracks differs from what the repository's
# .clang-format makes of it; prints the places. `clang-format -i <file>` mends one.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "formatting: every tracked C++ file is as .clang-format makes it"
