# SPDX-License-Identifier: MIT
# The program as a screen reader meets it, through the desktop's
# accessibility bus (AT-SPI), with keys typed through the X server. Started by
# screen_reader_test.sh inside a private D-Bus session on a display of its own.
#
# It walks every window the user can open: each must be a window (frame,
# dialog or alert) named by its caption, and every control that the keyboard
# can reach must be heard by a name with a word in it (a combo box by the
# label of its row). It checks that the values shown are heard (the read-out,
# the zoom, the count), that results are announced, that Escape on an open
# drop-down list leaves the settings window open with its choices, that the
# focus comes back to its control after a box, and, at a scale factor of 2,
# that every window lies wholly on the 1280 x 1024 screen.
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, WORK = sys.argv[1], sys.argv[2]
SCREEN = (1280, 1024)
# A word: two letters one after the other ("A=", "X", "123", "I" hold none).
WORD = re.compile(r"[^\W\d_]{2}")
failures = []
announcements = []


def fail(message):
    failures.append(message)
    print("FAIL:", message, flush=True)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, what, timeout=30):
    """Waits until condition() gives a true value and returns it."""
    end = time.monotonic() + timeout
    while True:
        pump()
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise TimeoutError("waited in vain for " + what)
        time.sleep(0.05)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)


def on_showing(event):
    try:
        if event.detail1 and event.source.getRoleName() == "notification":
            announcements.append(event.source.name)
    except GLib.Error:
        pass  # an object that has gone since


last_focus = [None]


def on_focus(event):
    if event.detail1:
        last_focus[0] = event.source


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "Grafolin":
            return app
    return None


def fresh(app):
    app.clear_cache()
    return app


def windows(app):
    """The program's windows on the screen."""
    return [w for w in fresh(app) if w is not None and states(w).contains(pyatspi.STATE_SHOWING)]


def window(app, name):
    return next((w for w in windows(app) if w.name == name), None)


def states(obj):
    return obj.getState()


def descendants(obj):
    for child in obj:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def labelled_by(obj):
    names = []
    for relation in obj.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return names


def heard_name(obj):
    """What a screen reader says a control is called: its label, else its name."""
    labels = labelled_by(obj)
    return " ".join(labels) if labels else obj.name


def reachable(obj):
    s = states(obj)
    return s.contains(pyatspi.STATE_FOCUSABLE) and s.contains(pyatspi.STATE_SHOWING)


def focused(app):
    """The control with the keyboard focus, as the focus events last told."""
    pump()
    return last_focus[0]


def walk(app, win, where):
    """Checks a shown window and every control in it that Tab can reach."""
    if win.getRoleName() not in ("frame", "dialog", "alert"):
        fail(f"{where}: the window {win.name!r} is a {win.getRoleName()!r}, not a frame or a dialog")
    if not WORD.search(win.name.strip()):
        fail(f"{where}: a window without a caption in words: {win.name!r}")
    combo_labels = {}
    count = 0
    for obj in descendants(win):
        if not reachable(obj):
            continue
        count += 1
        role = obj.getRoleName()
        heard = heard_name(obj)
        if role in ("unknown", "filler", ""):
            fail(f"{where}: {heard!r} has no role a screen reader knows ({role!r})")
        if not WORD.search(heard):
            fail(f"{where}: a {role} is heard as {heard!r}, without a word")
        if role == "combo box":
            # On this desktop a combo box's name is its value: its label is
            # what says what it sets.
            if not labelled_by(obj):
                fail(f"{where}: the combo box showing {obj.name!r} has no label")
            elif heard in combo_labels:
                fail(f"{where}: two combo boxes are both heard as {heard!r}")
            combo_labels[heard] = obj
    return count


def wait_window(app, name, what=None):
    return wait_for(lambda: window(app, name), what or f"the window {name!r}")


def wait_gone(app, name):
    wait_for(lambda: window(app, name) is None, f"the window {name!r} to close")


