#!/usr/bin/python3
"""The panel's texts in a language, read over the accessibility bus and held against the language's .ts file.

  language-texts.py read OUT.json [--after EARLIER.json]
      writes the open panel's shown objects (role, name, description), once they settle (and differ from EARLIER)
  language-texts.py compare ENGLISH.json READ.json LANGUAGE.ts EN.ts COUNT
      each text the English panel showed that comes from the .ts must show as its translation, or as English
      where the .ts has none; prints each text checked, exits 1 on a wrong one
  language-texts.py plural TEXT LANGUAGE.ts EN.ts COUNT
      TEXT, shown for COUNT items, must be the right plural form of the .ts message it comes from
"""
import json
import re
import sys
import time
import xml.etree.ElementTree as ET


def plural_form(language, n):
    """Which of a language's plural forms Qt picks for n."""
    if language in ("ru", "pl"):
        if language == "pl" and n == 1 or language == "ru" and n % 10 == 1 and n % 100 != 11:
            return 0
        return 1 if 2 <= n % 10 <= 4 and not 12 <= n % 100 <= 14 else 2
    if language in ("fr", "pt_BR"):
        return 0 if n < 2 else 1
    return 0 if n == 1 else 1


def messages(path):
    root = ET.parse(path).getroot()
    language = root.get("language")
    found = []
    for message in root.iter("message"):
        translation = message.find("translation")
        forms = [f.text or "" for f in translation.findall("numerusform")] or [translation.text or ""]
        finished = translation.get("type") is None and all(f.strip() for f in forms)
        found.append({"source": message.findtext("source"), "numerus": message.get("numerus") == "yes",
                      "forms": forms if finished else None, "language": language})
    return found


def pattern(text, n):
    """A text as a regular expression: %n the count, any other placeholder anything."""
    parts = re.split(r"(%n|%L?\d)", text)
    return "".join(str(n) if p == "%n" else ".+" if re.fullmatch(r"%L?\d", p) else re.escape(p) for p in parts)


def shown(message, english, n):
    """What the program shows for a message: its translation, else the English plural form, else its source."""
    if message["forms"]:
        return message["forms"][plural_form(message["language"], n) if message["numerus"] else 0]
    forms = english.get(message["source"])
    return forms[plural_form("en", n)] if message["numerus"] and forms else message["source"]


def sources_of(text, ts, n):
    """The messages a shown text may come from: those whose source, English or translated forms it matches.
    A message all placeholders would match anything, and is left out."""
    found = []
    for message in ts:
        if len(re.sub(r"%n|%L?\d|\W", "", message["source"])) < 2:
            continue
        candidates = [message["source"]] + (message["forms"] or [])
        if any(re.fullmatch(pattern(c, n), text, re.S) for c in candidates):
            found.append(message)
    return found


def english_forms(path):
    return {m["source"]: m["forms"] for m in messages(path) if m["forms"]}


def check(english_text, text, ts, english, n):
    """None when text is right for the message english_text comes from (or it comes from none), else why not."""
    found = sources_of(english_text, ts, n)
    if not found:
        return None
    wanted = [shown(m, english, n) for m in found]
    if any(re.fullmatch(pattern(w, n), text, re.S) for w in wanted):
        return None
    return f"{text!r} should be " + " or ".join(repr(w) for w in wanted)


def read(out, after=None):
    import pyatspi

    def tree():
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a and (a.name or "").lower() == "redizado"), None)
        windows = [w for w in (app or []) if w and w.getState().contains(pyatspi.STATE_SHOWING)]
        nodes = []

        def walk(acc):
            try:
                if not acc.getState().contains(pyatspi.STATE_SHOWING):
                    return
                nodes.append([acc.getRoleName(), acc.name or "", acc.description or ""])
                for child in acc:
                    if child is not None:
                        walk(child)
            except Exception:  # gone while read
                pass

        for window in windows:
            walk(window)
        return nodes

    earlier = json.load(open(after)) if after else None
    last, deadline = None, time.time() + 15
    while time.time() < deadline:
        nodes = tree()
        if nodes and nodes != earlier and nodes == last:
            json.dump(nodes, open(out, "w"), ensure_ascii=False, indent=0)
            return 0
        last = nodes
        time.sleep(0.3)
    print("the panel did not settle on the accessibility bus", file=sys.stderr)
    return 1


def compare(english_path, read_path, ts_path, en_path, n):
    english_nodes, nodes = json.load(open(english_path)), json.load(open(read_path))
    ts, english = messages(ts_path), english_forms(en_path)
    if [r for r, _, _ in english_nodes] != [r for r, _, _ in nodes]:
        print(f"the panel's objects differ from English: {[r for r, _, _ in nodes]}")
        return 1
    wrong = 0
    for (role, *english_texts), (_, *texts) in zip(english_nodes, nodes):
        for english_text, text in zip(english_texts, texts):
            if not english_text:
                continue
            problem = check(english_text, text, ts, english, n)
            wrong += problem is not None
            if problem or sources_of(english_text, ts, n):
                print(f"{'FAIL' if problem else 'ok'}: {role} {problem or repr(text)}")
    return 1 if wrong else 0


def plural(text, ts_path, en_path, n):
    ts, english = messages(ts_path), english_forms(en_path)
    found = [m for m in sources_of(text, ts, n) if m["numerus"]] or sources_of(text, ts, n)
    # Any form of the count's message, right or wrong, names the message; the count picks which is right.
    for m in ts:
        if m["numerus"] and m not in found:
            forms = (m["forms"] or []) + (english.get(m["source"]) or [])
            if any(re.fullmatch(pattern(f, n), text, re.S) for f in forms):
                found.append(m)
    if not found:
        print(f"FAIL: {text!r} is no text of the .ts")
        return 1
    wanted = [shown(m, english, n) for m in found]
    ok = any(re.fullmatch(pattern(w, n), text, re.S) for w in wanted)
    print(f"{'ok' if ok else 'FAIL'}: {n}: {text!r}" + ("" if ok else " should be " + " or ".join(map(repr, wanted))))
    return 0 if ok else 1


if __name__ == "__main__":
    command, args = sys.argv[1], sys.argv[2:]
    if command == "read":
        sys.exit(read(args[0], args[2] if len(args) > 2 and args[1] == "--after" else None))
    if command == "compare":
        sys.exit(compare(*args[:4], int(args[4])))
    if command == "plural":
        sys.exit(plural(*args[:3], int(args[3])))
    sys.exit(__doc__)
