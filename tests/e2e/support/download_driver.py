"""Runs the download driver (a Windows program) under Wine in a job folder of
its own and follows what it prints."""
import hashlib
import queue
import shutil
import subprocess
import threading
import time

from support import wine

DRIVER = "download_driver.exe"


def md5_of(data):
    return hashlib.md5(data).hexdigest()


class DriverRun:
    def __init__(self, tools_dir, folder, url, md5, forced=False):
        self.folder = folder
        folder.mkdir(parents=True, exist_ok=True)
        exe = folder / DRIVER
        if not exe.exists():
            shutil.copy(tools_dir / DRIVER, exe)
        args = [wine.WINE, str(exe), url, md5] + (["--forced"] if forced else [])
        self.started = time.monotonic()
        self.proc = subprocess.Popen(args, env=wine.wine_env(), stdin=subprocess.DEVNULL,
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                     text=True, encoding="latin-1")
        self.lines = []  # (seconds since start, text)
        self._new = queue.Queue()
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        for line in self.proc.stdout:
            entry = (time.monotonic() - self.started, line.rstrip("\n"))
            self.lines.append(entry)
            self._new.put(entry)
        self._new.put(None)

    def wait_for_line(self, prefix, timeout=60):
        """(seconds since start, line) of the first line starting with prefix."""
        deadline = time.monotonic() + timeout
        for entry in list(self.lines):
            if entry[1].startswith(prefix):
                return entry
        while True:
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError(f"no line {prefix!r} within {timeout}s: {self.texts()}")
            try:
                entry = self._new.get(timeout=left)
            except queue.Empty:
                continue
            if entry is None:
                raise AssertionError(f"driver ended without {prefix!r}: {self.texts()}")
            if entry[1].startswith(prefix):
                return entry

    def texts(self):
        return [text for _, text in self.lines]

    def finish(self, timeout=120):
        """The driver's exit code once it has ended by itself."""
        self.proc.wait(timeout)
        self._reader.join(10)
        return wine.exit_code(wine.Result(self.proc.returncode, "", ""))

    def terminate_inside_wine(self):
        """Ends the driver the hard way, by TerminateProcess on its Windows id."""
        _, line = self.wait_for_line("pid ")
        subprocess.run([wine.WINE, "taskkill", "/F", "/PID", line.split()[1]], env=wine.wine_env(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)
        self.proc.wait(30)
        self._reader.join(10)

    def stop(self):
        wine.stop(self.proc)
        self._reader.join(10)

    def files(self):
        return sorted(p.name for p in self.folder.iterdir() if p.name != DRIVER)
