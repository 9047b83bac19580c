"""What Updater.exe carries as a file: system imports and our zlib.dll only,
manifest and icon."""
import pathlib
import struct

import pytest

from support import pe

ROOT = pathlib.Path(__file__).resolve().parents[2]
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "shell32.dll", "ole32.dll",
               "oleaut32.dll", "comctl32.dll", "msimg32.dll", "ws2_32.dll", "mswsock.dll", "msvcrt.dll",
               "shlwapi.dll", "uuid.dll", "version.dll"}

PROGRAMS = [
    pytest.param(ROOT / "build" / "win32" / "bin" / "Updater.exe", "i686-w64-mingw32-objdump", id="shipped-32bit"),
    pytest.param(ROOT / "build" / "win64" / "bin" / "Updater.exe", "x86_64-w64-mingw32-objdump", id="tested-64bit"),
]


@pytest.mark.parametrize("exe,objdump", PROGRAMS)
def test_imports_system_dlls_and_our_unpacker_only(exe, objdump):
    dlls = pe.imported_dlls(exe, objdump)
    assert "kernel32.dll" in dlls
    assert "zlib.dll" in dlls, "ExtractZipToDir is bound by the import table"
    others = set(dlls) - {"zlib.dll"}
    assert others <= SYSTEM_DLLS, f"not a system DLL: {sorted(others - SYSTEM_DLLS)}"


@pytest.mark.parametrize("exe,objdump", PROGRAMS)
def test_runs_as_the_invoking_user_and_carries_icon_101(exe, objdump):
    found = pe.resources(exe)
    manifest = found[(pe.RT_MANIFEST, 1)].decode("utf-8")
    assert 'level="asInvoker"' in manifest

    group = found[(pe.RT_GROUP_ICON, 101)]
    reserved, kind, count = struct.unpack_from("<HHH", group, 0)
    assert (reserved, kind) == (0, 1) and count >= 2
    sizes = set()
    for i in range(count):
        width, height, _, _, _, bits, _, icon_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        assert bits == 32
        assert (pe.RT_ICON, icon_id) in found
        sizes.add(width or 256)
    assert {16, 32} <= sizes
