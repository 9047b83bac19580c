"""The Xvfb screen of the test session: windows by title, their geometry,
keys and clicks (xdotool), screenshots and pixels (ImageMagick)."""
import os
import re
import subprocess
from pathlib import Path

from support import wine

ROOT = Path(__file__).resolve().parents[3]
ARTIFACTS = ROOT / "build" / "test-artifacts" / "update"


def _xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True,
                          env=dict(os.environ)).stdout


def visible_windows(title):
    """X window ids of the visible windows with exactly this title."""
    return _xdotool("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$").split()


def find_window(title, timeout=20.0):
    """The X window id of a visible window with exactly this title, or None."""
    def look():
        ids = visible_windows(title)
        return ids[-1] if ids else None
    return wine.wait_for(look, timeout=timeout, interval=0.1)


def window_gone(window_id, timeout=20.0):
    def gone():
        return window_id not in _xdotool("search", "--onlyvisible", "--name", ".").split()
    return wine.wait_for(gone, timeout=timeout, interval=0.1)


def geometry(window_id):
    """(x, y, width, height) of the window on the screen."""
    out = _xdotool("getwindowgeometry", "--shell", window_id)
    values = dict(line.split("=", 1) for line in out.split() if "=" in line)
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def key(window_id, name):
    """Focuses the window, then presses the key as the keyboard would."""
    _xdotool("windowfocus", "--sync", window_id)
    _xdotool("key", name)


def click(window_id, x, y):
    """A left click at (x, y) of the window's client area."""
    _xdotool("mousemove", "--window", window_id, x, y)
    _xdotool("click", "1")


def screen_size():
    out = subprocess.run(["xdpyinfo"], capture_output=True, text=True).stdout
    m = re.search(r"dimensions:\s+(\d+)x(\d+)", out)
    return (int(m.group(1)), int(m.group(2))) if m else (1280, 800)


def screenshot(name):
    """Saves the whole screen as build/test-artifacts/update/<name>.png."""
    ARTIFACTS.mkdir(parents=True, exist_ok=True)
    path = ARTIFACTS / f"{name}.png"
    subprocess.run(["import", "-window", "root", str(path)], check=True, capture_output=True)
    return path


def pixel(image, x, y):
    """(r, g, b) of one pixel of a screenshot."""
    out = subprocess.run(["convert", str(image), "-crop", f"1x1+{x}+{y}", "-depth", "8", "txt:-"],
                         capture_output=True, text=True, check=True).stdout
    m = re.search(r"\((\d+),(\d+),(\d+)", out.splitlines()[-1])
    return tuple(int(v) for v in m.groups())
