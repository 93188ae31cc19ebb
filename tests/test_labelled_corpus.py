"""The labelled evaluation documents (bench/labelled.py) and the scoring of bench/quality.py:
spans exact, kinds and categories valid, check digits valid, the two parts disjoint in wording;
and the ground truth of bench/corpus.py."""

import datetime
import json
import os
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
from labelled_checks import assert_disjoint, assert_spans_exact, digits_of, resident_birth  # noqa: E402
import quality  # noqa: E402

N = 160  # documents per part: every genre several times, well under a second


@pytest.fixture(scope="module")
def parts():
    return {p: labelled.generate(p, N, seed=3) for p in labelled.PARTS}


def test_spans_slice_back_exactly_in_characters_and_bytes(parts):
    for docs in parts.values():
        for d in docs:
            assert_spans_exact(d)


def test_values_and_negatives_never_overlap(parts):
    for docs in parts.values():
        for d in docs:
            assert_disjoint(d)


def test_kinds_writings_labels_and_categories_are_known(parts):
    situations = {"label_plain", "label_punct", "label_english", "label_symbol", "bank_name",
                  "trailing_label", "previous_line", "column_header", "log_key", "no_label"}
    seen_kinds, seen_cats, seen_genres = set(), set(), set()
    for docs in parts.values():
        for d in docs:
            seen_genres.add(d.genre)
            for v in d.values:
                writings = {w for w, _ in labelled.WRITINGS[v.kind]}
                if v.kind == "phone":
                    writings.add("glued_after_email")
                assert v.writing in writings, v
                assert v.label in situations, v
                assert v.masked == (v.writing == "masked")
                assert (v.label_text == "") == (v.label == "no_label"), v
                if v.label == "no_label" and v.writing != "glued_after_email":
                    assert v.writing in labelled.UNLABELLED_OK[v.kind], v
                seen_kinds.add(v.kind)
            for n in d.negatives:
                assert n.category in labelled.NEG_CATEGORIES
                seen_cats.add(n.category)
    assert seen_kinds == set(labelled.KINDS)
    assert seen_genres == set(labelled.GENRES)
    assert seen_cats == set(labelled.NEG_CATEGORIES)


def test_check_digits_are_valid_where_the_kind_has_one(parts):
    checked = {"resident": 0, "post2020": 0, "business": 0, "card": 0, "isbn": 0}
    for docs in parts.values():
        for d in docs:
            for v in d.values:
                if v.masked:
                    assert "*" in v.text
                    continue
                ds = [int(c) for c in digits_of(v.text)]
                if v.kind in ("resident", "foreigner_registration"):
                    assert len(ds) == 13, v
                    birth = resident_birth(ds)
                    assert (ds[6] in (5, 6, 7, 8)) == (v.kind == "foreigner_registration")
                    if v.writing == "post2020":
                        assert birth >= datetime.date(2020, 10, 1)
                        checked["post2020"] += 1
                    else:
                        foreigner = v.kind == "foreigner_registration"
                        assert corpus.resident_check(ds[:12], foreigner) == ds[12], v
                        checked["resident"] += 1
                elif v.kind == "business_registration":
                    assert corpus.business_check(ds[:9]) == ds[9], v
                    checked["business"] += 1
                elif v.kind == "credit_card":
                    assert len(ds) in (15, 16) and corpus.luhn_ok(ds), v
                    checked["card"] += 1
            for n in d.negatives:
                if n.category == "isbn":
                    ds = [int(c) for c in digits_of(n.text)]
                    assert len(ds) == 13 and sum(x * (1 if i % 2 == 0 else 3) for i, x in enumerate(ds)) % 10 == 0
                    checked["isbn"] += 1
    assert all(checked.values()), checked


def test_parts_share_no_wording(parts):
    def used(docs):
        labels, frames, phrasings = set(), set(), set()
        for d in docs:
            for v in d.values:
                if v.label_text:
                    labels.add((v.kind, v.label, v.label_text))
                if v.label not in ("previous_line", "column_header", "log_key"):
                    frames.add((v.genre, v.frame))
            for n in d.negatives:
                if n.phrasing not in ("log.ts", "log.json.ts"):  # every log line starts with a time
                    phrasings.add((n.category, n.phrasing))
        return labels, frames, phrasings
    tuning, heldout = used(parts["tuning"]), used(parts["heldout"])
    for a, b in zip(tuning, heldout):
        assert a and b
        assert not a & b, sorted(a & b)[:5]


@pytest.mark.parametrize("pool", [labelled.PUNCT, labelled.BANKS, labelled.FRAMES["chat"],
                                  labelled.QUESTIONS["bank_account"], labelled.EN_LABELS["phone"],
                                  labelled.SYMBOLS["email"], ("only",), ("a", "b")])
def test_share_splits_every_pool_into_two_nonempty_disjoint_sides(pool):
    t = labelled.share("p", pool, "tuning")
    h = labelled.share("p", pool, "heldout")
    assert t and h
    if len(pool) > 1:
        assert not set(t) & set(h) and set(t) | set(h) == set(pool)


def test_same_seed_same_documents_and_parts_differ():
    a = labelled.generate("heldout", 20, seed=5)
    b = labelled.generate("heldout", 20, seed=5)
    assert [(d.text, d.values, d.negatives) for d in a] == [(d.text, d.values, d.negatives) for d in b]
    c = labelled.generate("tuning", 20, seed=5)
    assert {d.text for d in a}.isdisjoint(d.text for d in c)
    with pytest.raises(ValueError):
        labelled.generate("training", 1)


