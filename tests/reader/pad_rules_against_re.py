#!/usr/bin/env python3
"""Holds the check's verdict on every PAD rule against the rule's published
regular expression, evaluated by Python's re (flag re.ASCII: \\d is [0-9];
\\Z is the end of the text, "." any character but LF, \\xNN is U+00NN, as the
check reads them).

Usage: pad_rules_against_re.py VERDICT_TOOL PUBLISHED_RULES CORPUS_DIR

1. The expressions that the check keeps are the published ones, byte for byte.
2. For every rule of both versions, sample values made from its expression
   (lengths at the bounds of each {m,n}, every character of the Latin-1 range
   and beyond, each word of its lists and near misses, URL schemes and
   endings, e-mail splits, phone numbers, random strings of the characters
   that matter), in UTF-8 and in Windows-1252 documents, get the same verdict.
3. So does every record of every corpus file, under both versions.
"""
import glob
import os
import random
import re
import subprocess
import sys

PRESS_KEYWORDS = 'Press_Release/Keywords'

# Windows-1252 as the check reads it: the five unassigned bytes are U+0081 etc.
CP1252 = []
for b in range(256):
    try:
        CP1252.append(bytes([b]).decode('cp1252'))
    except UnicodeDecodeError:
        CP1252.append(chr(b))
CP1252_BYTE = {c: b for b, c in enumerate(CP1252)}


def document_text(data, encoding):
    """The characters of document bytes: valid UTF-8 sequences of a UTF-8
    document, every other byte as its Windows-1252 character."""
    if encoding == 'Windows-1252':
        return ''.join(CP1252[b] for b in data)
    out, i = [], 0
    while i < len(data):
        b = data[i]
        n = 2 if 0xC2 <= b <= 0xDF else 3 if 0xE0 <= b <= 0xEF else 4 if 0xF0 <= b <= 0xF4 else 0
        if n:
            try:
                out.append(data[i:i + n].decode('utf-8'))
                i += n
                continue
            except UnicodeDecodeError:
                pass
        out.append(CP1252[b])
        i += 1
    return ''.join(out)


def as_documents(value):
    """The value as the bytes of a UTF-8 document and, where it can be, of a
    Windows-1252 one."""
    docs = [('UTF-8', value.encode('utf-8', 'surrogatepass'))]
    if all(c in CP1252_BYTE for c in value):
        docs.append(('Windows-1252', bytes(CP1252_BYTE[c] for c in value)))
    return docs


# Bytes that are no valid UTF-8: each is its Windows-1252 character.
RAW_UTF8 = [b'caf\xe9', b'\xc3', b'ab\xc3', b'\xc0\xaf', b'\xed\xa0\x80', b'\xf4\x90\x80\x80',
            b'\x80\x81\x8d\x8f\x90\x9d', b'\xe2\x82', b'\xff\xfe', b'a\xbc\xbd\xbe']

EXTRA_CHARS = ['\u0141', '\u0416', '\u4e2d', '\U0001F600', '\u2028', '\ufffd', '\U0010FFFF',
               '\u0152', '\u20ac', '\u2122']
FILLS = ['a', 'Z', '7', ' ', '.', '\xe9', '\xff', '\xbc', '\xbb', '\u0141', '\u0416', '\n',
         '\U0001F600', '\x81', '\u20ac', '\r', '\t', '<']

GENERIC = (['', ' ', 'a', 'ab', '\r', '\n', '\t', '<', 'a<b', 'a\rb', 'a\nb', 'a\tb', '0', '00',
            '3.11', '4.0', '3x11', '10.0', '3.', '3', '311', '3.1a', '3\n11', '3\r11', '3\xe911',
            '3\U0001F60011', 'a.11', '3.11\n', '4.0.1', '19.95', '19.9', '19,95', '$19', '.95',
            '19.', '19.950', '1.2.3', '1,234', 'Y', 'y', 'N', 'n', 'Yes', 'YN', 'Days', 'days',
            'Either/Or', 'http://ab', 'https://ab', 'ftp://ab.zip', 'x@y.z', 'ab@cd.ef',
            '+1 (555) 123-4567', '555.123.4567', 'v1.0', '1.0 beta', 'English,German',
            'English, German', 'WinXP,Win7 x64', 'Win7', 'USD', 'usd', 'Utilities']
           + ['%02d' % i for i in range(100)] + [str(y) for y in range(1890, 2211)]
           + ['1', '9', '001', '012', '190', '21999'])


