#!/usr/bin/env bash
# A PC with two networks, made for this run alone: host "pc" joined by one cable to host "dev"
# (10.80.1.0/24, the default route) and by another to host "b" (10.80.2.0/24, no route), one emulated
# device on each. The discovery of the main window and of zentrictl must find both, each once.
#
#   two_networks.sh EMULATOR ZENTRICTL TEST_PROGRAM
#
# Exits 77 (skipped) only where namespaces cannot be made (not root).
set -uo pipefail
emulator=$1 zentrictl=$2 program=$3
# zentrictl's messages read below are its English ones, whatever the machine's language.
export LC_ALL=C.UTF-8
# shellcheck source=../../scripts/privnet.sh
source "$(dirname "$0")/../../scripts/privnet.sh"

tag="zn$$"
work=$(mktemp -d -t zentri-two-networks.XXXXXX)
cleanup() {
  privnet_down "$tag"
  rm -rf "$work"
}
trap cleanup EXIT

privnet_up "$tag" 10.80.1 1
status=$?
if [ "$status" = 77 ]; then
  echo "**************************************************************************" >&2
  echo "SKIPPED: the two-network discovery test cannot run here (see above)" >&2
  echo "**************************************************************************" >&2
  exit 77
fi
[ "$status" = 0 ] && privnet_add_host "$tag" b 10.80.2 1 || { echo "could not make the networks" >&2; exit 1; }

privnet_dev "$tag" "$emulator" --address 10.80.1.2 --name Main --mac 02:5A:45:00:01:01 >"$work/main.log" 2>&1 &
privnet_host "$tag" b "$emulator" --address 10.80.2.2 --name Second --mac 02:5A:45:00:02:01 >"$work/b.log" 2>&1 &
privnet_wait_udp "$tag" 6454 && privnet_wait_udp "$tag" 6454 b || { echo "the emulators did not start" >&2; exit 1; }

failed=0
check() { # check WHAT COMMAND...: runs the command, counts a failure
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what" >&2; failed=1; fi
}
heard() { grep -c "$2" "$work/$1.log"; }

ctl() { privnet_pc "$tag" "$zentrictl" "$@"; }

ctl discover --wait 1500 >"$work/list.txt"
check "zentrictl discover exits 0" test $? = 0
cat "$work/list.txt"
check "two devices listed" test "$(wc -l <"$work/list.txt")" = 2
check "the device on the default route once" test "$(grep -c $'^Main\t10.80.1.2\t02:5A:45:00:01:01\t' "$work/list.txt")" = 1
check "the device on the second network once" test "$(grep -c $'^Second\t10.80.2.2\t02:5A:45:00:02:01\t' "$work/list.txt")" = 1
check "each device heard one request" test "$(heard main QGETI)-$(heard b QGETI)" = 1-1

ctl discover --json --wait 1500 >"$work/list.json"
check "zentrictl discover --json lists both" test "$(grep -c '"ip": "10.80.[12].2"' "$work/list.json")" = 2

ctl discover --interface "${tag}b" --wait 1000 >"$work/b.txt"
check "--interface: only the second network" test "$(cut -f2 "$work/b.txt")" = 10.80.2.2
ctl discover --interface nosuch0 --wait 100 2>"$work/err.txt"
check "--interface of no such interface: status 1" test $? = 1
check "... and the error names it" grep -q "nosuch0: no such network interface" "$work/err.txt"

ctl backup 10.80.2.2 "$work/second.json" && sed -i 's/"MasterVolume": [0-9]*/"MasterVolume": 99/' "$work/second.json"
check "backup over the second network" test -s "$work/second.json"
ctl restore 10.80.2.2 "$work/second.json" >"$work/restore.txt"
check "restore over the second network, checked" grep -q "the device reports the configuration sent" "$work/restore.txt"

privnet_pc "$tag" env QT_QPA_PLATFORM=offscreen ZENTRI_E2E_NETWORKS=1 ZENTRI_NET_TAG="$tag" "$program"
check "the main window finds both devices, each once" test $? = 0

if [ "$failed" != 0 ]; then
  echo "---- emulator on the default route ----"
  cat "$work/main.log"
  echo "---- emulator on the second network ----"
  cat "$work/b.log"
fi
exit "$failed"
