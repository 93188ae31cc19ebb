"""Worst cases of norvane: time of adversarial shapes by context window, and peak memory of every
operation on realistic and adversarial texts, each in a fresh process.

    python bench/hostile.py            # both tables (a few minutes)
    python bench/hostile.py --time     # the time table only
    python bench/hostile.py --memory   # the memory table only

Times are CPU time of the calling thread, best of three. Memory is the growth of the peak RSS
over the RSS before the call, in a fresh process (fork and exec) that first made its text and
reset the kernel's peak counter; it includes the UTF-8 copy CPython keeps inside the str.
bench/README.md holds the tables of a run.
"""

from __future__ import annotations

import argparse
import gc
import json
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import rss  # noqa: E402

MB = 1 << 20

# Texts by name: (what, builder of about `size` bytes).
SHAPES = {
    "mixed": ("realistic mixed text (corpus.py)", None),
    "one_o": ('"1 O " repeated', lambda n: "1 O " * (n // 4)),
    "dashes": ('"1" + " -" * 20 repeated', lambda n: ("1" + " -" * 20) * (n // 41)),
    "one_space": ('"1 " repeated', lambda n: "1 " * (n // 2)),
    "emails": ("e-mail dense", lambda n: "메일 kim.cs@example.com " * (n // 28)),
    "phones": ("phone dense", lambda n: "연락처 010-1234-5678 " * (n // 27)),
}
OPS = ("normalize", "detect", "mask", "detect_to_json", "detect_write_json")
WINDOWS = (0, 24, 60, 256, 257, 4096)


def text_of(shape: str, size: int) -> str:
    if shape == "mixed":
        import corpus
        return corpus.generate("mixed", size)
    return SHAPES[shape][1](size)


def run_op(op: str, text: str, config=None):
    import norvane
    if op == "normalize":
        return norvane.normalize(text, config)
    if op == "detect":
        return norvane.detect(text, config)
    if op == "mask":
        return norvane.mask(text, None, config)
    if op == "detect_to_json":
        return norvane.detect(text, config).to_json()
    if op == "detect_write_json":  # the same bytes, streamed: never the whole JSON at once
        return norvane.detect(text, config).write_json(os.devnull)
    raise SystemExit(f"unknown op {op}")


# --------------------------------------------------------------------------- memory

def child_memory(shape: str, size: int, op: str) -> None:
    import norvane
    text = text_of(shape, size)
    nbytes = len(text.encode())
    norvane.mask("연락처 010-1234-5678")  # first-call set-up is not measured
    gc.collect()
    rss.reset_peak()
    before = rss.current_kb()
    result = run_op(op, text)
    peak = rss.peak_kb()
    del result
    print(json.dumps({"input_bytes": nbytes, "growth_bytes": max(0, peak - before) * 1024}))


def measure_memory(shape: str, size: int, op: str) -> dict:
    p = subprocess.run([sys.executable, os.path.abspath(__file__), "--child", shape, str(size), op],
                       capture_output=True, text=True, preexec_fn=lambda: None)
    if p.returncode != 0:
        return {"error": (p.stderr.strip().splitlines() or ["failed"])[-1]}
    r = json.loads(p.stdout.strip().splitlines()[-1])
    r["x_input"] = r["growth_bytes"] / r["input_bytes"]
    return r


def memory_table(sizes: dict) -> dict:
    out = {}
    print(f"Peak RSS growth over the input, fresh process ({', '.join(f'{s} {v // MB} MB' for s, v in sizes.items())})")
    print(f"  {'text':<34}" + "".join(f"{op:>16}" for op in OPS))
    for shape, (what, _) in SHAPES.items():
        size = sizes["mixed"] if shape == "mixed" else sizes["adversarial"]
        row = {op: measure_memory(shape, size, op) for op in OPS}
        out[shape] = row
        cells = "".join(f"{'error' if 'error' in r else format(r['x_input'], '.1f') + 'x':>16}" for r in row.values())
        print(f"  {what + f' ({size // MB} MB)':<34}{cells}", flush=True)
    return out


# --------------------------------------------------------------------------- time

def best_time(fn, repeats: int = 3) -> float:
    best = float("inf")
    for _ in range(repeats):
        gc.disable()
        t = time.thread_time()
        fn()
        best = min(best, time.thread_time() - t)
        gc.enable()
    return best


def time_table() -> dict:
    import norvane
    out = {}
    print("Worst-case time, seconds (CPU, best of 3)")
    print("  detect by context window" + "".join(f"{w:>9}" for w in WINDOWS))
    for shape, reps in (("one_space", 10**6), ("one_o", 10**6), ("dashes", 10**5), ("phones", 10**5)):
        text = {"one_space": "1 " * reps, "one_o": "1 O " * reps, "dashes": ("1" + " -" * 20) * reps,
                "phones": "연락처 010-1234-5678 " * reps}[shape]
        row = {}
        for w in WINDOWS:
            config = norvane.Config()
            config.context_window = w
            row[w] = best_time(lambda: norvane.detect(text, config))
        out[shape] = row
        label = f"{SHAPES[shape][0]} x {reps:,}"
        print(f"  {label:<24}" + "".join(f"{row[w]:>9.2f}" for w in WINDOWS), flush=True)
    text = "1 O " * 10**6
    ops = {op: best_time(lambda op=op: run_op(op, text)) for op in ("normalize", "detect", "mask")}
    out["one_o_ops"] = ops
    print('  "1 O " x 1,000,000:  ' + ", ".join(f"{op} {t:.2f}" for op, t in ops.items()))
    return out


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--time", action="store_true", help="the time table only")
    ap.add_argument("--memory", action="store_true", help="the memory table only")
    ap.add_argument("--mixed-mb", type=int, default=64, help="size of the realistic text (MB)")
    ap.add_argument("--adversarial-mb", type=int, default=10, help="size of each adversarial text (MB)")
    ap.add_argument("--out", default=os.path.join(HERE, "out", "hostile.json"))
    ap.add_argument("--child", nargs=3, help=argparse.SUPPRESS)
    args = ap.parse_args()
    if args.child:
        child_memory(args.child[0], int(args.child[1]), args.child[2])
        return
    both = not args.time and not args.memory
    res = {}
    if args.time or both:
        res["time"] = time_table()
    if args.memory or both:
        res["memory"] = memory_table({"mixed": args.mixed_mb * MB, "adversarial": args.adversarial_mb * MB})
    os.makedirs(os.path.dirname(args.out), exist_ok=True)
    with open(args.out, "w") as fh:
        json.dump(res, fh, indent=1)


if __name__ == "__main__":
    main()
