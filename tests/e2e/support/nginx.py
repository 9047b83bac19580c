"""A real nginx on 127.0.0.1, on a free port, serving a folder of the test's."""
import shutil
import socket
import subprocess
import time

NGINX = shutil.which("nginx") or "/usr/sbin/nginx"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Nginx:
    """Serves `root`; `locations` is extra nginx text inside the server block
    (for example 'location = /moved.zip { return 302 /pkg.zip; }')."""

    def __init__(self, workdir, root, locations=""):
        self.workdir = workdir
        self.root = root
        self.port = free_port()
        self.host = f"127.0.0.1:{self.port}"
        workdir.mkdir(parents=True, exist_ok=True)
        for sub in ("logs", "tmp"):
            (workdir / sub).mkdir(exist_ok=True)
        self.conf = workdir / "nginx.conf"
        self.conf.write_text(f"""
daemon off;
worker_processes 1;
pid {workdir}/nginx.pid;
error_log {workdir}/logs/error.log warn;
events {{ worker_connections 256; }}
http {{
    access_log {workdir}/logs/access.log;
    client_body_temp_path {workdir}/tmp;
    proxy_temp_path {workdir}/tmp;
    fastcgi_temp_path {workdir}/tmp;
    uwsgi_temp_path {workdir}/tmp;
    scgi_temp_path {workdir}/tmp;
    default_type application/octet-stream;
    sendfile on;
    server {{
        listen 127.0.0.1:{self.port};
        root {root};
        {locations}
    }}
}}
""")
        self.proc = subprocess.Popen([NGINX, "-c", str(self.conf), "-p", str(workdir)],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            try:
                socket.create_connection(("127.0.0.1", self.port), 0.2).close()
                return
            except OSError:
                if self.proc.poll() is not None:
                    raise RuntimeError("nginx failed: " + self.proc.stderr.read().decode())
                time.sleep(0.05)
        self.stop()
        raise RuntimeError("nginx did not start")

    def url(self, path):
        return f"http://{self.host}/{path.lstrip('/')}"

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(10)
