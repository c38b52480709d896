#!/usr/bin/env python3
"""Prints what the help pages promise, for the walkthrough test: one NAME=VALUE line per
element of the pages that carries an id; its value is the keys it names ("0 3 4 5") when
it holds keys (<span class="key">), else its text ("03:45").

    help_figures.py PAGE.htm...
"""
import html.parser
import sys

VOID = {'br', 'img', 'meta', 'link', 'hr', 'input'}


class Figures(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.open = []  # of the elements being read: [tag, id, is a key, texts, keys]
        self.found = {}

    def handle_starttag(self, tag, attrs):
        if tag in VOID:
            return
        attrs = dict(attrs)
        self.open.append([tag, attrs.get('id'), attrs.get('class') == 'key', [], []])

    def handle_endtag(self, tag):
        while self.open:
            name, ident, _, texts, keys = self.open.pop()
            if ident:
                self.found[ident] = ' '.join(keys) if keys else ''.join(texts).strip()
            if name == tag:
                break

    def handle_data(self, data):
        in_key = any(element[2] for element in self.open)
        for element in self.open:
            element[3].append(data)
            if in_key and data.strip():
                element[4].append(data.strip())


def main():
    figures = Figures()
    for page in sys.argv[1:]:
        with open(page, encoding='utf-8') as f:
            figures.feed(f.read())
    for name, value in sorted(figures.found.items()):
        print('%s=%s' % (name, value))


if __name__ == '__main__':
    main()
