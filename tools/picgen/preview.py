#!/usr/bin/env python3
"""Renders the pictures enlarged to PNG for looking at them.

    python3 tools/picgen/preview.py [PICTURES_DIR] [OUT_DIR]

Icons are drawn over the background they will sit on (lavender button face
for the 3x glyphs, a light menu colour for the 2x icons, both for icon 11);
the texture is shown tiled 2 x 2 so seams would show.  Also writes
sheet.png with everything on one page.  Default OUT_DIR: /tmp/picgen-preview.
"""

import os
import struct
import sys
import zlib

sys.dont_write_bytecode = True  # no __pycache__ in the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_pictures import read_bmp, read_ico  # noqa: E402

FACE = (234, 234, 255)
MENU = (245, 245, 240)
SHEET_BG = (120, 120, 120)


def write_png(path, rows):
    h, w = len(rows), len(rows[0])
    raw = b''.join(b'\0' + bytes(v for c in row for v in c) for row in rows)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data
                + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff))

    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0))
                + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def enlarge(img, scale, bg, grid_lines=True):
    rows = []
    for y in range(img.h):
        line = []
        for x in range(img.w):
            c = img.at(x, y) or bg
            line += [c] * scale
        for k in range(scale):
            if grid_lines and k == scale - 1:
                rows.append([tuple(max(0, v - 12) for v in c) for c in line])
            else:
                rows.append(list(line))
    return rows


def pad(rows, w, h, bg):
    out = [r + [bg] * (w - len(r)) for r in rows]
    return out + [[bg] * w for _ in range(h - len(out))]


def hjoin(blocks, bg, gap=8):
    h = max(len(b) for b in blocks)
    out = [[] for _ in range(h)]
    for i, b in enumerate(blocks):
        b = pad(b, len(b[0]), h, bg)
        for y in range(h):
            out[y] += b[y] + ([bg] * gap if i < len(blocks) - 1 else [])
    return out


def vjoin(blocks, bg, gap=8):
    w = max(len(b[0]) for b in blocks)
    out = []
    for i, b in enumerate(blocks):
        out += pad(b, w, len(b), bg)
        if i < len(blocks) - 1:
            out += [[bg] * w for _ in range(gap)]
    return out


class Tiled:
    def __init__(self, img, nx, ny):
        self.w, self.h, self.img = img.w * nx, img.h * ny, img

    def at(self, x, y):
        return self.img.at(x % self.img.w, y % self.img.h)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    src = argv[1] if len(argv) > 1 else os.path.join(here, '..', '..', 'app', 'pictures')
    out = argv[2] if len(argv) > 2 else '/tmp/picgen-preview'
    os.makedirs(out, exist_ok=True)
    sheet_rows = []

    app = read_ico(os.path.join(src, 'icon11.ico'))
    blocks = []
    for bg in (FACE, MENU, (0, 128, 128)):
        for e, img in app:
            blocks.append(enlarge(img, 12 if img.w == 16 else 8, bg))
    for e, img in app:
        write_png(os.path.join(out, 'icon11-%dx%d-%dbit.png' % (img.w, img.h, e['bits'])),
                  enlarge(img, 12, MENU))
    sheet_rows.append(hjoin(blocks, SHEET_BG))

    for nums, bg in ((range(21, 29), MENU), (range(31, 40), FACE)):
        blocks = []
        for n in nums:
            _, img = read_ico(os.path.join(src, 'icon%d.ico' % n))[0]
            big = enlarge(img, 12, bg)
            write_png(os.path.join(out, 'icon%d.png' % n), big)
            blocks.append(big)
        sheet_rows.append(hjoin(blocks, SHEET_BG))
        # actual size too, on a strip of the background
        small = [enlarge(read_ico(os.path.join(src, 'icon%d.ico' % n))[0][1], 2, bg, False)
                 for n in nums]
        sheet_rows.append(hjoin(small, bg, 8))

    tex = read_bmp(os.path.join(src, 'texture41.bmp'))
    tiled = enlarge(Tiled(tex, 2, 2), 4, None, False)
    write_png(os.path.join(out, 'texture41.png'), tiled)
    faces = []
    for name in ('face42', 'face43'):
        img = read_bmp(os.path.join(src, name + '.bmp'))
        big = enlarge(img, 12, None)
        write_png(os.path.join(out, name + '.png'), big)
        faces.append(big)
    sheet_rows.append(hjoin([tiled] + faces, SHEET_BG))

    write_png(os.path.join(out, 'sheet.png'), vjoin(sheet_rows, SHEET_BG))
    print('previews in', out)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
