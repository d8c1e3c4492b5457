#!/usr/bin/env bash
# Installs what is missing, builds the game, its tests and its fuzz targets in
# one clang build with AddressSanitizer and UndefinedBehaviorSanitizer
# (build/asan), runs the whole test suite through ctest, then the short fuzz
# runs on the targets just built.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
./scripts/fuzz.sh configure
cmake --build build/asan
(cd build/asan && ctest --output-on-failure -j2 --timeout 600)
./scripts/fuzz.sh short
