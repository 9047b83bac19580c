"""Screenshots of the test display and input through xdotool, for tests of
windows. Screenshots are kept under build/test-artifacts/ for people to look at."""
import pathlib
import re
import subprocess
import tempfile

from support.wine import wait_for

ROOT = pathlib.Path(__file__).resolve().parents[3]
ARTIFACTS = ROOT / "build" / "test-artifacts"


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, check=False).stdout


def find_window(title, timeout=15.0):
    """The X window id of the visible window with exactly this title."""
    pattern = "^" + re.escape(title) + "$"

    def search():
        lines = xdotool("search", "--onlyvisible", "--name", pattern).split()
        return lines[0] if lines else None

    window = wait_for(search, timeout)
    assert window, f"no window titled {title!r}"
    return window


def visible_windows():
    """Ids of every visible X window, titled or not (tooltips have no title)."""
    return set(xdotool("search", "--onlyvisible", "--name", "").split())


def window_gone(title, timeout=10.0):
    pattern = "^" + re.escape(title) + "$"
    return wait_for(lambda: not xdotool("search", "--onlyvisible", "--name", pattern).split(), timeout)


def geometry(window):
    """(x, y, width, height) of an X window on the screen."""
    values = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def focus(window):
    """Gives the window the keyboard: there is no window manager to do it."""
    xdotool("windowfocus", "--sync", window)


def keys(window, *names):
    focus(window)
    xdotool("key", "--delay", "50", *names)


def move(x, y):
    xdotool("mousemove", "--sync", x, y)


def press(x, y):
    move(x, y)
    xdotool("mousedown", "1")


def release():
    xdotool("mouseup", "1")


class Screenshot:
    """The whole screen as RGB pixels, also saved as a PNG file."""

    def __init__(self, path):
        self.path = pathlib.Path(path)
        self.path.parent.mkdir(parents=True, exist_ok=True)
        subprocess.run(["import", "-window", "root", str(self.path)], check=True)
        size = subprocess.run(["identify", "-format", "%w %h", str(self.path)], capture_output=True, text=True,
                              check=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = subprocess.run(["convert", str(self.path), "-depth", "8", "rgb:-"], capture_output=True,
                                  check=True).stdout

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])


def take(area, name):
    """A screenshot saved as build/test-artifacts/<area>/<name>.png."""
    return Screenshot(ARTIFACTS / area / f"{name}.png")


def grab():
    """A screenshot that is not kept."""
    with tempfile.TemporaryDirectory() as folder:
        return Screenshot(pathlib.Path(folder) / "screen.png")


def wait_painted(window, timeout=10.0):
    """Waits until a window shows its paint: nothing black at its corners and
    centre, and the same pixels in two screenshots in a row."""
    previous = []

    def settled():
        x, y, width, height = geometry(window)
        points = [(x + 1, y + 1), (x + width - 2, y + 1), (x + 1, y + height - 2),
                  (x + width - 2, y + height - 2), (x + width // 2, y + height // 2)]
        shot = grab()
        pixels = [shot.pixel(px, py) for px, py in points]
        done = bool(previous) and pixels == previous[-1] and all(p != (0, 0, 0) for p in pixels)
        previous.append(pixels)
        return done

    assert wait_for(settled, timeout), f"window {window} never showed its paint"


def image_pixel(path, x, y):
    """(r, g, b, a) of one pixel of an image file."""
    data = subprocess.run(["convert", str(path), "-crop", f"1x1+{x}+{y}", "-depth", "8", "rgba:-"],
                          capture_output=True, check=True).stdout
    return tuple(data[:4])


def over(rgba, background):
    """An RGBA colour composited over an opaque background, as the toolkit
    does with premultiplied alpha (integer steps)."""
    r, g, b, a = rgba
    return tuple(c * a // 255 + bg * (255 - a) // 255 for c, bg in zip((r, g, b), background))


def near(actual, expected, tolerance=2):
    return all(abs(a - e) <= tolerance for a, e in zip(actual, expected))
