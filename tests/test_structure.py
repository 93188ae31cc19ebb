"""The structure family of the thorough mode: labels that stand lines away from the value.

Each group is one structure people or systems write (reports, XML, SQL, JSON, delimited tables,
form dumps, dialogues); every case compares the whole outcome under Config.thorough() (kind,
text as written, rule, extensions named in the evidence) and under Config(), which must not
read structure at all. Look-alikes under their own headers stand in the same structures.
"""
import time

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config, Policy, PolicySet, RestoreMap


def found(text, config):
    return [(f.entity, f.text(text), f.evidence.rule, f.evidence.extensions)
            for f in norvane.detect(text, config).findings]


def without_structure():
    c = Config.thorough()
    c.structure = False
    return c


FW = ["context.fixed_width_header"]
REPORTS = [
    # Printed for a terminal: Korean letters take two columns.
    ("회원 목록\n성명    연락처          생년월일    주문번호\n------  --------------  ----------  ------------\n"
     "홍길동  010-1234-5678   1990-01-01  202301010001\n김영희  02-555-0101     1985.03.02  202301010002",
     [("phone", "010-1234-5678", "phone.mobile_11", FW), ("birth_date", "1990-01-01", "birth.yyyymmdd", FW),
      ("phone", "02-555-0101", "phone.seoul", FW), ("birth_date", "1985.03.02", "birth.yyyymmdd", FW)],
     [("phone", "010-1234-5678", "phone.mobile_11", []), ("phone", "02-555-0101", "phone.seoul", [])]),
    # Padded by characters.
    ("NAME  여권번호     DOB\n김    M12345678  1990-01-01\n이    S98765432  1988-12-31",
     [("passport", "M12345678", "passport.shape", FW), ("birth_date", "1990-01-01", "birth.yyyymmdd", FW),
      ("passport", "S98765432", "passport.shape", FW), ("birth_date", "1988-12-31", "birth.yyyymmdd", FW)],
     []),
    # Padded by characters: by terminal width the date would straddle two names; by characters
    # it starts where its name does.
    ("고객명   승인번호  생일\n현은비   94998439  1981.06.14\n나민호   81616324  2013.12.18",
     [("birth_date", "1981.06.14", "birth.yyyymmdd", FW), ("birth_date", "2013.12.18", "birth.yyyymmdd", FW)],
     []),
    # A blank line under the header.
    ("성명    생년월일\n\n홍길동  19900101",
     [("birth_date", "19900101", "birth.yyyymmdd", FW)],
     []),
    # An order number under its own header, beside an amount with commas: nothing personal.
    ("고객명   주문번호          결제금액\n홍길동   2023120112345678  18,220,000",
     [],
     [("credit_card", "2023120112345678", "card.luhn", []), ("phone", "18,220,000", "phone.representative", [])]),
]

MARKUP = [
    # The element's own line names it: the label reading finds it there.
    ("<member>\n  <name>홍길동</name>\n  <hpNo>01012345678</hpNo>\n  <birthYmd>19900101</birthYmd>\n</member>",
     [("phone", "01012345678", "phone.mobile_11", ["context.extra_label", "context.key_words"]),
      ("birth_date", "19900101", "birth.yyyymmdd",
       ["context.extra_label", "context.key_words", "context.compound_label"])],
     [("phone", "01012345678", "phone.mobile_11", [])]),
    # The value on a line of its own inside the element.
    ('<field name="mobileNo">\n  01012345678\n</field>',
     [("phone", "01012345678", "phone.mobile_11", ["context.xml_element"])],
     [("phone", "01012345678", "phone.mobile_11", [])]),
    ("INSERT INTO tb_member (`name`, `hp_no`, `birth_ymd`, `order_no`) VALUES\n"
     "  ('홍길동', '01012345678', '19900101', '2023120112345678'),\n"
     "  ('김영희', '01098765432', '19851231', '2023120112345679');",
     [("phone", "01012345678", "phone.mobile_11", ["context.sql_column"]),
      ("birth_date", "19900101", "birth.yyyymmdd", ["context.sql_column"]),
      ("phone", "01098765432", "phone.mobile_11", ["context.sql_column"]),
      ("birth_date", "19851231", "birth.yyyymmdd", ["context.sql_column"])],
     [("phone", "01012345678", "phone.mobile_11", []), ("credit_card", "2023120112345678", "card.luhn", []),
      ("phone", "01098765432", "phone.mobile_11", [])]),
    # A statement ends at ';': the next one has its own columns.
    ("INSERT INTO a (acct_no) VALUES ('1002345678901');\nINSERT INTO b (order_no) VALUES ('1002345678902');",
     [("bank_account", "1002345678901", "account.length", ["context.log_key"])],
     []),
    ("INSERT INTO a (name, acct_no) VALUES\n('김', '1002345678901'),\n('이', '1002345678903');",
     [("bank_account", "1002345678901", "account.length", ["context.sql_column"]),
      ("bank_account", "1002345678903", "account.length", ["context.sql_column"])],
     [("credit_card", "1002345678903", "card.luhn", [])]),
    ('{"dob":["1990-01-01","1985.03.02"],"acctNo":["110123456789"]}',
     [("birth_date", "1990-01-01", "birth.yyyymmdd", ["context.extra_label"]),
      ("birth_date", "1985.03.02", "birth.yyyymmdd", ["context.json_array_key"]),
      ("bank_account", "110123456789", "account.length", ["context.extra_label", "context.key_words"])],
     []),
    # Arrays are named in the plural.
    ('{"phones": ["01012345678", "0212345678"], "birthdays": ["19900101"]}',
     [("phone", "01012345678", "phone.mobile_11", ["context.json_array_key"]),
      ("phone", "0212345678", "phone.seoul", ["context.json_array_key"]),
      ("birth_date", "19900101", "birth.yyyymmdd", ["context.json_array_key"])],
     [("phone", "01012345678", "phone.mobile_11", []), ("phone", "0212345678", "phone.seoul", [])]),
    # "key": "value", lines are no table rows: a key naming the kind on the line before counts.
    ('{\n  "type": "mobile",\n  "value": "01012345678",\n  "x": 1\n}',
     [("phone", "01012345678", "phone.mobile_11", ["context.label_line"])],
     [("phone", "01012345678", "phone.mobile_11", [])]),
    ('{\n  "refundAccount": [\n    "110123456789",\n    "3333012345678"\n  ]\n}',
     [("bank_account", "110123456789", "account.length", ["context.json_array_key", "context.key_words"]),
      ("bank_account", "3333012345678", "account.length", ["context.json_array_key", "context.key_words"])],
     []),
]

