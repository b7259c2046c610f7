# Network namespaces for the benchmarks and the network tests: hosts of
# their own, so that nothing is ever sent on a real network. Source it after
# wine-env.sh; QUORVANE_SCRATCH names a folder for prefix copies.
# Names carry the caller's pid, so runs never meet; cleanup_netns, called
# from an exit trap, removes everything made, failed or not.
netns_made=()
prefixes_made=()
make_netns() {  # make_netns NAME
  ip netns add "$1"
  netns_made+=("$1")
  ip -n "$1" link set lo up
}
# Joins two namespaces by a veth pair: link_netns NS_A ADDR_A NS_B ADDR_B
# (addresses with prefix length). The interfaces are named eth0 in both.
link_netns() {
  local a="v$$a${#netns_made[@]}" b="v$$b${#netns_made[@]}"
  ip link add "$a" type veth peer name "$b"
  ip link set "$a" netns "$1"
  ip link set "$b" netns "$3"
  ip -n "$1" link set "$a" name eth0
  ip -n "$3" link set "$b" name eth0
  ip -n "$1" addr add "$2" dev eth0
  ip -n "$3" addr add "$4" dev eth0
  ip -n "$1" link set eth0 up
  ip -n "$3" link set eth0 up
}
# A copy of the test prefix for namespace $1, its path in variable $2. Wine
# creates sockets in its wineserver, so the server is started inside the
# namespace before anything else can start it elsewhere; every Wine program of
# this prefix then runs through in_netns too.
prefix_for_netns() {
  local copy="$QUORVANE_SCRATCH/prefix-$1"
  quorvane_copy_prefix "$WINEPREFIX" "$copy"
  prefixes_made+=("$copy")
  ip netns exec "$1" env WINEPREFIX="$copy" wineserver -p60 </dev/null >/dev/null 2>&1
  require_wineserver_in_netns "$1" "$copy"
  printf -v "$2" '%s' "$copy"
}
# A wineserver of this prefix outside the namespace would send from the
# machine's own network: stop the test before anything can send.
require_wineserver_in_netns() {  # require_wineserver_in_netns NS PREFIX
  local pid found=0
  for pid in $(pgrep -x 'wineserver(32|64)?' || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$2" || continue
    found=1
    if [ "$(ip netns identify "$pid" 2>/dev/null)" != "$1" ]; then
      echo "FATAL - the wineserver of $2 (pid $pid) runs outside namespace $1"
      exit 1
    fi
  done
  if [ "$found" -eq 0 ]; then
    echo "FATAL - no wineserver runs for $2 in namespace $1"
    exit 1
  fi
}
in_netns() {  # in_netns NS PREFIX command...
  local ns="$1" prefix="$2"
  shift 2
  ip netns exec "$ns" env WINEPREFIX="$prefix" "$@"
}
# The probe in namespace $1 and prefix $2, line by line as probe gives it.
probe_in() {  # probe_in NS PREFIX probe-arguments...
  local ns="$1" prefix="$2"
  shift 2
  in_netns "$ns" "$prefix" wine "$QUORVANE_PROBE" "$@" 2>/dev/null | stdbuf -oL tr -d '\r'
}
cleanup_netns() {
  local ns prefix
  for prefix in "${prefixes_made[@]}"; do
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  done
  for ns in "${netns_made[@]}"; do
    ip netns pids "$ns" 2>/dev/null | xargs -r kill -9 2>/dev/null || true
    ip netns del "$ns" 2>/dev/null || true
    rm -rf "/etc/netns/$ns"
  done
  for prefix in "${prefixes_made[@]}"; do rm -rf "$prefix"; done
}
