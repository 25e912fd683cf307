#!/usr/bin/env bash
# Reads the manager's windows through the accessibility bus, as a screen reader does: an X server of its
# own (Xvfb), a session bus of its own, the AT-SPI bus it starts, and tests/a11y/read_windows.py.
#
#   run.sh PROGRAM [check | dump WINDOW...]      (PROGRAM: the a11y_windows test program)
#   run.sh PROGRAM actions EMULATOR              (PROGRAM: a11y_manager; tests/a11y/by_actions.py)
#
# Exits 77 (skipped, loudly) when xvfb, dbus, at-spi2-core or python3-pyatspi is missing
# (scripts/install-deps.sh installs them). Every wait has a deadline: nothing hangs.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
shift
[ $# -gt 0 ] || set -- check

missing=()
command -v Xvfb >/dev/null || missing+=(xvfb)
command -v dbus-run-session >/dev/null || missing+=(dbus)
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi2-core)
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing+=(python3-pyatspi)
if [ ${#missing[@]} -gt 0 ]; then
  echo "***********************************************************************************" >&2
  echo "SKIPPED: the accessibility test needs these packages: ${missing[*]}" >&2
  echo "         (scripts/install-deps.sh ${missing[*]})" >&2
  echo "***********************************************************************************" >&2
  exit 77
fi

tmp=$(mktemp -d -t zentri-a11y.XXXXXX)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

source "$here/../xvfb/display.sh"
start_display "$tmp" "a11y run.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export XDG_RUNTIME_DIR="$tmp"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
script=read_windows.py
if [ "$1" = actions ]; then
  script=by_actions.py
  shift
fi
timeout -k 10 240 dbus-run-session -- /usr/bin/python3 "$here/$script" "$program" "$@" \
  2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
               -e 'SpiRegistry daemon' -e 'X connection to' -e 'XIO: ' -e 'requests (.* known processed)' >&2) |
  grep -v 'SpiRegistry daemon'
exit "${PIPESTATUS[0]}"
