#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Pipstack developers
# SPDX-License-Identifier: MIT
"""Draws the die pictures and the application icon.

Run from anywhere: the files land next to this script. Only the standard
library is used, so the pictures can be rebuilt on any machine with Python 3;
the BMP, PNG and ICO encoders below are just enough for these images.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The die face is 33 px: the picture box is 495 twips, 33 px at 96 dpi.
DIE_SIZE = 33
# Outside the rounded corners a die picture has no alpha to fall back on, so
# those pixels take the usual light grey of a window background.
WINDOW_GREY = (240, 240, 240)
FACE = (255, 255, 255)
BORDER = (72, 72, 72)
PIP = (28, 28, 28)


# ---------------------------------------------------------------- encoders

def bmp24(width, height, pixels):
    """pixels: rows top to bottom of (r, g, b) tuples."""
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(pixels):  # BMP rows run bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        body += line
    header_size = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', header_size + len(body), 0, 0, header_size)
    # 2835 px per metre is 72 dpi; the game ignores it.
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return file_header + info + bytes(body)


def png_rgba(width, height, pixels):
    """pixels: rows top to bottom of (r, g, b, a) tuples, straight alpha."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    raw = bytearray()
    for row in pixels:
        raw.append(0)  # filter type None
        for px in row:
            raw += bytes(px)
    ihdr = struct.pack('>IIBBBBB', width, height, 8, 6, 0, 0, 0)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', ihdr)
            + chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))


def ico_8bit(width, height, indices, palette, opaque):
    """One palettised image with an AND mask. indices and opaque: rows top to bottom."""
    palette = list(palette) + [(0, 0, 0)] * (256 - len(palette))
    xor_stride = (width + 3) & ~3
    and_stride = ((width + 31) // 32) * 4
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(height)):
        xor += bytes(indices[y]) + bytes(xor_stride - width)
        bits = bytearray(and_stride)
        for x in range(width):
            if not opaque[y][x]:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    # The height in an icon's header counts the colour image and the mask.
    info = struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, 8, 0,
                       len(xor) + len(mask), 0, 0, 256, 0)
    colours = b''.join(bytes((b, g, r, 0)) for r, g, b in palette)
    image = info + colours + bytes(xor) + bytes(mask)
    icondir = struct.pack('<HHH', 0, 1, 1)
    # A colour count of 0 in the directory entry means 256.
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 8, len(image), 6 + 16)
    return icondir + entry + image


# ---------------------------------------------------------------- geometry

def rounded_rect_distance(x, y, cx, cy, half_w, half_h, radius):
    """Signed distance to a rounded rectangle: negative inside."""
    qx = abs(x - cx) - half_w + radius
    qy = abs(y - cy) - half_h + radius
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


# Pip centres on a 3 x 3 grid, -1, 0 and +1 in each direction.
PIP_LAYOUTS = {
    1: [(0, 0)],
    2: [(-1, -1), (1, 1)],
    3: [(-1, -1), (0, 0), (1, 1)],
    4: [(-1, -1), (1, -1), (-1, 1), (1, 1)],
    5: [(-1, -1), (1, -1), (0, 0), (-1, 1), (1, 1)],
    6: [(-1, -1), (1, -1), (-1, 0), (1, 0), (-1, 1), (1, 1)],
}


def supersample(width, height, scale, samples, shade):
    """Averages shade(x, y) (in logical units, RGBA premultiplied) over
    samples x samples points per pixel; returns straight-alpha RGBA rows."""
    offsets = [(i + 0.5) / samples for i in range(samples)]
    count = samples * samples
    rows = []
    for py in range(height):
        row = []
        for px in range(width):
            acc = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    c = shade((px + ox) / scale, (py + oy) / scale)
                    for k in range(4):
                        acc[k] += c[k]
            a = acc[3] / count
            if a <= 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append(tuple(round(min(255.0, acc[k] / count / a)) for k in range(3))
                           + (round(255 * a),))
        rows.append(row)
    return rows


# ------------------------------------------------------------------- dice

def die_shader(value):
    size = float(DIE_SIZE)
    centre = size / 2
    # Pips sit on the centres of pixels 7, 16 and 25, so each face is
    # symmetric pixel for pixel at 1x and at 2x.
    spacing = 9.0
    pip_radius = 3.1
    corner = 4.0
    pips = [(centre + gx * spacing, centre + gy * spacing) for gx, gy in PIP_LAYOUTS[value]]

    def shade(x, y):
        d = rounded_rect_distance(x, y, centre, centre, centre, centre, corner)
        if d > 0:
            colour = WINDOW_GREY
        elif d > -1.0:
            colour = BORDER
        elif any((x - px) ** 2 + (y - py) ** 2 <= pip_radius ** 2 for px, py in pips):
            colour = PIP
        else:
            colour = FACE
        return (colour[0], colour[1], colour[2], 1.0)

    return shade


def make_die(value, scale):
    n = DIE_SIZE * scale
    rows = supersample(n, n, scale, 8, die_shader(value))
    return bmp24(n, n, [[px[:3] for px in row] for row in rows])


# ------------------------------------------------------------------- icon
# Two dice on a 32-unit canvas: a red one behind, turned a little, and a
# white one in front, offset to the lower left. The front die casts a soft
# shadow on the red one so the two read as a stack even at 32 px.

