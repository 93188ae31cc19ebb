"""The command line, run as a user runs it: `python -m norvane` in a subprocess."""

import json
import os
import resource
import subprocess
import sys

import pytest

import norvane


def run(*args, stdin=b"", env=None, cwd=None, preexec_fn=None):
    environment = {k: v for k, v in os.environ.items() if k != "NORVANE_HASH_KEY"}
    environment.update(env or {})
    return subprocess.run([sys.executable, "-m", "norvane", *map(str, args)], input=stdin,
                          capture_output=True, env=environment, cwd=cwd, timeout=300,
                          preexec_fn=preexec_fn)


def ok(*args, **kwargs):
    done = run(*args, **kwargs)
    assert done.returncode == 0, done.stderr.decode()
    return done


CSV = (
    '\ufeff이름,연락처,메모\r\n'
    '홍길동,010-1234-5678,"주민번호 880101-1234568, 메일 hong@example.com"\r\n'
    '"김 ""철수""",02-123-4567,"여러 줄\n계좌 110-123-456789 로 입금"\r\n'
    '\r\n'
    '이영희,,없음\r\n'
    '박민수,"010-9876-5432",\r\n'
).encode()

JSONL_ROWS = [
    {"id": 1, "memo": "연락처 010-1234-5678 주민 880101-1234568", "n": 1.5},
    {"id": 2, "memo": 'clean "quoted" text \\ here', "x": None},
    {"id": 3, "memo": None},
    {"id": 4, "memo": "메일 kim@example.co.kr 전화 02-123-4567 😀", "tags": ["a", {"b": 2}]},
]


def jsonl_bytes():
    lines = [json.dumps(JSONL_ROWS[0]), json.dumps(JSONL_ROWS[1], ensure_ascii=False), json.dumps(JSONL_ROWS[2]),
             "", json.dumps(JSONL_ROWS[3], ensure_ascii=False),
             # upper-case escapes, an escaped ASCII digit, an escaped slash, spaces around the colon
             '{"memo" : "\\uD55C\\uAD6D 010-9876-5432 \\u0030 \\ud83d\\ude00 \\/", "id":5}']
    return ("\n".join(lines[:4]) + "\n" + lines[4] + "\r\n" + lines[5]).encode()


# ---------------------------------------------------------------------------------------------
# Round trips: mask with tokens, then unmask, gives the input back byte for byte.


@pytest.mark.parametrize("one_map", [False, True], ids=["map-per-record", "one-map"])
def test_csv_round_trip_is_byte_exact(tmp_path, one_map):
    source = tmp_path / "in.csv"
    source.write_bytes(CSV)
    extra = ["--one-map"] if one_map else []
    ok("mask", source, "--column", "연락처", "--column", "메모", "--default", "tokenize",
       "--restore-out", tmp_path / "restore", "-o", tmp_path / "masked.csv", *extra)
    masked = (tmp_path / "masked.csv").read_bytes().decode()
    assert "010-1234-5678" not in masked and "hong@example.com" not in masked
    # other columns, quoting, the header, the blank line and CRLF are kept
    assert masked.startswith('\ufeff이름,연락처,메모\r\n홍길동,[[PII:0]],"주민번호 [[PII:1]], 메일 [[PII:2]]"\r\n'
                             '"김 ""철수""",[[PII:')
    assert '\r\n\r\n이영희,,없음\r\n박민수,"[[PII:' in masked
    ok("unmask", tmp_path / "masked.csv", "--restore", tmp_path / "restore", "-o", tmp_path / "back.csv")
    assert (tmp_path / "back.csv").read_bytes() == CSV


def test_csv_restore_lines_hold_one_map_per_record(tmp_path):
    source = tmp_path / "in.csv"
    source.write_bytes(CSV)
    ok("mask", source, "--column", "연락처", "--default", "tokenize", "--restore-out", tmp_path / "restore",
       "-o", tmp_path / "masked.csv")
    lines = [json.loads(line) for line in (tmp_path / "restore").read_text().splitlines()]
    assert lines == [
        {"record": 1, "prefix": "PII", "entries": [
            {"token": "[[PII:0]]", "original": "010-1234-5678", "entity": "phone", "field": "연락처"}]},
        {"record": 2, "prefix": "PII", "entries": [
            {"token": "[[PII:0]]", "original": "02-123-4567", "entity": "phone", "field": "연락처"}]},
        {"record": 4, "prefix": "PII", "entries": [
            {"token": "[[PII:0]]", "original": "010-9876-5432", "entity": "phone", "field": "연락처"}]},
    ]
    # each line is a restore map the library reads as it is
    restored = norvane.unmask("[[PII:0]]", norvane.RestoreMap.from_json((tmp_path / "restore").read_text().splitlines()[1]))
    assert restored == "02-123-4567"
    # restore maps hold personal information: only the owner may read them
    assert (tmp_path / "restore").stat().st_mode & 0o777 == 0o600


