"""The skin viewer (a test tool) opened on one skin, and its window."""
import contextlib
import subprocess
from dataclasses import dataclass

from support import screen, wine


@dataclass
class Viewer:
    proc: subprocess.Popen
    title: str
    window: str

    def origin(self):
        x, y, _, _ = screen.geometry(self.window)
        return x, y

    def size(self):
        _, _, width, height = screen.geometry(self.window)
        return width, height

    def finish(self, timeout=30):
        """Waits for the viewer to end: its exit code (the code that closed
        the window) and the lines it printed."""
        result = wine.finish(self.proc, timeout)
        return wine.exit_code(result), result.stdout.splitlines()


@contextlib.contextmanager
def open_viewer(tools_dir, skin, title, *options, pos=(100, 100)):
    proc = wine.start(tools_dir / "skin_viewer.exe", skin, "--title", title, "--pos", f"{pos[0]},{pos[1]}", *options)
    try:
        window = screen.find_window(title)
        screen.wait_painted(window)
        yield Viewer(proc, title, window)
    finally:
        wine.stop(proc)
