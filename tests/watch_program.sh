#!/usr/bin/env bash
# zentri-watch, the program, on loopback (it binds the reply port 7800): a bad setting exits 2; it
# starts without a rig file; zentrictl then says the port is held by the service and how to stop it;
# zentrictl status reads the service; /metrics passes promtool check metrics (when promtool is here);
# a POST is refused; SIGTERM stops it with status 0.
# Usage: tests/watch_program.sh ZENTRI_WATCH ZENTRICTL
set -uo pipefail
watch=$1 ctl=$2
# zentrictl's messages read below are its English ones, whatever the machine's language.
export LC_ALL=C.UTF-8
work=$(mktemp -d -t zentri-watch-test.XXXXXX)
pid=
cleanup() { [ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"; }
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
echo "zentri-watch program test passed"
