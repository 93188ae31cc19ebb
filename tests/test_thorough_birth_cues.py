"""The thorough mode on birth dates under short cues and in rows with other fields: 생 or 생일 right
before the date in a jotted roster row, in every date shape, with other dates, clocks, amounts and
status marks on the line; full-width dates spaced after their dots; a label that is the subject of
the date's sentence (생일이 1960. 12. 12.이에요); a CSV column of dates spaced after their dots.
Event, payment and work dates on such rows stay unreported. Each group compares the whole outcome."""
import datetime

import pytest
from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config
from thorough_checks import assert_exact_and_reversible, birth, found_thorough, phone

EXTRA = "context.extra_label"
DISTANCE = "context.letter_distance"
SEPARATED = "birth.separated_date"


ROSTER_ROWS = [
    # The cue 생 after the row's other fields, with a dash, a comma or a slash between them.
    ("홍길동 - 010-1234-5678 - 생 1978.10.07 ✔\n김영희, 주번 700101-1234567, 010-2345-6789, 생 2005-10-01\n"
     "이철수 / 010-3456-7890 / 생 890116 미납",
     [phone("010-1234-5678"), birth("1978.10.07", "birth.yyyymmdd", EXTRA), phone("010-2345-6789"),
      birth("2005-10-01", "birth.yyyymmdd", EXTRA), phone("010-3456-7890"),
      birth("890116", "birth.yymmdd", EXTRA)]),
    # A clock after the date; a later date of the row's own event, which stays in clear.
    ("박민수 010-4567-8901 생일 1942.03.26 12:00~07:00 입금확인\n최영 - 생 1986년 6월 4일 - 2025년 5월 28일 (완료)",
     [phone("010-4567-8901"), birth("1942.03.26", "birth.yyyymmdd", DISTANCE),
      birth("1986년 6월 4일", "birth.korean_date", "birth.korean_date", EXTRA)]),
    # A short year, a day of the month after it, dots spaced before a passport.
    ("정수 생 58.10.20\n한결 생 74.07.30 10/30 ✔\n오민 생 1986. 7. 6. - 여권 M12345678",
     [birth("58.10.20", "birth.yymmdd", EXTRA), birth("74.07.30", "birth.yymmdd", EXTRA),
      birth("1986. 7. 6", SEPARATED, SEPARATED, EXTRA),
      ("passport", "M12345678", "passport.shape", [DISTANCE])]),
    # An English month, slashes before an amount, a masked month and day.
    ("윤서 생일 Jul 15, 1958 - 2027.06.14\n강호 생일 2001/02/13 - 62,200원\n서진 생 1955.**.**",
     [birth("Jul 15, 1958", "birth.english_month", "birth.english_month", DISTANCE),
      birth("2001/02/13", SEPARATED, SEPARATED, DISTANCE),
      birth("1955.**.**", "birth.masked", "birth.masked", EXTRA)]),
]

FULL_WIDTH = [
    ("출생일 － １９４０． ２． １４．\n생일 ： １９５６． １． ２０．\n생년월일(８자리)) １９４８． ８． ２４．",
     [birth("１９４０． ２． １４", SEPARATED, SEPARATED, DISTANCE),
      birth("１９５６． １． ２０", SEPARATED, SEPARATED, DISTANCE),
      birth("１９４８． ８． ２４", SEPARATED, SEPARATED, DISTANCE, "context.compound_label")]),
]

IN_PROSE = [
    ("제 생일이 1985/02/22이에요.\n또 생일이 1960. 12. 12.이에요.\n생년월일은 1990.1.5.입니다",
     [birth("1985/02/22", SEPARATED, SEPARATED, DISTANCE),
      birth("1960. 12. 12", "birth.yyyymmdd", DISTANCE),
      birth("1990.1.5", SEPARATED, SEPARATED, DISTANCE)]),
]

CSV_COLUMNS = [
    ("이름,생일,연락처,메모\n김민수,1957. 12. 15.,010-1234-5678,완료\n박영희,1962. 3. 2.,010-2222-3333,대기",
     [birth("1957. 12. 15", "birth.yyyymmdd", "context.column_header"),
      phone("010-1234-5678", "context.column_header"),
      birth("1962. 3. 2", SEPARATED, SEPARATED, "context.column_header"),
      phone("010-2222-3333", "context.column_header")]),
]


