"""An installation folder with the real launcher in it, and ways to run it."""
import os
import shutil
import subprocess
import time
from pathlib import Path

from support import wine

LAUNCHER = "TAVRENLaunch.exe"


class InstallSite:
    """`folder` holds TAVRENLaunch.exe (and whatever a test puts there)."""

    def __init__(self, folder, bin_dir):
        self.folder = Path(folder)
        self.folder.mkdir(parents=True, exist_ok=True)
        shutil.copy(Path(bin_dir) / LAUNCHER, self.folder / LAUNCHER)
        self.launcher = self.folder / LAUNCHER

    @property
    def temp(self):
        path = self.folder / "temp"
        path.mkdir(exist_ok=True)
        return path

    def run(self, *args, timeout=120, **kw):
        """Runs the launcher to its end; the result carries its exit code."""
        return wine.run(self.launcher, *args, timeout=timeout, **kw)

    def start(self, *args, **kw):
        return wine.start(self.launcher, *args, **kw)

    def tree(self, below=None):
        """Files and folders below the site (or `below`), relative, sorted,
        without the launcher itself."""
        base = Path(below) if below else self.folder
        found = []
        for path in sorted(base.rglob("*")):
            relative = path.relative_to(base).as_posix()
            if relative != LAUNCHER:
                found.append(relative + ("/" if path.is_dir() else ""))
        return found


def infozip(source, archive, *names):
    """Packs `names` (relative to `source`) with Info-ZIP zip, recursively."""
    subprocess.run(["zip", "-q", "-r", str(archive), *names], cwd=source, check=True,
                   env={**os.environ, "TZ": "UTC"})


class HeldFile:
    """A file held open without sharing by another Windows process."""

    def __init__(self, tools_dir, path):
        self.proc = subprocess.Popen([wine.WINE, str(Path(tools_dir) / "hold_file.exe"), wine.windows_path(path)],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     env=wine.wine_env(), text=True)
        line = self.proc.stdout.readline().strip()
        if line != "held":
            self.release()
            raise RuntimeError(f"hold_file: {line!r}")

    def release(self):
        if self.proc.poll() is None:
            self.proc.stdin.close()
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                wine.stop(self.proc)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.release()


def wait_gone(path, timeout=10.0):
    deadline = time.monotonic() + timeout
    while Path(path).exists() and time.monotonic() < deadline:
        time.sleep(0.05)
    return not Path(path).exists()