@pytest.mark.parametrize("one_map", [False, True], ids=["map-per-record", "one-map"])
def test_jsonl_round_trip_is_byte_exact_whatever_the_escapes(tmp_path, one_map):
    source = tmp_path / "in.jsonl"
    source.write_bytes(jsonl_bytes())
    extra = ["--one-map"] if one_map else []
    ok("mask", source, "--field", "memo", "--default", "tokenize", "--restore-out", tmp_path / "restore",
       "-o", tmp_path / "masked.jsonl", *extra)
    masked = (tmp_path / "masked.jsonl").read_bytes().decode().split("\n")
    first = "[[PII:0]]" if not one_map else "[[PII:0]]"
    assert masked[0] == ('{"id": 1, "memo": "\\uc5f0\\ub77d\\ucc98 ' + first + ' \\uc8fc\\ubbfc [[PII:1]]", "n": 1.5}')
    assert masked[1:4] == [json.dumps(JSONL_ROWS[1], ensure_ascii=False), '{"id": 3, "memo": null}', ""]
    ok("unmask", tmp_path / "masked.jsonl", "--restore", tmp_path / "restore", "-o", tmp_path / "back.jsonl")
    assert (tmp_path / "back.jsonl").read_bytes() == jsonl_bytes()


def test_one_map_numbers_tokens_over_the_whole_run(tmp_path):
    source = tmp_path / "in.jsonl"
    source.write_bytes(jsonl_bytes())
    ok("mask", source, "--field", "memo", "--default", "tokenize", "--restore-out", tmp_path / "restore",
       "--one-map", "-o", tmp_path / "masked.jsonl")
    restore = norvane.RestoreMap.from_json((tmp_path / "restore").read_text())
    assert [(e.token, e.entity, e.original) for e in restore.entries] == [
        ("[[PII:0]]", "phone", "010-1234-5678"), ("[[PII:1]]", "resident", "880101-1234568"),
        ("[[PII:2]]", "email", "kim@example.co.kr"), ("[[PII:3]]", "phone", "02-123-4567"),
        ("[[PII:4]]", "phone", "010-9876-5432")]
    # the whole masked file unmasks with the one map, through the library alone
    masked = (tmp_path / "masked.jsonl").read_text()
    assert "[[PII:4]]" in masked and json.loads(norvane.unmask(masked.split("\n")[4], restore))["memo"] == JSONL_ROWS[3]["memo"]


@pytest.mark.parametrize("lines", [False, True], ids=["whole", "lines"])
def test_text_round_trip_is_byte_exact(tmp_path, lines):
    text = "상담 기록\r\n연락처 010-1234-5678\n주민번호 880101-1234568 [[PII:3]] 남김\n끝"
    source = tmp_path / "in.txt"
    source.write_bytes(text.encode())
    extra = ["--lines"] if lines else []
    ok("mask", source, "--default", "tokenize", "--restore-out", tmp_path / "restore", "-o", tmp_path / "out.txt", *extra)
    masked = (tmp_path / "out.txt").read_bytes().decode()
    # a text holding the opener [[PII: gets tokens of another prefix
    expected = ("상담 기록\r\n연락처 [[PII0:0]]\n주민번호 [[PII0:1]] [[PII:3]] 남김\n끝" if not lines else
                "상담 기록\r\n연락처 [[PII:0]]\n주민번호 [[PII0:0]] [[PII:3]] 남김\n끝")
    assert masked == expected
    ok("unmask", tmp_path / "out.txt", "--restore", tmp_path / "restore", "-o", tmp_path / "back.txt", *extra)
    assert (tmp_path / "back.txt").read_bytes() == text.encode()


