#!/usr/bin/env bash
# The own-MAC query for real: in namespaces of the test's own, with a veth
# whose hardware address the test sets.
source "$(dirname "$0")/lib.sh"
trap cleanup_netns EXIT

host="$(hostname)"
ns="qv-$$-mac" peer="qv-$$-peer" bare="qv-$$-noip"
make_netns "$ns"
make_netns "$peer"
link_netns "$ns" 10.214.0.5/24 "$peer" 10.214.0.6/24
ip -n "$ns" link set eth0 address 02:0a:2b:3c:4d:5e
# ip netns exec lays this over /etc/hosts: the host name resolves here.
mkdir -p "/etc/netns/$ns"
printf '127.0.0.1 localhost\n10.214.0.5 %s\n' "$host" >"/etc/netns/$ns/hosts"
prefix_for_netns "$ns" prefix

own_mac() { in_netns "$1" "$2" wine "$QUORVANE_PRINT_OWN_MAC" 2>/dev/null | tr -d '\r'; }

check "the adapter carrying the host's address, upper-case digits" "mac [020A2B3C4D5E]" "$(own_mac "$ns" "$prefix")"

# An adapter without an IPv4 address: the host name falls back to
# 127.0.0.1, the IPv6 query finds nothing either, and no adapter qualifies.
make_netns "$bare"
ip link add "v$$n" type veth peer name "v$$m"
ip link set "v$$n" netns "$bare"
ip -n "$bare" link set "v$$n" address 02:1a:2b:3c:4d:5f up
prefix_for_netns "$bare" bare_prefix
check "no adapter carries the host's address" "mac []" "$(own_mac "$bare" "$bare_prefix")"
ip link del "v$$m" 2>/dev/null || true

finish
