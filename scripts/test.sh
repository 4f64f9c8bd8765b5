#!/usr/bin/env bash
# Installs what is missing, builds the suite and runs every test headless:
# once in a normal build (with the benchmark and the tour, so they keep building), once built
# with AddressSanitizer and UndefinedBehaviorSanitizer (the tests only); then every fuzz target
# briefly, so a regression in a file reader fails here too.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

if [ "${SKIP_SANITIZERS:-0}" != 1 ]; then
    cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSUITE_SANITIZE=ON -DSUITE_BUILD_TOOLS=OFF >/dev/null
    cmake --build build/asan -j"$jobs"
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build/asan --output-on-failure -j"$jobs"
fi

if [ "${SKIP_FUZZ:-0}" != 1 ]; then
    FUZZ_SEED=${FUZZ_SEED:-1} scripts/fuzz.sh "${FUZZ_SECONDS:-20}"
fi