def test_one_map_refuses_a_text_that_holds_its_token_opener(tmp_path):
    done = run("mask", "--lines", "--default", "tokenize", "--restore-out", tmp_path / "r", "--one-map",
               "-o", tmp_path / "out", stdin="a\n010-1234-5678 [[PII:0]]\n".encode())
    assert done.returncode == 2
    assert done.stderr.decode() == ("norvane mask: <stdin>:2: the text holds [[PII:, which --one-map uses for its "
                                    "tokens; run without --one-map (one restore map per record)\n")
    assert sorted(os.listdir(tmp_path)) == []


@pytest.mark.parametrize("bad_line, message", [
    (3000, "big.jsonl:10: the text holds [[PII:, which --one-map uses for its tokens; "
           "run without --one-map (one restore map per record)"),   # the earlier chunk's error comes first
    (1500, "big.jsonl:1500:1: a JSONL record must be a JSON object"),  # a bad line ends its chunk's reading
])
@pytest.mark.parametrize("jobs", ["1", "2"])
def test_errors_come_in_input_order_over_several_chunks(tmp_path, bad_line, message, jobs):
    rows = [json.dumps({"id": n, "memo": f"메모 {n} 010-1234-{n % 10000:04d}"}, ensure_ascii=False) for n in range(1, 5001)]
    rows[9] = json.dumps({"id": 10, "memo": "[[PII:0]] 010-2222-3333"})
    rows[bad_line - 1] = "[1]"
    (tmp_path / "big.jsonl").write_text("\n".join(rows) + "\n")
    done = run("mask", "big.jsonl", "--field", "memo", "--default", "tokenize", "--one-map", "--restore-out", "r",
               "--jobs", jobs, "-o", "out", cwd=tmp_path)
    assert (done.returncode, done.stderr.decode()) == (2, f"norvane mask: {message}\n")
    assert sorted(os.listdir(tmp_path)) == ["big.jsonl"]


def test_jobs_do_not_change_the_output_over_many_chunks(tmp_path):
    rows = [json.dumps({"id": n, "memo": f"연락처 010-{n % 9000 + 1000:04d}-5678", "x": [n]} if n % 7 == 0 else
                       {"id": n, "memo": f"메일 u{n}@example.com 전화 02-123-{n % 10000:04d}"}, ensure_ascii=n % 3 == 0)
            for n in range(12000)]
    (tmp_path / "in.jsonl").write_text("\n".join(rows) + "\n")
    outputs = []
    for jobs in ("1", "2"):
        ok("mask", "in.jsonl", "--field", "memo", "--default", "tokenize", "--jobs", jobs, "-o", f"out{jobs}.jsonl",
           "--restore-out", f"r{jobs}", "--report-out", f"p{jobs}", cwd=tmp_path)
        outputs.append([(tmp_path / name).read_bytes() for name in (f"out{jobs}.jsonl", f"r{jobs}", f"p{jobs}")])
    assert outputs[0] == outputs[1]
    assert outputs[0][0] != (tmp_path / "in.jsonl").read_bytes()
    ok("unmask", "out1.jsonl", "--restore", "r1", "-o", "back.jsonl", cwd=tmp_path)
    assert (tmp_path / "back.jsonl").read_bytes() == (tmp_path / "in.jsonl").read_bytes()


# ---------------------------------------------------------------------------------------------
# Encodings.


def test_cp949_input_is_masked_and_written_back_in_cp949(tmp_path):
    text = "이름,연락처\n홍길동,010-1234-5678\n김철수,주민 880101-1234568\n"
    source = tmp_path / "in.csv"
    source.write_bytes(text.encode("cp949"))
    ok("mask", source, "--column", "연락처", "--encoding", "cp949", "-o", tmp_path / "out.csv")
    assert (tmp_path / "out.csv").read_bytes() == "이름,연락처\n홍길동,[전화번호]\n김철수,주민 [주민등록번호]\n".encode("cp949")
    ok("mask", source, "--column", "연락처", "--encoding", "euc-kr", "--default", "tokenize",
       "--restore-out", tmp_path / "r", "-o", tmp_path / "tok.csv")
    ok("unmask", tmp_path / "tok.csv", "--restore", tmp_path / "r", "--encoding", "cp949", "-o", tmp_path / "back.csv")
    assert (tmp_path / "back.csv").read_bytes() == text.encode("cp949")


