#!/usr/bin/env python3
"""Prints the time (ns, as date +%s%N) at which the next window is mapped on
the X display, then exits; exits 1 after TIMEOUT seconds without one.

The start-up benchmark's clock stops here: the X server's own map event is
the moment the window appears, with nothing polling beside the program.
Usage: map_wait.py READY_FILE [TIMEOUT]  (READY_FILE is touched once listening)
"""
import select
import sys
import time

from Xlib import X, display, error


def listen_below(d, window):
    try:
        window.change_attributes(event_mask=X.SubstructureNotifyMask, onerror=error.CatchError())
        children = window.query_tree().children
    except error.XError:
        return  # gone already: Wine creates and destroys helper windows all the time
    for child in children:
        listen_below(d, child)


def main():
    ready, timeout = sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 30
    d = display.Display()
    listen_below(d, d.screen().root)  # Wine's desktop window and its children too
    d.sync()
    open(ready, "w").close()
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while d.pending_events():
            event = d.next_event()
            if event.type == X.MapNotify:
                print(time.time_ns())
                return 0
            if event.type == X.CreateNotify:
                listen_below(d, event.window)
        select.select([d], [], [], 0.05)
    return 1


if __name__ == "__main__":
    sys.exit(main())
