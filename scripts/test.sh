#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the test suite, the Debian package built and
# checked, the fuzz targets over their seed corpus plus a short run of new inputs, and the test suite
# again built with AddressSanitizer and UndefinedBehaviorSanitizer. (The end-to-end tests on their
# private networks need root; elsewhere they say loudly that they skipped.)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev xvfb xauth xdotool dbus-daemon dbus-x11 at-spi2-core \
  python3-pyatspi poppler-utils qt6-tools-dev qt6-l10n-tools qt6-translations-l10n tshark python3 chromium
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600)
scripts/package.sh
scripts/fuzz.sh "${ZENTRI_FUZZ_SECONDS:-10}"
scripts/test-sanitized.sh
