# Private two-host network for trying the manager against emulated devices: sourced, not run.
#
#   privnet_up TAG SUBNET DEVICES   hosts "$TAG-pc" (SUBNET.1) and "$TAG-dev" (SUBNET.2 ..), one cable,
#                                   default routes over it: a broadcast from pc reaches dev and nothing else
#   privnet_add_host TAG NAME SUBNET DEVICES
#                                   one more device host "$TAG-NAME" on a cable of its own to pc
#                                   ("${TAG}NAME" there, address SUBNET.1), without a route: a PC with
#                                   a second network that its default route does not lead to
#   privnet_add_routed_host TAG NAME SUBNET DEVICES
#                                   a router host "$TAG-NAMEr" on a cable of its own to pc (address
#                                   FIRST.254, FIRST being privnet_up's subnet) and a device host
#                                   "$TAG-NAME" behind it on SUBNET (router SUBNET.1, devices SUBNET.2 ..):
#                                   pc reaches the devices by a route through the router; its broadcasts
#                                   do not cross it
#   privnet_down TAG                stops what runs on every host of TAG and removes them
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

privnet_add_host() {
  local tag=$1 name=$2 subnet=$3 n=$4 pc=$1-pc host=$1-$2 i
  ip netns add "$host" || return 1
  ip link add "${tag}$name" netns "$pc" type veth peer name "${tag}${name}d" netns "$host" || return 1
  ip -n "$pc" addr add "$subnet.1/24" dev "${tag}$name" && ip -n "$pc" link set "${tag}$name" up &&
    ip -n "$host" link set lo up || return 1
  for i in $(seq 1 "$n"); do ip -n "$host" addr add "$subnet.$((1 + i))/24" dev "${tag}${name}d" || return 1; done
  ip -n "$host" link set "${tag}${name}d" up && ip -n "$host" route add default dev "${tag}${name}d"
}

# The router forwards between its cable to pc and SUBNET; pc routes SUBNET through it, and the device
# host's default route leads back through it.
privnet_add_routed_host() {
  local tag=$1 name=$2 subnet=$3 n=$4 pc=$1-pc router=$1-$2r host=$1-$2 first i
  first=$(ip -n "$pc" -4 -o addr show dev "${tag}p" | awk '{print $4}' | cut -d. -f1-3)
  ip netns add "$router" && ip netns add "$host" || return 1
  ip link add "${tag}${name}r" netns "$pc" type veth peer name "${tag}${name}u" netns "$router" || return 1
  ip link add "${tag}${name}l" netns "$router" type veth peer name "${tag}${name}d" netns "$host" || return 1
  ip -n "$pc" link set "${tag}${name}r" up &&
    ip -n "$router" link set lo up &&
    ip -n "$router" addr add "$first.254/24" dev "${tag}${name}u" &&
    ip -n "$router" link set "${tag}${name}u" up &&
    ip -n "$router" addr add "$subnet.1/24" dev "${tag}${name}l" &&
    ip -n "$router" link set "${tag}${name}l" up &&
    ip netns exec "$router" sysctl -qw net.ipv4.ip_forward=1 &&
    ip -n "$pc" route add "$first.254/32" dev "${tag}${name}r" &&
    ip -n "$pc" route add "$subnet.0/24" via "$first.254" &&
    ip -n "$host" link set lo up || return 1
  for i in $(seq 1 "$n"); do ip -n "$host" addr add "$subnet.$((1 + i))/24" dev "${tag}${name}d" || return 1; done
  ip -n "$host" link set "${tag}${name}d" up && ip -n "$host" route add default via "$subnet.1"
}

privnet_down() {
  local ns pid hosts
  hosts=$(ip netns list 2>/dev/null | awk -v p="$1-" 'index($1, p) == 1 {print $1}')
  for ns in $hosts; do # whatever still runs on the hosts goes with them
    for pid in $(ip netns pids "$ns" 2>/dev/null); do kill "$pid" 2>/dev/null; done
  done
  for ns in $hosts; do ip netns del "$ns" 2>/dev/null; done
  return 0
}

privnet_host() { local tag=$1 name=$2; shift 2; ip netns exec "$tag-$name" "$@"; }

privnet_pc() { local tag=$1; shift; ip netns exec "$tag-pc" "$@"; }
privnet_dev() { local tag=$1; shift; ip netns exec "$tag-dev" "$@"; }

# Waits until something listens on UDP port $2 on host $1-dev (or $1-$3).
privnet_wait_udp() {
  local _ host=$1-${3:-dev}
  for _ in $(seq 50); do
    ip netns exec "$host" ss -Huln "sport = :$2" | grep -q . && return 0
    sleep 0.1
  done
  return 1
}
