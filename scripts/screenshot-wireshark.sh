#!/usr/bin/env bash
# Remakes docs/wireshark-dissector.png: Wireshark's packet list and packet details for a capture of
# the dissector test (tests/dissector/run.sh: an emulated device, zentrictl and the windows' datagrams
# on lo), with the info reply that follows "zentrictl restore" selected and its tree expanded.
# Needs root (the capture on lo); installs Wireshark's Qt program, Xvfb and xdotool when missing.
# Usage: scripts/screenshot-wireshark.sh [OUTPUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-docs/wireshark-dissector.png}")
scripts/install-deps.sh wireshark tshark python3 xvfb xauth xdotool imagemagick
scripts/build.sh >/dev/null
work=$(mktemp -d -t zentri-wireshark-shot.XXXXXX)
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

ZENTRI_DISSECTOR_CAPTURE="$work/capture.pcapng" tests/dissector/run.sh build/zentri.lua \
  build/zentri_fields.tsv build/emulator/zentri-emulator build/ctl/zentrictl build/tests/dissector_traffic \
  >"$work/test.log" 2>&1 || { cat "$work/test.log" >&2; exit 1; }

# The info reply after the restore (it carries output 4 on channel 389).
tshark_env=(env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config")
mkdir -p "$work/home/.config/wireshark"
frame=$("${tshark_env[@]}" tshark -X lua_script:build/zentri.lua -r "$work/capture.pcapng" \
  -Y 'zentri.command == "AGETI" && zentri.out4.ch == 389' -T fields -e frame.number 2>/dev/null | head -n 1)
[ -n "$frame" ] || { echo "no info reply with output 4 on channel 389 in the capture" >&2; exit 1; }

# Wireshark's own settings for the picture: a window of 1280x1000, no bytes pane.
cat >"$work/home/.config/wireshark/recent" <<EOF
gui.geometry_main_x: 0
gui.geometry_main_y: 0
gui.geometry_main_width: 1280
gui.geometry_main_height: 1000
gui.geometry_main_maximized: FALSE
gui.geometry_main_upper_pane: 240
gui.byte_view_show: FALSE
EOF
cp "$work/home/.config/wireshark/recent" "$work/home/.config/wireshark/recent_common"

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display
"${tshark_env[@]}" wireshark -X lua_script:build/zentri.lua -r "$work/capture.pcapng" -g "$frame" \
  >"$work/wireshark.log" 2>&1 &
wireshark=$!
window=""
for _ in $(seq 60); do
  window=$(xdotool search --onlyvisible --name "capture.pcapng" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.5
done
[ -n "$window" ] || { echo "Wireshark did not open its window" >&2; cat "$work/wireshark.log" >&2; exit 1; }
sleep 2
xdotool windowmove "$window" 0 0 windowsize "$window" 1280 1000
sleep 1
# The packet details: focus the pane, go to its last row (the protocol's) and expand its subtrees.
xdotool mousemove --sync 60 420 click 1
sleep 0.5
xdotool key End
sleep 0.3
xdotool key shift+Right
sleep 1
xdotool mousemove 1270 990
sleep 0.5
import -window root "$out"
kill "$wireshark" 2>/dev/null || true
wait "$wireshark" 2>/dev/null || true
echo "wrote $out"
