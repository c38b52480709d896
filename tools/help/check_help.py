#!/usr/bin/python3
"""Checks a compiled Zelmora help file.

    python3 tools/help/check_help.py CHM_FILE [--src HELP_SOURCE_DIR] [--context CONTEXT_H]

Reads the .chm with chmtool.py (chmlib, through the python3-chm package of the
system's /usr/bin/python3) and compares it with the
sources in help/: container and header, the help window's definition, every
page and picture byte for byte (after the windows-1251 conversion the build
does), the pictures the pages show, links, contents and index down to their
anchors, the disk space the requirements state (when the program lies in
../bin beside the help), and the context map: the program opens topic 10
(general) and 60 (licence agreement) by number, so those two numbers must lead
to those two pages.
Prints one line per failed check and "N passed, M failed" at the end; exits
non-zero when anything failed.
"""
import argparse
import os
import re
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import chmtool  # noqa: E402

# What the program relies on: context number -> page, and the heading the
# page must carry (so that the number leads to the right content).
REQUIRED_CONTEXTS = {10: ('general.htm', 'Общие сведения'),
                     60: ('license.htm', 'Лицензионное соглашение')}
TITLE = 'Зельмора 2.0 — справка'
LCID_RUSSIAN = 0x0419


class Checker:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failed += 1
            print('FAIL: ' + what)
        return ok


def read_hhp(path):
    sections = {}
    cur = None
    with open(path, encoding='utf-8') as f:
        for line in f:
            line = line.rstrip('\r\n')
            m = re.match(r'^\[(.+)\]\s*$', line)
            if m:
                cur = m.group(1).upper()
                sections[cur] = []
            elif cur and line.strip() and not line.startswith(';'):
                sections[cur].append(line.strip())
    return sections


def read_defines(path):
    out = {}
    with open(path, encoding='utf-8') as f:
        for line in f:
            m = re.match(r'\s*#define\s+(\w+)\s+(\d+)', line)
            if m:
                out[m.group(1)] = int(m.group(2))
    return out


def system_records(chm):
    data = chm.read('#SYSTEM')
    recs = {}
    i = 4
    while i + 4 <= len(data):
        code, ln = struct.unpack_from('<HH', data, i)
        recs[code] = data[i + 4:i + 4 + ln]
        i += 4 + ln
    return recs


def cstr(b):
    return b.split(b'\0', 1)[0].decode('cp1251')


def expected_bytes(src_path):
    if src_path.endswith('.gif'):
        with open(src_path, 'rb') as f:
            return f.read()
    with open(src_path, encoding='utf-8') as f:
        text = f.read()
    text = re.sub('charset=utf-8', 'charset=windows-1251', text, flags=re.I)
    return text.encode('cp1251')


def links_of(html):
    refs = re.findall(r'(?:href|src)\s*=\s*"([^"]*)"', html, flags=re.I)
    refs += re.findall(r'<param\s+name="Local"\s+value="([^"]*)"', html, flags=re.I)
    return refs


def gif_size(data):
    """(width, height) of a GIF, or None when the bytes are not one."""
    if data[:6] not in (b'GIF87a', b'GIF89a'):
        return None
    return struct.unpack_from('<HH', data, 6)


# The help window ([WINDOWS] in the project, /#WINDOWS in the .chm): one 196-byte entry.
WIN_VALID, WIN_PROPERTIES, WIN_RECT, WIN_NAV_WIDTH = 0x0C, 0x10, 0x20, 0x4C
WIN_TOC, WIN_INDEX, WIN_FILE, WIN_TB_FLAGS, WIN_NOT_EXPANDED = 0x60, 0x64, 0x68, 0x70, 0x74
PARAM_PROPERTIES, PARAM_RECT, PARAM_NAV_WIDTH, PARAM_TB_FLAGS = 0x2, 0x10, 0x20, 0x100
PROP_TRI_PANE, PROP_TAB_SEARCH = 0x20, 0x400
# Hide/show of the contents, back, forward, home, print, options.
BUTTONS = {'expand': 0x2, 'back': 0x4, 'forward': 0x8, 'home': 0x40, 'print': 0x2000, 'options': 0x1000}
# The smallest screen the program fits, less the task bar at its bottom: the help window,
# frame and all, must fit there too.
SCREEN = (800, 600)
TASKBAR = 30


