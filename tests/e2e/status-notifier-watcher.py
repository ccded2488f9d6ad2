#!/usr/bin/python3
"""A StatusNotifierItem watcher with a host on the session bus, as a tray that hosts such items offers, and
nothing else: it prints each item registered ("bus-name path"), so a session can read the item's properties."""
import sys

from gi.repository import Gio, GLib

INTERFACE = """<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
</interface></node>"""
items = []


def call(connection, sender, path, interface, method, parameters, invocation):
    if method == "RegisterStatusNotifierItem":
        service = parameters.unpack()[0]
        # An item names its path, or its bus name with the usual path.
        item = f"{sender} {service}" if service.startswith("/") else f"{service} /StatusNotifierItem"
        items.append(item)
        print(item, flush=True)
        connection.emit_signal(None, path, interface, "StatusNotifierItemRegistered", GLib.Variant("(s)", (item,)))
    invocation.return_value(None)


def get(connection, sender, path, interface, name):
    return {"RegisteredStatusNotifierItems": GLib.Variant("as", items),
            "IsStatusNotifierHostRegistered": GLib.Variant("b", True),
            "ProtocolVersion": GLib.Variant("i", 0)}[name]


def acquired(connection, name):
    info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
    connection.register_object("/StatusNotifierWatcher", info, call, get, None)


Gio.bus_own_name(Gio.BusType.SESSION, "org.kde.StatusNotifierWatcher", Gio.BusNameOwnerFlags.NONE, acquired, None,
                 lambda *_: sys.exit("the watcher's name is taken"))
GLib.MainLoop().run()
