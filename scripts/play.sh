#!/usr/bin/env bash
# Installs what is missing, builds in Release (with the voice folders) and
# starts the game in this terminal. The game runs in play/, where its record
# files live; play/wav leads to the voices of the build.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRANDOVEX_TESTS=OFF \
  -DBRANDOVEX_BENCH=OFF -DBRANDOVEX_VOICES=ON >/dev/null
cmake --build build/release
mkdir -p play
if [ ! -f play/wav/.complete ]; then
  rm -rf play/wav
  ln -s ../build/release/wav play/wav
fi
cd play
exec ../build/release/brandovex
