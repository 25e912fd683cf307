#!/usr/bin/env bash
# Builds the whole program and test suite with AddressSanitizer and UndefinedBehaviorSanitizer (and
# Qt's index checks) into build-asan/, then runs the tests there with leak checking on.
# Usage: scripts/test-sanitized.sh [--build-only | --test-only]
#   --build-only / --test-only: one half, so that scripts/test.sh can build while other tests run.
# The tests that check timing on a lossy network and the dissector's reading of a capture run in the
# plain build only: their programs' code runs under the sanitizers in the other tests.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --test-only ]; then
  # -O1 and line tables only: the reports keep their file and line, and the build takes less time.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DZENTRI_SANITIZE=ON >/dev/null
  cmake --build build-asan
fi
[ "${1:-}" = --build-only ] && exit 0
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900 -E '^(e2e_lossy|wireshark_dissector)$'
