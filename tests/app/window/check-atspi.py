#!/usr/bin/env python3
"""Slitwise as a screen reader meets it on the Linux desktop: a private X server, D-Bus session,
window manager and AT-SPI bus and registry, the program with Qt's accessibility bridge on, and a
pyatspi client reading its tree, pressing keys and listening to its events, as Orca does.

Usage: check-atspi.py PATH/TO/slitwise. Exits 0 when every check holds, 1 when one fails, and 77
(skipped) when a package the check needs is not installed.
"""
import ctypes
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIPPED = 77
MARKER = "SLITWISE_ATSPI_CHECK"  # every process started here, and theirs, inherit it

PHOTONS = ["1 photon per dot"] + [f"{n} photons per dot" for n in (5, 10, 50, 100, 500)]
# The shown controls a screen reader reaches: name, role, and states each must or must not have.
SHOWN = [
    ("Slitwise", "frame", {"active"}, set()),
    ("Start", "push button", {"focusable", "focused", "showing"}, set()),
    ("Exit", "push button", {"focusable", "showing"}, {"focused"}),
    ("Slowdown", "scroll bar", {"focusable", "showing"}, {"focused"}),
    ("Photons per dot", "panel", {"showing"}, set()),
    ("50 photons per dot", "radio button", {"checked", "focusable", "showing"}, set()),
    ("500 photons per dot", "radio button", {"focusable", "showing"}, {"checked"}),
    ("Slitwise", "label", {"showing"}, {"editable", "focusable"}),
    ("Please press button Start", "label", {"showing"}, set()),
    ("Picture of the experiment", "image", {"showing"}, {"focusable"}),
]
# The captions are read as static text even while hidden.
CAPTIONS = ["Source", "Shield with double slit", "detector", "Vector sum",
            "Interference pattern (probability)"]
TABS = ["Exit", "50 photons per dot", "Slowdown", "Start"] * 2


def skip(package, what):
    print(f"SKIP: {what} is missing; install the Debian package {package} "
          "(scripts/install-deps --for-tests does)")
    sys.exit(SKIPPED)


def find_pyatspi():
    """Debian installs pyatspi for the system's Python, which may not be the first on PATH."""
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
            os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
        skip("python3-pyatspi", "the Python module pyatspi")


