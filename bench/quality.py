"""How much personal information masking leaves in clear, and how much else it hides, on the
labelled documents of `labelled.py` (tuning part and held-out part), `labelled_blind.py`
(blind part), `labelled_blind2.py` (second blind part: institutions' records),
`labelled_blind3.py` (third blind part: everyday paperwork and developer artefacts),
`labelled_blind4.py` (fourth blind part: transcripts read aloud, group chats, school, immigration,
travel, tax and court papers, logs, fixtures and faxes), `labelled_blind5.py` (fifth blind part:
family notices, contracts, payroll, loans, statements, telecom, childcare, prescriptions, cars,
fraud reports, complaints, community posts, staff messages, dumps, voice-mail and receipts),
`labelled_blind6.py` (sixth blind part: visitor logs, guest cards, memberships and rolls, family
and welfare papers, settlements, debt letters, notices, receipts, orders and returns, notification
texts, exam, medical and veterinary papers, profiles, account recovery, race entries, property
inquiries, party forms, move-in cards, dispatch logs, bilingual staff forms, OCR scans, pasted
sheets, handover notes and terminal logs), `labelled_blind7.py` (seventh blind part: invoices and
statements between businesses, tax and social-insurance filings, remittance and transfer
applications, admission and care papers, school contact trees and sign-ups, merchant, freight,
housing, legal, job, vehicle, donation and camp papers, chat exports, tickets, configuration,
bug reports and exported bank histories), `labelled_blind8.py` (eighth blind part: payments to
lecturers, research participants, prize winners, freelancers, riders and day labourers,
certificates, inheritance and registry papers, phone and rental contracts, second-hand and café
trades, kye ledgers, bookings, e-tickets, customs, driver call logs, visit and admission
applications, benefit claims, seller information, clinical screening logs, smishing reports,
referral letters and business cards), `labelled_blind9.py` (ninth blind part: postpartum care,
rehabilitation, part-time, cooperative, farm payment, housing subscription, contest, foreign
workers' and crew papers, auction bids, exchange identity checks, senior job rosters, relief,
produce orders, translations, epidemiological surveys, donations, wage petitions, consents, salon
cards, golf, organ donor, pet insurance, solar, student loans, call summaries and family ledgers),
`labelled_blind10.py` (tenth blind part: funeral and cremation bookings, enlistment and discharge
papers, driving schools, long-term care, wedding gift ledgers, number porting, kindergarten buses,
discharge summaries and record copies, flea markets, credit counselling, job-seeker claims,
scholarships, adoption and foster care, campsites, export declarations, app refunds, church
offerings, prize claims, veterans, housing repair, property-tax appeals, ride-sharing drivers,
hobby clubs, car registration, telemedicine and charity runs), `labelled_blind11.py` (eleventh
blind part: pharmacy, optician, gym, hagwon, apartment-office, moving, lost-and-found, volunteer,
blood-donation, library, game and mall support, insurance-claim chats, gold shops, wedding halls,
photo studios, interior works, dormitories, vaccination, in-app identity checks, landlord chats,
police reports, repairs, laundry, flowers, tutoring, housekeepers, shared offices, alumni, print
shops, church bulletins, car sharing, language schools, share houses, gift cards, ski rentals,
parking permits, tax-free receipts, card loss, franchise inquiries, book buy-backs, bulky-waste notices and pet
hotels), `labelled_blind12.py` (twelfth blind part: conference registrations, study-abroad agencies,
marriage agencies, caregiver matching, cleaning services, car rental counters, scooter support, hospital
visitor passes, dental plans, hearing-aid shops, funeral-insurance calls, door-to-door contracts, music
lessons, league rosters, hiking clubs, reunions, hometown associations, fan clubs, crowdfunding backers,
brokerage contracts, phone shops, used cars, tow trucks, locksmiths, rider onboarding, quick couriers,
nursing-home guardians, school uniforms, journal submissions, self-storage, training vouchers, pest
control, fishing boats, influencer sponsorships, scrap dealers, drones, start-up grants, patent intake,
press releases, TV applicants, festival vendors, firearm custody, water-leisure licences, notaries,
insurance agents, taxi qualifications, equipment rental and safe deposit boxes), `labelled_blind13.py`
(thirteenth blind part: wedding packages, sports-centre lockers, children's swimming, academies'
notes, hospital reminders, check-up bookings, apartment pre-inspections, resident-council
elections, parking appeals, accident settlements, loss adjusters, car-wash subscriptions, EV
chargers and subsidies, internet installs, gas and water meters, rental-car damage, airport
pick-ups, hotel front desks, guesthouses, tour rosters, cruise manifests, racket clubs, temple
stays, memorial parks, adult tutoring, certificate exams, score reports, interlibrary loans,
transcript requests, lab-safety rosters, blood-test texts, counselling intake, recovery groups,
legal aid, labour attorneys, small claims, noise mediation, reserve-forces postponements,
alterations, clan rosters, medical tourism and resort memberships), `labelled_blind14.py`
(fourteenth blind part: school-trip consent slips, after-school care, youth sports teams, scout
medical forms, university clubs, graduate admissions, thesis committees, teaching-assistant pay,
research-grant expenses, overseas remittances, currency exchange, mobile-banking and card-loss
chats, insurance renewal calls, car-accident reports, roadside assistance, parking passes, toll
refunds, parcel returns, duty-free pick-ups, mileage claims, visa agencies, embassy bookings,
home-shopping orders, water-purifier rentals, air-conditioner installs, boiler repairs, farm stays,
hunting permits, riding lessons, ski passes, marathon bibs, e-sports contracts, auditions, radio
prizes, newspaper subscriptions, webtoon contracts, model releases, sublets, co-working,
franchises, food trucks, no-show lists, catering, wreaths, pet adoptions and dog walkers),
`labelled_blind15.py` (fifteenth blind part: jury and civil-defence notices, village-hall requests,
seal certificates, moving-in reports, vehicle inspections, traffic-fine objections, bicycle
insurance, public bikes, subway lost property, group train tickets, airport lounges, travel
insurance abroad, passport reissues, consular notarisations, international dormitories, language
exchanges and schools, TOPIK, visa extensions, multicultural programmes, employment-permit
payslips, seafarers, seasonal farm workers, day-labour rosters, safety training, forklift and
crane operators, shipyard passes, logistics shifts, rider accidents, convenience-store contracts,
franchise handovers, security-guard logs, cleaning staff, building contractors, cosmetic and
dermatology clinics, herbal medicine, implants, maternity, infertility support, birth
registrations, child allowances, daycare waiting lists, walking challenges, diet programmes,
lecture refunds, exam proctors, docents, theatre pay, film extras, wedding MCs, band gigs, choirs,
temple lanterns, cathedral marriages, neighbourhood watches, rooftop gardens, door locks, CCTV
viewing and casino memberships), `labelled_blind16.py` (sixteenth blind part: apartment
fitness rooms, community-centre classes, senior lunch programmes, home-visit nursing, meal-delivery
volunteers, activity-support timesheets, braille libraries, sign-language interpreters, mobility
taxis, prison visits, victim support, military families, civil-service and public-enterprise
applications, internships, reference checks, headhunters, onboarding, retirement-pension
transfers, severance, union dues, company dormitories, commuter and shuttle buses, corporate cards
and cars, business trips, year-end tax dependants, medical and donation receipts, cash receipts,
tax-invoice corrections, tourist tax refunds, small-business loans, market stalls, surf schools,
ski passes, escape rooms, karaoke incidents, PC-bangs, web-novel payouts, podcast releases,
cosplay events, comic markets, cattle traceability, beekeeping, farm machines, forest-fire
watchers, hunting dogs, homestays, bowling leagues, overseas volunteers and tournaments, MCN
agreements and background checks), `labelled_blind17.py` (seventeenth blind part: study-sheet
teachers' visits, taekwondo and art-academy enrolments, group-buy orders, residents'
representatives and council minutes, elevator bookings, visitor cars, parcel lockers, weekend
farms, medical-record copies, dementia-care centres, dialysis schedules, personal-data access
requests, account deletions, auto-debit changes, jeonse guarantees, resident-register mandates,
triathlons, climbing gyms, paragliding, island and car ferries, yachts, camper vans, massage-chair
rentals, appliance pick-ups, first-birthday parties, alumni dues, church retreats, first
communions, military visits, student IDs, allergy surveys, sports-day volunteers, graduation
albums, sweepstake winners, hospital parking, condolence ledgers, milk deliveries, assistive
devices, kids' cafés, study cafés, dog parks, city-gas holder changes, lost-pet flyers, school
carpools, toy libraries, senior-centre outings, mobile wedding invitations and bicycle registrations),
`labelled_blind18.py` (eighteenth blind part: neighbours' consent to interior works, rental
returns, local-currency cards, fishing spots, caddie rosters, ticket transfers, fan-meeting
winners, piano tuning, curtain measuring, mattress cleaning, aquarium and zoo passes, science
camps, coding trials, driving-range lockers, tennis and sports-hall lotteries and rentals, pool
lanes, youth hostels, village-bus complaints, park senior jobs, gym key cards, kimjang
volunteers, blood-pressure screening, gift-certificate refunds, uniform exchanges, reading clubs,
bereavement leave, citizen panels, festival booths, seed orders, rice mills, appliance and phone
repairs, data recovery, ink subscriptions, furniture assembly, parcel damage, direct-purchase
customs, housekeeping and baby-sitter apps, postnatal helpers, twins' clubs, pet funerals,
moving-out inspections, key handovers, car sharing, foreign workers, fortune-telling and
naming bookings, hanbok rental, tyres and dashcams, used clothes, instruments, side dishes, window
screens, baduk and gateball, filming locations, septic tanks, well water, signboards, return to
farming, video consents, recycling points and trip rosters), `labelled_blind19.py` (nineteenth blind
part: oil presses, rice-cake, butcher's and fish-market orders, ancestral-rite food, grave mowing
and relocation, temple rites, church newcomers, elders' birthday banquets, families' first
meetings, school committees, crossing duty, parent-teacher conferences, family-trip absences,
school transfers, calligraphy, pottery, gugak and K-pop dance classes, ballet recitals, drawing
and speech contests, football, jokgu and billiards clubs, board-game meet-ups, community
giveaways, study groups, gosiwon rooms, coffee subscriptions, brewery tours, motorcycles, car
scrapping, dog training, cat sitting, pet grooming, seniors' Hangul and smartphone classes,
haenyeo, rice procurement, fertiliser, pesticide registers, pine-mushroom bids, local-food
producers, food-waste cards, civic safety reports, youth rent support, energy and culture
vouchers, large-family cards, a hardware shop's tab, electrical inspections, water leaks, custom
cakes, home-office equipment, pilgrimages, syrup sold by direct message, international-school
admissions, bathhouse scrubs and shoe and watch repairs, in forms, scans, exports, chats in
dialects, community posts, older people's texts, call transcripts, notices, receipts and ledgers),
`labelled_blind20.py` (twentieth blind part: acupuncture, tattoo and nail bookings, knitting,
baking, barista, woodworking and flower classes, photo exhibitions, youth orchestras, archery,
skating, yoga, dance-sport, seniors' colleges, fishing-village cooperatives, salt farms,
strawberry picking, adopted apple trees, village heads' notices, on-demand buses, drone spraying,
wildlife damage, farmland leases, empty houses, tailors, bicycle repairs, window tinting, valet
parking, book-set rentals, play and speech therapy, school-meal monitors, graduation gowns,
students' trips, running and cycling clubs, community theatre, antiques, luxury appraisals, lunch
boxes, water, LPG and kerosene rounds, briquette sharing, food banks, marrow and cord-blood
donors, hospices, LASIK, sleep studies, private ambulances, hospital escorts, Mass intentions,
hundredth-day parties, siblings' shared costs, name changes, guardianship, missing persons,
season passes, seal carving, senior drivers' licence returns, securities accounts, lost baggage,
domains, bookkeeping, market associations, hygiene training, stray cats, pet taxis, scuba, kendo,
children's meal cards, basic pensions, insurance dependants, ladder trucks and bus parcels, in
forms, scans, XML and JSON, logs, rosters, chats in dialects, replies, posts, older people's
texts, transcripts read out, e-mails, posted lists, receipts, ledgers, texts and sticky notes),
`labelled_blind21.py` (twenty-first blind part: screen-golf leagues, market-voucher exchanges,
contract ginseng, livestock auctions, mountain shelters, framing, PC assembly, fish shops, perfume
and leather workshops, fleet fuel tabs, body shops, elders' emergency alarms, census and polling
staff, youth savings, car tax, earned-income credits, health premiums, radio, stargazing,
birdwatching, janggi, ssireum and township games, divorce, paternity, child support, wills,
greenhouses, crop insurance, fish feed, tidal flats, fishing fuel, odd jobs, game guilds,
carpools, shared streaming, birthday cafés, shift rosters, delivery-app settlements, canteen
tabs, hair designers, bakery wholesale, maths contests, book gifts, day-care accidents,
fingerprint pre-registration, dentures, seniors' transit cards, orthodontics, diabetes supplies,
rare diseases, jeonse fraud, cable TV, home security, credit reports, accident witnesses, lease
registration and robotics, in forms, scans, two-column and transposed tables, contact cards,
CSV, JSON, web logs, chats in dialects, café threads, transcripts, e-mails, texts, posted lists,
receipts, ledgers, notes, minutes and older people's texts)
and `labelled_structure.py` (structure-tuning and structure-heldout: labels lines away, in reports,
XML, SQL, JSON, tables, form dumps and dialogues).

    python bench/quality.py                      # both parts, every system that is installed
    python bench/quality.py --documents 300      # smaller and faster
    python bench/quality.py --parts blind        # the blind part: read its figures, never tune on them
    python bench/quality.py --parts blind2       # the second blind part: the same holds
    python bench/quality.py --parts blind3       # the third blind part: the same holds
    python bench/quality.py --parts blind4   # the fourth blind part: the same holds
    python bench/quality.py --parts blind5   # the fifth blind part: the same holds
    python bench/quality.py --parts blind6   # the sixth blind part: the same holds
    python bench/quality.py --parts blind7   # the seventh blind part: the same holds
    python bench/quality.py --parts blind8   # the eighth blind part: the same holds
    python bench/quality.py --parts blind9   # the ninth blind part: the same holds
    python bench/quality.py --parts blind10   # the tenth blind part: the same holds
    python bench/quality.py --parts blind11   # the eleventh blind part: the same holds
    python bench/quality.py --parts blind12   # the twelfth blind part: the same holds
    python bench/quality.py --parts blind13   # the thirteenth blind part: the same holds
    python bench/quality.py --parts blind14   # the fourteenth blind part: the same holds
    python bench/quality.py --parts blind15   # the fifteenth blind part: the same holds
    python bench/quality.py --parts blind16   # the sixteenth blind part: the same holds
    python bench/quality.py --parts blind17   # the seventeenth blind part: the same holds
    python bench/quality.py --parts blind18   # the eighteenth blind part: the same holds
    python bench/quality.py --parts blind19   # the nineteenth blind part: the same holds
    python bench/quality.py --parts blind20   # the twentieth blind part: the same holds
    python bench/quality.py --parts blind21   # the twenty-first blind part: the same holds
    python bench/quality.py --parts structure-tuning,structure-heldout
    python bench/quality.py --parts ways-tuning,ways-heldout   # ways of writing and look-alikes
    python bench/quality.py --readme             # also rewrite the table in bench/README.md

Systems: norvane with `Config()`, norvane with `Config.thorough()` when the installed build
has it, and Presidio pattern-only when it is installed (see run.py). Both norvane settings have
their reference year pinned to 2026 (labelled.REFERENCE_YEAR), so the figures do not move when
the clock's year does. Definitions:

- A value is **hidden** (masking recall) when the union of all findings' source spans covers
  every informative character of it: digits (any width), Latin letters, and the Hangul
  syllables of a number written in Hangul numerals. Separators, spaces, brackets, mask
  characters and words such as 년/월/일 or a licence's region name need not be covered.
- A value is **typed** (typed recall) when the findings of its own kind alone cover it so.
- A finding is **correct** (precision) when its source span overlaps a labelled value;
  partly masked values are values.
- A hard negative is **reported** when some finding overlaps its span.

Prints the figures, writes JSON (bench/out/quality.json by default) and a Markdown table.
"""