TABLES = [
    # A rule under the header, a quoted cell, an empty cell.
    ('이름,계좌번호,주문번호\n==========\n홍길동,"110-123-456789",2023120112345678\n김영희,,2023120112345679',
     [("bank_account", "110-123-456789", "account.length", ["context.column_header"])],
     [("credit_card", "2023120112345678", "card.luhn", [])]),
    # A blank line under the header.
    ("성명\t생년월일\t결제금액\n\n홍길동\t19900101\t18220000",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.column_header"])],
     [("phone", "18220000", "phone.representative", [])]),
    # Rows written by hand drop their empty last cells.
    ("이름,연락처,주소,비고\n홍,010-1234-5678\n김,010-2222-3333,서울",
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.column_header"]),
      ("phone", "010-2222-3333", "phone.mobile_11", ["context.column_header"])],
     [("phone", "010-1234-5678", "phone.mobile_11", []), ("phone", "010-2222-3333", "phone.mobile_11", [])]),
    # A blank line between two tables: the second one's rows do not read the first one's header.
    ("성명,생년월일\n홍,19900101\n\n성명,주문일\n김,20230101",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.column_header"])],
     []),
]

# A company's line named by a key or a header: not a person's number.
COMPANY = [
    ("helpdesk_tel=02-1234-5678 hotline: 02-555-0101 csTel=02-3456-7890 phone=02-1234-5679",
     [("phone", "02-1234-5679", "phone.seoul", ["context.log_key"])],
     [("phone", "02-1234-5678", "phone.seoul", []), ("phone", "02-555-0101", "phone.seoul", []),
      ("phone", "02-3456-7890", "phone.seoul", []), ("phone", "02-1234-5679", "phone.seoul", [])]),
    ("name,repTel,mobile\n홍,02-1234-5678,010-1234-5678",
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.column_header"])],
     [("phone", "02-1234-5678", "phone.seoul", []), ("phone", "010-1234-5678", "phone.mobile_11", [])]),
]

LINES = [
    ("■ 계좌번호\n110-123-456789\n■ 주문번호\n2023120112345678",
     [("bank_account", "110-123-456789", "account.length", ["context.label_line"])],
     [("bank_account", "110-123-456789", "account.length", []), ("credit_card", "2023120112345678", "card.luhn", [])]),
    ("상담사: 생년월일이 어떻게 되세요?\n고객: 잠시만요\n고객: 19900101 입니다",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.earlier_line"])],
     []),
    ("Agent: What's your date of birth?\nCustomer: Let me check.\nCustomer: 1990-01-01",
     [("birth_date", "1990-01-01", "birth.yyyymmdd", ["context.earlier_line"])],
     []),
    # A chat export stamps each line with the time: the stamp is no number of the question.
    ("[2024-05-01 14:22] 상담사: 생년월일이 어떻게 되세요?\n[2024-05-01 14:23] 고객: 19900101",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.question_line"])],
     []),
    ("2024-05-01 14:22 Agent: What's your date of birth?\n2024-05-01 14:23 Customer: 1990-01-01",
     [("birth_date", "1990-01-01", "birth.yyyymmdd", ["context.question_line"])],
     []),
    # A question names what the answer is, look-alikes too; a remark names nothing, and a short
    # sentence is no label.
    ("주문번호 알려주시겠어요?\n고객: 2023120112345678\nWhat is your order number?\n2023120112345679",
     [],
     [("credit_card", "2023120112345678", "card.luhn", [])]),
    ("주문번호 확인했습니다.\n010-1234-5678",
     [("phone", "010-1234-5678", "phone.mobile_11", [])],
     [("phone", "010-1234-5678", "phone.mobile_11", [])]),
    ("[생년월일 (8자리)]\n19900101",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.label_line"])],
     []),
    # A number first on the line is no stamp: its line names its own value, not the next one.
    ("010-1234-5678 (휴대폰)\n19900101",
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.trailing_label"])],
     [("phone", "010-1234-5678", "phone.mobile_11", [])]),
    # The nearer line names the value: the earlier one is not read.
    ("생년월일\n연락처\n01012345678",
     [("phone", "01012345678", "phone.mobile_11", ["context.label_line"])],
     [("phone", "01012345678", "phone.mobile_11", [])]),
    # A line with a number of its own is no remark: the question two lines up is not read.
    ("생년월일이 어떻게 되세요?\n주문 12345678 건이요\n19900101",
     [],
     []),
]


