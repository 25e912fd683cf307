#!/usr/bin/env bash
# The rig over a router, made for this run alone: host "pc" (10.82.1.1) reaches three emulated devices
# on 10.82.2.2..4 through a router that forwards but lets no broadcast across, so the devices are found
# only through the rig's addresses. zentrictl captures, checks, applies, replaces and watches there.
#
#   rig.sh EMULATOR ZENTRICTL
#
# Exits 77 (skipped) only where namespaces cannot be made (not root).
set -uo pipefail
emulator=$1 zentrictl=$2
# shellcheck source=../../scripts/privnet.sh
source "$(dirname "$0")/../../scripts/privnet.sh"

tag="zr$$"
work=$(mktemp -d -t zentri-rig.XXXXXX)
cleanup() {
  privnet_down "$tag"
  rm -rf "$work"
}
trap cleanup EXIT

privnet_up "$tag" 10.82.1 0
status=$?
if [ "$status" = 77 ]; then
  echo "**************************************************************************" >&2
  echo "SKIPPED: the rig test over a router cannot run here (see above)" >&2
  echo "**************************************************************************" >&2
  exit 77
fi
[ "$status" = 0 ] && privnet_add_routed_host "$tag" far 10.82.2 3 || { echo "could not make the networks" >&2; exit 1; }

start_devices() { # start_devices [EMULATOR OPTIONS...]: the three devices behind the router
  privnet_host "$tag" far "$emulator" --devices 3 --address 10.82.2.2 --name Far "$@" >>"$work/far.log" 2>&1 &
  privnet_wait_udp "$tag" 6454 far || { echo "the emulator did not start" >&2; exit 1; }
}
stop_devices() {
  for pid in $(ip netns pids "$tag-far"); do kill "$pid"; done
  while [ -n "$(ip netns pids "$tag-far")" ]; do sleep 0.1; done
}
start_devices

failed=0
check() { # check WHAT COMMAND...: runs the command, counts a failure
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failed=1; fi
}
ctl() { privnet_pc "$tag" "$zentrictl" "$@"; }
state() { awk -F'\t' -v mac="$2" '$2 == mac {print $1}' "$1"; }
M1=02:5A:45:00:00:01 M2=02:5A:45:00:00:02 M3=02:5A:45:00:00:03

ctl discover --wait 1000 >/dev/null 2>&1
check "the broadcast does not cross the router" test $? = 1
ctl rig capture "$work/rig.json" --name Hall --address 10.82.2.0/29 --wait 1500 >"$work/capture.txt"
check "capture through the router: status 0" test $? = 0
check "capture lists the three devices" test "$(grep -c $'^in sync\t02:5A:45:00:00:0' "$work/capture.txt")" = 3
check "each device was asked once" test "$(grep -c 'QGETI' "$work/far.log")" = 3

ctl rig check "$work/rig.json" --wait 1500 >"$work/check.txt"
check "check: every device in sync, status 0" test $? = 0

# Device 2 changed elsewhere; the rig's entry of device 3 says another output channel.
ctl backup 10.82.2.3 "$work/two.json" && sed -i 's/"MasterVolume": [0-9]*/"MasterVolume": 77/' "$work/two.json"
ctl restore 10.82.2.3 "$work/two.json" >/dev/null
python3 - "$work/rig.json" <<'PY'
import json, sys
rig = json.load(open(sys.argv[1]))
rig["devices"][2]["configuration"]["Output"][3]["Channel"] = 300
json.dump(rig, open(sys.argv[1], "w"), indent=4)
PY
ctl rig check "$work/rig.json" --wait 1500 >"$work/check.txt"
check "check: status 1 when devices differ" test $? = 1
check "device 2 differs in its master volume" grep -q $'^differs\t'"$M2"$'\tFar 2\t10.82.2.3\tMaster volume: rig 128, device 77$' "$work/check.txt"
check "device 3 differs in output 4 channel" grep -q $'^differs\t'"$M3"$'.*Output 4 channel: rig 300, device 4$' "$work/check.txt"
ctl rig check "$work/rig.json" --json --wait 1500 >"$work/check.json"
check "--json names the field with both values" \
  grep -q '"field": "Output\[3\].Channel"' "$work/check.json"

ctl rig apply "$work/rig.json" --wait 1500 </dev/null >"$work/apply.txt" 2>&1
check "apply without --yes and without a terminal: status 2" test $? = 2
check "... and nothing was sent" test "$(grep -c 'SETI' "$work/far.log")" = 1
ctl rig apply "$work/rig.json" --yes --wait 1500 >"$work/apply.txt"
check "apply --yes: status 0" test $? = 0
check "both devices that differed confirmed" test "$(grep -c '^confirmed' "$work/apply.txt")" = 2
ctl rig check "$work/rig.json" --wait 1500 >/dev/null
check "check after apply: status 0" test $? = 0

# Device 1 swapped for a new box: its entry names a MAC that no longer answers.
sed -i "s/$M1/02:5A:45:00:00:99/" "$work/rig.json"
ctl rig check "$work/rig.json" --wait 1500 >"$work/check.txt"
check "the old box is missing" test "$(state "$work/check.txt" 02:5A:45:00:00:99)" = missing
check "the new box is not in the rig" test "$(state "$work/check.txt" $M1)" = "not in rig"
ctl rig replace "$work/rig.json" 02:5A:45:00:00:99 $M1 --yes --wait 1500 >"$work/replace.txt"
check "replace: status 0" test $? = 0
check "replace confirmed" grep -q "^confirmed" "$work/replace.txt"
ctl rig check "$work/rig.json" --wait 1500 >/dev/null
check "check after replace: status 0" test $? = 0

# Watching: all three go dark and come back with their defaults (device 3 had output 4 on channel 300
# from the rig) and without SD cards.
ctl watch --rig "$work/rig.json" --interval 1 --count 9 >"$work/watch.txt" &
watcher=$!
sleep 2.5
stop_devices
sleep 4.2
start_devices --no-sd-card
wait "$watcher"
check "watch: every rig device online at the end, status 0" test $? = 0
cat "$work/watch.txt"
check "watch: device 2 went offline" grep -q $'^offline\t'"$M2" "$work/watch.txt"
check "watch: device 2 came back" grep -q $'^back online\t'"$M2" "$work/watch.txt"
check "watch: device 3 changed elsewhere (its defaults again)" \
  grep -q $'^changed\t'"$M3"$'\tFar 3\t10.82.2.4\tOutput 4 channel 300 -> 4' "$work/watch.txt"
check "watch: its SD card was removed" grep -q $'^SD card removed\t'"$M2" "$work/watch.txt"

if [ "$failed" != 0 ]; then
  echo "---- emulator behind the router ----"
  cat "$work/far.log"
fi
exit "$failed"
