#!/usr/bin/python3
"""Reads the running program's panel through the accessibility bus, as a screen reader would.

  accessibility-reader.py --dump     prints the open panel's accessible tree
  accessibility-reader.py --run [--transcript FILE] [--raw]
                                     presses a scripted key sequence on the open panel and prints what each key
                                     made a screen reader say, then the checks: CHECKS must hold (exit 1 if one
                                     does not), PENDING are reported as "pending: ..." lines

--run wants the panel open with the focus in its entry, showing the to-do items "Water the plants", "Buy milk"
and "Pay rent" (newest first), none of them checked, with the global shortcut off. Keys and clicks go through
xdotool to $DISPLAY.

On a desktop of your own: start the program with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1, open its panel, and run
this script with /usr/bin/python3 (the system's, which has pyatspi). tests/e2e/accessibility-session.sh does all of
it on a virtual display with private buses.

In the transcript, "focus:", "state:", "name:" and "announce:" lines are what a screen reader says; "children:"
lines are changes to the tree it acts on without a word; "quiet:" lines are changes it passes over (a state
change away from the focus, a row shown or hidden).
"""
import argparse
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402

import pyatspi  # noqa: E402

ITEMS = ["Water the plants", "Buy milk", "Pay rent"]
ADDED = "Call Bob"
ENTRY = "What is there to do?"  # the entry's prompt, which is its name too
SETTINGS = ["Launch at login", "Show the to-do count", "Alternate icon", "Hide after entry", "Global shortcut"]
BUTTONS = ("push button", "toggle button", "check box")
# A row of the list: a check box named by its title, so that its box is read checked or not checked.
ROW = "check box"
# Roles a screen reader always reads with their state, checked or not checked; other objects only when checkable.
CHECK_ROLES = ("check box", "check menu item", "radio button", "radio menu item")
# How long a key may take to be answered; after SILENCE with no event at all it was heard as silence; the events
# after it must stay quiet for QUIET to count as done.
PATIENCE = 10.0
SILENCE = 3.0
QUIET = 0.6

EVENTS = [
    "focus:",
    "object:state-changed",
    "object:children-changed",
    "object:property-change:accessible-name",
    "object:text-changed",
    "object:announcement",
    "window:create",
]
LIVE = ("polite", "assertive")
SPEAKING_ROLES = (pyatspi.ROLE_ALERT, pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_STATUS_BAR)


# --- Reading live objects --------------------------------------------------------------------------------------


def safe(call, default=None):
    try:
        return call()
    except Exception:  # an object gone from the bus answers nothing
        return default


def role(acc):
    # at-spi2-core 2.56 (Debian 13) names the push button role "button"; one name for it on every version.
    if safe(acc.getRole) == pyatspi.ROLE_PUSH_BUTTON:
        return "push button"
    return safe(acc.getRoleName, "?")


def name(acc):
    return safe(lambda: acc.name, "") or ""


def states(acc):
    s = safe(acc.getState)
    return set(s.getStates()) if s else set()


def attributes(acc):
    pairs = safe(acc.getAttributes, []) or []
    return dict(p.split(":", 1) for p in pairs if ":" in p)


def children(acc):
    return [c for c in (safe(lambda: list(acc), []) or []) if c is not None]


def speaks(acc):
    """Objects whose changes a screen reader reads out unasked: live regions, alerts, status lines."""
    attrs = attributes(acc)
    return attrs.get("live") in LIVE or attrs.get("container-live") in LIVE or safe(acc.getRole) in SPEAKING_ROLES


