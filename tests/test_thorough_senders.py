"""The thorough mode on organisations' senders and lines as notices and scans write them: a
notification's sender under a sender's label (보낸사람, From, "sender":, sender=, 발신., a scan's
보 낸 사 람.) whose local part is a notification role or whose host is the organisation's mailing
host (mail., news., noti., email.); an organisation's line under a label a scan spaced out (F A X)
or misread by one syllable (대표번흐, 고객샌터), a meter's number written like a Seoul landline, and
an event's date under its own label in prose after a birth date's line. Each group compares the
whole outcome; the people's own addresses, mobiles and birth dates beside them stay values."""
import norvane
import pytest

from thorough_checks import assert_thorough_outcome, found_thorough, vetoed_thorough

# Notifications' senders: a role's mailbox, or any mailbox at the organisation's mailing host under a
# sender's label, however the label is written.
SENDERS = [
    ('보낸사람 notice@mail.bankk.co.kr\n받는사람 minji.kim@naver.com\n제목: [한빛카드] 12월 이용대금 명세서',
     [('email', 'minji.kim@naver.com', 'email.structural', [])],
     {'notice@mail.bankk.co.kr': 'company_number'}),
    ('From notice@news.ticketon.kr\nTo subin_cho@gmail.com\nSubject: 예매가 완료되었습니다',
     [('email', 'subin_cho@gmail.com', 'email.structural', [])],
     {'notice@news.ticketon.kr': 'company_number'}),
    ('{"sender": "newsletter@hanbitcard.com", "recipient": "haneul88@daum.net", "subject": "배송 시작 안내"}',
     [('email', 'haneul88@daum.net', 'email.structural', [])],
     {'newsletter@hanbitcard.com': 'company_number'}),
    # The log's date stays apart from its clock: no joined number to veto.
    ('2026-12-01 09:12:44 sender=event@alert.nurimall.co.kr rcpt=jiwoo.lee@kakao.com status=sent',
     [('email', 'jiwoo.lee@kakao.com', 'email.structural', [])],
     {'event@alert.nurimall.co.kr': 'company_number'}),
    ('발신. hanbitcard@mail.hanbitcard.com\n수신. taeyoung_park@hanmail.net',
     [('email', 'taeyoung_park@hanmail.net', 'email.structural', [])],
     {'hanbitcard@mail.hanbitcard.com': 'company_number'}),
    ('[스캔] 우편물 사본\n보 낸 사 람. donotreply@news.ticketon.kr\n받 는 사 람. 위광수 님',
     [],
     {'donotreply@news.ticketon.kr': 'company_number'}),
    ('reply_to: benefit@email.seumpay.co.kr\nReturn-Path: <mailer@em.seumpay.co.kr>',
     [],
     {'benefit@email.seumpay.co.kr': 'company_number', 'mailer@em.seumpay.co.kr': 'company_number'}),
    ('발신자: alerts@noti.kbcard.com\n수신자: 표유진 <taeyoungpark@kakao.com>',
     [('email', 'taeyoungpark@kakao.com', 'email.structural', [])],
     {'alerts@noti.kbcard.com': 'company_number'}),
]

# A person's address under a sender's label stays a value, at a mail service's host too
# (mail.naver.com), and at a public body's or a school's mail host (mail.go.kr, mail.korea.ac.kr);
# an address at a mailing host under no sender's label is not read as a sender.
PEOPLE = [
    ('보낸사람: 김민지 <minji.kim@naver.com>\n받는사람: notice@daon-market.com',
     [('email', 'minji.kim@naver.com', 'email.structural', [])],
     {'notice@daon-market.com': 'company_number'}),
    ('보낸사람 minji.kim@mail.naver.com',
     [('email', 'minji.kim@mail.naver.com', 'email.structural', [])],
     {}),
    ('From: seoyeonchoi53@daum.net\nTo: mail@daon-market.com\n연락처 010-4209-0694',
     [('email', 'seoyeonchoi53@daum.net', 'email.structural', []), ('phone', '010-4209-0694', 'phone.mobile_11', ['context.letter_distance'])],
     {'mail@daon-market.com': 'company_number'}),
    ('보낸사람 kim72@mail.go.kr\nFrom: jisoo.park@mail.korea.ac.kr',
     [('email', 'kim72@mail.go.kr', 'email.structural', []), ('email', 'jisoo.park@mail.korea.ac.kr', 'email.structural', [])],
     {}),
    ('To: minji@news.hanbit.co.kr',
     [('email', 'minji@news.hanbit.co.kr', 'email.structural', [])],
     {}),
    ('발신자 boramjang@naver.com (전주원)',
     [('email', 'boramjang@naver.com', 'email.structural', [])],
     {}),
]

