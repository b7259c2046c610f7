#!/usr/bin/env python3
"""Turns the IEEE registry of MAC prefixes (Debian's ieee-data, oui.csv) into
the scan's table of makers: the 24-bit prefixes (MA-L) of the makers whose
devices people wake and identify on a home or office network, each shown by a
short name. Run by the build; writes one C++ source.

Usage: make_maker_table.py OUI_CSV OUTPUT_CPP
"""
import csv
import re
import sys

# (short name, pattern on the registry's organization name). Network chips,
# PC and board makers, laptop makers and their contract builders, NAS,
# consoles, single-board computers. Order matters: the first match wins.
MAKERS = [
    ("Intel", r"^Intel Corp"),
    ("Realtek", r"^Realtek"),
    ("Broadcom", r"^Broadcom"),
    ("Qualcomm Atheros", r"Atheros|^Qualcomm"),
    ("Marvell", r"^Marvell"),
    ("ASIX", r"^ASIX"),
    ("Aquantia", r"^Aquantia"),
    ("Killer (Rivet)", r"^Rivet Networks"),
    ("Nvidia", r"^NVIDIA"),
    ("Apple", r"^Apple, Inc"),
    ("Dell", r"^Dell( Inc| EMC| Technologies)?\.?$"),
    ("HP", r"^(Hewlett Packard$|Hewlett-Packard|HP Inc)"),
    ("HPE", r"^Hewlett Packard Enterprise"),
    ("Lenovo", r"^Lenovo|^LCFC"),
    ("ASUSTek", r"^ASUSTek"),
    ("Gigabyte", r"^GIGA-BYTE TECHNOLOGY|^Giga-Byte Technology|^Giga-Byte$"),
    ("Micro-Star", r"^Micro-Star"),
    ("ASRock", r"^ASRock"),
    ("Elitegroup", r"^Elitegroup"),
    ("Supermicro", r"^Super Micro Computer"),
    ("Foxconn", r"^Hon Hai Precision"),
    ("Pegatron", r"^PEGATRON"),
    ("Quanta", r"^Quanta Computer"),
    ("Compal", r"^Compal Electronics|^COMPAL INFORMATION"),
    ("Wistron", r"^Wistron Corporation|^Wistron Infocomm"),
    ("Liteon", r"^Liteon Technology|^LITE-ON Technology"),
    ("AzureWave", r"^AzureWave"),
    ("Acer", r"^Acer Incorporated|^Acer Computer"),
    ("Toshiba", r"^Toshiba( Corp\.?)?$"),
    ("Fujitsu", r"^FUJITSU LIMITED|^Fujitsu Technology Solutions"),
    ("Panasonic", r"^Panasonic Corporation AVC|^Panasonic Connect"),
    ("Samsung", r"^Samsung Electronics"),
    ("Microsoft", r"^Microsoft"),
    ("Raspberry Pi", r"^Raspberry Pi"),
    ("Synology", r"^Synology"),
    ("QNAP", r"^QNAP"),
    ("Western Digital", r"^Western Digital"),
    ("Buffalo", r"^BUFFALO"),
    ("Netgear", r"^NETGEAR"),
    ("Sony", r"^Sony"),
    ("Nintendo", r"^Nintendo"),
    ("VMware", r"^VMware"),
]


def table(csv_path):
    compiled = [(name, re.compile(p, re.I)) for name, p in MAKERS]
    entries = {}
    with open(csv_path, encoding="utf-8", newline="") as f:
        reader = csv.reader(f)
        next(reader)
        for row in reader:
            if len(row) < 3 or row[0] != "MA-L" or not re.fullmatch(r"[0-9A-Fa-f]{6}", row[1]):
                continue
            org = row[2].strip()
            for index, (_, pattern) in enumerate(compiled):
                if pattern.search(org):
                    entries[int(row[1], 16)] = index
                    break
    return entries


def varint(n):
    groups = []
    while True:
        groups.append((n & 0x7F) | (0x80 if n > 0x7F else 0))
        n >>= 7
        if not groups[-1] & 0x80:
            return groups


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    entries = table(sys.argv[1])
    missing = [name for i, (name, _) in enumerate(MAKERS) if i not in entries.values()]
    if missing:
        sys.exit("make_maker_table: no prefix in %s for %s" % (sys.argv[1], ", ".join(missing)))
    out = ["// Written by scripts/make_maker_table.py from the IEEE registry; do not edit.",
           '#include "findpcs/MakerTable.h"', "",
           "const wchar_t* const kMakerNames[] = {"]
    out += ['    L"%s",' % name for name, _ in MAKERS]
    out += ["};", "const std::size_t kMakerNameCount = %d;" % len(MAKERS), ""]
    out += ["// Maker by maker, in the order of the names: how many prefixes it has, then",
            "// each prefix as its distance from the one before (from 0), every number",
            "// in seven-bit groups, low group first, the high bit set on all but the last.",
            "const std::uint8_t kMakerRuns[] = {"]
    stream = []
    for index in range(len(MAKERS)):
        prefixes = sorted(p for p, m in entries.items() if m == index)
        stream += varint(len(prefixes))
        previous = 0
        for prefix in prefixes:
            stream += varint(prefix - previous)
            previous = prefix
    for i in range(0, len(stream), 16):
        out.append("    " + " ".join("%d," % b for b in stream[i:i + 16]))
    out += ["};", "const std::size_t kMakerRunsSize = %d;" % len(stream), ""]
    text = "\n".join(out)
    try:
        with open(sys.argv[2], encoding="utf-8") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(sys.argv[2], "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main()