def tab_to(app, heard, keys=("Tab",), limit=60):
    seen = []
    for _ in range(limit):
        obj = focused(app)
        if obj is not None and heard_name(obj) == heard:
            return obj
        seen.append(f"{obj.getRoleName()} {heard_name(obj)!r}" if obj is not None else "nothing")
        key(*keys)
        # The focus moves when the key has been handled.
        before = obj
        try:
            wait_for(lambda: focused(app) is not None and focused(app) != before, "the focus to move", 5)
        except TimeoutError:
            pass
    raise TimeoutError(f"Tab never reached {heard!r}; the focus was on " + ", ".join(dict.fromkeys(seen)))


def wait_focus(app, heard):
    return wait_for(lambda: (lambda f: f if f is not None and heard_name(f) == heard else None)(focused(app)),
                    f"the focus on {heard!r}")


def value_after(win, caption):
    """The label that a caption label ("X:") is the label of."""
    for obj in descendants(win):
        if obj.name == caption and obj.getRoleName() == "label":
            for relation in obj.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                    return relation.getTarget(0)
    return None


def labels_named(win, text):
    return [o for o in descendants(win) if o.getRoleName() == "label" and o.name == text]


def start(extra_env=None):
    env = dict(os.environ)
    env.update({
        "HOME": os.path.join(WORK, "home"),
        "XDG_CONFIG_HOME": os.path.join(WORK, "home", ".config"),
        "XDG_DATA_HOME": os.path.join(WORK, "home", ".local", "share"),
        # Qt speaks to the accessibility bus without waiting for a screen
        # reader to ask it to.
        "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        "QT_QPA_PLATFORM": "xcb",
    })
    env.update(extra_env or {})
    os.makedirs(env["XDG_CONFIG_HOME"], exist_ok=True)
    cwd = os.path.join(WORK, "files")
    os.makedirs(cwd, exist_ok=True)
    process = subprocess.Popen([PROGRAM], cwd=cwd, env=env)
    app = wait_for(application, "the program on the accessibility bus")
    return process, app


def stop(process):
    process.terminate()
    try:
        process.wait(10)
    except subprocess.TimeoutExpired:
        process.kill()


def first_run_and_main_window(app):
    first = wait_window(app, "Első indítás")
    walk(app, first, "first-run window")
    sentences = [o for o in descendants(first) if o.getRoleName() == "label" and reachable(o)]
    if len(sentences) < 5:
        fail(f"first-run window: {len(sentences)} of its 5 lines can be reached with Tab")
    wait_focus(app, "OK")
    key("Return")
    main = wait_for(lambda: (lambda w: w if w and states(w).contains(pyatspi.STATE_SENSITIVE) else None)(
        window(app, "Grafolin 5.2")), "the main window, enabled")
    return main


