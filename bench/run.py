"""Benchmarks of norvane: throughput, short calls, memory, growth, baselines and threads.

    python bench/run.py            # full run (a few minutes)
    python bench/run.py --quick    # smaller sizes, fewer repeats (well under two minutes)

Prints a table and writes JSON (bench/out/results.json by default). Uses the package and the
standard library; Presidio's analyzer and anonymizer are measured too when they are installed
(pip install '.[bench]'). bench/README.md says what each figure means.
"""

from __future__ import annotations

import argparse
import bisect
import concurrent.futures
import gc
import json
import os
import platform
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import batch_bench  # noqa: E402
import corpus  # noqa: E402
import labelled  # noqa: E402
import re_masker  # noqa: E402
import rss  # noqa: E402

MB = 1 << 20
# dense: labelled documents (forms, exports, logs, chats) back to back, about nine values and
# nine look-alike numbers per KB.
KINDS = ("mixed", "clean", "numeric", "dense")
OPS = ("normalize", "detect", "mask", "to_json")

FULL = dict(base=MB, large=16 * MB, repeats=7, large_repeats=5, short_calls=20000,
            short_repeats=5, peer_bytes=64 * 1024, peer_repeats=3, peer_short_calls=300,
            docs=128, doc_bytes=32 * 1024, thread_repeats=5)
QUICK = dict(base=256 * 1024, large=4 * MB, repeats=3, large_repeats=1, short_calls=5000,
             short_repeats=3, peer_bytes=16 * 1024, peer_repeats=1, peer_short_calls=100,
             docs=48, doc_bytes=16 * 1024, thread_repeats=3)

TARGETS = {
    "detect_mixed_mb_s": 100.0, "mask_vs_detect": 0.85, "normalize_clean_mb_s": 300.0,
    "detect_short_clean_us": 1.5, "detect_short_phone_us": 4.0, "growth_max": 17.0,
    "memory_max_x_input": 12.0, "vs_presidio_min": 100.0, "vs_re_min": 5.0,
    "thorough_vs_detect": 0.6, "thorough_short_phone_us": 2.0,
    "detect_dense_mb_s": 100.0, "detect_dense_x_floor": 8.0, "mask_over_detect_dense": 1.10,
    # The speed work on dense text raised these (the ones above stay as they were).
    "detect_mixed_fast_mb_s": 200.0, "detect_clean_mb_s": 600.0, "detect_short_phone_fast_us": 0.8,
    "vs_presidio_every_min": 200.0,
}


def size_name(n: int) -> str:
    return f"{n // MB} MB" if n % MB == 0 else f"{n // 1024} KB"


# --------------------------------------------------------------------------- corpus cache

def cache_path(kind: str, size: int, seed: int = 1, density: int = 200) -> str:
    return os.path.join(HERE, "out", "cache", f"{kind}-{size}-s{seed}-d{density}.txt")


def ensure_cached(kind: str, size: int) -> str:
    path = cache_path(kind, size)
    if not os.path.exists(path):
        os.makedirs(os.path.dirname(path), exist_ok=True)
        text = labelled.dense_text(size) if kind == "dense" else corpus.generate(kind, size)
        tmp = path + ".tmp"
        with open(tmp, "w", encoding="utf-8", newline="") as fh:
            fh.write(text)
        os.replace(tmp, path)
    return path


def load(kind: str, size: int) -> str:
    with open(ensure_cached(kind, size), encoding="utf-8", newline="") as fh:
        return fh.read()


# --------------------------------------------------------------------------- memory child

def child_memory(op: str, path: str) -> None:
    import norvane
    with open(path, encoding="utf-8", newline="") as fh:
        text = fh.read()
    nbytes = len(text.encode())
    norvane.mask(corpus.SHORT_PHONE)  # first-call set-up is not what we measure
    re_masker.mask(corpus.SHORT_PHONE)
    report = norvane.detect(text) if op == "to_json" else None
    gc.collect()
    reset = rss.reset_peak()
    cur = rss.current_kb()
    base = rss.peak_kb()
    if op == "floor":
        result = text.encode("utf-8")
    elif op == "normalize":
        result = norvane.normalize(text)
    elif op == "detect":
        result = norvane.detect(text)
    elif op == "mask":
        result = norvane.mask(text)
    elif op == "to_json":
        result = report.to_json()
    elif op == "re_mask":
        result = re_masker.mask(text)
    else:
        raise SystemExit(f"unknown op {op}")
    peak = rss.peak_kb()
    del result
    start = max(cur, base) if reset else cur
    print(json.dumps({"op": op, "input_bytes": nbytes, "rss_before_kb": cur, "peak_before_kb": base,
                      "peak_after_kb": peak, "peak_reset": reset,
                      "growth_bytes": max(0, peak - start) * 1024}))


