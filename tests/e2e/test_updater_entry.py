"""Updater.exe's entry under Wine: the single-instance guard, the argument
rule, exit codes and the job records it writes to the debugger output."""
import shutil
import subprocess
import tempfile
import time

import pytest

from support import update_screen as screen, update_windows, wine
from support.standin import StandinClient

UPDATER_MUTEX = "KRMT_AutoUpdate"
INSTANCE_MUTEX = "{11B0C527-BB62-4BE3-9769-26491D9845B4}"


@pytest.fixture
def installed(bin_dir, tmp_path):
    """Updater.exe copied to <tmp>/R&D Apps/Client/temp, as the client installs it."""
    temp = tmp_path / "R&D Apps" / "Client" / "temp"
    temp.mkdir(parents=True)
    for name in ("Updater.exe", "zlib.dll"):
        shutil.copyfile(bin_dir / name, temp / name)
    return temp / "Updater.exe"


def run_and_dismiss(program, *args, timeout=60, **kw):
    """Runs the updater to its end, answering its windows as a user would:
    Enter on the forced-update notice, Escape on the updater window."""
    with tempfile.TemporaryFile() as err:
        proc = wine.start(program, *args, stdout=subprocess.DEVNULL, stderr=err, **kw)
        try:
            deadline = time.monotonic() + timeout
            while proc.poll() is None and time.monotonic() < deadline:
                for title, key in ((update_windows.TIPS_TITLE, "Return"), (update_windows.ENGLISH_TITLE, "Escape")):
                    for window in screen.visible_windows(title):
                        screen.key(window, key)
                time.sleep(0.2)
            proc.wait(max(0.0, deadline - time.monotonic()))
        finally:
            wine.stop(proc)
        err.seek(0)
        text = err.read().decode("latin-1")
    return wine.Result(proc.returncode, "", text, wine.debug_records(text))


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
    result = run_and_dismiss(installed, *args, debugstr=True)
    if runs:
        assert wine.exit_code(result) == 0
        assert len(job_records(result)) == 4
    else:
        assert wine.exit_code(result) == -1
        assert result.debug == [], "a refusal writes no record"


def test_job_records_have_the_exact_texts(installed):
    folder = wine.windows_path(installed.parent)
    apps = wine.windows_path(installed.parent.parent.parent)
    result = run_and_dismiss(installed, "-url=http://127.0.0.1:9/dir/file.zip", "-md5=ABC", "-pagecallparam=P",
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
    result = run_and_dismiss(installed, "-md5=x", debugstr=True, timeout=60)
    waited = time.monotonic() - started
    assert wine.exit_code(result) == -1
    assert result.debug == []
    assert waited >= 9.5, f"gave up after {waited:.1f} s"


def test_proceeds_once_the_running_updater_has_ended(installed, holder):
    holder(UPDATER_MUTEX, 1500)  # ends while holding it: the mutex is abandoned
    result = run_and_dismiss(installed, "-md5=x", debugstr=True, timeout=60)
    assert wine.exit_code(result) == 0
    assert texts(job_records(result))[1] == "zipMd5: x"


def test_refuses_while_the_instance_mutex_exists(installed, holder):
    holder(INSTANCE_MUTEX, 20000)
    started = time.monotonic()
    result = run_and_dismiss(installed, "-md5=x", debugstr=True, timeout=60)
    assert wine.exit_code(result) == -1
    assert result.debug == []
    assert time.monotonic() - started < 9.5, "refused at once, not after the updater mutex's wait"


# Only 1 closes the clients before the window opens; any other non-zero value
# closes them when its forced download starts, which the window races here.
@pytest.mark.parametrize("forced,closes", [("1", True), ("0", False)])
def test_forced_update_one_closes_both_clients(installed, tools_dir, tmp_path, forced, closes):
    client = StandinClient(tools_dir, tmp_path / "Client", "tavrenclient.exe")
    sibling = StandinClient(tools_dir, tmp_path / "Sibling", "wupclient.exe")
    procs = [client.start(), sibling.start()]
    try:
        result = run_and_dismiss(installed, f"-forcedupdate={forced}", debugstr=True)
        assert wine.exit_code(result) == 0
        ended = [wine.wait_for(lambda p=p: p.poll() is not None, timeout=5 if closes else 1) for p in procs]
        assert ended == [closes, closes]
    finally:
        for proc in procs:
            wine.stop(proc)
