#!/usr/bin/env python3
"""Reads the committed pictures back and checks what the program relies on.

    /usr/bin/python3 tools/picgen/check_pictures.py app/pictures

The reading is separate from the drawing code in picgen.py: Pillow (Debian's
python3-pil) decodes the ICO and BMP files, and the checks look at the pixels.
Exit status 0 when every check passes.
"""

import io
import os
import struct
import sys

from PIL import IcoImagePlugin
from PIL import Image as PilImage

WHITE, BLUE, RED = (255, 255, 255), (0, 0, 255), (255, 0, 0)
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


# ---------------------------------------------------------------------------
# Reading (Pillow decodes; the few header fields Windows relies on are read here)

class Image:
    """A decoded DIB: pixels[y][x] is (r, g, b), y = 0 the top row;
    opaque[y][x] is False where the AND mask makes it transparent."""

    def __init__(self, w, h, bpp, palette, pixels, opaque):
        self.w, self.h, self.bpp = w, h, bpp
        self.palette, self.pixels, self.opaque = palette, pixels, opaque

    def at(self, x, y):
        return self.pixels[y][x] if self.opaque[y][x] else None


def _palette(picture):
    """The colour table of a palette picture as (r, g, b) tuples, else []."""
    if picture.mode != 'P':
        return []
    flat = picture.getpalette()
    return [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]


def _image(picture, bpp, palette):
    rgba = picture.convert('RGBA')
    w, h = rgba.size
    px = rgba.load()
    pixels = [[px[x, y][:3] for x in range(w)] for y in range(h)]
    opaque = [[px[x, y][3] != 0 for x in range(w)] for y in range(h)]
    return Image(w, h, bpp, palette, pixels, opaque)


def read_ico(path):
    """Returns a list of (directory entry dict, Image), in the file's order."""
    with open(path, 'rb') as f:
        data = f.read()
    reserved, kind, _count = struct.unpack_from('<HHH', data, 0)
    assert reserved == 0 and kind == 1, 'not an icon file'
    ico = IcoImagePlugin.IcoFile(io.BytesIO(data))
    out = []
    for index in sorted(range(len(ico.entry)), key=lambda i: ico.entry[i]['offset']):
        e = ico.entry[index]
        entry = dict(w=e['width'], h=e['height'], colors=e['nb_color'], planes=e['planes'],
                     bits=e['bpp'], size=e['size'], offset=e['offset'])
        # The image's own header: twice the height (colour bits, then the AND mask), and
        # the colour table right after it.
        hsize, w, h, planes, bpp, comp = struct.unpack_from('<IiiHHI', data, e['offset'])
        used = struct.unpack_from('<I', data, e['offset'] + 32)[0]
        assert hsize == 40 and planes == 1 and comp == 0, 'icon image header'
        assert (w, h) == (e['width'], 2 * e['height']), 'entry/header size differ'
        assert bpp == e['bpp'], 'entry says %d bits, header %d' % (e['bpp'], bpp)
        count = (used or 1 << bpp) if bpp <= 8 else 0
        table = data[e['offset'] + 40:e['offset'] + 40 + 4 * count]
        palette = [(table[i + 2], table[i + 1], table[i]) for i in range(0, len(table), 4)]
        out.append((entry, _image(ico.frame(index), bpp, palette)))
    return out


def read_bmp(path):
    with open(path, 'rb') as f:
        data = f.read()
    magic, fsize, _r1, _r2, off = struct.unpack_from('<2sIHHI', data, 0)
    assert magic == b'BM', 'not a bmp'
    assert fsize == len(data), 'file size field %d, file %d' % (fsize, len(data))
    hsize, _w, h, _planes, bpp = struct.unpack_from('<IiiHH', data, 14)
    assert hsize == 40 and h > 0, 'not a bottom-up BITMAPINFOHEADER'
    picture = PilImage.open(io.BytesIO(data))
    palette = _palette(picture)
    assert off == 14 + 40 + 4 * len(palette), 'bits offset %d' % off
    return _image(picture, bpp, palette)


def luma(c):
    r, g, b = c
    return 0.299 * r + 0.587 * g + 0.114 * b


# ---------------------------------------------------------------------------
# Checks

CHECKS = []


def check(fn):
    CHECKS.append(fn)
    return fn


def expect(cond, what):
    if not cond:
        raise AssertionError(what)


@check
def app_icon_images(d):
    imgs = read_ico(os.path.join(d, 'icon11.ico'))
    order = [(e['w'], e['bits'], e['colors'], e['planes']) for e, _ in imgs]
    expect(order == [(32, 4, 16, 1), (16, 4, 16, 1), (32, 8, 0, 1), (16, 8, 0, 1)],
           'icon11 images are %r' % order)
    for e, img in imgs:
        expect(img.w == img.h, 'icon11 image is not square')
        if e['bits'] == 4:
            expect(img.palette == VGA16, 'icon11 %dx%d 4-bit palette is not VGA'
                   % (img.w, img.h))
        else:
            expect(len(img.palette) == 256, 'icon11 8-bit palette has %d entries'
                   % len(img.palette))
        flat = [img.opaque[y][x] for y in range(img.h) for x in range(img.w)]
        expect(any(flat) and not all(flat), 'icon11 %d-bit %dx%d mask is all one way'
               % (e['bits'], img.w, img.h))


