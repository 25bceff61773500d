#!/usr/bin/env python3
"""Writes the pseudo-language: every text of SOURCE.ts 40 % longer and with
accents, so that a run in it shows at once which box is too small and which
text was left out of translation.

usage: pseudo_translate.py SOURCE.ts OUTPUT.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip("aceinouyACEINOUYsz", "áçéîñöüýÅÇÉÎÑÖÜÝšž"))
# Placeholders, markup and entities pass through untouched.
KEEP = re.compile(r"%L?\d+|%n|<[^>]*>|&\w+;|\\n|\n")
GROWTH = 0.4
FILLER = "ẋ"


def accented(text):
    out, last = [], 0
    for m in KEEP.finditer(text):
        out.append("".join(ACCENTED.get(c, c) for c in text[last:m.start()]))
        out.append(m.group(0))
        last = m.end()
    out.append("".join(ACCENTED.get(c, c) for c in text[last:]))
    return "".join(out)


def longer(text):
    visible = len(KEEP.sub("", text))
    extra = math.ceil(visible * GROWTH)
    if extra == 0:
        return text
    # Words of five, so that a text that wraps can still wrap; a text of one
    # word grows as one word, as a long compound would.
    if " " in text.strip():
        words = []
        while extra > 0:
            n = min(5, extra)
            words.append(FILLER * n)
            extra -= n + 1
        return accented(text) + " " + " ".join(words)
    return accented(text) + FILLER * extra


def main(source, output):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "en")
    for message in root.iter("message"):
        text = message.findtext("source") or ""
        old = message.find("translation")
        if old is not None:
            message.remove(old)
        translation = ET.SubElement(message, "translation")
        if message.get("numerus") == "yes":
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = longer(text)
        else:
            translation.text = longer(text)
    tree.write(output, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
