#!/usr/bin/env bash
# The Wireshark dissector against the real programs: an emulated device on 127.0.0.83, zentrictl and the
# windows' datagrams (tests/tools/dissector_traffic.cpp) talk on the loopback network while dumpcap
# captures; then tshark, with the dissector given by -X lua_script:, reads the capture back, and every
# datagram must be recognised by name, with the fields the emulator holds and the programs read
# (tests/dissector/check.py). Short datagrams and one of unknown letters are sent too: the dissector's
# "malformed" note must say what zentrictl's wire log says when it drops them.
#
#   run.sh DISSECTOR FIELDS_TSV EMULATOR ZENTRICTL TRAFFIC
#
# Exits 77 (skipped, and says so loudly) where tshark or dumpcap is missing or this user may not capture
# on the loopback interface (root, or dumpcap with its capabilities). ZENTRI_DISSECTOR_CAPTURE=FILE keeps a
# copy of the capture (scripts/screenshot-wireshark.sh takes its picture from it).
set -uo pipefail
dissector=$1 fields=$2 emulator=$3 zentrictl=$4 traffic=$5
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d -t zentri-dissector.XXXXXX)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

skip() {
  echo "**************************************************************************" >&2
  echo "SKIPPED: the Wireshark dissector test cannot run here: $*" >&2
  echo "**************************************************************************" >&2
  exit 77
}
command -v tshark >/dev/null || skip "tshark is not installed (scripts/test.sh installs it)"
command -v dumpcap >/dev/null || skip "dumpcap is not installed (it comes with tshark)"
command -v python3 >/dev/null || skip "python3 is not installed"
dumpcap -i lo -f "udp port 9" -a duration:1 -w "$work/probe.pcapng" >"$work/probe.log" 2>&1 ||
  skip "no capture rights on lo ($(grep -m 1 "^dumpcap:" "$work/probe.log" || tail -n 1 "$work/probe.log")); run as root or give dumpcap its capabilities"

# tshark reads only this dissector: no personal preferences or plugins, and when the package has put a
# copy in the global Lua plugin folder, none of the global plugins (root must then run tshark as nobody,
# for tshark honours WIRESHARK_PLUGIN_DIR only for an ordinary user).
mkdir -p "$work/home/.config" "$work/no-plugins"
cp "$dissector" "$work/zentri.lua"
cp "$fields" "$work/fields.tsv"
global_lua=$(tshark -G folders 2>/dev/null | sed -n 's/^Global Lua Plugins:[[:space:]]*//p')
run_as=()
plugins=()
if [ -n "$global_lua" ] && [ -e "$global_lua/zentri.lua" ]; then
  echo "note: $global_lua/zentri.lua is installed; tshark runs without the global plugins"
  plugins=(WIRESHARK_PLUGIN_DIR="$work/no-plugins")
  if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || skip "setpriv (util-linux) is needed to run tshark as nobody"
    run_as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chmod -R a+rwX "$work"
  fi
fi
{
  echo '#!/bin/sh'
  printf 'exec %s env HOME=%q XDG_CONFIG_HOME=%q %s tshark -X lua_script:%q "$@"\n' "${run_as[*]}" \
    "$work/home" "$work/home/.config" "${plugins[*]}" "$work/zentri.lua"
} >"$work/tshark.sh"
chmod a+rx "$work/tshark.sh"

# The capture: the protocol's ports on lo, to and from this run's device and stray sender alone (other
# programs on this machine may use the loopback network too).
device=127.0.0.83 stray=127.0.0.9
dumpcap -i lo -f "udp and (port 6454 or portrange 7800-7803) and (host $device or host $stray)" -w "$work/capture.pcapng" >"$work/dumpcap.log" 2>&1 &
capture=$!
pids+=("$capture")
for _ in $(seq 50); do grep -q "Capturing on" "$work/dumpcap.log" && break; sleep 0.1; done
grep -q "Capturing on" "$work/dumpcap.log" || { echo "dumpcap did not start:" >&2; cat "$work/dumpcap.log" >&2; exit 1; }

"$emulator" --address "$device" --name "Stage left" --mac 02:5A:45:00:00:2A --firmware 1.12 --module premium \
  --shows 1:10,3:90 >"$work/emulator.log" 2>&1 &
pids+=("$!")
started=0
for _ in $(seq 50); do
  if "$zentrictl" discover --to "$device" --wait 200 --json >"$work/discover.json" 2>/dev/null &&
    grep -q '"ip"' "$work/discover.json"; then
    started=1
    break
  fi
  sleep 0.1