class Desktop:
    """The processes of a private desktop session, all ended on leaving, children and all."""

    def __init__(self):
        for program, package in [("Xvfb", "xvfb"), ("dbus-daemon", "dbus-daemon"),
                                 ("openbox", "openbox")]:
            if shutil.which(program) is None:
                skip(package, program)
        if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
            skip("at-spi2-core", "the AT-SPI bus launcher")
        self.home = tempfile.mkdtemp(prefix="slitwise-atspi-")
        self.env = {key: value for key, value in os.environ.items()
                    if key not in ("WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS", "QT_SCALE_FACTOR",
                                   "SESSION_MANAGER", "XAUTHORITY")}
        self.env.update({MARKER: self.home, "HOME": self.home, "XDG_RUNTIME_DIR": self.home,
                         "XDG_CONFIG_HOME": self.home + "/config",
                         "XDG_CACHE_HOME": self.home + "/cache"})

    def start(self, program):
        env = self.env
        read, write = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-screen", "0",
                    "1280x1024x24"], pass_fds=[write])
        os.close(write)
        env["DISPLAY"] = ":" + self.read_line(read, "Xvfb")
        os.close(read)
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = self.read_line(bus.stdout.fileno(), "dbus-daemon")
        self.spawn(["openbox", "--sm-disable"])
        # A window mapped before the window manager runs is never given the focus.
        end = time.monotonic() + 20
        while not subprocess.run(["obxprop", "--root", "_NET_SUPPORTING_WM_CHECK"], env=env,
                                 capture_output=True).stdout:
            if time.monotonic() > end:
                raise RuntimeError("openbox did not start within 20 s")
            time.sleep(0.1)
        self.spawn([program], env=dict(env, QT_QPA_PLATFORM="xcb",
                                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        os.environ.update(env)  # pyatspi finds the buses from these

    def spawn(self, command, env=None, **options):
        return subprocess.Popen(command, env=env or self.env, stdin=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, **options)

    @staticmethod
    def read_line(fd, who, timeout=20):
        line, end = b"", time.monotonic() + timeout
        os.set_blocking(fd, False)
        while not line.endswith(b"\n"):
            if time.monotonic() > end:
                raise RuntimeError(f"{who} did not start within {timeout} s")
            try:
                line += os.read(fd, 256) or b""
            except BlockingIOError:
                time.sleep(0.05)
        return line.decode().strip()

    def ours(self):
        """Every process carrying this session's marker, including those D-Bus activated."""
        found, tag = [], f"{MARKER}={self.home}".encode()
        for entry in os.listdir("/proc"):
            if entry.isdigit() and int(entry) != os.getpid():
                try:
                    with open(f"/proc/{entry}/environ", "rb") as environ:
                        if tag in environ.read().split(b"\0"):
                            found.append(int(entry))
                except OSError:
                    pass
        return found

    def stop(self):
        for sig in (signal.SIGTERM, signal.SIGKILL):
            for pid in self.ours():
                try:
                    os.kill(pid, sig)
                except ProcessLookupError:
                    pass
            end = time.monotonic() + 5
            while self.reap() and time.monotonic() < end:
                time.sleep(0.1)
        shutil.rmtree(self.home, ignore_errors=True)

    def reap(self):
        """Collects the ended children and orphans; True while some of ours still run."""
        try:
            while os.waitpid(-1, os.WNOHANG)[0] > 0:
                pass
        except ChildProcessError:
            pass
        return bool(self.ours())


class Reader:
    """A pyatspi client: the program's tree, key presses, and the events a screen reader hears."""

    def __init__(self):
        import pyatspi
        from gi.repository import GLib
        self.at, self.context, self.events = pyatspi, GLib.MainContext.default(), []
        for kind in ("object:state-changed:focused", "object:state-changed:showing",
                     "object:property-change:accessible-name"):
            pyatspi.Registry.registerEventListener(self.heard, kind)

    def heard(self, event):
        """Keeps what a screen reader acts on: controls gaining the focus or being shown, and
        names changing, each with the time it was heard."""
        kind = event.type.rsplit(":", 1)[1].removeprefix("accessible-")
        if kind != "name" and not event.detail1:
            return
        try:
            name, role = event.source.name, event.source.getRoleName()
        except Exception:  # gone before it was read, as a closed menu's entries are
            return
        self.events.append((kind, name, role, event.detail1, time.monotonic()))

    def pump(self, seconds, until=lambda: False):
        """Delivers events for up to the given time; True once `until` holds."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while self.context.iteration(False):
                pass
            if until():
                return True
            time.sleep(0.02)
        return False

    def window(self, timeout=30):
        """The program's frame once it is active with a control focused."""
        seen = {}

        def ready():
            for app in self.at.Registry.getDesktop(0):
                if app is not None and app.name == "slitwise" and app.childCount:
                    seen["frame"], seen["states"] = app[0], self.states(app[0])
                    return "active" in seen["states"] and self.focused(app[0]) is not None
            return False
        if not self.pump(timeout, ready):
            raise AssertionError(f"no active Slitwise window with a focused control within "
                                 f"{timeout} s; last states seen: {seen.get('states')}")
        return seen["frame"]

    def focused(self, root):
        return self.find(root, lambda o: o.getState().contains(self.at.STATE_FOCUSED))

    def find(self, root, test):
        return next(iter(self.all(root, test)), None)

    def all(self, root, test):
        found = [root] if test(root) else []
        for child in root:
            found += self.all(child, test)
        return found

    def states(self, obj):
        return {self.at.stateToString(s) for s in obj.getState().getStates()}

    def key(self, keysym, shift=False):
        """Sends one key as the keyboard gives it; returns how many events were seen before."""
        registry, before = self.at.Registry, len(self.events)
        if shift:
            registry.generateKeyboardEvent(1, None, self.at.KEY_LOCKMODIFIERS)
        registry.generateKeyboardEvent(keysym, None, self.at.KEY_SYM)
        if shift:
            registry.generateKeyboardEvent(1, None, self.at.KEY_UNLOCKMODIFIERS)
        return before

    def press(self, keysym, shift=False):
        """One key as the keyboard gives it; returns the controls that took the focus."""
        before = self.key(keysym, shift)

        def moved():
            return [name for kind, name, *_ in self.events[before:] if kind == "focused"]
        # Waits for the first focus event, then a little longer for any that would follow it.
        self.pump(10, moved)
        self.pump(0.3)
        return moved()

    def told(self, keysym, shift=False, within=3):
        """One key whose effect is spoken rather than focused: the notifications shown from the
        press until the first, and a second and a half after it for any that would follow."""
        before = self.key(keysym, shift)

        def shown():
            return [name for kind, name, role, *_ in self.events[before:]
                    if kind == "showing" and role == "notification"]
        self.pump(within, shown)
        self.pump(1.5)
        return shown()


def check(window, reader):
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    everything = reader.all(window, lambda o: True)
    # Names, roles and states: a name says what a control is, its states what it is now.
    for name, role, having, lacking in SHOWN:
        matches = [o for o in everything if o.name == name and o.getRoleName() == role]
        states = reader.states(matches[0]) if matches else set()
        expect(matches and having <= states and not lacking & states,
               f"{role} '{name}': found {len(matches)}, states {sorted(states)}")
    for caption in CAPTIONS:
        obj = reader.find(window, lambda o: o.name == caption)
        expect(obj is not None and obj.getRoleName() == "label" and
               not {"editable", "showing"} & reader.states(obj), f"caption '{caption}'")
    shown = {(name, role) for name, role, _, _ in SHOWN} | {(n, "radio button") for n in PHOTONS}
    for obj in everything:
        if (obj.name, obj.getRoleName()) not in shown and obj.getRoleName() != "frame":
            expect("showing" not in reader.states(obj),
                   f"hidden {obj.getRoleName()} '{obj.name}' is showing")
    bar = reader.find(window, lambda o: o.getRoleName() == "scroll bar").queryValue()
    expect((bar.currentValue, bar.minimumValue, bar.maximumValue) == (1, 1, 3),
           f"scroll bar value {bar.currentValue} of {bar.minimumValue} to {bar.maximumValue}")
    # The group: six buttons in the order they stand, each labelled by its frame.
    group = reader.find(window, lambda o: o.name == "Photons per dot")
    expect([child.name for child in group] == PHOTONS, f"group order {[c.name for c in group]}")
    for child in group:
        labels = [r.getTarget(0) for r in child.getRelationSet()
                  if r.getRelationType() == reader.at.RELATION_LABELLED_BY]
        expect(labels == [group], f"'{child.name}' is not labelled by its group")

    # The keyboard: one focus change per Tab, the photons frame one stop on its checked button.
    heard = [reader.press(0xFF09) for _ in TABS]
    expect(heard == [[name] for name in TABS], f"eight Tabs gave {heard}")
    heard = [reader.press(0xFF09, shift=True) for _ in range(2)]
    expect(heard == [["Slowdown"], ["50 photons per dot"]], f"two Shift+Tabs gave {heard}")
    heard = [reader.press(0xFF52) for _ in range(3)]  # Up: the arrows move and check
    expect(heard == [["10 photons per dot"], ["5 photons per dot"], ["1 photon per dot"]],
           f"three Up arrows gave {heard}")
    one = reader.focused(window)
    expect(one is not None and "checked" in reader.states(one), "Up did not check '1 photon'")

    # A run started by Start's action is spoken from a notification, the focus staying put.
    start = reader.find(window, lambda o: o.name == "Start" and o.getRoleName() == "push button")
    action = start.queryAction()
    names = [action.getName(i).lower() for i in range(action.nActions)]
    press = next((i for i, n in enumerate(names) if n in ("press", "click")), None)
    expect(press is not None, f"Start has no press action: {names}")
    before = len(reader.events)
    if press is not None:
        action.doAction(press)

    def shown():
        return [name for kind, name, role, *_ in reader.events[before:]
                if kind == "showing" and role == "notification"]
    reader.pump(60, lambda: "Run finished" in shown())
    expect(shown() == ["Run in progress", "Run finished"], f"notifications shown: {shown()}")
    moved = [name for kind, name, *_ in reader.events[before:] if kind == "focused"]
    expect(not moved and reader.focused(window).name == "1 photon per dot",
           f"the focus moved during the run: {moved}")
    expect(window.description == "Run finished", f"window description '{window.description}'")
    # The controls keep their names; the run's lines are named by their text, the progress at
    # most four times a second while the run goes on, and once more as it ends.
    renamed = [name for kind, name, role, *_ in reader.events
               if kind == "name" and role not in ("notification", "label", "progress bar")]
    expect(not renamed, f"controls renamed: {renamed}")
    times = [when for kind, _, role, _, when in reader.events[before:]
             if kind == "name" and role == "progress bar"]
    busiest = max((sum(1 for t in times if start <= t < start + 1) for start in times), default=0)
    expect(busiest <= 5, f"the progress renamed {busiest} times in a second")
    return failures


def check_keys(window, reader):
    """Each key's effect spoken once, the lines read when asked, the experiment panel a group."""
    failures = []

    def expect(condition, message):
        if not condition:
            failures.append(message)

    def showing(test):
        return reader.find(window, lambda o: test(o) and "showing" in reader.states(o))

    # The pace keys: the new pace, or that there is none faster or slower, once each; the run
    # below goes at the slowest. The keypad's plus, since the main keyboard's needs Shift, which
    # the bus does not add to a key symbol.
    paces = [(0xFFAB, "+", "Already the fastest pace")] + [(0x2D, "-", "Pace: ")] * 6 + [
        (0x2D, "-", "Already the slowest pace")]
    for keysym, key, begins in paces:
        told = reader.told(keysym)
        expect(len(told) == 1 and told[0].startswith(begins), f"'{key}' was told as {told}")
    # N while paused speaks the followed photon's line; the progress is a progress bar.
    for keysym, key, state in [(0xFFC2, "F5", "Run in progress"), (0x70, "P", "Run paused")]:
        told = reader.told(keysym)
        expect(told == [state], f"{key} was told as {told}")
    told = reader.told(0x6E)
    expect(len(told) == 1 and told[0].startswith("Photon 1 of 1 at point "),
           f"N was told as {told}")
    bar = showing(lambda o: o.getRoleName() == "progress bar")
    value = bar.queryValue() if bar is not None else None
    expect(value is not None and value.maximumValue == 520 and
           bar.name.startswith(f"Point {int(value.currentValue)} of 520"),
           f"progress bar {bar and bar.name!r}")
    told = reader.told(0x73)
    expect(told == ["Run stopped"], f"S was told as {told}")
    # D: the screen told at its first hit, its count readable by name, its hiding told.
    told = reader.told(0x64)
    expect(told == ["Detector screen: a few hits, no pattern yet"], f"D was told as {told}")
    reader.pump(1)
    counter = showing(lambda o: o.name.startswith("Hits: "))
    expect(counter is not None and counter.name[6:].replace(",", "").isdigit() and
           int(counter.name[6:].replace(",", "")) > 0,
           f"hit count not readable: {counter and counter.name!r}")
    told = reader.told(0x64)
    expect(told == ["Detector screen hidden"] and window.description == told[0],
           f"D again was told as {told}, the window described as {window.description!r}")
    # X: the experiment panel, a group named for its content, entered with the focus.
    reader.press(0x78)
    panel = showing(lambda o: o.name == "Experiment" and o.getRoleName() != "menu item")
    expect(panel is not None and panel.getRoleName() == "panel",
           f"experiment panel {panel and panel.getRoleName()!r}")
    return failures


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    find_pyatspi()
    # Processes that D-Bus starts are orphaned when their bus ends; this process reaps them.
    ctypes.CDLL(None).prctl(36, 1)  # PR_SET_CHILD_SUBREAPER
    desktop = Desktop()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    try:
        desktop.start(os.path.abspath(sys.argv[1]))
        reader = Reader()
        window = reader.window()
        failures = check(window, reader) + check_keys(window, reader)
    finally:
        desktop.stop()
    for failure in failures:
        print("FAIL:", failure)
    print("accessibility on AT-SPI:", "failed" if failures else "all checks hold")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
