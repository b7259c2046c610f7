#!/usr/bin/env python3
"""Sends COUNT UDP datagrams to HOST:PORT, then exits: either the magic packet
for MAC (12 hex digits) or, with MAC "-", a datagram that is not one. A burst
is paced a little so that the receiver's socket buffer, not the test, decides
what arrives. Usage: udp_sender.py HOST PORT COUNT MAC"""
import socket
import sys
import time

host, port, count, mac = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), sys.argv[4]
payload = b"not a magic packet" if mac == "-" else b"\xff" * 6 + bytes.fromhex(mac) * 16
sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
for i in range(count):
    sock.sendto(payload, (host, port))
    if i % 100 == 99:
        time.sleep(0.01)
