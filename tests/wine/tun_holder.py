#!/usr/bin/env python3
"""Makes a tun device and holds it open, so that it is up, as a VPN client
holds its adapter: the stand-in VPN of the network tests. Touches READY_FILE
once the device exists; runs until killed, at most five minutes.
Usage: tun_holder.py NAME READY_FILE"""
import fcntl
import os
import struct
import sys
import time

TUNSETIFF = 0x400454CA  # from <linux/if_tun.h>
IFF_TUN, IFF_NO_PI = 0x0001, 0x1000
fd = os.open("/dev/net/tun", os.O_RDWR)
fcntl.ioctl(fd, TUNSETIFF, struct.pack("16sH", sys.argv[1].encode(), IFF_TUN | IFF_NO_PI))
open(sys.argv[2], "w").close()
time.sleep(300)
