"""The launcher's two roads, against the stand-in client under Wine."""
import shutil
import subprocess

import pytest

from support import wine
from support.launcher_roads import ClientRecord, ExitCodeOf, answer_prompt, prompt_windows, registered_command
from support.launcher_site import HeldFile, InstallSite


@pytest.fixture
def site(tmp_path, bin_dir):
    return InstallSite(tmp_path / "install", bin_dir)


@pytest.fixture
def clients(tools_dir, tmp_path):
    record = ClientRecord(tools_dir, tmp_path / "clients.record")
    yield record
    record.end_all()


@pytest.fixture
def running_client(site, clients):
    """A stand-in client running from the installation folder."""
    clients.start(clients.place(site.folder))
    return clients


def run_with_prompt(site, clients, key, *args, debugstr=False):
    """Runs the launcher while a client runs, answering its question with `key`."""
    run = site.start(*args, env=clients.env, debugstr=debugstr)
    try:
        answer_prompt(key)
    finally:
        result = run.finish(timeout=60)
    return result


def register_site(site):
    command = f'"{wine.windows_path(site.launcher)}" "%1"'
    subprocess.run([wine.WINE, "reg", "add", r"HKCR\tavren\shell\open\command", "/ve", "/t", "REG_SZ", "/d", command,
                    "/f"], env=wine.wine_env(), check=True, capture_output=True, timeout=60)


@pytest.mark.parametrize("args,message", [
    (["tavren://abc"], b"abc\0"),
    (["--page", "x", "tavren://room?id=1&t=2"], b"room?id=1&t=2\0"),  # text before the prefix is dropped
    (["tavren://a", "tavren://b"], b"a tavren://b\0"),              # the first prefix counts
    (["tavren://"], b"\0"),
])
def test_road_a_hands_the_remainder_to_the_running_client(site, running_client, args, message):
    result = run_with_prompt(site, running_client, "Escape", *args)
    assert wine.exit_code(result) == 0
    assert wine.wait_for(lambda: running_client.pipe_messages() == [message])
    assert len(running_client.pids()) == 1, "the client is not started again"


def test_road_a_keeps_the_closing_quote_of_a_browser_url(site, running_client):
    register_site(site)
    proc = wine.start("start", "tavren://room?id=1", env=running_client.env)
    try:
        answer_prompt("Escape")
        assert wine.wait_for(lambda: running_client.pipe_messages() == [b'room?id=1"\0'])
    finally:
        wine.stop(proc)


@pytest.mark.parametrize("args", [[], ["-page=home"], ["Tavren://room"]])
def test_road_a_without_prefix_sends_nothing(site, running_client, args):
    result = run_with_prompt(site, running_client, "Escape", *args)
    assert wine.exit_code(result) == 0
    assert running_client.pipe_messages() == []
    assert len(running_client.pids()) == 1


def test_road_a_without_a_pipe_exits_1(site, clients, tools_dir, tmp_path):
    # A windowless program of the client's name that serves no pipe.
    impostor = tmp_path / "impostor" / "tavren.exe"
    impostor.parent.mkdir()
    shutil.copy(tools_dir / "hold_file.exe", impostor)
    (tmp_path / "held.txt").write_text("held")
    with HeldFile(tools_dir, tmp_path / "held.txt", program=impostor):
        result = run_with_prompt(site, clients, "Escape", "tavren://abc")
    assert wine.exit_code(result) == 1


def test_road_a_refuses_a_url_too_long_for_the_message(site, running_client):
    result = run_with_prompt(site, running_client, "Escape", "tavren://" + "x" * 10240, debugstr=True)
    assert wine.exit_code(result) == 1
    assert any("url not sent to the running client: longer than 10240 bytes" in r for r in result.debug)
    assert running_client.pipe_messages() == []

    result = run_with_prompt(site, running_client, "Escape", "tavren://" + "y" * 10239)
    assert wine.exit_code(result) == 0
    assert wine.wait_for(lambda: running_client.pipe_messages() == [b"y" * 10239 + b"\0"])


def test_prompt_ok_ends_the_client_with_0_and_starts_it_again(site, clients, tools_dir):
    client = clients.place(site.folder)
    first = ExitCodeOf(tools_dir, client.exe, env=clients.env)
    try:
        assert wine.wait_for(lambda: clients.pids())
        result = run_with_prompt(site, clients, "Return", "tavren://room?id=7")
        assert first.exit_code() == 0
    finally:
        first.stop()
    assert wine.exit_code(result) == 0
    assert wine.wait_for(lambda: len(clients.pids()) == 2), "started again on the other road"
    assert clients.of_kind("cmdline")[-1].endswith(" room?id=7")
    assert clients.of_kind("cwd")[-1] == wine.windows_path(site.folder)
    assert clients.pipe_messages() == []


