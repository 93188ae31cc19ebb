"""The thorough mode where a text's layout tells a value's kind: a chat's speaker named by a role
(수강생, 회원, 재학생) whose stamp holds a look-alike's word, an identity record's type key naming
the kind of the number beside it, cards masked with symbols in groups apart by spaces or dots, and
a directory's rows of a person's contacts with their header far above or missing. Each group
compares the whole outcome, the look-alikes beside them included."""
import pytest

from thorough_checks import assert_thorough_outcome


def licence(number, extensions):
    return ("driver_license", number, "license.12", extensions)


def card(number, extensions):
    return ("credit_card", number, "card.luhn", extensions)


def mobile(number, extensions=()):
    return ("phone", number, "phone.mobile_11", list(extensions))


def born(date):
    return ("birth_date", date, "birth.yyyymmdd", ["birth.contact_row"])


LD = ["context.letter_distance"]

# The document, what thorough finds in it, and the look-alikes it vetoes with their reasons.
SPEAKERS = [
    # The role's word is the speaker's stamp on the lines around: the message is the licence the
    # line before announced, however far back over a remark.
    ("[수강생] 기존 면허번호 보내드려요\n[수강생] 11-19-123456-70\n[강사] 확인했습니다",
     [licence("11-19-123456-70", ["context.previous_line"])], {}),
    ("수강생: 운전면허 갱신 때문에 문의드려요\n상담원: 면허번호 알려주시겠어요?\n수강생: 11-19-123456-70",
     [licence("11-19-123456-70", ["context.question_line", "context.earlier_line"])], {}),
    ("[회원] 면허증 번호 남겨요\n[회원] 24-13-385606-90\n[관리자] 접수되었습니다",
     [licence("24-13-385606-90", ["context.previous_line"])], {}),
    ("[재학생] 국제면허 신청하려고요 면허번호 여기 적을게요\n[조교] 네 말씀하세요\n[재학생] 11-19-123456-70",
     [licence("11-19-123456-70", ["context.earlier_line"])], {}),
    ("[수강생] 면허번호 알려드릴게요 잠시만요\n[수강생] 찾았어요\n[수강생] 14-96-270071-11",
     [licence("14-96-270071-11", ["context.earlier_line"])], {}),
    # On a form's line, once or on every row, the word labels a student number; a repeated key
    # whose lines hold values, not messages, is no speaker (재학생:, 거래 ID:).
    ("재학 증명서 발급 신청\n- 재학생 2019257343\n- 성명 김민수", [], {"2019257343": "look_alike"}),
    ("재학생 2019257343\n재학생 2020184455", [], {"2019257343": "look_alike", "2020184455": "look_alike"}),
    ("재학생: 2019257343\n재학생: 2020184455", [], {"2019257343": "look_alike", "2020184455": "look_alike"}),
    ("거래 ID: T85725054211392 로 정정 부탁드립니다.\n거래 ID: T05291566813485 로 회신 부탁드립니다.", [],
     {"85725054211392": "look_alike", "05291566813485": "look_alike"}),
]

# Where a speaker's stamp ends and how far its repeats are looked for: a stamp takes 30 bytes at
# most with its bracket or colon (31 is a line's words), must close on its line, and repeats count
# within 1 KB of it, past an indent.
SPEAKER_STAMP_BOUNDS = [
    ("[수강생" + "A" * 19 + "] 면허번호 보내요\n[수강생" + "A" * 19 + "] 11-19-123456-70",
     [licence("11-19-123456-70", ["context.previous_line"])], {}),
    ("[수강생" + "A" * 20 + "] 면허번호 보내요\n[수강생" + "A" * 20 + "] 11-19-123456-70", [], {}),
    ("수강생" + "A" * 20 + ": 면허번호 보내요\n수강생" + "A" * 20 + ": 11-19-123456-70",
     [licence("11-19-123456-70", ["context.previous_line"])], {}),
    ("수강생" + "A" * 21 + ": 면허번호 보내요\n수강생" + "A" * 21 + ": 11-19-123456-70", [], {}),
    ("[수강생 면허번호 보내요\n[수강생 11-19-123456-70", [], {"11-19-123456-70": "look_alike"}),
    ("[수강생] 11-19-123456-70\n[수강생]", [], {"11-19-123456-70": "look_alike"}),
    ("  [수강생] 면허번호 보내요\n\t[수강생] 11-19-123456-70",
     [licence("11-19-123456-70", ["context.previous_line"])], {}),
    ("[수강생] 면허번호 보내요\n" + "\n".join(f"[강사] 공지 {i}번째 안내 드립니다 확인 부탁" for i in range(40))
     + "\n[수강생] 11-19-123456-70", [], {"11-19-123456-70": "look_alike"}),
]

