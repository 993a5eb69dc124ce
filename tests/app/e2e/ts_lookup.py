#!/usr/bin/python3
"""Prints the translation a .ts file holds for a source text, the plural
form for N where the text has them (chosen by the language's rule, as Qt
chooses it).

    ts_lookup.py TS CONTEXT SOURCE [N]
"""
import sys
import xml.etree.ElementTree as ET


def form(language, n):
    base = language.split("_")[0]
    if base in ("zh", "ja"):
        return 0
    if base == "fr" or language == "pt_BR":
        return 0 if n <= 1 else 1
    if base == "ru":
        return 0 if n % 10 == 1 and n % 100 != 11 else 1 if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14 else 2
    if base == "pl":
        return 0 if n == 1 else 1 if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14 else 2
    if base == "ar":
        return 0 if n == 0 else 1 if n == 1 else 2 if n == 2 else 3 if 3 <= n % 100 <= 10 else 4 if n % 100 >= 11 else 5
    return 0 if n == 1 else 1


def main():
    ts, context, source = sys.argv[1:4]
    root = ET.parse(ts).getroot()
    language = root.get("language")
    for c in root.iter("context"):
        if c.findtext("name") != context:
            continue
        for m in c.iter("message"):
            if m.findtext("source") != source:
                continue
            t = m.find("translation")
            forms = t.findall("numerusform")
            print(forms[form(language, int(sys.argv[4]))].text if forms else t.text)
            return 0
    print(f"no {context} {source!r} in {ts}", file=sys.stderr)
    return 1


sys.exit(main())