def test_prompt_cancel_leaves_the_client_alone(site, clients, tools_dir):
    client = clients.place(site.folder)
    first = ExitCodeOf(tools_dir, client.exe, env=clients.env)
    try:
        assert wine.wait_for(lambda: clients.pids())
        result = run_with_prompt(site, clients, "Escape", "-page=home")
        assert wine.exit_code(result) == 0
        assert first.proc.poll() is None, "the client still runs"
        assert clients.pids() == clients.pids()[:1]
    finally:
        first.stop()


def test_road_b_registers_the_scheme_and_starts_the_client(site, clients, tmp_path):
    clients.place(site.folder)
    elsewhere = tmp_path / "elsewhere"
    elsewhere.mkdir()
    result = site.run("tavren://room?id=1", cwd=elsewhere, env=clients.env, debugstr=True)

    assert wine.exit_code(result) == 0
    assert registered_command() == f'"{wine.windows_path(site.launcher)}" "%1"'
    assert wine.wait_for(lambda: clients.pids())
    assert clients.of_kind("cmdline")[0].endswith(" room?id=1")
    assert clients.of_kind("cwd")[0] == wine.windows_path(site.folder)
    assert [record.split("] ", 1)[1] for record in result.debug] == ["class path: tavren.exe", "par: room?id=1"]


def test_road_b_without_arguments_starts_the_client_with_none(site, clients):
    clients.place(site.folder)
    assert wine.exit_code(site.run(env=clients.env)) == 0
    assert wine.wait_for(lambda: clients.pids())
    assert clients.of_kind("cmdline")[0].rstrip() == '"tavren.exe"'


def test_road_b_records_go_to_debugger_and_standard_error_alike(site, clients):
    clients.place(site.folder)
    result = site.run("-课堂", "tavren://x y", env=clients.env, debugstr=True)  # Wine quotes the blank

    plain = [line for line in result.stderr.splitlines() if line.startswith("[ZUL]")]
    assert plain == result.debug
    texts = [record.split("] ", 1)[1].encode("latin-1").decode("gbk") for record in result.debug]
    assert texts == ["class path: tavren.exe", 'par: x y"']
    for record in result.debug:
        assert record.startswith("[ZUL][I][")


def test_road_b_passes_a_chinese_command_line_as_it_came(site, clients):
    clients.place(site.folder)
    result = site.run("课堂", "-id=1", env=clients.env, debugstr=True)
    assert wine.exit_code(result) == 0
    assert wine.wait_for(lambda: clients.pids())
    assert clients.of_kind("cmdline")[0].endswith(" 课堂 -id=1")
    assert result.debug[-1].split("] ", 1)[1].encode("latin-1").decode("gbk") == "par: 课堂 -id=1"


def test_scheme_url_started_by_the_platform_reaches_the_client(site, clients):
    clients.place(site.folder)
    assert wine.exit_code(site.run(env=clients.env)) == 0  # registers the scheme
    assert wine.wait_for(lambda: clients.pids())
    clients.end_all()

    proc = wine.start("start", "tavren://room?id=1", env=clients.env)
    try:
        assert wine.wait_for(lambda: len(clients.pids()) == 2, timeout=30)
    finally:
        wine.stop(proc)
    assert clients.of_kind("cmdline")[-1].endswith(' room?id=1"')


def test_a_second_start_from_another_folder_replaces_the_registration(tmp_path, bin_dir, clients):
    first = InstallSite(tmp_path / "first", bin_dir)
    second = InstallSite(tmp_path / "second", bin_dir)
    first.run()
    assert registered_command() == f'"{wine.windows_path(first.launcher)}" "%1"'
    second.run()
    assert registered_command() == f'"{wine.windows_path(second.launcher)}" "%1"'


def test_a_launcher_path_longer_than_the_command_buffer_registers_whole(tmp_path, bin_dir):
    deep = tmp_path
    while len(wine.windows_path(deep)) < 280:
        deep = deep / ("folder-" + "d" * 40)
    site = InstallSite(deep, bin_dir)
    assert wine.exit_code(site.run()) == 0
    assert registered_command() == f'"{wine.windows_path(site.launcher)}" "%1"'
