#!/usr/bin/env python3
"""Draws the runtime's built-in pictures: the program and tray icons, the digit strip and the
start-up picture (as splash.ppm, which a JPEG encoder turns into splash.jpg). Run once; the
results are kept beside it."""
import struct

# A 5 x 7 dot font for the digits and the minus sign.
DIGITS = {
    '0': ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    '1': ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    '2': ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    '3': ["11110", "00001", "00001", "01110", "00001", "00001", "11110"],
    '4': ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    '5': ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    '6': ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    '7': ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    '8': ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    '9': ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    ' ': ["00000"] * 7,
    '-': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
}


def bmp_rows_32(pixels, w, h):
    rows = b''
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = pixels[y * w + x]
            rows += bytes((b, g, r, a))
    return rows


def icon(path, w, colours):
    """A square icon: a rounded brick with a quill stroke, 32-bit with an AND mask."""
    h = w
    px = []
    for y in range(h):
        for x in range(w):
            inside = 2 <= x < w - 2 and 4 <= y < h - 4
            if not inside:
                px.append((0, 0, 0, 0))
            elif abs((x - y * 0.8) - w * 0.2) < 1.5:
                px.append(colours[1] + (255,))
            elif (y - 4) % 8 == 0 or ((x + (8 if ((y - 4) // 8) % 2 else 0)) % 16 == 0):
                px.append(colours[2] + (255,))
            else:
                px.append(colours[0] + (255,))
    xor = bmp_rows_32(px, w, h)
    mask_row = ((w + 31) // 32) * 4
    andmask = b''
    for y in range(h - 1, -1, -1):
        bits = 0
        row = bytearray(mask_row)
        for x in range(w):
            if px[y * w + x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        andmask += bytes(row)
    header = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(andmask), 0, 0, 0, 0)
    image = header + xor + andmask
    data = struct.pack('<HHH', 0, 1, 1) + struct.pack('<BBBBHHII', w, h, 0, 0, 1, 32, len(image), 22) + image
    open(path, 'wb').write(data)


def digit_strip(path):
    """156 x 17, 16 colours: twelve cells of 13 x 17 with 0 to 9, a blank and a minus sign."""
    w, h = 156, 17
    palette = [(0, 0, 0), (0, 200, 60)] + [(0, 0, 0)] * 14
    cells = "0123456789 -"
    idx = [[0] * w for _ in range(h)]
    for c, ch in enumerate(cells):
        glyph = DIGITS[ch]
        for gy in range(7):
            for gx in range(5):
                if glyph[gy][gx] == '1':
                    for dy in range(2):
                        for dx in range(2):
                            idx[1 + gy * 2 + dy][c * 13 + 1 + gx * 2 + dx] = 1
    row_bytes = ((w * 4 + 31) // 32) * 4
    pixels = b''
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            row[x // 2] |= idx[y][x] << (4 if x % 2 == 0 else 0)
        pixels += bytes(row)
    pal = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(info) + len(pal)
    head = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    open(path, 'wb').write(head + info + pal + pixels)


def splash(path):
    """200 x 200: a wall of bricks under a dusk sky."""
    w = h = 200
    out = bytearray()
    for y in range(h):
        for x in range(w):
            if y < 90:
                t = y / 90
                out += bytes((int(40 + 150 * t), int(60 + 80 * t), int(140 - 40 * t)))
            else:
                row = (y - 90) // 14
                shift = 20 if row % 2 else 0
                mortar = (y - 90) % 14 == 0 or (x + shift) % 40 == 0
                out += bytes((200, 190, 170)) if mortar else bytes((150 + (x * 7 + row * 13) % 30, 60, 40))
    open(path, 'wb').write(b'P6\n200 200\n255\n' + bytes(out))


icon('program.ico', 32, [(180, 70, 50), (250, 240, 220), (120, 40, 30)])
icon('tray.ico', 16, [(60, 110, 180), (250, 250, 250), (30, 60, 120)])
digit_strip('digits.bmp')
splash('splash.ppm')