def test_cp949_detect_reports_offsets_in_the_decoded_text():
    done = run("detect", "--lines", "--encoding", "cp949", stdin="첫 줄\n연락처 010-1234-5678\n".encode("cp949"))
    assert done.returncode == 1
    (line,) = [json.loads(x) for x in done.stdout.decode().splitlines()]
    assert {k: line[k] for k in ("record", "line", "column", "entity", "start", "end", "byte_start", "byte_end")} == {
        "record": 2, "line": 2, "column": 5, "entity": "phone", "start": 4, "end": 17, "byte_start": 10, "byte_end": 23}


def test_undecodable_bytes_are_an_error_or_replaced_on_request(tmp_path):
    data = "연락처\n값 \xff 010-1234-5678\n".encode("utf-8").replace(b"\xc3\xbf", b"\xff")
    done = run("mask", "--lines", stdin=data)
    assert (done.returncode, done.stderr.decode()) == (
        2, "norvane mask: <stdin>:2:3: cannot decode byte(s) ff as utf-8 (see --encoding and --errors)\n")
    done = ok("mask", "--lines", "--errors", "replace", stdin=data)
    assert done.stdout.decode() == "연락처\n값 \ufffd [전화번호]\n"


def test_output_that_the_encoding_cannot_hold_is_an_error(tmp_path):
    done = run("mask", "--lines", "--encoding", "cp949", "--default", "fixed:☃", "-o", tmp_path / "out",
               stdin="010-1234-5678\n".encode("cp949"))
    assert done.returncode == 2
    assert done.stderr.decode() == "norvane mask: <stdin>:1: the output cannot hold '☃' in cp949\n"
    assert os.listdir(tmp_path) == []


# ---------------------------------------------------------------------------------------------
# detect: findings as JSON Lines, exit 1 when anything was found.


def test_detect_reports_every_finding_and_exits_1():
    done = run("detect", "--format", "jsonl", "--field", "memo", "--field", "note",
               stdin=b'{"memo": "\\uc5f0\\ub77d\\ucc98 010-1234-5678", "note": "clean"}\n{"note": "a@b.com"}\n')
    assert done.returncode == 1
    assert [json.loads(x) for x in done.stdout.decode().splitlines()] == [
        {"file": "<stdin>", "record": 1, "line": 1, "field": "memo", "entity": "phone", "start": 4, "end": 17,
         "byte_start": 10, "byte_end": 23, "score": 1.0244445, "certainty": "probable", "rule": "phone.mobile_11"},
        {"file": "<stdin>", "record": 2, "line": 2, "field": "note", "entity": "email", "start": 0, "end": 7,
         "byte_start": 0, "byte_end": 7, "score": 0.9, "certainty": "probable", "rule": "email.structural"},
    ]


def test_detect_exits_0_on_clean_input_and_writes_nothing(tmp_path):
    source = tmp_path / "clean.tsv"
    source.write_bytes("이름\t메모\n홍길동\t주문번호 20240101 배송 완료\n".encode())
    done = run("detect", source, "--column", "메모", "-o", tmp_path / "out.jsonl")
    assert (done.returncode, done.stdout, done.stderr) == (0, b"", b"")
    assert (tmp_path / "out.jsonl").read_bytes() == b""


@pytest.mark.parametrize("jobs", ["1", "2"])
def test_thorough_and_jobs_give_the_library_results(jobs):
    texts = ["이름: 홍길동 / 전화: 010.1234.5678", "주민등록번호는 880101-1234568 입니다", "연락 공일공 일이삼사 오육칠팔"] * 40
    data = "".join(t + "\n" for t in texts).encode()
    done = run("detect", "--lines", "--thorough", "--jobs", jobs, stdin=data)
    got = [(x["record"], x["entity"], x["start"], x["end"], x["rule"]) for x in map(json.loads, done.stdout.decode().splitlines())]
    expected = [(i + 1, f.entity, f.source.char_start, f.source.char_end, f.evidence.rule)
                for i, t in enumerate(texts) for f in norvane.detect(t, norvane.Config.thorough()).findings]
    assert (done.returncode, got) == (1 if expected else 0, expected)
    masked = ok("mask", "--lines", "--thorough", "--jobs", jobs, stdin=data).stdout.decode().splitlines()
    assert masked == [norvane.mask(t, None, norvane.Config.thorough()).text for t in texts]


