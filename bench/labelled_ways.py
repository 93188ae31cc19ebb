"""Labelled Korean documents about ways of writing and look-alikes: values written the way people
really type them when no form is there to stop them, and numbers that look personal but are not.
Everything is made from a seed; nothing is downloaded.

    docs = labelled_ways.generate("ways-tuning", documents=400)
    docs = labelled_ways.generate("ways-heldout", documents=400)

Ways of writing: dates with English month names (5 Jan 1990, Jan. 5, 1990, January 5th, 1990,
05-JAN-1990, and Korean mixed with English), Hangul letters and other dashes typed as hyphens
(010ㅡ1234ㅡ5678, －, —, –, ‐, ~, ㆍ), values wrapped over two lines (a line break after a hyphen
or a space, or a plain line break inside a card or account), digits read out in Hangul (공일공 일이삼사 오육칠팔, 영 for 0, mixed with digits), groups read
out with 에 between them (공일공에 일이삼사에 오육칠팔, 010에 1234에 5678), partly
masked values (●, ○, *, #, X, x, ■ over some digits), international phones (masked too:
+82-10-****-5678), disguised e-mails,
e-mails glued to digits, licences with a region name (joined to the groups or not) or with dots
or spaces between the groups, American Express cards in 4-6-5, birth dates with a short year
('90.1.1, 90. 1. 1.), in Korean words (1990년 1월 1일생), with Hangul numerals for the numbers
(천구백구십년 삼월 십오일, 1990년 유월 십일), with spaces before 년/월/일, as bare digits or day
first (13/01/1990, 13.01.1990), or as the front half of a resident number under its label
(주민번호 앞자리 900115), and resident numbers issued since October 2020. Cues other than a label: a birth
date beside the person's age or sex (만 34세 (1990.01.01), 홍길동(남, 1990.1.1)), a licence
beside its class, before or after it (1종보통 11-23-456789-01, 12 64 077582 91 (1종대형)),
a licence after its region name in brackets ((서울) 12-345678-90), an account under a bank's English name (Bank:
Shinhan 110-...) or with its holder and bank around it. Look-alikes: company and representative numbers, IMEI and serial
numbers, MAC addresses, tracking numbers, IP addresses, versions, ISBNs, prices, CSV fields,
order, receipt and approval numbers, certificate numbers, dates with English month names, a
short year or the day first that are not birth dates, dates beside an age limit, numbers beside
a licence class that are not licences, numbers on two lines that are two numbers, dates of
events in Korean words, the first digits of a card number, and numbers listed with 에 between.

Kinds of documents: team chat exports (speakers, times before, after or under a message), copies
of identity cards and passports (with the passport's two machine-readable lines: the number and
the birth date are values), bank and card text alerts, parcel labels (안심번호, 050x virtual
numbers) and receipts; phones written without their leading zero; and as look-alikes, a
hospital's, a club's, a booking's and a shop's numbers (환자 등록번호, 회원카드, 탑승권,
가맹점번호). Notices of schools, hospitals, offices and shops: the people named in them keep
their phones and accounts (담당자, 보호자, 자택, 직통, 환불계좌), while the organisations' own
landlines (행정실, 원무과, 민원실, 장례식장) and accounts held by a company or an institution
(예금주 (주)..., 재단법인, 법인계좌) are look-alikes. Study cafes', libraries' and PC bangs' sign-up
sheets and kiosk logs (member_log): members, customers, bookings and cash receipts keyed by the
member's own mobile (회원 010-..., user_id=010..., 현금영수증 010-...), beside the order,
approval and member-card numbers the shop or the payment system issues (look-alikes). Gyms',
clubs', academies' and libraries' members (member_roster): attendance and locker logs, rosters
pasted as a table and membership cards, each value a member's own mobile (written with dashes,
as bare digits, with dots or partly masked), beside the member, locker, seat, membership-card and
receipt numbers the club issues (look-alikes). Papers' closing lines (closing_lines): benefit
applications ending with the office in charge and its landline, booking confirmations with a
business's registration footer and an account held by the business, travel papers with a trip's
dates under a birth date, research, service and bond papers with a registry's issued numbers, and
second-hand trades with a post office's tracking number; each beside the person's own values.
Ledgers and papers (ledgers_and_papers): an
airline's SSR DOCS line (the passport and the birth date by their place, the expiry a look-alike),
a referral letter's birth date beside the age (a visit's date beside an age that disagrees, a
look-alike), kye ledgers and group purchases with mobiles beside accounts and accounts glued to
the day they were paid, partly masked registration numbers beside 외국인, an inheritance
agreement's deposits in the deceased's name, a benefit form's licence under the workplace's
numbers. Workers and logs (workers_and_logs): foreign workers' papers with the phone at home
abroad in international form (+84, +63, +86, +977 ...) under 본국 연락처, Home Country Tel or a
table's column, beside a company's line abroad, a flight's and a ship's (IMO) numbers; forms and
padded columns with a registration number's halves two or three spaces apart, beside a form's
dates; payment rosters of people under an organisation's header line with its landline (a
look-alike); verification logs with a licence, a resident number or a passport under a generic
identity key (id_no=, 신분증번호=), beside a transaction's id. Serials and desks (serials_and_desks):
numbers a label or their line names as no person's, beside the people's own: lottery tickets',
patients' chart numbers under a bare 등록번호, prescriptions', tax payments', SIM cards', customs',
export declarations' and veterans' numbers; public offices', employment centres' (with an
extension), crematoria's and retailers' lines and English company lines; dealers', shops' and
clubs' accounts; amounts after a person's account in a ledger; an event's date before another
label's value; creditor companies' numbers in their items' later fields. No person's numbers
(no_persons_numbers): an amount or a count after a partly masked card, organisations' lines after
their names or counters (a management company's, a shop's named by its trade, a public office's
counter after a staff member's direct line), accounts said to be a head office's, a shop's, an
office's, a merchant's or an association's, and companies' shared and no-reply mailboxes, beside
the people's own. Chats and records (chats_and_records): a licence sent by a speaker named by a role
(수강생, 회원, 재학생) in the message after the one announcing it, an identity record's type key
naming its number's kind (also partly masked), cards masked with symbols in spaced groups, a
directory's rows with their header far above or missing; student numbers on school forms and
schedules' event dates as look-alikes. Organisations' numbers (organisations_numbers): accounts
the word before 계좌 gives to a league, a society, a company, an organiser or a supplier, a
business's account in its message to a customer, organisations' lines named in English or by a
unit (Main, Branch tel, Front desk, 병동 스테이션, 리그 사무국), shared mailboxes of a domain beside its
staff's own addresses; an officer's own account with the holder's name stays a value. Contacts
and columns (contacts_and_columns): the mobile a text message or a messenger's note goes to, named
by that word (문자, 알림톡, 카톡, SMS), in international form or in groups of other widths; passports
typed in lower case, in groups or in the current shape; CSV rows a comma inside a field shifted by a
cell; masked cards under a short pay header and resident numbers masked but for their year and sex
digit in a crew list's 생년월일 column; beside shops' and senders' lines, orders', parcels' and user
ids' look-alikes. Labels apart (labels_apart): a licence, a passport, a resident number or an
account asked for and given after the clause that says so (면허번호 필요하다고 해서요 21-10-...), a
sender's own line right under the signature's name and team (하채원 드림 / ... 고객지원팀 /
052.847.9428) beside the organisation's 대표, 대표번호, 고객센터 and 팩스 lines, English labels of a
host's or a sender's own line over 050x safe numbers (Host direct: 050269848587), a treasurer's
mobile asked about after their account ((문의 +82-10-...)); an insurer's claim and policy numbers and
desks' lines as look-alikes. Rosters read by column (rosters_by_column): ship and tour manifests
and rosters exported from a booking system, their columns parted by two spaces or more while a cell
holds single spaces (a name of three words, 28 JUL 1961, 1990년 9월 28일), rows with a cell left empty
inside or ending early; class lists in CSV one of whose rows holds a date's comma unquoted (Jul 19,
2019), with rows below it; a passport's expiry and a booking's number in their own columns as
look-alikes.
Values half masked (values_half_masked): e-mails shown as their first and last
letters around stars (h****g@icloud.com) in forms, tables, JSON, logs and mail headers; birth
dates showing only their year or year and month (99****, 80.**.**, 1983-**-**, 1971/**/**) under a
birth label, in a birth column or beside a resident number masked after its sex digit; birth dates
in brackets after a masked name in notification texts (한*우님(770912), K** H**님(1987.●●.●●));
wildcard addresses and globs, masked dates under another label and visits' dates after a masked
name as look-alikes.
Organisations' held numbers
(organisations_held_numbers): accounts held by a religious body, a foundation or an association
(예금주 대한불교 OO사, 천주교 OO교구), a temple's, a hospital's, a school's or a hotel system's desk
lines (종무소, 원무과, "front_desk":, concierge), booking and inquiry mailboxes at the business's own
domain, dates under their own event's label beside a birth label (졸업일, 입회일), references led by
their year and grouped 4-4-2; a named holder's account, a manager's mobile and a booking address
at a mail service stay values.
Organisations' accounts (organisations_accounts): virtual accounts and the payer's dedicated
collection accounts (가상계좌, 가상계좌번호, 납부용 가상계좌, 전용 입금계좌, letter-spaced by a scan,
in a chat, in a table's column), accounts whose label names an organisation as owner (회사 계좌 after
a chat speaker's title, 법인계좌, 입금 계좌 (법인), 장학재단, 협회, 재단 후원, 성당 후원, 선교회, 교회
헌금계좌, a row's first cell) and records' keys naming the organisation's account (payee_account,
sponsor_account, donation_account, corp_account, company_account, vaccount, virtual_account); the
payers' own accounts (환불계좌, 출금계좌, 자동이체 계좌, 입금계좌, 본인 계좌; account, acct, refund_acct,
account_no, bank_account, payout_account) and mobiles stay values.
Machine keys (machine_keys): values under the column names Korean systems take from the
public-data standard terms and their cousins (brdt, dob_yyyymmdd, drvLcnsNo, bzmnNo, brno,
frgnrRgstNo, rrno, mblTelno, mbtlnum, actno, crdNo, psptNo) in access logs' query strings, JSON
bodies, pipe-parted and key=value log lines and dumps, beside orders', approvals', bookings',
amounts' and addresses' keys as look-alikes. Chat requests (chat_requests): an account asked for in
a messenger's slang (어디로 쏘면 돼?, 계좌 불러줘, 번호 찍어줘) and answered bare in the next message,
under a KakaoTalk export's stamps or a phone's, maybe past a remark; a phone asked for and
answered, and an order's, a parcel's, a code's number or a time answering their own questions as
look-alikes. Offerings and lines (offerings_and_lines): accounts a church, a temple or a charity
collects offerings and donations into (헌금, 감사헌금, 십일조, 보시, 시주, 후원, 기부금 계좌) in bulletins,
forms, key=value lists, tables and staff chats; accounts the label gives to a company or to one
bill (입금 계좌(회사), 법인 계좌, 대금 입금처 in a maker's or a franchise's paper, 납부 계좌(1회용),
일회용 계좌); offices' main lines (the T. or Tel after a signature's direct line, 담당 부서, a
centre's or an office's line in a staff message, 사무실 in a record or a guard's log) and
representative landlines as look-alikes; a member's refund or pay-in account, a giver's account, a
seller's proceeds, a worker's pay account, the signature's direct line and mobiles, also a partner
company's head's mobile under 대표, stay values.

A virtual account (가상계좌) is the organisation's number wherever it is written: a bank issues it to
the organisation to collect one bill or one payer's payments, it names no person as holder and
cannot be drawn on. So a value drawn under a label holding 가상 (the generic account labels' 가상계좌
and 가상계좌번호, the apartment notice's 가상계좌) is written as a `virtual_account` look-alike instead,
on both parts, as the telecom bill's 가상계좌 already was (`company_account`).

People's places and prose (places_and_prose): a person's own line named by their place or role
(교수 연구실, 예약자 번호 over 050x safe numbers, 직장 전화, 자택 전화, a tel among one person's fields)
beside a department's, an office's, a switchboard's (교환), a fax's and a representative line;
English labels a scan spaced out letter by letter (D a t e   o f   B i r t h) and labels with a
misread syllable (사업자번흐, 둥록번호); values in prose after a label and before an ending or a
bracket (생년월일 70년 1월 13일이며, 결제 카드 ...(본인 확인)); Amex cards in a 결제 카드 column.

Scans read partly as letters (labelled_scans): forms whose OCR read some of a value's 0, 1, 5 and 8 as
O, l (or I), S and B, under a label of its kind on lines framed by | or ㅣ, labels letter-spaced, a ;
or a . after them (생 년 월 일 ; 196S.07.l5, 연 락 처 ; 01O-66l8-Bl70, 환불계좌 5163B64796720S, 7 Jul
l9SO), beside models', serials', lots', plates', ISBNs' and orders' numbers the same scan read
(look-alikes) and passports and e-mails whose letters are their own; and a desk's chat where the
person reads out the account asked for in spaced groups with an ending (9096 08 122864 1 요).

Organisations' senders (organisations_senders): notifications'
senders under a sender label (보낸사람 notice@mail.bankk.co.kr, "sender": "newsletter@...", a scan's
보 낸 사 람.), organisations' lines under a label a scan spaced out or misread (F A X, 대표번흐,
고객샌터), meters' numbers written like a Seoul landline and the dates of a visit, a booking or a
trip under their own label in prose after a birth date's line, as look-alikes; a person's address
at a mail service under a sender label stays a value. Licences by their label
(licences_by_label): licences of any region code, known or not (27-30-517654-52), under a column's
header, a key, a form's label or a sentence's 운전면허, beside order, parcel and serial numbers of
their shape under their own labels and accounts grouped as licences are.

Organisers and roles (organisers_and_roles): the organiser's account on an application form, its
export and its notice (참가비 입금 계좌(주최), (주관), 주최측 입금 계좌, host_account=,
organizer_account:), a charity's or a welfare centre's donation account on a form or a bilingual
receipt (후원금 계좌, Charity account -, Donation account:), a company's role mailboxes at its own
domain (tax@, admin@, contact@, invoice@ ... under 문의 메일, 발급 문의, 채용 문의, a JSON record's
contact, host_mail=, a recipient's label), organisations' lines under a record's key (store=,
union_tel=, center_tel=, shop_tel) and offices' main lines ending 0114 or 0000 named by the office's
word (마을 사무장 번호는, 조합 사무실 전화는), as look-alikes; the applicant's refund and settlement
accounts, the donor's own account, a staff member's address at the company's domain or a person's
beginning with a common word (kim.help@, taxi77@) and mobiles stay values.

Main lines and roles (main_lines_and_roles): an office's own line under a record's or a form's
key that says so (office=, office_main_phone=, "office_tel":, main_phone=, Office Main Phone:), a
business's or a unit's line named by what it is (도장 전화 -, 관광버스 회사:, 연회장, (식당 ...), 부대
행정반:, 대리점:, 터미널 =), numbered as offices number their main lines (0000, 1000, 9200, 1114 ...),
and role mailboxes at an organisation's own domain (ask@, qna@, privacy@, dpo@ under 학원 메일,
[개인정보보호 담당 메일], 문의 메일은 ...입니다), as look-alikes; a person's keys on the same record (hp=,
mobile=, contact=, office_manager_mobile=), a person's line under the place's word (식당 사장님
010-..., 도장 관장님 휴대폰), home lines and mobiles ending 1000 under a person's word and people's
addresses beginning with a role's word (ask.kim@, qna_lee@) stay values.

Invitations and scans (invitations_and_scans): wedding, first-birthday and funeral notices listing
gift accounts by a family's side (신랑측 계좌, 신부 측 계좌, 혼주측, 아빠측, 상주측) and under the
invitation's indirect label (마음 전하실 곳, 축의금 보내실 곳, 부의금 보내실 곳, 계좌번호 안내), with a
bank's name or none, and guest lists with a column so headed (hyphens, fourteen digits, partly masked,
full-width); birth dates in Korean words a scan misread in part under a birth label (생년월일 l972년
ll월 2B일, [운전자 생년월일] 86년 S월 3O일); a venue's, an organiser's and a company's side's accounts
(예식장측, 주최측, 회사측), amounts, reply dates and scanned dates under a visit's or an accident's
label as look-alikes.

Fees and registries (fees_and_registries): the account a fee is paid into, named by the fee or by
수납 right before 계좌 (납부는 관리비 계좌 ..., 관리비 납부계좌: 대구은행 /..., [관리비 납부계좌], an
auto-debit form's 수납 계좌, a kids' cafe's or a paragliding school's 예약금 입금계좌, 수강료 납부 계좌,
대관료 입금 계좌, 이용료 계좌), an account whose holder is an apartment's council, committee or office
or an arcade's association (예금주: OO 입주자대표회의, 부녀회, 운영위원회, 상가 번영회, 관리사무소), and
registries' numbers, a letter glued to ten digits (교적번호 A3578345658, a care centre's 등록번호
column) or under their own label (교적번호 2026-304442, 관원번호), as look-alikes; a household's
refund or new debit account, a payer's debit account, a club's dues account held by its treasurer
(회비 계좌(총무)), a landlord's rent account, a seller's 입금계좌, a fee account held by a named
person, an officer's own account, a business's registration and mobiles stay values.

The account an apartment's management fee is paid into is the management office's number: so a
value drawn under the apartment notice's fee labels (관리비 계좌, 관리비 납부계좌, 관리비 입금계좌, the
frame's 관리비 before 납부계좌, 입금계좌 or 계좌번호) is written as a `fee_account` look-alike instead, on both
parts, as the virtual accounts are (their wording and draws do not change).

The records are those of `labelled.py` (`Document`, `Value`, `Negative`), so `quality.py` scores
them the same way. As there, every pool of frames, labels and phrasings is cut in two by a stable
hash, about a third going to the held-out part only.
"""

from __future__ import annotations

import contextlib
import random
import re

import corpus
import labelled
from labelled import Document, _Writer

PARTS = ("ways-tuning", "ways-heldout")

MONTHS = ("January", "February", "March", "April", "May", "June", "July", "August", "September",
          "October", "November", "December")
HANGUL_SPOKEN = "공일이삼사오육칠팔구"
HANGUL_UNITS = "십백천"
# Characters people type for a hyphen inside a number.
DASH_EU = "\u3161"                                   # ㅡ, the Hangul letter eu
DASH_OTHERS = ("\uff0d", "\u2014", "\u2013", "\u2010", "~", "\u318d")  # － — – ‐ ~ ㆍ
MASK_CHARS = ("●", "○", "*", "#", "X", "x", "■")

# --------------------------------------------------------------------------- wording pools

# Ledgers and papers (genre ledgers_and_papers, a stream of its own): an airline's passenger
# record with its SSR DOCS line, a referral letter giving the birth date beside the age, a kye's
# ledger and a group purchase's comments where accounts and mobiles stand side by side, a site's
# attendance book and a payroll with partly masked registration numbers, an inheritance
# agreement's deposits, an unemployment-benefit application with a licence under the company's
# numbers. Markers: [[V:kind:writing]] a value, [[N:category]] a look-alike.
LEDGER_GENRE = "ledgers_and_papers"
LEDGER_SHARE = 0.07  # of the documents reaching it, from a stream of its own
LEDGER_KINDS = ("docs", "age", "kye", "group_buy", "attendance", "estate", "benefit")
LEDGER_DOCS_TITLES = ("[PNR {pnr}] 예약 기록", "체크인 기록 복사본", "RLOC {pnr}", "승객 정보 (GDS 화면 캡처)",
                      "예약 변경 요청 - PNR {pnr}", "여행사 발권 메모", "APIS 입력 확인", "탑승객 사전 등록 정보")
LEDGER_DOCS_LINES = ("DOCS/[[V:passport]]/KOR/[[V:birth_date]]/{sex}",
                     "SSR DOCS {air} HK1 P/KOR/[[V:passport]]/KOR/[[V:birth_date]]/{sex}/[[N:docs_expiry]]/{SUR}/{GIVEN}",
                     "3DOCS/P/KOR/[[V:passport]]/KOR/[[V:birth_date]]/{sex}/[[N:docs_expiry]]/{SUR}/{GIVEN}",
                     "SRDOCS {air} HK1/P/KOR/[[V:passport]]/KOR/[[V:birth_date]]/{sex}/[[N:docs_expiry]]/{SUR}/{GIVEN}-1.1",
                     "DOCS [[V:passport]]/KOR/[[V:birth_date]]/{sex}",
                     "SSR DOCS YY HK1 /P/KOR/[[V:passport]]/KOR/[[V:birth_date]]/{sex}/[[N:docs_expiry]]/{SUR}/{GIVEN}",
                     "  .DOCS/[[V:passport]]/KOR/[[V:birth_date]]/{sex}",
                     "SSR DOCS {air} HK1 P/KOR/[[V:passport]]/KOR/[[V:birth_date]]/{sex}/[[N:docs_expiry]]/{SUR}/{GIVEN}/H")
LEDGER_DOCS_OTHER = ("{n}.1{SUR}/{GIVEN} MR", "{air} {flight} Y {day}DEC ICNNRT HK1 0905 1125", "TK OK{day}DEC/SELK1394Z",
                     "SSR CTCM {air} HK1/8210{n4}{n4}", "RM 좌석 창가 요청", "FONE SELM 02-{n4}-{n4}",
                     "{air} {flight} {day}JAN ICNBKK 발권 완료")
LEDGER_AGE_LINES = ("환자 성명 {name}  성별 {sex}\n([[V:birth_date]], {age}세)", "{name} 님 ([[V:birth_date]], 만 {age}세)",
                    "[[V:birth_date]]생 (만 {age}세)", "환자: {name} ({sex}/[[V:birth_date]]/{age}세)",
                    "대상자 {name} ([[V:birth_date]], {age}세, {sex})", "수진자 {name} {sex} ([[V:birth_date]] / {age}세)",
                    "{name} ({sex}) [[V:birth_date]] 만{age}세", "의뢰 환자 {name} ([[V:birth_date]], {age}세)",
                    "이용자 {name}, [[V:birth_date]]생, 만 {age}세")
LEDGER_AGE_OTHER = ("검사일 ([[N:age_other_date]], 당시 {age}세)", "내원일 [[N:age_other_date]] ({age}세)",
                    "최근 입원 [[N:age_other_date]] (만 {age}세 때)", "수술일 [[N:age_other_date]], 당시 {age}세",
                    "초진 ([[N:age_other_date]], {age}세)")
LEDGER_AGE_TITLES = ("진료의뢰서", "환자 의뢰서", "요양급여 의뢰서", "장기요양 인정 신청 상담지", "주간보호센터 입소 상담 기록",
                     "협진 의뢰 회신서", "방문간호 초기 평가지")
LEDGER_AGE_FILLERS = ("상기 환자 진료 의뢰드립니다.", "주 증상: 기침, 발열", "진단명: 고혈압, 당뇨", "보호자 동행 예정",
                      "복용 약 목록 첨부합니다.", "담당의 {name}")
LEDGER_KYE_ROWS = ("{i}번 {name} [[V:phone]] 받는 계좌 {bank} [[V:bank_account]] [[N:ledger_date]] 수령",
                   "{i}번 {name} [[V:phone]] / 받는 계좌 {bank} [[V:bank_account]] / [[N:ledger_date]] 수령",
                   "{i}. {name} ([[V:phone]]) 계좌 {bank} [[V:bank_account]] [[N:ledger_date]] 수령 완료",
                   "{i}번 {name} [[V:phone]] 입금계좌 {bank} [[V:bank_account]] [[N:ledger_date]] 지급",
                   "{i}순번 {name} 연락 [[V:phone]] 곗돈 받을 곳 {bank} [[V:bank_account]] [[N:ledger_date]] 수령",
                   "{i}번 {name} [[V:phone]] {bank} [[V:bank_account]] [[N:ledger_date]] 받음")
LEDGER_KYE_TITLES = ("{n}기 번영회 곗돈 순번표", "친목계 장부 (2024~2026)", "=== 곗돈 수령 순서 ===", "부녀회 계모임 명부",
                     "낙찰계 수령 기록", "동네 친목계 순번")
LEDGER_KYE_FOOTERS = ("곗돈 매달 {amount}원 10일까지 입금", "총무 {name} [[N:ledger_customer_centre]] 아님 주의",
                      "문의는 총무에게", "곗돈 입금 확인 승인번호 [[N:ledger_approval]]", "이상 {n}명")
LEDGER_BUY_COMMENTS = ("신청합니다~ {name} [[V:phone]] {n}박스 입금했어요", "{name} [[V:phone]] {n}개 신청이요 입금완료",
                       "입금했습니다! 받는 분 번호 남길게요\n[[V:phone]]", "{name}/[[V:phone]]/{n}세트 입금했어요",
                       "{n}박스요 {name} [[V:phone]] 방금 이체했습니다", "입금 완료요~ 연락처 [[V:phone]] {name}",
                       "{name} {n}개 [[V:phone]] 송금했어요 확인 부탁드려요")
LEDGER_BUY_ACCOUNT = ("입금 계좌 {bank} [[V:bank_account]] ({name})", "{bank} [[V:bank_account]] 예금주 {name} 으로 입금해주세요",
                      "계좌: {bank} [[V:bank_account]] {name}", "입금은 {bank} [[V:bank_account]] 로 해주세요")
LEDGER_BUY_TITLES = ("[공동구매] 제주 감귤 10kg", "햇사과 공구 신청 댓글", "단체 주문 (맘카페)", "김장김치 공동구매 신청",
                     "공구 신청방", "{gu} 맘카페 공구 게시판")
LEDGER_BUY_FORMS = ("닉네임/이름/연락처/수량/입금자명", "닉네임 / 이름 / 연락처 / 수량 / 입금자",
                    "양식: 닉네임/성함/전화번호/수량/입금자명", "닉/이름/폰번호/개수/입금자")
LEDGER_BUY_OTHER = ("입금 확인 승인번호 [[N:ledger_approval]]", "택배 문의 고객센터 [[N:ledger_customer_centre]]",
                    "{n}박스 {amount}원 입금 확인", "배송 문의는 [[N:ledger_customer_centre]] 로")
LEDGER_NICKS = ("서연맘", "하늘이네", "지우엄마", "콩이맘", "민준아빠", "행복맘", "봄날", "두아이맘")
LEDGER_SITE_TITLES = ("{gu} 신축공사 현장 출역 일보", "현장 출근부 (12월 {n}일)", "일용직 근로자 출역 명단",
                      "협력업체 출력 인원 현황", "작업자 안전교육 참석 명단")
LEDGER_SITE_LINES = ("{rname_upper} ([[V:foreigner_registration]], 외국인) {job} {hours}시간",
                     "{n}. {rname_upper} ([[V:foreigner_registration]], 외국인) 출근 07:00",
                     "{rname_upper} / [[V:foreigner_registration]] / 외국인 / {job}",
                     "{job} {rname_upper} ([[V:foreigner_registration]], 외국인)")
LEDGER_SITE_OTHER = ("{name} ([[V:resident]]) {job} {hours}시간", "현장 문의 [[N:ledger_customer_centre]]",
                     "출역일 [[N:ledger_date]] 기준")
LEDGER_PAY_HEADERS = ("성명\t주민등록번호\t지급액", "성명 | 주민등록번호 | 지급액 | 비고", "이름,주민등록번호,노무비",
                      "근로자명\t주민번호\t실지급액")
LEDGER_JOBS = ("형틀", "철근", "보통인부", "조공", "미장", "용접", "비계")
LEDGER_ESTATE_TITLES = ("상속재산 분할 협의서", "상속재산분할협의서 (초안)", "유산 분할 합의서", "상속 재산 분할 협의 내용")
LEDGER_ESTATE_LINES = ("{bank} 예금 (피상속인 명의 [[V:bank_account]]) 은 균등 분할한다.",
                       "{bank} 예금 (피상속인 명의 [[V:bank_account]]) 은 상속인 {name}이 단독 상속한다.",
                       "{bank} 예금(피상속인 {name} 명의 [[V:bank_account]])은 각 1/{n2} 지분으로 나눈다.",
                       "{bank}은행 예금 피상속인 명의 [[V:bank_account]] 잔액 전부는 {name}에게 귀속한다.",
                       "- {bank} 적금 (피상속인 명의 [[V:bank_account]]) : 상속인 전원 균등")
LEDGER_ESTATE_OTHER = ("1. 부동산\n서울 {gu} 역삼동 {n}-{n} 대지 {n}㎡", "피상속인 {name} (2025. 3. {n}. 사망)",
                       "상속인 대표 {name} 연락처 [[V:phone]]", "상속세 신고 문의 세무서 [[N:ledger_customer_centre]]")
LEDGER_BENEFIT_WORKPLACE = ("사업장관리번호 [[N:workplace_number]]", "사업장관리번호: [[N:workplace_number]]",
                            "고용보험 사업장관리번호 [[N:workplace_number]]", "(사업장관리번호) [[N:workplace_number]]",
                            "사업장 관리번호 [[N:workplace_number]]", "관리번호(고용) [[N:workplace_number]]")
LEDGER_BENEFIT_BUSINESS = ("사업자등록번호 [[V:business_registration]]", "사업자번호: [[V:business_registration]]",
                           "사업자 등록번호 [[V:business_registration]]", "(사업자등록번호) [[V:business_registration]]",
                           "사업자등록번호: [[V:business_registration]]", "이직 사업장 사업자번호 [[V:business_registration]]")
LEDGER_BENEFIT_TITLES = ("실업급여 수급자격 신청서", "구직급여 신청서 (수급자격 인정)", "이직확인서 및 수급 신청",
                         "고용보험 실업급여 신청")
LEDGER_BENEFIT_LABELS = ("신분 확인: 운전면허", "본인확인 운전면허증", "신분증: 운전면허", "확인 신분증 운전면허증",
                         "본인 확인 - 운전면허", "신분확인 운전면허")
LEDGER_REGIONS = ("서울", "부산", "경기", "울산", "대구", "인천", "경남", "전북")
LEDGER_AIRLINES = ("KE", "OZ", "7C", "LJ", "TW", "ZE", "BX")
LEDGER_LOOK_ALIKES = ("docs_expiry", "age_other_date", "ledger_date", "ledger_customer_centre", "ledger_approval",
                      "workplace_number")
# Foreign workers' papers, padded forms, payment rosters and verification logs (workers_and_logs):
# a worker's phone at home abroad in international form, a registration number whose halves stand
# two or three spaces apart, a roster's people under an organisation's header line, a verification
# log's generic identity key over a licence, a resident number or a passport.
WORKERS_GENRE = "workers_and_logs"
WORKERS_SHARE = 0.06  # of the documents reaching it, from a stream of its own
WORKERS_KINDS = ("home_phone", "halves_apart", "payment_roster", "identity_log")
# Calling code, then the groups of a number there as people write them (d: a digit).
WORKERS_ABROAD = {"VIETNAM": ("84", ("9d ddd dddd", "ddd ddd ddd", "9ddddddddd")),
                  "PHILIPPINES": ("63", ("9dd ddd dddd", "9dd-ddd-dddd", "9ddddddddd")),
                  "CHINA": ("86", ("13d-dddd-dddd", "13d dddd dddd", "15ddddddddd")),
                  "MYANMAR": ("95", ("9-ddd-dddd", "9 dddd ddddd", "9ddddddd")),
                  "INDONESIA": ("62", ("812-dddd-dddd", "813 dddd dddd", "85ddddddddd")),
                  "CAMBODIA": ("855", ("1d ddd ddd", "9d ddd ddd", "1ddddddd")),
                  "NEPAL": ("977", ("98dddddddd", "984-ddd-dddd", "98d ddddddd")),
                  "BANGLADESH": ("880", ("17dd-dddddd", "1ddddddddd", "18dd dddddd")),
                  "THAILAND": ("66", ("8d ddd dddd", "9d-ddd-dddd", "8dddddddd")),
                  "MONGOLIA": ("976", ("99dd dddd", "88dd-dddd", "9ddddddd")),
                  "UZBEKISTAN": ("998", ("90 ddd dd dd", "9d ddd dddd", "9dddddddd")),
                  "SRI LANKA": ("94", ("77 ddd dddd", "7d-ddd-dddd", "7dddddddd"))}
WORKERS_TITLES = ("고용허가제 외국인 근로자 인적사항", "외국인 근로자 신상 카드", "CREW LIST / 선원 명부",
                  "EPS Worker Information Sheet", "외국인 유학생 비상연락망", "입사 서류 (외국인 근로자)",
                  "Employee Personal Data (Foreign)", "기숙사 입사자 연락처", "계절근로자 인적사항",
                  "Trainee Registration Form")
WORKERS_HOME_LABELS = ("본국 연락처", "본국 가족 연락처", "Home phone", "Home Country Tel", "고향 연락처",
                       "본국 전화", "Home Tel", "가족 연락처(본국)", "본국 비상연락처", "Family phone (home country)",
                       "고국 가족 전화", "Emergency Contact (Home Country)")
WORKERS_KOREAN_LABELS = ("휴대폰(한국)", "Mobile (Korea)", "한국 연락처", "HP (KR)", "연락처(국내)", "Korea Mobile",
                         "국내 휴대폰", "Korean mobile")
WORKERS_NAME_LABELS = ("성명", "Name", "이름", "Full name", "성명(영문)")
WORKERS_NATION_LABELS = ("국적", "Nationality", "국가", "Country")
WORKERS_LINE_STYLES = ("{L}: ", "{L} : ", "{L}  ", "- {L}: ", "{L}\t")
WORKERS_HOME_AFTER = ("", "", " (모)", " (mother)", " (배우자)", " (father)", " / 부", " 카톡 가능", " (wife)", " (형)")
WORKERS_HOME_NEGATIVES = ("현지 고객센터 <<N:foreign_customer_centre>>", "Customer Care <<N:foreign_customer_centre>>",
                          "입국 항공편 <<N:flight_number>>", "Flight <<N:flight_number>> / ICN",
                          "승선 선박 IMO <<N:ship_imo_number>>", "Vessel IMO No. <<N:ship_imo_number>>",
                          "송출기관 대표번호 <<N:foreign_customer_centre>>", "귀국 항공편 <<N:flight_number>>",
                          "선박 IMO 번호 <<N:ship_imo_number>>", "Hotline <<N:foreign_customer_centre>>")
WORKERS_AIRLINES = ("VN", "PR", "5J", "CA", "MU", "8M", "GA", "QZ", "TG", "OM", "HY", "UL", "BS", "KE", "OZ")
WORKERS_FORM_LINES = ("성명  {name}    주민등록번호  <<V>>", "주민등록번호 : <<V>>    성명 : {name}",
                      "{name}    <<V>>    {gu}", "본인 {name}   주민번호   <<V>>", "신청인  {name}  ( <<V>> )",
                      "주민등록번호      <<V>>", "{i}   {name}     <<V>>     {job}", "성 명 {name}   생년월일·번호  <<V>>",
                      "피보험자 {name}  <<V>>  취득", "대상자: {name}   등록번호  <<V>>")
WORKERS_FOREIGN_FORM_LINES = ("외국인등록번호  <<V>>   {nation}", "{rname}    <<V>>    {visa}",
                              "외국인 등록번호 : <<V>>", "등록번호   <<V>>   국적 {nation}",
                              "ARC No.   <<V>>", "{rname}  ( <<V>> )  {visa}")
WORKERS_FORM_TITLES = ("4대보험 취득 신고 명단", "건강검진 대상자 명부", "[스캔] 신청서 사본", "인적사항 확인서",
                       "보험 가입자 명단 (수기 작성)", "근로계약서 첨부 명단", "장학금 신청자 명단")
WORKERS_FORM_NEGATIVES = ("접수일  <<N:form_date_column>>   접수번호  {n4}", "작성일   <<N:form_date_column>>",
                          "발급일자  <<N:form_date_column>>   쪽수 1/2", "출력일 <<N:form_date_column>>   담당 {name}")
WORKERS_ORGS = ("{gu} 시니어클럽", "행복노인복지관", "푸른지역아동센터", "한빛장애인협회", "새봄영농조합",
                "미래나눔재단", "{gu} 노인복지센터", "늘푸른 자활센터", "희망나눔 사회복지관", "은빛 실버인력 협회")
WORKERS_ROSTER_TOPS = ("담당: {org} <<N:roster_org_landline>>", "{org} (☎ <<N:roster_org_landline>>)",
                       "담당기관 {org} 전화 <<N:roster_org_landline>>", "{org} 담당 <<N:roster_org_landline>>",
                       "수행기관: {org} / <<N:roster_org_landline>>", "{org}  TEL <<N:roster_org_landline>>",
                       "문의 {org} <<N:roster_org_landline>>")
WORKERS_ROSTER_TITLES = ("{y}년 {m}월 노인일자리 활동비 지급 명단", "참여자 활동비 지급 내역 ({m}월)",
                         "공익활동 참여자 급여 지급 대장", "사회서비스형 참여자 명단 및 지급액",
                         "{m}월분 활동수당 지급 명세", "자활근로 참여자 급여 명세 ({y}.{m})")
WORKERS_ROSTER_HEADS = (("번호", "성명", "주민등록번호", "연락처", "은행", "계좌번호", "활동", "지급액"),
                        ("No", "이름", "주민번호", "휴대폰", "은행명", "계좌", "사업명", "금액"),
                        ("순번", "성명", "주민등록번호", "전화번호", "금융기관", "계좌번호", "활동유형", "지급액(원)"),
                        ("연번", "참여자", "생년월일-번호", "핸드폰", "은행", "입금계좌", "구분", "활동비"))
WORKERS_ROSTER_CARD_HEADS = (("번호", "성명", "주민등록번호", "연락처", "카드번호", "지급액"),
                             ("No", "이름", "주민번호", "휴대폰", "복지카드", "금액"))
WORKERS_ROSTER_DELIMITERS = ("\t", " | ", ",", "  ", " ")  # drawn in both parts: shapes, not wordings
WORKERS_ACTIVITIES = ("공익활동", "노노케어", "환경정비", "학교급식 지원", "시장형", "공공시설 봉사", "스쿨존 지킴이")
WORKERS_BANKS = ("농협", "국민", "신한", "우리", "하나", "우체국", "새마을금고", "기업", "신협", "수협")
WORKERS_LOG_TITLES = ("[kyc-verify] {day}/Dec/2026", "=== 본인확인 로그 export ===", "ekyc.log (tail -n 50)",
                      "신분증 진위확인 결과 로그", "# verification records, 2026-12-{day:02}",
                      "[audit] identity check batch {n4}")
WORKERS_LOG_LINES = ("2026-12-{day:02}T{hh}:{mm}:{ss}Z INFO verify user={uid} {K}=<<V>> result=PASS",
                     "[{hh}:{mm}:{ss}] kyc ok uid={uid} {K}=<<V>> method=ocr",
                     "{hh}:{mm}:{ss} {K}=<<V>> name_match=Y score=0.9{n}",
                     "2026-12-{day:02} {hh}:{mm}:{ss},{ms} [verify] {K}=<<V>> status=ok",
                     "level=info msg=\"id verified\" {K}=<<V>> uid={uid}",
                     "{hh}:{mm}:{ss} 본인확인 {K}=<<V>> 결과=일치",
                     "verify_result user={uid} {K}: <<V>> matched=true",
                     "[{hh}:{mm}] 진위확인 요청 {K}=<<V>> 응답=정상")
WORKERS_LOG_KEYS = ("id_no", "id_number", "idno", "identity_no", "신분증번호", "ID_NO", "idNo")
WORKERS_LOG_NEGATIVES = ("{hh}:{mm}:{ss} txn_id=<<N:log_transaction_id>> status=200",
                         "request_id=<<N:log_transaction_id>> latency_ms={n}",
                         "[{hh}:{mm}:{ss}] session <<N:log_transaction_id>> closed",
                         "trace=<<N:log_transaction_id>> retry=0")
WORKERS_LOG_REGIONS = ("서울", "경기", "부산", "경기북부", "대구", "인천", "강원", "충남", "전북", "경남", "제주")
WORKERS_LOOK_ALIKES = ("foreign_customer_centre", "flight_number", "ship_imo_number", "form_date_column",
                       "roster_org_landline", "log_transaction_id")


# Applications, filings and contracts (genre filings_and_contracts) whose lines carry numbers that
# are not the person's: an organisation's landline named by its role (등록기관, 선사, 시행사) or its
# name's ending (시니어클럽, 복지관, 재단), its fax beside it (<<role>>, <<fax>>); representative
# numbers, a creditor company's in a rehabilitation filing's list among them (<<rep>>); the
# account a customer pays a business's charge into (<<charge>>); a date whose own label names an
# event, below the applicant's registration number (<<event>>); other registers' ten digits that
# pass a business number's check by chance (<<register>>); a land parcel's nineteen-digit code
# after an address or under its label (<<pnu>>). The people on them keep theirs: <<mobile>>,
# <<home>>, <<acct>> (a refund's, a person's), <<rrn>>, <<dob>>, <<brn>>.
FILING_GENRE = "filings_and_contracts"
FILING_SHARE = 0.06  # of the documents, from a stream of its own
FILING_PAPERS = {
    "roster": (
        ("{gu} 시니어클럽 노인일자리 참여자 명단", "참여자 {name} 휴대폰 <<mobile>>",
         "담당: {gu} 시니어클럽 <<role>>"),
        ("자원봉사 활동 확인 신청서", "신청자 {name} 연락처 <<mobile>>", "등록기관 <<role>>"),
        ("바우처 서비스 이용 신청서", "이용 신청인 {name} 주민등록번호 <<rrn>>",
         "접수기관 <<role>> (대표번호 <<rep>>)"),
        ("화물 선적 요청서", "화주 {name} 연락처 <<mobile>>", "선사 <<role>> / FAX <<fax>>"),
        ("도로 확장 공사 안내문", "시행사 <<role>>  시공사 <<role>>",
         "현장 대리인 {name} <<mobile>>"),
        ("세대 누수 민원 접수", "세대주 {name} 자택 <<home>>", "관리사무소 <<role>> 팩스 <<fax>>"),
        ("노인맞춤돌봄 대상자 명부", "수행기관 {gu} 노인복지관 <<role>>", "대상자 {name} <<mobile>>"),
        ("청년 도전 지원사업 참가 신청서", "참가자 휴대전화 <<mobile>>", "운영기관 {city} 청년센터 <<role>>",
         "주관기관 <<rep>>"),
        ("평생교육 강좌 수강생 명단", "수강생 {name} <<mobile>>", "{gu} 평생학습재단 <<role>> / 팩스 <<fax>>"),
        ("생활체육 대회 참가 신청서", "참가자 {name} 연락처: <<mobile>>",
         "주최 {city} 생활체육협회 <<role>>"),
        ("영농조합 가입 신청서", "가입 신청인 {name} 핸드폰 <<mobile>>",
         "{city} 햇살영농조합 <<role>>  Fax <<fax>>"),
        ("장애인 일자리 참여 신청", "신청인 {name} / <<mobile>>", "수행기관: {gu} 장애인복지관 <<role>>"),
        ("여객선 승선 신고서", "승선자 {name} 생년월일 <<dob>>", "선사 연락처 <<role>>, 팩스 <<fax>>"),
        ("문화누리카드 발급 신청서", "신청인 {name} 연락처 <<mobile>>", "운영기관 <<rep>>",
         "접수: {gu} 문화재단 <<role>>"),
    ),
    "creditors": (
        ("개인회생 채권자 목록", "채무자 {name} 주민등록번호 <<rrn>>",
         "1. {creditor} 연락처 <<rep>>", "2. {creditor} 연락처 <<rep>>",
         "3. 채권자 {name} (개인) 연락처 <<mobile>>"),
        ("채권자 목록표", "채권자명: {creditor} / 전화 <<rep>>", "채권자명: {creditor} / 전화: <<rep>>",
         "채권자명: {name} / 휴대폰 <<mobile>>"),
        ("파산 신청서 부속서류 - 채권자 일람", "(1) {creditor}  Tel <<rep>>", "(2) {creditor}  Tel <<rep>>",
         "(3) {name}  H.P <<mobile>>"),
        ("[채권자 목록]", "① 채권자 {creditor}, 연락처 <<rep>>", "② 채권자 {creditor}, 연락처 <<rep>>"),
        ("개인회생 채권자 일람표", "순번 1 {creditor} 대표전화 <<rep>>", "순번 2 {creditor} 전화번호 <<rep>>",
         "회생 신청인 연락처 <<mobile>>"),
        ("채무 조정 신청서", "채무자 휴대전화 <<mobile>>", "- {creditor} (연락처 <<rep>>)",
         "- {creditor} (연락처 <<rep>>)"),
        ("신용회복 신청 채권 내역", "{creditor} 고객센터 연락처 <<rep>>", "{creditor} 연락처 : <<rep>>",
         "개인 채권자 {name} 연락처 <<mobile>>"),
        ("회생 채권자 목록 (별지)", "가. {creditor} / 전화 <<rep>> / 채권액 {amount}원",
         "나. {creditor} / 전화 <<rep>> / 채권액 {amount}원"),
    ),
    "charge": (
        ("산후조리원 이용 계약서", "산모 {name} 연락처 <<mobile>>",
         "잔금 입금 계좌: {bank} <<charge>> 예금주 {name} {brand}"),
        ("태양광 발전설비 설치 계약서", "공사대금 입금 계좌: {bank} <<charge>>", "계약자 {name} <<mobile>>",
         "환불 계좌(본인 명의) {bank} <<acct>>"),
        ("수강 등록 안내", "수강료 입금 계좌 {bank} <<charge>> (예금주 {brand})", "학부모 {name} <<mobile>>"),
        ("예약 확인서", "계약금 입금처 {bank} <<charge>> 예금주 {brand}", "예약자 {name} 연락처 <<mobile>>"),
        ("인테리어 공사 계약서", "대금 입금 계좌: {bank} <<charge>> / (주){brand}", "건축주 {name} <<mobile>>"),
        ("시술 예약 안내", "이용료 입금 계좌 {bank} <<charge>>", "고객 {name} 님 <<mobile>>",
         "보증금 반환 계좌 {bank} <<acct>> (예금주 {name})"),
        ("산후도우미 서비스 계약", "계약금 입금 계좌 - {bank} <<charge>> ({brand})", "이용자 {name} <<mobile>>"),
        ("골프 레슨 등록서", "레슨비 입금 계좌: {bank} <<charge>> 예금주 {name}({brand})",
         "회원 {name} 휴대폰 <<mobile>>"),
        ("웨딩 촬영 계약서", "잔금 입금처: {bank} <<charge>> {brand}", "신랑 {name} <<mobile>>",
         "신부 {name} <<mobile>>"),
        ("이사 견적 계약서", "계약금 입금 계좌 {bank} <<charge>> 예금주: {brand}",
         "받으실 계좌 {bank} <<acct>> (예금주 {name})"),
    ),
    "event": (
        ("피해 구제 신청서", "신청인 {name}", "주민등록번호 <<rrn>>", "주소 서울 {gu} {n}길 {n}",
         "피해 발생일 <<event>>"),
        ("교통사고 보험금 청구서", "피보험자 {name} 주민등록번호 <<rrn>>", "사고 발생일",
         "<<event>>"),
        ("산후조리원 입실 신청서", "산모 성명 {name}", "생년월일 <<dob>>", "입실 예정일 <<event>>"),
        ("긴급복지 지원 신청서", "주민등록번호: <<rrn>>", "연락처: <<mobile>>",
         "신청일: <<event>>"),
        ("성명\t{name}", "주민등록번호\t<<rrn>>", "접수일\t<<event>>"),
        ("임대차 분쟁 조정 신청서", "신청인 {name} ( <<rrn>> )", "계약일 <<event>>", "분쟁 발생일 <<event>>"),
        ("산재 요양 급여 신청서", "재해자 {name}", "생년월일: <<dob>>", "", "사고일: <<event>>"),
        ("소비자 상담 접수", "상담 신청인 {name} 연락처 <<mobile>>",
         "주민번호 <<rrn>>", "구입일 <<event>>", "피해 발생일: <<event>>"),
        ("장기요양 인정 신청서", "대상자 생년월일 <<dob>>", "신청 접수일 <<event>>"),
        ("화재 피해 신고서", "신고인 {name} 주민등록번호 <<rrn>>", "화재 발생일", "<<event>> 새벽"),
    ),
    "register": (
        ("공익직불금 신청서", "직불 신청인 {name} 주민등록번호 <<rrn>>",
         "농업경영체 등록번호 <<register>>"),
        ("장기기증 희망 등록증", "등록자 {name} 생년월일 <<dob>>", "기증희망등록번호 <<register>>"),
        ("농자재 지원 신청서", "경영체등록번호: <<register>>", "농자재 신청인 연락처 <<mobile>>"),
        ("가축 입식 신고서", "축산업 등록번호 <<register>>", "농장주 {name} <<mobile>>",
         "사업자등록번호 <<brn>>"),
        ("어업인 지원금 신청", "어업경영체 등록번호: <<register>>", "신청인 {name} 휴대폰 <<mobile>>"),
        ("임업인 확인서", "임업경영체 등록번호 <<register>>", "임업인 {name} 주민등록번호 <<rrn>>"),
        ("조직기증 희망 등록 확인", "기증 희망 등록번호 <<register>>", "희망자 {name} 연락처 <<mobile>>"),
        ("친환경 인증 신청서", "농업경영체등록번호 <<register>>", "상호 {brand} 사업자등록번호 <<brn>>"),
    ),
    "parcel": (
        ("기본형 공익직불금 신청서", "신청 농업인 {name} 연락처 <<mobile>>",
         "1. {sido} {gun} {dong} {n}-{n} <<pnu>> 면적 {area}㎡", "2. {sido} {gun} {dong} {n} <<pnu>> 면적 {area}㎡"),
        ("경작 필지 목록", "필지번호 <<pnu>>", "필지번호 <<pnu>> ", "경작자 {name} <<mobile>>"),
        ("농지 임대차 신고서", "PNU: <<pnu>>", "임차인 {name} 주민등록번호 <<rrn>>"),
        ("토지 고유번호 조회 결과", "고유번호 <<pnu>>", "소재지 {sido} {gun} {dong} {n}"),
        ("직불금 변경 신청 필지", "{dong} {n}-{n}번지 <<pnu>> 논 {area}㎡", "{dong} 산{n} <<pnu>> 밭 {area}㎡",
         "신청인 휴대폰 <<mobile>>"),
        ("농지원부 필지 내역", "- {sido} {gun} {dong} {n}, 고유번호 <<pnu>>", "- {sido} {gun} {dong} {n}, 고유번호: <<pnu>>"),
        ("경관보전직불 신청서", "지번 {dong} {n}-{n} (PNU <<pnu>>)", "신청인 계좌 {bank} <<acct>>"),
    ),
}
FILING_CITIES = ("수원", "청주", "전주", "천안", "김해", "포항", "원주", "순천", "안동", "제천")
FILING_CREDITORS = ("신한카드", "현대카드", "KB국민카드", "롯데카드", "삼성카드", "하나카드", "우리은행", "국민은행",
                    "(주)러시앤캐시", "(주)산와대부", "OK저축은행", "웰컴저축은행", "SBI저축은행", "현대캐피탈",
                    "KB캐피탈", "롯데캐피탈", "신한은행", "NH농협은행", "(주)리드코프", "JT친애저축은행")
# Businesses' names a customer pays into: a name ending in a business's word, or a brand.
FILING_BRANDS = ("행복산후조리원", "맘스케어 산후조리원", "에코솔라", "한빛솔라", "그린에너지", "햇살에너지", "썬하우스",
                 "드림하우스", "더배움아카데미", "새봄학원", "바른스튜디오", "미소웨딩", "라온골프", "튼튼이사",
                 "하늘이사", "모아인테리어", "수인테리어")
FILING_SIDO = ("경기도", "충청북도", "전라남도", "경상북도", "강원특별자치도", "충청남도", "전북특별자치도", "경상남도")
FILING_GUN = ("이천시", "음성군", "나주시", "상주시", "홍천군", "당진시", "김제시", "밀양시", "여주시", "해남군")
FILING_DONG = ("신둔면 도암리", "대소면 성본리", "남평읍 대교리", "함창읍 구향리", "서석면 풍암리", "송악읍 한진리",
               "백구면 부용리", "부북면 감천리", "가남읍 본두리", "화산면 송산리")
FILING_EVENT_STYLES = ("{y}. {m}. {d}.", "{y}.{m:02d}.{d:02d}", "{y}년 {m}월 {d}일", "{y}-{m:02d}-{d:02d}", "{y}.{m}.{d}")
FILING_LOOK_ALIKES = {"role": "organisation_role_line", "fax": "organisation_role_line",
                      "rep": "representative_number", "charge": "business_charge_account",
                      "event": "event_date_in_application", "register": "other_register_number",
                      "pnu": "land_parcel_code"}

# Serials, desks and ledgers (genre serials_and_desks, a stream of its own): numbers a label names
# as no person's (SERIAL_PAPERS), each line a template whose markers stand for: a lottery ticket's
# groups of five digits (<<lotto>>), a hospital's chart number under a bare 등록번호 beside the
# patient's name, sex and age (<<chart>>), a prescription's number led by its year (<<rx>>), an
# electronic tax payment's nineteen digits (<<epay>>), a SIM card's ICCID (<<iccid>>), a customs
# tariff code (<<hs>>), an export declaration's number (<<export>>), a veteran's number
# (<<vet>>); a public office's, a facility's or a company's own line (<<desk>>, <<rep>>); a
# dealer's, a shop's or a club's account (<<shop>>); an amount in brackets after a person's
# account (<<won>>, before 원 or 만원); a dated event's date before another label's value
# (<<signed>>); a creditor company's representative number in its item's later field (<<rep>>
# in "creditors"). The people on them keep theirs: <<mobile>>, <<home>>, <<acct>>, <<rrn>>,
# <<dob>>, <<brn>>.
SERIAL_GENRE = "serials_and_desks"
SERIAL_SHARE = 0.06  # of the documents, from a stream of its own
SERIAL_PAPERS = {
    "serials": (
        ("연금복권 구매 내역 캡처", "복권번호 <<lotto>>", "구매자 {name} 연락처 <<mobile>>"),
        ("복권 당첨금 지급 청구서", "청구인 {name} 주민등록번호 <<rrn>>", "복권 일련번호: <<lotto>>",
         "수령 계좌 {bank} <<acct>>"),
        ("로또 용지 사진 올립니다", "복권번호 <<lotto>>", "복권번호 <<lotto>>", "확인 부탁드려요"),
        ("즉석복권 당첨 확인 요청", "복권 일련번호 <<lotto>>", "당첨자 {name} 휴대폰 <<mobile>>"),
        ("퇴원 요약지", "환자명 {name}  성별 {sex}  나이 {age}", "등록번호 <<chart>>", "보호자 연락처 <<mobile>>"),
        ("퇴원확인서", "등록번호: <<chart>>  환자명: {name}", "성별/나이: {sex}/{age}", "주민등록번호 <<rrn>>"),
        ("입퇴원 확인서", "성명 {name}  등록번호 <<chart>>  나이 {age}세", "진료과 내과  병동 7W"),
        ("진료비 세부내역서", "환자명 {name} ({sex}/{age})", "등록번호 <<chart>>", "생년월일 <<dob>>"),
        ("처방전 (약국 보관용)", "처방전 번호 <<rx>>", "환자 성명 {name} 주민등록번호 <<rrn>>"),
        ("약제비 계산서", "처방전번호: <<rx>>  수진자 {name}", "조제 약사 {name}"),
        ("교부번호 확인", "처방전 교부번호 <<rx>>", "연락처 <<mobile>>"),
        ("지방세 전자납부 안내", "전자납부번호 <<epay>>", "납세자 {name} <<mobile>>"),
        ("자동차세 고지서", "전자납부번호: <<epay>>", "납세자 {name} 생년월일 <<dob>>"),
        ("재산세 납부 확인", "납세자 {name}", "전자납부번호 <<epay>> (위택스)"),
        ("휴대폰 개통 신청서", "가입자 {name} 연락처 <<mobile>>", "유심번호 <<iccid>>"),
        ("유심 교체 접수", "유심 일련번호: <<iccid>>", "명의자 생년월일 <<dob>>"),
        ("번호이동 신청서", "USIM 번호 <<iccid>>", "가입자 {name} 주민등록번호 <<rrn>>"),
        ("수입신고 필증 사본", "세번부호 <<hs>>", "신고인 {name} 연락처 <<mobile>>"),
        ("통관 문의", "HS코드 <<hs>> 관세율 8%", "문의자 {name} <<mobile>>"),
        ("수출신고필증", "수출신고번호 <<export>>", "화주 {name} 연락처 <<mobile>>", "사업자등록번호 <<brn>>"),
        ("수출 신고 내역", "신고번호: <<export>>", "수출자 {name} <<mobile>>"),
        ("보훈 대상자 확인서", "보훈번호 <<vet>>", "성명 {name} 주민등록번호 <<rrn>>"),
        ("국가유공자 증명서 발급 신청", "보훈번호: <<vet>>", "신청인 {name} 생년월일 <<dob>>"),
        ("보훈병원 진료 예약", "국가유공자 {name} 보훈번호 <<vet>>", "연락처 <<mobile>>"),
    ),
    "desks": (
        ("입영 통지 안내", "입영 대상자 {name} 연락처 <<mobile>>", "문의: {mma} <<desk>>"),
        ("병역판정검사 일정 변경", "대상자 {name} <<mobile>>", "문의 {mma} <<desk>>"),
        ("구직급여 수급 안내", "{jobs} 담당 {name} <<desk>> 내선 {ext}", "신청인 {name} <<mobile>>"),
        ("실업인정일 안내 문자", "{jobs} 담당 {name} <<desk>> (내선 {ext})"),
        ("국민취업지원제도 상담 예약", "신청인 {name} 휴대폰 <<mobile>>", "담당 {name} 상담사 <<desk>> 내선 {ext}"),
        ("화장 예약 확인", "{crem} ☎ <<desk>>", "상주 {name} <<mobile>>"),
        ("발인 일정 안내", "화장장: {crem} <<desk>>", "상주 {name} 연락처 <<mobile>>"),
        ("장례 일정 안내", "장례식장 안내 <<rep>>", "상주 {name} 연락처 <<mobile>>"),
        ("복권 당첨 확인 안내", "판매점 연락처 <<desk>>", "당첨자 {name} <<mobile>>"),
        ("BUSINESS CARD", "{name_en} / Sales Manager", "Company Tel: <<desk>>", "Mobile: <<mobile>>"),
        ("Certificate of Employment", "Employee: {name_en}", "Office Tel <<desk>>", "Mobile <<mobile>>"),
        ("담당자 안내", "담당자 {name} <<home>>"),
        ("민원 처리 결과", "처리 담당 {name} 주무관 <<desk>> 내선 {ext}", "민원인 {name} <<mobile>>"),
    ),
    "shops": (
        ("중고차 계약 안내", "딜러 {name} <<mobile>>", "상사 계좌 {bank} <<shop>> 로 보내 주세요"),
        ("견적서 확인 부탁드립니다", "업체 계좌 {bank} <<shop>> 으로 입금 부탁드립니다", "주문자 {name} <<mobile>>"),
        ("주문 확인 문자", "가게 계좌 {bank} <<shop>> 입니다", "수령인 {name} <<mobile>>"),
        ("{club} 12월 정기모임 공지", "회비는 모임통장 {bank} <<shop>> 로 보내주세요", "총무 {name} <<mobile>>"),
        ("동호회 회비 안내", "회비 입금: 모임통장 {bank} <<shop>>", "총무 {name} {bank} <<acct>>"),
        ("반 모임 회비 공지", "모임 통장 {bank} <<shop>> (회비 전용)", "문의 총무 {name} <<mobile>>"),
        ("계약금 안내 (중고차)", "매매상사 계좌 {bank} <<shop>>", "구매자 {name} 연락처 <<mobile>>"),
        ("회비 안내", "총무 {name} {bank} <<acct>> 로 보내주세요"),
        ("중고거래 채팅", "판매자 계좌 {bank} <<acct>> ({name})", "택배비 포함 입금해 주세요"),
    ),
    "amounts": (
        ("부조금 장부", "{name} {rel} {bank} <<acct>> (<<won>>원 받음)", "{name} {rel} {bank} <<acct>> (<<man>>만원 송금)"),
        ("축의금 정리", "{name} {bank} <<acct>> (<<won>>원)", "{name} {bank} <<acct>> (<<won>>원)"),
        ("곗돈 정산 내역", "1. {name} / {bank} <<acct>> / <<won>>원 입금", "2. {name} / {bank} <<acct>> / <<won>>원 입금"),
        ("경조사비 내역", "{name} {rel} {bank} <<acct>> <<man>>만원 보냄", "{rel} {name} {bank} <<acct>> (<<won>>원 입금됨)"),
        ("공동구매 환불 목록", "{name} {bank} <<acct>> (<<won>>원 환불)", "{name} {bank} <<acct>> (<<won>>원 환불)"),
    ),
    "dated": (
        ("보험 계약 확인", "보험 가입일 <<signed>> 생년월일 <<dob>>"),
        ("가입 내역", "계약일 <<signed>> 생년월일 <<dob>>", "연락처 <<mobile>>"),
        ("회원 정보", "가입일자 <<signed>>  생일 <<dob>>"),
        ("접수 내역", "접수일: <<signed>>  생년월일: <<dob>>", "성명 {name}"),
        ("청약 정보", "청약일 <<signed>> / 피보험자 생년월일 <<dob>>"),
    ),
    "creditors": (
        ("회생 채권자 목록", "1. {creditor} / 채권액 {amount}원 / 연락처 <<rep>>",
         "2. {creditor} / 채권액 {amount}원 / 연락처 <<rep>>", "3. 채권자 {name} / 채권액 {amount}원 / 연락처 <<mobile>>"),
        ("채권자 일람", "가. {creditor} / 채권액 {amount}원 / 전화 <<rep>>", "나. {creditor} / 채권액 {amount}원 / 전화 <<rep>>"),
        ("채무 내역", "- {creditor}, 잔액 {amount}원, 연락처 <<rep>>", "- 지인 {name}, 잔액 {amount}원, 연락처 <<mobile>>"),
        ("개인파산 채권자 목록", "(1) {creditor} | 채권 원금 {amount}원 | 연락처 <<rep>>",
         "(2) {creditor} | 채권 원금 {amount}원 | 연락처 <<rep>>"),
    ),
}
SERIAL_MMA = ("서울지방병무청", "부산울산지방병무청", "대구경북지방병무청", "경인지방병무청", "광주전남지방병무청",
              "대전충남지방병무청", "강원지방병무청", "인천병무지청")
SERIAL_JOBS = ("수원고용센터", "서울강남고용센터", "부산북부고용센터", "대구고용센터", "인천 고용센터", "성남 고용센터",
               "청주고용센터", "전주고용센터")
SERIAL_CREMATORIA = ("부산영락공원 승화원", "청주 목련공원 승화원", "수원시연화장 승화원", "인천가족공원 승화원",
                     "대구명복공원", "서울시립승화원", "광주영락공원 승화원", "성남 영생관리사업소")
SERIAL_CLUBS = ("한빛 산악회", "토요 조기축구회", "푸른 독서모임", "동네 배드민턴 클럽", "3반 학부모 모임", "사진 동호회")
SERIAL_RELATIONS = ("이모", "삼촌", "고모", "동창", "회사 동료", "사촌", "큰아버지", "친구")
SERIAL_NAMES_EN = ("KIM MINSU", "LEE JIYOUNG", "PARK JUNHO", "CHOI SEOYEON", "JUNG HYUNWOO")
SERIAL_DATE_STYLES = ("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}. {m}. {d}.", "{y}/{m:02d}/{d:02d}")
SERIAL_LOOK_ALIKES = {"lotto": "labelled_serial_number", "chart": "labelled_serial_number",
                      "rx": "labelled_serial_number", "epay": "labelled_serial_number",
                      "iccid": "labelled_serial_number", "hs": "labelled_serial_number",
                      "export": "labelled_serial_number", "vet": "labelled_serial_number",
                      "desk": "institution_desk_number", "shop": "shop_or_club_account",
                      "won": "amount_beside_account", "man": "amount_beside_account",
                      "signed": "event_date_before_label", "rep": "creditor_or_facility_representative"}

# Papers with numbers and addresses that stand beside a person's or in place of one and are no
# person's (NO_PERSON_PAPERS): an amount, a count or a figure after a partly masked card on a
# receipt or an alert (<<won>>, <<figure>>); an organisation's line right after its name or its
# counter heading the line, a management company's, a shop's named by its trade, a public office's
# counter, also after a person's direct line on the same line (<<desk>>); an account said to be a
# head office's, a shop's or an office's by the word before 계좌, a merchant's settlement account
# in a payment company's log, an association's donation account (<<org_acct>>); a company's shared
# and no-reply mailboxes (<<role_mail>>). The people's own stay values: <<card>> (masked),
# <<mobile>>, <<direct>> (a landline labelled direct), <<acct>> (a treasurer's, a holder's),
# <<brn>>, <<mail>>.
NO_PERSON_GENRE = "no_persons_numbers"
NO_PERSON_SHARE = 0.05  # of the documents, from a stream of its own
NO_PERSON_PAPERS = {
    "cards": (
        ("[Web발신]\n{cardco} 승인 {name}님\n결제: <<card>> <<won>>원 일시불\n{mmdd} {hhmm} {shop}",),
        ("카드 영수증", "카드번호 <<card>> <<won>>원", "승인번호 {n4}{n4}", "가맹점 {shop}"),
        ("결제 내역 확인 부탁드립니다", "결제카드 <<card>> <<figure>>개월 할부", "금액 {amount}원"),
        ("{cardco} 이용 안내", "<<card>> <<won>>원 승인 {mmdd}", "누적 {amount}원"),
        ("환불 요청서", "고객명 {name}", "결제 카드: <<card>> <<won>>원 (취소 요청)", "연락처 <<mobile>>"),
        ("매출전표", "CARD NO <<card>> <<won>>", "APPROVAL {n4}{n4}"),
        ("정기결제 안내", "{name}님 등록 카드 <<card>> <<figure>>회차 결제 완료"),
        ("부분취소 내역", "카드 <<card>> <<won>>원 중 {amount}원 취소"),
    ),
    "desks": (
        ("{apt} 관리비 안내", "관리회사 <<desk>>", "세대 문의 {name} <<mobile>>"),
        ("빌딩 임대 문의", "임대 담당 {name} <<mobile>>", "관리단 <<desk>>"),
        ("렌탈 계약서", "{rental} <<desk>>", "계약자 {name} 연락처 <<mobile>>"),
        ("꽃배달 주문서", "{florist} <<desk>>", "받는 분 {name} <<mobile>>"),
        ("사진 촬영 예약 확인", "{studio} <<desk>>", "예약자 {name} <<mobile>>"),
        ("사건 진행 안내", "담당 수사관 {name} 경위 직통 <<direct>> / 민원실 <<desk>>"),
        ("{office_town} 안내문", "담당 {name} 주무관 직통 <<direct>>, {counter} <<desk>>"),
        ("대회 참가 안내", "참가 문의 사무국 <<desk>>", "신청자 {name} <<mobile>>"),
        ("재난 문자 안내", "{office_town} 종합상황실 <<desk>>"),
        ("민원 접수증", "민원인 {name} 휴대폰 <<mobile>>", "접수처 {counter} <<desk>>"),
    ),
    "accounts": (
        ("가맹 계약 안내", "가맹비 입금 계좌(본사): {bank} <<org_acct>>", "가맹 희망자 {name} <<mobile>>"),
        ("촬영 예약금 안내", "사진관 계좌 {bank} <<org_acct>> 으로 예약금 입금 부탁드립니다"),
        ("{apt} 관리사무소 공지", "관리사무소 계좌 {bank} <<org_acct>>", "문의 관리사무소장 {name}"),
        ("[merchant-kyc] {mmdd} {hhmm}", "merchant_id=M{n4}{n4} merchant_brn=<<brn>> settlement_account=<<org_acct>> bank={bank}"),
        ("가맹점 심사 로그", "ts={hhmm} merchant_name={shop} merchant_brn=<<brn>> settle_acct=<<org_acct>>"),
        ("장학금 후원 안내", "{assoc} 기부 계좌 {bank} <<org_acct>>", "문의 {name} <<mobile>>"),
        ("정기 후원 신청", "후원금 계좌: {bank} <<org_acct>> {charity}", "후원자 {name} 연락처 <<mobile>>"),
        ("동호회 회비 공지", "회비 계좌 {bank} <<acct>> (총무 {name})"),
        ("{apt} 관리사무소 공지", "관리사무소 계좌 {bank} <<acct>> 예금주 {name}"),
        ("렌탈료 납부 안내", "렌탈샵 계좌 {bank} <<org_acct>>", "고객 {name} <<mobile>>"),
    ),
    "mailboxes": (
        ("From: <<role_mail>>\nTo: <<mail>>\nSubject: 주문하신 상품이 발송되었습니다",),
        ("문의는 <<role_mail>> 으로 보내주세요", "담당자 {name} <<mail>>"),
        ("보낸사람: <<role_mail>>", "받는사람: <<mail>>", "본 메일은 발신 전용입니다."),
        ("고객센터 안내", "이메일 <<role_mail>>", "회원 {name} 이메일 <<mail>>"),
        ("채용 공고", "지원서 접수: <<role_mail>>", "작성자 {name} (<<mail>>)"),
        ("오류 신고", "신고자 {name} <<mail>>", "처리 부서 <<role_mail>>"),
        ("[자동발신] 비밀번호 변경 안내", "발신: <<role_mail>>", "수신: <<mail>>"),
        ("사이트 운영 정책", "관리자 <<role_mail>> / 개인정보 문의 <<role_mail>>"),
    ),
}
NO_PERSON_SHOPS = ("한빛마트 역삼점", "카페 온도", "새봄약국", "GS25 {gu}점", "올리브영 {gu}점", "다온식당")
NO_PERSON_CARD_COMPANIES = ("신한카드", "KB국민카드", "현대카드", "삼성카드", "롯데카드", "하나카드", "우리카드", "NH농협카드")
NO_PERSON_RENTALS = ("렌탈샵", "스마일렌탈", "코웨이렌탈", "하늘정수기렌탈", "파란렌트", "캠핑렌탈")
NO_PERSON_FLORISTS = ("꽃담플라워", "행복꽃집", "봄날플라워", "그린플라워", "들꽃꽃집", "라온플라워")
NO_PERSON_STUDIOS = ("하늘사진관", "미소사진관", "봄빛스튜디오", "온결스튜디오", "행복사진관")
NO_PERSON_OFFICES = ("{gu}청", "{gu} 보건소", "{gu}경찰서", "{gu} 주민센터", "{gu}소방서")
NO_PERSON_COUNTERS = ("민원실", "민원봉사실", "사무국", "종합상황실", "민원과")
NO_PERSON_ASSOCIATIONS = ("한빛장학회", "{gu} 장학회", "새봄장학회", "지역아동복지회", "청소년봉사회")
NO_PERSON_CHARITIES = ("(사)푸른나무재단", "(재)한빛복지재단", "(사)희망나눔협회", "(사)사랑의손길")
NO_PERSON_ROLES = ("help", "info", "support", "cs", "contact", "admin", "webmaster", "noreply", "no-reply",
                   "donotreply", "recruit", "sales")
NO_PERSON_LOOK_ALIKES = {"won": "amount_after_masked_card", "figure": "amount_after_masked_card",
                         "desk": "organisation_desk_line", "org_acct": "organisation_own_account",
                         "role_mail": "role_mailbox"}

# Organisations' numbers named by the organisation's word, beside the people's own (genre
# organisations_numbers, a stream of its own; ORG_NUMBER_PAPERS): accounts the word before 계좌
# says are a league's, a society's, a company's, an organiser's or a business's (<<org_acct>>:
# 리그 계좌, 학회 계좌, 주최측 계좌, a supplier's line led by its registration, a shop's 잔금 message
# to its customer); organisations' lines named in English or by a unit that is no person
# (<<unit_line>>: Main, Branch tel, Head office, Front desk, Reception; 지역 허브, 해경 신고, 병동
# 스테이션, 리그 사무국, 파트너센터, 학회 사무국), written 02-..., 043) 342-... or with dots;
# shared mailboxes (<<shared_mail>>: press@, pr@, hr@, jobs@ ... of the paper's own domain, and
# an address the line calls shared, 공용, 대표 메일). The people's own stay values: a treasurer's
# or an officer's own account on the organisation's paper with the holder's name (<<acct>>),
# mobiles, a staff member's address at the same domain (<<staff_mail>>), business numbers.
ORG_NUMBER_GENRE = "organisations_numbers"
ORG_NUMBER_SHARE = 0.05  # of the documents, from a stream of its own
ORG_NUMBER_PAPERS = {
    "accounts": (
        ("[{league}] 2026 시즌 참가 안내", "등록비 {man}만 원 리그 계좌 <<org_acct>>", "팀 대표 {name} <<mobile>>"),
        ("{society} 논문 게재 안내", "게재료 {amount}원, 학회 계좌 <<org_acct>>", "교신저자 {name} <<staff_mail>>"),
        ("[{telco}] 해지 접수 안내", "해지 문의는 <<rep>>, 회사 계좌 <<org_acct>> 외 입금 요청은 사기입니다"),
        ("{event} 참가 신청서", "신청자 성명 {name} / 휴대폰 <<mobile>>", "참가비는 주최측 계좌 {bank} <<org_acct>> 로 보내주세요"),
        ("거래처 등록 정보", "업체 사업자 <<brn>> / 환불 계좌 {bank} <<org_acct>> / 문의 {tel_word} <<unit_line>>"),
        ("[{shop}] 시공 완료 안내", "{name} 고객님, 오늘 작업 마무리되었습니다.",
         "잔금은 작업 후 {fullbank} <<org_acct>> 로 입금 부탁드립니다."),
        ("{league} 심판 배정", "심판비는 연맹 계좌 {bank} <<org_acct>> 로 일괄 입금", "심판장 {name} <<mobile>>"),
        ("{society} 추계학술대회 사전등록", "등록비 회원 {amount}원 / 비회원 {amount}원",
         "학회 계좌: {bank} <<org_acct>>", "문의 {name} 간사 <<mobile>>"),
        ("{event} 요강", "참가비 {amount}원, 대회 본부 계좌 {bank} <<org_acct>>", "접수 담당 {name} <<mobile>>"),
        ("공급업체 정보 | 상호 {shop} | 사업자 <<brn>> | 반품 환불 계좌 {bank} <<org_acct>>",),
        ("[{shop}] 견적 안내", "{name}님 안녕하세요, 견적 보내드립니다.", "계약금 {man}만원은 {fullbank} <<org_acct>> 으로 입금해 주세요."),
        ("[{league}] 유니폼 단체 주문", "주문 금액 {amount}원 구단 계좌 {bank} <<org_acct>>", "단체 주문 담당 {name} <<mobile>>"),
        ("{society} 연회비 납부 안내", "연회비 {amount}원을 학회 공식 계좌 <<org_acct>> ({bank})로 납부 바랍니다."),
        ("[{telco}] 사칭 주의", "당사는 회사 명의 계좌 {bank} <<org_acct>> 외에는 입금을 요청하지 않습니다.",
         "고객센터 <<rep>>"),
        ("{event} 안내", "참가비 {amount}원 주최 측 계좌 {bank} <<org_acct>>", "참가자 {name} <<mobile>>"),
        # The people's own: an officer's account with the holder's name, 개인 계좌, a winner's.
        ("{club} 회비 안내", "산악회 총무 계좌 {bank} <<acct>> ({name})", "문의 총무 <<mobile>>"),
        ("{club} 경조사 모금", "회장 개인 계좌 {bank} <<acct>>", "모임 회장 {name} 휴대폰 <<mobile>>"),
        ("{event} 시상", "상금 수령 계좌 {bank} <<acct>> 예금주 {name}", "수상자 연락처 <<mobile>>"),
        ("{league} 회비 정산", "리그 총무 {name} 계좌 {bank} <<acct>>"),
    ),
    "lines": (
        ("General inquiries: <<role_mail>> / Main <<unit_line>>", "Sales: {rname} (Mobile <<mobile>>)"),
        ("{company_en} Busan Branch", "Branch tel <<unit_line>>", "Contact person: {rname} / Mobile <<mobile>>"),
        ("Head office <<unit_line>>", "Site manager {rname} <<mobile>>"),
        ("Hotel check-in note", "Front desk <<unit_line>>", "Guest {rname}, mobile <<mobile>>"),
        ("Reception: <<unit_line>>", "Patient: {rname}  Mobile: <<mobile>>"),
        ("[{courier}] 배송 지연 안내", "지역 허브 <<unit_line>>", "택배 수령인 {name} 님 <<mobile>>"),
        ("해양 사고 신고 요령", "해경 신고 <<unit_line>> (또는 122)", "선장 {name} <<mobile>>"),
        ("입원 생활 안내", "병동 스테이션 <<unit_line>>", "보호자 {name} <<mobile>>"),
        ("{league} 경기 일정", "리그 사무국 <<unit_line>>", "팀 매니저 {name} <<mobile>>"),
        ("입점 신청 안내", "파트너센터 <<unit_line>>", "입점 신청 업체 담당 {name} <<mobile>>"),
        ("{society} 학술대회", "학회 사무국 <<unit_line>> / <<shared_mail>>", "발표자 {name} <<mobile>>"),
        ("Main office: <<unit_line>>  After hours: <<unit_line>>",),
        ("간호 스테이션 <<unit_line>>", "환자 {name} 보호자 <<mobile>>"),
        ("Customer care <<unit_line>>", "Account holder {rname} <<mobile>>"),
        ("Switchboard <<unit_line>> | Direct: {rname} <<mobile>>",),
        ("물류 허브 <<unit_line>>", "기사님 {name} <<mobile>>"),
        ("Store tel <<unit_line>>", "Owner {rname} cell <<mobile>>"),
        ("경기 당일 문의: 대회 본부 <<unit_line>>", "선수 {name} <<mobile>>"),
        ("Visitor centre: <<unit_line>>", "Tour guide {rname} <<mobile>>"),
        ("구조 요청 해경 <<unit_line>>", "신고자 {name} <<mobile>>"),
    ),
    "mailboxes": (
        ("보도자료 배포", "홍보팀 공용 <<shared_mail>>", "담당 {name} 대리 <<staff_mail>>"),
        ("{society} 추계학술대회", "학회 사무국 <<shared_mail>>", "발표자 {name} <<staff_mail>>"),
        ("Media inquiries", "Contact <<shared_mail>> for help", "Spokesperson {rname}: <<staff_mail>>"),
        ("받는사람: <<shared_mail>>", "보낸사람: {name} <<staff_mail>>", "제목: 인터뷰 요청드립니다"),
        ("[채용] 경력직 모집", "이력서 제출: <<shared_mail>>", "인사 담당 {name} <<staff_mail>>"),
        ("[{company}] 제휴 제안", "제휴 문의 <<shared_mail>>", "작성자 {name} <<staff_mail>>"),
        ("To: <<shared_mail>>", "Cc: <<staff_mail>>", "Subject: Interview request"),
        ("IR 문의 <<shared_mail>> / 공시 담당 {name} <<staff_mail>>",),
        ("대표 메일: <<team_mail>>", "담당자 {name} <<staff_mail>>"),
        ("Please reply to <<shared_mail>>, not to <<staff_mail>>",),
        ("팀 공용 메일 <<team_mail>> 로 보내주세요", "{name} <<staff_mail>>"),
        ("Send your CV to <<shared_mail>>", "Hiring manager: {rname} <<staff_mail>>"),
        ("문의처: <<shared_mail>>", "개인 메일 <<staff_mail>>"),
        ("공식 메일 <<team_mail>>", "편집장 {name} <<staff_mail>>"),
    ),
}
ORG_NUMBER_LEAGUES = ("서울 직장인 풋살 리그", "한강 야구 리그", "동부 농구 리그", "K3 리그", "주말 배드민턴 리그",
                      "{gu} 생활체육 리그")
ORG_NUMBER_SOCIETIES = ("한국정보과학회", "대한영양학회", "한국경영학회", "한국교육학회", "대한물리치료학회",
                        "한국디자인학회")
ORG_NUMBER_TELCOS = ("SK브로드밴드", "KT", "LG유플러스", "헬로비전", "스카이라이프")
ORG_NUMBER_EVENTS = ("2026 하프 마라톤", "{gu} 청소년 바둑 대회", "전국 아마추어 테니스 대회", "트레일 러닝 챌린지",
                     "사진 공모전", "주니어 코딩 캠프")
ORG_NUMBER_SHOPS = ("다온 인테리어", "한빛 도배", "새봄 욕실", "라온 조경", "미소 타일", "푸른 창호")
ORG_NUMBER_CLUBS = ("한빛 산악회", "토요 등산 모임", "청년 봉사단", "{gu} 동호회", "은빛 자전거 모임")
ORG_NUMBER_FULL_BANKS = ("하나은행", "국민은행", "신한은행", "우리은행", "농협은행", "기업은행", "카카오뱅크", "새마을금고")
ORG_NUMBER_COMPANIES_EN = ("Hanbit Logistics", "Daehan Trading Co.", "Nuri Tech Inc.", "Mirae Shipping", "Seum Korea Ltd.")
ORG_NUMBER_TEL_WORDS = ("", "대표", "업체", "사무실")
ORG_NUMBER_TEN_THOUSANDS = ("3", "5", "10", "20", "30", "50", "120", "540")
# Shared mailboxes' local parts, and the local parts of a team's address the line calls shared.
ORG_NUMBER_ROLES = ("press", "pr", "media", "hr", "jobs", "careers", "recruit", "hello", "office",
                    "partners", "partner", "biz", "ir", "billing", "events", "cs", "help", "contact", "admin")
ORG_NUMBER_LOOK_ALIKES = {"org_acct": "organisation_named_account", "unit_line": "organisation_unit_line",
                          "shared_mail": "shared_mailbox", "team_mail": "shared_mailbox"}

# Organisations' numbers held or named as such, beside the people's own (genre
# organisations_held_numbers, a stream of its own; HELD_NUMBER_PAPERS): accounts whose holder
# after 예금주 is a religious body, a foundation or an association (<<held_acct>>: 대한불교 OO사,
# 천주교 OO교구, OO교회, 재단법인, 사단법인), a temple's, a hotel's or an office's desk line named
# by its office word or by an English key (<<desk_line>>: 종무소, "front_desk":, reception,
# concierge, 원무과, 행정실), booking and inquiry mailboxes at the business's own domain
# (<<booking_mail>>: reservation@, booking@, inquiry@), dates under their own event's label
# beside a birth label (<<event_date>>: 졸업일, 입회일, 가입일, 수료일, 결혼기념일) and reference
# numbers led by their year and grouped 4-4-2 (<<year_ref>>: 접수 2025-4202-79, VOYAGE ...). The
# people's own stay values: an account held by a named person (<<acct_named>>: 예금주 김철수),
# a night manager's mobile, a booking address at a mail service (<<service_mail>>), birth dates.
HELD_NUMBER_GENRE = "organisations_held_numbers"
HELD_NUMBER_SHARE = 0.04  # of the documents, from a stream of its own
HELD_NUMBER_PAPERS = {
    "held_accounts": (
        ("{temple} 템플스테이 안내", "참가비 {amount}원 입금: {bank} <<held_acct>> (예금주 {order} {temple})",
         "신청자 {name} <<mobile>>"),
        ("{church} 수련회 회비", "회비 입금 {bank} <<held_acct>> 예금주 {church}", "인솔 교사 {name} <<mobile>>"),
        ("성지순례 참가 신청", "계좌: {bank} <<held_acct>> (예금주: 천주교 {diocese})", "신청자 {name} / 연락처 <<mobile>>"),
        ("{foundation} 정기후원 약정서", "후원자 성명 {name}", "후원 계좌 {bank} <<held_acct>> (예금주 재단법인 {foundation})"),
        ("{assoc} 연회비 납부", "{bank} <<held_acct>>, 예금주 사단법인 {assoc}", "회원 {name} 휴대폰 <<mobile>>"),
        ("[{temple}] 연등 접수", "등값은 {bank} <<held_acct>> ({order} {temple}) 로 보내주세요", "접수 보살님 {name} <<mobile>>"),
        ("바자회 수익금 기부 안내", "기부처 {church} / {bank} <<held_acct>> / 예금주 {church}", "담당 집사 {name}"),
        ("{assoc} 세미나 등록", "등록비 {amount}원 | {bank} <<held_acct>> | 예금주: (사){assoc}", "등록자 {name} <<mobile>>"),
        ("천도재 접수 안내", "{bank} <<held_acct>> 예금주 {order} {temple} 종무소"),
        ("교구 청년 캠프", "참가비 입금처 {bank} <<held_acct>> 예금주 천주교{diocese}", "담당 신부님 {name} <<mobile>>"),
        # The people's own: an account held by a named person.
        ("{church} 경조사 안내", "조의금 계좌 {bank} <<acct_named>> 예금주 {name}", "문의 <<mobile>>"),
        ("환불 요청서", "환불 받을 계좌 {bank} <<acct_named>> (예금주 {name})", "연락처 <<mobile>>"),
    ),
    "desk_lines": (
        ("{temple} 찾아오시는 길", "종무소 <<desk_line>>", "주지 스님 상담 예약 {name} 보살 <<mobile>>"),
        ('{"hotel": "{hotel}", "front_desk": "<<desk_line>>", "night_manager": "<<mobile>>"}',),
        ('hotel_contacts:', '  reception: "<<desk_line>>"', '  concierge: "<<desk_line>>"', '  duty_manager: "<<mobile>>"'),
        ("{hospital} 입원 안내", "원무과 <<desk_line>> / 주치의 {name} 선생님", "보호자 연락처 <<mobile>>"),
        ("가정통신문", "문의: 행정실 <<desk_line>>", "담임 {name} 선생님 <<mobile>>"),
        ("{assoc} 총회 안내", "사무국 <<desk_line>>", "총무 {name} <<mobile>>"),
        ("Guest: {rname}  Mobile: <<mobile>>", "Lobby <<desk_line>> | Concierge <<desk_line>>"),
        ("{hotel} 예약 확인서", "투숙객 {name} / <<mobile>>", "프런트 문의 Front Office <<desk_line>>"),
        ("lobby_tel=<<desk_line>> guest_name={rname} guest_phone=<<mobile>>",),
        ("{church} 주보", "교회 사무실 <<desk_line>>", "담임목사 {name} <<mobile>>"),
        ("{temple} 템플스테이", "종무실 <<desk_line>> (평일 9시~18시)", "참가자 {name} <<mobile>>"),
        ('{"reception_desk": "<<desk_line>>", "guest": "{rname}", "guest_mobile": "<<mobile>>"}',),
    ),
    "booking_mailboxes": (
        ("[{brand}] 예약 확정 안내", "예약자 {name}님 <<mobile>>", "변경 문의: <<booking_mail>>"),
        ("{brand} 웨딩 상담", "문의 메일 <<booking_mail>>", "신부님 {name} <<service_mail>>"),
        ("수업 예약 안내", "예약은 <<booking_mail>> 으로 보내주세요", "학부모 {name} <<mobile>>"),
        ("Booking confirmation", "Questions? Write to <<booking_mail>>", "Guest: {rname} <<service_mail>>"),
        ("세차 예약 신청", "신청 메일 <<booking_mail>> / 고객 {name} <<mobile>>"),
        ("From: <<booking_mail>>", "To: <<service_mail>>", "Subject: 예약이 접수되었습니다"),
        ("[{brand}] 단체 예약 문의", "<<booking_mail>> 로 인원과 날짜를 알려주세요", "담당 {name} 매니저"),
        ("Reply-To: <<booking_mail>>", "고객님 {name}, 예약 번호를 확인해 주세요."),
        ("개인 예약은 <<service_mail>> 로 주셔도 됩니다 ({name})", "업체 공식 <<booking_mail>>"),
        ("출장 예약 문의 <<booking_mail>>", "기사 {name} <<mobile>>"),
    ),
    "event_dates": (
        ("졸업생 {name}입니다(졸업일 <<event_date>>). 생년월일은 <<dob>>입니다.",),
        ("성명 | 생년월일 | 입회일 | 연락처", "{name} | <<dob>> | <<event_date>> | <<mobile>>",
         "{name} | <<dob>> | <<event_date>> | <<mobile>>"),
        ("회원 {name} (가입일 <<event_date>>) 생일 <<dob>>",),
        ("수료생 명단", "{name}\t생년월일 <<dob>>\t수료일 <<event_date>>"),
        ("이름\t생년월일\t입사일", "{name}\t<<dob>>\t<<event_date>>"),
        ("{name} 부부 결혼기념일 <<event_date>>, 남편 생년월일 <<dob>>",),
        ("종친회 명부", "성명 / 생년월일 / 입회일", "{name} / <<dob>> / <<event_date>>"),
        ("동문 정보: {name}, 입학일 <<event_date>>, 생년월일 <<dob>>",),
        ("직원 카드", "성명: {name}", "입사일: <<event_date>>  생년월일: <<dob>>"),
        ("등록일 <<event_date>> 회원 {name} 생년월일 <<dob>> 연락처 <<mobile>>",),
    ),
    "references": (
        ("VOYAGE <<year_ref>> / Passenger {rname}", "Mobile <<mobile>>"),
        ("접수 <<year_ref>> 신청인 {name} <<mobile>>",),
        ("Registration No. <<year_ref>>", "Applicant: {rname}"),
        ("신청번호: <<year_ref>>", "대표자 {name} 사업자등록번호 <<brn>>"),
        ("[민원 접수] 접수번호 <<year_ref>>", "처리 담당 {name} <<mobile>>"),
        ("Ref <<year_ref>> | Booking for {rname}",),
        ("공모전 접수번호 <<year_ref>> ({name})",),
        ("Case No. <<year_ref>>", "Contact: {rname} <<mobile>>"),
        ("{company} 거래처 등록 <<brn>>", "등록 접수 <<year_ref>>"),
        ("관리번호 <<year_ref>> / 담당 {name}",),
    ),
}
HELD_NUMBER_TEMPLES = ("은하사", "해인사", "청련사", "보광사", "운문사", "법주사", "용화사")
HELD_NUMBER_ORDERS = ("대한불교", "대한불교조계종", "조계종", "대한불교천태종", "한국불교태고종")
HELD_NUMBER_CHURCHES = ("새빛교회", "한빛교회", "소망교회", "명동성당", "수원 성당", "은혜교회")
HELD_NUMBER_DIOCESES = ("수원교구", "서울대교구", "대구대교구", "인천교구", "부산교구")
HELD_NUMBER_FOUNDATIONS = ("한빛복지재단", "푸른나무재단", "희망나눔재단", "새봄장학재단")
HELD_NUMBER_ASSOCIATIONS = ("한국사회복지사협회", "희망나눔", "대한생활체육회", "사랑의손길", "한국조경협회")
HELD_NUMBER_HOTELS = ("Hotel Lumiere", "Stay Hanok", "그랜드 호텔", "오션뷰 리조트", "The Seum Hotel")
HELD_NUMBER_HOSPITALS = ("한빛병원", "새봄요양병원", "서울중앙의원", "바른정형외과")
HELD_NUMBER_BRANDS = ("lumiere-wedding", "tutorlink", "greencheck", "cleancar", "stayhanok", "hanbit-tour")
HELD_NUMBER_ROLES = ("reservation", "reservations", "booking", "bookings", "reserve", "inquiry", "enquiry",
                     "help", "contact", "support", "cs", "rsvp")
HELD_NUMBER_LOOK_ALIKES = {"held_acct": "organisation_holder_account", "desk_line": "office_key_line",
                           "booking_mail": "booking_mailbox", "event_date": "labelled_event_date",
                           "year_ref": "year_led_reference"}

# Organisations' collection accounts, beside the payers' own (genre organisations_accounts, a
# stream of its own; ORG_ACCOUNT_PAPERS). A virtual account (가상계좌) a bank issues to an
# organisation to collect one bill or one payer's payments receives money for it, names no person
# as holder and cannot be drawn on: it is the organisation's number (<<vacct>>: 가상계좌,
# 가상계좌번호, 납부용 가상계좌, 전용 입금계좌, spaced out by a scan, in chats, table columns, keys).
# Accounts whose label names an organisation as their owner (<<org_acct>>: 회사 계좌, 법인계좌,
# 입금 계좌 (법인), 장학재단 계좌, 협회 계좌, 재단 후원계좌, 성당 후원계좌, 선교회 계좌, 교회 헌금계좌)
# and machine keys naming the organisation's account (<<org_key>>: payee_account, sponsor_account,
# donation_account, corp_account, company_account, vaccount, virtual_account). The payers' own
# stay values: a refund account, the account paid from, an account paid into (<<own_acct>>:
# 환불계좌, 출금계좌, 자동이체 계좌, 본인 계좌, 입금계좌) and their keys (<<own_key>>: account, acct,
# refund_acct, account_no, bank_account, payout_account), and mobiles.
ORG_ACCOUNT_GENRE = "organisations_accounts"
ORG_ACCOUNT_SHARE = 0.04  # of the documents, from a stream of its own
ORG_ACCOUNT_PAPERS = {
    "virtual_accounts": (
        ("[{shop}] 주문 접수 안내", "주문자 {name}님 <<mobile>>", "가상계좌: {bank} <<vacct>>", "입금기한 12월 {day}일 23:59"),
        ("{org} 수강료 납부 안내", "납부용 가상계좌는 {bank} <<vacct>>입니다", "환불계좌 {bank} <<own_acct>> (예금주 {name})"),
        ("입금 안내", "전용 입금계좌 / {bank} / <<vacct>>", "입금자명: {name} / 연락처 <<mobile>>"),
        ("전 용   입 금 계 좌 : <<vacct>>", "예 금 주 : {shop}", "고객 연락처 : <<mobile>>"),
        ("{carrier} 요금 안내", "가상계좌번호 {bank} <<vacct>>", "자동이체 계좌 {bank} <<own_acct>> 로 변경 가능"),
        ("[{hhmm}] 상담원 {name}: 참고로 전용 입금계좌 <<vacct>> 로 안내드려요",
         "[{hhmm}] 고객: 환불은 제 계좌 {bank} <<own_acct>> 로 부탁드려요"),
        ("주문번호 | 은행 | 가상계좌 | 입금액", "ORD{n4}{n4} | {bank} | <<vacct>> | {amount}원"),
        ("가상 계좌 {bank} <<vacct>> (입금자명 {name})", "출금계좌 {bank} <<own_acct>>"),
        ("{org} 등록금 고지서", "학생 {name} 납부용 계좌 {bank} <<vacct>>", "보호자 휴대폰 <<mobile>>"),
        ("{name} 고객님, 결제하실 가상계좌 안내드립니다.", "{bank} <<vacct>> (예금주 {shop})", "입금계좌: {bank} <<own_acct>> ({name})"),
        ("관리비 전용 입금계좌 {bank} <<vacct>>", "{unit} 세대 본인 계좌 {bank} <<own_acct>>"),
        # The label on the line above, as a form or a notice lays it out.
        ("가상계좌", "<<vacct>>", "입금자 {name} <<mobile>>"),
        ("[{shop}] 입금하실 가상계좌를 알려드립니다", "{bank} <<vacct>>", "환불 시 출금계좌 {bank} <<own_acct>>"),
        ("납부용 가상계좌 :", "  {bank} <<vacct>>", "  보호자 {name} <<mobile>>"),
    ),
    "owned_accounts": (
        ("[{hhmm}] {name} 과장: 참고로 회사 계좌 <<org_acct>> 로 안내드려요",
         "[{hhmm}] {name}: 네 제 개인 계좌는 {bank} <<own_acct>> 입니다"),
        ("법인계좌 {bank} <<org_acct>>", "대표 {name} 휴대폰 <<mobile>>"),
        ("{shop} 입금 계좌 (법인) {bank} <<org_acct>>", "담당자 {name} <<mobile>>"),
        ("{foundation} 장학금 반환 안내", "장학재단 계좌 {bank} <<org_acct>>", "장학생 {name} 환불계좌 {bank} <<own_acct>>"),
        ("{assoc} 연회비 안내", "협회 계좌: {bank} <<org_acct>>", "회원 {name} <<mobile>>"),
        ("{foundation} 정기후원", "재단 후원계좌 {bank} <<org_acct>>", "후원자 {name} 출금계좌 {bank} <<own_acct>>"),
        ("{gu} 성당 주보", "성당 후원계좌 {bank} <<org_acct>>", "사목회장 {name} <<mobile>>"),
        ("해외선교 후원 안내", "선교회 계좌 {bank} <<org_acct>>", "문의 {name} 집사 <<mobile>>"),
        ("{church} 소식", "교회 헌금계좌 {bank} <<org_acct>>"),
        ("교 회   헌 금 계 좌 : <<org_acct>>", "성 명 : {name}", "연 락 처 : <<mobile>>"),
        ("고객님, 회사 계좌 {bank} <<org_acct>> 로 보내주시면 확인 후 발송됩니다.",),
        ("구분 | 은행 | 계좌", "회사 계좌 | {bank} | <<org_acct>>", "본인 계좌 | {bank} | <<own_acct>>"),
        ("후원금은 {church} 교회 헌금계좌 {bank} <<org_acct>> 로 보내주시면 됩니다.", "헌금자 {name} <<mobile>>"),
    ),
    "account_keys": (
        ('{"order": "ORD{n4}", "payee_account": "<<org_key>>", "account": "<<own_key>>"}',),
        ("sponsor_account=<<org_key>>&donor={rname}&acct=<<own_key>>",),
        ('donation_account: "<<org_key>>"', 'payout_account: "<<own_key>>"'),
        ('{"corp_account": "<<org_key>>", "refund_acct": "<<own_key>>"}',),
        ("{hhmm} INFO settle company_account=<<org_key>> account_no=<<own_key>>",),
        ("GET /pay/notify?vaccount=<<org_key>>&bank_account=<<own_key>>&amt={amount}",),
        ('"virtual_account":"<<org_key>>","payout_account":"<<own_key>>"',),
        ("payee_account: <<org_key>>", "refund_acct: <<own_key>>"),
    ),
}
ORG_ACCOUNT_SHOPS = ("한빛몰", "다온스토어", "새봄쇼핑", "라온샵", "푸른마켓", "소담공방")
# A label holding it names a virtual account: wherever one is written, it is a look-alike.
VIRTUAL_ACCOUNT_WORD = "가상"
ORG_ACCOUNT_LOOK_ALIKES = {"vacct": "virtual_account", "org_acct": "organisation_owned_account",
                           "org_key": "organisation_account_key"}
# Organisations' mailboxes and lines a notice or a scan writes, beside the people's own (genre
# organisations_senders, a stream of its own; SENDER_PAPERS): a notification's sender under its
# label (<<notice_mail>>: 보낸사람, From, "sender":, sender=, 발신., a scan's 보 낸 사 람.), whose
# local part is a notification role (notice@, newsletter@, alerts@, no-reply@) or whose domain is a
# mailing subdomain of the organisation's (mail., news., noti., email.); an organisation's line
# under a label a scan spaced out or misread by one syllable (<<garbled_line>>: 대표번흐, F A X,
# 고객샌터), a meter's number written like a Seoul landline (<<meter_no>>); dates of a visit, a
# booking or a trip under their own label in prose after a birth date's line, masked or not
# (<<event_date>>: 일정: 2026년 4월 22일, 방문일은 ...). The people's own stay values: an address at
# a mail service under a sender label (<<person_mail>>), mobiles, birth dates (<<masked_dob>>:
# ****-10-28, 19**.03.02).
SENDER_GENRE = "organisations_senders"
SENDER_SHARE = 0.05  # of the documents, from a stream of its own
SENDER_PAPERS = {
    "notification_senders": (
        ("보낸사람 <<notice_mail>>", "받는사람 <<person_mail>>", "제목: [{org}] 12월 이용대금 명세서"),
        ("From <<notice_mail>>", "To <<person_mail>>", "Subject: 예매가 완료되었습니다"),
        ('{"sender": "<<notice_mail>>", "recipient": "<<person_mail>>", "subject": "배송 시작 안내"}',),
        ("2026-12-01 09:12:44 sender=<<notice_mail>> rcpt=<<person_mail>> status=sent",),
        ("발신. <<notice_mail>>", "수신. <<person_mail>>", "{name} 고객님, 결제가 승인되었습니다."),
        ("[스캔] 우편물 사본", "보 낸 사 람. <<notice_mail>>", "받 는 사 람. {name} 님"),
        ("발신자: <<notice_mail>>", "수신자: {name} {lt}<<person_mail>>{gt}", "회원님의 비밀번호가 변경되었습니다."),
        ("reply_to: <<notice_mail>>", "to: <<person_mail>>", "subject: 이벤트 당첨 안내"),
        ("보낸 사람 : {org} {lt}<<notice_mail>>{gt}", "받는 사람 : <<person_mail>>"),
        ("---------- 전달된 메일 ----------", "From: <<notice_mail>>", "Date: 2026년 12월 1일",
         "To: {name} {lt}<<person_mail>>{gt}"),
        ("발신 메일 주소 <<notice_mail>> 는 발신 전용입니다.", "문의: {name} 매니저 <<mobile>>"),
        ("Sender: <<notice_mail>>", "Recipient: <<person_mail>>", "Sent: Mon, 1 Dec 2026"),
        ("보낸이 <<notice_mail>> / 받는이 <<person_mail>>",),
        ("메일 헤더", "Reply-To: <<notice_mail>>", "Return-Path: <<notice_mail>>"),
        # The people's own under a sender label.
        ("보낸사람: {name} {lt}<<person_mail>>{gt}", "받는사람: <<notice_mail>>", "제목: 수신 거부 요청드립니다"),
        ("From: <<person_mail>>", "To: <<notice_mail>>", "Subject: 환불 문의 ({name})", "연락처 <<mobile>>"),
        ("발신자 <<person_mail>> ({name})", "예약 변경 부탁드립니다. 휴대폰 <<mobile>>"),
    ),
    "garbled_labels": (
        ("[스캔] {org} 영수증", "대표번흐. <<garbled_line>>", "구매자 {name} <<mobile>>"),
        ("OCR 변환본", "F A X : <<garbled_line>>", "담당 {name} 대리 <<mobile>>"),
        ("관리비 고지서", "계량기 번호는 <<meter_no>> 입니다", "세대주 {name} <<mobile>>"),
        ("{org} 견적서 (스캔)", "대표번후 <<garbled_line>>", "F A X <<garbled_line>>"),
        ("고객샌터 <<garbled_line>>", "신청인 {name} 연락처 <<mobile>>"),
        ("[팩스 수신] {org}", "팩 스 : <<garbled_line>>", "대 표 번 호 : <<garbled_line>>"),
        ("수도 검침 안내", "계량기번호 <<meter_no>> / 검침원 {name} <<mobile>>"),
        ("콜샌터 : <<garbled_line>>", "가입자 {name} <<mobile>>"),
        ("{org} 안내문", "대표전하 <<garbled_line>>", "F  A  X  <<garbled_line>>"),
        ("가스 계량기 번호: <<meter_no>>", "사용자 {name} 휴대폰 <<mobile>>"),
    ),
    "event_prose": (
        ("Date of Birth는 <<dob>>입니다", "일정: <<event_date>>"),
        ("생년월일은 <<dob>>이고요, 방문일은 <<event_date>>입니다.",),
        ("고객 생년월일 <<dob>>", "예약일: <<event_date>> 오후 2시"),
        ("생일 <<dob>> / 행사일 <<event_date>>",),
        ("여권상 생년월일 <<dob>>", "출국일은 <<event_date>>, 입국일은 <<event_date>>예요."),
        ("DOB: <<dob>>", "방문일: <<event_date>>"),
        ("생년월일(본인): <<dob>>", "일정은 <<event_date>>로 잡혔습니다."),
        ("본인 생년월일 <<dob>> 확인했습니다.", "예약일을 <<event_date>>로 변경해 드렸어요."),
        ("신청자 {name} (생년월일 <<dob>>)", "행사일 : <<event_date>> 10시"),
        ("생년월일 <<dob>>", "출국일: <<event_date>> / 입국일: <<event_date>>"),
        # After a birth date masked but for its month and day.
        ("Date of Birth는 <<masked_dob>>입니다", "일정: <<event_date>> 오전 10시"),
        ("생년월일 <<masked_dob>> (본인 확인 완료)", "방문일은 <<event_date>>입니다."),
        ("고객님 생년월일: <<masked_dob>>", "예약일 <<event_date>> 확정"),
        ("[상담 메모] 생년월일 <<masked_dob>>", "행사일이 <<event_date>>라서 그 전에 처리 부탁"),
        ("DOB <<masked_dob>>", "출국일 <<event_date>>"),
    ),
}
SENDER_ORGS = ("한빛카드", "티켓온", "새봄은행", "누리몰", "Hanbit Card", "미래증권", "다온마켓")
SENDER_BRANDS = ("bankk", "ticketon", "hanbitcard", "nurimall", "daon-market", "miraesec", "seumpay")
# Notification mailboxes' local parts, and the mailing subdomains of an organisation's domain.
SENDER_ROLES = ("notice", "notices", "notification", "notifications", "noti", "alert", "alerts", "newsletter",
                "news", "mailer", "mail", "no-reply", "noreply", "donotreply", "do-not-reply")
SENDER_SUBDOMAINS = ("mail.", "news.", "newsletter.", "noti.", "alert.", "email.")
SENDER_LOOK_ALIKES = {"notice_mail": "notification_sender", "garbled_line": "garbled_label_line",
                      "meter_no": "meter_number", "event_date": "prose_event_date"}

# Organisers', charities' and companies' own numbers on forms, receipts, mail and records (genre
# organisers_and_roles, a stream of its own; ORGANISER_PAPERS), beside the people's own values.
# The organiser's account on an application form (<<host_acct>>: 참가비 입금 계좌(주최), (주관),
# 주최측 입금 계좌, host_account=, organizer_account:); a charity's or a welfare centre's donation
# account (<<donation>>: 후원금 계좌 on a form, Charity account on a bilingual receipt); a
# company's role mailboxes (<<role_mail>>: tax@, help@, contact@, admin@, finance@ ... at its own
# domain, under 문의 메일, 발급 문의, 채용 문의, a JSON record's contact, host_mail=, a recipient's
# label); organisations' lines under a record's key or named in a sentence (<<key_line>>: store=,
# union_tel=, center_tel=; <<main_line>>: an office's main line ending 0114 or 0000). Values beside
# them: the applicant's refund or settlement account, the donor's own account (<<own_acct>>), the
# staff member's or the applicant's own address (<<own_mail>>: kim.help@..., taxi77@...), mobiles.
ORGANISER_GENRE = "organisers_and_roles"
ORGANISER_SHARE = 0.04  # of the documents, from a stream of its own
ORGANISER_PAPERS = {
    "organiser_accounts": (
        ("{event} 참가 신청서", "참가비 입금 계좌(주최): {bank} <<host_acct>>", "참가자 {name} 연락처 <<mobile>>",
         "환불 계좌: {bank} <<own_acct>>"),
        ("ㅇ 행사명\t{event}", "ㅇ 참가비 입금 계좌(주최)\t<<host_acct>>", "ㅇ 신청인 정산 계좌\t{bank} <<own_acct>>"),
        ("host_account=<<host_acct>> host_mail=<<role_mail>> booth=A-{n} seller={name}",),
        ("[셀러 신청서] {event}", "부스비 입금 계좌 (주관) : {bank} <<host_acct>>", "셀러 {name} 정산 계좌 : {bank} <<own_acct>>"),
        ("참가비는 주최측 입금 계좌 {bank} <<host_acct>> 로 보내주세요",
         "환불은 신청자 본인 계좌 {bank} <<own_acct>> 로 해드립니다"),
        ("organizer_account: <<host_acct>>", "entrant: {name}", "refund_account: <<own_acct>>"),
        ("{event} 참가비 계좌(주최측) - {bank} <<host_acct>>", "선수 {name} <<mobile>>"),
        ('{"event": "{event}", "host_account": "<<host_acct>>", "entrant": "{name}", "refund_account": "<<own_acct>>"}',),
        ("* 참가비 입금 계좌(주관사) : <<host_acct>> ({bank})", "* 참가자 {name} / <<mobile>>"),
        ("organiser_acct=<<host_acct>>|applicant_phone=<<mobile>>",),
    ),
    "donation_accounts": (
        ("{center} 경로식당 후원 신청서", "후원금 계좌 {bank} <<donation>>", "복지관 대표전화 <<main_line>>",
         "후원자 {name} 휴대폰 <<mobile>>"),
        ("Donation Receipt / 기부금 영수증", "Charity account - {bank} <<donation>>", "Donor: {name} / <<mobile>>"),
        ("ㅇ Charity account\t<<donation>>", "ㅇ Donor refund account\t{bank} <<own_acct>>"),
        ("후원금 계좌 : {bank} <<donation>>", "후원자 {name} 출금 계좌 : {bank} <<own_acct>>"),
        ("Donation account: {bank} <<donation>>", "Refund account: {bank} <<own_acct>>", "Donor {name}"),
        ("[{center}] 결연 후원금 계좌 {bank} <<donation>>", "후원자 {name} 님 연락처 <<mobile>>"),
        ("{center} 후원 안내 | 후원금 계좌 | {bank} <<donation>>", "환불 받으실 계좌 | {bank} <<own_acct>>"),
        ("Charity Account: <<donation>> ({bank})", "Donor phone: <<mobile>>"),
    ),
    "role_mailboxes": (
        ("{brand} 세금계산서 안내", "문의 메일: <<role_mail>>", "담당 {name} 대리 <<own_mail>>"),
        ("세금계산서 발급 문의 <<role_mail>>", "담당자 {name} <<mobile>>"),
        ("[채용 공고] {brand}", "Contact (채용 문의): <<role_mail>>", "지원자 {name} / <<own_mail>>"),
        ('{"company": "{brand}", "contact": "<<role_mail>>", "manager_email": "<<own_mail>>"}',),
        ("받는사람: <<role_mail>>", "보낸사람: {name} <<own_mail>>", "제목: 12월 세금계산서 재발급 요청"),
        ("회신은 <<role_mail>> 로 부탁드립니다.", "- {name} 드림 (<<mobile>>)"),
        ("To: <<role_mail>>", "From: <<own_mail>>", "Subject: 계산서 발행 요청"),
        ("발급 문의: <<role_mail>> / 담당 {name} <<mobile>>",),
        ("email_to=<<role_mail>> email_from=<<own_mail>> status=sent",),
        ("입점 문의 메일 <<role_mail>>", "신청인 {name} <<own_mail>>"),
    ),
    "keyed_lines": (
        ("booking=BK{n4}{n4} store=<<key_line>> price={amount} pg_tid=T{n4}{n4}", "customer_phone=<<mobile>>"),
        ("union={brand}노동조합 union_tel=<<key_line>>", "member={name} member_phone=<<mobile>>"),
        ("center_tel=<<key_line>> center_fax=<<key_line>>", "staff_mobile=<<mobile>>"),
        ("[{hhmm}] {name} 호스트: 마을 사무장 번호는 <<main_line>> 입니다", "[{hhmm}] {name} 호스트: 제 번호는 <<mobile>> 이에요"),
        ("store_tel: <<key_line>>", "owner_mobile: <<mobile>>"),
        ("조합 사무실 전화는 <<main_line>> 이에요.", "제 핸드폰은 <<mobile>> 입니다."),
        ('{"branch": "{gu}점", "shop_tel": "<<key_line>>", "manager": "{name}", "manager_phone": "<<mobile>>"}',),
        ("[예약 확인] store=<<key_line>> room=B time={hhmm}", "예약자 {name} <<mobile>>"),
        ("체험 마을 사무국 대표번호 <<main_line>>", "이장님 {name} <<mobile>>"),
        ("clinic_tel=<<key_line>>|patient_phone=<<mobile>>",),
    ),
}
ORGANISER_EVENTS = ("전주 한옥 플리마켓", "가을 마라톤", "청년 창업 박람회", "동네 책 축제", "도시농업 장터")
ORGANISER_CENTERS = ("새봄종합사회복지관", "한빛노인복지관", "푸른나무 지역아동센터", "희망나눔복지관")
ORGANISER_BRANDS = ("미래농산", "한빛상사", "다온푸드", "새봄건설", "온누리유통")
ORGANISER_DOMAINS = ("mirae-agri.kr", "hanbit-corp.co.kr", "daonfood.com", "saebom.co.kr", "onnuri.kr")
# Roles a company's shared mailboxes carry, and the people's own local parts that begin with a
# common word.
ORGANISER_ROLES = ("tax", "help", "contact", "admin", "finance", "accounting", "invoice", "recruit", "info",
                   "biz", "sales", "cs")
ORGANISER_OWN_LOCALS = ("kim.help", "taxi{n}", "lee.tax", "admin.park", "helpme.choi", "contactlee")
ORGANISER_LOOK_ALIKES = {"host_acct": "organiser_account", "donation": "donation_account",
                         "role_mail": "company_role_mailbox", "key_line": "keyed_office_line",
                         "main_line": "office_main_line_named"}

# Accounts a fee is paid into, accounts an apartment's body or an association holds, and registries'
# numbers led by a letter (genre fees_and_registries, a stream of its own; FEE_PAPERS), beside the
# people's own values. The account a management office, a business or a collecting company takes
# a fee into (<<fee_acct>>: 관리비 계좌, 관리비 납부계좌, [관리비 납부계좌], 수납 계좌 on an
# auto-debit form, 예약금 입금계좌 of a kids' cafe or a paragliding school, 수강료 납부 계좌, 대관료
# 입금 계좌, 이용료 계좌); an account whose holder is an apartment's body, an association or a
# company (<<held_acct>>: 예금주 OO 입주자대표회의, 부녀회, 운영위원회, 상가 번영회, 관리사무소);
# a parish's, a care centre's or a club's registry number, a letter glued to ten digits
# (<<lettered_reg>>: 교적번호 A3578345658, a 등록번호 column) or bare under its own label
# (<<reg_no>>: 교적번호 2026-304442, 관원번호 and ten digits). Values beside them: the household's
# or the customer's own account (<<own_acct>>: 환불계좌, 새 출금계좌 ... 본인명의, 입금계좌 alone, a
# landlord's 월세 납부 계좌, a club's 회비 계좌(총무)), a business's own registration number under
# its label or bare (<<brn>>), mobiles.
FEE_GENRE = "fees_and_registries"
FEE_SHARE = 0.04  # of the documents, from a stream of its own
FEE_PAPERS = {
    "fee_accounts": (
        ("{apt} 관리사무소 공지", "12월분 관리비 고지서를 배부했습니다.", "납부는 관리비 계좌 {bank}은행 <<fee_acct>> 로 해주세요",
         "자동이체 세대는 새 출금계좌 {bank} <<own_acct>> 본인명의로 적어 주세요"),
        ("관리비 납부계좌: {bank}은행 /<<fee_acct>>", "{unit} 세대 환불계좌: {bank} <<own_acct>> (예금주 {name})"),
        ("[관리비 납부계좌] {bank} <<fee_acct>>", "[세대 환불계좌] {bank} <<own_acct>> ({name})", "문의 {name} 동대표 <<mobile>>"),
        ("CMS 자동이체 신청서", "* 수납 기관: {brand}", "* 수납 계좌: {bank} <<fee_acct>>", "* 고객 출금 계좌: {bank} <<own_acct>>",
         "* 예금주: {name} / 신청인 연락처 <<mobile>>"),
        ("■ 수납  계좌 = {bank}은행 <<fee_acct>>", "■ 납부자 출금계좌 = {bank} <<own_acct>> (본인명의)"),
        ("{shop} 단체 예약 안내", "예약금 입금계좌 {bank}/<<fee_acct>>", "단체 예약자 {name} 님 <<mobile>>"),
        ("[{shop}] 체험 예약 확정", "입금은 예약금 입금계좌 {bank}: <<fee_acct>> 로 부탁드려요",
         "취소 시 환불계좌 {bank} <<own_acct>> 로 돌려드립니다"),
        ("{shop} 3월 수강료 납부 계좌 : {bank} <<fee_acct>>", "수강생 {name} 학부모 연락처 <<mobile>>"),
        ("체육관 대관료 입금 계좌 - {bank} <<fee_acct>>", "대관 신청인 {name} <<mobile>>",
         "보증금 반환 계좌 - {bank} <<own_acct>> ({name})"),
        ("이용료 계좌: {bank} <<fee_acct>> (예금주 {shop})", "회원 {name} 님 입금계좌 {bank} <<own_acct>>"),
        ("관리비 입금 계좌 {bank} <<fee_acct>>", "{unit} 입주민 {name} <<mobile>>"),
        ("{club} 회비 계좌(총무) {bank} <<own_acct>>", "회비 문의는 총무 {name} 에게 <<mobile>>"),
        ("월세 납부 계좌 {bank} <<own_acct>> (임대인 {name})", "관리비 납부 계좌 {bank} <<fee_acct>>"),
        ("중고 유모차 입금계좌 {bank} <<own_acct>>", "판매자 {name} 번호 <<mobile>>"),
    ),
    "held_accounts": (
        ("{apt} 노인회 알림", "노인회 계좌: {bank} <<held_acct>> (예금주: {apt} 입주자대표회의)", "노인회장 {name} <<mobile>>"),
        ("관리비 계좌 = {bank}: <<held_acct>> (예금주: {apt} 입주자대표회의)", "{unit} {name} 연락처 <<mobile>>"),
        ("부녀회 바자회 수익금 계좌 {bank} <<held_acct>> 예금주 {apt} 부녀회", "바자회 담당 {name} <<mobile>>"),
        ("경로당 운영비 계좌 {bank} <<held_acct>> (예금주 {apt} 운영위원회)", "총무 {name} 개인 계좌 {bank} <<own_acct>>"),
        ("주민 행사 찬조금 계좌: {bank} <<held_acct>> / 예금주: {apt}아파트 관리사무소", "행사 문의 {name} <<mobile>>"),
        ("상가 공용관리비 계좌 {bank} <<held_acct>> (예금주: {apt}상가 번영회)", "점주 {name} <<mobile>>"),
        ("동대표 선거 공탁금 계좌 | {bank} | <<held_acct>> | 예금주 {apt} 선거관리위원회", "후보 {name} | <<mobile>>"),
        ("입주자대표 {name} 개인 계좌 {bank} <<own_acct>>", "부녀회 계좌 {bank} <<held_acct>> (예금주 {apt} 부녀회)"),
        ("노인회 총무 계좌 {bank} <<own_acct>> (예금주 {name})", "관리사무소 {name} 과장 <<mobile>>"),
    ),
    "registries": (
        ("{parish} 교적 확인서", "교적번호 <<lettered_reg>>", "성명 {name} / 연락처 <<mobile>>"),
        ("{center} 이용자 현황", "성명 | 등록번호 | 보호자 연락처", "{name} | <<lettered_reg>> | <<mobile>>",
         "{name} | <<lettered_reg>> | <<mobile>>"),
        ("교적번호 <<reg_no>>", "세례명 {saint} / {name} <<mobile>>"),
        ("{dojo} 관원 명부", "관원번호 <<reg_no>> {name} 학부모 <<mobile>>"),
        ("[{center}] 등록번호 <<lettered_reg>>", "대상자 {name} 보호자 <<mobile>>"),
        ("회원번호: <<lettered_reg>> / {name}", "{shop} 사업자등록번호 <<brn>>"),
        ("{parish} 교무금 납부 확인", "교적번호:<<lettered_reg>> 성명:{name}", "사업자번호 <<brn>> ({shop})"),
        ("{dojo} 사업자 <<brn>>", "관원번호: <<reg_no>> / 관원 {name} <<mobile>>"),
    ),
}
FEE_SHOPS = ("뽀로로 키즈카페", "하늘패러글라이딩", "해오름 수영교실", "별빛공방", "다온 피아노학원")
FEE_CLUBS = ("주말산악회", "한마음 배드민턴 동호회", "새벽 조기축구회")
FEE_PARISHES = ("천주교 수원교구 영통성당", "천주교 대구대교구 범어성당", "명동성당")
FEE_CENTERS = ("송파구 치매안심센터", "해피데이 주간보호센터", "늘봄 노인주간보호센터")
FEE_DOJOS = ("용인 태권도장", "한결 합기도", "정도관 검도장")
FEE_SAINTS = ("요셉", "마리아", "베드로", "안나", "미카엘")
FEE_BRANDS = ("한빛정수기", "온누리렌탈", "새봄도시가스", "다온케이블")
# The apartment fee's own account named by its label (관리비 계좌, 관리비 납부계좌, 관리비 입금계좌,
# 관리비 계좌번호 right before the value): the management office's, written as a `fee_account` look-alike.
FEE_ACCOUNT_LABEL = re.compile(r"관리비 ?(납부|입금)? ?계좌(번호)?[ :=\-/]*$")
FEE_LOOK_ALIKES = {"fee_acct": "fee_account", "held_acct": "association_held_account",
                   "lettered_reg": "lettered_registry_number", "reg_no": "registry_number_labelled"}

# Licences under their own labels whatever their region code (genre licences_by_label, a stream
# of its own; LICENCE_LABEL_PAPERS). Region codes change as regions are split or added, and a
# licence written under its label is a licence whatever its first two digits: <<lic>> is one in
# its groups (hyphens, spaces, dots) or unbroken, of a code the rules know or not (27, 29, 30 ...),
# <<lic_bare>> its twelve digits unbroken; under a column's header (a volunteer list's
# 운전면허번호(배달 차량), a market's vendor table, a company car's log), a key (license=, dl_no=,
# licenseNo), a form's label (국제운전면허 발급용 면허번호, ▶ Driver licence no.) or a sentence's
# 운전면허. Beside them numbers of the same shape under their own labels (<<order>>, <<tracking>>,
# <<serial>>: order, parcel and serial numbers in 2-2-6-2 groups or twelve digits) and a person's
# account grouped as a licence is (<<acct>>, a value of its own kind), and mobiles.
LICENCE_LABEL_GENRE = "licences_by_label"
LICENCE_LABEL_SHARE = 0.03  # of the documents, from a stream of its own
LICENCE_LABEL_PAPERS = {
    "columns": (
        ("{org} 도시락 배달 봉사자 명단", "이름\t운전면허번호(배달 차량)\t연락처", "{name}\t<<lic>>\t<<mobile>>"),
        ("{org} 장터 입점 업체", "업체명 | 대표 | 운전면허 | 차량", "{shop} | {name} | <<lic>> | {car}",
         "{shop} | {name} | <<lic>> | {car}"),
        ("법인차량 운행일지.csv", "일자,차량번호,운전자,운전면허번호,목적지", "12/0{n},{car},{name},<<lic>>,본사",
         "12/1{n},{car},{name},<<lic>>,물류센터"),
        ("No.\tDriver\tLicense No.\tPhone", "1\t{rname}\t<<lic>>\t<<mobile>>", "2\t{rname}\t<<lic>>\t<<mobile>>"),
        ("성명,면허번호,면허종류,주문번호", "{name},<<lic>>,{cls},<<order>>", "{name},<<lic>>,{cls},<<order>>"),
        ("| 기사명 | 운전면허 | 송장번호 |", "|---|---|---|", "| {name} | <<lic>> | <<tracking>> |"),
        ("대리운전 기사 등록 현황", "기사\t면허번호\t휴대폰", "{name} 기사\t<<lic>>\t<<mobile>>"),
        ("탁송 기사 명부", "성명 / 운전면허증 번호 / 정산계좌", "{name} / <<lic>> / {bank} <<acct>>"),
    ),
    "keys": (
        ("license=<<lic>> | mobile=<<mobile>>",),
        ("[verify] driver={name} license=<<lic>> order=<<order>>",),
        ('{"driver": "{name}", "licenseNo": "<<lic>>", "trackingNo": "<<tracking>>"}',),
        ("dl_no=<<lic>>&serial=<<serial>>&tel=<<mobile>>",),
        ("rental.renter.license_no = <<lic>>", "rental.car.serial = <<serial>>"),
        ("2026-12-0{n} 10:2{n} INFO onboarding rider={name} driverLicense=<<lic>> orderId=<<order>>",),
        ("DRIVER_LICENSE: <<lic>>\nACCOUNT_NO: <<acct>>",),
    ),
    "forms": (
        ("□ 국제운전면허 발급용 면허번호: <<lic>>", "□ 연락처: <<mobile>>"),
        ("▶ 운전면허 Driver licence:<<lic>>", "▶ 주문번호 Order no.: <<order>>"),
        ("▶ Driver licence no.\t<<lic_bare>>", "▶ Serial no.\t<<serial>>"),
        ("렌터카 대여 계약서", "운전자 {name}", "면허 번호 : <<lic>>", "환불 계좌 {bank} <<acct>>"),
        ("[차량 공유 회원 가입]", "■ 운전면허번호 <<lic>>", "■ 휴대폰 <<mobile>>", "■ 가입 신청번호 <<order>>"),
        ("Rental Agreement", "Driver's License No. <<lic>>", "Reservation No. <<order>>"),
        ("주차 정기권 신청서", "신청인 {name}", "운전면허 : <<lic>> ({cls})", "차량 {car}"),
    ),
    "prose": (
        ("신분증에 운전면허 <<lic>> 있어요",),
        ("운전면허 번호는 <<lic>>이고 차량은 {car}입니다.", "송장번호 <<tracking>> 로 보냈어요"),
        ("면허증 번호 <<lic>> 맞는지 확인 부탁드려요",),
        ("제 운전면허 <<lic>> 로 등록해주세요. 계좌는 {bank} <<acct>> 입니다",),
        ("{name} 고객님 운전면허 <<lic>> 확인했습니다. 주문번호 <<order>> 출고 예정입니다.",),
        ("기사님 면허번호 <<lic>> 보내드려요", "제품 시리얼 <<serial>> 도 같이 적어주세요"),
    ),
}
LICENCE_LABEL_SHOPS = ("한빛청과", "다온수산", "소담반찬", "미소떡집", "푸른농원", "라온커피")
LICENCE_LABEL_ORGS = ("{gu} 종합사회복지관", "새봄 푸드뱅크", "한빛 자원봉사센터", "행복나눔 센터", "{gu} 전통시장 상인회")
LICENCE_LABEL_CARS = ("12가 3456", "34나 7788", "101허 2233", "56다 9012", "222호 4455", "78라 1357")
LICENCE_LABEL_LOOK_ALIKES = {"order": "licence_shaped_order", "tracking": "licence_shaped_tracking",
                             "serial": "licence_shaped_serial"}

# Organisations' main lines and role mailboxes (genre main_lines_and_roles, a stream of its own;
# MAIN_LINE_PAPERS), beside the people's own values. An office's own line under a record's or a
# form's key that says so (<<office_key>>: office=, office="...", office_main_phone=, "office_tel":,
# main_phone=, Office Main Phone:, a unit's name beside it, a form's tab); a business's or a unit's
# line named by what it is (<<place_line>>: 도장 전화 -, 관광버스 회사:, 연회장 ... 확인했습니다, (식당
# ...), 부대 행정반:, 대리점:, 터미널 =); both numbered as offices number their main lines (0000,
# 1000, 2000, 7000, 9200, 9900, 1114, 0114 ...). Role mailboxes at an organisation's own domain
# (<<ask_mail>>: ask@, inquiry@, qna@, cs@, privacy@, dpo@, office@, admin@ under 학원 메일, [개인정보보호
# 담당 메일], 문의 메일은 ...입니다). Values beside them: a person's keys on the same record (hp=, mobile=,
# tel=, contact=, phone=, office_manager_mobile=), a person's line under the place's word (식당 사장님
# 010-..., 도장 관장님 휴대폰), a home line or a mobile ending 1000 under a person's word, and people's
# addresses that begin with a role's word (ask.kim@, qna_lee@, adminpark@).
MAIN_LINE_GENRE = "main_lines_and_roles"
MAIN_LINE_SHARE = 0.04  # of the documents, from a stream of its own
MAIN_LINE_PAPERS = {
    "office_keys": (
        ('ts={date} org={brand} office="<<office_key>>" hp=<<mobile>> name={name}',),
        ("office=<<office_key>> contact=<<mobile>> manager={name}",),
        ("office_main_phone=<<office_key>>|hp=<<mobile>>|applicant={name}",),
        ('{"org": "{brand}", "office_tel": "<<office_key>>", "contact_name": "{name}", "phone": "<<mobile>>"}',),
        ("main_phone=<<office_key>> mobile=<<mobile>> owner={name}",),
        ("[{brand} 지원 신청서]", "Office Main Phone: <<office_key>>", "신청인 {name} / Mobile: <<mobile>>"),
        ("{dept} (Office Main Phone) : <<office_key>>", "담당자 {name} 휴대폰 : <<mobile>>"),
        ("Office Main Phone / {dept}\t<<office_key>>", "Applicant / 신청인\t{name}\t<<mobile>>"),
        ("office_manager_mobile=<<mobile>> office=<<office_key>> branch={gu}",),
        ("- office: <<office_key>>", "- tel: <<home>>", "- name: {name}"),
        ("OFFICE=<<office_key>>;CONTACT=<<mobile>>;REP={name}",),
        ('{"branch": "{gu}", "main_phone": "<<office_key>>", "staff": {"name": "{name}", "hp": "<<mobile>>"}}',),
        ("{brand} | office_main_phone: <<office_key>> | {name} <<mobile>>",),
        ("기관명\t{brand}", "Office Main Phone\t<<office_key>>", "담당자 연락처\t<<mobile>>"),
    ),
    "place_lines": (
        ("[{hhmm}] {name}: 도장 전화 - <<place_line>>", "[{hhmm}] {name}: 관장님 휴대폰은 <<mobile>> 이에요"),
        ("수학여행 일정표", "관광버스 회사: <<place_line>>", "인솔 교사 {name} <<mobile>>"),
        ("네 연회장 <<place_line>> 확인했습니다", "예약자분 번호는 <<mobile>> 맞으시죠?"),
        ("돌잔치 장소 안내 (식당 <<place_line>>)", "문의는 {name} <<mobile>>"),
        ("면회 신청서", "부대 행정반: <<place_line>>", "신청자 {name} 연락처: <<mobile>>"),
        ("[A/S 접수] 대리점: <<place_line>>", "접수 고객 {name} 휴대폰 <<mobile>>"),
        ("보조기기센터 <<place_line>> 로 문의하세요", "보호자 {name} 휴대폰 <<mobile>>"),
        ("고속버스 분실물 문의", "터미널 = <<place_line>>", "분실자 {name} = <<mobile>>"),
        ("송년회 장소: {gu} 한정식 / 문의 연회장 <<place_line>>", "총무 {name} <<mobile>>"),
        ("식당 사장님 <<mobile>> 로 직접 연락주세요", "식당 <<place_line>>"),
        ("도장 관장님 휴대폰 <<mobile>>", "도장 전화 <<place_line>>"),
        ("{name} 사장님 댁 전화 <<home_round>>", "가게 배달 주문은 식당 <<place_line>>"),
        ("합숙 훈련 안내 | 체육관 <<place_line>> | 코치 {name} <<mobile>>",),
        ("셔틀 운행 문의는 회사 <<place_line>> 으로 해주세요", "기사님 {name} 핸드폰 <<mobile_round>>"),
    ),
    "ask_mailboxes": (
        ("{brand} 수강 안내", "학원 메일: <<ask_mail>>", "원장 {name} <<own_mail>>"),
        ("[개인정보보호 담당 메일] <<ask_mail>>", "담당자 {name} <<mobile>>"),
        ("문의 메일은 <<ask_mail>>입니다", "회신 받으실 번호 <<mobile>> 도 함께 적어주세요"),
        ("Q&A 접수 메일: <<ask_mail>> / 작성자 {name} <<own_mail>>",),
        ('{"org": "{brand}", "inquiry_mail": "<<ask_mail>>", "applicant_email": "<<own_mail>>"}',),
        ("▶ 개인정보 열람 청구: <<ask_mail>>", "▶ 청구인 {name} (<<own_mail>>)"),
        ("자료 요청은 <<ask_mail>> 으로 보내주시고, 저한테는 <<own_mail>> 로 참조 부탁드려요",),
        ("reply_to=<<ask_mail>> sender=<<own_mail>> subject=견학신청",),
        ("상담 신청 메일 <<ask_mail>>", "신청인 이메일 <<own_mail>>"),
        ("받는 사람 : <<ask_mail>>", "보낸 사람 : {name} <<own_mail>>"),
        ("민원 접수 ☞ <<ask_mail>> (담당 {name} 주무관)",),
        ("문의: <<ask_mail>>  |  담당 {name} <<own_mail>>",),
    ),
}
MAIN_LINE_BRANDS = ("한빛교육", "새봄복지재단", "다온스포츠", "미래관광", "온누리의료재단", "푸른숲학원")
MAIN_LINE_DEPTS = ("학생지원팀", "행정지원실", "입학처", "고객지원센터", "총무팀", "교무지원과")
MAIN_LINE_DOMAINS = ("greenfarm.go.kr", "mirae-hosp.or.kr", "hanbit-edu.kr", "daon-sports.co.kr", "saebom.or.kr",
                     "onnuri-med.com")
# Organisations' role mailboxes not named in ORGANISER_ROLES, and the people's own local parts that
# begin with one of them.
MAIN_LINE_ROLES = ("ask", "inquiry", "qna", "cs", "privacy", "dpo", "office", "admin", "question", "counsel")
MAIN_LINE_OWN_LOCALS = ("ask.kim", "qna_lee", "adminpark", "office.choi", "privacy{n}", "cs.jung", "asking{n}")
# How offices number their main lines.
MAIN_LINE_ENDINGS = ("0000", "1000", "2000", "7000", "9200", "9900", "1114", "0114", "3000", "8200")
MAIN_LINE_LOOK_ALIKES = {"office_key": "office_key_main_line", "place_line": "place_main_line",
                         "ask_mail": "organisation_ask_mailbox"}

# Gift accounts on invitations and birth dates in scanned forms (genre invitations_and_scans, a
# stream of its own; GIFT_PAPERS). Wedding, first-birthday and funeral notices list their gift
# accounts by family side (<<side_acct>>: 신랑측 계좌, 신부 측 계좌, 혼주측, 아빠측, 상주측, 신랑측 마음
# 전하실 곳) and name them indirectly, with a bank's name or none (<<gift_acct>>: 마음 전하실 곳,
# 축의금 보내실 곳, 부의금 보내실 곳, 계좌번호 안내); guest lists carry them in a column so headed
# (<<col_acct>>: hyphens, fourteen digits unbroken, partly masked, full-width) beside amounts and
# reply dates (<<amount>>, <<reply_date>>: look-alikes). A venue's, a company's or an organiser's
# side is an organisation's (<<org_side_acct>>: 예식장측, 주최측, 회사측: look-alikes). Scanned forms
# read some of a birth date's digits as letters in its 년/월/일 writing under a birth label, split by
# a stray space or not (<<scan_dob>>: 생년월일 l972년 ll월 2B일, [운전자 생년월일] 86년 S월 3O일), beside
# a scanned date under a visit's or an accident's label (<<scan_other>>: a look-alike).
GIFT_GENRE = "invitations_and_scans"
GIFT_SHARE = 0.04  # of the documents, from a stream of its own
GIFT_PAPERS = {
    "sides": (
        ("[모바일 청첩장] {groom} ♥ {bride}", "12월 {day}일 토요일 낮 12시 {hall}", "신랑측 계좌: {bank} <<side_acct>>",
         "신부측 계좌: {bank} <<side_acct>>"),
        ("마음 전하실 곳", "신랑 측 계좌", "{bank} <<side_acct>> ({groom})", "신부 측 계좌", "{bank} <<side_acct>> ({bride})"),
        ("{baby}의 첫 번째 생일에 초대합니다", "아빠측 계좌 {bank} <<side_acct>>", "엄마측 계좌 {bank} <<side_acct>>",
         "연락처 아빠 <<mobile>>"),
        ("[부고] 故 {name}님께서 별세하셨기에 삼가 알려드립니다", "빈소 {funeral} {n}호실", "상주측 계좌 {bank} <<side_acct>> 상주 {name}",
         "장례식장측 계좌 {bank} <<org_side_acct>> (식대 정산)"),
        ("혼주측 계좌 안내", "신랑 혼주측 계좌: {bank} <<side_acct>> ({name})", "신부 혼주측 계좌: {bank} <<side_acct>> ({name})"),
        ("신랑측 마음 전하실 곳", "{bank} <<side_acct>> 예금주 {groom}", "신부측 마음 전하실 곳", "{bank} <<side_acct>> 예금주 {bride}"),
        ("돌잔치 안내", "장소 {hall}", "대관료는 예식장측 입금 계좌 {bank} <<org_side_acct>>", "아기 엄마측 계좌 {bank} <<side_acct>>"),
        ("유족측 계좌: {bank} <<side_acct>>", "발인 12월 {day}일 오전 7시"),
        ("신부 어머니측 계좌 {bank} <<side_acct>>", "신랑 아버지측 계좌 {bank} <<side_acct>>"),
        ("[{hall} 웨딩 페스티벌] 참가비는 주최측 계좌 {bank} <<org_side_acct>>", "문의 신랑측 {groom} <<mobile>>"),
        ("웨딩 촬영 잔금은 회사측 계좌 {bank} <<org_side_acct>> 로 부탁드립니다", "신부측 계좌 {bank} <<side_acct>> (환불용)"),
    ),
    "columns": (
        ("이름\t연락처\t마음 전하실 곳\t식대", "{name}\t<<mobile>>\t<<col_acct>>\t<<amount>>",
         "{name}\t<<mobile>>\t<<col_acct>>\t<<amount>>"),
        ("| 이름 | 연락처 | 마음 전하실 곳 | 식대 |", "|---|---|---|---|", "| {name} | <<mobile>> | <<col_acct>> | <<amount>> |",
         "| {name} | <<mobile>> | <<col_acct>> | <<amount>> |"),
        ("성함,관계,축의금 보내실 곳,금액,참석", "{name},{relation},<<col_acct>>,<<amount>>,참석",
         "{name},{relation},<<col_acct>>,<<amount>>,불참"),
        ("번호\t하객\t마음 전하는 곳\t회신일", "1\t{name}\t<<col_acct>>\t<<reply_date>>", "2\t{name}\t<<col_acct>>\t<<reply_date>>"),
        ("조문객 | 부의금 보내실 곳 | 금액 | 비고", "{name} | <<col_acct>> | <<amount>> | 직장 동료",
         "{name} | <<col_acct>> | <<amount>> | 친구"),
        ("하객 명단 (돌잔치)", "이름 / 연락처 / 마음 보내실 곳 / 회신", "{name} / <<mobile>> / <<col_acct>> / <<reply_date>>"),
        ("| 성명 | 축하의 마음 전하실 곳 | 식대 |", "|:--|:--|--:|", "| {name} | <<col_acct>> | <<amount>> |"),
    ),
    "bare": (
        ("마음 전하실 곳: <<gift_acct>>", "신랑 {groom} · 신부 {bride}"),
        ("💌 마음 전하는 곳", "<<gift_acct>> (신부 {bride})"),
        ("축의금 보내실 곳 : <<gift_acct>>", "예식 12월 {day}일 {hall}"),
        ("계좌번호 안내", "<<gift_acct>> {groom}"),
        ("마음 보내실 곳 <<gift_acct>>", "참석이 어려우신 분들을 위해 안내드립니다"),
        ("부의금 보내실 곳 - <<gift_acct>> (상주 {name})",),
        ("축하의 마음 전하실 곳", "신랑 {groom} {bank} <<gift_acct>>"),
        ("마음 전하실 곳 ▶ {bank} <<gift_acct>>", "화환은 정중히 사양합니다"),
        ("[마음 전하실 곳]", "<<gift_acct>>", "예금주 {bride}"),
    ),
    "scans": (
        ("[스캔] 교통사고 경위서", "[운전자 생년월일] <<scan_dob>>", "[사고 일시] <<scan_other>>"),
        ("환자 성명 {name}", "생년월일 <<scan_dob>>", "내원일 <<scan_other>>"),
        ("ㅇ 면회객 {name}", "ㅇ 면회객 생년월 일 <<scan_dob>>", "ㅇ 면회 일자 <<scan_other>>"),
        ("입소 신청서 (OCR)", "ㅣ 생 년 월 일 ㅣ <<scan_dob>> ㅣ", "ㅣ 신청일 ㅣ <<scan_other>> ㅣ"),
        ("[환자 생년월일] <<scan_dob>>", "[접수일] <<scan_other>>", "보호자 휴대폰 ☎ <<mobile>>"),
        ("출생일 : <<scan_dob>>", "방문일 : <<scan_other>>"),
        ("회원 카드 스캔본", "이름: {name}", "생일: <<scan_dob>>", "가입일: <<scan_other>>"),
        ("수강생 생년월일 <<scan_dob>> / 등록일 <<scan_other>>",),
        ("[스캔] 면회 신청 명단", "성명\t생년월일\t면회일", "{name}\t<<scan_dob>>\t<<scan_other>>",
         "{name}\t<<scan_dob>>\t<<scan_other>>"),
        ("| 이름 | 생년월일 | 연락처 |", "|---|---|---|", "| {name} | <<scan_dob>> | <<mobile>> |"),
        ("성명,출생일,가입일", "{name},<<scan_dob>>,<<scan_other>>"),
    ),
}
GIFT_HALLS = ("더채플 앳 청담", "라움 아트센터", "그랜드 힐튼 컨벤션", "아펠가모 광화문", "엘타워 그랜드홀", "루벨 강남")
GIFT_FUNERALS = ("서울대병원 장례식장", "삼성서울병원 장례식장", "고대안암병원 장례식장", "분당서울대병원 장례식장")
GIFT_BABIES = ("우리 서아", "사랑하는 도윤이", "하람이", "우리 아기 지안이", "이준이")
GIFT_RELATIONS = ("신랑 친구", "신부 직장", "신랑 대학 동기", "신부 사촌", "부모님 지인")
GIFT_SCAN_DOB_STYLES = ("{y}년 {m}월 {d}일", "{yy}년 {m}월 {d}일", "{y}년{m}월{d}일", "{y} 년 {m} 월 {d} 일",
                        "{y}년 {m:02d}월 {d:02d}일", "{yy}년 {m:02d}월 {d:02d}일")
GIFT_LOOK_ALIKES = {"org_side_acct": "organisation_side_account", "amount": "gift_amount",
                    "reply_date": "gift_reply_date", "scan_other": "scanned_event_date"}

# Organisations' offerings, bills and lines (genre offerings_and_lines, a stream of its own;
# OFFERING_LINE_PAPERS), beside the people's own values. Accounts an organisation collects gifts
# into (<<offering>>: a church's 헌금 계좌, 감사헌금, 십일조, a temple's 보시 계좌, a charity's 후원 계좌,
# 기부금 계좌) in bulletins, forms, key=value lists and staff chats; accounts the label gives to a
# company or to one bill (<<bill_acct>>: 입금 계좌(회사), 법인 계좌, 대금 입금처 in a maker's or a
# franchise's paper, 납부 계좌(1회용), 일회용 계좌); offices' lines (<<office_line>>: the T. or
# Tel. after a signature's direct line, 담당 부서, a centre's or an office's line in a staff
# message, 사무실 in a record or a guard's log); representative landlines (<<rep_line>>: 대표번호,
# 대표 전화). Values beside them: a member's refund or pay-in account, a seller's proceeds, a
# worker's pay account (<<own_acct>>), the direct line of the signature's person (<<direct>>) and
# mobiles, also a partner company's head's mobile under 대표 (<<mobile>>).
OFFERING_LINE_GENRE = "offerings_and_lines"
OFFERING_LINE_SHARE = 0.04  # of the documents, from a stream of its own
OFFERING_LINE_PAPERS = {
    "offerings": (
        ("{church} 주보", "감사헌금 계좌: {bank} <<offering>>", "새가족 {name} 집사 <<mobile>>"),
        ("[{hhmm}] {name} 간사: 참고로 헌금 계좌 <<offering>> 입니다",
         "[{hhmm}] {name}: 네 환급계좌는 {bank} <<own_acct>> 로 해주세요"),
        ("{temple} 초파일 연등 접수", "보시 계좌 : {bank} <<offering>>", "접수자 {name} / <<mobile>>"),
        ("십일조 계좌={bank} <<offering>>", "성도 입금계좌={bank} <<own_acct>>"),
        ("{foundation} 정기 후원 신청서", "후원 계좌 {bank} <<offering>>", "후원자 {name} 님 휴대폰 <<mobile>>",
         "후원금 출금계좌 {bank} <<own_acct>>"),
        ("기부금 계좌 안내 / {bank} / <<offering>>", "영수증 받으실 분 {name} <<mobile>>"),
        ("{church} 선교 헌금 계좌 {bank} <<offering>> (예금주 {church})",),
        ("교구 소식", "건축헌금 계좌 - {bank} <<offering>>", "구역장 {name} 권사 <<mobile>>"),
        ("[{temple}] 불사 시주 계좌 {bank} <<offering>>", "신도 {name} 님 환불계좌 {bank} <<own_acct>>"),
        ("- 헌금계좌: {bank} <<offering>>", "- 교우 {name} 입금계좌: {bank} <<own_acct>>"),
        ("{name} 전도사: 감사헌금은 헌금 계좌 {bank} <<offering>> 로 부탁드려요",),
        ("구분 | 계좌", "십일조 계좌 | {bank} <<offering>>", "성도 환급계좌 | {bank} <<own_acct>>"),
        ("{foundation} 재난 성금 계좌 {bank} <<offering>>", "담당 {name} <<mobile>>"),
        ("보시계좌 / {bank} <<offering>> / {temple} 종무소",),
    ),
    "bills": (
        ("(주){brand} 입금 계좌(회사) {bank} <<bill_acct>>", "담당 {name} 대리 <<mobile>>"),
        ("[입금 계좌(회사)] <<bill_acct>>", "[급여 계좌] {bank} <<own_acct>> ({name})"),
        ('{"대금 입금처": "<<bill_acct>>", "담당": "{name}"}',),
        ("{brand} 정밀 대금 입금처 ; <<bill_acct>>", "납품 담당 {name} <<mobile>>"),
        ("가맹점 발주 안내", "※ 대금 입금처 : {bank} <<bill_acct>>", "※ 문의 {name} 과장 <<mobile>>"),
        ("{name}님 전기요금 납부 계좌(1회용) <<bill_acct>>",),
        ("납부 계좌(1회용)=<<bill_acct>>", "환불 계좌={bank} <<own_acct>>"),
        ("회사 계좌 {bank} <<bill_acct>>", "직원 {name} 급여 계좌 {bank} <<own_acct>>"),
        ("법인 계좌: {bank} <<bill_acct>>", "대표 {name} 휴대폰 <<mobile>>"),
        ("과태료 일회용 계좌 {bank} <<bill_acct>>", "납부자 {name} <<mobile>>"),
        ("중고 판매 대금 입금 계좌 {bank} <<own_acct>> ({name})", "{brand} 대금 입금처: {bank} <<bill_acct>>"),
        ("입금 계좌 (회사) : {bank} <<bill_acct>>", "개인 계좌 : {bank} <<own_acct>>"),
    ),
    "office_lines": (
        ("{name} 과장 | {dept}", "직통 <<direct>> / T. <<office_line>>"),
        ("{name} 드림", "{brand} {dept}", "Direct: <<direct>> / T. <<office_line>>"),
        ("{name} 대리", "직통: <<direct>> / Tel. <<office_line>>"),
        ("{rname} | Manager", "Direct <<direct>> | Tel <<office_line>>"),
        ("문의: 담당 부서 <<office_line>>", "민원 신청인 {name} 님 <<mobile>>"),
        ("[{hhmm}] {name} 팀장: 센터 전화 <<office_line>> 확인하세요", "[{hhmm}] {name}: 제 번호는 <<mobile>> 입니다"),
        ("{name} 주임: 사무실 <<office_line>> 으로 전화주세요",),
        ("name={brand}", "사무실=<<office_line>>", "담당자 휴대폰=<<mobile>>"),
        ('{"기관": "{brand}", "사무실": "<<office_line>>", "담당자": "{name}"}',),
        ("[근무일지] 방문객 문의, 사무실은(는) <<office_line>> (으)로 안내했습니다", "근무자 {name} <<mobile>>"),
        ("경비 일지: 택배 기사님께 사무실은 <<office_line>> 으로 안내함", "경비원 {name}"),
        ("{name} 실장: 협회 사무실 번호 <<office_line>> 로 문의주세요",),
    ),
    "representatives": (
        ("협력사 대표 전화번호= <<mobile>>", "협력사 대표번호= <<rep_line>>"),
        ("거래처 현황", "{brand} / 대표 전화: <<rep_line>> / 대표 휴대폰 <<mobile>>"),
        ("업체 대표 전화번호 <<mobile>> ({name})", "대표번호 <<rep_line>>"),
        ("하도급 업체 대표 연락처: <<mobile>>", "회사 대표전화: <<rep_line>>"),
        ("{brand} 대표 전화 <<rep_line>>", "대표 {name} 전화번호 <<mobile>>"),
        ("partner_rep_phone: 대표 전화번호 <<mobile>>", "main: 대표번호 <<rep_line>>"),
    ),
}
OFFERING_LINE_BRANDS = ("새빛", "한울극단", "다온", "푸른솔", "하늘정밀", "미래식품", "온누리")
OFFERING_LINE_DEPTS = ("영업팀", "총무팀", "구매팀", "고객지원팀", "기획실")
OFFERING_LINE_LOOK_ALIKES = {"offering": "offering_account", "bill_acct": "company_or_bill_account",
                             "office_line": "office_main_line", "rep_line": "representative_landline"}

# Machine keys (MACHINE_KEY_LAYOUTS): values under the column names Korean systems take from the
# public-data standard terms and their cousins (brdt, dob_yyyymmdd, drvLcnsNo, bzmnNo, brno,
# frgnrRgstNo, rrno, mblTelno, mbtlnum, actno, crdNo, psptNo, emlAddr), in access logs' query
# strings, JSON bodies, pipe-parted and key=value log lines and YAML dumps. A marker
# <<style:what>> writes a key and its value: q key=value, j "key": "value", c key: value, y the same
# on a line of its own; what is a kind of MACHINE_KEYS (any: one drawn), or a look-alike of
# MACHINE_KEY_LOOK_ALIKES under its own keys (orderNo, aprvNo, rsvNo, payAmt, clientIp).
MACHINE_KEY_GENRE = "machine_keys"
MACHINE_KEY_SHARE = 0.05  # of the documents, from a stream of its own
MACHINE_KEY_LAYOUTS = (
    ('GET /api/v1/members/verify?<<q:any>>&<<q:any>>&<<q:order>> HTTP/1.1" 200 {n4}',),
    ("2026-12-{day} {hhmm}:{mm} INFO  | name: {name} | <<c:any>> | <<c:any>> | <<c:aprv>> |",),
    ('{<<j:any>>, <<j:any>>, <<j:amt>>}',),
    ('"POST /api/v2/orders/verify?<<q:any>>&<<q:any>> HTTP/1.1"', "<<q:rsv>>&<<q:ip>>"),
    ("{", "  <<j:any>>,", "  <<j:any>>,", "  <<j:order>>", "}"),
    ("2026-12-{day}T{hhmm}:{mm}Z [req-{n4}] kyc check <<q:any>> <<q:any>> <<q:ip>> result=OK",),
    ("applicant:", "  <<y:any>>", "  <<y:any>>", "  <<y:rsv>>"),
    ("DEBUG RequestParams{<<q:any>>, <<q:any>>, <<q:aprv>>}",),
    ('curl -X POST "https://api.example.kr/cert?<<q:any>>&<<q:any>>&<<q:amt>>"',),
    ("| {hhmm} | <<c:any>> | <<c:order>> | <<c:any>> |",),
    ("[WARN] validation failed <<q:any>> <<q:order>>", "[INFO] retry <<q:any>>"),
    ('resp body: {"result":"00", <<j:any>>, <<j:any>>, <<j:aprv>>}',),
    ("user {name} updated profile: <<c:any>>, <<c:any>>", "client <<c:ip>>"),
    ("INSERT INTO tb_member (mbr_nm, ...) VALUES ... -- <<q:any>> <<q:any>> <<q:order>>",),
    ("<<c:any>>", "<<c:any>>", "<<c:rsv>>", "<<c:amt>>"),
    ("audit> {name} <<q:any>>&<<q:any>>&<<q:ip>>",),
)
# Keys by kind, one spelling each (cased, snake or camel, a format suffix): split between the parts.
MACHINE_KEYS = {
    "birth_date": ("brdt", "BRDT", "dob_yyyymmdd", "birthYmd", "brthdy", "birth_ymd", "dob_yymmdd", "BRTHDY",
                   "brdt_ymd", "dobYyyymmdd"),
    "driver_license": ("drvLcnsNo", "DRV_LCNS_NO", "dlNo", "drv_lcns_no", "drvLcns", "DL_NO"),
    "business_registration": ("bzmnNo", "BZMN_NO", "brno", "BRNO", "bzmnRgstNo", "bizrno"),
    "foreigner_registration": ("arcNumber", "frgnrRgstNo", "FRGNR_RGST_NO", "arcNo", "frgnrNo"),
    "resident": ("rrno", "RRNO", "jmno", "JMNO", "rrnNo", "ihidnum"),
    "phone": ("telno", "mblTelno", "mbtlnum", "MBL_TELNO", "TELNO", "MBTLNUM", "hpTelno"),
    "bank_account": ("acctNo", "actno", "ACTNO", "acnt_no", "acctNum", "rfndActno"),
    "credit_card": ("cardNo", "crdNo", "CRD_NO", "card_no", "crdno"),
    "passport": ("psptNo", "passportNumber", "PSPT_NO", "passportNo", "psptNum"),
    "email": ("emlAddr", "EML_ADDR", "emailAddr", "eml_addr"),
}
MACHINE_KEY_KINDS = (("birth_date", 3), ("driver_license", 3), ("business_registration", 2), ("passport", 2),
                     ("foreigner_registration", 1), ("resident", 1.5), ("phone", 1.5), ("bank_account", 1.5),
                     ("credit_card", 1), ("email", 0.7))
MACHINE_KEY_LOOK_ALIKE_KEYS = {"order": ("orderNo", "ordNo", "ORDER_NO", "order_id"),
                               "aprv": ("aprvNo", "APRV_NO", "approvalNo", "authNo"),
                               "rsv": ("rsvNo", "RSVT_NO", "rsvtNo", "bookingNo"),
                               "amt": ("payAmt", "PAY_AMT", "totAmt", "amount"),
                               "ip": ("clientIp", "CLIENT_IP", "remoteAddr", "srcIp")}
MACHINE_KEY_LOOK_ALIKES = {k: "machine_key_look_alike" for k in MACHINE_KEY_LOOK_ALIKE_KEYS}

# Chat requests (CHAT_REQUEST_ASKS): a friend asks in a messenger where to send money, in slang
# (어디로 쏘면 돼?, 계좌 불러줘, 번호 찍어줘), and another answers with a bare account on the next
# message, under a KakaoTalk export's stamps (2024. 12. 7. 오후 1:24, 이름 : ...) or a phone's; a
# remark may stand between. Beside them: a phone asked for and answered (a value, a phone), and
# look-alikes answered the same way (CHAT_REQUEST_OTHER_ASKS: an order's, a parcel's, a code's
# number, a time).
CHAT_REQUEST_GENRE = "chat_requests"
CHAT_REQUEST_SHARE = 0.05  # of the documents, from a stream of its own
CHAT_REQUEST_ASKS = ("어디로 쏘면 돼?", "어디로 쏘면 됨?", "어디로 쏠까", "어디로 쏴?", "어디로 보내면 돼?", "어디로 입금해?",
                     "어디로 입금하면 돼요?", "계좌 좀", "계좌 불러줘", "계좌 알려줘", "번호 찍어줘", "계좌 찍어줘",
                     "어디로 이체하면 돼?", "어디로 넣으면 돼?", "돈 어디로 보내?", "회비 어디로 쏘면 돼?", "계좌번호 좀 줘",
                     "정산 어디로 보낼까?", "ㅇㅋ 계좌 찍어봐", "엔빵 어디로 쏨?", "어디로쏘면돼", "이체 어디로 해?")
CHAT_REQUEST_PHONE_ASKS = ("번호 뭐야?", "폰번호 알려줘", "연락처 좀", "전번 뭐였지?")
CHAT_REQUEST_OTHER_ASKS = {"order": ("주문번호 뭐야?", "주문번호 좀 불러줘"), "parcel": ("송장번호 뭐야?", "운송장 번호 좀"),
                           "code": ("인증번호 뭐였지?", "인증번호 몇이야?"), "time": ("몇 시에 만나?", "몇시 도착?")}
CHAT_REQUEST_STAMPS = ("{y}. {mo}. {d}. {ampm} {h}:{mi}, {who} : ", "[{who}] [{ampm} {h}:{mi}] ",
                       "{y}년 {mo}월 {d}일 {ampm} {h}:{mi}, {who} : ", "{who} : ")
CHAT_REQUEST_REMARKS = ("잠깐만", "ㅇㅋ", "기다려봐", "잠만", "아 잠시만요")
CHAT_REQUEST_LEADS = ("", "", "음.. ", "네 ", "여기 ", "ㅇㅇ ", "이거 ")
CHAT_REQUEST_TAILS = ("", "", " 이에요", " 입니다", " 으로 ㄱㄱ", " ㄱㅅ", " 여기로")
CHAT_REQUEST_LOOK_ALIKES = {k: "chat_other_answer" for k in CHAT_REQUEST_OTHER_ASKS}

# A person's own line named by their place, labels spaced out by a scan, values in prose after a
# label with a particle or an ending, and an American Express card in a payment column (genre
# places_and_prose, a stream of its own; PLACE_PROSE_PAPERS). A professor's office (교수 연구실),
# a booking's holder (예약자 번호, 예약자 연락처; 050x safe numbers, some masked inside), a
# workplace's or a home's line in the person's own record (직장 전화, 자택 전화, 집 전화) and the
# tel of a record that holds one person's fields are the person's own (<<own_line>>,
# <<own_safe>>), while a department's, an office's, a switchboard's, a fax's and a
# representative line stay look-alikes (<<place_desk>>, <<place_rep>>). English labels a scan
# spaced letter by letter (D a t e   o f   B i r t h, P a s s p o r t   N o .); birth dates,
# passports, masked cards, masked business numbers and accounts in running prose, the label with
# a particle (는, 은) or a word between, the value with an ending (이고, 이며) or a bracket after
# it (<<prose_dob>>, <<prose_passport>>, <<prose_card_masked>>, <<prose_brn_masked>>,
# <<prose_acct>>); American Express cards grouped 4-6-5 in a CSV column headed 결제 카드 (<<amex>>)
# beside the order's own numbers.
PLACE_PROSE_GENRE = "places_and_prose"
PLACE_PROSE_SHARE = 0.04  # of the documents, from a stream of its own
PLACE_PROSE_PAPERS = {
    "own_places": (
        ("[{dept}] 면담 안내", "{name} 교수 연구실: <<own_line>>", "학과 사무실 <<place_desk>>"),
        ("궁금한 점은 {name} 교수 연구실 <<own_line>>으로 전화 주시면 됩니다.", "학과 사무실은 <<place_desk>> 입니다."),
        ("지도교수 {name} / 연구실 <<own_line>> / 휴대폰 <<mobile>>", "행정실 <<place_desk>>"),
        ("통화 메모: 제가 확인한 직장 전화 <<own_line>>이고 휴대폰은 <<mobile>>이라고 하셨어요.",),
        ("예약 확인서", "예약자 {name}", "예약자 번호 : <<own_line>>", "대표번호 <<place_rep>>"),
        ("[{shop}] 예약 내역", "예약자 번호 / <<own_safe>>", "매장 문의 <<place_desk>>"),
        ("예약자 번호 【<<own_safe>>】 {name}님 {h}시 방문 예정",),
        ("예약자 연락처 <<own_safe>> (안심번호)", "업체 대표번호 <<place_rep>>"),
        ('{"name": "{name}", "birth": "<<dob>>", "tel": "<<own_line>>", "email": "<<mail>>"}',),
        ("name={name}&dob=<<dob>>&contact=<<own_line>>&mobile=<<mobile>>",),
        ('{"office": "{shop}", "대표": "<<place_rep>>", "fax": "<<place_desk>>"}',),
        ("보호자 자택 전화 <<own_line>> / 휴대폰 <<mobile>>", "원무과 <<place_desk>> / 팩스 <<place_desk>>"),
        ("비상연락망", "{name}: 집 전화 <<own_line>>, 핸드폰 <<mobile>>", "교환 <<place_desk>>"),
        ("신청인 {name}", "직장 전화: <<own_line>>", "자택 전화: <<own_line>>", "접수처 팩스: <<place_desk>>"),
    ),
    "scanned_labels": (
        ("P E R S O N A L   D A T A", "N a m e : {rname}", "D a t e   o f   B i r t h : <<spaced_dob>>"),
        ("D a t e   o f   B i r t h ;<<spaced_dob>>", "N a t i o n a l i t y : KOREA"),
        ("P a s s p o r t   N o . | <<spaced_passport>>", "D a t e   o f   I s s u e | <<issue_date>>"),
        ("S u r n a m e  {rname}", "P a s s p o r t   N o .  <<spaced_passport>>",
         "D a t e   o f   B i r t h  <<spaced_dob>>"),
        ("A P P L I C A T I O N", "D a t e   o f   B i r t h : <<spaced_dob>>", "D a t e   o f   E x p i r y : <<issue_date>>"),
        ("[스캔] 사업자 정보", "상호 {shop}", "사업자번흐 <<misread_brn>>", "대표번흐 <<place_rep>>"),
        ("가맹 신청서 (팩스 수신본)", "사업자 둥록번호: <<misread_brn>>", "대표 {name} 휴대폰 <<mobile>>",
         "매장 전화번흐 <<place_desk>>"),
        ("주민둥록번호 <<misread_rrn>>", "연락처 <<mobile>>", "대표번흐 <<place_rep>>"),
    ),
    "prose_endings": (
        ("고객님 생년월일 6자리는 <<prose_dob>>이고 성함은 {name}님 맞으시죠?",),
        ("수취인 생년월일 <<prose_dob>>이며 주소지는 {gu}입니다.",),
        ("본인 확인 결과 생년월일은 <<prose_dob>>이고, 연락처는 <<mobile>>입니다.",),
        ("여권번호는 <<prose_passport>> 확인했습니다. 출국일 {date}",),
        ("여권 번호가 <<prose_passport>>이고 영문 성명은 {rname}입니다.",),
        ("결제 카드 <<prose_card_masked>>(본인 확인) 승인 {amount}원",),
        ("등록된 결제 카드는 <<prose_card_masked>>이며 변경 요청하셨습니다.",),
        ("예비 가맹점 사업자번호 <<prose_brn_masked>>(본인 확인) 심사 중",),
        ("사업자번호는 <<prose_brn_masked>>이고 대표자 {name}님입니다.",),
        ("출금계좌는 {bank} <<prose_acct>> (예금주 {name}) 확인",),
        ("환불계좌는 {bank} <<prose_acct>>(예금주 {name})로 등록되어 있습니다.",),
    ),
    "amex_columns": (
        ("주문일,주문자,결제 카드,금액,주문번호", "{date},{name},<<amex>>,{amount},<<order_no>>",
         "{date},{name},<<amex>>,{amount},<<order_no>>"),
        ("이름\t결제 카드\t승인번호", "{name}\t<<amex>>\t<<order_no>>"),
        ("결제일,결제 카드,고객명", "{date},<<amex>>,{name}", "{date},<<amex>>,{name}"),
    ),
}
PLACE_PROSE_DEPTS = ("경영학과", "컴퓨터공학과", "국어국문학과", "화학공학과", "간호학과")
PLACE_PROSE_SHOPS = ("하늘 미용실", "바른 치과", "온담 한정식", "스튜디오 봄", "캠핑장 솔밭")
PLACE_PROSE_LOOK_ALIKES = {"place_desk": "office_place_line", "place_rep": "representative_number",
                           "issue_date": "spaced_label_other_date", "order_no": "order_number"}
PLACE_PROSE_WRITINGS = {"own_line": "place_own_line", "own_safe": "place_own_line",
                        "spaced_dob": "spaced_english_label", "spaced_passport": "spaced_english_label",
                        "amex": "amex_pay_column"}

# Receipts, direct lines and partly masked papers (genre receipts_and_masks, a stream of its own):
# the buyer's mobile under a cash receipt's label and the words after it (<<receipt_mobile>>:
# 현금영수증 발급 번호, 신청번호, (휴대폰)) beside the receipt's own numbers (<<receipt_no>>: its
# serial, its approval number); a staff member's direct line after the office's inquiry line on
# the same line (<<office>> the office's, <<direct>> the person's); birth dates with some parts
# masked under a birth label or in a birth column (<<dob_masked>>: 1973년 **월 **일, 2000.**.12,
# 19**-08-08); passports of the current shape with the last digits masked (<<passport_masked>>:
# M337G****) and licences masked inside a group, with or without a region (<<licence_masked>>:
# 17-21-53****-26, 서울 14-****36-41). The form's own dates (<<form_date>>) are no one's birth.
# Scanned confirmations whose OCR read digits as letters (5 as S, 8 as B, 0 as O, 1 as l or I):
# a mobile (<<ocr_phone>>: 010-6911-B541, O10-S374-6122) and a resident number (<<ocr_rrn>>:
# 830901-29980S1) under their labels, beside products' codes and serials that keep their
# letters (<<scan_code>>: R3CE7YQF87G, S/N 5MKR4GR3598U, GIFT-HC3N-6JLJ).
RECEIPT_GENRE = "receipts_and_masks"
RECEIPT_SHARE = 0.06  # of the documents, from a stream of its own
RECEIPT_PAPERS = {
    "cash_receipts": (
        ("[수강 신청서] {shop} 겨울 특강", "수강생 {name} ({age}세)", "현금영수증 발급 번호: <<receipt_mobile>>",
         "결제 금액 {amount}원"),
        ("주문서 확인", "주문자 {name}", "현금영수증 (휴대폰) <<receipt_mobile>>", "영수증 번호 <<receipt_no>>"),
        ("입금 확인 요청", "입금자명 {name}", "현금영수증 신청번호 <<receipt_mobile>>", "승인번호 <<receipt_no>>"),
        ("{shop} 회원 등록 카드", "성명 {name}", "현금영수증 발급용 번호 <<receipt_mobile>> (소득공제)"),
        ("=== 결제 정보 ===", "결제수단: 무통장입금", "현금영수증: 소득공제용 / <<receipt_mobile>>",
         "영수증번호: <<receipt_no>>"),
        ("학원비 납부 안내", "원생 {name}", "현금영수증 발행번호 <<receipt_mobile>>", "문의 {shop}"),
        ("[주문 메모]", "현금영수증 꼭 해주세요 <<receipt_mobile>> 이 번호로요", "받는 분 {name}"),
        ("캠프 참가 신청", "보호자 {name}", "현금영수증 신청 번호 : <<receipt_mobile>>", "접수번호 <<receipt_no>>"),
        ("택배 주문 접수", "현금영수증 (휴대폰번호) <<receipt_mobile>>", "영수증 번호 <<receipt_no>>"),
        ("수강료 영수증 재발급 요청", "현금영수증 발급번호 <<receipt_mobile>> 로 다시 부탁드려요",
         "원 영수증 번호 <<receipt_no>>"),
    ),
    "direct_lines": (
        ("진료 예약 안내", "예약 문의 <<office>> / 상담 실장 직통 <<direct>>", "환자 {name}"),
        ("{shop} 상담 안내", "대표 <<office>>, 담당 간호사 직통 <<direct>>"),
        ("견적 회신", "문의 <<office>> / {name} 과장 직통번호 <<direct>>"),
        ("[안내] 시술 후 관리", "병원 대표번호 <<office>> | 코디네이터 직통 <<direct>>"),
        ("분양 상담 예약 확인", "문의전화 <<office>> · 상담실장 직통: <<direct>>"),
        ("입학 상담", "학원 문의 <<office>> / 원장 직통 <<direct>>"),
        ("Quotation", "Tel <<office>> / {name} (Manager) direct <<direct>>"),
        ("서류 접수 안내", "접수처 <<office>>, 담당 주무관 직통 <<direct>>"),
        ("A/S 방문 예약", "고객센터 <<office>> / 담당 기사 직통 <<direct>>"),
        ("계약 안내", "사무실 <<office>> / 담당 팀장 직통전화 <<direct>>"),
    ),
    "masked_births": (
        ("입회 신청서", "성명 {name}", "생년월일 <<dob_masked>>", "작성일 <<form_date>>"),
        ("회원 정보 (일부 가림)", "이름: {name}", "생년월일: <<dob_masked>>", "가입일: <<form_date>>"),
        ("이름 | 생년월일 | 성별", "{name} | <<dob_masked>> | {sex}", "{name} | <<dob_masked>> | {sex}"),
        ("성명\t생년월일\t비고", "{name}\t<<dob_masked>>\t확인", "{name}\t<<dob_masked>>\t미확인"),
        ("[상담톡] 본인 확인", "상담원: 생년월일 확인됐습니다 (<<dob_masked>>)", "고객: 네 감사합니다"),
        ("예약자 정보", "예약자 {name} / 생년월일 <<dob_masked>>", "방문 예정일 <<form_date>>"),
        ("보험 청구서 (사본)", "피보험자 {name}", "생년월일 : <<dob_masked>>", "청구일 : <<form_date>>"),
        ("가입 확인 메일", "고객님의 생일 <<dob_masked>> 로 등록되어 있습니다."),
        ("출생일: <<dob_masked>>  성명: {name}",),
        ("DOB <<dob_masked>> / {name}", "접수 <<form_date>>"),
    ),
    "masked_documents": (
        ("여권 사본 확인", "성명 {name}", "여권번호 Passport No. ▶ <<passport_masked>>", "만료일 <<form_date>>"),
        ("출국 서류 체크리스트", "passport no. <<passport_masked>>", "항공권 확인 완료"),
        ("비자 신청 접수증", "신청인 {name}", "여권: <<passport_masked>>", "접수일 <<form_date>>"),
        ("렌터카 예약 확인", "운전자 {name}", "운전면허 <<licence_masked>>", "대여일 <<form_date>>"),
        ("대리운전 기사 등록", "기사 {name}", "면허번호: <<licence_masked>>"),
        ("신분 확인 내역", "확인 신분증: 운전면허증 <<licence_masked>>", "확인일 <<form_date>>"),
        ("호텔 체크인 카드", "Guest {name}", "Passport <<passport_masked>>", "Check-in <<form_date>>"),
        ("차량 공유 회원 심사", "면허 <<licence_masked>> (1종보통)", "심사일 <<form_date>>"),
        ("여행자 보험 가입", "피보험자 {name} / 여권번호 <<passport_masked>>"),
        ("공유킥보드 면허 인증", "인증된 면허: <<licence_masked>>"),
    ),
    "scanned_forms": (
        ("[스캔] 가입 신청 확인서", "성 명 {name}", "전 화: <<ocr_phone>>", "주민등록번호: <<ocr_rrn>>"),
        ("팩스 수신 - 신청서 사본", "신청인 {name}  전화 <<ocr_phone>>", "제품 S/N <<scan_code>>"),
        ("OCR 변환본 (확인 필요)", "주 민 등 록 번 호 <<ocr_rrn>>", "연 락 처 <<ocr_phone>>"),
        ("스캔 문서 - 보험금 청구서", "피보험자 {name}", "주민등록번호 <<ocr_rrn>>", "휴대폰 <<ocr_phone>>"),
        ("A/S 접수증 (스캔)", "고객 {name} 전화: <<ocr_phone>>", "모델 <<scan_code>>"),
        ("[이미지에서 추출한 텍스트]", "성명: {name}", "핸드폰: <<ocr_phone>>", "상품권 번호 <<scan_code>>"),
        ("등록 확인서 사본", "주민번호 <<ocr_rrn>>", "시리얼 <<scan_code>>"),
        ("수령 확인서 (OCR)", "수령인 {name} / 전 화 <<ocr_phone>>", "제품코드: <<scan_code>>"),
        ("스캔본 텍스트 변환", "연락처 : <<ocr_phone>>", "주민번호 : <<ocr_rrn>>", "기기 S/N: <<scan_code>>"),
        ("[PDF 추출] 동의서", "본인 {name} (주민등록번호 <<ocr_rrn>>)", "휴대전화 <<ocr_phone>>"),
    ),
}
RECEIPT_SHOPS = ("한빛수학학원", "푸른요가", "미소치과", "새봄피아노", "다온 베이커리", "라온필라테스", "해오름 캠프",
                 "하늘정원 꽃집", "바른자세 교정원", "소담 반찬가게")
RECEIPT_DATE_STYLES = ("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}. {m}. {d}.", "{y}/{m:02d}/{d:02d}")
# The shapes of a partly masked birth date: a part masked whole, the year's century kept alone.
RECEIPT_MASKED_BIRTHS = ("{y}년 {mm}월 {mm}일", "{y}.{mm}.{d:02d}", "{c}{mm}-{m:02d}-{d:02d}", "{y}.{m:02d}.{mm}",
                         "{y}-{mm}-{d:02d}", "{y}년 {m}월 {mm}일", "{c}{mm}.{m:02d}.{d:02d}", "{y}/{mm}/{d:02d}")
# What a scan's OCR reads digits as: 5 as S, 8 as B, 0 as O, 1 as l or I.
RECEIPT_SCANNED_LETTERS = {"5": "S", "8": "B", "0": "O", "1": "lI"}
RECEIPT_LOOK_ALIKES = {"receipt_no": "receipt_own_number", "office": "office_line_before_direct",
                       "form_date": "form_event_date", "scan_code": "scanned_product_code"}

# Scans of whole forms in one font (genre misread_scans, a stream of its own): the OCR misread
# every 0, 1, 5 and 8 of the paper the same way (O, l or I, S, B), so most of a number's
# characters are letters: a mobile (<<mobile>>: OlO-l2B9-S7S6, also with no separator,
# <<mobile_bare>>: OlO6O74l3lS, or in the international way, <<intl>>: +B2 lO 6O7B 433l,
# +B2 (O)lO-9S4S-Bl3O), a resident or foreigner number (<<rrn>>, <<frn>>: S9lO24-l692BB3), a card
# (<<card>>: 94lO-4497-6O4S-4623), an account after its bank (<<acct>>: 446SO2-66-3B6926), a
# business number (<<brn>>: 7lB-B7-99226, SB9B794962), a licence (<<licence>>) and a passport
# (<<passport>>: MlB3S4O67) under their labels, in a table's columns, or below the scan's title
# alone; some papers print a few digits full-width. Beside them the paper's own codes, models,
# serials and coupons (<<model>>, <<serial>>, <<coupon>>: XG-794lB, KRBlS3-W, GIFT-HC3N-6JLJ),
# dates (<<form_date>>), postal codes (<<postal>>) and receipt or policy numbers under their
# labels (<<reg_no>>), misread by the same scan.
MISREAD_SCAN_GENRE = "misread_scans"
MISREAD_SCAN_SHARE = 0.05  # of the documents, from a stream of its own
MISREAD_SCAN_PAPERS = {
    "contracts": (
        ("[OCR 변환본] 부동산 매매계약서", "매도인 성명 {name}", "매도인 전화: <<mobile>>", "매수인 주민등록번호: <<rrn>>",
         "계약일 <<form_date>>"),
        ("부동산 임대차 계약서 (스캔)", "임차인 {name}  연락처 <<mobile>>", "임차인 주민번호 <<rrn>>",
         "보증금 입금계좌 {bank} <<acct>>"),
        ("스캔본 - 전세 계약서 사본", "임대인 : {name} / 휴대전화 : <<mobile>>", "임대인 계좌 : {bank} <<acct>>",
         "계약서 작성일자 <<form_date>>"),
        ("매 매 계 약 서 (OCR)", "매 수 인  {name}", "주 민 등 록 번 호  <<rrn>>", "전 화 번 호  <<mobile>>"),
        ("[스캔 문서] 중개대상물 확인서", "개업공인중개사 사업자등록번호 <<brn>>", "중개보조원 연락처 <<mobile>>",
         "확인서 접수번호 <<reg_no>>"),
        ("차량 매매 계약서 - OCR", "양도인 {name} 연락처: <<mobile_bare>>", "양수인 운전면허 <<licence>>",
         "매매일 <<form_date>>"),
        ("월세 계약 갱신 합의서 (스캔본)", "임차인 {name}, 주민등록번호 <<rrn>>, 전화 <<mobile>>",
         "월세 납부 계좌 {bank} <<acct>>"),
    ),
    "guardians": (
        ("OCR 변환본 - 입학 원서", "학생 {name}", "보호자 휴대폰: <<mobile>>", "보호자 주민등록번호 <<rrn>>",
         "접수번호 <<reg_no>>"),
        ("[스캔] 체험학습 동의서", "보호자 {name}", "비상연락처 <<mobile>>", "작성일 <<form_date>>"),
        ("스캔본 : 어린이집 입소 신청서", "아동 주민번호 <<rrn>>", "모(母) 연락처 <<mobile>>", "부(父) 연락처 <<mobile_bare>>"),
        ("[OCR] 방과후 수강 신청서", "학부모 {name} 핸드폰 <<mobile>>", "수강료 카드 <<card>>"),
        ("수련회 참가 동의서 (이미지에서 추출)", "보호자 성명 {name}", "보호자 연락처 : <<mobile>>",
         "자택 우편번호 <<postal>>"),
        ("스캔 - 병원 입원 약정서", "환자 주민등록번호 <<rrn>>", "보호자 {name} (자녀) 휴대폰 <<mobile>>",
         "입원일 <<form_date>>"),
    ),
    "payments": (
        ("[OCR 변환본] 자동이체 신청서", "예금주 {name}", "자동이체 : {bank} <<acct>>", "또는 카드: <<card>>",
         "신청일 <<form_date>>"),
        ("CMS 출금이체 동의서 (스캔)", "출금계좌 {bank} <<acct>>", "예금주 연락처 <<mobile>>", "승인번호 <<reg_no>>"),
        ("스캔 - 카드 결제 신청서", "카드번호 <<card>>", "카드 소유자 휴대폰 <<mobile>>", "결제일 <<form_date>>"),
        ("후원 약정서 (이미지에서 추출)", "후원자 {name}", "결제 카드번호: <<card>>", "출금 계좌번호: {bank} <<acct>>"),
        ("보험료 자동납부 신청 (OCR)", "계약자 {name} 주민번호 <<rrn>>", "납부 카드 <<card>>", "보험 증권번호 <<reg_no>>"),
        ("[스캔본] 환불 요청서", "환불 받을 계좌 : {bank} <<acct>> (예금주 {name})", "연락 가능한 번호 : <<mobile>>"),
    ),
    "sellers": (
        ("[스캔] 통신판매업 신고서", "판매원 사업자 <<brn>>", "대표자 {name} 연락처 <<mobile>>", "제품 모델 <<model>>"),
        ("세금계산서 (OCR)", "공급자 사업자등록번호 <<brn>>", "품목 코드 <<model>>", "작성일자 <<form_date>>"),
        ("OCR 변환본 - 납품 확인서", "업체 사업자번호 : <<brn>>", "담당자 휴대폰 : <<mobile>>", "S/N <<serial>>"),
        ("스캔 문서 - 위탁 판매 계약서", "수탁자 사업자등록번호: <<brn>>", "정산 계좌: {bank} <<acct>>",
         "대표 휴대전화: <<mobile>>"),
        ("[스캔] 거래처 등록 카드", "상호 {company} / 사업자 <<brn>>", "담당 {name} <<mobile>>", "모델 <<model>>"),
    ),
    "identities": (
        ("[OCR 변환본] 외국인 근로자 고용 신고", "성명 {rname}", "근로자 외국인등록번호 <<frn>>", "여권번호 <<passport>>",
         "근로자 연락처 <<mobile>>"),
        ("스캔 문서 - 렌터카 임대 계약서", "운전자 {name}", "운전면허번호: <<licence>>", "휴대폰: <<mobile>>",
         "차량 모델 <<model>>"),
        ("여권 사본 (스캔)", "Passport No. <<passport>>", "성명 {rname}", "발급일 <<form_date>>"),
        ("체류 신고서 스캔본", "외국인 등록번호 : <<frn>>", "국내 연락처 : <<intl>>"),
        ("[이미지에서 추출한 텍스트] 숙박 등록 카드", "Passport <<passport>>", "Tel <<intl>>", "쿠폰 <<coupon>>"),
        ("OCR - 신분 확인 기록", "확인 신분증 운전면허 <<licence>>", "본인 휴대폰 <<mobile_bare>>"),
        ("해외 송금 신청서 (스캔)", "신청인 {rname} / 여권 <<passport>>", "연락처 <<intl>>", "송금인 외국인등록번호 <<frn>>"),
    ),
    "counters": (
        ("[OCR 변환본] A/S 접수증", "고객 연락처 <<mobile_bare>>", "제품 S/N <<serial>>", "모델명 <<model>>",
         "접수일 <<form_date>>"),
        ("스캔 - 상품권 교환 신청서", "신청인 연락처 <<mobile>>", "상품권 번호 <<coupon>>", "우편번호 <<postal>>"),
        ("OCR 결과 - 보험금 청구서", "피보험자 주민등록번호 <<rrn>>", "수익자 휴대폰 <<intl>>", "증권번호 <<reg_no>>"),
        ("[스캔] 택배 분실 신고서", "받는 분 연락처 : <<mobile>>", "운송장 번호 : <<reg_no>>", "상품 코드 : <<serial>>"),
        ("통신 가입 신청서 - 스캔본", "가입자 {name}", "가입자 주민번호: <<rrn>>", "단말기 모델: <<model>>",
         "개통 번호: <<mobile>>"),
    ),
    "rows": (
        ("[OCR 변환본] 참가자 명단", "성명 | 주민등록번호 | 연락처", "{name} | <<rrn>> | <<mobile>>",
         "{name} | <<rrn>> | <<mobile>>"),
        ("스캔 - 직원 비상연락망", "이름\t휴대폰\t계좌", "{name}\t<<mobile>>\t{bank} <<acct>>",
         "{name}\t<<mobile>>\t{bank} <<acct>>"),
        ("OCR 변환본 - 봉사자 명부", "{name}  <<rrn>>  <<mobile>>", "{name}  <<rrn>>  <<mobile>>"),
        ("[스캔] 외국인 수강생 명단", "이름 / 외국인번호 / 전화", "{rname} / <<frn>> / <<mobile>>"),
    ),
}
# The digits a scan of one font misreads, and the letters it reads them as: each paper one of them.
MISREAD_SCAN_FONTS = ({"0": "O", "1": "l", "5": "S", "8": "B"}, {"0": "O", "1": "I", "5": "S", "8": "B"},
                      {"0": "o", "1": "l", "5": "S", "8": "B"})
MISREAD_SCAN_LOOK_ALIKES = {"model": "misread_scan_code", "serial": "misread_scan_code", "coupon": "misread_scan_code",
                            "form_date": "misread_scan_date", "postal": "misread_scan_postal_code",
                            "reg_no": "misread_scan_reference"}

# Scanned forms whose OCR read some digits of a value as letters (genre labelled_scans, a stream of
# its own): a form's lines framed by | or ㅣ, its labels letter-spaced or not, a ; or a . after
# them or the value on the line below, and in the value now one, now several of its 0, 1, 5 and 8 read as O (or o), l (or I), S
# and B, the other digits printed right: birth dates in every way a form writes them (196S.07.l5,
# 19B20604, l996. 3. 24., 19B6년 10월 2일, 7 Jul l9SO, l4/l2/19Sl, 0708OS), mobiles (01O-66l8-Bl70,
# (O1O)9839-4789, 01O5668B903, +82 10 0B34 5379), accounts (5163B64796720S, 30877B 02 314739),
# resident, licence, business and card numbers, each under a label of its kind (LABELLED_SCAN_LABELS).
# Beside them the same scan's look-alikes keep their letters: models, serials and lots
# (<<code>>: FD44-57513, SN843143105198, L79A19763), licence plates (<<plate>>), ISBNs (<<isbn>>)
# and orders' numbers with letters (<<order>>); a passport's letters are real (<<passport>>) and an
# e-mail's are letters (<<mail>>). And a chat with a desk: the staff asks for the refund account
# (LABELLED_SCAN_ASKS) and the person answers on the next line with the digits in spaced groups and
# an ending (9096 08 122864 1 요).
LABELLED_SCAN_GENRE = "labelled_scans"
LABELLED_SCAN_SHARE = 0.05  # of the documents, from a stream of its own
LABELLED_SCAN_TITLES = ("[스캔] 위임장", "OCR 인식 결과", "민원 신청서 (스캔본)", "회원 가입 신청서", "신 청 서",
                        "보험금 청구서 사본", "| 개인정보 수집 이용 동의서 |", "ㅣ 입 회 원 서 ㅣ", "환불 요청서",
                        "재직 증명 발급 신청", "장학금 신청서 (팩스)", "택배 사고 접수서", "")
LABELLED_SCAN_FRAMES = ("| {x} |", "ㅣ{x}ㅣ", "ㅣ {x}", "| {x}", "{x}", "{x}", "ㅣ{x} ㅣ", "|{x}|")
LABELLED_SCAN_PUNCTS = (" ; ", ";", ". ", ".", " : ", ":", " ", "  ", " | ", " :", " ㅣ ", "\n", " :\n", "\n  ")
LABELLED_SCAN_LABELS = {
    "dob": ("생년월일", "생 년 월 일", "생일", "출생일", "출생년월일", "생년월일(양력)", "위임자 출생년월일",
            "신청인 생년월일", "생년 월일", "출 생 일", "Date of Birth", "DOB", "생년월일(음력)", "피보험자 생년월일"),
    "mobile": ("연락처", "연 락 처", "휴대폰", "휴대전화", "핸드폰", "전화번호", "전 화 번 호", "Tel", "보호자 연락처",
               "비상연락처", "휴 대 폰", "H.P", "Mobile", "신청인 연락처"),
    "acct": ("환불계좌", "입금계좌", "계좌번호", "계 좌 번 호", "출금계좌", "환급계좌", "환불 계좌번호",
             "입 금 계 좌", "수령 계좌", "예금계좌"),
    "rrn": ("주민등록번호", "주 민 등 록 번 호", "주민번호", "주민 번호", "위임자 주민등록번호"),
    "licence": ("운전면허번호", "면허번호", "운 전 면 허 번 호", "운전면허"),
    "brn": ("사업자등록번호", "사업자번호", "사 업 자 번 호"),
    "card": ("카드번호", "결제카드", "카 드 번 호", "결제 카드번호"),
}
LABELLED_SCAN_OTHER = {"code": ("Model", "모델명", "S/N", "LOT.", "제품번호", "시리얼", "Model No."),
                       "plate": ("차량번호", "차 량 번 호", "차량"), "isbn": ("ISBN", "도서번호"),
                       "order": ("주문번호", "접수번호", "주 문 번 호"),
                       "passport": ("여권번호", "Passport No.", "여 권 번 호"), "mail": ("이메일", "E-mail", "이 메 일")}
LABELLED_SCAN_DOB_STYLES = ("{y}.{m:02d}.{d:02d}", "{y}{m:02d}{d:02d}", "{y}. {m}. {d}.", "{y}년 {m}월 {d}일",
                            "{d} {Mon} {y}", "{yy}{m:02d}{d:02d}", "{d:02d}/{m:02d}/{y}", "{y}-{m:02d}-{d:02d}",
                            "{y}/{m}/{d}", "{yy}.{m:02d}.{d:02d}", "{y} . {m:02d} . {d:02d}")
LABELLED_SCAN_ASKS = ("환급계좌 불러 주세요", "환불 받으실 계좌 말씀해 주세요", "입금받으실 계좌번호 알려주세요",
                      "환불계좌 번호 불러주시면 등록해 드릴게요", "계좌번호 천천히 불러 주세요", "환급 받을 계좌 말씀해주시겠어요?")
LABELLED_SCAN_ENDINGS = (" 요", "요", " 이요", " 입니다", "이에요", " 예요", "")
LABELLED_SCAN_SPEAKERS = (("상담사", "고객"), ("직원", "민원인"), ("[상담원]", "[고객님]"), ("Agent", "고객"))
# The digits a scan misreads, as one font reads them: each paper one of them.
LABELLED_SCAN_FONTS = ({"0": "O", "1": "l", "5": "S", "8": "B"}, {"0": "O", "1": "I", "5": "S", "8": "B"},
                       {"0": "o", "1": "l", "5": "S", "8": "B"}, {"0": "O", "1": "l", "5": "S", "8": "B"})
LABELLED_SCAN_LOOK_ALIKES = {"code": "scan_label_code", "plate": "scan_label_plate", "isbn": "scan_label_isbn",
                             "order": "scan_label_order"}

# Chats and records where a value's kind is told by how the text is laid out, not by a label beside
# it (CHAT_RECORD_PAPERS): a licence a speaker named by a role (수강생, 회원, 재학생) sends in the
# message after the one that announced it, the role's word in the speaker's stamp; an identity
# record's type key naming the kind of the number beside it ({"type": "DRIVER", "number": ...}),
# also partly masked; a card masked with ●, ○, ＊, ×, # or X in groups apart by spaces or dots after
# a card's label; a directory's rows (a name, a mobile, an e-mail, a district, a date) with their
# header far above or missing. Look-alikes: a student number after 재학생 on a school form's line
# (<<student>>), a schedule's event date leading its row beside an organiser's mobile (<<event>>).
CHAT_RECORD_GENRE = "chats_and_records"
CHAT_RECORD_SHARE = 0.05  # of the documents, from a stream of its own
CHAT_RECORD_PAPERS = {
    "speakers": (
        ("[수강생] 기존 면허번호 보내드려요", "[수강생] <<lic>>", "[강사] 확인했습니다 {name}님"),
        ("수강생: 운전면허 갱신 때문에 문의드려요", "상담원: 면허번호 알려주시겠어요?", "수강생: <<lic>>",
         "상담원: 조회해볼게요"),
        ("[회원] 면허증 번호 남겨요", "[회원] <<lic>>", "[관리자] 접수되었습니다"),
        ("[재학생] 국제면허 신청하려고요 면허번호 여기 적을게요", "[조교] 네 말씀하세요", "[재학생] <<lic>>"),
        ("[수강생] [오후 {h}:{mm}] 기존 면허 번호입니다", "[수강생] [오후 {h}:{mm}] <<lic>>",
         "[학원] [오후 {h}:{mm}] 도로주행 예약 도와드릴게요"),
        ("회원: 렌트 예약용 운전면허 번호 보내드립니다", "회원: <<lic>>", "직원: 감사합니다 예약 완료되었습니다"),
        ("[수강생] 면허번호 알려드릴게요 잠시만요", "[수강생] 찾았어요", "[수강생] <<lic>> 이거예요"),
        ("수강생 : 보험 가입에 필요한 면허번호 보낼게요", "수강생 : <<lic>>", "원장 : 네 받았습니다"),
        ("[재학생] 학과 사무실에 면허증 사본 대신 번호만 드려도 되나요", "[행정실] 네 번호 주세요",
         "[재학생] <<lic>> 입니다"),
        ("[회원] 연락처가 바뀌어서 새 번호 남깁니다", "[회원] <<mobile>>", "[관리자] 변경해 드렸습니다"),
        # A school's form: the word labels the student number beside it.
        ("재학 증명서 발급 신청", "- 재학생 <<student>>", "- 성명 {name}", "- 용도 장학금 제출"),
        ("학생증 재발급 신청서", "재학생 <<student>> ({name})", "학생 연락처 <<mobile>>"),
        ("[동아리 가입 명단]", "재학생 <<student>> {name}", "재학생 <<student>> {name}", "회장 {name} <<mobile>>"),
        ("기숙사 입사 신청 결과", "재학생  <<student>>  {name}  합격", "문의 사감실"),
        ("장학생 선발 명단", "1. 재학생 <<student>> {name} (컴퓨터공학과)", "2. 재학생 <<student>> {name} (경영학과)"),
        ("[학적 변경 신청]", "구분: 재학생 <<student>>", "신청인 {name}"),
        ("도서관 출입 등록", "재학생 <<student>> / {name}", "등록일 {mmdd}"),
    ),
    "type_records": (
        ('{"type": "DRIVER", "number": "<<lic>>", "name": "{name}"}',),
        ('{"id_type": "DRIVER", "id_no": "<<mlic>>", "verified": true}',),
        ('[verify] {hhmm} payload={"kind": "driver", "value": "<<lic>>"}',),
        ("{", '  "doc_type": "DRIVER",', '  "doc_no": "<<lic>>",', '  "holder": "{name}"', "}"),
        ('{"type": "DRIVING", "number": "<<mlic>>"}, {"type": "PHONE", "number": "<<mobile>>"}',),
        ("GET /api/verify?id_type=DRIVER&id_number=<<lic>>&ts={hhmm}",),
        ('{"id_type": "PASSPORT", "id_no": "<<pp>>", "nationality": "KOR"}',),
        ('{"doc_type": "ARC", "doc_no": "<<arc>>", "visa": "E-9"}',),
        ("[kyc] {hhmm} id_type=ARC id_no=<<arc>> result=PASS",),
        ('{"kind": "FOREIGNER", "value": "<<arc>>", "checked": false}',),
        ("{'type': 'DRIVER', 'no': '<<mlic>>', 'issued_by': '{gu}'}",),
        ('identity: {"kind": "DRIVERS", "value": "<<lic>>"} status=OK',),
    ),
    "cards": (
        ("카드번호 <<scard>>", "승인번호 {n4}{n4}", "금액 {amount}원"),
        ("결제카드: <<scard>>", "결제일 {mmdd}"),
        ("[Web발신]", "{cardco} 승인 {name}님", "카드 <<scard>> 일시불", "{mmdd} {hhmm}"),
        ("등록된 카드 <<scard>> 로 정기결제 됩니다",),
        ("카드 정보 변경 완료", "변경 전 카드 <<scard>>", "변경 후 카드 <<scard>>"),
        ("환불 요청", "결제하신 카드번호 <<scard>> 맞으신가요?", "{name} 고객님"),
        ("CARD NO: <<scard>>", "APPROVAL {n4}{n4}"),
        ("신용카드 <<scard>> ({cardco})", "청구 {amount}원"),
    ),
    "directories": (
        ("{org} 동문 주소록", "(2026년 갱신본)", "", "{name}   <<mobile>>   <<mail>>   {gu} {dong}   <<dob>>",
         "{name}   <<mobile>>   <<mail>>   {gu} {dong}   <<dob>>"),
        ("| {name} | <<mobile>> | <<mail>> | {gu} | <<dob>> |", "| {name} | <<mobile>> | <<mail>> | {gu} | <<dob>> |"),
        ("회원 명부 (가나다순)", "{name}\t<<mobile>>\t{gu} {dong}\t<<dob>>", "{name}\t<<mobile>>\t{gu} {dong}\t<<dob>>"),
        ("{name}  |  <<dob>>  |  <<mobile>>  |  {gu}", "{name}  |  <<dob>>  |  <<mobile>>  |  {gu}"),
        ("총동창회 {n}기 연락처", "{name}    <<mail>>    <<dob>>    <<mobile>>", "{name}    <<mail>>    <<dob>>    <<mobile>>"),
        ("- {name}  <<mobile>>  {gu} {dong}  <<dob>>", "- {name}  <<mobile>>  {gu} {dong}  <<dob>>"),
        # A schedule leads each row with its day; the organiser's mobile beside it.
        ("{org} 행사 일정", "<<event>>   정기총회   {gu} 구민회관   담당 {name} <<mobile>>",
         "<<event>>   송년회   {gu} {dong} 연회장   담당 {name} <<mobile>>"),
        ("| <<event>> | 봉사활동 | {gu} | {name} | <<mobile>> |", "| <<event>> | 체육대회 | {gu} | {name} | <<mobile>> |"),
        ("{org} 월간 일정표", "<<event>>  월례회의  {gu} 사무실  {name} 총무 <<mobile>>",
         "<<event>>  산악회 정기산행  {gu}  {name} 산악대장 <<mobile>>"),
        ("- <<event>>  신년 하례회  {gu}  문의 {name} <<mobile>>", "- <<event>>  봄 야유회  {gu}  문의 {name} <<mobile>>"),
        ("<<event>>\t워크숍\t{gu} 연수원\t{name}\t<<mobile>>", "<<event>>\t세미나\t{gu} 본관\t{name}\t<<mobile>>"),
    ),
}
CHAT_RECORD_DONGS = ("합정동", "역삼동", "서교동", "반포동", "잠실동", "우동", "범어동", "봉명동")
CHAT_RECORD_CARD_MASKS = ("●", "●", "○", "＊", "×", "#", "X", "■")
# Every character a value here is masked with.
MASK_MARKS = MASK_CHARS + ("＊", "×")
CHAT_RECORD_LOOK_ALIKES = {"student": "student_number_under_role", "event": "schedule_event_date"}

# People's birth dates written beside their names (BIRTH_NAME_PAPERS): in brackets right after the
# name, with a title or a role around it or a relation's word inside the bracket, in any date shape
# (<<bdob>>: 손미경(010328), 도정우 어르신 (1946년 2월 23일), (배우자 441216)); replies in a roster
# thread whose post asks for names and birth dates, above or below them (<<rdob>>: └ 윤광수 710702
# 참석합니다, 3. 허재현 750309 010-...), and a group chat's replies after their speaker's name, the
# date before or after the phone in the member's own shape (<<cdob>>: 설남준: 함상철 010 4859 6589 /
# 1981.10.11, 소덕배: 홍나래 36년 4월 14일 / 010-...); a birth's mark opening the bracket (피해자
# 성로제(생 1984. 7. 3.)); passports of the older shape given as a chat's answers under the message
# asking for them (<<cpass>>: 저는 S03666465요, 제꺼 ... 입니다); identity numbers under a label that names no kind
# (<<idcheck>>: 실명확인번호: R56920970, 신분증 번호, 본인확인 번호: the number's own shape says
# whose). Look-alikes: an event's date in brackets after a word that names no person (정기총회
# (2025.03.14), 창립 (1989.05.01), 화재 (발생 ...)), a roster's event date, a chat's meeting day after
# the organiser's thanks, a verification's code and number.
BIRTH_NAME_GENRE = "births_beside_names"
BIRTH_NAME_SHARE = 0.06  # of the documents, from a stream of its own
BIRTH_NAME_PAPERS = {
    "brackets": (
        ("[{org}] 팀 구성", "팀원: {name}(<<bdob>>), {name}(<<bdob>>)", "팀장 {name}"),
        ("공동이용자: {name} (<<bdob>>)", "이용 개시 (<<event>>)"),
        ("소리샘보청기 방문 메모: {name} 어르신 (<<bdob>>) 좌측 청력 저하", "다음 점검 (<<event>>)"),
        ("환자 {name} (<<bdob>>) / 차트번호 {n4}", "외래 예약 (<<event>>)"),
        ("가족관계: 배우자 {name} (<<bdob>>), 자녀 {name} (<<bdob>>)",),
        ("{name} 고객님(<<bdob>>) 상담 요청 건", "요청 접수 (<<event>>)"),
        ("피보험자 {name}님 (<<bdob>>)", "보험 개시 (<<event>>)"),
        ("예약자 {name}(<<bdob>>) 외 1명", "객실 디럭스 / 2박"),
        ("[돌봄 일지] {name} 어르신({sex}) 생활 지원", "대상자 {name} 어르신 (<<bdob>>)", "정기 방문 (<<event>>)"),
        ("신청인 {name} (<<bdob>>, 외국인)", "신청 (<<event>>) 접수 완료"),
        ("원생 {name} (<<bdob>>) 반 배정: 햇님반", "입학식 (<<event>>)"),
        ("[참가자 명단] {name} (<<bdob>>) / {name} (<<bdob>>)", "{org} 정기총회 (<<event>>)"),
        ("간병 의뢰: {name} 할머니 (<<bdob>>) 요양병원 입원 중",),
        ("동행자 {name} 씨 (<<bdob>>) 항공권 같이 발권 부탁드립니다",),
        ("임차인 {name} (<<bdob>>) 외 가족 2인 거주", "계약 체결 (<<event>>)"),
        ("주 보호자: 딸 {name} (<<bdob>>)", "{org} (창립 <<founded>>)"),
        ("수급자 {name}({sex}, <<bdob>>) 재판정 대상", "재판정 예정 (<<event>>)"),
        ("상담 대상: {name} 학생 (<<bdob>>) / 담임 {name}",),
        ("{name}님(<<bdob>>) 본인 방문하셨습니다", "방문 (<<event>>)"),
        ("회원 {name} ( <<bdob>> ) 휴면 해제 요청",),
        # Full-width and square brackets; other items before the date in its bracket.
        ("[{org}] 참가 확인서", "참가자 {name}（<<bdob>>） 보호자 동행", "확인 일자 (<<event>>)"),
        ("보호자 동의서", "아동 {name} [<<bdob>>] / 보호자 {name}"),
        ("고객명 : {name} (Tel <<mobile>>, <<bdob>>)", "상담 (<<event>>)"),
        ("입주자 명단", "{name}（<<bdob>>）, {name}（<<bdob>>）"),
        ("접수 메모: {name} 님 (여, <<mobile>>, <<bdob>>) 재방문 희망",),
        # A birth's mark opening the bracket in an intake note; an incident's day after 발생.
        ("피해자 {name}(생 <<bdob>>) 경찰 연계로 내방", "사건 (발생 <<event>>)"),
        ("상담 대상: {name} (생 <<bdob>>) / 초기 상담", "접수 (<<event>>)"),
        ("[초기 면접] {name}(생. <<bdob>>) 보호자 동행, 연락처 <<mobile>>",),
        ("의뢰인 {name} (생: <<bdob>>) 주거 지원 요청", "화재 (발생 <<event>>) 이후 임시 거주"),
    ),
    "rosters": (
        ("여행자보험 가입 위해 댓글로 성함·생년월일 남겨주세요", "└ {name} <<rdob>> 참석합니다", "└ {name} <<rdob>>",
         "└ {name} <<rdob>> 저도 갑니다~"),
        ("명단: 이름 / 생년월일 / 연락처", "1. {name} / <<rdob>> / <<mobile>>", "2. {name} / <<rdob>> / <<mobile>>",
         "3. {name} / <<rdob>> / <<mobile>>"),
        ("[{org} 가을 야유회] 버스 보험 때문에 이름 생년월일 연락처 적어주세요", "1. {name} <<rdob>> <<mobile>>",
         "2. {name} <<rdob>> <<mobile>>", "3. {name} <<rdob>> <<mobile>> (차량 지원)"),
        ("{name} <<rdob>> 부부 참석 (배우자 <<rdob>>)", "{name} <<rdob>> 참석", "---",
         "[본문] 단체 여행자보험 가입합니다. 댓글로 성함, 생년월일 부탁드려요. 출발 (<<event>>)"),
        ("참석자 명단 받습니다 (성명 생년월일)", "ㄴ {name} <<rdob>>", "ㄴ {name} <<rdob>> 늦게 합류해요",
         "ㄴ {name} <<rdob>>"),
        ("- {name} <<rdob>> 참가", "- {name} <<rdob>> 참가 (아이 동반)", "",
         "↑ 위에 이름이랑 생년월일 남겨주시면 보험 일괄 가입합니다"),
        ("수련회 명단 정리 (이름, 생년월일, 휴대폰)", "{name} <<rdob>> <<mobile>>", "{name} <<rdob>> <<mobile>>",
         "행사일 (<<event>>)"),
        ("체험학습 보험 가입용 생년월일 필요합니다 - 이름이랑 같이 댓글 주세요", "{name} <<rdob>> 입니다",
         "{name} <<rdob>> 이에요", "{name} <<rdob>>"),
        ("1) {name} <<rdob>>", "2) {name} <<rdob>> (배우자 <<rdob>>)", "3) {name} <<rdob>>",
         "※ 등산 보험 가입용 성명·생년월일 취합 중입니다"),
    ),
    # A group chat's export: the organiser asks for names, birth dates and phones, members reply
    # one line each after their speaker's name, the fields in their own order; the thread ends
    # with thanks or other business, whose dates are the meeting's.
    "chat_rosters": (
        ("회장: 명단 정리하게 이름, 생년월일, 휴대폰 남겨주세요~", "{name}: {name} <<mobile>> / <<cdob>>",
         "{name}: {name} <<cdob>> / 휴대폰 <<mobile>>", "{name}: {name} <<mobile>>, <<cdob>>",
         "회장: 감사합니다~ 회비는 총무 계좌로 부탁드려요. 모임은 <<event>> 토요일"),
        ("총무: 보험 가입용으로 생년월일 필요해요. 댓글로 성함·생년월일·연락처 부탁드려요",
         "{name}: {name} <<cdob>> <<mobile>>", "{name}: {name} <<mobile>>/<<cdob>>",
         "{name}: 저도 곧 올릴게요", "{name}: {name}, <<cdob>>, <<mobile>>",
         "총무: 다들 고맙습니다. 출발은 <<event>> 아침 7시예요"),
        ("코치: 대회 선수 등록합니다. 선수 이름, 생년월일, 연락처 적어주세요", "{name}: {name} <<cdob>>",
         "{name}: {name} <<mobile>> <<cdob>>", "{name}: {name} / <<cdob>> / <<mobile>>",
         "코치: 감사합니다. 대회는 <<event>> 이고 집합은 8시"),
        ("[간사] 수련회 참가자 명단 취합 중입니다 (이름/생년월일/휴대폰)", "[{name}] {name} <<mobile>>, <<cdob>>",
         "[{name}] {name} <<cdob>>, <<mobile>>", "[{name}] {name} <<cdob>>",
         "[간사] 수고하셨습니다~ 수련회 날짜 <<event>> 잊지 마세요"),
        ("회장: 회원 여러분 단체 상해보험 들어요. 생년월일이랑 폰번호 올려주세요",
         "{name}: {name} 핸드폰 <<mobile>> <<cdob>>", "{name}: {name} <<cdob>> 연락처 <<mobile>>",
         "{name}: {name} <<mobile>>, <<cdob>> 입니다", "{name}: {name} <<cdob>> 이에요"),
        ("2025. 11. 3. 오후 8:12, 총무 : 송년회 명단 정리하게 참가자 생년월일, 연락처 남겨주세요",
         "2025. 11. 3. 오후 8:15, {name} : {name} <<mobile>> / <<cdob>>",
         "2025. 11. 3. 오후 8:20, {name} : {name} <<cdob>>, <<mobile>>",
         "2025. 11. 3. 오후 8:31, 총무 : 감사합니다! 송년회는 <<event>> 입니다"),
        # A travel group's chat: passports of the older shape given as answers a message or two
        # under the one asking for them (which may give its writer's own).
        ("{name}: 항공권 발권하려면 여권번호 필요하대요. 제 건 <<cpass>> 입니다",
         "{name}: 저는 <<cpass>>요. 영문이름은 따로 보낼게요", "{name}: <<cpass>> 이에요",
         "{name}: 출발은 <<event>> 맞죠?"),
        ("총무: 단체 비자 신청하게 여권번호 올려주세요", "{name}: 제꺼 <<cpass>> 입니다", "{name}: 전 <<cpass>>요",
         "총무: 감사합니다! 서류 마감은 <<event>> 예요"),
        ("[가이드] 현지 입국 신고서 작성하게 여권 번호 다들 알려주세요", "[{name}] <<cpass>> 입니다",
         "[{name}] 저는 <<cpass>> 이에요", "[가이드] 네 확인했습니다. 집합은 <<event>> 오전 9시"),
        ("{name}: 호텔 체크인에 여권번호 필요하다네요~ 전 <<cpass>> 이에요", "{name}: 제 건 <<cpass>>요",
         "{name}: 저는 <<cpass>> 입니당", "{name}: 체크인은 <<event>> 오후 3시부터래요"),
    ),
    "identity_checks": (
        ("외국인 고객 개통 확인", "실명확인번호: <<idcheck>>", "처리 (<<event>>)"),
        ("실명확인번호 | <<idcheck>>", "고객명 | {name}"),
        ("[본인확인] 신분증 번호 <<idcheck>> 확인 완료", "승인번호 {n4}{n4}"),
        ("계좌 개설 메모", "- 고객 {name}", "- 본인확인 번호: <<idcheck>>"),
        ("실명 확인 내역", "성명 {name}", "실명확인 번호 <<idcheck>>", "확인자 창구 {n}번"),
        ("휴대폰 개통 신청서", "가입자 {name}", "신분증번호 : <<idcheck>>", "가입 (<<event>>)"),
        ("숙박 등록 카드", "Guest {name}", "신분증 번호: <<idcheck>>"),
        ("택배 본인 수령 확인", "수령인 {name} / 본인확인번호 <<idcheck>>"),
        ("법인카드 발급 신청", "사용자 {name} · 실명번호 <<idcheck>>"),
        ("본인확인번호 <<idcheck>> 로 조회했습니다", "조회 결과 이상 없음"),
    ),
}
BIRTH_NAME_DATE_STYLES = ("{yy:02d}{m:02d}{d:02d}", "{y}{m:02d}{d:02d}", "{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}",
                          "{d:02d}/{m:02d}/{y}", "{y}년 {m}월 {d}일", "{y}. {m}. {d}.", "{yy:02d}.{m:02d}.{d:02d}",
                          "{y}/{m:02d}/{d:02d}", "{y}.{m}.{d}")
BIRTH_NAME_ROSTER_STYLES = ("{yy:02d}{m:02d}{d:02d}", "{y}{m:02d}{d:02d}", "{y}.{m:02d}.{d:02d}", "{yy:02d}.{m:02d}.{d:02d}")
# A chat reply's own date shapes: each member writes theirs their way.
BIRTH_NAME_CHAT_STYLES = ("{y}.{m:02d}.{d:02d}", "{yy:02d}.{m:02d}.{d:02d}", "{y}년 {m}월 {d}일", "{yy:02d}년 {m}월 {d}일",
                          "{y}{m:02d}{d:02d}", "{yy:02d}{m:02d}{d:02d}", "{y}. {m}. {d}.", "{y}-{m:02d}-{d:02d}",
                          "{y}.{m}.{d}")
BIRTH_NAME_LOOK_ALIKES = {"event": "bracketed_event_date", "founded": "bracketed_event_date"}

# Values the writer masked in part (HALF_MASK_PAPERS): e-mails shown as their first and last
# letters around stars, as sites and staff show them (<<hmail>>: 이메일: h****g@icloud.com,
# | j****e@yonsei.ac.kr |, "email": "y****o@icloud.com", Mail <h****m@hanmail.net>); birth dates
# showing only their year, or year and month (<<mdob>>: 생년월일 99****, 80.**.**, 1983-**-**)
# under a birth label, in a birth column of a table, or beside a resident number masked after its
# sex digit (<<mrrn>>); birth dates in brackets after a masked name in notification texts
# (<<ndob>>: [Web발신] [새봄내과] 한*우님(770912) 혈액검사 결과 안내, 임*호님(75****)). Look-alikes:
# wildcard addresses of mail filters and configs and globs in logs (<<wild>>: *@example.com,
# user*@hanbit.co.kr), masked dates under another label (<<mother>>: 가입일 2024-**-**,
# 유효기간 **/27) and a visit's or a payment's date in brackets after a masked name (<<mvisit>>).
HALF_MASK_GENRE = "values_half_masked"
HALF_MASK_SHARE = 0.06  # of the documents, from a stream of its own
HALF_MASK_PAPERS = {
    "mails": (
        ("[회원정보 확인]", "아이디: {login}", "이메일: <<hmail>>", "가입일 <<mother>>"),
        ("E-mail: <<hmail>>", "Phone: 010-****-{n4}", "Last login <<mother>>"),
        ("| 이름 | 이메일 | 등급 |", "|---|---|---|", "| {mname} | <<hmail>> | VIP |", "| {mname} | <<hmail>> | 일반 |"),
        ("수업 자료는 <<hmail>> 로 부탁드려요", "제출 마감 12/{day}"),
        ('{"user_id": {n4}{n4}, "email": "<<hmail>>", "grade": "silver"}',
         '{"user_id": {n4}{n4}, "email": "<<hmail>>", "grade": "gold"}'),
        ("From: {mname} {lt}<<hmail>>{gt}", "Subject: 문의드립니다", "스팸 필터 규칙: <<wild>> 차단"),
        ("Mail {lt}<<hmail>>{gt}", "Sent: 2026-12-{day} {hhmm}"),
        ("고객님의 아이디 찾기 결과입니다.", "가입하신 이메일 <<hmail>> 으로 임시 비밀번호를 보냈습니다."),
        ("[본인확인] 등록된 메일 주소 <<hmail>> 가 맞으신가요?",),
        ("담당자 {mname} / <<hmail>>", "대표번호 1588-{n4}"),
        ("allowed_senders = <<wild>>", "notify_to = <<hmail>>", "retry = 3"),
        ("2026-12-{day} {hhmm} INFO password reset sent to <<hmail>>",
         "2026-12-{day} {hhmm} DEBUG match rule <<wild>> -> spam"),
        ("회원 목록", "1. {mname}  <<hmail>>", "2. {mname}  <<hmail>>", "3. {mname}  <<hmail>>"),
        ("이메일 주소 : <<hmail>> (변경하려면 설정 > 계정)",),
        ("[Web발신] {org} 계정 <<hmail>> 로그인 알림", "본인이 아니면 고객센터로 연락 주세요"),
        ("수신 거부 목록에 <<wild>> 추가함", "확인 메일은 <<hmail>> 에 발송"),
        ("연락 메일 : <<hmail>>", "메일 필터: <<wild>> 는 자동 분류"),
        ("ID {login} / email <<hmail>>", "exclude: <<wild>>"),
    ),
    "births": (
        ("[회원정보]", "성명 {mname}", "생년월일 <<mdob>>", "가입일자 <<mother>>"),
        ("생년월일: <<mdob>>", "유효기간 <<mother>>"),
        ("이름\t생년월일\t연락처", "{mname}\t<<mdob>>\t010-****-{n4}", "{mname}\t<<mdob>>\t010-****-{n4}"),
        ("| 성명 | 생년월일 | 주민등록번호 |", "| {mname} | <<mdob>> | <<mrrn>> |", "| {mname} | <<mdob>> | <<mrrn>> |"),
        ("성명,생년월일,성별,등록일", "{mname},<<mdob>>,{sex},<<mother>>", "{mname},<<mdob>>,{sex},<<mother>>"),
        ("이름      생년월일      비고", "{mname}    <<mdob>>    신규", "{mname}    <<mdob>>    재등록"),
        ("고객 {mname} (생년월일 <<mdob>>) 상담 완료", "최근 접속 <<mother>>"),
        ("DOB: <<mdob>>", "Joined: <<mother>>"),
        ("출생 <<mdob>>", "발급일 <<mother>>"),
        ("{mname}  <<mdob>>  <<mrrn>>  {sex}", "{mname}  <<mdob>>  <<mrrn>>  {sex}"),
        ("{mname} / <<mdob>> / <<mrrn>>", "{mname} / <<mdob>> / <<mrrn>>"),
        ("생일 : <<mdob>>", "카드 유효기간 <<mother>>"),
        ("본인확인 정보", "- 이름: {mname}", "- 생년월일: <<mdob>>", "- 가입일: <<mother>>"),
        ("No.\t이름\t생년월일\t가입일", "1\t{mname}\t<<mdob>>\t<<mother>>", "2\t{mname}\t<<mdob>>\t<<mother>>"),
        ("생년월일(앞자리) <<mdob>>", "최종 수정 <<mother>>"),
    ),
    "notices": (
        ("[Web발신]", "[{clinic}] {mname}님(<<ndob>>) 혈액검사 결과 안내드립니다.", "문의 1588-{n4}"),
        ("[{clinic}] {mname}님(<<ndob>>) 내일 {h}시 진료 예약이 있습니다.",),
        ("[{clinic}] {mname} 고객님 (<<ndob>>) 건강검진 결과가 나왔습니다.", "{mname}님 (<<mvisit>>) 방문 예정"),
        ("{mname}님(<<ndob>>) 예방접종 완료", "다음 접종 (<<mvisit>>)"),
        ("[{clinic}] 보호자님, {mname} 어르신({sex}, <<ndob>>) 입소 상담 안내", "상담일 (<<mvisit>>)"),
        ("[{clinic}] 환자 {mname} (<<ndob>>) 처방전이 발행되었습니다.",),
        ("수신: {mname}님(<<ndob>>)", "결제 ({amount}원, <<mvisit>>) 완료"),
        ("[알림] {mname} 회원님 [<<ndob>>] 회원권 만료 예정", "만료일 (<<mvisit>>)"),
        ("{mname}씨 (<<ndob>>) 서류 접수되었습니다", "[{clinic}]"),
        ("[{clinic}] {mname}님（<<ndob>>） 검사 결과 확인 바랍니다",),
        ("예약자: {mname}님(<<ndob>>) 외 1명", "예약 (<<mvisit>>) 확정"),
    ),
}
HALF_MASK_CLINICS = ("새봄내과", "미소치과", "튼튼정형외과", "맑은이비인후과", "한빛건강검진센터", "하늘요양원", "온누리약국",
                     "바른한의원", "서울밝은안과", "행복소아청소년과")
HALF_MASK_MAIL_HOSTS = ("icloud.com", "yonsei.ac.kr", "hanmail.net", "naver.com", "gmail.com", "kakao.com", "korea.ac.kr",
                        "snu.ac.kr", "daum.net", "nate.com", "kaist.ac.kr", "outlook.com")
HALF_MASK_WILD_HOSTS = ("example.com", "hanbit.co.kr", "spam-mail.net", "ads.example.org", "noreply.shop.co.kr")
# A birth date's year (or year and month) shown, the rest masked: yymmdd, dotted, dashed, slashed.
HALF_MASK_BIRTHS = ("{yy:02d}{M}{M}", "{yy:02d}.{M}.{M}", "{y}-{M}-{M}", "{y}.{M}.{M}", "{yy:02d}{m:02d}{M}",
                    "{y}.{m:02d}.{M}", "{yy:02d}/{M}/{M}", "{y}/{M}/{M}", "{y}년 {M}월 {M}일", "{yy:02d}-{M}-{M}")
# A notification's date after the masked name: whole or masked.
HALF_MASK_NOTICE_DATES = ("{yy:02d}{m:02d}{d:02d}", "{y}{m:02d}{d:02d}", "{yy:02d}{M}{M}", "{y}-{M}-{M}",
                          "{y}년 {m}월 {d}일", "{y}.{m:02d}.{d:02d}", "{yy:02d}.{m:02d}.{d:02d}", "{y}.{M}.{M}")
HALF_MASK_OTHER_DATES = ("{y}-{M}-{M}", "{y}.{M}.{M}", "{M}/{yy:02d}", "{y}.{m:02d}.{M}", "{y}년 {M}월")
HALF_MASK_LOOK_ALIKES = {"wild": "mail_wildcard", "mother": "masked_other_date", "mvisit": "visit_after_masked_name"}

# Contacts and columns (CONTACT_PAPERS): where a text message or a messenger's note goes, said
# right before a mobile (영수증 문자는 010-... 로, 알림톡 받으실 번호, 카톡 010-...), written the ways
# people type it (with dashes of other widths, or in international form); passports typed by
# hand (lower case m64231379, in groups M 2073 4890, the current shape R979E9564 under a label or
# a column); rows of a CSV written without quotes where a field holds a comma, so that the row has
# one cell more than its header (a mobile, an e-mail, a masked passport, a birth date read off by
# one); masked cards in a pay column under short English headers (6243 46** **** 0***,
# ****-****-****-1061, beside 네이버페이) and partly masked resident numbers in a crew list's
# 생년월일 column beside whole birth dates. Look-alikes: a shop's or a sender's number beside the
# message's (<<shop_line>>), orders', bookings' and parcels' numbers (<<order_no>>, <<tracking>>),
# a user id typed like a passport (<<user_id>>), a passport's expiry and a form's dates (<<expiry>>).
CONTACT_GENRE = "contacts_and_columns"
CONTACT_SHARE = 0.06  # of the documents, from a stream of its own
CONTACT_PAPERS = {
    "message_targets": (
        ("[주문 메모] {shop}", "영수증 문자는 <<msg_mobile>> 로 보내주세요", "픽업 {hhmm}"),
        ("검사 결과 안내", "결과는 문자로 <<msg_mobile>> 에 보내드려요", "접수번호 <<order_no>>"),
        ("[예약 확정] {shop}", "알림톡 받으실 번호 <<msg_mobile>>", "예약번호 <<order_no>>"),
        ("중고거래 글", "사진 더 필요하시면 카톡 <<msg_mobile>>", "직거래 {gu}"),
        ("{shop} 주문서", "주문자 {name}", "배송 알림 문자 <<msg_mobile>>", "고객센터 <<shop_line>>"),
        ("수선 접수증", "완성되면 문자 주세요 <<msg_mobile>>", "매장 <<shop_line>>"),
        ("상담 메모", "고객 요청: 견적서는 문자로 받기 원함 (<<msg_mobile>>)"),
        ("예약 변경 요청", "변경 안내는 카톡으로 부탁드려요 <<msg_mobile>>"),
        ("택배 접수", "도착 문자 받을 번호: <<msg_mobile>>", "운송장 <<tracking>>"),
        ("세탁 접수 {shop}", "완료 알림 문자 → <<msg_mobile>>", "세탁물 접수번호 <<order_no>>"),
        ("픽업 예약", "SMS 수신 <<msg_mobile>>", "매장 문의 <<shop_line>>"),
        ("이벤트 당첨 안내", "기프티콘은 문자로 <<msg_mobile>> 에 발송됩니다"),
        ("케이크 주문 {shop}", "완성되면 카카오톡 <<msg_mobile>> 로 연락 부탁드려요"),
        ("[알림톡 발송 기록]", "{hhmm} 수신 <<msg_mobile>> 결과 성공", "발신 프로필 {shop}"),
        ("진료 예약 안내", "예약 안내 문자: <<msg_mobile>>", "병원 대표 <<shop_line>>"),
        ("세입자 메모", "관리비 고지서는 문자로 <<msg_mobile>> 에 주세요"),
        ("[렌탈 점검]", "방문 전 문자 <<msg_mobile>> 로 드릴게요", "담당 기사 배정 완료"),
        ("학원 상담 기록", "학부모 알림톡 <<msg_mobile>> (어머니)", "상담일 {date}"),
        ("[Web발신]", "{shop} 문자 발신번호 <<shop_line>> (회신 불가)", "주문하신 상품이 발송되었습니다"),
        ("꽃 배달 주문", "받는 분께 도착 문자 <<msg_mobile>>", "주문번호 <<order_no>>"),
        ("사진관 예약", "보정본 카톡으로 받을게요 <<msg_mobile>>"),
        ("헬스장 등록", "PT 일정은 메시지로: <<msg_mobile>>", "회원권 {n}개월"),
        # Words of an order's papers (영수증, 예약, 주문, 쿠폰) before the message's word: the mobile is
        # still where the message goes.
        ("[주문 메모]", "영수증 문자는 <<msg_mobile>> 로", "포장 {n}개"),
        ("예약 확인 문자 발송: <<msg_mobile>>",),
        ("{shop} 주문 완료 알림톡 → <<msg_mobile>>",),
        ("수리 접수", "접수 확인 문자 <<msg_mobile>> 으로 드림", "수리 접수번호 <<order_no>>"),
        ("영수증은 카톡으로 보내주세요 <<msg_mobile>>",),
        ("쿠폰 문자 받을 번호 <<msg_mobile>>", "쿠폰 유효기간 {date}"),
        ("공연 예매", "티켓 문자 수신: <<msg_mobile>>", "예매번호 <<order_no>>"),
        ("Order note: receipt by SMS to <<msg_mobile>>",),
        ("주문번호 <<order_no>>", "배송 문자 받을 번호 <<msg_mobile>>"),
        ("영수증 알림톡 <<msg_mobile>> (회사 제출용)",),
    ),
    "passports_typed": (
        ("여권 사본 확인", "성명 {NAME}", "여권 <<pp_lower>>"),
        ("Name,Passport,Nationality", "{NAME},<<pp_lower>>,KOR", "{NAME},<<pp_lower>>,KOR"),
        ("출국자 명단", "{name} 여권 <<pp_spaced>>", "{name} 여권 <<pp_spaced>>"),
        ("여권번호: <<pp_spaced>> (만료 <<expiry>>)",),
        ("비자 신청 접수", "Passport No. <<pp_current>>", "접수일 <<expiry>>"),
        ("여행자 보험 가입", "피보험자 {name} / 여권 <<pp_current>>"),
        ("호텔 예약 메모", "guest passport: <<pp_lower>>"),
        ("name\tpassport\tnationality", "{NAME}\t<<pp_lower>>\tKOR", "{NAME}\t<<pp_current>>\tKOR"),
        ("[단체 항공권] 명단", "1. {NAME} / 여권 <<pp_spaced>>", "2. {NAME} / 여권 <<pp_spaced>>"),
        ("체크인 메모", "PASSPORT <<pp_current>> / 아이디 <<user_id>>"),
        ("환전 신청서", "성명 {name}", "여권번호 <<pp_lower>>", "신청일 <<expiry>>"),
        ("유학원 서류 체크", "- 여권: <<pp_current>> (사본 제출)", "- 로그인 ID <<user_id>>"),
        ("면세점 구매 정보", "passport no <<pp_spaced>>", "출국일 <<expiry>>"),
        ("No,Name,Passport No,Expiry", "1,{NAME},<<pp_lower>>,<<expiry>>", "2,{NAME},<<pp_current>>,<<expiry>>"),
        ("[연수 참가자 여권 정보]", "{name} - <<pp_lower>>", "{name} - <<pp_lower>>"),
        ("PASSPORT | NAME", "<<pp_lower>> | {NAME}", "<<pp_spaced>> | {NAME}"),
        ("수학여행 인솔 명단", "학생 {name} 여권번호 <<pp_lower>> 보호자 동의 O"),
        ("카톡 대화", "여권번호 불러드릴게요", "<<pp_lower>> 이에요", "넵 입력했습니다"),
    ),
    "shifted_columns": (
        ("Name,Affiliation,Mobile,E-mail,Passport,Paid",
         "{NAME},{uni_en},{dept_en},<<row_mobile>>,<<row_mail>>,<<row_pp_masked>>,{yn}",
         "{NAME},{uni_en},<<row_mobile>>,<<row_mail>>,<<row_pp_masked>>,{yn}"),
        ("이름,소속,연락처,이메일,참가비", "{name},{uni},{dept},<<row_mobile>>,<<row_mail>>,{amount}",
         "{name},{uni},{dept},<<row_mobile>>,<<row_mail>>,{amount}"),
        ("참가자,소속,연락처,생년월일,비고", "{name},{uni},{dept},<<row_mobile>>,<<row_dob>>,참석",
         "{name},{uni},<<row_mobile>>,<<row_dob>>,불참"),
        ("name,org,phone,email,passport", "{NAME},{uni_en},{dept_en},<<row_mobile>>,<<row_mail>>,<<row_pp>>",
         "{NAME},{uni_en},{dept_en},<<row_mobile>>,<<row_mail>>,<<row_pp>>"),
        ("성명,주소,휴대폰,생년월일", "{name},{city} {gu},<<row_mobile>>,<<row_dob>>",
         "{name},{city} {gu},<<row_mobile>>,<<row_dob>>"),
        ("Name,Company,Mobile,Birth,Order",
         "{NAME},{company_en},<<row_mobile>>,<<row_dob>>,<<order_no>>",
         "{NAME},{company_en},<<row_mobile>>,<<row_dob>>,<<order_no>>"),
        ("신청자,학교,학과,연락처,메일", "{name},{uni},{dept},{dept},<<row_mobile>>,<<row_mail>>",
         "{name},{uni},{dept},<<row_mobile>>,<<row_mail>>"),
        ("Participant,Institution,Phone,Email,Passport No,Fee",
         "{NAME},{uni_en},{dept_en},<<row_mobile>>,<<row_mail>>,<<row_pp_masked>>,{amount}",
         "{NAME},{uni_en},{dept_en},<<row_mobile>>,<<row_mail>>,<<row_pp>>,{amount}"),
        ("이름,소속,휴대전화,생년월일,여권번호", "{name},{company_en},<<row_mobile>>,<<row_dob>>,<<row_pp>>",
         "{name},{uni},<<row_mobile>>,<<row_dob>>,<<row_pp_masked>>"),
        ("name,company,mobile,dob", "{NAME},{company_en},<<row_mobile>>,<<row_dob>>",
         "{NAME},{company_en},<<row_mobile>>,<<row_dob>>"),
        ("성명,소속,연락처,이메일,여권,결제", "{name},{uni},{dept},<<row_mobile>>,<<row_mail>>,<<row_pp_masked>>,완료",
         "{name},{uni},{dept},<<row_mobile>>,<<row_mail>>,<<row_pp>>,대기"),
        ("Name,Org,Tel,Birth", "*{NAME},{company_en},<<row_mobile>>,<<row_dob>>", "{NAME},{uni_en},<<row_mobile>>,<<row_dob>>"),
        ("NAME,SCHOOL,MOBILE,PASSPORT", "{NAME},{uni_en},{dept_en},<<row_mobile>>,<<row_pp_masked>>",
         "{NAME},{uni_en},<<row_mobile>>,<<row_pp_masked>>"),
        ("성명,학교,학과,휴대폰,여권", "{name},{uni},{dept},{dept},<<row_mobile>>,<<row_pp_masked>>",
         "{name},{uni},{dept},<<row_mobile>>,<<row_pp_masked>>"),
        ("Name,University,Passport,Paid", "{NAME},{uni_en},{dept_en},<<row_pp_masked>>,{yn} ({amount})",
         "{NAME},{uni_en},<<row_pp_masked>>,{yn} ({amount})"),
        ("참가자명,대학,여권번호(앞5자리),입금", "{name},{uni},{dept},<<row_pp_masked>>,{yn}",
         "{name},{uni},<<row_pp_masked>>,{yn}"),
        ("name,affiliation,passport,mobile", "{NAME},{uni_en},{dept_en},<<row_pp_masked>>,<<row_mobile>>",
         "{NAME},{uni_en},<<row_pp>>,<<row_mobile>>"),
        ("name,school,passport_no,paid", "{NAME},{uni_en},{dept_en},<<row_pp_masked>>,{yn}",
         "{NAME},{uni_en},<<row_pp_masked>>,{yn}"),
    ),
    "short_header_masks": (
        ("backer\tmobile\temail\tpay\torder_id\ttracking",
         "{name}\t<<col_mobile>>\t<<col_mail>>\t<<pay>>\t<<order_no>>\t<<tracking>>",
         "{name}\t<<col_mobile>>\t<<col_mail>>\t<<pay>>\t<<order_no>>\t<<tracking>>",
         "{name}\t<<col_mobile>>\t<<col_mail>>\t<<pay>>\t<<order_no>>\t<<tracking>>"),
        ("name,phone,pay,order", "{name},<<col_mobile>>,<<pay>>,<<order_no>>",
         "{name},<<col_mobile>>,<<pay>>,<<order_no>>"),
        ("buyer | pay | order no", "{name} | <<pay>> | <<order_no>>", "{name} | <<pay>> | <<order_no>>"),
        ("id\tpay\tamount", "{n}\t<<pay>>\t{amount}", "{n}\t<<pay>>\t{amount}"),
        ("[선원 명부] {ship}호", "성명\t직책\t생년월일\t연락처", "{name}\t선장\t<<rrn_masked>>\t<<col_mobile>>",
         "{name}\t기관장\t<<col_dob>>\t<<col_mobile>>", "{name}\t갑판원\t<<rrn_masked>>\t<<col_mobile>>"),
        ("승선원 명단", "성명 | 생년월일 | 직책", "{name} | <<rrn_masked>> | 선장", "{name} | <<col_dob>> | 항해사"),
        ("작업자 명단 (현장)", "이름,생년월일,연락처", "{name},<<rrn_masked>>,<<col_mobile>>",
         "{name},<<col_dob>>,<<col_mobile>>"),
        ("후원자 목록", "backer | mobile | pay | tracking", "{name} | <<col_mobile>> | <<pay>> | <<tracking>>",
         "{name} | <<col_mobile>> | <<pay>> | <<tracking>>"),
        ("{ship}호 승무원 명부", "이름,직책,생년월일,휴대폰", "{name},선장,<<rrn_masked>>,<<col_mobile>>",
         "{name},조리장,<<col_dob>>,<<col_mobile>>", "{name},선원,<<rrn_masked>>,<<col_mobile>>"),
        ("CREW LIST", "NAME | DOB | RANK", "{NAME} | <<rrn_masked>> | MASTER", "{NAME} | <<col_dob>> | CHIEF ENG"),
        ("봉사단 명단", "성명 / 생년월일 / 연락처", "{name} / <<rrn_masked>> / <<col_mobile>>", "{name} / <<col_dob>> / <<col_mobile>>"),
        ("user\tphone\temail\tpay", "{name}\t<<col_mobile>>\t<<col_mail>>\t<<pay>>",
         "{name}\t<<col_mobile>>\t<<col_mail>>\t<<pay>>"),
        ("주문자,pay,주문번호", "{name},<<pay>>,<<order_no>>", "{name},<<pay>>,<<order_no>>"),
        ("member | mobile | email | pay", "{name} | <<col_mobile>> | <<col_mail>> | <<pay>>",
         "{name} | <<col_mobile>> | <<col_mail>> | <<pay>>"),
    ),
}
CONTACT_SHOPS = ("한빛세탁", "다온꽃집", "소담베이커리", "미소사진관", "푸른수선", "라온PT", "바른안경", "해오름약국")
CONTACT_UNIS = ("연세대학교", "고려대학교", "서울대학교", "부산대학교", "경북대학교", "전남대학교")
CONTACT_UNIS_EN = ("Yonsei University", "Korea University", "Seoul National University", "Pusan National University",
                   "KAIST", "Hanyang University")
# Names of departments and places with a comma inside: the field that shifts the row's cells.
CONTACT_DEPTS_EN = ("Dept. of Economics", "School of Business", "Dept. of Physics", "College of Law")
CONTACT_DEPTS = ("경영학과", "경제학부", "컴퓨터공학과", "행정학과", "간호학과")
CONTACT_COMPANIES_EN = ("Hanbit Co., Ltd.", "Daon Trading, Inc.", "Sodam Foods, Ltd.", "Mirae Tech, Co.")
CONTACT_CITIES = ("서울시", "부산시", "대구시", "인천시", "수원시")
CONTACT_SHIPS = ("제1해성", "대양", "금성", "한빛", "동진")
CONTACT_PAYS = ("네이버페이", "카카오페이", "토스페이", "계좌이체", "무통장입금")
CONTACT_LOOK_ALIKES = {"shop_line": "message_sender_line", "order_no": "contact_order_number",
                       "tracking": "contact_order_number", "user_id": "user_id_like_passport",
                       "expiry": "contact_form_date"}

# Labels a sentence or a signature puts apart from the value (APART_PAPERS): a licence, a passport,
# a resident number or an account asked for, then given after the clause that says so (면허번호
# 필요하다고 해서요 21-10-..., 보험사에서 면허번호 달라고 해서 보내드려요 12 11 ...; hyphens or spaces);
# a sender's signature block whose line right under the name and the team is the sender's own line
# and address (하채원 드림 / 탐라렌트 고객지원팀 / 052.847.9428 / ...@hanmail.net), also after 올림,
# 배상, From: or a name and a title, while the lines labelled 대표, 대표번호, 고객센터 or 팩스 are the
# organisation's; English labels of a person's own line (Host direct:, Direct:, Mobile (host):, My
# number, Tel after a guest's name), a 050x safe number often as twelve bare digits; a treasurer's or
# an organiser's line asked about in brackets after their own account ((문의 +82-10-...)).
# Look-alikes: an insurer's claim and policy numbers asked for the same way (<<claim>>), the
# organisation's lines under a signature (<<org_line>>, <<org_rep>>, <<fax>>), a desk's line after
# an association's account (<<desk_line>>).
APART_GENRE = "labels_apart"
APART_SHARE = 0.06  # of the documents, from a stream of its own
APART_PAPERS = {
    "asked_licences": (
        ("[사고 처리 대화]", "{sname}: 보험 접수했습니다", "{sname}: 면허번호 필요하다고 해서요 <<lic>> 입니다",
         "상대 운전자: 네 확인했습니다"),
        ("보험사에서 면허번호 달라고 해서 보내드려요 <<lic>>",),
        ("면허 번호 알려 달래서요: <<lic>>",),
        ("오전 {hhmm} {sname}", "보험사 직원분이 면허번호 필요하다고 하셔서 <<lic>> 이에요"),
        ("접촉사고 상대방", "운전면허번호 물어보셔서요 <<lic>>", "사고접수번호 <<claim>>"),
        ("렌터카 반납 관련", "직원분이 면허 번호 확인해야 한대서요 <<lic>>", "예약번호 <<claim>>"),
        ("[카톡] {sname}", "면허번호 보내 달라고 하셔서 보내드립니다 <<lic>>"),
        ("사고 처리 메모", "상대방 면허번호 알려 달라길래 받아 둠 <<lic>>", "보험사 접수번호 <<claim>>"),
        ("대리운전 기사님 면허번호 요청하셔서 <<lic>> 입니다",),
        ("보험 처리 때문에 면허번호가 필요하대서 <<lic>> 보내요",),
        ("회사 차량 운행일지", "총무팀에서 면허번호 적어 달래서요 <<lic>>"),
        ("면허번호 필요하시다 해서 드려요 <<lic>>",),
        ("{sname}님 문의", "면허번호요 보험사에서 달라고 해서 <<lic>>", "증권번호 <<claim>>"),
        ("카셰어링 가입 문의", "면허 번호 다시 입력하라고 해서요 <<lic>> 맞나요?"),
        ("여권번호 필요하다고 하셔서 <<pp>> 입니다",),
        ("여행사에서 여권 번호 달라고 해서 보내드려요 <<pp>>", "예약번호 <<claim>>"),
        ("비자 대행 문의", "여권번호 알려 달래서요 <<pp>>"),
        ("환불 계좌 알려 달라고 하셔서 <<acct>> 입니다",),
        ("계좌번호 필요하다고 해서요 {bank} <<acct>>",),
        ("주민번호 뒷자리까지 필요하다길래 <<rrn>> 보냈어요",),
        ("보험금 청구", "주민등록번호 적어 달라고 하셔서 <<rrn>> 입니다", "청구 접수번호 <<claim>>"),
        ("사고접수번호 필요하다고 해서요 <<claim>>", "면허번호는 내일 드릴게요"),
        ("보험증권번호 달라고 하셔서 보내드려요 <<claim>>",),
    ),
    "signatures": (
        ("{cname}님 안녕하세요.", "문의하신 내용 확인 부탁드립니다.", "", "{sname} 드림", "{company} {team}",
         "<<own_line>> / <<own_mail>>", "{company} {branch} 대표 <<org_line>>"),
        ("요청하신 견적서 첨부드립니다.", "", "{sname} 올림", "{company} {team}", "<<own_line>>",
         "대표번호 <<org_rep>>"),
        ("확인 후 회신 부탁드립니다.", "{sname} 배상", "{company} {team}", "<<own_line>> | <<own_mail>>",
         "고객센터 <<org_rep>> / 팩스 <<fax>>"),
        ("From: {sname}", "{company} {team} {ptitle}", "<<own_line>>", "팩스 <<fax>>"),
        ("감사합니다.", "{sname} {ptitle}", "{company} {team}", "<<own_line>>", "대표 <<org_line>>"),
        ("--", "{company} {team} {sname} {ptitle}", "<<own_line>>, <<own_mail>>", "{company} 대표번호 <<org_rep>>"),
        ("늘 감사드립니다.", "", "{sname} 드림", "{team}", "<<own_line>>", "<<own_mail>>",
         "{company} 고객센터 <<org_rep>>"),
        ("회의 자료 공유드립니다.", "{sname} {ptitle} 드림", "{company}", "<<own_line>>", "팩스: <<fax>>"),
        ("From: {sname} (<<own_mail>>)", "{company} {team}", "<<own_line>>"),
        ("검토 부탁드립니다.", "", "{sname} 올림", "{team} / {company}", "<<own_line>> / <<own_mail>>",
         "대표전화 <<org_line>>"),
        ("{sname} {ptitle} | {team}", "<<own_line>>", "{company} 대표 <<org_line>> · 팩스 <<fax>>"),
        ("좋은 하루 되세요.", "{sname} 배상", "{company}", "<<own_line>>"),
    ),
    "english_lines": (
        ("[Booking] {stay}", "Host direct: <<safe12>>", "Check-in 15:00 / Check-out 11:00"),
        ("Guest: {NAME} / Tel <<guest_mobile>>", "Host: {sname} / Direct <<safe12>>"),
        ("예약 확정 안내 ({stay})", "Mobile (host): <<safe12>>", "Front desk: <<desk_line>>"),
        ("Direct: <<own_line>>", "Main office: <<desk_line>>"),
        ("{stay} reservation", "Guest: {NAME}", "Tel <<guest_mobile>>", "My number: <<safe12>>"),
        ("Pick-up driver", "Cell: <<safe12>>", "Reception: <<desk_line>>"),
        ("Host cell <<safe12>> (call or text)",),
        ("Your host {NAME}", "direct line <<safe12>>"),
        ("Contact the host directly: <<safe12>>",),
        ("Guest {NAME} / Tel <<guest_mobile>> / 인원 {n}명",),
        ("총무 {sname} 개인 계좌 {bank} <<acct>> 로 보내 주세요 (문의 <<treasurer>>)",),
        ("회비는 총무 {sname} 계좌 {bank} <<acct>> 입니다 (문의 <<treasurer>>)",),
        ("모임 회비 안내", "{bank} <<acct>> {sname} (총무, 문의 <<treasurer>>)"),
        ("참가비 입금: {bank} <<acct>> 예금주 {sname} / 문의 <<treasurer>>",),
        ("동호회 회비 계좌 {bank} <<assoc_acct>> (사무국 문의 <<desk_line>>)",),
    ),
}
APART_STAYS = ("Hanok Stay Bukchon", "Jeju Ocean Villa", "Gangneung Pine House", "Seochon Guesthouse",
               "Busan Harbor Loft")
APART_TEAMS = ("고객지원팀", "영업1팀", "예약팀", "총무팀", "기술지원팀", "구매팀", "운영팀", "인사팀")
APART_TITLES = ("과장", "대리", "매니저", "주임", "차장", "사원", "선임")
APART_BRANCHES = ("제주지점", "본사", "부산지점", "강남점", "본점")
APART_COMPANIES = ("탐라렌트", "한빛여행사", "누리건설", "다온물산", "소담푸드", "미래로지스")
APART_LOOK_ALIKES = {"claim": "asked_claim_number", "org_line": "signature_org_line", "org_rep": "signature_org_line",
                     "fax": "signature_org_line", "desk_line": "host_desk_line", "assoc_acct": "association_account"}
# Rosters read by column (ROSTER_COLUMN_PAPERS): ship and tour manifests and rosters exported from a
# booking system as plain text, their columns parted by two spaces or more and a cell holding single
# spaces (a name of two or three words, 28 JUL 1961, 1990년 9월 28일); an empty cell leaves a wider
# gap, and a row may end before its last cells. Class and academy lists written as CSV without
# quotes, where one row's date holds a comma (Jul 19, 2019) and so a cell more than its header,
# with rows below it. Look-alikes: a passport's expiry and a booking's number in their own columns.
ROSTER_COLUMN_GENRE = "rosters_by_column"
ROSTER_COLUMN_SHARE = 0.05  # of the documents, from a stream of its own
ROSTER_COLUMN_PAPERS = {
    "aligned": (
        ("[{tour} 탑승자 명단]", "NO  NAME  DOB  PASSPORT  PHONE  E-MAIL",
         "{no}  {NAME}  <<dob>>  <<pp>>  <<mobile>>  <<mail>>", "{no}  {NAME}  <<dob>>  <<pp>>  <<mobile>>  <<mail>>",
         "{no}  {NAME}  <<dob>>  <<pp>>    <<mail>>"),
        ("한글성명  영문성명  생년월일  여권번호  연락처", "{name}  {NAME}  <<dob>>  <<pp>>  <<mobile>>",
         "{name}  {NAME}  <<dob>>  <<pp>>  <<mobile>>", "{name}  {NAME}  <<dob>>  <<pp>>"),
        ("{ship} PASSENGER MANIFEST", "SEQ   NAME   SEX   D.O.B   PASSPORT NO   NAT.",
         "{n}   {NAME}   {sex}   <<dob>>   <<pp>>   KOR", "{n}   {NAME}   {sex}   <<dob>>   <<pp>>   KOR",
         "{n}   {NAME}   {sex}   <<dob>>   <<pp>>   KOR"),
        ("예약번호  성명  생년월일  여권번호  만료일", "<<booking>>  {NAME}  <<dob>>  <<pp>>  <<expiry>>",
         "<<booking>>  {NAME}  <<dob>>  <<pp>>  <<expiry>>"),
        ("번호  성명  생년월일  여권번호  비고", "{n}  {name}  <<dob>>  <<pp>>  인솔자", "{n}  {name}  <<dob>>  <<pp>>",
         "{n}  {name}  <<dob>>  <<pp>>  객실 {n}인실"),
        ("참가자 명단 ({tour})", "", "이름    생년월일    휴대폰    여권", "{name}    <<dob>>    <<mobile>>    <<pp>>",
         "{name}    <<dob>>        <<pp>>", "{name}    <<dob>>    <<mobile>>    <<pp>>"),
        ("Name  Date of Birth  Passport  Expiry  Mobile", "{NAME}  <<dob>>  <<pp>>  <<expiry>>  <<mobile>>",
         "{NAME}  <<dob>>  <<pp>>  <<expiry>>  <<mobile>>", "{NAME}  <<dob>>  <<pp>>  <<expiry>>"),
        ("{tour} 출국 명단", "연번  성명(한글)  성명(영문)  생년월일  여권번호", "-" * 40,
         "{n}  {name}  {NAME}  <<dob>>  <<pp>>", "{n}  {name}  {NAME}  <<dob>>  <<pp>>"),
        ("CREW LIST  {ship}", "RANK  NAME  BIRTH  PASSPORT  SEAMAN BOOK", "MASTER  {NAME}  <<dob>>  <<pp>>  <<booking>>",
         "C/O  {NAME}  <<dob>>  <<pp>>  <<booking>>", "OILER  {NAME}  <<dob>>  <<pp>>"),
        ("no  name  birth  passport no  tel", "{no}  {NAME}  <<dob>>  <<pp>>  <<mobile>>",
         "{no}  {NAME}  <<dob>>    <<mobile>>", "{no}  {NAME}  <<dob>>  <<pp>>  <<mobile>>"),
    ),
    "csv_overfull": (
        ("원생,생년월일,학부모 연락처", "{name},<<dob_comma>>,<<mobile_bare>>", "{name},<<dob>>,-", "{name},<<dob>>,",
         "{name},<<dob>>,<<mobile>>"),
        ("[{class} 명단]", "이름,생일,보호자 연락처", "{name},<<dob>>,<<mobile>>", "{name},<<dob_comma>>,<<mobile>>",
         "{name},<<dob>>,<<mobile>>", "{name},<<dob>>,"),
        ("name,birthday,parent phone", "{NAME},<<dob_comma>>,<<mobile>>", "{NAME},<<dob>>,<<mobile>>",
         "{NAME},<<dob>>,-"),
        ("학생,생년월일,연락처,비고", "{name},<<dob>>,<<mobile>>,", "{name},<<dob_comma>>,<<mobile>>,신규",
         "{name},<<dob>>,<<mobile>>,", "{name},<<dob>>,-,휴원"),
        ("{class} 출석부", "성명,생년월일,반", "{name},<<dob_comma>>,{class}", "{name},<<dob>>,{class}",
         "{name},<<dob>>,{class}"),
    ),
}
ROSTER_COLUMN_TOURS = ("하나투어 다낭 4박5일", "모두투어 오사카", "제주 단체여행", "유럽 3국 연수", "괌 가족여행")
ROSTER_COLUMN_SHIPS = ("MV HANBIT", "PANSTAR DREAM", "NEW CAMELLIA", "SEA STAR")
ROSTER_COLUMN_GIVEN_APART = ("ji min", "su bin", "ha eun", "min jun", "seo yeon", "jae hyun", "yu jin", "do yoon",
                             "ye jin", "tae hoon")
ROSTER_COLUMN_CLASSES = ("해님반", "달님반", "초등 3반", "중등 A반", "별빛반")
# A paper writes its dates one way, now and then another.
ROSTER_COLUMN_DATE_STYLES = ("{y}.{m:02d}.{d:02d}", "{y}/{m:02d}/{d:02d}", "{y}년 {m}월 {d}일", "{d:02d} {MON} {y}",
                             "{y}-{m:02d}-{d:02d}", "{yy:02d}.{m:02d}.{d:02d}", "{d:02d}{MON}{y}", "{y}{m:02d}{d:02d}",
                             "{d:02d}/{m:02d}/{y}", "{y}. {m}. {d}.")
ROSTER_COLUMN_LOOK_ALIKES = {"expiry": "roster_passport_expiry", "booking": "roster_booking_number"}

LABELS = {
    "resident": ("주민등록번호", "주민번호", "주민등록 번호", "본인 주민번호", "RRN", "주민 번호"),
    "foreigner_registration": ("외국인등록번호", "외국인번호", "등록증 번호", "외국인 등록번호"),
    "credit_card": ("카드번호", "결제카드", "카드 번호", "Card No.", "신용카드 번호", "카드"),
    "bank_account": ("계좌번호", "환불계좌", "입금계좌", "계좌", "Account", "환불 계좌번호", "가상계좌",
                     "입금하실 계좌", "송금 계좌", "예금계좌", "통장번호", "계좌 번호", "가상계좌번호",
                     "받는 계좌"),
    "phone": ("연락처", "휴대폰", "핸드폰 번호", "전화번호", "Mobile", "HP", "Tel", "비상연락처",
              "보호자 연락처", "휴대전화"),
    "email": ("이메일", "E-mail", "메일 주소", "email", "메일", "이메일 주소"),
    "driver_license": ("운전면허번호", "면허번호", "운전면허", "면허 번호", "License No.",
                       "운전면허증 번호", "면허증 번호", "운전면허증", "면허증번호", "Driver's License",
                       "DL No.", "운전 면허 번호"),
    "birth_date": ("생년월일", "생일", "DOB", "Birth", "Date of Birth", "출생일", "생년월일(양력)",
                   "Birthday", "출생", "생년월일(음력)", "태어난 날", "D.O.B", "Date of birth", "B/D"),
    "passport": ("여권번호", "여권", "Passport No.", "여권 번호", "passport"),
}
PUNCT = (": ", " : ", ":", " ", " - ", ") ", " = ")
# Labels of a birth date written as the front half of a resident number.
RESIDENT_FRONT_LABELS = ("주민번호 앞자리", "주민등록번호 앞자리", "주민번호 앞 6자리", "주민번호 앞6자리",
                         "주민등록번호 앞 6자리", "주민번호 앞부분")

# Values that carry no label of their kind but a cue a reader goes by: {age}, {sex}, {name},
# {cls} (a licence class), {bank} (a bank's Korean name), {bank_en} (its English name).
CUE_FRAMES = {
    "birth_date": ("만 {age}세 ([[V]])", "[[V]] (만 {age}세)", "{name}({sex}, [[V]])", "{name} / {sex} / [[V]]",
                   "성별 {sex} / [[V]]", "{sex}, {age}세, [[V]]", "나이 {age}세 ([[V]])", "{name} ({sex}) [[V]]",
                   "[[V]] ({sex})", "{name}, {age}세({sex}), [[V]]", "{sex}/{age}세/[[V]]",
                   "{name} 님 ({sex}, 만 {age}세) [[V]]"),
    "driver_license": ("면허종류: {cls}, 번호: [[V]]", "{cls} [[V]]", "{cls} / [[V]]", "종별 {cls} 번호 [[V]]",
                       "({cls}) [[V]]", "[[V]] ({cls})", "{cls}, [[V]]", "종류 {cls} / 번호 [[V]]",
                       "{cls} 번호 [[V]]", "[[V]]({cls})", "[[V]] {cls}", "[[V]] / {cls}", "[[V]] - {cls} 취득",
                       "[[V]] [{cls}]"),
    "bank_account": ("Bank: {bank_en} [[V]]", "{bank_en} Bank [[V]]", "[[V]] ({bank_en} Bank)",
                     "Account: {bank_en} [[V]]", "{bank_en} [[V]]", "Bank {bank_en} / [[V]]",
                     "{bank} [[V]] (예금주 {name})", "[[V]] {bank} {name}", "{bank}/[[V]]", "{bank}([[V]])",
                     "{bank}은행 [[V]]으로 보내주세요", "입금은 {bank} [[V]] {name}", "{bank} [[V]] / 예금주: {name}",
                     "[[V]] ({bank}, 예금주 {name})", "{name} {bank} [[V]]"),
}
# A label written after its value, as people add it as an afterthought: {L} the label.
AFTER_FRAMES = ("[[V]] ({L})", "[[V]] ← {L}", "[[V]] <- {L}", "[[V]] [{L}]", "[[V]] {L}", "[[V]] - {L}",
                "[[V]] / {L}", "[[V]] 👈 {L}", "[[V]] ({L}입니다)", "[[V]] 이게 {L}이에요", "[[V]] 은 제 {L}",
                "[[V]] ({L} 번호)", "[[V]]  <= {L}", "[[V]] 요게 {L}")
AFTER_KINDS = {"phone": 0.12, "bank_account": 0.12, "resident": 0.12, "email": 0.08}
# A cue inside a sentence rather than a label: the verb or the noun that says what the value is.
SENTENCE_FRAMES = {
    "phone": ("제 번호는 [[V]] 이에요", "[[V]] 로 연락주세요", "연락은 [[V]] 로 주세요", "[[V]] 으로 문자 주세요",
              "문자는 [[V]] 로 부탁드려요", "[[V]] 로 전화주시면 됩니다", "급하시면 [[V]] 로 전화 주세요",
              "[[V]] 번으로 카톡 주세요", "전화 주실 곳은 [[V]] 입니다", "제 폰은 [[V]] 이에요",
              "[[V]] 여기로 연락 부탁해요", "번호 남겨요 [[V]]", "[[V]] 로 연락 바랍니다", "[[V]] 로 전화 부탁드립니다",
              "[[V]] 로 문자 남겨주시면 회신드릴게요", "제 핸드폰이 [[V]] 예요",
              "문의는 [[V]] 으로 주세요", "연락은 [[V]] 로 부탁드려요", "문의사항은 [[V]] 로 연락 주세요",
              "궁금하신 점은 [[V]] 로 문의 주세요", "문의는 [[V]] 로 부탁드립니다", "연락 주실 번호는 [[V]] 입니다",
              "문의 주실 분은 [[V]] 로 문자 주세요", "답장은 [[V]] 로 주세요", "통화는 [[V]] 로 가능해요",
              "다른 번호 [[V]] 로도 연락 가능합니다"),
    "bank_account": ("[[V]] 으로 입금 부탁드립니다", "[[V]] 로 보내주세요", "입금은 [[V]] 로 해주세요",
                     "[[V]] 로 송금해 주시면 됩니다", "[[V]] 으로 이체해 주세요", "돈은 [[V]] 에 넣어주세요",
                     "[[V]] 로 입금 바랍니다", "환불은 [[V]] 로 받을게요", "[[V]] 에 입금하시면 돼요",
                     "이체는 [[V]] 로 부탁해요", "[[V]] 여기로 보내주시면 됩니다", "[[V]] 로 납부해 주시기 바랍니다"),
}
SENTENCE_FRAMES["driver_license"] = (
    "운전자는 면허증을 보여줬는데 [[V]] 였습니다", "면허증을 확인해보니 [[V]] 입니다", "기사님이 면허증 보여주셨는데 [[V]] 이었어요",
    "면허증을 제시했는데 번호가 [[V]] 네요", "면허증 사진 보내드렸는데 [[V]] 맞죠?", "면허증 확인했는데요 [[V]] 로 나옵니다",
    "운전면허증을 보여주셨고 [[V]] 로 확인됨", "면허 번호 불러드리면 [[V]] 이에요", "면허증 보니까 [[V]] 라고 적혀 있어요",
    "가해 차량 운전자 면허증을 봤는데 [[V]] 였어요")
SENTENCE_SHARE = {"phone": 0.15, "bank_account": 0.15, "driver_license": 0.15}
CUE_SITUATION = {"birth_date": "age_or_sex", "driver_license": "licence_class",
                 "bank_account": "bank_name"}
CUE_SHARE = {"birth_date": 0.5, "driver_license": 0.3, "bank_account": 0.3}
LICENSE_CLASSES = ("1종보통", "2종보통", "1종 보통", "1종대형", "2종소형", "2종 보통", "1종특수", "원동기",
                   "2종 소형", "1종 대형")
BANKS = ("신한", "국민", "우리", "하나", "농협", "기업", "카카오뱅크", "토스뱅크", "우체국", "새마을금고",
         "케이뱅크", "SC제일", "NH농협", "KB국민", "IBK기업", "수협", "부산", "대구")
BANKS_EN = ("Shinhan", "Woori", "Kookmin", "KB Kookmin", "Hana", "Nonghyup", "NH", "IBK", "KakaoBank",
            "Kakao", "Toss", "Kbank", "Citi", "Suhyup", "Saemaul")
SEXES = ("남", "여", "남자", "여자", "남성", "여성")

# Sentences that carry one labelled value: {L} label, {P} punctuation, [[V]] the value.
FRAMES = {
    "chat": ("{L}{P}[[V]] 입니다", "네 {L}{P}[[V]]", "{L}{P}[[V]] 이에요", "{L}는 [[V]] 요",
             "확인 부탁드려요. {L}{P}[[V]]", "제 {L}{P}[[V]] 맞아요", "{L}{P}[[V]] 로 해주세요",
             "{L}{P}[[V]]", "아 {L}요? [[V]] 입니다"),
    "email": ("{L}{P}[[V]]", "- {L}{P}[[V]]", "{L}{P}[[V]] (본인)", "* {L}{P}[[V]]",
              "아래 정보로 처리 부탁드립니다. {L}{P}[[V]]", "{L}{P}[[V]] 입니다."),
    "call_note": ("고객 {L}{P}[[V]] 확인", "{L}{P}[[V]] 재확인함", "{L}{P}[[V]] (고객 구두)",
                  "{L} 불러줌: [[V]]", "{L}{P}[[V]] 변경 요청"),
    "form": ("{L}{P}[[V]]", "{L} *{P}[[V]]", "[{L}] [[V]]", "{L} (필수){P}[[V]]", "{L} |[[V]]"),
    "sms": ("[{L}] [[V]]", "{L}{P}[[V]] 로 보내주세요", "{L} [[V]] 입니다~", "{L}{P}[[V]]!!"),
    # A team's messenger export: short lines, several speakers (the speaker and time are the
    # document's, see _Builder.document).
    "team_chat": ("{L} [[V]]", "{L}{P}[[V]] 요", "고객 {L} [[V]] 입니다", "{L} [[V]] 로 전달드려요",
                  "{L}? [[V]]", "ㅇㅇ {L}{P}[[V]]", "{L} 바뀜 [[V]]", "{L} 이걸로 [[V]]",
                  "방금 받은 {L} [[V]]", "{L}은 [[V]] 입니다", "확인했어요 {L} [[V]]", "{L} 공유 [[V]]"),
    # The OCR of an identity card or a passport's photo page: fields with their labels, or
    # the label on the line above as the card prints it.
    "id_copy": ("{L}{P}[[V]]", "{L}\n[[V]]", "{L} [[V]]", "{L}/[[V]]", "{L} | [[V]]", "{L}:[[V]]",
                "{L}  [[V]]", "{L} ( [[V]] )"),
    # Bank and card alerts by text message.
    "bank_sms": ("[Web발신]\n{L} [[V]] 입금 {amount}원", "{L} [[V]] 출금 {amount}원 잔액 {amount}원",
                 "{L}{P}[[V]] {mmdd} {hhmm} 승인 {amount}원", "[{bank}] {L} [[V]] 자동이체 {amount}원",
                 "{L} [[V]] 으로 {amount}원 입금해주세요", "[알림] {L} [[V]] 이체완료",
                 "{L}{P}[[V]] 결제 {amount}원 일시불", "{L} [[V]] 해외승인 {amount}원"),
    # Parcel labels: the sender's and recipient's blocks.
    "parcel_label": ("받는분 {name} {L} [[V]]", "보내는분 {name} / {L} [[V]]", "{L}{P}[[V]]",
                     "수령인: {name} ({L} [[V]])", "[받는 분] {L}{P}[[V]]", "{name} 님 {L} [[V]]",
                     "보내는 사람 {name} {L}{P}[[V]]", "수취인 {L} [[V]]"),
    # The OCR of a receipt.
    "receipt": ("{L}{P}[[V]]", "{L}  [[V]]", "{L} : [[V]]", "[{L}] [[V]]", "{L}[[V]]", "* {L}: [[V]]"),
    # An apartment management office's notice: the fee account, a roster of households (동호수)
    # with their phones, the office's own lines as look-alikes.
    "apartment_notice": ("{unit} {name} {L} [[V]]", "관리비 {L}{P}[[V]]", "{L}{P}[[V]] (관리사무소)",
                         "{unit} 세대주 {name} / {L} [[V]]", "- {L}{P}[[V]]", "{unit} {L}{P}[[V]]",
                         "※ {L}{P}[[V]] 예금주 {apt}", "{unit} {name} ({L} [[V]])", "▶ {L}: [[V]]",
                         "{unit}호 {L} [[V]] 변경", "{L} [[V]] ({unit})", "입주자대표 {name} {L} [[V]]"),
    # A second-hand marketplace post: the seller's contact written to dodge the site's filters.
    "marketplace": ("{L} [[V]] 문자주세요", "직거래 원해요 {L}{P}[[V]]", "{L}{P}[[V]] (전화X 문자O)",
                    "네고X {L} [[V]]", "택포 {amount}원 {L} [[V]]", "{L} [[V]] 로 연락주세요~",
                    "급처합니다 {L} [[V]]", "{L}{P}[[V]] 카톡 가능", "{L} [[V]] 입금 후 발송",
                    "{gu} 직거래 {L} [[V]]", "{L}{P}[[V]] 편하게 연락 주세요", "상태 S급 {L} [[V]]"),
    # The OCR of a business card: short lettered lines (T. F. M. E.), English or Korean.
    "business_card": ("{L}{P}[[V]]", "{L} [[V]]", "{L}.[[V]]", "{L}  [[V]]", "{L} / [[V]]",
                      "{title} {name}  {L} [[V]]", "{L}:[[V]]", "{L} | [[V]]"),
    # An e-mail signature: name, title, company, then the lines, often joined by | or /.
    "email_signature": ("{name} {title} | {company} | {L} [[V]]", "{L}{P}[[V]]", "{L} [[V]] | {company}",
                        "{company} {title} {name} / {L} [[V]]", "{L}. [[V]]", "{L} : [[V]]",
                        "{name} / {L} [[V]]", "{L}) [[V]]", "[{L}] [[V]]", "{L} - [[V]]"),
    # Web server access logs, form posts and links: the value percent-encoded under its query key.
    "access_log": ('{ip} - - [09/Dec/2026:{hhmm}:07 +0900] "GET /member/find?{L}=[[V]]&page=1 HTTP/1.1" 200 {n}',
                   "POST /api/v1/signup body={L}=[[V]]&agree=Y", "https://shop.example.co.kr/join?{L}=[[V]]&ref=main",
                   '{ip} "POST /order/complete?{L}=[[V]] HTTP/1.1" 302 0', "[INFO] request uri=/user?{L}=[[V]]",
                   "referer: https://m.example.kr/mypage?tab=info&{L}=[[V]]", "GET /search?{L}=[[V]]&sort=desc",
                   "{hhmm} WARN query string: {L}=[[V]]&retry=1", "callback?{L}=[[V]]&state=ok",
                   "form-data: {L}=[[V]]", "/event/apply.do?{L}=[[V]]&seq={n}",
                   '"GET /api/otp/send?{L}=[[V]] HTTP/2" 200', "utm_source=naver&{L}=[[V]]",
                   "[DEBUG] params {L}=[[V]]&lang=ko"),
    # Passenger lists, e-tickets and visa or stay forms: dates of birth as airlines write them.
    # Headers of forwarded mail, mailing-list digests and letterheads: the sender's address with
    # the at-mark written as a word, or a dot read as a comma by a fax's OCR.
    "mail_header": ("{L}: {name} <[[V]]>", "{L}: [[V]]", "{L} [[V]]", "{L}: \"{name}\" <[[V]]>",
                    "{L}: [[V]] ({name})", "{L} : [[V]]", "> {L}: [[V]]", "{L}:\t[[V]]", "- {L}: [[V]]",
                    "{name} ({L} [[V]])", "{L}  [[V]]", "[{L}] [[V]]"),
    # A carrier's subscription and activation papers: the line's number is the subscriber's
    # phone, often partly masked.
    "mobile_contract": ("{L}{P}[[V]]", "{L} [[V]] ({carrier})", "{L}: [[V]] 명의자 {name}", "[{carrier}] {L} [[V]]",
                        "{L} [[V]] 개통 완료", "고객님의 {L} [[V]] 로 안내드립니다", "{L}{P}[[V]] / 요금제 {plan}",
                        "{L} | [[V]]", "▶ {L}: [[V]]", "{name} 고객님 {L} [[V]]"),
    # A foreign worker's or student's papers: the registration number beside the stay status.
    "stay_permit": ("{L}{P}[[V]] 체류자격 {visa}", "{L}: [[V]] / 체류자격: {visa}", "{L} [[V]] (체류자격 {visa})",
                    "성명 {rname} {L} [[V]] 국적 {nation}", "{L}{P}[[V]]\n체류자격 {visa}", "체류자격 {visa} {L} [[V]]",
                    "{L} [[V]] 체류기간 ~{date}", "근로자 {rname} / {L} [[V]] / {visa}", "{L}{P}[[V]]"),
    "travel": ("{L}{P}[[V]]", "{L}/[[V]]", "1. {pax} MR  {L} [[V]]  KOR", "{pax} MS {L}: [[V]]",
               "NAME {pax}  SEX M  {L} [[V]]", "승객 {pax} / {L} [[V]]", "{L}: [[V]]  NATIONALITY: KOR",
               "{pax}  F  {L}/[[V]]", "{L} ([[V]])", "탑승객 {name} {L} [[V]]", "{L}  [[V]]  성별 {sex}",
               "PAX 2 {pax} {L} [[V]]", "{L} - [[V]]", "동반자 {name} ({L} [[V]])"),
    # Notices and forms of schools, hospitals, offices and shops: their own lines and accounts
    # are look-alikes (see NEG_PHRASES), the people named in them keep theirs.
    "institution_notice": ("담당자 {name} {L} [[V]]", "보호자 {name} {L}{P}[[V]]", "{org} 담당 {name} 선생님 {L} [[V]]",
                           "신청인 {name} / {L} [[V]]", "{org} {name} {title} {L} [[V]]", "학부모 {L}{P}[[V]]",
                           "{name} 님 {L}{P}[[V]]", "환자 {name} {L} [[V]]", "{L}{P}[[V]] (예금주 {name})",
                           "{org} 행사 문의는 담당자 {name} {L} [[V]]", "접수자 {name} {L}{P}[[V]]",
                           "{L} [[V]] 예금주 {name} 본인", "의뢰인 {name} {L} [[V]]", "원아 보호자 {L} [[V]]"),
}
# organisation_papers draws from a stream of its own (_Builder.papers), so that the other
# genres' documents stay as they were.
PAPER_GENRE = "organisation_papers"
PAPER_SHARE = 0.08  # of the documents
# A study cafe's, a library's or a PC bang's sign-up sheet and kiosk log (_Builder.member_log):
# members, customers, bookings and cash receipts keyed by the member's own mobile.
MEMBER_LOG_FRAMES = ("좌석 {seat} {L} [[V]] {pass}", "{hhmm} 입실 {L} [[V]]", "[{hhmm}] seat={seat} {L}=[[V]] {pass}",
                     "{L} [[V]] {pass} 결제 {amount}원", "{name} {L} [[V]] 퇴실 {hhmm}", "{L}: [[V]] / 좌석 {seat}",
                     "{hhmm} {L}=[[V]] seat={seat} amt={amount}", "열람실 {seat}번 {L} [[V]]", "{L} [[V]] 연장 1시간",
                     "PC {seat}번 {L} [[V]] 로그인", "{name} {L} [[V]] {pass}", "{L} [[V]] 현금 {amount}원",
                     "스터디룸 {room} {L} [[V]] {hhmm}~", "#{n} {L} [[V]] 포인트 적립", "{L} [[V]] 발행 {amount}원",
                     "{hhmm}|{seat}|{L}:[[V]]|{pass}", "[입실] {seat}번석 {L} [[V]]", "{L} [[V]] 대출 {n}권")
MEMBER_LOG_LABELS = ("회원", "고객", "회원 ID", "member", "user_id", "cashrcpt_id", "현금영수증", "아이디",
                     "예약자", "이용자", "회원번호", "고객번호", "mem_id", "customer", "현금영수증 번호", "예약",
                     "login_id", "userid", "고객ID", "회원 아이디", "cust_id", "로그인 ID", "현금영수증(소득공제)",
                     "member_no", "예약 고객", "user")
MEMBER_LOG_PASSES = ("2시간권", "4시간권", "종일권", "50시간 정기권", "1일권", "자유석 4주", "지정석 2주", "야간권")
MEMBER_LOG_WRITINGS = (("plain", 2), ("compact", 2), ("masked_partly", 1))
MEMBER_LOG_FILLERS = ("[키오스크 로그]", "스터디카페 {gu}점 회원 명단", "PC방 이용 기록", "도서관 회원 가입 대장",
                      "=== 입퇴실 기록 ===", "일 매출 합계 {amount}원", "이용권 구매 내역", "사물함 {n}번 배정",
                      "냉난방 점검 완료", "좌석 배치도 갱신")
MEMBER_LOG_GENRE = "member_log"
ROWS_GENRE = "pasted_rows"  # rows under an order said in words (ROWS_FIELDS)
MEMBER_LOG_SHARE = 0.06  # of the documents, from a stream of its own too
# A gym's, a club's, an academy's or a library's members (_Builder.member_roster): attendance and
# locker logs, rosters pasted as a table and membership cards. Each value is a member's own mobile
# (<<V>>), written beside the numbers the club issues: member numbers (<<mno>>), lockers and seats
# (<<spot>>), membership cards (<<card>>) and receipts (<<rcpt>>), all look-alikes.
ROSTER_LINES = ("[입장] 회원 {name} <<V>>", "{hhmm} 입장 회원 {name} <<V>> 사물함 <<spot>>", "회원 <<V>> 출석 {hhmm}",
                "회원번호 <<mno>> / 연락처 <<V>>", "member <<mno>> phone <<V>>", "회원ID <<mno>> 휴대폰 <<V>>",
                "{date} {hhmm} 출석 | {name} | 회원번호 <<mno>> | <<V>>", "사물함 <<spot>>번 배정 - 회원 {name} (<<V>>)",
                "좌석 <<spot>> 회원번호 <<mno>> HP <<V>>", "[퇴장] {hhmm} 회원 <<V>> 이용시간 {n}시간",
                "락커 <<spot>> / 회원 <<mno>> / {name} / <<V>>", "{name} 회원님 <<V>> 재등록 (영수증 <<rcpt>>)",
                "member_no=<<mno>> tel=<<V>> locker=<<spot>>", "MEMBER <<mno>> {name} <<V>> CHECK-IN {hhmm}",
                "출석체크 {name} <<V>> 회원증 <<card>>", "회원 {name} / 휴대폰 <<V>> / 회원카드 <<card>>",
                "{hhmm} 회원번호 <<mno>> 입장 (<<V>>)", "신규 회원 {name} <<V>> 결제 {amount}원 승인번호 <<rcpt>>",
                "[{hhmm}] 출입 회원 <<mno>> {name} 연락처 <<V>>", "Member ID <<mno>> / Mobile <<V>> / Locker <<spot>>",
                "{name} (회원 <<mno>>) 연락처: <<V>>", "회원 {name} 휴대폰번호 <<V>> 회원번호 <<mno>>",
                "<<V>> {name} 회원 출석", "좌석 <<spot>> | 회원 <<V>> | {pass}", "회원증 발급 <<card>> / {name} / <<V>>",
                "GX 예약 {name} 회원 <<V>> 예약번호 <<rcpt>>", "회원 <<mno>>번 {name} 핸드폰 <<V>> 만료 {date}",
                "{hhmm} 출석 회원 <<V>> (좌석 <<spot>>)", "회원 <<V>> PT {n}회 남음", "[출석] {name} 회원 <<V>> {hhmm}",
                "uid=<<mno>> hp=<<V>> in={hhmm}", "회원 {name} <<V>> 락카 <<spot>> 연장 {pass}")
# Lines of the same logs with no mobile on them.
ROSTER_NEG_LINES = ("회원번호 <<mno>> 재발급", "사물함 <<spot>> 반납 처리", "멤버십 카드 <<card>> 분실 신고",
                    "승인번호 <<rcpt>> {amount}원", "회원 <<mno>> 휴면 전환", "좌석 <<spot>> 고장 신고",
                    "영수증번호 <<rcpt>> 환불 {amount}원", "회원카드 <<card>> 재발급 신청", "member <<mno>> expired",
                    "락커 <<spot>> 비밀번호 초기화", "거래번호 <<rcpt>> 취소", "회원 <<mno>>번 {pass} 연장",
                    "회원증 <<card>> 정지", "좌석 <<spot>>번 청소 완료", "주문번호 <<rcpt>> 락커 이용료",
                    "카드 승인 <<rcpt>> {pass} {amount}원", "결제번호 <<rcpt>> 일시불", "현금영수증 승인 <<rcpt>>",
                    "receipt <<rcpt>> paid {amount}", "매출전표 <<rcpt>> 회원권 {amount}원", "환불 승인번호 <<rcpt>>")
# A roster pasted as a table: the words of each column (phone the member's mobile, no a row's
# number, name a name, date a date of the club's).
ROSTER_COLUMNS = {
    "no": ("No", "번호", "순번", "#", "No."),
    "mno": ("회원번호", "회원No", "회원 ID", "Member No", "회원코드", "member_id", "회원 번호", "ID"),
    "name": ("성명", "이름", "회원명", "Name", "회원 이름"),
    "phone": ("연락처", "휴대폰", "HP", "핸드폰", "전화번호", "Mobile", "휴대전화", "Phone", "H.P", "휴대폰번호"),
    "spot": ("사물함", "락커", "좌석", "Locker", "사물함 번호", "락카"),
    "card": ("회원카드", "멤버십카드", "멤버십 번호", "Membership No", "회원증", "회원카드 번호", "포인트카드"),
    "date": ("등록일", "만료일", "최근 출석", "시작일", "결제일", "Expiry"),
}
ROSTER_DELIMITERS = ("\t", " | ", ",", "  ")  # drawn in both parts: shapes, not wordings
# A membership card as its text reads: a field a line, {F} the field's words.
ROSTER_CARD_FIELDS = {
    "name": ("회원명: {name}", "성명 {name}", "Name: {name}", "이름 : {name}", "회원 {name}"),
    "mno": ("회원번호: <<mno>>", "No. <<mno>>", "회원 No <<mno>>", "MEMBER NO <<mno>>", "회원번호 <<mno>>"),
    "card": ("멤버십카드: <<card>>", "MEMBERSHIP <<card>>", "멤버십 번호 <<card>>", "회원증 No. <<card>>", "회원카드번호 <<card>>",
             "포인트카드 <<card>>"),
    "phone": ("휴대폰: <<V>>", "HP <<V>>", "연락처 <<V>>", "Mobile: <<V>>", "핸드폰 : <<V>>", "Tel <<V>>"),
    "date": ("유효기간: {date}", "가입일 {date}", "만료 {date}", "VALID THRU {date}", "발급일 {date}"),
}
ROSTER_CLUBS = ("{gu} 스포츠센터", "파워짐 {gu}점", "한빛 수영장", "푸른 필라테스", "드림 태권도", "새봄 도서관",
                "{gu} 구민체육센터", "청춘 배드민턴클럽", "바른 골프아카데미", "하늘 요가원", "{gu} 클라이밍짐", "온누리 테니스장")
ROSTER_FILLERS = ("{club} 회원 명단", "=== 12월 출석부 ===", "{club} 출입 기록", "회원 관리 대장 ({club})",
                  "락커 배정표", "오늘 출석 {n}명", "신규 등록 회원", "[{club}] 회원 현황", "만료 예정 회원 목록",
                  "PT 예약 현황", "{club} 멤버십 카드", "재등록 안내 발송 대상")
ROSTER_WRITINGS = (("plain", 3), ("compact", 2), ("masked_partly", 1.5), ("dotted", 0.5))
ROSTER_GENRE = "member_roster"
ROSTER_SHARE = 0.06  # of the documents, from a stream of its own
# Look-alikes of member_roster: the markers of its lines and their categories.
ROSTER_LOOK_ALIKES = {"mno": "roster_member_number", "spot": "locker_or_seat", "card": "membership_card",
                      "rcpt": "roster_receipt_number"}
# Forms that carry numbers of other registries beside a person's own values (_Builder.forms):
# overseas remittance applications (IBANs, SWIFT codes, the remittance's reference number),
# insurance papers (the agent's registration number), withholding receipts (the payer
# company's corporate registration number), statements of transactions (products' barcodes),
# payment gateways' bug reports (transaction numbers), passport rosters (expiry dates) and
# long-term care papers (the care recognition number). A line is a template whose markers stand
# for a value <<V:kind>> (the line stands for its label) or a look-alike <<category>>
# (FORM_LOOK_ALIKES).
FORM_LINES = {
    "remittance": (
        "수취은행 Bank: {bank_abroad}", "Beneficiary Bank: {bank_abroad}", "은행명(Bank Name): {bank_abroad}",
        "SWIFT/BIC: {swift}", "SWIFT Code: {swift}", "BIC {swift}", "은행코드(SWIFT) {swift}",
        "IBAN: <<iban>>", "수취계좌(IBAN) <<iban>>", "Beneficiary Account (IBAN): <<iban>>", "IBAN No. <<iban>>",
        "계좌번호/IBAN: <<iban>>", "받는 분 계좌 IBAN <<iban>>",
        "참조번호 Ref. No.: <<remit_ref>>", "송금참조번호 <<remit_ref>>", "Ref No: <<remit_ref>>",
        "Reference: <<remit_ref>>", "접수번호(Ref.) <<remit_ref>>", "해외송금 참조번호: <<remit_ref>>",
        "Our Ref. <<remit_ref>>", "거래참조번호 <<remit_ref>> (계좌 확인용)",
        "송금인 연락처 <<V:phone>>", "신청인 휴대폰: <<V:phone>>", "Remitter Tel. <<V:phone>>",
        "출금계좌 <<V:bank_account>>", "송금인 원화계좌: <<V:bank_account>>", "인출 계좌번호 <<V:bank_account>>",
        "신청인 이메일 <<V:email>>", "Remitter E-mail: <<V:email>>",
    ),
    "insurance": (
        "담당 설계사 {name} (등록번호 <<agent_no>>)", "모집인 {name} 등록번호 <<agent_no>>",
        "보험설계사 등록번호: <<agent_no>>", "모집종사자 {name} / 등록번호 <<agent_no>>",
        "설계사 {name} 설계사등록번호 <<agent_no>>", "중개사 등록번호 <<agent_no>>",
        "보험대리점 등록번호: <<agent_no>>", "담당 FC {name}, 모집인 등록번호 <<agent_no>>",
        "계약자 연락처 <<V:phone>>", "피보험자 휴대폰: <<V:phone>>", "계약자 {name} 주민등록번호 <<V:resident>>",
        "피보험자 주민번호: <<V:resident>>", "보험금 수령계좌 <<V:bank_account>>", "계약자 이메일 <<V:email>>",
    ),
    "care": (
        "장기요양인정번호: <<care_no>>", "인정번호 <<care_no>> (장기요양 {n}등급)", "장기요양 인정번호 <<care_no>>",
        "수급자 인정번호: <<care_no>>", "요양인정번호 <<care_no>>", "장기요양인정관리번호 <<care_no>>",
        "보호자 연락처 <<V:phone>>", "보호자 {name} 휴대폰 <<V:phone>>", "수급자 주민등록번호 <<V:resident>>",
        "본인부담금 환불계좌 <<V:bank_account>>", "수급자 {name} 연락처: <<V:phone>>",
    ),
    "payments": (
        "PG 응답코드 <<pg_tid>> 결제 실패, 카드 승인 거절", "tid=<<pg_tid>> status=FAILED card_type=CREDIT",
        "거래번호 <<pg_tid>> 카드 결제 취소 요청", "\"tid\": \"<<pg_tid>>\", \"method\": \"card\"",
        "PG사 거래번호 <<pg_tid>> 로 카드사에 문의해주세요", "approval <<pg_tid>> declined by card issuer",
        "결제 TID <<pg_tid>> 카드 매입 누락", "pg_tid: <<pg_tid>> (카드 승인 취소 건)", "PG거래번호 <<pg_tid>> 신용카드 결제",
        "transaction_id=<<pg_tid>> payment=card result=ERROR", "가맹점 거래번호 <<pg_tid>> 카드 부분취소",
        "결제 실패 로그 응답 <<pg_tid>> 카드 한도초과", "PG 결제 응답 <<pg_tid>> (카드 잔액 부족)",
        "응답코드: <<pg_tid>> / 카드사 점검 시간", "TID <<pg_tid>> 카드 승인 후 망취소 안 됨",
        "고객 연락처 <<V:phone>> 로 안내 부탁드립니다", "고객 이메일: <<V:email>>", "주문자 휴대폰 <<V:phone>>",
        "buyer_email=<<V:email>>", "구매자 연락처: <<V:phone>>",
    ),
}
REGISTRY_TITLES = {
    "remittance": ("해외송금 신청서", "[외화송금 신청 내역]", "Overseas Remittance Application", "해외송금 접수 확인",
                   "해외 송금 요청드립니다", "Outward Remittance"),
    "insurance": ("보험계약 청약서", "[보험 가입 안내]", "보험금 청구서", "계약 변경 신청서", "청약 확인서"),
    "care": ("장기요양급여 이용 계약서", "방문요양 서비스 신청서", "[요양원 입소 안내]", "장기요양 급여비용 명세서",
             "주야간보호 이용 신청"),
    "payments": ("[버그 리포트] 결제 실패 건", "결제 오류 문의드립니다", "PG 연동 이슈 공유", "[장애] 카드 결제 승인 오류",
                 "CS 이관: 결제 취소 요청", "API 응답 로그 첨부합니다"),
    "withholding": ("사업소득 원천징수영수증", "[원천징수영수증(지급명세서)]", "기타소득 원천징수영수증",
                    "거주자의 사업소득 원천징수영수증", "이자·배당소득 원천징수영수증"),
    "statement": ("거래명세서", "[거래명세표]", "납품 거래명세서", "거래명세서 (공급받는자 보관용)", "물품 납품 내역"),
    "passports": ("단체 여행객 여권 명단", "[출국자 명단]", "Passenger Manifest", "해외연수 참가자 여권 정보",
                  "비자 신청자 명단"),
}
# A withholding receipt's payer block: the company's name, representative and registration, and
# its corporate number under the form's own label (주민등록번호 for a person, 법인등록번호 for a
# company); then the payee, a person.
FORM_PAYER_LINES = ("법인명(상호): {company}", "상호 {company}  대표자(성명) {name}", "① 법인명 {company}  ② 대표자 {name}",
                    "징수의무자 {company}", "지급자 {company} (대표 {name})")
FORM_PAYER_BUSINESS = ("사업자등록번호: <<V:business_registration>>", "③ 사업자등록번호 <<V:business_registration>>",
                       "사업자번호 <<V:business_registration>>", "등록번호 <<V:business_registration>>")
FORM_CORPORATE = ("④ 주민등록번호 (법인등록번호) <<corporate_no>>", "주민(법인)등록번호: <<corporate_no>>",
                  "법인등록번호 <<corporate_no>>", "주민등록번호(법인등록번호) <<corporate_no>>",
                  "법인(주민)등록번호 <<corporate_no>>", "⑤ 법인등록번호: <<corporate_no>>")
FORM_PAYEE = ("소득자 성명 {name}  주민등록번호 <<V:resident>>", "⑥ 성명 {name} ⑦ 주민등록번호 <<V:resident>>",
              "소득자 주민번호: <<V:resident>>", "받는 사람 {name} 주민등록번호 <<V:resident>>")
# A statement of transactions: its supplier's block, then its item table.
FORM_SUPPLIER = ("공급자 등록번호 <<V:business_registration>>", "공급자 사업자번호: <<V:business_registration>>",
                 "담당자 {name} <<V:phone>>", "담당 {name} 휴대폰 <<V:phone>>", "공급받는자 {company}",
                 "납품 담당: {name} (<<V:phone>>)")
FORM_ITEM_HEADERS = (("품목코드", "품명", "수량", "단가", "금액"), ("바코드", "상품명", "수량", "단가", "공급가액"),
                     ("상품코드", "품목", "수량", "단가", "합계"), ("EAN", "품명", "Qty", "단가", "금액"),
                     ("코드", "품명/규격", "수량", "단가", "금액"), ("바코드번호", "품목명", "수량", "단가", "금액"))
FORM_ITEMS = ("생수 2L", "컵라면", "우유 900ml", "휴지 30롤", "세제 3kg", "커피믹스 100T", "쌀 10kg", "식용유 1.8L",
              "A4 용지", "볼펜 12입", "마스크 50매", "물티슈")
# A passport roster: the travellers' birth dates and numbers (values) and their passports' expiry
# and issue dates (look-alikes) as columns, dates written alike.
FORM_ROSTER_COLUMNS = {
    "name": ("성명", "Name", "영문성명", "이름"),
    "birth": ("생년월일", "Date of Birth", "DOB", "생일", "Birth"),
    "passport": ("여권번호", "Passport No.", "여권 번호", "PP No."),
    "expiry": ("여권만료일", "Expiry", "만료일", "Date of Expiry", "유효기간", "여권 만료일자"),
    "issue": ("발급일", "Date of Issue", "여권발급일", "Issued"),
}
FORM_ROSTER_DELIMITERS = (" | ", "\t", ",", "  ")  # drawn in both parts: shapes, not wordings
FORM_DATE_STYLES = ("{d:02d} {MON} {y}", "{y}-{m:02d}-{d:02d}", "{y}.{m:02d}.{d:02d}", "{d:02d}/{m:02d}/{y}")
FORM_BANKS_ABROAD = ("Commerzbank AG", "Barclays Bank PLC", "HSBC UK", "Deutsche Bank AG", "BNP Paribas",
                     "ING Bank N.V.", "Banco Santander", "UniCredit S.p.A.")
FORM_SWIFTS = ("COBADEFFXXX", "BARCGB22", "MIDLGB22", "DEUTDEFF", "BNPAFRPP", "INGBNL2A", "BSCHESMM", "UNCRITMM")
FORM_KINDS = ("remittance", "insurance", "care", "payments", "withholding", "statement", "passports")
FORM_GENRE = "registry_forms"
FORM_WRITING = "form_field"  # a value as a form prints it: hyphens, or a date in the roster's style
FORM_SHARE = 0.06  # of the documents, from a stream of its own
# Look-alikes of registry_forms: the markers of its lines and their categories.
FORM_LOOK_ALIKES = {"remit_ref": "remittance_reference", "agent_no": "agent_registration_number",
                    "care_no": "care_recognition_number", "pg_tid": "gateway_transaction_number",
                    "corporate_no": "corporate_registration_number", "barcode": "product_barcode",
                    "expiry": "passport_expiry_date", "iban": "iban"}
# A phone's feed of a bank's deposit and withdrawal alerts (SMS, 알림톡, app pushes) and a card
# company's approval alerts (_Builder.bank_alerts): the holder's account, whole or partly
# masked, between an amount, a name masked in the middle and the balance.
BANK_ALERT_FRAMES = ("[{btag}] {mmdd} {hhmm} 입금 {amount}원 {mname} [[V]] 잔액 {amount}원",
                     "[{btag}] 출금 {amount}원 [[V]] 잔액 {amount}원", "[{btag}] {mmdd} {hhmm} 입금 {amount}원 계좌 [[V]] {mname}",
                     "{btag} [[V]] {mmdd} {hhmm} 입금 {amount}원 {mname} 잔액 {amount}원",
                     "[Web발신]\n[{btag}]{mname}님 [[V]] 입금 {amount}원 잔액 {amount}원",
                     "{btag} 입출금알림 {mmdd} {hhmm} [[V]] 출금 {amount}원 잔액{amount}원",
                     "[{btag}] {mname} {mmdd} {hhmm} [[V]] 입금 {amount} 잔액 {amount}",
                     "{btag} {mmdd} {hhmm} 출금 {amount}원 {payee} [[V]] 잔액 {amount}원",
                     "[{btag}] 자동이체 출금 {amount}원 [[V]] 잔액 {amount}원 ({payee})",
                     "{btag} {mmdd} {hhmm} [[V]] 급여입금 {amount}원 잔액 {amount}원",
                     "[{btag}] {mmdd} {hhmm}\n[[V]]\n입금 {amount}원\n{mname}\n잔액 {amount}원",
                     "[{btag}] 출금 {amount}원 {mmdd} {hhmm} [[V]] 잔액 {amount}원 {payee}",
                     "{btag} 입금 {amount}원 ({mname}) 계좌 [[V]] 잔액 {amount}원",
                     "[{btag}]{mmdd} {hhmm} [[V]] 타행입금 {amount}원 {mname}",
                     "[{btag}] {mname}님 계좌([[V]])에 {amount}원이 입금되었습니다.",
                     "[{btag}] [[V]] 출금 {amount}원 잔액 {amount}원 {mmdd} {hhmm}",
                     "[{btag}] ATM출금 {amount}원 [[V]] 잔액 {amount}원 {mmdd}",
                     "{btag}알림 {mname} {amount}원 입금 [[V]] 잔액 {amount}원",
                     "[{btag}] {mmdd} {hhmm} 체크카드출금 {amount}원 {payee} [[V]] 잔액 {amount}원",
                     "[{btag}] 입금 {amount}원 {mname} -> [[V]] 잔액 {amount}원")
BANK_ALERT_TAGS = ("KB", "KB국민", "신한", "우리", "하나", "NH농협", "IBK", "카카오뱅크", "토스뱅크", "새마을금고",
                   "우체국", "SC제일", "농협", "국민은행", "신한은행", "우리은행", "하나은행", "케이뱅크")
BANK_ALERT_PAYEES = ("스타벅스", "GS25", "쿠팡", "관리비", "통신요금", "카드대금", "보험료", "배달의민족", "이마트",
                     "올리브영", "교통카드", "도시가스")
BANK_ALERT_FILLERS = ("[Web발신]", "입출금 알림 서비스 안내", "{btag} 알림톡", "오늘 받은 알림", "--- {mmdd} ---",
                      "알림 설정 변경은 앱에서", "(광고) {btag} 적금 특판 안내", "이번 달 카드 이용 {amount}원")
BANK_ALERT_CARDS = ("현대카드", "신한카드", "KB국민카드", "삼성카드", "롯데카드", "하나카드", "우리카드", "BC카드",
                    "NH카드", "씨티카드")
BANK_ALERT_GENRE = "bank_alerts"
BANK_ALERT_SHARE = 0.05  # of the documents, from a stream of its own too
FRAMED_GENRES = tuple(FRAMES)
OFFICE_GENRE = "office_letters"  # letters, notices and forms with offices' own numbers (OFFICE_LETTERS)
SHEET_GENRE = "sheet_exports"  # spreadsheets exported as text (SHEET_* pools)
GENRES = FRAMED_GENRES + (PAPER_GENRE, MEMBER_LOG_GENRE, ROWS_GENRE, BANK_ALERT_GENRE, OFFICE_GENRE, SHEET_GENRE,
                          "ocr_scans", ROSTER_GENRE, "copied_records", FORM_GENRE, "closing_lines", LEDGER_GENRE,
                          WORKERS_GENRE, FILING_GENRE, "announced_replies", SERIAL_GENRE, NO_PERSON_GENRE,
                          RECEIPT_GENRE, CHAT_RECORD_GENRE, BIRTH_NAME_GENRE, HALF_MASK_GENRE, ORG_NUMBER_GENRE,
                          MISREAD_SCAN_GENRE, CONTACT_GENRE, APART_GENRE, ROSTER_COLUMN_GENRE,
                          HELD_NUMBER_GENRE, ORG_ACCOUNT_GENRE, MACHINE_KEY_GENRE, CHAT_REQUEST_GENRE,
                          PLACE_PROSE_GENRE, LABELLED_SCAN_GENRE, OFFERING_LINE_GENRE, SENDER_GENRE,
                          ORGANISER_GENRE, LICENCE_LABEL_GENRE, MAIN_LINE_GENRE,
                          GIFT_GENRE, FEE_GENRE)
FILLERS = {
    "chat": ("안녕하세요 문의드립니다", "잠시만요", "네 알겠습니다", "감사합니다~", "확인해볼게요",
             "처리되면 알려주세요", "혹시 오늘 가능할까요?", "어제 접수했는데요"),
    "email": ("안녕하세요, {name}입니다.", "요청하신 서류 보내드립니다.", "감사합니다.",
              "첨부 파일 확인 부탁드립니다.", "-----Original Message-----", "회신 부탁드립니다."),
    "call_note": ("통화 종료", "본인 확인 완료", "재통화 예정", "상담 내용 요약", "{product} 환불 문의"),
    "form": ("■ 신청인 정보", "■ 제출 서류", "성명: {name}", "신청일: 오늘", "※ 필수 항목"),
    "sms": ("[{courier}] 배송 안내", "문의는 답장 주세요", "오늘 도착 예정", "[Web발신]"),
    "team_chat": ("넵", "ㅇㅋ", "확인했습니다", "오늘 회의 몇 시죠?", "사진 보냈어요", "수고하셨습니다",
                  "잠깐 통화 가능하세요?", "고객님 또 전화 오심", "처리 완료", "내일 오전까지요"),
    "id_copy": ("주민등록증", "자동차운전면허증 Driver's License", "외국인등록증 RESIDENCE CARD",
                "여권 PASSPORT", "REPUBLIC OF KOREA", "발급일 {date}", "서울특별시 {gu}청장",
                "성명 {name}", "서울경찰청장", "체류자격 E-9", "국적 VIETNAM", "Type P  Issuing country KOR"),
    "bank_sms": ("[Web발신]", "{bank}은행 알림", "누적 {amount}원", "잔액 {amount}원", "문의 1588-{n4}",
                 "본인 아닐 경우 고객센터로 연락바랍니다", "{mmdd} {hhmm}"),
    "parcel_label": ("[{courier}] 운송장", "취급주의", "부재시 문앞에 놓아주세요", "서울시 {gu} 테헤란로 {n}",
                     "품명: {product}", "중량 2kg", "선불", "경비실에 맡겨주세요"),
    "receipt": ("{product} 1 {amount}", "합계 {amount}", "부가세 {amount}", "감사합니다", "일시불",
                "{mmdd} {hhmm}", "현금영수증 미발행", "매출전표(고객용)"),
    "apartment_notice": ("[관리사무소 공지]", "{apt} 관리사무소에서 알려드립니다", "엘리베이터 점검 안내",
                         "관리비 납부 기한: 매월 25일", "입주민 여러분께 협조 부탁드립니다", "주차 스티커 배부",
                         "이번 달 관리비 고지서 배부", "※ 동호수 순", "소독 일정 안내", "관리소장 {name}"),
    "marketplace": ("[판매] {product} 팝니다", "상태 좋아요 거의 새거", "{gu} 직거래만 가능해요", "택배 거래 가능",
                    "가격 {amount}원", "네고 사절입니다", "사진 참고해주세요", "찔러보기 사절", "예약중",
                    "구매 후 {n}개월 사용"),
    "business_card": ("{company}", "{title} {name}", "{name} {title}", "{company} {dept}",
                      "서울특별시 {gu} 테헤란로 {n}길 {n}", "www.{host}.co.kr", "{dept} / {title}",
                      "Manager {rname}", "{rname} | {title_en}"),
    "email_signature": ("감사합니다.", "--", "{name} 드림", "Best regards,", "{company} {dept}",
                        "본 메일은 발신전용이 아닙니다.", "{title} {name}", "서울시 {gu} {n}층",
                        "This e-mail may contain confidential information.", "{rname} | {title_en}"),
    "access_log": ('{ip} - - [09/Dec/2026:{hhmm}:07 +0900] "GET /static/main.css HTTP/1.1" 200 {n}',
                   "GET /favicon.ico 404", "[INFO] session started", "upstream timed out (110)",
                   '"GET /robots.txt HTTP/1.1" 200 68', "redirect=%2Fmypage%3Ftab%3D2",
                   "q=%EC%97%AC%EB%A6%84+%EC%84%B8%EC%9D%BC&page=2", "Accept-Language: ko-KR,ko;q=0.9"),
    "mail_header": ("-----Original Message-----", "Subject: RE: 견적 문의", "제목: 회의 자료 송부",
                    "Date: Wed, 9 Dec 2026 10:12", "보낸 날짜: 2026년 12월 9일 수요일", "---------- 전달된 메시지 ----------",
                    "첨부: 견적서.pdf", "Sent: Tuesday, December 8, 2026", "받는 사람: 영업팀", "중요도: 보통"),
    "mobile_contract": ("[가입신청서]", "신규 가입 신청", "번호이동 접수 완료", "요금제 변경 안내", "단말기 할부 24개월",
                        "유심 교체 완료", "약정 기간 24개월", "[{carrier}] 개통 안내", "명의 변경 신청서"),
    "stay_permit": ("외국인 근로자 명단", "고용허가서 발급 안내", "체류기간 연장 신청", "출입국·외국인청", "국적 {nation}",
                    "사업장 {company}", "재학증명서 제출", "거소신고 확인"),
    "institution_notice": ("[{org} 안내]", "{org}에서 알려드립니다", "접수 기간: {date}까지", "※ 방문 전 예약 필수",
                           "{org} 가정통신문", "진료 시간 09:00~18:00", "신청서를 제출해 주세요", "환불은 영업일 기준 3일",
                           "{org} 운영위원회", "감사합니다"),
    "travel": ("ITINERARY RECEIPT", "KE 081 ICN-JFK 15MAR 1030", "FLIGHT OZ 102 / 13DEC", "CLASS Y  STATUS OK",
               "승객명 {pax}", "수하물 23KG", "여행 일정표", "PASSENGER MANIFEST", "출입국 신고서", "체류자격 C-3",
               "BAGGAGE 1PC", "예약 상태 확정"),
}
# Labels the genres of documents use where they have their own (a parcel label's 안심번호).
GENRE_LABELS = {
    "parcel_label": {"phone": ("안심번호", "연락처", "전화", "휴대폰", "수령인 연락처", "받는분 전화", "보내는분 연락처",
                               "연락처1", "TEL", "안심 번호", "수취인 연락처", "H.P")},
    "bank_sms": {"bank_account": ("입금계좌", "계좌", "출금계좌", "받는계좌", "이체계좌", "계좌번호"),
                 "credit_card": ("카드", "카드번호", "승인카드", "결제카드", "체크카드", "신용카드")},
    "receipt": {"credit_card": ("카드번호", "카드NO", "CARD NO", "카드 번호", "결제카드", "신용카드"),
                "phone": ("TEL", "전화", "연락처", "고객 연락처", "Tel", "휴대폰")},
    "apartment_notice": {"bank_account": ("관리비 계좌", "납부계좌", "관리비 납부계좌", "입금계좌", "관리비 입금계좌",
                                          "계좌번호", "가상계좌", "납부 계좌번호"),
                         "phone": ("연락처", "휴대폰", "세대주 연락처", "비상연락처", "HP", "연락처(휴대폰)",
                                   "입주자 연락처", "핸드폰", "전화번호")},
    "marketplace": {"phone": ("연락처", "연락", "폰", "번호", "핸폰", "문자", "카톡/문자", "HP", "휴대폰",
                              "연락은", "전번"),
                    "bank_account": ("계좌", "입금계좌", "계좌번호", "입금은", "송금 계좌")},
    "business_card": {"phone": ("M.", "Mobile", "H.P", "HP", "휴대폰", "M", "Mob.", "C.P", "Cell", "핸드폰",
                                "T.", "Tel", "TEL", "Direct", "D.", "직통"),
                      "email": ("E.", "E-mail", "Email", "이메일", "E", "e-mail", "메일", "Mail")},
    "email_signature": {"phone": ("Mobile", "Tel", "M", "HP", "휴대폰", "Mob", "Cell", "핸드폰", "Direct", "직통",
                                  "T", "Phone", "H.P", "모바일"),
                        "email": ("E-mail", "Email", "이메일", "E", "mail", "메일")},
    "access_log": {"email": ("email", "user_email", "mail", "e_mail", "userEmail", "email_addr", "id",
                             "mem_email", "login_id", "contact_email"),
                   "phone": ("phone", "tel", "mobile", "hp", "phone_no", "cellphone", "userPhone", "mobile_no",
                             "phoneNumber", "tel_no"),
                   "birth_date": ("birth", "birthday", "dob", "birth_date", "birthDate", "brthdy"),
                   "resident": ("jumin", "rrn", "ssn", "jumin_no", "residentNo")},
    "mobile_contract": {"phone": ("개통번호", "가입 번호", "가입번호", "개통 번호", "가입 전화번호", "개통 회선",
                                  "이용 번호", "서비스 번호", "회선 번호", "휴대폰 번호", "변경 전 번호", "번호이동 번호")},
    "stay_permit": {"foreigner_registration": ("등록번호", "등록 번호", "외국인등록번호", "등록증 번호", "ARC No.",
                                               "등록번호(ARC)", "외국인 등록번호", "등록증번호")},
    "mail_header": {"email": ("From", "보낸 사람", "보낸사람", "E-mail", "Reply-To", "Sender", "회신 주소",
                              "발신자", "Email", "보낸이", "작성자 메일", "Mail")},
    "travel": {"birth_date": ("DOB", "D.O.B", "DATE OF BIRTH", "생년월일", "BIRTH DATE", "생년월일(DOB)",
                              "Date of Birth", "BIRTH", "DOB.", "생년월일/Date of Birth", "출생일", "B/DATE"),
               "passport": ("PASSPORT", "여권번호", "PPT", "PASSPORT NO", "여권", "DOCS"),
               "phone": ("연락처", "CTCM", "MOBILE", "비상연락처", "TEL"),
               "email": ("CTCE", "EMAIL", "이메일", "E-MAIL")},
    "institution_notice": {"phone": ("연락처", "휴대폰", "보호자 연락처", "자택", "직통", "비상연락처", "핸드폰",
                                     "전화번호", "연락처(자택)", "개인 연락처", "HP", "집전화"),
                           "bank_account": ("환불계좌", "환불 받으실 계좌", "본인 계좌", "계좌번호", "입금계좌",
                                            "지급 계좌", "보험금 수령 계좌", "급여 계좌")},
    "id_copy": {"resident": ("주민등록번호", "주민번호", "주민등록 번호", "Resident No.", "주민등록번호/RRN"),
                "foreigner_registration": ("외국인등록번호", "등록번호 Reg. No.", "외국인등록번호/ARC No.",
                                           "외국인 등록번호", "Alien Reg. No."),
                "driver_license": ("면허번호", "운전면허번호", "면허번호 License No.", "Licence No.", "자동차운전면허번호"),
                "passport": ("여권번호", "Passport No.", "여권번호/Passport No.", "PASSPORT NO", "여권 번호"),
                "birth_date": ("생년월일", "Date of birth", "생년월일/Date of birth", "DOB", "생년월일 Birth")},
}
# The kinds each genre of documents holds, where not all of them.
GENRE_KINDS = {
    "apartment_notice": {"phone": 4, "bank_account": 2},
    "marketplace": {"phone": 5, "bank_account": 1.5},
    "business_card": {"phone": 4, "email": 2},
    "email_signature": {"phone": 4, "email": 2},
    "parcel_label": {"phone": 5, "email": 0.3},
    "bank_sms": {"bank_account": 3, "credit_card": 2},
    "receipt": {"credit_card": 3, "phone": 1},
    "id_copy": {"resident": 2, "foreigner_registration": 1, "driver_license": 1.5, "passport": 1.5,
                "birth_date": 1},
    "access_log": {"email": 3, "phone": 3, "birth_date": 1, "resident": 0.7},
    "travel": {"birth_date": 4, "passport": 1.5, "phone": 0.7, "email": 0.5},
    "mail_header": {"email": 4, "phone": 1},
    "mobile_contract": {"phone": 4, "resident": 0.5, "bank_account": 0.5},
    "stay_permit": {"foreigner_registration": 4, "phone": 0.7, "passport": 0.5},
    "institution_notice": {"phone": 4, "bank_account": 2},
}
# How a team's messenger export sets out one message: {msg} is the message. The time may stand on
# the line after it.
TEAM_CHAT_STAMPS = ("[{name}] [오후 {h}:{mm}] {msg}", "{name}: {msg}", "2026. 12. {day}. 오전 {h}:{mm}, {name} : {msg}",
                    "{name}  {hhmm}\n{msg}", "{name}\n{msg}\n{hhmm}", "[{hhmm}] {name}: {msg}",
                    "{name} {hhmm} {msg}", "{name}\t{msg}\t{hhmm}", "{hhmm} {name} {msg}",
                    "{name}\n{msg}\n오후 {h}:{mm}")
APARTMENTS = ("래미안", "힐스테이트", "자이", "푸르지오", "e편한세상", "롯데캐슬", "아이파크", "더샵")
COMPANIES = ("(주)노바테크", "주식회사 한빛소프트", "대한물산(주)", "세움건축사사무소", "(주)미래로지스",
             "한결법무법인", "누리디자인", "(주)코리아바이오")
TITLES = ("과장", "대리", "차장", "부장", "팀장", "실장", "대표", "이사", "주임", "선임연구원", "매니저")
TITLES_EN = ("Manager", "Senior Engineer", "Director", "CEO", "Team Lead", "Sales Manager")
DEPARTMENTS = ("영업팀", "개발팀", "경영지원팀", "마케팅팀", "기술연구소", "구매팀")
HOSTS = ("novatech", "hanbit", "daehan", "seum", "mirae", "nuri")
GU = ("강남구", "서초구", "송파구", "마포구", "종로구", "해운대구", "수성구", "유성구")
CARRIERS = ("SKT", "KT", "LG U+", "SK텔레콤", "알뜰폰", "KT M모바일", "헬로모바일")
PLANS = ("5G 슬림", "LTE 데이터 33", "5GX 레귤러", "유심 요금제 15GB", "데이터 무제한")
VISAS = ("E-9", "F-4", "D-2", "H-2", "E-7", "F-6", "D-10", "F-2", "C-3")
NATIONS = ("VIETNAM", "베트남", "CHINA", "중국", "네팔", "UZBEKISTAN", "필리핀", "INDONESIA", "캄보디아")
ORGANISATIONS = ("한빛초등학교", "새봄병원", "역삼1동 주민센터", "햇살어린이집", "해법수학학원", "온누리약국",
                 "서초구청", "푸른내과의원", "(주)다온이사", "드림태권도")
COURIERS = ("CJ대한통운", "한진택배", "롯데택배", "우체국택배", "로젠택배")

# Look-alikes: phrasings with the look-alike in [[...]]; {v} is its value.
NEG_PHRASES = {
    "company_number": ("대표번호 [[{v}]]", "고객센터: [[{v}]]", "상담전화 [[{v}]]", "상담 문의 [[{v}]]",
                       "고객센터([[{v}]])", "대표전화 [[{v}]]", "콜센터 [[{v}]] 로 문의", "무료상담 [[{v}]]",
                       "고객상담실 [[{v}]]", "상담센터: [[{v}]]", "FAX [[{v}]]", "팩스: [[{v}]]",
                       "본사 [[{v}]]", "매장 전화 [[{v}]]", "Fax. [[{v}]]", "[고객센터 [[{v}]]]",
                       "문의는 [[{v}]] 으로 주세요", "궁금하신 점은 고객센터 [[{v}]] 로 문의 주세요",
                       "문의사항은 [[{v}]] 로 연락 주세요", "기타 문의는 대표번호 [[{v}]] 로 부탁드립니다"),
    "imei": ("IMEI [[{v}]]", "IMEI: [[{v}]]", "단말기 IMEI [[{v}]]", "imei=[[{v}]]", "IMEI번호 [[{v}]]",
             "기기 식별번호(IMEI) [[{v}]]"),
    "serial_number": ("일련번호 [[{v}]]", "S/N [[{v}]]", "S/N: [[{v}]]", "제품번호 [[{v}]]",
                      "제품 일련번호: [[{v}]]", "시리얼번호 [[{v}]]", "SN [[{v}]]", "Serial No. [[{v}]]"),
    "mac_address": ("MAC [[{v}]]", "MAC 주소: [[{v}]]", "mac=[[{v}]]", "맥 주소 [[{v}]]",
                    "Wi-Fi MAC [[{v}]]"),
    "tracking_number": ("운송장 [[{v}]]", "운송장번호 [[{v}]]", "송장번호: [[{v}]]", "[{courier}] [[{v}]]",
                        "배송조회 [[{v}]]", "운송장 번호는 [[{v}]] 입니다"),
    "ip_address": ("접속 IP [[{v}]]", "ip=[[{v}]]", "IP: [[{v}]]", "원격 주소 [[{v}]]"),
    "version_number": ("버전 [[{v}]]", "앱 버전 [[{v}]]", "build [[{v}]]", "펌웨어 [[{v}]]"),
    "isbn": ("ISBN [[{v}]]", "ISBN: [[{v}]]", "isbn=[[{v}]]"),
    "price": ("결제금액 [[{v}]]원", "합계: [[{v}]]원", "총액 [[{v}]]", "환불 금액 [[{v}]]원"),
    "order_number": ("주문번호 [[{v}]]", "주문 No. [[{v}]]", "order_id=[[{v}]]", "주문번호: [[{v}]]"),
    "receipt_number": ("접수번호 [[{v}]]", "영수증번호 [[{v}]]", "receipt_no=[[{v}]]"),
    "approval_number": ("승인번호 [[{v}]]", "승인번호: [[{v}]]", "approval_no=[[{v}]]"),
    "english_date_event": ("Order date: [[{v}]]", "배송일 [[{v}]]", "가입일: [[{v}]]",
                           "Issued [[{v}]]", "결제일 [[{v}]]", "Meeting on [[{v}]]", "만료일 [[{v}]]"),
    "csv_joined": ("[[{v}]]",),
    "certificate_number": ("자격번호 [[{v}]]", "자격증 번호: [[{v}]]", "자격증번호 [[{v}]]",
                           "수료증 번호 [[{v}]]", "자격등록번호 [[{v}]]", "교육 이수번호 [[{v}]]"),
    "short_date_event": ("작성일 [[{v}]]", "방문일: [[{v}]]", "접수일 [[{v}]]", "[[{v}]] 입금 확인",
                         "계약일 [[{v}]]", "[[{v}]] 배송 예정", "최종 수정 [[{v}]]"),
    "numbers_on_two_lines": ("입고 수량 [[{v}]]", "좌석 [[{v}]]", "재고\n[[{v}]]", "점수: [[{v}]]",
                             "층/호수 [[{v}]]", "측정값 [[{v}]]"),
    "day_first_event": ("Issued [[{v}]]", "Expiry: [[{v}]]", "Date: [[{v}]]", "Invoice date [[{v}]]",
                        "Valid until [[{v}]]", "Check-in [[{v}]]", "Shipped [[{v}]]", "Due [[{v}]]"),
    "age_limit_date": ("만 {age}세 이상 가입 가능 (시행 [[{v}]])", "{age}세 이상 관람가, 개봉 [[{v}]]",
                       "[[{v}]] 기준 만 {age}세 이상", "만 {age}세 이상 [[{v}]]부터 신청", "남 {n}명 / [[{v}]] 기준",
                       "{age}세 미만 할인 (~[[{v}]])", "여 {n}명, 남 {n}명 ([[{v}]] 현재)",
                       "만 {age}세 이하 자녀, [[{v}]] 마감"),
    "licence_class_other": ("{cls} 취득일 [[{v}]]", "{cls} 수강료 [[{v}]]원", "{cls} 필기 수험번호 [[{v}]]",
                            "{cls} 학원 등록일 [[{v}]]", "{cls} 도로주행 접수번호 [[{v}]]",
                            "{cls} 시험일 [[{v}]]", "{cls} 합격 (교육 이수번호 [[{v}]])",
                            "수험번호 [[{v}]] ({cls})", "접수번호: [[{v}]] {cls}", "취득일 [[{v}]] ({cls})",
                            "교육 이수번호 [[{v}]]({cls})"),
    "hangul_date_event": ("행사일 [[{v}]]", "계약일: [[{v}]]", "[[{v}]]에 방문 예정", "회의는 [[{v}]] 입니다",
                          "접수 마감 [[{v}]]", "개업일 [[{v}]]", "[[{v}]] 시행", "결혼기념일이 [[{v}]]이에요"),
    "numbers_with_e": ("점수는 [[{v}]]점이에요", "키 몸무게 [[{v}]] 정도", "사이즈 [[{v}]] 주문", "[[{v}]] 순으로 입고",
                       "가격은 [[{v}]]원씩", "좌석 [[{v}]]번"),
    "card_prefix": ("카드번호 앞 6자리 [[{v}]]", "카드 앞자리 [[{v}]]", "BIN [[{v}]]", "카드 앞 6자리: [[{v}]]",
                    "승인카드 앞자리 [[{v}]] 확인"),
    # A hospital's numbers of a patient: register, chart, visit.
    "patient_number": ("환자번호 [[{v}]]", "등록번호: [[{v}]] (내과)", "병록번호 [[{v}]]", "환자 등록번호 [[{v}]]",
                       "진료카드 번호 [[{v}]]", "외래 등록번호 [[{v}]]", "차트번호: [[{v}]]", "입원번호 [[{v}]]",
                       "병원 등록번호 [[{v}]]", "진료 등록번호: [[{v}]]", "환자ID [[{v}]]", "등록번호 [[{v}]] 진료과 정형외과"),
    "member_number": ("회원번호 [[{v}]]", "멤버십 번호: [[{v}]]", "포인트카드 번호 [[{v}]]", "회원 번호 [[{v}]]",
                      "멤버십카드 [[{v}]]", "적립카드 [[{v}]]", "고객번호: [[{v}]]", "회원카드 번호 [[{v}]]",
                      "멤버십 카드번호 [[{v}]]", "가입 회원번호 [[{v}]]", "포인트 카드 [[{v}]]", "통합회원번호 [[{v}]]"),
    "booking_number": ("예매번호 [[{v}]]", "예약번호: [[{v}]]", "티켓번호 [[{v}]]", "예약 번호 [[{v}]]",
                       "탑승권 번호 [[{v}]]", "승차권 번호 [[{v}]]", "예매 번호: [[{v}]]", "예약확인번호 [[{v}]]",
                       "Booking No. [[{v}]]", "e-티켓 번호 [[{v}]]", "Reservation No. [[{v}]]", "전자항공권 [[{v}]]"),
    # Numbers of a shop's terminal and merchant on a receipt or a card slip.
    "merchant_number": ("가맹점번호 [[{v}]]", "가맹점 번호: [[{v}]]", "단말기번호 [[{v}]]", "TID [[{v}]]",
                        "단말기 ID: [[{v}]]", "가맹점NO [[{v}]]", "CAT ID [[{v}]]", "가맹점 코드 [[{v}]]",
                        "MID [[{v}]]", "매입사 가맹번호 [[{v}]]"),
    # A product's barcode (EAN-13; 880 for goods made in Korea) with its check digit.
    "barcode": ("바코드 [[{v}]]", "상품코드 [[{v}]]", "EAN [[{v}]]", "EAN-13: [[{v}]]", "바코드번호 [[{v}]]",
                "제품 바코드 [[{v}]]", "[[{v}]] (바코드)", "GTIN [[{v}]]", "상품 바코드: [[{v}]]", "바코드: [[{v}]]",
                "EAN코드 [[{v}]]", "상품번호(바코드) [[{v}]]", "JAN/EAN [[{v}]]", "바코드 [[{v}]] 스캔 불가"),
    # A real-estate broker's office registration and a broker's licence (시군구 code, year, serial).
    "broker_registration": ("중개사무소 등록번호 [[{v}]]", "등록번호: [[{v}]] (공인중개사사무소)",
                            "공인중개사 자격번호 [[{v}]]", "중개업 등록번호 [[{v}]]", "개설등록번호 [[{v}]]",
                            "부동산 등록번호 [[{v}]]", "중개사무소 등록 [[{v}]]", "공인중개사 등록번호: [[{v}]]",
                            "자격증 번호 [[{v}]] (공인중개사)", "중개등록번호 [[{v}]]", "대표 공인중개사 {name} 등록번호 [[{v}]]",
                            "부동산중개업 등록번호 [[{v}]]"),
    # An apartment's building and unit (동호수), written as numbers.
    "apartment_unit": ("[[{v}]]호", "동호수 [[{v}]]", "[[{v}]] 세대", "{name} [[{v}]]", "[[{v}]]호 관리비 미납",
                       "세대 [[{v}]]", "[[{v}]] 누수 민원"),
    # The lines of a management office, a guard room and a broker's office.
    "office_number": ("관리사무소 [[{v}]]", "관리사무소 전화 [[{v}]]", "경비실 [[{v}]]", "관리실 [[{v}]]",
                      "관리사무소: [[{v}]]", "방재실 [[{v}]]", "관리사무소([[{v}]]) 문의", "중개사무소 [[{v}]]",
                      "부동산 전화 [[{v}]]", "관리소 [[{v}]]"),
    # Query values of logs and links that are not personal: times, paths, orders, amounts.
    "query_value": ("ts=[[{v}]]", "redirect_uri=[[{v}]]", "order_id=[[{v}]]", "amount=[[{v}]]", "next=[[{v}]]",
                    "created_at=[[{v}]]", "goods_no=[[{v}]]", "return_url=[[{v}]]", "range=[[{v}]]",
                    "invoice_no=[[{v}]]", "since=[[{v}]]", "coupon=[[{v}]]"),
    # Dates of flights, tickets and stays as airlines write them.
    "travel_date": ("DEP [[{v}]]", "발권일 [[{v}]]", "ISSUED [[{v}]]", "탑승일 [[{v}]]", "DATE OF ISSUE [[{v}]]",
                    "출국일: [[{v}]]", "입국일 [[{v}]]", "ARR [[{v}]]", "체류기간 만료 [[{v}]]", "VALID UNTIL [[{v}]]",
                    "FLIGHT DATE [[{v}]]", "예약일 [[{v}]]"),
    # Ticket numbers: an airline's three-digit code and ten digits.
    "e_ticket_number": ("항공권 번호 [[{v}]]", "E-TICKET [[{v}]]", "TKT NO. [[{v}]]", "전자항공권 번호: [[{v}]]",
                        "ETKT [[{v}]]", "TICKET NUMBER [[{v}]]", "티켓 번호 [[{v}]]", "e-Ticket No. [[{v}]]",
                        "항공권번호: [[{v}]]", "E-TKT NBR [[{v}]]"),
    "insurance_policy": ("증권번호 [[{v}]]", "보험증권번호: [[{v}]]", "증권 번호 [[{v}]]", "계약번호(증권번호) [[{v}]]",
                         "보험 증권번호 [[{v}]]", "Policy No. [[{v}]]", "증권번호: [[{v}]]", "보험증권 번호 [[{v}]]",
                         "가입 증권번호 [[{v}]]", "증권No [[{v}]]", "자동차보험 증권번호 [[{v}]]", "증권번호 [[{v}]] (실손)"),
    "donation_receipt": ("기부금 영수증 일련번호 [[{v}]]", "영수증 일련번호: [[{v}]]", "일련번호 [[{v}]] (기부금)",
                         "기부금영수증 번호 [[{v}]]", "발급번호 [[{v}]]", "기부금 영수증 번호: [[{v}]]",
                         "영수증 일련번호 [[{v}]]", "후원금 영수증 번호 [[{v}]]", "일련번호: [[{v}]]"),
    "registry_number": ("등기 접수번호 [[{v}]]", "부동산 고유번호 [[{v}]]", "고유번호: [[{v}]]", "접수번호 [[{v}]] (등기국)",
                        "등기고유번호 [[{v}]]", "부동산고유번호: [[{v}]]", "등기부 고유번호 [[{v}]]", "접수 [[{v}]] 등기",
                        "등기 접수번호: [[{v}]]", "건물 고유번호 [[{v}]]"),
    "call_recording": ("녹취번호 [[{v}]]", "통화 녹취 ID [[{v}]]", "Recording ID: [[{v}]]", "녹취 파일 [[{v}]].wav",
                       "콜ID [[{v}]]", "상담 녹취번호: [[{v}]]", "녹취 ID [[{v}]]", "call_id=[[{v}]]",
                       "녹음파일 [[{v}]].mp3", "통화ID [[{v}]]"),
    # A blood-donation certificate: the blood centre, the year and a serial (02-24-123456).
    "blood_donation": ("헌혈증서 번호 [[{v}]]", "헌혈증 번호: [[{v}]]", "헌혈증서번호 [[{v}]]", "헌혈증 [[{v}]]",
                       "헌혈증서 No. [[{v}]]", "헌혈증서 [[{v}]] 기증합니다", "헌혈 증서번호: [[{v}]]",
                       "헌혈증 일련번호 [[{v}]]", "헌혈증서 [[{v}]] (전혈)", "기증 헌혈증 번호 [[{v}]]"),
    # A pet's registration number: fifteen digits, 410 (Korea's country code) first on a chip.
    "pet_registration": ("동물등록번호 [[{v}]]", "반려동물 등록번호: [[{v}]]", "동물등록번호: [[{v}]] (내장형)",
                         "마이크로칩 번호 [[{v}]]", "내장칩 번호 [[{v}]]", "반려견 등록번호 [[{v}]]",
                         "동물 등록번호 [[{v}]]", "칩 번호: [[{v}]]", "등록번호 [[{v}]] (반려견)",
                         "반려묘 등록번호 [[{v}]]", "동물등록 [[{v}]]"),
    # A case's processing number at an office or a call centre (처리번호 + thirteen digits).
    "processing_number": ("처리번호 [[{v}]]", "처리 번호: [[{v}]]", "민원 처리번호 [[{v}]]", "처리번호: [[{v}]]",
                          "신청번호 [[{v}]]", "민원번호 [[{v}]]", "처리번호 [[{v}]] 로 조회 가능", "신청 번호: [[{v}]]",
                          "민원 신청번호 [[{v}]]", "처리 결과 번호 [[{v}]]", "AS 처리번호 [[{v}]]"),
    # A carrier's own numbers: contract, customer, billing account, the SIM's ICCID (8982...).
    "carrier_number": ("계약번호 [[{v}]]", "유심 번호 [[{v}]]", "ICCID [[{v}]]", "가입계약번호: [[{v}]]", "청구계정번호 [[{v}]]",
                       "납부고객번호 [[{v}]]", "USIM 일련번호 [[{v}]]", "고객관리번호 [[{v}]]", "서비스계약번호 [[{v}]]",
                       "유심 일련번호: [[{v}]]"),
    # A postal code: five digits since 2015, six with a hyphen before.
    "postal_code": ("우편번호 [[{v}]]", "(우) [[{v}]]", "우: [[{v}]]", "우편번호: [[{v}]]", "[[{v}]] 서울특별시 {gu}",
                    "우 [[{v}]] 서울시 {gu}", "(우편번호 [[{v}]])", "Zip [[{v}]]", "우)[[{v}]]", "구 우편번호 [[{v}]]"),
    # The landline of an organisation or its desk: a school, a hospital, an office, a shop.
    "institution_phone": ("한빛초등학교 행정실 [[{v}]]", "새봄병원 원무과 [[{v}]]", "문의: {gu}청 민원여권과 [[{v}]]",
                          "서울중앙지방법원 ([[{v}]])", "☎ 장례식장 [[{v}]]", "역삼1동 주민센터 [[{v}]]",
                          "온누리약국 [[{v}]]", "햇살어린이집 [[{v}]]", "해법수학학원 전화 [[{v}]]",
                          "{gu} 경찰서 민원실 [[{v}]]", "삼성화재 {gu}지점 [[{v}]]", "(주)다온이사 [[{v}]]",
                          "더채플웨딩홀 예약실 [[{v}]]", "푸른내과의원 접수 [[{v}]]", "서울대학교병원 [[{v}]]",
                          "강서고등학교 교무실 [[{v}]]", "{gu} 보건소 [[{v}]]", "한국전력 {gu}지사 [[{v}]]",
                          "미소치과 예약 [[{v}]]", "행복동물병원 [[{v}]]", "{gu}청 건축과 [[{v}]]",
                          "국민은행 {gu}지점 [[{v}]]", "세무서 민원봉사실 [[{v}]]", "튼튼정형외과 ([[{v}]])",
                          "시청 민원실 전화 [[{v}]]", "중앙유치원 [[{v}]]", "우체국 [[{v}]]", "드림태권도 도장 [[{v}]]",
                          "서울가정법원 민원실 [[{v}]]", "제일장례식장 [[{v}]]", "{gu}구민회관 [[{v}]]", "성모병원 응급실 [[{v}]]"),
    # An account whose holder is a company or an institution, given for payments to it.
    "company_account": ("입금계좌: {bank} [[{v}]] (예금주: (주)다온이사)", "{bank} [[{v}]] 예금주 주식회사 한울",
                        "납부계좌 {bank} [[{v}]] (예금주 한빛초등학교)", "{bank} [[{v}]] 재단법인 나눔과꿈",
                        "진료비 입금 {bank} [[{v}]] 새봄병원", "법인계좌 {bank} [[{v}]]", "{bank} [[{v}]] (주)미래로지스",
                        "예금주: 사단법인 함께걷는길 {bank} [[{v}]]", "후원계좌 {bank} [[{v}]] 예금주 (사)희망나눔",
                        "{bank} [[{v}]] 예금주 {apt}관리사무소", "입금 계좌 {bank} [[{v}]] 햇살어린이집",
                        "수강료 입금 {bank} [[{v}]] (해법수학학원)", "{bank} [[{v}]] 예금주: 대한물산(주)",
                        "회비 납부 {bank} [[{v}]] 예금주 {gu}테니스협회", "결제 계좌 {bank} [[{v}]] (주식회사 코리아바이오)",
                        "{bank} [[{v}]] 예금주 학교법인 한빛학원", "등록금 {bank} [[{v}]] 예금주 강서고등학교",
                        "{bank} [[{v}]] (예금주 푸른내과의원)", "법인 통장 [[{v}]] ({bank})", "{bank} [[{v}]] 예금주 온누리약국"),
}
# Look-alikes of a study cafe's, a library's or a PC bang's logs (genre member_log): numbers
# the shop or the payment system issues beside the member's mobile.
MEMBER_LOG_NEG_PHRASES = {
    "kiosk_issued_number": ("주문번호 [[{v}]]", "승인번호 [[{v}]]", "거래번호: [[{v}]]", "order_no=[[{v}]]",
                            "approval=[[{v}]]", "현금영수증 승인번호 [[{v}]]", "영수증번호 [[{v}]]",
                            "결제번호 [[{v}]]", "tid=[[{v}]]", "매출번호 [[{v}]]", "주문 번호: [[{v}]]",
                            "카드 승인번호 [[{v}]]", "trade_no=[[{v}]]", "거래 일련번호 [[{v}]]"),
    "kiosk_member_card": ("회원카드 [[{v}]]", "회원번호 [[{v}]]", "member_no=[[{v}]]", "멤버십 [[{v}]]",
                          "회원 [[{v}]] (카드)", "이용권 번호 [[{v}]]", "도서관 회원증 [[{v}]]", "회원증 번호 [[{v}]]",
                          "card_id=[[{v}]]", "정기권 번호 [[{v}]]", "이용카드 [[{v}]]", "좌석배정번호 [[{v}]]"),
}
# Rows pasted into a chat or a mail under no header row (genre pasted_rows, a stream of its own):
# the order of the fields is said in words on a line above (이름/생년월일/연락처 순서예요), then
# tab-, comma- or pipe-separated rows follow, some behind a messenger's name and time.
ROWS_ANNOUNCEMENTS = ("{fields} 순서예요", "{fields} 순으로 보내드려요", "순서: {fields}", "아래 {fields} 순입니다",
                      "{fields} 순서로 적었습니다", "명단은 {fields} 순이에요", "항목 순서는 {fields}입니다",
                      "({fields} 순)", "각 줄 {fields} 순서", "{fields} 순으로 정리했어요", "순서는 {fields}",
                      "※ {fields} 순", "{fields} 순서대로 붙여넣었습니다", "명단({fields} 순)")
ROWS_JOINERS = ("/", ", ", " | ", "·", " / ", ",")
ROWS_DELIMITERS = ("\t", ",", "|", "\t", " | ")  # drawn in both parts: shapes, not wordings
ROWS_PREFIXES = ("", "", "[오후 {h}:{mm}] {name}: ", "{name}: ", "[{name}] [오전 {h}:{mm}] ", "> ",
                 "[{name}] ", "{hhmm} {name}: ")
# The words for each field, with the kind of value under it (None: a name, no value).
ROWS_FIELDS = {
    None: ("이름", "성명", "성함", "고객명", "신청자", "이름(한글)"),
    "birth_date": ("생년월일", "생일", "출생일", "생년월일(8자리)", "생년월일 6자리", "생년"),
    "passport": ("여권번호", "여권", "여권 번호", "여권No", "PASSPORT", "여권번호(구여권)"),
    "phone": ("연락처", "핸드폰", "휴대폰", "전화번호", "폰번호", "핸드폰번호", "휴대전화"),
    "resident": ("주민번호", "주민등록번호", "주민번호 13자리", "주민No"),
}
# Fields of the same rows that hold look-alikes: numbers a shop, an agency or an office issues.
ROWS_LOOK_ALIKES = {
    "row_issued_number": ("회원번호", "예약번호", "주문번호", "접수번호", "사번", "좌석", "객실"),
    "row_product_code": ("상품코드", "모델명", "단체코드", "투어코드"),
    "row_other_date": ("신청일", "출발일", "접수일", "입금일", "도착일"),
}
ROWS_SHARE = 0.03  # of the documents, from a stream of its own
ROWS_FILLERS = ("명단 보내드립니다", "확인 부탁드려요", "단체 여행 신청자 명단이에요", "누락된 분 있으면 알려주세요",
                "감사합니다", "수정본입니다", "엑셀에서 복사했어요", "추가 인원 보내요")

# Replies to what was asked or announced (genre announced_replies, a stream of its own): a post or
# a form asking for fields in an order, answered in rows (one a line, behind a bullet, with the
# request's separator); a chat's sender saying what comes next, the bare value in the next
# message; a repair company's block with its owner's own mobile under it; an export paper's
# contact person with their direct line beside the office's lines; e-mails with a bare " at "
# before a mail service's domain.
REPLY_GENRE = "announced_replies"
REPLY_SHARE = 0.05  # of the documents, from a stream of its own
REPLY_KINDS = ("rows", "announced", "owner_mobile", "export_contact", "at_mail")
REPLY_REQUESTS = ("참가 신청은 댓글로 {fields} 남겨 주세요", "{fields} 순으로 적어 주세요", "신청하실 분은 {fields} 남겨주세요~",
                  "댓글 양식: {fields}", "명단 작성 부탁드립니다 ({fields})", "{fields} 보내주세요",
                  "모임 참석자 {fields} 적어주세요!", "접수는 {fields} 로 부탁드려요", "{fields} 알려주세요",
                  "보험 가입용으로 {fields} 부탁드립니다", "단체 등록할게요 {fields} 남겨주세요", "아래에 {fields} 써 주세요")
REPLY_FIELD_WORDS = {None: ("이름", "성함", "성명", "닉네임"),
                     "phone": ("연락처", "번호", "전화번호", "핸드폰", "휴대폰 번호"),
                     "birth_date": ("생년월일", "생일", "생년월일 6자리", "출생일")}
REPLY_JOINERS = ("/", " / ", ", ", ",")
REPLY_BULLETS = ("└ ", "- ", "· ", "ㄴ ", "{i}. ", "{i}) ", "", "➡ ", "* ")
REPLY_ANNOUNCE = {"driver_license": ("기존 면허번호 보내드려요", "면허번호 알려드릴게요", "운전면허 번호 적어드릴게요",
                                     "면허 번호 남길게요", "면허증 번호 보내드릴게요~", "제 면허번호 드릴게요",
                                     "갱신 전 면허번호 보내드립니다", "면허번호 불러드릴게요"),
                  "bank_account": ("계좌 알려드릴게요", "환불받을 계좌 보내드려요", "입금 계좌 적어드릴게요", "계좌번호 남깁니다"),
                  "passport": ("여권번호 적어드릴게요", "여권 번호 보내드려요", "새 여권번호 알려드릴게요"),
                  "phone": ("제 번호 남길게요", "연락처 보내드릴게요", "집 전화번호 알려드릴게요")}
REPLY_CHAT_STAMPS = ("[{name}] [오후 {h}:{mm}] {msg}", "{name}: {msg}", "{name} 오전 {h}:{mm}\n{msg}",
                     "2026. 12. {day}. 오후 {h}:{mm}, {name} : {msg}", "{msg}", "[오후 {h}:{mm}] {name}: {msg}")
REPLY_REMARKS = ("네 보내주세요", "확인할게요", "잠시만요", "네네", "감사합니다")
REPLY_COMPANIES = ("한빛인테리어", "우리설비", "푸른건설", "(주)미래전기", "대성보일러", "새봄창호", "다온누수탐지", "한결도배")
REPLY_OWNER_TOPS = ("시공업체 {company}", "[시공업체 정보]\n업체명: {company}", "수리업체: {company}", "A/S 업체 {company}",
                    "■ 시공사: {company}")
REPLY_OWNER_NAMES = ("대표 {name}", "대표자: {name}", "대표자 성명 {name}")
REPLY_OWNER_REGISTRATIONS = ("사업자등록번호 <<V>>", "사업자번호: <<V>>", "사업자 등록번호: <<V>>")
REPLY_OWNER_OFFICES = ("사무실 <<N:company_office_line>>", "팩스 <<N:company_office_line>>", "TEL <<N:company_office_line>>",
                       "전화 <<N:company_office_line>>  팩스 <<N:company_office_line>>")
REPLY_OWNER_MOBILES = ("업체 대표 휴대폰: <<V>>", "사장님 핸드폰 <<V>>", "대표자 휴대전화 <<V>>", "대표 휴대폰 <<V>>",
                       "현장 책임자 핸드폰: <<V>>", "업체 사장님 휴대폰 번호 <<V>>")
REPLY_EXPORT_TOPS = ("SHIPPER: {CO} CO., LTD.", "Exporter: {CO} TRADING CO., LTD.", "Seller: {CO} Corp.",
                     "Consignee: {CO} Co., Ltd.", "Notify party: {CO} INC.")
REPLY_EXPORT_CONTACTS = ("Shipper contact: {given} {sur}  Tel <<V>>", "Person in charge: {SUR} {GIVEN}, Tel <<V>>",
                         "Contact: Mr. {given} {sur} / Tel: <<V>>", "Attn. Ms. {given} {sur}, Tel <<V>>",
                         "PIC: {given} {sur} (Tel. <<V>>)", "Contact person: {given} {sur}  Direct <<V>>")
REPLY_EXPORT_OFFICE = ("Office Tel: <<N:company_office_line>>", "Company Tel <<N:company_office_line>>",
                       "Fax: <<N:company_office_line>>", "Office Tel <<N:company_office_line>>  Fax <<N:company_office_line>>")
REPLY_MAIL_LINES = ("메일은 <<V>> 으로 주세요", "견적서는 <<V>> 로 부탁드려요", "연락 주실 곳: <<V>>", "<<V>> 으로 보내주세요",
                    "자료는 <<V>> 여기로요", "메일 주소 바꼈어요 <<V>>", "스팸 때문에 이렇게 적어요 <<V>>")
REPLY_MAIL_PROSE = ("We met at <<N:prose_at_domain>>'s office last week.", "She used to work at <<N:prose_at_domain>> before.",
                    "The meetup is at <<N:prose_at_domain>>'s HQ.")
REPLY_MAIL_HOSTS = ("naver.com", "gmail.com", "daum.net", "hanmail.net", "kakao.com", "nate.com")
REPLY_LOOK_ALIKES = ("company_office_line", "prose_at_domain")

# Look-alikes of a phone's bank and card alerts (genre bank_alerts): approval numbers, running
# totals, one-time codes and references beside the amounts and the balance.
BANK_ALERT_NEG_PHRASES = {
    "card_approval": ("[{card}] 승인 {mname} {amount}원 일시불 {mmdd} {hhmm} {payee} 승인번호 [[{v}]]",
                      "[{card}] 승인 {mname} {amount}원 일시불 {mmdd} {hhmm} {payee} 누적 [[{v}]]원",
                      "{card} 승인번호:[[{v}]] {amount}원 {payee}", "[{card}] {mname}님 {amount}원 승인 누적[[{v}]]원",
                      "[{card}] 해외승인 {mname} USD 12.50 {payee} 승인번호 [[{v}]]",
                      "[{card}] 승인취소 {amount}원 {payee} 취소번호 [[{v}]]", "{card} 체크승인 {amount}원 잔여한도 [[{v}]]원",
                      "[{card}] {mmdd} {hhmm} {amount}원 {payee} 할부3개월 승인 [[{v}]]"),
    "bank_alert_reference": ("[{btag}] 인증번호 [[{v}]] 타인에게 알려주지 마세요", "이체 확인번호 [[{v}]]",
                             "[{btag}] 거래번호 [[{v}]] 잔액 {amount}원", "[{btag}] 보안카드 코드 [[{v}]]",
                             "[{btag}] CMS 출금 {amount}원 납부자번호 [[{v}]]", "수표번호 [[{v}]] 입금 {amount}원",
                             "[{btag}] 대출이자 {amount}원 출금 예정 약정번호 [[{v}]]",
                             "[{btag}] OTP 일련번호 [[{v}]] 등록 완료"),
}
# Spreadsheets exported as text (genre sheet_exports, a stream of its own): a roster whose phone
# column lost its leading zero (the cell held a number: 1012345678), a foreign workers' or guests'
# roster with other countries' passports, a customer's transaction history whose other party's
# account has a column of its own, and staff chats that put a request between a label and its
# value (DOB 확인 부탁드려요: 1946.02.27). A kind's words share the side of the same words in the
# other genres' labels (pool label:<kind>).
SHEET_SHARE = 0.08  # of the documents reaching it, from a stream of its own
SHEET_DELIMITERS = ("\t", ",", "|", "\t", " | ")  # drawn in both parts: shapes, not wordings
SHEET_TITLES = ("회원 명단.xlsx 에서 복사", "[엑셀 붙여넣기]", "명단 보내드립니다", "연락망 (엑셀 다운로드)",
                "export_{n}.csv", "거래처 담당자 목록", "수강생 명단", "동호회 회원 연락망", "참가자 명단 최종",
                "봉사자 연락처 정리본", "학부모 비상연락망", "고객 리스트 추출")
SHEET_NAME_HEADERS = ("이름", "성명", "고객명", "회원명", "NAME", "담당자", "학생명", "신청자명", "보호자")
SHEET_PHONE_HEADERS = ("연락처", "휴대폰", "전화", "HP", "phone", "mobile", "휴대폰번호", "전화번호",
                       "H.P", "Mobile No", "핸드폰", "연락처(HP)", "휴대전화", "TEL", "cell_phone", "보호자 연락처")
SHEET_OTHER_HEADERS = ("부서", "지역", "비고", "등급", "소속", "반", "직급", "메모", "구분")
SHEET_OTHER_CELLS = ("영업팀", "서울", "", "VIP", "일반", "A반", "대리", "신규", "2기", "", "정회원")
# Columns of numbers a shop, a club or an office issues, as long as a mobile without its zero.
SHEET_ISSUED_HEADERS = ("회원번호", "고객번호", "사번", "주문번호", "접수번호", "카드번호(멤버십)", "수험번호",
                        "관리번호", "학번", "가입번호", "쿠폰번호", "등록번호(내부)")
SHEET_FOOTERS = ("총 {n}명", "※ 엑셀에서 0이 빠졌어요 확인 부탁드립니다", "출력일 2026-12-0{n}", "끝.", "이상입니다",
                 "누락 있으면 말씀해주세요", "문서번호 [[neg]]", "주문번호 [[neg]] 건 관련 명단", "관리번호 [[neg]] 참고")
SHEET_NATION_HEADERS = ("국적", "Nationality", "國籍", "국가", "출신국")
SHEET_NATIONS = ("VIETNAM", "CHINA", "NEPAL", "PHILIPPINES", "INDONESIA", "CAMBODIA", "UZBEKISTAN", "THAILAND",
                 "MYANMAR", "SRI LANKA", "USA", "FRANCE", "GERMANY", "JAPAN")
SHEET_FOREIGN_NAMES = ("NGUYEN VAN AN", "TRAN THI MAI", "WANG LEI", "LI NA", "RAM BAHADUR", "MARIA SANTOS",
                       "BUDI SANTOSO", "SOK DARA", "AKMAL KARIMOV", "SOMCHAI SUK", "AUNG KYAW", "JOHN SMITH",
                       "MARIE DUBOIS", "ANNA MULLER", "SATO YUKI")
SHEET_PASSPORT_HEADERS = ("여권번호", "Passport No.", "여권", "PASSPORT", "여권 번호", "Passport Number",
                          "여권NO", "passport_no", "여권번호(Passport)", "PP No.")
SHEET_ROSTER_TITLES = ("외국인 근로자 명단", "투숙객 명부", "Guest list", "외국인 유학생 현황", "입국자 명단",
                       "단체 관광객 명단", "계절근로자 배정표", "Crew list", "외국인 숙박 등록부", "연수생 명단")
# Columns of codes shaped as a passport: a letter or two and six to eight digits.
SHEET_CODE_HEADERS = ("항공편", "예약번호", "모델명", "상품코드", "객실번호", "Booking Ref", "Flight",
                      "사업장코드", "비자번호(내부)", "작업장코드", "Room", "Order No")
SHEET_BIRTH_HEADERS = ("생년월일", "Date of Birth", "DOB", "출생일", "생일", "Birth")
SHEET_PASSPORT_LABELS = ("여권번호", "Passport No.", "여권", "Passport", "PASSPORT NO", "여권 번호",
                         "여권번호는", "Passport #", "PPT NO")
SHEET_PASSPORT_LINES = ("{L}: [[V]]", "{L} [[V]]", "- {L} : [[V]]", "{L}：[[V]]", "* {L} - [[V]]")
SHEET_CODE_LINES = ("예약번호: [[neg]]", "항공편 [[neg]] 도착 예정", "모델명 [[neg]]", "Booking ref. [[neg]]",
                    "상품코드 [[neg]] 재고 확인", "주문 [[neg]] 출고", "Flight No. [[neg]]", "객실 [[neg]] 배정")
# A customer's transaction history: the other party's account under a column of its own.
SHEET_STATEMENT_TITLES = ("거래내역 엑셀 저장본", "입출금내역.csv", "통장 거래내역 복사", "[거래내역 조회 결과]",
                          "월별 거래내역", "계좌 입출금 내역")
SHEET_STATEMENT_DATES = ("거래일시", "거래일자", "일시", "거래일", "날짜")
SHEET_STATEMENT_MEMOS = ("적요", "내용", "거래내용", "기재내용", "구분")
SHEET_STATEMENT_OUT = ("출금액", "출금", "찾으신금액", "보낸금액", "출금(원)")
SHEET_STATEMENT_IN = ("입금액", "입금", "맡기신금액", "받은금액", "입금(원)")
SHEET_STATEMENT_BALANCE = ("잔액", "거래후잔액", "잔고", "잔액(원)")
SHEET_COUNTER_ACCOUNTS = ("상대계좌", "받는분 계좌", "보낸분 계좌", "입금계좌", "출금계좌", "상대계좌번호",
                          "받는분계좌", "보낸분계좌번호", "입금계좌번호", "출금계좌번호", "상대 계좌", "받는 분 계좌",
                          "보내는분 계좌", "상대방 계좌")
SHEET_COUNTER_HOLDERS = ("상대예금주", "받는분", "보낸분", "예금주", "상대방", "받는 분")
SHEET_STATEMENT_PLAIN = ("체크카드", "ATM출금", "급여", "이자", "관리비", "카드대금", "타행이체", "모바일이체")
# The bank's own reference for the row: as long as an account.
SHEET_REFERENCE_HEADERS = ("거래번호", "승인번호", "전표번호", "거래고유번호", "처리번호")
# Staff chats: a label, a request or notice, a colon or an arrow, the value.
SHEET_REQUEST_PHRASES = ("확인 부탁드려요", "한번 더 확인해주세요", "다시 알려드림", "재확인 부탁합니다",
                         "수정했습니다", "변경됐어요", "맞는지 봐주세요", "정정합니다", "다시 보내드려요",
                         "확인 바랍니다", "알려드립니다", "변경 요청드립니다", "잘못 적혀있었어요", "새로 받았어요",
                         "확인 좀 해주세요", "다시 확인했어요", "업데이트 했습니다", "전달드립니다")
SHEET_REQUEST_SEPARATORS = (": ", " → ", " -> ", ":", " => ", " : ", " ▶ ")
SHEET_REQUEST_LABELS = {
    "birth_date": ("DOB", "생년월일", "생일", "생년월일은", "출생일", "D.O.B", "생년월일 8자리"),
    "phone": ("연락처", "핸드폰", "휴대폰 번호", "전화번호", "HP", "폰번호", "연락처는"),
    "bank_account": ("계좌", "계좌번호", "환불계좌", "입금계좌", "통장번호", "계좌번호는"),
    "resident": ("주민번호", "주민등록번호", "주민번호는", "주민 번호"),
}
SHEET_REQUEST_LOOK_ALIKES = ("주문번호", "접수번호", "예약번호", "방문일", "배송일", "송장번호", "결제일", "회원번호")
SHEET_STAMPS = ("[오후 {h}:{mm}] {name}: ", "{name}: ", "[{name}] [오전 {h}:{mm}] ", "", "{hhmm} {name}: ")

# Records people copy out of an app or a spreadsheet (genre copied_records, a stream of its own):
# a bank's transaction history whose description cell holds the other party's name and account,
# a travel or workshop roster with passport and birth-date columns, a request for a birth date
# answered in brackets, a payment notice naming the paid organisation and its business number
# beside its customer centre, and a dormitory's or a remittance's form with another country's
# passport under a punctuated label.
RECORDS_GENRE = "copied_records"
RECORDS_SHARE = 0.1  # of the documents reaching it, from a stream of its own
RECORDS_DELIMITERS = ("\t", " | ", "  ", ",")  # drawn in both parts: shapes, not wordings
HISTORY_TITLES = ("[{bank}] 거래내역조회", "입출금 거래내역 복사", "통장 거래내역 (최근 1개월)", "계좌 거래내역 조회 결과",
                  "{bank} 입출금내역 엑셀 저장", "보통예금 거래내역", "거래내역서 조회기간 2026.11.01~2026.11.30",
                  "내 통장 거래내역", "이체내역 조회", "[{bank}] 계좌 거래내역")
HISTORY_COLUMNS = {
    "date": ("거래일시", "거래일자", "일시", "거래일", "거래 일시"),
    "kind": ("구분", "거래구분", "입출구분", "거래종류"),
    "out": ("출금액", "출금(원)", "찾으신금액", "출금 금액", "지급액"),
    "in": ("입금액", "입금(원)", "맡기신금액", "입금 금액", "받은금액"),
    "balance": ("잔액", "거래후잔액", "잔액(원)", "거래 후 잔액"),
    "memo": ("내용", "메모", "적요", "기재내용", "거래내용", "받는분/보낸분", "거래 메모"),
}
HISTORY_TRANSFER_KINDS = ("이체", "타행이체", "인터넷뱅킹", "모바일", "스마트폰", "오픈뱅킹", "입금", "출금")
HISTORY_OTHER_KINDS = ("체크카드", "ATM", "CMS", "자동이체", "카드결제", "급여")
HISTORY_PLAIN_MEMOS = ("스타벅스 역삼점", "GS25", "관리비", "급여", "이자", "통신요금", "쿠팡", "카드대금")
# The description cell of a transfer: the other party's name and account (<<V>>).
HISTORY_MEMOS = ("{name} <<V>>", "{name}(<<V>>)", "{name} / <<V>>", "{name}님 <<V>>",
                 "{name} <<V>> 이체", "{name}:<<V>>", "{name} <<V>> 송금")
# Cells a history's rows hold that are not accounts: an approval or a payer's number.
HISTORY_NEG_MEMOS = {"history_approval": ("체크카드 승인 <<N>>", "승인번호 <<N>>", "카드승인 <<N>> {shop}"),
                     "history_payer_number": ("CMS 납부자번호 <<N>>", "자동납부 <<N>>", "납부자 <<N>> 보험료")}
# A roster of a trip or a workshop: a column's words (passport the passport, birth the birth
# date, expiry the passport's expiry date, a look-alike).
TRAVEL_TITLES = ("{gu} 해외연수 참가자 명단", "단체 여행 여권 정보 취합", "워크숍 참가자 명부", "출국자 명단 (항공권 발권용)",
                 "가족여행 인원 정리", "해외 전시회 출장자 명단", "성지순례 참가자 여권 사본 정리", "수학여행 인솔 명단",
                 "항공권 예약용 명단입니다", "여행자보험 가입 명단")
TRAVEL_COLUMNS = {
    "no": ("No", "번호", "순번", "연번"),
    "name": ("성명", "이름", "한글성명", "성명(한글)", "한글 이름"),
    "english": ("영문명", "영문성명", "English Name", "영문 이름", "여권영문명"),
    "passport": ("여권번호", "여권 번호", "Passport No", "여권NO", "여권No.", "PASSPORT"),
    "expiry": ("여권만료일", "만료일", "여권 만료일", "Expiry", "유효기간", "여권유효기간"),
    "birth": ("생년월일", "생일", "출생일", "Date of Birth", "생년월일(6자리)", "DOB", "생년월일8자리"),
    "note": ("비고", "메모", "특이사항", "객실", "옵션"),
}
TRAVEL_NOTES = ("", "싱글룸", "채식", "트윈", "-", "인솔자", "아동", "")
# A request for a birth date, answered in brackets: {L} the birth date's word.
VERIFY_FRAMES = ("수령 시 본인 확인을 위해 {L}을 말씀해 주세요 (등록: [[V]])", "본인 확인용 {L} 알려주세요 (기존 등록: [[V]])",
                 "예약자 확인을 위해 {L}을 여쭤봅니다 (등록된 정보 [[V]])", "{L} 확인 부탁드립니다 (접수 시 기재: [[V]])",
                 "택배 수령 시 {L} 확인이 필요합니다 (등록값 [[V]])", "상담 전에 {L}을 확인하겠습니다 (고객 입력: [[V]])",
                 "처방전 받으실 때 {L} 말씀해 주세요 (등록: [[V]])", "보호자분 {L} 다시 알려주세요 (현재 [[V]] 로 되어 있어요)",
                 "{L}이 맞는지 확인해 주세요 ([[V]])", "환자 확인차 {L} 여쭙겠습니다 (등록 [[V]])",
                 "본인 인증을 위해 {L}을 입력해 주세요 (입력하신 값: [[V]])", "수강생 확인을 위해 {L}을 말씀해주세요 (명부: [[V]])")
VERIFY_LABELS = ("생년월일", "생일", "출생년월일", "출생일", "생년 월일")
# Lines of the same messages: a one-time code or a booking's number of six digits (<<N>>).
VERIFY_NEG_LINES = ("인증번호 (<<N>>) 를 입력해 주세요", "예약번호 [<<N>>] 확인되었습니다", "접수번호 <<N>> 으로 조회됩니다",
                    "보관함 비밀번호 (<<N>>)", "주문번호 <<N>> 상품 준비 완료", "확인코드: <<N>>")
VERIFY_FILLERS = ("안녕하세요 {org}입니다.", "[Web발신]", "감사합니다.", "문의사항은 카톡 채널로 남겨주세요.",
                  "오늘 오후 6시까지 방문 가능합니다.", "신분증 지참 부탁드립니다.")
# A payment notice: the paid organisation with its business number (<<V>>) and, on the next line,
# its customer centre (<<cc>>), an approval's number (<<appr>>).
NOTICE_FRAMES = ("이용기관: {org} (<<V>>)", "결제처 {org} (<<V>>)", "판매자: {org} / <<V>>", "상호 {org} (<<V>>)",
                 "가맹점명: {org} (<<V>>)", "이용처: {org} [<<V>>]", "{org} (<<V>>) 결제 완료", "수납기관 {org}(<<V>>)",
                 "공급자: {org}, <<V>>")
NOTICE_CENTRES = ("고객센터 <<cc>>", "문의 <<cc>>", "고객센터: <<cc>> (평일 09~18시)", "CS센터 <<cc>>", "대표번호 <<cc>>",
                  "상담 <<cc>>", "고객센터 ☎ <<cc>>", "결제 문의 <<cc>>")
NOTICE_LINES = ("결제금액: {amount}원", "승인번호: <<appr>>", "결제일시: {date} {hhmm}", "결제수단 신용카드 일시불",
                "승인번호 <<appr>> / {amount}원", "수강료 {amount}원 정상 결제되었습니다")
NOTICE_TITLES = ("[{org}] 결제 안내", "[Web발신] 결제 완료 알림", "수강료 납부 확인서", "자동결제 안내", "[결제알림]",
                 "이용료 결제 내역")
NOTICE_ORGS = ("튼튼 태권도장", "한빛 피아노학원", "새봄 어린이집", "{gu} 수영교실", "바른 수학교실", "푸른 독서실",
               "하늘 미술학원", "해오름 발레", "드림 축구클럽", "맑은 영어학원", "꿈나무 합기도", "온새미 공부방")
# A dormitory's or a remittance's form: another country's passport of nine digits after a
# punctuated or English label, a foreigner registration number nearby.
FORM_TITLES = ("기숙사 입사 신청서", "외국인 근로자 기숙사 배정표", "해외송금 신청서", "Dormitory Application",
               "해외송금 신청 정보 확인", "유학생 기숙사 입사 서류", "외국인 숙소 입주 신청", "Remittance Request Form")
FORM_PASSPORT_LABELS = ("여권번호", "Passport No.", "여권 번호", "PASSPORT NO.", "Passport No", "여권번호(Passport No.)",
                        "Passport Number", "여권")
FORM_FRN_LABELS = ("외국인등록번호", "ARC No.", "외국인 등록번호", "등록번호(ARC)", "Alien Registration No.",
                   "외국인등록증 번호")
FORM_PUNCT = (": ", ".: ", " : ", ":", "： ")  # drawn in both parts: shapes, not wordings
FORM_NEG_LINES = {"form_remittance_number": ("송금번호 (MTCN): <<N>>", "Reference No. <<N>>", "송금 참조번호 <<N>>",
                                             "MTCN <<N>>"),
                  "form_move_in_date": ("입사일: <<N>>", "Move-in date: <<N>>", "입주 예정일 <<N>>", "계약 시작일 <<N>>")}
RECORDS_LOOK_ALIKES = ("history_amount", "history_balance", "history_approval", "history_payer_number",
                       "roster_expiry_date", "verify_code", "record_customer_centre", "record_approval",
                       "form_remittance_number", "form_move_in_date")

# The last ones only on papers (PAPERS), in member_log, in pasted_rows, in bank_alerts, in
# office_letters, in sheet_exports (issued numbers in a phone's place, codes in a passport's, a
# bank's references in an account's, a request before another number) and in member_roster.
SHEET_LOOK_ALIKES = ("sheet_issued_number", "sheet_code", "sheet_reference", "sheet_request_other")
NEG_CATEGORIES = (tuple(NEG_PHRASES) + ("prescription_code",) + tuple(MEMBER_LOG_NEG_PHRASES)
                  + tuple(ROWS_LOOK_ALIKES) + tuple(BANK_ALERT_NEG_PHRASES)
                  + ("office_contact", "organisation_account", "bracketed_drug_code", "member_id_column")
                  + SHEET_LOOK_ALIKES + ("scan_issue_date", "scan_postal_code")
                  + tuple(ROSTER_LOOK_ALIKES.values()) + RECORDS_LOOK_ALIKES + tuple(FORM_LOOK_ALIKES.values())
                  + ("public_office_line", "business_footer_line", "business_held_account", "trip_date_after_birth",
                     "registry_issued_number", "post_tracking_number")
                  + LEDGER_LOOK_ALIKES + WORKERS_LOOK_ALIKES + tuple(dict.fromkeys(FILING_LOOK_ALIKES.values()))
                  + REPLY_LOOK_ALIKES + tuple(dict.fromkeys(SERIAL_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(NO_PERSON_LOOK_ALIKES.values()))
                  + tuple(RECEIPT_LOOK_ALIKES.values())
                  + tuple(CHAT_RECORD_LOOK_ALIKES.values())
                  + tuple(dict.fromkeys(BIRTH_NAME_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(HALF_MASK_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(ORG_NUMBER_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(MISREAD_SCAN_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(CONTACT_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(APART_LOOK_ALIKES.values()))
                  + tuple(ROSTER_COLUMN_LOOK_ALIKES.values())
                  + tuple(HELD_NUMBER_LOOK_ALIKES.values())
                  + tuple(ORG_ACCOUNT_LOOK_ALIKES.values())
                  + tuple(dict.fromkeys(MACHINE_KEY_LOOK_ALIKES.values()))
                  + tuple(dict.fromkeys(CHAT_REQUEST_LOOK_ALIKES.values()))
                  + tuple(PLACE_PROSE_LOOK_ALIKES.values())
                  + tuple(LABELLED_SCAN_LOOK_ALIKES.values()) + ("chat_reception_number",)
                  + tuple(OFFERING_LINE_LOOK_ALIKES.values())
                  + tuple(SENDER_LOOK_ALIKES.values())
                  + tuple(ORGANISER_LOOK_ALIKES.values())
                  + tuple(LICENCE_LABEL_LOOK_ALIKES.values())
                  + tuple(MAIN_LINE_LOOK_ALIKES.values())
                  + tuple(GIFT_LOOK_ALIKES.values())
                  + tuple(FEE_LOOK_ALIKES.values()))

# --------------------------------------------------------------------------- organisations' papers

# Papers an organisation prints with its own numbers in its header, footer or a table: receipts,
# prescriptions, obituaries, checkup letters, company footers, reservist notices, telecom bills,
# car dealers' and movers' estimates. A line is a template whose markers stand for:
# <<org>> the organisation's landline (institution_phone), <<drug>> a drug's code, <<issue>> a
# prescription's issue number, <<inst>> a medical institution's code (drug_code), <<acct_org>> an
# account held by the organisation (company_account); and, as values, <<brn:L>> a business
# registration number, <<mobile:L>> a person's mobile, <<home:L>> a person's landline,
# <<acct:L>> a person's account, each under the label L. Each kind of paper is a pool of
# versions of its lines, cut in two between the parts as every pool is.
PAPERS = {
    "receipt": (
        ("{shop}", "사업자번호: <<brn:사업자번호>>  대표: {name}", "서울시 {gu} 테헤란로 {n}", "TEL: <<org>>"),
        ("{shop}", "사업자등록번호 <<brn:사업자등록번호>>", "대표자 {name}  T. <<org>>", "주소 서울 {gu} {n}길"),
        ("[{shop}]", "사업자 <<brn:사업자>> {name}", "서울특별시 {gu} 도산대로 {n}", "Tel) <<org>>"),
        ("{shop}", "대표 {name} / 사업자번호 <<brn:사업자번호>>", "전화 <<org>>", "서울 {gu} 논현로 {n}"),
        ("** {shop} **", "사업자No <<brn:사업자No>>", "☎ <<org>>", "{gu} 역삼로 {n}"),
        ("{shop}", "가맹점명 {shop} / 대표 {name}", "사업자등록번호: <<brn:사업자등록번호>>", "전화번호: <<org>>"),
    ),
    "prescription": (
        ("처방전", "교부번호 <<issue>>", "요양기관명 {clinic}", "요양기관기호 <<inst>>", "전화번호 <<org>>"),
        ("[처방전]", "의료기관 {clinic}", "기관기호: <<inst>>  전화: <<org>>", "교부 번호: <<issue>>"),
        ("처 방 전", "교부번호: <<issue>>", "의료기관 명칭 {clinic}", "요양기관번호 <<inst>>", "팩스번호 <<org>>"),
        ("원외처방전", "{clinic} (T. <<org>>)", "요양기관기호: <<inst>>", "교부번호 <<issue>>"),
    ),
    "obituary": (
        ("[부고]", "故 {name}님께서 별세하셨기에 삼가 알려드립니다.", "빈소: {funeral} {n}호실 (<<org>>)",
         "상주: {name} <<mobile:상주>>"),
        ("부고 알림", "빈소 {funeral} 특{n}호실", "장례식장 전화 <<org>>", "발인 12월 {n}일 오전 7시"),
        ("[訃告]", "{funeral} {n}빈소 ☎ <<org>>", "마음 전하실 곳 {bank} <<acct:마음 전하실 곳>> ({name})"),
        ("삼가 고인의 명복을 빕니다", "장소: {funeral} {n}호 / <<org>>", "상주 {name} 연락처 <<mobile:연락처>>"),
        ("부고", "{funeral} 빈소 {n}호실 T. <<org>>", "부의금 계좌 {bank} <<acct:부의금 계좌>> 상주 {name}"),
    ),
    "checkup": (
        ("{hospital} 건강검진센터", "{name} 님의 검진 결과를 안내드립니다", "수검자 연락처: <<mobile:수검자 연락처>>",
         "예약 및 문의: <<org>>"),
        ("{hospital} 종합검진센터", "T. <<org>>  F. <<org>>", "검진 예약 변경은 전화 주세요"),
        ("[{hospital}] 검진 안내", "문의 <<org>>", "보호자 자택 <<home:자택>>"),
        ("{hospital} 검진센터 안내문", "Tel <<org>> / Fax <<org>>", "휴대폰 <<mobile:휴대폰>> 로 결과 문자 발송"),
    ),
    "company_footer": (
        ("{company} | 대표이사 {name} | 사업자등록번호 <<brn:사업자등록번호>> | TEL <<org>> | FAX <<org>>",
         "담당 {name} {title} 직통 <<home:직통>>"),
        ("{company} 서울시 {gu} 테헤란로 {n} Tel. <<org>> Fax. <<org>>", "담당자 휴대폰 <<mobile:휴대폰>>"),
        ("상호: {company}  대표: {name}", "사업자번호 <<brn:사업자번호>>  전화 <<org>>  팩스 <<org>>",
         "Copyright ⓒ {company} All rights reserved."),
        ("{company} / 대표 {name} / T <<org>> / F <<org>>", "견적 담당 {name} {title} <<mobile:휴대폰>>"),
        ("회사명 {company} | 대표번호 <<org>> | 사업자등록번호 <<brn:사업자등록번호>>",),
    ),
    "reservist": (
        ("[예비군 훈련 통지]", "{name} 님 예비군 훈련 일정 안내", "문의: {gu} 예비군 {n}동대 <<org>>"),
        ("예비군 훈련 소집 통지서", "{gu} {n}동대본부 ☎ <<org>>", "본인 연락처 <<mobile:본인 연락처>>"),
        ("[{gu} 예비군 중대]", "훈련 연기 신청은 동대 전화 <<org>> 로", "대원 휴대폰 <<mobile:휴대폰>>"),
    ),
    "telecom_bill": (
        ("[{carrier}] 이번 달 이용요금 안내", "고객명 {name} 님", "이용번호 <<mobile:이용번호>>",
         "납부계좌: {bank} <<acct_org>> (예금주 {carrier}(주))"),
        ("{carrier} 요금 청구서", "가상계좌 {bank} <<acct_org>>", "{carrier} {gu}지점 <<org>>"),
        ("{carrier} 청구 안내", "{name} 고객님 휴대폰 <<mobile:휴대폰>>", "입금 전용 계좌 {bank} <<acct_org>> {carrier}"),
    ),
    "car_dealer": (
        ("{dealer} 견적서", "영업 담당 {name} {title} <<mobile:휴대폰>>", "전시장 <<org>>"),
        ("[{dealer}]", "대표번호 <<org>>", "고객 {name} 님 연락처 <<mobile:연락처>>"),
        ("{dealer} 출고 안내", "계약금 입금 {bank} <<acct_org>> (예금주 {dealer})", "전시장 전화 <<org>>"),
    ),
    "mover": (
        ("{mover} 포장이사 견적서", "고객명 {name} 님 / 연락처 <<mobile:연락처>>", "예약센터 <<org>>"),
        ("{mover} 견적 안내", "상담문의 <<org>>", "계약금 {bank} <<acct_org>> {mover}"),
        ("[{mover}]", "이사 당일 팀장 {name} <<mobile:팀장>>", "사무실 <<org>>",
         "잔금 환불계좌 {bank} <<acct:환불계좌>> (예금주 {name})"),
    ),
}
PAPER_SHOPS = ("온누리약국", "행복한약국", "김밥나라 역삼점", "새벽마트", "참좋은꽃집", "한빛문구", "푸른안경원",
               "우리동네세탁소", "미소치과의원", "한솔한의원", "튼튼정형외과의원", "365정육점", "맛나치킨 서초점",
               "대박분식", "소망철물", "하나로마트 {gu}점")
PAPER_CLINICS = ("새봄내과의원", "미소소아청소년과의원", "튼튼정형외과의원", "맑은이비인후과의원", "밝은안과의원",
                 "서울연세의원", "한솔가정의학과의원", "푸른피부과의원", "서울대학교병원", "우리들병원")
PAPER_FUNERALS = ("서울아산병원 장례식장", "삼성서울병원 장례식장", "제일장례식장", "{gu} 효장례식장",
                  "세브란스병원 장례식장", "한림대병원 장례식장", "시립승화원", "국립중앙의료원 장례식장")
PAPER_HOSPITALS = ("새봄병원", "서울성모병원", "강남세브란스병원", "한국건강관리협회", "{gu} 보건소", "KMI 한국의학연구소",
                   "분당서울대병원", "하나로의료재단")
PAPER_DEALERS = ("현대자동차 {gu}지점", "기아 {gu}대리점", "BMW 도이치모터스 {gu}전시장", "벤츠 한성자동차 {gu}",
                 "르노코리아 {gu}대리점", "쉐보레 {gu}점")
PAPER_MOVERS = ("(주)영구크린", "(주)한빛익스프레스", "e편한이사 {gu}점", "통큰이사", "(주)대한통운이사",
                "착한이사 {gu}센터")
PAPER_DRUGS = ("타이레놀정500mg", "아모잘탄정5/50mg", "뮤코펙트정", "록소닌정", "알마겔현탁액", "코대원포르테시럽",
               "오구멘틴정625mg", "스티렌정", "무코스타정", "씨잘정")

# --------------------------------------------------------------------------- offices' letters

# Letters, notices and forms an organisation sends (genre office_letters, a stream of its own):
# their closing lines give a department's or an office's own line and the organisation's own
# account; drug codes stand in brackets after a drug's name; exports key their rows by ids the
# system issues. The people on them keep their numbers: a named staff member's line, an
# applicant's mobile, a person's work phone in their own record, a refund account in a name.
# Markers as in PAPERS: <<desk>> an office's landline (office_contact), <<acct_org>> an account
# held by an organisation (organisation_account), <<drug>> a drug's product code
# (bracketed_drug_code); values <<mobile:L>>, <<home:L>>, <<acct:L>> under the label L.
OFFICE_SHARE = 0.08  # of the documents, from a stream of its own
OFFICE_LETTERS = {
    "school": (
        ("[장학금 신청 안내]", "신청자 {name} / 연락처 <<mobile:연락처>>", "문의: 학생지원팀 <<desk>>"),
        ("{school} 장학금 신청서", "학생 휴대폰 <<mobile:학생 휴대폰>>", "장학금 수령 계좌 {bank} <<acct:수령 계좌>>",
         "※ 문의 학생처 장학과 <<desk>>"),
        ("2026학년도 2학기 장학생 선발 결과 안내", "문의사항은 장학복지팀(<<desk>>)으로 연락 바랍니다."),
        ("등록금 분할납부 신청 안내", "담당부서: 재무회계팀 <<desk>>", "신청자 휴대폰 <<mobile:신청자 휴대폰>>"),
        ("기숙사 입사 안내", "생활관 행정실 <<desk>> / 팩스 <<desk>>", "비상연락처(보호자) <<mobile:비상연락처>>"),
        ("[학사 공지] 졸업 유예 신청", "학사지원과 ☎ <<desk>>", "문의 시간 평일 09:00~17:00"),
        ("{school} 입학처", "입학 상담 문의 입학관리본부 <<desk>>", "지원자 {name} 연락처 <<mobile:지원자 연락처>>"),
        ("[{school}] 교육실습 안내", "교직지원센터 <<desk>>", "실습생 {name} 휴대전화 <<mobile:휴대전화>>"),
    ),
    "payslip": (
        ("2026년 {n}월 급여명세서", "성명 {name}  사번 {n4}", "지급계좌 {bank} <<acct:지급계좌>>", "문의: 인사팀 <<desk>>"),
        ("[급여명세서] 2026년 {n}월분", "{name} {title}", "급여 이체 계좌 {bank} <<acct:급여 이체 계좌>>",
         "급여 관련 문의는 경영지원팀 <<desk>>"),
        ("급여 지급 내역 안내", "문의 HR 담당 <<desk>>", "본인 연락처 <<mobile:본인 연락처>>"),
        ("Payslip / 급여명세서 ({n}월)", "HR팀 <<desk>>", "사원 {name} 휴대폰 <<mobile:휴대폰>>"),
        ("상여금 지급 안내", "지급 계좌 {bank} <<acct:지급 계좌>> (예금주 {name})", "인사총무과 <<desk>>"),
        ("연말정산 안내", "제출처: 재무팀 <<desk>>", "담당 {name} {title} <<home:담당>>"),
    ),
    "foreign_staff": (
        ("외국인 근로자 고용 변동 신고서", "근로자 {rname} 휴대폰 <<mobile:휴대폰>>", "사업장 담당 부서 총무과 <<desk>>"),
        ("[외국인 직원 안내] 체류기간 연장 서류", "HR 담당 <<desk>>", "직원 연락처 <<mobile:직원 연락처>>"),
        ("Foreign staff onboarding / 외국인 직원 입사 안내", "문의: 인사지원팀 <<desk>>",
         "{rname} mobile <<mobile:mobile>>"),
        ("외국인 근로자 숙소 배정 안내", "기숙사 관리실 <<desk>>", "근로자 {rname} 연락처 <<mobile:연락처>>"),
        ("E-9 근로자 귀국 비용 보험 안내", "문의 외국인력지원센터 <<desk>>", "사업주 {name} <<mobile:사업주>>"),
    ),
    "collection": (
        ("[채권 추심 안내]", "{name} 님 귀하", "입금계좌: {bank} <<acct_org>> (예금주 {agency})",
         "담당자 직통 <<desk>> / 팩스 <<desk>>"),
        ("독촉 안내문", "채무자 {name}", "상환계좌 {bank} <<acct_org>> 예금주: {agency}", "고객지원실 <<desk>>"),
        ("[{agency}] 변제 안내", "변제 계좌 {bank} <<acct_org>> (예금주 {agency})", "채권관리부 <<desk>>"),
        ("미납 요금 납부 안내", "납부계좌 {bank} <<acct_org>> ({agency})", "채권회수팀 ☎ <<desk>>",
         "채무자 연락처 <<mobile:연락처>>"),
        ("법적 조치 예고 통지", "입금 계좌 {bank} <<acct_org>> 예금주 {agency}", "추심 담당 {name} {title} <<mobile:담당>>"),
    ),
    "association": (
        ("{school} 총동문회 회비 납부 안내", "동문회비 납부: {bank} <<acct_org>> (예금주: 총동문회)",
         "문의: 동문회 사무국 <<desk>>"),
        ("{church} 주보", "헌금 계좌 {bank} <<acct_org>> 예금주 {church}", "교회 사무실 <<desk>>"),
        ("{club} 정기 모임 공지", "회비 입금 {bank} <<acct_org>> (예금주 {club})", "총무 {name} <<mobile:총무>>"),
        ("후원 안내", "후원계좌: {bank} <<acct_org>> 예금주 {foundation}", "후원자 {name} 님 연락처 <<mobile:연락처>>"),
        ("{apt} 입주자대표회의 공지", "관리비 납부 {bank} <<acct_org>> (예금주 {apt}관리사무소)", "관리사무소 <<desk>>"),
        ("{club} 송년회 안내", "참가비 {bank} <<acct_org>> 예금주 {club}", "환불 계좌 {bank} <<acct:환불 계좌>> (예금주 {name})"),
        ("{school} 학부모회 알림", "회비 계좌 {bank} <<acct_org>> (예금주 {school} 학부모회)", "학부모회장 {name} <<mobile:학부모회장>>"),
        ("{church} 선교회 바자회", "입금 {bank} <<acct_org>> (예금주 {church} 선교회)", "문의 {church} 사무국 <<desk>>"),
        ("{foundation} 정기후원 신청서", "후원자 계좌 {bank} <<acct:후원자 계좌>>", "예금주 {name}",
         "재단 사무국 <<desk>>"),
    ),
    "agency": (
        ("[{gu}청] 민원 처리 결과 안내", "담당부서: 민원여권과 <<desk>>", "민원인 {name} 님 연락처 <<mobile:연락처>>"),
        ("국민건강보험공단 안내문", "{gu}지사 보험급여부 <<desk>>", "가입자 {name} 님"),
        ("[{gu} 주민센터] 복지 상담 안내", "맞춤형복지팀 <<desk>>", "상담 신청자 {name} <<mobile:신청자>>"),
        ("{gu} 관리사무소 공지", "관리사무소 <<desk>>", "{unit} 세대 연락처 <<mobile:세대 연락처>>"),
        ("고용노동부 {gu}지청 안내", "근로개선지도과 <<desk>>", "신고인 {name} 휴대전화 <<mobile:휴대전화>>"),
        ("[{gu}청 공지] 주차 단속 이의신청", "교통행정과 주차관리팀 <<desk>>", "팩스 <<desk>>"),
    ),
    "directory": (
        ("[비상연락망] 영업팀", "{name} {title} | 휴대폰 <<mobile:휴대폰>> | 직장 <<home:직장>>"),
        ("입사지원서", "성명 {name}", "휴대전화 <<mobile:휴대전화>>", "직장전화 <<home:직장전화>> (현 근무처 {company})"),
        ("회원 가입 신청서", "근무처 {company} / 근무처 전화 <<home:근무처 전화>>", "자택 <<home:자택>>"),
        ("신용카드 발급 신청서", "성명 {name}  휴대폰 <<mobile:휴대폰>>", "직장명 {company}  직장 연락처 <<home:직장 연락처>>"),
        ("동문 주소록", "{name} ({company}) 직통 <<home:직통>> / 핸드폰 <<mobile:핸드폰>>"),
        ("보증인 정보", "보증인 {name}", "근무지 전화 <<home:근무지 전화>>", "연락처 <<mobile:연락처>>"),
    ),
    "medication": (
        ("[처방 내역] {name} 님", "{drug} (<<drug>>) 1 / 1 / 2", "{drug} (<<drug>>) 1 / 3 / 5"),
        ("복약 안내문", "{drug}(<<drug>>)  1정 3회 {n}일", "{drug}(<<drug>>)  1정 2회 {n}일",
         "보호자 {name} (<<mobile:보호자>>)"),
        ("투약 기록", "▶ {drug} [<<drug>>] 1일 2회", "▶ {drug} [<<drug>>] 1일 3회", "환자 연락처 <<mobile:환자 연락처>>"),
        ("조제 내역서", "1. {drug} (<<drug>>)", "2. {drug} (<<drug>>)", "약국 {pharmacy} (<<desk>>)"),
        ("처방 약 목록", "- {drug} (코드 <<drug>>) 아침 저녁", "- {drug} (코드 <<drug>>) 취침 전",
         "보호자 연락처 <<mobile:보호자 연락처>>"),
        ("퇴원 약 안내", "{drug} <<drug>> 1T tid", "{drug} <<drug>> 1T bid", "병동 간호사실 <<desk>>"),
    ),
}
OFFICE_SCHOOLS = ("한빛대학교", "서울중앙고등학교", "강남대학교", "새봄초등학교", "한국폴리텍대학", "대한중학교",
                  "부산외국어대학교", "경인교육대학교")
OFFICE_AGENCIES = ("미래신용정보(주)", "고려신용정보", "나라신용정보 주식회사", "MG신용정보", "(주)한빛채권관리",
                   "새한신용정보㈜", "우리신용정보", "대한채권추심")
OFFICE_CHURCHES = ("사랑의교회", "온누리교회", "새빛교회", "명성교회", "소망교회", "{gu} 중앙교회", "은혜성당",
                   "충현교회")
OFFICE_CLUBS = ("한빛산악회", "{gu} 조기축구회", "새벽등산회", "청년회", "동호회 두바퀴", "{gu} 테니스동호회",
                "부녀회", "향우회", "친목회 우정", "{gu} 노인회")
OFFICE_FOUNDATIONS = ("재단법인 나눔과꿈", "(사)희망나눔", "사단법인 함께걷는길", "한빛장학재단", "초록우산 어린이재단",
                      "굿네이버스", "{gu}복지재단", "행복나눔협회")
OFFICE_PHARMACIES = ("온누리약국", "행복한약국", "새봄약국", "건강약국", "메디팜 {gu}점", "365약국")
# Drugs as a prescription or a pharmacy's print names them: tablets, capsules, syrups,
# injections, solutions, powders.
OFFICE_DRUGS = ("오구멘틴정", "판토록정", "타이레놀정", "아모잘탄정", "무코스타정", "크레스토정", "리피토정",
                "넥시움정", "뮤코펙트캡슐", "엔테론캡슐", "코대원시럽", "맥페란주", "알마겔액", "스멕타산",
                "부루펜시럽", "훼스탈플러스정", "베아제정", "씨잘정", "에어탈정", "나조넥스액")
# An export of a system's table: the id column's header, the people's columns beside it.
OFFICE_ID_HEADERS = ("고객ID", "회원번호", "회원ID", "고객번호", "member_id", "교적번호", "customer_id",
                     "회원 번호", "고객 코드", "user_no", "가입번호", "학번", "사원번호")
OFFICE_EXPORT_COLUMNS = {
    None: ("이름", "성명", "고객명", "name", "회원명", "성도명"),
    "phone": ("연락처", "휴대폰", "phone", "휴대전화", "핸드폰번호", "mobile"),
    "business_registration": ("사업자번호", "사업자등록번호", "biz_no", "사업자 등록번호"),
}
OFFICE_EXPORT_SHARE = 0.2  # of the genre's documents
OFFICE_EXPORT_TITLES = ("[회원 명단 추출]", "고객 목록 export", "교적부 내보내기", "members.csv", "고객DB 추출 결과",
                        "가입자 명단 (엑셀 붙여넣기)")

# --------------------------------------------------------------------------- closing lines

# Papers whose closing lines carry numbers that belong to someone other than the person: a public
# office's landline named by the office at the end of a benefit application (<<office>>), a
# business's landline on its own registration footer (<<footer>>, beside its 사업자번호 <<brn>>, a
# value), an account whose holder written beside it is a business (<<acct_biz>>), a trip's dates
# on the lines after a birth date (<<trip>>), numbers a registry issues that a business number's
# check digit passes by chance (<<issued>>, <<svc>>, <<bond>>) and a post office's tracking number
# after a courier's word (<<track>>). The people on them keep theirs: <<mobile:L>>, <<home:L>>,
# <<acct:L>> under the label L, <<dob:L>> a birth date, <<passport:L>>, <<rrn:L>>.
CLOSING_GENRE = "closing_lines"
CLOSING_SHARE = 0.06  # of the documents, from a stream of its own
CLOSING_PAPERS = {
    "benefit": (
        ("실업급여 수급자격 인정 신청서", "신청인 {name} / 휴대전화 <<mobile:휴대전화>>", "접수번호 {receipt}  담당 {office} <<office>>"),
        ("노령연금 지급 청구서", "청구인 {name}  연락처 <<mobile:연락처>>", "연금 받을 계좌 {bank} <<acct:연금 받을 계좌>> (예금주 {name})",
         "담당 {office} <<office>>"),
        ("[접수 완료] 구직급여 신청", "{name} 님의 신청이 접수되었습니다.", "담당: {office} <<office>>",
         "신청인 연락처 <<mobile:신청인 연락처>>"),
        ("건강보험 피부양자 자격 취득 신고서", "신고인 {name} 휴대폰 <<mobile:휴대폰>>", "처리기관 {office} (<<office>>)"),
        ("출산전후휴가 급여 신청서", "신청인 계좌 {bank} <<acct:신청인 계좌>>", "자택 전화 <<home:자택 전화>>", "관할 {office} <<office>>"),
        ("국세 환급금 지급 안내", "{name} 님 귀하", "환급 계좌 {bank} <<acct:환급 계좌>>", "문의 {office} <<office>>"),
        ("전입신고 처리 결과 통지", "신고인 {name} 연락처 <<mobile:연락처>>", "처리 {office} <<office>>"),
        ("체류기간 연장 허가 신청 접수증", "신청인 {rname} 휴대폰 <<mobile:휴대폰>>", "접수번호 {receipt}", "담당 {office} <<office>>"),
        ("장애인 활동지원 신청서", "보호자 {name} <<mobile:보호자>>", "접수 {office}  <<office>>"),
        ("기초연금 신청 접수증", "신청인 {name} 휴대전화 <<mobile:휴대전화>>", "신청일 {date}", "관할 {office} ☎ <<office>>"),
    ),
    "booking": (
        ("[예약 확정] {biz}", "예약자 {name} / 연락처 <<mobile:연락처>>", "입실 12월 {day}일 15:00",
         "{biz} 사업자번호 <<brn:사업자번호>> / 관리동 <<footer>> / 통신판매업 제{year}-{region}-{n4}호"),
        ("{biz} 예약 안내", "무통장 입금: {bank} <<acct_biz>> ({biz})", "예약자 휴대폰 <<mobile:예약자 휴대폰>>",
         "상호 {biz} | 사업자등록번호 <<brn:사업자등록번호>> | 전화 <<footer>> | 통신판매업신고 {year}-{region}-{n4}"),
        ("주문 확인서", "주문자 {name} <<mobile:주문자>>", "입금계좌: {bank} <<acct_biz>> ({biz})",
         "판매자 {biz} 사업자등록번호 <<brn:사업자등록번호>> 사무실 <<footer>>"),
        ("캠핑장 이용 안내", "환불 계좌 {bank} <<acct:환불 계좌>> (예금주 {name})",
         "{biz} / 사업자 <<brn:사업자>> / 사무실 <<footer>> / 통신판매 {year}-{region}-{n4}"),
        ("견적서 보내드립니다", "입금처: {bank} <<acct_biz>> {biz}", "담당 {name} <<mobile:담당>>"),
        ("상품 발송 안내", "받는 분 {name} <<mobile:받는 분>>", "입금 계좌 {bank} <<acct_biz>> (예금주 {biz})",
         "{biz} 사업자번호 <<brn:사업자번호>> TEL <<footer>>"),
        ("[{biz}] 주문이 접수되었습니다", "결제 계좌 {bank} <<acct_biz>> ({biz})", "주문자 연락처 <<mobile:주문자 연락처>>",
         "사업자등록번호 <<brn:사업자등록번호>> · 매장 <<footer>> · 통신판매업 {year}-{region}-{n4}"),
        ("펜션 예약 확인", "예약자 {name} 님", "입금은 {bank} <<acct:입금은>> (예금주 {name}) 으로 해주세요",
         "{biz} 사업자 <<brn:사업자>> 문의 <<footer>>"),
        ("세무 기장 수수료 안내", "수수료 입금처 {bank} <<acct_biz>> {biz}", "고객 {name} 대표님 <<mobile:대표님>>"),
    ),
    "travel": (
        ("[여행자 정보 확인]", "Name: {pax}", "Passport No: <<passport:Passport No>>", "Date of Birth: <<dob:Date of Birth>>", "",
         "Flight {flight} {route} <<trip>>"),
        ("e-티켓 확인증", "승객 {pax} / 생년월일 <<dob:생년월일>>", "출발 <<trip>> {flight} {route}"),
        ("단체 여행 안내", "대표자 {name} 연락처 <<mobile:연락처>>", "생년월일: <<dob:생년월일>>", "탑승일 <<trip>> {flight}"),
        ("호텔 바우처", "투숙객 {pax}", "DOB <<dob:DOB>>", "입실 <<trip>> 15:00 / 퇴실 <<trip>> 11:00"),
        ("여행자보험 가입 확인", "피보험자 {name} 생년월일 <<dob:생년월일>>", "", "출국일 <<trip>> 귀국일 <<trip>>"),
        ("Booking details", "Date of birth: <<dob:Date of birth>>", "Departure <<trip>> {flight}"),
        ("항공권 예약 내역", "여권번호 <<passport:여권번호>>", "생년월일 <<dob:생년월일>>", "", "{flight} {route} <<trip>> 09:40 출발"),
        ("비자 신청 정보", "Birth Date: <<dob:Birth Date>>", "Arrival <<trip>> {flight}", "Departure <<trip>>"),
    ),
    "registry": (
        ("연구 참여 동의서", "과제번호: <<issued>>  IRB 승인번호: {irb}", "연구대상자 {name} 연락처 <<mobile:연락처>>"),
        ("면회 신청서", "면회 대상 장병: 이병 {name} 군번 <<svc>>", "신청인 휴대폰 <<mobile:신청인 휴대폰>>"),
        ("국민주택채권 매입 확인서", "매입번호 제<<bond>>호", "매입자 {name} 주민등록번호 <<rrn:주민등록번호>>"),
        ("연구비 지급 신청서", "연구과제번호 <<issued>>", "연구비 받을 계좌 {bank} <<acct:연구비 받을 계좌>> (예금주 {name})"),
        ("위문편지 보내기", "받는 장병 일병 {name} (군번 <<svc>>)", "보내는 사람 {name} <<mobile:보내는 사람>>"),
        ("채권 매입 영수증", "국민주택채권 매입번호 <<bond>>", "매입자 연락처 <<mobile:매입자 연락처>>"),
        ("과제 협약서", "과제 번호 <<issued>>", "연구책임자 {name} 휴대폰 <<mobile:휴대폰>>"),
        ("연구윤리 심의 결과 통보", "연구과제 번호: <<issued>> / 승인번호 {irb}", "연구자 연락처 <<mobile:연구자 연락처>>"),
        ("입영 통지 확인", "군번 <<svc>> 상병 {name}", "부모 연락처 <<mobile:부모 연락처>>"),
    ),
    "parcel": (
        ("네 내일 보내고 송장번호 드릴게요", "판매자 오후 {h}:{mm}", "우체국 <<track>> 입니다"),
        ("운송장번호 알려드려요", "우체국 <<track>>", "받는 분 연락처 <<mobile:받는 분 연락처>>"),
        ("택배 보냈어요~", "우체국 <<track>> 이에요", "입금은 {bank} <<acct:입금은>> {name} 으로 해주세요"),
        ("[중고거래] 발송 완료", "송장: 우체국 <<track>>", "구매자 {name} 님"),
        ("오늘 택배 접수했습니다", "구매자 {h}:{mm}", "감사합니다 송장 부탁드려요", "판매자 {h}:{mm}", "우체국 <<track>> 보냈어요"),
        ("송장번호 보내드립니다", "우체국 <<track>> 조회해 보세요", "혹시 안 오면 <<mobile:혹시 안 오면>> 로 연락주세요"),
        ("반품 택배 보냈습니다", "우체국 <<track>> 확인 부탁드려요", "환불 계좌 {bank} <<acct:환불 계좌>> (예금주 {name})"),
    ),
}
# The offices named at the end of a benefit application, with their branch's place.
CLOSING_OFFICES = ("{city} 고용센터", "고용센터", "국민연금공단 {city}지사", "국민연금공단 지사", "국민건강보험공단 {city}지사",
                   "{city}세무서 민원봉사실", "{city}세무서", "{gu}청", "{city}시청", "{city}군청", "역삼2동 행정복지센터",
                   "{city}등기소", "{city}지방법원", "{city}경찰서", "{gu} 보건소", "서울출입국·외국인청",
                   "{city}출입국·외국인사무소", "근로복지공단 {city}지사", "신사동 주민센터", "{city}고용노동지청")
CLOSING_CITIES = ("인천북부", "부산동부", "대구", "광주", "수원", "창원", "청주", "전주", "울산", "안산", "고양", "천안")
# Businesses that hold accounts and print footers: names ending in a business's word, or two words.
CLOSING_BUSINESSES = ("솔바람 글램핑", "하늘채 펜션", "초록들 캠핑장", "소담푸드", "리빙하우스 샵", "한결세무회계", "다온상사",
                      "푸른농원", "봄날공방", "달빛카페", "새벽마트", "온유스토어", "은하수 캠핑", "바른회계", "해뜰식당",
                      "숲속의 아침 펜션", "오늘의꽃 플라워", "맛있는 반찬가게", "별빛 글램핑", "정직한 정육점")
CLOSING_REGIONS = ("인천연수", "서울마포", "경기가평", "강원홍천", "부산해운대", "제주서귀포")
CLOSING_FLIGHTS = ("KE{n3}", "OZ{n3}", "LJ{n3}", "7C{n4}", "TW{n3}", "ZE{n3}", "BX{n3}")
CLOSING_ROUTES = ("ICN-NRT", "ICN-KIX", "GMP-CJU", "ICN-BKK", "PUS-FUK", "ICN-DAD", "CJU-GMP")
CLOSING_TRIP_STYLES = ("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{d:02d}{MON}{yy}", "{y}/{m:02d}/{d:02d}",
                       "{y}년 {m}월 {d}일")
CLOSING_LOOK_ALIKES = {"office": "public_office_line", "footer": "business_footer_line",
                       "acct_biz": "business_held_account", "trip": "trip_date_after_birth",
                       "issued": "registry_issued_number", "svc": "registry_issued_number",
                       "bond": "registry_issued_number", "track": "post_tracking_number"}

# --------------------------------------------------------------------------- scanned cards (OCR)

# Identity cards, licences and business cards as OCR reads a scan: line by line, the card's title
# now and then with one syllable wrong, a number's two halves on two lines (<<rrn>>, <<frn>>:
# 850312 / 1234567 or 850312 / -1234567), a mobile cut after its first group (<<mobile>>). The
# card's other numbers are look-alikes: its issue date (<<issued>>), postal code (<<postal>>).
SCAN_GENRE = "ocr_scans"
SCAN_SHARE = 0.06  # of the documents, from a stream of its own
SCAN_TITLES = {
    "resident": ("주민등록증", "주민등록증", "주민등륵증", "주민둥록증", "주빈등록증", "주민등록중", "쥬민등록증",
                 "주민등록즘"),
    "licence": ("운전면허증", "운전면허증", "운전먼허증", "운젼면허증", "운전면하증", "윤전면허증", "운전면허층"),
    "foreigner": ("외국인등록증", "외국인등록증", "외국인등륵증", "외극인등록증", "외국인둥록증", "왜국인등록증"),
}
SCAN_CARDS = {
    "resident": (("{title}", "{sname}", "<<rrn>>", "서울특별시 {gu} 테헤란로 {n}길 {n}", "<<issued>>", "{gu}청장"),
                 ("{title}", "{sname} ({name})", "<<rrn>>", "경기도 성남시 분당구 정자로 {n}", "<<issued>>"),
                 ("[스캔] {title}", "{sname}", "<<rrn>>", "<<postal>> 부산광역시 해운대구 센텀로 {n}", "<<issued>>", "해운대구청장"),
                 ("{title}", "성명 {name}", "<<rrn>>", "주소 대구광역시 수성구 동대구로 {n}", "<<issued>>"),
                 ("OCR 결과:", "{title}", "{sname}", "<<rrn>>", "인천광역시 연수구 컨벤시아대로 {n}", "<<issued>>")),
    "licence": (("{title}", "<<licence>>", "{sname}", "<<rrn>>", "서울 {gu} 도산대로 {n}", "적성검사기간", "<<issued>>",
                 "서울특별시경찰청장"),
                ("{title} 1종보통", "<<licence>>", "{name}", "<<rrn>>", "<<postal>> 경기도 수원시 팔달구 {n}", "<<issued>>"),
                ("{title}", "2종보통 <<licence>>", "{sname}", "<<rrn>>", "<<issued>>", "경기남부경찰청장"),
                ("자동차{title}", "{name}", "<<rrn>>", "<<licence>>", "<<issued>> 발급")),
    "foreigner": (("{title}", "<<frn>>", "{rname}", "국가 {nation}", "체류자격 {visa}", "<<issued>>"),
                  ("RESIDENCE CARD {title}", "{rname}", "<<frn>>", "{nation} / {visa}", "<<issued>>", "출입국외국인청장"),
                  ("{title}", "성명 {rname}", "<<frn>>", "<<issued>>", "{gu} 출입국사무소"),
                  ("{title} ({visa})", "<<frn>>", "{nation}", "<<issued>>")),
    "business": (("{company}", "{name} {title}", "{dept}", "<<mobile>>", "E. {host}@{host}.co.kr", "<<postal>> 서울시 {gu}"),
                 ("{company}", "{dept} | {name}", "<<mobile>>", "{host}.co.kr"),
                 ("{rname}", "{title_en}", "{company}", "<<mobile>>", "www.{host}.com"),
                 ("{name} / {title}", "<<mobile>>", "{company} {dept}", "<<postal>> 경기도 성남시 판교역로 {n}"),
                 ("[명함 스캔]", "{company}", "{name} {title}", "<<mobile>>")),
}
SCAN_MOBILE_LABELS = ("Mobile", "M.", "M", "H.P", "HP.", "휴대폰", "Cell", "Mob.", "핸드폰", "H.P.", "C.")
SCAN_ISSUED = ("{y}.{m}.{d}.", "{y}. {m}. {d}.", "발급일 {y}.{m:02d}.{d:02d}", "{y}.{m:02d}.{d:02d}",
               "{y}년 {m}월 {d}일", "발행 {y}. {m}. {d}")
SCAN_NEG_CATEGORIES = ("scan_issue_date", "scan_postal_code")

# --------------------------------------------------------------------------- ways of writing

# (writing, weight) by kind. Writings of one family share a prefix: english_*, dash_*,
# wrapped_*, hangul_*, masked_*, scan_* (only in scanned cards: weight 0 elsewhere).
WRITINGS = {
    "birth_date": (("english_day_month", 2), ("english_month_day", 2), ("english_ordinal", 1),
                   ("english_oracle", 1), ("english_korean_mix", 1.5), ("dash_eu", 1),
                   ("hangul_spoken", 1), ("masked_partly", 1), ("short_year_dot", 1.5),
                   ("korean_birth", 1), ("compact", 1), ("day_first", 1.5), ("numeric", 2),
                   ("hangul_date", 2), ("spaced_units", 0.7), ("resident_front", 1),
                   ("mrz", 0),  # only in a passport's machine-readable lines
                   ("url_encoded", 0), ("airline_date", 0),  # only in their genres (GENRE_WRITINGS)
                   # only in pasted_rows' cells
                   ("row_dotted", 0), ("row_short_dotted", 0), ("row_slashed", 0), ("row_iso", 0), ("row_compact", 0),
                   ("sheet_cell", 0), ("after_request", 0),  # only in sheet_exports
                   # only in copied_records: a roster's column, a bracketed answer
                   ("roster_yymmdd", 0), ("roster_dotted", 0), ("roster_compact", 0), ("bracketed_yymmdd", 0),
                   ("form_field", 0),  # only in registry_forms and closing_lines
                   ("docs_field", 0), ("beside_age", 0),  # only in ledgers_and_papers
                   ("row_reply", 0),  # only in announced_replies
                   ("masked_parts", 0),  # only in receipts_and_masks
                   ("directory_row", 0),  # only in chats_and_records
                   ("name_bracketed", 0), ("roster_reply", 0), ("chat_roster_reply", 0),  # only in births_beside_names
                   ("shifted_row", 0), ("crew_column", 0),  # only in contacts_and_columns
                   # only in rosters_by_column
                   ("aligned_column", 0), ("aligned_gap_row", 0), ("csv_column", 0), ("csv_overfull_row", 0),
                   # only in values_half_masked
                   ("masked_year_shown", 0), ("after_masked_name", 0), ("masked_after_masked_name", 0),
                   ("spaced_english_label", 0), ("label_prose_ending", 0)),  # only in places_and_prose
    "phone": (("scan_split", 0), ("dash_eu", 2), ("dash_other", 2), ("wrapped_hyphen", 1), ("wrapped_space", 1),
              ("hangul_spoken", 2), ("hangul_mixed", 1.5), ("masked_partly", 2),
              ("intl_variant", 1.5), ("masked_intl", 1), ("read_out_e", 1), ("safe_number", 2),
              ("no_leading_zero", 1.5), ("spaced_digits", 1), ("keycap", 0.7), ("letter_digits", 0.7),
              ("hangul_interleaved", 0.7), ("word_between", 0.7), ("dotted", 0.5), ("plain", 0.5),
              ("masked_tail", 0),  # only on a carrier's papers (010-1234-56**)
              ("glued_after_email", 0),  # the last two only after an e-mail
              ("url_encoded", 0),  # and in a query string
              ("landline", 0),  # only in their genres (GENRE_WRITINGS)
              ("compact", 0),  # 01023456789, as a kiosk keys it: only in member_log and member_roster
              ("sheet_no_zero", 0), ("after_request", 0),  # only in sheet_exports
              ("form_field", 0),  # only in registry_forms
              ("among_accounts", 0),  # only in ledgers_and_papers
              ("home_abroad", 0), ("roster_row", 0),  # only in workers_and_logs
              ("cash_receipt", 0), ("direct_line", 0), ("scanned_letters", 0),  # only in receipts_and_masks
              ("misread_scan", 0),  # only in misread_scans
              # only in contacts_and_columns
              ("message_target", 0), ("message_intl", 0), ("message_odd_groups", 0), ("shifted_row", 0),
              ("short_header_row", 0),
              ("signature_own_line", 0), ("english_own_line", 0), ("treasurer_line", 0),  # only in labels_apart
              ("aligned_column", 0), ("aligned_gap_row", 0), ("csv_column", 0),  # only in rosters_by_column
              ("place_own_line", 0), ("masked_place_own_line", 0)),  # only in places_and_prose
    "resident": (("scan_split", 0), ("scan_post2020", 0), ("dash_eu", 1.5), ("dash_other", 1), ("wrapped_hyphen", 1), ("hangul_spoken", 1),
                 ("masked_partly", 2), ("post2020", 1.5), ("read_out_e", 1), ("masked_short", 1),
                 ("front_sex", 1), ("url_encoded", 0), ("row_cell", 0),  # only in pasted_rows
                 ("after_request", 0),  # only in sheet_exports
                 ("form_field", 0),  # only in registry_forms
                 ("halves_apart", 0), ("roster_row", 0), ("identity_key", 0),  # only in workers_and_logs
                 ("scanned_letters", 0),  # only in receipts_and_masks
                 ("identity_check", 0),  # only in births_beside_names
                 ("misread_scan", 0),  # only in misread_scans
                 ("masked_crew_column", 0),  # only in contacts_and_columns
                 ("asked_for", 0),  # only in labels_apart
                 ("masked_row_back", 0),  # only in values_half_masked
                 ("misread_label", 0)),  # only in places_and_prose
    "foreigner_registration": (("scan_split", 0), ("dash_eu", 1), ("masked_partly", 1),
                               ("plain", 0),  # only in its genre
                               ("masked_cell", 0),  # only in ledgers_and_papers
                               ("halves_apart", 0),  # only in workers_and_logs
                               ("type_record", 0),  # only in chats_and_records
                               ("identity_check", 0),  # only in births_beside_names
                               ("misread_scan", 0)),  # only in misread_scans
    "credit_card": (("dash_eu", 1), ("dash_other", 1), ("wrapped_hyphen", 1), ("wrapped_space", 1.5),
                    ("masked_partly", 2), ("amex_grouped", 1),
                    ("roster_row", 0),  # only in workers_and_logs
                    ("masked_symbols_spaced", 0),  # only in chats_and_records
                    ("misread_scan", 0),  # only in misread_scans
                    ("masked_pay_column", 0),  # only in contacts_and_columns
                    ("masked_prose_ending", 0), ("amex_pay_column", 0)),  # only in places_and_prose
    "bank_account": (("dash_eu", 2), ("dash_other", 1.5), ("wrapped_hyphen", 1), ("wrapped_space", 1.5),
                     ("hangul_spoken", 1.5), ("masked_partly", 2), ("read_out_e", 0.7), ("plain", 0.3),
                     ("sheet_cell", 0), ("after_request", 0),  # only in sheet_exports
                     ("history_memo", 0),  # only in copied_records, after the other party's name
                     ("form_field", 0),  # only in registry_forms
                     ("ledger_spaced", 0), ("ledger_grouped", 0),  # only in ledgers_and_papers
                     ("estate_holder", 0),
                     ("roster_row", 0),  # only in workers_and_logs
                     ("announced_hyphen", 0),  # only in announced_replies
                     ("misread_scan", 0),  # only in misread_scans
                     ("asked_for", 0), ("personal_account", 0),  # only in labels_apart
                     ("label_prose_ending", 0)),  # only in places_and_prose
    "driver_license": (("scan_plain", 0), ("dash_eu", 1.5), ("dash_other", 1), ("region_named", 2), ("wrapped_hyphen", 1),
                       ("masked_partly", 1.5), ("dotted", 1.5), ("region_joined", 1.5), ("spaced", 1),
                       ("region_bracketed", 1), ("benefit_form", 0),  # only in ledgers_and_papers
                       ("identity_key", 0),  # only in workers_and_logs
                       ("announced_hyphen", 0), ("announced_plain", 0),  # only in announced_replies
                       ("masked_group", 0), ("masked_region", 0),  # only in receipts_and_masks
                       ("speaker_message", 0), ("type_record", 0), ("masked_type_record", 0),  # chats_and_records
                       ("identity_check", 0),  # only in births_beside_names
                       ("misread_scan", 0),  # only in misread_scans
                       ("asked_for", 0)),  # only in labels_apart
    "passport": (("masked_partly", 1), ("spaced_letter", 1), ("mrz", 2),
                 ("chat_answer", 0),  # only in births_beside_names' chat_rosters
                 ("row_old_format", 0), ("row_current", 0),  # only in pasted_rows
                 ("foreign", 0),  # another country's, only in sheet_exports
                 # only in copied_records: a roster's column, a form's nine digits
                 ("roster_old_format", 0), ("roster_current", 0), ("roster_foreign", 0), ("form_nine_digits", 0),
                 ("form_field", 0),  # only in registry_forms
                 ("docs_field", 0),  # only in ledgers_and_papers
                 ("identity_key", 0),  # only in workers_and_logs
                 ("announced", 0),  # only in announced_replies
                 ("masked_current", 0),  # only in receipts_and_masks
                 ("type_record", 0),  # only in chats_and_records
                 ("identity_check", 0),  # only in births_beside_names
                 ("misread_scan", 0),  # only in misread_scans
                 # only in contacts_and_columns
                 ("typed_lower", 0), ("typed_groups", 0), ("typed_current", 0), ("shifted_row", 0),
                 ("masked_shifted_row", 0),
                 ("asked_for", 0),  # only in labels_apart
                 # only in rosters_by_column
                 ("aligned_column", 0), ("aligned_gap_row", 0), ("masked_aligned_column", 0),
                 ("masked_aligned_gap_row", 0),
                 ("spaced_english_label", 0), ("label_prose_ending", 0)),  # only in places_and_prose
    "business_registration": (("plain", 0),  # only on organisations' papers and closing_lines
                              ("form_field", 0),  # only in registry_forms
                              ("benefit_form", 0),  # only in ledgers_and_papers
                              ("misread_scan", 0),  # only in misread_scans
                              # only in places_and_prose
                              ("masked_prose_ending", 0), ("misread_label", 0)),
    "email": (("obfuscated_words", 1.5), ("obfuscated_marks", 1.5), ("glued_digits", 1.5),
              ("masked_partly", 1), ("url_encoded", 0), ("at_word", 1), ("comma_dot", 1),
              ("form_field", 0),  # only in registry_forms
              ("shifted_row", 0), ("short_header_row", 0),  # only in contacts_and_columns
              ("signature_own_mail", 0),  # only in labels_apart
              ("aligned_column", 0), ("aligned_gap_row", 0),  # only in rosters_by_column
              ("masked_middle", 0)),  # only in values_half_masked
}
# Only in machine_keys (every kind under its column name) and chat_requests (an account, or a phone,
# answering the message before).
for _kind in MACHINE_KEYS:
    WRITINGS[_kind] += (("machine_key", 0),)
WRITINGS["bank_account"] += (("chat_answer", 0), ("masked_chat_answer", 0))
WRITINGS["phone"] += (("chat_answer", 0),)
# Only in labelled_scans: values a scan read partly as letters under their labels, the letters a
# passport's or an e-mail's own, and an account read out in spaced groups.
for _kind in ("birth_date", "phone", "bank_account", "resident", "driver_license", "business_registration",
              "credit_card"):
    WRITINGS[_kind] += (("labelled_scan", 0),)
WRITINGS["passport"] += (("scan_label_kept", 0),)
WRITINGS["email"] += (("scan_label_kept", 0),)
WRITINGS["bank_account"] += (("chat_spaced_answer", 0),)
# Only in licences_by_label: a licence under its label, of a region code the rules know or not.
WRITINGS["driver_license"] += (("label_known_region", 0), ("label_new_region", 0))
# Only in invitations_and_scans: gift accounts by a family's side, under an invitation's indirect
# label, in a guest list's column so headed; birth dates in Korean words a scan misread in part.
WRITINGS["bank_account"] += (("gift_side", 0), ("gift_label", 0), ("gift_column_hyphen", 0), ("gift_column_bare", 0),
                             ("gift_column_wide", 0), ("masked_gift_column", 0))
WRITINGS["birth_date"] += (("scanned_korean_date", 0),)
# Ways of writing a genre favours: a marketplace post dodges the site's filters, a business card
# and a signature write the number plainly or with dots.
GENRE_WRITINGS = {
    "marketplace": {"phone": (("spaced_digits", 2), ("keycap", 1.5), ("letter_digits", 1.5),
                              ("hangul_interleaved", 1.5), ("word_between", 1.5), ("hangul_spoken", 1),
                              ("read_out_e", 0.5), ("hangul_mixed", 0.5))},
    "business_card": {"phone": (("dotted", 2), ("intl_variant", 1), ("plain", 2))},
    "email_signature": {"phone": (("dotted", 1), ("intl_variant", 1), ("plain", 2))},
    "apartment_notice": {"phone": (("plain", 2), ("masked_partly", 1), ("dotted", 0.5)),
                         "bank_account": (("plain", 2), ("wrapped_space", 0.5))},
    # Values under a query key are percent-encoded; travel papers write dates of birth as airlines do.
    "access_log": {k: (("url_encoded", 1),) for k in ("email", "phone", "birth_date", "resident")},
    "travel": {"birth_date": (("airline_date", 1),)},
    "mail_header": {"email": (("at_word", 2), ("comma_dot", 1))},
    "mobile_contract": {"phone": (("masked_partly", 2), ("masked_tail", 2), ("plain", 1))},
    "stay_permit": {"foreigner_registration": (("masked_partly", 2), ("plain", 1), ("dash_eu", 0.3))},
    # A person's own landline (자택, 직통) beside an organisation's name.
    "institution_notice": {"phone": (("landline", 2), ("plain", 2), ("dotted", 0.3))},
}
KIND_WEIGHTS = {"birth_date": 2.5, "phone": 3.5, "resident": 2, "foreigner_registration": 0.5,
                "credit_card": 1.5, "bank_account": 2, "driver_license": 2, "passport": 1,
                "email": 1.2}
MASKED_PREFIX = "masked_"
# Kinds and writings a reader recognises without any label: the number keeps its shape.
UNLABELLED_OK = {
    "phone": {"dash_eu", "dash_other", "wrapped_hyphen", "masked_partly", "hangul_spoken",
              "glued_after_email", "safe_number"},
    "passport": {"mrz"},
    "birth_date": {"mrz"},
    "resident": {"dash_eu", "dash_other", "wrapped_hyphen", "masked_partly", "post2020"},
    "email": {"obfuscated_words", "obfuscated_marks", "glued_digits", "masked_partly"},
}
LICENSE_REGIONS = ("서울", "부산", "경기", "강원", "충북", "충남", "전북", "전남", "경북", "경남", "제주",
                   "대구", "인천", "광주", "대전", "울산", "경기북부")


def sino(n: int) -> str:
    """A number below 10,000 read with units: 1990 천구백구십, 15 십오, 10 십."""
    out = ""
    for unit, value in (("천", 1000), ("백", 100), ("십", 10)):
        k, n = divmod(n, value)
        if k:
            out += ("" if k == 1 else HANGUL_SPOKEN[k]) + unit
    return out + (HANGUL_SPOKEN[n] if n else "")


def spoken(digits: str, zero: str) -> str:
    """Digits read out in Hangul, with the given word for 0 (공 or 영)."""
    return "".join(zero if c == "0" else HANGUL_SPOKEN[int(c)] for c in digits)


def ean_check(body: list[int]) -> int:
    """The check digit of an EAN-13 barcode: weights 1 and 3 alternating over the first twelve."""
    return -sum(x * (3 if i % 2 else 1) for i, x in enumerate(body)) % 10


def mrz_check(field: str) -> str:
    """The check digit of a field of a machine-readable zone: weights 7, 3, 1 over digits, letters
    (A = 10) and fillers (< = 0)."""
    total = 0
    for i, c in enumerate(field):
        v = int(c) if c.isdigit() else ord(c) - ord("A") + 10 if c.isalpha() else 0
        total += v * (7, 3, 1)[i % 3]
    return str(total % 10)


def _spaced_digits(w: "_Ways", g: list[str]) -> str:
    """0 1 0 - 1 2 3 4 - 5 6 7 8: every digit set apart."""
    return w.r.choice((" - ", "  ", " ", "-")).join(" ".join(x) for x in g)


def _keycap(w: "_Ways", g: list[str]) -> str:
    """0️⃣1️⃣0️⃣ : keycap emoji digits, the groups joined as they come."""
    cap = lambda x: "".join(c + "\ufe0f\u20e3" for c in x)  # noqa: E731
    return w.r.choice(("-", " ", "", " - ")).join(cap(x) for x in g)


def _letter_digits(w: "_Ways", g: list[str]) -> str:
    """O1O-l234-5678: letters for some zeros and ones (at least one)."""
    r = w.r
    text = r.choice(("-", " ", "")).join(g)
    spots = [i for i, c in enumerate(text) if c in "01"]
    chosen = set(r.sample(spots, r.randrange(1, len(spots) + 1)))
    look = {"0": ("O", "o", "O"), "1": ("l", "I", "l")}
    return "".join(r.choice(look[c]) if i in chosen else c for i, c in enumerate(text))


def _hangul_interleaved(w: "_Ways", g: list[str]) -> str:
    """공1공 일234 5육78: digits and Hangul digits mixed one by one (at least one of each)."""
    r = w.r
    zero = r.choice(("공", "영"))
    while True:
        out = ["".join(spoken(c, zero) if r.random() < 0.5 else c for c in x) for x in g]
        joined = r.choice((" ", "-", "")).join(out)
        if any(c.isdigit() for c in joined) and any(not c.isascii() for c in joined):
            return joined


def _word_between(w: "_Ways", g: list[str]) -> str:
    """010 다음 1234 다음 5678, 010쩜1234쩜5678: a word where the hyphen goes."""
    word = w.r.choice(PHONE_JOIN_WORDS)
    gap = w.r.choice((" ", " ", ""))
    return f"{gap}{word}{gap}".join(g)


# Phones written to pass a marketplace's filter, by writing.
PHONE_DODGES = {"spaced_digits": _spaced_digits, "keycap": _keycap, "letter_digits": _letter_digits,
                "hangul_interleaved": _hangul_interleaved, "word_between": _word_between}
PHONE_JOIN_WORDS = ("다음", "쩜", "다시", "하고", "그리고", "띠", "대시", "에")


class _Ways:
    """Values in the ways of writing above, built on the groups of labelled._Values (valid check
    digits where a kind has them)."""

    def __init__(self, r: random.Random) -> None:
        self.r = r
        self.v = labelled._Values(r)

    def groups(self, kind: str) -> list[str]:
        v, r = self.v, self.r
        if kind in ("resident", "foreigner_registration"):
            return v._resident_groups(kind == "foreigner_registration")
        if kind == "phone":
            return v._phone_groups(r.random() < 0.5)
        if kind == "credit_card":
            return v._credit_card("hyphen").split("-")
        if kind == "bank_account":
            return v._bank_account("hyphen").split("-")
        if kind == "driver_license":
            return v._driver_license("hyphen").split("-")
        raise ValueError(kind)

    def pick_writing(self, kind: str) -> str:
        opts = WRITINGS[kind]
        return self.r.choices([w for w, _ in opts], [p for _, p in opts])[0]

    def join_writing(self, g: list[str], writing: str) -> str:
        r = self.r
        if writing == "dash_eu":
            return (r.choice((DASH_EU, f" {DASH_EU} ")) if r.random() < 0.2 else DASH_EU).join(g)
        if writing == "dash_other":
            return r.choice(DASH_OTHERS).join(g)
        if writing == "wrapped_hyphen":
            cut = r.randrange(1, len(g))
            return "-".join(g[:cut]) + "-\n" + "-".join(g[cut:])
        if writing == "wrapped_space":
            cut = r.randrange(1, len(g))
            return " ".join(g[:cut]) + r.choice((" \n", "\n")) + " ".join(g[cut:])
        if writing == "hangul_spoken":
            zero = r.choice(("공", "영"))
            return r.choice((" ", "-", " ")).join(spoken(x, zero) for x in g)
        if writing == "read_out_e":  # 공일공에 일이삼사에 오육칠팔, 010에 1234에 5678
            zero = r.choice(("공", "영"))
            return "에 ".join(spoken(x, zero) for x in g) if r.random() < 0.6 else "에 ".join(g)
        if writing == "hangul_mixed":
            k = r.randrange(len(g))
            return "-".join(spoken(x, r.choice(("공", "영"))) if i == k else x for i, x in enumerate(g))
        if writing == "masked_partly":
            return "-".join(self.mask_groups(g))
        return "-".join(g)

    def mask_groups(self, g: list[str]) -> list[str]:
        """Some digits hidden with one mask character, some left in clear."""
        r = self.r
        m = r.choice(MASK_CHARS)
        out = list(g)
        if len(g) == 2:  # resident: the back after its first digit
            out[1] = out[1][0] + m * (len(out[1]) - 1) if r.random() < 0.7 else out[1][:3] + m * 4
        elif len(g) == 3:
            out[1] = m * len(out[1])
        else:
            k = r.randrange(1, len(g) - 1)
            out[k] = m * len(out[k])
        return out

    def make(self, kind: str, writings=None) -> tuple[str, str]:
        """A value of the kind in one of its ways of writing; `writings` ((writing, weight), ...)
        narrows them, as a genre favours some."""
        if writings and self.r.random() < 0.8:
            writing = self.r.choices([w for w, _ in writings], [p for _, p in writings])[0]
        else:
            writing = self.pick_writing(kind)
        if writing == "url_encoded":
            return self.url_encoded(kind), writing
        return getattr(self, "_" + kind, self._grouped)(kind, writing), writing

    def url_encoded(self, kind: str) -> str:
        """A value as a query string carries it: reserved characters as %XX (either case of
        hex), spaces as + or %20."""
        r, v = self.r, self.v
        esc = (lambda c: f"%{ord(c):02X}") if r.random() < 0.8 else (lambda c: f"%{ord(c):02x}")
        if kind == "email":
            local = f"{r.choice(corpus.ROMAN)}{r.choice(('.', '_', ''))}{r.choice(corpus.ROMAN_SUR)}" \
                    f"{r.choice(('', str(r.randrange(70, 100))))}"
            return f"{local}{esc('@')}{r.choice(corpus.DOMAINS)}"
        if kind == "phone":
            g = v._phone_groups(r.random() < 0.8)
            n = [g[0][1:]] + g[1:]
            return r.choice((esc("-").join(g), "+".join(g), "%20".join(g), f"{esc('+')}82-{'-'.join(n)}",
                             f"{esc('+')}82{esc('-')}{esc('-').join(n)}", f"{esc('+')}82+{'+'.join(n)}",
                             f"{esc('(')}{g[0]}{esc(')')}{g[1]}{esc('-')}{g[2]}"))
        if kind == "birth_date":
            y, m, d = v.date(1940, 2012)
            return r.choice((f"{y}{esc('-')}{m:02d}{esc('-')}{d:02d}", f"{y}{esc('.')}{m:02d}{esc('.')}{d:02d}",
                             f"{y}{esc('/')}{m:02d}{esc('/')}{d:02d}", f"{y}%EB%85%84+{m}%EC%9B%94+{d}%EC%9D%BC"))
        if kind == "resident":
            return esc("-").join(v._resident_groups(False))
        raise ValueError(kind)

    def _grouped(self, kind: str, writing: str) -> str:
        if kind == "resident" and writing == "post2020":
            return "-".join(self.v._resident_groups(False, True))
        if kind == "resident" and writing == "masked_short":  # 900101-1***** : a mask a digit short
            front, back = self.v._resident_groups(False)
            return f"{front}-{back[0]}" + self.r.choice(MASK_CHARS) * self.r.choice((5, 5, 4))
        if kind == "resident" and writing == "front_sex":  # 900101-1 : the front half and the sex digit
            front, back = self.v._resident_groups(False)
            return f"{front}{self.r.choice(('-', '-', ' - ', ' '))}{back[0]}"
        if kind == "driver_license" and writing == "region_named":
            g = self.groups(kind)
            return self.r.choice(LICENSE_REGIONS) + self.r.choice((" ", "")) + "-".join(g[1:])
        if kind == "driver_license" and writing == "region_joined":
            # The region name joined like the groups: 부산-12-345678-90, 서울.12.345678.90
            g = self.groups(kind)
            sep = self.r.choice(("-", "-", ".", " "))
            return self.r.choice(LICENSE_REGIONS) + sep + sep.join(g[1:])
        if kind == "driver_license" and writing == "region_bracketed":  # (서울) 12-345678-90
            g = self.groups(kind)
            return f"({self.r.choice(LICENSE_REGIONS)}){self.r.choice((' ', ''))}" + "-".join(g[1:])
        if kind == "driver_license" and writing in ("dotted", "spaced"):
            sep = "." if writing == "dotted" else self.r.choice((" ", " ", " - "))
            return sep.join(self.groups(kind))
        if kind == "credit_card" and writing == "amex_grouped":
            body = [3, self.r.choice((4, 7))] + [int(c) for c in self.v.digits(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return self.r.choice((" ", "-")).join((s[:4], s[4:10], s[10:]))
        return self.join_writing(self.groups(kind), writing)

    def _phone(self, kind: str, writing: str) -> str:
        r = self.r
        if writing == "intl_variant":
            g = self.v._phone_groups(r.random() < 0.7)
            n = [g[0][1:]] + g[1:]
            return r.choice((f"+82 (0){g[0][1:]}-{g[1]}-{g[2]}", f"+82.{'.'.join(n)}",
                             f"+82 {n[0]}-{n[1]}-{n[2]}", f"82-{'-'.join(n)}", f"+82-{n[0]} {n[1]} {n[2]}",
                             f"(+82){'-'.join(n)}"))
        if writing == "masked_intl":  # +82-10-****-5678, as receipts and account pages show it
            g = self.v._phone_groups(r.random() < 0.7)
            n = [g[0][1:]] + g[1:]
            ch = r.choice(MASK_CHARS)
            n[1] = ch * len(n[1]) if r.random() < 0.7 else n[1][:2] + ch * (len(n[1]) - 2)
            return r.choice((f"+82-{'-'.join(n)}", f"+82 {' '.join(n)}", f"+82 {n[0]}-{n[1]}-{n[2]}",
                             f"+82){'-'.join(n)}", f"0082-{'-'.join(n)}"))
        if writing == "safe_number":  # 0504-1234-5678: a virtual number a platform gives
            prefix = "050" + r.choice("2345678")
            g = [prefix, self.v.digits(4) if r.random() < 0.75 else str(r.randrange(2, 10)) + self.v.digits(2),
                 self.v.digits(4)]
            return r.choice(("-", "-", "-", " ", "", ".")).join(g) if r.random() < 0.9 else \
                f"({g[0]}) {g[1]}-{g[2]}"
        if writing in PHONE_DODGES:
            return PHONE_DODGES[writing](self, self.v._phone_groups(r.random() < 0.8))
        if writing == "masked_tail":  # 010-1234-56**: the last digits hidden
            g = self.v._phone_groups(True)
            k = r.choice((2, 2, 4))
            return "-".join(g[:2] + [g[2][:4 - k] + r.choice(MASK_CHARS[:4]) * k])
        if writing == "landline":  # a home's or a desk's number: an area code, not a mobile
            g = self.v._phone_groups(False)
            while not g[0].startswith("0") or g[0][:2] == "01":
                g = self.v._phone_groups(False)
            return r.choice(("-", "-", ".", " ")).join(g)
        if writing == "dotted":  # 010.1234.5678, as cards and signatures print it
            return ".".join(self.v._phone_groups(r.random() < 0.6))
        if writing == "no_leading_zero":  # the national number without its 0 (10-1234-5678)
            g = self.v._phone_groups(r.random() < 0.8)
            while g[0] == "02":  # Seoul's 2 alone is too short a number to be read so
                g = self.v._phone_groups(False)
            g[0] = g[0][1:]
            return r.choice(("-", "-", " ", ".")).join(g)
        return self._grouped(kind, writing)

    def _birth_date(self, kind: str, writing: str) -> str:
        r = self.r
        y, m, d = self.v.date(1940, 2012)
        mon = MONTHS[m - 1]
        short = mon[:3]
        if writing == "english_day_month":
            return r.choice((f"{d} {short} {y}", f"{d:02d} {short} {y}", f"{d} {mon} {y}",
                             f"{d}-{short}-{y}", f"{d} {short}. {y}"))
        if writing == "english_month_day":
            return r.choice((f"{short}. {d}, {y}", f"{mon} {d}, {y}", f"{short} {d} {y}",
                             f"{short} {d:02d}, {y}", f"{mon} {d} {y}"))
        if writing == "english_ordinal":
            suffix = "th" if 11 <= d <= 13 else {1: "st", 2: "nd", 3: "rd"}.get(d % 10, "th")
            return r.choice((f"{mon} {d}{suffix}, {y}", f"{d}{suffix} {mon} {y}",
                             f"{d}{suffix} of {mon}, {y}"))
        if writing == "english_oracle":
            return r.choice((f"{d:02d}-{short.upper()}-{y}", f"{d:02d}-{short.upper()}-{y % 100:02d}",
                             f"{d:02d}{short.upper()}{y}"))
        if writing == "english_korean_mix":
            return r.choice((f"{y}년 {short} {d}일", f"{short} {d}일 {y}년", f"{d} {short} {y}년",
                             f"{y}년 {mon} {d}일"))
        if writing == "dash_eu":
            return f"{y}{DASH_EU}{m:02d}{DASH_EU}{d:02d}"
        if writing == "hangul_spoken":
            zero = r.choice(("공", "영"))
            return f"{spoken(str(y), zero)} {spoken(f'{m:02d}', zero)} {spoken(f'{d:02d}', zero)}"
        if writing == "masked_partly":
            ch = r.choice(MASK_CHARS)
            return r.choice((f"{y}-{ch * 2}-{ch * 2}", f"{y}.{m:02d}.{ch * 2}", f"{y % 100:02d}{m:02d}{ch * 2}"))
        yy = y % 100
        if writing == "short_year_dot":  # '90.1.1, 90. 1. 1.
            return r.choice((f"'{yy:02d}.{m}.{d}", f"{yy:02d}.{m}.{d}.", f"'{yy:02d}. {m}. {d}.",
                             f"{yy:02d}.{m:02d}.{d:02d}", f"'{yy:02d}.{m:02d}.{d:02d}", f"{yy:02d}/{m}/{d}"))
        if writing == "korean_birth":  # 1990년 1월 1일생, 90년 1월 1일 출생
            return r.choice((f"{y}년 {m}월 {d}일생", f"{yy:02d}년 {m}월 {d}일생", f"{y}년 {m}월 {d}일 출생",
                             f"{y}년{m}월{d}일생"))
        if writing == "compact":
            return r.choice((f"{y}{m:02d}{d:02d}", f"{yy:02d}{m:02d}{d:02d}"))
        if writing == "resident_front":  # under a label of the resident number's front half
            return f"{yy:02d}{m:02d}{d:02d}"
        if writing == "spaced_units":  # 1990 년 1 월 15 일
            return r.choice((f"{y} 년 {m} 월 {d} 일", f"{y} 년 {m:02d} 월 {d:02d} 일", f"{yy:02d} 년 {m} 월 {d} 일"))
        if writing == "hangul_date":  # 천구백구십년 삼월 십오일, 1990년 유월 십일, 일구구공년 일월 일일
            return self.hangul_date(y, m, d)
        if writing == "day_first":  # 13/01/1990, 13.01.1990, 13-01-1990; American 01.13.1990
            return r.choice((f"{d:02d}/{m:02d}/{y}", f"{d}.{m}.{y}", f"{d:02d}-{m:02d}-{y}", f"{d:02d}.{m:02d}.{y}",
                             f"{m:02d}.{d:02d}.{y}", f"{m}-{d}-{y}", f"{d}/{m}/{y}"))
        if writing == "airline_date":  # 15MAR1986, 15 MAR 86, 15MAR86: day, month's three letters, year
            up = short.upper()
            return r.choice((f"{d:02d}{up}{y}", f"{d:02d} {up} {yy:02d}", f"{d:02d}{up}{yy:02d}",
                             f"{d:02d} {up} {y}", f"{d}{up}{y}", f"{d:02d}{short}{y}"))
        if writing == "numeric":  # the usual forms, for the cues beside them
            return r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}.{m}.{d}", f"{y}/{m:02d}/{d:02d}",
                             f"{y}. {m}. {d}.", f"{y}.{m:02d}.{d:02d}."))
        raise ValueError(writing)

    def hangul_date(self, y: int, m: int, d: int) -> str:
        """A date with its numbers in Hangul numerals (the year may stay in digits), read with
        units (십오) or digit by digit (일오); June and October have their own names."""
        r = self.r
        zero = r.choice(("공", "영"))
        x = r.random()
        if x < 0.25:
            year = str(y)
        elif x < 0.55:
            year = sino(y)
        elif x < 0.8:
            year = spoken(str(y), zero)
        else:
            year = r.choice((sino(y % 100), spoken(f"{y % 100:02d}", zero))) if y % 100 >= 10 else sino(y)
        month = {6: "유", 10: "시"}.get(m, sino(m)) if r.random() < 0.8 else sino(m)
        day = sino(d) if r.random() < 0.75 else spoken(str(d), zero)
        gap = r.choice((" ", " ", " ", " ", ""))
        return f"{year}년{gap}{month}월{gap}{day}일" + r.choice(("", "", "생"))

    def _passport(self, kind: str, writing: str) -> str:
        r = self.r
        body = r.choice("MSRDG") + self.v.digits(8)
        if writing == "mrz":  # the number of the old format or of the current one (M123A4567)
            return body if r.random() < 0.5 else \
                body[:4] + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + body[5:]
        if writing == "masked_partly":
            ch = r.choice(("*", "●", "X", "#"))
            return body[:4] + ch * 4 + body[8:]
        return body[0] + " " + body[1:5] + " " + body[5:]

    def _email(self, kind: str, writing: str) -> str:
        r = self.r
        local = f"{r.choice(corpus.ROMAN)}{r.choice(('.', '_', ''))}{r.choice(corpus.ROMAN_SUR)}" \
                f"{r.choice(('', str(r.randrange(70, 100))))}"
        host, _, tld = r.choice(corpus.DOMAINS).partition(".")
        if writing == "obfuscated_words":
            at, dot = r.choice((("at", "dot"), ("AT", "DOT"), ("골뱅이", "점"), ("앳", "닷")))
            if r.random() < 0.2:
                return f"{local}({at}){host}.{tld}"
            return f"{local} {at} {host} {dot} " + tld.replace(".", f" {dot} ")
        if writing == "obfuscated_marks":
            return r.choice((f"{local}[@]{host}.{tld}", f"{local} (at) {host} (dot) {tld}",
                             f"{local}＠{host}．{tld}", f"{local} @ {host} . {tld}",
                             f"{local}{{at}}{host}{{dot}}{tld}", f"{local}@{host}[.]{tld}"))
        if writing == "glued_digits":
            return f"{local}@{host}.{tld}"  # the digits glued after it are written by the caller
        if writing == "at_word":  # hong at naver.com: the at-mark as a word, the dots left as they are
            return f"{local} {r.choice(('at', 'at', 'AT'))} {host}.{tld}"
        if writing == "comma_dot":  # hong@nate,com: a fax's OCR reads a dot of the domain as a comma
            parts = f"{host}.{tld}".split(".")
            k = r.randrange(1, len(parts))
            joined = ".".join(parts[:k]) + "," + (r.choice((".", ",")).join(parts[k:]))
            return f"{local}@{joined}"
        if writing == "masked_partly":
            ch = r.choice(("*", "●", "x", "#"))
            return f"{local[:3]}{ch * max(3, len(local) - 3)}@{host}.{tld}"
        raise ValueError(writing)

    # ------------------------------------------------------------------ look-alikes

    def negative(self, category: str, phrase: str = "") -> str:
        r, v = self.r, self.v
        d = v.digits
        if category in ("day_first_event", "age_limit_date"):
            y, m, dd = v.date(2019, 2027)
            if category == "age_limit_date":
                return r.choice((f"{y}.{m:02d}.{dd:02d}", f"{y}-{m:02d}-{dd:02d}", f"{y}.{m}.{dd}"))
            return r.choice((f"{dd:02d}/{m:02d}/{y}", f"{dd}.{m}.{y}", f"{dd:02d}-{m:02d}-{y}",
                             f"{dd:02d}.{m:02d}.{y}"))
        if category == "licence_class_other":  # what the phrase names: a date, a fee or a number
            y, m, dd = v.date(2019, 2026)
            if "일 [[{v}]]" in phrase:
                return r.choice((f"{y}.{m:02d}.{dd:02d}", f"{y}-{m:02d}-{dd:02d}", f"{y}. {m}. {dd}."))
            if "수강료" in phrase:
                return f"{r.randrange(300, 999)},000"
            return r.choice((lambda: f"{d(2)}-{d(2)}-{d(6)}-{d(2)}", lambda: d(12), lambda: f"{y}-{d(6)}"))()
        if category == "company_number":
            sep = r.choice(("-", "-", "-", DASH_EU, " ", "."))
            return r.choice((
                lambda: f"{r.choice(('1566', '1588', '1577', '1644', '1661', '1600', '1800', '1899', '1522', '1670'))}{sep}{d(4)}",
                lambda: f"080{sep}{d(3)}{sep}{d(4)}", lambda: f"080{sep}{d(4)}{sep}{d(4)}",
                lambda: f"02{sep}{r.randrange(2, 10)}{d(3)}{sep}{d(4)}",
                lambda: f"0{r.choice(('31', '51', '42', '2'))}{sep}{r.randrange(2, 10)}{d(2)}{sep}{d(4)}"))()
        if category == "imei":
            body = [3, 5] + [int(c) for c in d(12)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return r.choice((s, f"{s[:2]}-{s[2:8]}-{s[8:14]}-{s[14]}", f"{s[:8]} {s[8:14]} {s[14]}"))
        if category == "serial_number":
            return r.choice((lambda: d(12), lambda: d(14), lambda: f"{d(4)}-{d(4)}-{d(4)}",
                             lambda: f"{d(3)}-{d(2)}-{d(5)}", lambda: f"{d(6)}-{d(7)}", lambda: d(10),
                             lambda: f"{d(4)} {d(4)} {d(4)} {d(4)}"))()
        if category == "mac_address":
            hexd = "0123456789ABCDEF" if r.random() < 0.5 else "0123456789"
            octets = ["".join(r.choice(hexd) for _ in range(2)) for _ in range(6)]
            return r.choice(":-").join(octets) if r.random() < 0.8 else \
                ".".join("".join(octets[i:i + 2]) for i in (0, 2, 4))
        if category == "tracking_number":
            return r.choice((lambda: d(12), lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: d(13),
                             lambda: f"{d(3)}-{d(4)}-{d(4)}", lambda: f"{d(4)} {d(4)} {d(4)}"))()
        if category == "english_date_event":
            y, m, dd = v.date(2018, 2026)
            mon = MONTHS[m - 1]
            return r.choice((f"{dd} {mon[:3]} {y}", f"{mon[:3]}. {dd}, {y}", f"{mon} {dd}, {y}",
                             f"{dd:02d}-{mon[:3].upper()}-{y}"))
        if category == "certificate_number":
            y = r.randrange(2005, 2026)
            return r.choice((lambda: f"{y}-{d(6)}", lambda: f"{y % 100:02d}{d(9)}",
                             lambda: f"제{y}-{d(5)}호", lambda: f"{d(2)}-{d(6)}-{d(2)}"))()
        if category == "short_date_event":
            y, m, dd = v.date(2019, 2026)
            yy = y % 100
            return r.choice((f"'{yy:02d}.{m}.{dd}", f"{yy:02d}.{m:02d}.{dd:02d}", f"'{yy:02d}. {m}. {dd}.",
                             f"{yy:02d}.{m}.{dd}."))
        if category == "numbers_on_two_lines":
            return r.choice((lambda: f"{d(4)} {d(4)}\n{d(4)} {d(4)}", lambda: f"{d(3)} {d(3)}\n{d(6)}",
                             lambda: f"{d(4)}\n{d(4)}", lambda: f"{d(2)} {d(3)}\n{d(4)} {d(2)}"))()
        if category == "hangul_date_event":
            y, m, dd = v.date(2019, 2027)
            return self.hangul_date(y, m, dd).removesuffix("생")
        if category == "numbers_with_e":
            return "에 ".join(str(r.randrange(10, 2000)) for _ in range(r.choice((2, 3, 3))))
        if category == "card_prefix":
            return r.choice(("4", "5", "9", "3")) + d(5)
        if category == "barcode":
            body = [8, 8, 0] + [int(c) for c in d(9)]
            s = "".join(map(str, body + [ean_check(body)]))
            return r.choice((s, s, s, f"{s[0]} {s[1:7]} {s[7:]}", f"{s[:3]}-{s[3:7]}-{s[7:]}"))
        if category == "broker_registration":
            area = r.choice(("11650", "11680", "41135", "26350", "11440", "41465", "28185", "30200"))
            y = r.randrange(2005, 2026)
            return r.choice((f"{area}-{y}-{d(5)}", f"{area}-{y}-{d(5)}", f"{area}{y}{d(5)}",
                             f"제{area}-{y}-{d(5)}호", f"{y}-{area}-{d(5)}", f"{area}-{y % 100:02d}-{d(5)}"))
        if category == "apartment_unit":
            dong, ho = r.randrange(101, 120), f"{r.randrange(1, 30)}{r.randrange(1, 5):02d}"
            return r.choice((f"{dong}-{ho}", f"{dong}동 {ho}", f"{dong}동{ho}", f"{dong}-{ho}"))
        if category == "office_number":
            sep = r.choice(("-", "-", ")", ".", " "))
            return r.choice((lambda: f"0{r.choice(('2', '31', '32', '51', '42'))}{sep}{r.randrange(2, 10)}{d(2)}{sep}{d(4)}",
                             lambda: f"02{sep}{r.randrange(2, 10)}{d(3)}{sep}{d(4)}"))()
        if category == "institution_phone":  # a landline; an organisation's mobile is not its desk's
            sep = r.choice(("-", "-", "-", ")", ".", " "))
            return r.choice((lambda: f"0{r.choice(('2', '31', '32', '51', '42', '53', '62'))}{sep}{r.randrange(2, 10)}{d(2)}{sep}{d(4)}",
                             lambda: f"02{sep}{r.randrange(2, 10)}{d(3)}{sep}{d(4)}",
                             lambda: f"0{r.choice(('31', '51', '64'))}{sep}{r.randrange(2, 10)}{d(3)}{sep}{d(4)}"))()
        if category == "company_account":
            return r.choice((lambda: f"{d(3)}-{d(2)}-{d(6)}", lambda: f"{d(3)}-{d(6)}-{d(2)}-{d(3)}",
                             lambda: f"{d(4)}-{d(3)}-{d(6)}", lambda: f"{d(6)}-{d(2)}-{d(6)}",
                             lambda: f"{d(3)}-{d(3)}-{d(6)}", lambda: f"{d(3)}-{d(4)}-{d(4)}-{d(2)}"))()
        if category in ("patient_number", "member_number", "booking_number", "merchant_number"):
            return self.number_of_record(category)
        if category == "query_value":
            return self.query_value(phrase)
        if category == "travel_date":
            y, m, dd = v.date(2024, 2028)
            mon = MONTHS[m - 1][:3].upper()
            return r.choice((f"{dd:02d}{mon}{y % 100:02d}", f"{dd:02d}{mon}{y}", f"{dd:02d} {mon} {y % 100:02d}",
                             f"{dd:02d}{mon}", f"{dd} {mon} {y}"))
        if category == "e_ticket_number":
            code = r.choice(("180", "988", "081", "160", "618", "297", "131", "016", "205", "176"))
            return r.choice((f"{code}-{d(10)}", f"{code}{d(10)}", f"{code} {d(10)}", f"{code}-{d(4)}-{d(6)}",
                             f"{code}-{d(10)}-{r.randrange(1, 4)}"))
        if category == "insurance_policy":
            return r.choice((lambda: d(10), lambda: d(12), lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: f"L{d(11)}",
                             lambda: f"{d(3)}-{d(7)}", lambda: d(13), lambda: f"{d(6)}-{d(7)}",
                             lambda: f"{d(2)}-{d(2)}-{d(6)}-{d(2)}", lambda: f"{r.randrange(2015, 2027)}-{d(7)}"))()
        if category == "donation_receipt":
            y = r.randrange(2018, 2027)
            return r.choice((lambda: f"{y}-{d(6)}", lambda: d(10), lambda: f"{y}{d(6)}", lambda: f"제{y}-{d(5)}호",
                             lambda: f"{d(3)}-{d(2)}-{d(5)}", lambda: f"{y}-{d(3)}-{d(6)}"))()
        if category == "registry_number":
            y = r.randrange(2015, 2027)
            return r.choice((lambda: f"{d(4)}-{y}-{d(6)}", lambda: f"{d(4)}{y}{d(6)}", lambda: f"제{d(5)}호",
                             lambda: f"{y}-{d(6)}", lambda: f"{d(4)}-{d(4)}-{d(6)}", lambda: f"{d(2)}-{d(5)}-{d(7)}"))()
        if category == "call_recording":
            y, m, dd = v.date(2024, 2027)
            return r.choice((lambda: f"{y}{m:02d}{dd:02d}-{d(6)}", lambda: f"{y}{m:02d}{dd:02d}{d(6)}",
                             lambda: f"REC{d(10)}", lambda: f"{d(4)}{d(9)}", lambda: f"{y}{m:02d}{dd:02d}_{d(4)}_{d(8)}",
                             lambda: f"{d(3)}-{d(4)}-{d(4)}-{d(3)}",
                             lambda: f"{y}{m:02d}{dd:02d}-{r.randrange(24):02d}{r.randrange(60):02d}-{d(4)}"))()
        if category == "blood_donation":
            centre, y = f"{r.randrange(1, 17):02d}", f"{r.randrange(15, 27):02d}"
            return r.choice((f"{centre}-{y}-{d(6)}", f"{centre}-{y}-{d(6)}", f"{centre}{y}{d(6)}",
                             f"{centre} {y} {d(6)}", f"{centre}-{y}-{d(7)}"))
        if category == "pet_registration":
            s = "410" + d(12) if r.random() < 0.7 else d(15)
            return r.choice((s, s, f"{s[:3]} {s[3:9]} {s[9:]}", f"{s[:3]}-{s[3:]}"))
        if category == "processing_number":
            y = r.randrange(2019, 2027)
            return r.choice((lambda: d(13), lambda: d(13), lambda: f"{y}{d(9)}", lambda: f"{y}-{d(9)}",
                             lambda: f"{d(4)}-{d(4)}-{d(5)}", lambda: f"{y}{r.randrange(1, 13):02d}{d(7)}"))()
        if category == "carrier_number":
            return r.choice((lambda: "8982" + d(15), lambda: "898205" + d(13), lambda: d(10), lambda: d(12),
                             lambda: f"{d(3)}-{d(4)}-{d(4)}", lambda: f"5{d(9)}", lambda: d(13)))()
        if category == "postal_code":
            return r.choice((f"0{r.randrange(1, 10)}{d(3)}", f"{r.randrange(10, 64)}{d(3)}",
                             f"{r.randrange(100, 800)}-{d(3)}", f"0{r.randrange(1, 10)}{d(3)}"))
        if category == "csv_joined":
            y, m, dd = v.date(2019, 2026)
            return r.choice((f"{y}-{m:02d}-{dd:02d},{r.randrange(10000, 99999)}",
                             f"{r.randrange(100, 999)},{d(4)},{d(4)}", f"{d(6)},{d(7)}"))
        if category == "kiosk_issued_number":  # never a mobile's digits: dates, 8 to 12 digits
            y, m, dd = v.date(2024, 2027)
            return r.choice((lambda: f"{y}{m:02d}{dd:02d}{d(4)}", lambda: str(r.randrange(2, 10)) + d(7),
                             lambda: f"{y}{m:02d}{dd:02d}-{d(5)}", lambda: "3" + d(8), lambda: f"T{d(11)}"))()
        if category == "kiosk_member_card":
            return r.choice((lambda: "M" + d(7), lambda: str(r.randrange(2, 10)) + d(7),
                             lambda: f"{r.randrange(1000, 10000)}-{d(4)}-{d(4)}", lambda: "2" + d(9)))()
        if category == "card_approval":  # an approval number or a running total, by what the phrase says
            if "누적" in phrase or "한도" in phrase:
                return f"{r.randrange(1, 30)},{d(3)},{d(3)}" if r.random() < 0.7 else f"{r.randrange(100, 999)},{d(3)}"
            return r.choice((lambda: d(8), lambda: "3" + d(7), lambda: d(6)))()
        if category == "bank_alert_reference":
            if "인증" in phrase or "코드" in phrase:
                return d(r.choice((4, 6, 6)))
            y, m, dd = v.date(2024, 2027)
            return r.choice((lambda: f"{y}{m:02d}{dd:02d}-{d(8)}", lambda: d(12), lambda: f"{d(4)}-{d(6)}",
                             lambda: d(10), lambda: f"{y}{m:02d}{dd:02d}{d(6)}"))()
        return v.negative(category)

    def query_value(self, phrase: str) -> str:
        """A value of a query string that names nothing personal, percent-encoded: a time, a
        path, an amount, a range of dates or a code, as its key says."""
        r, v, d = self.r, self.v, self.v.digits
        y, m, dd = v.date(2024, 2027)
        hh, mm = r.randrange(24), r.randrange(60)
        key = phrase.split("=")[0]
        if key in ("ts", "created_at", "since"):
            return r.choice((f"{y}-{m:02d}-{dd:02d}T{hh:02d}%3A{mm:02d}%3A{d(2)}%2B09%3A00",
                             f"{y}-{m:02d}-{dd:02d}%20{hh:02d}%3A{mm:02d}%3A{d(2)}",
                             f"{y}{m:02d}{dd:02d}%20{hh:02d}%3A{mm:02d}%3A{d(2)}"))
        if key in ("redirect_uri", "next", "return_url"):
            return r.choice((f"%2Fmypage%2Forders%2F{d(8)}", f"https%3A%2F%2Fshop.example.kr%2Fgoods%3Fno%3D{d(7)}",
                             f"%2Fboard%2Fview%3Fid%3D{d(6)}%26page%3D{r.randrange(1, 20)}"))
        if key == "amount":
            return f"{r.randrange(1, 900)}%2C{d(3)}"
        if key == "range":
            return f"{y}.{m:02d}.{dd:02d}%7E{y}.{m:02d}.{dd:02d}"
        return r.choice((f"{y}%2D{d(6)}", f"SALE{d(6)}%21", f"{r.randrange(1000, 10000)}%2D{d(4)}%2D{d(4)}",
                         f"{y}{m:02d}{dd:02d}%2D{d(5)}"))

    def number_of_record(self, category: str) -> str:
        """A hospital's, a shop's, a club's or a booking's number: bare digits of the lengths
        personal numbers have, half the ten-digit ones with a business number's check digit and
        the sixteen-digit ones with a card's."""
        r, d = self.r, self.v.digits
        business = lambda: self.v._business_registration("plain")  # noqa: E731
        ten = lambda: business() if r.random() < 0.5 else d(10)  # noqa: E731

        def card16(sep: str) -> str:
            body = [r.choice((9, 6, 5, 4))] + [int(c) for c in d(14)]
            s = "".join(map(str, body + [corpus.luhn_check(body)]))
            return sep.join((s[:4], s[4:8], s[8:12], s[12:]))
        makers = {
            "patient_number": (lambda: d(8), ten, lambda: f"{d(2)}-{d(6)}", lambda: d(9), lambda: "0" + d(7)),
            "member_number": (ten, lambda: d(12), lambda: card16(r.choice(("-", " ", ""))), lambda: d(13)),
            "booking_number": (ten, lambda: d(12), lambda: f"{d(4)}-{d(4)}-{d(4)}", lambda: f"{d(5)}-{d(4)}-{d(5)}-{d(2)}",
                               lambda: d(14), lambda: card16("")),
            "merchant_number": (ten, ten, lambda: d(8), lambda: d(9), lambda: d(10)),
        }
        return r.choice(makers[category])()


# --------------------------------------------------------------------------- documents

class _Builder:
    def __init__(self, part: str, seed: int) -> None:
        self.part = part
        self.r = random.Random(seed)
        self.w = _Ways(self.r)

    def pool(self, name: str, items) -> tuple:
        return labelled.share("ways:" + name, items, "heldout" if self.part == PARTS[1] else "tuning")

    def pick(self, name: str, items) -> str:
        return self.r.choice(self.pool(name, items))

    def fill(self, s: str, age: int | None = None) -> str:
        r = self.r
        if age is None:
            age = r.randrange(19, 80)
        s = (s.replace("{name}", r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                 .replace("{product}", r.choice(corpus.PRODUCTS)).replace("{courier}", r.choice(COURIERS))
                 .replace("{age}", str(age)).replace("{sex}", r.choice(SEXES))
                 .replace("{n}", str(r.randrange(1, 30))).replace("{cls}", r.choice(LICENSE_CLASSES))
                 .replace("{bank_en}", r.choice(BANKS_EN)).replace("{bank}", r.choice(BANKS))
                 .replace("{amount}", f"{r.randrange(1, 900) * 100:,}").replace("{gu}", r.choice(GU))
                 .replace("{mmdd}", f"{r.randrange(1, 13):02d}/{r.randrange(1, 29):02d}")
                 .replace("{hhmm}", f"{r.randrange(0, 24):02d}:{r.randrange(0, 60):02d}")
                 .replace("{date}", f"{r.randrange(2015, 2026)}.{r.randrange(1, 13)}.{r.randrange(1, 29)}.")
                 .replace("{n4}", self.w.v.digits(4)).replace("{h}", str(r.randrange(1, 13)))
                 .replace("{mm}", f"{r.randrange(0, 60):02d}").replace("{day}", str(r.randrange(1, 28)))
                 .replace("{unit}", f"{r.randrange(101, 115)}동 {r.randrange(1, 25)}{r.randrange(1, 5):02d}")
                 .replace("{apt}", r.choice(APARTMENTS)).replace("{company}", r.choice(COMPANIES))
                 .replace("{title}", r.choice(TITLES)).replace("{dept}", r.choice(DEPARTMENTS))
                 .replace("{title_en}", r.choice(TITLES_EN)).replace("{org}", r.choice(ORGANISATIONS)).replace("{host}", r.choice(HOSTS))
                 .replace("{rname}", f"{r.choice(corpus.ROMAN).title()} {r.choice(corpus.ROMAN_SUR).title()}"))
        if "{carrier}" in s or "{plan}" in s or "{visa}" in s or "{nation}" in s:
            s = (s.replace("{carrier}", r.choice(CARRIERS)).replace("{plan}", r.choice(PLANS))
                  .replace("{visa}", r.choice(VISAS)).replace("{nation}", r.choice(NATIONS)))
        if "{ip}" in s:
            s = s.replace("{ip}", ".".join(str(r.randrange(1, 255)) for _ in range(4)))
        if "{pax}" in s:  # a passenger as tickets write them: SURNAME/GIVEN
            s = s.replace("{pax}", f"{r.choice(corpus.ROMAN_SUR).upper()}/{r.choice(corpus.ROMAN).upper()}")
        return s

    def value(self, w: _Writer, genre: str) -> None:
        r = self.r
        weights = GENRE_KINDS.get(genre, KIND_WEIGHTS)
        kind = r.choices(list(weights), list(weights.values()))[0]
        text, writing = self.w.make(kind, GENRE_WRITINGS.get(genre, {}).get(kind))
        if writing == "mrz":
            self.mrz(w, text)
            return
        frame = self.pick("frame:" + genre, FRAMES[genre])
        labels = LABELS[kind] if writing != "resident_front" else RESIDENT_FRONT_LABELS
        if kind in GENRE_LABELS.get(genre, {}) and writing != "resident_front" and r.random() < 0.7:
            labels = GENRE_LABELS[genre][kind]
        label = self.pick("label:" + kind, labels)
        punct = self.pick("punct", PUNCT)
        situation = "label_en" if label.isascii() else "label"
        if (frame.startswith("{L}{P}[[V]]") and r.random() < 0.15
                and writing in UNLABELLED_OK.get(kind, ())):
            situation, label, frame = "no_label", "", "[[V]]"  # shapes a reader knows alone
        elif kind in AFTER_KINDS and writing != "resident_front" and r.random() < AFTER_KINDS[kind]:
            frame, situation = self.pick("after", AFTER_FRAMES), "label_after"
        elif kind in SENTENCE_FRAMES and r.random() < SENTENCE_SHARE[kind]:
            frame = self.pick("sentence:" + kind, SENTENCE_FRAMES[kind])
            situation, label = "sentence_cue", frame  # the sentence stands for the label
        elif (kind in CUE_FRAMES and r.random() < CUE_SHARE[kind]
              and writing not in ("region_named", "region_joined", "region_bracketed", "hangul_spoken")
              and (kind != "birth_date" or writing in ("numeric", "korean_birth", "short_year_dot"))):
            frame = self.pick("cue:" + kind, CUE_FRAMES[kind])
            situation, label = CUE_SITUATION[kind], frame  # the cue's wording stands for the label
        head, tail = frame.split("[[V]]")
        if situation in ("label", "label_en"):
            head = head.replace("{L}", label).replace("{P}", punct)
        if situation == "label_after":
            tail = tail.replace("{L}", label)
        age = self._age(text) if kind == "birth_date" else None
        written_head = self.fill(head, age)
        w.add(written_head)
        if kind == "bank_account" and situation in ("label", "label_en", "label_after") \
                and VIRTUAL_ACCOUNT_WORD in label:
            w.negative(ORG_ACCOUNT_LOOK_ALIKES["vacct"], text, frame)  # the organisation's, as in ORG_ACCOUNT_PAPERS
            w.add(self.fill(tail, age))
            return
        if kind == "bank_account" and situation == "label" and FEE_ACCOUNT_LABEL.search(written_head):
            w.negative(FEE_LOOK_ALIKES["fee_acct"], text, frame)  # the office's, as in FEE_PAPERS
            w.add(self.fill(tail, age))
            return
        w.value(labelled.Written(kind, text, writing, writing.startswith(MASKED_PREFIX)), situation,
                label, frame)
        if writing == "glued_digits":  # a phone glued to the e-mail is a value of its own
            g = self.w.v._phone_groups(True)
            w.value(labelled.Written("phone", "-".join(g), "glued_after_email", False), "no_label", "", frame)
        w.add(self.fill(tail, age))

    def mrz(self, w: _Writer, number: str) -> None:
        """The two machine-readable lines of a passport's photo page: the name on the first, then
        the number, nationality, birth date, sex and expiry with their check digits."""
        r = self.r
        sur, given = r.choice(corpus.ROMAN_SUR).upper(), r.choice(corpus.ROMAN).upper()
        if len(given) > 4 and r.random() < 0.5:  # given names written in two parts (JI<HOON)
            given = given[:len(given) // 2] + "<" + given[len(given) // 2:]
        y, m, d = self.w.v.date(1940, 2012)
        birth = f"{y % 100:02d}{m:02d}{d:02d}"
        expiry = f"{r.randrange(25, 36)}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}"
        sex = r.choice("MF")
        personal = "<" * 14
        tail = f"{mrz_check(number)}KOR"
        after = f"{mrz_check(birth)}{sex}{expiry}{mrz_check(expiry)}{personal}{mrz_check(personal)}"
        final = mrz_check(number + tail[0] + birth + after[0] + after[2:])  # all but the sex
        w.add(f"P<KOR{sur}<<{given}".ljust(44, "<") + r.choice(("\n", "\n", " \n", "\n\n")))
        w.value(labelled.Written("passport", number, "mrz", False), "no_label", "", "mrz")
        w.add(tail)
        w.value(labelled.Written("birth_date", birth, "mrz", False), "no_label", "", "mrz")
        w.add(after + final)

    @staticmethod
    def _age(text: str) -> int | None:
        """The age in full years this year of someone born in the year the date holds."""
        m = re.search(r"(?<!\d)(19\d\d|20[01]\d)(?!\d)", text)
        return 2026 - int(m.group(1)) - 1 if m else None

    def negative(self, w: _Writer) -> None:
        r = self.r
        self.negative_of(w, r.choice(tuple(NEG_PHRASES)), NEG_PHRASES)

    def negative_of(self, w: _Writer, category: str, phrases: dict, fill=None) -> None:
        fill = fill or self.fill
        phrase = self.pick("neg:" + category, phrases[category])
        val = self.w.negative(category, phrase)
        head, rest = phrase.split("[[", 1)
        inner, tail = rest.split("]]", 1)
        w.add(fill(head))
        w.negative(category, inner.replace("{v}", val), phrase)
        w.add(fill(tail))

    def document(self, genre: str) -> Document:
        r = self.r
        w = _Writer(genre, self.part)
        lines = r.randrange(4, 10)
        for i in range(lines):
            if i:
                w.add("\n")
            x = r.random()
            if genre == "chat" and x < 0.9:
                w.add(r.choice(("고객: ", "상담사: ")))
            after = ""
            if genre == "team_chat":  # each message under its speaker and time, as exports write them
                stamp = self.fill(self.pick("stamp", TEAM_CHAT_STAMPS))
                before, _, after = stamp.partition("{msg}")
                w.add(before)
            if x < 0.4:
                self.value(w, genre)
            elif x < 0.75:
                self.negative(w)
            else:
                w.add(self.fill(self.pick("filler:" + genre, FILLERS[genre])))
            w.add(after)
        return w.document()


    @contextlib.contextmanager
    def own_stream(self, r: random.Random):
        """Draws from the stream r instead of the main one."""
        main, ways_ = self.r, self.w
        self.r, self.w = r, _Ways(r)
        try:
            yield
        finally:
            self.r, self.w = main, ways_

    def member_log(self) -> Document:
        """A study cafe's, a library's or a PC bang's sign-up sheet or kiosk log: each line a
        member, a customer or a cash receipt keyed by the member's own mobile, or a number the
        shop or the payment system issues (look-alikes)."""
        r = self.r
        w = _Writer(MEMBER_LOG_GENRE, self.part)
        for i in range(r.randrange(4, 10)):
            if i:
                w.add("\n")
            x = r.random()
            if x < 0.5:
                writing = r.choices([w for w, _ in MEMBER_LOG_WRITINGS], [p for _, p in MEMBER_LOG_WRITINGS])[0]
                g = self.w.v._phone_groups(True)  # a mobile, as members sign up with
                if writing == "masked_partly":
                    g[1] = r.choice(MASK_CHARS[:4]) * len(g[1])
                text = ("" if writing == "compact" else r.choice("--- ")).join(g)
                frame = self.pick("frame:member_log", MEMBER_LOG_FRAMES)
                label = self.pick("label:member_log", MEMBER_LOG_LABELS)
                head, tail = (self.fill(part.replace("{seat}", str(r.randrange(1, 80)))
                                        .replace("{pass}", r.choice(MEMBER_LOG_PASSES))
                                        .replace("{room}", r.choice("ABCD")))
                              for part in frame.split("[[V]]"))
                w.add(head.replace("{L}", label))
                w.value(labelled.Written("phone", text, writing, writing.startswith(MASKED_PREFIX)), "label",
                        label, frame)
                w.add(tail.replace("{L}", label))
            elif x < 0.85:
                self.negative_of(w, r.choice(tuple(MEMBER_LOG_NEG_PHRASES)), MEMBER_LOG_NEG_PHRASES)
            else:
                w.add(self.fill(self.pick("filler:member_log", MEMBER_LOG_FILLERS)))
        return w.document()

    def member_roster(self) -> Document:
        """A gym's, a club's, an academy's or a library's members: an attendance or locker log, a
        roster pasted as a table or a membership card. Each value is a member's own mobile; the
        member, locker, seat, card and receipt numbers beside it are look-alikes."""
        r = self.r
        w = _Writer(ROSTER_GENRE, self.part)
        club = self.fill(self.pick("roster:club", ROSTER_CLUBS))
        writing = r.choices([x for x, _ in ROSTER_WRITINGS], [p for _, p in ROSTER_WRITINGS])[0]
        if r.random() < 0.5:
            w.add(self.roster_fill(self.pick("filler:member_roster", ROSTER_FILLERS), club) + "\n")
        shape = r.choices(("log", "table", "card"), (5, 3, 1.5))[0]
        if shape == "table":
            self.roster_table(w, writing)
        elif shape == "card":
            fields = ["name", "mno", "card", "phone"] + (["date"] if r.random() < 0.6 else [])
            r.shuffle(fields)
            for i, field in enumerate(fields):
                line = self.pick("roster:card:" + field, ROSTER_CARD_FIELDS[field])
                self.roster_line(w, ("\n" if i else "") + line, line, writing)
        else:
            for i in range(r.randrange(4, 10)):
                line = (self.pick("roster:line", ROSTER_LINES) if r.random() < 0.7
                        else self.pick("roster:neg_line", ROSTER_NEG_LINES))
                if r.random() < 0.15:  # the log's writing changes with the kiosk or the person typing
                    writing = r.choices([x for x, _ in ROSTER_WRITINGS], [p for _, p in ROSTER_WRITINGS])[0]
                self.roster_line(w, ("\n" if i else "") + line, line, writing, club)
        return w.document()

    def roster_fill(self, s: str, club: str = "") -> str:
        r = self.r
        return self.fill(s.replace("{club}", club).replace("{pass}", r.choice(MEMBER_LOG_PASSES)))

    def roster_line(self, w: _Writer, line: str, phrasing: str, writing: str, club: str = "") -> None:
        """A line whose <<markers>> are the mobile (V) or a look-alike; the line stands for the
        label of each, as a paper's line does."""
        for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
            if k % 2 == 0:
                w.add(self.roster_fill(piece, club))
            elif piece == "V":
                w.value(labelled.Written("phone", self.roster_mobile(writing), writing,
                                         writing.startswith(MASKED_PREFIX)), "label", phrasing, phrasing)
            else:
                w.negative(ROSTER_LOOK_ALIKES[piece], self.roster_look_alike(piece), phrasing)

    def roster_table(self, w: _Writer, writing: str) -> None:
        """A roster pasted from a spreadsheet: a header row, then a member a row."""
        r = self.r
        columns = ["name", "phone"] + r.sample(("mno", "spot", "card", "date"), r.randrange(1, 4))
        r.shuffle(columns)
        if r.random() < 0.5:
            columns.insert(0, "no")
        if "mno" in columns and r.random() < 0.5:
            # The member number's column right before the phone's, as most rosters order them.
            columns.remove("mno")
            columns.insert(columns.index("phone"), "mno")
        delim = r.choice(ROSTER_DELIMITERS)
        header = delim.join(self.pick("roster:col:" + c, ROSTER_COLUMNS[c]) for c in columns)
        w.add(header)
        for row in range(r.randrange(2, 7)):
            w.add("\n")
            for k, column in enumerate(columns):
                if k:
                    w.add(delim)
                if column == "no":
                    w.add(str(row + 1))
                elif column == "name":
                    w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                elif column == "date":
                    w.add(self.fill("{date}"))
                elif column == "phone":
                    w.value(labelled.Written("phone", self.roster_mobile(writing), writing,
                                             writing.startswith(MASKED_PREFIX)), "label", header, header)
                else:
                    w.negative(ROSTER_LOOK_ALIKES[column], self.roster_look_alike(column), header)

    def roster_mobile(self, writing: str) -> str:
        r = self.r
        g = self.w.v._phone_groups(True)
        if writing == "masked_partly":
            g[1] = r.choice(("*", "*", "●", "X")) * len(g[1])
        return {"compact": "", "dotted": "."}.get(writing, "-").join(g)

    def roster_look_alike(self, marker: str) -> str:
        """A number the club issues: a member number (a serial, a year and a serial, a letter and
        digits), a locker or a seat, a membership card of sixteen digits (half with a card's
        check digit) or a receipt's or an approval's number."""
        r, v = self.r, self.w.v
        d = v.digits
        year = str(r.randrange(2015, 2027))
        if marker == "mno":
            return r.choice((d(5), year + d(4), year + d(6), "M" + d(7), year[2:] + d(6), str(r.randrange(1, 10)) + d(9),
                             d(4) + "-" + d(4), str(r.randrange(1, 5000))))
        if marker == "spot":
            n = r.randrange(1, 300)
            return r.choice((str(n), f"{n:03d}", f"{r.choice('ABCD')}-{n % 100:02d}", f"{r.choice('ABL')}{n:03d}"))
        if marker == "card":
            body = [int(c) for c in r.choice(("2020", "7000", "8800", "1000", "3300")) + d(11)]
            last = corpus.luhn_check(body) if r.random() < 0.5 else r.randrange(10)
            digits = "".join(map(str, body)) + str(last)
            return r.choice(("-", " ", "")).join(digits[i:i + 4] for i in range(0, 16, 4))
        y, m, dd = v.date(2024, 2027)
        return r.choice((d(8), f"{y}{m:02d}{dd:02d}-{d(4)}", d(12), f"{y}{m:02d}{dd:02d}{d(6)}", d(9)))

    def pasted_rows(self) -> Document:
        """Rows pasted under a line that says the order of their fields in words: the kinds in
        that order name the cells of the rows below it, down to a blank line."""
        r, v = self.r, self.w.v
        w = _Writer(ROWS_GENRE, self.part)
        if r.random() < 0.5:
            w.add(self.fill(self.pick("rows:filler", ROWS_FILLERS)) + "\n")
        for block in range(r.randrange(1, 3)):
            if block:
                w.add("\n\n")
            kinds = [None] + r.sample(list(k for k in ROWS_FIELDS if k), r.randrange(2, 4))
            if r.random() < 0.5:  # a column of look-alikes among them
                kinds.insert(r.randrange(1, len(kinds) + 1), r.choice(tuple(ROWS_LOOK_ALIKES)))
            # A kind's words share the side of the same words in the other genres' labels.
            words = [self.pick(("label:" if k in LABELS else "rows:word:") + str(k),
                               ROWS_FIELDS.get(k) or ROWS_LOOK_ALIKES[k]) for k in kinds]
            prefix = self.fill(self.pick("rows:prefix", ROWS_PREFIXES))  # one sender pastes them all
            announce = self.pick("rows:announce", ROWS_ANNOUNCEMENTS)
            w.add(prefix + announce.replace("{fields}", self.pick("rows:joiner", ROWS_JOINERS).join(words)))
            delim = r.choice(ROWS_DELIMITERS)
            for _ in range(r.randrange(2, 6)):
                w.add("\n" + prefix)
                for k, kind in enumerate(kinds):
                    if k:
                        w.add(delim)
                    if kind is None:
                        w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                    elif kind in ROWS_LOOK_ALIKES:
                        w.negative(kind, self._row_look_alike(kind), words[k])
                    else:
                        text, writing = self._row_value(kind)
                        w.value(labelled.Written(kind, text, writing, False), "label", words[k], announce)
        return w.document()

    def _row_value(self, kind: str) -> tuple[str, str]:
        r, v = self.r, self.w.v
        if kind == "phone":
            return "-".join(v._phone_groups(True)), "plain"
        if kind == "resident":
            return "-".join(v._resident_groups(False)), "row_cell"
        if kind == "passport":  # the old format, or the current one (M123A4567)
            body = r.choice("MSRDG") + v.digits(8)
            if r.random() < 0.3:
                return body[:4] + r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") + body[5:], "row_current"
            return body, "row_old_format"
        y, m, d = v.date(1945, 2008)
        writing = self.pick("rows:birth_writing", ("dotted", "short_dotted", "slashed", "iso", "compact"))
        return {"dotted": f"{y}.{m:02d}.{d:02d}", "short_dotted": f"{y % 100:02d}.{m:02d}.{d:02d}",
                "slashed": f"{y}/{m:02d}/{d:02d}", "iso": f"{y}-{m:02d}-{d:02d}",
                "compact": f"{y}{m:02d}{d:02d}"}[writing], "row_" + writing

    def _row_look_alike(self, category: str) -> str:
        r, v = self.r, self.w.v
        d = v.digits
        if category == "row_issued_number":
            return r.choice((d(8), "2026" + d(6), r.choice("AB") + "-" + d(2), d(3) + "-" + d(4), d(10)))
        if category == "row_product_code":
            return r.choice("MSRDGK") + d(8) if r.random() < 0.6 else r.choice(("KE", "OZ", "JL")) + d(6)
        y, m, dd = v.date(2025, 2027)
        return r.choice((f"{y}.{m:02d}.{dd:02d}", f"{y % 100:02d}.{m:02d}.{dd:02d}", f"{y}/{m:02d}/{dd:02d}",
                         f"{y}-{m:02d}-{dd:02d}"))

    def alert_fill(self, s: str) -> str:
        """fill, with a bank's or card company's name, a payee and a name masked in the middle."""
        r = self.r
        name = r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)
        masked_name = name[0] + "*" + name[2:] if len(name) > 2 else name[0] + "*"
        while "{amount}" in s:  # each amount of its own (a balance is seldom the amount moved)
            s = s.replace("{amount}", f"{r.randrange(1, 9000) * 100:,}", 1)
        return self.fill(s.replace("{btag}", self.pick("alert:tag", BANK_ALERT_TAGS))
                         .replace("{card}", self.pick("alert:card", BANK_ALERT_CARDS))
                         .replace("{payee}", self.pick("alert:payee", BANK_ALERT_PAYEES))
                         .replace("{mname}", masked_name))

    def bank_alerts(self) -> Document:
        """A phone's feed of bank and card alerts: each line a deposit or a withdrawal on the
        holder's account, whole or partly masked, or a look-alike (an approval number, a total,
        a code or a reference)."""
        r = self.r
        w = _Writer(BANK_ALERT_GENRE, self.part)
        for i in range(r.randrange(4, 10)):
            if i:
                w.add("\n")
            x = r.random()
            if x < 0.5:
                writing = "masked_partly" if r.random() < 0.5 else "plain"
                g = self.w.v._bank_account("hyphen").split("-")
                if writing == "masked_partly":  # the middle group, or the tail's last digits
                    mask = r.choice(("*", "*", "●", "#"))
                    if r.random() < 0.5:
                        g[1] = mask * len(g[1])
                    else:
                        keep = max(len(g[-1]) - r.choice((2, 4)), 0)
                        g[-1] = g[-1][:keep] + mask * (len(g[-1]) - keep)
                frame = self.pick("frame:bank_alerts", BANK_ALERT_FRAMES)
                head, tail = (self.alert_fill(part) for part in frame.split("[[V]]"))
                w.add(head)
                w.value(labelled.Written("bank_account", "-".join(g), writing, writing.startswith(MASKED_PREFIX)),
                        "label", frame, frame)
                w.add(tail)
            elif x < 0.85:
                self.negative_of(w, r.choice(tuple(BANK_ALERT_NEG_PHRASES)), BANK_ALERT_NEG_PHRASES,
                                 self.alert_fill)
            else:
                w.add(self.alert_fill(self.pick("filler:bank_alerts", BANK_ALERT_FILLERS)))
        return w.document()

    # ------------------------------------------------------------------ spreadsheets exported as text

    def sheet_exports(self) -> Document:
        """A spreadsheet pasted or exported as text, or a staff chat about one: a roster whose
        phone column lost its zero, a foreign roster with passports, a transaction history with
        the other party's account in a column, or requests between labels and values."""
        r = self.r
        w = _Writer(SHEET_GENRE, self.part)
        form = r.choice(("roster", "foreign", "statement", "requests"))
        getattr(self, "_sheet_" + form)(w)
        return w.document()

    def _sheet_rows(self, w: _Writer, heads: list[str], cells, rows: int, delim: str) -> None:
        """A header line, then `rows` lines; cells(i) writes the i-th cell of a row."""
        w.add(delim.join(heads))
        for _ in range(rows):
            w.add("\n")
            for i in range(len(heads)):
                if i:
                    w.add(delim)
                cells(i)

    def _sheet_footer(self, w: _Writer) -> None:
        footer = self.fill(self.pick("sheet:footer", SHEET_FOOTERS))
        head, _, tail = footer.partition("[[neg]]")
        w.add("\n" + head)
        if _:
            w.negative("sheet_issued_number", self._sheet_issued(), footer)
            w.add(tail)

    def _sheet_issued(self) -> str:
        """A number a shop or an office issues, ten digits from 10 or 11 as often as not."""
        r, d = self.r, self.w.v.digits
        return r.choice((r.choice(("10", "11", "16")) + d(8), d(8), "2026" + d(6), d(10), d(9)))

    def _sheet_phone(self) -> str:
        """A phone number stored as a number: its leading zero gone."""
        g = self.w.v._phone_groups(self.r.random() < 0.75)
        while g[0] == "02" and len(g[1]) == 3:  # eight digits: too short to be read as a phone
            g = self.w.v._phone_groups(False)
        return "".join(g)[1:]

    def _sheet_roster(self, w: _Writer) -> None:
        r = self.r
        if r.random() < 0.6:
            w.add(self.fill(self.pick("sheet:title", SHEET_TITLES)) + "\n")
        delim = r.choice(SHEET_DELIMITERS)
        cols = [("name", self.pick("sheet:name", SHEET_NAME_HEADERS)),
                ("phone", self.pick("label:phone", SHEET_PHONE_HEADERS))]
        if r.random() < 0.6:
            cols.insert(r.randrange(1, 3), ("issued", self.pick("sheet:issued", SHEET_ISSUED_HEADERS)))
        if r.random() < 0.5:
            cols.append(("other", self.pick("sheet:other", SHEET_OTHER_HEADERS)))

        def cell(i: int) -> None:
            role, head = cols[i]
            if role == "name":
                w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
            elif role == "phone":
                w.value(labelled.Written("phone", self._sheet_phone(), "sheet_no_zero", False), "label", head,
                        "sheet.roster." + head)
            elif role == "issued":
                w.negative("sheet_issued_number", self._sheet_issued(), "sheet.column." + head)
            else:
                w.add(r.choice(SHEET_OTHER_CELLS))
        self._sheet_rows(w, [h for _, h in cols], cell, r.randrange(2, 7), delim)
        if r.random() < 0.5:
            self._sheet_footer(w)

    def _sheet_passport(self) -> str:
        """Another country's passport: one or two letters, six to eight digits, maybe a letter."""
        r, d = self.r, self.w.v.digits
        up = "ABCDEFGHJKLMNPRSTUVWXYZ"
        return r.choice((lambda: r.choice(up) + d(8), lambda: r.choice(up) + d(7), lambda: r.choice(up) + d(7) + r.choice(up),
                         lambda: r.choice(up) + r.choice(up) + d(7), lambda: r.choice(up) + d(6),
                         lambda: "C" + d(8), lambda: r.choice(up) + r.choice(up) + d(6)))()

    def _sheet_code(self) -> str:
        """A code of a passport's shape: a flight, a booking, a model, a product."""
        r, d = self.r, self.w.v.digits
        up = "ABCDEFGHJKLMNPRSTUVWXYZ"
        return r.choice((lambda: r.choice(("KE", "OZ", "VN", "VJ", "7C", "LJ")) + d(4), lambda: r.choice(up) + d(8),
                         lambda: r.choice(up) + r.choice(up) + d(7), lambda: r.choice(up) + d(6),
                         lambda: r.choice(up) + d(7) + r.choice(up)))()

    def _sheet_foreign(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        if r.random() < 0.7:
            w.add(self.pick("sheet:roster_title", SHEET_ROSTER_TITLES) + "\n")
        if r.random() < 0.35:  # a registration card: a label and its value a line
            label = self.pick("label:passport", SHEET_PASSPORT_LABELS)
            line = self.pick("sheet:passport_line", SHEET_PASSPORT_LINES)
            head, tail = line.replace("{L}", label).split("[[V]]")
            w.add("Name: " + r.choice(SHEET_FOREIGN_NAMES) + "\n" + head)
            w.value(labelled.Written("passport", self._sheet_passport(), "foreign", False), "label", label,
                    line)
            w.add(tail)
            code = self.pick("sheet:code_line", SHEET_CODE_LINES)
            head, tail = code.split("[[neg]]")
            w.add("\n" + head)
            w.negative("sheet_code", self._sheet_code(), code)
            w.add(tail)
            return
        delim = r.choice(SHEET_DELIMITERS)
        cols = [("nation", self.pick("sheet:nation", SHEET_NATION_HEADERS)), ("name", "성명" if r.random() < 0.5 else "Name"),
                ("passport", self.pick("label:passport", SHEET_PASSPORT_HEADERS))]
        if r.random() < 0.6:
            cols.append(("birth", self.pick("label:birth_date", SHEET_BIRTH_HEADERS)))
        if r.random() < 0.7:
            cols.insert(r.randrange(1, len(cols) + 1), ("code", self.pick("sheet:code", SHEET_CODE_HEADERS)))

        def cell(i: int) -> None:
            role, head = cols[i]
            if role == "nation":
                w.add(r.choice(SHEET_NATIONS))
            elif role == "name":
                w.add(r.choice(SHEET_FOREIGN_NAMES))
            elif role == "passport":
                w.value(labelled.Written("passport", self._sheet_passport(), "foreign", False), "label", head,
                        "sheet.foreign." + head)
            elif role == "birth":
                y, m, d = v.date(1960, 2004)
                text = r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{d:02d}/{m:02d}/{y}"))
                w.value(labelled.Written("birth_date", text, "sheet_cell", False), "label", head, "sheet.foreign." + head)
            else:
                w.negative("sheet_code", self._sheet_code(), "sheet.column." + head)
        self._sheet_rows(w, [h for _, h in cols], cell, r.randrange(2, 6), delim)

    def _sheet_statement(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        if r.random() < 0.7:
            w.add(self.pick("sheet:statement_title", SHEET_STATEMENT_TITLES) + "\n")
        delim = r.choice(SHEET_DELIMITERS)
        cols = [("date", self.pick("sheet:st_date", SHEET_STATEMENT_DATES)),
                ("memo", self.pick("sheet:st_memo", SHEET_STATEMENT_MEMOS)),
                ("out", self.pick("sheet:st_out", SHEET_STATEMENT_OUT)),
                ("in", self.pick("sheet:st_in", SHEET_STATEMENT_IN))]
        if r.random() < 0.7:
            cols.append(("balance", self.pick("sheet:st_balance", SHEET_STATEMENT_BALANCE)))
        if r.random() < 0.4:
            cols.insert(r.randrange(1, len(cols) + 1), ("reference", self.pick("sheet:st_ref", SHEET_REFERENCE_HEADERS)))
        cols.append(("account", self.pick("label:bank_account", SHEET_COUNTER_ACCOUNTS)))
        if r.random() < 0.7:
            cols.append(("holder", self.pick("sheet:st_holder", SHEET_COUNTER_HOLDERS)))
        if r.random() < 0.3:
            cols.append(("note", "메모" if r.random() < 0.5 else "비고"))
        transfer, outgoing = [True], [True]

        def cell(i: int) -> None:
            role, head = cols[i]
            if i == 0:
                transfer[0], outgoing[0] = r.random() < 0.8, r.random() < 0.6
            if role == "date":
                y, m, d = v.date(2023, 2026)
                w.add(r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}")) +
                      (f" {r.randrange(24):02d}:{r.randrange(60):02d}" if r.random() < 0.6 else ""))
            elif role == "memo":
                w.add(r.choice(SHEET_STATEMENT_PLAIN))
            elif role in ("out", "in") and (role == "out") != outgoing[0]:
                w.add(r.choice(("0", "", "-")))
            elif role in ("out", "in", "balance"):
                a = r.randrange(1, 5000) * 100
                w.add(str(a) if delim.strip() == "," or r.random() < 0.5 else f"{a:,}")
            elif role == "reference":
                w.negative("sheet_reference", v.digits(r.choice((12, 13, 14))), "sheet.column." + head)
            elif role == "account" and transfer[0]:
                digits = v.digits(r.choice((12, 13, 14)))
                if r.random() < 0.4:
                    cut = r.choice(((3, 6), (4, 7), (3, 9), (6, 8)))
                    digits = digits[:cut[0]] + "-" + digits[cut[0]:cut[1]] + "-" + digits[cut[1]:]
                w.value(labelled.Written("bank_account", digits, "sheet_cell", False), "label", head,
                        "sheet.statement." + head)
            elif role == "holder" and transfer[0]:
                w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
        self._sheet_rows(w, [h for _, h in cols], cell, r.randrange(2, 7), delim)

    def _sheet_requests(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        for i in range(r.randrange(2, 6)):
            if i:
                w.add("\n")
            stamp = self.fill(self.pick("sheet:stamp", SHEET_STAMPS))
            phrase = self.pick("sheet:request", SHEET_REQUEST_PHRASES)
            sep = r.choice(SHEET_REQUEST_SEPARATORS)
            if r.random() < 0.25:
                word = self.pick("sheet:request_other", SHEET_REQUEST_LOOK_ALIKES)
                w.add(f"{stamp}{word} {phrase}{sep}")
                if word.endswith("일"):
                    y, m, d = v.date(2025, 2027)
                    text = r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}"))
                else:
                    text = self._sheet_issued()
                w.negative("sheet_request_other", text, f"{word} {phrase}")
                continue
            kind = r.choice(tuple(SHEET_REQUEST_LABELS))
            label = self.pick("label:" + kind, SHEET_REQUEST_LABELS[kind])
            w.add(f"{stamp}{label} {phrase}{sep}")
            if kind == "birth_date":
                y, m, d = v.date(1940, 2005)
                text = r.choice((f"{y}.{m:02d}.{d:02d}", f"{y}-{m:02d}-{d:02d}", f"{y}{m:02d}{d:02d}", f"{y}/{m:02d}/{d:02d}"))
            elif kind == "phone":
                text = "-".join(v._phone_groups(r.random() < 0.8))
            elif kind == "bank_account":
                text = v._bank_account("hyphen")
            else:
                text = "-".join(v._resident_groups(False))
            w.value(labelled.Written(kind, text, "after_request", False), "label", label, f"{label} {phrase}")

    def papers(self) -> Document:
        """One of an organisation's papers (PAPERS): its own landlines, codes and accounts are
        look-alikes, the people on it keep their numbers."""
        r = self.r
        w = _Writer(PAPER_GENRE, self.part)
        kind = r.choice(tuple(PAPERS))
        lines = list(self.pick("papers:" + kind, PAPERS[kind]))
        if kind == "prescription":
            lines.append(self.pick("papers:drug_header", ("약품명 | 코드 | 1회 | 횟수 | 일수", "처방 의약품의 명칭\t코드\t투약량",
                                                          "의약품 코드 명칭 1회투약량 1일투여횟수 총투약일수",
                                                          "약품코드  약품명  용량  횟수  일수")))
            for _ in range(r.randrange(2, 6)):
                lines.append(self.pick("papers:drug_row", ("{drug} | <<drug>> | 1 | 3 | {n}", "{drug}\t<<drug>>\t1정",
                                                           "<<drug>> {drug} 1 3 {n}", "<<drug>>  {drug}  1정  3회  {n}일",
                                                           "{drug} (보험코드 <<drug>>) 1 2 {n}")))
        names = {"{shop}": PAPER_SHOPS, "{clinic}": PAPER_CLINICS, "{funeral}": PAPER_FUNERALS,
                 "{hospital}": PAPER_HOSPITALS, "{dealer}": PAPER_DEALERS, "{mover}": PAPER_MOVERS,
                 "{drug}": PAPER_DRUGS}
        picked = {k: self.pick("papers:" + k, pool) for k, pool in names.items()}
        for i, line in enumerate(lines):
            if i:
                w.add("\n\n" if i == 1 and r.random() < 0.2 else "\n")
            for key, name in picked.items():
                line = line.replace(key, r.choice(PAPER_DRUGS) if key == "{drug}" else name)
            for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
                if k % 2 == 0:
                    w.add(self.fill(piece))
                    continue
                marker, _, label = piece.partition(":")
                self.paper_number(w, marker, label, line)
        return w.document()

    def paper_number(self, w: _Writer, marker: str, label: str, line: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker == "org":
            w.negative("institution_phone", self.w._phone("phone", "landline"), line)
        elif marker == "acct_org":
            w.negative("company_account", v._bank_account("hyphen"), line)
        elif marker == "drug":  # a drug's insurance code: nine digits, most starting with 6
            w.negative("prescription_code", r.choice(("6", "6", "6", "A", "1")) + d(8), line)
        elif marker == "issue":  # the day it was written and a serial
            y, m, dd = v.date(2024, 2027)
            w.negative("prescription_code", r.choice((f"{y}{m:02d}{dd:02d}-{d(5)}", f"{y}{m:02d}{dd:02d}{d(5)}",
                                                      f"{y}-{m:02d}{dd:02d}-{d(5)}")), line)
        elif marker == "inst":  # a medical institution's code: eight digits
            w.negative("prescription_code", r.choice("13") + d(7), line)
        else:
            kind, text, writing = {
                "brn": lambda: ("business_registration", v._business_registration("hyphen"), "plain"),
                "mobile": lambda: ("phone", "-".join(v._phone_groups(True)), "plain"),
                "home": lambda: ("phone", self.w._phone("phone", "landline"), "landline"),
                "acct": lambda: ("bank_account", v._bank_account("hyphen"), "plain"),
            }[marker]()
            # The line stands for the label (L names what it says), as a sentence's frame does.
            w.value(labelled.Written(kind, text, writing, False), "label", line, line)

    def office_letter(self) -> Document:
        """A letter, a notice or a form of an organisation (OFFICE_LETTERS): its office's own
        lines, its own accounts and drug codes are look-alikes, the people on it keep theirs;
        or an export of a system's table keyed by ids (office_export)."""
        r = self.r
        if r.random() < OFFICE_EXPORT_SHARE:
            return self.office_export()
        kind = r.choice(tuple(OFFICE_LETTERS))
        w = _Writer(OFFICE_GENRE, self.part)
        names = {"{school}": OFFICE_SCHOOLS, "{agency}": OFFICE_AGENCIES, "{church}": OFFICE_CHURCHES,
                 "{club}": OFFICE_CLUBS, "{foundation}": OFFICE_FOUNDATIONS, "{pharmacy}": OFFICE_PHARMACIES}
        picked = {k: self.pick("office:" + k, pool) for k, pool in names.items()}
        lines = self.pick("office:" + kind, OFFICE_LETTERS[kind])
        if r.random() < 0.5:  # a sentence of the letter's body before its closing lines
            lines = (lines[0], self.pick("office:body", ("아래와 같이 안내드립니다.", "자세한 사항은 첨부 파일을 참고하세요.",
                                                          "기한 내 제출 바랍니다.", "감사합니다.", "협조 부탁드립니다.",
                                                          "변경 사항이 있으면 알려 주세요.", "해당 내용을 확인해 주시기 바랍니다.",
                                                          "문의 전 공지사항을 먼저 확인하세요."))) + lines[1:]
        for i, line in enumerate(lines):
            if i:
                w.add("\n")
            for key, name in picked.items():
                line = line.replace(key, name)
            for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
                if k % 2 == 0:
                    w.add(self.fill(piece.replace("{drug}", r.choice(OFFICE_DRUGS))))
                    continue
                marker, _, label = piece.partition(":")
                self.office_number(w, marker, line)
        return w.document()

    def office_number(self, w: _Writer, marker: str, line: str) -> None:
        r, v = self.r, self.w.v
        if marker == "desk":
            w.negative("office_contact", self.w._phone("phone", "landline"), line)
        elif marker == "acct_org":
            w.negative("organisation_account", v._bank_account("hyphen"), line)
        elif marker == "drug":  # a drug's product code: nine digits
            w.negative("bracketed_drug_code", r.choice("0666") + v.digits(8), line)
        else:
            kind, text, writing = {
                "mobile": lambda: ("phone", "-".join(v._phone_groups(True)), "plain"),
                "home": lambda: ("phone", self.w._phone("phone", "landline"), "landline"),
                "acct": lambda: ("bank_account", v._bank_account("hyphen"), "plain"),
            }[marker]()
            w.value(labelled.Written(kind, text, writing, False), "label", line, line)

    def office_export(self) -> Document:
        """Rows of a system's table pasted with their header: an id column the system issues
        (8 to 10 digits; a third of the ten-digit ones pass a business number's check digit, as
        one in ten does by chance), names, the people's phones, now and then their businesses'
        registration numbers."""
        r, v = self.r, self.w.v
        w = _Writer(OFFICE_GENRE, self.part)
        if r.random() < 0.6:
            w.add(self.pick("office:export_title", OFFICE_EXPORT_TITLES) + "\n")
        kinds = ["id", None, "phone"] + (["business_registration"] if r.random() < 0.3 else [])
        words = [self.pick("office:id_header", OFFICE_ID_HEADERS) if k == "id"
                 else self.pick(("label:" if k else "office:column:") + str(k), OFFICE_EXPORT_COLUMNS[k])
                 for k in kinds]  # a kind's words on the side of the same words in other genres
        delim = r.choice((",", "\t", "|", ", "))
        header = delim.join(words)
        w.add(header)
        for _ in range(r.randrange(3, 8)):
            w.add("\n")
            for k, kind in enumerate(kinds):
                if k:
                    w.add(delim)
                if kind is None:
                    w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                elif kind == "id":
                    n = r.choice((8, 9, 10, 10))
                    text = (v._business_registration("hyphen").replace("-", "") if n == 10 and r.random() < 0.34
                            else str(r.randrange(1, 10)) + v.digits(n - 1))
                    w.negative("member_id_column", text, header)
                elif kind == "phone":
                    w.value(labelled.Written("phone", "-".join(v._phone_groups(True)), "plain", False), "label",
                            words[k], header)
                else:
                    w.value(labelled.Written(kind, v._business_registration("hyphen"), "plain", False), "label",
                            words[k], header)
        return w.document()

    def closing_paper(self) -> Document:
        """A paper whose closing lines carry numbers that are not the person's (CLOSING_PAPERS):
        an office's or a business's own landline, a business's account, a trip's dates after a
        birth date, a registry's issued numbers, a post office's tracking number."""
        r = self.r
        kind = r.choice(tuple(CLOSING_PAPERS))
        w = _Writer(CLOSING_GENRE, self.part)
        names = {"{office}": CLOSING_OFFICES, "{biz}": CLOSING_BUSINESSES, "{city}": CLOSING_CITIES,
                 "{region}": CLOSING_REGIONS, "{flight}": CLOSING_FLIGHTS, "{route}": CLOSING_ROUTES}
        picked = {k: self.pick("closing:" + k, pool) for k, pool in names.items()}
        trip_style = self.pick("closing:trip_style", CLOSING_TRIP_STYLES)

        def text(piece: str) -> str:
            return (piece.replace("{receipt}", f"2024{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}-{self.w.v.digits(5)}")
                    .replace("{year}", str(r.randrange(2019, 2027))).replace("{n3}", self.w.v.digits(3))
                    .replace("{irb}", f"{r.choice(('KHSIRB', 'SNUH', 'AMC'))}-{r.randrange(20, 27)}-{r.randrange(100, 999)}"))

        self.marked_lines(w, self.pick("closing:" + kind, CLOSING_PAPERS[kind]), picked, text,
                          lambda marker, line: self.closing_number(w, marker.partition(":")[0], line, trip_style))
        return w.document()

    def marked_lines(self, w: _Writer, lines, picked: dict, text, number) -> None:
        """Writes a paper's lines: a <<marker>> piece is a number (number(marker, line) writes it),
        the rest is text with the picked names, then text(piece)'s and fill's draws, put in."""
        for i, line in enumerate(lines):
            if i:
                w.add("\n")
            for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
                if k % 2 == 0:
                    for key, name in picked.items():
                        piece = piece.replace(key, name)
                    w.add(self.fill(text(piece)))
                else:
                    number(piece, line)

    def closing_number(self, w: _Writer, marker: str, line: str, trip_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def checked(prefix: str) -> str:
            """Ten digits after prefix whose business check digit holds half the time."""
            body = prefix + d(9 - len(prefix))
            last = corpus.business_check([int(c) for c in body]) if r.random() < 0.5 else r.randrange(10)
            return body + str(last)

        if marker in ("office", "footer"):  # an area code, a local number of three or four digits
            g = [r.choice(("02", "031", "032", "051", "053", "055", "062", "063", "041", "043")),
                 str(r.randrange(2, 10)) + d(r.choice((2, 3))), d(4)]
            w.negative(CLOSING_LOOK_ALIKES[marker], r.choice(("-", "-", "-", ".")).join(g), line)
        elif marker == "acct_biz":
            w.negative(CLOSING_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "trip":
            y, m, dd = v.date(2025, 2027)
            w.negative(CLOSING_LOOK_ALIKES[marker], trip_style.format(y=y, yy=f"{y % 100:02d}", m=m, d=dd,
                                                                      MON=MONTHS[m - 1][:3].upper()), line)
        elif marker == "issued":
            w.negative(CLOSING_LOOK_ALIKES[marker], checked(str(r.randrange(0, 10))), line)
        elif marker == "svc":  # a service number: the year of enlistment, then eight digits
            s = checked(f"{r.randrange(20, 27)}")
            w.negative(CLOSING_LOOK_ALIKES[marker], f"{s[:2]}-{s[2:]}", line)
        elif marker == "bond":  # a bond's purchase number: the year, then six digits
            s = checked(str(r.randrange(2022, 2027)))
            w.negative(CLOSING_LOOK_ALIKES[marker], f"{s[:4]}-{s[4:]}", line)
        elif marker == "track":  # a post office's parcel: thirteen digits
            w.negative(CLOSING_LOOK_ALIKES[marker], r.choice("16") + d(12), line)
        else:
            kind, text, writing = {
                "mobile": lambda: ("phone", "-".join(v._phone_groups(True)), "plain"),
                "home": lambda: ("phone", self.w._phone("phone", "landline"), "landline"),
                "acct": lambda: ("bank_account", v._bank_account("hyphen"), "plain"),
                "brn": lambda: ("business_registration", v._business_registration("hyphen").replace("-", "")
                                if r.random() < 0.5 else v._business_registration("hyphen"), "plain"),
                "passport": lambda: ("passport", v._passport("plain"), FORM_WRITING),
                "rrn": lambda: ("resident", v._resident("hyphen"), FORM_WRITING),
                "dob": lambda: self.closing_birth(),
            }[marker]()
            w.value(labelled.Written(kind, text, writing, False), "label", line, line)

    def closing_birth(self) -> tuple[str, str, str]:
        """A birth date as a ticket prints it (09APR66) or as a form does."""
        r, v = self.r, self.w.v
        y, m, d = v.date(1940, 2008)
        if r.random() < 0.5:
            return "birth_date", f"{d:02d}{MONTHS[m - 1][:3].upper()}{y % 100:02d}", "airline_date"
        return "birth_date", r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}년 {m}월 {d}일")).format(
            y=y, m=m, d=d), FORM_WRITING


    def filing_paper(self) -> Document:
        """An application, a filing or a contract whose lines carry an organisation's numbers
        beside the person's (FILING_PAPERS): a role's or a named organisation's landline and fax,
        representative numbers, a business's charge account, an event's date, another register's
        number, a land parcel's code."""
        names = {"{city}": FILING_CITIES, "{brand}": FILING_BRANDS, "{sido}": FILING_SIDO, "{gun}": FILING_GUN,
                 "{dong}": FILING_DONG}
        return self.marked_paper(FILING_GENRE, FILING_PAPERS, "filing:", names,
                                 ("filing:event_style", FILING_EVENT_STYLES),
                                 lambda piece: piece.replace("{area}", str(self.r.randrange(300, 9000))),
                                 self.filing_number)

    def marked_paper(self, genre: str, papers: dict, prefix: str, names: dict, styles: tuple, draws,
                     number) -> Document:
        """A paper of one of papers' kinds written by marked_lines: names picked once a paper from
        their pools, a style of its dates (styles: the pool's name and the pool), each creditor
        its own, draws(piece) the paper's other draws, number(w, marker, line, style) its numbers."""
        kind = self.r.choice(tuple(papers))
        w = _Writer(genre, self.part)
        picked = {k: self.pick(prefix + k, pool) for k, pool in names.items()}
        style = self.pick(*styles)

        def text(piece: str) -> str:
            while "{creditor}" in piece:  # each item its own creditor
                piece = piece.replace("{creditor}", self.pick("filing:creditor", FILING_CREDITORS), 1)
            return draws(piece)

        self.marked_lines(w, self.pick(prefix + kind, papers[kind]), picked, text,
                          lambda marker, line: number(w, marker, line, style))
        return w.document()

    def filing_number(self, w: _Writer, marker: str, line: str, event_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker in ("role", "fax"):  # an area code or 070, a local number of three or four digits
            g = [r.choice(("02", "031", "032", "033", "043", "051", "055", "061", "063", "070")),
                 str(r.randrange(2, 10)) + d(r.choice((2, 3))), d(4)]
            if g[0] == "070":
                g[1] = str(r.randrange(2, 10)) + d(3)
            w.negative(FILING_LOOK_ALIKES[marker], r.choice(("-", "-", "-", ".", " ")).join(g), line)
        elif marker == "rep":  # 15xx, 16xx, 18xx and four digits
            w.negative(FILING_LOOK_ALIKES[marker], f"1{r.choice('568')}{r.randrange(0, 100):02d}-{d(4)}", line)
        elif marker == "charge":
            w.negative(FILING_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "event":
            y, m, dd = v.date(2019, 2026)
            w.negative(FILING_LOOK_ALIKES[marker], event_style.format(y=y, m=m, d=dd), line)
        elif marker == "register":  # ten digits whose business check digit holds most of the time
            body = d(9)
            last = corpus.business_check([int(c) for c in body]) if r.random() < 0.7 else r.randrange(10)
            text = body + str(last)
            w.negative(FILING_LOOK_ALIKES[marker], f"{text[:3]}-{text[3:5]}-{text[5:]}" if r.random() < 0.2 else text,
                       line)
        elif marker == "pnu":  # a legal dong's ten digits, the mountain flag, a lot's 4 + 4 digits
            code = (r.choice(("41", "43", "44", "45", "46", "47", "48", "51")) + d(3) + d(3) + r.choice(("00", d(2)))
                    + r.choice("12") + f"{r.randrange(1, 2000):04d}" + f"{r.randrange(0, 40):04d}")
            if r.random() < 0.7:  # the lot's last digit made to pass Luhn, as one code in ten does by chance
                code = code[:-1] + str(corpus.luhn_check([int(c) for c in code[:-1]]))
            w.negative(FILING_LOOK_ALIKES[marker], code, line)
        else:
            kind, text, writing = {
                "mobile": lambda: ("phone", "-".join(v._phone_groups(True)), "plain"),
                "home": lambda: ("phone", self.w._phone("phone", "landline"), "landline"),
                "acct": lambda: ("bank_account", v._bank_account("hyphen"), "plain"),
                "brn": lambda: ("business_registration", v._business_registration("hyphen"), "plain"),
                "rrn": lambda: ("resident", v._resident("hyphen"), FORM_WRITING),
                "dob": lambda: self.closing_birth(),
            }[marker]()
            w.value(labelled.Written(kind, text, writing, False), "label", line, line)


    def scanned_card(self) -> Document:
        """A scanned card as OCR reads it (SCAN_CARDS): a number's halves on two lines under the
        card's title, a mobile cut after its first group on a business card."""
        r, v = self.r, self.w.v
        card = r.choice(tuple(SCAN_CARDS))
        w = _Writer(SCAN_GENRE, self.part)
        lines = self.pick("scan:" + card, SCAN_CARDS[card])
        title = self.pick("scan:title:" + card, SCAN_TITLES[card]) if card in SCAN_TITLES else ""
        name = r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)
        for i, line in enumerate(lines):
            if i:
                w.add("\n")
            line = line.replace("{title}", title).replace("{sname}", " ".join(name)).replace("{name}", name)
            for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
                if k % 2 == 0:
                    w.add(self.fill(piece))
                else:  # the card's lines stand for the label, as a paper's line does
                    self.scanned_number(w, piece, "\n".join(lines))
        return w.document()

    def scanned_number(self, w: _Writer, marker: str, card: str) -> None:
        r, v = self.r, self.w.v
        if marker in ("rrn", "frn"):
            kind = "resident" if marker == "rrn" else "foreigner_registration"
            post2020 = kind == "resident" and r.random() < 0.15
            front, back = v._resident_groups(kind != "resident", post2020)
            cut = self.pick("scan:cut", ("\n", "\n-", " \n", "\n", "\n -", "\n", "\n-", "\r\n"))
            w.value(labelled.Written(kind, front + cut + back, "scan_post2020" if post2020 else "scan_split", False),
                    "scanned_id", card, card)
        elif marker == "mobile":
            g = v._phone_groups(True)
            cut = self.pick("scan:mobile_cut", (f"{g[0]}\n-{g[1]}-{g[2]}", f"{g[0]}\n{g[1]}-{g[2]}",
                                                f"{g[0]}-{g[1]}\n-{g[2]}", f"{g[0]}\n-{g[1]}{g[2]}",
                                                f"{g[0]} \n{g[1]} {g[2]}", f"{g[0]}-\n{g[1]}-{g[2]}"))
            label = self.pick("scan:mobile_label", SCAN_MOBILE_LABELS)
            w.add(label + r.choice((" ", " ", ": ", "")))
            w.value(labelled.Written("phone", cut, "scan_split", False), "label", card, card)
        elif marker == "licence":
            w.value(labelled.Written("driver_license", "-".join(self.w.groups("driver_license")), "scan_plain", False),
                    "scanned_id", card, card)
        elif marker == "issued":
            y, m, d = v.date(2005, 2026)
            w.negative("scan_issue_date", self.pick("scan:issued", SCAN_ISSUED).format(y=y, m=m, d=d), card)
        elif marker == "postal":
            w.negative("scan_postal_code", f"{r.randrange(1, 64):02d}{r.randrange(0, 1000):03d}", card)
        else:
            raise ValueError(marker)

    # ------------------------------------------------------------------ records copied out

    def copied_record(self) -> Document:
        """A record copied out of an app or a spreadsheet: a transaction history, a travel
        roster, a birth date asked for and answered in brackets, a payment notice, or a
        dormitory's or a remittance's form."""
        w = _Writer(RECORDS_GENRE, self.part)
        form = self.r.choice(("history", "travel", "verify", "notice", "form"))
        getattr(self, "_record_" + form)(w)
        return w.document()

    def _record_line(self, w: _Writer, line: str, numbers: dict) -> None:
        """Writes a line whose <<markers>> are filled by numbers[marker](line)."""
        for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
            if k % 2 == 0:
                w.add(self.fill(piece))
            else:
                numbers[piece](line)

    def _record_amount(self, delim: str) -> str:
        a = self.r.randrange(1, 30000) * 100
        return str(a) if delim == "," or self.r.random() < 0.3 else f"{a:,}"

    def _record_history(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        if r.random() < 0.8:
            w.add(self.fill(self.pick("records:history_title", HISTORY_TITLES)) + "\n")
        delim = r.choice(RECORDS_DELIMITERS)
        columns = ["date", "kind", "out", "in", "balance", "memo"]
        if r.random() < 0.3:
            columns.remove("kind")
        heads = {c: self.pick("records:history_col:" + c, HISTORY_COLUMNS[c]) for c in columns}
        header = delim.join(heads[c] for c in columns)
        w.add(header)
        for _ in range(r.randrange(3, 10)):
            transfer, outgoing = r.random() < 0.6, r.random() < 0.6
            w.add("\n")
            for k, c in enumerate(columns):
                if k:
                    w.add(delim)
                if c == "date":
                    y, m, d = v.date(2025, 2026)
                    w.add(r.choice((f"{y}-{m:02d}-{d:02d}", f"{y}.{m:02d}.{d:02d}", f"{y}/{m:02d}/{d:02d}"))
                          + (f" {r.randrange(24):02d}:{r.randrange(60):02d}" if r.random() < 0.7 else ""))
                elif c == "kind":
                    w.add(r.choice(HISTORY_TRANSFER_KINDS if transfer else HISTORY_OTHER_KINDS))
                elif c in ("out", "in") and (c == "out") != outgoing:  # cells of spaces are never empty
                    w.add(r.choice(("0", "-") if delim == "  " else ("0", "", "-")))
                elif c in ("out", "in"):
                    w.negative("history_amount", self._record_amount(delim), "records.history." + heads[c])
                elif c == "balance":
                    w.negative("history_balance", self._record_amount(delim), "records.history." + heads[c])
                elif transfer:
                    memo = self.pick("records:history_memo", HISTORY_MEMOS)
                    account = v._bank_account("hyphen" if r.random() < 0.8 else "compact")
                    self._record_line(w, memo, {"V": lambda line: w.value(
                        labelled.Written("bank_account", account, "history_memo", False), "label", header, line)})
                elif r.random() < 0.35:
                    category = r.choice(tuple(HISTORY_NEG_MEMOS))
                    memo = self.pick("records:" + category, HISTORY_NEG_MEMOS[category])
                    number = v.digits(8) if category == "history_approval" else v.digits(r.choice((10, 11, 12)))
                    self._record_line(w, memo.replace("{shop}", r.choice(HISTORY_PLAIN_MEMOS)),
                                      {"N": lambda line: w.negative(category, number, line)})
                else:
                    w.add(r.choice(HISTORY_PLAIN_MEMOS))

    def _record_travel(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        if r.random() < 0.8:
            w.add(self.fill(self.pick("records:travel_title", TRAVEL_TITLES)) + "\n")
        delim = r.choice(RECORDS_DELIMITERS)
        columns = ["no", "name", "english", "passport", "expiry", "birth", "note"]
        for optional in ("no", "english", "note"):
            if r.random() < 0.3:
                columns.remove(optional)
        if r.random() < 0.3:  # the birth date before the passport
            columns.remove("birth")
            columns.insert(columns.index("passport"), "birth")
        heads = {c: self.pick("records:travel_col:" + c, TRAVEL_COLUMNS[c]) for c in columns}
        header = delim.join(heads[c] for c in columns)
        w.add(header)
        birth_writing = r.choice(("roster_yymmdd", "roster_yymmdd", "roster_dotted", "roster_compact"))
        up = "ABCDEFGHJKLMNPQRSTUVWXYZ"
        for row in range(r.randrange(4, 13)):
            w.add("\n")
            for k, c in enumerate(columns):
                if k:
                    w.add(delim)
                if c == "no":
                    w.add(str(row + 1))
                elif c == "name":
                    w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                elif c == "english":
                    # a comma inside a comma-separated row is left to the other separators
                    joiner = r.choice(("/", " ") if delim == "," else ("/", " ", ", "))
                    w.add(r.choice(corpus.ROMAN_SUR).upper() + joiner + r.choice(corpus.ROMAN).upper())
                elif c == "note":
                    w.add(r.choice(TRAVEL_NOTES) or ("-" if delim == "  " else ""))
                elif c == "passport":
                    writing = r.choice(("roster_old_format", "roster_current", "roster_current", "roster_foreign"))
                    text = {"roster_old_format": lambda: r.choice("MSRODG") + v.digits(8),
                            "roster_current": lambda: r.choice("MSRDG") + v.digits(3) + r.choice(up) + v.digits(4),
                            "roster_foreign": lambda: str(r.randrange(1, 10)) + v.digits(8)}[writing]()
                    w.value(labelled.Written("passport", text, writing, False), "label", header, header)
                else:
                    y, m, d = v.date(1950, 2015) if c == "birth" else v.date(2027, 2036)
                    written = {"roster_yymmdd": f"{y % 100:02d}{m:02d}{d:02d}", "roster_dotted": f"{y}.{m:02d}.{d:02d}",
                               "roster_compact": f"{y}{m:02d}{d:02d}"}
                    if c == "birth":
                        w.value(labelled.Written("birth_date", written[birth_writing], birth_writing, False),
                                "label", header, header)
                    else:  # the expiry written as the birth dates are, or with dashes
                        text = written[birth_writing] if r.random() < 0.5 else f"{y}-{m:02d}-{d:02d}"
                        w.negative("roster_expiry_date", text, "records.travel." + heads[c])

    def _record_verify(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        org = self.fill(self.pick("records:notice_org", NOTICE_ORGS))
        lines = ["ask"] + ["neg"] * r.randrange(0, 3) + ["filler"] * r.randrange(1, 3)
        r.shuffle(lines)
        for i, kind in enumerate(lines):
            if i:
                w.add("\n")
            if kind == "filler":
                w.add(self.fill(self.pick("records:verify_filler", VERIFY_FILLERS).replace("{org}", org)))
            elif kind == "neg":
                line = self.pick("records:verify_neg", VERIFY_NEG_LINES)
                y, m, d = v.date(1950, 2015)
                code = r.choice((f"{y % 100:02d}{m:02d}{d:02d}", v.digits(6)))
                self._record_line(w, line, {"N": lambda text: w.negative("verify_code", code, text)})
            else:
                frame = self.pick("records:verify_frame", VERIFY_FRAMES)
                label = self.pick("label:birth_date", VERIFY_LABELS)
                head, tail = frame.replace("{L}", label).split("[[V]]")
                y, m, d = v.date(1940, 2012)
                w.add(head)
                w.value(labelled.Written("birth_date", f"{y % 100:02d}{m:02d}{d:02d}", "bracketed_yymmdd", False),
                        "label", label, frame)
                w.add(tail)

    def _record_notice(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        org = self.fill(self.pick("records:notice_org", NOTICE_ORGS))
        lines = [self.pick("records:notice_frame", NOTICE_FRAMES), self.pick("records:notice_centre", NOTICE_CENTRES)]
        for _ in range(r.randrange(1, 4)):
            lines.insert(r.choice((0, len(lines))), self.pick("records:notice_line", NOTICE_LINES))
        if r.random() < 0.7:
            lines.insert(0, self.pick("records:notice_title", NOTICE_TITLES))
        centre = r.choice(("1544", "1588", "1577", "1644", "1661", "1600", "1899", "1522", "1833"))
        numbers = {
            "V": lambda line: w.value(labelled.Written("business_registration", v._business_registration("hyphen"),
                                                       "plain", False), "label", line, line),
            "cc": lambda line: w.negative("record_customer_centre", f"{centre}-{v.digits(4)}", line),
            "appr": lambda line: w.negative("record_approval", v.digits(8), line),
        }
        for i, line in enumerate(lines):
            if i:
                w.add("\n")
            self._record_line(w, line.replace("{org}", org), numbers)

    def _record_form(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        if r.random() < 0.8:
            w.add(self.pick("records:form_title", FORM_TITLES) + "\n")
        fields = ["name", "frn", "passport"] + r.sample(tuple(FORM_NEG_LINES), r.randrange(1, 3))
        r.shuffle(fields)
        for i, field in enumerate(fields):
            if i:
                w.add("\n")
            if field == "name":
                w.add(r.choice(("Name: ", "성명: ", "성명(영문) ")) + r.choice(SHEET_FOREIGN_NAMES))
            elif field in ("frn", "passport"):
                kind = "foreigner_registration" if field == "frn" else "passport"
                label = self.pick("label:" + kind, FORM_FRN_LABELS if field == "frn" else FORM_PASSPORT_LABELS)
                w.add(label + r.choice(FORM_PUNCT))
                text, writing = (("-".join(v._resident_groups(True)), "plain") if field == "frn"
                                 else (str(r.randrange(1, 10)) + v.digits(8), "form_nine_digits"))
                w.value(labelled.Written(kind, text, writing, False), "label", label, label)
            else:
                line = self.pick("records:" + field, FORM_NEG_LINES[field])
                y, m, d = v.date(2025, 2027)
                number = v.digits(10) if field == "form_remittance_number" else f"{y}-{m:02d}-{d:02d}"
                self._record_line(w, line, {"N": lambda text: w.negative(field, number, text)})

    def registry_form(self) -> Document:
        """A form carrying another registry's numbers beside a person's own values: a remittance
        application, an insurance or a long-term care paper, a payment gateway's bug report, a
        withholding receipt, a statement of transactions or a passport roster."""
        r = self.r
        w = _Writer(FORM_GENRE, self.part)
        kind = r.choice(FORM_KINDS)
        w.add(self.pick("form:title:" + kind, REGISTRY_TITLES[kind]) + "\n")
        if kind == "withholding":
            lines = [self.pick("form:payer", FORM_PAYER_LINES), self.pick("form:payer_brn", FORM_PAYER_BUSINESS),
                     self.pick("form:corporate", FORM_CORPORATE), self.pick("form:payee", FORM_PAYEE)]
        elif kind == "statement":
            lines = r.sample(self.pool("form:supplier", FORM_SUPPLIER), 2)
        elif kind == "passports":
            self.form_roster(w)
            return w.document()
        else:
            pool = self.pool("form:lines:" + kind, FORM_LINES[kind])
            lines = r.sample(pool, min(len(pool), r.randrange(4, 8)))
        for i, line in enumerate(lines):
            self.form_line(w, ("\n" if i else "") + line, line)
        if kind == "statement":
            self.form_items(w)
        return w.document()

    def form_fill(self, s: str) -> str:
        r = self.r
        return self.fill(s.replace("{bank_abroad}", r.choice(FORM_BANKS_ABROAD)).replace("{swift}", r.choice(FORM_SWIFTS)))

    def form_line(self, w: _Writer, line: str, phrasing: str) -> None:
        """A line whose <<markers>> are values (V:kind) or look-alikes; the line stands for the
        label of each."""
        v = self.w.v
        for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
            if k % 2 == 0:
                w.add(self.form_fill(piece))
            elif piece.startswith("V:"):
                kind = piece[2:]
                text = {"phone": lambda: "-".join(v._phone_groups(True)), "email": lambda: v._email("plain")}.get(
                    kind, lambda: getattr(v, "_" + kind)("hyphen"))()
                w.value(labelled.Written(kind, text, FORM_WRITING, False), "label", phrasing, phrasing)
            else:
                w.negative(FORM_LOOK_ALIKES[piece], self.form_look_alike(piece), phrasing)

    def form_items(self, w: _Writer) -> None:
        """A statement's item table: a product's barcode a row under a code column."""
        r = self.r
        delim = r.choice(FORM_ROSTER_DELIMITERS)
        header = delim.join(self.pick("form:item_header", FORM_ITEM_HEADERS))
        w.add("\n" + header)
        for _ in range(r.randrange(2, 6)):
            w.add("\n")
            w.negative(FORM_LOOK_ALIKES["barcode"], self.form_look_alike("barcode"), header)
            qty, price = r.randrange(1, 50), r.randrange(5, 300) * 100
            w.add(delim.join(("", r.choice(FORM_ITEMS), str(qty), f"{price:,}", f"{qty * price:,}")))

    def form_roster(self, w: _Writer) -> None:
        """Travellers as columns: birth dates and passports (values) beside the passports' expiry
        and issue dates (look-alikes), all dates in one style."""
        r, v = self.r, self.w.v
        dated = ["birth", "passport", "expiry"] + (["issue"] if r.random() < 0.3 else [])
        r.shuffle(dated)  # the name first, the others in any order
        columns = ["name"] + dated
        delim = r.choice(FORM_ROSTER_DELIMITERS)
        header = delim.join(self.pick("form:col:" + c, FORM_ROSTER_COLUMNS[c]) for c in columns)
        style = r.choice(FORM_DATE_STYLES)
        w.add(header)
        for _ in range(r.randrange(2, 6)):
            w.add("\n")
            for k, column in enumerate(columns):
                if k:
                    w.add(delim)
                if column == "name":
                    w.add(f"{r.choice(corpus.ROMAN_SUR).upper()} {r.choice(corpus.ROMAN).upper()}")
                elif column == "passport":
                    w.value(labelled.Written("passport", v._passport("plain"), FORM_WRITING, False), "label", header, header)
                else:
                    y, m, d = v.date(*{"birth": (1950, 2010), "expiry": (2027, 2037), "issue": (2017, 2026)}[column])
                    text = style.format(y=y, m=m, d=d, MON=MONTHS[m - 1][:3].upper())
                    if column == "birth":
                        w.value(labelled.Written("birth_date", text, FORM_WRITING, False), "label", header, header)
                    else:
                        w.negative(FORM_LOOK_ALIKES["expiry"], text, header)

    def form_look_alike(self, marker: str) -> str:
        """Another registry's number: a remittance's reference (letters glued to digits), an
        agent's or a care recognition number (ten digits, half of them passing a business number's
        check digit), a gateway's transaction number (half passing Luhn), a corporate registration
        number, a product's EAN-13 barcode of Korea's prefix 880, an IBAN with its check digits."""
        r, v = self.r, self.w.v
        d = v.digits
        business = lambda: v._business_registration("hyphen").replace("-", "")  # noqa: E731
        if marker == "remit_ref":
            return r.choice(("OR", "RF", "TT", "FX", "OT")) + str(r.randrange(2019, 2027)) + d(9)
        if marker == "agent_no":
            return business() if r.random() < 0.5 else d(10)
        if marker == "care_no":
            return "L" + (business() if r.random() < 0.5 else d(10))
        if marker == "pg_tid":
            body = [int(c) for c in d(r.choice((13, 14, 15)))]
            last = corpus.luhn_check(body) if r.random() < 0.5 else r.randrange(10)
            return "".join(map(str, body)) + str(last)
        if marker == "corporate_no":
            return f"{r.choice(('1101', '1201', '1311', '1344', '2001', '1601'))}{r.choice(('11', '71', '81', '35'))}-" \
                   f"{r.choice('009')}{d(6)}"
        if marker == "barcode":
            body = [8, 8, 0] + [int(c) for c in d(9)]
            check = (10 - sum(x * (3 if i % 2 else 1) for i, x in enumerate(body)) % 10) % 10
            return "".join(map(str, body)) + str(check)
        if marker == "iban":
            country, bban = r.choice((("GB", lambda: r.choice(("BARC", "MIDL", "NWBK", "LOYD")) + d(14)),
                                      ("DE", lambda: d(18)), ("FR", lambda: d(23)), ("NL", lambda: r.choice(("INGB", "ABNA", "RABO")) + d(10)),
                                      ("ES", lambda: d(20)), ("IT", lambda: r.choice("XYZ") + d(22))))
            bban = bban()
            moved = bban + country + "00"
            check = 98 - int("".join(str(int(c, 36)) for c in moved)) % 97
            iban = f"{country}{check:02d}{bban}"
            return " ".join(iban[i:i + 4] for i in range(0, len(iban), 4)) if r.random() < 0.7 else iban
        raise ValueError(marker)


    def ledger(self) -> Document:
        """A ledger or a paper where a value's kind shows only by its place or its neighbours:
        an SSR DOCS line, a birth date beside the age, kye and group-purchase rows with mobiles
        beside accounts, partly masked registration numbers in an attendance book or a payroll,
        an inheritance agreement's deposits, a benefit application's licence under company numbers."""
        r = self.r
        w = _Writer(LEDGER_GENRE, self.part)
        kind = r.choice(LEDGER_KINDS)
        getattr(self, "_ledger_" + kind)(w)
        return w.document()

    def _ledger_fill(self, s: str, age: int | None = None) -> str:
        r = self.r
        return self.fill(s.replace("{air}", r.choice(LEDGER_AIRLINES)).replace("{flight}", str(r.randrange(1, 999)))
                          .replace("{pnr}", "".join(r.choice("ABCDEFGHJKLMNPQRSTUVWXYZ") for _ in range(6)))
                          .replace("{SUR}", r.choice(corpus.ROMAN_SUR).upper()).replace("{GIVEN}", r.choice(corpus.ROMAN).upper())
                          .replace("{sex}", r.choice("MF") if "/{sex}" in s else "{sex}")
                          .replace("{region}", r.choice(LEDGER_REGIONS)).replace("{job}", r.choice(LEDGER_JOBS))
                          .replace("{hours}", str(r.choice((8, 9, 10))))
                          .replace("{rname_upper}", f"{r.choice(corpus.ROMAN_SUR).upper()} {r.choice(corpus.ROMAN).upper()}")
                          .replace("{nick}", r.choice(LEDGER_NICKS)).replace("{n2}", str(r.randrange(2, 5))), age)

    def _ledger_line(self, w: _Writer, line: str, values: dict, negatives: dict, age: int | None = None) -> None:
        """Writes a line whose [[V:kind]] markers are values made by values[kind]() -> (text,
        writing) and whose [[N:category]] markers are look-alikes made by negatives[category]()."""
        for k, piece in enumerate(re.split(r"\[\[([^\]]*)\]\]", line)):
            if k % 2 == 0:
                w.add(self._ledger_fill(piece, age))
                continue
            what, name = piece.split(":", 1)
            if what == "V":
                text, writing = values[name]()
                w.value(labelled.Written(name, text, writing, writing.startswith(MASKED_PREFIX)), "label", line, line)
            else:
                w.negative(name, negatives[name](), line)

    def _ledger_date(self, y: int, m: int, d: int, styles) -> str:
        return self.r.choice(styles).format(y=y, yy=y % 100, m=m, d=d, MON=MONTHS[m - 1][:3].upper())

    def _ledger_mobile(self) -> tuple[str, str]:
        g = self.w.v._phone_groups(True)
        return self.r.choice(("-", "-", "", " ")).join(g), "among_accounts"

    def _ledger_account(self, writing: str) -> tuple[str, str]:
        r, v = self.r, self.w.v
        if writing == "ledger_grouped" and r.random() < 0.3:
            return v.digits(r.randrange(11, 15)), writing
        shape = r.choice(((3, 4, 4, 2), (4, 4, 4, 1), (3, 3, 6), (4, 3, 6), (3, 6, 5), (4, 4, 5)))
        sep = " " if writing == "ledger_spaced" else r.choice(("-", " ", ""))
        return sep.join(v.digits(n) for n in shape), writing

    def _ledger_common(self) -> dict:
        r, v = self.r, self.w.v
        return {"ledger_date": lambda: self._ledger_date(*v.date(2023, 2026), ("{yy:02d}.{m:02d}.{d:02d}", "{y}. {m}. {d}.",
                                                                               "{y}.{m:02d}.{d:02d}")),
                "ledger_customer_centre": lambda: r.choice(("1588", "1577", "1644", "1600", "1899")) + "-" + v.digits(4),
                "ledger_approval": lambda: v.digits(8),
                "workplace_number": lambda: v._business_registration("hyphen").replace("-", "")
                + r.choice(("0", "1")) if r.random() < 0.5 else v._business_registration("hyphen") + "-0"}

    def _ledger_docs(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        negatives = {"docs_expiry": lambda: self._ledger_date(*v.date(2027, 2036), styles)}
        styles = r.choice((("{d:02d}{MON}{yy:02d}",), ("{d:02d}{MON}{y}",)))
        values = {"passport": lambda: (v._passport(r.choice(("current_format", "old"))), "docs_field"),
                  "birth_date": lambda: (self._ledger_date(*v.date(1940, 2015), styles), "docs_field")}
        w.add(self._ledger_fill(self.pick("ledger:docs_title", LEDGER_DOCS_TITLES)))
        others = self.pool("ledger:docs_other", LEDGER_DOCS_OTHER)
        lines = r.sample(others, min(len(others), r.randrange(1, 4))) + [self.pick("ledger:docs", LEDGER_DOCS_LINES)]
        r.shuffle(lines)
        for line in lines:
            w.add("\n")
            self._ledger_line(w, line, values, negatives)

    def _ledger_age(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        styles = ("{y}-{m:02d}-{d:02d}", "{y}.{m:02d}.{d:02d}", "{y}. {m}. {d}.")
        style = (r.choice(styles),)
        w.add(self.pick("ledger:age_title", LEDGER_AGE_TITLES))
        lines = [self.pick("ledger:age", LEDGER_AGE_LINES), self.pick("ledger:age_filler", LEDGER_AGE_FILLERS)]
        if r.random() < 0.6:
            lines.append(self.pick("ledger:age_other", LEDGER_AGE_OTHER))
        r.shuffle(lines)
        for line in lines:
            born = v.date(1935, 2005)
            age = 2026 - born[0] - r.choice((0, 1))  # this year's age, or one less before the birthday
            other = v.date(2018, 2025)
            w.add("\n")
            self._ledger_line(w, line, {"birth_date": lambda: (self._ledger_date(*born, style), "beside_age")},
                              {"age_other_date": lambda: self._ledger_date(*other, style)}, r.randrange(40, 90)
                              if "age_other_date" in line else age)

    def _ledger_kye(self, w: _Writer) -> None:
        r = self.r
        writing = r.choice(("ledger_spaced", "ledger_grouped"))
        values = {"phone": self._ledger_mobile, "bank_account": lambda: self._ledger_account(writing)}
        w.add(self._ledger_fill(self.pick("ledger:kye_title", LEDGER_KYE_TITLES)))
        row = self.pick("ledger:kye", LEDGER_KYE_ROWS)
        for i in range(1, r.randrange(3, 8)):
            w.add("\n")
            self._ledger_line(w, row.replace("{i}", str(i)), values, self._ledger_common())
        if r.random() < 0.5:
            w.add("\n")
            self._ledger_line(w, self.pick("ledger:kye_footer", LEDGER_KYE_FOOTERS), values, self._ledger_common())

    def _ledger_group_buy(self, w: _Writer) -> None:
        r = self.r
        values = {"phone": self._ledger_mobile, "bank_account": lambda: self._ledger_account("ledger_grouped")}
        w.add(self._ledger_fill(self.pick("ledger:buy_title", LEDGER_BUY_TITLES)) + "\n")
        self._ledger_line(w, self.pick("ledger:buy_account", LEDGER_BUY_ACCOUNT), values, {})
        if r.random() < 0.4:  # rows under a form line that says their order
            w.add("\n" + self.pick("ledger:buy_form", LEDGER_BUY_FORMS))
            for _ in range(r.randrange(2, 5)):
                w.add("\n")
                name = r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)
                self._ledger_line(w, f"{{nick}} / {name} / [[V:phone]] / {r.randrange(1, 5)}개 / {name}", values, {})
        else:
            for _ in range(r.randrange(2, 5)):
                w.add("\n" + self._ledger_fill(r.choice(("{name}: ", "[{name}] [오후 {h}:{mm}] ", "ㄴ ", ""))))
                self._ledger_line(w, self.pick("ledger:buy", LEDGER_BUY_COMMENTS), values, {})
        if r.random() < 0.6:
            w.add("\n")
            self._ledger_line(w, self.pick("ledger:buy_other", LEDGER_BUY_OTHER), values, self._ledger_common())

    def _ledger_attendance(self, w: _Writer) -> None:
        r, v = self.r, self.w.v

        def masked(foreigner: bool, seventh: bool) -> str:
            g = v._resident_groups(foreigner)
            return g[0] + "-" + (g[1][0] + "*" * 6 if seventh else "*" * 7)

        values = {"foreigner_registration": lambda: (masked(True, r.random() < 0.5), "masked_cell"),
                  "resident": lambda: (masked(False, True), "masked_partly")}
        if r.random() < 0.5:
            w.add(self._ledger_fill(self.pick("ledger:site_title", LEDGER_SITE_TITLES)))
            for _ in range(r.randrange(2, 6)):
                w.add("\n")
                pool = LEDGER_SITE_LINES if r.random() < 0.7 else LEDGER_SITE_OTHER
                self._ledger_line(w, self.pick("ledger:site:" + str(len(pool)), pool), values, self._ledger_common())
            return
        header = self.pick("ledger:pay_header", LEDGER_PAY_HEADERS)
        delim = next(d for d in ("\t", " | ", ",") if d in header)
        w.add(header)
        for _ in range(r.randrange(2, 6)):
            foreigner = r.random() < 0.5
            w.add("\n" + (f"{r.choice(corpus.ROMAN_SUR).upper()} {r.choice(corpus.ROMAN).upper()}" if foreigner
                          else r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)) + delim)
            kind = "foreigner_registration" if foreigner else "resident"
            writing = "masked_cell" if foreigner else "masked_partly"
            w.value(labelled.Written(kind, masked(foreigner, True), writing, True), "label", header, header)
            w.add(delim + f"{r.randrange(10, 400) * 10000:,}")

    def _ledger_estate(self, w: _Writer) -> None:
        r = self.r
        values = {"bank_account": lambda: self._ledger_account("estate_holder"), "phone": self._ledger_mobile}
        w.add(self.pick("ledger:estate_title", LEDGER_ESTATE_TITLES) + "\n")
        if r.random() < 0.5:
            w.add(self._ledger_fill(self.pick("ledger:estate_other", LEDGER_ESTATE_OTHER)).split("[[")[0] + "\n")
        w.add("2. 예금")
        for _ in range(r.randrange(1, 4)):
            w.add("\n")
            self._ledger_line(w, self.pick("ledger:estate", LEDGER_ESTATE_LINES), values, {})
        if r.random() < 0.6:
            w.add("\n")
            self._ledger_line(w, self.pick("ledger:estate_other", LEDGER_ESTATE_OTHER), values, self._ledger_common())

    def _ledger_benefit(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        values = {"business_registration": lambda: (v._business_registration("hyphen"), "benefit_form"),
                  "driver_license": lambda: (f"{r.randrange(0, 100):02d}-{v.digits(6)}-{r.randrange(0, 100):02d}",
                                             "benefit_form")}
        w.add(self.pick("ledger:benefit_title", LEDGER_BENEFIT_TITLES) + "\n")
        w.add(self._ledger_fill("성명 {name}\n"))
        label = self.pick("ledger:benefit_label", LEDGER_BENEFIT_LABELS)
        lines = [self.pick("ledger:benefit_workplace", LEDGER_BENEFIT_WORKPLACE),
                 self.pick("ledger:benefit_business", LEDGER_BENEFIT_BUSINESS), label + " {region} [[V:driver_license]]"]
        for i, line in enumerate(lines):
            if i:
                w.add("\n")
            self._ledger_line(w, line, values, self._ledger_common())

    def workers_paper(self) -> Document:
        """A foreign worker's papers with the phone at home abroad, a form or a column laid out
        with spaces between a registration number's halves, a payment roster under its
        organisation's header line, or a verification log keyed by a generic identity key."""
        w = _Writer(WORKERS_GENRE, self.part)
        getattr(self, "_workers_" + self.r.choice(WORKERS_KINDS))(w)
        return w.document()

    def _workers_line(self, w: _Writer, line: str, value, negatives: dict, fill=None) -> None:
        """Writes a line whose <<V>> is the value made by value() -> Written and whose
        <<N:category>> markers are look-alikes made by negatives[category]()."""
        fill = fill or self.fill
        for k, piece in enumerate(re.split(r"<<([^>]*)>>", line)):
            if k % 2 == 0:
                w.add(fill(piece))
            elif piece == "V":
                w.value(value(), "label", line, line)
            else:
                w.negative(piece[2:], negatives[piece[2:]](), line)

    def _workers_abroad_number(self, country: str) -> str:
        code, shapes = WORKERS_ABROAD[country]
        r = self.r
        number = "".join(str(r.randrange(10)) if c == "d" else c for c in r.choice(shapes))
        return "+" + code + r.choice((" ", " ", "-", "")) + number if number[0] != " " else "+" + code + number

    def _workers_negatives(self) -> dict:
        r, v = self.r, self.w.v
        return {"foreign_customer_centre": lambda: r.choice(("+84 1900 ", "+63 2 8", "+86 400 ", "+855 23 ", "+66 2 "))
                + v.digits(3) + " " + v.digits(4),
                "flight_number": lambda: r.choice(WORKERS_AIRLINES) + r.choice(("", " ")) + str(r.randrange(100, 1000)),
                "ship_imo_number": lambda: str(r.randrange(9_100_000, 9_999_999)),
                "form_date_column": lambda: f"{r.randrange(24, 27)}{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}",
                "roster_org_landline": lambda: r.choice(("02", "031", "032", "051", "053", "062", "063")) + "-"
                + str(r.randrange(2, 10)) + v.digits(2) + "-" + v.digits(4),
                "log_transaction_id": lambda: r.choice(("", "T", "tx")) + v.digits(r.choice((14, 16, 18)))}

    def _workers_home_phone(self, w: _Writer) -> None:
        r = self.r
        country = r.choice(tuple(WORKERS_ABROAD))
        negatives = self._workers_negatives()
        home = lambda: labelled.Written("phone", self._workers_abroad_number(country), "home_abroad", False)
        korean = lambda: labelled.Written("phone", "-".join(self.w.v._phone_groups(True)), "plain", False)
        name = f"{r.choice(corpus.ROMAN_SUR).upper()} {r.choice(corpus.ROMAN).upper()}"
        w.add(self.fill(self.pick("workers:title", WORKERS_TITLES)))
        if r.random() < 0.35:  # a table: header, then a row per worker
            heads = (self.pick("workers:name", WORKERS_NAME_LABELS), self.pick("workers:nation", WORKERS_NATION_LABELS),
                     self.pick("workers:korean", WORKERS_KOREAN_LABELS), self.pick("workers:home", WORKERS_HOME_LABELS))
            delim = r.choice(("\t", " | ", ","))
            w.add("\n" + delim.join(heads))
            for _ in range(r.randrange(1, 4)):
                country = r.choice(tuple(WORKERS_ABROAD))
                w.add(f"\n{r.choice(corpus.ROMAN_SUR).upper()} {r.choice(corpus.ROMAN).upper()}{delim}{country}{delim}")
                w.value(korean(), "label", heads[2], delim.join(heads))
                w.add(delim)
                w.value(labelled.Written("phone", self._workers_abroad_number(country), "home_abroad", False), "label",
                        heads[3], delim.join(heads))
        else:
            style = self.pick("workers:style", WORKERS_LINE_STYLES)
            lines = [(self.pick("workers:name", WORKERS_NAME_LABELS), name, None),
                     (self.pick("workers:nation", WORKERS_NATION_LABELS), country, None),
                     (self.pick("workers:korean", WORKERS_KOREAN_LABELS), None, korean),
                     (self.pick("workers:home", WORKERS_HOME_LABELS), None, home)]
            for label, text, value in lines:
                w.add("\n" + style.replace("{L}", label))
                if value is None:
                    w.add(text)
                    continue
                w.value(value(), "label_en" if label.isascii() else "label", label, style)
                if value is home:
                    w.add(self.pick("workers:home_after", WORKERS_HOME_AFTER))
        for _ in range(r.randrange(1, 3)):
            w.add("\n")
            self._workers_line(w, self.pick("workers:home_negative", WORKERS_HOME_NEGATIVES), None, negatives)

    def _workers_halves_apart(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        negatives = self._workers_negatives()
        w.add(self.pick("workers:form_title", WORKERS_FORM_TITLES))
        lines = []
        for i in range(r.randrange(2, 5)):
            foreigner = r.random() < 0.3
            pool = WORKERS_FOREIGN_FORM_LINES if foreigner else WORKERS_FORM_LINES
            lines.append((self.pick("workers:form:" + str(foreigner), pool).replace("{i}", str(i + 1)), foreigner))
        if r.random() < 0.7:
            lines.insert(r.randrange(len(lines) + 1), (self.pick("workers:form_negative", WORKERS_FORM_NEGATIVES), False))
        for line, foreigner in lines:
            kind = "foreigner_registration" if foreigner else "resident"
            gap = r.choice(("  ", "  ", "   "))
            value = lambda: labelled.Written(kind, gap.join(v._resident_groups(foreigner)), "halves_apart", False)
            w.add("\n")
            self._workers_line(w, line, value, negatives,
                               lambda s: self.fill(s.replace("{job}", r.choice(LEDGER_JOBS))))

    def _workers_payment_roster(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        negatives = self._workers_negatives()
        org = self.pick("workers:org", WORKERS_ORGS)
        title = self.pick("workers:roster_title", WORKERS_ROSTER_TITLES)
        w.add(self.fill(title.replace("{y}", "2026").replace("{m}", str(r.randrange(1, 13)))) + "\n")
        self._workers_line(w, self.pick("workers:roster_top", WORKERS_ROSTER_TOPS).replace("{org}", org), None, negatives)
        cards = r.random() < 0.3
        heads = self.pick("workers:roster_card_head", WORKERS_ROSTER_CARD_HEADS) if cards else \
            self.pick("workers:roster_head", WORKERS_ROSTER_HEADS)
        delim = r.choice(WORKERS_ROSTER_DELIMITERS)
        header = delim.join(heads)
        w.add("\n" + header)
        for i in range(1, r.randrange(3, 7)):
            cells = [("", str(i)), ("", r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)),
                     ("resident", "-".join(v._resident_groups(False))), ("phone", "-".join(v._phone_groups(True)))]
            if cards:
                cells.append(("credit_card", v._credit_card("hyphen")))
            else:
                cells += [("", r.choice(WORKERS_BANKS)), ("bank_account", v._bank_account("hyphen")),
                          ("", r.choice(WORKERS_ACTIVITIES))]
            cells.append(("", f"{r.choice((27, 29, 59, 76)) * 10000:,}".replace(",", "") if delim == "," else
                          f"{r.choice((27, 29, 59, 76)) * 10000:,}"))
            w.add("\n")
            for k, (kind, text) in enumerate(cells):
                if k:
                    w.add(delim)
                if kind:
                    w.value(labelled.Written(kind, text, "roster_row", False), "label", header, header)
                else:
                    w.add(text)

    def _workers_identity_log(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        negatives = self._workers_negatives()

        def identity() -> labelled.Written:
            x = r.random()
            if x < 0.5:
                text = v._driver_license("hyphen")
                if r.random() < 0.5:
                    tail = text.split("-", 1)[1]
                    text = self.pick("workers:log_region", WORKERS_LOG_REGIONS) + r.choice((" ", "")) + tail
                return labelled.Written("driver_license", text, "identity_key", False)
            if x < 0.8:
                return labelled.Written("resident", "-".join(v._resident_groups(False)), "identity_key", False)
            return labelled.Written("passport", v._passport(r.choice(("current_format", "old"))), "identity_key", False)

        def log_fill(s: str) -> str:
            return self.fill(s.replace("{hh}", f"{r.randrange(24):02d}").replace("{ss}", f"{r.randrange(60):02d}")
                             .replace("{ms}", f"{r.randrange(1000):03d}").replace("{uid}", f"u{v.digits(6)}")
                             .replace("{day:02}", f"{r.randrange(1, 29):02d}").replace("{K}", key))

        key = self.pick("workers:log_key", WORKERS_LOG_KEYS)
        w.add(log_fill(self.pick("workers:log_title", WORKERS_LOG_TITLES)))
        lines = [self.pick("workers:log", WORKERS_LOG_LINES) for _ in range(r.randrange(2, 5))]
        lines.insert(r.randrange(len(lines) + 1), self.pick("workers:log_negative", WORKERS_LOG_NEGATIVES))
        for line in lines:
            w.add("\n")
            self._workers_line(w, line, identity, negatives, log_fill)

    def serial_paper(self) -> Document:
        """A paper whose labelled numbers are no person's (SERIAL_PAPERS): serials under their own
        labels, public offices' and facilities' desks, shops' and clubs' accounts, amounts beside
        a person's account, an event's date before another label's value, creditors' items."""
        r = self.r
        names = {"{mma}": SERIAL_MMA, "{jobs}": SERIAL_JOBS, "{crem}": SERIAL_CREMATORIA, "{club}": SERIAL_CLUBS,
                 "{name_en}": SERIAL_NAMES_EN}

        def draws(piece: str) -> str:
            while "{rel}" in piece:
                piece = piece.replace("{rel}", r.choice(SERIAL_RELATIONS), 1)
            return piece.replace("{ext}", str(r.randrange(100, 10000)))

        return self.marked_paper(SERIAL_GENRE, SERIAL_PAPERS, "serial:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), draws, self.serial_number)

    def serial_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        y, m, dd = v.date(2010, 2026)
        makers = {
            "lotto": lambda: r.choice((" ", "-", "  ")).join(d(5) for _ in range(r.randrange(4, 7))),
            "chart": lambda: d(10),
            "rx": lambda: f"{r.randrange(2019, 2027)}{m:02d}{dd:02d}{d(5)}",
            "epay": lambda: d(19) if r.random() < 0.7 else "-".join((d(4), d(4), d(4), d(4), d(3))),
            "iccid": lambda: (lambda s: s if r.random() < 0.6 else " ".join(s[k:k + 4] for k in range(0, len(s), 4)))(
                "8982" + d(r.choice((15, 16)))),
            "hs": lambda: f"{d(4)}.{d(2)}-{d(4)}",
            "export": lambda: f"{d(5)}-{r.randrange(19, 27)}-{d(6)}{r.choice('ABCDEFGHJKLMNPRSTUXYZ')}",
            "vet": lambda: f"{d(2)}-{d(6)}",
            "desk": lambda: "-".join((r.choice(("02", "031", "032", "033", "043", "051", "053", "055", "061", "063")),
                                      str(r.randrange(2, 10)) + d(r.choice((2, 3))), d(4))),
            "shop": lambda: v._bank_account("hyphen"),
            "won": lambda: f"{r.randrange(1_000, 300_000) * 10:,}",
            "man": lambda: str(r.choice((3, 5, 10, 20, 30, 50, 100))),
            "signed": lambda: date_style.format(y=y, m=m, d=dd),
            "rep": lambda: f"1{r.choice('568')}{r.randrange(0, 100):02d}-{d(4)}",
        }
        if marker in makers:
            w.negative(SERIAL_LOOK_ALIKES[marker], makers[marker](), line)
        elif marker == "dob":
            by, bm, bd = v.date(1940, 2006)
            w.value(labelled.Written("birth_date", date_style.format(y=by, m=bm, d=bd), FORM_WRITING, False),
                    "label", line, line)
        else:
            self.filing_number(w, marker, line, date_style)



    def no_persons_paper(self) -> Document:
        """A paper whose numbers and addresses beside the people's own are no person's
        (NO_PERSON_PAPERS): amounts after a masked card, organisations' lines and accounts named
        by their owner's word, a company's shared mailboxes."""
        names = {"{cardco}": NO_PERSON_CARD_COMPANIES, "{shop}": NO_PERSON_SHOPS, "{rental}": NO_PERSON_RENTALS,
                 "{florist}": NO_PERSON_FLORISTS, "{studio}": NO_PERSON_STUDIOS,
                 "{office_town}": NO_PERSON_OFFICES, "{counter}": NO_PERSON_COUNTERS,
                 "{assoc}": NO_PERSON_ASSOCIATIONS, "{charity}": NO_PERSON_CHARITIES}

        return self.marked_paper(NO_PERSON_GENRE, NO_PERSON_PAPERS, "no_person:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.no_persons_number)

    def no_persons_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker == "card":  # partly masked, in four groups of four or an Amex's 4-6-5
            mask = r.choice(("*", "*", "●", "X"))
            if r.random() < 0.75:
                g = [r.choice("3456") + d(3), d(2) + mask * 2, mask * 4, d(4)]
                sep = " " if mask == "*" and r.random() < 0.25 else "-"
            else:
                g = ["37" + d(2), d(2) + mask * 4, mask + d(4)] if r.random() < 0.5 else \
                    [r.choice("3456") + d(3), d(4) + mask * 2, mask * 2 + d(3)]
                sep = "-"
            w.value(labelled.Written("credit_card", sep.join(g), "masked_partly", True), "label", line, line)
        elif marker == "direct":
            g = [r.choice(("02", "031", "042", "051", "053", "062", "064")), str(r.randrange(2, 10)) + d(3), d(4)]
            w.value(labelled.Written("phone", r.choice(("-", ".")).join(g), "landline", False), "label", line, line)
        elif marker == "mail":
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            w.value(labelled.Written("email", f"{local}{r.randrange(0, 100) if r.random() < 0.4 else ''}@"
                                     f"{r.choice(REPLY_MAIL_HOSTS)}", FORM_WRITING, False), "label", line, line)
        elif marker in NO_PERSON_LOOK_ALIKES:
            text = {
                "won": lambda: f"{r.randrange(100, 90_000) * 10:,}",
                "figure": lambda: str(r.choice((2, 3, 5, 6, 10, 12, 24))),
                "desk": lambda: (lambda area: "-".join((area, str(r.randrange(2, 10)) + d(3 if area == "070" else
                                                                                      r.choice((2, 3))), d(4))))(
                    r.choice(("02", "031", "043", "054", "061", "070"))),
                "org_acct": lambda: (v._bank_account("hyphen") if "=" not in line
                                     else v._bank_account("hyphen").replace("-", "")),
                "role_mail": lambda: f"{r.choice(NO_PERSON_ROLES)}@{r.choice(HOSTS)}.co.kr",
            }[marker]()
            w.negative(NO_PERSON_LOOK_ALIKES[marker], text, line)
        else:
            self.filing_number(w, marker, line, date_style)

    def org_numbers_paper(self) -> Document:
        """A paper of ORG_NUMBER_PAPERS: organisations' accounts, lines and mailboxes named by the
        organisation's word, beside the people's own."""
        names = {"{league}": ORG_NUMBER_LEAGUES, "{society}": ORG_NUMBER_SOCIETIES, "{telco}": ORG_NUMBER_TELCOS,
                 "{event}": ORG_NUMBER_EVENTS, "{shop}": ORG_NUMBER_SHOPS, "{club}": ORG_NUMBER_CLUBS,
                 "{fullbank}": ORG_NUMBER_FULL_BANKS, "{company_en}": ORG_NUMBER_COMPANIES_EN,
                 "{tel_word}": ORG_NUMBER_TEL_WORDS, "{man}": ORG_NUMBER_TEN_THOUSANDS}
        self._org_host = self.r.choice(HOSTS) + self.r.choice((".co.kr", ".com", ".or.kr", ".kr"))
        return self.marked_paper(ORG_NUMBER_GENRE, ORG_NUMBER_PAPERS, "org_number:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.org_number)

    def org_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        host = self._org_host
        if marker == "unit_line":  # an area code or 070, written 02-..., 043) 342-..., 02.714.5006
            area = r.choice(("02", "031", "032", "043", "051", "053", "062", "064", "070"))
            g = [area, str(r.randrange(2, 10)) + d(3 if area == "070" else r.choice((2, 3))), d(4)]
            form = r.choice(("-", "-", "-", ".", ") ", " "))
            text = f"{g[0]}) {g[1]}-{g[2]}" if form == ") " else form.join(g)
            w.negative(ORG_NUMBER_LOOK_ALIKES[marker], text, line)
        elif marker == "org_acct":  # grouped, or bare digits as a notice against fraud writes it
            text = v._bank_account("hyphen")
            w.negative(ORG_NUMBER_LOOK_ALIKES[marker], text.replace("-", "") if r.random() < 0.25 else text, line)
        elif marker in ("shared_mail", "team_mail"):
            role = r.choice(ORG_NUMBER_ROLES)
            brand = host.split(".")[0]
            local = role if marker == "shared_mail" else r.choice((f"{brand}.{role}", f"{role}.{brand}",
                                                                    f"{brand}_{role}", f"{brand}{r.randrange(1, 10)}"))
            w.negative(ORG_NUMBER_LOOK_ALIKES[marker], f"{local}@{host}", line)
        elif marker == "staff_mail":  # a person's own address at the organisation's domain
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            w.value(labelled.Written("email", f"{local}@{host}", FORM_WRITING, False), "label", line, line)
        else:
            self.no_persons_number(w, marker, line, date_style)

    def held_numbers_paper(self) -> Document:
        """A paper of HELD_NUMBER_PAPERS: accounts held by religious bodies and associations,
        offices' desk lines, booking mailboxes, event dates and year-led references, beside the
        people's own."""
        names = {"{temple}": HELD_NUMBER_TEMPLES, "{order}": HELD_NUMBER_ORDERS, "{church}": HELD_NUMBER_CHURCHES,
                 "{diocese}": HELD_NUMBER_DIOCESES, "{foundation}": HELD_NUMBER_FOUNDATIONS,
                 "{assoc}": HELD_NUMBER_ASSOCIATIONS, "{hotel}": HELD_NUMBER_HOTELS,
                 "{hospital}": HELD_NUMBER_HOSPITALS}
        self._held_brand = self.r.choice(HELD_NUMBER_BRANDS)
        return self.marked_paper(HELD_NUMBER_GENRE, HELD_NUMBER_PAPERS, "held_number:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES),
                                 lambda piece: piece.replace("{brand}", self._held_brand), self.held_number)

    def held_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker == "held_acct":
            w.negative(HELD_NUMBER_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "acct_named":
            w.value(labelled.Written("bank_account", v._bank_account("hyphen"), "plain", False), "label", line, line)
        elif marker == "desk_line":  # an area code or 070, written 02-..., with dots or spaces
            area = r.choice(("02", "031", "051", "053", "061", "063", "064", "070"))
            g = [area, str(r.randrange(2, 10)) + d(3 if area == "070" else r.choice((2, 3))), d(4)]
            w.negative(HELD_NUMBER_LOOK_ALIKES[marker], r.choice(("-", "-", "-", ".", " ")).join(g), line)
        elif marker == "booking_mail":
            tld = r.choice((".kr", ".co.kr", ".com"))
            w.negative(HELD_NUMBER_LOOK_ALIKES[marker], f"{r.choice(HELD_NUMBER_ROLES)}@{self._held_brand}{tld}", line)
        elif marker == "service_mail":  # a person's own booking address at a mail service
            local = r.choice(("booking", "reservation", "inquiry")) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN)
            w.value(labelled.Written("email", f"{local}{r.randrange(1, 100)}@{r.choice(REPLY_MAIL_HOSTS)}",
                                     FORM_WRITING, False), "label", line, line)
        elif marker == "event_date":
            y, m, dd = v.date(2005, 2025)
            style = r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{yy}.{m:02d}.{d:02d}",
                              "{yy}{m:02d}{d:02d}", "{y}년 {m}월 {d}일", "{y}/{m:02d}/{d:02d}"))
            w.negative(HELD_NUMBER_LOOK_ALIKES[marker], style.format(y=y, yy=f"{y % 100:02d}", m=m, d=dd), line)
        elif marker == "dob":
            y, m, dd = v.date(1950, 2008)
            style = r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{yy}{m:02d}{d:02d}", "{y}년 {m}월 {d}일"))
            w.value(labelled.Written("birth_date", style.format(y=y, yy=f"{y % 100:02d}", m=m, d=dd), FORM_WRITING,
                                     False), "label", line, line)
        elif marker == "year_ref":  # the year, four digits and two; its business check digit holds
            body = str(r.randrange(2019, 2027)) + d(5)
            last = corpus.business_check([int(c) for c in body]) if r.random() < 0.7 else r.randrange(10)
            text = body + str(last)
            sep = r.choice(("-", "-", "-", " ", "."))
            w.negative(HELD_NUMBER_LOOK_ALIKES[marker], f"{text[:4]}{sep}{text[4:8]}{sep}{text[8:]}", line)
        else:
            self.no_persons_number(w, marker, line, date_style)

    def org_accounts_paper(self) -> Document:
        """A paper of ORG_ACCOUNT_PAPERS: virtual accounts, accounts named as an organisation's and
        keys naming them, beside the payers' own accounts and mobiles."""
        names = {"{shop}": ORG_ACCOUNT_SHOPS, "{church}": HELD_NUMBER_CHURCHES,
                 "{foundation}": HELD_NUMBER_FOUNDATIONS, "{assoc}": HELD_NUMBER_ASSOCIATIONS}
        return self.marked_paper(ORG_ACCOUNT_GENRE, ORG_ACCOUNT_PAPERS, "org_account:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.org_account)

    def org_account(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker == "vacct":  # mostly fourteen bare digits, as banks issue them; now and then grouped
            w.negative(ORG_ACCOUNT_LOOK_ALIKES[marker],
                       r.choice(("5620", "9011", "2720", "2680")) + d(10) if r.random() < 0.7
                       else v._bank_account("hyphen"), line)
        elif marker == "org_acct":
            w.negative(ORG_ACCOUNT_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "org_key":
            w.negative(ORG_ACCOUNT_LOOK_ALIKES[marker], v._bank_account("hyphen").replace("-", ""), line)
        elif marker == "own_acct":
            w.value(labelled.Written("bank_account", v._bank_account("hyphen"), "plain", False), "label", line, line)
        elif marker == "own_key":
            w.value(labelled.Written("bank_account", v._bank_account("hyphen").replace("-", ""), "plain", False),
                    "label", line, line)
    def senders_paper(self) -> Document:
        """A paper of SENDER_PAPERS: notifications' senders, organisations' lines under garbled
        labels, meters' numbers and event dates in prose, beside the people's own."""
        self._sender_brand = self.r.choice(SENDER_BRANDS)
        return self.marked_paper(SENDER_GENRE, SENDER_PAPERS, "sender:", {"{org}": SENDER_ORGS},
                                 ("serial:date_style", SERIAL_DATE_STYLES),
                                 lambda piece: piece.replace("{lt}", "<").replace("{gt}", ">"), self.sender_number)

    def sender_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker == "notice_mail":  # a role at the brand's domain, or any name at its mailing subdomain
            tld = r.choice((".co.kr", ".com", ".kr"))
            if r.random() < 0.5:
                address = f"{r.choice(SENDER_ROLES)}@{r.choice(('',) + SENDER_SUBDOMAINS)}{self._sender_brand}{tld}"
            else:
                local = r.choice(SENDER_ROLES + (self._sender_brand.replace("-", ""), "event", "benefit", "webmaster"))
                address = f"{local}@{r.choice(SENDER_SUBDOMAINS)}{self._sender_brand}{tld}"
            w.negative(SENDER_LOOK_ALIKES[marker], address, line)
        elif marker == "person_mail":  # a person's own address at a mail service
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            w.value(labelled.Written("email", f"{local}{r.randrange(0, 100) if r.random() < 0.4 else ''}@"
                                     f"{r.choice(REPLY_MAIL_HOSTS)}", FORM_WRITING, False), "label", line, line)
        elif marker == "garbled_line":  # an area code, a local number of three or four digits
            g = [r.choice(("02", "031", "032", "051", "053", "055", "062", "070")), str(r.randrange(2, 10)) + d(2), d(4)]
            if g[0] != "02" or r.random() < 0.5:
                g[1] += d(1)
            w.negative(SENDER_LOOK_ALIKES[marker], r.choice(("-", "-", ".", " ")).join(g), line)
        elif marker == "meter_no":  # 02 and seven or eight digits, with or without a hyphen
            w.negative(SENDER_LOOK_ALIKES[marker], "02" + r.choice(("-", "-", "")) + str(r.randrange(2, 10))
                       + d(r.choice((6, 7))), line)
        elif marker == "event_date":
            y, m, dd = v.date(2024, 2027)
            style = r.choice(("{y}년 {m}월 {d}일", "{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}. {m}. {d}.",
                              "{y}/{m:02d}/{d:02d}"))
            w.negative(SENDER_LOOK_ALIKES[marker], style.format(y=y, m=m, d=dd), line)
        elif marker == "masked_dob":  # the year hidden, or all but its century
            y, m, dd = v.date(1950, 2005)
            style = r.choice(("****-{m:02d}-{d:02d}", "****.{m:02d}.{d:02d}", "{c}**-{m:02d}-{d:02d}",
                              "{c}**.{m:02d}.{d:02d}"))
            w.value(labelled.Written("birth_date", style.format(c=str(y)[:2], m=m, d=dd), "masked_parts", True),
                    "label", line, line)
        else:
            self.held_number(w, marker, line, date_style)

    def fee_paper(self) -> Document:
        """A paper of FEE_PAPERS: accounts a fee is paid into, accounts an apartment's body or an
        association holds, registries' numbers led by a letter or under their own label, beside the
        people's own values."""
        names = {"{shop}": FEE_SHOPS, "{club}": FEE_CLUBS, "{parish}": FEE_PARISHES, "{center}": FEE_CENTERS,
                 "{dojo}": FEE_DOJOS, "{saint}": FEE_SAINTS, "{brand}": FEE_BRANDS}
        return self.marked_paper(FEE_GENRE, FEE_PAPERS, "fee:", names, ("serial:date_style", SERIAL_DATE_STYLES),
                                 lambda piece: piece, self.fee_number)

    def fee_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def ten_digits() -> str:  # a business number's check digit holds most of the time
            body = str(r.randrange(1, 10)) + d(8)
            last = corpus.business_check([int(c) for c in body]) if r.random() < 0.7 else r.randrange(10)
            return body + str(last)

        if marker in ("fee_acct", "held_acct"):
            w.negative(FEE_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "lettered_reg":  # a registry's letter glued to ten digits
            w.negative(FEE_LOOK_ALIKES[marker], r.choice("ABCEHKMPST") + ten_digits(), line)
        elif marker == "reg_no":  # a year and a serial, or ten digits
            number = f"{r.randrange(2015, 2027)}-{d(6)}" if r.random() < 0.4 else ten_digits()
            w.negative(FEE_LOOK_ALIKES[marker], number, line)
        else:
            kind, text = {
                "own_acct": lambda: ("bank_account", v._bank_account("hyphen")),
                "mobile": lambda: ("phone", "-".join(v._phone_groups(True))),
                "brn": lambda: ("business_registration",
                                v._business_registration("hyphen" if r.random() < 0.6 else "plain")),
            }[marker]()
            w.value(labelled.Written(kind, text, "plain", False), "label", line, line)

    def organiser_paper(self) -> Document:
        """A paper of ORGANISER_PAPERS: organisers' and charities' accounts, companies' role
        mailboxes and organisations' lines under keys or in sentences, beside the people's own."""
        self._organiser_domain = self.r.choice(ORGANISER_DOMAINS)
        names = {"{event}": ORGANISER_EVENTS, "{center}": ORGANISER_CENTERS, "{brand}": ORGANISER_BRANDS}
        return self.marked_paper(ORGANISER_GENRE, ORGANISER_PAPERS, "organiser:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.organiser_number)

    def organiser_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def landline(ending: str = "") -> str:
            area = r.choice(("02", "031", "033", "041", "043", "051", "061", "063", "064"))
            middle = str(r.randrange(2, 10)) + d(3 if area == "02" or r.random() < 0.5 else 2)
            return r.choice(("-", "-", "-", ".")).join((area, middle, ending or d(4)))

        if marker in ("host_acct", "donation"):
            w.negative(ORGANISER_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "role_mail":  # a role at the company's own domain
            w.negative(ORGANISER_LOOK_ALIKES[marker], f"{r.choice(ORGANISER_ROLES)}@{self._organiser_domain}", line)
        elif marker == "key_line":
            w.negative(ORGANISER_LOOK_ALIKES[marker], landline(), line)
        elif marker == "main_line":  # how offices number their main lines
            w.negative(ORGANISER_LOOK_ALIKES[marker], landline(r.choice(("0114", "0000"))), line)
        elif marker == "own_mail":  # a staff member's at the company's domain, or one that begins with a common word
            if r.random() < 0.5:
                address = f"{r.choice(corpus.ROMAN)}.{r.choice(corpus.ROMAN_SUR)}@{self._organiser_domain}"
            else:
                local = r.choice(ORGANISER_OWN_LOCALS).replace("{n}", str(r.randrange(1, 100)))
                address = f"{local}@{r.choice(REPLY_MAIL_HOSTS + (self._organiser_domain,))}"
            w.value(labelled.Written("email", address, FORM_WRITING, False), "label", line, line)
        elif marker == "own_acct":
            w.value(labelled.Written("bank_account", v._bank_account("hyphen"), "plain", False), "label", line, line)
        else:
            self.held_number(w, marker, line, date_style)

    def main_line_paper(self) -> Document:
        """A paper of MAIN_LINE_PAPERS: offices' main lines under a key that says so or named by
        the place they belong to, role mailboxes at an organisation's own domain, beside the
        people's own keys, lines and addresses."""
        self._main_line_domain = self.r.choice(MAIN_LINE_DOMAINS)
        names = {"{brand}": MAIN_LINE_BRANDS, "{dept}": MAIN_LINE_DEPTS}
        return self.marked_paper(MAIN_LINE_GENRE, MAIN_LINE_PAPERS, "main_line:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.main_line_number)

    def main_line_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def landline(ending: str) -> str:
            area = r.choice(("02", "031", "032", "041", "042", "052", "053", "055", "062", "064"))
            middle = str(r.randrange(2, 10)) + d(3 if area == "02" or r.random() < 0.6 else 2)
            return r.choice(("-", "-", "-", ".", " ")).join((area, middle, ending))

        if marker in ("office_key", "place_line"):
            w.negative(MAIN_LINE_LOOK_ALIKES[marker], landline(r.choice(MAIN_LINE_ENDINGS)), line)
        elif marker == "ask_mail":
            w.negative(MAIN_LINE_LOOK_ALIKES[marker], f"{r.choice(MAIN_LINE_ROLES)}@{self._main_line_domain}", line)
        elif marker == "own_mail":  # a person's at the organisation's domain or a mail service, a role's word first
            local = r.choice(MAIN_LINE_OWN_LOCALS).replace("{n}", str(r.randrange(1, 100)))
            address = f"{local}@{r.choice(REPLY_MAIL_HOSTS + (self._main_line_domain,))}"
            w.value(labelled.Written("email", address, FORM_WRITING, False), "label", line, line)
        elif marker in ("home", "home_round"):  # a person's landline, numbered round or not
            text = landline(r.choice(MAIN_LINE_ENDINGS) if marker == "home_round" else d(4))
            w.value(labelled.Written("phone", text, "landline", False), "label", line, line)
        elif marker in ("mobile", "mobile_round"):
            g = v._phone_groups(True)
            if marker == "mobile_round":
                g[-1] = r.choice(MAIN_LINE_ENDINGS)
            w.value(labelled.Written("phone", "-".join(g), "plain", False), "label", line, line)
        else:
            raise ValueError(f"no number for marker {marker!r}")

    def offering_line_paper(self) -> Document:
        """A paper of OFFERING_LINE_PAPERS: offering and donation accounts, accounts labelled a
        company's or one bill's, offices' lines and representative landlines, beside the people's
        own accounts, direct lines and mobiles."""
        names = {"{church}": HELD_NUMBER_CHURCHES, "{temple}": HELD_NUMBER_TEMPLES,
                 "{foundation}": HELD_NUMBER_FOUNDATIONS, "{brand}": OFFERING_LINE_BRANDS,
                 "{dept}": OFFERING_LINE_DEPTS}
        return self.marked_paper(OFFERING_LINE_GENRE, OFFERING_LINE_PAPERS, "offering_line:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.offering_line_number)

    def offering_line_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def landline() -> str:
            area = r.choice(("02", "031", "042", "051", "053", "062", "064"))
            middle = str(r.randrange(2, 10)) + d(3 if area == "02" or r.random() < 0.5 else 2)
            return r.choice(("-", "-", "-", ".")).join((area, middle, d(4)))

        if marker in ("offering", "bill_acct"):  # grouped, or fourteen bare digits as a bank issues one
            text = v._bank_account("hyphen")
            if "1회용" in line or "일회용" in line or r.random() < 0.2:
                text = r.choice(("5620", "2790", "9011")) + d(10)
            w.negative(OFFERING_LINE_LOOK_ALIKES[marker], text, line)
        elif marker == "office_line":
            w.negative(OFFERING_LINE_LOOK_ALIKES[marker], landline(), line)
        elif marker == "rep_line":
            w.negative(OFFERING_LINE_LOOK_ALIKES[marker],
                       f"1{r.choice('568')}{r.randrange(0, 100):02d}-{d(4)}" if r.random() < 0.4 else landline(),
                       line)
        elif marker == "direct":
            w.value(labelled.Written("phone", landline(), "landline", False), "label", line, line)
        elif marker == "own_acct":
            w.value(labelled.Written("bank_account", v._bank_account("hyphen"), "plain", False), "label", line, line)
        else:
            self.held_number(w, marker, line, date_style)

    def gift_paper(self) -> Document:
        """A paper of GIFT_PAPERS: gift accounts by family side or under an invitation's indirect
        label, a guest list's column of them, birth dates a scan read partly as letters."""
        names = {"{hall}": GIFT_HALLS, "{funeral}": GIFT_FUNERALS, "{baby}": GIFT_BABIES,
                 "{relation}": GIFT_RELATIONS}
        r = self.r
        # The couple's names are drawn once a paper: every mention of the groom names the same.
        couple = {k: r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN) for k in ("{groom}", "{bride}")}

        def draws(piece: str) -> str:
            for key, name in couple.items():
                piece = piece.replace(key, name)
            return piece

        return self.marked_paper(GIFT_GENRE, GIFT_PAPERS, "gift:", names,
                                 ("gift:scan_dob_style", GIFT_SCAN_DOB_STYLES), draws, self.gift_number)

    def gift_number(self, w: _Writer, marker: str, line: str, dob_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        font = dict(r.choice(LABELLED_SCAN_FONTS))

        def misread_date(lo: int, hi: int) -> str:
            """A date of the years [lo, hi) in the paper's style, some of its misreadable digits
            (one at least) as the scan's letters."""
            while True:
                y, m, dd = v.date(lo, hi)
                date = dob_style.format(y=y, yy=f"{y % 100:02d}", m=m, d=dd)
                places = [k for k, c in enumerate(date) if c in font]
                if places:
                    break
            chosen = [k for k in places if r.random() < 0.4] or [r.choice(places)]
            return "".join(font[c] if k in chosen else c for k, c in enumerate(date))

        def written(kind: str, text: str, writing: str, masked: bool = False) -> None:
            w.value(labelled.Written(kind, text, writing, masked), "label", line, line)

        if marker in ("side_acct", "gift_acct"):
            written("bank_account", v._bank_account("hyphen").replace("-", r.choice(("-", "-", "-", " ", ""))),
                    "gift_side" if marker == "side_acct" else "gift_label")
        elif marker == "col_acct":
            way = r.choice(("hyphen", "hyphen", "bare", "masked", "wide"))
            g = [d(n) for n in r.choice(((3, 3, 6), (4, 2, 7), (6, 2, 6), (3, 4, 4, 2), (3, 6, 5), (4, 3, 6)))]
            if way == "bare":
                g = [d(14)]
            elif way == "masked":  # a middle group hidden
                g[1] = "*" * len(g[1])
            text = "-".join(g)
            if way == "wide":
                text = text.translate({ord(c): ord(c) + 0xFEE0 for c in "0123456789-"})
            written("bank_account", text, MASKED_PREFIX + "gift_column" if way == "masked" else "gift_column_" + way,
                    way == "masked")
        elif marker == "scan_dob":
            written("birth_date", misread_date(1935, 2008), "scanned_korean_date")
        elif marker == "scan_other":
            w.negative(GIFT_LOOK_ALIKES[marker], misread_date(2023, 2026), line)
        elif marker == "org_side_acct":
            w.negative(GIFT_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "amount":
            w.negative(GIFT_LOOK_ALIKES[marker], r.choice((f"{r.randrange(5, 60) * 10000:,}", f"{r.randrange(5, 60) * 10000}",
                                                           f"{r.randrange(3, 30) * 5000 + 150000:,}원")), line)
        elif marker == "reply_date":
            y, m, dd = v.date(2025, 2026)
            w.negative(GIFT_LOOK_ALIKES[marker], r.choice((f"{m}/{dd}", f"{y}.{m:02d}.{dd:02d}", f"{y}-{m:02d}-{dd:02d}")), line)
        elif marker == "mobile":
            written("phone", "-".join(v._phone_groups(True)), "plain")
        else:
            raise ValueError(f"no number for marker {marker!r}")

    def licence_label_paper(self) -> Document:
        """A paper of LICENCE_LABEL_PAPERS: licences of any region code under their labels,
        beside numbers of their shape under other labels and accounts grouped as they are."""
        names = {"{org}": LICENCE_LABEL_ORGS, "{shop}": LICENCE_LABEL_SHOPS, "{car}": LICENCE_LABEL_CARS}
        return self.marked_paper(LICENCE_LABEL_GENRE, LICENCE_LABEL_PAPERS, "licence_label:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.licence_label_number)

    def licence_label_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def licence_groups(known: bool) -> list[str]:
            region = r.choice(list(range(11, 27)) + [28]) if known else \
                r.choice((27, 27, 27, 29, 30, 31, 33, 35, 40, 52, 71, 90, 5, 9))
            return [f"{region:02d}", f"{r.randrange(0, 100):02d}", d(6), f"{r.randrange(0, 100):02d}"]

        if marker in ("lic", "lic_bare"):
            known = r.random() < 0.3
            g = licence_groups(known)
            sep = "" if marker == "lic_bare" else r.choice(("-", "-", "-", "-", " ", "", "."))
            writing = "label_known_region" if known else "label_new_region"
            w.value(labelled.Written("driver_license", sep.join(g), writing, False), "label", line, line)
        elif marker in LICENCE_LABEL_LOOK_ALIKES:
            g = licence_groups(r.random() < 0.5)
            w.negative(LICENCE_LABEL_LOOK_ALIKES[marker], r.choice(("-", "-", "")).join(g), line)
        elif marker == "acct":  # a person's account, grouped as a licence half the time
            text = "-".join(licence_groups(False)) if r.random() < 0.5 else v._bank_account("hyphen")
            w.value(labelled.Written("bank_account", text, "plain", False), "label", line, line)
        elif marker == "mobile":
            w.value(labelled.Written("phone", "-".join(v._phone_groups(True)), "plain", False), "label", line, line)
        else:
            raise ValueError(f"no number for marker {marker!r}")

    def place_prose_paper(self) -> Document:
        """A paper of PLACE_PROSE_PAPERS: people's own lines named by their place, labels spaced
        out by a scan, values in prose after a label and an ending, Amex cards in a pay column."""
        names = {"{dept}": PLACE_PROSE_DEPTS, "{shop}": PLACE_PROSE_SHOPS}
        return self.marked_paper(PLACE_PROSE_GENRE, PLACE_PROSE_PAPERS, "place_prose:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), lambda piece: piece,
                                 self.place_prose_number)

    def place_prose_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def landline() -> list[str]:
            area = r.choice(("02", "031", "041", "043", "051", "052", "053", "054", "055", "061", "063"))
            return [area, str(r.randrange(2, 10)) + d(r.choice((2, 3)) if area != "02" else 3), d(4)]

        def written(kind: str, text: str, writing: str, masked: bool = False) -> None:
            w.value(labelled.Written(kind, text, writing, masked), "label", line, line)

        if marker == "own_line":
            written("phone", r.choice(("-", "-", "-", ".", " ")).join(landline()), PLACE_PROSE_WRITINGS[marker])
        elif marker == "own_safe":  # 050x, four digits, four; some masked inside the middle group
            g = ["050" + r.choice("2345678"), d(4), d(4)]
            masked = r.random() < 0.3
            if masked:
                g[1] = g[1][:2] + "**"
            written("phone", r.choice(("-", "-", " ")).join(g),
                    MASKED_PREFIX * masked + PLACE_PROSE_WRITINGS[marker], masked)
        elif marker == "place_desk":
            w.negative(PLACE_PROSE_LOOK_ALIKES[marker], r.choice(("-", "-", ".")).join(landline()), line)
        elif marker == "place_rep":
            w.negative(PLACE_PROSE_LOOK_ALIKES[marker], f"1{r.choice('568')}{r.randrange(0, 100):02d}-{d(4)}", line)
        elif marker == "mobile":
            written("phone", "-".join(v._phone_groups(True)), "plain")
        elif marker == "mail":
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            written("email", f"{local}@{r.choice(REPLY_MAIL_HOSTS)}", FORM_WRITING)
        elif marker in ("dob", "spaced_dob", "prose_dob"):
            y, m, dd = v.date(1940, 2010)
            style = r.choice(("{y}.{m}.{d}", "{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}년 {m}월 {d}일",
                              "{y}/{m:02d}/{d:02d}", "{yy}년 {m}월 {d}일", "{yy}{m:02d}{d:02d}"))
            if marker == "dob":
                style = r.choice(("{y}-{m:02d}-{d:02d}", "{y}.{m:02d}.{d:02d}", "{y}{m:02d}{d:02d}"))
            written("birth_date", style.format(y=y, yy=f"{y % 100:02d}", m=m, d=dd),
                    FORM_WRITING if marker == "dob" else PLACE_PROSE_WRITINGS.get(marker, "label_prose_ending"))
        elif marker in ("spaced_passport", "prose_passport"):
            written("passport", v._passport(r.choice(("current_format", "plain"))),
                    PLACE_PROSE_WRITINGS.get(marker, "label_prose_ending"))
        elif marker == "prose_card_masked":
            written("credit_card", v._credit_card("masked"), "masked_prose_ending", True)
        elif marker == "prose_brn_masked":  # the middle group hidden, or the last
            g = v._business_registration("hyphen").split("-")
            if r.random() < 0.6:
                g[1] = "**"
            else:
                g[2] = g[2][:1] + "****"
            written("business_registration", "-".join(g), "masked_prose_ending", True)
        elif marker == "misread_brn":
            written("business_registration", v._business_registration("hyphen"), "misread_label")
        elif marker == "misread_rrn":
            written("resident", v._resident("hyphen"), "misread_label")
        elif marker == "prose_acct":
            acct = v._bank_account("hyphen")
            written("bank_account", acct.replace("-", "") if r.random() < 0.5 else acct, "label_prose_ending")
        elif marker == "amex":
            written("credit_card", v._credit_card("amex").replace("-", r.choice((" ", " ", "-"))),
                    PLACE_PROSE_WRITINGS[marker])
        elif marker == "issue_date":
            y, m, dd = v.date(2016, 2034)
            w.negative(PLACE_PROSE_LOOK_ALIKES[marker], date_style.format(y=y, m=m, d=dd), line)
        elif marker == "order_no":
            w.negative(PLACE_PROSE_LOOK_ALIKES[marker], str(r.randrange(2019, 2027)) + d(8), line)
        else:
            raise ValueError(f"no number for marker {marker!r}")

    def receipt_paper(self) -> Document:
        """A paper of RECEIPT_PAPERS: cash receipts' mobiles, direct lines after an office's,
        partly masked birth dates, passports and licences."""
        return self.marked_paper(RECEIPT_GENRE, RECEIPT_PAPERS, "receipt:", {"{shop}": RECEIPT_SHOPS},
                                 ("receipt:date_style", RECEIPT_DATE_STYLES), lambda piece: piece, self.receipt_number)

    def receipt_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        mask = r.choice(("*", "*", "*", "●", "○"))

        def value(kind: str, text: str, writing: str) -> None:
            w.value(labelled.Written(kind, text, writing, writing.startswith(MASKED_PREFIX)), "label", line, line)

        def landline() -> list[str]:
            area = r.choice(("02", "031", "032", "051", "053", "054", "055", "062", "063", "042"))
            return [area, str(r.randrange(2, 10)) + d(r.choice((2, 3))), d(4)]

        if marker == "receipt_mobile":
            value("phone", r.choice(("-", "-", " ", ".", "")).join(v._phone_groups(True)), "cash_receipt")
        elif marker == "direct":
            groups = landline() if r.random() < 0.8 else v._phone_groups(True)
            value("phone", r.choice(("-", "-", ".", " ")).join(groups), "direct_line")
        elif marker == "office":
            groups = landline() if r.random() < 0.7 else [f"1{r.choice('568')}{r.randrange(0, 100):02d}", d(4)]
            w.negative(RECEIPT_LOOK_ALIKES[marker], r.choice(("-", "-", ".")).join(groups), line)
        elif marker == "receipt_no":
            y, m, dd = v.date(2024, 2026)
            w.negative(RECEIPT_LOOK_ALIKES[marker], r.choice((f"{y}-{m:02d}{dd:02d}-{d(4)}", f"{y}{m:02d}{dd:02d}-{d(4)}",
                                                              d(9), f"{d(3)}-{d(3)}-{d(3)}")), line)
        elif marker == "form_date":
            y, m, dd = v.date(2019, 2026)
            w.negative(RECEIPT_LOOK_ALIKES[marker], date_style.format(y=y, m=m, d=dd), line)
        elif marker == "dob_masked":
            y, m, dd = v.date(1940, 2012)
            style = self.pick("receipt:masked_birth", RECEIPT_MASKED_BIRTHS)
            value("birth_date", style.format(y=y, m=m, d=dd, c=str(y)[:2], mm=mask * 2), "masked_parts")
        elif marker == "passport_masked":
            text = v._passport("current_format")
            hidden = r.choice((4, 4, 3))
            value("passport", text[:9 - hidden] + mask * hidden, "masked_current")
        elif marker in ("ocr_phone", "ocr_rrn"):
            make = (lambda: "-".join(v._phone_groups(True))) if marker == "ocr_phone" else \
                (lambda: "-".join(v._resident_groups(False)))
            text = make()
            while not any(c in "58" for c in text):  # the scan misread a 5 or an 8 of it
                text = make()
            value("phone" if marker == "ocr_phone" else "resident", self.scanned(text), "scanned_letters")
        elif marker == "scan_code":
            code = r.choice((lambda: "".join(r.choice("ABCDEFGHJKLMNPRSTUVWXYZ0123456789") for _ in range(11)),
                             lambda: f"{r.choice(('GM', 'SB', 'BS', 'SM'))}-{d(4)}-{d(5)}",
                             lambda: f"{d(1)}{r.choice('ABMS')}{r.choice('BKRS')}R{d(1)}GR{d(4)}{r.choice('SUB')}",
                             lambda: "GIFT-" + "-".join("".join(r.choice("BCHJLNS0123456789") for _ in range(4))
                                                        for _ in range(2))))()
            w.negative(RECEIPT_LOOK_ALIKES[marker], code, line)
        elif marker == "licence_masked":
            g = v._driver_license("hyphen").split("-")
            star = "*" if r.random() < 0.8 else mask
            if r.random() < 0.5:
                middle = g[2][:2] + star * 4 if r.random() < 0.5 else star * 4 + g[2][4:]
                value("driver_license", "-".join((g[0], g[1], middle, g[3])), "masked_group")
            else:
                region = self.pick("receipt:region", LICENSE_REGIONS)
                value("driver_license", region + r.choice((" ", " ", "")) + "-".join((g[1], star * 4 + g[2][4:], g[3])),
                      "masked_region")

    def scanned(self, number: str) -> str:
        """The number as a scan's OCR read it: one of its 5s or 8s as S or B, and maybe another
        digit as its letter."""
        r = self.r
        places = {r.choice([k for k, c in enumerate(number) if c in "58"])}
        if r.random() < 0.4:
            places.add(r.choice([k for k, c in enumerate(number) if c in "0158"]))
        chars = list(number)
        for k in places:
            chars[k] = r.choice(RECEIPT_SCANNED_LETTERS[chars[k]])
        return "".join(chars)

    def misread_scan_paper(self) -> Document:
        """A paper of MISREAD_SCAN_PAPERS as a scan of one font read it: every 0, 1, 5 and 8 of its
        numbers and codes as the font's letter, now and then a digit printed full-width."""
        r = self.r
        font = dict(r.choice(MISREAD_SCAN_FONTS))
        wide = r.random() < 0.2  # this paper's OCR wrote some digits full-width

        def misread(number: str) -> str:
            return "".join(font.get(c, chr(ord(c) + 0xFEE0) if wide and c.isdigit() and r.random() < 0.3 else c)
                           for c in number)

        return self.marked_paper(MISREAD_SCAN_GENRE, MISREAD_SCAN_PAPERS, "misread:", {},
                                 ("misread:date_style", RECEIPT_DATE_STYLES), lambda piece: piece,
                                 lambda w, marker, line, style: self.misread_scan_number(w, marker, line, style, misread))

    def misread_scan_number(self, w: _Writer, marker: str, line: str, date_style: str, misread) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        if marker in MISREAD_SCAN_LOOK_ALIKES:
            y, m, dd = v.date(2019, 2026)
            text = {
                "model": lambda: r.choice((f"XG-{d(4)}{r.choice('BKW')}", f"KR{d(4)}-{r.choice('WHK')}",
                                           f"{r.choice(('GM', 'SM', 'LG'))}-{d(4)}-{d(5)}", f"SM-{r.choice('AGNS')}{d(3)}N")),
                "serial": lambda: r.choice((f"{d(4)}K{d(7)}", "".join(r.choice("ACEFGHJKMNPQRTUVWXY0123456789")
                                                                       for _ in range(11)),
                                            f"{d(1)}MKR{d(1)}GR{d(4)}U")),
                "coupon": lambda: "GIFT-" + "-".join("".join(r.choice("CHJLNW0123456789") for _ in range(4)) for _ in range(2)),
                "form_date": lambda: date_style.format(y=y, m=m, d=dd),
                "postal": lambda: d(5),
                "reg_no": lambda: r.choice((f"{y}{m:02d}{dd:02d}-{d(4)}", f"{y}-{d(6)}", f"{d(3)}-{d(3)}-{d(3)}")),
            }[marker]()
            w.negative(MISREAD_SCAN_LOOK_ALIKES[marker], misread(text), line)
            return
        sep = r.choice(("-", "-", "-", " ", "."))
        kind, text = {
            "mobile": lambda: ("phone", sep.join(v._phone_groups(True))),
            "mobile_bare": lambda: ("phone", "".join(v._phone_groups(True))),
            "intl": lambda: ("phone", (lambda g: r.choice((f"+82 {g[0][1:]} {g[1]} {g[2]}", f"+82 (0){g[0][1:]}-{g[1]}-{g[2]}",
                                                           f"+82-{g[0][1:]}-{g[1]}-{g[2]}")))(v._phone_groups(True))),
            "rrn": lambda: ("resident", r.choice(("-", "-", " ")).join(v._resident_groups(False))),
            "frn": lambda: ("foreigner_registration", r.choice(("-", "-", "")).join(v._resident_groups(True))),
            "card": lambda: ("credit_card", v._credit_card("hyphen").replace("-", r.choice(("-", "-", " ")))),
            "acct": lambda: ("bank_account", v._bank_account("hyphen")),
            "brn": lambda: ("business_registration", v._business_registration("hyphen").replace("-", r.choice(("-", "-", "")))),
            "licence": lambda: ("driver_license", v._driver_license("hyphen")),
            "passport": lambda: ("passport", v._passport("old_format" if r.random() < 0.6 else "current_format")),
        }[marker]()
        w.value(labelled.Written(kind, misread(text), "misread_scan", False), "label", line, line)

    def labelled_scan_paper(self) -> Document:
        """A form of the LABELLED_SCAN_* pools as a scan read it: some of its values' 0, 1, 5 and 8
        read as letters under labels of their kinds, beside look-alikes the same scan read; or a
        desk's chat where the person reads out the account asked for in spaced groups."""
        r, v = self.r, self.w.v
        w = _Writer(LABELLED_SCAN_GENRE, self.part)
        if r.random() < 0.2:
            self.labelled_scan_chat(w)
            return w.document()
        d = v.digits
        font = dict(r.choice(LABELLED_SCAN_FONTS))
        rate = r.choice((0.25, 0.4, 0.6))  # how often this scan misread a digit it can misread
        frame = self.pick("labelled_scan:frame", LABELLED_SCAN_FRAMES)
        punct = self.pick("labelled_scan:punct", LABELLED_SCAN_PUNCTS)
        before, after = frame.split("{x}")

        def misread(number: str, at_least_one: bool = True) -> str:
            places = [k for k, c in enumerate(number) if c in font]
            chosen = [k for k in places if r.random() < rate]
            if not chosen and places and at_least_one:
                chosen = [r.choice(places)]
            chars = list(number)
            for k in chosen:
                chars[k] = font[chars[k]]
            return "".join(chars)

        # A label on its own line is read with no frame: the scan's bars do not reach its lines.
        if "\n" in punct:
            before = after = ""

        def field(label: str) -> str:
            if w.chars:
                w.add("\n")
            w.add(before + label + punct)
            return before + label + punct

        def dob() -> str:
            y, m, dd = v.date(1940, 2010)
            style = self.pick("labelled_scan:dob_style", LABELLED_SCAN_DOB_STYLES)
            return style.format(y=y, yy=f"{y % 100:02d}", m=m, d=dd, Mon=MONTHS[m - 1][:3])

        def mobile() -> str:
            g = v._phone_groups(True)
            if r.random() < 0.1:
                g[0] = "070"
            return r.choice((f"{g[0]}-{g[1]}-{g[2]}", f"({g[0]}){g[1]}-{g[2]}", "".join(g), f"+82 {g[0][1:]} {g[1]} {g[2]}",
                             f"{g[0]} {g[1]} {g[2]}", f"{g[0]}.{g[1]}.{g[2]}", f"{g[0]}-{g[1]}-{g[2]}"))

        values = {
            "dob": ("birth_date", dob),
            "mobile": ("phone", mobile),
            "acct": ("bank_account", lambda: v._bank_account("hyphen").replace("-", r.choice(("-", "-", "", " ")))),
            "rrn": ("resident", lambda: r.choice(("-", "-", " ")).join(v._resident_groups(False))),
            "licence": ("driver_license", lambda: v._driver_license("hyphen")),
            "brn": ("business_registration", lambda: v._business_registration("hyphen")),
            "card": ("credit_card", lambda: v._credit_card("hyphen").replace("-", r.choice(("-", "-", " ")))),
        }
        y, m, dd = v.date(2019, 2026)
        others = {
            "code": lambda: r.choice((f"FD{d(2)}-{d(5)}", f"SN{d(12)}", f"L{d(2)}A{d(5)}", f"KX-{d(3)}B{d(2)}",
                                      f"{d(4)}-{d(4)}-B{d(2)}")),
            "plate": lambda: f"{d(r.choice((2, 3)))}{r.choice('가나다라마거너더러버서어저고노도로보소오조구누두부수우주하허호')}"
                             f"{r.choice((' ', ''))}{d(4)}",
            "isbn": lambda: f"978-89-{d(4)}-{d(3)}-{d(1)}",
            "order": lambda: r.choice((f"ORD-{y}{m:02d}{dd:02d}-{d(4)}", f"A{d(9)}", f"{y}{m:02d}{dd:02d}-K{d(5)}")),
        }
        title = self.pick("labelled_scan:title", LABELLED_SCAN_TITLES)
        if title:
            w.add(title)
        items = r.sample(tuple(LABELLED_SCAN_LABELS), r.randrange(2, 5)) + r.sample(tuple(LABELLED_SCAN_OTHER),
                                                                                     r.randrange(1, 3))
        r.shuffle(items)
        for item in items:
            if item in LABELLED_SCAN_LABELS:
                label = field(self.pick("labelled_scan:" + item, LABELLED_SCAN_LABELS[item]))
                kind, make = values[item]
                w.value(labelled.Written(kind, misread(make()), "labelled_scan", False), "label", label, frame)
            elif item in ("passport", "mail"):  # letters that are a value's own
                label = field(self.pick("labelled_scan:" + item, LABELLED_SCAN_OTHER[item]))
                text = (v._passport(r.choice(("old_format", "current_format"))) if item == "passport" else
                        f"{r.choice(corpus.ROMAN)}{r.choice(('', '_', '.'))}{d(r.choice((2, 4)))}@{r.choice(REPLY_MAIL_HOSTS)}")
                kind = "passport" if item == "passport" else "email"
                w.value(labelled.Written(kind, text, "scan_label_kept", False), "label", label, frame)
            else:
                label = field(self.pick("labelled_scan:" + item, LABELLED_SCAN_OTHER[item]))
                w.negative(LABELLED_SCAN_LOOK_ALIKES[item], misread(others[item](), at_least_one=False), label)
            w.add(after)
        return w.document()

    def labelled_scan_chat(self, w: _Writer) -> None:
        """A desk's chat: the staff asks for the account to refund to, the person reads it out on
        the next line in spaced groups with an ending; a reception number the staff gives after."""
        r, v = self.r, self.w.v
        staff, person = self.pick("labelled_scan:speakers", LABELLED_SCAN_SPEAKERS)
        w.add(f"{staff}: 네 {self.fill('{name}')}님 본인 확인 되셨습니다.\n")
        ask = self.pick("labelled_scan:ask", LABELLED_SCAN_ASKS)
        w.add(f"{staff}: {ask}\n{person}: " + r.choice(("", "", "{bank} ".replace("{bank}", r.choice(BANKS)))))
        groups = v._bank_account("hyphen").split("-")
        if r.random() < 0.5 and len(groups[-1]) > 3:
            groups[-1:] = [groups[-1][:-1], groups[-1][-1]]
        w.value(labelled.Written("bank_account", " ".join(groups), "chat_spaced_answer", False), "label", ask,
                staff + person)
        w.add(r.choice(LABELLED_SCAN_ENDINGS))
        w.add(f"\n{staff}: 확인 감사합니다. 접수번호는 ")
        w.negative("chat_reception_number", f"{r.randrange(2024, 2027)}-{v.digits(6)}", f"{staff}: 접수번호")
        w.add(" 입니다.")

    def contact_paper(self) -> Document:
        """A paper of CONTACT_PAPERS: a mobile a text message or a messenger's note is sent to,
        passports typed by hand, CSV rows a comma inside a field shifted, masked cards and
        resident numbers in short-headed columns."""
        r = self.r
        names = {"{shop}": CONTACT_SHOPS, "{ship}": CONTACT_SHIPS}

        def draws(piece: str) -> str:
            for key, pool in (("{uni_en}", CONTACT_UNIS_EN), ("{uni}", CONTACT_UNIS), ("{dept_en}", CONTACT_DEPTS_EN),
                              ("{dept}", CONTACT_DEPTS), ("{company_en}", CONTACT_COMPANIES_EN),
                              ("{city}", CONTACT_CITIES), ("{yn}", ("Y", "N"))):
                while key in piece:
                    piece = piece.replace(key, r.choice(pool), 1)
            while "{NAME}" in piece:
                piece = piece.replace("{NAME}", f"{r.choice(corpus.ROMAN_SUR)} {r.choice(corpus.ROMAN)}".upper(), 1)
            return piece

        return self.marked_paper(CONTACT_GENRE, CONTACT_PAPERS, "contact:", names,
                                 ("receipt:date_style", RECEIPT_DATE_STYLES), draws, self.contact_number)

    def contact_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def value(kind: str, text: str, writing: str) -> None:
            w.value(labelled.Written(kind, text, writing, writing.startswith(MASKED_PREFIX)), "label", line, line)

        def mobile(intl_share: float) -> tuple[str, bool]:
            g = v._phone_groups(True)
            if r.random() < intl_share:  # +82 and the number without its 0
                g[0] = g[0][1:]
                return r.choice(("+82 {0}-{1}-{2}", "+82-{0}-{1}-{2}", "+82 {0} {1} {2}", "+82{0}{1}{2}",
                                 "+82 {0}{1}{2}", "+82{0}-{1}-{2}")).format(*g), True
            return r.choice(("-", "-", " ", ".", "")).join(g), False

        def passport_old() -> str:
            return r.choice("MMMSRDG") + d(8)

        if marker == "msg_mobile":
            if r.random() < 0.15:  # the groups typed in other widths
                t = "".join(v._phone_groups(True))
                cut = r.choice(((3, 5), (4, 7), (3, 6), (7, 7), (3, 3)))
                value("phone", "-".join(p for p in (t[:cut[0]], t[cut[0]:cut[1]], t[cut[1]:]) if p),
                      "message_odd_groups")
            else:
                text, intl = mobile(0.35)
                value("phone", text, "message_intl" if intl else "message_target")
        elif marker == "pp_lower":
            text = passport_old() if r.random() < 0.7 else v._passport("current_format")
            value("passport", text.lower(), "typed_lower")
        elif marker == "pp_spaced":
            t = passport_old()
            value("passport", r.choice((f"{t[0]} {t[1:5]} {t[5:]}", f"{t[:5]} {t[5:]}", f"{t[0]} {t[1:]}",
                                        f"{t[0]}-{t[1:5]}-{t[5:]}")), "typed_groups")
        elif marker == "pp_current":
            value("passport", v._passport("current_format"), "typed_current")
        elif marker in ("row_mobile", "col_mobile"):
            value("phone", mobile(0.5 if marker == "row_mobile" else 0.15)[0],
                  "shifted_row" if marker == "row_mobile" else "short_header_row")
        elif marker in ("row_mail", "col_mail"):
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            host = r.choice(("yonsei.ac.kr", "korea.ac.kr", "snu.ac.kr", "naver.com", "gmail.com", "daum.net"))
            value("email", f"{local}@{host}", "shifted_row" if marker == "row_mail" else "short_header_row")
        elif marker == "row_pp_masked":
            value("passport", passport_old()[:5] + r.choice(("*", "*", "X")) * 4, "masked_shifted_row")
        elif marker == "row_pp":
            value("passport", passport_old() if r.random() < 0.5 else v._passport("current_format"), "shifted_row")
        elif marker in ("row_dob", "col_dob"):
            y, m, dd = v.date(1950, 2006)
            style = r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}{m:02d}{d:02d}", "{y}/{m:02d}/{d:02d}"))
            value("birth_date", style.format(y=y, m=m, d=dd), "shifted_row" if marker == "row_dob" else "crew_column")
        elif marker == "pay":
            if r.random() < 0.3:  # paid another way: no number
                w.add(r.choice(CONTACT_PAYS))
                return
            mask = r.choice(("*", "*", "X", "●"))
            g = [r.choice("3456") + d(3), d(4), d(4), d(4)]
            shape = r.randrange(4)
            if shape == 0:  # 6243 46** **** 0***
                g = [g[0], g[1][:2] + mask * 2, mask * 4, g[3][0] + mask * 3]
            elif shape == 1:  # ****-****-****-1061
                g = [mask * 4, mask * 4, mask * 4, g[3]]
            else:
                g = [g[0], g[1][:2] + mask * 2, mask * 4, g[3]]
            value("credit_card", r.choice((" ", "-")).join(g), "masked_pay_column")
        elif marker == "rrn_masked":  # 44****-1******: the year and the sex digit in clear
            y, m, _ = v.date(1940, 2005)
            sex = r.choice("12") if y < 2000 else r.choice("34")
            value("resident", f"{y % 100:02d}" + r.choice(("****", f"{m:02d}**", "****")) + f"-{sex}******",
                  "masked_crew_column")
        elif marker == "shop_line":
            g = [r.choice(("02", "031", "051", "053", "070")), str(r.randrange(2, 10)) + d(3), d(4)] \
                if r.random() < 0.6 else [f"1{r.choice('568')}{r.randrange(0, 100):02d}", d(4)]
            w.negative(CONTACT_LOOK_ALIKES[marker], "-".join(g), line)
        elif marker == "order_no":
            y, m, dd = v.date(2025, 2026)
            w.negative(CONTACT_LOOK_ALIKES[marker],
                       r.choice((f"{y}{m:02d}{dd:02d}-{d(5)}", d(12), f"A{y}{m:02d}{dd:02d}{d(3)}")), line)
        elif marker == "tracking":
            w.negative(CONTACT_LOOK_ALIKES[marker], r.choice((d(12), f"{d(4)}-{d(4)}-{d(4)}", f"{d(4)} {d(4)} {d(4)}")),
                       line)
        elif marker == "user_id":
            w.negative(CONTACT_LOOK_ALIKES[marker], r.choice("mkjs") + d(8), line)
        elif marker == "expiry":
            y, m, dd = v.date(2025, 2036)
            w.negative(CONTACT_LOOK_ALIKES[marker], date_style.format(y=y, m=m, d=dd), line)
        else:
            raise ValueError(f"no number for {marker!r}")


    def apart_paper(self) -> Document:
        """A paper of APART_PAPERS: a number asked for and given after the clause that says so, a
        sender's signature block with the organisation's lines under it, English labels of a
        person's own line, a treasurer's line after their account."""
        r = self.r
        names = {"{company}": APART_COMPANIES, "{team}": APART_TEAMS, "{branch}": APART_BRANCHES,
                 "{stay}": APART_STAYS, "{ptitle}": APART_TITLES}

        def person() -> str:
            return r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)

        def draws(piece: str) -> str:
            for key in ("{sname}", "{cname}"):
                while key in piece:
                    piece = piece.replace(key, person(), 1)
            while "{NAME}" in piece:
                piece = piece.replace("{NAME}", f"{r.choice(corpus.ROMAN_SUR)} {r.choice(corpus.ROMAN)}".upper(), 1)
            return piece

        # A value's wording is its whole paper: what names it (a signature's name, a request's
        # clause) stands lines or words away, and the same line stands in papers of both parts.
        w = _Writer(APART_GENRE, self.part)
        kind = r.choice(tuple(APART_PAPERS))
        picked = {k: self.pick("apart:" + k, pool) for k, pool in names.items()}
        paper = self.pick("apart:" + kind, APART_PAPERS[kind])
        wording = "\n".join(paper)
        self.marked_lines(w, paper, picked, draws, lambda marker, _line: self.apart_number(w, marker, wording))
        return w.document()

    def apart_number(self, w: _Writer, marker: str, line: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits

        def value(kind: str, text: str, writing: str) -> None:
            w.value(labelled.Written(kind, text, writing, False), "label", line, line)

        def landline() -> list[str]:
            area = r.choice(("02", "031", "032", "051", "052", "053", "054", "064", "070"))
            return [area, str(r.randrange(2, 10)) + d(3 if area == "070" else r.choice((2, 3))), d(4)]

        if marker == "lic":
            g = [str(r.choice(list(range(11, 27)) + [28])), f"{r.randrange(0, 100):02d}", d(6),
                 f"{r.randrange(0, 100):02d}"]
            value("driver_license", r.choice(("-", "-", " ", " ", ".")).join(g), "asked_for")
        elif marker == "pp":
            value("passport", v._passport("plain" if r.random() < 0.6 else "current_format"), "asked_for")
        elif marker == "acct":
            value("bank_account", v._bank_account("hyphen"),
                  "asked_for" if "달라" in line or "필요" in line else "personal_account")
        elif marker == "rrn":
            value("resident", v._resident("hyphen"), "asked_for")
        elif marker == "own_line":
            g = landline() if r.random() < 0.6 else v._phone_groups(True)
            value("phone", r.choice((".", "-", "-", " ")).join(g), "signature_own_line")
        elif marker == "own_mail":
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            value("email", f"{local}@{r.choice(('hanmail.net', 'naver.com', 'gmail.com', 'daum.net', 'nate.com'))}",
                  "signature_own_mail")
        elif marker == "safe12":  # a 050x safe number, twelve digits, mostly without separators
            t = "050" + str(r.randrange(2, 8)) + d(8)
            value("phone", t if r.random() < 0.7 else f"{t[:4]}-{t[4:8]}-{t[8:]}", "english_own_line")
        elif marker == "guest_mobile":
            value("phone", "".join(v._phone_groups(True)) if r.random() < 0.6 else "-".join(v._phone_groups(True)),
                  "english_own_line")
        elif marker == "treasurer":
            g = v._phone_groups(True)
            text = f"+82-{g[0][1:]}-{g[1]}-{g[2]}" if r.random() < 0.5 else "-".join(g)
            value("phone", text, "treasurer_line")
        elif marker in ("org_line", "fax", "desk_line"):
            w.negative(APART_LOOK_ALIKES[marker], r.choice(("-", "-", ".")).join(landline()), line)
        elif marker == "org_rep":
            w.negative(APART_LOOK_ALIKES[marker], f"1{r.choice('568')}{r.randrange(0, 100):02d}-{d(4)}", line)
        elif marker == "assoc_acct":
            w.negative(APART_LOOK_ALIKES[marker], v._bank_account("hyphen"), line)
        elif marker == "claim":
            y, m, dd = v.date(2025, 2026)
            w.negative(APART_LOOK_ALIKES[marker], r.choice((f"{y}{m:02d}{dd:02d}-{d(5)}", f"{y % 100:02d}-{d(7)}",
                                                            d(12), f"{y}-{d(6)}")), line)

    def roster_column_paper(self) -> Document:
        """A paper of ROSTER_COLUMN_PAPERS: a manifest or roster whose columns two spaces or more
        part, or a class list in CSV one of whose rows a date's comma shifted."""
        r = self.r
        names = {"{tour}": ROSTER_COLUMN_TOURS, "{ship}": ROSTER_COLUMN_SHIPS, "{class}": ROSTER_COLUMN_CLASSES}
        # How wide this paper's gaps are: two spaces, or more, as the export pads them.
        gap = r.choice(("  ", "  ", "   ", "    "))

        def draws(piece: str) -> str:
            while "{NAME}" in piece:
                # A given name written whole or as its two syllables apart (KIM MIN JUN).
                given = r.choice(corpus.ROMAN) if r.random() < 0.6 else r.choice(ROSTER_COLUMN_GIVEN_APART)
                piece = piece.replace("{NAME}", f"{r.choice(corpus.ROMAN_SUR)} {given}".upper(), 1)
            while "{no}" in piece:
                piece = piece.replace("{no}", str(r.randrange(10000, 99999)), 1)
            while "{sex}" in piece:
                piece = piece.replace("{sex}", r.choice("MF"), 1)
            # A gap of four spaces in a row is an empty cell: twice the paper's gap.
            return piece.replace("    ", gap + gap) if "    " in piece else piece.replace("  ", gap)

        return self.marked_paper(ROSTER_COLUMN_GENRE, ROSTER_COLUMN_PAPERS, "roster_column:", names,
                                 ("roster_column:date_style", ROSTER_COLUMN_DATE_STYLES), draws, self.roster_column_number)

    def roster_column_number(self, w: _Writer, marker: str, line: str, style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        csv = "," in line

        def value(kind: str, text: str, writing: str) -> None:
            w.value(labelled.Written(kind, text, writing, writing.startswith(MASKED_PREFIX)), "label", line, line)

        def date(y: int, m: int, dd: int) -> str:
            shape = style if r.random() < 0.8 else self.pick("roster_column:date_style", ROSTER_COLUMN_DATE_STYLES)
            return shape.format(y=y, yy=y % 100, m=m, d=dd, MON=MONTHS[m - 1][:3].upper())

        # A row whose gap is wider than the others' left a cell empty.
        writing = "csv_column" if csv else "aligned_gap_row" if "        " in line or (
            "    " in line and "  " in line.replace("    ", "")) else "aligned_column"
        if marker == "dob":
            y, m, dd = v.date(2008, 2022) if csv else v.date(1940, 2010)
            if csv:
                text = r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{yy:02d}{m:02d}{d:02d}",
                                 "{y}{m:02d}{d:02d}", "{y}/{m:02d}/{d:02d}")).format(y=y, yy=y % 100, m=m, d=dd)
            else:
                text = date(y, m, dd)
            value("birth_date", text, writing)
        elif marker == "dob_comma":  # unquoted: the row gets a cell more than its header
            y, m, dd = v.date(2008, 2022)
            month = MONTHS[m - 1]
            value("birth_date", f"{r.choice((month[:3], month))} {dd}, {y}", "csv_overfull_row")
        elif marker == "pp":
            if r.random() < 0.15:
                t = r.choice("MMSG") + d(8)
                value("passport", t[:5] + r.choice(("*", "*", "X")) * 4, MASKED_PREFIX + writing)
            else:
                value("passport", r.choice("MMMSRG") + d(8) if r.random() < 0.7 else v._passport("current_format"),
                      writing)
        elif marker in ("mobile", "mobile_bare"):
            g = v._phone_groups(True)
            value("phone", "".join(g) if marker == "mobile_bare" else r.choice(("-", "-", ".", "")).join(g), writing)
        elif marker == "mail":
            local = r.choice(corpus.ROMAN) + r.choice((".", "_", "")) + r.choice(corpus.ROMAN_SUR)
            value("email", f"{local}@{r.choice(('naver.com', 'gmail.com', 'daum.net', 'hanmail.net'))}", writing)
        elif marker == "expiry":
            y, m, dd = v.date(2026, 2036)
            w.negative(ROSTER_COLUMN_LOOK_ALIKES[marker], date(y, m, dd), line)
        elif marker == "booking":
            w.negative(ROSTER_COLUMN_LOOK_ALIKES[marker],
                       r.choice((d(8), f"{r.choice('KOZ')}{d(7)}", f"{d(4)}-{d(4)}")), line)
        else:
            raise ValueError(f"no number for {marker!r}")

    def chat_record_paper(self) -> Document:
        """A chat or a record whose layout tells a value's kind (CHAT_RECORD_PAPERS): a role's
        speaker stamp, an identity record's type key, a card masked with symbols in spaced
        groups, a directory's rows without a header near them."""
        r = self.r
        names = {"{cardco}": NO_PERSON_CARD_COMPANIES}

        def draws(piece: str) -> str:
            return piece.replace("{dong}", r.choice(CHAT_RECORD_DONGS))

        return self.marked_paper(CHAT_RECORD_GENRE, CHAT_RECORD_PAPERS, "chat_record:", names,
                                 ("serial:date_style", SERIAL_DATE_STYLES), draws, self.chat_record_number)

    def chat_record_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v
        d = v.digits
        region = lambda: str(r.choice(list(range(11, 27)) + [28]))
        if marker == "lic":
            writing = "type_record" if line.lstrip().startswith(("{", "GET", "[verify]", "identity", "'", '"')) \
                else "speaker_message"
            text = "-".join((region(), f"{r.randrange(0, 100):02d}", d(6), f"{r.randrange(0, 100):02d}"))
            w.value(labelled.Written("driver_license", text, writing, False), "label", line, line)
        elif marker == "mlic":  # the serial's last four digits or the check digits hidden
            mask = r.choice(("*", "*", "●", "X"))
            serial = d(2) + mask * 4 if r.random() < 0.6 else mask * 6
            text = "-".join((region(), f"{r.randrange(0, 100):02d}", serial, d(2)))
            w.value(labelled.Written("driver_license", text, "masked_type_record", True), "label", line, line)
        elif marker == "pp":
            w.value(labelled.Written("passport", v._passport("current_format" if r.random() < 0.5 else "old"),
                                     "type_record", False), "label", line, line)
        elif marker == "arc":
            w.value(labelled.Written("foreigner_registration", v._foreigner_registration("hyphen"), "type_record",
                                     False), "label", line, line)
        elif marker == "scard":  # four groups of four (or 4-6-5) apart by spaces or dots, masked by symbols
            mask = r.choice(CHAT_RECORD_CARD_MASKS)
            sep = r.choice((" ", " ", " ", "."))
            if r.random() < 0.8:
                g = [r.choice("3456") + d(3), d(2) + mask * 2 if r.random() < 0.7 else mask * 4, mask * 4, d(4)]
            else:
                g = ["37" + d(2), d(2) + mask * 4, mask + d(4)]
            w.value(labelled.Written("credit_card", sep.join(g), "masked_symbols_spaced", True), "label", line, line)
        elif marker == "dob":
            y, m, dd = v.date(1950, 2008)
            style = r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{y}/{m:02d}/{d:02d}", "{y}.{m}.{d}"))
            w.value(labelled.Written("birth_date", style.format(y=y, m=m, d=dd), "directory_row", False), "label",
                    line, line)
        elif marker == "student":
            w.negative(CHAT_RECORD_LOOK_ALIKES[marker], f"{r.randrange(2015, 2027)}{d(6)}", line)
        elif marker == "event":
            y, m, dd = v.date(2024, 2027)
            w.negative(CHAT_RECORD_LOOK_ALIKES[marker],
                       r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}")).format(y=y, m=m, d=dd), line)
        else:
            self.no_persons_number(w, marker, line, date_style)

    def birth_name_paper(self) -> Document:
        """A paper of BIRTH_NAME_PAPERS: birth dates in brackets after a person's name, roster
        threads' replies under or over the post asking for names and birth dates, identity
        numbers under a label that names no kind."""
        return self.marked_paper(BIRTH_NAME_GENRE, BIRTH_NAME_PAPERS, "birth_name:", {},
                                 ("birth_name:date_style", BIRTH_NAME_DATE_STYLES), lambda piece: piece,
                                 self.birth_name_number)

    def birth_name_number(self, w: _Writer, marker: str, line: str, date_style: str) -> None:
        r, v = self.r, self.w.v

        def date(style: str, lo: int, hi: int) -> str:
            y, m, dd = v.date(lo, hi)
            return style.format(y=y, yy=y % 100, m=m, d=dd)

        if marker == "bdob":  # each person's own shape, as several writers fill one paper
            text = date(self.pick("birth_name:date_style", BIRTH_NAME_DATE_STYLES), 1935, 2008)
            w.value(labelled.Written("birth_date", text, "name_bracketed", False), "label", line, line)
        elif marker == "rdob":
            text = date(self.pick("birth_name:roster_style", BIRTH_NAME_ROSTER_STYLES), 1940, 2010)
            w.value(labelled.Written("birth_date", text, "roster_reply", False), "label", line, line)
        elif marker == "cpass":
            w.value(labelled.Written("passport", v._passport("old"), "chat_answer", False), "label", line, line)
        elif marker == "cdob":
            text = date(self.pick("birth_name:chat_style", BIRTH_NAME_CHAT_STYLES), 1936, 2012)
            w.value(labelled.Written("birth_date", text, "chat_roster_reply", False), "label", line, line)
        elif marker == "mobile":
            w.value(labelled.Written("phone", r.choice(("-", "-", "")).join(v._phone_groups(True)), "plain", False),
                    "label", line, line)
        elif marker == "idcheck":
            kind = r.choice(("passport", "passport", "resident", "foreigner_registration", "driver_license"))
            text = {"passport": lambda: v._passport(r.choice(("current_format", "old"))),
                    "resident": lambda: "-".join(v._resident_groups(False)),
                    "foreigner_registration": lambda: v._foreigner_registration("hyphen"),
                    "driver_license": lambda: v._driver_license("hyphen")}[kind]()
            w.value(labelled.Written(kind, text, "identity_check", False), "label", line, line)
        elif marker == "event":
            w.negative(BIRTH_NAME_LOOK_ALIKES[marker], date(date_style.replace("{yy:02d}", "{y}"), 2019, 2026), line)
        elif marker == "founded":
            y, m, dd = v.date(1960, 2015)
            w.negative(BIRTH_NAME_LOOK_ALIKES[marker], r.choice((f"{y}년", f"{y}.{m:02d}.{dd:02d}", f"{y}년 {m}월")), line)

    def machine_key_paper(self) -> Document:
        """A log line, a query string, a JSON body or a dump of MACHINE_KEY_LAYOUTS: values under
        the standard terms' column names, look-alikes under their own keys."""
        r, v = self.r, self.w.v
        w = _Writer(MACHINE_KEY_GENRE, self.part)
        kinds, weights = zip(*MACHINE_KEY_KINDS)

        def value(kind: str) -> str:
            y, m, dd = v.date(1950, 2008)
            return {
                "birth_date": lambda: r.choice((f"{y}-{m:02d}-{dd:02d}", f"{y % 100:02d}{m:02d}{dd:02d}",
                                                f"{y}{m:02d}{dd:02d}", f"{y}.{m:02d}.{dd:02d}")),
                "driver_license": lambda: v._driver_license(r.choice(("hyphen", "plain"))),
                "business_registration": lambda: v._business_registration(r.choice(("hyphen", "hyphen", "plain"))),
                "foreigner_registration": lambda: v._foreigner_registration(r.choice(("hyphen", "plain"))),
                "resident": lambda: v._resident(r.choice(("hyphen", "plain"))),
                "phone": lambda: r.choice(("-", "")).join(v._phone_groups(False)),
                "bank_account": lambda: v._bank_account(r.choice(("hyphen", "plain"))),
                "credit_card": lambda: v._credit_card(r.choice(("hyphen", "plain"))),
                "passport": lambda: v._passport(r.choice(("old", "current_format"))),
                "email": lambda: v._email("plain"),
            }[kind]()

        def look_alike(what: str) -> str:
            d = v.digits
            return {"order": lambda: r.choice((f"2026{r.randrange(1, 13):02d}{r.randrange(1, 29):02d}{d(6)}",
                                               f"{d(3)}-{d(3)}-{d(6)}", f"ORD{d(10)}")),
                    "aprv": lambda: d(8), "rsv": lambda: r.choice((f"R{d(10)}", d(12), f"{d(6)}-{d(4)}")),
                    "amt": lambda: str(r.randrange(1, 3000) * 100),
                    "ip": lambda: f"{r.randrange(1, 224)}.{r.randrange(256)}.{r.randrange(256)}.{r.randrange(1, 255)}"}[what]()

        def write(marker: str, line: str) -> None:
            style, what = marker.split(":")
            kind = r.choices(kinds, weights)[0] if what == "any" else what
            keys = MACHINE_KEYS.get(kind) or MACHINE_KEY_LOOK_ALIKE_KEYS[kind]
            key = self.pick("machine_key:" + kind, keys)
            quote = '"' if style == "j" else ""
            w.add({"q": f"{key}=", "j": f'"{key}": "', "c": f"{key}: ", "y": f"{key}: "}[style])
            if kind in MACHINE_KEYS:
                w.value(labelled.Written(kind, value(kind), "machine_key", False), "label", key, line)
            else:
                w.negative(MACHINE_KEY_LOOK_ALIKES[kind], look_alike(kind), key)
            w.add(quote)

        self.marked_lines(w, self.pick("machine_key:layout", MACHINE_KEY_LAYOUTS), {}, lambda p: p, write)
        return w.document()

    def chat_request_paper(self) -> Document:
        """A messenger's export: a friend asks where to send money in slang and another answers with
        a bare account on the next message; a phone asked for and answered, and look-alikes
        answered the same way, around them."""
        r, v = self.r, self.w.v
        w = _Writer(CHAT_REQUEST_GENRE, self.part)
        stamp_style = r.choice(CHAT_REQUEST_STAMPS)
        names = [r.choice(corpus.GIVEN) for _ in range(2)]
        y, mo, d, h, mi = r.randrange(2021, 2027), r.randrange(1, 13), r.randrange(1, 29), r.randrange(1, 12), r.randrange(60)
        ampm = r.choice(("오전", "오후"))

        def say(who: int, text: str = "") -> None:
            nonlocal mi
            mi = min(59, mi + r.randrange(0, 3))
            if w.chars:
                w.add("\n")
            w.add(stamp_style.format(y=y, mo=mo, d=d, ampm=ampm, h=h, mi=f"{mi:02d}",
                                     who=names[who]) + text)

        def answer(ask: str) -> None:
            if r.random() < 0.2:
                say(1, r.choice(CHAT_REQUEST_REMARKS))
            say(1, r.choice(CHAT_REQUEST_LEADS))

        exchanges = ["money"] * r.choice((1, 1, 2)) + [r.choice(("phone", "order", "parcel", "code", "time"))]
        r.shuffle(exchanges)
        for ex in exchanges:
            if ex == "money":
                ask = self.pick("chat_request:ask", CHAT_REQUEST_ASKS)
                say(0, ask)
                answer(ask)
                masked = r.random() < 0.3
                text = v._bank_account("masked" if masked else r.choice(("hyphen", "spaced", "hyphen")))
                if masked and r.random() < 0.5:  # the middle group starred, as the app shows it
                    g = text.split("-")
                    text = "-".join([g[0], "*" * len(g[1])] + g[2:])
                w.value(labelled.Written("bank_account", text, "masked_chat_answer" if masked else "chat_answer", masked),
                        "label", ask, ask)
                w.add(r.choice(CHAT_REQUEST_TAILS))
                if r.random() < 0.5:
                    say(0, r.choice(("ㄱㅅ 보냄", "보냈어~", "입금 완료", "ㅇㅋ")))
            elif ex == "phone":
                ask = self.pick("chat_request:phone_ask", CHAT_REQUEST_PHONE_ASKS)
                say(0, ask)
                answer(ask)
                w.value(labelled.Written("phone", r.choice(("-", "")).join(v._phone_groups(True)), "chat_answer", False),
                        "label", ask, ask)
            else:
                ask = self.pick("chat_request:" + ex, CHAT_REQUEST_OTHER_ASKS[ex])
                say(0, ask)
                answer(ask)
                dg = v.digits
                text = {"order": lambda: f"2026{mo:02d}{d:02d}{dg(6)}", "parcel": lambda: f"{dg(4)} {dg(4)} {dg(4)}",
                        "code": lambda: dg(6), "time": lambda: f"{r.randrange(1, 12)}:{r.choice(('00', '30'))}"}[ex]()
                w.negative(CHAT_REQUEST_LOOK_ALIKES[ex], text, ask)
            if r.random() < 0.4:
                say(r.randrange(2), r.choice(("ㅋㅋㅋ", "낼 봐", "ㅇㅇ", "고마워")))
        return w.document()

    def half_masked_paper(self) -> Document:
        """A paper of HALF_MASK_PAPERS: e-mails with stars inside their local part, birth dates
        showing only their year (or year and month), birth dates in brackets after a masked name."""
        r = self.r

        def draws(piece: str) -> str:
            while "{mname}" in piece:  # each person their own masked name
                piece = piece.replace("{mname}", self.masked_name(), 1)
            return (piece.replace("{clinic}", r.choice(HALF_MASK_CLINICS)).replace("{lt}", "<").replace("{gt}", ">")
                    .replace("{login}", r.choice(corpus.ROMAN) + str(r.randrange(10, 100))))

        self._half_masked_birth = None
        return self.marked_paper(HALF_MASK_GENRE, HALF_MASK_PAPERS, "half_mask:", {},
                                 ("half_mask:birth", HALF_MASK_BIRTHS), draws, self.half_masked_number)

    def masked_name(self) -> str:
        """A person's name as a notice masks it: 한*우, 김**, 남궁*희, H** K**."""
        r = self.r
        mask = r.choice(("*", "*", "*", "○"))
        sur, given = r.choice(corpus.SURNAMES), r.choice(corpus.GIVEN)
        style = r.random()
        if style < 0.55:
            return sur + mask + given[1]
        if style < 0.75:
            return sur + mask * 2
        if style < 0.85:
            return r.choice(("남궁", "황보", "제갈", "선우")) + mask + given[1]
        return f"{r.choice(corpus.ROMAN_SUR)[0].upper()}** {r.choice(corpus.ROMAN)[0].upper()}**"

    def half_masked_number(self, w: _Writer, marker: str, line: str, birth_style: str) -> None:
        r, v = self.r, self.w.v
        mask = r.choice(("*", "*", "*", "●", "X"))

        def date(style: str, lo: int, hi: int) -> tuple[str, tuple[int, int, int]]:
            y, m, dd = v.date(lo, hi)
            return style.format(y=y, yy=y % 100, m=m, d=dd, M=mask * 2), (y, m, dd)

        if marker == "hmail":
            local = r.choice((r.choice(corpus.ROMAN), r.choice(corpus.ROMAN) + r.choice(corpus.ROMAN_SUR),
                              f"{r.choice(corpus.ROMAN)}{r.randrange(70, 100)}", f"{r.choice(corpus.ROMAN)}.{r.choice(corpus.ROMAN_SUR)}"))
            head, tail = (1, 1) if r.random() < 0.7 else (2, r.choice((1, 2)))
            stars = r.choice((max(2, len(local) - head - tail), 4, 3, 5))
            text = local[:head] + "*" * stars + local[-tail:] + "@" + r.choice(HALF_MASK_MAIL_HOSTS)
            w.value(labelled.Written("email", text, "masked_middle", True), "label", line, line)
        elif marker == "mdob":  # the paper's style for each row, as one system printed them
            text, self._half_masked_birth = date(birth_style, 1940, 2008)
            w.value(labelled.Written("birth_date", text, "masked_year_shown", True), "label", line, line)
        elif marker == "mrrn":  # the row's resident number, masked after its sex digit: the same birth
            y, m, dd = self._half_masked_birth or v.date(1940, 2008)
            sex = (1 if y < 2000 else 3) + r.randrange(2)
            w.value(labelled.Written("resident", f"{y % 100:02d}{m:02d}{dd:02d}-{sex}******", "masked_row_back", True),
                    "label", line, line)
        elif marker == "ndob":
            style = self.pick("half_mask:notice_date", HALF_MASK_NOTICE_DATES)
            text, _ = date(style, 1935, 2008)
            masked = "{M}" in style
            w.value(labelled.Written("birth_date", text, "masked_after_masked_name" if masked else "after_masked_name",
                                     masked), "label", line, line)
        elif marker == "wild":
            host = r.choice(HALF_MASK_WILD_HOSTS)
            text = r.choice(("*@" + host, "user*@" + host, "*.*@" + host, "admin*@" + host, "**@" + host))
            w.negative(HALF_MASK_LOOK_ALIKES[marker], text, line)
        elif marker == "mother":
            text, _ = date(self.pick("half_mask:other_date", HALF_MASK_OTHER_DATES), 2015, 2026)
            w.negative(HALF_MASK_LOOK_ALIKES[marker], text, line)
        elif marker == "mvisit":
            y, m, dd = v.date(2025, 2027)
            w.negative(HALF_MASK_LOOK_ALIKES[marker],
                       r.choice((f"{y}.{m:02d}.{dd:02d}", f"{y}-{m:02d}-{dd:02d}", f"{m}/{dd}")), line)

    def announced_reply(self) -> Document:
        """Replies to a request or an announcement: rows under the fields a post asked for, a
        value in the message after the one that said it was coming, an owner's mobile under a
        repair company's block, an export paper's contact person's line, a bare " at " e-mail."""
        w = _Writer(REPLY_GENRE, self.part)
        getattr(self, "_reply_" + self.r.choice(REPLY_KINDS))(w)
        return w.document()

    def _reply_look_alikes(self) -> dict:
        r, v = self.r, self.w.v
        return {"prose_at_domain": lambda: r.choice(REPLY_MAIL_HOSTS),
                "company_office_line": lambda: r.choice(("02", "031", "032", "051", "070")) + "-"
                + str(r.randrange(2, 10)) + v.digits(2) + "-" + v.digits(4)}

    def _reply_rows(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        kinds = [None] + r.sample(["phone", "birth_date"], 2)
        if r.random() < 0.4:
            kinds = [None, "birth_date"]
        # A kind's words share the side of the same words in the other genres' labels.
        words = [self.pick(("label:" if k in LABELS else "reply:word:") + str(k), REPLY_FIELD_WORDS[k]) for k in kinds]
        joiner = self.pick("reply:joiner", REPLY_JOINERS)
        request = self.pick("reply:request", REPLY_REQUESTS)
        w.add(self.fill(request.replace("{fields}", joiner.join(words))))
        bullet = self.pick("reply:bullet", REPLY_BULLETS)
        birth_style = r.choice(("{y}.{m:02d}.{d:02d}", "{y}-{m:02d}-{d:02d}", "{yy:02d}{m:02d}{d:02d}", "{y}{m:02d}{d:02d}",
                                "{y}.{m}.{d}"))
        for i in range(1, r.randrange(3, 7)):
            w.add("\n" + bullet.replace("{i}", str(i)))
            for k, kind in enumerate(kinds):
                if k:
                    w.add(joiner)
                if kind is None:
                    w.add(r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN))
                elif kind == "phone":
                    w.value(labelled.Written("phone", "-".join(v._phone_groups(True)), "plain", False), "label",
                            words[k], request)
                else:
                    y, m, d = v.date(1950, 2012)
                    w.value(labelled.Written("birth_date", birth_style.format(y=y, yy=y % 100, m=m, d=d), "row_reply",
                                             False), "label", words[k], request)

    def _reply_licence(self) -> tuple[str, str]:
        r, v = self.r, self.w.v
        text = v._driver_license("hyphen")
        style = r.choice(("hyphen", "plain", "spaced", "masked"))
        if style == "plain":
            return text.replace("-", ""), "announced_plain"
        if style == "spaced":
            return text.replace("-", " "), "spaced"
        if style == "masked":
            g = text.split("-")
            return "-".join((g[0], g[1], g[2][:2] + "****", g[3])), "masked_partly"
        return text, "announced_hyphen"

    def _reply_announced(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        kind = r.choices(list(REPLY_ANNOUNCE), (5, 1.5, 1.5, 1))[0]
        stamp = self.pick("reply:stamp", REPLY_CHAT_STAMPS)
        name = r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)
        other = r.choice(corpus.SURNAMES) + r.choice(corpus.GIVEN)

        def message(who: str, msg: str) -> None:
            w.add(self.fill(stamp.replace("{name}", who)).replace("{msg}", msg))

        announcement = self.pick("reply:announce:" + kind, REPLY_ANNOUNCE[kind])
        message(name, announcement)
        if r.random() < 0.3 and "{name}" in stamp:
            w.add("\n")
            message(other, self.pick("reply:remark", REPLY_REMARKS))
        w.add("\n")
        head, _, tail = self.fill(stamp.replace("{name}", name)).partition("{msg}")
        w.add(head)
        if kind == "driver_license":
            text, writing = self._reply_licence()
        elif kind == "bank_account":
            text, writing = v._bank_account("hyphen"), "announced_hyphen"
        elif kind == "passport":
            text, writing = v._passport(r.choice(("current_format", "old"))), "announced"
        else:
            text, writing = "-".join(v._phone_groups(False)), "plain"
        w.value(labelled.Written(kind, text, writing, writing == "masked_partly"), "sentence_cue", announcement, stamp)
        w.add(tail)
        if r.random() < 0.5:
            w.add("\n")
            message(other, self.pick("reply:remark", REPLY_REMARKS))

    def _reply_owner_mobile(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        company = r.choice(REPLY_COMPANIES)
        fill = lambda s: self.fill(s.replace("{company}", company))
        w.add(fill(self.pick("reply:owner_top", REPLY_OWNER_TOPS)))
        lines = [self.pick("reply:owner_name", REPLY_OWNER_NAMES), self.pick("reply:owner_registration", REPLY_OWNER_REGISTRATIONS),
                 self.pick("reply:owner_office", REPLY_OWNER_OFFICES)]
        r.shuffle(lines)
        lines.append(self.pick("reply:owner_mobile", REPLY_OWNER_MOBILES))
        for line in lines:
            w.add("\n")
            # The registration's lines hold the business's number, the owner's line their mobile.
            value = (lambda: labelled.Written("business_registration", v._business_registration("hyphen"), "plain",
                                              False)) if "사업자" in line else \
                (lambda: labelled.Written("phone", "-".join(v._phone_groups(r.random() < 0.6)), "plain", False))
            self._workers_line(w, line, value, self._reply_look_alikes(), fill)

    def _reply_export_contact(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        co = r.choice(corpus.ROMAN_SUR).upper() + r.choice(("", " GLOBAL", " TRADING", " MULSAN"))
        given, sur = r.choice(corpus.ROMAN).title(), r.choice(corpus.ROMAN_SUR).title()

        def fill(s: str) -> str:
            return self.fill(s.replace("{CO}", co).replace("{given}", given).replace("{sur}", sur)
                             .replace("{GIVEN}", given.upper()).replace("{SUR}", sur.upper()))

        w.add(fill(self.pick("reply:export_top", REPLY_EXPORT_TOPS)))
        lines = [self.pick("reply:export_contact", REPLY_EXPORT_CONTACTS), self.pick("reply:export_office", REPLY_EXPORT_OFFICE)]
        if r.random() < 0.5:
            lines.reverse()
        direct = lambda: labelled.Written("phone", r.choice(("02", "031", "032", "051", "052")) + "-"
                                          + str(r.randrange(2, 10)) + v.digits(r.choice((2, 3))) + "-" + v.digits(4),
                                          "plain", False)
        for line in lines:
            w.add("\n")
            self._workers_line(w, line, direct, self._reply_look_alikes(), fill)

    def _reply_at_mail(self, w: _Writer) -> None:
        r, v = self.r, self.w.v
        for _ in range(r.randrange(1, 3)):
            local = r.choice((f"{r.choice(corpus.ROMAN)}.{r.choice(corpus.ROMAN_SUR)}", f"{r.choice(corpus.ROMAN)}{r.randrange(70, 100)}",
                              f"{r.choice(corpus.ROMAN)}_{r.choice(corpus.ROMAN_SUR)}", r.choice(corpus.ROMAN)))
            mark = r.choice((" at ", " at ", " AT "))
            address = local + mark + r.choice(REPLY_MAIL_HOSTS)
            self._workers_line(w, self.pick("reply:mail", REPLY_MAIL_LINES),
                               lambda: labelled.Written("email", address, "at_word", False), {})
            w.add("\n")
        if r.random() < 0.5:
            self._workers_line(w, self.pick("reply:mail_prose", REPLY_MAIL_PROSE), None, self._reply_look_alikes())


def _seed(part: str, seed: int) -> int:
    return seed * 1_000_033 + (23 if part == PARTS[0] else 71)


def generate(part: str, documents: int = 400, seed: int = 1) -> list[Document]:
    """`documents` labelled documents of one part ("ways-tuning" or "ways-heldout"), genres at
    random. Same arguments, same documents on every machine."""
    if part not in PARTS:
        raise ValueError(f"part must be one of {PARTS}, not {part!r}")
    b = _Builder(part, _seed(part, seed))
    papers = random.Random(_seed(part, seed) ^ 0x5A17)
    members = random.Random(_seed(part, seed) ^ 0x3E3B)
    rows = random.Random(_seed(part, seed) ^ 0x7A0C)
    alerts = random.Random(_seed(part, seed) ^ 0x6A1E)
    offices = random.Random(_seed(part, seed) ^ 0x0FF1)
    sheets = random.Random(_seed(part, seed) ^ 0x5E37)
    scans = random.Random(_seed(part, seed) ^ 0x0C12)
    roster = random.Random(_seed(part, seed) ^ 0x2B5D)
    records = random.Random(_seed(part, seed) ^ 0x1EA8)
    forms = random.Random(_seed(part, seed) ^ 0x1BA7)
    closings = random.Random(_seed(part, seed) ^ 0x0C15)
    ledgers = random.Random(_seed(part, seed) ^ 0x4ED6)
    workers = random.Random(_seed(part, seed) ^ 0x3A0B)
    filings = random.Random(_seed(part, seed) ^ 0xF111)
    replies = random.Random(_seed(part, seed) ^ 0x4E91)
    serials = random.Random(_seed(part, seed) ^ 0x5E11)
    no_persons = random.Random(_seed(part, seed) ^ 0x0DE5)
    receipts = random.Random(_seed(part, seed) ^ 0x2EC1)
    chats_records = random.Random(_seed(part, seed) ^ 0xC4A7)
    births = random.Random(_seed(part, seed) ^ 0xB127)
    org_numbers = random.Random(_seed(part, seed) ^ 0x0A6E)
    misread_scans = random.Random(_seed(part, seed) ^ 0x5CA7)
    contacts = random.Random(_seed(part, seed) ^ 0xC0DE)
    apart = random.Random(_seed(part, seed) ^ 0x1AB5)
    roster_columns = random.Random(_seed(part, seed) ^ 0xC01A)
    half_masked = random.Random(_seed(part, seed) ^ 0x4A1F)
    held_numbers = random.Random(_seed(part, seed) ^ 0x4E1D)
    org_accounts = random.Random(_seed(part, seed) ^ 0x0AC7)
    machine_keys = random.Random(_seed(part, seed) ^ 0x4E75)
    chat_requests = random.Random(_seed(part, seed) ^ 0xC4A5)
    places_prose = random.Random(_seed(part, seed) ^ 0x9A1C)
    labelled_scans = random.Random(_seed(part, seed) ^ 0x0C16)
    offerings_lines = random.Random(_seed(part, seed) ^ 0x0FE1)
    senders = random.Random(_seed(part, seed) ^ 0x5E4D)
    organisers = random.Random(_seed(part, seed) ^ 0x0517)
    licences = random.Random(_seed(part, seed) ^ 0x11C3)
    main_lines = random.Random(_seed(part, seed) ^ 0x3A1E)
    gifts = random.Random(_seed(part, seed) ^ 0x61F7)
    fees = random.Random(_seed(part, seed) ^ 0xFEE5)
    docs = []
    while len(docs) < documents:
        if fees.random() < FEE_SHARE:
            with b.own_stream(fees):
                docs.append(b.fee_paper())
            continue
        if main_lines.random() < MAIN_LINE_SHARE:
            with b.own_stream(main_lines):
                docs.append(b.main_line_paper())
            continue
        if gifts.random() < GIFT_SHARE:
            with b.own_stream(gifts):
                docs.append(b.gift_paper())
            continue
        if organisers.random() < ORGANISER_SHARE:
            with b.own_stream(organisers):
                docs.append(b.organiser_paper())
            continue
        if licences.random() < LICENCE_LABEL_SHARE:
            with b.own_stream(licences):
                docs.append(b.licence_label_paper())
            continue
        if offerings_lines.random() < OFFERING_LINE_SHARE:
            with b.own_stream(offerings_lines):
                docs.append(b.offering_line_paper())
            continue
        if labelled_scans.random() < LABELLED_SCAN_SHARE:
            with b.own_stream(labelled_scans):
                docs.append(b.labelled_scan_paper())
            continue
        if org_accounts.random() < ORG_ACCOUNT_SHARE:
            with b.own_stream(org_accounts):
                docs.append(b.org_accounts_paper())
            continue
        if machine_keys.random() < MACHINE_KEY_SHARE:
            with b.own_stream(machine_keys):
                docs.append(b.machine_key_paper())
            continue
        if chat_requests.random() < CHAT_REQUEST_SHARE:
            with b.own_stream(chat_requests):
                docs.append(b.chat_request_paper())
            continue
        if places_prose.random() < PLACE_PROSE_SHARE:
            with b.own_stream(places_prose):
                docs.append(b.place_prose_paper())
            continue
        if senders.random() < SENDER_SHARE:
            with b.own_stream(senders):
                docs.append(b.senders_paper())
            continue
        if half_masked.random() < HALF_MASK_SHARE:
            with b.own_stream(half_masked):
                docs.append(b.half_masked_paper())
            continue
        if held_numbers.random() < HELD_NUMBER_SHARE:
            with b.own_stream(held_numbers):
                docs.append(b.held_numbers_paper())
            continue
        if births.random() < BIRTH_NAME_SHARE:
            with b.own_stream(births):
                docs.append(b.birth_name_paper())
            continue
        if org_numbers.random() < ORG_NUMBER_SHARE:
            with b.own_stream(org_numbers):
                docs.append(b.org_numbers_paper())
            continue
        if misread_scans.random() < MISREAD_SCAN_SHARE:
            with b.own_stream(misread_scans):
                docs.append(b.misread_scan_paper())
            continue
        if contacts.random() < CONTACT_SHARE:
            with b.own_stream(contacts):
                docs.append(b.contact_paper())
            continue
        if apart.random() < APART_SHARE:
            with b.own_stream(apart):
                docs.append(b.apart_paper())
            continue
        if roster_columns.random() < ROSTER_COLUMN_SHARE:
            with b.own_stream(roster_columns):
                docs.append(b.roster_column_paper())
            continue
        if no_persons.random() < NO_PERSON_SHARE:
            with b.own_stream(no_persons):
                docs.append(b.no_persons_paper())
            continue
        if receipts.random() < RECEIPT_SHARE:
            with b.own_stream(receipts):
                docs.append(b.receipt_paper())
            continue
        if chats_records.random() < CHAT_RECORD_SHARE:
            with b.own_stream(chats_records):
                docs.append(b.chat_record_paper())
            continue
        if replies.random() < REPLY_SHARE:
            with b.own_stream(replies):
                docs.append(b.announced_reply())
            continue
        if serials.random() < SERIAL_SHARE:
            with b.own_stream(serials):
                docs.append(b.serial_paper())
            continue
        if filings.random() < FILING_SHARE:
            with b.own_stream(filings):
                docs.append(b.filing_paper())
            continue
        if closings.random() < CLOSING_SHARE:
            with b.own_stream(closings):
                docs.append(b.closing_paper())
            continue
        if scans.random() < SCAN_SHARE:
            with b.own_stream(scans):
                docs.append(b.scanned_card())
            continue
        if offices.random() < OFFICE_SHARE:
            with b.own_stream(offices):
                docs.append(b.office_letter())
            continue
        if rows.random() < ROWS_SHARE:
            with b.own_stream(rows):
                docs.append(b.pasted_rows())
        elif alerts.random() < BANK_ALERT_SHARE:
            with b.own_stream(alerts):
                docs.append(b.bank_alerts())
        elif members.random() < MEMBER_LOG_SHARE:
            with b.own_stream(members):
                docs.append(b.member_log())
        elif papers.random() < PAPER_SHARE:
            with b.own_stream(papers):
                docs.append(b.papers())
        elif sheets.random() < SHEET_SHARE:
            with b.own_stream(sheets):
                docs.append(b.sheet_exports())
        elif roster.random() < ROSTER_SHARE:
            with b.own_stream(roster):
                docs.append(b.member_roster())
        elif records.random() < RECORDS_SHARE:
            with b.own_stream(records):
                docs.append(b.copied_record())
        elif forms.random() < FORM_SHARE:
            with b.own_stream(forms):
                docs.append(b.registry_form())
        elif ledgers.random() < LEDGER_SHARE:
            with b.own_stream(ledgers):
                docs.append(b.ledger())
        elif workers.random() < WORKERS_SHARE:
            with b.own_stream(workers):
                docs.append(b.workers_paper())
        else:
            docs.append(b.document(b.r.choice(FRAMED_GENRES)))
    return docs


if __name__ == "__main__":
    import sys
    part = sys.argv[1] if len(sys.argv) > 1 else PARTS[0]
    n = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    labelled.show(generate(part, n), lambda v: f"{v.label:10}")
