"""The thorough mode on rosters read by column: ship and tour manifests and rosters exported from a
booking system whose columns two spaces or more part while a cell holds single spaces (a name of
two or three words, 28 JUL 1961, 1990년 9월 28일), rows that leave a cell empty inside (a gap twice
as wide) or end early; and class lists in CSV one of whose rows holds a date's comma unquoted, with
the rows below it. Each group compares the whole outcome: the findings, the numbers vetoed as
look-alikes, and a reversible mask that hides the values."""
import pytest

from thorough_checks import assert_masks_hide_values_and_keep_look_alikes, assert_thorough_outcome

CELL, HEADER = ["context.fixed_width_cell"], ["context.fixed_width_header"]
COLUMN, FROM_RIGHT = ["context.column_header"], ["context.column_from_right"]
ENGLISH, KOREAN = ["birth.english_month"], ["birth.korean_date"]


def mobile(number, extensions):
    return ("phone", number, "phone.mobile_11", extensions)


def email(address):
    return ("email", address, "email.structural", [])


def birth(text, rule, extensions):
    return ("birth_date", text, rule, extensions)


def passport(text, extensions, rule="passport.shape"):
    return ("passport", text, rule, extensions)


ALIGNED = [
    # A manifest under an English header: a name of three words, a day and a month name, a Korean
    # date; a row with its passport left empty (a gap of four spaces) and one ending in spaces.
    ("[다낭 4박5일 탑승자 명단]\nNO  NAME  DOB  PASSPORT  PHONE  E-MAIL\n"
     "11895  SEO HANEUL  1960.06.06  S81393177  010-3877-4779  haneul.seo@naver.com\n"
     "11896  KIM MIN JUN  28 JUL 1961    010-2231-9087  mj.kim@gmail.com\n"
     "11897  PARK JI  1990년 9월 28일  G42118382  010-5512-3340    ",
     [birth("1960.06.06", "birth.yyyymmdd", CELL), passport("S81393177", CELL), mobile("010-3877-4779", CELL),
      email("haneul.seo@naver.com"),
      birth("28 JUL 1961", "birth.english_month", ENGLISH + CELL), mobile("010-2231-9087", CELL),
      email("mj.kim@gmail.com"),
      birth("1990년 9월 28일", "birth.korean_date", KOREAN + CELL), passport("G42118382", CELL),
      mobile("010-5512-3340", CELL)], {}),
    # Korean and English names side by side, a masked passport, a row without its last cell.
    ("한글성명  영문성명  생년월일  여권번호  연락처\n서하늘  SEO HANEUL  1960/06/06  M1086****  010-3877-4779\n"
     "박지  PARK JI  90.09.28  M64604647",
     [birth("1960/06/06", "birth.separated_date", ["birth.separated_date"] + HEADER),
      passport("M1086****", ["passport.masked"] + HEADER, "passport.masked"), mobile("010-3877-4779", HEADER),
      birth("90.09.28", "birth.yymmdd", CELL), passport("M64604647", HEADER)], {}),
    # Three spaces apart, a sex's column, passports of both shapes.
    ("SEQ   NAME   SEX   D.O.B   PASSPORT NO   NAT.\n1   LIM JAEHYUN   M   09 DEC 1968   M91861644   KOR\n"
     "2   CHOI TAE YOUNG   F   27SEP1966   M429W2234   KOR",
     [birth("09 DEC 1968", "birth.english_month", ENGLISH + CELL), passport("M91861644", CELL),
      birth("27SEP1966", "birth.english_month", ENGLISH + CELL),
      passport("M429W2234", ["passport.current"] + CELL, "passport.current")], {}),
    # A crew list's rank (MASTER names a card elsewhere) stands two cells before the birth date:
    # the header is read past it.
    ("RANK  NAME  BIRTH  PASSPORT  SEAMAN BOOK\nMASTER  KWON MINHO  30/10/1940  S1056****  K5512345\n"
     "OILER  YOON YU JIN  1942-12-26  S90093443",
     [birth("30/10/1940", "birth.separated_date",
            ["birth.separated_date"] + CELL + ["context.header_past_other_cells"]),
      passport("S1056****", ["passport.masked"] + CELL, "passport.masked"),
      birth("1942-12-26", "birth.yyyymmdd", CELL), passport("S90093443", CELL)], {}),
    # A booking's number and a passport's expiry in their own columns stay as written; so does the
    # expiry after an empty passport cell, read one header on.
    ("예약번호  성명  생년월일  여권번호  만료일\nK7712345  KIM MINSU  1985.03.02  M12345678  2031.05.20\n"
     "K7712346  LEE JIYOUNG  1988.11.23  M23456789  2030.01.11",
     [birth("1985.03.02", "birth.yyyymmdd", CELL), passport("M12345678", CELL),
      birth("1988.11.23", "birth.yyyymmdd", CELL), passport("M23456789", CELL)],
     {"K7712345": "look_alike", "K7712346": "look_alike"}),
    ("Name  DOB  Passport  Expiry  Booking\nKIM MINSU  1985.03.02    2031.05.20  K7712345\n"
     "LEE JIYOUNG  1988.11.23  M23456789  2030.01.11  K7712346",
     [birth("1985.03.02", "birth.yyyymmdd", CELL), birth("1988.11.23", "birth.yyyymmdd", CELL),
      passport("M23456789", CELL)],
     {"K7712345": "look_alike", "K7712346": "look_alike"}),
    # A padded report's row of fewer cells stands under its names: the issue date under ISSUED.
    ("NAME          DOB           ISSUED\nKIM MINSU                   2031.05.20\n"
     "LEE JIYOUNG   1988.11.23    2030.01.11",
     [birth("1988.11.23", "birth.yyyymmdd", HEADER)], {}),
]

CSV = [
    # One row's date holds a comma: that row has a cell more than the header, and the rows below
    # it keep their columns. Its mobile past the header's last cell is named by the header line.
    ("원생,생년월일,학부모 연락처\n정소희,Jul 19, 2019,01052620159\n오민호,121123,-\n조태영,2017.04.19,\n"
     "김혜진,2020-12-05,010-5783-1059",
     [birth("Jul 19, 2019", "birth.english_month", ENGLISH + COLUMN),
      mobile("01052620159", ["context.label_line"]),
      birth("121123", "birth.yymmdd", COLUMN), birth("2017.04.19", "birth.yyyymmdd", COLUMN),
      birth("2020-12-05", "birth.yyyymmdd", COLUMN), mobile("010-5783-1059", COLUMN)], {}),
    ("학생,생년월일,연락처,비고\n백예은,2014/04/20,010-2207-7445,\n기민호,October 24, 2022,010.7772.9214,신규\n"
     "김가은,220613,010-5482-0216,",
     [birth("2014/04/20", "birth.separated_date", ["birth.separated_date"] + COLUMN),
      mobile("010-2207-7445", COLUMN),
      birth("October 24, 2022", "birth.english_month", ENGLISH + COLUMN), mobile("010.7772.9214", FROM_RIGHT),
      birth("220613", "birth.yymmdd", COLUMN), mobile("010-5482-0216", COLUMN)], {}),
    # Prose under a table, its commas followed by spaces, is no row of it.
    ("이름,연락처\n홍길동,010-1234-5678\n네, 알겠습니다, 900101 맞아요", [mobile("010-1234-5678", COLUMN)], {}),
]

DOCUMENTS = ALIGNED + CSV


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_whole_outcome(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_masking_hides_the_values_and_keeps_the_look_alikes():
    assert_masks_hide_values_and_keep_look_alikes(DOCUMENTS)