@pytest.mark.parametrize("text,thorough,default", REPORTS + MARKUP + TABLES + COMPANY + LINES)
def test_structure_readings_whole_outcome(text, thorough, default):
    assert found(text, Config.thorough()) == thorough
    assert found(text, Config()) == default


def test_without_the_structure_family_no_structure_reading_shows():
    for text, _, _ in REPORTS + MARKUP + TABLES + COMPANY + LINES:
        for f in norvane.detect(text, without_structure()).findings:
            assert not {"context.fixed_width_header", "context.xml_element", "context.sql_column",
                        "context.json_array_key", "context.label_line", "context.earlier_line",
                        "context.column_header", "context.previous_line",
                        "context.question_line"} & set(f.evidence.extensions)


def test_report_fields_two_spaces_apart_stay_apart_only_under_structure():
    text = "7487253566     1974.01.15"
    assert [f.entity for f in norvane.detect(text, without_structure()).findings] == ["credit_card"]
    assert norvane.normalize(text, Config.thorough()).text == "7487253566     19740115"
    assert norvane.normalize(text).text == "748725356619740115"
    assert found(text, Config.thorough()) == [("business_registration", "7487253566", "business.10", [])]


HOSTILE = [
    "[" * 50_000 + '"010-1234-5678"',
    '"a":[' + '"1",' * 20_000 + '"010-1234-5678"]',
    "INSERT INTO t (a) VALUES " + "(" * 30_000 + "'010-1234-5678'",
    "VALUES (" * 10_000 + "'01012345678'",
    "(" + "'x', " * 20_000 + "'01012345678')",
    "<" * 40_000 + ">01012345678",
    "연락처  " * 20_000 + "\n" + "  01012345678" * 2_000,
    ("a  b  c\n" + "1234  5678  01012345678\n" * 5_000),
    ("연락처,생년월일\n" + "01012345678,19900101\n" * 5_000),
    "\n".join(["잠시만요"] * 20_000 + ["01012345678"]),
    "x" * 600 + "\n" + "y" * 600 + " 01012345678 " + "z" * 600,
]


@pytest.mark.parametrize("text", HOSTILE, ids=range(len(HOSTILE)))
def test_hostile_structures_end_with_exact_spans(text):
    t0 = time.perf_counter()
    report = norvane.detect(text, Config.thorough())
    assert time.perf_counter() - t0 < 30  # a hang guard, not a timing
    for f in report.findings:
        assert f.text(text) == text[f.source.char_start:f.source.char_end]


FRAGMENTS = [
    "INSERT INTO t (name, hp_no, birth) VALUES\n", "INSERT INTO t VALUES ", "('", "', '", "'),\n", "');\n",
    '"phones": [\n', '["', '", "', '"],', "  ", "\n", "<hpNo>", "</hpNo>", '<field name="dob">', ">", "<",
    "성명    연락처    생년월일\n", "------  ------\n", "====\n", "잠시만요\n", "생년월일이 어떻게 되세요?\n",
    "■ 계좌번호\n", "이름,연락처\n", "\t", ",", "|", '"', "'", "(", ")", ";", "[", "]", "{", "}",
    "010-1234-5678", "01012345678", "19900101", "1990-01-01", "110-123-456789", "M12345678", "18,220,000",
    "2023120112345678", "홍길동", "Passport No", "😀",
]
texts = st.lists(st.one_of(st.sampled_from(FRAGMENTS), st.text(max_size=4)), max_size=24).map("".join)
SETTINGS = settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])


@SETTINGS
@given(texts)
def test_structured_text_spans_exact_and_masks_round_trip(text):
    config = Config.thorough()
    report = norvane.detect(text, config)
    for f in report.findings:
        assert f.text(text) == f.source.slice(text) == text[f.source.char_start:f.source.char_end]
        assert f.normalized.slice(report.normalized_text) == \
            report.normalized_text[f.normalized.char_start:f.normalized.char_end]
    out = norvane.mask(text, PolicySet(Policy.tokenize()), config)
    assert norvane.unmask(out.text, out.restore) == text
    assert norvane.unmask(out.text, RestoreMap.from_json(out.restore.to_json())) == text
    # The same text read again after others gives the same outcome: nothing is kept between calls.
    norvane.detect(text[::-1], config)
    assert norvane.detect(text, config).to_json() == report.to_json()
