#!/usr/bin/python3
"""The other device's tasks, read from and written to its vdir (one .ics file per task) with python3-vobject,
a reader of its own rather than the program's. (Not python3-icalendar: version 4 unescapes TEXT wrongly, reading
an escaped backslash before an n as a line break and dropping the backslash of "\\\\\\;".)

  vdir-tasks.py list FOLDER            each task as one JSON line: [summary, completed]
  vdir-tasks.py rename FOLDER OLD NEW  renames the task called OLD, as a client saving an edit would
"""
import datetime
import json
import pathlib
import sys

import vobject


def tasks(folder):
    for path in sorted(pathlib.Path(folder).glob("*.ics")):
        calendar = vobject.readOne(path.read_text(encoding="utf-8"))
        for todo in calendar.vtodo_list if hasattr(calendar, "vtodo") else []:
            yield path, calendar, todo


def summary(todo):
    return todo.summary.value if hasattr(todo, "summary") else ""


def completed(todo):
    return (hasattr(todo, "status") and str(todo.status.value).upper() == "COMPLETED") or hasattr(todo, "completed")


def set_value(todo, name, value):
    while hasattr(todo, name.replace("-", "_")):
        todo.remove(getattr(todo, name.replace("-", "_")))
    todo.add(name).value = value


def main(command, folder, *words):
    if command == "list":
        for _, _, todo in tasks(folder):
            print(json.dumps([summary(todo), completed(todo)], ensure_ascii=False))
        return 0
    if command == "rename":
        old, new = words
        for path, calendar, todo in tasks(folder):
            if summary(todo) != old:
                continue
            now = datetime.datetime.now(vobject.icalendar.utc).replace(microsecond=0)
            set_value(todo, "summary", new)
            set_value(todo, "sequence", str(int(todo.sequence.value) + 1 if hasattr(todo, "sequence") else 1))
            for stamp in ("last-modified", "dtstamp"):
                set_value(todo, stamp, now)
            path.write_text(calendar.serialize(), encoding="utf-8")
            return 0
        print(f"no task called {old!r}", file=sys.stderr)
        return 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
