"""Mask two columns of a Spark DataFrame on a local Spark, keeping a restore map per row.

Needs the extra: pip install '.[spark]' (and Java 17 or newer for Spark itself).
"""

import os
import sys

from pyspark.sql import SparkSession

import norvane
from norvane import Policy, PolicySet
from norvane.spark import detect_columns, mask_columns

os.environ.setdefault("PYSPARK_PYTHON", sys.executable)   # workers run this interpreter (and see norvane)
spark = SparkSession.builder.master("local[2]").config("spark.ui.enabled", "false").getOrCreate()
spark.sparkContext.setLogLevel("ERROR")

calls = spark.createDataFrame([
    (1, "고객 연락처 010-1234-5678, 주민번호 880101-1234568", "회신 요청"),
    (2, "메일 kim@example.com 로 영수증 발송", None),
    (3, "배송 문의, 주문번호 20240101", "카드 4111-1111-1111-1111 결제"),
], "id long, memo string, note string")

# Built once on the driver; Spark ships it to the executors.
policies = PolicySet(Policy.redact_label()).with_entity("resident", Policy.tokenize()) \
                                           .with_entity("credit_card", Policy.tokenize())
masked = mask_columns(calls, ["memo", "note"], policies, restore_column="restore")
masked.show(truncate=False)

# The restore map of a row gives its tokens back.
row = masked.orderBy("id").first()
if row is not None:
    print(norvane.unmask(row.memo, norvane.RestoreMap.from_json(row.restore)))

detect_columns(calls, ["memo", "note"]).select("id", "findings.entity").show(truncate=False)
spark.stop()
