# Private two-host network for trying the manager against emulated devices: sourced, not run.
#
#   privnet_up TAG SUBNET DEVICES   hosts "$TAG-pc" (SUBNET.1) and "$TAG-dev" (SUBNET.2 ..), one cable,
#                                   default routes over it: a broadcast from pc reaches dev and nothing else
#   privnet_down TAG                stops what runs on both hosts and removes them
#   privnet_pc TAG CMD... / privnet_dev TAG CMD...   run a command on one host
#
# Needs root (ip netns). privnet_up fails with status 77 when namespaces cannot be made.

privnet_up() {
  local tag=$1 subnet=$2 n=$3 pc=$1-pc dev=$1-dev i
  [ "$(id -u)" = 0 ] || { echo "privnet: needs root to create network namespaces" >&2; return 77; }
  command -v ip >/dev/null || { echo "privnet: the ip command (iproute2) is missing" >&2; return 77; }
  ip netns add "$pc" 2>/dev/null || { echo "privnet: ip netns add failed" >&2; return 77; }
  ip netns add "$dev" || return 1
  ip link add "${tag}p" netns "$pc" type veth peer name "${tag}d" netns "$dev" || return 1
  ip -n "$pc" link set lo up &&
    ip -n "$pc" addr add "$subnet.1/24" dev "${tag}p" &&
    ip -n "$pc" link set "${tag}p" up &&
    ip -n "$pc" route add default dev "${tag}p" &&
    ip -n "$dev" link set lo up || return 1
  for i in $(seq 1 "$n"); do ip -n "$dev" addr add "$subnet.$((1 + i))/24" dev "${tag}d" || return 1; done
  ip -n "$dev" link set "${tag}d" up && ip -n "$dev" route add default dev "${tag}d" || return 1
}

privnet_down() {
  local ns pid
  for ns in "$1-pc" "$1-dev"; do # whatever still runs on the hosts goes with them
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill "$pid" 2>/dev/null; done
  done
  ip netns del "$1-pc" 2>/dev/null
  ip netns del "$1-dev" 2>/dev/null
  return 0
}

privnet_pc() { local tag=$1; shift; ip netns exec "$tag-pc" "$@"; }
privnet_dev() { local tag=$1; shift; ip netns exec "$tag-dev" "$@"; }

# Waits until something listens on UDP port $2 on host $1-dev.
privnet_wait_udp() {
  local _
  for _ in $(seq 50); do
    ip netns exec "$1-dev" ss -Huln "sport = :$2" | grep -q . && return 0
    sleep 0.1
  done
  return 1
}
