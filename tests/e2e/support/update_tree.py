"""An installation laid out like the client's, for whole-update runs:

    <root>/                      clientDic: where a forced update unpacks
    <root>/Client/               installation folder: launcher and client
        TAVRENLaunch.exe
        tavren.exe               stand-in client the launcher starts
        tavrenclient.exe         stand-in client processes the updater ends
        wupclient.exe
    <root>/Client/temp/          Updater.exe and zlib.dll

and a sample package laid out for the installation folder.
"""
import hashlib
import io
import select
import shutil
import subprocess
import time
import zipfile
from pathlib import Path

from support import wine
from support.standin import StandinClient

UPDATER = "Updater.exe"
LAUNCHER = "TAVRENLaunch.exe"

# Entries of the sample package, laid out for the installation folder.
PACKAGE_FILES = {
    "version.txt": b"2.0.0\n",
    "res/skin/readme.txt": b"new resources\n",
}


def make_package(path, files=None, filler=0):
    """Writes a zip package; `filler` adds an incompressible entry of that
    many bytes so that a download takes several chunks. Returns its MD5."""
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in (files or PACKAGE_FILES).items():
            z.writestr(name, data)
        if filler:
            z.writestr("res/filler.bin", _pseudo_random(filler), compress_type=zipfile.ZIP_STORED)
    data = buffer.getvalue()
    Path(path).write_bytes(data)
    return hashlib.md5(data).hexdigest()


def _pseudo_random(size):
    out = bytearray()
    seed = b"update"
    while len(out) < size:
        seed = hashlib.sha256(seed).digest()
        out += seed
    return bytes(out[:size])


class UpdateTree:
    def __init__(self, root, bin_dir, tools_dir):
        self.root = Path(root)
        self.client = self.root / "Client"
        self.temp = self.client / "temp"
        self.temp.mkdir(parents=True, exist_ok=True)
        self.tools_dir = Path(tools_dir)
        shutil.copy(Path(bin_dir) / LAUNCHER, self.client / LAUNCHER)
        shutil.copy(Path(bin_dir) / UPDATER, self.temp / UPDATER)
        shutil.copy(Path(bin_dir) / "zlib.dll", self.temp / "zlib.dll")
        self.updater = self.temp / UPDATER
        # The client the launcher starts, and the two the updater ends.
        self.started_client = StandinClient(self.tools_dir, self.client, "tavren.exe")
        self.procs = []

    def start_client(self, name, window=False):
        """Starts a stand-in under one of the client's names; it records into
        <name>.record and ends only when someone ends it."""
        client = StandinClient(self.tools_dir, self.client, name)
        proc = client.start(window=window)
        self.procs.append(proc)
        return client, proc

    def start_watched_client(self, name, window=False):
        """Starts a stand-in under one of the client's names through
        exit_code_of, whose output later tells the code it was ended with."""
        client = StandinClient(self.tools_dir, self.client, name)
        env = {"STANDIN_CLIENT_LIFETIME_MS": "60000"}
        if window:
            env["STANDIN_CLIENT_WINDOW"] = "1"
        proc = wine.start(self.tools_dir / "exit_code_of.exe", wine.windows_path(client.exe),
                          cwd=self.client, env=env)
        self.procs.append(proc)
        wine.wait_for(lambda: client.lines(), timeout=10)
        return proc

    @staticmethod
    def exit_code_of(proc, timeout=20):
        """The Windows exit code that exit_code_of reported, or None. Reads
        its lines as they come: the wrapper's own end may lag behind."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            ready, _, _ = select.select([proc.stdout], [], [], 0.2)
            if not ready:
                continue
            line = proc.stdout.readline()
            if not line:
                return None
            if line.startswith("exit "):
                return int(line.split()[1])
        return None

    def start_updater(self, url, md5, pagecallparam, forced, lang="en_US.UTF-8"):
        """Starts Updater.exe as the client does. Its standard error goes to a
        file: the launcher it starts would hold a pipe open long after."""
        args = [f"-url={url}", f"-md5={md5}", f"-pagecallparam={pagecallparam}", f"-forcedupdate={forced}"]
        # Whatever the updater starts inherits this: a client the launcher
        # starts ends by itself.
        env = wine.wine_env({"STANDIN_CLIENT_LIFETIME_MS": "30000"}, debugstr=True, lang=lang)
        self.updater_log = self.root.parent / f"updater-{len(self.procs)}.stderr"
        with open(self.updater_log, "wb") as log:
            proc = subprocess.Popen([wine.WINE, str(self.updater), *args], cwd=self.temp, env=env,
                                    stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=log)
        proc.log_path = self.updater_log
        self.procs.append(proc)
        return proc

    @staticmethod
    def finish_updater(proc, timeout=30):
        """Waits for the updater's end: its result with its log records."""
        proc.wait(timeout)
        err = proc.log_path.read_bytes().decode("latin-1")
        return wine.Result(proc.returncode, "", err, wine.debug_records(err))

    def stop_all(self):
        for proc in self.procs:
            wine.stop(proc)
        self.end_started_client()

    def end_started_client(self):
        """Ends the client the launcher started, by its Windows process id, so
        that the next launcher does not find it running."""
        for line in self.started_client.lines():
            if line.startswith("start "):
                pid = line.split()[1]
                subprocess.run([wine.WINE, "taskkill", "/F", "/PID", pid], env=wine.wine_env(),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=30)

    def files(self, folder):
        """Files below `folder`, relative and sorted."""
        base = Path(folder)
        return sorted(p.relative_to(base).as_posix() for p in base.rglob("*") if p.is_file())