def measure_memory(ops, path: str) -> dict:
    out = {}
    for op in ops:
        # preexec_fn forces fork+exec: with vfork the child's getrusage peak would start
        # at this process's peak.
        p = subprocess.run([sys.executable, os.path.abspath(__file__), "--child-memory", op, path],
                           capture_output=True, text=True, preexec_fn=lambda: None)
        if p.returncode != 0:
            out[op] = {"error": p.stderr.strip().splitlines()[-1] if p.stderr.strip() else "failed"}
            continue
        r = json.loads(p.stdout.strip().splitlines()[-1])
        r["x_input"] = r["growth_bytes"] / r["input_bytes"]
        out[op] = r
    return out


# --------------------------------------------------------------------------- timing

def call_of(op: str, config=None):
    """The library call `op` ("normalize", "detect" or "mask") with `config` (None: the default),
    taking the text, as the per-operation tools (page_faults.py, allocations.py) call it."""
    import norvane
    return {"normalize": lambda t: norvane.normalize(t, config),
            "detect": lambda t: norvane.detect(t, config),
            "mask": lambda t: norvane.mask(t, None, config)}[op]


def fresh(text: str) -> str:
    """An equal str that is a new object. The binding reads a str's UTF-8 form, which CPython
    then keeps inside the object; every timed call gets a new object so that the conversion
    is paid as it is for a new document."""
    return text[:1] + text[1:]


# Single-thread figures use the calling thread's CPU time, so that other work on a shared
# machine does not count; thread scaling needs wall-clock time.
CPU_CLOCK = time.thread_time
WALL_CLOCK = time.perf_counter


# Repeats go on past the minimum until this much time was measured (a shared machine has
# quiet moments; the best of many runs finds one), up to MAX_REPEATS.
MIN_TOTAL_S = 0.5
MAX_REPEATS = 40


def timed(fn, arg, repeats: int, warmup: bool = False, clock=CPU_CLOCK) -> dict:
    if warmup:
        fn(fresh(arg))
    times: list[float] = []
    gc.collect()
    while len(times) < repeats or (sum(times) < MIN_TOTAL_S and len(times) < MAX_REPEATS):
        a = fresh(arg)
        gc.disable()  # as timeit does
        t0 = clock()
        fn(a)
        t1 = clock()
        gc.enable()
        times.append(t1 - t0)
    return {"best_s": min(times), "median_s": statistics.median(times), "repeats": len(times)}


def throughput(fn, text: str, repeats: int, warmup: bool = False) -> dict:
    nbytes = len(text.encode())
    r = timed(fn, text, repeats, warmup)
    r["bytes"] = nbytes
    r["mb_s"] = nbytes / r["best_s"] / 1e6
    r["median_mb_s"] = nbytes / r["median_s"] / 1e6
    return r


def per_call(fn, arg, calls: int, repeats: int) -> dict:
    fn(fresh(arg))
    best = float("inf")
    meds: list[float] = []
    while len(meds) < repeats or (sum(meds) * calls < MIN_TOTAL_S and len(meds) < MAX_REPEATS):
        args = [fresh(arg) for _ in range(calls)]
        gc.disable()
        t0 = CPU_CLOCK()
        for a in args:
            fn(a)
        dt = (CPU_CLOCK() - t0) / calls
        gc.enable()
        best = min(best, dt)
        meds.append(dt)
    return {"us": best * 1e6, "median_us": statistics.median(meds) * 1e6,
            "calls_s": 1 / best, "calls": calls, "repeats": len(meds)}


# --------------------------------------------------------------------------- peers