def main_window_checks(app):
    main = window(app, "Grafolin 5.2")
    walk(app, main, "main window")
    wait_focus(app, "Elsőfokú")
    # The form's tab order: the options, the fields, the plot button.
    tab_to(app, "A együttható")
    type_text("0")
    key("Tab")
    wait_focus(app, "B együttható")
    type_text("10")
    announcements.clear()
    key("F5")
    main = wait_window(app, "Íme a függvény", "the caption after F5")
    wait_for(lambda: labels_named(main, "Függvények száma: 1"), "the count panel heard as 'Függvények száma: 1'")
    wait_for(lambda: any("Függvények száma: 1" in a for a in announcements), "the count announced after F5")
    if heard_name(focused(app)) != "B együttható":
        fail("F5 moved the focus away from the field")

    # The read-out: the mouse over the point (10; 10) of the picture.
    picture = next(o for o in descendants(main) if o.name == "A függvények képe")
    x, y, _, _ = picture.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + 205 + 40), str(y + 160 - 40)], check=True)
    try:
        wait_for(lambda: fresh(app) and [value_after(main, c).name for c in ("X:", "Y:")] == ["10.00", "10.00"],
                 "the read-out heard as 10.00 and 10.00", 10)
    except (TimeoutError, AttributeError):
        fail("the read-out is not heard: X and Y are heard as " +
             repr([getattr(value_after(main, c), "name", None) for c in ("X:", "Y:")]))

    # A zoom step from the keyboard.
    announcements.clear()
    tab_to(app, "Nagyítás")
    key("space")
    try:
        wait_for(lambda: fresh(app) and labels_named(main, "2x"), "the zoom heard as 2x", 10)
    except TimeoutError:
        fail("the zoom label is not heard as '2x'")
    wait_for(lambda: any("2x" in a for a in announcements), "the zoom announced")

    # The picture takes the focus and tells what it shows.
    picture = tab_to(app, "A függvények képe")
    if "Nagyítás: 2x" not in picture.description or "1 függvény" not in picture.description:
        fail(f"the picture is described as {picture.description!r}")

    # Ctrl+F: the function list takes the focus; Escape gives it back.
    key("ctrl+f")
    listing = wait_window(app, "Függvények")
    wait_for(lambda: states(listing).contains(pyatspi.STATE_ACTIVE), "the function list to be active")
    walk(app, listing, "function list")
    key("Escape")
    wait_for(lambda: states(window(app, "Íme a függvény")).contains(pyatspi.STATE_ACTIVE),
             "the main window to be active again")
    wait_focus(app, "A függvények képe")


def settings_checks(app):
    key("F2")
    settings = wait_window(app, "Beállítások")
    wait_for(lambda: states(settings).contains(pyatspi.STATE_ACTIVE), "the settings window to be active")
    for tab in ("Általános", "Színek", "Kapcsolók", "Megjelenés"):
        walk(app, settings, "settings window, tab " + tab)
        key("ctrl+Tab")
    # Escape on an open drop-down list closes only the list.
    key("ctrl+Tab", "ctrl+Tab")  # "Kapcsolók"
    picker = tab_to(app, "Hang:")
    key("Up")
    wait_for(lambda: fresh(app) and picker.name == "Be", "the sound picker to read Be")
    key("alt+Down")
    view = wait_for(lambda: fresh(app) and next((o for o in descendants(picker) if o.getRoleName() == "list" and
                                                   states(o).contains(pyatspi.STATE_SHOWING)), None),
                    "the drop-down list to open")
    key("Escape")
    wait_for(lambda: fresh(app) and not states(view).contains(pyatspi.STATE_SHOWING), "the drop-down list to close")
    if window(app, "Beállítások") is None:
        fail("Escape on an open drop-down list closed the settings window")
        return
    if picker.name != "Be":
        fail(f"Escape on the open list lost the choice: the picker reads {picker.name!r}")
    # The quick view is to show whenever the settings window opens.
    key("ctrl+Tab")  # "Megjelenés"
    picker = tab_to(app, "Gyorsnézet:")
    key("Up")
    wait_for(lambda: fresh(app) and picker.name == "Mindig", "the quick-view picker to read Mindig")
    tab_to(app, "OK")
    key("Return")
    wait_gone(app, "Beállítások")
    wait_focus(app, "A függvények képe")


def help_checks(app):
    key("F1")
    help_window = wait_window(app, "Súgó a Grafolin program 5.2-es verziójához")
    for page in range(5):
        walk(app, help_window, f"help window, page {page + 1}")
        texts = [o for o in descendants(help_window) if reachable(o) and o.getRoleName() in ("label", "text")]
        if not texts:
            fail(f"help window, page {page + 1}: no text that Tab can reach")
        key("ctrl+Tab")
    # "Képes súgó" opens the help viewer, which Escape and Ctrl+W close.
    for closing in ("Escape", "ctrl+w"):
        tab_to(app, "Képes súgó")
        key("space")
        viewer = wait_window(app, "Grafolin súgó")
        walk(app, viewer, "help viewer")
        wait_for(lambda: states(window(app, "Grafolin súgó")).contains(pyatspi.STATE_ACTIVE), "the viewer in front")
        key(closing)
        wait_gone(app, "Grafolin súgó")
    wait_for(lambda: window(app, "Súgó a Grafolin program 5.2-es verziójához") and states(
        window(app, "Súgó a Grafolin program 5.2-es verziójához")).contains(pyatspi.STATE_ACTIVE),
        "the help window in front again")
    key("Escape")
    wait_gone(app, "Súgó a Grafolin program 5.2-es verziójához")


