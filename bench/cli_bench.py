"""The command line on a large JSON Lines file: MB/s and peak memory, --jobs 1 and 2.

    python bench/cli_bench.py                 # 1 GB file (written once to /tmp/norvane-bench/)
    python bench/cli_bench.py --size-mb 128   # quicker

Each run is a fresh `python -m norvane` process; its wall time gives MB/s of input, its CPU
time (user + system) what it cost whatever else the machine was doing, and its peak resident
memory (`ru_maxrss` of the child, read after it exits) shows that memory stays flat however big
the file is. The baseline in the same run is the plain-Python floor of any JSONL tool: read
each line, `json.loads` it and `json.dumps` it back (no masking). The load average (`uptime`)
before and after the runs goes into the results.
"""

from __future__ import annotations

import argparse
import json
import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
import corpus  # noqa: E402

FLOOR = """
import json, sys
with open(sys.argv[1], encoding="utf-8") as src, open(sys.argv[2], "w", encoding="utf-8") as out:
    for line in src:
        out.write(json.dumps(json.loads(line), ensure_ascii=False) + "\\n")
"""


def make_file(path: Path, size: int) -> None:
    """JSONL records of realistic call notes (the benchmark corpus, one line per record, about
    one personal value per 200 bytes), repeated with new ids until `size` bytes."""
    if path.exists() and path.stat().st_size >= size:
        return
    lines = [line for line in corpus.generate("mixed", 4 << 20, seed=3).split("\n") if line.strip()]
    path.parent.mkdir(parents=True, exist_ok=True)
    written, record = 0, 0
    with open(path, "w", encoding="utf-8") as out:
        while written < size:
            for line in lines:
                row = json.dumps({"id": record, "channel": "chat", "memo": line, "agent": "상담원 김"},
                                 ensure_ascii=False) + "\n"
                out.write(row)
                written += len(row.encode())
                record += 1
                if written >= size:
                    break


def timed(command: list[str]) -> tuple[float, float, float]:
    """Wall seconds, CPU seconds and peak RSS (MB) of one child process (detect exits 1 when it
    found something). A wrapper process runs it, so that the children's figures are its alone."""
    wrapper = ("import resource, subprocess, sys, time\n"
               "t = time.perf_counter(); code = subprocess.run(sys.argv[1:]).returncode\n"
               "assert code in (0, 1), code\n"
               "u = resource.getrusage(resource.RUSAGE_CHILDREN)\n"
               "print(time.perf_counter() - t, u.ru_utime + u.ru_stime, u.ru_maxrss)")
    done = subprocess.run([sys.executable, "-c", wrapper, *command], capture_output=True, text=True, check=True)
    seconds, cpu, peak_kb = done.stdout.split()
    return float(seconds), float(cpu), int(peak_kb) / 1024


def uptime() -> str:
    return subprocess.run(["uptime"], capture_output=True, text=True).stdout.strip()


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--size-mb", type=int, default=1024)
    parser.add_argument("--out", default=str(HERE / "out" / "cli.json"))
    parser.add_argument("--data", default="/tmp/norvane-bench", help="where the input is generated (and kept)")
    parser.add_argument("--all", action="store_true", help="also time tokenize with restore maps and detect")
    args = parser.parse_args()
    size = args.size_mb << 20
    source = Path(args.data) / f"calls-{args.size_mb}mb.jsonl"
    make_file(source, size)
    target = Path(args.data) / "masked.jsonl"
    megabytes = source.stat().st_size / 1e6
    norvane_cli = [sys.executable, "-m", "norvane"]
    runs = {
        "floor: json.loads + json.dumps per line": [sys.executable, "-c", FLOOR, str(source), str(target)],
        "mask --jobs 1": norvane_cli + ["mask", str(source), "--field", "memo", "-o", str(target), "--jobs", "1"],
        "mask --jobs 2": norvane_cli + ["mask", str(source), "--field", "memo", "-o", str(target), "--jobs", "2"],
    }
    if args.all:
        runs["mask --jobs 2 --default tokenize --restore-out"] = norvane_cli + [
            "mask", str(source), "--field", "memo", "-o", str(target), "--jobs", "2", "--default", "tokenize",
            "--restore-out", str(target) + ".restore"]
        runs["detect --jobs 2"] = norvane_cli + ["detect", str(source), "--field", "memo", "-o", str(target), "--jobs", "2"]
    with open(source, "rb") as counted:
        records = sum(1 for _ in counted)
    results = {"input_mb": round(megabytes, 1), "records": records, "uptime_before": uptime(), "runs": {}}
    print(f"input: {source} ({megabytes:.0f} MB, {records} records)\nbefore: {results['uptime_before']}")
    print(f"{'run':50} {'seconds':>8} {'MB/s':>7} {'CPU s':>7} {'CPU MB/s':>8} {'peak MB':>8}")
    for name, command in runs.items():
        seconds, cpu, peak = timed(command)
        results["runs"][name] = {"seconds": round(seconds, 2), "mb_per_s": round(megabytes / seconds, 2),
                                 "cpu_seconds": round(cpu, 2), "mb_per_cpu_s": round(megabytes / cpu, 2),
                                 "peak_rss_mb": round(peak, 1)}
        print(f"{name:50} {seconds:8.1f} {megabytes / seconds:7.2f} {cpu:7.1f} {megabytes / cpu:8.2f} {peak:8.1f}",
              flush=True)
    results["uptime_after"] = uptime()
    print(f"after: {results['uptime_after']}")
    for leftover in (target, Path(str(target) + ".restore")):
        leftover.unlink(missing_ok=True)
    Path(args.out).parent.mkdir(parents=True, exist_ok=True)
    Path(args.out).write_text(json.dumps(results, indent=2, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main()
