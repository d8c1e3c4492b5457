#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing need.
# As root it installs what is missing; otherwise it prints the command to run.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libncurses-dev libsdl2-mixer-dev
  googletest libgtest-dev libbenchmark-dev valgrind
  espeak-ng sox
  tmux clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "These Debian packages are missing: ${missing[*]}"
  echo "Install them with:"
  echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}"
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}"
