"""A forced update from start to finish: notice, client ended, corner window,
download, unpack into clientDic, launch window, launcher, client restarted."""
import pytest

from support import update_screen as screen, wine
from support.update_tree import UpdateTree, make_package
from support.update_windows import (CHINESE_TITLE, ENGLISH_TITLE, TIPS_TITLE, skinned_shot, launch_window,
                                    updater_window)



@pytest.mark.parametrize("lang,title", [("en_US.UTF-8", ENGLISH_TITLE), ("zh_CN.UTF-8", CHINESE_TITLE)],
                         ids=["english", "chinese"])
def test_forced_update_installs_and_restarts_the_client(update_tree, update_www, nginx_factory, lang, title):
    tree = update_tree
    md5 = make_package(update_www / "pkg.zip", filler=300_000)
    server = nginx_factory(update_www)
    client = tree.start_watched_client("tavrenclient.exe", window=True)
    client_window = screen.find_window("stand-in client")
    sibling = tree.start_watched_client("wupclient.exe")
    name = "forced-" + lang[:2]

    updater = tree.start_updater(server.url("pkg.zip"), md5, "page=42", 1, lang=lang)

    notice = screen.find_window(TIPS_TITLE)
    assert notice, "the forced-update notice did not appear"
    skinned_shot(name + "-1-notice", notice)
    # Centred over its owner, the client's main window, and kept on the
    # screen. X shows the owner without the frame Wine draws itself, so its
    # centre is known only to within the frame's size.
    cx, cy, cw, ch = screen.geometry(client_window)
    x, y, w, h = screen.geometry(notice)
    assert (w, h) == (310, 100)
    assert abs(x - max(0, cx + cw // 2 - 155)) <= 16 and abs(y - max(0, cy + ch // 2 - 50)) <= 16
    screen.key(notice, "Return")

    assert tree.exit_code_of(client) == 9
    assert tree.exit_code_of(sibling) == 9

    window = updater_window(title)
    assert window, "the updater window did not appear"
    width, height = screen.screen_size()
    # Created visible, hidden at once, placed, then shown: wait for the shown one.
    corner = (width - 310, height - 100, 310, 100)
    assert wine.wait_for(lambda: screen.geometry(window) == corner, timeout=5), screen.geometry(window)
    skinned_shot(name + "-2-progress", window, body_y=95)

    launch = launch_window(title)
    assert launch, "the launch window did not appear"
    skinned_shot(name + "-3-launch", launch, body_y=150)
    # What the forced unpack left in clientDic, two levels above the updater.
    assert (tree.root / "version.txt").read_bytes() == b"2.0.0\n"
    assert (tree.temp / "update.zip").exists()
    screen.key(launch, "Return")

    result = tree.finish_updater(updater, timeout=30)
    assert wine.exit_code(result) == 0
    assert any(r.endswith("install success") for r in result.debug)

    started = tree.started_client
    assert wine.wait_for(lambda: started.field("cmdline"), timeout=30), "the launcher did not start the client"
    assert "page=42" in started.field("cmdline")
    # The launcher applied the same package into the installation folder.
    assert (tree.client / "version.txt").read_bytes() == b"2.0.0\n"
    assert (tree.client / "res" / "skin" / "readme.txt").exists()
    assert not (tree.temp / "update.zip").exists()
