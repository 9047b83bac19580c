"""Unpacking speed: the launcher's apply under Wine against unzip and 7z.

Builds (once, with a fixed seed) a package of 2000 files in 40 folders, about
200 MB, half compressible text and half random bytes, packed by Info-ZIP zip.
Then, several rounds each, times the launcher applying it as "update.zip" in a
fresh installation folder, `unzip -o` and `7z x` into fresh folders, and
prints medians and ratios. Run through bench/unpack (it provides Wine).
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
from support import wine  # noqa: E402

FOLDERS = 40
FILES = 2000
TOTAL_BYTES = 200 * 1024 * 1024
WORDS = ("lesson room teacher student board camera microphone share screen slide answer question "
         "chapter exercise homework video audio network bandwidth frame packet update client").split()


def make_tree(source, seed):
    rng = random.Random(seed)
    per_file = TOTAL_BYTES // FILES
    for index in range(FILES):
        folder = source / f"folder{index % FOLDERS:02d}"
        folder.mkdir(parents=True, exist_ok=True)
        size = rng.randint(per_file // 2, per_file * 3 // 2)
        if index % 2 == 0:
            line_words = [rng.choice(WORDS) for _ in range(4096)]
            text = []
            length = 0
            while length < size:
                start = rng.randrange(len(line_words) - 12)
                line = " ".join(line_words[start:start + rng.randint(4, 12)]) + f" {rng.randrange(100000)}\n"
                text.append(line)
                length += len(line)
            (folder / f"text{index:04d}.txt").write_text("".join(text)[:size])
        else:
            (folder / f"data{index:04d}.bin").write_bytes(rng.randbytes(size))


def package(work, seed):
    archive = work / f"package-{seed}.zip"
    if archive.exists():
        return archive
    source = work / "source"
    shutil.rmtree(source, ignore_errors=True)
    make_tree(source, seed)
    partial = archive.with_suffix(".partial")
    partial.unlink(missing_ok=True)
    subprocess.run(["zip", "-q", "-r", str(partial), "."], cwd=source, check=True)
    partial.rename(archive)
    shutil.rmtree(source)
    return archive


def timed(run):
    start = time.perf_counter()
    run()
    return time.perf_counter() - start


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    return folder


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--seed", type=int, default=20240607)
    parser.add_argument("--work", type=Path, default=ROOT / "build" / "bench" / "unpack")
    args = parser.parse_args()

    args.work.mkdir(parents=True, exist_ok=True)
    archive = package(args.work, args.seed)
    launcher = ROOT / "build" / "win64" / "bin" / "TAVRENLaunch.exe"
    print(f"package: {archive.stat().st_size / 1e6:.1f} MB, {FILES} files in {FOLDERS} folders")

    def launcher_round():
        site = fresh(args.work / "launcher")
        shutil.copy(launcher, site / launcher.name)
        shutil.copy(archive, site / "update.zip")
        seconds = timed(lambda: wine.run(site / launcher.name, timeout=600))
        if (site / "update.zip").exists() or len(list(site.rglob("*"))) < FILES + FOLDERS:
            raise SystemExit("the launcher did not apply the package")
        return seconds

    def unzip_round():
        target = fresh(args.work / "unzip")
        return timed(lambda: subprocess.run(["unzip", "-q", "-o", str(archive), "-d", str(target)], check=True))

    def sevenzip_round():
        target = fresh(args.work / "7z")
        return timed(lambda: subprocess.run(["7z", "x", "-y", f"-o{target}", str(archive)], check=True,
                                            stdout=subprocess.DEVNULL))

    peers = {"launcher apply (Wine)": launcher_round, "unzip -o": unzip_round, "7z x": sevenzip_round}
    times = {name: [] for name in peers}
    for _ in range(args.rounds):
        for name, one_round in peers.items():  # interleaved, so load changes hit all alike
            times[name].append(one_round())
    for folder in ("launcher", "unzip", "7z"):
        shutil.rmtree(args.work / folder, ignore_errors=True)

    medians = {name: statistics.median(values) for name, values in times.items()}
    baseline = medians["unzip -o"]
    print(f"{'':24}{'median s':>10}{'vs unzip':>10}   rounds")
    for name, median in medians.items():
        rounds = " ".join(f"{value:.2f}" for value in times[name])
        print(f"{name:24}{median:10.2f}{median / baseline:10.2f}   {rounds}")
    ratio = medians["launcher apply (Wine)"] / baseline
    print(f"target: launcher at most 1.5 x unzip -o: {'met' if ratio <= 1.5 else 'NOT met'} ({ratio:.2f})")


if __name__ == "__main__":
    main()
