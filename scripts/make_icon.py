#!/usr/bin/env python3
"""Draws res/Quorvane.ico: a white power symbol on a blue disc, 48 x 48, in
4, 8, 24 and 32 bits per pixel. Run it to redraw; the result is committed."""
import math
import pathlib
import struct

SIZE = 48
BLUE = (0, 0, 255)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def pixel(x, y):
    """Colour and opacity of one pixel, (r, g, b), alpha."""
    cx = cy = (SIZE - 1) / 2
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r > 22.5:
        return BLACK, 0
    # The power symbol: a ring open at the top, and a bar through the gap.
    on_bar = abs(dx) <= 2 and -15 <= dy <= 0
    angle = math.degrees(math.atan2(dx, -dy))
    on_ring = 10.5 <= r <= 14.5 and abs(angle) > 40
    return (WHITE if on_bar or on_ring else BLUE), 255


PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
             (128, 0, 128), (0, 128, 128), (192, 192, 192), (128, 128, 128),
             (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]
PALETTE256 = PALETTE16 + [(0, 0, 0)] * 240


def row_bytes(bits):
    return ((SIZE * bits + 31) // 32) * 4


def image(bits):
    palette = {4: PALETTE16, 8: PALETTE256}.get(bits, [])
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bits, 0, 0, 0, 0,
                         len(palette), 0)
    pal = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in palette)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(SIZE)):  # DIB rows run bottom-up
        row = bytearray()
        mrow = 0
        for x in range(SIZE):
            colour, alpha = pixel(x, y)
            mrow = (mrow << 1) | (0 if alpha else 1)
            if bits == 32:
                row += bytes((colour[2], colour[1], colour[0], alpha))
            elif bits == 24:
                row += bytes((colour[2], colour[1], colour[0]))
            else:
                row.append(palette.index(colour))
        if bits == 4:
            row = bytearray((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2))
        xor += row.ljust(row_bytes(bits), b"\0")
        mask += mrow.to_bytes(SIZE // 8, "big").ljust(row_bytes(1), b"\0")
    return header + pal + bytes(xor) + bytes(mask), len(palette)


images = [(bits,) + image(bits) for bits in (4, 8, 24, 32)]
out = struct.pack("<HHH", 0, 1, len(images))
offset = 6 + 16 * len(images)
for bits, data, colours in images:
    out += struct.pack("<BBBBHHII", SIZE, SIZE, colours if colours < 256 else 0, 0, 1,
                       bits, len(data), offset)
    offset += len(data)
out += b"".join(data for _, data, _ in images)
(pathlib.Path(__file__).resolve().parent.parent / "res" / "Quorvane.ico").write_bytes(out)