# Organisations' lines under a company label a scan spaced out or misread by one syllable, and a
# meter's number; a person named before a label garbled in its first two syllables or spaced out
# keeps the line theirs.
GARBLED = [
    ('[스캔] 새봄은행 영수증\n대표번흐. 02 719 9024\n구매자 왕수빈 010-2423-7431',
     [('phone', '010-2423-7431', 'phone.mobile_11', [])],
     {'02 719 9024': 'company_number'}),
    ('OCR 변환본\nF A X : 031-4677-1004\n담당 도다은 대리 010-5175-2446',
     [('phone', '010-5175-2446', 'phone.mobile_11', [])],
     {'031-4677-1004': 'company_number'}),
    ('고객샌터 051-9838-6291 / 콜샌터 : 02-719-9024',
     [],
     {'051-9838-6291': 'company_number', '02-719-9024': 'company_number'}),
    ('대표번후 031-443-0000\n대표전하 062 9115 7174\nF  A  X  062-8544-0088',
     [],
     {'031-443-0000': 'company_number', '062 9115 7174': 'company_number', '062-8544-0088': 'company_number'}),
    ('펙스 031-4677-1004 / 팩 스 : 031-4677-1005',
     [],
     {'031-4677-1004': 'company_number', '031-4677-1005': 'company_number'}),
    ('관리비 고지서\n계량기 번호는 02-4778593 입니다\n세대주 남하은 010-7713-5174',
     [('phone', '010-7713-5174', 'phone.mobile_11', [])],
     {'02-4778593': 'look_alike'}),
    ('담당 김민수 고객샌터 031-443-0000',
     [('phone', '031-443-0000', 'phone.landline', [])],
     {}),
]

# Dates under their own event's label (일정, 예약일, 행사일, 출국일, 방문일) after a birth date's line,
# masked or not, are no birth dates.
EVENT_DATES = [
    ('Date of Birth는 ****-10-28입니다\n일정: 2026년 4월 22일',
     [('birth_date', '****-10-28', 'birth.masked', ['birth.masked', 'context.extra_label'])],
     {'2026년 4월 22일': 'look_alike'}),
    ('생년월일 19**.12.10 (본인 확인 완료)\n예약일은 2027.09.22입니다.',
     [('birth_date', '19**.12.10', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {}),
    ('[상담 메모] 생년월일 ****-03-02\n행사일이 2026. 4. 22.라서 그 전에 처리 부탁',
     [('birth_date', '****-03-02', 'birth.masked', ['birth.masked', 'context.letter_distance'])],
     {'2026. 4. 22': 'look_alike'}),
    ('DOB ****.05.17\n출국일 2026/04/22 / 입국일 2026/05/01',
     [('birth_date', '****.05.17', 'birth.masked', ['birth.masked', 'context.extra_label'])],
     {'2026/04/22': 'look_alike', '2026/05/01': 'look_alike'}),
    ('생년월일은 1990.03.02이고요, 방문일은 2026.04.22입니다.',
     [('birth_date', '1990.03.02', 'birth.yyyymmdd', ['context.letter_distance'])],
     {'2026.04.22': 'look_alike'}),
    ('일정 확인 부탁드려요. 생년월일 1990.03.02',
     [('birth_date', '1990.03.02', 'birth.yyyymmdd', ['context.letter_distance'])],
     {}),
]

DOCUMENTS = SENDERS + PEOPLE + GARBLED + EVENT_DATES


@pytest.mark.parametrize("text,expected,vetoed", DOCUMENTS)
def test_organisations_senders_and_lines_are_not_reported_and_the_peoples_stay(text, expected, vetoed):
    assert_thorough_outcome(text, expected, vetoed)


def test_the_default_setting_is_unchanged_on_senders_garbled_labels_and_event_dates():
    """Config() is frozen: these readings are the thorough mode's."""
    texts = ["보낸사람 notice@mail.bankk.co.kr", "F A X : 031-4677-1004", "대표번흐. 031-443-0000",
             "Date of Birth는 ****-10-28입니다\n일정: 2026년 4월 22일"]
    assert [[(f.entity, f.text(t)) for f in norvane.detect(t).findings] for t in texts] == [
        [("email", "notice@mail.bankk.co.kr")], [("phone", "031-4677-1004")], [("phone", "031-443-0000")], []]



def test_a_misread_or_spaced_company_label_is_read_as_the_label_itself():
    """One table of misread syllables (kMisreadSyllables) for the label walk and for a company's
    label a scan garbled right before a number: the same findings as under the label written
    right. From a label's third syllable on the walk reads it, a person named before it or not."""
    labels = [("대표번흐", "대표번호"), ("대표번후", "대표번호"), ("고객샌터", "고객센터"), ("콜샌터", "콜센터"),
              ("대표전하", "대표전화"), ("펙스", "팩스"), ("F A X", "FAX"), ("상담칠", "상담실")]
    frames = ["{} 031-443-0000", "[스캔] {}: 02 719 9024\n구매자 010-2423-7431", "OCR 변환본\n{} . 062 9115 7174"]
    texts = [(frame.format(garbled), frame.format(written)) for garbled, written in labels for frame in frames]
    texts += [("담당 김민수 대표번흐 031-443-0000", "담당 김민수 대표번호 031-443-0000")]
    assert [found_thorough(read) for read, _ in texts] == [found_thorough(meant) for _, meant in texts]
    assert not any(found_thorough(read) and "010-" not in read for read, _ in texts)
