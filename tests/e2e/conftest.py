"""Fixtures shared by the end-to-end tests of the real programs under Wine."""
import os
import pathlib
import sys

import pytest

sys.path.insert(0, str(pathlib.Path(__file__).parent))

ROOT = pathlib.Path(__file__).resolve().parents[2]
WIN_BUILD = ROOT / "build" / "win64"


@pytest.fixture(scope="session")
def bin_dir():
    """The programs as shipped (Updater.exe, TAVRENLaunch.exe, zlib.dll)."""
    return WIN_BUILD / "bin"


@pytest.fixture(scope="session")
def tools_dir():
    """Helpers for tests and the demo: stand-in client and the like."""
    return WIN_BUILD / "tools"


def pytest_collection_modifyitems(config, items):
    if "WINEPREFIX" not in os.environ:
        skip = pytest.mark.skip(reason="run through scripts/test, which provides the Wine session")
        for item in items:
            item.add_marker(skip)


@pytest.fixture
def nginx_factory(tmp_path):
    """Starts nginx servers for the test and stops them afterwards."""
    from support.nginx import Nginx

    servers = []

    def make(root, locations=""):
        server = Nginx(tmp_path / f"nginx{len(servers)}", root, locations)
        servers.append(server)
        return server

    yield make
    for server in servers:
        server.stop()


@pytest.fixture
def update_tree(tmp_path, bin_dir, tools_dir):
    """An installation laid out like the client's, with the shipped programs;
    every process the test starts through it is ended afterwards."""
    from support.update_tree import UpdateTree

    tree = UpdateTree(tmp_path / "install", bin_dir, tools_dir)
    yield tree
    tree.stop_all()


@pytest.fixture
def update_www():
    """A folder nginx's unprivileged workers can read, for update packages."""
    import shutil
    import tempfile

    folder = tempfile.mkdtemp(prefix="update-www-")
    os.chmod(folder, 0o755)
    yield pathlib.Path(folder)
    shutil.rmtree(folder, ignore_errors=True)