class Node:
    """An object as it was when read: the checks look at the tree of one moment, not at the live one."""

    def __init__(self, acc, depth, prune):
        self.role, self.name = role(acc), name(acc)
        self.states = states(acc)
        self.description = safe(lambda: acc.description, "") or ""
        self.attrs = {k: v for k, v in attributes(acc).items() if k not in ("toolkit", "id")}
        self.interfaces = [i for i in safe(lambda: pyatspi.listInterfaces(acc), []) if i in ("Table", "Selection")]
        self.relations = []
        for rel in safe(acc.getRelationSet, []) or []:
            targets = [name(rel.getTarget(i)) for i in range(rel.getNTargets())]
            self.relations.append((rel.getRelationType(), targets))
        self.top = safe(lambda: acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y, 0)
        self.depth = depth
        # A pop-up's long list of keys says nothing new after the first reading.
        skip = prune and self.role == "combo box"
        self.children = [] if skip else [Node(c, depth + 1, prune) for c in children(acc)]

    @staticmethod
    def empty():
        node = Node.__new__(Node)
        node.role, node.name, node.states, node.children = "", "", set(), []
        return node

    def has(self, state):
        return state in self.states

    @property
    def showing(self):
        return self.has(pyatspi.STATE_SHOWING)

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def find(self, match):
        return [n for n in self.walk() if match(n)]

    def first(self, match):
        found = self.find(match)
        return found[0] if found else None

    def line(self):
        st = " ".join(sorted(pyatspi.stateToString(s) for s in self.states))
        text = f"{self.role} '{self.name}' [{st}]"
        if self.description:
            text += " desc='" + self.description.replace("\n", " / ") + "'"
        text += "".join(f" {k}={v}" for k, v in sorted(self.attrs.items()))
        for kind, targets in self.relations:
            text += f" {pyatspi.relationToString(kind)}->" + ",".join(f"'{t}'" for t in targets)
        if self.interfaces:
            text += " {" + ",".join(self.interfaces) + "}"
        return text


def snapshot(prune=True):
    p = panel()
    return Node(p, 0, prune) if p else None


def named(role_names, title):
    roles = (role_names,) if isinstance(role_names, str) else role_names
    return lambda n: n.role in roles and n.name == title


def remove_button(n):
    """A row's Remove button, named after the item it removes."""
    return n.role == "push button" and n.name.startswith("Remove")


def to_do_segment(n):
    """The category control's To Do segment, named with its count ("To Do, 3 items")."""
    return n.name == "To Do" or n.name.startswith("To Do,")


def the_list(tree):
    """The rows' container: the object named "Items"."""
    return tree.first(lambda n: n.name == "Items" and n.role not in (ROW, "list item")) if tree else None


def rows(tree):
    """The list's items, its rows, in the order of the tree."""
    lst = the_list(tree)
    return [n for n in lst.children if n.role in (ROW, "list item", "table row")] if lst else []


def shown_titles(tree):
    return [n.name for n in rows(tree) if n.showing]


# --- Finding the program -----------------------------------------------------------------------------------------


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        if name(app).lower() == "redizado":
            return app
    return None


def panel():
    app = application()
    for window in children(app) if app else []:
        if re.match(r"Redizado(, |$)", name(window)) and pyatspi.STATE_SHOWING in states(window):
            return window
    return None


def live_first(match):
    """The first object of the open panel that matches, read live."""
    stack = [panel()] if panel() else []
    while stack:
        acc = stack.pop(0)
        if match(acc):
            return acc
        stack[:0] = children(acc)
    return None


def focused_objects():
    """Every object of the program that claims the focus, pop-ups and hidden ones included."""
    found, stack = [], [application()] if application() else []
    while stack:
        acc = stack.pop()
        if pyatspi.STATE_FOCUSED in states(acc):
            found.append((role(acc), name(acc), pyatspi.STATE_SHOWING in states(acc)))
        stack.extend(children(acc))
    return found


# --- What is said ----------------------------------------------------------------------------------------------


def position(acc):
    """The row's place as a screen reader finds it: the object's own attributes, else the table it is in."""
    attrs = attributes(acc)
    if "posinset" in attrs and "setsize" in attrs:
        return int(attrs["posinset"]), int(attrs["setsize"])
    parent = safe(lambda: acc.parent)
    table = safe(parent.queryTable) if parent else None
    if table:
        row = safe(lambda: table.getRowAtIndex(acc.getIndexInParent()), -1)
        if row >= 0:
            return row + 1, table.nRows
    return None


def say(acc):
    """What a screen reader says of an object it lands on."""
    words = [role(acc) + (f" '{name(acc)}'" if name(acc) else "")]
    place = position(acc)
    if place:
        words.append(f"{place[0]} of {place[1]}")
    st = states(acc)
    if role(acc) in CHECK_ROLES or pyatspi.STATE_CHECKABLE in st or pyatspi.STATE_CHECKED in st:
        words.append("checked" if pyatspi.STATE_CHECKED in st else "not checked")
    elif pyatspi.STATE_PRESSED in st:
        words.append("pressed")
    # A row's description is its place; what is said before the place is said here too.
    description = safe(lambda: acc.description) or ""
    if role(acc) == ROW and re.fullmatch(r".+, \d+ of \d+", description):
        words.append(description)
    return ", ".join(words)