def check_window(c, chm, options):
    if not c.check('/#WINDOWS' in chm.entries, 'internal file /#WINDOWS missing'):
        return
    data = chm.read('#WINDOWS')
    count, size = struct.unpack_from('<II', data, 0)
    if not c.check(count == 1 and size == 196 and len(data) >= 8 + size,
                   '/#WINDOWS holds %d entries of %d bytes' % (count, size)):
        return
    entry = data[8:8 + size]
    strings = chm.read('#STRINGS')

    def dword(at):
        return struct.unpack_from('<I', entry, at)[0]

    def string(at):
        off = dword(at)
        return strings[off:strings.find(b'\0', off)].decode('cp1251')

    valid = dword(WIN_VALID)
    for flag, what in ((PARAM_PROPERTIES, 'properties'), (PARAM_RECT, 'window rectangle'),
                       (PARAM_NAV_WIDTH, 'contents width'), (PARAM_TB_FLAGS, 'buttons')):
        c.check(valid & flag, 'help window: the %s not defined (valid members 0x%x)' % (what, valid))
    left, top, right, bottom = struct.unpack_from('<4i', entry, WIN_RECT)
    c.check(0 <= left and 0 <= top and right <= SCREEN[0] and bottom <= SCREEN[1] - TASKBAR,
            'help window %d,%d-%d,%d does not fit a %dx%d screen above a %d px taskbar'
            % ((left, top, right, bottom) + SCREEN + (TASKBAR,)))
    c.check(right - left >= 640 and bottom - top >= 480,
            'help window %dx%d is smaller than 640x480' % (right - left, bottom - top))
    nav = dword(WIN_NAV_WIDTH)
    c.check(180 <= nav <= (right - left) // 3,
            'contents pane %d px wide, expected 180 to a third of the window' % nav)
    c.check(dword(WIN_NOT_EXPANDED) == 0, 'the contents pane starts closed')
    props = dword(WIN_PROPERTIES)
    c.check(props & PROP_TRI_PANE, 'help window has no contents pane (properties 0x%x)' % props)
    if options.get('Full-text search', '').lower() == 'yes':
        c.check(props & PROP_TAB_SEARCH, 'help window has no search tab (properties 0x%x)' % props)
    flags = dword(WIN_TB_FLAGS)
    missing = [name for name, bit in BUTTONS.items() if not flags & bit]
    c.check(not missing, 'help window lacks the buttons %s (0x%x)' % (', '.join(missing), flags))
    c.check(string(WIN_TOC) == options.get('Contents file'), 'help window contents %r' % string(WIN_TOC))
    c.check(string(WIN_INDEX) == options.get('Index file'), 'help window index %r' % string(WIN_INDEX))
    c.check(string(WIN_FILE) == options.get('Default topic'), 'help window opens %r' % string(WIN_FILE))


