#!/usr/bin/env python3
"""The PC to be woken, in a namespace of its own: it watches its interface
for magic packets to its MAC address, echo requests and ARP requests, and
"boots" (adds its address) DELAY seconds after the first magic packet.
One line per event in LOG: "magic DESTINATION PORT", "ping DESTINATION",
"arp TARGET", "booted". Runs until killed, at most five minutes.
Usage: sleeping_pc.py IFACE MAC ADDRESS/PREFIX DELAY LOG"""
import socket
import struct
import subprocess
import sys
import time

iface, mac, address, delay, log_path = sys.argv[1], sys.argv[2], sys.argv[3], float(sys.argv[4]), sys.argv[5]
magic = b"\xff" * 6 + bytes.fromhex(mac.replace(":", "")) * 16
ETH_P_ALL = 3
sock = socket.socket(socket.AF_PACKET, socket.SOCK_RAW, socket.htons(ETH_P_ALL))
sock.bind((iface, 0))
sock.settimeout(0.2)
open(log_path + ".ready", "w").close()
boot_at = None
deadline = time.time() + 300
with open(log_path, "a") as log:
    def say(line):
        log.write(line + "\n")
        log.flush()
    while time.time() < deadline:
        if boot_at is not None and time.time() >= boot_at:
            subprocess.run(["ip", "addr", "add", address, "dev", iface], check=True)
            say("booted")
            boot_at = float("inf")
        try:
            frame, info = sock.recvfrom(65535)
        except socket.timeout:
            continue
        except OSError:  # the test took the interface away: it is over
            break
        if info[2] == socket.PACKET_OUTGOING:
            continue
        kind = struct.unpack("!H", frame[12:14])[0]
        if kind == 0x0806 and struct.unpack("!H", frame[20:22])[0] == 1:
            say("arp " + socket.inet_ntoa(frame[38:42]))
        elif kind == 0x0800:
            header = (frame[14] & 0x0F) * 4
            protocol, destination = frame[23], socket.inet_ntoa(frame[30:34])
            body = frame[14 + header:]
            if protocol == 1 and body[:1] == b"\x08":
                say("ping " + destination)
            elif protocol == 17 and body[8:] == magic:
                say("magic %s %d" % (destination, struct.unpack("!H", body[2:4])[0]))
                if boot_at is None:
                    boot_at = time.time() + delay
