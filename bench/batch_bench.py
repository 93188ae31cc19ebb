"""Many texts at once: the per-call loop against detect_many/mask_many on lists and on Arrow
columns, and the batch functions on 1 and 2 threads beside a hashlib control that shows what two
threads give on this machine at that moment. Called by run.py (see bench/README.md)."""

from __future__ import annotations

import concurrent.futures
import gc
import hashlib
import json
import os
import random
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import corpus  # noqa: E402
import rss  # noqa: E402

MB = 1 << 20
FULL = dict(short_count=100_000, large_count=16, large_bytes=512 * 1024, repeats=5, control_passes=8)
QUICK = dict(short_count=20_000, large_count=8, large_bytes=128 * 1024, repeats=3, control_passes=4)

TARGETS = {"mask_many_vs_loop": 1.3, "arrow_vs_loop": 1.8, "short_2_threads": 1.8, "large_2_threads": 1.7}


def short_texts(count: int, seed: int = 3) -> list[str]:
    """count pieces of mixed corpus text of 60 to 200 UTF-8 bytes each, cut at characters."""
    rng = random.Random(seed)
    source = corpus.generate("mixed", count * 140 + 4096, seed=seed)
    out, i = [], 0
    while len(out) < count:
        want = rng.randint(60, 200)
        piece, size = [], 0
        while size < want:
            if i >= len(source):
                i = 0
            c = source[i]
            i += 1
            b = len(c.encode())
            if size + b > 200:
                break
            piece.append(c)
            size += b
        if size >= 60:
            out.append("".join(piece))
    return out


def fresh_list(texts: list[str]) -> list[str]:
    """Equal str objects that are new: CPython keeps the UTF-8 form of a str once asked for it."""
    return [t[:1] + t[1:] for t in texts]


def timed(fn, arg, clock) -> float:
    gc.collect()
    gc.disable()
    t0 = clock()
    result = fn(arg)
    t1 = clock()
    gc.enable()
    del result
    return t1 - t0


def best_of(cases: dict, repeats: int, clock=time.perf_counter) -> dict:
    """Runs every case once per round, rounds interleaved so that load from elsewhere hits all;
    case = (fn, make_argument). Best and median seconds of `clock`."""
    times: dict = {name: [] for name in cases}
    for _ in range(repeats):
        for name, (fn, make) in cases.items():
            times[name].append(timed(fn, make(), clock))
    return {name: {"s": min(t), "median_s": statistics.median(t)} for name, t in times.items()}


def hash_control(chunks: list[bytes], passes: int):
    """sha256 of every chunk `passes` times on a pool of w threads (hashlib releases the lock)."""
    def work(pool):
        return list(pool.map(lambda c: [hashlib.sha256(c).digest() for _ in range(passes)], chunks))
    return work


