#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints what a screen reader is told, a line an event: an object that takes the focus, as
# "focus ROLE | NAME | DESCRIPTION", and a notification that shows, as "notification | WORDS |
# AVERAGE", the words of its labels and the name of the table's average.
import pyatspi


def told(event):
    source = event.source
    if not event.detail1:
        return
    if event.type.endswith(":focused"):
        print(f"focus {source.getRoleName()} | {source.name} | {source.description}", flush=True)
    elif source.getRole() == pyatspi.ROLE_NOTIFICATION:
        words = " ".join(label.name for label in source)
        average = pyatspi.findDescendant(
            source.getApplication(), lambda o: o.name.startswith("Average of shortage: "))
        print(f"notification | {words} | {average.name}", flush=True)


pyatspi.Registry.registerEventListener(
    told, "object:state-changed:focused", "object:state-changed:showing")
print("listening", flush=True)
pyatspi.Registry.start()
