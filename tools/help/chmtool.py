"""Reading compiled HTML help (.chm) through chmlib, and one repair of our own.

Reading is Debian's chmlib through its Python binding (package python3-chm; run with the
system /usr/bin/python3): ChmFile lists and reads the files of the container.

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

try:
    from chm import chmlib
except ImportError:
    sys.exit('chmtool: the chmlib binding is missing (package python3-chm, for /usr/bin/python3)')


class ChmError(Exception):
    pass


class ChmFile:
    """The files of a .chm: entries (name -> chmlib's unit: start, length, space, ...),
    names() and read(name); version is the container's (ITSF) format version."""

    def __init__(self, path):
        with open(path, 'rb') as f:
            head = f.read(0x60)
        if len(head) < 0x60 or head[:4] != b'ITSF':
            raise ChmError('not an ITSF file')
        self.version = struct.unpack_from('<I', head, 4)[0]
        self._handle = chmlib.chm_open(path)
        if not self._handle:
            raise ChmError('chmlib cannot open %s' % path)
        self.entries = {}

        def add(_handle, unit, _context):
            self.entries[unit.path.decode('utf-8')] = unit
            return chmlib.CHM_ENUMERATOR_CONTINUE

        chmlib.chm_enumerate(self._handle, chmlib.CHM_ENUMERATE_ALL, add, None)
        if not self.entries:
            raise ChmError('empty directory')

    @classmethod
    def open(cls, path):
        return cls(path)

    def names(self):
        return sorted(self.entries)

    def read(self, name):
        if not name.startswith('/') and not name.startswith('::'):
            name = '/' + name
        unit = self.entries[name]
        if unit.length == 0:
            return b''
        got, data = chmlib.chm_retrieve_object(self._handle, unit, 0, unit.length)
        if got != unit.length:
            raise ChmError('%s does not decode (%d of %d bytes)' % (name, got, unit.length))
        return bytes(data)


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


# ------------------------------------------------------------- repair ----
# The repair rewrites one chunk of the directory (PMGL), as chmcmd lays it out.

def _encint(b, i):
    v = 0
    while True:
        c = b[i]
        i += 1
        v = (v << 7) | (c & 0x7F)
        if not c & 0x80:
            return v, i


def _encode_encint(v):
    out = [v & 0x7F]
    v >>= 7
    while v:
        out.append(0x80 | (v & 0x7F))
        v >>= 7
    return bytes(reversed(out))


def _directory_chunks(data):
    """Yields (offset, bytes) of every chunk of the directory that lists files (PMGL)."""
    _, _, dir_off, _ = struct.unpack_from('<QQQQ', data, 0x38)
    if data[dir_off:dir_off + 4] != b'ITSP':
        raise ChmError('directory header (ITSP) missing')
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


def fix_context(path, project_dir):
    """Returns (the file's bytes repaired, number of topics made relative)."""
    with open(path, 'rb') as f:
        data = f.read()
    chm = ChmFile(path)
    if '/#IVB' not in chm.entries:
        return data, 0
    prefix = (project_dir.rstrip('/') + '/').encode('utf-8')
    strings = bytearray(chm.read('#STRINGS'))
    ivb = chm.read('#IVB')
    size, = struct.unpack_from('<I', ivb, 0)
    changed = 0
    for k in range(size // 8):
        _, off = struct.unpack_from('<II', ivb, 4 + 8 * k)
        end = strings.index(b'\0', off)
        topic = bytes(strings[off:end])
        if topic.startswith(prefix):
            rel = topic[len(prefix):]
            strings[off:end] = rel + b'\0' * (len(topic) - len(rel))
            changed += 1
    if not changed:
        return data, 0

    # The copy goes to the end of the file, in section 0, whose offsets count from the
    # content's start (recorded in the header from version 3 on, else after the directory).
    _, _, dir_off, dir_len = struct.unpack_from('<QQQQ', data, 0x38)
    content_off = struct.unpack_from('<Q', data, 0x58)[0] if chm.version >= 3 else dir_off + dir_len
    d = bytearray(data)
    new_off = len(d) - content_off
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
        new, n = fix_context(argv[2], argv[3])
        if n:
            with open(argv[2], 'wb') as f:
                f.write(new)
        topics = context_topics(ChmFile(argv[2]))
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