from __future__ import annotations

import argparse
import importlib
import json
import os
import platform
import re
import sys
import time
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import labelled  # noqa: E402
import labelled_structure  # noqa: E402
import labelled_ways  # noqa: E402

# The blind parts, by part name: labelled_blind.py, labelled_blind2.py ... labelled_blind21.py.
# Read their figures; never tune on them.
BLIND_PARTS = {m.PART: m for m in (importlib.import_module(f"labelled_blind{n}")
                                   for n in ("", *range(2, 22)))}

README = os.path.join(HERE, "README.md")
BEGIN, END = "<!-- quality:begin -->", "<!-- quality:end -->"
GROUPS = ("kind", "genre", "writing", "label")
EXAMPLES = 12  # leaked values kept per kind, wrong findings per negative category, in the JSON


# --------------------------------------------------------------------------- systems

def norvane_system(config_name: str):
    import norvane
    if config_name == "thorough":
        if not hasattr(norvane.Config, "thorough"):
            return None, "Config.thorough() is not in the installed build"
        cfg = labelled.pinned(norvane.Config.thorough())
    else:
        cfg = labelled.pinned(norvane.Config())

    def find(text: str):
        return [(f.source.char_start, f.source.char_end, f.entity)
                for f in norvane.detect(text, cfg).findings]
    return find, None


