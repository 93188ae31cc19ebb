"""Heap allocations and page faults of one operation, called again and again on one corpus text.

    python bench/allocations.py detect mixed --size 16777216 --calls 4
    python bench/allocations.py normalize mixed --thorough

Per call after a warm-up call: minor page faults (getrusage), the process's RSS before the call
and its peak during it (bench/rss.py; the warm-up call's are printed first), the number and
bytes of all heap allocations, and those of 64 KiB or more with their sizes in MB. Allocations are counted by
bench/cpp/malloc_count.c, built with cc into the system's temporary directory and loaded with
LD_PRELOAD (the script starts itself again with it). The text arrives as a fresh str each call,
as bench/run.py's timing loop passes it; the result of each call is dropped before the next.
"""

from __future__ import annotations

import argparse
import ctypes
import os
import resource
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import rss  # noqa: E402
import run  # noqa: E402

SHIM_SOURCE = os.path.join(HERE, "cpp", "malloc_count.c")


def shim_path() -> str:
    out = os.path.join(tempfile.gettempdir(), f"norvane-malloc-count-{os.getuid()}.so")
    if not os.path.exists(out) or os.path.getmtime(out) < os.path.getmtime(SHIM_SOURCE):
        subprocess.run(["cc", "-O2", "-shared", "-fPIC", "-o", out, SHIM_SOURCE], check=True)
    return out


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("op", choices=run.OPS)
    ap.add_argument("kind", choices=run.KINDS)
    ap.add_argument("--size", type=int, default=run.MB, help="UTF-8 bytes of text")
    ap.add_argument("--calls", type=int, default=4)
    ap.add_argument("--thorough", action="store_true", help="Config.thorough() instead of Config()")
    a = ap.parse_args()
    shim = shim_path()
    if shim not in os.environ.get("LD_PRELOAD", ""):
        env = dict(os.environ, LD_PRELOAD=shim)
        os.execve(sys.executable, [sys.executable, *sys.argv], env)
    counter = ctypes.CDLL(shim)
    import norvane
    text = run.load(a.kind, a.size)
    config = norvane.Config.thorough() if a.thorough else None
    if a.op == "to_json":
        held = norvane.detect(text, config)
        fn = lambda _t: held.to_json()  # noqa: E731
    else:
        fn = run.call_of(a.op, config)
    nbytes = len(text.encode())

    out = ctypes.create_string_buffer(1 << 16)

    def measured_call(arg):
        """Minor faults, RSS before and peak (KiB) of one call; the allocations go to out."""
        rss.reset_peak()
        before = rss.current_kb()
        faults = resource.getrusage(resource.RUSAGE_SELF).ru_minflt
        counter.malloc_count_start()
        result = fn(arg)
        counter.malloc_count_stop(out, len(out))
        faults = resource.getrusage(resource.RUSAGE_SELF).ru_minflt - faults
        peak = rss.peak_kb()
        del result
        return faults, f"RSS {before / 1024:6.1f} -> peak {peak / 1024:6.1f} MB"

    _, first = measured_call(run.fresh(text))
    print(f"{a.op} {a.kind}{' thorough' if a.thorough else ''} {nbytes} B: first call {first}; "
          "per call after it:")
    for _ in range(a.calls):
        faults, memory = measured_call(run.fresh(text))
        count, total, large, large_total, *sizes = map(int, out.value.split())
        print(f"  {faults:6d} minor faults  {memory}  "
              f"{count:8d} allocations {total / run.MB:8.1f} MB  "
              f"{large:4d} of 64 KiB+ {large_total / run.MB:7.1f} MB: "
              + " ".join(f"{s / run.MB:.2f}" for s in sizes[:40]))


if __name__ == "__main__":
    main()
