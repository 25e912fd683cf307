#!/usr/bin/env bash
# Builds the whole program and test suite with AddressSanitizer and UndefinedBehaviorSanitizer (and
# Qt's index checks) into build-asan/, then runs every test there with leak checking on.
set -euo pipefail
cd "$(dirname "$0")/.."
# -O1 and line tables only: the reports keep their file and line, and the build takes far less time.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
  -DZENTRI_SANITIZE=ON >/dev/null
cmake --build build-asan
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 900
