#!/usr/bin/env python3
"""Receives UDP datagrams on a port and writes one line per datagram:
source address, destination address (from the IP header), destination port,
length, payload in hex. Runs until killed, at most two minutes."""
import socket
import struct
import sys
import time

IP_PKTINFO = 8  # from <netinet/in.h>; Python does not name it
port, out_path = int(sys.argv[1]), sys.argv[2]
sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
sock.setsockopt(socket.IPPROTO_IP, IP_PKTINFO, 1)
sock.bind(("0.0.0.0", port))
sock.settimeout(0.5)
open(out_path + ".ready", "w").close()
deadline = time.time() + 120
with open(out_path, "a") as out:
    while time.time() < deadline:
        try:
            data, ancillary, _, source = sock.recvmsg(2048, 256)
        except socket.timeout:
            continue
        destination = "?"
        for level, kind, value in ancillary:
            if level == socket.IPPROTO_IP and kind == IP_PKTINFO:
                _, _, header_dst = struct.unpack("i4s4s", value[:12])
                destination = socket.inet_ntoa(header_dst)
        out.write(f"{source[0]} {destination} {port} {len(data)} {data.hex()}\n")
        out.flush()
