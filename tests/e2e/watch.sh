#!/usr/bin/env bash
# zentri-watch unattended, on a network made for this run alone: host "pc" (10.84.0.1) runs the
# service, a real Prometheus scraping its /metrics every second and a webhook receiver; two emulated
# devices "Box 1" and "Box 2" answer on 10.84.0.2..3, and "Vault" on a cable of its own (10.84.1.2).
#
# First run, outside the quiet hours: Vault goes dark and comes back. Prometheus sees it 0 and 1
# again, the webhook gets "offline" and "back online", the journal's stand-in (standard error) the
# lines. The service is then killed (-9) and started again on the same state directory, inside quiet
# hours that end half a minute later: Vault goes dark again, the event log has it, the webhook
# gets nothing until the quiet hours end, and then exactly one readiness summary naming Vault.
#
#   watch.sh ZENTRI_WATCH ZENTRI_EMULATOR ZENTRICTL WEBHOOK_RECEIVER
#
# Exits 77 (skipped) where namespaces cannot be made (not root) or prometheus, promtool, python3 or
# curl are missing.
set -uo pipefail
watch=$1 emulator=$2 zentrictl=$3 receiver=$4
# shellcheck source=../../scripts/privnet.sh
source "$(dirname "$0")/../../scripts/privnet.sh"

skip() {
  echo "**************************************************************************" >&2
  echo "SKIPPED: the watch service end-to-end test cannot run here ($1)" >&2
  echo "**************************************************************************" >&2
  exit 77
}
for tool in prometheus promtool python3 curl; do
  command -v "$tool" >/dev/null || skip "$tool is missing; scripts/install-deps.sh installs it"
done

tag="zw$$"
work=$(mktemp -d -t zentri-watch-e2e.XXXXXX)
cleanup() {
  privnet_down "$tag"
  rm -rf "$work"
}
trap cleanup EXIT

privnet_up "$tag" 10.84.0 2
status=$?
[ "$status" = 77 ] && skip "see above"
[ "$status" = 0 ] && privnet_add_host "$tag" far 10.84.1 1 || { echo "could not make the networks" >&2; exit 1; }

failed=0
check() { # check WHAT COMMAND...: runs the command, counts a failure
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failed=1; fi
}
# wait_for SECONDS COMMAND...: true as soon as the command is, false when the time is up.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.2
  done
}
pc() { privnet_pc "$tag" "$@"; }
VAULT=02:5A:45:00:00:09

start_vault() {
  privnet_host "$tag" far "$emulator" --address 10.84.1.2 --name Vault --mac "$VAULT" --quiet \
    >>"$work/vault.log" 2>&1 &
  privnet_wait_udp "$tag" 6454 far || { echo "the Vault emulator did not start" >&2; exit 1; }
}
stop_vault() {
  for pid in $(ip netns pids "$tag-far"); do kill "$pid"; done
  while [ -n "$(ip netns pids "$tag-far")" ]; do sleep 0.1; done
}
privnet_dev "$tag" "$emulator" --devices 2 --address 10.84.0.2 --name Box --quiet >"$work/boxes.log" 2>&1 &
privnet_wait_udp "$tag" 6454 || { echo "the emulator did not start" >&2; exit 1; }
start_vault

pc "$zentrictl" rig capture "$work/rig.json" --name Hall --wait 1500 >"$work/capture.txt" ||
  { cat "$work/capture.txt"; echo "could not capture the rig" >&2; exit 1; }
check "the rig holds the three devices" test "$(grep -c $'^in sync\t' "$work/capture.txt")" = 3

# The webhook's receiver and Prometheus, both on pc's loopback.
pc python3 "$receiver" 127.0.0.1 8088 "$work/hooks.jsonl" >"$work/receiver.out" 2>"$work/receiver.log" &
touch "$work/hooks.jsonl"
cat >"$work/prometheus.yml" <<'EOF'
global:
  scrape_interval: 1s
  scrape_timeout: 1s
scrape_configs:
  - job_name: zentri-watch
    static_configs:
      - targets: ["127.0.0.1:7880"]
EOF
promtool check config "$work/prometheus.yml" >/dev/null || { echo "promtool check config failed" >&2; exit 1; }
pc prometheus --config.file="$work/prometheus.yml" --storage.tsdb.path="$work/tsdb" \
  --web.listen-address=127.0.0.1:9090 >"$work/prometheus.log" 2>&1 &
wait_for 30 grep -q listening "$work/receiver.out" || { echo "the webhook receiver did not start" >&2; exit 1; }
wait_for 60 pc curl -sf http://127.0.0.1:9090/-/ready -o /dev/null ||
  { cat "$work/prometheus.log"; echo "Prometheus did not start" >&2; exit 1; }

