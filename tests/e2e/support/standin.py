"""The stand-in client under one of the client's names, and what it recorded.

    client = StandinClient(tools_dir, tmp_path / "Client", "tavren.exe")
    proc = client.start("-x", window=True)
    ...
    wine.stop(proc)
"""
import os
import shutil
import subprocess
import tempfile

from support import wine


class StandinClient:
    def __init__(self, tools_dir, folder, name="tavren.exe"):
        folder.mkdir(parents=True, exist_ok=True)
        self.tools_dir = tools_dir
        self.exe = folder / name
        shutil.copyfile(tools_dir / "standin_client.exe", self.exe)
        self.record = folder / (name + ".record")

    def start(self, *args, window=False, lifetime_ms=None, record=None, env=None, cwd=None):
        extra = dict(env or {})
        if window:
            extra["STANDIN_CLIENT_WINDOW"] = "1"
        if lifetime_ms is not None:
            extra["STANDIN_CLIENT_LIFETIME_MS"] = str(lifetime_ms)
        if record is not None:
            extra["STANDIN_CLIENT_RECORD"] = wine.windows_path(record)
            self.record = record
        proc = wine.start(self.exe, *args, cwd=cwd or self.exe.parent, env=extra, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
        wine.wait_for(lambda: self.lines(), timeout=10)
        return proc

    def lines(self):
        if not self.record.exists():
            return []
        return self.record.read_bytes().decode("utf-8").splitlines()

    def field(self, kind):
        """The text of the first line of this kind ("start", "cmdline", "cwd")."""
        for line in self.lines():
            head, _, rest = line.partition(" ")
            if head == kind:
                return rest
        return None

    def pipe_messages(self):
        return [bytes.fromhex(line[len("pipe "):]) for line in self.lines() if line.startswith("pipe")]


def send_to_pipe(tools_dir, message, wait_ms=5000):
    """Opens the client's pipe, writes `message` in one write, closes; True when sent."""
    with tempfile.NamedTemporaryFile(suffix=".msg", delete=False) as f:
        f.write(message)
    try:
        result = wine.run_to_exit(tools_dir / "pipe_sender.exe", wine.windows_path(f.name), wait_ms)
    finally:
        os.unlink(f.name)
    return result.returncode == 0
