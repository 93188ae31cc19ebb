"""The thorough mode on values their writer masked in part: e-mails shown as their first and last
letters around stars (h****g@icloud.com), birth dates showing only their year or their year and
month (99****, 80.**.**, 1983-**-**) under a birth label or in a birth column, and birth dates in
brackets after a name a notice masked (한*우님(770912)). Wildcard addresses and globs, masked dates
under another label and a visit's date after a masked name stay unreported. Each group compares
the whole outcome."""
import pytest

import norvane
from thorough_checks import assert_exact_and_reversible, found_thorough

MASKED_MAIL = "email.masked"
MASKED_BIRTH = "birth.masked"
BRACKET = "birth.bracket_after_person"
BESIDE_RESIDENT = "birth.masked_beside_resident"


def mail(text):
    return ("email", text, MASKED_MAIL, [MASKED_MAIL])


def masked_birth(text, *extensions):
    return ("birth_date", text, MASKED_BIRTH, [MASKED_BIRTH, *extensions])


def masked_resident(text, *extensions):
    return ("resident", text, "resident.korean_13", list(extensions))


MAILS = [
    ("이메일: h****g@icloud.com\nE-mail: j****e@yonsei.ac.kr",
     [mail("h****g@icloud.com"), mail("j****e@yonsei.ac.kr")]),
    ("| 노*람 | h****m@hanmail.net | VIP |\n수업 자료는 s****m@yonsei.ac.kr 로 부탁드려요",
     [mail("h****m@hanmail.net"), mail("s****m@yonsei.ac.kr")]),
    ('{"user_id": 3329, "email": "y****o@icloud.com"}\nMail <j****g@yonsei.ac.kr>',
     [mail("y****o@icloud.com"), mail("j****g@yonsei.ac.kr")]),
    # Two letters in clear on a side, a digit after the stars; stars at the end as before.
    ("ID minsu82 / email se****on@korea.ac.kr, ha*****7@naver.com, jiw***@kaist.ac.kr",
     [mail("se****on@korea.ac.kr"), mail("ha*****7@naver.com"), mail("jiw***@kaist.ac.kr")]),
]
# Wildcards of mail filters and configs, a glob's single star, a password: nothing in clear before
# the stars, or one star only.
NOT_MAILS = [
    "allowed_senders = *@hanbit.co.kr\nexclude: **@example.com",
    "스팸 필터 규칙: user*@spam-mail.net 차단\nmatch rule admin*@ads.example.org -> spam",
    "rsync --include='icon_*@2x.png' ./assets\n비밀번호: a****1@",
]


@pytest.mark.parametrize("text, expected", MAILS + [(text, []) for text in NOT_MAILS])
def test_mails_masked_inside_the_local_part_are_found_whole(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


MASKED_BIRTHS = [
    # Under a birth label; a masked date under another label (가입일, Joined, 최근 접속, 유효기간,
    # 최종 수정) stays, the birth label a line above notwithstanding.
    ("[회원정보]\n성명 양*우\n생년월일 99****\n가입일 2024-**-**",
     [masked_birth("99****", "context.letter_distance")]),
    ("DOB: 80.**.**\nJoined: 2021.08.XX\n생일 : 1983-**-**\n최근 접속 2025.02.●●",
     [masked_birth("80.**.**", "context.extra_label"), masked_birth("1983-**-**", "context.letter_distance")]),
    ("생년월일 1971/**/**\n유효기간 **/27\n출생 56/XX/XX\n최종 수정 2020-**-**",
     [masked_birth("1971/**/**", "context.letter_distance"),
      masked_birth("56/XX/XX", "context.letter_distance", "context.extra_label")]),
    # In a birth column: tabs, pipes, commas, spaces aligned.
    ("이름\t생년월일\t연락처\n김*진\t04.**.**\t010-****-1234\n이*우\t19****\t010-****-5678",
     [masked_birth("04.**.**", "context.column_header"),
      ("phone", "010-****-1234", "phone.mobile_11", ["context.column_header"]),
      masked_birth("19****", "context.column_header"),
      ("phone", "010-****-5678", "phone.mobile_11", ["context.column_header"])]),
    ("| 성명 | 생년월일 | 주민등록번호 |\n| 채*수 | 2005/XX/XX | 050203-3****** |\n"
     "| J** J** | 1966/**/** | 660103-1****** |",
     [masked_birth("2005/XX/XX", "context.column_header"), masked_resident("050203-3******", "context.column_header"),
      masked_birth("1966/**/**", "context.column_header"), masked_resident("660103-1******", "context.column_header")]),
    ("성명,생년월일,성별,등록일\n한*우,1983-**-**,남,2024-**-**", [masked_birth("1983-**-**", "context.column_header")]),
    ("이름      생년월일      비고\n한*우    1983.**.**    신규",
     [masked_birth("1983.**.**", "context.fixed_width_header")]),
    # No header: beside the row's resident number masked after its sex digit, whose front tells
    # the same year and month; a year that disagrees reads nothing.
    ("길**  86-**-**  861101-1******  남성\n용*준  6410**  641017-2******  여\n"
     "차**  7703**  650117-2******  여",
     [masked_birth("86-**-**", BESIDE_RESIDENT), masked_resident("861101-1******"),
      masked_birth("6410**", BESIDE_RESIDENT), masked_resident("641017-2******"),
      masked_resident("650117-2******")]),
]


@pytest.mark.parametrize("text, expected", MASKED_BIRTHS)
def test_birth_dates_showing_only_their_year(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


NOTICES = [
    ("[Web발신]\n[새봄내과] 한*우님(770912) 혈액검사 결과 안내",
     [("birth_date", "770912", "birth.yymmdd", [BRACKET])]),
    # Whole and masked dates, eight digits and Korean words.
    ("강*희님(19580328) 임*호님(75****) 김*진님(1983-**-**) 한*우님(1970년 9월 14일)",
     [("birth_date", "19580328", "birth.yyyymmdd", [BRACKET]), masked_birth("75****", BRACKET),
      masked_birth("1983-**-**", BRACKET),
      ("birth_date", "1970년 9월 14일", "birth.korean_date", ["birth.korean_date", BRACKET])]),
    # Names masked by other marks and in Latin initials, 회원님, full-width and square brackets,
    # a surname of two syllables.
    ("[알림] 모○○ 회원님 [1957-XX-XX] 회원권 만료 예정\nK** H**님（2005.●●.●●） 검사 결과 확인 바랍니다\n"
     "남궁*희 고객님 (1966.05.05)",
     [masked_birth("1957-XX-XX", BRACKET), masked_birth("2005.●●.●●", BRACKET),
      ("birth_date", "1966.05.05", "birth.yyyymmdd", [BRACKET])]),
]
# A visit's, a payment's or a vaccination's date after a masked name: no grown person's birth.
NOT_NOTICE_BIRTHS = "한*우님 (2026.12.14) 방문 예정\n결제 (39,300원, 2025-03-01) 완료\n김**님(12/14) 예약\n다음 접종 (2026-03-23)"


@pytest.mark.parametrize("text, expected", NOTICES + [(NOT_NOTICE_BIRTHS, [])])
def test_birth_dates_in_brackets_after_a_masked_name(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


def test_the_default_setting_reads_none_of_them():
    texts = [t for t, _ in MAILS + MASKED_BIRTHS + NOTICES]
    found = [(f.entity, f.text(t)) for t in texts for f in norvane.detect(t).findings]
    assert not any(kind == "birth_date" for kind, _ in found)
    assert not any("*" in text and kind == "email" for kind, text in found)