def presidio_system():
    import run
    p, why = run.load_presidio()
    if p is None:
        return None, why
    return p.find, None


def systems(with_presidio: bool) -> tuple[dict, dict]:
    found, skipped = {}, {}
    for name, make in (("default", lambda: norvane_system("default")),
                       ("thorough", lambda: norvane_system("thorough")),
                       ("presidio", presidio_system)):
        if name == "presidio" and not with_presidio:
            skipped[name] = "skipped (--no-presidio)"
            continue
        fn, why = make()
        if fn is None:
            skipped[name] = why
        else:
            found[name] = fn
    return found, skipped


# --------------------------------------------------------------------------- scoring

def informative(value) -> list[int]:
    """Character offsets (in the document) that must be covered for the value to be hidden. In a
    partly masked value, X and x are mask characters; in a percent-encoded one, the hex digits of
    an escape spell a separator (%2D), an @ (%40) or 년, not the value."""
    out = []
    spoken = value.writing in ("hangul_numerals", "hangul_spoken", "hangul_mixed", "hangul_interleaved", "hangul_date", "read_out_e")
    escapes = set()
    if value.writing == "url_encoded":
        escapes = {i for m in re.finditer(r"%[0-9A-Fa-f]{2}", value.text) for i in range(m.start(), m.end())}
    for i, ch in enumerate(value.text):
        cat = unicodedata.category(ch)
        if (value.masked and ch in "Xx") or i in escapes:
            continue
        if (cat == "Nd" or (cat in ("Lu", "Ll") and (ch.isascii() or "FULLWIDTH" in unicodedata.name(ch, "")))
                or (spoken and ch in labelled_ways.HANGUL_SPOKEN + labelled_ways.HANGUL_UNITS + "영")):
            out.append(value.char_start + i)
    return out


