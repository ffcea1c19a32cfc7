"""A desktop of the test's own, as a screen reader's user has one: a virtual
X server (Xvfb, on a display number it picks itself, no window manager), a
private D-Bus session bus with a configuration of ours, and the
accessibility bus on it (at-spi-bus-launcher, which starts the AT-SPI
registry); then the program on it with Qt's AT-SPI bridge on. Every process
is started in a process group of its own and ended through it, by its id,
when the desktop closes; each is also told to end when the test's process
does (setpriv's parent-death signal), so a test that is killed leaves
nothing behind."""

import os
import shutil
import signal
import subprocess
import time

BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

SESSION_BUS_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={folder}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


def missing_tools():
    """What this desktop needs that is not installed, as a reason to skip."""
    tools = ("Xvfb", "dbus-daemon", "dbus-send", "xdotool", "setpriv")
    missing = [tool for tool in tools if not shutil.which(tool, path="/usr/bin:/bin")]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER + " (at-spi2-core)")
    return missing


def read_line(fd, seconds):
    """The first line written to pipe fd within seconds, or None; closes fd."""
    deadline = time.monotonic() + seconds
    data = b""
    os.set_blocking(fd, False)
    while b"\n" not in data and time.monotonic() < deadline:
        try:
            chunk = os.read(fd, 4096)
        except BlockingIOError:
            time.sleep(0.02)
            continue
        if not chunk:
            break
        data += chunk
    os.close(fd)
    return data.split(b"\n")[0].decode() if b"\n" in data else None


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True, timeout=10)


class PrivateDesktop:
    def __init__(self, machine, screen="1280x900x24"):
        self.machine = machine
        self.screen = screen
        self.env = dict(machine.environment())
        self.processes = []
        self.app = None
        self.logs = []

    def _log(self, name):
        log = open(os.path.join(self.machine.root, name), "wb")
        self.logs.append(log)
        return log

    def _start(self, argv, env=None, log=None, reports=False):
        """Starts argv in a group of its own, its output in log (else the
        desktop's); with reports, "{fd}" in argv names a pipe, and the first
        line it writes there is returned."""
        read_end = write_end = None
        if reports:
            read_end, write_end = os.pipe()
            argv = [a.replace("{fd}", str(write_end)) for a in argv]
        process = subprocess.Popen(
            ["setpriv", "--pdeathsig", "TERM", "--", *argv],
            env=env or self.env,
            stdin=subprocess.DEVNULL,
            stdout=log or self.desktop_log,
            stderr=subprocess.STDOUT,
            pass_fds=(write_end,) if reports else (),
            start_new_session=True,
        )
        self.processes.append(process)
        if not reports:
            return process
        os.close(write_end)
        line = read_line(read_end, 20)
        if not line:
            raise RuntimeError(f"{argv[0]} did not start (exit status {process.poll()})")
        return line

    def open(self):
        self.desktop_log = self._log("desktop.log")
        server = ["Xvfb", "-displayfd", "{fd}", "-nolisten", "tcp", "-noreset", "-screen", "0", self.screen]
        self.env["DISPLAY"] = ":" + self._start(server, reports=True)
        config = os.path.join(self.machine.root, "session-bus.conf")
        with open(config, "w") as f:
            f.write(SESSION_BUS_CONFIG.format(folder=self.machine.runtime))
        bus = ["dbus-daemon", "--config-file=" + config, "--nofork", "--print-address={fd}"]
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start(bus, reports=True)
        # The launcher reads its switches from the system's GSettings schemas.
        self._start([BUS_LAUNCHER, "--launch-immediately"], env=dict(self.env, XDG_DATA_DIRS="/usr/share"))
        # The reader in this process finds the buses through the same names;
        # an accessibility bus or display named outright (as a desktop
        # session's terminal may have them) would win over them.
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
            os.environ[name] = self.env[name]
        for name in ("AT_SPI_BUS_ADDRESS", "AT_SPI_DISPLAY"):
            os.environ.pop(name, None)
        return self

    def accessibility_bus_ready(self):
        """Whether the launcher answers on the session bus with the
        accessibility bus's address."""
        ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus"]
        ask.append("org.a11y.Bus.GetAddress")
        asked = subprocess.run(ask, env=self.env, capture_output=True, timeout=10)
        return asked.returncode == 0 and b"unix:" in asked.stdout

    def launch(self, program):
        """The program on this desktop, with Qt's AT-SPI bridge always on."""
        env = dict(self.env)
        env.update(
            {
                "QT_QPA_PLATFORM": "xcb",
                "QT_ACCESSIBILITY": "1",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                # Still frames: nothing waits for an animation to settle.
                "TIDEWELL_REDUCE_MOTION": "1",
            }
        )
        self.app = self._start([program], env=env, log=self._log("program.log"))
        return self.app

    def program_log(self):
        try:
            with open(os.path.join(self.machine.root, "program.log"), "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""

    def keys(self, *names):
        """Presses keys (xdotool names: "Return", "space", "Right") in the
        window that has the keyboard focus."""
        for name in names:
            xdotool(self.env, "key", name).check_returncode()

    def focus_window(self):
        """Gives the program's main window (its largest shown one) the
        keyboard focus, as a window manager would; there is none, so X is
        asked directly. False when the program shows no window."""
        windows = xdotool(self.env, "search", "--onlyvisible", "--pid", str(self.app.pid)).stdout.split()

        def area(window):
            shape = xdotool(self.env, "getwindowgeometry", "--shell", window).stdout.split()
            values = dict(line.split("=", 1) for line in shape if "=" in line)
            return int(values.get("WIDTH", 0)) * int(values.get("HEIGHT", 0))

        if not windows:
            return False
        return xdotool(self.env, "windowfocus", "--sync", max(windows, key=area)).returncode == 0

    def close(self):
        for process in reversed(self.processes):
            end_group(process)
        self.processes = []
        for log in self.logs:
            log.close()
        self.logs = []


def end_group(process, seconds=5):
    """Ends process and whatever it started in its group (the launcher's
    accessibility bus and registry): asked first, then made to. The group is
    signalled only while its leader is not yet reaped, so its id cannot have
    passed to another process."""
    if process.returncode is not None:
        return
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if os.waitid(os.P_PID, process.pid, os.WEXITED | os.WNOHANG | os.WNOWAIT):
            break
        time.sleep(0.02)
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass
    process.wait()
