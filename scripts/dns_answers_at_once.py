#!/usr/bin/env python3
"""A name server that answers every query at once with "no such name", so
that lookups of names nobody gave end in milliseconds, as on a network whose
router answers. Usage: dns_answers_at_once.py ADDRESS READY_FILE"""
import socket
import sys

s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
s.bind((sys.argv[1], 53))
open(sys.argv[2], "w").close()
while True:
    query, peer = s.recvfrom(2048)
    if len(query) < 12:
        continue
    # The query's id and question, flagged as an answer: recursion available, NXDOMAIN.
    answer = query[:2] + bytes([0x81 | (query[2] & 0x01), 0x83]) + query[4:6] + b"\0\0\0\0\0\0" + query[12:]
    s.sendto(answer, peer)
