#!/usr/bin/python3
"""Listens on the accessibility bus as a screen reader does: it asks for the events that Orca asks for
and, for each one, reads the name and the role of the object it came from. Prints "READY" once its
listeners are registered; at SIGTERM prints how many events it read (to stderr) and exits."""
import signal
import sys

import pyatspi

EVENTS = ['object:children-changed', 'object:state-changed', 'object:property-change', 'object:text-changed',
          'object:text-caret-moved', 'object:selection-changed', 'object:active-descendant-changed',
          'object:value-changed', 'object:visible-data-changed', 'focus:', 'window:']
count = 0


def on_event(event):
    global count
    count += 1
    try:
        source = event.source
        _ = source.name, source.getRoleName()
    except Exception:  # the object may be gone already
        pass


def stop(*_):
    print('screen reader: %d events' % count, file=sys.stderr, flush=True)
    pyatspi.Registry.stop()


for name in EVENTS:
    pyatspi.Registry.registerEventListener(on_event, name)
signal.signal(signal.SIGTERM, stop)
print('READY', flush=True)
pyatspi.Registry.start()