done
[ "$started" = 1 ] || { echo "the emulator did not answer:" >&2; cat "$work/emulator.log" >&2; exit 1; }

failed=0
run() { # run WHAT COMMAND...: runs a step of the traffic, counts a failure
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what (status $?)" >&2; failed=1; fi
}

# zentrictl: discovery, SD card, backup, a changed configuration restored (and confirmed), restart and
# defaults.
run "zentrictl discover" sh -c "'$zentrictl' discover --to $device --json --wait 500 >'$work/discover.json'"
run "zentrictl sd" sh -c "'$zentrictl' sd $device >'$work/sd.txt'"
run "zentrictl backup" "$zentrictl" backup "$device" "$work/before.json"
python3 - "$work/before.json" "$work/changed.json" <<'EOF'
import json, sys
d = json.load(open(sys.argv[1]))
c = d["configuration"]
c["Output"][3]["Channel"] = 389
c["Output"][3]["PWM"] = True
c["Output"][7]["NET"] = 3
c["Trigger"][0]["Channel"] = 300
c["Trigger"][7]["Volume"] = 255
c["dap"]["Treble_DMXch"] = 400
c["DestinationIP"] = [10, 0, 0, 5]
c["dmx"]["Output_Universe"] = 7
c["MasterVolume"] = 90
c["blackoutAtEndOfTheShow"] = True
c["TriggerButtonPlayMode"] = True
json.dump(d, open(sys.argv[2], "w"), indent=2)
EOF
run "zentrictl restore" sh -c "'$zentrictl' restore $device '$work/changed.json' --yes >'$work/restore.txt'"
run "zentrictl backup after the restore" "$zentrictl" backup "$device" "$work/after.json"
# The windows' own datagrams: tests, volumes, the show recorder, cues.
run "the windows' datagrams" sh -c "'$traffic' $device >'$work/traffic.txt'"
run "zentrictl restart" "$zentrictl" restart "$device"
run "zentrictl defaults" "$zentrictl" defaults "$device" --yes

# Datagrams the readers drop, while zentrictl listens with its wire log on: a short info reply, a short
# SD card reply and unknown letters to port 7800 from the stray sender; a short "!SETI" to the device.
stray_datagrams() {
  python3 - "$device" "$stray" <<'EOF'
import socket, sys, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind((sys.argv[2], 0))
for data in (b"AGETI" + bytes(95), b"achkSD", b"HELLO zentri"):
    s.sendto(data, ("127.0.0.1", 7800))
    time.sleep(0.05)
s.sendto(b"!SETI" + bytes(45), (sys.argv[1], 6454))
EOF
}
# Port 7800 is this machine's: should another program hold it for a moment (status 3), try again.
for attempt in 1 2 3; do
  QT_LOGGING_RULES="zentri.wire.debug=true" "$zentrictl" discover --to "$device" --wait 2000 \
    >"$work/discover-defaults.txt" 2>"$work/droplog.txt" &
  listening=$!
  # Its request sent, it listens on 7800.
  for _ in $(seq 100); do
    grep -q "^zentri.wire: sent to" "$work/droplog.txt" && break
    kill -0 "$listening" 2>/dev/null || break
    sleep 0.05
  done
  grep -q "^zentri.wire: sent to" "$work/droplog.txt" && stray_datagrams
  wait "$listening"
  status=$?
  [ "$status" = 3 ] || break
  echo "note: port 7800 was held by another program (attempt $attempt):" >&2
  cat "$work/droplog.txt" >&2
  sleep 1
done
[ "$status" = 0 ] || { echo "FAILED: zentrictl discover with the wire log (status $status)" >&2; cat "$work/droplog.txt" >&2; failed=1; }
sleep 0.3

kill -INT "$capture"
wait "$capture" 2>/dev/null
[ -n "${ZENTRI_DISSECTOR_CAPTURE:-}" ] && cp "$work/capture.pcapng" "$ZENTRI_DISSECTOR_CAPTURE"
chmod a+r "$work"/*.pcapng "$work"/*.json "$work"/*.txt 2>/dev/null

echo "---- the emulator's log ----"
cat "$work/emulator.log"
echo "---- zentrictl's drop log ----"
cat "$work/droplog.txt"
echo "---- what tshark shows ----"
"$work/tshark.sh" -r "$work/capture.pcapng" -Y '!artnet' 2>&1 | grep -v 'Running as user'

python3 "$here/check.py" "$work" || failed=1
[ "$failed" = 0 ] && echo "the dissector test passed" || echo "the dissector test FAILED" >&2
exit "$failed"
