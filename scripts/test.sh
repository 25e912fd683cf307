#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the test suite, the Debian package built and
# checked, the fuzz targets over their seed corpus plus a short run of new inputs, and the test suite
# again built with AddressSanitizer and UndefinedBehaviorSanitizer. (The end-to-end tests on their
# private networks need root; elsewhere they say loudly that they skipped.)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang libclang-rt-14-dev xvfb xauth xdotool dbus-daemon dbus-x11 at-spi2-core \
  python3-pyatspi poppler-utils qt6-tools-dev qt6-l10n-tools qt6-translations-l10n tshark python3 curl prometheus chromium
scripts/build.sh
# The sanitizer build goes on at the lowest priority while the tests run: they mostly wait on
# timers and the network, and keep the processor they need.
setsid nice -n 19 scripts/test-sanitized.sh --build-only >build/sanitizer-build.log 2>&1 &
asan=$!
trap 'kill -- -$asan 2>/dev/null || true' EXIT
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600)
scripts/package.sh
scripts/fuzz.sh "${ZENTRI_FUZZ_SECONDS:-10}"
if ! wait $asan; then
  cat build/sanitizer-build.log
  echo "test.sh: the sanitizer build failed" >&2
  exit 1
fi
trap - EXIT
scripts/test-sanitized.sh --test-only
