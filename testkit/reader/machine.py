"""A machine of the test's own for the real program: a temporary folder that
holds its home, its XDG folders (configuration, data with the Trash, cache,
runtime) and its temporary folder, and the environment that names them, so
the program never reads or writes the user's own. Removed when closed; one
left by a test that was killed is removed by the next one."""

import os
import shutil
import subprocess
import tempfile


PREFIX = "tidewell-reader-"
OWNER = "owner.pid"


def remove_abandoned():
    """Removes the machines whose test process is gone (killed before it
    could close them); a machine still being made has no owner yet."""
    base = tempfile.gettempdir()
    for name in os.listdir(base):
        folder = os.path.join(base, name)
        if not name.startswith(PREFIX) or os.path.islink(folder):
            continue
        try:
            with open(os.path.join(folder, OWNER)) as f:
                os.kill(int(f.read()), 0)
        except ProcessLookupError:
            shutil.rmtree(folder, ignore_errors=True)
        except (OSError, ValueError):
            pass


class FixtureMachine:
    def __init__(self):
        remove_abandoned()
        self.root = tempfile.mkdtemp(prefix=PREFIX)
        with open(os.path.join(self.root, OWNER), "w") as f:
            f.write(str(os.getpid()))
        self.home = os.path.join(self.root, "home")
        self.config = os.path.join(self.home, ".config")
        self.data = os.path.join(self.home, ".local", "share")
        self.cache = os.path.join(self.home, ".cache")
        self.runtime = os.path.join(self.root, "runtime")
        self.tmp = os.path.join(self.root, "tmp")
        for folder in (self.config, self.data, self.cache, self.tmp):
            os.makedirs(folder)
        os.mkdir(self.runtime, 0o700)
        os.chmod(self.runtime, 0o700)

    def path(self, relative):
        return os.path.join(self.home, relative)

    @property
    def trash_files(self):
        return os.path.join(self.data, "Trash", "files")

    def write(self, relative, data=b""):
        """A file below the home with data (bytes) in it."""
        target = self.path(relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "wb") as f:
            f.write(data)
        return target

    def allocate(self, relative, size):
        """A file below the home with size bytes allocated on disk (not
        written), as a scanner that measures allocation sees a big file."""
        target = self.path(relative)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        subprocess.run(["fallocate", "-l", str(size), target], check=True)
        return target

    def settings(self, text):
        """The program's settings file."""
        folder = os.path.join(self.config, "Tidewell")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "TidewellMac.conf"), "w") as f:
            f.write(text)

    def environment(self):
        """What the program and the buses see of the machine: only this
        folder, a fixed locale and no desktop of the user's."""
        return {
            "PATH": "/usr/bin:/bin",
            "LANG": "C.UTF-8",
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_DATA_HOME": self.data,
            "XDG_CACHE_HOME": self.cache,
            "XDG_RUNTIME_DIR": self.runtime,
            "XDG_DATA_DIRS": os.path.join(self.root, "system", "share"),
            "XDG_CONFIG_DIRS": os.path.join(self.root, "system", "etc"),
            "TMPDIR": self.tmp,
            # The buses' launcher reads its switches through GSettings: kept
            # in memory, never in a dconf database.
            "GSETTINGS_BACKEND": "memory",
        }

    def close(self):
        shutil.rmtree(self.root, ignore_errors=True)
