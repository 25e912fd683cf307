# Sourced: start_display DIR WHO starts an X server of its own (Xvfb) for the accessibility runs and
# exports DISPLAY. The display is the first one no other X server holds, from :91 up, out of the way of
# the usual ones; the server writes its number into a pipe in DIR once it accepts clients. It must not
# reset when its last client leaves: the accessibility bus launcher is a client that comes and goes
# before the program connects. Sets `xvfb` to the server's process (the caller stops it); when the
# server does not start, says so as WHO, shows its log and exits 1.
start_display() {
  local dir=$1 who=$2 number=91 display=""
  while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do number=$((number + 1)); done
  mkfifo "$dir/display"
  Xvfb ":$number" -displayfd 3 -noreset -screen 0 1400x900x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
  xvfb=$!
  read -r -t 30 display <"$dir/display" || true
  if [ -z "$display" ]; then
    echo "$who: the X server did not start:" >&2
    cat "$dir/xvfb.log" >&2
    exit 1
  fi
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
  # Under AddressSanitizer (scripts/test-sanitized.sh): libxkbcommon-x11, part of Qt's X11 support,
  # copies names with strndup() out of buffers that hold no terminating zero, which the strict string
  # checks take for an overflow; the usual checks stay on.
  [ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
  return 0
}
