"""Updater.exe's entry under Wine: the single-instance guard, the argument
rule, exit codes and the job records it writes to the debugger output."""
import shutil
import time

import pytest

from support import wine
from support.standin import StandinClient

UPDATER_MUTEX = "KRMT_AutoUpdate"
INSTANCE_MUTEX = "{11B0C527-BB62-4BE3-9769-26491D9845B4}"


@pytest.fixture
def installed(bin_dir, tmp_path):
    """Updater.exe copied to <tmp>/R&D Apps/Client/temp, as the client installs it."""
    temp = tmp_path / "R&D Apps" / "Client" / "temp"
    temp.mkdir(parents=True)
    shutil.copyfile(bin_dir / "Updater.exe", temp / "Updater.exe")
    return temp / "Updater.exe"


@pytest.fixture
def holder(tools_dir):
    """Starts mutex_holder.exe holding a named mutex; returns once it owns it."""
    procs = []

    def hold(name, ms):
        proc = wine.start(tools_dir / "mutex_holder.exe", name, ms)
        procs.append(proc)
        assert proc.stdout.readline().strip() == "held"
        return proc

    yield hold
    for proc in procs:
        wine.stop(proc)


def job_records(result):
    return [r for r in result.debug if r.startswith("[LOM][T][")]


def texts(records):
    return [r.split("] ", 1)[1] for r in records]


@pytest.mark.parametrize("args,runs", [
    ([], False),
    (["word"], True),
    ([""], True),               # an empty quoted argument still counts
    (["-md5=x", "-url=y"], True),
])
def test_runs_only_with_an_argument(installed, args, runs):
    result = wine.run_to_exit(installed, *args, debugstr=True)
    if runs:
        assert wine.exit_code(result) == 0
        assert len(job_records(result)) == 4
    else:
        assert wine.exit_code(result) == -1
        assert result.debug == [], "a refusal writes no record"


def test_job_records_have_the_exact_texts(installed):
    folder = wine.windows_path(installed.parent)
    apps = wine.windows_path(installed.parent.parent.parent)
    result = wine.run_to_exit(installed, "-url=http://127.0.0.1:9/dir/file.zip", "-md5=ABC", "-pagecallparam=P",
                      "-forcedupdate=0", debugstr=True)
    assert wine.exit_code(result) == 0
    escaped = apps.replace("&", "&&")
    client = wine.windows_path(installed.parent.parent).replace("&", "&&")
    assert texts(job_records(result)) == [
        f"zipPath: {folder}\\update.zip",
        "zipMd5: ABC",
        f'clientDic: "{escaped}\\"',
        f'clientExePath: "{client}\\TAVRENLaunch.exe"',
    ]


def test_waits_ten_seconds_for_a_running_updater_then_gives_up(installed, holder):
    holder(UPDATER_MUTEX, 20000)
    started = time.monotonic()
    result = wine.run_to_exit(installed, "-md5=x", debugstr=True, timeout=60)
    waited = time.monotonic() - started
    assert wine.exit_code(result) == -1
    assert result.debug == []
    assert waited >= 9.5, f"gave up after {waited:.1f} s"


def test_proceeds_once_the_running_updater_has_ended(installed, holder):
    holder(UPDATER_MUTEX, 1500)  # ends while holding it: the mutex is abandoned
    result = wine.run_to_exit(installed, "-md5=x", debugstr=True, timeout=60)
    assert wine.exit_code(result) == 0
    assert texts(job_records(result))[1] == "zipMd5: x"


def test_refuses_while_the_instance_mutex_exists(installed, holder):
    holder(INSTANCE_MUTEX, 20000)
    started = time.monotonic()
    result = wine.run_to_exit(installed, "-md5=x", debugstr=True, timeout=60)
    assert wine.exit_code(result) == -1
    assert result.debug == []
    assert time.monotonic() - started < 9.5, "refused at once, not after the updater mutex's wait"


@pytest.mark.parametrize("forced,closes", [("1", True), ("2", False), ("0", False)])
def test_forced_update_one_closes_both_clients(installed, tools_dir, tmp_path, forced, closes):
    client = StandinClient(tools_dir, tmp_path / "Client", "tavrenclient.exe")
    sibling = StandinClient(tools_dir, tmp_path / "Sibling", "wupclient.exe")
    procs = [client.start(), sibling.start()]
    try:
        result = wine.run_to_exit(installed, f"-forcedupdate={forced}", debugstr=True)
        assert wine.exit_code(result) == 0
        ended = [wine.wait_for(lambda p=p: p.poll() is not None, timeout=5 if closes else 1) for p in procs]
        assert ended == [closes, closes]
    finally:
        for proc in procs:
            wine.stop(proc)
