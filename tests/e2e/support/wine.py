"""Starting the real Windows programs under Wine and reading what they say.

The test session (scripts/test) owns the Xvfb display and the wineserver;
this module only starts programs inside them.
"""
import os
import re
import subprocess
import tempfile
import time
from dataclasses import dataclass, field

WINE = os.environ.get("WINE", "/usr/lib/wine/wine64")

_DEBUGSTR = re.compile(r'^[0-9a-f]+:warn:debugstr:OutputDebugStringA "(.*)"(\.\.\.)?$')
_ESCAPE = re.compile(r'\\(x[0-9a-fA-F]{2}|[0-7]{1,3}|.)')
_SIMPLE = {"n": "\n", "r": "\r", "t": "\t", "\\": "\\", '"': '"'}


def _unescape(text):
    def one(m):
        e = m.group(1)
        if e[0] == "x":
            return chr(int(e[1:], 16))
        if e[0].isdigit():
            return chr(int(e, 8))
        return _SIMPLE.get(e, e)
    return _ESCAPE.sub(one, text)


def debug_pieces(stderr_text):
    """Each OutputDebugStringA text on a +debugstr stderr, as Latin-1 text
    (so bytes of other code pages survive: encode('latin-1') gives them back)."""
    pieces = []
    for line in stderr_text.splitlines():
        m = _DEBUGSTR.match(line)
        if m:
            pieces.append(_unescape(m.group(1)))
    return pieces


def debug_records(stderr_text):
    """Log records rebuilt from their debugger pieces, one per line."""
    return "".join(debug_pieces(stderr_text)).splitlines()


@dataclass
class Result:
    returncode: int
    stdout: str
    stderr: str
    debug: list = field(default_factory=list)


def wine_env(extra=None, debugstr=False, lang=None):
    env = dict(os.environ)
    env["WINEDEBUG"] = "-all,warn+debugstr" if debugstr else "-all"
    if lang:
        env["LANG"] = env["LC_ALL"] = lang
    if extra:
        env.update(extra)
    return env


def start(program, *args, cwd=None, env=None, debugstr=False, lang=None, stdout=subprocess.PIPE,
          stderr=subprocess.PIPE):
    """Starts a program; the caller must end it (see stop)."""
    return subprocess.Popen(
        [WINE, str(program), *map(str, args)],
        cwd=cwd,
        env=wine_env(env, debugstr, lang),
        stdin=subprocess.DEVNULL,
        stdout=stdout,
        stderr=stderr,
        text=True,
        encoding="latin-1",
    )


def finish(proc, timeout=60):
    out, err = proc.communicate(timeout=timeout)
    return Result(proc.returncode, out or "", err or "", debug_records(err or ""))


def run(program, *args, timeout=60, **kw):
    proc = start(program, *args, **kw)
    try:
        return finish(proc, timeout)
    finally:
        stop(proc)


def run_to_exit(program, *args, timeout=60, **kw):
    """Like run, but waits for the program itself to end and then reads its
    standard error from a file. A Wine helper process started meanwhile (the
    desktop, for one) inherits the program's handles and may outlive it; with
    a pipe, run would wait for that helper too."""
    with tempfile.TemporaryFile() as err:
        proc = start(program, *args, stdout=subprocess.DEVNULL, stderr=err, **kw)
        try:
            proc.wait(timeout)
        finally:
            stop(proc)
        err.seek(0)
        text = err.read().decode("latin-1")
    return Result(proc.returncode, "", text, debug_records(text))


def stop(proc, grace=2.0):
    """Ends a program started by start(), by its own process id."""
    if proc.poll() is None:
        proc.terminate()
        try:
            proc.wait(grace)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def exit_code(result):
    """The Windows exit code as a signed 32-bit number (Wine passes its low byte)."""
    code = result.returncode & 0xFF
    return code - 256 if code >= 128 else code


def windows_path(path):
    """The Windows form of a Unix path (drive Z: maps the Unix root)."""
    return "Z:" + str(path).replace("/", "\\")


def wait_for(predicate, timeout=10.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(interval)
    return predicate()
