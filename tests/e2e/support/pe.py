"""Reads what a Windows program file declares: imported DLLs and resources."""
import struct
import subprocess

RT_ICON = 3
RT_GROUP_ICON = 14
RT_MANIFEST = 24


def imported_dlls(exe, objdump="i686-w64-mingw32-objdump"):
    """Names of the DLLs the program imports, lower case."""
    out = subprocess.run([objdump, "-p", str(exe)], capture_output=True, text=True, check=True).stdout
    return sorted({line.split(":", 1)[1].strip().lower() for line in out.splitlines() if "DLL Name:" in line})


def resources(exe):
    """{(type id, name id): data} of every resource with numeric type and name."""
    data = exe.read_bytes()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    rsrc_rva, _ = struct.unpack_from("<II", data, directories + 2 * 8)
    table = optional + optional_size

    def offset_of(rva):
        for i in range(sections):
            vsize, vaddr, rsize, raw = struct.unpack_from("<IIII", data, table + 40 * i + 8)
            if vaddr <= rva < vaddr + max(vsize, rsize):
                return raw + rva - vaddr
        raise ValueError(f"rva {rva:#x} outside every section")

    base = offset_of(rsrc_rva)

    def entries(offset):
        named, numbered = struct.unpack_from("<HH", data, base + offset + 12)
        for i in range(named + numbered):
            ident, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
            yield ident, target

    found = {}
    for type_id, type_dir in entries(0):
        for name_id, name_dir in entries(type_dir & 0x7FFFFFFF):
            if type_id & 0x80000000 or name_id & 0x80000000:
                continue
            for _, leaf in entries(name_dir & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                found[(type_id, name_id)] = data[offset_of(rva):offset_of(rva) + size]
    return found
