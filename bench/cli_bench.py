"""The command line on a large JSON Lines file: MB/s and peak memory, --jobs 1 and 2.

    python bench/cli_bench.py                 # 1 GB file (written once to bench/out/cache/)
    python bench/cli_bench.py --size-mb 64    # quicker

Each run is a fresh `python -m norvane` process; its wall time gives MB/s of input, and its
peak resident memory (`ru_maxrss` of the child, read after it exits) shows that memory stays
flat however big the file is. The baseline in the same run is the plain-Python floor of any
JSONL tool: read each line, `json.loads` it and `json.dumps` it back (no masking).
"""

from __future__ import annotations

import argparse
import json
import os
import resource
import subprocess
import sys
import time
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


def timed(command: list[str]) -> tuple[float, float]:
    """Wall seconds and peak RSS (MB) of one child process (detect exits 1 when it found something)."""
    wrapper = ("import resource, subprocess, sys, time\n"
               "t = time.perf_counter(); code = subprocess.run(sys.argv[1:]).returncode\n"
               "assert code in (0, 1), code\n"
               "print(time.perf_counter() - t, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)")
    done = subprocess.run([sys.executable, "-c", wrapper, *command], capture_output=True, text=True, check=True)
    seconds, peak_kb = done.stdout.split()
    return float(seconds), int(peak_kb) / 1024


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--size-mb", type=int, default=1024)
    parser.add_argument("--out", default=str(HERE / "out" / "cli.json"))
    parser.add_argument("--all", action="store_true", help="also time tokenize with restore maps and detect")
    args = parser.parse_args()
    size = args.size_mb << 20
    source = HERE / "out" / "cache" / f"calls-{args.size_mb}mb.jsonl"
    make_file(source, size)
    target = HERE / "out" / "cache" / "masked.jsonl"
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
    results = {"input_mb": round(megabytes, 1), "records": sum(1 for _ in open(source, "rb")),
               "load_average": os.getloadavg()[0], "runs": {}}
    print(f"input: {source} ({megabytes:.0f} MB, {results['records']} records), load average {results['load_average']:.1f}")
    print(f"{'run':50} {'seconds':>8} {'MB/s':>7} {'peak MB':>8}")
    for name, command in runs.items():
        seconds, peak = timed(command)
        results["runs"][name] = {"seconds": round(seconds, 2), "mb_per_s": round(megabytes / seconds, 2),
                                 "peak_rss_mb": round(peak, 1)}
        print(f"{name:50} {seconds:8.1f} {megabytes / seconds:7.2f} {peak:8.1f}", flush=True)
    for leftover in (target, Path(str(target) + ".restore")):
        leftover.unlink(missing_ok=True)
    Path(args.out).parent.mkdir(parents=True, exist_ok=True)
    Path(args.out).write_text(json.dumps(results, indent=2, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main()
