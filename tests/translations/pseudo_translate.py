#!/usr/bin/python3
"""Fills a .ts file made by lupdate with a pseudo-translation: every text
wrapped in [ ], a third longer, its letters accented, so a test can tell a
translated text from one that never went through a translation, and find the
captions that would not fit a longer language.

    pseudo_translate.py IN.ts OUT.ts

Placeholders (%1, %n, %L1), access keys ("&" and the letter after it,
accented like the rest) and line breaks are kept.
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçďéƒĝĥîĵķĺɱñöþǫŕšţüṽŵẋýžÅƁÇĎÉƑĜĤÎĴĶĹḾÑÖÞǪŔŠŢÜṼŴẊÝŽ"))
PLACEHOLDER = re.compile(r"%L?\d+|%n")


def pseudo_line(line):
    out, visible, pos = [], 0, 0
    for m in PLACEHOLDER.finditer(line):
        for c in line[pos:m.start()]:
            out.append(ACCENTED.get(c, c))
            visible += c != "&"
        out.append(m.group(0))
        visible += 2
        pos = m.end()
    for c in line[pos:]:
        out.append(ACCENTED.get(c, c))
        visible += c != "&"
    if visible == 0:
        return line
    return "[" + "".join(out) + "~" * math.ceil(visible / 3) + "]"


def pseudo(text):
    return "\n".join(pseudo_line(line) for line in text.split("\n"))


def main(source, target):
    tree = ET.parse(source)
    root = tree.getroot()
    for message in root.iter("message"):
        text = message.findtext("source")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if forms:
            for form in forms:
                form.text = pseudo(text)
        else:
            translation.text = pseudo(text)
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
