#!/usr/bin/env bash
# Installs what is missing, builds in Release and starts the game in this
# terminal. The game runs in play/, where its record files and voices live.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRANDOVEX_TESTS=OFF -DBRANDOVEX_BENCH=OFF >/dev/null
cmake --build build/release --target brandovex
mkdir -p play
if [ -x tools/make-voices.sh ] && [ ! -f play/wav/.complete ]; then
  tools/make-voices.sh play/wav
fi
cd play
exec ../build/release/brandovex
