#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs the whole test suite through ctest, then
# the short fuzz runs.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
# Optimised, with debug information and with the game's internal assertions on.
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRANDOVEX_SANITIZE=ON \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g"
cmake --build build/asan
cd build/asan
ctest --output-on-failure -j2 --timeout 900

# The short fuzz runs: each libFuzzer target for 45 seconds, built with clang.
cd ../..
./scripts/fuzz.sh short
