#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (the end-to-end test on its private network
# needs root; elsewhere it says loudly that it skipped).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
