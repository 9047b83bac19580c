"""A normal update: the user installs now, later, skips, or leaves with a key."""
import pytest

from support import update_screen as screen, wine
from support.update_tree import make_package
from support.update_windows import (CLOSE_BUTTON, ENGLISH_TITLE, INSTALL_BUTTON, SKIP_BUTTON, skinned_shot,
                                    launch_window, updater_window)


@pytest.fixture
def package(update_www, nginx_factory):
    md5 = make_package(update_www / "pkg.zip")
    return nginx_factory(update_www).url("pkg.zip"), md5


def downloaded(tree, window, timeout=30):
    """Waits for the package and for the window's next tick to show it."""
    assert wine.wait_for(lambda: (tree.temp / "update.zip").exists(), timeout=timeout)
    wine.wait_for(lambda: False, timeout=1.5)
    return window


def test_install_now_hands_over_to_the_launcher(update_tree, package):
    tree = update_tree
    running = tree.start_watched_client("tavrenclient.exe")
    updater = tree.start_updater(*package, "class=7", 0)
    window = downloaded(tree, updater_window(ENGLISH_TITLE))
    shot = skinned_shot("normal-1-downloaded", window)
    x, y, _, _ = screen.geometry(window)
    # The install row replaced the progress row: the install face is drawn
    # where the progress bar was.
    assert screen.pixel(shot, x + 235, y + 77) != (0xF8, 0xF8, 0xF8)

    screen.click(window, *INSTALL_BUTTON)
    launch = launch_window(ENGLISH_TITLE)
    assert launch
    screen.screenshot("normal-2-launch")
    screen.key(launch, "Return")

    result = tree.finish_updater(updater, timeout=30)
    assert wine.exit_code(result) == 0
    assert "Zul is running" in "".join(result.debug)
    assert tree.exit_code_of(running) == 9
    started = tree.started_client
    assert wine.wait_for(lambda: started.field("cmdline"), timeout=30)
    assert "class=7" in started.field("cmdline")
    assert (tree.client / "version.txt").exists()
    # Nothing was unpacked by the updater itself.
    assert not (tree.root / "version.txt").exists()


def test_close_after_download_leaves_the_package_for_the_next_launcher_start(update_tree, package):
    tree = update_tree
    updater = tree.start_updater(*package, "class=8", 0)
    window = downloaded(tree, updater_window(ENGLISH_TITLE))
    screen.click(window, *CLOSE_BUTTON)
    result = tree.finish_updater(updater, timeout=30)
    assert wine.exit_code(result) == 0
    assert (tree.temp / "update.zip").exists()
    assert not (tree.client / "version.txt").exists()
    assert tree.started_client.field("cmdline") is None

    launcher = wine.run(tree.client / "TAVRENLaunch.exe", "class=9", cwd=tree.client,
                        env={"STANDIN_CLIENT_LIFETIME_MS": "5000"})
    assert wine.exit_code(launcher) == 0
    assert (tree.client / "version.txt").read_bytes() == b"2.0.0\n"
    assert wine.wait_for(lambda: tree.started_client.field("cmdline"), timeout=30)


@pytest.mark.parametrize("key", ["Escape", "Return"])
def test_keys_end_the_updater_without_installing(update_tree, package, key):
    tree = update_tree
    updater = tree.start_updater(*package, "class=1", 0)
    window = downloaded(tree, updater_window(ENGLISH_TITLE))
    screen.key(window, key)
    result = tree.finish_updater(updater, timeout=30)
    assert wine.exit_code(result) == 0
    assert "install success" not in "".join(result.debug)
    assert (tree.temp / "update.zip").exists()
    assert tree.started_client.field("cmdline") is None


def test_skip_during_a_slow_download_ends_cleanly_and_keeps_the_parts(update_tree, update_www, nginx_factory):
    tree = update_tree
    md5 = make_package(update_www / "pkg.zip", filler=2_000_000)
    server = nginx_factory(update_www, "location / { limit_rate 50k; }")
    updater = tree.start_updater(server.url("pkg.zip"), md5, "x", 0)
    window = updater_window(ENGLISH_TITLE)
    assert wine.wait_for(lambda: list(tree.temp.glob("update.td?")), timeout=20)
    screen.screenshot("normal-3-downloading")
    screen.click(window, *SKIP_BUTTON)
    result = tree.finish_updater(updater, timeout=20)
    assert wine.exit_code(result) == 0
    assert not (tree.temp / "update.zip").exists()
    # The parts stay for the next run to resume from.
    assert list(tree.temp.glob("update.td?"))
