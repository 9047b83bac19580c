"""The stand-in client keeps the interface that tests of both programs rely on."""
import datetime
import re
import subprocess

import pytest

from support import wine
from support.standin import StandinClient, send_to_pipe


def _visible_windows(title):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                           capture_output=True, text=True, check=False)
    return found.stdout.split()


@pytest.fixture
def running(tools_dir, tmp_path):
    procs = []

    def start(client, *args, **kw):
        procs.append(client.start(*args, **kw))
        return procs[-1]

    yield start
    for proc in procs:
        wine.stop(proc)


def test_records_its_start_command_line_and_folder_next_to_itself(tools_dir, tmp_path, running):
    client = StandinClient(tools_dir, tmp_path / "Client Folder", "tavrenclient.exe")
    workdir = tmp_path / "work"
    workdir.mkdir()
    before = datetime.datetime.now(datetime.timezone.utc).replace(tzinfo=None)
    running(client, "-a", "b c", cwd=workdir)
    assert wine.wait_for(lambda: len(client.lines()) >= 3)

    kinds = [line.split(" ", 1)[0] for line in client.lines()]
    assert kinds[:3] == ["start", "cmdline", "cwd"]
    pid, stamp = client.field("start").split(" ")
    assert int(pid) > 0
    assert re.fullmatch(r"\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.\d{3}", stamp)
    started = datetime.datetime.strptime(stamp, "%Y-%m-%dT%H:%M:%S.%f")
    assert abs((started - before).total_seconds()) < 60, "UTC, not local time"
    assert client.field("cmdline") == f'"{wine.windows_path(client.exe)}" -a "b c"'
    assert client.field("cwd") == wine.windows_path(workdir)


def test_record_path_from_the_environment(tools_dir, tmp_path, running):
    client = StandinClient(tools_dir, tmp_path / "Client", "wupclient.exe")
    elsewhere = tmp_path / "records" / "wup.txt"
    elsewhere.parent.mkdir()
    running(client, record=elsewhere)
    assert elsewhere.exists()
    assert not (tmp_path / "Client" / "wupclient.exe.record").exists()


def test_pipe_messages_arrive_byte_for_byte_and_the_pipe_is_served_again(tools_dir, tmp_path, running):
    client = StandinClient(tools_dir, tmp_path / "Client", "tavren.exe")
    running(client)
    messages = [
        b"class?id=7&name=x\0",              # what the launcher sends: text and one zero byte
        b"\0",
        bytes(range(256)),                     # every byte value, 0x80 and above included
        bytes(i % 251 for i in range(200000)),  # larger than the pipe's buffer
    ]
    for message in messages:
        assert send_to_pipe(tools_dir, message)
    assert wine.wait_for(lambda: len(client.pipe_messages()) == len(messages))
    assert client.pipe_messages() == messages


def test_window_only_on_request_and_lifetime_ends_it(tools_dir, tmp_path, running):
    quiet = StandinClient(tools_dir, tmp_path / "Quiet", "tavren.exe")
    proc = running(quiet, lifetime_ms=1500)
    result = wine.finish(proc, timeout=30)
    assert result.returncode == 0

    windowed = StandinClient(tools_dir, tmp_path / "Windowed", "tavren.exe")
    running(windowed, window=True)
    assert wine.wait_for(lambda: _visible_windows("stand-in client"))
