#!/usr/bin/env bash
# Runs a command under an X server of its own (Xvfb, platform xcb) and a session bus of its own, as on a
# desktop; optionally with the accessibility bridge on: the accessibility bus and bench/screen_reader.py
# listening as a screen reader does. (Without a session bus Qt's menu bar and theme would start one of
# their own through dbus-launch at each start, which no desktop does.)
#
#   a11y_session.sh [--reader] COMMAND...
#
# Exits 77 when Xvfb (or, with --reader, dbus, at-spi2-core or python3-pyatspi) is missing. Every wait
# has a deadline.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
reader=0
[ "${1:-}" = --reader ] && { reader=1; shift; }
command -v Xvfb >/dev/null || { echo "a11y_session.sh: Xvfb is missing (apt-get install xvfb)" >&2; exit 77; }
if [ "$reader" = 1 ]; then
  if ! command -v dbus-run-session >/dev/null || [ ! -x /usr/libexec/at-spi-bus-launcher ] ||
    ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "a11y_session.sh: dbus, at-spi2-core or python3-pyatspi is missing" >&2
    exit 77
  fi
fi

tmp=$(mktemp -d -t zentri-a11y-bench.XXXXXX)
xvfb=""
trap '[ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
source "$here/../tests/xvfb/display.sh"
start_display "$tmp" a11y_session.sh
export XDG_RUNTIME_DIR="$tmp"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
if [ "$reader" = 0 ]; then
  if command -v dbus-run-session >/dev/null; then
    dbus-run-session -- "$@" 2> >(grep -v -e 'Failed to set fd limit' >&2)
  else
    "$@"
  fi
  exit $?
fi

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
# Inside the session: the reader first, and the command once the reader has said READY.
inner='
  mkfifo "$TMPR/ready"
  /usr/bin/python3 "$READER" >"$TMPR/ready" &
  reader=$!
  ready=""
  read -r -t 30 ready <"$TMPR/ready"
  if [ "$ready" != READY ]; then echo "a11y_session.sh: the screen reader did not start" >&2; kill $reader; exit 1; fi
  "$@"
  status=$?
  kill $reader
  wait $reader
  exit $status'
# The bus daemons' chatter is left out of both outputs.
TMPR="$tmp" READER="$here/screen_reader.py" dbus-run-session -- bash -c "$inner" a11y "$@" \
  2> >(grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
               -e 'SpiRegistry daemon' -e 'X connection to' >&2) | grep -v 'SpiRegistry daemon'
exit "${PIPESTATUS[0]}"
