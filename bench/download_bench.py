#!/usr/bin/env python3
"""Download benchmark: the download driver under Wine against curl + md5sum
and aria2c -x4 -s4 + md5sum, on the same random package served by nginx on
127.0.0.1. Prints medians, ratios to curl + md5sum and the driver's peak
memory. Run it through bench/run_download_bench, which provides the Wine
session and the builds.

Targets: driver at most 1.2 x curl + md5sum, faster than aria2c + md5sum,
peak memory under 64 MiB."""
import argparse
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
from support import wine  # noqa: E402
from support.nginx import Nginx  # noqa: E402

DRIVER = ROOT / "build" / "win64" / "tools" / "download_driver.exe"


def run(args, **kw):
    """Wall seconds and CPU seconds (user + system) of one finished process."""
    start = time.perf_counter()
    proc = subprocess.Popen(args, stdin=subprocess.DEVNULL, **kw)
    out = proc.stdout.read() if proc.stdout else b""
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    wall = time.perf_counter() - start
    if proc.returncode != 0:
        raise SystemExit(f"{args[0]} failed ({proc.returncode}): {out[-500:]!r}")
    return wall, usage.ru_utime + usage.ru_stime, usage.ru_maxrss * 1024, out


def clear(folder, keep=()):
    for p in folder.iterdir():
        if p.name not in keep:
            shutil.rmtree(p) if p.is_dir() else p.unlink()


def md5sum(path, digest):
    wall, cpu, _, out = run(["md5sum", str(path)], stdout=subprocess.PIPE)
    if out.split()[0].decode() != digest:
        raise SystemExit(f"wrong digest of {path}")
    return wall, cpu


def driver_round(job, url, digest):
    """Wall, CPU and peak resident memory of one driver run. Wine runs the
    program in the process it starts; the wineserver's share of the work is
    not in the CPU figure. The peak comes from GNU time: a child's peak
    survives exec on Linux, so it must be forked from a small process."""
    clear(job, keep={DRIVER.name})
    peak_file = job.parent / "driver-peak"
    wall, cpu, _, out = run(["/usr/bin/time", "-o", str(peak_file), "-f", "%M", wine.WINE, str(job / DRIVER.name),
                             url, digest], env=wine.wine_env(), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    if not out.decode("latin-1").rstrip().endswith("downloaded") or (job / "update.zip").stat().st_size == 0:
        raise SystemExit(f"driver failed: {out[-500:]!r}")
    return wall, cpu, int(peak_file.read_text().split()[-1]) * 1024


def curl_round(folder, url, digest):
    clear(folder)
    wall, cpu, _, _ = run(["curl", "-s", "-o", str(folder / "p.zip"), url], stdout=subprocess.DEVNULL)
    check_wall, check_cpu = md5sum(folder / "p.zip", digest)
    return wall + check_wall, cpu + check_cpu


def aria2c_round(folder, url, digest):
    clear(folder)
    wall, cpu, _, _ = run(["aria2c", "-x4", "-s4", "-q", "--allow-overwrite=true", "-d", str(folder), "-o", "p.zip",
                           url], stdout=subprocess.DEVNULL)
    check_wall, check_cpu = md5sum(folder / "p.zip", digest)
    return wall + check_wall, cpu + check_cpu


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--size-mib", type=int, default=256)
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    if "WINEPREFIX" not in os.environ:
        raise SystemExit("run through bench/run_download_bench (it provides the Wine session)")

    work = pathlib.Path(tempfile.mkdtemp(prefix="download-bench-"))
    try:
        www = work / "www"
        www.mkdir()
        os.chmod(work, 0o755)
        os.chmod(www, 0o755)
        package = www / "p.zip"
        with open(package, "wb") as f:
            for _ in range(args.size_mib):
                f.write(os.urandom(1 << 20))
        os.chmod(package, 0o644)
        digest = subprocess.run(["md5sum", str(package)], check=True, capture_output=True,
                                text=True).stdout.split()[0]
        server = Nginx(work / "nginx", str(www))
        try:
            url = server.url("p.zip")
            job = work / "job"
            job.mkdir()
            shutil.copy(DRIVER, job / DRIVER.name)
            peers = work / "peers"
            peers.mkdir()

            names = ["driver", "curl + md5sum", "aria2c -x4 -s4 + md5sum"]
            walls = {name: [] for name in names}
            cpus = {name: [] for name in names}
            peak = 0
            # Warm-up: the package in the page cache, Wine's libraries loaded.
            driver_round(job, url, digest)
            curl_round(peers, url, digest)
            for round_no in range(args.rounds):
                wall, cpu, rss = driver_round(job, url, digest)
                results = {"driver": (wall, cpu),
                           "curl + md5sum": curl_round(peers, url, digest),
                           "aria2c -x4 -s4 + md5sum": aria2c_round(peers, url, digest)}
                peak = max(peak, rss)
                for name, (wall, cpu) in results.items():
                    walls[name].append(wall)
                    cpus[name].append(cpu)
                print(f"round {round_no + 1}: " + ", ".join(f"{n} {walls[n][-1]:.3f} s" for n in names), flush=True)
        finally:
            server.stop()
    finally:
        shutil.rmtree(work, ignore_errors=True)

    base_wall = statistics.median(walls["curl + md5sum"])
    base_cpu = statistics.median(cpus["curl + md5sum"])
    print(f"\n{args.size_mib} MiB package, {args.rounds} rounds, medians "
          f"(load average {os.getloadavg()[0]:.1f} on {os.cpu_count()} cores):")
    print(f"  {'':26s} {'wall':>8s} {'ratio':>6s} {'cpu':>8s} {'ratio':>6s}")
    for name in names:
        wall = statistics.median(walls[name])
        cpu = statistics.median(cpus[name])
        print(f"  {name:26s} {wall:7.3f}s {wall / base_wall:5.2f}x {cpu:7.3f}s {cpu / base_cpu:5.2f}x")
    print(f"  driver peak resident memory: {peak / (1 << 20):.1f} MiB (Wine's own libraries included)")
    print("  targets: driver wall at most 1.20x curl + md5sum, below aria2c + md5sum; memory under 64 MiB")


if __name__ == "__main__":
    main()