def run(cfg: dict, log) -> dict:
    import norvane
    import pyarrow as pa

    res: dict = {"cores": os.cpu_count(), "usable_cores": len(os.sched_getaffinity(0)),
                 "load_avg_start": list(os.getloadavg())}
    log(f"batch: {cfg['short_count']} short texts ...")
    short = short_texts(cfg["short_count"])
    short_bytes = sum(len(t.encode()) for t in short)
    column = pa.array(short, pa.string())
    res["short"] = {"texts": len(short), "bytes": short_bytes}
    large = corpus.documents(cfg["large_count"], cfg["large_bytes"])
    large_bytes = sum(len(t.encode()) for t in large)
    res["large"] = {"texts": len(large), "bytes": large_bytes}
    norvane.mask_many(short[:100], threads=2)  # first-call set-up is not measured

    log("batch: per-call loop, mask_many and Arrow on one thread ...")
    one = best_of({
        "loop_mask": (lambda ts: [norvane.mask(t) for t in ts], lambda: fresh_list(short)),
        "mask_many_1": (lambda ts: norvane.mask_many(ts, threads=1), lambda: fresh_list(short)),
        "arrow_mask_1": (lambda c: pa.array(norvane.mask_many(c, threads=1)), lambda: column),
        "loop_detect": (lambda ts: [norvane.detect(t) for t in ts], lambda: fresh_list(short)),
        "detect_many_1": (lambda ts: norvane.detect_many(ts, threads=1), lambda: fresh_list(short)),
    }, cfg["repeats"], time.thread_time)  # one thread does all the work: its CPU time
    res["one_thread"] = one

    # The control hashes the same bytes, cut into 64 pieces (short) or per document (large).
    joined = "".join(short).encode()
    short_chunks = [joined[i * len(joined) // 64:(i + 1) * len(joined) // 64] for i in range(64)]
    large_chunks = [t.encode() for t in large]
    pools = {w: concurrent.futures.ThreadPoolExecutor(max_workers=w) for w in (1, 2)}
    scaling: dict = {}
    for shape, texts, chunks in (("short", short, short_chunks), ("large", large, large_chunks)):
        log(f"batch: 1 and 2 threads on {shape} texts, with the hashlib control ...")
        control = hash_control(chunks, cfg["control_passes"])
        cases = {}
        for w in (1, 2):
            cases[f"mask_many_{w}"] = (lambda ts, w=w: norvane.mask_many(ts, threads=w), lambda ts=texts: fresh_list(ts))
            cases[f"detect_many_{w}"] = (lambda ts, w=w: norvane.detect_many(ts, threads=w),
                                         lambda ts=texts: fresh_list(ts))
            if shape == "short":
                cases[f"arrow_mask_{w}"] = (lambda c, w=w: pa.array(norvane.mask_many(c, threads=w)), lambda: column)
            cases[f"control_{w}"] = (lambda p: control(p), lambda p=pools[w]: p)
        r = best_of(cases, cfg["repeats"])
        r["load_avg"] = list(os.getloadavg())
        for name in ("mask_many", "detect_many", "arrow_mask", "control"):
            if f"{name}_1" in r:
                r[f"{name}_speedup"] = r[f"{name}_1"]["s"] / r[f"{name}_2"]["s"]
        scaling[shape] = r
    for p in pools.values():
        p.shutdown()
    res["scaling"] = scaling

    log("batch: peak memory, a fresh process each ...")
    res["memory"] = {op: child(op, cfg["short_count"]) for op in ("loop", "mask_many", "arrow")}
    res["targets"] = targets(res)
    return res


def targets(res: dict) -> list:
    one, sc = res["one_thread"], res["scaling"]
    out = []

    def add(name, goal, value, met, unit="x"):
        out.append({"target": name, "goal": goal, "value": value, "met": met, "unit": unit})

    v = one["loop_mask"]["s"] / one["mask_many_1"]["s"]
    add("mask_many over loop, 1 thread", ">= 1.3x", v, v >= TARGETS["mask_many_vs_loop"])
    v = one["loop_mask"]["s"] / one["arrow_mask_1"]["s"]
    add("Arrow over loop, 1 thread", ">= 1.8x", v, v >= TARGETS["arrow_vs_loop"])
    for shape, goal in (("short", TARGETS["short_2_threads"]), ("large", TARGETS["large_2_threads"])):
        ctl = sc[shape]["control_speedup"]
        for name in ("mask_many", "detect_many", "arrow_mask"):
            key = f"{name}_speedup"
            if key in sc[shape]:
                v = sc[shape][key]
                add(f"{name} 2 threads, {shape}", f">= {goal}x or control {ctl:.2f}x", v, v >= min(goal, ctl))
    mem = res["memory"]
    if all("growth_bytes" in mem[k] for k in mem):
        for op in ("mask_many", "arrow"):
            v = mem[op]["growth_bytes"] / mem["loop"]["growth_bytes"]
            add(f"{op} peak memory over loop's", "<= 1.0x", v, v <= 1.0)
    return out


def child(op: str, count: int) -> dict:
    # fork+exec (preexec_fn), so that the child's peak does not start at this process's.
    p = subprocess.run([sys.executable, os.path.abspath(__file__), "--child-memory", op, str(count)],
                       capture_output=True, text=True, preexec_fn=lambda: None)
    if p.returncode != 0:
        return {"error": (p.stderr.strip().splitlines() or ["failed"])[-1]}
    return json.loads(p.stdout.strip().splitlines()[-1])


def child_memory(op: str, count: int) -> None:
    import norvane
    import pyarrow as pa

    texts = short_texts(count)
    column = pa.array(texts) if op == "arrow" else None
    norvane.mask_many(texts[:10], threads=2)
    gc.collect()
    rss.reset_peak()
    before = rss.current_kb()
    if op == "loop":
        result = [norvane.mask(t) for t in texts]
    elif op == "mask_many":
        result = norvane.mask_many(texts)
    else:
        result = pa.array(norvane.mask_many(column))
    peak = rss.peak_kb()
    del result
    print(json.dumps({"op": op, "growth_bytes": max(0, peak - before) * 1024}))


def show(res: dict) -> None:
    s, lg = res["short"], res["large"]
    print(f"Many texts at once: {s['texts']} texts of 60-200 bytes ({s['bytes'] / MB:.1f} MB) and "
          f"{lg['texts']} documents ({lg['bytes'] / MB:.1f} MB); best of interleaved rounds; "
          f"{res['usable_cores']} usable cores")
    one = res["one_thread"]
    loop = one["loop_mask"]["s"]
    print("  one thread (CPU time of the calling thread)  ms   per text    over the loop")
    for name, label in (("loop_mask", "[mask(t) for t in texts]"), ("mask_many_1", "mask_many(texts)"),
                        ("arrow_mask_1", "pa.array(mask_many(column))"),
                        ("loop_detect", "[detect(t) for t in texts]"), ("detect_many_1", "detect_many(texts)")):
        base = loop if "mask" in name else one["loop_detect"]["s"]
        r = one[name]
        print(f"  {label:43}{r['s'] * 1e3:9.1f} {r['s'] / s['texts'] * 1e6:7.2f} us {base / r['s']:9.2f}x")
    for shape, r in res["scaling"].items():
        print(f"  two threads over one, {shape} texts, wall-clock (load average then {r['load_avg'][0]:.2f})")
        for name in ("mask_many", "detect_many", "arrow_mask", "control"):
            if f"{name}_speedup" in r:
                label = "hashlib control" if name == "control" else name
                print(f"    {label:18}{r[f'{name}_1']['s'] * 1e3:9.1f} ms {r[f'{name}_2']['s'] * 1e3:9.1f} ms"
                      f" {r[f'{name}_speedup']:7.2f}x")
    print("  peak memory (RSS growth, fresh process, outputs held)")
    for op, r in res["memory"].items():
        print(f"    {op:18}" + (f"{r['growth_bytes'] / MB:9.1f} MB" if "growth_bytes" in r else f"failed: {r['error']}"))
    print("  targets")
    for t in res["targets"]:
        print(f"    {'met    ' if t['met'] else 'NOT met'} {t['target']:34} {t['goal']:22} {t['value']:8.2f}{t['unit']}")


def write_short_texts(path: str, count: int) -> None:
    """The short texts for bench/cpp/batch_scaling: each a little-endian u32 length, then its UTF-8."""
    with open(path, "wb") as fh:
        for t in short_texts(count):
            b = t.encode()
            fh.write(len(b).to_bytes(4, "little") + b)


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "--child-memory":
        child_memory(sys.argv[2], int(sys.argv[3]))
    elif len(sys.argv) == 4 and sys.argv[1] == "--write-short-texts":
        write_short_texts(sys.argv[2], int(sys.argv[3]))