def render(event):
    """The event as a transcript line, or None for what is not worth a line."""
    kind, src = event.type, event.source
    if kind.startswith("object:state-changed:"):
        state = kind.split(":")[2]
        if state == "focused":
            return f"focus: {say(src)}" if event.detail1 else None
        if state in ("checked", "selected", "expanded", "pressed"):
            word = state if event.detail1 else {"pressed": "released"}.get(state, "un" + state)
            # A screen reader speaks a state change only where the focus is.
            heard = pyatspi.STATE_FOCUSED in states(src)
            return f"{'state' if heard else 'quiet'}: '{name(src)}' {word}"
        if state == "showing" and role(src) in (ROW, "list item") and name(safe(lambda: src.parent)) == "Items":
            return f"quiet: row '{name(src)}' {'shown' if event.detail1 else 'hidden'}"
        return None
    if kind.startswith("object:children-changed"):
        child = event.any_data
        what = f"{role(child)} '{name(child)}'" if child is not None else "a child"
        return f"children: {role(src)} '{name(src)}' {'gained' if ':add' in kind else 'lost'} {what}"
    if kind.startswith("object:property-change:accessible-name"):
        if speaks(src):
            return f"announce: {name(src)}"
        heard = pyatspi.STATE_FOCUSED in states(src)
        return f"{'name' if heard else 'quiet'}: {role(src)} now '{name(src)}'"
    if kind.startswith("object:announcement"):
        return f"announce: {event.any_data}"
    if kind.startswith("object:text-changed:insert") and speaks(src):
        return f"announce: {event.any_data}"
    if kind.startswith("window:create") and speaks(src):
        return f"announce: {name(src)}"
    return None  # the older twin of the focus event, typing in the entry


class Listener:
    def __init__(self, raw=None):
        self.events = []  # (time, line or None)
        self.raw = raw
        pyatspi.Registry.registerEventListener(self.heard, *EVENTS)
        # Wakes the loop now and then so that waits end on time.
        GLib.timeout_add(50, lambda: True)

    def heard(self, event):
        if self.raw:
            self.raw(f"    raw: {event.type} {role(event.source)} '{name(event.source)}' {event.detail1}")
        self.events.append((time.monotonic(), render(event)))

    def said_since(self, since):
        return [line for _, line in self.events[since:] if line]

    def settle(self, since, until=None):
        """Waits until the key is answered (the condition, if any, holds) and its events have stayed quiet."""
        context = GLib.MainContext.default()
        start = time.monotonic()
        held = None if until else start
        while time.monotonic() - start < PATIENCE:
            context.iteration(True)
            now = time.monotonic()
            if held is None and until():
                held = now
            if held is None:
                continue
            last = self.events[-1][0] if len(self.events) > since else None
            if last is None and not until and now - start < SILENCE:
                continue
            if now - max(held, last or 0) >= QUIET:
                return True
        return False


# --- The script --------------------------------------------------------------------------------------------------


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def click(acc, window="Redizado"):
    """A click in the middle of the object, placed within its window: the bridge may not know where the window
    manager put the window. A click, not an action called over the bus, which would wait out a modal message."""
    extents = lambda a: safe(lambda: a.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    box, frame = extents(acc), extents(panel())
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{window}$"], capture_output=True,
                         text=True).stdout.split()
    if not box or not frame or not ids:
        return False
    x, y = box.x - frame.x + box.width // 2, box.y - frame.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", "--window", ids[0], str(x), str(y), "click", "1"], check=True)
    return True


def toggle_pop_up(purpose):
    """Drops or closes a pop-up's list through its own action, as a reader's "activate" does; no key that could
    reach the panel instead."""
    combo = live_first(lambda a: role(a) == "combo box" and name(a) == purpose)
    actions = safe(combo.queryAction) if combo else None
    names = [safe(lambda i=i: actions.getName(i), "").lower() for i in range(actions.nActions)] if actions else []
    if "press" in names:
        actions.doAction(names.index("press"))