class Presidio:
    """Presidio's analyzer with its Korean recognizers plus the generic ones for the other kinds
    we detect, pattern-only: an engine that does no NLP, so no model is loaded."""

    ENTITY_KIND = {"KR_RRN": "resident", "KR_FRN": "foreigner_registration",
                   "KR_BRN": "business_registration", "CREDIT_CARD": "credit_card",
                   "PHONE_NUMBER": "phone", "EMAIL_ADDRESS": "email",
                   "KR_DRIVER_LICENSE": "driver_license", "KR_PASSPORT": "passport",
                   "DATE_TIME": "birth_date"}

    def __init__(self) -> None:
        import logging
        for name in ("presidio-analyzer", "presidio-anonymizer", "tldextract"):
            logging.getLogger(name).setLevel(logging.ERROR)
        try:  # the e-mail check's suffix list: use the copy shipped with tldextract, no fetch
            import tldextract
            import tldextract.tldextract as tx
            tx.TLD_EXTRACTOR = tldextract.TLDExtract(suffix_list_urls=())
        except Exception:
            pass
        import presidio_analyzer.predefined_recognizers as pr
        from presidio_analyzer import AnalyzerEngine, RecognizerRegistry
        from presidio_analyzer.nlp_engine import NoOpNlpEngine
        from presidio_anonymizer import AnonymizerEngine
        from importlib.metadata import version
        self.version = version("presidio-analyzer")
        registry = RecognizerRegistry(supported_languages=["ko"])
        for name in ("KrRrnRecognizer", "KrFrnRecognizer", "KrBrnRecognizer",
                     "KrDriverLicenseRecognizer", "KrPassportRecognizer"):
            registry.add_recognizer(getattr(pr, name)())
        registry.add_recognizer(pr.CreditCardRecognizer(supported_language="ko"))
        registry.add_recognizer(pr.EmailRecognizer(supported_language="ko"))
        registry.add_recognizer(pr.PhoneRecognizer(supported_language="ko", supported_regions=("KR",)))
        registry.add_recognizer(pr.DateRecognizer(supported_language="ko"))
        self.recognizers = [type(r).__name__ for r in registry.recognizers]
        nlp = NoOpNlpEngine(models=[{"lang_code": "ko", "model_name": "none"}])
        self.analyzer = AnalyzerEngine(registry=registry, nlp_engine=nlp, supported_languages=["ko"])
        self.anonymizer = AnonymizerEngine()
        self.analyze(corpus.SHORT_PHONE)

    def analyze(self, text: str):
        return self.analyzer.analyze(text, language="ko")

    def mask(self, text: str) -> str:
        return self.anonymizer.anonymize(text, self.analyze(text)).text

    def find(self, text: str):
        return [(r.start, r.end, self.ENTITY_KIND.get(r.entity_type, r.entity_type))
                for r in self.analyze(text)]


def load_presidio():
    try:
        import presidio_analyzer  # noqa: F401
        import presidio_anonymizer  # noqa: F401
    except ImportError as e:
        return None, f"not installed ({e.name}); pip install '.[bench]' to compare"
    try:
        return Presidio(), None
    except Exception as e:  # a newer Presidio may lay its engines out differently
        return None, f"could not be set up pattern-only: {type(e).__name__}: {e}"


# --------------------------------------------------------------------------- recall check

def char_to_byte_spans(text: str, spans):
    out = []
    pos = bpos = 0
    for s, e, k in sorted(spans):
        if s < pos:  # overlapping peer results: measure from the text start
            pos = bpos = 0
        bpos += len(text[pos:s].encode())
        bs = bpos
        bpos += len(text[s:e].encode())
        pos = e
        out.append((bs, bpos, k))
    return sorted(out)


def recall(truth, found) -> dict:
    """Share of embedded values that some result of the same kind overlaps (byte spans)."""
    found = sorted(found)
    starts = [f[0] for f in found]
    hit = {}
    total = {}
    longest = max((f[1] - f[0] for f in found), default=0)
    for kind, s, e, _style in truth:
        total[kind] = total.get(kind, 0) + 1
        i = bisect.bisect_left(starts, s - longest)
        ok = False
        while i < len(found) and found[i][0] < e:
            if found[i][2] == kind and found[i][1] > s:
                ok = True
                break
            i += 1
        hit[kind] = hit.get(kind, 0) + ok
    n = sum(total.values())
    return {"found": sum(hit.values()), "embedded": n,
            "share": sum(hit.values()) / n if n else 0.0,
            "by_kind": {k: [hit[k], total[k]] for k in sorted(total)}}


# --------------------------------------------------------------------------- machine

