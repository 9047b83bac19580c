"""A loopback HTTP server whose answers a test scripts connection by
connection, so that it can misbehave on purpose. It records every request
exactly as received (bytes)."""
import re
import socket
import threading

_RANGE = re.compile(rb"\r\nRange: bytes=(\d+)-")


class Exchange:
    def __init__(self, conn, index):
        self.conn = conn
        self.index = index
        self.request = b""

    def read_request(self, timeout=10):
        self.conn.settimeout(timeout)
        try:
            while b"\r\n\r\n" not in self.request:
                data = self.conn.recv(4096)
                if not data:
                    return
                self.request += data
        except OSError:
            pass

    @property
    def path(self):
        return self.request.split(b" ")[1].decode("latin-1") if b" " in self.request else ""

    def range_start(self):
        m = _RANGE.search(self.request)
        return int(m.group(1)) if m else 0

    def send(self, data):
        """False once the client has gone."""
        try:
            self.conn.sendall(data)
            return True
        except OSError:
            return False

    def wait_for_client_close(self, timeout=60):
        self.conn.settimeout(timeout)
        try:
            while self.conn.recv(65536):
                pass
        except OSError:
            pass


def answer(exchange, status, headers=b"", body=b""):
    exchange.send(b"HTTP/1.1 %d Scripted\r\n" % status + headers + b"\r\n" + body)


def serve_range(exchange, package):
    """Like a real server: 206 with the rest of the package from the range start."""
    start = exchange.range_start()
    if start >= len(package):
        return answer(exchange, 416, b"Content-Range: bytes */%d\r\n" % len(package))
    rest = package[start:]
    answer(exchange, 206, b"Content-Range: bytes %d-%d/%d\r\nContent-Length: %d\r\n"
           % (start, len(package) - 1, len(package), len(rest)), rest)


class ScriptedHttpServer:
    """`script(exchange)` runs on a thread of its own for each connection,
    after the request head has been read."""

    def __init__(self, script):
        self.script = script
        self.requests = []
        self._lock = threading.Lock()
        self._threads = []
        self._stopping = False
        self._listener = socket.socket()
        self._listener.bind(("127.0.0.1", 0))
        self._listener.listen(64)
        self.port = self._listener.getsockname()[1]
        self.host = f"127.0.0.1:{self.port}"
        self._accepter = threading.Thread(target=self._accept_loop, daemon=True)
        self._accepter.start()

    def url(self, path):
        return f"http://{self.host}/{path.lstrip('/')}"

    def _accept_loop(self):
        index = 0
        while True:
            try:
                conn, _ = self._listener.accept()
            except OSError:
                return
            if self._stopping:
                conn.close()
                return
            exchange = Exchange(conn, index)
            index += 1
            t = threading.Thread(target=self._handle, args=(exchange,), daemon=True)
            with self._lock:
                self._threads.append(t)
            t.start()

    def _handle(self, exchange):
        exchange.read_request()
        with self._lock:
            self.requests.append(exchange.request)
        try:
            self.script(exchange)
        finally:
            try:
                exchange.conn.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass
            exchange.conn.close()

    def stop(self):
        self._stopping = True
        try:
            socket.create_connection(("127.0.0.1", self.port), 1).close()
        except OSError:
            pass
        self._accepter.join(5)
        self._listener.close()
        with self._lock:
            threads = list(self._threads)
        for t in threads:
            t.join(70)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.stop()


def unused_host():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return f"127.0.0.1:{s.getsockname()[1]}"