def test_detect_on_whole_text_gives_each_finding_its_line_and_column():
    done = run("detect", stdin="머리말\n\n  연락처 010-1234-5678\n".encode())
    assert done.returncode == 1
    (line,) = [json.loads(x) for x in done.stdout.decode().splitlines()]
    assert (line["record"], line["line"], line["column"], line["start"]) == (1, 3, 7, 11)


# ---------------------------------------------------------------------------------------------
# Policies, keys and reports.


def test_policies_from_options_give_the_library_output(tmp_path):
    text = "연락처 010-1234-5678, 메일 kim@example.com, 카드 4111-1111-1111-1111"
    key_file = tmp_path / "key"
    key_file.write_bytes(b"s3cret\n")
    done = ok("mask", "--default", "fill:#", "--policy", "phone=partial:3:4", "--policy", "email=hash:10",
              "--policy", "credit_card=fixed:[카드: 가림]", "--hash-key-file", key_file, stdin=text.encode())
    policies = (norvane.PolicySet(norvane.Policy.redact_fill("#"))
                .with_entity("phone", norvane.Policy.partial(3, 4))
                .with_entity("email", norvane.Policy.hash(b"s3cret", 10))
                .with_entity("credit_card", norvane.Policy.redact_fixed("[카드: 가림]")))
    assert done.stdout.decode() == norvane.mask(text, policies).text
    # the same key from an environment variable gives the same tokens
    env = ok("mask", "--policy", "email=hash:10", "--hash-key-env", "MY_KEY", env={"MY_KEY": "s3cret"},
             stdin=b"kim@example.com")
    assert env.stdout.decode() == norvane.mask("kim@example.com", policies).text
    assert ok("mask", "--default", "code", stdin=b"010-1234-5678").stdout == b"[PHONE]"


@pytest.mark.parametrize("args, message", [
    (["--default", "blur"], "--default 'blur', column 1: unknown policy 'blur'; expected one of: label, code, "
                            "tokenize, fill:CHAR, fixed:TEXT, partial:PREFIX:SUFFIX[:FILL], hash[:LENGTH]"),
    (["--default", "fill:ab"], "--default 'fill:ab', column 6: expected one fill character, not 'ab'"),
    (["--default", "label:x"], "--default 'label:x', column 6: label takes no parameters"),
    (["--policy", "phone=partial:3:x"], "--policy 'phone=partial:3:x', column 17: SUFFIX must be a whole number, not 'x'"),
    (["--policy", "phone=partial:3"], "--policy 'phone=partial:3', column 7: partial takes PREFIX:SUFFIX or PREFIX:SUFFIX:FILL"),
    (["--policy", "phone=partial:1:2:**"], "--policy 'phone=partial:1:2:**', column 19: expected one fill character, not '**'"),
    (["--policy", "phone=hash:-1"], "--policy 'phone=hash:-1', column 12: LENGTH must be a whole number, not '-1'"),
    (["--policy", "phone"], "--policy 'phone', column 1: expected KIND=POLICY"),
    (["--policy", "Phone=label"], "--policy 'Phone=label', column 1: unknown kind 'Phone'; expected one of: resident, "
                                  "foreigner_registration, business_registration, credit_card, bank_account, phone, "
                                  "email, driver_license, birth_date, passport"),
    (["--policy", "phone=hash"], "the hash policy needs a key: set the environment variable NORVANE_HASH_KEY or give "
                                 "--hash-key-file FILE"),
    (["--one-map"], "--one-map needs --restore-out FILE"),
    (["--jobs", "0"], "--jobs must be at least 1"),
    (["--encoding", "klingon"], "unknown encoding 'klingon'"),
    (["--field", "memo"], "--field and --column apply to jsonl and csv/tsv input, not text"),
    (["--format", "jsonl"], "jsonl input needs at least one --field NAME"),
    (["--format", "csv", "--field", "a"], "--field applies to jsonl; csv/tsv take --column"),
    (["--format", "csv", "--lines", "--column", "a"], "--lines applies to the text format only"),
])
def test_bad_options_exit_2_with_their_message(args, message):
    done = run("mask", *args, stdin=b"010-1234-5678\n")
    assert (done.returncode, done.stdout, done.stderr.decode()) == (2, b"", f"norvane mask: {message}\n")