def anchors_of(html):
    return set(re.findall(r'<a\s+name="([^"]+)"', html, flags=re.I)) | \
        set(re.findall(r'\sid="([^"]+)"', html, flags=re.I))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('chm')
    ap.add_argument('--src', default=os.path.join(HERE, os.pardir, os.pardir, 'help'))
    ap.add_argument('--context', default=os.path.join(HERE, os.pardir, os.pardir, 'base', 'context.h'))
    args = ap.parse_args()
    c = Checker()

    # --- container ----------------------------------------------------
    try:
        chm = chmtool.ChmFile.open(args.chm)
    except (OSError, chmtool.ChmError) as e:
        c.check(False, 'open %s: %s' % (args.chm, e))
        print('%d passed, %d failed' % (c.passed, c.failed))
        return 1
    c.check(chm.version == 3, 'ITSF version is %d, expected 3' % chm.version)
    for name in ('/#SYSTEM', '/#IVB', '/#STRINGS', '/#TOPICS', '/#URLTBL', '/#URLSTR'):
        c.check(name in chm.entries, 'internal file %s missing' % name)
    try:
        for name in chm.names():
            chm.read(name)
        c.check(True, '')
    except chmtool.ChmError as e:
        c.check(False, 'a file of the .chm does not decode: %s' % e)
        print('%d passed, %d failed' % (c.passed, c.failed))
        return 1

    hhp = read_hhp(os.path.join(args.src, 'zelmora.hhp'))
    options = dict(l.split('=', 1) for l in hhp.get('OPTIONS', []) if '=' in l)

    # --- header: language, title, start page ---------------------------
    recs = system_records(chm)
    lcid = struct.unpack_from('<I', recs.get(4, b'\0' * 4))[0]
    c.check(lcid == LCID_RUSSIAN, 'LCID is 0x%04x, expected 0x0419' % lcid)
    title = cstr(recs.get(3, b''))
    c.check(title == TITLE, 'title is %r, expected %r' % (title, TITLE))
    c.check(options.get('Title') == TITLE, 'project title differs from %r' % TITLE)
    c.check(cstr(recs.get(2, b'')) == 'general.htm',
            'default topic is %r' % cstr(recs.get(2, b'')))
    c.check(cstr(recs.get(0, b'')) == options.get('Contents file'), 'contents file not recorded')
    c.check(cstr(recs.get(1, b'')) == options.get('Index file'), 'index file not recorded')
    check_window(c, chm, options)

    # --- pages ---------------------------------------------------------
    files = hhp.get('FILES', [])
    files += [options['Contents file'], options['Index file']]
    present = {n.lstrip('/').lower() for n in chm.names()}
    texts = {}
    for name in files:
        if not c.check('/' + name in chm.entries, 'page %s missing from the .chm' % name):
            continue
        data = chm.read(name)
        c.check(data == expected_bytes(os.path.join(args.src, name)),
                '%s differs from its source' % name)
        if name.endswith(('.htm', '.hhc', '.hhk')):
            text = data.decode('cp1251')
            texts[name] = text
            c.check('charset=windows-1251' in text, '%s lacks the windows-1251 meta' % name)
    for name, text in texts.items():
        if not name.endswith('.htm'):
            continue
        c.check(re.search(r'<title>[^<]*[А-Яа-я][^<]*</title>', text) is not None,
                '%s has no Russian <title>' % name)
        c.check(not re.search(r'<script|(?:https?|ftp|file):', text, re.I),
                '%s has a script or an external reference' % name)

    # --- pictures: on a page, in the project, in the .chm, of the size the page gives -------
    listed = {n.lower() for n in files}
    for name in sorted(os.listdir(args.src)):
        if name.endswith('.gif'):
            c.check(name.lower() in listed, 'picture %s is not in [FILES]' % name)
    shown = set()
    for name, text in texts.items():
        for img in re.findall(r'<img\b[^>]*>', text, flags=re.I):
            attrs = dict((k.lower(), v) for k, v in re.findall(r'(\w+)\s*=\s*"([^"]*)"', img))
            src = attrs.get('src', '')
            shown.add(src.lower())
            if not c.check(src.lower() in listed, '%s shows %r, not in [FILES]' % (name, src)):
                continue
            if not c.check('/' + src in chm.entries, '%s shows %r, not in the .chm' % (name, src)):
                continue
            size = gif_size(chm.read(src))
            c.check(size is not None, '%s is not a GIF' % src)
            c.check(size == (int(attrs.get('width', -1)), int(attrs.get('height', -1))),
                    '%s is %s, %s gives width %s height %s'
                    % (src, size, name, attrs.get('width'), attrs.get('height')))
            c.check(attrs.get('alt'), '%s shows %s without a text for it' % (name, src))
    for name in files:
        if name.endswith('.gif'):
            c.check(name.lower() in shown, 'picture %s is on no page' % name)

    # --- links, contents, index: every target page exists, and so does its anchor -----
    anchors = {name.lower(): anchors_of(text) for name, text in texts.items()}
    for name, text in texts.items():
        for ref in links_of(text):
            target, _, anchor = ref.partition('#')
            target = target.lower() or name.lower()
            if not c.check(target in present, '%s links to %s, not in the .chm' % (name, ref)):
                continue
            if anchor:
                c.check(anchor in anchors.get(target, ()),
                        '%s links to %s: no anchor "%s" on that page' % (name, ref, anchor))
    toc = texts.get(options.get('Contents file'), '')
    toc_targets = {r.lower() for r in links_of(toc)}
    for name in files:
        if name.endswith('.htm'):
            c.check(name.lower() in toc_targets, '%s is not in the contents' % name)
    index = texts.get(options.get('Index file'), '')
    index_entries = re.findall(r'<param\s+name="Name"\s+value="([^"]*)"', index, flags=re.I)
    c.check(len(index_entries) >= 20, 'index has only %d entries' % len(index_entries))
    # Every key a page names is in the index ("Вверх, Вниз (клавиши)" names two keys).
    indexed = {k.strip() for e in index_entries for k in re.sub(r'\s*\(.*\)', '', e).split(',')}
    for name, text in sorted(texts.items()):
        for key in sorted(set(re.findall(r'<span class="key">([^<]+)</span>', text))):
            if not key.isdigit():
                c.check(key in indexed, '%s names the key %s, which the index lacks' % (name, key))

    # --- the disk space the requirements state, against the program beside the help ---
    exe = os.path.join(os.path.dirname(os.path.abspath(args.chm)), os.pardir, 'bin', 'zelmora.exe')
    if os.path.isfile(exe):
        m = re.search(r'id="disk">около (\d+) КБ', texts.get('sysreq.htm', ''))
        actual = (os.path.getsize(exe) + os.path.getsize(args.chm)) / 1024
        if c.check(m, 'sysreq.htm states no disk space in КБ'):
            c.check(abs(int(m.group(1)) - actual) <= actual / 10,
                    'sysreq.htm says %s КБ on disk, the program and the help take %.0f КБ'
                    % (m.group(1), actual))

    # --- context map ---------------------------------------------------
    topics = chmtool.context_topics(chm)
    c.check(set(topics) == set(REQUIRED_CONTEXTS),
            'context numbers are %s, expected %s' % (sorted(topics), sorted(REQUIRED_CONTEXTS)))
    for num, (page, heading) in sorted(REQUIRED_CONTEXTS.items()):
        got = topics.get(num)
        if not c.check(got == page, 'context %d leads to %r, expected %r' % (num, got, page)):
            continue
        c.check('/' + got in chm.entries, 'context %d page %s not in the .chm' % (num, got))
        text = chm.read(got).decode('cp1251')
        c.check('<h1>%s</h1>' % heading in text,
                'context %d page does not show "%s"' % (num, heading))
    defines = read_defines(args.context)
    aliases = dict(l.split('=', 1) for l in hhp.get('ALIAS', []) if '=' in l)
    for sym, num in sorted(defines.items()):
        c.check(topics.get(num) == aliases.get(sym),
                '%s (%d): .chm has %r, [ALIAS] says %r' % (sym, num, topics.get(num), aliases.get(sym)))

    print('%d passed, %d failed' % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == '__main__':
    sys.exit(main())
