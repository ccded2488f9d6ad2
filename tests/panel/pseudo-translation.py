#!/usr/bin/python3
# Writes a pseudo translation of a .ts file: every text about 40% longer, in accented letters and in brackets, so
# that a text cut short or left untranslated shows at a glance. Placeholders, markup and line breaks stay.
# Usage: pseudo-translation.py SOURCE.ts OUTPUT.ts
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans("aeiouycnsrzAEIOUYCNSZ", "áéíöüýçñšřžÅÉÍÖÜÝÇÑŠŽ")
KEPT = re.compile(r"(%(?:n|L?\d)|<[^>]*>|&\w+;|\n)")


def pseudo(text):
    parts = [p if KEPT.fullmatch(p) else p.translate(ACCENTED) for p in KEPT.split(text)]
    padding = math.ceil(len(text) * 0.4)
    # Short words, so that a label that wraps can wrap the padding too.
    words = " ".join("ẋẋẋẋ"[: min(4, padding - i)] for i in range(0, padding, 5))
    return "[" + "".join(parts) + " " + words + "]"


tree = ET.parse(sys.argv[1])
for message in tree.getroot().iter("message"):
    source = message.findtext("source")
    translation = message.find("translation")
    translation.attrib.pop("type", None)
    forms = translation.findall("numerusform")
    for form in forms:
        form.text = pseudo(source)
    if not forms:
        translation.text = pseudo(source)
tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)
