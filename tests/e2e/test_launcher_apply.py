"""The launcher applies a package that the updater left behind (no client running)."""
import os
import stat
import zipfile
from datetime import datetime, timezone
from pathlib import Path

import pytest

from support import wine
from support.launcher_site import HeldFile, InstallSite, infozip

CHINESE_FOLDER = "课堂资料"
CHINESE_FILE = "说明.txt"


@pytest.fixture
def site(tmp_path, bin_dir):
    return InstallSite(tmp_path / "install", bin_dir)


def read_only(path):
    return not (os.stat(path).st_mode & 0o222)


def zip_entry(name, data, *, system=3, attr=0o100644 << 16, date_time=(2021, 6, 15, 12, 30, 10), method=zipfile.ZIP_DEFLATED):
    info = zipfile.ZipInfo(name, date_time=date_time)
    info.create_system = system
    info.external_attr = attr
    info.compress_type = method
    return info, data


def python_zip(path, entries):
    with zipfile.ZipFile(path, "w") as archive:
        for info, data in entries:
            archive.writestr(info, data)


def test_infozip_package_with_tree_chinese_names_read_only_file_and_times(site, tmp_path):
    source = tmp_path / "source"
    (source / "bin" / "plugins").mkdir(parents=True)
    (source / CHINESE_FOLDER).mkdir()
    (source / "bin" / "plugins" / "p.dll").write_bytes(os.urandom(50000))
    (source / CHINESE_FOLDER / CHINESE_FILE).write_text("课堂", encoding="utf-8")
    (source / "fixed.cfg").write_text("read only")
    (source / "fixed.cfg").chmod(0o444)
    stamp = datetime(2019, 3, 4, 5, 6, 7, tzinfo=timezone.utc).timestamp()
    for path in source.rglob("*"):
        os.utime(path, (stamp, stamp))
    infozip(source, site.folder / "update.zip", "bin", CHINESE_FOLDER, "fixed.cfg")
    (site.folder / "fixed.cfg").write_text("old")  # an old file to replace

    result = site.run()

    assert wine.exit_code(result) == 0
    assert site.tree() == sorted(["bin/", "bin/plugins/", "bin/plugins/p.dll", f"{CHINESE_FOLDER}/",
                                  f"{CHINESE_FOLDER}/{CHINESE_FILE}", "fixed.cfg"])
    assert (site.folder / "bin" / "plugins" / "p.dll").read_bytes() == (source / "bin" / "plugins" / "p.dll").read_bytes()
    assert (site.folder / CHINESE_FOLDER / CHINESE_FILE).read_text(encoding="utf-8") == "课堂"
    assert (site.folder / "fixed.cfg").read_text() == "read only"
    assert read_only(site.folder / "fixed.cfg")
    assert not read_only(site.folder / "bin" / "plugins" / "p.dll")
    for name in ("bin/plugins/p.dll", f"{CHINESE_FOLDER}/{CHINESE_FILE}", "fixed.cfg"):
        assert os.stat(site.folder / name).st_mtime == stamp, name


@pytest.mark.parametrize("zone,utc_hour", [("UTC", 10), ("Asia/Shanghai", 2)])
def test_python_package_dos_and_unix_hosts_with_local_dos_times(site, zone, utc_hour):
    python_zip(site.folder / "update.zip", [
        zip_entry("dos/ro.txt", b"dos read-only", system=0, attr=0x21, date_time=(2020, 5, 17, 10, 20, 30)),
        zip_entry("dos/rw.txt", b"dos writable", system=0, attr=0x20, date_time=(2020, 5, 17, 10, 20, 30)),
        zip_entry("unix/ro.sh", b"unix read-only", attr=0o100555 << 16, method=zipfile.ZIP_STORED),
        zip_entry("unix/empty/", b"", attr=(0o40755 << 16) | 0x10),
        zip_entry(f"{CHINESE_FOLDER}/{CHINESE_FILE}", "中文".encode("utf-8")),
    ])

    result = site.run(env={"TZ": zone})

    assert wine.exit_code(result) == 0
    assert site.tree() == sorted(["dos/", "dos/ro.txt", "dos/rw.txt", "unix/", "unix/ro.sh", "unix/empty/",
                                  f"{CHINESE_FOLDER}/", f"{CHINESE_FOLDER}/{CHINESE_FILE}"])
    assert read_only(site.folder / "dos" / "ro.txt")
    assert not read_only(site.folder / "dos" / "rw.txt")
    assert read_only(site.folder / "unix" / "ro.sh")
    assert (site.folder / CHINESE_FOLDER / CHINESE_FILE).read_text(encoding="utf-8") == "中文"
    expected = datetime(2020, 5, 17, utc_hour, 20, 30, tzinfo=timezone.utc).timestamp()
    assert os.stat(site.folder / "dos" / "ro.txt").st_mtime == expected


