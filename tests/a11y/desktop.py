"""A desktop of its own, as a screen reader user's session has it, started in
this order: an X server (Xvfb), a window manager on it (openbox: without one,
windows are never activated and the focus never moves), a D-Bus session bus,
and on it the accessibility bus on which programs and screen readers meet
(at-spi-bus-launcher, which also brings the accessibility registry).

Each desktop takes a display number of its own, so tests may run side by side.
Everything started here is stopped again on leaving, helpers that the daemons
start for themselves included: this process takes them in as their parents
go, and waits for each.
"""

import ctypes
import importlib.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

PR_SET_CHILD_SUBREAPER = 36
LAUNCHERS = ("/usr/libexec/at-spi-bus-launcher", "/usr/lib/at-spi2-core/at-spi-bus-launcher")


class DesktopError(RuntimeError):
    pass


def skip_unless_ready():
    """Ends the test as skipped (exit code 77 for ctest), saying what is
    missing, when this machine lacks a tool the desktop or its reader needs."""
    missing = [tool for tool in ("Xvfb", "openbox", "xprop", "dbus-daemon", "dbus-send",
                                 "xdotool") if shutil.which(tool) is None]
    if not any(os.access(path, os.X_OK) for path in LAUNCHERS):
        missing.append("at-spi-bus-launcher")
    missing += [module for module in ("pyatspi", "gi") if importlib.util.find_spec(module) is None]
    if missing:
        print(f"skipped: {', '.join(missing)} missing (scripts/setup.sh installs xvfb, openbox, "
              "x11-utils, dbus, at-spi2-core, python3-pyatspi and xdotool)")
        sys.exit(77)


def _read_line(fd, what, process, patience=10.0):
    """The first line a starting server writes to fd once it is ready."""
    deadline = time.monotonic() + patience
    data = b""
    os.set_blocking(fd, False)
    while not data.endswith(b"\n"):
        if process.poll() is not None or time.monotonic() > deadline:
            raise DesktopError(f"{what} did not start")
        try:
            data += os.read(fd, 256)
        except BlockingIOError:
            time.sleep(0.05)
    os.close(fd)
    return data.decode().strip()


def _until(what, test, patience=10.0):
    deadline = time.monotonic() + patience
    while not test():
        if time.monotonic() > deadline:
            raise DesktopError(f"{what} did not start")
        time.sleep(0.1)


class Desktop:
    def __init__(self):
        self.started = []
        self.log = tempfile.TemporaryFile()

    def _start(self, argv, **kwargs):
        process = subprocess.Popen(argv, stdout=self.log, stderr=self.log, **kwargs)
        self.started.append(process)
        return process

    def _quiet(self, argv):
        return subprocess.run(argv, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True).stdout

    def __enter__(self):
        ctypes.CDLL(None).prctl(PR_SET_CHILD_SUBREAPER, 1, 0, 0, 0)
        try:
            self._start_all()
        except BaseException:
            self.__exit__(None, None, None)
            raise
        return self

    def _start_all(self):
        # Xvfb picks a free display itself and names it once it takes clients.
        read, write = os.pipe()
        xvfb = self._start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                            "-nolisten", "tcp"], pass_fds=(write,))
        os.close(write)
        os.environ["DISPLAY"] = ":" + _read_line(read, "Xvfb", xvfb)

        self._start(["openbox", "--sm-disable"])
        _until("openbox", lambda: "window id" in self._quiet(
            ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]))

        read, write = os.pipe()
        bus = self._start(["dbus-daemon", "--session", "--nofork", f"--print-address={write}"],
                          pass_fds=(write,))
        os.close(write)
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = _read_line(read, "the D-Bus session bus", bus)

        launcher = next((path for path in LAUNCHERS if os.access(path, os.X_OK)), None)
        if launcher is None:
            raise DesktopError("at-spi-bus-launcher is missing (Debian package at-spi2-core)")
        self._start([launcher, "--launch-immediately"])
        # Asked without starting it: the launcher above is the one to own it.
        _until("the accessibility bus", lambda: "boolean true" in self._quiet(
            ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
             "string:org.a11y.Bus"]))

    def __exit__(self, kind, error, trace):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._stop_orphans()
        if isinstance(error, DesktopError):
            self.log.seek(0)
            print(self.log.read().decode(errors="replace"))
        self.log.close()

    @staticmethod
    def _stop_orphans():
        """Stops and waits for the helpers the daemons left to this process."""
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            left = [pid for pid in _children() if _state(pid) != "Z"]
            for pid in left:
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            try:
                while os.waitpid(-1, os.WNOHANG)[0] > 0:
                    pass
            except ChildProcessError:
                return
            if not _children():
                return
            time.sleep(0.1)


def _children():
    me = str(os.getpid())
    found = []
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if fields[1] == me:
                found.append(int(entry))
    return found


def _state(pid):
    try:
        with open(f"/proc/{pid}/stat") as stat:
            return stat.read().rsplit(")", 1)[1].split()[0]
    except OSError:
        return "Z"
