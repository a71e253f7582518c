#!/usr/bin/python3
"""Drives a headless GNOME Shell over its session bus, one command a line on standard input,
one answer a line on standard output:
  key NAME [NAME...]   presses and releases X key symbols in turn (ctrl+h holds Control)
  click X Y            moves the pointer there and clicks the left button
  shot FILE            takes a picture of the whole screen
  windows              a JSON list of the windows: title, client type, focus, size
GNOME answers only callers that own the names it trusts, so this owns them first."""

import json
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def own(name):
    bus.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                  "RequestName", GLib.Variant("(su)", (name, 4)), None, 0, -1, None)


def call(name, path, interface, method, args=None, reply=None):
    return bus.call_sync(name, path, interface, method, args,
                         GLib.VariantType(reply) if reply else None, 0, 10000, None)


def prop(name, path, interface, key):
    return call(name, path, "org.freedesktop.DBus.Properties", "Get",
                GLib.Variant("(ss)", (interface, key)), "(v)").unpack()[0]


for name in ("org.gnome.Screenshot", "org.freedesktop.impl.portal.desktop.gnome"):
    own(name)

MUTTER = "org.gnome.Mutter.RemoteDesktop"
session = call(MUTTER, "/org/gnome/Mutter/RemoteDesktop", MUTTER, "CreateSession",
               None, "(o)").unpack()[0]
session_id = prop(MUTTER, session, MUTTER + ".Session", "SessionId")
CAST = "org.gnome.Mutter.ScreenCast"
cast = call(CAST, "/org/gnome/Mutter/ScreenCast", CAST, "CreateSession",
            GLib.Variant("(a{sv})", ({"remote-desktop-session-id": GLib.Variant("s", session_id)},)),
            "(o)").unpack()[0]
stream = call(CAST, cast, CAST + ".Session", "RecordMonitor",
              GLib.Variant("(sa{sv})", ("", {})), "(o)").unpack()[0]
call(MUTTER, session, MUTTER + ".Session", "Start")
time.sleep(0.5)

KEYSYMS = {"ctrl": 0xFFE3, "alt": 0xFFE9, "shift": 0xFFE1, "Left": 0xFF51, "Up": 0xFF52,
           "Right": 0xFF53, "Down": 0xFF54, "Escape": 0xFF1B, "Return": 0xFF0D, "Tab": 0xFF09,
           "F2": 0xFFBF, "F4": 0xFFC1, "space": 0x20}


def keysym(name):
    return KEYSYMS[name] if name in KEYSYMS else ord(name)


def key(combo):
    syms = [keysym(part) for part in combo.split("+")]
    for sym in syms:
        call(MUTTER, session, MUTTER + ".Session", "NotifyKeyboardKeysym",
             GLib.Variant("(ub)", (sym, True)))
    for sym in reversed(syms):
        call(MUTTER, session, MUTTER + ".Session", "NotifyKeyboardKeysym",
             GLib.Variant("(ub)", (sym, False)))
    time.sleep(0.15)


def click(x, y):
    call(MUTTER, session, MUTTER + ".Session", "NotifyPointerMotionAbsolute",
         GLib.Variant("(sdd)", (stream, x, y)))
    time.sleep(0.1)
    for pressed in (True, False):
        call(MUTTER, session, MUTTER + ".Session", "NotifyPointerButton",
             GLib.Variant("(ib)", (0x110, pressed)))
        time.sleep(0.05)


def shot(path):
    call("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot",
         "org.gnome.Shell.Screenshot", "Screenshot",
         GLib.Variant("(bbs)", (False, False, path)), "(bs)")


def windows():
    found = call("org.gnome.Shell", "/org/gnome/Shell/Introspect", "org.gnome.Shell.Introspect",
                 "GetWindows", None, "(a{ta{sv}})").unpack()[0]
    return [dict(properties) for properties in found.values()]


print("ready", flush=True)
for line in sys.stdin:
    words = line.split()
    if not words:
        continue
    try:
        if words[0] == "key":
            for combo in words[1:]:
                key(combo)
            print("ok", flush=True)
        elif words[0] == "click":
            click(float(words[1]), float(words[2]))
            print("ok", flush=True)
        elif words[0] == "shot":
            shot(words[1])
            print("ok", flush=True)
        elif words[0] == "windows":
            print(json.dumps(windows(), ensure_ascii=False), flush=True)
        else:
            print("unknown command", flush=True)
    except GLib.Error as error:
        print("error " + error.message.replace("\n", " "), flush=True)
