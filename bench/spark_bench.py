"""Spark in local mode: masking one million rows through the Arrow path against a plain Python UDF.

    python bench/spark_bench.py                 # 1,000,000 rows, local[2]
    python bench/spark_bench.py --rows 200000   # quicker

One Spark session, one generated DataFrame of short call notes (a third of them with a
telephone number), each way timed on the same data and forced with the `noop` sink, best of
`--repeats`:

- floor: generating the rows and writing them to the sink, nothing masked;
- Arrow: `norvane.spark.mask_columns` (mapInArrow, the batch functions on Arrow columns);
- Python UDF: `udf(lambda text: norvane.mask(text).text, useArrow=False)`, one call per row
  on pickled rows, as a user would write it by hand.
"""

from __future__ import annotations

import argparse
import json
import os
import sys
import time
from pathlib import Path

from pyspark.sql import SparkSession
from pyspark.sql import functions as F
from pyspark.sql.types import StringType

import norvane
from norvane.spark import mask_columns

HERE = Path(__file__).resolve().parent


def rows(spark: SparkSession, count: int):
    memo = F.when(F.col("id") % 3 == 0,
                  F.concat(F.lit("고객 "), F.col("id"), F.lit("번 문의: 연락처 010-"),
                           F.lpad((F.col("id") % 10000).cast("string"), 4, "0"), F.lit("-"),
                           F.lpad(((F.col("id") * 7) % 10000).cast("string"), 4, "0"), F.lit(" 로 회신 바랍니다")))
    memo = memo.otherwise(F.concat(F.lit("배송 지연 관련 상담, 주문번호 "), F.col("id"), F.lit(" 확인 요청")))
    return spark.range(count, numPartitions=4).select("id", memo.alias("memo"))


def best(action, repeats: int) -> float:
    times = []
    for _ in range(repeats):
        start = time.perf_counter()
        action()
        times.append(time.perf_counter() - start)
    return min(times)


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--rows", type=int, default=1_000_000)
    parser.add_argument("--repeats", type=int, default=2)
    parser.add_argument("--out", default=str(HERE / "out" / "spark.json"))
    args = parser.parse_args()
    os.environ.setdefault("PYSPARK_PYTHON", sys.executable)   # workers run this interpreter
    spark = (SparkSession.builder.master("local[2]").appName("norvane-bench")
             .config("spark.ui.enabled", "false").config("spark.driver.memory", "2g").getOrCreate())
    spark.sparkContext.setLogLevel("ERROR")
    frame = rows(spark, args.rows)
    # A row-at-a-time UDF, rows pickled to the worker (Spark's classic Python UDF, Arrow off).
    plain_udf = F.udf(lambda text: None if text is None else norvane.mask(text).text, StringType(), useArrow=False)

    def sink(df) -> None:
        df.write.format("noop").mode("overwrite").save()

    # Both ways must give the same column before anything is timed.
    sample = rows(spark, 3000)
    assert sorted(mask_columns(sample, ["memo"]).collect()) == \
        sorted(sample.select("id", plain_udf("memo").alias("memo")).collect())
    ways = {
        "floor (generate + sink)": lambda: sink(frame),
        "Arrow: norvane.spark.mask_columns": lambda: sink(mask_columns(frame, ["memo"])),
        "plain Python UDF": lambda: sink(frame.select("id", plain_udf("memo").alias("memo"))),
    }
    results = {"rows": args.rows, "master": "local[2]", "repeats": args.repeats,
               "load_average": os.getloadavg()[0], "seconds": {}}
    print(f"{args.rows} rows, local[2], best of {args.repeats}, load average {results['load_average']:.1f}")
    for name, action in ways.items():
        seconds = best(action, args.repeats)
        results["seconds"][name] = round(seconds, 2)
        print(f"{name:40} {seconds:8.2f} s {args.rows / seconds:12,.0f} rows/s", flush=True)
    arrow = results["seconds"]["Arrow: norvane.spark.mask_columns"]
    results["udf_over_arrow"] = round(results["seconds"]["plain Python UDF"] / arrow, 2)
    print(f"the plain UDF takes {results['udf_over_arrow']:.2f}x the Arrow path's time")
    spark.stop()
    Path(args.out).parent.mkdir(parents=True, exist_ok=True)
    Path(args.out).write_text(json.dumps(results, indent=2, ensure_ascii=False) + "\n")


if __name__ == "__main__":
    main()
