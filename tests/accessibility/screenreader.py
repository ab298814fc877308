# What a screen reader reads from the running trainer over AT-SPI: the
# names and roles of its controls, its menus, its first page and the About
# window, opened by the keyboard. Meanwhile it watches what the window manager
# lists: one native window for the main window from start to end and one for
# About, neither ever asking for a task-bar button. (The keyboard's way
# through the window is tst_accessibility's; the page's menu and its
# commands, tst_pagenetwork's.)
#
# Usage: screenreader.py PROGRAM
# Needs an X display and a D-Bus session bus of its own (screenreader.sh
# provides both). Starts the accessibility bus, a window manager and the
# program, and stops all three at the end.

import os
import subprocess
import re
import sys
import threading
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

TITLE = "Orvani Parlevo v5.0"
MENU = [("Exit", []), ("Intro", []),
        ("Words", ["Animals", "Body", "Colors", "Family", "Food", "Numbers", "Shapes"]),
        ("Phrases", []), ("Syntax", []),
        ("Translation  Dictionaries", ["English to Orvani", "Orvani to English"]),
        ("Screen Saver", []), ("About", [])]

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what, flush=True)
    failures.extend([] if condition else [what])


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def find(root, role_name, name=None):
    return next((n for n in walk(root)
                 if n.get_role_name() == role_name and (name is None or n.get_name() == name)), None)


# Polls probe(), taking in the accessibility events that have come, until it
# returns something true or `timeout` seconds have passed; its last answer.
def until(probe, timeout=15.0):
    end = time.monotonic() + timeout
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        try:
            result = probe()
        except GLib.Error:
            result = None
        if result or time.monotonic() > end:
            return result
        time.sleep(0.05)


# As until(); checks that the answer came, and returns it.
def wait_for(what, probe, timeout=15.0):
    result = until(probe, timeout)
    check(bool(result), what)
    return result


def application():
    for app in children(Atspi.get_desktop(0)):
        if app is not None and find(app, "frame", TITLE):
            app.set_cache_mask(Atspi.Cache.NONE)  # every answer fresh from the program
            return app
    return None


def xprop(*arguments):
    return subprocess.run(["xprop", *arguments], capture_output=True, text=True).stdout


# The windows of a process that the window manager lists, polled.
class WindowWatch(threading.Thread):

    def __init__(self, pid):
        super().__init__(daemon=True)
        self.pid, self.listed, self.with_button, self.done = pid, [], set(), threading.Event()
        self.rounds = 0  # times every listed window has been looked at

    def run(self):
        while not self.done.is_set():
            for window in re.findall(r"0x[0-9a-f]+", xprop("-root", "_NET_CLIENT_LIST")):
                properties = xprop("-id", window, "_NET_WM_PID", "_NET_WM_STATE")
                if f"= {self.pid}\n" in properties:
                    self.listed += [] if window in self.listed else [window]
                    if "_NET_WM_STATE_SKIP_TASKBAR" not in properties:
                        self.with_button.add(window)
            self.rounds += 1
            time.sleep(0.005)


def labelled_by(node):
    return [relation.get_target(i).get_name() for relation in node.get_relation_set()
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY
            for i in range(relation.get_n_targets())]


def check_window(window):
    combo = find(window, "combo box")
    check(combo and "English entry" in labelled_by(combo),
          "the entry list is a combo box labelled 'English entry'")
    check(find(window, "text", "Orvani text"), "the Orvani text box is a text named 'Orvani text'")
    check(find(window, "panel", "Lesson page"), "the page pane is a panel named 'Lesson page'")
    bar = find(window, "menu bar")
    seen = [(item.get_name(), [sub.get_name() for menu in children(item) for sub in children(menu)])
            for item in children(bar)] if bar else []
    roles = {n.get_role_name() for item in (children(bar) if bar else []) for n in walk(item)}
    check(seen == MENU and roles <= {"menu item", "popup menu"},
          "the menu bar holds every item and submenu item in order, as menu items")


def check_page(app, title):
    document = wait_for(f"the page '{title}' reaches the screen reader", lambda: next(
        (d for d in walk(app) if d.get_role_name() == "document web"
         and d.get_name().startswith(title) and d.get_child_count() > 0), None))
    check(document and any(n.get_role_name() == "heading" and n.get_name() for n in walk(document)),
          f"'{title}' has a named heading")


def check_about(app, watch):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "F10", "Left", "Return"], check=True)
    about = wait_for("F10, Left, Enter opens the About dialog", lambda: find(app, "dialog", "About..."))
    # Its window is listed by now or soon; one more look at every window after
    # that sees its state.
    until(lambda: len(watch.listed) > 1, timeout=10)
    rounds = watch.rounds
    until(lambda: watch.rounds > rounds + 1)
    if about:
        check(find(about, "image", "Quillfen picture"), "About shows an image named 'Quillfen picture'")
        link = find(about, "link")
        check(link and "www.quillfen.example" in link.get_name()
              and "Press" in [link.get_action_name(i) for i in range(link.get_n_actions())],
              "About holds a link named with its text 'www.quillfen.example', which can be pressed")


def main(program):
    started = []
    try:
        started.append(subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"]))
        wait_for("the accessibility bus runs", lambda: Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
            GLib.Variant("(s)", ("org.a11y.Bus",)), GLib.VariantType("(b)"), Gio.DBusCallFlags.NONE,
            -1).unpack()[0], timeout=10)
        started.append(subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL))
        # A window mapped before the window manager runs is never activated.
        wait_for("the window manager runs", lambda: "window id" in xprop(
            "-root", "_NET_SUPPORTING_WM_CHECK"), timeout=10)
        environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        started.append(subprocess.Popen([program], env=environment, stderr=subprocess.DEVNULL))
        watch = WindowWatch(started[-1].pid)
        watch.start()
        app = wait_for("the trainer's window appears on the accessibility bus", application)
        if app:
            check_window(find(app, "frame", TITLE))
            check_page(app, "Welcome to Orvani Parlevo")
            check(len(watch.listed) == 1, f"one window from start to the first page: {watch.listed}")
            check_about(app, watch)
        watch.done.set()
        watch.join()
        check(len(watch.listed) == 2 and not watch.with_button,
              f"About adds one window; none has a task-bar button: {watch.listed}, {watch.with_button}")
    finally:
        for process in reversed(started):
            process.terminate()
            process.wait(timeout=10)
    print(f"{len(failures)} failed", flush=True)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
