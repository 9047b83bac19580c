"""Reads a resource out of a PE file's resource section (no Windows needed)."""
import struct

RT_MANIFEST = 24


def _sections(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    table = pe + 24 + optional_size
    for index in range(count):
        name, virtual_size, rva, raw_size, raw_offset = struct.unpack_from("<8sIIII", data, table + 40 * index)
        yield name.rstrip(b"\0"), rva, max(virtual_size, raw_size), raw_offset


def resource(path, type_id, name_id):
    """The bytes of resource (type_id, name_id), first language; None when absent."""
    data = open(path, "rb").read()
    rsrc = next(((rva, offset) for name, rva, _, offset in _sections(data) if name == b".rsrc"), None)
    if rsrc is None:
        return None
    base_rva, base = rsrc

    def entries(directory):
        named, numbered = struct.unpack_from("<12xHH", data, base + directory)
        for index in range(named + numbered):
            ident, target = struct.unpack_from("<II", data, base + directory + 16 + 8 * index)
            yield ident, target

    def find(directory, wanted):
        return next((target for ident, target in entries(directory) if ident == wanted), None)

    by_type = find(0, type_id)
    if by_type is None or not by_type & 0x80000000:
        return None
    by_name = find(by_type & 0x7FFFFFFF, name_id)
    if by_name is None or not by_name & 0x80000000:
        return None
    _, leaf = next(entries(by_name & 0x7FFFFFFF))
    rva, size = struct.unpack_from("<II", data, base + leaf)
    start = base + rva - base_rva
    return data[start:start + size]