class Step:
    def __init__(self, label, keys, scan_focus=False, pop_ups=False):
        self.label, self.keys, self.scan_focus, self.pop_ups = label, keys, scan_focus, pop_ups
        self.said, self.after, self.focused = [], None, []

    def run(self, listener, out):
        since = len(listener.events)
        self.keys()
        listener.settle(since)
        self.said = listener.said_since(since)
        self.after = snapshot(prune=not self.pop_ups)
        if self.scan_focus:
            self.focused = focused_objects()
        out(f"\n== {self.label}")
        for line in self.said or ["(silence)"]:
            out(f"  {line}")
        if self.scan_focus:
            out("  claiming the focus: " + "; ".join(f"{r} '{n}'{'' if s else ' (hidden)'}" for r, n, s in self.focused))


STEPS = [
    Step("Down (from the entry onto the list)", lambda: press("Down"), scan_focus=True),
    Step("Down (to the next row)", lambda: press("Down")),
    Step("Space (check the row; to-do items shown)", lambda: press("space")),
    Step("Ctrl+Z (undo the check)", lambda: press("ctrl+z")),
    Step("Delete (remove the row)", lambda: press("Delete")),
    Step("Ctrl+Z (undo the removal)", lambda: press("ctrl+z")),
    Step("Ctrl+Shift+Z (redo the removal)", lambda: press("ctrl+shift+z")),
    Step("Ctrl+Z (undo it again)", lambda: press("ctrl+z")),
    Step("Ctrl+2 (show all items)", lambda: press("ctrl+2")),
    Step("Space (check the row; all items shown)", lambda: press("space")),
    Step("Space (uncheck it again)", lambda: press("space")),
    Step("Ctrl+1 (show the to-do items)", lambda: press("ctrl+1")),
    Step("Home, Up (back to the entry)", lambda: press("Home", "Up")),
    Step(f"typing '{ADDED}', Return (add an item)", lambda: (type_text(ADDED), press("Return"))),
    Step("Ctrl+, (open the settings)", lambda: press("ctrl+comma")),
    Step("the Modifier pop-up dropped (its press action)", lambda: toggle_pop_up("Modifier"), pop_ups=True),
    Step("the Modifier pop-up closed again", lambda: toggle_pop_up("Modifier"), pop_ups=True),
    Step("Ctrl+, (close the settings)", lambda: press("ctrl+comma")),
    Step("Down, F2, Return (rename the first row, unchanged)", lambda: press("Down", "F2", "Return")),
]


def read_edit_mode(listener, out):
    """Edit mode, reached with a click: what matters is what is read there, and where Tab goes."""
    found = {}
    edit = live_first(lambda a: role(a) in BUTTONS and name(a) == "Edit")
    if not edit:
        return found
    in_edit_mode = lambda: any(n.showing and n.has(pyatspi.STATE_ENABLED)
                               for n in (snapshot() or Node.empty()).find(remove_button))
    click(edit)
    listener.settle(len(listener.events), in_edit_mode)
    tree = snapshot()
    found["edit button"] = name(edit)
    found["tree"] = tree
    out(f"\n== Edit (clicked)\n  the Edit button now reads '{name(edit)}'")
    # Tab round the panel, through every row's controls, until it comes back to the entry.
    found["tab"] = []
    for _ in range(2 * len(rows(tree)) + 8):
        since = len(listener.events)
        press("Tab")
        listener.settle(since)
        found["tab"] += [line for line in listener.said_since(since) if line.startswith("focus: ")]
        if found["tab"] and found["tab"][-1].startswith(f"focus: text '{ENTRY}'"):
            break
    out("== Tab (in edit mode, round the panel to the entry)")
    for line in found["tab"]:
        out(f"  {line}")
    click(edit)
    listener.settle(len(listener.events), lambda: not in_edit_mode())
    return found


def read_about(listener, out):
    """The about message, opened with a click from the settings, then Escape."""
    found = {}
    since = len(listener.events)
    press("ctrl+comma")
    about = lambda: live_first(lambda a: role(a) in BUTTONS and name(a) == "About Redizado" and
                               pyatspi.STATE_SHOWING in states(a))
    listener.settle(since, lambda: about() is not None)
    button = about()
    app = application()
    message = lambda: next((w for w in children(app) if name(w) == "About Redizado" and
                            pyatspi.STATE_SHOWING in states(w)), None)
    if not button or not click(button):
        return found
    listener.settle(len(listener.events), lambda: message() is not None)
    box = message()
    if not box:
        return found
    default = Node(box, 0, True).first(lambda n: n.role in BUTTONS and n.has(pyatspi.STATE_IS_DEFAULT))
    found["default button"] = default.name if default else None
    since = len(listener.events)
    press("Escape")
    listener.settle(since, lambda: message() is None)
    found["panel after escape"] = panel() is not None
    out(f"\n== About Redizado (clicked from the settings), Escape\n  its default button: '{found['default button']}'")
    for line in listener.said_since(since):
        out(f"  {line}")
    out(f"  after Escape the panel is {'open' if found['panel after escape'] else 'closed'}")
    return found