class IconDie:
    def __init__(self, cx, cy, half, angle_deg, face, border, pip, grid, spacing, pip_radius):
        self.cx, self.cy, self.half = cx, cy, half
        a = math.radians(angle_deg)
        self.cos, self.sin = math.cos(a), math.sin(a)
        self.face, self.border, self.pip = face, border, pip
        self.corner = half * 0.28
        self.pips = [(gx * spacing, gy * spacing) for gx, gy in grid]
        self.pip_radius = pip_radius

    def local(self, x, y):
        dx, dy = x - self.cx, y - self.cy
        return dx * self.cos + dy * self.sin, -dx * self.sin + dy * self.cos

    def distance(self, x, y):
        lx, ly = self.local(x, y)
        return rounded_rect_distance(lx, ly, 0.0, 0.0, self.half, self.half, self.corner)

    def colour(self, x, y, border_width):
        """Colour at (x, y) or None when outside the die."""
        lx, ly = self.local(x, y)
        d = rounded_rect_distance(lx, ly, 0.0, 0.0, self.half, self.half, self.corner)
        if d > 0:
            return None
        if d > -border_width:
            return self.border
        r2 = self.pip_radius ** 2
        if any((lx - px) ** 2 + (ly - py) ** 2 <= r2 for px, py in self.pips):
            return self.pip
        return self.face


# The front die stands upright on whole pixels, pips on pixel centres, so its
# edges stay crisp at 32 px; the tilt of the red die gives the stack its
# movement. The red die shows three along the other diagonal so that two of
# its pips stay in view.
BACK = IconDie(21.8, 10.2, 8.5, 18.0, face=(214, 40, 40), border=(110, 16, 16),
               pip=(255, 255, 255), grid=[(1, -1), (0, 0), (-1, 1)], spacing=4.6,
               pip_radius=1.9)
FRONT = IconDie(10.5, 20.5, 9.5, 0.0, face=(255, 255, 255), border=(40, 40, 40),
                pip=(24, 24, 24), grid=PIP_LAYOUTS[5], spacing=5.0, pip_radius=2.0)


def icon_shader(size):
    # Keep the outline about one pixel wide at 32 px and a little finer, in
    # canvas units, at the larger sizes where it would otherwise look heavy.
    border = 1.0 if size <= 32 else 0.75
    shadow_dx, shadow_dy, shadow_soft = 0.9, 0.9, 1.6

    def shade(x, y):
        c = FRONT.colour(x, y, border)
        if c is not None:
            return (c[0], c[1], c[2], 1.0)
        c = BACK.colour(x, y, border)
        if c is None:
            return (0, 0, 0, 0.0)
        d = FRONT.distance(x - shadow_dx, y - shadow_dy)
        darkness = 0.45 * min(1.0, max(0.0, 0.5 - d / shadow_soft))
        k = 1.0 - darkness
        return (c[0] * k, c[1] * k, c[2] * k, 1.0)

    return shade


def make_icon_rows(size):
    samples = 8 if size <= 32 else 4
    return supersample(size, size, size / 32.0, samples, icon_shader(size))


def median_cut(colours, limit):
    """colours: {(r, g, b): count}. Returns at most limit palette entries."""
    boxes = [list(colours.items())]
    while len(boxes) < limit:
        best, best_range, best_channel = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c, _ in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_channel = i, spread, ch
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda item: item[0][best_channel])
        total = sum(n for _, n in box)
        running, cut = 0, 1
        for j, (_, n) in enumerate(box[:-1]):
            running += n
            cut = j + 1
            if running * 2 >= total:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[ch] * n for c, n in box) / total) for ch in range(3)))
    return palette


def make_ico(rows):
    # An 8-bit icon has only a mask for transparency: a pixel is either in or
    # out, and the pixels that are in keep their own colour unblended.
    opaque = [[px[3] >= 128 for px in row] for row in rows]
    counts = {}
    for row, mask in zip(rows, opaque):
        for px, keep in zip(row, mask):
            if keep:
                counts[px[:3]] = counts.get(px[:3], 0) + 1
    # Index 0 stays black for the transparent pixels, as the mask expects.
    palette = [(0, 0, 0)] + [c for c in median_cut(counts, 255) if c != (0, 0, 0)]

    def nearest(c):
        return min(range(len(palette)),
                   key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))

    lookup = {c: nearest(c) for c in counts}
    indices = [[lookup[px[:3]] if keep else 0 for px, keep in zip(row, mask)]
               for row, mask in zip(rows, opaque)]
    return ico_8bit(len(rows[0]), len(rows), indices, palette, opaque), len(counts), len(palette)


# ------------------------------------------------------------------- main

def write(name, data):
    with open(os.path.join(HERE, name), 'wb') as f:
        f.write(data)
    print(f'{name}: {len(data)} bytes')


def main():
    for value in range(1, 7):
        write(f'Die{value}.bmp', make_die(value, 1))
        write(f'Die{value}@2x.bmp', make_die(value, 2))
    icon32 = make_icon_rows(32)
    write('pipstack.png', png_rgba(32, 32, icon32))
    for size in (128, 256):
        write(f'pipstack-{size}.png', png_rgba(size, size, make_icon_rows(size)))
    ico, distinct, used = make_ico(icon32)
    write('pipstack.ico', ico)
    print(f'pipstack.ico: {distinct} distinct colours in, {used} palette entries used')


if __name__ == '__main__':
    main()