def save_load_and_boxes(app):
    key("ctrl+m")
    save_load = wait_window(app, "Függvény(ek) mentése/töltése")
    walk(app, save_load, "save/load window")
    if not labels_named(save_load, "Nincs betöltve semmi"):
        fail("the load status is not heard as 'Nincs betöltve semmi'")
    key("Escape")
    wait_gone(app, "Függvény(ek) mentése/töltése")

    # A refused input: the box is read, and the focus comes back to the field.
    tab_to(app, "A együttható")
    key("ctrl+a")
    type_text("abc")
    key("F5")
    box = wait_for(lambda: next((w for w in windows(app) if w.getRoleName() in ("alert", "dialog") and any(
        "Betűkből" in o.name for o in descendants(w))), None), "the refusal box")
    walk(app, box, "refusal box")
    key("Return")
    wait_for(lambda: box not in windows(app) or not states(box).contains(pyatspi.STATE_SHOWING), "the box to close")
    wait_focus(app, "A együttható")

    # The about box, from the menu.
    # Alt+S opens "Súgó"; Up goes round to its last item, "Névjegy".
    key("alt+s", "Up", "Return")
    about = wait_for(lambda: next((w for w in windows(app) if any(
        o.name and "5.2-es verzió" in o.name for o in descendants(w))), None), "the about box")
    walk(app, about, "about box")
    key("Return")
    wait_focus(app, "A együttható")


def windows_on_screen(app, factor):
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."], capture_output=True,
                         text=True).stdout.split()
    seen = 0
    for wid in ids:
        name = subprocess.run(["xdotool", "getwindowname", wid], capture_output=True, text=True).stdout.strip()
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", wid], capture_output=True,
                                  text=True).stdout
        g = dict(line.split("=", 1) for line in geometry.split())
        x, y, w, h = (int(g[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))
        if w <= 1 or h <= 1:
            continue
        seen += 1
        if x < 0 or y < 0 or x + w > SCREEN[0] or y + h > SCREEN[1]:
            fail(f"at the scale factor {factor} the window {name!r} lies at {x},{y} {w}x{h}, "
                 f"beyond the {SCREEN[0]}x{SCREEN[1]} screen")
    return seen


def scaled_run(factor):
    process, app = start({"QT_SCALE_FACTOR": str(factor)})
    try:
        wait_for(lambda: (lambda w: w and states(w).contains(pyatspi.STATE_ACTIVE))(window(app, "Grafolin 5.2")),
                 "the main window, in front")
        key("ctrl+f")
        wait_window(app, "Függvények")
        key("Escape")
        key("F2")
        wait_window(app, "Beállítások")
        wait_window(app, "Gyorsnézet")
        shown = windows_on_screen(app, factor)
        if shown < 4:
            fail(f"at the scale factor {factor} only {shown} windows were seen")
    finally:
        stop(process)


def main():
    process, app = start()
    try:
        first_run_and_main_window(app)
        main_window_checks(app)
        settings_checks(app)
        help_checks(app)
        save_load_and_boxes(app)
    except TimeoutError as e:
        fail(str(e))
    finally:
        stop(process)
    try:
        scaled_run(2)
    except TimeoutError as e:
        fail("at the scale factor 2: " + str(e))
    if failures:
        print(f"{len(failures)} failures")
        return 1
    print("every window and control was heard in words")
    return 0


sys.exit(main())