def test_dense_text_is_the_documents_back_to_back_within_the_size():
    docs = labelled.generate("tuning", 40, seed=3)
    text = labelled.dense_text(8000, seed=3)
    size = len(text.encode())
    assert 8000 - 2000 < size <= 8000
    joined = "\n\n".join(d.text for d in docs)
    assert joined.startswith(text) and joined[len(text):].startswith("\n\n")
    kept = [d for d in docs if joined.index(d.text) < len(text)]
    values = sum(len(d.values) for d in kept)
    negatives = sum(len(d.negatives) for d in kept)
    assert 5 <= values / (size / 1024) <= 14 and 5 <= negatives / (size / 1024) <= 14
    assert labelled.dense_text(8000, seed=3) == text
    assert labelled.dense_text(8000, "heldout", seed=3) != text
    with pytest.raises(ValueError):
        labelled.dense_text(100, "other")


def test_output_hash_is_stable_and_tells_settings_and_documents_apart():
    import output_hash
    first = output_hash.output_hashes(6)
    assert first == output_hash.output_hashes(6)
    assert set(first) == {"default", "thorough"} and first["default"] != first["thorough"]
    assert all(len(h) == 64 for h in first.values())
    other = output_hash.output_hashes(6, seed=2)
    assert other["default"] != first["default"] and other["thorough"] != first["thorough"]


def test_benchmark_corpus_truth_includes_chat_speaker_prefixes():
    for seed in (1, 2, 3):
        text, truth = corpus.generate_with_truth("mixed", 40_000, seed=seed)
        raw = text.encode()
        assert len(truth) > 50
        for kind, s, e, style in truth:
            piece = raw[s:e].decode()
            assert piece == piece.strip() and piece[0] not in "상고", (kind, piece)
            if kind == "email":
                assert "@" in piece or "＠" in piece
            else:
                assert digits_of(piece) or "*" in piece, (kind, piece)


# --------------------------------------------------------------------------- scoring

def _doc(text, values=(), negatives=()):
    d = labelled.Document("chat", "tuning", text)
    for kind, s, e, writing in values:
        d.values.append(labelled.Value(kind, text[s:e], s, e, len(text[:s].encode()), len(text[:e].encode()),
                                       writing, "label_plain", "x", False, "chat", "f"))
    for cat, s, e in negatives:
        d.negatives.append(labelled.Negative(cat, text[s:e], s, e, len(text[:s].encode()),
                                             len(text[:e].encode()), "p", "chat"))
    return d


def test_scoring_counts_a_value_hidden_only_when_its_digits_and_letters_are_covered():
    text = "면허 서울 11-123456-78, 연락처 010-1234-5678, 주문번호 20231012, 메일 a.b@x.com"
    lic = text.index("서울")
    ph = text.index("010")
    order = text.index("2023")
    mail = text.index("a.b")
    d = _doc(text, [("driver_license", lic, lic + 15, "region_prefixed"), ("phone", ph, ph + 13, "hyphen"),
                    ("email", mail, mail + 9, "plain")],
             [("order_number", order, order + 8)])
    findings = [(lic + 3, lic + 15, "driver_license"),   # the region name may stay
                (ph, ph + 8, "phone"), (ph + 9, ph + 13, "bank_account"),  # covered, by two kinds
                (order, order + 8, "phone"),             # a look-alike reported
                (mail, mail + 5, "email")]               # '.com' left in clear
    t = quality.Tally()
    t.add_document(d, findings)
    r = t.result()
    assert (r["values"], r["masking_recall"], r["typed_recall"]) == (3, 2 / 3, 1 / 3)
    assert {k: v["masking_recall"] for k, v in r["by"]["kind"].items()} == \
        {"driver_license": 1.0, "phone": 1.0, "email": 0.0}
    assert r["by"]["kind"]["phone"]["typed_recall"] == 0.0
    assert (r["findings"], r["precision"], r["stray_findings"]) == (5, 4 / 5, 0)
    assert r["negatives_by_category"] == {"order_number": {"n": 1, "reported": 1.0}}
    assert [l["text"] for l in r["leaks_sample"]] == ["a.b@x.com"]


def test_hangul_numerals_must_be_covered_but_korean_date_words_need_not():
    text = "공일공-일이삼사-오육칠팔 / 1990년 1월 2일"
    h = _doc(text, [("phone", 0, 13, "hangul_numerals"), ("birth_date", 16, 27, "korean_date")]).values
    assert quality.informative(h[0]) == [i for i in range(13) if text[i] != "-"]
    assert [text[i] for i in quality.informative(h[1])] == list("199012")


def test_quality_run_end_to_end(tmp_path):
    out, md = tmp_path / "q.json", tmp_path / "q.md"
    res = quality.main(["--documents", "40", "--no-presidio", "--out", str(out), "--markdown", str(md)])
    assert res["systems"][0] == "default" and res["parts"] == ["tuning", "heldout"]
    assert res["skipped"]["presidio"] == "skipped (--no-presidio)"
    for part in res["parts"]:
        counts = res["counts"][part]
        r = res["results"]["default"][part]
        assert r["values"] == counts["values"] == sum(counts["values_by_kind"].values())
        assert r["negatives"] == counts["negatives"]
        for group in quality.GROUPS:
            assert sum(row["n"] for row in r["by"][group].values()) == r["values"]
        assert 0 < r["typed_recall"] <= r["masking_recall"] <= 1
        assert 0 < r["precision"] <= 1 and 0 <= r["negatives_reported"] < 1
        assert r["findings"] == sum(row["n"] for row in r["precision_by_finding_kind"].values())
    assert json.loads(out.read_text(encoding="utf-8"))["counts"] == res["counts"]
    table = md.read_text(encoding="utf-8")
    assert table == quality.markdown(res)
    assert "| norvane `Config()` | held-out |" in table and "| company_number |" in table
