#!/usr/bin/python3
"""The built program on a real X server, driven from outside like a user at the keyboard.

On an Xvfb server of its own and a D-Bus session of its own, in a temporary working
folder holding the samples, with a window manager (openbox) as on a crew's desktop,
the program is taken through the splash window, a calculation of a position typed in
degrees, minutes and seconds, a satellite put on the look list, the look list
displayed, minimised and brought back by "Display Look List", a negative margin refused
by the preferences window with the focus back in its box after OK, and Exit. Keys go in
through xdotool (the X test extension); what the windows show is read back through the
accessibility interface (AT-SPI), as a screen reader would read it. Afterwards the program must have ended with
status 0, and the working folder must hold exactly the files it started with, unchanged
except for the one look-list mark that was set.

display_smoke_test.py PROGRAM SAMPLES_DIR
Exits 77 (skipped) with the reason when Xvfb, xdotool, dbus-run-session, openbox or
pyatspi is missing.
"""

import importlib.util
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
SAMPLE_FILES = ("tarvo.ini", "tarvo.sat", "tarvo.loc", "tarvo.hlp")
WAIT_SECONDS = 15


class Failure(Exception):
    pass


def skip_if_missing():
    missing = [tool for tool in ("Xvfb", "xdotool", "dbus-run-session", "openbox") if not shutil.which(tool)]
    if importlib.util.find_spec("pyatspi") is None:
        missing.append("pyatspi (python3-pyatspi)")
    if missing:
        print("SKIPPED: not installed: " + ", ".join(missing))
        sys.exit(SKIPPED)


