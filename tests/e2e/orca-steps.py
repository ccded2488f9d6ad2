#!/usr/bin/python3
"""Presses the keys of a typical use of the panel and checks what the orca screen reader said for each.

  orca-steps.py --program PROGRAM --speech FILE [--transcript FILE]

FILE is the speech log that orca-speech-log.py writes ("TIME SPEECH OUTPUT: '...'" lines). Wants the program
running with an empty list and its panel closed, orca running on the same display and accessibility bus, and
keys going through xdotool to $DISPLAY. Prints a transcript (each step, then each utterance) and the checks:
"ok", "FAIL", or for the known failures listed in KNOWN_FAILURES "XFAIL" (still failing) and "XPASS" (fixed: take
it off the list). Exits 1 when a check outside that list fails.
"""
import argparse
import re
import subprocess
import sys
import time

ITEMS = ["Pay rent", "Buy milk", "Water the plants"]  # typed in this order, so listed newest first
PROMPT = "What is there to do?"
SYNC_CONTROLS = ("Sync is", "Server address", "User name", "Password", "Turn On", "Sync Now")
# Tab goes round the panel once, or this many times at most.
MAX_TABS = 20
# How long a key may take to be answered; with nothing said for SILENCE it was silence; once something is said,
# the step is over when QUIET passes with nothing more.
PATIENCE = 8.0
SILENCE = 2.0
QUIET = 0.7
# Checks that fail on today's program, reported but not failing the run while their fixes land.
KNOWN_FAILURES = {
    "Edit is spoken as a toggle button",
    "Settings is spoken as a toggle button, pressed while the settings show",
}


