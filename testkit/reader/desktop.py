"""A desktop of the test's own, as a screen reader's user has one: a virtual
X server (Xvfb, on a display number it picks itself, no window manager), a
private D-Bus session bus with a configuration of ours, and the
accessibility bus on it (at-spi-bus-launcher, which starts the AT-SPI
registry); then the program on it with Qt's AT-SPI bridge on. Every process
is started in a process group of its own and ended through it, by its id,
when the desktop closes."""

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
    missing = [tool for tool in ("Xvfb", "dbus-daemon", "xdotool") if not shutil.which(tool, path="/usr/bin:/bin")]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER + " (at-spi2-core)")
    return missing


def read_line(fd, seconds):
    """The first line written to pipe fd within seconds, or None."""
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


class PrivateDesktop:
    def __init__(self, machine, screen="1280x900x24"):
        self.machine = machine
        self.screen = screen
        self.env = dict(machine.environment())
        self.processes = []
        self.app = None
        self.log_path = os.path.join(machine.root, "program.log")

    def _start(self, argv, fd=None, env=None):
        """Starts argv in a group of its own, its output in the desktop's
        log; with fd, returns the first line it writes there."""
        read_end = None
        pass_fds = ()
        if fd is not None:
            read_end, write_end = os.pipe()
            pass_fds = (write_end,)
            argv = [a.replace("{fd}", str(write_end)) for a in argv]
        process = subprocess.Popen(
            argv,
            env=env or self.env,
            stdin=subprocess.DEVNULL,
            stdout=self.desktop_log,
            stderr=subprocess.STDOUT,
            pass_fds=pass_fds,
            start_new_session=True,
        )
        self.processes.append(process)
        if read_end is None:
            return process
        os.close(pass_fds[0])
        line = read_line(read_end, 20)
        if not line:
            raise RuntimeError(f"{argv[0]} did not start (exit status {process.poll()})")
        return line

    def open(self):
        self.desktop_log = open(os.path.join(self.machine.root, "desktop.log"), "wb")
        number = self._start(["Xvfb", "-displayfd", "{fd}", "-nolisten", "tcp", "-noreset", "-screen", "0", self.screen], fd=True)
        self.env["DISPLAY"] = ":" + number
        config = os.path.join(self.machine.root, "session-bus.conf")
        with open(config, "w") as f:
            f.write(SESSION_BUS_CONFIG.format(folder=self.machine.runtime))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._start(
            ["dbus-daemon", "--config-file=" + config, "--nofork", "--print-address={fd}"], fd=True
        )
        # The launcher reads its switches from the system's GSettings schemas.
        self._start([BUS_LAUNCHER, "--launch-immediately"], env=dict(self.env, XDG_DATA_DIRS="/usr/share"))
        # The reader in this process finds the buses through the same names.
        for name in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS"):
            os.environ[name] = self.env[name]
        return self

    def accessibility_bus_ready(self):
        """Whether the launcher answers on the session bus with the
        accessibility bus's address."""
        asked = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
            env=self.env,
            capture_output=True,
            timeout=10,
        )
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
        self.log = open(self.log_path, "wb")
        self.app = subprocess.Popen(
            [program], env=env, stdin=subprocess.DEVNULL, stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True
        )
        self.processes.append(self.app)
        return self.app

    def program_log(self):
        try:
            with open(self.log_path, "rb") as f:
                return f.read().decode(errors="replace")
        except OSError:
            return ""

    def keys(self, *names):
        """Presses keys (xdotool names: "Return", "space", "Right") in the
        window that has the keyboard focus."""
        for name in names:
            subprocess.run(["xdotool", "key", name], env=self.env, check=True, timeout=10)

    def focus_window(self):
        """Gives the program's main window the keyboard focus, as a window
        manager would on a click; there is none, so X is asked directly.
        True when a window of the program was found."""
        found = subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.app.pid)],
            env=self.env,
            capture_output=True,
            text=True,
            timeout=10,
        )
        windows = found.stdout.split()
        if not windows:
            return False
        # The largest visible window is the main one.
        def area(window):
            shape = subprocess.run(
                ["xdotool", "getwindowgeometry", "--shell", window], env=self.env, capture_output=True, text=True, timeout=10
            ).stdout
            values = dict(line.split("=", 1) for line in shape.split() if "=" in line)
            return int(values.get("WIDTH", 0)) * int(values.get("HEIGHT", 0))

        main = max(windows, key=area)
        return subprocess.run(["xdotool", "windowfocus", "--sync", main], env=self.env, timeout=10).returncode == 0

    def close(self):
        for process in reversed(self.processes):
            end_group(process)
        self.processes = []
        for log in ("log", "desktop_log"):
            if getattr(self, log, None):
                getattr(self, log).close()


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
