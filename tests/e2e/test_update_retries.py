"""A server that refuses: retries widen the window and show their number;
after ten refused attempts the failure prompt ends the updater."""
import pytest

from support import update_screen as screen, wine
from support.flaky_server import FlakyServer
from support.update_tree import make_package
from support.update_windows import CHINESE_TITLE, ENGLISH_TITLE, TIPS_TITLE, skinned_shot, updater_window


@pytest.fixture
def flaky(tmp_path):
    servers = []

    def make(failures):
        package = tmp_path / "pkg.zip"
        md5 = make_package(package)
        server = FlakyServer(package, failures)
        servers.append(server)
        return server, md5

    yield make
    for server in servers:
        server.stop()


def test_second_retry_widens_the_window_then_the_download_succeeds(update_tree, flaky):
    tree = update_tree
    server, md5 = flaky(2)
    updater = tree.start_updater(server.url("pkg.zip"), md5, "p", 0, lang="zh_CN.UTF-8")
    window = updater_window(CHINESE_TITLE)
    assert window
    width, height = screen.screen_size()

    def widened():
        return screen.geometry(window) == (width - 360, height - 100, 360, 100)
    assert wine.wait_for(widened, timeout=20), screen.geometry(window)
    skinned_shot("retry-1-widened", window)
    assert wine.wait_for(lambda: (tree.temp / "update.zip").exists(), timeout=20)
    assert server.refused == 2
    screen.key(window, "Escape")
    assert wine.exit_code(tree.finish_updater(updater, timeout=20)) == 0


@pytest.mark.parametrize("lang,title", [("en_US.UTF-8", ENGLISH_TITLE), ("zh_CN.UTF-8", CHINESE_TITLE)],
                         ids=["english", "chinese"])
def test_ten_refused_attempts_end_in_the_failure_prompt(update_tree, flaky, lang, title):
    tree = update_tree
    server, md5 = flaky(None)
    updater = tree.start_updater(server.url("pkg.zip"), md5, "p", 0, lang=lang)
    assert updater_window(title)
    prompt = screen.find_window(TIPS_TITLE, timeout=60)
    assert prompt, "no failure prompt"
    skinned_shot("failure-" + lang[:2], prompt)
    assert screen.geometry(prompt)[2:] == (310, 100)
    # Each attempt ended at its refused probe.
    assert server.requests == 10
    screen.key(prompt, "Escape")
    result = tree.finish_updater(updater, timeout=20)
    assert wine.exit_code(result) == 0
    assert not (tree.temp / "update.zip").exists()