def test_the_hash_key_is_never_taken_from_the_command_line():
    done = run("mask", "--hash-key", "secret", stdin=b"")
    assert done.returncode == 2 and b"unrecognized arguments: --hash-key" in done.stderr


def test_report_out_lists_the_masked_findings(tmp_path):
    ok("mask", "--lines", "--report-out", tmp_path / "report.jsonl", "-o", tmp_path / "out",
       stdin="연락처 010-1234-5678\n없음\n메일 a@b.com\n".encode())
    report = [json.loads(x) for x in (tmp_path / "report.jsonl").read_text().splitlines()]
    assert [(r["record"], r["line"], r["entity"], r["start"], r["end"], r["rule"]) for r in report] == [
        (1, 1, "phone", 4, 17, "phone.mobile_11"), (3, 3, "email", 3, 10, "email.structural")]
    assert (tmp_path / "out").read_text() == "연락처 [전화번호]\n없음\n메일 [이메일]\n"


# ---------------------------------------------------------------------------------------------
# Bad input: where it is, exit 2, and no output left behind.


@pytest.mark.parametrize("name, data, args, message", [
    ("a.csv", "a,b\n1,\"x\n2,3\n", ["--column", "a"], "a.csv:2:3: the quoted field is not closed before the end of the input"),
    ("a.csv", "a,b\n1,\"x\"y\n", ["--column", "a"], "a.csv:2:6: unexpected 'y' after the closing quote of a field"),
    ("a.csv", "a,b\n1,2,3\n", ["--column", "a"], "a.csv:2: the record has 3 fields, the header has 2"),
    ("a.csv", "a,b\n1,2\n", ["--column", "c"], "a.csv:1: no column 'c' in the header (columns: a, b)"),
    ("a.jsonl", '{"a": "x"}\n[1]\n', ["--field", "a"], "a.jsonl:2:1: a JSONL record must be a JSON object"),
    ("a.jsonl", '{"a": "x"}\n{"a": tru}\n', ["--field", "a"], "a.jsonl:2:7: expected a JSON value"),
    ("a.jsonl", '{"a": "x"} x\n', ["--field", "a"], "a.jsonl:1:12: extra data after the JSON object"),
    ("a.jsonl", '{"a": "x" "b": 1}\n', ["--field", "a"], "a.jsonl:1:11: expected ',' or '}'"),
    ("a.jsonl", '{"a": "x\\q"}\n', ["--field", "a"], "a.jsonl:1:9: Invalid \\escape"),
    ("a.jsonl", '{"a": 12}\n', ["--field", "a"], "a.jsonl:1:7: field 'a' holds a number, not a string"),
    ("a.jsonl", '{"a": {"b": "c"}}\n', ["--field", "a"], "a.jsonl:1:7: field 'a' holds an object, not a string"),
    ("a.jsonl", '{"a": "ok"}\n{"b": 1, "a": "x \\udc00 010-1234-5678"}\n', ["--field", "a"],
     "a.jsonl:2: field 'a': the text holds an unpaired surrogate '\\udc00' (a \\uD800-\\uDFFF escape without its pair)"),
])
def test_bad_input_says_where_and_leaves_no_output(tmp_path, name, data, args, message):
    (tmp_path / name).write_text(data)
    out = tmp_path / "out"
    out.write_text("earlier result")
    done = run("mask", name, *args, "-o", "out", "--report-out", "report", cwd=tmp_path)
    assert (done.returncode, done.stdout, done.stderr.decode()) == (2, b"", f"norvane mask: {message}\n")
    assert sorted(os.listdir(tmp_path)) == [name, "out"]
    assert out.read_text() == "earlier result"


def test_a_missing_input_file_is_an_error(tmp_path):
    done = run("detect", tmp_path / "nope.txt")
    assert (done.returncode, done.stderr.decode()) == (2, f"norvane detect: {tmp_path / 'nope.txt'}: cannot open: "
                                                          "No such file or directory\n")


