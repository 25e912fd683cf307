#!/usr/bin/env bash
# End-to-end run on a private network made for this run alone: two network namespaces joined by a
# virtual cable, the emulator playing three devices in one, the real manager windows (offscreen) in the
# other. A broadcast from the manager's host reaches the devices' host and nothing else.
#
#   private_network.sh EMULATOR TEST_PROGRAM [test arguments...]
#
# Exits 77 (skipped) only where namespaces cannot be made (not root).
set -uo pipefail
emulator=$1 program=$2
shift 2
# shellcheck source=../../scripts/privnet.sh
source "$(dirname "$0")/../../scripts/privnet.sh"

tag="${E2E_NETNS_TAG:-ze$$}" # the namespaces: $tag-pc and $tag-dev
log=$(mktemp -t zentri-e2e-emulator.XXXXXX)
cleanup() {
  privnet_down "$tag"
  rm -f "$log"
}
trap cleanup EXIT

privnet_up "$tag" 10.78.0 3
status=$?
if [ "$status" = 77 ]; then
  echo "**************************************************************************" >&2
  echo "SKIPPED: the private-network end-to-end test cannot run here (see above)" >&2
  echo "**************************************************************************" >&2
  exit 77
fi
[ "$status" = 0 ] || { echo "could not make the private network" >&2; exit 1; }

privnet_dev "$tag" "$emulator" --devices 3 --address 10.78.0.2 --name "Stage" >"$log" 2>&1 &
privnet_wait_udp "$tag" 6454 || { echo "the emulator did not start" >&2; cat "$log"; exit 1; }

privnet_pc "$tag" env QT_QPA_PLATFORM=offscreen ZENTRI_E2E=1 ZENTRI_EMULATOR_LOG="$log" ZENTRI_EMULATOR="$emulator" "$program" "$@"
status=$?
if [ "$status" != 0 ]; then
  echo "---- emulator output ----"
  cat "$log"
fi
exit "$status"
