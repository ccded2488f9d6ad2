#!/usr/bin/python3
"""Another device on a CalDAV calendar, through python3-caldav, for a test to drive: one JSON request a line on
standard input, one JSON answer a line on standard output.

  other-device.py URL USER PASSWORD CALENDAR_URL
  {"op": "add", "uid": U, "title": T}      {"op": "rename", "uid": U, "title": T}
  {"op": "check", "uid": U, "done": B}     {"op": "remove", "uid": U}
  {"op": "list"} -> {"tasks": [[uid, title, done], ...]}
Every answer has "ok"; a failed request says why in "error".

The iCalendar text is read and written with python3-vobject. python3-caldav only lists, sends and deletes it:
its own reading and saving go through python3-icalendar 4, which unescapes TEXT wrongly (an escaped backslash
before an n becomes a line break, "\\\\\\;" loses its backslash), so the device would corrupt titles itself.
"""
import datetime
import json
import sys
from urllib.parse import quote

import caldav
import vobject


def now():
    return datetime.datetime.now(vobject.icalendar.utc).replace(microsecond=0)


def done(todo):
    return hasattr(todo, "status") and str(todo.status.value).upper() == "COMPLETED"


def remove(component, name):
    # vobject names a property's attribute with "_" for its "-".
    while hasattr(component, name.replace("-", "_")):
        component.remove(getattr(component, name.replace("-", "_")))


def set_value(component, name, value):
    remove(component, name)
    component.add(name).value = value


class Device:
    def __init__(self, url, user, password, calendar):
        self.client = caldav.DAVClient(url, username=user, password=password)
        self.calendar = self.client.calendar(url=calendar)

    def tasks(self):
        # No sorting: caldav would parse each one for it.
        for resource in self.calendar.todos(include_completed=True, sort_keys=()):
            calendar = vobject.readOne(resource.data)
            yield resource, calendar, calendar.vtodo

    def find(self, uid):
        for resource, calendar, todo in self.tasks():
            if hasattr(todo, "uid") and todo.uid.value == uid:
                return resource, calendar, todo
        raise LookupError(f"no task {uid} on the server")

    def put(self, url, calendar):
        answer = self.client.put(
            url, calendar.serialize().encode(), {"Content-Type": 'text/calendar; charset="utf-8"'})
        if answer.status not in (200, 201, 204):
            raise IOError(f"PUT {url}: {answer.status} {answer.reason}")

    def save(self, resource, calendar, todo):
        sequence = int(todo.sequence.value) if hasattr(todo, "sequence") else 0
        set_value(todo, "sequence", str(sequence + 1))
        for stamp in ("last-modified", "dtstamp"):
            set_value(todo, stamp, now())
        self.put(resource.url, calendar)

    def add(self, uid, title):
        calendar = vobject.iCalendar()
        set_value(calendar, "prodid", "-//test//other device//EN")
        todo = calendar.add("vtodo")
        set_value(todo, "uid", uid)
        set_value(todo, "summary", title)
        set_value(todo, "status", "NEEDS-ACTION")
        for stamp in ("created", "dtstamp", "last-modified"):
            set_value(todo, stamp, now())
        self.put(self.calendar.url.join(quote(uid) + ".ics"), calendar)

    def rename(self, uid, title):
        resource, calendar, todo = self.find(uid)
        set_value(todo, "summary", title)
        self.save(resource, calendar, todo)

    def check(self, uid, done):
        resource, calendar, todo = self.find(uid)
        for key in ("status", "completed", "percent-complete"):
            remove(todo, key)
        set_value(todo, "status", "COMPLETED" if done else "NEEDS-ACTION")
        if done:
            set_value(todo, "completed", now())
        self.save(resource, calendar, todo)

    def remove(self, uid):
        self.find(uid)[0].delete()

    def list(self):
        return [[t.uid.value, t.summary.value if hasattr(t, "summary") else "", done(t)] for _, _, t in self.tasks()]


def main(url, user, password, calendar):
    device = Device(url, user, password, calendar)
    for line in sys.stdin:
        request = json.loads(line)
        op = request.pop("op")
        try:
            result = getattr(device, op)(**request)
            answer = {"ok": True, "tasks": result} if op == "list" else {"ok": True}
        except Exception as error:  # the test decides what a failure means
            answer = {"ok": False, "error": f"{type(error).__name__}: {error}"}
        print(json.dumps(answer), flush=True)


if __name__ == "__main__":
    main(*sys.argv[1:])
