#!/usr/bin/env bash
# Installs what is missing, builds the suite and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release --target learning-suite
exec build/release/src/learning-suite "$@"
