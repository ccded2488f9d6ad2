#!/usr/bin/python3
"""The other device's tasks, read from and written to its vdir (one .ics file per task) with python3-icalendar,
a reader of its own rather than the program's.

  vdir-tasks.py list FOLDER            each task as one JSON line: [summary, completed]
  vdir-tasks.py rename FOLDER OLD NEW  renames the task called OLD, as a client saving an edit would
"""
import datetime
import json
import pathlib
import sys

import icalendar


def tasks(folder):
    for path in sorted(pathlib.Path(folder).glob("*.ics")):
        calendar = icalendar.Calendar.from_ical(path.read_bytes())
        for todo in calendar.walk("VTODO"):
            yield path, calendar, todo


def completed(todo):
    return str(todo.get("STATUS", "")).upper() == "COMPLETED" or "COMPLETED" in todo


def main(command, folder, *words):
    if command == "list":
        for _, _, todo in tasks(folder):
            print(json.dumps([str(todo.get("SUMMARY", "")), completed(todo)], ensure_ascii=False))
        return 0
    if command == "rename":
        old, new = words
        for path, calendar, todo in tasks(folder):
            if str(todo.get("SUMMARY", "")) != old:
                continue
            now = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0)
            todo["SUMMARY"] = icalendar.vText(new)
            todo["SEQUENCE"] = int(todo.get("SEQUENCE", 0)) + 1
            for stamp in ("LAST-MODIFIED", "DTSTAMP"):
                todo.pop(stamp, None)
                todo.add(stamp, now)
            path.write_bytes(calendar.to_ical())
            return 0
        print(f"no task called {old!r}", file=sys.stderr)
        return 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
