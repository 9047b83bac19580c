"""The download driver against a scripted server that misbehaves on purpose:
exact request bytes, failed probes and attempts, the stall watchdog."""
import os

import pytest

from support.download_driver import DriverRun, md5_of
from support.scripted_http import ScriptedHttpServer, answer, serve_range, unused_host

PACKAGE = os.urandom(1003)


def retries(run):
    return [t for t in run.texts() if t.startswith("retry")]


def run_to_end(tools_dir, folder, url, md5=md5_of(PACKAGE)):
    run = DriverRun(tools_dir, folder, url, md5)
    try:
        code = run.finish()
    finally:
        run.stop()
    return code, run


def test_requests_are_sent_byte_for_byte(tools_dir, tmp_path):
    with ScriptedHttpServer(lambda e: serve_range(e, PACKAGE)) as server:
        code, run = run_to_end(tools_dir, tmp_path / "job", server.url("dir/p.zip"))
    assert code == 0, run.texts()

    def request(start):
        return (b"GET /dir/p.zip HTTP/1.1\r\n"
                b"Host: " + server.host.encode() + b"\r\n"
                b"Accept: */*\r\n"
                b"Pragma: no-cache\r\n"
                b"Cache-Control: no-cache\r\n"
                b"Connection: close\r\n"
                b"Range: bytes=%d- \r\n"
                b"\r\n" % start)

    assert server.requests[0] == request(0)
    assert sorted(server.requests[1:]) == sorted(request(s) for s in (0, 250, 500, 750))


def whole_package_ignoring_range(e):
    answer(e, 200, b"Content-Length: %d\r\n" % len(PACKAGE), PACKAGE)


def test_server_that_ignores_ranges_still_gives_the_package(tools_dir, tmp_path):
    with ScriptedHttpServer(whole_package_ignoring_range) as server:
        code, run = run_to_end(tools_dir, tmp_path / "job", server.url("p.zip"))
    assert code == 0, run.texts()
    assert retries(run) == []
    assert (run.folder / "update.zip").read_bytes() == PACKAGE


def wrong_bytes(e):
    serve_range(e, PACKAGE[:600] + bytes([PACKAGE[600] ^ 1]) + PACKAGE[601:])


@pytest.mark.parametrize("name, script, printed", [
    ("not found", lambda e: answer(e, 404), "Response returned with status code 404"),
    ("server error", lambda e: answer(e, 500), "Response returned with status code 500"),
    ("another protocol", lambda e: e.send(b"ICY 200 OK\r\n\r\n"), "Invalid response"),
    ("lower-case header names", lambda e: answer(e, 206, b"content-range: bytes 0-1002/1003\r\n"), None),
    ("closed inside the head", lambda e: e.send(b"HTTP/1.1 206 Partial Content\r\nContent-Ra"), None),
    ("redirect to itself", lambda e: answer(e, 302, b"Location: /p.zip\r\n"), "Response returned with status code 302"),
    ("redirect elsewhere than http", lambda e: answer(e, 302, b"Location: https://127.0.0.1/p.zip\r\n"), None),
    ("wrong bytes", wrong_bytes, None),
])
def test_ten_failed_attempts_then_the_job_gives_up(tools_dir, tmp_path, name, script, printed):
    job = tmp_path / "job"
    job.mkdir()
    (job / "update.zip").write_bytes(b"package of an earlier run")
    with ScriptedHttpServer(script) as server:
        code, run = run_to_end(tools_dir, job, server.url("p.zip"))
    assert code == 1, run.texts()
    assert retries(run) == [f"retry {n}" for n in range(10)]
    assert run.texts()[-1] == "failed"
    if printed:
        assert printed in run.texts()
    assert "update.zip" not in run.files()


def test_server_that_is_not_there_fails_ten_times(tools_dir, tmp_path):
    code, run = run_to_end(tools_dir, tmp_path / "job", f"http://{unused_host()}/p.zip")
    assert code == 1, run.texts()
    assert retries(run) == [f"retry {n}" for n in range(10)]
    assert sum(t.startswith(" exception = ") for t in run.texts()) == 10
    assert run.files() == []


def head_without_body(e):
    if e.index == 0:
        return serve_range(e, PACKAGE)
    answer(e, 206)
    e.wait_for_client_close(60)


def stall_mid_body(e):
    if e.index == 0:
        return serve_range(e, PACKAGE)
    start = e.range_start()
    answer(e, 206, b"", PACKAGE[start:start + 10])
    e.wait_for_client_close(60)


@pytest.mark.parametrize("script, earliest, latest", [
    # About 5 s to the first body chunk.
    (head_without_body, 4.0, 12.0),
    # Then no chunk in a 15 s window: the window that sees the last chunks
    # arrive still counts as moving, so a stall shows after one or two windows.
    (stall_mid_body, 14.0, 35.0),
])
def test_watchdog_ends_a_stalled_attempt(tools_dir, tmp_path, script, earliest, latest):
    with ScriptedHttpServer(script) as server:
        run = DriverRun(tools_dir, tmp_path / "job", server.url("p.zip"), md5_of(PACKAGE))
        try:
            seconds, _ = run.wait_for_line("retry 0", timeout=60)
        finally:
            run.stop()
    assert earliest <= seconds <= latest, run.lines