def alternatives(group):
    """The alternatives of a group's text, split at its top-level bars."""
    parts, depth, cur, i = [], 0, '', 0
    while i < len(group):
        c = group[i]
        if c == '\\':
            cur += group[i:i + 2]
            i += 2
            continue
        if c == '(':
            depth += 1
        elif c == ')':
            depth -= 1
        if c == '|' and depth == 0:
            parts.append(cur)
            cur = ''
        else:
            cur += c
        i += 1
    parts.append(cur)
    return parts


def literal_words(regex):
    """The plain words of every alternation of the expression."""
    words = []
    for start in [m.start() for m in re.finditer(r'(?<!\\)\(', regex)]:
        depth, i = 0, start
        while i < len(regex):
            if regex[i] == '\\':
                i += 2
                continue
            depth += {'(': 1, ')': -1}.get(regex[i], 0)
            if depth == 0:
                break
            i += 1
        for alt in alternatives(regex[start + 1:i]):
            if alt and not re.search(r'(?<!\\)[\[\](){}*+?.]', alt):
                words.append(re.sub(r'\\(.)', r'\1', alt))
    return words


def samples(regex, rng):
    out = set(GENERIC)
    words = literal_words(regex)
    for w in words:
        out.update([w, w + ' ', ' ' + w, w[:-1], w + 'x', 'x' + w, w.lower(), w.upper(), w + w,
                    w + ',' + w, w + ', ' + w, w + ' ' + w, w + ';' + w, ',' + w, w + ',',
                    w + ' ,', w + '\r' + w, w + '\n'])
    if words:
        joiners = [',', ' ', ', ', ',,', '', ';', '\r']
        for _ in range(500):
            items = [rng.choice(words + ['x', 'Win7', 'GPL']) for _ in range(rng.randint(1, 4))]
            out.add(''.join(item + rng.choice(joiners) for item in items).rstrip(';\r')
                    if rng.random() < 0.5 else rng.choice(joiners).join(items))
    bounds = [(int(m), int(n or m)) for m, n in re.findall(r'\{(\d+)(?:,(\d+))?\}', regex)]
    for m, n in bounds:
        lengths = {m - 1, m, m + 1, n - 1, n, n + 1} - {-1}
        for length in lengths:
            for fill in (FILLS if n <= 1000 else FILLS[:6] + ['\U0001F600', '\r']):
                out.add(fill * length)
            out.add('a' * (length - 1) + '\U0001F600' if length else '')
            out.add('\xe9\n' * (length // 2) + '\xe9' * (length % 2))
    if re.search(r'\]\{|\]\\Z', regex):
        low = max(1, bounds[0][0]) if bounds else 1
        for c in [chr(i) for i in range(256)] + EXTRA_CHARS:
            out.update([c * low, c + 'a' * (low - 1), '0' * (low - 1) + c])
    if '\\/\\/' in regex:
        endings = [w for w in words if w.isalpha() and w.islower() and len(w) <= 4
                   and w not in ('http', 'https', 'ftp')] or ['']
        for scheme in ['http', 'https', 'ftp', 'HTTP', 'file', 'http:', 'http:/']:
            for ending in endings + ['EXE', 'jpeg', 'exe?x=1', 'tar.gz']:
                tail = '.' + ending if ending else ''
                for length in (1, 2, 3, 119, 120, 121):
                    out.add(scheme + '://' + 'a' * length + tail)
                for middle in ('\xe9\xe9', '\U0001F600' * 120, '\U0001F600' * 121, 'a\rb', 'a\nb',
                               '.' * 2, 'x/y.exe', '\u0141' * 119):
                    out.add(scheme + '://' + middle + tail)
    if '\\@' in regex:
        for a in (1, 2, 3, 29, 30, 31):
            for b in (1, 2, 3, 62, 63, 64):
                for c in (1, 2, 3, 19, 20, 21):
                    out.add('a' * a + '@' + 'b' * b + '.' + 'c' * c)
        for _ in range(1500):
            alphabet = rng.choice(['a@.', 'a@.\xe9', 'a@.\U0001F600', 'a@.\r\n'])
            out.add(''.join(rng.choice(alphabet) for _ in range(rng.randint(5, 120))))
    if '\\+{0,2}' in regex:
        for _ in range(1500):
            alphabet = rng.choice(['0 +', '0123456789 +()#*-._/,', '0+ x\xe9\r'])
            out.add(''.join(rng.choice(alphabet) for _ in range(rng.randint(0, 50))))
        for k in range(5):
            for digits in (6, 7, 40, 41):
                out.update(['+' * k + '1' * digits, '+' * k + ' ' + '1' * digits,
                            '+' * k + '1 ' * digits, '+' * k + '1' * (digits - 1) + '+'])
    return out


def run_tool(tool, mode, lines=None, files=()):
    proc = subprocess.run([tool, mode, *files], input=None if lines is None else '\n'.join(lines)
                          + ('\n' if lines else ''), capture_output=True, text=True)
    if proc.returncode != 0:
        sys.exit('%s %s failed: %s' % (tool, mode, proc.stderr))
    return proc.stdout.splitlines()


def compare(tool, cases, what):
    """cases: (version, element, regex, encoding, bytes); prints the cases whose
    verdicts differ and returns their number."""
    lines = ['\t'.join((v, e, enc, data.hex())) for v, e, _, enc, data in cases]
    ours = run_tool(tool, 'verdicts', lines)
    if len(ours) != len(cases):
        sys.exit('%s: %d verdicts for %d values' % (what, len(ours), len(cases)))
    wrong, accepted = 0, 0
    for (v, e, regex, enc, data), verdict in zip(cases, ours):
        expected = re.match(regex, document_text(data, enc), re.ASCII) is not None
        accepted += expected
        if (verdict == '1') != expected:
            wrong += 1
            if wrong <= 30:
                print('%s: PAD %s %s, %s %r: check says %s, re says %s'
                      % (what, v, e, enc, document_text(data, enc)[:200], verdict, int(expected)))
    print('%s: %d values, %d accepted by re, %d verdicts differ' % (what, len(cases), accepted, wrong))
    return wrong


def main():
    tool, published_path, corpus = sys.argv[1:4]
    published = {}
    with open(published_path, encoding='utf-8') as f:
        for line in f:
            if line.strip() and not line.startswith('#'):
                version, path, regex = line.rstrip('\n').split('\t')
                published[(version, path)] = regex

    rules = {}
    failures = 0
    for line in run_tool(tool, 'rules'):
        version, element, regex = line.split('\t')
        rules[(version, element)] = regex
        if element == 'Keywords':
            path = 'Program_Descriptions/English/Keywords'
        elif element == PRESS_KEYWORDS:
            path = PRESS_KEYWORDS
        else:
            path = next((p for (v, p) in published if v == version and p.endswith('/' + element)),
                        None)
        if published.get((version, path)) != regex:
            print('PAD %s %s: the expression is not the published one: %s' % (version, element, regex))
            failures += 1
    if sum(v == '3.11' for v, _ in rules) != 68 or sum(v == '4.0' for v, _ in rules) != 69:
        print('expected 68 rules of PAD 3.11 and 69 of PAD 4.0, got %d' % len(rules))
        failures += 1

    rng = random.Random(18)
    cases = []
    for (version, element), regex in sorted(rules.items()):
        values = sorted(samples(regex, rng))
        for value in values:
            for enc, data in as_documents(value):
                cases.append((version, element, regex, enc, data))
        for data in RAW_UTF8:
            cases.append((version, element, regex, 'UTF-8', data))
    failures += compare(tool, cases, 'samples')

    files = sorted(glob.glob(os.path.join(corpus, '*.xml')))
    cases = []
    for line in run_tool(tool, 'records', files=files):
        enc, element, section, value = line.split('\t')
        for version in ('3.11', '4.0'):
            key = PRESS_KEYWORDS if version == '4.0' and element == 'Keywords' and not section \
                else element
            if (version, key) in rules:
                cases.append((version, key, rules[(version, key)], enc, bytes.fromhex(value)))
    if len(files) < 60 or not cases:
        print('the corpus gave %d files and %d records' % (len(files), len(cases)))
        failures += 1
    failures += compare(tool, cases, 'corpus of %d files' % len(files))
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
