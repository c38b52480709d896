"""What a test run did, from ctest's JUnit report: how many tests ran, passed, failed and
were skipped, why each skipped test was (its "skipped: REASON" line), and the cases that
tests which ran left out on purpose (GoogleTest's SKIPPED, a script's "skipped:" line).
Ends with the line "tests: N passed, N failed, N skipped"; fails when a test failed or
none ran.
    summary.py build/ctest-results.xml
"""
import re
import sys
import xml.etree.ElementTree as ElementTree


def reason(output):
    found = re.findall(r'^skipped: (.*)$', output or '', re.MULTILINE)
    return found[-1].strip() if found else 'no reason given'


def inner_skips(output):
    lines = re.findall(r'^\[  SKIPPED \] (\S+).*$', output or '', re.MULTILINE)
    lines += re.findall(r'^skipped: (.*)$', output or '', re.MULTILINE)
    return sorted(set(line.strip() for line in lines))


def summarise(path):
    cases = ElementTree.parse(path).getroot().iter('testcase')
    passed, failed, skipped, inner = [], [], [], []
    for case in cases:
        name = case.get('name')
        output = ''.join(node.text or '' for node in case.iter('system-out'))
        if case.find('skipped') is not None or case.get('status') in ('notrun', 'disabled'):
            skipped.append((name, reason(output)))
        elif case.find('failure') is not None or case.find('error') is not None:
            failed.append(name)
        else:
            passed.append(name)
            inner += [(name, line) for line in inner_skips(output)]
    ran = len(passed) + len(failed)
    print('\n%d tests: %d ran (%d passed, %d failed), %d skipped'
          % (ran + len(skipped), ran, len(passed), len(failed), len(skipped)))
    for name, why in skipped:
        print('  skipped %s: %s' % (name, why))
    for name, line in inner:
        print('  %s left out: %s' % (name, line))
    for name in failed:
        print('  failed %s' % name)
    print('tests: %d passed, %d failed, %d skipped' % (len(passed), len(failed), len(skipped)))
    return 0 if ran > 0 and not failed else 1


if __name__ == '__main__':
    sys.exit(summarise(sys.argv[1]))