watcher=
# start_watch [OPTIONS...]: the service on pc, standard error to $work/watch.err. Where a journal is
# listening, the service is shown none (a private empty /run/systemd/journal), so that the lines it
# writes without one are what is checked.
start_watch() {
  local hide=:
  [ -S /run/systemd/journal/socket ] && hide="mount -t tmpfs none /run/systemd/journal"
  rm -f "$work/watch.pid"
  pc sh -c "$hide"' && echo $$ >"$0" && exec "$@"' "$work/watch.pid" "$watch" --config /dev/null \
    --rig "$work/rig.json" --state-dir "$work/state" --listen 127.0.0.1:7880 --interval 1 \
    --webhook http://127.0.0.1:8088/hook "$@" >>"$work/watch.out" 2>>"$work/watch.err" &
  wait_for 30 test -s "$work/watch.pid" || { echo "the service did not start" >&2; exit 1; }
  watcher=$(cat "$work/watch.pid")
}

# prom QUERY: the value of the query's one result, as Prometheus answers it now ("none" without one).
prom() {
  pc curl -sfG http://127.0.0.1:9090/api/v1/query --data-urlencode "query=$1" | python3 -c '
import json, sys
r = json.load(sys.stdin)["data"]["result"]
print(r[0]["value"][1] if len(r) == 1 else "none")'
}
prom_is() { [ "$(prom "$1")" = "$2" ]; }

