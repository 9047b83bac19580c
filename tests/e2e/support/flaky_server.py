"""A package server on 127.0.0.1 that refuses its first requests: each of the
first `failures` requests gets status 503, later ones are served with byte
ranges as nginx serves them. `failures=None` refuses every request."""
import re
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

_RANGE = re.compile(r"bytes=(\d+)-(\d*)$")


class FlakyServer:
    def __init__(self, package, failures):
        self.package = package.read_bytes()
        self.failures = failures
        self.requests = 0
        self.refused = 0
        self._lock = threading.Lock()
        self.httpd = ThreadingHTTPServer(("127.0.0.1", 0), self._handler())
        self.httpd.daemon_threads = True
        self.host = f"127.0.0.1:{self.httpd.server_address[1]}"
        self._thread = threading.Thread(target=self.httpd.serve_forever, daemon=True)
        self._thread.start()

    def url(self, path):
        return f"http://{self.host}/{path.lstrip('/')}"

    def _refuse_next(self):
        with self._lock:
            self.requests += 1
            refuse = self.failures is None or self.refused < self.failures
            if refuse:
                self.refused += 1
            return refuse

    def _handler(self):
        server = self

        class Handler(BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def log_message(self, *args):
                pass

            def do_GET(self):
                if server._refuse_next():
                    self._reply(503, b"busy")
                    return
                data = server.package
                m = _RANGE.match(self.headers.get("Range", ""))
                if not m:
                    self._reply(200, data)
                    return
                start = int(m.group(1))
                end = int(m.group(2)) + 1 if m.group(2) else len(data)
                if start >= len(data):
                    self._reply(416, b"", {"Content-Range": f"bytes */{len(data)}"})
                    return
                self._reply(206, data[start:end], {"Content-Range": f"bytes {start}-{end - 1}/{len(data)}"})

            def _reply(self, status, body, headers=None):
                self.send_response(status)
                for name, value in (headers or {}).items():
                    self.send_header(name, value)
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Connection", "close")
                self.end_headers()
                self.wfile.write(body)

        return Handler

    def stop(self):
        self.httpd.shutdown()
        self.httpd.server_close()