def wait_for(what, probe, seconds=WAIT_SECONDS, process=None):
    """Polls probe() until it gives something true, and returns that; gives up at once
    when the process ends."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except Exception:  # the accessibility tree changes under a query
            result = None
        if result:
            return result
        if process is not None and process.poll() is not None:
            raise Failure("the program ended (status %d) while waiting for %s"
                          % (process.returncode, what))
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def start_xvfb():
    """An X server on a display number it picks itself; returns (process, display)."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,),
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
    )
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + WAIT_SECONDS
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            server.kill()
            raise Failure("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def start_window_manager(display, folder):
    """openbox on the display, once it manages windows (its start-up command has run)."""
    ready = os.path.join(folder, "wm-ready")
    manager = subprocess.Popen(
        ["openbox", "--sm-disable", "--startup", "touch " + ready],
        env=dict(os.environ, DISPLAY=display), stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    wait_for("the window manager", lambda: os.path.exists(ready), process=manager)
    return manager


class Program:
    """The program under test: its process, its windows and its accessibility tree."""

    def __init__(self, program, folder, display):
        import pyatspi  # only inside the test's own D-Bus session

        self.atspi = pyatspi
        self.display = display
        env = dict(os.environ)
        env.update(
            DISPLAY=display,
            QT_QPA_PLATFORM="xcb",
            QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
            LANG="C.UTF-8",
        )
        self.log = tempfile.TemporaryFile("w+")
        self.process = subprocess.Popen([program], cwd=folder, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT)
        self.app = None

    def connect(self):
        """Waits until the program has joined the accessibility bus."""
        self.app = self.wait("the program on the accessibility bus", self._find_app)

    def wait(self, what, probe, seconds=WAIT_SECONDS):
        return wait_for(what, probe, seconds, self.process)

    def output(self):
        self.log.seek(0)
        return self.log.read()

    def end(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log.close()

    def _find_app(self):
        desktop = self.atspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def label(self, node):
        """What a screen reader calls a control: its name, or for a list with an edit
        field, whose name is its text here, the label that labels it."""
        if node.getRoleName() == "combo box":
            for relation in node.getRelationSet():
                if relation.getRelationType() == self.atspi.RELATION_LABELLED_BY:
                    return relation.getTarget(0).name
        return node.name

    def search(self, matches):
        """The first node that matches, in the windows on the screen: hidden windows,
        closed menus and closed drop-down lists are not searched."""
        pending = [self.app]
        while pending:
            node = pending.pop(0)
            if node is None:
                continue
            if node is not self.app:
                if not node.getState().contains(self.atspi.STATE_SHOWING):
                    continue
                if matches(node):
                    return node
            pending.extend(node.getChildAtIndex(i) for i in range(node.childCount))
        return None

    def find(self, role, label):
        """The first control on the screen of that role and label, or None."""
        return self.search(lambda node: node.getRoleName() == role and self.label(node) == label)

    def text(self, node):
        text = node.queryText()
        return text.getText(0, text.characterCount)

    def field(self, name):
        return self.text(self.wait("the box " + name, lambda: self.find("text", name)))

    def window(self, title):
        """The X window id of the program's visible window with that title."""
        def search():
            found = subprocess.run(
                ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid), "--name",
                 "^" + title + "$"],
                env=dict(os.environ, DISPLAY=self.display), capture_output=True, text=True)
            ids = found.stdout.split()
            return ids[0] if found.returncode == 0 and len(ids) == 1 else None

        return self.wait("the window " + title, search)

    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *arguments], env=dict(os.environ, DISPLAY=self.display),
                       check=True, timeout=WAIT_SECONDS)

    def focus_window(self, title):
        self.xdotool("windowactivate", "--sync", self.window(title))

    def visible(self, title):
        found = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(self.process.pid),
             "--name", "^" + title + "$"],
            env=dict(os.environ, DISPLAY=self.display), capture_output=True, text=True)
        return found.returncode == 0 and bool(found.stdout.split())

    def active_title(self):
        """The title of the window the window manager has made active."""
        found = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                               env=dict(os.environ, DISPLAY=self.display), capture_output=True,
                               text=True)
        return found.stdout.strip() if found.returncode == 0 else None

    def keys(self, *keys):
        self.xdotool("key", "--delay", "20", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", "20", "--", text)  # "--": a text may begin with "-"

    def focused(self):
        """The control with the keyboard focus; a list's edit field counts as the list."""
        node = self.search(lambda node: node.getState().contains(self.atspi.STATE_FOCUSED))
        if node is not None and node.parent is not None and node.parent.getRoleName() == "combo box":
            return node.parent
        return node

    def focus_key(self):
        node = self.focused()
        return None if node is None else (node.getRoleName(), self.label(node))

    def tab_to(self, role, name, key="Tab", most=20):
        """Presses key until the control of that role and name has the focus, waiting
        after each press until the focus has moved."""
        wanted = (role, name)
        for _ in range(most):
            before = self.wait("a control with the focus", self.focus_key)
            if before == wanted:
                return self.focused()
            self.keys(key)
            self.wait("the focus to leave %s %r" % before,
                     lambda: (lambda now: now is not None and now != before)(self.focus_key()))
        raise Failure("%s did not bring the focus to %s %r" % (key, role, name))

    def expect_fields(self, what, expected):
        def all_shown():
            return all(self.field(name) == value for name, value in expected.items())

        try:
            self.wait(what, all_shown, seconds=5)
        except Failure:
            shown = {name: self.field(name) for name in expected}
            raise Failure("%s: the boxes show %r, expected %r" % (what, shown, expected))


def run(program_path, samples):
    started = time.monotonic()

    def step(text):
        print("%5.1f s  %s" % (time.monotonic() - started, text), flush=True)

    top = tempfile.mkdtemp(prefix="tarvo-display-")
    folder = os.path.join(top, "work")
    os.mkdir(folder)
    for name in SAMPLE_FILES:
        shutil.copyfile(os.path.join(samples, name), os.path.join(folder, name))
    server, display = start_xvfb()
    os.environ["DISPLAY"] = display  # where the accessibility bus is looked for
    program = None
    manager = None
    try:
        manager = start_window_manager(display, top)
        program = Program(program_path, folder, display)
        program.connect()
        go_through_windows(program, samples, step)
        try:
            status = program.process.wait(timeout=WAIT_SECONDS)
        except subprocess.TimeoutExpired:
            raise Failure("the program did not end after Exit")
        if status != 0:
            raise Failure("the program ended with status %d" % status)
        step("ended with status 0")
        check_files(folder, samples)
        step("working folder as expected")
    except Failure:
        if program is not None:
            sys.stdout.write("program output:\n" + program.output())
        raise
    finally:
        if program is not None:
            program.end()
        if manager is not None:
            manager.terminate()
            manager.wait()
        server.terminate()
        server.wait()
        shutil.rmtree(top, ignore_errors=True)


def go_through_windows(program, samples, step):
    # The splash window: Enter presses its button.
    program.wait("the splash window's button",
                 lambda: program.find("push button", "CLEAR THIS SCREEN AND GET ON WITH IT!"))
    program.focus_window("SNG Tarvo")
    program.keys("Return")
    step("splash window passed")

    # The main window opens on the default location and satellite, calculated
    # (Atlanta, GA at 84.39 W 33.75 N, Galaxy 19 at 97 W).
    program.expect_fields("the first calculation", {
        "West Long:": "84.39", "North Lat:": "33.75",
        "Azimuth:": "201.933", "Elevation:": "48.479", "Range:": "20072.5"})
    program.focus_window("SNG Tarvo")

    # Denver typed in degrees, minutes and seconds: 104 59 25 W is 104.990277... and
    # 39 44 21 N is 39.739166..., each shown rounded to four places.
    program.tab_to("text", "West Long:")
    program.keys("ctrl+a")
    program.type("104 59 25")
    program.tab_to("text", "North Lat:")
    program.keys("ctrl+a")
    program.type("39 44 21")
    program.tab_to("push button", "Calculate")
    program.keys("space")
    program.expect_fields("the calculation of the typed position", {
        "West Long:": "104.9903", "North Lat:": "39.7392",
        "Azimuth:": "167.616", "Elevation:": "43.272", "Range:": "20266.6"})
    step("typed position calculated")

    # One slot down the position list, 95 W (Galaxy 35), goes on the look list.
    program.tab_to("combo box", "West Longitude:", key="shift+Tab")
    program.keys("Up")
    program.wait("Galaxy 35 chosen",
                 lambda: program.find("combo box", "Satellite:").name.strip() == "Galaxy 35")
    check = program.tab_to("check box", "Include in Look List:")
    program.keys("space")
    program.wait("the look-list mark",
                 lambda: check.getState().contains(program.atspi.STATE_CHECKED))
    step("Galaxy 35 marked for the look list")

    # The look list of the typed position: one row per marked satellite, Galaxy 35
    # among them, and Galaxy 19's row holds the main window's figures for it.
    program.tab_to("push button", "Display Look List")
    program.keys("space")
    document = program.wait("the look list", lambda: program.find("document frame", "Look list"))
    listing = program.wait("Galaxy 35 in the look list",
                           lambda: (lambda text: "Galaxy 35" in text and text)(program.text(document)))
    rows = [line.split("\t") for line in listing.splitlines()]
    rows = [row for row in rows if len(row) == 3 and row[0] != "Satellite"]
    if sorted(row[0] for row in rows) != sorted(marked_in_sample(samples) + ["Galaxy 35"]):
        raise Failure("the look list does not list the marked satellites:\n" + listing)
    if ["Galaxy 19", "167.616", "43.272"] not in rows:
        raise Failure("Galaxy 19's row does not show the main window's figures:\n" + listing)
    step("look list displayed")

    # Minimised, the look list comes back, in front and active, with the command.
    program.xdotool("windowminimize", "--sync", program.window("Form1"))
    program.wait("the look list minimised", lambda: not program.visible("Form1"))
    program.focus_window("SNG Tarvo")
    program.tab_to("push button", "Display Look List")
    program.keys("space")
    program.wait("the look list brought up", lambda: program.active_title() == "Form1")
    step("minimised look list brought up")

    # A negative left margin is refused by the preferences window; after OK that window
    # is active again with the focus in the box the message names.
    program.focus_window("SNG Tarvo")
    program.keys("alt+f")
    program.wait("the File menu", lambda: program.find("menu item", "Edit Preferences"))
    # Up from the top of the menu wraps to E&xit, and once more to Edit Preferences.
    program.keys("Up", "Up", "Return")
    program.window("SNG Tarvo - Preferences")
    program.tab_to("text", "Left Margin:")
    program.keys("ctrl+a")
    program.type("-1")
    program.tab_to("push button", "Save Changes and Exit")
    program.keys("space")
    refusal = "Margin value cannot be a negative number!"
    program.wait("the refusal", lambda: program.search(lambda node: node.name == refusal))
    program.keys("Return")
    program.wait("the refusal answered",
                 lambda: program.search(lambda node: node.name == refusal) is None)
    try:
        program.wait("the focus back in the left margin",
                     lambda: program.focus_key() == ("text", "Left Margin:")
                     and program.active_title() == "SNG Tarvo - Preferences", seconds=5)
    except Failure:
        raise Failure("after OK the focus is in %r of the window %r"
                      % (program.focus_key(), program.active_title()))
    step("refused margin: the focus back in its box")
    program.tab_to("push button", "Exit")
    program.keys("space")
    program.wait("the preferences window closed",
                 lambda: not program.visible("SNG Tarvo - Preferences"))

    # Exit, from the main window's button.
    program.focus_window("SNG Tarvo")
    program.tab_to("push button", "Exit")
    program.keys("space")


def marked_in_sample(samples):
    """The names of the catalogue's satellites marked for the look list in the sample
    satellite file: records of three lines (name in quotes, slot, mark), the first of
    them the default satellite, which is no catalogue row."""
    with open(os.path.join(samples, "tarvo.sat"), "rb") as file:
        lines = file.read().decode("cp1252").split("\r\n")
    records = [lines[i:i + 3] for i in range(3, len(lines) - 2, 3)]
    return [name.strip('"').rstrip() for name, _, mark in records if mark.strip() == "1"]


def check_files(folder, samples):
    """Nothing but the mark of Galaxy 35 changed, and no file came or went."""
    names = sorted(os.listdir(folder))
    if names != sorted(SAMPLE_FILES):
        raise Failure("the working folder holds %r" % names)

    def read(where, name):
        with open(os.path.join(where, name), "rb") as file:
            return file.read()

    for name in ("tarvo.ini", "tarvo.loc", "tarvo.hlp"):
        if read(folder, name) != read(samples, name):
            raise Failure(name + " changed")
    record = b'"' + b"Galaxy 35".ljust(25) + b'"\r\n95\r\n'
    sample = read(samples, "tarvo.sat")
    if sample.count(record + b"0\r\n") != 1:
        raise Failure("the sample tarvo.sat does not hold Galaxy 35 unmarked once")
    expected = sample.replace(record + b"0\r\n", record + b"1\r\n")
    if read(folder, "tarvo.sat") != expected:
        raise Failure("tarvo.sat is not the sample with Galaxy 35 marked:\n%r"
                      % read(folder, "tarvo.sat"))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    skip_if_missing()
    # A D-Bus session of its own, so that the accessibility bus is the test's alone.
    if os.environ.get("TARVO_SMOKE_SESSION") != "1":
        env = dict(os.environ, TARVO_SMOKE_SESSION="1")
        env.pop("AT_SPI_BUS_ADDRESS", None)
        env.pop("DISPLAY", None)
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv, env)
    try:
        run(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]))
    except Failure as failure:
        print("FAILED: %s" % failure)
        sys.exit(1)


if __name__ == "__main__":
    main()