# --- What a person must hear -------------------------------------------------------------------------------------


class Reading:
    """The panel as it opened, with its settings open, each step by the start of its label, and the extra readings."""

    def __init__(self, start, settings, edit, about):
        self.start, self.settings, self.edit, self.about = start, settings, edit, about

    @staticmethod
    def step(prefix):
        return next(s for s in STEPS if s.label.startswith(prefix))


def said(step, *fragments):
    return any(all(f in line for f in fragments) for line in step.said)


def last_focus(step):
    return next((line for line in reversed(step.said) if line.startswith("focus: ")), "")


def lands_on(step, title):
    """The last focus event goes to the row of TITLE, which may say first what the key did ('Checked: …. Title')."""
    return re.match(rf"focus: {ROW} '(.+\. )?{re.escape(title)}'", last_focus(step)) is not None


def stays_on_row(step):
    """No focus event in the step, or one that lands on a row again."""
    return last_focus(step) in ("",) or last_focus(step).startswith(f"focus: {ROW}")


CHECKS = []
PENDING = []


def check(text):
    return lambda fn: CHECKS.append((text, fn)) or fn


def pending(text):
    return lambda fn: PENDING.append((text, fn)) or fn


# What the program does today.
check("the panel is a window named 'Redizado'")(lambda r: r.start is not None)
check(f"the entry is an editable text named '{ENTRY}' as it reads, with the focus as the panel opens")(
    lambda r: r.start.first(lambda n: named("text", ENTRY)(n) and n.has(pyatspi.STATE_EDITABLE)
                            and n.has(pyatspi.STATE_FOCUSED)))
check("the category control is a tab list named 'Show', with the 'To Do' tab selected and 'All' not")(
    lambda r: (c := r.start.first(lambda n: n.name == "Show" and n.role == "page tab list"))
    and c.first(lambda n: to_do_segment(n) and n.role == "page tab" and n.has(pyatspi.STATE_SELECTED))
    and c.first(lambda n: n.name == "All" and n.role == "page tab" and not n.has(pyatspi.STATE_SELECTED)))
check("the Edit and Settings buttons are buttons named so")(
    lambda r: all(r.start.first(named(BUTTONS, t)) for t in ("Edit", "Settings")))
check("the list is there, named 'Items'")(lambda r: the_list(r.start) is not None)
check("each to-do item shows as a row named by its title, none checked")(
    lambda r: sorted(shown_titles(r.start)) == sorted(ITEMS)
    and not any(n.has(pyatspi.STATE_CHECKED) for n in rows(r.start)))
check("with the settings open, the settings are check boxes named by what they do")(
    lambda r: all(r.settings.first(lambda n, t=t: named("check box", t)(n) and n.showing) for t in SETTINGS))
check("Down from the entry: the focus lands on the first row, 'Water the plants'")(
    lambda r: said(r.step("Down (from"), f"focus: {ROW} 'Water the plants'"))
check("Down on the list: the focus moves to the next row, 'Buy milk'")(
    lambda r: last_focus(r.step("Down (to")).startswith(f"focus: {ROW} 'Buy milk'"))
check("Space on a to-do row: the row leaves the to-do items and the focus goes to the next, 'Pay rent'")(
    lambda r: "Buy milk" not in shown_titles(r.step("Space (check the row; to-do").after)
    and lands_on(r.step("Space (check the row; to-do"), "Pay rent"))
check("Ctrl+Z after a check: 'Buy milk' is back among the to-do items, with the focus")(
    lambda r: "Buy milk" in shown_titles(r.step("Ctrl+Z (undo the check").after)
    and last_focus(r.step("Ctrl+Z (undo the check")).startswith(f"focus: {ROW} 'Buy milk'"))
check("Delete: the row no longer shows and the focus goes to the next, 'Pay rent'")(
    lambda r: "Buy milk" not in shown_titles(r.step("Delete").after)
    and lands_on(r.step("Delete"), "Pay rent"))
