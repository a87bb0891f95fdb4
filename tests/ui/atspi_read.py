#!/usr/bin/python3
"""Reads Cinquevole through AT-SPI, as a screen reader does.

    atspi_read.py PROGRAM

Runs inside an X display and a D-Bus session (atspi_test.sh provides both). Starts PROGRAM with
the accessibility bridge on, lists the controls of the options dialog and of the main window by
role and name, presses "OK", moves the sight with the arrow keys through xdotool and reads the
sheet's description after each key, listening for the description changes that a screen reader
follows. Exits 1 on the first expectation that does not hold, 77 when the desktop cannot be
reached at all.
"""

import os
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

TIMEOUT = 10.0
OPTIONS_TITLE = "Cinquevole, choix des adversaires et du niveau"


class Failure(Exception):
    pass


def pump():
    """Lets the events queued for us be dispatched."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except GLib.Error:
            value = None  # the program is still building the object
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("no " + what + " within %.0f s" % timeout)
        time.sleep(0.05)


def fresh(obj):
    obj.clear_cache()
    return obj


def walk(obj, depth=0):
    yield depth, obj
    for child in fresh(obj):
        if child is not None:
            yield from walk(child, depth + 1)


def find(root, name, role=None):
    for _, obj in walk(root):
        if obj.name == name and (role is None or obj.getRoleName() == role):
            return obj
    return None


def application(desktop, pid):
    # With the GTK platform theme, GTK registers the process too, as an application without
    # windows: the program is the one that shows some.
    for app in fresh(desktop):
        if app is not None and app.get_process_id() == pid and app.childCount > 0:
            return app
    return None


def window(app, name):
    for win in fresh(app):
        if win is not None and win.name == name and win.getState().contains(pyatspi.STATE_SHOWING):
            return win
    return None


def list_controls(title, root):
    """Prints the tree under `root`, one control a line: role, name, description."""
    print("== " + title)
    names = []
    for depth, obj in walk(root):
        names.append(obj.name)
        line = "  " * depth + "%s \"%s\"" % (obj.getRoleName(), obj.name)
        if obj.description:
            line += "  (" + obj.description.replace("\n", " / ")[:70] + ")"
        print(line)
    return names


def expect_names(names, wanted, where):
    missing = [w for w in wanted if w not in names]
    if missing:
        raise Failure("%s: no control named %s" % (where, ", ".join(repr(m) for m in missing)))


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=TIMEOUT, capture_output=True)


def main():
    program = sys.argv[1]
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        fresh(desktop).childCount
    except GLib.Error as error:
        print("SKIP: no accessibility bus: %s" % error)
        return 77

    changes = []  # the sheet's description as each change event arrives, in order

    def on_description(event):
        # Qt 6.4 sends the object itself with the event, not the new text: read it from there.
        if event.source is not None and event.source.name == "Feuille":
            changes.append(fresh(event.source).description)

    listener = Atspi.EventListener.new(on_description)
    listener.register("object:property-change:accessible-description")

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    log = open(os.environ.get("ATSPI_PROGRAM_LOG", os.devnull), "w")
    process = subprocess.Popen([program], env=env, stdout=log, stderr=subprocess.STDOUT)
    try:
        app = wait_for("program on the accessibility bus", lambda: application(desktop, process.pid))

        options = wait_for("options dialog", lambda: window(app, OPTIONS_TITLE))
        names = list_controls("Options dialog", options)
        expect_names(names, [
            "Nom du joueur 1 (vert)", "Nom du joueur 2 (rouge)", "Couleur du joueur 1 : vert",
            "Adversaires", "Joueur 1", "contre", "Ordinateur", "Autres", "Niveaux",
            "Niveau initiation", "Niveau 1", "Niveau 2", "Niveau 3", "OK", "Annuler"],
            "options dialog")

        ok = find(options, "OK", "push button")
        ok.queryAction().doAction(0)

        main_window = wait_for("main window", lambda: window(app, "Cinquevole"))
        sheet = wait_for("sheet", lambda: find(main_window, "Feuille"))
        names = list_controls("Main window", main_window)
        expect_names(names, [
            "Menu", "Fichier", "?", "Feuille", "Cadre du haut : niveau", "Niveau initiation",
            "Joueur 1 A vous de jouer", "Au tour de Joueur 1 (vert)", "Parties",
            "Couleur de Joueur 1 : vert", "Parties gagnées par Joueur 1 : 0",
            "Parties gagnées par Ordinateur : 0"], "main window")

        # The keys go to the window that has the focus: the main window, its sheet focused.
        windows = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(process.pid),
             "--name", "^Cinquevole$"],
            check=True, timeout=TIMEOUT, capture_output=True, text=True).stdout.split()
        xdotool("windowactivate", "--sync", windows[-1])
        wait_for("focus on the sheet",
                 lambda: fresh(sheet).getState().contains(pyatspi.STATE_FOCUSED))

        print("== The sight")
        steps = [
            (None, "Viseur ligne 2, colonne 14 : libre."),
            ("Right", "Viseur ligne 2, colonne 15 : libre."),
            ("Down", "Viseur ligne 3, colonne 15 : libre."),
            ("Left", "Viseur ligne 3, colonne 14 : libre."),
            ("Return", "Viseur ligne 3, colonne 14 : point vert. L'ordinateur a joué ligne "),
        ]
        for key, expected in steps:
            if key is not None:
                xdotool("key", key)
            text = wait_for("description %r" % expected,
                            lambda: fresh(sheet).description.startswith(expected)
                            and fresh(sheet).description)
            print("%-8s %s" % (key or "(start)", text))

        # The description changes reached us as events, the way a screen reader hears them.
        wait_for("description events", lambda: len(changes) >= 4)
        print("== Description changes announced: %d" % len(changes))
        for text in changes:
            print("   " + text)
        if not changes[-1].startswith(steps[-1][1]):
            raise Failure("the last announcement is %r" % changes[-1])
        print("PASS")
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        return 1
    finally:
        process.terminate()
        try:
            process.wait(timeout=5)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()
        listener.deregister("object:property-change:accessible-description")


if __name__ == "__main__":
    sys.exit(main())
