#!/usr/bin/python3
"""Starts the program many times as a desktop starts it, and counts how the starts end.

Each start runs the built program on an Xvfb server, in a working folder holding the
samples, with a D-Bus session of its own and the accessibility bus on (as a screen
reader's desktop runs it), without a controlling terminal, with core dumps allowed. The
start is timed to the program's first visible window (xdotool); the program is then
ended with SIGTERM. A start that ends by itself before that, or never shows a window, is
abnormal: its exit status or signal, core dump and standard error are kept and shown in
the summary.

Options make the start harder:
  --load N          N busy-loop processes for the whole run (the machine kept busy)
  --load-command C  a command run in the background for the whole run (a build, say)
  --late-a11y S     the accessibility bus started S seconds after the program instead of
                    before it; "random" draws 0-2 s
  --late-fonts S    fontconfig given an empty configuration (no fonts) for the first S
                    seconds; "random" draws 0-2 s
  --fresh-display   a new Xvfb for every start (the display itself comes up just before)
  --noreset         Xvfb started with -noreset, as a desktop's server that always has
                    clients never resets

Not part of the test run: it takes minutes. Example, 300 starts under load:
  tools/start-abort-loop.py -n 300 --load 2 --late-a11y random --late-fonts random
"""

import argparse
import collections
import os
import random
import resource
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SAMPLE_FILES = ("tarvo.ini", "tarvo.sat", "tarvo.loc", "tarvo.hlp")

DBUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%s</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""

