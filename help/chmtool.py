"""Small reader (and one repair) for compiled HTML help (.chm, ITSF) files.

Reads the directory and the files of both sections: section 0 is stored
plain, section 1 is LZX-compressed (decoded here with a small LZX decoder,
so no external tool is needed). Written for checking the help this
project builds; it handles what chmcmd and the usual compilers produce.

Repair (used by build-help.sh):

    python3 chmtool.py fix-context FILE.chm PROJECT_DIR

chmcmd 3.2.2 writes the context-map topics ([ALIAS] + [MAP], read by the
viewer through #IVB -> #STRINGS) as absolute paths of the build machine
("/tmp/x/general.htm"), so a context-help call finds no page. The repair
writes a corrected copy of #STRINGS (same layout, the paths made relative,
padded with NULs so that every other offset into #STRINGS stays valid) to
the end of the file, as an uncompressed section-0 file, and points the
directory entry at it.
"""
import struct
import sys

FRAME = 0x8000


class ChmError(Exception):
    pass


# ---------------------------------------------------------------- LZX ----

_EXTRA_BITS = []
_POS_BASE = []
_j = 0
for _i in range(0, 52, 2):
    _EXTRA_BITS += [_j, _j]
    if _i != 0 and _j < 17:
        _j += 1
_b = 0
for _i in range(51):
    _POS_BASE.append(_b)
    _b += 1 << _EXTRA_BITS[_i]
_POSN_SLOTS = {15: 30, 16: 32, 17: 34, 18: 36, 19: 38, 20: 42, 21: 50}