def test_several_csv_inputs_are_one_stream_with_one_header(tmp_path):
    (tmp_path / "a.csv").write_text("번호,연락처\n1,010-1234-5678\n")
    (tmp_path / "b.csv").write_text("번호,연락처\n2,02-123-4567\n")
    (tmp_path / "c.csv").write_text("번호,메모\n3,x\n")
    done = ok("mask", tmp_path / "a.csv", tmp_path / "b.csv", "--column", "연락처")
    assert done.stdout.decode() == "번호,연락처\n1,[전화번호]\n2,[전화번호]\n"
    done = run("mask", tmp_path / "a.csv", tmp_path / "c.csv", "--column", "연락처")
    assert (done.returncode, done.stderr.decode()) == (
        2, f"norvane mask: {tmp_path / 'c.csv'}:1: the header differs from the first input's header\n")


ENTRY = '{"token": "[[PII:0]]", "original": "010-1234-5678", "entity": "phone"}'


@pytest.mark.parametrize("masked, restore, message", [
    ("[[PII:0]]\n", '{"record": 9, "prefix": "PII", "entries": []}\n',
     "r.jsonl:1: record 9 is not in the masked input (or the maps are out of order)"),
    ("[[PII:0]]\nb\n", '{"record": 1, "prefix": "PII", "entries": [%s]}\n{"record": 1, "prefix": "PII", "entries": []}\n' % ENTRY,
     "r.jsonl:2: record 1 is not in the masked input (or the maps are out of order)"),
    ("a\n연락처 [[PII:7]]\n", '{"record": 2, "prefix": "PII", "entries": [%s]}\n' % ENTRY,
     "in.txt:2: restore token error: 표에 없는 토큰 번호 7"),
    ("[[PII:0]]\n", '{"record": 1, "prefix": "PII", "entries": [{"token": "t", "original": "x", "entity": "phon"}]}\n',
     "r.jsonl:1: restore map JSON 을 읽지 못했다: unknown variant `phon`"),
    ("[[PII:0]]\n", '{"record": 1, "prefix"\n', "r.jsonl:1:23: Expecting ':' delimiter"),
])
def test_unmask_with_bad_restore_maps_says_where(tmp_path, masked, restore, message):
    (tmp_path / "in.txt").write_text(masked)
    (tmp_path / "r.jsonl").write_text(restore)
    done = run("unmask", "in.txt", "--restore", "r.jsonl", "--lines", "-o", "out", cwd=tmp_path)
    assert done.returncode == 2
    assert done.stderr.decode().startswith(f"norvane unmask: {message}")
    assert sorted(os.listdir(tmp_path)) == ["in.txt", "r.jsonl"]


# ---------------------------------------------------------------------------------------------
# Streaming: a file several times larger than the memory the process may use.


def test_a_file_larger_than_the_memory_cap_streams_through(tmp_path):
    record = json.dumps({"id": 0, "memo": "고객 상담: 연락처 010-1234-5678 로 회신 요청. " + "배송 문의 내용 " * 20},
                        ensure_ascii=False) + "\n"
    size = 256 << 20
    big = tmp_path / "big.jsonl"
    with open(big, "w") as stream:
        block = record * 1000
        for _ in range(size // len(block.encode()) + 1):
            stream.write(block)
    cap = 128 << 20   # address space for the whole interpreter: half of the file, of which it may hold little

    def limit():
        resource.setrlimit(resource.RLIMIT_AS, (cap, cap))

    done = run("mask", big, "--field", "memo", "-o", tmp_path / "out.jsonl", preexec_fn=limit)
    assert done.returncode == 0, done.stderr.decode()[-2000:]
    with open(tmp_path / "out.jsonl") as stream:
        first = stream.readline()
    assert json.loads(first)["memo"].startswith("고객 상담: 연락처 [전화번호] 로 회신 요청.")
    assert os.path.getsize(tmp_path / "out.jsonl") == os.path.getsize(big) - (len(record.encode()) - len(
        first.encode())) * (os.path.getsize(big) // len(record.encode()))
    # the same cap is too small to hold the file at all: the run above really streamed
    loaded = subprocess.run([sys.executable, "-c", f"open({str(big)!r}, 'rb').read()"], preexec_fn=limit,
                            capture_output=True)
    assert loaded.returncode != 0 and b"MemoryError" in loaded.stderr