# received FROM EVENT [MAC]: how many of the webhook's bodies from line FROM on are EVENT (of MAC),
# each checked to be JSON with every field a receiver relies on.
received() {
  python3 - "$work/hooks.jsonl" "$@" <<'PY'
import json, sys
path, first, event = sys.argv[1], int(sys.argv[2]), sys.argv[3]
mac = sys.argv[4] if len(sys.argv) > 4 else None
n = 0
for i, line in enumerate(open(path, encoding="utf-8"), 1):
    if i < first:
        continue
    e = json.loads(line)
    missing = {"time", "event", "mac", "name", "ip", "fields", "rig"} - e.keys()
    if missing:
        sys.exit("webhook body %d lacks %s: %s" % (i, sorted(missing), line))
    if e["event"] == event and (mac is None or e["mac"] == mac):
        n += 1
print(n)
PY
}
received_is() { [ "$(received "$1" "$2" "${4:-}")" = "$3" ]; }
# body EVENT MAC: the last webhook body of the event.
body() { grep "\"event\":\"$1\"" "$work/hooks.jsonl" | grep "\"mac\":\"$2\"" | tail -n 1; }
# logged EVENT MAC: how many lines of the event log are that event of that device (each line JSON).
logged() {
  python3 - "$work/state/events.jsonl" "$1" "$2" <<'PY'
import json, sys
print(sum(1 for line in open(sys.argv[1], encoding="utf-8")
          if (lambda e: e["event"] == sys.argv[2] and e["mac"] == sys.argv[3])(json.loads(line))))
PY
}
logged_is() { [ "$(logged "$1" "$2")" = "$3" ]; }
polls() { pc curl -sf http://127.0.0.1:7880/metrics | awk '$1 == "zentri_polls_total" {print $2}'; }
polls_past() { [ "$(polls)" -ge "$1" ] 2>/dev/null; }

# ---- First run: outside the quiet hours.
start_watch
check "Prometheus scrapes the service: Vault up" wait_for 60 prom_is 'zentri_device_up{name="Vault"}' 1
check "Prometheus: three devices up" wait_for 30 prom_is 'sum(zentri_device_up)' 3
pc curl -sf http://127.0.0.1:7880/metrics -o "$work/metrics" || echo "no /metrics" >&2
promtool check metrics <"$work/metrics" >"$work/promtool.txt" 2>&1
check "promtool check metrics: nothing to report" test $? = 0 -a ! -s "$work/promtool.txt"
check "the device info metric names Vault's address" \
  grep -q '^zentri_device_info{mac="02:5A:45:00:00:09",name="Vault",ip="10.84.1.2",' "$work/metrics"

stop_vault
check "webhook: Vault offline" wait_for 60 received_is 1 offline 1 "$VAULT"
check "Prometheus: Vault down" wait_for 30 prom_is 'zentri_device_up{name="Vault"}' 0
check "Prometheus: Vault's watch state offline" prom_is 'zentri_device_watch_state{name="Vault",state="offline"}' 1
check "Prometheus: one offline event counted" prom_is 'zentri_events_total{event="offline"}' 1
offline=$(body offline "$VAULT")
echo "$offline"
check "the offline body names the device, its address and the rig" python3 -c '
import json, sys
e = json.loads(sys.argv[1])
assert (e["name"], e["ip"], e["rig"]) == ("Vault", "10.84.1.2", "Hall"), e' "$offline"
start_vault
check "webhook: Vault back online" wait_for 60 received_is 1 back_online 1 "$VAULT"
check "Prometheus: Vault up again" wait_for 30 prom_is 'zentri_device_up{name="Vault"}' 1
check "standard error has the offline line (no journal)" \
  grep -q '^zentri-watch: [-+0-9T:.Z]* Vault (02:5A:45:00:00:09) at 10.84.1.2 went offline' "$work/watch.err"
check "standard error has the back online line" grep -q 'Vault (02:5A:45:00:00:09) .*is back online' "$work/watch.err"
check "no readiness outside the quiet hours" received_is 1 readiness 0

# ---- Killed, and started again inside the quiet hours, on the same state directory. The clock of
# the service is put (by its time zone) half a minute before 07:00, the end of the quiet hours.
kill -9 "$watcher"
wait_for 30 sh -c "! kill -0 $watcher 2>/dev/null" || { echo "the service outlived kill -9" >&2; exit 1; }
before=$(wc -l <"$work/state/events.jsonl")
seen=$(($(wc -l <"$work/hooks.jsonl") + 1)) # the first webhook body of the second run
lead=30
offset=$(((7 * 3600 - lead - $(date -u +%s) % 86400 + 2 * 86400) % 86400))
zone=$(printf 'ZWT-%02d:%02d:%02d' $((offset / 3600)) $((offset / 60 % 60)) $((offset % 60)))
echo "the service's clock: $(TZ=$zone date +%T) ($zone); quiet hours 22:00-07:00"
TZ=$zone start_watch --quiet-hours 22:00-07:00
check "second run: the history of the first is served" wait_for 30 sh -c \
  "ip netns exec $tag-pc curl -sf http://127.0.0.1:7880/api/events | grep -q '\"back_online\"'"
check "second run: Vault online" wait_for 30 sh -c \
  "ip netns exec $tag-pc curl -sf http://127.0.0.1:7880/metrics | grep -q '^zentri_device_up{mac=\"$VAULT\",name=\"Vault\"} 1$'"
stop_vault
check "quiet hours: Vault's offline reaches the event log" wait_for 30 logged_is offline "$VAULT" 2
check "quiet hours: ... and standard error" \
  test "$(grep -c 'Vault (02:5A:45:00:00:09) at 10.84.1.2 went offline' "$work/watch.err")" = 2
check "quiet hours: nothing reaches the webhook" test "$(received "$seen" offline)" = 0 -a \
  "$(wc -l <"$work/hooks.jsonl")" -lt "$seen"
check "... all while still inside the quiet hours (else this machine was too slow)" sh -c \
  "ip netns exec $tag-pc curl -sf http://127.0.0.1:7880/api/status | grep -q '\"quiet_hours\":true'"
check "quiet hours end: a readiness summary reaches the webhook" wait_for $((lead + 60)) received_is "$seen" readiness 1
# A few rounds more: still only the one.
polls_now=$(polls)
wait_for 30 polls_past $((${polls_now:-0} + 3))
check "quiet hours end: exactly one readiness summary" received_is "$seen" readiness 1
check "quiet hours end: the offline of the quiet hours is not sent after them" received_is "$seen" offline 0
readiness=$(grep '"event":"readiness"' "$work/hooks.jsonl" | tail -n 1)
echo "$readiness"
check "the readiness summary counts and names the missing device" python3 -c '
import json, sys
e = json.loads(sys.argv[1])
assert e["fields"] == "2 of 3 online; missing: Vault" and e["rig"] == "Hall", e' "$readiness"
check "the event log has the readiness summary too" logged_is readiness "" 1
start_vault
check "after the quiet hours: Vault back online reaches the webhook" wait_for 60 received_is "$seen" back_online 1 "$VAULT"
check "every line of the event log is JSON, none lost across the kill" python3 - "$work/state/events.jsonl" "$before" <<'PY'
import json, sys
lines = open(sys.argv[1], encoding="utf-8").read().split("\n")
assert lines[-1] == "", "the last line is not ended"
events = [json.loads(l) for l in lines[:-1]]
assert len(events) > int(sys.argv[2]), "nothing appended after the restart"
PY

if [ "$failed" != 0 ]; then
  for f in watch.err watch.out receiver.log hooks.jsonl state/events.jsonl prometheus.log vault.log; do
    echo "---- $f ----"
    cat "$work/$f"
  done
fi
exit "$failed"
