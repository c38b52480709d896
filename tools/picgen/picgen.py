#!/usr/bin/env python3
"""Draws every icon and bitmap of Zelmora and writes them to app/pictures/.

    python3 tools/picgen/picgen.py [OUTDIR]

Each picture is a small function below that paints a Canvas; letters, arrows,
the sigma and the quavers are pixel masks kept as string grids, so a picture
is changed by editing its grid or colours here and running the script again.
Only the standard library is used; the ICO and BMP byte layouts are written
by hand.  The output is deterministic (the marble uses a fixed seed).
"""

import math
import os
import random
import struct
import sys

# ---------------------------------------------------------------------------
# Canvas

class Canvas:
    """A w x h picture; a pixel is an (r, g, b) tuple or None (transparent)."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def get(self, x, y):
        return self.px[y][x]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0..x1, y0..y1 inclusive; colour may be a function (x, y)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, colour(x, y) if callable(colour) else colour)

    def frame(self, x0, y0, x1, y1, colour):
        for x in range(x0, x1 + 1):
            self.set(x, y0, colour)
            self.set(x, y1, colour)
        for y in range(y0, y1 + 1):
            self.set(x0, y, colour)
            self.set(x1, y, colour)

    def stamp(self, grid, x0, y0, colours):
        """Paints a string grid; colours maps a character to a colour or to a
        function (x, y) -> colour.  Characters not in colours are skipped."""
        for dy, row in enumerate(grid):
            for dx, ch in enumerate(row):
                if ch in colours:
                    c = colours[ch]
                    x, y = x0 + dx, y0 + dy
                    self.set(x, y, c(x, y) if callable(c) else c)

    def colours(self):
        return {c for row in self.px for c in row if c is not None}


def lerp(c0, c1, t):
    t = min(1.0, max(0.0, t))
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c0, c1))


def diagonal(c0, c1, x0, y0, x1, y1):
    """Gradient from c0 at (x0, y0) to c1 at (x1, y1), along x + y."""
    span = (x1 - x0) + (y1 - y0)
    return lambda x, y: lerp(c0, c1, ((x - x0) + (y - y0)) / span)


def grid(text):
    rows = [r for r in text.strip('\n').split('\n')]
    width = max(len(r) for r in rows)
    return [r.ljust(width, '.') for r in rows]


def transpose(g):
    return [''.join(row[i] for row in g) for i in range(len(g[0]))]


def flip_v(g):
    return list(reversed(g))


def flip_h(g):
    return [row[::-1] for row in g]


def with_outline(g, fill='#', edge='o'):
    """Adds an edge character on every empty cell touching a fill cell
    (8-neighbourhood).  The grid must already leave a one-cell margin."""
    h, w = len(g), len(g[0])
    out = [list(r) for r in g]
    for y in range(h):
        for x in range(w):
            if g[y][x] != '.':
                continue
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    yy, xx = y + dy, x + dx
                    if 0 <= yy < h and 0 <= xx < w and g[yy][xx] == fill:
                        out[y][x] = edge
    return [''.join(r) for r in out]


# ---------------------------------------------------------------------------
# Palettes

# The 16 colours of the standard Windows/VGA palette, in the order Windows
# uses for 4-bit icons.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


def palette_of(canvas, size=256):
    """An exact palette for an 8-bit picture: the colours it uses, sorted,
    padded with black to size entries."""
    used = sorted(canvas.colours())
    if len(used) > size:
        raise ValueError('%d colours do not fit a %d-entry palette' % (len(used), size))
    return used + [BLACK] * (size - len(used))


def index_map(canvas, palette):
    """Pixel rows as palette indices; every colour must be in the palette."""
    lookup = {}
    for i, c in enumerate(palette):
        lookup.setdefault(c, i)
    rows = []
    for row in canvas.px:
        out = []
        for c in row:
            if c is None:
                out.append(0)
            elif c in lookup:
                out.append(lookup[c])
            else:
                raise ValueError('colour %r is not in the palette' % (c,))
        rows.append(out)
    return rows


# ---------------------------------------------------------------------------
# File formats

def _row_bytes(bits_per_row):
    return ((bits_per_row + 31) // 32) * 4


def _pack_rows(canvas, bpp, palette):
    """The XOR bitmap, bottom-up, each row padded to 4 bytes."""
    stride = _row_bytes(canvas.w * bpp)
    if bpp == 24:
        rows = []
        for row in canvas.px:
            b = bytearray()
            for c in row:
                r, g, bl = c if c is not None else BLACK
                b += bytes((bl, g, r))
            rows.append(bytes(b))
    else:
        rows = []
        for idx in index_map(canvas, palette):
            b = bytearray()
            if bpp == 8:
                b += bytes(idx)
            elif bpp == 4:
                for i in range(0, len(idx), 2):
                    hi = idx[i]
                    lo = idx[i + 1] if i + 1 < len(idx) else 0
                    b.append((hi << 4) | lo)
            else:
                raise ValueError('unsupported depth %d' % bpp)
            rows.append(bytes(b))
    return b''.join(r.ljust(stride, b'\0') for r in reversed(rows))


def _pack_mask(canvas):
    """The 1-bit AND mask, bottom-up: 1 where the pixel is transparent."""
    stride = _row_bytes(canvas.w)
    out = []
    for row in canvas.px:
        b = bytearray(stride)
        for x, c in enumerate(row):
            if c is None:
                b[x // 8] |= 0x80 >> (x % 8)
        out.append(bytes(b))
    return b''.join(reversed(out))


def _info_header(w, h, bpp, image_size, colours_used):
    return struct.pack('<IiiHHIIiiII', 40, w, h, 1, bpp, 0, image_size,
                       0, 0, colours_used, 0)


def _rgbquads(palette):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)


def ico_bytes(images):
    """images: list of (canvas, bpp, palette or None).  Returns the .ico."""
    blobs = []
    for canvas, bpp, palette in images:
        xor = _pack_rows(canvas, bpp, palette)
        mask = _pack_mask(canvas)
        pal = _rgbquads(palette) if bpp <= 8 else b''
        head = _info_header(canvas.w, canvas.h * 2, bpp, len(xor) + len(mask), 0)
        blobs.append(head + pal + xor + mask)
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (canvas, bpp, palette), blob in zip(images, blobs):
        count = 1 << bpp if bpp < 8 else 0
        out += struct.pack('<BBBBHHII', canvas.w % 256, canvas.h % 256, count, 0,
                           1, bpp, len(blob), offset)
        offset += len(blob)
    return out + b''.join(blobs)


def bmp_bytes(canvas, bpp, palette=None):
    """A bottom-up BITMAPINFOHEADER .bmp, 8 or 24 bits per pixel."""
    if any(c is None for row in canvas.px for c in row):
        raise ValueError('a .bmp has no transparency')
    bits = _pack_rows(canvas, bpp, palette)
    pal = _rgbquads(palette) if bpp == 8 else b''
    head = _info_header(canvas.w, canvas.h, bpp, len(bits), len(palette) if pal else 0)
    head = head[:24] + struct.pack('<ii', 2835, 2835) + head[32:]  # 72 dpi
    offset = 14 + len(head) + len(pal)
    return (struct.pack('<2sIHHI', b'BM', offset + len(bits), 0, 0, offset)
            + head + pal + bits)


# ---------------------------------------------------------------------------
# Icon 11: the application icon

SIGMA_32 = grid('''
.#############.
.#############.
.###.......###.
..###.......##.
...###.......#.
....###........
.....###.......
......###......
.......###.....
........###....
.........###...
........###....
.......###.....
......###......
.....###.......
....###........
...###.......#.
..###.......##.
.###.......###.
.#############.
.#############.
''')

SIGMA_16 = grid('''
#######
##....#
.##....
..##...
...##..
..##...
.##....
##....#
#######
''')

# A pair of beamed quavers: beam on top, stems on the right of the heads.
QUAVERS_32 = grid('''
..######
..#....#
..#....#
###..###
###..###
''')

QUAVERS_16 = grid('''
.#####
.#...#
##..##
##..##
''')


def card(c, x0, y0, x1, y1, edge, dark, light):
    """A ruled list card: an edge, then alternating light and dark stripes."""
    c.frame(x0, y0, x1, y1, edge)
    for y in range(y0 + 1, y1):
        c.rect(x0 + 1, y, x1 - 1, y, light if (y - y0) % 2 == 1 else dark)


def app_icon(size, rich):
    """rich: True for the 256-colour image (shaded), False for the 16-colour
    one (plain VGA colours only)."""
    c = Canvas(size, size)
    if rich:
        if size == 32:
            red = diagonal((255, 90, 70), (185, 0, 0), 0, 0, 14, size - 1)
        else:
            red = diagonal((245, 40, 30), (190, 0, 0), 0, 0, 6, 8)
        red_edge = (120, 0, 0)
        card_edge, card_dark, card_light = (0, 0, 128), (30, 70, 220), (150, 190, 255)
        note = (20, 20, 60)
    else:
        red, red_edge = (255, 0, 0), (128, 0, 0)
        card_edge, card_dark, card_light = (0, 0, 128), (0, 0, 255), (255, 255, 255)
        note = BLACK
    if size == 32:
        c.stamp(with_outline(SIGMA_32), 0, 5, {'#': red, 'o': red_edge})
        for top in (0, 11, 22):
            c.stamp(QUAVERS_32, 21, top, {'#': note})
            card(c, 16, top + 5, 31, top + 9, card_edge, card_dark, card_light)
    else:
        c.stamp(SIGMA_16, 0, 0, {'#': red})
        c.stamp(QUAVERS_16, 9, 6, {'#': note})
        card(c, 1, 10, 15, 15, card_edge, card_dark, card_light)
    return c


def icon11():
    big4, small4 = app_icon(32, False), app_icon(16, False)
    big8, small8 = app_icon(32, True), app_icon(16, True)
    return [(big4, 4, VGA16), (small4, 4, VGA16),
            (big8, 8, palette_of(big8)), (small8, 8, palette_of(small8))]


# ---------------------------------------------------------------------------
# Menu icons 21..28: yellow-to-orange

MENU_LIGHT, MENU_DARK = (255, 246, 130), (250, 140, 20)
MENU_EDGE = (190, 90, 0)
menu_grad = diagonal(MENU_LIGHT, MENU_DARK, 1, 1, 14, 14)

LAV_LIGHT, LAV_DARK = (244, 244, 255), (150, 150, 225)
LAV_EDGE = (70, 70, 150)
lav_grad = diagonal(LAV_LIGHT, LAV_DARK, 1, 1, 14, 14)

LETTER_C = grid('''
................
.....######.....
...##########...
..####....####..
..###......###..
.###............
.###............
.###............
.###............
.###............
.###............
..###......###..
..####....####..
...##########...
.....######.....
................
''')

QUESTION = grid('''
................
....#######.....
...#########....
..####...####...
..###.....###...
..........###...
.........####...
........####....
.......####.....
......####......
......###.......
......###.......
................
......###.......
......###.......
................
''')

POINTER = grid('''
................
................
................
.....#..........
.....##.........
.....###........
.....####.......
.....#####......
.....####.......
.....###........
.....##.........
.....#..........
................
................
................
................
''')

ARROW_UP = grid('''
................
................
.......##.......
......####......
.....######.....
....########....
...##########...
..############..
......####......
......####......
......####......
......####......
......####......
......####......
................
................
''')

DOTS = [(x, y) for y in (3, 7, 11) for x in (3, 7, 11)]


def tile(grad, edge):
    c = Canvas(16, 16)
    c.rect(1, 1, 14, 14, grad)
    c.frame(1, 1, 14, 14, edge)
    # round the corners off
    for x, y in ((1, 1), (14, 1), (1, 14), (14, 14)):
        c.set(x, y, None)
    return c


def tile_square(grad, edge, colour, ring):
    c = tile(grad, edge)
    c.frame(4, 4, 11, 11, ring)
    c.rect(5, 5, 10, 10, colour)
    return c


def tile_dots(grad, edge):
    """Nine 2x2 white dots, each with a soft shadow below and to the right
    so that they still show on the light corner of the tile."""
    c = tile(grad, edge)
    for x, y in DOTS:
        for sx, sy in ((x + 2, y + 1), (x + 1, y + 2), (x + 2, y + 2)):
            c.set(sx, sy, lerp(c.get(sx, sy), edge, 0.45))
        c.rect(x, y, x + 1, y + 1, WHITE)
    return c


def glyph(g, grad, edge):
    c = Canvas(16, 16)
    c.stamp(with_outline(g), 0, 0, {'#': grad, 'o': edge})
    return c


def menu_icons():
    return {
        21: tile_square(menu_grad, MENU_EDGE, WHITE, MENU_EDGE),
        22: tile_square(menu_grad, MENU_EDGE, (0, 0, 255), (0, 0, 128)),
        23: tile_square(menu_grad, MENU_EDGE, (255, 0, 0), (128, 0, 0)),
        24: tile_dots(menu_grad, MENU_EDGE),
        25: glyph(LETTER_C, menu_grad, MENU_EDGE),
        26: glyph(QUESTION, menu_grad, MENU_EDGE),
        27: glyph(POINTER, diagonal((255, 190, 60), (240, 110, 0), 5, 3, 9, 11),
                  MENU_EDGE),
        28: glyph(POINTER, diagonal((200, 200, 200), (140, 140, 140), 5, 3, 9, 11),
                  (96, 96, 96)),
    }


def button_glyphs():
    arrow_left = transpose(ARROW_UP)
    return {
        31: tile_dots(lav_grad, LAV_EDGE),
        32: glyph(LETTER_C, lav_grad, LAV_EDGE),
        33: glyph(ARROW_UP, lav_grad, LAV_EDGE),
        34: glyph(arrow_left, lav_grad, LAV_EDGE),
        35: glyph(flip_h(arrow_left), lav_grad, LAV_EDGE),
        36: glyph(flip_v(ARROW_UP), lav_grad, LAV_EDGE),
        37: tile_square(lav_grad, LAV_EDGE, WHITE, LAV_EDGE),
        38: tile_square(lav_grad, LAV_EDGE, (0, 0, 255), (0, 0, 128)),
        39: tile_square(lav_grad, LAV_EDGE, (255, 0, 0), (128, 0, 0)),
    }


# ---------------------------------------------------------------------------
# Bitmaps

FACE_LIGHT, FACE_DARK = (234, 234, 255), (217, 217, 255)
EDGE_INNER, EDGE_OUTER = (196, 196, 255), (170, 170, 255)


def button_face(pressed):
    """21 x 21 button face.  Raised: white row 0 / column 0, inner shadow
    column 19 / row 19, outer shadow column 20 / row 20.  Pressed: the
    shadows move to the top and left (rows/columns 0 and 1) and the white
    to column 20 / row 20.

    Corners follow the way Windows draws its 3-D edges: the line on the
    bottom and right is drawn last and runs the full length, so it owns the
    far corners.  Raised: (20,0) and (0,20) are outer shadow, (19,0) and
    (0,19) stay white.  Pressed: (20,0) and (0,20) are white; the dark lines
    at the top and left stop one pixel short of them (the outer at 19, the
    inner at 18)."""
    n = 21
    c = Canvas(n, n)
    lo, hi = (2, 19) if pressed else (1, 18)
    c.rect(0, 0, n - 1, n - 1, diagonal(FACE_LIGHT, FACE_DARK, lo, lo, hi, hi))
    # The edge lines as (left, top, right, bottom, colour), drawn in this order.
    edges = ([(0, 0, 19, 0, EDGE_OUTER), (0, 0, 0, 19, EDGE_OUTER), (1, 1, 18, 1, EDGE_INNER),
              (1, 1, 1, 18, EDGE_INNER), (20, 0, 20, 20, WHITE), (0, 20, 20, 20, WHITE)] if pressed else
             [(0, 0, 19, 0, WHITE), (0, 0, 0, 19, WHITE), (19, 1, 19, 19, EDGE_INNER),
              (1, 19, 19, 19, EDGE_INNER), (20, 0, 20, 20, EDGE_OUTER), (0, 20, 20, 20, EDGE_OUTER)])
    for left, top, right, bottom, colour in edges:
        c.rect(left, top, right, bottom, colour)
    return c


TEXTURE_W, TEXTURE_H = 117, 66
TEXTURE_SEED = 4121


class PeriodicNoise:
    """Smooth value noise on a cx x cy lattice that wraps around, so a
    picture sampled over one period tiles without a seam."""

    def __init__(self, rng, cx, cy):
        self.cx, self.cy = cx, cy
        self.v = [[rng.random() for _ in range(cx)] for _ in range(cy)]

    def at(self, u, v):
        """u, v in periods (0..1 covers the lattice once)."""
        fx, fy = u * self.cx, v * self.cy
        x0, y0 = math.floor(fx), math.floor(fy)
        tx, ty = fx - x0, fy - y0
        tx, ty = tx * tx * (3 - 2 * tx), ty * ty * (3 - 2 * ty)
        x0, y0 = x0 % self.cx, y0 % self.cy
        x1, y1 = (x0 + 1) % self.cx, (y0 + 1) % self.cy
        a = self.v[y0][x0] + (self.v[y0][x1] - self.v[y0][x0]) * tx
        b = self.v[y1][x0] + (self.v[y1][x1] - self.v[y1][x0]) * tx
        return a + (b - a) * ty


# palette ramp for the marble, from the cream ground to the yellow veins
MARBLE_STOPS = [(0.0, (255, 252, 240)), (0.55, (255, 249, 222)),
                (0.85, (254, 244, 200)), (1.0, (250, 236, 180))]


def marble_palette():
    pal = []
    for i in range(256):
        t = i / 255
        for (t0, c0), (t1, c1) in zip(MARBLE_STOPS, MARBLE_STOPS[1:]):
            if t0 <= t <= t1:
                pal.append(lerp(c0, c1, (t - t0) / (t1 - t0)))
                break
    return pal


def texture():
    rng = random.Random(TEXTURE_SEED)
    octaves = [PeriodicNoise(rng, 3 * k, 2 * k) for k in (1, 2, 4, 8)]
    clouds = [PeriodicNoise(rng, 2 * k, 1 * k) for k in (1, 2, 4)]
    pal = marble_palette()
    c = Canvas(TEXTURE_W, TEXTURE_H)
    for y in range(TEXTURE_H):
        for x in range(TEXTURE_W):
            u, v = x / TEXTURE_W, y / TEXTURE_H
            turb = sum(n.at(u, v) / (2 ** i) for i, n in enumerate(octaves))
            # whole-number frequencies keep the veins periodic as well
            s = math.sin(2 * math.pi * (1 * u + 1 * v) + 5.0 * turb)
            vein = (1 - abs(s)) ** 3            # thin veins where s crosses 0
            cloud = sum(n.at(u, v) / (2 ** i) for i, n in enumerate(clouds)) / 1.75
            t = min(1.0, 0.75 * cloud ** 1.5 + 0.6 * vein)
            c.px[y][x] = pal[int(round(t * 255))]
    return c, pal


# ---------------------------------------------------------------------------

def pictures():
    """File name -> bytes for everything in app/pictures/."""
    out = {'icon11.ico': ico_bytes(icon11())}
    for num, c in sorted({**menu_icons(), **button_glyphs()}.items()):
        out['icon%d.ico' % num] = ico_bytes([(c, 24, None)])
    tex, pal = texture()
    out['texture41.bmp'] = bmp_bytes(tex, 8, pal)
    out['face42.bmp'] = bmp_bytes(button_face(False), 24)
    out['face43.bmp'] = bmp_bytes(button_face(True), 24)
    return out


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    outdir = argv[1] if len(argv) > 1 else os.path.join(here, '..', '..', 'app', 'pictures')
    os.makedirs(outdir, exist_ok=True)
    files = pictures()
    for name, data in sorted(files.items()):
        with open(os.path.join(outdir, name), 'wb') as f:
            f.write(data)
    print('wrote %d pictures to %s' % (len(files), os.path.normpath(outdir)))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
