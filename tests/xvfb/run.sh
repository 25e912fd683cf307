#!/usr/bin/env bash
# Runs a test program on a virtual X display of its own (real X input, through xdotool).
#
#   run.sh TEST_PROGRAM [test arguments...]
#
# Exits 77 (skipped) only where Xvfb, xauth or xdotool is missing.
set -uo pipefail
for tool in xvfb-run Xvfb xauth xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "**************************************************************************" >&2
    echo "SKIPPED: the real-input test needs $tool (scripts/install-deps.sh installs it)" >&2
    echo "**************************************************************************" >&2
    exit 77
  fi
done
# In the sanitizer build: the X keyboard library reads the server's key names with strndup over
# buffers that are not NUL-terminated, which strict string checks report inside that library.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
exec xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" env QT_QPA_PLATFORM=xcb "$@"