def covered(positions: list[int], spans) -> bool:
    return all(any(s <= p < e for s, e in spans) for p in positions)


def overlaps(a0: int, a1: int, b0: int, b1: int) -> bool:
    return a0 < b1 and b0 < a1


class Tally:
    def __init__(self) -> None:
        self.values = {g: {} for g in GROUPS}      # group -> key -> [n, hidden, typed]
        self.total = [0, 0, 0]
        self.negatives: dict = {}                  # category -> [n, reported]
        self.findings = {}                         # finding kind -> [n, correct]
        self.stray = 0                             # findings on neither a value nor a negative
        self.leaks: list = []                      # values left in clear (a sample)
        self.wrong: list = []                      # findings on no value (a sample)

    def add_document(self, doc, findings) -> None:
        for v in doc.values:
            near = [(s, e, k) for s, e, k in findings if overlaps(s, e, v.char_start, v.char_end)]
            pos = informative(v)
            hidden = covered(pos, [(s, e) for s, e, _ in near])
            typed = covered(pos, [(s, e) for s, e, k in near if k == v.kind])
            for g in GROUPS:
                row = self.values[g].setdefault(getattr(v, g), [0, 0, 0])
                row[0] += 1
                row[1] += hidden
                row[2] += typed
            self.total[0] += 1
            self.total[1] += hidden
            self.total[2] += typed
            if not hidden and sum(1 for x in self.leaks if x["kind"] == v.kind) < EXAMPLES:
                self.leaks.append({"kind": v.kind, "text": v.text, "writing": v.writing,
                                   "label": v.label, "label_text": v.label_text, "genre": v.genre,
                                   "context": doc.text[max(0, v.char_start - 30):v.char_end + 15]})
        for n in doc.negatives:
            row = self.negatives.setdefault(n.category, [0, 0])
            row[0] += 1
            row[1] += any(overlaps(s, e, n.char_start, n.char_end) for s, e, _ in findings)
        for s, e, k in findings:
            row = self.findings.setdefault(k, [0, 0])
            row[0] += 1
            good = any(overlaps(s, e, v.char_start, v.char_end) for v in doc.values)
            row[1] += good
            if good:
                continue
            on = [n.category for n in doc.negatives if overlaps(s, e, n.char_start, n.char_end)]
            if not on:
                self.stray += 1
            if sum(1 for x in self.wrong if x["negative"] == (on[0] if on else None)) < EXAMPLES:
                self.wrong.append({"finding": k, "text": doc.text[s:e], "negative": on[0] if on else None,
                                   "genre": doc.genre, "context": doc.text[max(0, s - 30):e + 15]})

    def result(self) -> dict:
        def rate(a, b):
            return a / b if b else None
        n_find = sum(r[0] for r in self.findings.values())
        n_good = sum(r[1] for r in self.findings.values())
        n_neg = sum(r[0] for r in self.negatives.values())
        n_rep = sum(r[1] for r in self.negatives.values())
        return {
            "values": self.total[0],
            "masking_recall": rate(self.total[1], self.total[0]),
            "typed_recall": rate(self.total[2], self.total[0]),
            "findings": n_find, "precision": rate(n_good, n_find),
            "negatives": n_neg, "negatives_reported": rate(n_rep, n_neg),
            "stray_findings": self.stray,
            "by": {g: {k: {"n": r[0], "masking_recall": rate(r[1], r[0]), "typed_recall": rate(r[2], r[0])}
                       for k, r in sorted(self.values[g].items())} for g in GROUPS},
            "negatives_by_category": {c: {"n": r[0], "reported": rate(r[1], r[0])}
                                      for c, r in sorted(self.negatives.items())},
            "precision_by_finding_kind": {k: {"n": r[0], "precision": rate(r[1], r[0])}
                                          for k, r in sorted(self.findings.items())},
            "leaks_sample": self.leaks,
            "wrong_findings_sample": self.wrong,
        }


