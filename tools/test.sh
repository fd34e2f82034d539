#!/usr/bin/env bash
# Builds and runs every test: the formatting check, then the build, then ctest.
# Usage: tools/test.sh [BUILD_DIR [extra cmake arguments…]]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
jobs=$(nproc)

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build "$build" -j"$jobs"
ctest --test-dir "$build" --output-on-failure -j"$jobs"
