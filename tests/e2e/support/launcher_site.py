"""An installation folder with the real launcher in it, and ways to run it."""
import os
import shutil
import subprocess
import tempfile
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
        return self.start(*args, **kw).finish(timeout)

    def start(self, *args, **kw):
        return LauncherRun(self.launcher, *args, **kw)

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


class LauncherRun:
    """A launcher process whose output goes to files, not pipes: a helper that
    Wine starts for the first window of a session inherits the launcher's
    output and would keep a pipe open long after the launcher has ended."""

    def __init__(self, program, *args, cwd=None, env=None, debugstr=False, lang=None):
        self._out = tempfile.TemporaryFile()
        self._err = tempfile.TemporaryFile()
        self.proc = subprocess.Popen([wine.WINE, str(program), *map(str, args)], cwd=cwd,
                                     env=wine.wine_env(env, debugstr, lang), stdin=subprocess.DEVNULL,
                                     stdout=self._out, stderr=self._err)

    def finish(self, timeout=120):
        try:
            self.proc.wait(timeout)
        finally:
            wine.stop(self.proc)
        texts = []
        for stream in (self._out, self._err):
            stream.seek(0)
            texts.append(stream.read().decode("latin-1"))
            stream.close()
        return wine.Result(self.proc.returncode, texts[0], texts[1], wine.debug_records(texts[1]))

    def stop(self):
        wine.stop(self.proc)


def infozip(source, archive, *names):
    """Packs `names` (relative to `source`) with Info-ZIP zip, recursively."""
    subprocess.run(["zip", "-q", "-r", str(archive), *names], cwd=source, check=True,
                   env={**os.environ, "TZ": "UTC"})


class HeldFile:
    """A file held open without sharing by another Windows process (hold_file,
    or a copy of it under another name)."""

    def __init__(self, tools_dir, path, program=None):
        program = program or Path(tools_dir) / "hold_file.exe"
        self.proc = subprocess.Popen([wine.WINE, str(program), wine.windows_path(path)],
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