# Parts of labelled_structure.py: labels lines away (reports, XML, SQL, JSON, tables, forms,
# dialogues), with their own tuning and held-out wording.
STRUCTURE_PARTS = tuple(f"structure-{p}" for p in labelled_structure.PARTS)
PARTS = (labelled.PARTS + tuple(BLIND_PARTS)
         + STRUCTURE_PARTS + labelled_ways.PARTS)


def documents(part: str, count: int, seed: int) -> list:
    """The labelled documents of one part: "tuning" and "heldout" from labelled.py, "blind" from
    labelled_blind.py, "blindN" from labelled_blindN.py, "structure-tuning" and
    "structure-heldout" from labelled_structure.py, "ways-tuning" and "ways-heldout" from
    labelled_ways.py."""
    if part in BLIND_PARTS:
        return BLIND_PARTS[part].generate(count, seed)
    if part in STRUCTURE_PARTS:
        return labelled_structure.generate(part.removeprefix("structure-"), count, seed)
    if part in labelled_ways.PARTS:
        return labelled_ways.generate(part, count, seed)
    return labelled.generate(part, count, seed)


def evaluate(find, docs) -> dict:
    t = Tally()
    t0 = time.perf_counter()
    for d in docs:
        t.add_document(d, find(d.text))
    res = t.result()
    res["seconds"] = time.perf_counter() - t0
    return res