def test_empty_and_unreadable_packages_are_deleted_and_change_nothing(site):
    (site.folder / "keep.txt").write_text("installed")
    python_zip(site.folder / "update.zip", [])
    assert wine.exit_code(site.run()) == 0
    assert site.tree() == ["keep.txt"]

    (site.folder / "update.zip").write_bytes(b"PK\x03\x04 this download went wrong" * 100)
    assert wine.exit_code(site.run()) == 0
    assert site.tree() == ["keep.txt"]


def test_damaged_entry_keeps_old_file_and_package(site):
    python_zip(site.folder / "update.zip", [zip_entry("app.dll", b"new version " * 200, method=zipfile.ZIP_STORED),
                                            zip_entry("other.txt", b"other new")])
    data = bytearray((site.folder / "update.zip").read_bytes())
    at = data.index(b"new version")
    data[at:at + 3] = b"BAD"  # the stored data no longer matches its checksum
    (site.folder / "update.zip").write_bytes(bytes(data))
    (site.folder / "app.dll").write_text("old version")

    site.run()

    assert (site.folder / "app.dll").read_text() == "old version"
    assert (site.folder / "other.txt").read_text() == "other new"
    assert (site.folder / "update.zip").exists()
    assert site.tree() == ["app.dll", "other.txt", "update.zip"]


def test_traversal_names_never_leave_the_installation_folder(tmp_path, bin_dir):
    outer = tmp_path / "outer"
    site = InstallSite(outer / "a" / "install", bin_dir)
    python_zip(site.folder / "update.zip", [
        zip_entry("../evil.txt", b"x"),
        zip_entry("../../kept.txt", b"cut after the first parent step"),
        zip_entry("..\\..\\Windows\\x.dll", b"moved inside", system=0, attr=0x20),
        zip_entry("C:\\x.txt", b"drive dropped", system=0, attr=0x20),
        zip_entry("/abs.txt", b"leading slash dropped"),
        zip_entry("a/../../b.txt", b"x"),
        zip_entry("sub/..", b"x"),
        zip_entry("x.txt:stream", b"x"),
        zip_entry("CON", b"x"),
        zip_entry("sub/nul.txt", b"x"),
        zip_entry("..\\evil3.txt", b"x", system=0, attr=0x20),
        zip_entry("ok/fine.txt", b"fine"),
    ])

    site.run()

    assert site.tree() == sorted(["Windows/", "Windows/x.dll", "x.txt", "abs.txt", "kept.txt", "ok/", "ok/fine.txt"])
    everything = sorted(p.relative_to(outer).as_posix() for p in outer.rglob("*"))
    assert [p for p in everything if not p.startswith("a/install")] == ["a"]
    assert (site.folder / "Windows" / "x.dll").read_bytes() == b"moved inside"
    assert not (site.folder / "update.zip").exists(), "refused names are not retried"


def test_file_in_use_is_left_intact_and_applied_at_the_next_start(site, tools_dir):
    (site.folder / "bin").mkdir()
    (site.folder / "bin" / "core.dll").write_text("old core")
    python_zip(site.folder / "update.zip", [zip_entry("bin/core.dll", b"new core"), zip_entry("bin/ui.dll", b"new ui")])

    with HeldFile(tools_dir, site.folder / "bin" / "core.dll"):
        site.run()
        assert (site.folder / "bin" / "core.dll").read_text() == "old core"
        assert (site.folder / "bin" / "ui.dll").read_text() == "new ui"
        assert (site.folder / "update.zip").exists()
    assert site.tree() == ["bin/", "bin/core.dll", "bin/ui.dll", "update.zip"], "no partial file is left"

    site.run()

    assert (site.folder / "bin" / "core.dll").read_text() == "new core"
    assert not (site.folder / "update.zip").exists()


@pytest.mark.parametrize("folder_name", ["install", "安装 Ωmega"])
def test_leftovers_are_cleared_and_the_waiting_package_promoted_and_applied(tmp_path, bin_dir, folder_name):
    site = InstallSite(tmp_path / folder_name, bin_dir)
    for name in ("Updater.exe", "update.td0", "update.td1", "update.td2", "update.td3", "update.td"):
        (site.temp / name).write_text("left by the updater")
    (site.temp / "notes.log").write_text("not the updater's")
    python_zip(site.temp / "update.zip", [zip_entry("version.txt", b"2")])
    (site.folder / "update.zip").write_text("an older package that the new one replaces")

    assert wine.exit_code(site.run()) == 0

    assert site.tree(site.temp) == ["notes.log"]
    assert (site.folder / "version.txt").read_text() == "2"
    assert not (site.folder / "update.zip").exists()


def test_no_package_changes_nothing_but_the_leftovers(site):
    (site.temp / "update.td2").write_text("left")
    (site.folder / "data.txt").write_text("data")
    assert wine.exit_code(site.run()) == 0
    assert site.tree() == ["data.txt", "temp/"]
