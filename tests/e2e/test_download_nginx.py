"""The download driver against a real nginx: ranges, redirects, resume across
runs, a killed run, tiny packages."""
import os
import pathlib
import re
import shutil
import tempfile

import pytest

from support.download_driver import DriverRun, md5_of

PACKAGE_NAMES = ["update.zip"]


@pytest.fixture
def www():
    """A folder nginx's unprivileged workers can read (pytest's own are private)."""
    folder = tempfile.mkdtemp(prefix="download-www-")
    os.chmod(folder, 0o755)
    yield pathlib.Path(folder)
    shutil.rmtree(folder, ignore_errors=True)


def retries(run):
    return [t for t in run.texts() if t.startswith("retry")]


def requests_in(server):
    log = (server.workdir / "logs" / "access.log").read_text()
    return re.findall(r'"GET (\S+) HTTP/1.1" (\d+)', log)


@pytest.mark.parametrize("size, upper_case_md5", [(1003, False), (3 * 1024 * 1024 + 1, True)])
def test_range_download_ends_with_the_verified_package(tools_dir, nginx_factory, tmp_path, www, size, upper_case_md5):
    package = os.urandom(size)
    (www / "p.zip").write_bytes(package)
    server = nginx_factory(www)
    digest = md5_of(package)
    run = DriverRun(tools_dir, tmp_path / "job", server.url("p.zip"), digest.upper() if upper_case_md5 else digest)
    try:
        assert run.finish() == 0, run.texts()
    finally:
        run.stop()
    assert run.texts()[-1] == "downloaded"
    assert retries(run) == []
    assert (run.folder / "update.zip").read_bytes() == package
    assert run.files() == PACKAGE_NAMES
    assert requests_in(server) == [("/p.zip", "206")] * 5


def test_redirect_from_nginx_is_followed(tools_dir, nginx_factory, tmp_path, www):
    package = os.urandom(5000)
    (www / "p.zip").write_bytes(package)
    server = nginx_factory(www, "location = /moved.zip { return 302 /p.zip; }")
    run = DriverRun(tools_dir, tmp_path / "job", server.url("moved.zip"), md5_of(package))
    try:
        assert run.finish() == 0, run.texts()
    finally:
        run.stop()
    assert "Response returned with status code 302" in run.texts()
    assert retries(run) == []
    assert (run.folder / "update.zip").read_bytes() == package
    assert requests_in(server) == [("/moved.zip", "302")] + [("/p.zip", "206")] * 5


def test_part_files_of_an_earlier_run_are_resumed(tools_dir, nginx_factory, tmp_path, www):
    package = os.urandom(1003)
    (www / "p.zip").write_bytes(package)
    server = nginx_factory(www)
    job = tmp_path / "job"
    job.mkdir()
    # Parts of 100, 0 (missing), 250 and 30 bytes of the segments at 0, 250, 500 and 750.
    (job / "update.td0").write_bytes(package[0:100])
    (job / "update.td2").write_bytes(package[500:750])
    (job / "update.td3").write_bytes(package[750:780])
    run = DriverRun(tools_dir, job, server.url("p.zip"), md5_of(package))
    try:
        assert run.finish() == 0, run.texts()
    finally:
        run.stop()
    # Asking from the wrong place would have put wrong bytes after the kept
    # ones: the first attempt would fail its digest and a retry start afresh.
    assert retries(run) == []
    assert (job / "update.zip").read_bytes() == package
    assert run.files() == PACKAGE_NAMES


def test_package_of_three_bytes_never_merges(tools_dir, nginx_factory, tmp_path, www):
    (www / "p.zip").write_bytes(b"abc")
    server = nginx_factory(www)
    run = DriverRun(tools_dir, tmp_path / "job", server.url("p.zip"), md5_of(b"abc"))
    try:
        assert run.finish() == 1, run.texts()
    finally:
        run.stop()
    assert retries(run) == [f"retry {n}" for n in range(10)]
    assert run.texts()[-1] == "failed"
    assert run.files() == []


def test_run_killed_mid_download_is_resumed_by_the_next_run(tools_dir, nginx_factory, tmp_path, www):
    package = os.urandom(2 * 1024 * 1024)
    (www / "p.zip").write_bytes(package)
    server = nginx_factory(www, "location / { limit_rate 128k; }")
    job = tmp_path / "job"
    first = DriverRun(tools_dir, job, server.url("p.zip"), md5_of(package))
    try:
        first.wait_for_line("progress ")
        first.terminate_inside_wine()
    finally:
        first.stop()
    assert not [t for t in first.texts() if t.startswith("downloaded")]
    kept = {p.name: p.stat().st_size for p in job.glob("update.td?")}
    assert len(kept) == 4 and all(size > 0 for size in kept.values()), kept

    second = DriverRun(tools_dir, job, server.url("p.zip"), md5_of(package))
    try:
        assert second.finish() == 0, second.texts()
    finally:
        second.stop()
    assert retries(second) == []
    assert (job / "update.zip").read_bytes() == package
    assert second.files() == PACKAGE_NAMES