def _reddish(c):
    return c is not None and c[0] > 150 and c[1] < 110 and c[2] < 110


def _bluish(c):
    return c is not None and c[2] >= 120 and c[2] - max(c[0], c[1]) >= 60


@check
def app_icon_layout(d):
    # a red sigma to the left (top left when small), blue cards to the right
    for e, img in read_ico(os.path.join(d, 'icon11.ico')):
        n = img.w
        left = [img.at(x, y) for y in range(n) for x in range(n * 7 // 16)]
        right = [img.at(x, y) for y in range(n) for x in range(n // 2, n)]
        if n == 16:
            left = [img.at(x, y) for y in range(8) for x in range(7)]
        expect(sum(map(_reddish, left)) >= n, 'icon11 %d-bit %dx%d: no red sigma'
               % (e['bits'], n, n))
        expect(not any(map(_reddish, right)), 'icon11 %dx%d: red on the card side' % (n, n))
        expect(sum(map(_bluish, right)) >= n, 'icon11 %d-bit %dx%d: no blue cards'
               % (e['bits'], n, n))
        if n == 32:
            # three cards, one above the other: three separate runs of rows
            # that hold blue
            rows = [any(_bluish(img.at(x, y)) for x in range(16, 32)) for y in range(32)]
            runs = sum(1 for y in range(32) if rows[y] and (y == 0 or not rows[y - 1]))
            expect(runs == 3, 'icon11 %d-bit: %d card(s), not 3' % (e['bits'], runs))


def _small_24bit(d, num):
    imgs = read_ico(os.path.join(d, 'icon%d.ico' % num))
    expect(len(imgs) == 1, 'icon%d has %d images' % (num, len(imgs)))
    e, img = imgs[0]
    expect((e['w'], e['h'], e['bits'], e['colors'], e['planes']) == (16, 16, 24, 0, 1),
           'icon%d entry %r' % (num, e))
    return img


@check
def small_icons_format(d):
    for num in list(range(21, 29)) + list(range(31, 40)):
        img = _small_24bit(d, num)
        opaque = sum(map(sum, img.opaque))
        expect(20 <= opaque < 256, 'icon%d has %d opaque pixels' % (num, opaque))
        # transparent pixels must be black in the colour bits, else they
        # tint what is under them
        for y in range(16):
            for x in range(16):
                if not img.opaque[y][x]:
                    expect(img.pixels[y][x] == (0, 0, 0),
                           'icon%d: transparent pixel (%d,%d) not black' % (num, x, y))


@check
def squares_in_tiles(d):
    for num, colour in ((21, WHITE), (22, BLUE), (23, RED),
                        (37, WHITE), (38, BLUE), (39, RED)):
        img = _small_24bit(d, num)
        block = {img.at(x, y) for y in range(6, 10) for x in range(6, 10)}
        expect(block == {colour}, 'icon%d middle is %r, not %r' % (num, block, colour))
        expect(img.at(7, 2) not in (None, colour), 'icon%d has no tile around the square'
               % num)


@check
def nine_dots(d):
    for num in (24, 31):
        img = _small_24bit(d, num)
        whites = {(x, y) for y in range(16) for x in range(16) if img.at(x, y) == WHITE}
        # group white pixels into 4-connected dots
        dots = 0
        while whites:
            stack = [whites.pop()]
            dots += 1
            while stack:
                x, y = stack.pop()
                for q in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                    if q in whites:
                        whites.remove(q)
                        stack.append(q)
        expect(dots == 9, 'icon%d has %d white dots' % (num, dots))


@check
def colour_families(d):
    def warm(c):   # yellow to orange: red high, blue clearly lowest
        return c[0] >= 180 and c[2] < c[1] and c[2] < 160

    def lavender(c):  # blue channel on top
        return c[2] >= c[0] and c[2] >= c[1] and abs(c[0] - c[1]) <= 8

    for num in range(21, 28):
        img = _small_24bit(d, num)
        cols = [img.at(x, y) for y in range(16) for x in range(16) if img.at(x, y)]
        expect(sum(map(warm, cols)) * 2 > len(cols), 'icon%d is not yellow/orange' % num)
    grey = [c for y in range(16) for x in range(16)
            for c in [_small_24bit(d, 28).at(x, y)] if c]
    expect(all(c[0] == c[1] == c[2] for c in grey), 'icon28 is not grey')
    for num in range(31, 40):
        img = _small_24bit(d, num)
        cols = [img.at(x, y) for y in range(16) for x in range(16) if img.at(x, y)]
        expect(sum(map(lavender, cols)) * 2 > len(cols), 'icon%d is not lavender' % num)


@check
def arrows_point_their_way(d):
    # the arrow's wide head lies on the side it points to
    def mass(img):
        pts = [(x, y) for y in range(16) for x in range(16) if img.opaque[y][x]]
        return pts

    for num, axis, sign in ((33, 1, -1), (34, 0, -1), (35, 0, 1), (36, 1, 1)):
        pts = mass(_small_24bit(d, num))
        lo = min(p[axis] for p in pts)
        hi = max(p[axis] for p in pts)
        mid = (lo + hi) / 2
        head_side = [p for p in pts if (p[axis] - mid) * sign > 0]
        tail_side = [p for p in pts if (p[axis] - mid) * sign < 0]
        expect(len(head_side) > len(tail_side), 'icon%d points the wrong way' % num)


@check
def texture(d):
    img = read_bmp(os.path.join(d, 'texture41.bmp'))
    expect((img.w, img.h, img.bpp, len(img.palette)) == (117, 66, 8, 256),
           'texture41 is %dx%d, %d bpp, %d colours'
           % (img.w, img.h, img.bpp, len(img.palette)))
    cols = {c for row in img.pixels for c in row}
    ls = [luma(c) for c in cols]
    expect(min(ls) >= 215, 'texture41 too dark for text (luma %.0f)' % min(ls))
    expect(max(ls) - min(ls) <= 40, 'texture41 too contrasty')
    expect(len(cols) >= 16, 'texture41 is nearly flat (%d colours)' % len(cols))
    expect(all(c[0] >= c[2] for c in cols), 'texture41 is not cream/yellow')


def _face_edges(img, name, edges):
    for what, pts, colour in edges:
        got = {img.at(x, y) for x, y in pts}
        expect(got == {colour}, '%s %s is %r, not %r' % (name, what, got, colour))


FACE_LIGHT, FACE_DARK = (234, 234, 255), (217, 217, 255)
INNER, OUTER = (196, 196, 255), (170, 170, 255)


@check
def button_faces(d):
    r = range(1, 20)   # edge lines without their corners
    for name, pressed in (('face42', False), ('face43', True)):
        img = read_bmp(os.path.join(d, name + '.bmp'))
        expect((img.w, img.h, img.bpp) == (21, 21, 24), '%s is %dx%d, %d bpp'
               % (name, img.w, img.h, img.bpp))
        if not pressed:
            _face_edges(img, name, [
                ('row 0', [(x, 0) for x in range(20)], WHITE),
                ('column 0', [(0, y) for y in range(20)], WHITE),
                ('column 19', [(19, y) for y in r], INNER),
                ('row 19', [(x, 19) for x in r], INNER),
                ('column 20', [(20, y) for y in range(21)], OUTER),
                ('row 20', [(x, 20) for x in range(21)], OUTER),
            ])
            first, last = (1, 1), (18, 18)
        else:
            _face_edges(img, name, [
                ('row 0', [(x, 0) for x in range(20)], OUTER),
                ('column 0', [(0, y) for y in range(20)], OUTER),
                ('row 1', [(x, 1) for x in range(1, 19)], INNER),
                ('column 1', [(1, y) for y in range(1, 19)], INNER),
                ('column 20', [(20, y) for y in range(21)], WHITE),
                ('row 20', [(x, 20) for x in range(21)], WHITE),
            ])
            first, last = (2, 2), (19, 19)
        expect(img.at(*first) == FACE_LIGHT, '%s face starts at %r' % (name, img.at(*first)))
        dark = img.at(*last)
        expect(dark[2] == 255 and 212 <= dark[0] == dark[1] <= 222,
               '%s face ends at %r' % (name, dark))
        # the face gets no lighter towards the bottom right
        for k in range(first[0], last[0]):
            expect(img.at(k + 1, k + 1)[0] <= img.at(k, k)[0],
                   '%s gradient turns back at %d' % (name, k))


@check
def output_is_current(d):
    # the committed files are what picgen.py draws now, and it draws the
    # same bytes every time
    sys.dont_write_bytecode = True  # no __pycache__ in the source tree
    here = os.path.dirname(os.path.abspath(__file__))
    sys.path.insert(0, here)
    try:
        import picgen
    finally:
        sys.path.remove(here)
    first, second = picgen.pictures(), picgen.pictures()
    expect(first == second, 'picgen output differs between runs')
    names = sorted(n for n in os.listdir(d) if n.endswith(('.ico', '.bmp')))
    expect(names == sorted(first), 'pictures dir holds %r' % names)
    stale = [n for n in names if open(os.path.join(d, n), 'rb').read() != first[n]]
    expect(not stale, 'out of date, run tools/picgen/picgen.py: %s' % ', '.join(stale))


def main(argv):
    d = argv[1] if len(argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), '..', '..', 'app', 'pictures')
    passed = failed = 0
    for fn in CHECKS:
        try:
            fn(d)
        except (AssertionError, OSError, struct.error) as e:
            failed += 1
            print('FAIL %s: %s' % (fn.__name__, e))
        else:
            passed += 1
            print('ok   %s' % fn.__name__)
    print('%d passed, %d failed' % (passed, failed))
    return 1 if failed else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