def machine() -> dict:
    model = platform.processor() or platform.machine()
    try:
        out = subprocess.run(["lscpu"], capture_output=True, text=True).stdout
        for line in out.splitlines():
            if line.startswith("Model name:"):
                model = line.split(":", 1)[1].strip()
    except OSError:
        pass
    try:
        usable = len(os.sched_getaffinity(0))
    except AttributeError:
        usable = os.cpu_count()
    commit = dirty = None
    try:
        git = ["git", "-C", os.path.dirname(HERE)]
        commit = subprocess.run(git + ["rev-parse", "--short", "HEAD"], capture_output=True,
                                text=True).stdout.strip() or None
        dirty = bool(subprocess.run(git + ["status", "--porcelain", "--", "src", "CMakeLists.txt"],
                                    capture_output=True, text=True).stdout.strip())
    except OSError:
        pass
    return {"cpu": model, "cores": os.cpu_count(), "usable_cores": usable,
            "commit": commit, "src_modified": dirty,
            "load_avg_at_start": list(os.getloadavg()), "python": platform.python_version(),
            "platform": platform.platform()}


# --------------------------------------------------------------------------- main run

def run(cfg: dict, quick: bool, with_peers: bool) -> dict:
    import norvane
    res: dict = {"mode": "quick" if quick else "full", "machine": machine(),
                 "norvane": norvane.__version__, "module": norvane.__file__,
                 "sizes": {"base": cfg["base"], "large": cfg["large"], "peer": cfg["peer_bytes"]}}
    base, large = cfg["base"], cfg["large"]
    log = lambda *a: print(*a, file=sys.stderr, flush=True)  # noqa: E731

    # Memory first, while this process is small; the children read cached corpus files.
    log(f"corpus: writing {size_name(large)} mixed text ...")
    subprocess.run([sys.executable, os.path.abspath(__file__), "--child-cache", "mixed", str(large)],
                   check=True)
    log("memory: one fresh process per measurement ...")
    res["memory"] = measure_memory(("floor",) + OPS + ("re_mask",), cache_path("mixed", large))

    log("corpus: loading ...")
    texts = {k: load(k, base) for k in KINDS}
    big = load("mixed", large)
    presidio, why = load_presidio() if with_peers else (None, "skipped (--no-peers)")
    res["presidio"] = ({"version": presidio.version, "recognizers": presidio.recognizers,
                        "nlp": "NoOpNlpEngine (pattern-only)"} if presidio else {"skipped": why})

    reports = {k: norvane.detect(t) for k, t in texts.items()}
    gc.collect()
    gc.freeze()  # what is loaded by now is never garbage; keeps collections short
    funcs = {
        "floor": lambda t: t.encode("utf-8"),
        "normalize": norvane.normalize,
        "detect": norvane.detect,
        "mask": norvane.mask,
        "re_mask": re_masker.mask,
    }
    # The thorough settings, measured in the same run as the defaults they are compared with.
    thorough = norvane.Config.thorough() if hasattr(norvane.Config, "thorough") else None
    if thorough is not None:
        funcs["detect_thorough"] = lambda t: norvane.detect(t, thorough)
        funcs["mask_thorough"] = lambda t: norvane.mask(t, None, thorough)

    log("throughput ...")
    tp: dict = {}
    for kind, text in texts.items():
        row = {}
        for name, fn in funcs.items():
            reps = cfg["repeats"] if name != "re_mask" else max(1, cfg["repeats"] // 2)
            row[name] = throughput(fn, text, reps)
        rep = reports[kind]
        row["to_json"] = throughput(lambda _t, rep=rep: rep.to_json(), text, cfg["repeats"])
        tp[kind] = row
    res["throughput"] = tp

    log("peers on the same text slices ...")
    peer: dict = {}
    for kind, text in texts.items():
        piece = text.encode()[:cfg["peer_bytes"]].decode("utf-8", "ignore")
        row = {"detect": throughput(norvane.detect, piece, cfg["repeats"]),
               "mask": throughput(norvane.mask, piece, cfg["repeats"]),
               "re_mask": throughput(re_masker.mask, piece, cfg["repeats"])}
        if presidio:
            row["presidio_analyze"] = throughput(presidio.analyze, piece, cfg["peer_repeats"], True)
            row["presidio_mask"] = throughput(presidio.mask, piece, cfg["peer_repeats"], True)
        peer[kind] = row
    res["peers"] = peer

    log("short texts ...")
    short: dict = {}
    for label, s in (("clean", corpus.SHORT_CLEAN), ("phone", corpus.SHORT_PHONE)):
        rep = norvane.detect(s)
        calls, reps = cfg["short_calls"], cfg["short_repeats"]
        row = {"bytes": len(s.encode()), "findings": len(rep.findings),
               "floor": per_call(lambda t: t.encode("utf-8"), s, calls, reps),
               "normalize": per_call(norvane.normalize, s, calls, reps),
               "detect": per_call(norvane.detect, s, calls, reps),
               "mask": per_call(norvane.mask, s, calls, reps),
               "to_json": per_call(lambda _t, rep=rep: rep.to_json(), s, calls, reps),
               "re_mask": per_call(re_masker.mask, s, max(1, calls // 10), reps)}
        if thorough is not None:
            row["detect_thorough"] = per_call(funcs["detect_thorough"], s, calls, reps)
        if presidio:
            row["presidio_analyze"] = per_call(presidio.analyze, s, cfg["peer_short_calls"], reps)
            row["presidio_mask"] = per_call(presidio.mask, s, cfg["peer_short_calls"], reps)
        short[label] = row
    res["short"] = short

    log(f"growth {size_name(base)} -> {size_name(large)} ...")
    small = texts["mixed"]
    big_report = norvane.detect(big)
    growth: dict = {}
    for name in ("floor",) + OPS:
        if name == "to_json":
            fs = lambda _t, rep=reports["mixed"]: rep.to_json()  # noqa: E731
            fb = lambda _t, rep=big_report: rep.to_json()  # noqa: E731
        else:
            fs = fb = funcs[name]
        t_small = timed(fs, small, cfg["repeats"])["best_s"]
        t_big = timed(fb, big, cfg["large_repeats"])["best_s"]
        growth[name] = {"small_s": t_small, "large_s": t_big, "ratio": t_big / t_small,
                        "size_ratio": len(big.encode()) / len(small.encode())}
    del big_report
    res["growth"] = growth

    log("threads ...")
    docs = corpus.documents(cfg["docs"], cfg["doc_bytes"])
    total = sum(len(d.encode()) for d in docs)
    thr: dict = {"documents": len(docs), "bytes": total, "load_avg": list(os.getloadavg())}
    pools = {w: concurrent.futures.ThreadPoolExecutor(max_workers=w) for w in (1, 2)}
    for name in ("detect", "mask"):
        fn = funcs[name]
        best = {1: float("inf"), 2: float("inf")}
        for _ in range(cfg["thread_repeats"]):  # interleaved, so that load from elsewhere hits both
            for w, ex in pools.items():
                list(ex.map(fn, docs[:4]))
                best[w] = min(best[w], timed(lambda ds, ex=ex: list(ex.map(fn, ds)), docs, 1,
                                               clock=WALL_CLOCK)["best_s"])
        row = {str(w): {"s": b, "mb_s": total / b / 1e6} for w, b in best.items()}
        row["speedup"] = best[1] / best[2]
        thr[name] = row
    for ex in pools.values():
        ex.shutdown()
    res["threads"] = thr

    log("recall check ...")
    text, truth = corpus.generate_with_truth("mixed", base)
    rp = norvane.detect(text)
    rec = {"norvane": recall(truth, [(f.source.byte_start, f.source.byte_end, f.entity)
                                     for f in rp.findings]),
           "re_mask": recall(truth, char_to_byte_spans(text, [(s, e, k) for s, e, k in re_masker.find(text)]))}
    if presidio:
        piece = text.encode()[:cfg["peer_bytes"]].decode("utf-8", "ignore")
        limit = len(piece.encode())
        tr = [t for t in truth if t[2] <= limit]
        rec["presidio_slice"] = recall(tr, char_to_byte_spans(piece, presidio.find(piece)))
        rn = norvane.detect(piece)
        rec["norvane_slice"] = recall(tr, [(f.source.byte_start, f.source.byte_end, f.entity)
                                           for f in rn.findings])
    res["recall"] = rec
    res["ratios"] = ratios(res)
    res["targets"] = targets(res)
    return res


def ratios(res: dict) -> dict:
    tp, out = res["throughput"], {}
    for kind, row in tp.items():
        fl = row["floor"]["best_s"]
        out[kind] = {f"{op}_x_floor": row[op]["best_s"] / fl for op in OPS}
        out[kind]["detect_vs_re"] = row["detect"]["mb_s"] / row["re_mask"]["mb_s"]
        out[kind]["mask_vs_re"] = row["mask"]["mb_s"] / row["re_mask"]["mb_s"]
        out[kind]["mask_vs_detect"] = row["mask"]["mb_s"] / row["detect"]["mb_s"]
        p = res["peers"][kind]
        if "presidio_analyze" in p:
            out[kind]["detect_vs_presidio"] = p["detect"]["mb_s"] / p["presidio_analyze"]["mb_s"]
            out[kind]["mask_vs_presidio"] = p["mask"]["mb_s"] / p["presidio_mask"]["mb_s"]
    for label, row in res["short"].items():
        d = out.setdefault(f"short_{label}", {})
        d["detect_vs_re"] = row["re_mask"]["us"] / row["detect"]["us"]
        if "presidio_analyze" in row:
            d["detect_vs_presidio"] = row["presidio_analyze"]["us"] / row["detect"]["us"]
    return out


def targets(res: dict) -> list:
    tp, ra, t = res["throughput"], res["ratios"], TARGETS
    rows = [
        ("detect, mixed prose", f">= {t['detect_mixed_mb_s']:g} MB/s", tp["mixed"]["detect"]["mb_s"],
         tp["mixed"]["detect"]["mb_s"] >= t["detect_mixed_mb_s"], "MB/s"),
        ("mask within 15% of detect", f">= {t['mask_vs_detect']:g} x detect", ra["mixed"]["mask_vs_detect"],
         ra["mixed"]["mask_vs_detect"] >= t["mask_vs_detect"], "x"),
        ("normalize, PII-free prose", f">= {t['normalize_clean_mb_s']:g} MB/s", tp["clean"]["normalize"]["mb_s"],
         tp["clean"]["normalize"]["mb_s"] >= t["normalize_clean_mb_s"], "MB/s"),
        ("detect, 60 B without PII", f"< {t['detect_short_clean_us']:g} us", res["short"]["clean"]["detect"]["us"],
         res["short"]["clean"]["detect"]["us"] < t["detect_short_clean_us"], "us"),
        ("detect, 60 B with a phone", f"< {t['detect_short_phone_us']:g} us", res["short"]["phone"]["detect"]["us"],
         res["short"]["phone"]["detect"]["us"] < t["detect_short_phone_us"], "us"),
    ]
    dense_x = ra["dense"]["detect_x_floor"]
    mask_over = 1 / ra["dense"]["mask_vs_detect"]
    rows += [
        ("detect, dense documents", f">= {t['detect_dense_mb_s']:g} MB/s", tp["dense"]["detect"]["mb_s"],
         tp["dense"]["detect"]["mb_s"] >= t["detect_dense_mb_s"], "MB/s"),
        ("detect, dense, over the floor", f"<= {t['detect_dense_x_floor']:g} x", dense_x,
         dense_x <= t["detect_dense_x_floor"], "x"),
        ("mask time over detect, dense", f"<= {t['mask_over_detect_dense']:g} x", mask_over,
         mask_over <= t["mask_over_detect_dense"], "x"),
    ]
    if "detect_thorough" in tp["mixed"]:
        th = tp["mixed"]["detect_thorough"]["mb_s"] / tp["mixed"]["detect"]["mb_s"]
        rows.append(("thorough detect, mixed prose", f">= {t['thorough_vs_detect']:g} x detect", th,
                     th >= t["thorough_vs_detect"], "x"))
        us = res["short"]["phone"]["detect_thorough"]["us"]
        rows.append(("thorough detect, 60 B with a phone", f"< {t['thorough_short_phone_us']:g} us", us,
                     us < t["thorough_short_phone_us"], "us"))
    rows += [
        ("detect, mixed prose (fast)", f">= {t['detect_mixed_fast_mb_s']:g} MB/s", tp["mixed"]["detect"]["mb_s"],
         tp["mixed"]["detect"]["mb_s"] >= t["detect_mixed_fast_mb_s"], "MB/s"),
        ("detect, PII-free prose", f">= {t['detect_clean_mb_s']:g} MB/s", tp["clean"]["detect"]["mb_s"],
         tp["clean"]["detect"]["mb_s"] >= t["detect_clean_mb_s"], "MB/s"),
        ("detect, 60 B with a phone (fast)", f"< {t['detect_short_phone_fast_us']:g} us",
         res["short"]["phone"]["detect"]["us"],
         res["short"]["phone"]["detect"]["us"] < t["detect_short_phone_fast_us"], "us"),
    ]
    if "detect_thorough" in tp["dense"]:
        th = tp["dense"]["detect_thorough"]["mb_s"] / tp["dense"]["detect"]["mb_s"]
        rows.append(("thorough detect, dense", f">= {t['thorough_vs_detect']:g} x detect", th,
                     th >= t["thorough_vs_detect"], "x"))
    worst = max((g["ratio"] / g["size_ratio"] * 16, n) for n, g in res["growth"].items() if n != "floor")
    rows.append((f"16x size costs (worst: {worst[1]})", f"<= {t['growth_max']:g} x", worst[0],
                 worst[0] <= t["growth_max"], "x"))
    mem = max((m["x_input"], n) for n, m in res["memory"].items()
              if n in ("normalize", "detect", "mask") and "x_input" in m)
    rows.append((f"peak memory, large (worst: {mem[1]})", f"< {t['memory_max_x_input']:g} x input",
                 mem[0], mem[0] < t["memory_max_x_input"], "x"))
    vs_re = min(min(ra[k]["detect_vs_re"], ra[k]["mask_vs_re"]) for k in KINDS)
    rows.append(("vs re masker (worst text)", f">= {t['vs_re_min']:g} x", vs_re, vs_re >= t["vs_re_min"], "x"))
    if "detect_vs_presidio" in ra["mixed"]:
        vp = min(min(ra[k]["detect_vs_presidio"], ra[k]["mask_vs_presidio"]) for k in KINDS)
        rows.append(("vs Presidio (worst text)", f">= {t['vs_presidio_min']:g} x", vp,
                     vp >= t["vs_presidio_min"], "x"))
        rows.append(("vs Presidio, every corpus (fast)", f">= {t['vs_presidio_every_min']:g} x", vp,
                     vp >= t["vs_presidio_every_min"], "x"))
    return [{"target": a, "goal": b, "value": c, "met": d, "unit": e} for a, b, c, d, e in rows]


# --------------------------------------------------------------------------- printing

def show(res: dict) -> None:
    m = res["machine"]
    base, large = size_name(res["sizes"]["base"]), size_name(res["sizes"]["large"])
    print(f"norvane {res['norvane']} benchmark ({res['mode']}) on {m['cpu']}, {m['cores']} cores, "
          f"Python {m['python']}; load average at start {m['load_avg_at_start'][0]:.2f}")
    if m.get("commit"):
        print(f"repository HEAD {m['commit']}"
              f"{' with local changes under src/' if m['src_modified'] else ''}; module {res['module']}")
    p = res["presidio"]
    print(f"Presidio: {p['version'] + ' pattern-only' if 'version' in p else p['skipped']}")
    print()
    print(f"Throughput, MB/s of UTF-8 input, {base} texts (CPU time, best of repeats; median in JSON)")
    print(f"  {'':10}" + "".join(f"{k:>12}" for k in KINDS))
    for op in ("floor",) + OPS + ("re_mask", "detect_thorough", "mask_thorough"):
        if op in res["throughput"]["mixed"]:
            print(f"  {op:10}" + "".join(f"{res['throughput'][k][op]['mb_s']:12.1f}" for k in KINDS))
    print()
    print("  time as a multiple of the floor (text.encode('utf-8') over the same text)")
    for op in OPS:
        print(f"  {op:10}" + "".join(f"{res['ratios'][k][op + '_x_floor']:11.1f}x" for k in KINDS))
    print("  norvane over the re masker (MB/s ratio)")
    for op in ("detect", "mask"):
        print(f"  {op:10}" + "".join(f"{res['ratios'][k][op + '_vs_re']:11.1f}x" for k in KINDS))
    print("  mask over detect")
    print(f"  {'mask/det':10}" + "".join(f"{res['ratios'][k]['mask_vs_detect']:12.2f}" for k in KINDS))
    print()
    pk = next(iter(res["peers"].values()))
    print(f"Peers on the first {size_name(res['sizes']['peer'])} of each text, MB/s")
    cols = ["detect", "mask", "re_mask", "presidio_analyze", "presidio_mask"]
    print(f"  {'':18}" + "".join(f"{k:>12}" for k in KINDS))
    for c in cols:
        if c in pk:
            print(f"  {c:18}" + "".join(f"{res['peers'][k][c]['mb_s']:12.2f}" for k in KINDS))
    if "detect_vs_presidio" in res["ratios"]["mixed"]:
        for c in ("detect_vs_presidio", "mask_vs_presidio"):
            print(f"  {c:18}" + "".join(f"{res['ratios'][k][c]:11.0f}x" for k in KINDS))
    print()
    print("Short texts: microseconds per call (calls per second)")
    labels = {"clean": "without PII", "phone": "with a phone"}
    for label, row in res["short"].items():
        print(f"  {row['bytes']} B sentence {labels[label]} ({row['findings']} finding(s))")
        for op in ("floor",) + OPS + ("re_mask", "detect_thorough", "presidio_analyze", "presidio_mask"):
            if op in row:
                print(f"    {op:18}{row[op]['us']:10.2f} us {row[op]['calls_s']:12,.0f}/s")
    print()
    print(f"Peak memory for the {large} mixed input (RSS growth in a fresh process)")
    for op, r in res["memory"].items():
        if "error" in r:
            print(f"  {op:10} failed: {r['error']}")
        else:
            print(f"  {op:10}{r['growth_bytes'] / MB:10.1f} MB {r['x_input']:8.2f}x input")
    print()
    print(f"Growth {base} -> {large} (mixed; time ratio, size ratio "
          f"{next(iter(res['growth'].values()))['size_ratio']:.0f})")
    for op, g in res["growth"].items():
        print(f"  {op:10}{g['small_s'] * 1e3:10.1f} ms {g['large_s'] * 1e3:10.1f} ms {g['ratio']:8.2f}x")
    print()
    t = res["threads"]
    print(f"Threads: {t['documents']} mixed documents, {t['bytes'] / MB:.1f} MB, ThreadPoolExecutor, "
          f"wall-clock (load average then {t['load_avg'][0]:.2f})")
    for op in ("detect", "mask"):
        r = t[op]
        print(f"  {op:10} 1 thread {r['1']['mb_s']:8.1f} MB/s  2 threads {r['2']['mb_s']:8.1f} MB/s"
              f"  speedup {r['speedup']:.2f}x")
    print()
    print("Embedded values found (same kind, overlapping span)")
    for name, r in res["recall"].items():
        print(f"  {name:16}{r['found']:6} of {r['embedded']:6} ({100 * r['share']:.1f}%)")
    print()
    print("Targets")
    for r in res["targets"]:
        print(f"  {'met    ' if r['met'] else 'NOT met'} {r['target']:34} {r['goal']:22} "
              f"{r['value']:10.2f} {r['unit']}")


def main() -> None:
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--quick", action="store_true", help="smaller sizes and fewer repeats")
    ap.add_argument("--no-peers", action="store_true", help="do not measure Presidio")
    ap.add_argument("--out", default=os.path.join(HERE, "out", "results.json"))
    ap.add_argument("--note", default="", help="free text kept with the results (e.g. the build)")
    ap.add_argument("--batch-only", action="store_true",
                    help="only the many-texts figures (detect_many, mask_many, Arrow, threads)")
    ap.add_argument("--child-memory", nargs=2, metavar=("OP", "PATH"), help=argparse.SUPPRESS)
    ap.add_argument("--child-cache", nargs=2, metavar=("KIND", "SIZE"), help=argparse.SUPPRESS)
    a = ap.parse_args()
    if a.child_memory:
        child_memory(*a.child_memory)
        return
    if a.child_cache:
        ensure_cached(a.child_cache[0], int(a.child_cache[1]))
        return
    global MIN_TOTAL_S
    if a.quick:
        MIN_TOTAL_S = 0.1
    t0 = time.perf_counter()
    log = lambda *m: print(*m, file=sys.stderr, flush=True)  # noqa: E731
    batch_cfg = batch_bench.QUICK if a.quick else batch_bench.FULL
    if a.batch_only:
        res = {"mode": "quick" if a.quick else "full", "machine": machine()}
    else:
        res = run(QUICK if a.quick else FULL, a.quick, not a.no_peers)
    res["batch"] = batch_bench.run(batch_cfg, log)
    res["elapsed_s"] = time.perf_counter() - t0
    res["note"] = a.note
    if not a.batch_only:
        show(res)
        print()
    batch_bench.show(res["batch"])
    if a.note:
        print(f"note: {a.note}")
    print(f"\n{res['mode']} run took {res['elapsed_s']:.0f} s; JSON in {os.path.relpath(a.out)}")
    os.makedirs(os.path.dirname(a.out), exist_ok=True)
    with open(a.out, "w", encoding="utf-8") as fh:
        json.dump(res, fh, ensure_ascii=False, indent=1)


if __name__ == "__main__":
    main()
