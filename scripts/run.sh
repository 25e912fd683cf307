#!/usr/bin/env bash
# Installs what is missing, builds, and starts the manager with an emulated Zentri device beside it.
# Extra arguments go to the emulator (see: build/emulator/zentri-emulator --help).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/emulator/zentri-emulator "$@" &
emulator=$!
trap 'kill $emulator 2>/dev/null || true' EXIT
build/zentri-manager
