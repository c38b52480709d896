#!/usr/bin/python3
"""Tests for the help build (build-help.sh), its context-map repair
(chmtool.py) and the checker (check_help.py).

    /usr/bin/python3 tests/tools/test_help.py

Each case works on a scratch copy of help/ (with the topic numbers of
base/context.h beside the pages), so the real sources are never touched. Needs chmcmd (fp-utils), iconv and python3-chm.
"""
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

TOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir)
HELP = os.path.join(TOP, 'help')
TOOLS = os.path.join(TOP, 'tools', 'help')
sys.path.insert(0, TOOLS)
import chmtool  # noqa: E402


def run(cmd, cwd=None):
    return subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE,
                          stderr=subprocess.STDOUT, text=True)


class Scratch(unittest.TestCase):
    """A private copy of help/ plus an output directory."""

    def setUp(self):
        self.tmp = tempfile.mkdtemp(prefix='zelmora-help-test.')
        self.src = os.path.join(self.tmp, 'help')
        shutil.copytree(HELP, self.src, ignore=shutil.ignore_patterns('__pycache__'))
        shutil.copy(os.path.join(TOP, 'base', 'context.h'), self.src)
        self.out = os.path.join(self.tmp, 'out')

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def edit(self, name, old, new):
        path = os.path.join(self.src, name)
        with open(path, encoding='utf-8') as f:
            text = f.read()
        self.assertIn(old, text)
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text.replace(old, new, 1))

    def build(self, cwd=None, out=None):
        return run(['bash', os.path.join(TOOLS, 'build-help.sh'), out or self.out, self.src,
                    os.path.join(self.src, 'context.h')], cwd=cwd or self.tmp)

    def check(self, chm=None):
        return run([sys.executable, os.path.join(TOOLS, 'check_help.py'),
                    chm or os.path.join(self.out, 'zelmora.chm'), '--src', self.src,
                    '--context', os.path.join(self.src, 'context.h')])


class BuildAndCheck(Scratch):
    def test_out_of_source_build_from_other_directory_passes_check(self):
        elsewhere = os.path.join(self.tmp, 'somewhere', 'else')
        os.makedirs(elsewhere)
        before = sorted(os.listdir(self.src))
        r = self.build(cwd=elsewhere, out=os.path.join('..', 'build', 'help'))
        self.assertEqual(r.returncode, 0, r.stdout)
        chm = os.path.join(self.tmp, 'somewhere', 'build', 'help', 'zelmora.chm')
        self.assertTrue(os.path.isfile(chm))
        self.assertEqual(sorted(os.listdir(self.src)), before, 'build wrote into the sources')
        self.assertEqual(os.listdir(elsewhere), [], 'build wrote into the current directory')
        r = self.check(chm)
        self.assertEqual(r.returncode, 0, r.stdout)
        self.assertRegex(r.stdout.strip().splitlines()[-1], r'^\d+ passed, 0 failed$')

    def test_usage_error_without_output_dir(self):
        r = run(['bash', os.path.join(TOOLS, 'build-help.sh')])
        self.assertNotEqual(r.returncode, 0)
        self.assertIn('usage', r.stdout)


class BuildFailures(Scratch):
    """Faults in the sources must stop the build, not yield a half-right file."""

    def assertBuildFails(self, hint):
        r = self.build()
        self.assertNotEqual(r.returncode, 0, r.stdout)
        self.assertIn(hint, r.stdout)
        self.assertFalse(os.path.exists(os.path.join(self.out, 'zelmora.chm')))

    def test_broken_link(self):
        self.edit('keys.htm', 'href="buttons.htm"', 'href="knopki.htm"')
        self.assertBuildFails('knopki.htm')

    def test_character_without_windows_1251_form(self):
        self.edit('sheet.htm', '&#931;', '\u03a3')
        self.assertBuildFails('windows-1251')

    def test_file_listed_in_project_but_missing(self):
        os.remove(os.path.join(self.src, 'limits.htm'))
        self.assertBuildFails('limits.htm')

    def test_alias_to_unknown_file(self):
        self.edit('zelmora.hhp', 'IDH_LICENSE=license.htm', 'IDH_LICENSE=licence.htm')
        self.assertBuildFails('chmcmd failed')


