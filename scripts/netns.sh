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
# The scan's network: sender namespace $1 on NET.1/24 and forty devices on
# the same cable, each with a MAC address of its own (macvlans): NET.10 to
# NET.39 with Intel's prefix 00:1B:21 in namespace $2, NET.200 to NET.209
# with Raspberry Pi's B8:27:EB in namespace $3, which drops every ping. Each
# address answers ARP only on its own device. Their /scan lines, without
# names, go to array scan_expected, by address.
make_scan_network() {  # make_scan_network SND PINGED SILENT NET
  local hub="$1-hub" i
  make_netns "$1"
  make_netns "$hub"
  make_netns "$2"
  make_netns "$3"
  link_netns "$1" "$4.1/24" "$hub" "$4.250/32"
  ip -n "$hub" addr flush dev eth0
  ip netns exec "$3" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
  ip netns exec "$2" sysctl -qw net.ipv4.conf.all.arp_ignore=1 net.ipv4.conf.all.arp_announce=2
  ip netns exec "$3" sysctl -qw net.ipv4.conf.all.arp_ignore=1 net.ipv4.conf.all.arp_announce=2
  scan_expected=()
  for i in $(seq 10 39); do
    scan_device "$hub" "$2" "$4.$i" "$(printf '00:1b:21:00:00:%02x' "$i")"
    scan_expected+=("$4.$i	$(printf '00-1B-21-00-00-%02X' "$i")		Intel")
  done
  for i in $(seq 200 209); do
    scan_device "$hub" "$3" "$4.$i" "$(printf 'b8:27:eb:00:00:%02x' "$i")"
    scan_expected+=("$4.$i	$(printf 'B8-27-EB-00-00-%02X' "$i")		Raspberry Pi")
  done
}
scan_device() {  # scan_device HUB NS ADDRESS MAC
  local name="m${3##*.}"
  ip -n "$1" link add "$name" link eth0 address "$4" type macvlan mode bridge
  ip -n "$1" link set "$name" netns "$2"
  ip -n "$2" addr add "$3/24" dev "$name"
  ip -n "$2" link set "$name" up
}
# A name server in namespace $1 on 127.0.0.1 that answers every query at
# once with "no such name"; its pid in dns_pid. The namespace's hosts file
# (/etc/netns/NS/hosts) is read before it.
start_instant_dns() {  # start_instant_dns NS READY_FILE
  mkdir -p "/etc/netns/$1"
  printf 'nameserver 127.0.0.1\n' >"/etc/netns/$1/resolv.conf"
  ip netns exec "$1" python3 "$(dirname "${BASH_SOURCE[0]}")/dns_answers_at_once.py" 127.0.0.1 "$2" &
  dns_pid=$!
  local i
  for ((i = 0; i < 50; i++)); do [ -e "$2" ] && return 0; sleep 0.1; done
  echo "the name server did not start"
  return 1
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
