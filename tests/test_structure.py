"""The structure family of the thorough mode: labels that stand lines away from the value.

Each group is one structure people or systems write (reports, XML, SQL, JSON, delimited tables,
HTML tables, headers over two lines, form dumps, dialogues, semicolon exports, messenger exports
and call transcripts, database dumps); every case compares the whole outcome under Config.thorough() (kind,
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
     [("bank_account", "1002345678901", "account.length", ["context.sql_column"])],
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
    # Numbers of things under their own names (a device, an order, a waybill) pass the card check
    # by chance: their names veto them.
    ("성명|기기번호|주문No\n홍길동|4196639341713049|2019083189088804",
     [],
     [("credit_card", "4196639341713049", "card.luhn", [])]),
    ("waybill: 2287032232424\nordNo: 2024030327299975",
     [],
     [("credit_card", "2287032232424", "card.luhn", []), ("credit_card", "2024030327299975", "card.luhn", [])]),
    # A blank line between two tables: the second one's rows do not read the first one's header.
    ("성명,생년월일\n홍,19900101\n\n성명,주문일\n김,20230101",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.column_header"])],
     []),
]

HT = ["context.html_header"]
HTML = [
    # A header row of <th> over rows of <td>; the order number under its own header.
    ("<table>\n<tr><th>이름</th><th>연락처</th><th>계좌번호</th><th>주문번호</th></tr>\n"
     "<tr><td>홍길동</td><td>01023456789</td><td>110-234-567890</td><td>2023120112345678</td></tr>\n</table>",
     [("phone", "01023456789", "phone.mobile_11", HT), ("bank_account", "110-234-567890", "account.length", HT)],
     [("phone", "01023456789", "phone.mobile_11", []), ("credit_card", "2023120112345678", "card.luhn", [])]),
    # A whole table on one line: the header cells on that line name other columns, so the
    # labels of other rows are not read; the column's own header is.
    ("<table><thead><tr><th>성명</th><th>생년월일</th><th>휴대폰</th></tr></thead><tbody><tr><td>홍길동</td>"
     "<td>1988-03-12</td><td>010 2345 6789</td></tr></tbody></table>",
     [("birth_date", "1988-03-12", "birth.yyyymmdd", HT), ("phone", "010 2345 6789", "phone.mobile_11", HT)],
     []),
    # A header row of bold <td> cells: the first row, without numbers.
    ("<table>\n  <tr><td><b>고객명</b></td><td><b>여권번호</b></td></tr>\n  <tr><td>홍길동</td><td>M12345678</td></tr>\n</table>",
     [("passport", "M12345678", "passport.shape", HT)],
     []),
    # A form laid out as a table, one cell to a line: the row's own <th> names the value, and a
    # corporation's registration number under its name is not a resident number.
    ("<table>\n  <tr>\n    <th>법인등록번호</th>\n    <td>110111-0012345</td>\n  </tr>\n  <tr>\n"
     "    <th>생년월일</th>\n    <td>1988-03-12</td>\n  </tr>\n</table>",
     [("birth_date", "1988-03-12", "birth.yyyymmdd", HT)],
     []),
    # The tags between a label cell and its value are no distance.
    ("<tr><th>법인번호</th><td>200111-9286167</td></tr>",
     [],
     [("resident", "200111-9286167", "resident.korean_13", [])]),
    ("<table><tr><th>이름</th><th>은행</th><th>계좌</th></tr><tr><td>홍길동</td><td>카카오뱅크</td>"
     "<td>558-56-489847</td></tr></table>",
     [("bank_account", "558-56-489847", "account.length", ["context.bank_name"])],
     []),
]

CH = ["context.column_header"]
TWO_LINE_HEADERS = [
    # Groups over the column names (merged cells); the bank in the column before the account, a
    # cell of its own in a CSV row as in a TSV one: the header past it is read too.
    ("고객명,연락처,환불,환불\n,,은행,계좌번호\n홍길동,010-2345-6789,국민,123456-01-234567",
     [("phone", "010-2345-6789", "phone.mobile_11", CH),
      ("bank_account", "123456-01-234567", "account.length",
       ["context.bank_name", "context.column_header", "context.header_past_other_cells"])],
     [("bank_account", "010-2345-6789", "account.length", [])]),
    # A name wrapped in its cell.
    ("이름\t운전면허증\t휴대폰\n\t번호\t\n홍길동\t11-12-345678-90\t01023456789",
     [("driver_license", "11-12-345678-90", "license.12", CH), ("phone", "01023456789", "phone.mobile_11", CH)],
     [("phone", "01023456789", "phone.mobile_11", [])]),
    # Groups over the names, a rule under them.
    ("고객정보,,환불정보\n성명,생년월일,계좌\n==========\n홍길동,19880312,110234567890",
     [("birth_date", "19880312", "birth.yyyymmdd", CH), ("bank_account", "110234567890", "account.length", CH)],
     []),
]

# A label after a value belongs to it only within its own field: the next cell, pair or report
# field names the next value; a bank's short name ending a place name (해운대구) is no bank.
OWN_FIELD = [
    ('이름,주소,연락처,메모\n김영희,"부산시, 해운대구",01098765432,"생일 1990-01-13"',
     [("phone", "01098765432", "phone.mobile_11", CH),
      ("birth_date", "1990-01-13", "birth.yyyymmdd", ["context.letter_distance"])],
     [("phone", "01098765432", "phone.mobile_11", [])]),
    ("이름    여권번호     은행\n홍정희    O51055216    신협",
     [("passport", "O51055216", "passport.shape", FW)],
     []),
    ("면허 번호: 15-59-525262-26, 법인번호: 131111-0982213, 입금계좌번호: 110-234-567890",
     [("driver_license", "15-59-525262-26", "license.12", ["context.extra_label"]),
      ("bank_account", "110-234-567890", "account.length",
       ["context.letter_distance", "context.extra_label", "context.compound_label"])],
     [("bank_account", "131111-0982213", "account.length", []),
      ("bank_account", "110-234-567890", "account.length", [])]),
    ("jurirno=1101110012345 rrn=880312-1234567",
     [("resident", "880312-1234567", "resident.korean_13", ["context.log_key"])],
     [("resident", "880312-1234567", "resident.korean_13", [])]),
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
    # A signature: the sender's mobile, the company's fax.
    ("홍길동 매니저\nM. 010-2345-6789\nF. 02-555-1234",
     [("phone", "010-2345-6789", "phone.mobile_11", ["context.extra_label"])],
     [("phone", "010-2345-6789", "phone.mobile_11", []), ("phone", "02-555-1234", "phone.seoul", [])]),
]

LINES = [
    ("■ 계좌번호\n110-123-456789\n■ 주문번호\n2023120112345678",
     [("bank_account", "110-123-456789", "account.length", ["context.label_line"])],
     [("bank_account", "110-123-456789", "account.length", []), ("credit_card", "2023120112345678", "card.luhn", [])]),
    ("상담사: 생년월일이 어떻게 되세요?\n고객: 잠시만요\n고객: 19900101 입니다",
     [("birth_date", "19900101", "birth.yyyymmdd", ["context.earlier_question"])],
     []),
    ("Agent: What's your date of birth?\nCustomer: Let me check.\nCustomer: 1990-01-01",
     [("birth_date", "1990-01-01", "birth.yyyymmdd", ["context.earlier_question"])],
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
    # Two remarks between the question and the answer, each after a chat time stamp; three are
    # too many.
    ("[14:22] 상담사: 환불받으실 계좌번호 알려주시겠어요?\n[14:23] 고객: 잠시만요\n[14:23] 고객: 어디 적어놨는데..\n"
     "[14:24] 고객: 110-234-567890 입니다",
     [("bank_account", "110-234-567890", "account.length", ["context.earlier_question"])],
     []),
    ("상담사: 생년월일이 어떻게 되세요?\n고객: 잠시만요\n고객: 어디 보자\n고객: 지금 찾는 중\n고객: 19900101",
     [],
     []),
    # A request asks as a question does; a remark two lines up names the value too; a question
    # asked before remarks vetoes a look-alike or a company's line as one on the line before does.
    ("상담사: 환불 계좌번호 불러주세요.\n고객: 잠시만요\n고객: 어디 보자\n고객: 110-234-567890",
     [("bank_account", "110-234-567890", "account.length", ["context.earlier_question"])],
     []),
    ("상담사: 환불 계좌번호 확인할게요\n고객: 잠시만요\n고객: 110-234-567890",
     [("bank_account", "110-234-567890", "account.length", ["context.earlier_line"])],
     []),
    ("Agent: 고객센터 번호가 뭐였죠?\nCustomer: 잠시만요\nCustomer: 02-3708-4227요",
     [],
     [("phone", "02-3708-4227", "phone.seoul", [])]),
    # Under a two-line header the lower line names the column; its group over it is read only
    # when the lower names nothing.
    ("고객명|연락처 정보||주민등록번호\n|휴대폰|대표번호|\n홍길동|010-2345-6789|1588-9514|880312-1234567",
     [("phone", "010-2345-6789", "phone.mobile_11", ["context.column_header"]),
      ("resident", "880312-1234567", "resident.korean_13", ["context.column_header"])],
     [("phone", "1588-9514", "phone.representative", []), ("resident", "880312-1234567", "resident.korean_13", [])]),
    # A person's name beginning like a bank (국민수) is no bank before the next cell.
    ("성명\t외국인등록번호\t고객센터\n\n국민수\t\t02-8347-0978",
     [],
     []),
]


EK = ["context.enclosing_key"]
# The kind named by the key of a block around the value, once or twice up (YAML, JSON), or by a
# key before the last of a key path (logs, query strings, multipart forms).
ENCLOSING = [
    ("customer:\n  name: 홍길동\n  telephone:\n    primary: 010-2345-6789\n  birth:\n    solar:\n"
     "      date: 1990-01-13\n",
     [("phone", "010-2345-6789", "phone.mobile_11", EK), ("birth_date", "1990-01-13", "birth.yyyymmdd", EK)],
     [("phone", "010-2345-6789", "phone.mobile_11", [])]),
    # A record's weak look-alike word (member) over the whole record vetoes nothing.
    ('{\n  "member": {\n    "cellphone": {\n      "home": "02-555-0101",\n      "work": "010-8765-4321"\n'
     '    },\n    "refundAccount": {"bank": "신한", "number": "110-234-567890"}\n  }\n}',
     [("phone", "02-555-0101", "phone.seoul", []), ("phone", "010-8765-4321", "phone.mobile_11", []),
      ("bank_account", "110-234-567890", "account.length",
       ["context.bank_name", "context.enclosing_key", "context.key_words"])],
     [("phone", "02-555-0101", "phone.seoul", []), ("phone", "010-8765-4321", "phone.mobile_11", [])]),
    ('{"user":{"name":"김영희","passportInfo":{"current":{"id":"M12345678","expiry":"2031-05-01"}}}}',
     [("passport", "M12345678", "passport.shape", ["context.enclosing_key", "context.key_words"])],
     []),
    ("2024-03-01T10:22:01 INFO kyc.verify user.name=홍길동 user.birth.ymd=19900113 user.card.id=4023-3077-5067-4966",
     [("birth_date", "19900113", "birth.yyyymmdd", ["context.extra_label", "context.compound_label"]),
      ("credit_card", "4023-3077-5067-4966", "card.luhn", EK)],
     [("credit_card", "4023-3077-5067-4966", "card.luhn", [])]),
    ("POST /claims/new?patient[name]=김영희&patient[telephone][home]=031-555-0192"
     "&patient[licence][no]=11-23-456789-01 HTTP/1.1",
     [("phone", "031-555-0192", "phone.landline", ["context.extra_label", "context.compound_label"]),
      ("driver_license", "11-23-456789-01", "license.12", ["context.extra_label", "context.compound_label"])],
     [("phone", "031-555-0192", "phone.landline", [])]),
]

# Blocks and key paths of a company or an order: their lines and registration numbers are no
# person's; the company's business number and a mobile in it still are found.
OWNED_BLOCKS = [
    ("order:\n  company:\n    name: (주)한빛상사\n    tel: 02-3708-4227\n    regNo: 110111-1234567\n"
     "    bizNo: 123-45-67890\n    mobile: 010-2345-6789\n",
     [("business_registration", "123-45-67890", "business.10", ["context.log_key"]),
      ("phone", "010-2345-6789", "phone.mobile_11", ["context.extra_label"])],
     [("phone", "02-3708-4227", "phone.seoul", []), ("phone", "010-2345-6789", "phone.mobile_11", [])]),
    ('{"merchant": {"name": "새솔", "phone": "1588-9514", "number": "131111-3795043"}, '
     '"receipt": {"number": "2020012544859480"}}',
     [],
     [("phone", "1588-9514", "phone.representative", []), ("resident", "131111-3795043", "resident.korean_13", [])]),
    ("2025-01-02T03:04:05 WARN refund.request customer.corp.contact=02-6006-0087 "
     "customer.vendor[등록번호]=160111-2809379 customer.phone=010-2345-6789",
     [("phone", "010-2345-6789", "phone.mobile_11", ["context.log_key"])],
     [("phone", "02-6006-0087", "phone.seoul", []), ("resident", "160111-2809379", "resident.korean_13", []),
      ("phone", "010-2345-6789", "phone.mobile_11", [])]),
    # A multipart form: the field's name on the line over its value, with its path.
    ('--XyZ\nContent-Disposition: form-data; name="user[company][contact]"\n\n02-3893-4163\n--XyZ\n'
     'Content-Disposition: form-data; name="ordNo"\n\n20211005-4583797\n--XyZ--',
     [],
     [("phone", "02-3893-4163", "phone.seoul", []), ("credit_card", "20211005-4583797", "card.luhn", [])]),
]

# HTML headers over two rows with merged cells (colspan over a group, rowspan down both rows),
# and a name cell merged down two rows of values.
MERGED_CELLS = [
    ('<table>\n<tr><th rowspan="2">성명</th><th colspan="2">연락처 정보</th><th rowspan="2">주문번호</th></tr>\n'
     "<tr><th>휴대폰</th><th>대표번호</th></tr>\n"
     '<tr><td rowspan="2">홍길동</td><td>010-2345-6789</td><td>1588-9514</td><td>2023120112345678</td></tr>\n'
     "<tr><td>010-8765-4321</td><td>02-3708-4227</td><td>2023120112345679</td></tr>\n</table>",
     [("phone", "010-2345-6789", "phone.mobile_11", HT), ("phone", "010-8765-4321", "phone.mobile_11", HT)],
     [("phone", "010-2345-6789", "phone.mobile_11", []), ("phone", "1588-9514", "phone.representative", []),
      ("credit_card", "2023120112345678", "card.luhn", []), ("phone", "010-8765-4321", "phone.mobile_11", []),
      ("phone", "02-3708-4227", "phone.seoul", [])]),
    ('<table><tr><th>성명</th><th colspan="2">생년월일 / 여권</th></tr>'
     "<tr><td>김영희</td><td>1988-12-31</td><td>M12345678</td></tr></table>",
     [("birth_date", "1988-12-31", "birth.yyyymmdd", HT), ("passport", "M12345678", "passport.shape", HT)],
     []),
]

RL = ["context.row_label"]
# A sheet or report turned sideways: the first cell names the row, people stand in columns.
ROW_LABELS = [
    ("구분\t본인\t배우자\n성명\t홍길동\t김영희\n연락처\t010-2345-6789\t010-8765-4321\n"
     "송장번호\t6630758938227\t3505460761971\n",
     [("phone", "010-2345-6789", "phone.mobile_11", ["context.letter_distance"]),
      ("phone", "010-8765-4321", "phone.mobile_11", RL)],
     [("phone", "010-2345-6789", "phone.mobile_11", []), ("credit_card", "6630758938227", "card.luhn", []),
      ("credit_card", "3505460761971", "card.luhn", [])]),
    ("항목        신청인          보호자\n성명        홍길동          김영희\n"
     "생년월일    1990-01-13      1962.05.04\n고객번호    9786453527      4026585368\n",
     [("birth_date", "1990-01-13", "birth.yyyymmdd", ["context.letter_distance"]),
      ("birth_date", "1962.05.04", "birth.yyyymmdd", RL)],
     [("business_registration", "4026585368", "business.10", [])]),
    ("Field | Applicant | Guardian\n여권 번호 | M66201295 | R29635622\n",
     [("passport", "M66201295", "passport.shape", ["context.letter_distance"] + RL),
      ("passport", "R29635622", "passport.shape", RL)],
     []),
]

# Exports of a locale whose decimal mark is the comma: cells parted by semicolons, amounts and
# dates written the local way under their own headers. Semicolons followed by spaces are prose.
SEMICOLON_EXPORTS = [
    ("sep=;\n이름;연락처;생년월일;환불계좌;결제금액;주문일\n"
     "홍길동;010-2345-6789;1990-01-13;110234567890;\"12.345,00\";01.05.2024\n"
     "김영희;01087654321;19851102;35601234567;1.200,50;02.05.2024\n",
     [("phone", "010-2345-6789", "phone.mobile_11", CH), ("birth_date", "1990-01-13", "birth.yyyymmdd", CH),
      ("bank_account", "110234567890", "account.length", CH), ("phone", "01087654321", "phone.mobile_11", CH),
      ("birth_date", "19851102", "birth.yyyymmdd", CH), ("bank_account", "35601234567", "account.length", CH)],
     [("phone", "010-2345-6789", "phone.mobile_11", []), ("phone", "01087654321", "phone.mobile_11", [])]),
    ('"고객명";"여권번호";"주문번호";"사업자번호"\n"홍길동";"M12345678";"2023120112345678";"1234567891"\n',
     [("passport", "M12345678", "passport.shape", CH),
      ("business_registration", "1234567891", "business.10", CH)],
     [("credit_card", "2023120112345678", "card.luhn", []),
      ("business_registration", "1234567891", "business.10", [])]),
    ("연락처는 바뀌었어요; 예전 번호 01012345678 말고요; 새 번호는 문자로 드릴게요\n",
     [("phone", "01012345678", "phone.mobile_11", ["context.letter_distance", "context.compound_label"])],
     [("phone", "01012345678", "phone.mobile_11", [])]),
]

# Conversations saved by a messenger or transcribed from a call: who and when before every
# message, the answer a message or two after the question or request (보내줘 asks as ? does, and
# a look-alike asked for so is not reported). The stamps themselves are no values.
MESSAGES = [
    ("[김철수] [오후 3:12] 환불받을 계좌번호 알려줘\n[홍길동] [오후 3:13] 110234567890\n"
     "[김철수] [오후 3:15] 주문번호는?\n[홍길동] [오후 3:15] 20240501123456\n",
     [("bank_account", "110234567890", "account.length", ["context.question_line"])],
     []),
    ("2024년 5월 1일 오후 3:13, 김철수 : 생년월일 알려줘\n2024년 5월 1일 오후 3:14, 홍길동 : 900113\n"
     "2024년 5월 1일 오후 3:15, 김철수 : 송장번호 보내줘\n2024년 5월 1일 오후 3:15, 홍길동 : 612345678901\n",
     [("birth_date", "900113", "birth.yymmdd", ["context.question_line"])],
     []),
    ("2024. 5. 1. 오후 3:12, 김철수 : 여권번호 보내줘\n2024. 5. 1. 오후 3:13, 홍길동 : 잠깐만\n"
     "2024. 5. 1. 오후 3:14, 홍길동 : M12345678\n",
     [("passport", "M12345678", "passport.shape", ["context.earlier_question"])],
     []),
    # Look-alikes asked for by a request: a serial number that passes Luhn, a corporation's number.
    ("[김철수] [오후 12:11] 시리얼 번호 보내줘\n[홍길동] [오후 12:14] 8207-8975-2117-0723\n"
     "[김철수] [오후 12:15] 법인번호 알려줘\n[홍길동] [오후 12:15] 280111-8620154\n",
     [],
     [("credit_card", "8207-8975-2117-0723", "card.luhn", [])]),
    # Turns as rows of tabs with no header over them.
    ("00:00:51\tAgent\t운전면허번호가 어떻게 되세요?\n00:01:02\tCaller\t11-88-030216-46 이에요\n"
     "00:01:12\tAgent\t주문번호 알려주시겠어요?\n00:01:22\tCaller\t2023050113127942\n",
     [("driver_license", "11-88-030216-46", "license.12", ["context.question_line"])],
     [("credit_card", "2023050113127942", "card.luhn", [])]),
    ("상담원 (00:00:15): 환불받으실 계좌번호 말씀해 주시겠어요?\n고객 (00:00:22): 110-234-567890\n"
     "상담원 (00:00:30): 승인번호도 불러주세요.\n고객 (00:00:36): 30012345\n",
     [("bank_account", "110-234-567890", "account.length", ["context.question_line"])],
     []),
]

SQL = ["context.sql_column"]
# Inserts of a database dump (no column list: the CREATE TABLE before names the columns) and
# rows inserted on one line; a column list on the value's line names each value by its column.
DUMPS = [
    ("CREATE TABLE `member` (\n  `id` int NOT NULL AUTO_INCREMENT,\n  `amount` decimal(12,2) DEFAULT NULL,\n"
     "  `memo` varchar(50) COMMENT '비고, 메모',\n  `hp_no` varchar(20) DEFAULT NULL,\n"
     "  `birth_ymd` char(8) DEFAULT NULL,\n  `order_no` varchar(20) DEFAULT NULL,\n  PRIMARY KEY (`id`)\n"
     ") ENGINE=InnoDB;\nINSERT INTO `member` VALUES (1,12000.00,'a, b','01012345678','19900113',"
     "'2023120112345678'),(2,500.00,'c','01098765432','19851102','2023120112345679');\n",
     [("phone", "01012345678", "phone.mobile_11", SQL), ("birth_date", "19900113", "birth.yyyymmdd", SQL),
      ("phone", "01098765432", "phone.mobile_11", SQL), ("birth_date", "19851102", "birth.yyyymmdd", SQL)],
     [("phone", "01012345678", "phone.mobile_11", []), ("credit_card", "2023120112345678", "card.luhn", []),
      ("phone", "01098765432", "phone.mobile_11", [])]),
    # Another table's definition names none of this insert's columns.
    ("CREATE TABLE `orders` (\n  `id` int,\n  `birth_ymd` char(8)\n);\nINSERT INTO `member` VALUES (1,'19900113');\n",
     [],
     []),
    ("INSERT INTO t (id, hp_no, birth_ymd, order_no) VALUES (1, '01012345678', '19900113', "
     "'2023120112345678'), (2, '01098765432', '19851102', '2023120112345679');\n",
     [("phone", "01012345678", "phone.mobile_11", SQL), ("birth_date", "19900113", "birth.yyyymmdd", SQL),
      ("phone", "01098765432", "phone.mobile_11", SQL), ("birth_date", "19851102", "birth.yyyymmdd", SQL)],
     [("phone", "01012345678", "phone.mobile_11", []), ("credit_card", "2023120112345678", "card.luhn", []),
      ("phone", "01098765432", "phone.mobile_11", [])]),
]

# A phone key whose first word names a company, a shop or a branch is theirs, as under a block
# of that name: a person's mobile key beside it is still read. Standard terms' column names
# (ACNT_NO, BRTHDY, IHIDNUM) label their values.
FLAT_KEYS = [
    ("store_tel=02-555-6666\nsupport_phone: 1588-1234\ncompany_phone = 02-1234-5678\nbranch.tel: 051-222-3333\n"
     "owner_mobile: 010-1234-5678\nshopPhone: 031-987-6543\n",
     [("phone", "010-1234-5678", "phone.mobile_11", ["context.extra_label"])],
     [("phone", "02-555-6666", "phone.seoul", []), ("phone", "1588-1234", "phone.representative", []),
      ("phone", "02-1234-5678", "phone.seoul", []), ("phone", "051-222-3333", "phone.landline", []),
      ("phone", "010-1234-5678", "phone.mobile_11", []), ("phone", "031-987-6543", "phone.landline", [])]),
    ("user_name,storeTel,managerHp\n홍길동,02-555-6666,010-2345-6789\n",
     [("phone", "010-2345-6789", "phone.mobile_11", ["context.column_header", "context.key_words"])],
     [("phone", "02-555-6666", "phone.seoul", []), ("phone", "010-2345-6789", "phone.mobile_11", [])]),
    ("성명\t지점 연락처\tA/S 센터\t휴대폰\n홍길동\t02-555-6666\t02-777-8888\t010-2345-6789\n",
     [("phone", "010-2345-6789", "phone.mobile_11", CH)],
     [("phone", "02-555-6666", "phone.seoul", []), ("phone", "02-777-8888", "phone.seoul", []),
      ("phone", "010-2345-6789", "phone.mobile_11", [])]),
    ('{"cust_nm":"홍길동","acnt":"110234567890","brthdy":"19900113","ihidnum":"9001011234568"}\n',
     [("bank_account", "110234567890", "account.length", ["context.log_key"]),
      ("birth_date", "19900113", "birth.yyyymmdd", ["context.log_key"]),
      ("resident", "9001011234568", "resident.korean_13", ["context.log_key"])],
     [("resident", "9001011234568", "resident.korean_13", [])]),
]

CP = ["context.sql_copy_column"]
# PostgreSQL's dumps: the rows of a COPY ... FROM stdin block take their columns from its list,
# or from the table's CREATE TABLE; after the block's \. a table's rows are on their own again.
COPY_BLOCKS = [
    ("COPY public.customers (id, name, hp, jumin_no, gyejwa, birthday) FROM stdin;\n"
     "1\t홍길동\t01012345678\t9001011234568\t110123456789\t19900101\n"
     "2\t김철수\t\\N\t8512022345671\t123456-01-234567\t1985-12-02\n\\.\n",
     [("phone", "01012345678", "phone.mobile_11", CP), ("resident", "9001011234568", "resident.korean_13", CP),
      ("bank_account", "110123456789", "account.length", CP), ("birth_date", "19900101", "birth.yyyymmdd", CP),
      ("resident", "8512022345671", "resident.recent", ["resident.recent"] + CP),
      ("bank_account", "123456-01-234567", "account.length", CP),
      ("birth_date", "1985-12-02", "birth.yyyymmdd", CP)],
     [("phone", "01012345678", "phone.mobile_11", []), ("resident", "9001011234568", "resident.korean_13", [])]),
    ("CREATE TABLE public.member (\n    id integer NOT NULL,\n    order_no character varying(20),\n"
     "    acct_no text,\n    birth_ymd character(8)\n);\n\nCOPY public.member FROM stdin;\n"
     "1\t2023120112345678\t110123456789\t19900113\n\\.\n",
     [("bank_account", "110123456789", "account.length", CP), ("birth_date", "19900113", "birth.yyyymmdd", CP)],
     [("credit_card", "2023120112345678", "card.luhn", [])]),
    ("COPY member (id, order_no, birth_ymd) FROM stdin;\n1\t202312011234\t19900113\n\\.\n\n"
     "id\tx\ty\n1\t202312011234\t19900113\n",
     [("birth_date", "19900113", "birth.yyyymmdd", CP)],
     []),
]
# Bank statements: the account above the table, the other party's account in its own column or
# in the description after its holder; a card payment's approval number there stays unreported.
STATEMENTS = [
    ("거래일시\t받는분통장표시\t출금액\t입금액\t잔액\n2026-01-02 10:15:00\t홍길동 123456-01-234567\t50,000\t\t1,200,000\n"
     "2026-01-03 09:00:00\t체크카드 35843057\t12,000\t\t1,188,000\n",
     [("bank_account", "123456-01-234567", "account.length", CH)],
     [("business_registration", "2026-01-02 10", "business.10", []),
      ("business_registration", "35843057\t12", "business.10", [])]),
    ("거래내역 조회\n조회계좌번호: 신한 110-123-456789\n예금주: 홍길동\n\n"
     "거래일자,내용,출금액,입금액,잔액,상대계좌번호,상대은행\n2026.01.02,김철수,50000,0,1200000,3333-01-2345678,카카오뱅크\n"
     "2026.01.03,타행이체 국민 123456-01-234567 이영희,30000,0,1170000,,\n",
     [("bank_account", "110-123-456789", "account.length", ["context.bank_name", "context.letter_distance"]),
      ("bank_account", "3333-01-2345678", "account.length", CH),
      ("bank_account", "123456-01-234567", "account.length",
       ["context.bank_name", "context.letter_distance", "context.extra_label"])],
     [("bank_account", "110-123-456789", "account.length", []),
      ("credit_card", "50000,0,1200000", "card.luhn", [])]),
]
# The description column under a header that names no kind (적요, 메모, 내용), read as the other
# party's account only in a statement's table (a balance, money out or in): in a CSV, under a
# period line of fewer cells, in a report whose field starts with the name; not in another table.
SM = ["context.statement_memo"]
STATEMENTS += [
    ("거래일시,적요,출금,입금,잔액\n2026-01-02 10:15:00,홍길동 110-123-456789,50000,,1200000\n"
     "2026-01-03 09:00:00,ATM출금,30000,,1170000\n",
     [("bank_account", "110-123-456789", "account.length", SM)],
     [("business_registration", "2026-01-02 10", "business.10", [])]),
    ("입출금 거래내역\n거래기간\t2026.01.01 ~ 2026.01.31\n거래일\t메모\t출금\t입금(원)\t거래 후 잔액\n"
     "2026-01-02\t김영희 3333-01-2345678\t\t89,000\t1,289,000\n",
     [("bank_account", "3333-01-2345678", "account.length", SM)],
     []),
    ("거래일자              내용                          출금       잔액\n" + "-" * 62 + "\n"
     "2026/01/02            이철수 123456-01-234567       50,000     1,200,000\n",
     [("bank_account", "123456-01-234567", "account.length", SM)],
     []),
    ("날짜,내용,금액\n2026-01-02,홍길동 110-123-456789,50000\n", [], []),
]

# Certificates and registers pasted as text: cells parted by two spaces, not padded, so a wider
# relation (배우자) shifts its row; a row with as many cells as the header is read by index
# (where position names another header). A date of moving in (전입일) stays unreported; a
# padded report with an empty cell (fewer cells than the header) is still read by position.
FC = ["context.fixed_width_cell"]
CERTIFICATES = [
    ("가족관계증명서\n구분  성 명  출생연월일  주민등록번호  성별  본\n"
     "본인  김민수  1985년 03월 12일  850312-1******  남  金海\n"
     "배우자  이서연  1987년 11월 02일  871102-2******  여  全州\n"
     "자녀  김하준  2015년 07월 21일  150721-3******  남  金海\n",
     [("birth_date", "1985년 03월 12일", "birth.korean_date", ["birth.korean_date"] + FC),
      ("resident", "850312-1******", "resident.korean_13", FC),
      ("birth_date", "1987년 11월 02일", "birth.korean_date", ["birth.korean_date"] + FW),
      ("resident", "871102-2******", "resident.korean_13", FC),
      ("birth_date", "2015년 07월 21일", "birth.korean_date", ["birth.korean_date"] + FC),
      ("resident", "150721-3******", "resident.korean_13", FC)],
     [("resident", "850312-1******", "resident.korean_13", []),
      ("resident", "871102-2******", "resident.korean_13", []),
      ("resident", "150721-3******", "resident.korean_13", [])]),
    ("주민등록표 등본\n세대주 관계  성 명  주민등록번호  전입일  변동사유\n"
     "본인  박지훈  820415-1234567  2019년 03월 02일  전입\n"
     "배우자  최유나  840921-2345678  2019년 03월 02일  세대합가\n",
     [("resident", "820415-1234567", "resident.recent", ["resident.recent"] + FW),
      ("resident", "840921-2345678", "resident.recent", ["resident.recent"] + FW)],
     []),
    ("성명    생년월일    연락처          전입일\n홍길동  1990-01-01                  2019-03-02\n"
     "김영희  1985.03.02  010-1234-5678   2020-01-05\n",
     [("birth_date", "1990-01-01", "birth.yyyymmdd", FW), ("birth_date", "1985.03.02", "birth.yyyymmdd", FW),
      ("phone", "010-1234-5678", "phone.mobile_11", FW)],
     [("phone", "010-1234-5678", "phone.mobile_11", [])]),
]

CASES = (REPORTS + CERTIFICATES + MARKUP + TABLES + HTML + TWO_LINE_HEADERS + OWN_FIELD + COMPANY + LINES + ENCLOSING +
         OWNED_BLOCKS + MERGED_CELLS + ROW_LABELS + SEMICOLON_EXPORTS + MESSAGES + DUMPS + FLAT_KEYS + COPY_BLOCKS +
         STATEMENTS)


@pytest.mark.parametrize("text,thorough,default", CASES)
def test_structure_readings_whole_outcome(text, thorough, default):
    assert found(text, Config.thorough()) == thorough
    assert found(text, Config()) == default


def test_without_the_structure_family_no_structure_reading_shows():
    for text, _, _ in CASES:
        for f in norvane.detect(text, without_structure()).findings:
            assert not {"context.fixed_width_header", "context.fixed_width_cell", "context.xml_element", "context.sql_column",
                        "context.html_header", "context.enclosing_key", "context.form_field",
                        "context.row_label", "context.sql_copy_column", "context.statement_memo",
                        "context.json_array_key", "context.label_line", "context.earlier_line", "context.earlier_question",
                        "context.column_header", "context.previous_line",
                        "context.question_line"} & set(f.evidence.extensions)


def test_report_fields_two_spaces_apart_stay_apart_only_under_structure():
    text = "7487253566     1974.01.15"
    # Without structure the fields join into a card, unless the second is a date with dots: a
    # date the normalization joined to a number is read apart (context.run_before_date).
    assert [f.entity for f in norvane.detect(text.replace(".", "-"), without_structure()).findings] == ["credit_card"]
    assert [f.entity for f in norvane.detect(text, without_structure()).findings] == ["business_registration"]
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
    # HTML: a huge table, deep nesting, tags never closed, cells without rows or tables.
    "<table><tr><th>연락처</th><th>생년월일</th></tr>" + "<tr><td>01012345678</td><td>19900101</td></tr>" * 5_000,
    "<table>" * 5_000 + "<tr>" * 5_000 + "<td>" * 5_000 + "01012345678",
    "<table><tr><th" + " x" * 30_000 + "<td>01012345678",
    "<td>01012345678</td>" * 5_000,
    "<table><tr><th>연락처" + "<tr><td>x</td>" * 5_000 + "<td>01012345678",
    "<tr><th>" + "연락처" * 20_000 + "<td>01012345678",
    # Merged cells spanning absurd widths and heights, a header row per line, spans unterminated.
    "<table><tr>" + '<th colspan="99999999">연락처</th>' * 2_000 + "</tr><tr><td>01012345678",
    "<table>" + '<tr><th rowspan="64">a</th><th>연락처</th></tr>' * 3_000 + "<tr><td>x</td><td>01012345678",
    "<table><tr><th colspan=" + "9" * 5_000 + "<td rowspan='>01012345678",
    # Blocks nested deep, key paths of thousands of keys, a brace never closed.
    "".join(f"{' ' * i}k{i}:\n" for i in range(3_000)) + " " * 3_000 + "phone: 01012345678",
    '{"a":' * 20_000 + '"01012345678"',
    "a." * 30_000 + "b=01012345678",
    "a[" * 30_000 + "=01012345678",
    "}" * 40_000 + '"x": "01012345678"',
    'Content-Disposition: form-data; name="' + "a__" * 20_000 + '\n\n01012345678',
    # CRLF blocks whose blank lines hold spaces and a carriage return, at the start of the text.
    " \r\n    tel: 01012345678\r\n",
    "a:\r\n \r\n" * 5_000 + "    tel: 01012345678\r\n",
    # A sideways sheet of a thousand columns.
    "구분" + "\tx" * 1_000 + "\n연락처" + "\t01012345678" * 1_000,
    # A header over two lines of a table with a thousand columns.
    "a" + ",b" * 1_000 + "\n" + ",c" * 1_000 + "\n" + "1," * 999 + "01012345678",
    # Semicolon rows by the thousand, quotes never closed, a line of nothing but semicolons.
    "연락처;생년월일\n" + "01012345678;19900101\n" * 5_000,
    '"' + ";" * 30_000 + "\n01012345678;" + '"x' * 1_000,
    # Stamps that never end, stamps of nothing but brackets and clocks, a name that never closes.
    "[오후 3:12] " * 10_000 + "\n01012345678",
    ("2024년 5월 1일 오후 3:12, " + "김" * 20_000 + "\n") * 2 + "01012345678",
    "\n".join(["0:00:00:00:00:00"] * 10_000) + " 01012345678",
    "상담원 (" + "00:" * 10_000 + "\n01012345678",
    # A CREATE TABLE never closed, definitions nested deep, thousands of tables, a name that
    # runs to the insert.
    "CREATE TABLE `t` (" + "(" * 20_000 + "\nINSERT INTO `t` VALUES ('01012345678');",
    "CREATE TABLE t (\n" + "  a int,\n" * 10_000 + "INSERT INTO t VALUES ('01012345678');",
    "CREATE TABLE t (a int);\n" * 5_000 + "INSERT INTO t VALUES " + "(1,'01012345678')," * 2_000,
    "CREATE TABLE " + "x" * 70_000 + " VALUES ('01012345678')",
    # COPY lines never closed, without FROM stdin, of a thousand columns; blocks by the thousand,
    # a block of rows never ended, an end mark on every line.
    "COPY t (" + "a, " * 20_000 + "\n1\t01012345678\n",
    "COPY t (hp) FROM\n1\t01012345678\n",
    "COPY t (" + ", ".join(f"c{i}" for i in range(1_000)) + ") FROM stdin;\n" + "\t01012345678" * 1_000 + "\n",
    "COPY t (hp) FROM stdin;\n1\t01012345678\n\\.\n" * 3_000,
    "COPY t (id, hp) FROM stdin;\n" + "1\t01012345678\n" * 5_000,
    "COPY t (id, hp) FROM stdin;\n" + "1\t01012345678\n\\.\n" * 5_000,
    "COPY t FROM stdin;\n" * 5_000 + "1\t01012345678\n",
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
    "2023120112345678", "홍길동", "Passport No", "😀", "<table>", "<tr>", "<td>", "</td>", "<th>연락처</th>",
    "</tr>", "<TD class=x>", "법인번호", "고객정보,,환불\n", "  ",
    '<th colspan="2">', '<td rowspan="3">', "rowspan=", "company:\n", "  phone:\n", "    primary: ",
    '{"corp": {', '"number": "', "user.phone=", "customer[contact][tel]=", "&", "=", "__",
    'Content-Disposition: form-data; name="phone"\n\n', "연락처\t", "구분\t본인\t배우자\n",
    "\r\n", " \r\n",
    "sep=;\n", "이름;연락처;생년월일\n", '"12.345,00"', "01.05.2024", "[홍길동] [오후 3:12] ",
    "2024년 5월 1일 오후 3:12, 김철수 : ", "2024. 5. 1. 오후 3:13, ", "00:01:02\tCaller\t",
    "상담원 (00:00:15): ", "계좌번호 알려줘\n", "CREATE TABLE `t` (\n", "  `hp_no` varchar(20),\n",
    "  PRIMARY KEY (`id`)\n);\n", "INSERT INTO `t` VALUES ", "),(", "decimal(12,2)",
    "store_tel=", "shopPhone: ", "branch.tel: ", "managerHp,", "acnt_no=",
    "COPY public.t (id, hp, gyejwa) FROM stdin;\n", "COPY t FROM stdin;\n", "\\.\n", "\\N", "받는분통장표시\t",
    "구분  성 명  출생연월일  주민등록번호\n", "배우자  ", "1985년 03월 12일", "850312-1******", "  ",
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