check("Ctrl+Z after Delete: 'Buy milk' shows again, with the focus")(
    lambda r: "Buy milk" in shown_titles(r.step("Ctrl+Z (undo the removal").after)
    and last_focus(r.step("Ctrl+Z (undo the removal")).startswith(f"focus: {ROW} 'Buy milk'"))
check("Ctrl+Shift+Z removes 'Buy milk' again, Ctrl+Z brings it back")(
    lambda r: "Buy milk" not in shown_titles(r.step("Ctrl+Shift+Z").after)
    and "Buy milk" in shown_titles(r.step("Ctrl+Z (undo it again").after))
check("Ctrl+2 selects the 'All' tab; Ctrl+1 the 'To Do' tab again")(
    lambda r: r.step("Ctrl+2").after.first(lambda n: n.name == "All" and n.has(pyatspi.STATE_SELECTED))
    and r.step("Ctrl+1").after.first(lambda n: to_do_segment(n) and n.has(pyatspi.STATE_SELECTED)))
check("Space with all items shown: the focused row says checked, then unchecked")(
    lambda r: said(r.step("Space (check the row; all"), "state: 'Buy milk' checked")
    and said(r.step("Space (uncheck"), "state: 'Buy milk' unchecked"))
check("Up from the first row: the focus goes back to the entry")(
    lambda r: last_focus(r.step("Home, Up")).startswith(f"focus: text '{ENTRY}'"))
check(f"Return in the entry: '{ADDED}' shows as a row")(lambda r: ADDED in shown_titles(r.step("typing").after))
check("the settings are a pane named 'Settings' as it opens")(
    lambda r: r.step("Ctrl+, (open").after.first(lambda n: n.name == "Settings" and n.showing
                                                 and n.role not in BUTTONS))
check("Ctrl+, shows the settings and hides the list; Ctrl+, again brings the list back")(
    lambda r: r.step("Ctrl+, (open").after.first(lambda n: named("check box", SETTINGS[0])(n) and n.showing)
    and not the_list(r.step("Ctrl+, (open").after).showing
    and the_list(r.step("Ctrl+, (close").after).showing)

# The list and the changes made in it.
check("entering the list says the row, not 'Items': the last focus event after Down is the first row")(
    lambda r: last_focus(r.step("Down (from")).startswith(f"focus: {ROW} 'Water the plants'"))
check("one object claims the focus at a time, the row, and no hidden pop-up item among them")(
    lambda r: len(r.step("Down (from").focused) == 1 and r.step("Down (from").focused[0][:2]
    == (ROW, "Water the plants"))
check("the list is exposed as a list or table, not a filler inside a filler")(
    lambda r: the_list(r.start).role in ("list", "list box", "table", "tree table", "tree"))
check("the list offers a table or selection interface")(lambda r: the_list(r.start).interfaces)
check("only the rows that exist are the list's items: none hidden among them after any key")(
    lambda r: all(all(n.showing for n in rows(s.after)) for s in STEPS if the_list(s.after).showing))
check("the rows follow the screen: the list's items top to bottom in the order of the tree")(
    lambda r: [n.top for n in rows(r.step("typing").after) if n.showing]
    == sorted(n.top for n in rows(r.step("typing").after) if n.showing))
check("each row says its place: 'Buy milk', 2 of 3 (position in set and size of set)")(
    lambda r: said(r.step("Down (to"), f"focus: {ROW} 'Buy milk', 2 of 3"))
check("Space on a to-do row is said once: the next row says 'Checked: Buy milk' first, or an announcement does")(
    lambda r: said(r.step("Space (check the row; to-do"), "focus: ", "'Checked: Buy milk. Pay rent'")
    != said(r.step("Space (check the row; to-do"), "announce: ", "Buy milk"))
check("Space on a to-do row: the list loses the row (children-changed), not just hides it")(
    lambda r: said(r.step("Space (check the row; to-do"), "children: ", "lost"))
check("Ctrl+Z is announced: what was undone ('Buy milk' unchecked)")(
    lambda r: said(r.step("Ctrl+Z (undo the check"), "announce: ", "Buy milk"))
check("Delete: the list loses the row (children-changed)")(lambda r: said(r.step("Delete"), "children: ", "lost"))
check("Delete says the removal and that undo brings it back ('Removed: Buy milk'), once")(
    lambda r: said(r.step("Delete"), "focus: ", "'Removed: Buy milk. Ctrl+Z brings it back. Pay rent'")
    != said(r.step("Delete"), "announce: ", "Buy milk"))