@pytest.mark.parametrize("text, expected", ROSTER_ROWS + FULL_WIDTH + IN_PROSE + CSV_COLUMNS)
def test_birth_dates_under_short_cues_and_in_rows(text, expected):
    assert found_thorough(text) == expected
    assert_exact_and_reversible(text)


# Dates of events, payments and work with clocks, amounts and other dates on their rows; words
# that end in 생 (학생, 발생) or begin with it (생산); a copula after a date whose subject is no
# birth's label.
NOT_BIRTHS = [
    "접수일 2024.03.02 12:00 반납일 2024.04.01 13:30\n작업일 2024-05-01 1234\n행사일 2024. 5. 1. 12:00 62,200원",
    "학생 2024.03.02 등록\n발생 2024.03.02 14:00\n생산 2024.05.01 - 2024.05.30",
    "입금 2025.05.28 12:00 - 62,200원\n회의는 2024.03.02이에요.\n마감일이 2024. 5. 1.이에요.",
]


@pytest.mark.parametrize("text", NOT_BIRTHS)
def test_event_and_payment_dates_stay_unreported(text):
    assert found_thorough(text) == []


# A whole date with separators and the number after or before it across a space or a spaced
# dash: the default settings join them as ever, the thorough ones keep two fields.
APART = [
    ("생일 1942.03.26 12:00", "생일 1942032612:00", "생일 19420326 12:00"),
    ("생일 2001/02/13 - 62,200원", "생일 2001/02/1362200원", "생일 2001/02/13 - 62,200원"),
    ("Jul 15, 1958 - 2027.06.14", "Jul 15195820270614", "Jul 15, 1958 - 20270614"),
    ("13.01.1990 1234", "130119901234", "13011990 1234"),
    # A date spaced after its dots keeps its inner spaces joined; its last dot may stay.
    ("1990. 10. 11. 10:30", "1990101110:30", "19901011. 10:30"),
]


@pytest.mark.parametrize("text, by_default, thorough", APART)
def test_a_whole_date_stays_apart_from_the_next_number(text, by_default, thorough):
    assert norvane.normalize(text, Config()).text == by_default
    assert norvane.normalize(text, Config.thorough()).text == thorough


def test_the_short_cue_is_read_with_the_label_reading_family():
    text = ROSTER_ROWS[0][0]
    c = Config.thorough()
    c.label_reading = False
    assert [f.entity for f in norvane.detect(text, c).findings] == ["phone", "phone", "phone"]


DATES = st.dates(min_value=datetime.date(1930, 1, 1), max_value=datetime.date(2020, 12, 31))
SHAPES = st.sampled_from(["{y:04d}.{m:02d}.{d:02d}", "{y:04d}-{m:02d}-{d:02d}", "{y:04d}/{m:02d}/{d:02d}",
                          "{y:04d}. {m}. {d}.", "{yy:02d}.{m:02d}.{d:02d}"])


@settings(max_examples=150, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(date=DATES, shape=SHAPES, cue=st.sampled_from(["생", "생일", "생일:"]),
       gap=st.sampled_from([" ", " - ", "  "]),
       tail=st.sampled_from(["12:00", "62,200원", "2025.05.28", "10/30", "1234"]))
def test_any_date_shape_after_the_cue_is_hidden_whatever_follows(date, shape, cue, gap, tail):
    written = shape.format(y=date.year, yy=date.year % 100, m=date.month, d=date.day)
    text = f"김민수 010-1234-5678 {cue} {written}{gap}{tail}"
    start = text.index(written)
    findings = norvane.detect(text, Config.thorough()).findings
    births = [f for f in findings if f.entity == "birth_date"]
    assert [text[f.source.char_start:f.source.char_end] for f in births] == [written.rstrip(".")]
    assert births[0].source.char_start == start
    assert_exact_and_reversible(text)


# Long runs of dates, cues and marks: what is found is what one piece would give, once per piece.
HOSTILE = [
    ("1.1.1 " * 5000, []),
    ("생 " * 3000 + "1990.01.01", ["1990.01.01"]),
    ("１９９０． １． １． " * 2000, []),
    ("생일이 1990. 1. 1.이에요 " * 1500, ["1990. 1. 1"] * 1500),
    ("." * 4000 + " 1990.01.01 " + "- " * 4000 + "1234", []),
]


@pytest.mark.parametrize("text, births", HOSTILE)
def test_hostile_runs_of_dates_and_cues(text, births):
    findings = norvane.detect(text, Config.thorough()).findings
    assert [text[f.source.char_start:f.source.char_end] for f in findings] == births
    assert_exact_and_reversible(text)