# --------------------------------------------------------------------------- output

def pct(x) -> str:
    return "-" if x is None else f"{100 * x:.1f}"


NAMES = {"default": "norvane `Config()`", "thorough": "norvane `Config.thorough()`",
         "presidio": "Presidio pattern-only"}


def columns(res: dict) -> list[tuple[str, str]]:
    return [(s, p) for s in res["systems"] for p in res["parts"]]


def part_title(p: str) -> str:
    return p.replace("heldout", "held-out")


def col_title(s: str, p: str) -> str:
    return f"{s} {part_title(p)}"


def count_part(res: dict) -> str:
    """The part whose counts the tables show next to each row: held-out when measured."""
    return "heldout" if "heldout" in res["parts"] else res["parts"][-1]


def markdown(res: dict) -> str:
    cols = columns(res)
    ref = count_part(res)
    lines = []
    meta = res["meta"]
    lines.append(f"Measured with `{meta['command']}` ({meta['documents']} documents per part, "
                 f"seed {meta['seed']}; norvane {meta['norvane']}"
                 + (f", presidio-analyzer {meta['presidio']}" if meta.get("presidio") else "")
                 + "). Values per part: "
                 + ", ".join(f"{p} {res['counts'][p]['values']}" for p in res["parts"])
                 + "; hard negatives: "
                 + ", ".join(f"{p} {res['counts'][p]['negatives']}" for p in res["parts"]) + ".")
    if res["skipped"]:
        lines.append("Not measured: " + "; ".join(f"{NAMES[k]}: {v}" for k, v in res["skipped"].items())
                     + ".")
    lines.append("")
    lines.append("| system | part | masking recall % | typed recall % | precision % | "
                 "hard negatives reported % | findings |")
    lines.append("|---|---|--:|--:|--:|--:|--:|")
    for s, p in cols:
        r = res["results"][s][p]
        lines.append(f"| {NAMES[s]} | {part_title(p)} | {pct(r['masking_recall'])} | "
                     f"{pct(r['typed_recall'])} | {pct(r['precision'])} | "
                     f"{pct(r['negatives_reported'])} | {r['findings']} |")

    def breakdown(title: str, group: str, metric: str = "masking_recall", open_: bool = True) -> None:
        keys = sorted({k for s, p in cols for k in res["results"][s][p]["by"][group]})
        lines.append("")
        if not open_:
            lines.append(f"<details><summary>{title}</summary>")
            lines.append("")
        else:
            lines.append(f"{title}:")
            lines.append("")
        lines.append(f"| {group} | n ({part_title(ref)}) | " + " | ".join(col_title(s, p) for s, p in cols)
                     + " |")
        lines.append("|---|--:|" + "--:|" * len(cols))
        for k in keys:
            n = res["results"][cols[0][0]][ref]["by"][group].get(k, {}).get("n", 0)
            cells = [pct(res["results"][s][p]["by"][group].get(k, {}).get(metric)) for s, p in cols]
            lines.append(f"| {k} | {n} | " + " | ".join(cells) + " |")
        if not open_:
            lines.append("")
            lines.append("</details>")

    breakdown("Masking recall % by kind", "kind")
    breakdown("Typed recall % by kind", "kind", "typed_recall")
    breakdown("Masking recall % by label situation", "label")
    breakdown("Masking recall % by genre", "genre", open_=False)
    breakdown("Masking recall % by way of writing", "writing", open_=False)
    cats = sorted({c for s, p in cols for c in res["results"][s][p]["negatives_by_category"]})
    lines.append("")
    lines.append("Hard negatives reported % by category (lower is better):")
    lines.append("")
    lines.append(f"| category | n ({part_title(ref)}) | " + " | ".join(col_title(s, p) for s, p in cols)
                 + " |")
    lines.append("|---|--:|" + "--:|" * len(cols))
    for c in cats:
        n = res["results"][cols[0][0]][ref]["negatives_by_category"].get(c, {}).get("n", 0)
        cells = [pct(res["results"][s][p]["negatives_by_category"].get(c, {}).get("reported"))
                 for s, p in cols]
        lines.append(f"| {c} | {n} | " + " | ".join(cells) + " |")
    return "\n".join(lines) + "\n"


