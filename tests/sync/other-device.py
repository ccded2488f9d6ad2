#!/usr/bin/python3
"""Another device on a CalDAV calendar, through python3-caldav, for a test to drive: one JSON request a line on
standard input, one JSON answer a line on standard output.

  other-device.py URL USER PASSWORD CALENDAR_URL
  {"op": "add", "uid": U, "title": T}      {"op": "rename", "uid": U, "title": T}
  {"op": "check", "uid": U, "done": B}     {"op": "remove", "uid": U}
  {"op": "list"} -> {"tasks": [[uid, title, done], ...]}
Every answer has "ok"; a failed request says why in "error".
"""
import datetime
import json
import sys

import caldav
import icalendar


def now():
    return datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0)


def done(todo):
    return str(todo.get("STATUS", "")).upper() == "COMPLETED"


class Device:
    def __init__(self, url, user, password, calendar):
        self.client = caldav.DAVClient(url, username=user, password=password)
        self.calendar = self.client.calendar(url=calendar)

    def tasks(self):
        for resource in self.calendar.todos(include_completed=True):
            yield resource, resource.icalendar_instance.walk("VTODO")[0]

    def find(self, uid):
        for resource, todo in self.tasks():
            if str(todo.get("UID")) == uid:
                return resource, todo
        raise LookupError(f"no task {uid} on the server")

    def save(self, resource, todo):
        todo["SEQUENCE"] = int(todo.get("SEQUENCE", 0)) + 1
        for stamp in ("LAST-MODIFIED", "DTSTAMP"):
            todo.pop(stamp, None)
            todo.add(stamp, now())
        resource.data = resource.icalendar_instance.to_ical().decode()
        resource.save()

    def add(self, uid, title):
        calendar = icalendar.Calendar()
        calendar.add("PRODID", "-//test//other device//EN")
        calendar.add("VERSION", "2.0")
        todo = icalendar.Todo()
        todo.add("UID", uid)
        todo.add("SUMMARY", title)
        todo.add("STATUS", "NEEDS-ACTION")
        for stamp in ("CREATED", "DTSTAMP", "LAST-MODIFIED"):
            todo.add(stamp, now())
        calendar.add_component(todo)
        self.calendar.save_todo(calendar.to_ical().decode())

    def rename(self, uid, title):
        resource, todo = self.find(uid)
        todo.pop("SUMMARY", None)
        todo.add("SUMMARY", title)
        self.save(resource, todo)

    def check(self, uid, done):
        resource, todo = self.find(uid)
        for key in ("STATUS", "COMPLETED", "PERCENT-COMPLETE"):
            todo.pop(key, None)
        todo.add("STATUS", "COMPLETED" if done else "NEEDS-ACTION")
        if done:
            todo.add("COMPLETED", now())
        self.save(resource, todo)

    def remove(self, uid):
        self.find(uid)[0].delete()

    def list(self):
        return [[str(t.get("UID")), str(t.get("SUMMARY", "")), done(t)] for _, t in self.tasks()]


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
