#!/usr/bin/env bash
# A long search for wrong code before stopping: the random-program test with many programs per
# processor size instead of the unit run's few dozen. Usage:
#   tests/codegen/long_random_run.sh [programs per size, default 5000]
# The build folder is build/ beside the sources, or the one named by TAVREL_BUILD_DIR.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${TAVREL_BUILD_DIR:-$root/build}"
count="${1:-5000}"

if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" -j2 --target unit_tests
TAVREL_RANDOM_PROGRAMS="$count" "$build/tests/unit_tests" --gtest_filter='RandomPrograms.*'
