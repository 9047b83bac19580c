"""One real update as the client starts it, under the session's Wine and Xvfb:
an install tree with the stand-in client and the shipped programs, a
generated package served by nginx on 127.0.0.1, a screenshot of each window
as it appears, and a short account at the end.

    demo_update.py forced|normal <output folder>
"""
import shutil
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))

from support import update_screen as screen, wine  # noqa: E402
from support.nginx import Nginx  # noqa: E402
from support.update_tree import UpdateTree, make_package  # noqa: E402
from support.update_windows import (CLOSE_BUTTON, ENGLISH_TITLE, TIPS_TITLE, launch_window,  # noqa: E402
                                    updater_window)

PACKAGE_FILLER = 4_000_000
PAGE_PARAMETERS = "tavren://class/open?room=1024"


class Demo:
    def __init__(self, mode, out):
        self.mode = mode
        self.out = Path(out)
        self.shots = []
        self.t0 = None

    def shot(self, name):
        path = screen.screenshot(f"demo-{self.mode}-{len(self.shots) + 1}-{name}")
        target = self.out / path.name
        shutil.move(path, target)
        self.shots.append(target)
        print(f"  screenshot: {target}")

    def since(self):
        return time.monotonic() - self.t0

    def run(self):
        work = self.out / "work"
        shutil.rmtree(work, ignore_errors=True)
        www = work / "www"
        www.mkdir(parents=True)
        md5 = make_package(www / "update-2.0.0.zip", filler=PACKAGE_FILLER)
        size = (www / "update-2.0.0.zip").stat().st_size
        server = Nginx(work / "nginx", www)
        tree = UpdateTree(work / "install", ROOT / "build" / "win64" / "bin", ROOT / "build" / "win64" / "tools")
        forced = 1 if self.mode == "forced" else 0
        try:
            print(f"package: {size} bytes, md5 {md5}, served at {server.url('update-2.0.0.zip')}")
            client = tree.start_watched_client("tavrenclient.exe", window=True)
            print("client running (stand-in, main window \"fenlo\")")
            self.t0 = time.monotonic()
            updater = tree.start_updater(server.url("update-2.0.0.zip"), md5, PAGE_PARAMETERS, forced)
            if forced:
                notice = screen.find_window(TIPS_TITLE)
                self.shot("notice")
                screen.key(notice, "Return")
                print(f"client ended with exit code {tree.exit_code_of(client)}")
            window = updater_window(ENGLISH_TITLE)
            shown = time.monotonic()
            self.shot("progress")
            wine.wait_for(lambda: (tree.temp / "update.zip").exists(), timeout=120, interval=0.02)
            took = time.monotonic() - shown
            print(f"downloaded and verified {size} bytes in {took:.2f} s from the window's appearance "
                  f"({size / took / 1e6:.2f} MB/s, four ranges from nginx on 127.0.0.1)")
            if forced:
                launch = launch_window(ENGLISH_TITLE)
                self.shot("launch")
                installed = tree.files(tree.root)
                print("unpacked into clientDic by the updater: " +
                      ", ".join(f for f in installed if not f.startswith("Client/")))
                screen.key(launch, "Return")
            else:
                wine.wait_for(lambda: False, timeout=1.5)
                self.shot("downloaded")
                screen.click(window, *CLOSE_BUTTON)
                print("install later: update.zip waits in temp")
            tree.finish_updater(updater, timeout=60)
            if not forced:
                print("next launcher start:")
                wine.start(tree.client / "TAVRENLaunch.exe", PAGE_PARAMETERS, cwd=tree.client,
                           env={"STANDIN_CLIENT_LIFETIME_MS": "30000"})
            started = tree.started_client
            wine.wait_for(lambda: started.field("cmdline"), timeout=60)
            print(f"installed by the launcher into the installation folder: version.txt = "
                  f"{(tree.client / 'version.txt').read_text().strip()}")
            print(f"client started with: {started.field('cmdline')}")
            print(f"whole {self.mode} update: {self.since():.2f} s from the updater's start to the client's")
        finally:
            tree.stop_all()
            server.stop()
        print(f"screenshots in {self.out}")


if __name__ == "__main__":
    mode, out = sys.argv[1], sys.argv[2]
    Path(out).mkdir(parents=True, exist_ok=True)
    Demo(mode, out).run()
