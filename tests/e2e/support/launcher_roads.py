"""Helpers for the launcher's two roads: clients it finds or starts, its prompt."""
import subprocess
import time
from pathlib import Path

from support import wine
from support.standin import StandinClient

PROMPT_CAPTION = "提示"


class ClientRecord:
    """One record file shared by every stand-in client of a test, those the test
    starts and those the launcher starts; ends them all by process id."""

    def __init__(self, tools_dir, path):
        self.tools_dir = Path(tools_dir)
        self.path = Path(path)
        self.procs = []

    @property
    def env(self):
        return {"STANDIN_CLIENT_RECORD": wine.windows_path(self.path)}

    def place(self, folder, name="tavren.exe"):
        """Puts the stand-in client into `folder` under `name`."""
        return StandinClient(self.tools_dir, Path(folder), name)

    def start(self, client, *args):
        proc = client.start(*args, record=self.path)
        self.procs.append(proc)
        return proc

    def lines(self):
        return self.path.read_bytes().decode("utf-8").splitlines() if self.path.exists() else []

    def of_kind(self, kind):
        return [line.split(" ", 1)[1] if " " in line else "" for line in self.lines() if line.split(" ", 1)[0] == kind]

    def pipe_messages(self):
        return [bytes.fromhex(text) for text in self.of_kind("pipe")]

    def pids(self):
        return [int(text.split(" ")[0]) for text in self.of_kind("start")]

    def end_all(self, quiet=1.0, timeout=10.0):
        """Ends every client of the record, once the record has been quiet for
        `quiet` seconds (a client the launcher has just started writes its
        start line a moment later)."""
        deadline = time.monotonic() + timeout
        last = None
        while time.monotonic() < deadline:
            size = self.path.stat().st_size if self.path.exists() else -1
            if size == last:
                break
            last = size
            time.sleep(quiet)
        for pid in self.pids():
            subprocess.run([wine.WINE, "taskkill", "/f", "/pid", str(pid)], env=wine.wine_env(),
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False, timeout=30)
        for proc in self.procs:
            wine.stop(proc)


def prompt_windows():
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", PROMPT_CAPTION],
                           capture_output=True, text=True, check=False)
    return found.stdout.split()


def answer_prompt(key, timeout=20.0, attempts=5):
    """Waits for the launcher's question and answers it with a key (Return: OK,
    Escape: Cancel). A key that arrives before the box takes input is lost, so
    it is sent again while the box stays open."""
    windows = wine.wait_for(prompt_windows, timeout=timeout)
    assert windows, "the launcher asked nothing"
    for _ in range(attempts):
        subprocess.run(["xdotool", "key", "--window", windows[0], key], check=True, timeout=10)
        if wine.wait_for(lambda: windows[0] not in prompt_windows(), timeout=3):
            return
    raise AssertionError("the question stayed open")


class ExitCodeOf:
    """A Windows program run under exit_code_of, which reports how it ended."""

    def __init__(self, tools_dir, program, *args, env=None):
        self.proc = wine.start(Path(tools_dir) / "exit_code_of.exe", wine.windows_path(program), *args, env=env)
        line = self.proc.stdout.readline().strip()
        if not line.startswith("pid "):
            wine.stop(self.proc)
            raise RuntimeError(f"exit_code_of: {line!r}")
        self.pid = int(line.split()[1])

    def exit_code(self, timeout=30):
        deadline = time.monotonic() + timeout
        line = self.proc.stdout.readline().strip()
        while not line.startswith("exit ") and time.monotonic() < deadline:
            line = self.proc.stdout.readline().strip()
        wine.stop(self.proc)
        return int(line.split()[1]) if line.startswith("exit ") else None

    def stop(self):
        wine.stop(self.proc)


def registered_command():
    """The default value of HKCR\\tavren\\shell\\open\\command, as reg query prints it."""
    result = subprocess.run([wine.WINE, "reg", "query", r"HKCR\tavren\shell\open\command", "/ve"],
                            capture_output=True, env=wine.wine_env(), check=False, timeout=60)
    for line in result.stdout.decode("latin-1").splitlines():
        if "REG_SZ" in line:
            return line.split("REG_SZ", 1)[1].strip()
    return None