class CheckerCatches(Scratch):
    """The checker must notice a .chm that would misbehave in the viewer."""

    def setUp(self):
        super().setUp()
        r = self.build()
        self.assertEqual(r.returncode, 0, r.stdout)
        self.chm = os.path.join(self.out, 'zelmora.chm')

    def test_swapped_context_numbers(self):
        self.edit('context.h', 'IDH_GENERAL 10', 'IDH_GENERAL 99')
        self.edit('context.h', 'IDH_LICENSE 60', 'IDH_LICENSE 10')
        self.edit('context.h', 'IDH_GENERAL 99', 'IDH_GENERAL 60')
        self.assertEqual(self.build().returncode, 0)
        r = self.check()
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("context 10 leads to 'license.htm'", r.stdout)

    def test_unrepaired_context_paths(self):
        # What chmcmd alone produces: absolute paths of the build machine.
        work = os.path.join(self.tmp, 'raw')
        os.makedirs(work)
        for name in os.listdir(self.src):
            if name.endswith('.gif'):
                shutil.copy(os.path.join(self.src, name), work)
            elif name.endswith(('.htm', '.css', '.hhc', '.hhk', '.hhp', '.h')):
                with open(os.path.join(self.src, name), encoding='utf-8') as f:
                    text = f.read().replace('charset=utf-8', 'charset=windows-1251')
                with open(os.path.join(work, name), 'wb') as f:
                    f.write(text.encode('cp1251'))
        self.assertEqual(run(['chmcmd', 'zelmora.hhp'], cwd=work).returncode, 0)
        raw = os.path.join(work, 'zelmora.chm')
        r = self.check(raw)
        self.assertNotEqual(r.returncode, 0)
        self.assertIn("context 10 leads to '/", r.stdout)

    def test_page_changed_after_build(self):
        self.edit('license.htm', 'не вправе изменять', 'вправе изменять')
        r = self.check()
        self.assertNotEqual(r.returncode, 0)
        self.assertIn('license.htm differs from its source', r.stdout)

    def rebuilt_check_fails(self, hint):
        r = self.build()
        if r.returncode == 0:
            r = self.check()
        self.assertNotEqual(r.returncode, 0, r.stdout)
        self.assertIn(hint, r.stdout)

    def test_collapsed_help_window(self):
        # The window a viewer opens with the contents pane a few pixels wide.
        self.edit('zelmora.hhp', '0x42520,220,0x304E,[10,10,790,560]', '0x42520,0,0x304E,')
        self.rebuilt_check_fails('contents pane 0 px wide')

    def test_help_window_beyond_a_small_screen(self):
        # It must fit 800 x 600 less the taskbar, as the program does.
        for rect in ('[40,30,840,640]',    # fits 1024 x 768 only
                     '[0,0,800,600]',      # the whole screen, under the taskbar
                     '[-8,10,792,560]'):   # its frame off the left edge
            with self.subTest(rect=rect):
                self.edit('zelmora.hhp', '[10,10,790,560]', rect)
                try:
                    self.rebuilt_check_fails('does not fit a 800x600 screen')
                finally:
                    self.edit('zelmora.hhp', rect, '[10,10,790,560]')

    def test_picture_missing_or_left_out(self):
        self.edit('zelmora.hhp', 'buttons.gif\n', '')
        self.rebuilt_check_fails('buttons.gif')
        os.remove(os.path.join(self.src, 'buttons.gif'))
        self.rebuilt_check_fails('buttons.gif')

    def test_index_entry_to_a_missing_anchor(self):
        self.edit('zelmora.hhk', 'value="keys.htm#move"', 'value="keys.htm#moves"')
        # chmcmd itself refuses an anchor missing from a page; the check would say so too.
        self.rebuilt_check_fails('keys.htm#moves')

    def test_truncated_file(self):
        with open(self.chm, 'rb') as f:
            data = f.read()
        with open(self.chm, 'wb') as f:
            f.write(data[:len(data) // 2])
        r = self.check()
        self.assertNotEqual(r.returncode, 0)
        self.assertRegex(r.stdout, r'does not decode|cannot open')

    def test_not_a_chm(self):
        with open(self.chm, 'wb') as f:
            f.write(b'MZ' + b'\0' * 200)
        r = self.check()
        self.assertNotEqual(r.returncode, 0)
        self.assertIn('not an ITSF file', r.stdout)


class ContextRepair(Scratch):
    def setUp(self):
        super().setUp()
        r = self.build()
        self.assertEqual(r.returncode, 0, r.stdout)
        self.chm = os.path.join(self.out, 'zelmora.chm')
        with open(self.chm, 'rb') as f:
            self.data = f.read()

    def test_repair_is_idempotent(self):
        new, n = chmtool.fix_context(self.chm, self.tmp)
        self.assertEqual(n, 0)
        self.assertEqual(new, self.data)

    def test_repair_keeps_every_other_file_and_header_size(self):
        chm = chmtool.ChmFile(self.chm)
        hs0 = struct.unpack_from('<Q', self.data, 0x38)[0]
        self.assertEqual(struct.unpack_from('<Q', self.data, hs0 + 8)[0], len(self.data))
        self.assertEqual(chm.entries['/#STRINGS'].space, 0, '#STRINGS was not relocated')
        # Offsets of the other strings (titles in the contents) still resolve.
        strings = chm.read('#STRINGS')
        self.assertIn('Ввод времени'.encode('cp1251') + b'\0', strings)
        self.assertEqual(chmtool.context_topics(chm), {10: 'general.htm', 60: 'license.htm'})


if __name__ == '__main__':
    unittest.main(verbosity=2)