class _Bits:
    """LZX bit stream: 16-bit little-endian words, bits taken from the top."""

    def __init__(self, data, start):
        if (len(data) - start) % 2:
            data = data + b'\0'
        words = struct.unpack_from('<%dH' % ((len(data) - start) // 2), data, start)
        self.s = ''.join(format(w, '016b') for w in words) + '0' * 32
        self.n = len(self.s) - 32
        self.pos = 0

    def read(self, n):
        if n == 0:
            return 0
        v = int(self.s[self.pos:self.pos + n], 2)
        self.pos += n
        if self.pos > self.n:
            raise ChmError('LZX: read past end of compressed data')
        return v

    def peek16(self):
        return int(self.s[self.pos:self.pos + 16], 2)

    def align16(self):
        self.pos = (self.pos + 15) & ~15

    def byte_pos(self):
        return self.pos // 8


class _Tree:
    def __init__(self, lengths, maxbits=16):
        self.table = [None] * (1 << maxbits)
        self.maxbits = maxbits
        code = 0
        for ln in range(1, maxbits + 1):
            for sym, l in enumerate(lengths):
                if l == ln:
                    lo = code << (maxbits - ln)
                    hi = (code + 1) << (maxbits - ln)
                    if hi > len(self.table):
                        raise ChmError('LZX: over-full Huffman code')
                    for k in range(lo, hi):
                        self.table[k] = (sym, ln)
                    code += 1
            code <<= 1

    def decode(self, bits):
        e = self.table[bits.peek16() >> (16 - self.maxbits)]
        if e is None:
            raise ChmError('LZX: invalid Huffman code')
        bits.pos += e[1]
        return e[0]


def _read_lengths(bits, lengths, first, last):
    pre = _Tree([bits.read(4) for _ in range(20)])
    x = first
    while x < last:
        z = pre.decode(bits)
        if z == 17:
            run = bits.read(4) + 4
            lengths[x:x + run] = [0] * run
            x += run
        elif z == 18:
            run = bits.read(5) + 20
            lengths[x:x + run] = [0] * run
            x += run
        elif z == 19:
            run = bits.read(1) + 4
            z = pre.decode(bits)
            v = (lengths[x] - z + 17) % 17
            lengths[x:x + run] = [v] * run
            x += run
        else:
            lengths[x] = (lengths[x] - z + 17) % 17
            x += 1
    if x > last:
        raise ChmError('LZX: length run overflows the tree')


def lzx_decompress(data, start, out_len, window_bits):
    """Decodes one LZX stream (from a reset point) into out_len bytes."""
    if window_bits not in _POSN_SLOTS:
        raise ChmError('LZX: unsupported window size 2^%d' % window_bits)
    main_elems = 256 + _POSN_SLOTS[window_bits] * 8
    bits = _Bits(data, start)
    out = bytearray()
    r = [1, 1, 1]
    main_len = [0] * main_elems
    len_len = [0] * 249
    intel = bits.read(1)
    intel_size = (bits.read(16) << 16) | bits.read(16) if intel else 0
    block_left = 0
    block_type = 0
    main = length = aligned = None
    frame_end = min(FRAME, out_len)
    while len(out) < out_len:
        if block_left == 0:
            block_type = bits.read(3)
            block_left = (bits.read(16) << 8) | bits.read(8)
            if block_type == 2:
                aligned = _Tree([bits.read(3) for _ in range(8)], 8)
            if block_type in (1, 2):
                _read_lengths(bits, main_len, 0, 256)
                _read_lengths(bits, main_len, 256, main_elems)
                main = _Tree(main_len)
                _read_lengths(bits, len_len, 0, 249)
                length = _Tree(len_len) if any(len_len) else None
            elif block_type == 3:
                skip = 16 - (bits.pos % 16)
                bits.pos += skip
                p = bits.byte_pos()
                r = list(struct.unpack_from('<3I', bits_raw(bits), p))
                bits.pos += 96
            else:
                raise ChmError('LZX: bad block type %d' % block_type)
            if block_left == 0:
                raise ChmError('LZX: empty block')
        while block_left > 0 and len(out) < frame_end:
            if block_type == 3:
                p = bits.byte_pos()
                n = min(block_left, frame_end - len(out))
                out += bits_raw(bits)[p:p + n]
                bits.pos += 8 * n
                block_left -= n
                if block_left == 0 and (bits.pos // 8) % 2:
                    bits.pos += 8
                continue
            sym = main.decode(bits)
            if sym < 256:
                out.append(sym)
                block_left -= 1
                continue
            sym -= 256
            mlen = sym & 7
            if mlen == 7:
                if length is None:
                    raise ChmError('LZX: length tree used but empty')
                mlen += length.decode(bits)
            mlen += 2
            slot = sym >> 3
            if slot == 0:
                off = r[0]
            elif slot == 1:
                off = r[1]
                r[1] = r[0]
                r[0] = off
            elif slot == 2:
                off = r[2]
                r[2] = r[0]
                r[0] = off
            else:
                extra = _EXTRA_BITS[slot]
                off = _POS_BASE[slot] - 2
                if block_type == 2 and extra >= 3:
                    if extra > 3:
                        off += bits.read(extra - 3) << 3
                    off += aligned.decode(bits)
                else:
                    off += bits.read(extra)
                r[2] = r[1]
                r[1] = r[0]
                r[0] = off
            if off > len(out):
                raise ChmError('LZX: match before start of data')
            src = len(out) - off
            for k in range(mlen):
                out.append(out[src + k])
            block_left -= mlen
        if block_left < 0:
            raise ChmError('LZX: match overran its block')
        if len(out) >= frame_end:
            bits.align16()
            frame_end = min(frame_end + FRAME, out_len)
    del out[out_len:]
    if intel:
        _undo_e8(out, intel_size)
    return bytes(out)


def bits_raw(bits):
    # The raw bytes behind a _Bits stream, rebuilt from its bit string.
    if not hasattr(bits, '_raw'):
        words = [int(bits.s[i:i + 16], 2) for i in range(0, bits.n, 16)]
        bits._raw = struct.pack('<%dH' % len(words), *words)
    return bits._raw


def _undo_e8(out, size):
    for fstart in range(0, len(out), FRAME):
        fend = min(fstart + FRAME, len(out))
        i = fstart
        while i < fend - 10:
            if out[i] == 0xE8:
                absv = struct.unpack_from('<i', out, i + 1)[0]
                cur = i
                if -cur <= absv < size:
                    rel = absv - cur if absv >= 0 else absv + size
                    struct.pack_into('<i', out, i + 1, rel)
                i += 5
            else:
                i += 1


# ---------------------------------------------------------------- CHM ----

def _encint(b, i):
    v = 0
    while True:
        c = b[i]
        i += 1
        v = (v << 7) | (c & 0x7F)
        if not c & 0x80:
            return v, i


def _directory_chunks(data):
    """Yields (offset, bytes) of every chunk of the directory that lists files (PMGL)."""
    _, _, dir_off, _ = struct.unpack_from('<QQQQ', data, 0x38)
    hlen, = struct.unpack_from('<I', data, dir_off + 8)
    chunk, = struct.unpack_from('<I', data, dir_off + 0x10)
    nchunks, = struct.unpack_from('<I', data, dir_off + 0x2C)
    base = dir_off + hlen
    for c in range(nchunks):
        offset = base + c * chunk
        cb = data[offset:offset + chunk]
        if cb[:4] == b'PMGL':
            yield offset, cb


def _chunk_entries(cb):
    """The [name, section, offset, length] entries of one PMGL chunk, in order."""
    free, = struct.unpack_from('<I', cb, 4)
    entries = []
    i, end = 20, len(cb) - free
    while i < end:
        n, i = _encint(cb, i)
        name = cb[i:i + n].decode('utf-8')
        i += n
        sec, i = _encint(cb, i)
        off, i = _encint(cb, i)
        ln, i = _encint(cb, i)
        entries.append([name, sec, off, ln])
    return entries


class ChmFile:
    def __init__(self, data):
        self.data = data
        if len(data) < 0x60 or data[:4] != b'ITSF':
            raise ChmError('not an ITSF file')
        self.version = struct.unpack_from('<I', data, 4)[0]
        self.lcid_header = struct.unpack_from('<I', data, 0x14)[0]
        _, _, dir_off, dir_len = struct.unpack_from('<QQQQ', data, 0x38)
        if self.version >= 3:
            self.content_off = struct.unpack_from('<Q', data, 0x58)[0]
        else:
            self.content_off = dir_off + dir_len
        if data[dir_off:dir_off + 4] != b'ITSP':
            raise ChmError('directory header (ITSP) missing')
        self.entries = {}
        for _, cb in _directory_chunks(data):
            for name, sec, off, ln in _chunk_entries(cb):
                self.entries[name] = (sec, off, ln)
        if not self.entries:
            raise ChmError('empty directory')
        self._sec1 = None

    @classmethod
    def open(cls, path):
        with open(path, 'rb') as f:
            return cls(f.read())

    def names(self):
        return sorted(self.entries)

    def _raw0(self, name):
        sec, off, ln = self.entries[name]
        if sec != 0:
            raise ChmError('%s is not in section 0' % name)
        start = self.content_off + off
        if start + ln > len(self.data):
            raise ChmError('%s runs past end of file' % name)
        return self.data[start:start + ln]

    def section1(self):
        if self._sec1 is None:
            ms = '::DataSpace/Storage/MSCompressed/'
            ctrl = self._raw0(ms + 'ControlData')
            if ctrl[4:8] != b'LZXC':
                raise ChmError('section 1 is not LZX')
            ver, reset, window = struct.unpack_from('<III', ctrl, 8)
            if ver == 2:
                reset *= FRAME
                window *= FRAME
            window_bits = window.bit_length() - 1
            rt = self._raw0(ms + 'Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}'
                            '/InstanceData/ResetTable')
            _, count, esize, hsize = struct.unpack_from('<4I', rt, 0)
            ulen, clen, blen = struct.unpack_from('<3Q', rt, 16)
            if blen != FRAME or esize != 8:
                raise ChmError('unexpected reset table layout')
            offsets = [struct.unpack_from('<Q', rt, hsize + 8 * k)[0] for k in range(count)]
            comp = self._raw0(ms + 'Content')
            if len(comp) < clen:
                raise ChmError('compressed content truncated')
            per_reset = max(reset // FRAME, 1)
            out = bytearray()
            for first in range(0, count, per_reset):
                n = min(ulen - first * FRAME, per_reset * FRAME)
                if n <= 0:
                    break
                out += lzx_decompress(comp, offsets[first], n, window_bits)
            if len(out) != ulen:
                raise ChmError('section 1: got %d bytes, expected %d' % (len(out), ulen))
            self._sec1 = bytes(out)
        return self._sec1

    def read(self, name):
        if not name.startswith('/') and not name.startswith('::'):
            name = '/' + name
        if name not in self.entries:
            raise KeyError(name)
        sec, off, ln = self.entries[name]
        if sec == 0:
            return self._raw0(name)
        data = self.section1()
        if off + ln > len(data):
            raise ChmError('%s runs past end of section 1' % name)
        return data[off:off + ln]


# ------------------------------------------------------------- repair ----

def _encode_encint(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.append(0x80 | (v & 0x7F))
        v >>= 7
    return bytes(reversed(out))


def _pmgl_chunk(header, entries, chunk_size):
    """Lays out a PMGL chunk the way chmcmd does: a quickref offset for
    every 5th entry, stored backwards from the end, then the entry count."""
    body = bytearray()
    quick = []
    for k, (name, sec, off, ln) in enumerate(entries, 1):
        raw = name.encode('utf-8')
        e = _encode_encint(len(raw)) + raw + _encode_encint(sec) + \
            _encode_encint(off) + _encode_encint(ln)
        if k % 5 == 0:
            quick.append(len(body))
        body += e
    used = 20 + len(body)
    if used + 2 * (len(quick) + 1) > chunk_size:
        raise ChmError('directory chunk overflows after repair')
    chunk = bytearray(chunk_size)
    chunk[0:20] = header
    struct.pack_into('<I', chunk, 4, chunk_size - used)
    chunk[20:used] = body
    for k, q in enumerate(quick, 1):
        struct.pack_into('<H', chunk, chunk_size - 2 - 2 * k, q)
    struct.pack_into('<H', chunk, chunk_size - 2, len(entries))
    return bytes(chunk)


def context_topics(chm):
    """{context number: topic string} as the viewer resolves them."""
    if '/#IVB' not in chm.entries:
        return {}
    ivb = chm.read('#IVB')
    strings = chm.read('#STRINGS')
    size, = struct.unpack_from('<I', ivb, 0)
    if size % 8 or 4 + size > len(ivb):
        raise ChmError('#IVB has a bad size')
    out = {}
    for k in range(size // 8):
        ctx, off = struct.unpack_from('<II', ivb, 4 + 8 * k)
        end = strings.find(b'\0', off)
        if off >= len(strings) or end < 0:
            raise ChmError('#IVB points outside #STRINGS')
        out[ctx] = strings[off:end].decode('cp1251')
    return out


def fix_context(data, project_dir):
    """Returns (new file bytes, number of topics made relative)."""
    chm = ChmFile(data)
    if '/#IVB' not in chm.entries:
        return data, 0
    prefix = project_dir.rstrip('/') + '/'
    strings = bytearray(chm.read('#STRINGS'))
    ivb = chm.read('#IVB')
    size, = struct.unpack_from('<I', ivb, 0)
    changed = 0
    for k in range(size // 8):
        _, off = struct.unpack_from('<II', ivb, 4 + 8 * k)
        end = strings.index(b'\0', off)
        topic = bytes(strings[off:end])
        if topic.startswith(prefix.encode('utf-8')):
            rel = topic[len(prefix.encode('utf-8')):]
            strings[off:end] = rel + b'\0' * (len(topic) - len(rel))
            changed += 1
    if not changed:
        return data, 0

    d = bytearray(data)
    new_off = len(d) - chm.content_off
    d += strings

    for offset, cb in _directory_chunks(data):
        entries = _chunk_entries(cb)
        if not any(e[0] == '/#STRINGS' for e in entries):
            continue
        if _pmgl_chunk(cb[:20], entries, len(cb)) != cb:
            raise ChmError('directory chunk layout not understood; not repairing')
        for e in entries:
            if e[0] == '/#STRINGS':
                e[1], e[2], e[3] = 0, new_off, len(strings)
        d[offset:offset + len(cb)] = _pmgl_chunk(cb[:20], entries, len(cb))
        break
    else:
        raise ChmError('#STRINGS not found in the directory')

    hs0_off = struct.unpack_from('<Q', data, 0x38)[0]
    if struct.unpack_from('<Q', data, hs0_off + 8)[0] == len(data):
        struct.pack_into('<Q', d, hs0_off + 8, len(d))
    return bytes(d), changed


def _main(argv):
    if len(argv) == 4 and argv[1] == 'fix-context':
        with open(argv[2], 'rb') as f:
            data = f.read()
        new, n = fix_context(data, argv[3])
        if n:
            with open(argv[2], 'wb') as f:
                f.write(new)
        topics = context_topics(ChmFile(new))
        bad = 0
        for ctx in sorted(topics):
            print('context %d -> %s' % (ctx, topics[ctx]))
            if topics[ctx].startswith('/'):
                sys.stderr.write('chmtool: context %d still points to an absolute path\n' % ctx)
                bad = 1
        return bad
    sys.stderr.write('usage: chmtool.py fix-context FILE.chm PROJECT_DIR\n')
    return 2


if __name__ == '__main__':
    sys.exit(_main(sys.argv))