EMPTY_FONTCONFIG = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><cachedir>%s</cachedir></fontconfig>
"""

SYSTEM_FONTCONFIG = """<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig><include ignore_missing="no">/etc/fonts/fonts.conf</include></fontconfig>
"""


def delay_option(text):
    if text == "random":
        return text
    return float(text)


def draw(delay):
    return random.uniform(0.0, 2.0) if delay == "random" else delay


def start_xvfb(noreset=False):
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"]
        + (["-noreset"] if noreset else []),
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 30
    while not number.endswith(b"\n"):
        ready, _, _ = select.select([read_end], [], [], max(0, deadline - time.monotonic()))
        chunk = os.read(read_end, 16) if ready else b""
        if not chunk:
            server.kill()
            sys.exit("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def start_dbus(folder):
    """A session bus of its own, without services started on demand: the loop starts the
    accessibility bus itself (Qt only watches for it, and never asks for it to start),
    before the program as at a desktop's login, or late."""
    config = os.path.join(folder, "session.conf")
    with open(config, "w") as out:
        out.write(DBUS_CONFIG % folder)
    daemon = subprocess.Popen(["dbus-daemon", "--config-file=" + config, "--print-address", "--nofork"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True,
                              start_new_session=True)
    address = daemon.stdout.readline().strip()
    if not address:
        daemon.kill()
        sys.exit("dbus-daemon did not start")
    return daemon, address


class Start:
    """One start of the program and what became of it."""

    def __init__(self, index, args, display, top):
        self.index = index
        self.args = args
        self.display = display
        self.folder = os.path.join(top, "start-%04d" % index)
        os.mkdir(self.folder)
        work = os.path.join(self.folder, "work")
        os.mkdir(work)
        for name in SAMPLE_FILES:
            shutil.copyfile(os.path.join(args.samples, name), os.path.join(work, name))
        self.work = work
        self.a11y_delay = draw(args.late_a11y) if args.late_a11y is not None else None
        self.font_delay = draw(args.late_fonts) if args.late_fonts is not None else None
        self.helpers = []
        self.outcome = None
        self.window_seconds = None
        self.core = False
        self.err = ""

    def run(self):
        dbus, address = start_dbus(self.folder)
        self.helpers.append(dbus)
        env = dict(os.environ)
        for name in ("AT_SPI_BUS_ADDRESS", "SESSION_MANAGER", "WAYLAND_DISPLAY"):
            env.pop(name, None)
        env.update(DISPLAY=self.display, DBUS_SESSION_BUS_ADDRESS=address,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8",
                   XDG_RUNTIME_DIR=self.folder)
        fonts = None
        if self.font_delay is not None:
            fonts = os.path.join(self.folder, "fonts.conf")
            with open(fonts, "w") as out:
                out.write(EMPTY_FONTCONFIG % os.path.join(self.folder, "fontcache"))
            env["FONTCONFIG_FILE"] = fonts
        if self.a11y_delay is None:
            self.start_a11y_bus(env)
            self.wait_for_a11y_bus(env)
        err_path = os.path.join(self.folder, "stderr")
        with open(err_path, "w") as err:
            started = time.monotonic()
            program = subprocess.Popen([self.args.program], cwd=self.work, env=env,
                                       stdin=subprocess.DEVNULL, stdout=err, stderr=err,
                                       preexec_fn=allow_core_dumps)
        a11y_due = None if self.a11y_delay is None else started + self.a11y_delay
        fonts_due = None if self.font_delay is None else started + self.font_delay
        status = None
        while True:
            now = time.monotonic()
            if a11y_due is not None and now >= a11y_due:
                self.start_a11y_bus(env)
                a11y_due = None
            if fonts_due is not None and now >= fonts_due:
                with open(fonts + ".new", "w") as out:
                    out.write(SYSTEM_FONTCONFIG)
                os.replace(fonts + ".new", fonts)
                fonts_due = None
            pid, status = os.waitpid(program.pid, os.WNOHANG)
            if pid == program.pid:
                program.returncode = status  # reaped here; keeps Popen from waiting again
                break
            if self.window_seconds is None and self.window_shown(program.pid):
                self.window_seconds = time.monotonic() - started
                linger_until = time.monotonic() + self.args.linger
            if self.window_seconds is not None and time.monotonic() >= linger_until:
                os.kill(program.pid, signal.SIGTERM)
                _, status = os.waitpid(program.pid, 0)
                program.returncode = status
                self.outcome = "window shown, ended by the loop" if (
                    os.WIFSIGNALED(status) and os.WTERMSIG(status) == signal.SIGTERM) \
                    else describe(status) + " when asked to end"
                break
            if now - started > self.args.timeout:
                os.kill(program.pid, signal.SIGKILL)
                _, status = os.waitpid(program.pid, 0)
                program.returncode = status
                self.outcome = "no window within %g s" % self.args.timeout
                break
            time.sleep(0.05)
        if self.outcome is None:
            when = "after its window" if self.window_seconds is not None else "before any window"
            self.outcome = describe(status) + " " + when
        self.core = os.WIFSIGNALED(status) and os.WCOREDUMP(status)
        if self.window_seconds is None:
            # Whether the display could be reached right after: a start that could not
            # reach a display that answers now met a passing fault of the X server.
            probe = subprocess.run(["xdpyinfo", "-display", self.display], capture_output=True)
            self.outcome += "; display %s afterwards" % (
                "answered" if probe.returncode == 0 else "did not answer")
        # Each helper leads a process group of its own, with what it started (the
        # accessibility bus and its registry).
        for helper in reversed(self.helpers):
            signal_group(helper, signal.SIGTERM)
            try:
                helper.wait(timeout=5)
            except subprocess.TimeoutExpired:
                signal_group(helper, signal.SIGKILL)
                helper.wait()
            signal_group(helper, signal.SIGKILL)
        with open(err_path, errors="replace") as err:
            self.err = err.read()

    def start_a11y_bus(self, env):
        self.helpers.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True))

    def wait_for_a11y_bus(self, env):
        """Until the accessibility bus gives its address, as at a desktop's login."""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            asked = subprocess.run(
                ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                 "org.a11y.Bus.GetAddress"], env=env, capture_output=True)
            if asked.returncode == 0:
                return
            time.sleep(0.05)
        sys.exit("the accessibility bus did not start")

    def window_shown(self, pid):
        found = subprocess.run(
            ["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", ".*"],
            env=dict(os.environ, DISPLAY=self.display), capture_output=True, text=True)
        return found.returncode == 0 and bool(found.stdout.split())

    @property
    def normal(self):
        return self.outcome == "window shown, ended by the loop"


def signal_group(process, number):
    try:
        os.killpg(process.pid, number)
    except ProcessLookupError:
        pass


