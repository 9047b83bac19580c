"""Log records as they reach the real debugger output (and standard error)."""
import datetime
import re

import pytest

from support import wine

HEADER = re.compile(r"^\[(LOM|ZUL)\]\[([TDIWEFO])\]\[(\d{4})-(\d{1,2})-(\d{1,2}) (\d{1,2}):(\d{1,2}):(\d{1,2})\] ")


def probe(tools_dir, *args, program="log_probe.exe"):
    return wine.run_to_exit(tools_dir / program, *args, debugstr=True)


@pytest.mark.parametrize("total,pieces", [
    (600, [256, 256, 88]),
    (256, [256]),
    (257, [256, 1]),
    (40, [40]),
    (25000, [256] * 78 + [32]),  # cut to 19999 characters and a line feed
])
def test_a_record_reaches_the_debugger_in_pieces_of_its_256_character_area(tools_dir, total, pieces):
    result = probe(tools_dir, "record", 2, total)
    got = wine.debug_pieces(result.stderr)
    assert [len(p) for p in got] == pieces
    record = "".join(got)
    assert record.endswith("\n") and record.count("\n") == 1
    header = HEADER.match(record)
    assert header and header.group(1) == "LOM" and header.group(2) == "I"
    text = record[header.end():-1]
    assert text == "".join(str(i % 10) for i in range(len(text)))


def test_header_is_the_utc_time_without_padding(tools_dir):
    before = datetime.datetime.now(datetime.timezone.utc).replace(microsecond=0, tzinfo=None)
    result = probe(tools_dir, "record", 0, 100)
    after = datetime.datetime.now(datetime.timezone.utc).replace(tzinfo=None)
    record = wine.debug_records(result.stderr)[0]
    header = HEADER.match(record)
    numbers = header.groups()[2:]
    assert all(n == str(int(n)) for n in numbers), "no leading zeros"
    stamp = datetime.datetime(*map(int, numbers))
    assert before <= stamp <= after


@pytest.mark.parametrize("level,letter", [(0, "T"), (1, "D"), (2, "I"), (3, "W"), (4, "E"), (5, "F"), (6, "O"),
                                          (4294967295, "O")])
def test_level_letters_and_fatal_does_not_stop_the_program(tools_dir, level, letter):
    result = probe(tools_dir, "record", level, 60)
    assert wine.exit_code(result) == 0
    assert HEADER.match(wine.debug_records(result.stderr)[0]).group(2) == letter


def test_records_of_threads_never_interleave(tools_dir):
    threads, records = 4, 60
    result = probe(tools_dir, "threads", threads, records, 700)
    assert wine.exit_code(result) == 0
    got = wine.debug_records(result.stderr)
    assert len(got) == threads * records
    for record in got:
        text = record[HEADER.match(record).end():]
        assert len(set(text)) == 1, f"mixed record: {text[:80]}..."
    assert sorted({r[-1] for r in got}) == [chr(ord("a") + t) for t in range(threads)]


def test_both_sinks_write_the_same_record_debugger_first(tools_dir):
    result = probe(tools_dir, "record", 2, 300, program="log_probe_stderr.exe")
    lines = result.stderr.splitlines()
    debugger_lines = [i for i, line in enumerate(lines) if ":warn:debugstr:" in line]
    record = "".join(wine.debug_pieces(result.stderr))
    assert record.startswith("[ZUL][I][")
    stderr_line = lines.index(record.rstrip("\n"))
    assert stderr_line > max(debugger_lines), "debugger output first, then standard error"