RECORDS = [
    # A type key's value names the kind of the number in its record, whole or partly masked, on
    # one line, over lines or in a query.
    ('{"type": "DRIVER", "number": "24-13-385606-90", "name": "김민수"}',
     [licence("24-13-385606-90", ["context.extra_label"])], {}),
    ('{"id_type": "DRIVER", "id_no": "17-21-53****-26", "verified": true}',
     [licence("17-21-53****-26", ["context.log_key", "context.extra_label"])], {}),
    ('{"type": "DRIVING", "number": "17-21-53****-26"}, {"type": "PHONE", "number": "010-2384-5521"}',
     [licence("17-21-53****-26", ["context.extra_label"]), mobile("010-2384-5521", ["context.extra_label"])], {}),
    ('{\n  "doc_type": "DRIVER",\n  "doc_no": "24-13-385606-90"\n}',
     [licence("24-13-385606-90", ["context.label_line"])], {}),
    ("GET /api/verify?id_type=DRIVER&id_number=24-13-385606-90&ts=10:12",
     [licence("24-13-385606-90", ["context.log_key", "context.extra_label"])], {}),
    # The word elsewhere (a role's value, a column's header, prose) names no licence.
    ('{"role": "DRIVER", "phone": "010-2384-5521"}', [mobile("010-2384-5521", ["context.extra_label"])], {}),
    ("NAME,DRIVER,PHONE\n김민수,Y,010-2384-5521", [mobile("010-2384-5521", ["context.column_header"])], {}),
    ("driver 24-13-385606-90", [], {}),
]

CARDS = [
    # Masks of any symbol over whole groups apart by spaces, as over groups apart by hyphens.
    ("카드번호 5214 87●● ●●●● 0803", [card("5214 87●● ●●●● 0803", LD)], {}),
    ("결제카드: 5214 ●●●● ●●●● 0803", [card("5214 ●●●● ●●●● 0803", ["context.extra_label"])], {}),
    ("카드 5214 87×× ×××× 0803 승인", [card("5214 87×× ×××× 0803", LD + ["context.trailing_label"])], {}),
    ("카드 3704 41#### #3210", [card("3704 41#### #3210", LD)], {}),
    # Groups of four apart by dots are a card's, masked or not; an address or a version's are not.
    ("카드 5214.87●●.●●●●.0803", [card("5214.87●●.●●●●.0803", LD)], {}),
    ("카드 5214.8712.3456.0803", [card("5214.8712.3456.0803", LD)], {}),
    ("서버 10.12.1.100 버전 2024.1215.0001.0002", [], {"2024.1215.0001.0002": "look_alike"}),
    # A lone # or × is a number sign or a product.
    ("가로 30×40 cm, 수량 3 × 4, No. #3", [], {}),
]

DIRECTORIES = [
    # A date in a row of a person's name and contacts is their birth date.
    ("양태호   010-8469-3326   jeo***@nate.com   마포구 합정동   1978.12.05\n"
     "배은비   010-2319-4101   eunbi@naver.com   서초구 반포동   1968.01.03",
     [mobile("010-8469-3326"), ("email", "jeo***@nate.com", "email.masked", ["email.masked"]), born("1978.12.05"),
      mobile("010-2319-4101"), ("email", "eunbi@naver.com", "email.structural", []), born("1968.01.03")], {}),
    ("| 양태호 | 010-8469-3326 | 마포구 | 1978-12-05 |", [mobile("010-8469-3326"), born("1978-12-05")], {}),
    # A schedule's day leads its row; two dates in a row, a recent one, or no cells say nothing.
    ("2024.03.15   정기총회   김민수   010-8469-3326", [mobile("010-8469-3326")], {}),
    ("| 2025-12-01 | 봉사활동 | 수성구 | 장민수 | 010-5519-5071 |", [mobile("010-5519-5071")], {}),
    ("양태호   010-8469-3326   1978.12.05   2015.03.02", [mobile("010-8469-3326")], {}),
    ("양태호   010-8469-3326   2020.12.05", [mobile("010-8469-3326")], {}),
    # The whole date after a space is kept apart from the mobile before it.
    ("김민수 010-8469-3326 1978.12.05", [mobile("010-8469-3326")], {}),
    # A row holding the person's registration number holds their birth date: the date beside it
    # is another day of theirs (a staff register's hire date).
    ("E45948  성순옥  651128-*******  2006-10-04  CS팀  010-7384-3703\n"
     "E45949  김민수  790720-1133920  2008-10-05  인사팀  010-7384-3704",
     [("resident", "651128-*******", "resident.korean_13", []), mobile("010-7384-3703"),
      ("resident", "790720-1133920", "resident.korean_13", []),
      mobile("010-7384-3704")], {}),
]


@pytest.mark.parametrize("text,expected,vetoed",
                         SPEAKERS + SPEAKER_STAMP_BOUNDS + RECORDS + CARDS + DIRECTORIES)
def test_layout_tells_the_kind(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)
