#!/usr/bin/env bash
# Screenshot of the main window with three emulated devices listed, made under Xvfb on a private
# network of its own (root needed), saved as docs/main-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh xvfb imagemagick xdotool
scripts/build.sh >/dev/null
source scripts/privnet.sh

tag="zs$$"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  privnet_down "$tag"
}
trap cleanup EXIT
privnet_up "$tag" 10.79.0 3

privnet_dev "$tag" build/emulator/zentri-emulator --devices 3 --address 10.79.0.2 --name "Stage" >/dev/null &
pids+=($!)
privnet_wait_udp "$tag" 6454
privnet_pc "$tag" Xvfb :91 -screen 0 1024x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=:91
privnet_pc "$tag" build/zentri-manager >/dev/null 2>&1 &
pids+=($!)
win=$(privnet_pc "$tag" xdotool search --sync --name "Orvane Zentri" | head -n 1)
sleep 0.5
height=$(privnet_pc "$tag" xdotool getwindowgeometry "$win" | awk '/Geometry/ {split($2, g, "x"); print g[2]}')
menu=$((height - 653))
click() { privnet_pc "$tag" xdotool mousemove --window "$win" "$1" "$(($2 + menu))" click 1; sleep 0.7; }
click 75 611   # Find devices
click 100 312  # the newest device
privnet_pc "$tag" import -window "$win" docs/main-window.png
echo "saved docs/main-window.png"