class Speech:
    """The utterances of the speech log, read as they are written."""

    LINE = re.compile(r"^(\d+\.\d+) SPEECH OUTPUT: '(.*)'")

    def __init__(self, path):
        self.path, self.offset, self.said = path, 0, []

    def read(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                f.seek(self.offset)
                text = f.read()
        except FileNotFoundError:
            return
        complete = text[: text.rfind("\n") + 1]  # a line still being written is read next time
        self.offset += len(complete.encode("utf-8"))
        for line in complete.splitlines():
            m = self.LINE.match(line)
            if m:
                self.said.append((float(m.group(1)), m.group(2)))

    def settle(self, since, until=None):
        """Waits until the step is answered (until(), if given, holds) and orca has stopped speaking."""
        start = time.monotonic()
        held = None
        while time.monotonic() - start < PATIENCE:
            time.sleep(0.1)
            self.read()
            now = time.monotonic()
            if held is None and (until is None or until()):
                held = now
            if held is None:
                continue
            if len(self.said) > since:
                if time.time() - self.said[-1][0] >= QUIET and now - held >= QUIET:
                    return True
            elif now - start >= SILENCE:
                return True
        return False


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def panel_shown():
    return bool(xdotool("search", "--onlyvisible", "--name", "^Redizado$"))


def panel_has_focus():
    ids = xdotool("search", "--onlyvisible", "--name", "^Redizado$")
    return bool(ids) and xdotool("getactivewindow") == ids[:1]


class Step:
    def __init__(self, label, act, until=None):
        self.label, self.act, self.until = label, act, until
        self.said = []

    def run(self, speech, out):
        since = len(speech.said)
        self.act()
        speech.settle(since, self.until)
        self.said = [text for _, text in speech.said[since:]]
        out(f"\n== {self.label}")
        for text in self.said or ["(silence)"]:
            out(f"  {text}")

    @property
    def text(self):
        return " | ".join(self.said)


TABS = object()  # stands for the Tab steps, as many as go round once


def tab_round(speech, out, opening):
    """Tab from where OPENING left the focus until a control is spoken a second time."""
    heard, taken = set(opening.said), []
    for i in range(MAX_TABS):
        step = Step(f"Tab {i + 1}", keys("Tab"))
        step.run(speech, out)
        taken.append(step)
        if step.said and step.said[0] in heard:
            break
        heard.update(step.said[:1])
        # Three silent Tabs in a row: the focus is lost, not going round.
        if not any(s.said for s in taken[-3:]) and len(taken) >= 3:
            break
    return taken


def keys(*names):
    return lambda: subprocess.run(["xdotool", "key", "--delay", "80", *names], check=True)


def add(title):
    def act():
        subprocess.run(["xdotool", "type", "--delay", "40", title], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)

    return act


def show(program):
    """A second start of the program shows the panel of the one running, and exits."""

    def act():
        try:
            subprocess.run([program], capture_output=True, timeout=20)
        except subprocess.TimeoutExpired:
            pass  # the step then hears no panel opening, and its checks say so

    return act


def steps(program):
    return (
        [Step("open the panel", show(program), panel_has_focus)]
        + [Step(f"type '{t}', Return", add(t)) for t in ITEMS]
        + [
            Step("Down (from the entry to the list)", keys("Down")),
            Step("Down (to the second row)", keys("Down")),
            Step("Space (check the row)", keys("space")),
            Step("Delete (remove the row)", keys("Delete")),
            Step("Ctrl+Z (undo the removal)", keys("ctrl+z")),
            Step("Ctrl+2 (all items)", keys("ctrl+2")),
            Step("Ctrl+1 (items to do)", keys("ctrl+1")),
            Step("Ctrl+, (open the settings)", keys("ctrl+comma")),
        ]
        + [TABS]
        + [
            Step("Escape (close the panel)", keys("Escape"), lambda: not panel_shown()),
            Step("open the panel again", show(program), panel_has_focus),
        ]
    )


# --- The checks ------------------------------------------------------------------------------------------------


def count(pattern, text):
    return len(re.findall(pattern, text, re.IGNORECASE))


def checked_words(text):
    """'checked' said as a state or a confirmation, not as part of 'not checked'."""
    return count(r"(?<!not )\bchecked\b", text)


def bare(text):
    return re.sub(r"^notification\W*", "", text, flags=re.I).strip(" .")


def stale_free(run, label):
    """Opening speaks no bare 'notification' and nothing that a key before it made the program say, however the
    announcement is worded."""
    step = run.step(label)
    first_open = {bare(t) for t in run.step("open the panel").said}
    earlier = {bare(t) for s in run.steps[: run.steps.index(step)] if not s.label.startswith("open") for t in s.said}
    return step.said and not any(
        re.fullmatch(r"notification\W*", t, re.I) or bare(t) in earlier - first_open for t in step.said)


def arriving(step, title, place):
    return title in step.text and "not checked" in step.text and place in step.text


def once_each(step, category, title):
    return count(rf"\b{re.escape(category)}\b", step.text) == 1 and count(re.escape(title), step.text) == 1


def before(step, first, then):
    """FIRST is said, and THEN (if said at all) only after it."""
    text = step.text
    return first in text and (then not in text or text.index(then) > text.index(first))


def confirmation(step, words):
    return words in step.text and not re.search(r"notification\W*" + re.escape(words), step.text, re.I)


def tab_lines(run):
    return [t for s in run.steps if s.label.startswith("Tab ") for t in s.said]


def toggle(run, title):
    return any(title in t and "toggle button" in t for t in tab_lines(run) + run.step("open the panel").said)


class Run:
    def __init__(self, all_steps):
        self.steps = all_steps

    def step(self, label):
        return next(s for s in self.steps if s.label.startswith(label))


CHECKS = [
    # The session itself: orca hears the panel and the keys reach it.
    ("orca speaks as the panel opens", lambda r: r.step("open the panel").said),
    ("each item typed is spoken back as it is added",
     lambda r: all(t in r.step(f"type '{t}'").text for t in ITEMS)),
    # 1. Nothing stale on opening.
    ("opening speaks nothing said before: no earlier confirmation, no bare 'notification'",
     lambda r: stale_free(r, "open the panel")),
    ("opening again speaks nothing said before: no earlier confirmation, no bare 'notification'",
     lambda r: stale_free(r, "open the panel again")),
    ("opening again says whose panel it is and how much there is to do: 'Redizado, 2 to do'",
     lambda r: "Redizado, 2 to do" in r.step("open the panel again").text),
    # 2. Arriving on a row.
    ("Down to the list speaks 'Water the plants', not checked, 1 of 3",
     lambda r: arriving(r.step("Down (from"), "Water the plants", "1 of 3")),
    ("Down on the list speaks 'Buy milk', not checked, 2 of 3",
     lambda r: arriving(r.step("Down (to"), "Buy milk", "2 of 3")),
    # 3. The categories.
    # The undo left the keyboard on 'Pay rent'.
    ("Ctrl+2 speaks 'All' and the focused item, once each",
     lambda r: once_each(r.step("Ctrl+2"), "All", "Pay rent")),
    ("Ctrl+1 speaks 'To-do' and the focused item, once each",
     lambda r: once_each(r.step("Ctrl+1"), "To-do", "Pay rent")),
    # 4. Names and prompts.
    ("Ctrl+, speaks 'Settings'", lambda r: "Settings" in r.step("Ctrl+,").text),
    (f"the entry's prompt '{PROMPT}' is spoken as the panel opens", lambda r: PROMPT in r.step("open the panel").text),
    # 5. Roles.
    ("the To Do / All switch is spoken as a tab or a radio button",
     lambda r: any(re.search(r"\b(To Do|All)\b.*\b(tab|radio button)\b", t) for t in tab_lines(r))),
    ("Edit is spoken as a toggle button", lambda r: toggle(r, "Edit")),
    ("Settings is spoken as a toggle button, pressed while the settings show",
     lambda r: any("Settings" in t and "toggle button" in t and "pressed" in t for t in tab_lines(r))),
    # 6. Confirmations.
    ("Space speaks 'Checked: Buy milk' with no 'notification' before it",
     lambda r: confirmation(r.step("Space"), "Checked: Buy milk")),
    ("Delete speaks 'Removed: Pay rent' with no 'notification' before it",
     lambda r: confirmation(r.step("Delete"), "Removed: Pay rent")),
    # 7. One utterance per key.
    ("Space speaks 'Checked: Buy milk' before the next item, 'Pay rent'",
     lambda r: before(r.step("Space"), "Checked: Buy milk", "Pay rent")),
    ("Space speaks 'checked' once", lambda r: checked_words(r.step("Space").text) == 1),
    # 8. Sync settings.
    ("Tab reaches the sync settings while sync is off",
     lambda r: any(any(c in t for c in SYNC_CONTROLS) for t in tab_lines(r))),
    ("the sync status is spoken, not just the words 'Sync status'",
     lambda r: any(re.search(r"\bsync\b.*\boff\b", t, re.I) for t in tab_lines(r))),
]


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--program", required=True)
    parser.add_argument("--speech", required=True)
    parser.add_argument("--transcript")
    args = parser.parse_args()
    lines = []

    def out(line):
        lines.append(line)
        print(line, flush=True)

    try:
        return run(args, out)
    finally:
        if args.transcript:
            with open(args.transcript, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")


def run(args, out):
    speech = Speech(args.speech)
    speech.read()
    speech.said.clear()
    out("What orca said after each key (one utterance a line)")
    all_steps = steps(args.program)
    done = []
    for step in all_steps:
        if step is TABS:
            done += tab_round(speech, out, done[-1])
            continue
        step.run(speech, out)
        done.append(step)
    reading = Run(done)

    out("\n== What a person must hear")
    tally = {"ok": 0, "FAIL": 0, "XFAIL": 0, "XPASS": 0}
    for text, fn in CHECKS:
        why = ""
        try:
            ok = bool(fn(reading))
        except Exception as e:  # a step that went wrong holds nothing
            ok, why = False, f" ({e!r})"
        if text in KNOWN_FAILURES:
            verdict = "XPASS" if ok else "XFAIL"
        else:
            verdict = "ok" if ok else "FAIL"
        tally[verdict] += 1
        out(f"{verdict}: {text}{why}")
    out("\n" + ", ".join(f"{n} {v}" for v, n in tally.items()) + " (XPASS: fixed, take it off the known failures)")
    return 1 if tally["FAIL"] else 0


if __name__ == "__main__":
    sys.exit(main())
