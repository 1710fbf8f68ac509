#!/usr/bin/env python3
"""Compares quillot-render --fields with what an XML parser reads.

For every well-formed file of the folder, each leaf element with one of the
known PAD element names and text that is not blank must be a record of
--fields with the same value, and every record must be the text of such an
element: a value lost, garbled or taken from a comment fails the check.
Runs of white space (CR, LF, tab, blank) compare as one blank.

Usage: corpus_fields_check.py QUILLOT_RENDER CORPUS_DIR VOCABULARY_CPP
(VOCABULARY_CPP: reader/vocabulary.cpp, whose table names the elements)
"""
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ET


def collapse(text):
    return re.sub(r"[\r\n\t ]+", " ", text).strip()


def parser_values(path, known):
    """The (tag, value) pairs of the known leaf elements, or None when the
    file is not well-formed XML."""
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError:
        return None
    values = []
    for element in root.iter():
        if not isinstance(element.tag, str) or len(element) > 0:
            continue
        tag = known.get(element.tag.lower())
        value = collapse(element.text or "")
        if tag is not None and value:
            values.append((tag, value))
    return values


def main():
    render, corpus, vocabulary = sys.argv[1], sys.argv[2], sys.argv[3]
    files = sorted(
        os.path.join(corpus, name)
        for name in os.listdir(corpus)
        if name.lower().endswith((".xml", ".pad"))
    )
    output = subprocess.run(
        [render, "--fields", "--jobs", "1", *files], capture_output=True, check=True
    ).stdout.decode("utf-8")
    records = {}
    for line in output.splitlines():
        record = json.loads(line)
        records.setdefault(record["file"], []).append((record["tag"], collapse(record["value"])))
    known = {tag.lower(): tag for tag in known_tags(vocabulary)}

    checked = 0
    faults = []
    for path in files:
        expected = parser_values(path, known)
        if expected is None:
            continue
        checked += 1
        got = records.get(path, [])
        name = os.path.basename(path)
        for pair in expected:
            if pair not in got:
                faults.append(f"{name}: {pair[0]} = {pair[1][:60]!r} is missing from --fields")
        for pair in got:
            if pair not in expected:
                faults.append(f"{name}: --fields has {pair[0]} = {pair[1][:60]!r}, the XML does not")
    for fault in faults:
        print(fault)
    print(f"{checked} well-formed files checked, {len(faults)} differences")
    return 1 if faults or checked == 0 or len(known) != 76 else 0


def known_tags(vocabulary):
    """The element names of the reader's table (kPadTags) in its source."""
    with open(vocabulary, encoding="utf-8") as source:
        text = source.read()
    table = text[text.index("kPadTags[] = {") : text.index("};", text.index("kPadTags[] = {"))]
    return re.findall(r'"([A-Za-z_0-9]+)"', table)


if __name__ == "__main__":
    sys.exit(main())
