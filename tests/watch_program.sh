#!/usr/bin/env bash
# zentri-watch, the program, on loopback (it binds the reply port 7800): a bad setting exits 2; it
# starts without a rig file; zentrictl then says the port is held by the service and how to stop it;
# zentrictl status reads the service; /metrics passes promtool check metrics (when promtool is here);
# a POST is refused; SIGTERM stops it with status 0; after a kill -9 while it watches an emulated
# device, and a restart, every event is there.
# Usage: tests/watch_program.sh ZENTRI_WATCH ZENTRICTL ZENTRI_EMULATOR
set -uo pipefail
watch=$1 ctl=$2 emulator=$3
# zentrictl's messages read below are its English ones, whatever the machine's language.
export LC_ALL=C.UTF-8
work=$(mktemp -d -t zentri-watch-test.XXXXXX)
pid='' device=''
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$device" ] && kill "$device" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAILED: $*" >&2; [ -f "$work/log" ] && cat "$work/log" >&2; exit 1; }

"$watch" --interval 61 --config /dev/null 2>"$work/err"; rc=$?
[ "$rc" = 2 ] && grep -q -- '--interval: "61"' "$work/err" || fail "a bad --interval: status $rc, $(cat "$work/err")"

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
"$watch" --config /dev/null --rig "$work/none.json" --state-dir "$work/state" --listen "127.0.0.1:$port" \
  --to 127.0.0.250 --interval 1 >"$work/log" 2>&1 &
pid=$!
for _ in $(seq 50); do curl -sf "http://127.0.0.1:$port/api/status" >/dev/null && break; sleep 0.1; done
curl -sf "http://127.0.0.1:$port/api/status" >"$work/status" || fail "no /api/status"
grep -q '"rig_file_ok":false' "$work/status" || fail "the missing rig file is not reported: $(cat "$work/status")"

"$ctl" sd 127.0.0.2 2>"$work/err"; rc=$?
[ "$rc" = 3 ] && grep -q 'held by the zentri-watch service; stop it with: systemctl stop zentri-watch' "$work/err" ||
  fail "zentrictl beside the service: status $rc, $(cat "$work/err")"

"$ctl" status "http://127.0.0.1:$port" >"$work/out" 2>"$work/err"; rc=$?
[ "$rc" = 1 ] && grep -q "the service's rig file was refused" "$work/err" ||
  fail "zentrictl status: status $rc, $(cat "$work/out" "$work/err")"
"$ctl" status "http://127.0.0.1:1" 2>/dev/null; [ $? = 1 ] || fail "zentrictl status of nothing is not 1"
"$ctl" status "ftp://x" 2>/dev/null; [ $? = 2 ] || fail "zentrictl status of a bad URL is not 2"

code=$(curl -s -o /dev/null -w '%{http_code}' -X POST -d x "http://127.0.0.1:$port/metrics")
[ "$code" = 405 ] || fail "POST /metrics answered $code"
curl -sf "http://127.0.0.1:$port/metrics" >"$work/metrics" || fail "no /metrics"
grep -q '^zentri_rig_file_ok 0$' "$work/metrics" || fail "zentri_rig_file_ok is not 0"
if command -v promtool >/dev/null; then
  promtool check metrics <"$work/metrics" >"$work/promtool" 2>&1 && ! [ -s "$work/promtool" ] ||
    fail "promtool check metrics: $(cat "$work/promtool")"
fi
grep -q '"event":"rig_file_refused"' "$work/state/events.jsonl" || fail "the event log lacks the refusal"

kill -TERM "$pid"; wait "$pid"; rc=$?; pid=
[ "$rc" = 0 ] || fail "SIGTERM: status $rc"

# kill -9 while it watches a device, and a restart on the same state directory: every event from
# before is served again (the page reads /api/events), and every line of the event log is whole.
start() {
  "$watch" --config /dev/null --rig "$work/none.json" --state-dir "$work/state" --listen "127.0.0.1:$port" \
    --to 127.0.0.2 --interval 1 >>"$work/log" 2>&1 &
  pid=$!
  for _ in $(seq 100); do curl -sf "http://127.0.0.1:$port/api/status" >/dev/null && return; sleep 0.1; done
  fail "the service did not answer on /api/status"
}
# has EVENT: whether /api/events lists the event of the emulated device.
has() { curl -sf "http://127.0.0.1:$port/api/events" | grep -q "\"event\":\"$1\",[^}]*\"mac\":\"$mac\""; }
await() { for _ in $(seq 300); do has "$1" && return; sleep 0.1; done; fail "no $1 event of $mac"; }
mac=02:5A:45:00:00:21
"$emulator" --address 127.0.0.2 --name 'Box "one" <b>' --mac "$mac" --quiet >"$work/emu.log" 2>&1 &
device=$!
start
await new
kill "$device"; wait "$device" 2>/dev/null; device=
await offline
printf '{"devices": [' >"$work/none.json" # a rig file refused while it runs
for _ in $(seq 100); do [ "$(grep -c rig_file_refused "$work/state/events.jsonl")" -ge 3 ] && break; sleep 0.1; done
curl -sf "http://127.0.0.1:$port/api/events" >"$work/before.json" || fail "no /api/events before the kill"
kill -9 "$pid"; wait "$pid" 2>/dev/null; pid=
# What a power cut in the middle of a write would leave at the end of the file, besides.
printf '{"time":"2026-12-11T10:00:00.000","event":"off' >>"$work/state/events.jsonl"
start
curl -sf "http://127.0.0.1:$port/api/events" >"$work/after.json" || fail "no /api/events after the restart"
since=$(python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))[0]["time"])' "$work/before.json")
curl -sfG "http://127.0.0.1:$port/api/events" --data-urlencode "since=$since" >"$work/since.json" ||
  fail "no /api/events?since="
code=$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$port/")
[ "$code" = 200 ] || fail "the page answered $code after the restart"
kill -TERM "$pid"; wait "$pid"; pid=
python3 - "$work/before.json" "$work/after.json" "$work/since.json" "$work/state/events.jsonl" <<'PY' ||
import json, sys
before, after, since = (json.load(open(p, encoding="utf-8")) for p in sys.argv[1:4])
kinds = [e["event"] for e in before]
assert "new" in kinds and "offline" in kinds and kinds.count("rig_file_refused") >= 3, kinds
assert after[:len(before)] == before, "the history before the kill differs after the restart"
assert len(after) > len(before), "nothing logged after the restart"
assert len(after) <= 50, "more than the page shows (50): the test should make fewer"
assert since == after[1:], "since= the first event: not every later one"
text = open(sys.argv[4], encoding="utf-8").read()
assert text.endswith("\n"), "the event log does not end with a whole line"
logged = [json.loads(line) for line in text.split("\n")[:-1]]
assert logged == after, "the event log and /api/events differ"
PY
  fail "the history after kill -9: $(cat "$work/before.json" "$work/after.json")"
echo "zentri-watch program test passed"
