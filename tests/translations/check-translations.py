#!/usr/bin/python3
# Fails when a translation is not what ships: a .ts file that lupdate would change (a text added, changed or gone
# in the sources), a text lupdate could not take, an unfinished or empty entry, a placeholder lost or invented, the
# wrong number of plural forms for the language, or a language missing from the desktop entry or AppStream file.
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

root = sys.argv[1]
# Plural forms per language, as Qt counts them.
PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2, "pt_BR": 2, "it": 2, "pl": 3, "ru": 3}
problems = []


def messages(path):
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment"))
            found[key] = message
    return found


def placeholders(text):
    return sorted(set(re.findall(r"%(?:n|\d)", text or "")))


with tempfile.TemporaryDirectory() as copies:
    run = subprocess.run([os.path.join(root, "scripts/update-translations.sh"), "--into", copies],
                         capture_output=True, text=True)
    if run.returncode != 0 or run.stderr.strip():
        problems.append("lupdate could not take every text:\n" + "\n".join(sorted(set(run.stderr.splitlines()))))
    for name in sorted(os.listdir(copies)):
        kept = messages(os.path.join(root, "translations", name))
        fresh = messages(os.path.join(copies, name))
        for key in sorted(set(fresh) - set(kept), key=str):
            problems.append(f"{name}: not yet in the file (run make translations): {key[0]}: {key[1]!r}")
        for key in sorted(set(kept) - set(fresh), key=str):
            problems.append(f"{name}: no longer in the sources (run make translations): {key[0]}: {key[1]!r}")

for name in sorted(os.listdir(os.path.join(root, "translations"))):
    if not name.endswith(".ts"):
        continue
    language = name[len("redizado_"):-len(".ts")]
    if language not in PLURAL_FORMS:
        problems.append(f"{name}: no plural rule known for {language}")
        continue
    for (context, source, _), message in messages(os.path.join(root, "translations", name)).items():
        where = f"{name}: {context}: {source!r}"
        translation = message.find("translation")
        if translation.get("type") in ("unfinished", "vanished", "obsolete"):
            problems.append(f"{where}: {translation.get('type')}")
            continue
        forms = [f.text for f in translation.findall("numerusform")] if message.get("numerus") == "yes" \
            else [translation.text]
        if message.get("numerus") == "yes" and len(forms) != PLURAL_FORMS[language]:
            problems.append(f"{where}: {len(forms)} plural forms, {language} has {PLURAL_FORMS[language]}")
        for form in forms:
            if not (form or "").strip():
                problems.append(f"{where}: empty")
            # A language may say "one" for the singular instead of the number; it may not lose a name.
            elif [p for p in placeholders(form) if p != "%n"] != [p for p in placeholders(source) if p != "%n"]:
                problems.append(f"{where}: placeholders {placeholders(form)} for {placeholders(source)}: {form!r}")

desktop = open(os.path.join(root, "resources/org.redizado.Redizado.desktop"), encoding="utf-8").read()
metainfo = open(os.path.join(root, "resources/org.redizado.Redizado.metainfo.xml"), encoding="utf-8").read()
for language in PLURAL_FORMS:
    if language == "en":
        continue
    for key in ("GenericName", "Comment", "Keywords"):
        if f"\n{key}[{language}]=" not in desktop:
            problems.append(f"the desktop entry has no {key}[{language}]")
    for element in ("summary", "p"):
        if f'<{element} xml:lang="{language}">' not in metainfo:
            problems.append(f"the AppStream file has no <{element} xml:lang=\"{language}\">")

for problem in problems:
    print(problem)
print(f"{len(problems)} problems" if problems else "translations complete and up to date")
sys.exit(1 if problems else 0)