def allow_core_dumps():
    os.setsid()  # no controlling terminal, as from a desktop's menu
    hard = resource.getrlimit(resource.RLIMIT_CORE)[1]
    resource.setrlimit(resource.RLIMIT_CORE, (hard, hard))


def describe(status):
    if os.WIFSIGNALED(status):
        return "signal %s" % signal.Signals(os.WTERMSIG(status)).name
    return "exit status %d" % os.WEXITSTATUS(status)


def start_load(args):
    load = []
    for _ in range(args.load):
        load.append(subprocess.Popen(["sh", "-c", "while :; do :; done"], start_new_session=True))
    if args.load_command:
        load.append(subprocess.Popen(args.load_command, shell=True, start_new_session=True,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    return load


def stop_load(load):
    for process in load:
        try:
            os.killpg(process.pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter,
                                     epilog=__doc__.split("\n", 1)[1])
    parser.add_argument("-n", "--starts", type=int, default=100)
    parser.add_argument("--program", default=os.path.join(ROOT, "build/src/app/sng-tarvo"))
    parser.add_argument("--samples", default=os.path.join(ROOT, "samples"))
    parser.add_argument("--load", type=int, default=0)
    parser.add_argument("--load-command")
    parser.add_argument("--late-a11y", type=delay_option)
    parser.add_argument("--late-fonts", type=delay_option)
    parser.add_argument("--fresh-display", action="store_true")
    parser.add_argument("--noreset", action="store_true",
                        help="Xvfb -noreset: the server does not reset when its last client leaves")
    parser.add_argument("--timeout", type=float, default=30.0,
                        help="seconds a start may take to its first window")
    parser.add_argument("--linger", type=float, default=0.3,
                        help="seconds the program runs after its first window")
    parser.add_argument("--keep", action="store_true", help="keep the working folders")
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool", "xdpyinfo", "dbus-daemon"):
        if not shutil.which(tool):
            sys.exit("not installed: " + tool)

    top = tempfile.mkdtemp(prefix="tarvo-starts-")
    with open("/proc/sys/kernel/core_pattern") as pattern:
        print("core_pattern: %s; core size limit of the starts: %s" % (
            pattern.read().strip(), resource.getrlimit(resource.RLIMIT_CORE)[1]), flush=True)
    load = start_load(args)
    server, display = (None, None) if args.fresh_display else start_xvfb(args.noreset)
    starts = []
    try:
        for index in range(args.starts):
            if args.fresh_display:
                server, display = start_xvfb(args.noreset)
            start = Start(index, args, display, top)
            start.run()
            starts.append(start)
            if args.fresh_display:
                server.terminate()
                server.wait()
            shown = "%.2f s" % start.window_seconds if start.window_seconds is not None else "-"
            print("%4d  %-45s window %-8s a11y %-6s fonts %-6s%s" % (
                index, start.outcome, shown,
                "-" if start.a11y_delay is None else "%.2f" % start.a11y_delay,
                "-" if start.font_delay is None else "%.2f" % start.font_delay,
                "  core dumped" if start.core else ""), flush=True)
    except KeyboardInterrupt:
        print("interrupted", flush=True)
    finally:
        stop_load(load)
        if server is not None and server.poll() is None:
            server.terminate()
            server.wait()

    print("\n%d starts" % len(starts))
    for outcome, count in collections.Counter(s.outcome for s in starts).most_common():
        print("%5d  %s" % (count, outcome))
    times = sorted(s.window_seconds for s in starts if s.window_seconds is not None)
    if times:
        print("time to the first window: median %.2f s, slowest %.2f s" % (
            times[len(times) // 2], times[-1]))
    for start in starts:
        if not start.normal:
            print("\n--- start %d: %s%s; standard error:" % (
                start.index, start.outcome, ", core dumped" if start.core else ""))
            print(start.err.rstrip() or "(nothing)")
    if not args.keep:
        shutil.rmtree(top, ignore_errors=True)
    else:
        print("\nworking folders kept in " + top)
    sys.exit(0 if all(s.normal for s in starts) else 1)


if __name__ == "__main__":
    main()
