#!/usr/bin/env bash
# Configures and builds everything into build/ (pass a build type, default RelWithDebInfo).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${1:-RelWithDebInfo}" >/dev/null
cmake --build build