check("after Delete the removed row is no longer among the list's items")(
    lambda r: "Buy milk" not in [n.name for n in rows(r.step("Delete").after)])
check("Ctrl+Z after Delete: the list gains the row back (children-changed)")(
    lambda r: said(r.step("Ctrl+Z (undo the removal"), "children: ", "gained", "Buy milk"))
check("Ctrl+Z after Delete announces what came back ('Buy milk')")(
    lambda r: said(r.step("Ctrl+Z (undo the removal"), "announce: ", "Buy milk"))
check("Ctrl+Shift+Z announces what was redone ('Buy milk' removed)")(
    lambda r: said(r.step("Ctrl+Shift+Z"), "announce: ", "Buy milk"))
check(f"Return in the entry: the list gains '{ADDED}' (children-changed)")(
    lambda r: said(r.step("typing"), "children: ", "gained", ADDED))
check(f"Return in the entry announces 'Added: {ADDED}'")(lambda r: said(r.step("typing"), "announce: ", ADDED))
check(f"after Return the list has four items, '{ADDED}' first")(
    lambda r: [n.name for n in rows(r.step("typing").after)][:1] == [ADDED] and len(rows(r.step("typing").after)) == 4)
check("after F2 and Return the last focus event goes to the row, and no editor claims the focus")(
    lambda r: last_focus(r.step("Down, F2")).startswith(f"focus: {ROW}")
    and not r.step("Down, F2").after.first(lambda n: n.role == "text" and n.name != ENTRY
                                           and n.has(pyatspi.STATE_FOCUSED)))

# The categories, the settings, edit mode and the about message.
check("Ctrl+2 is said once: the row the keyboard is on again, 'All items' before its place")(
    lambda r: said(r.step("Ctrl+2"), "focus: ", "All items, ") and stays_on_row(r.step("Ctrl+2"))
    and not said(r.step("Ctrl+2"), "announce: "))
check("Ctrl+1 is said once: the row the keyboard is on again, 'To-do items' before its place")(
    lambda r: said(r.step("Ctrl+1"), "focus: ", "To-do items, ") and stays_on_row(r.step("Ctrl+1"))
    and not said(r.step("Ctrl+1"), "announce: "))
check("Ctrl+2 and Ctrl+1 over the same items change nothing in the list: no row lost, gained or hidden")(
    lambda r: not any(said(r.step(k), w) for k in ("Ctrl+2", "Ctrl+1") for w in ("children: ", "row '")))
check("the count is in the panel: the To Do segment's name carries it ('To Do, 3 items')")(
    lambda r: r.start.first(lambda n: to_do_segment(n) and n.name != "To Do" and "3" in n.name))
check(f"Ctrl+, moves the focus to the first setting, '{SETTINGS[0]}'")(
    lambda r: said(r.step("Ctrl+, (open"), f"focus: check box '{SETTINGS[0]}'"))
check("Ctrl+, again closes the settings on the entry: the focus goes back to the entry")(
    lambda r: last_focus(r.step("Ctrl+, (close")).startswith(f"focus: text '{ENTRY}'"))
check("the shortcut pop-ups are named by purpose: 'Modifier', 'Second modifier', 'Key'")(
    lambda r: [n.name for n in r.start.find(lambda n: n.role == "combo box")] == ["Modifier", "Second modifier", "Key"])
check("a dropped shortcut pop-up's items are spoken by name ('Control', 'No modifier'), not by symbol")(
    lambda r: (items := [n.name for c in r.step("the Modifier pop-up dropped").after.find(named("combo box", "Modifier"))
                         for n in c.walk() if n.role in ("list item", "menu item")])
    and "Control" in items and "No modifier" in items and not any(n in ("⌃", "⌥", "⇧", "⎵") for n in items))
check("a closed pop-up offers no items: none left behind once it closes")(
    lambda r: not [n for c in r.step("the Modifier pop-up closed").after.find(lambda n: n.role == "combo box")
                   for n in c.walk() if n.role in ("list item", "menu item")])
check("the shortcut pop-ups' labels are related to them (labelled-by)")(
    lambda r: (combos := r.start.find(lambda n: n.role == "combo box"))
    and all(any(k == pyatspi.RELATION_LABELLED_BY for k, _ in c.relations) for c in combos))
