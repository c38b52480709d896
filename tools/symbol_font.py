#!/usr/bin/env python3
"""Copies a TrueType font, marking its Unicode character map as a symbol map.

Debian's symbol.ttf carries its glyphs under platform 3, encoding 1, where Windows looks
for a symbol font's glyphs under platform 3, encoding 0; without the change a SYMBOL_CHARSET
font draws boxes.

    symbol_font.py SOURCE.ttf TARGET.ttf
"""
import struct
import sys


def mark_as_symbol(data: bytearray) -> bool:
    tables = struct.unpack_from(">H", data, 4)[0]
    for i in range(tables):
        tag, _, offset, _ = struct.unpack_from(">4sIII", data, 12 + 16 * i)
        if tag != b"cmap":
            continue
        count = struct.unpack_from(">H", data, offset + 2)[0]
        for j in range(count):
            record = offset + 4 + 8 * j
            platform, encoding = struct.unpack_from(">HH", data, record)
            if platform == 3 and encoding == 1:
                struct.pack_into(">HH", data, record, 3, 0)
                return True
            if platform == 3 and encoding == 0:
                return True
    return False


def main() -> int:
    source, target = sys.argv[1], sys.argv[2]
    with open(source, "rb") as f:
        data = bytearray(f.read())
    if not mark_as_symbol(data):
        print(f"{source}: no Windows character map found", file=sys.stderr)
        return 1
    with open(target, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
