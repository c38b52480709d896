#!/usr/bin/env python3
"""Checks a compiled Zelmora help file.

    python3 help/check_help.py CHM_FILE [--src HELP_SOURCE_DIR]

Reads the .chm with chmtool.py (no external tools) and compares it with the
sources in help/: container and header, every page byte for byte (after the
windows-1251 conversion the build does), links, contents and index, and the
context map: the program opens topic 10 (general) and 60 (licence agreement)
by number, so those two numbers must lead to those two pages.
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
    with open(src_path, encoding='utf-8') as f:
        text = f.read()
    text = re.sub('charset=utf-8', 'charset=windows-1251', text, flags=re.I)
    return text.encode('cp1251')


def links_of(html):
    refs = re.findall(r'(?:href|src)\s*=\s*"([^"]*)"', html, flags=re.I)
    refs += re.findall(r'<param\s+name="Local"\s+value="([^"]*)"', html, flags=re.I)
    return refs


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('chm')
    ap.add_argument('--src', default=HERE)
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
        chm.section1()
        c.check(True, '')
    except chmtool.ChmError as e:
        c.check(False, 'compressed section does not decode: %s' % e)
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

    # --- links, contents, index ----------------------------------------
    for name, text in texts.items():
        for ref in links_of(text):
            target = ref.split('#', 1)[0].lower()
            if target:
                c.check(target in present, '%s links to %s, not in the .chm' % (name, ref))
    toc = texts.get(options.get('Contents file'), '')
    toc_targets = {r.lower() for r in links_of(toc)}
    for name in files:
        if name.endswith('.htm'):
            c.check(name.lower() in toc_targets, '%s is not in the contents' % name)
    index_entries = re.findall(r'name="Name"', texts.get(options.get('Index file'), ''))
    c.check(len(index_entries) >= 20, 'index has only %d entries' % len(index_entries))

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
    defines = read_defines(os.path.join(args.src, 'context.h'))
    aliases = dict(l.split('=', 1) for l in hhp.get('ALIAS', []) if '=' in l)
    for sym, num in sorted(defines.items()):
        c.check(topics.get(num) == aliases.get(sym),
                '%s (%d): .chm has %r, [ALIAS] says %r' % (sym, num, topics.get(num), aliases.get(sym)))

    print('%d passed, %d failed' % (c.passed, c.failed))
    return 1 if c.failed else 0


if __name__ == '__main__':
    sys.exit(main())