check("hidden controls do not say they are showing: no Remove button shows outside edit mode")(
    lambda r: r.start.find(remove_button) and not any(n.showing for n in r.start.find(remove_button)))
check("edit mode: the Edit button is not renamed 'Done', the name of every row's check box")(
    lambda r: r.edit.get("edit button") not in (None, "Edit", "Done"))
check("edit mode: each Remove button shows and says which item it removes ('Remove “Buy milk”')")(
    lambda r: (removes := [n.name for n in r.edit["tree"].find(remove_button) if n.showing])
    and "Remove “Buy milk”" in removes)
check("edit mode: Tab reaches a Remove button")(
    lambda r: any(line.startswith("focus: push button 'Remove") for line in r.edit["tab"]))
check("edit mode: each title field is named by its item ('Title of “Buy milk”')")(
    lambda r: "Title of “Buy milk”" in [n.name for n in r.edit["tree"].find(lambda n: n.role == "text")])
check("edit mode: Tab goes row by row, top to bottom, the title field and then Remove, then on out of the list")(
    lambda r: (titles := [n.name for n in rows(r.edit["tree"])])
    and [line for line in r.edit["tab"] if line.startswith(("focus: text 'Title", "focus: push button 'Remove"))]
    == [f"focus: {kind} '{what} “{t}”'" for t in titles
        for kind, what in (("text", "Title of"), ("push button", "Remove"))]
    and r.edit["tab"][-1].startswith(f"focus: text '{ENTRY}'"))
check("Escape on the about message returns to the panel, which stays open")(
    lambda r: r.about.get("panel after escape") is True)
check("the about message's default button is Close")(lambda r: r.about.get("default button") == "Close")

check("an unchecked row says so: 'Water the plants', 1 of 3, not checked")(
    lambda r: said(r.step("Down (from"), f"focus: {ROW} 'Water the plants', 1 of 3, not checked"))

# What a person misses today.


# --- Running -----------------------------------------------------------------------------------------------------


def wait_for_panel(listener):
    listener.settle(len(listener.events), lambda: panel() is not None and the_list(snapshot()) is not None)
    return panel() is not None


def verdict(fn, reading):
    try:
        return bool(fn(reading))
    except Exception:  # a reading that is not there (a step gone wrong) holds nothing
        return False


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--dump", action="store_true", help="print the open panel's tree and exit")
    parser.add_argument("--run", action="store_true", help="press the scripted keys and check what is said")
    parser.add_argument("--transcript", help="also write the output to this file")
    parser.add_argument("--raw", action="store_true", help="with --run, also print every event as it comes")
    args = parser.parse_args()
    lines = []

    def out(line):
        lines.append(line)
        print(line, flush=True)

    try:
        return read(args, out)
    finally:
        if args.transcript:
            with open(args.transcript, "w", encoding="utf-8") as f:
                f.write("\n".join(lines) + "\n")


def read(args, out):
    listener = Listener(out if args.raw else None)
    if not wait_for_panel(listener):
        out("no open panel named 'Redizado' on the accessibility bus")
        return 1
    if not args.run:
        for node in snapshot(prune=False).walk():
            out("  " * node.depth + node.line())
        return 0

    start = snapshot(prune=False)
    out("== The panel as it opened")
    for node in start.walk():
        out("  " * (node.depth + 1) + node.line())
    for step in STEPS:
        step.run(listener, out)
    since = len(listener.events)
    press("ctrl+comma")
    listener.settle(since, lambda: live_first(lambda a: name(a) == SETTINGS[0] and pyatspi.STATE_SHOWING in states(a)))
    settings = snapshot()
    press("ctrl+comma")
    listener.settle(len(listener.events))
    edit = read_edit_mode(listener, out)
    about = read_about(listener, out)
    reading = Reading(start, settings, edit, about)

    out("\n== What a person must hear")
    failed = 0
    for text, fn in CHECKS:
        ok = verdict(fn, reading)
        failed += not ok
        out(f"{'ok' if ok else 'FAIL'}: {text}")
    for text, fn in PENDING:
        out(f"{'done, move it to CHECKS' if verdict(fn, reading) else 'pending'}: {text}")
    out(f"\n{len(CHECKS) - failed} of {len(CHECKS)} checks hold; {len(PENDING)} pending")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