def write_readme(table: str) -> None:
    with open(README, encoding="utf-8") as f:
        text = f.read()
    if BEGIN not in text or END not in text:
        raise SystemExit(f"{README} has no {BEGIN} ... {END} section to rewrite")
    head, rest = text.split(BEGIN, 1)
    _, tail = rest.split(END, 1)
    with open(README, "w", encoding="utf-8") as f:
        f.write(head + BEGIN + "\n" + table + END + tail)


def main(argv=None) -> dict:
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--documents", type=int, default=1500, help="documents per part (default 1500)")
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--parts", default="tuning,heldout",
                    help="comma-separated parts among " + ", ".join(PARTS) + " (default tuning,heldout)")
    ap.add_argument("--no-presidio", action="store_true", help="do not measure Presidio")
    ap.add_argument("--out", default=os.path.join(HERE, "out", "quality.json"))
    ap.add_argument("--markdown", default=os.path.join(HERE, "out", "quality.md"))
    ap.add_argument("--readme", action="store_true", help="rewrite the table in bench/README.md")
    args = ap.parse_args(argv)
    parts = tuple(p for p in args.parts.split(",") if p)
    unknown = [p for p in parts if p not in PARTS]
    if unknown or not parts:
        ap.error(f"--parts takes some of {', '.join(PARTS)}, not {args.parts!r}")
    import norvane
    found, skipped = systems(not args.no_presidio)
    given = [a for a in (sys.argv[1:] if argv is None else argv) if a != "--readme"]
    meta = {"command": " ".join(["python bench/quality.py"] + given),
            "documents": args.documents, "seed": args.seed, "python": platform.python_version(),
            "norvane": getattr(norvane, "__version__", "build")}
    if "presidio" in found:
        from importlib.metadata import version
        meta["presidio"] = version("presidio-analyzer")
    res = {"meta": meta, "systems": list(found), "parts": list(parts), "skipped": skipped,
           "counts": {}, "results": {s: {} for s in found}}
    for part in parts:
        docs = documents(part, args.documents, args.seed)
        s = labelled.summary(docs)
        res["counts"][part] = {"values": sum(s["values"].values()),
                               "negatives": sum(s["negatives"].values()),
                               "bytes": sum(len(d.text.encode()) for d in docs),
                               "values_by_kind": s["values"], "negatives_by_category": s["negatives"]}
        for name, fn in found.items():
            print(f"{part}: {name} ...", file=sys.stderr, flush=True)
            res["results"][name][part] = evaluate(fn, docs)
    table = markdown(res)
    os.makedirs(os.path.dirname(os.path.abspath(args.out)), exist_ok=True)
    with open(args.out, "w", encoding="utf-8") as f:
        json.dump(res, f, ensure_ascii=False, indent=1)
    os.makedirs(os.path.dirname(os.path.abspath(args.markdown)), exist_ok=True)
    with open(args.markdown, "w", encoding="utf-8") as f:
        f.write(table)
    print(table)
    for name in skipped:
        print(f"{NAMES[name]}: {skipped[name]}", file=sys.stderr)
    print(f"JSON: {args.out}\nMarkdown: {args.markdown}", file=sys.stderr)
    if args.readme:
        write_readme(table)
        print(f"table written into {README}", file=sys.stderr)
    return res


if __name__ == "__main__":
    main()
