"""The structure documents (bench/labelled_structure.py): spans exact, kinds and categories
valid, every label standing where its situation says (the header's column above the value, the
element around it, the question lines before it), and the two parts disjoint in wording."""

import os
import re
import sys

import pytest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "bench"))

import corpus  # noqa: E402
import labelled  # noqa: E402
from labelled_checks import assert_disjoint, assert_spans_exact  # noqa: E402
import labelled_structure as ls  # noqa: E402
import quality  # noqa: E402

N = 400  # documents per part: every genre and situation several times, well under a second


@pytest.fixture(scope="module")
def parts():
    return {p: ls.generate(p, N, seed=10) for p in ls.PARTS}


def test_spans_slice_back_and_never_overlap(parts):
    for docs in parts.values():
        for d in docs:
            assert_spans_exact(d)
            assert_disjoint(d)


def test_every_genre_kind_situation_and_category_occurs(parts):
    for docs in parts.values():
        assert {d.genre for d in docs} == set(ls.GENRES)
        values = [v for d in docs for v in d.values]
        assert {v.kind for v in values} == set(corpus.KINDS)
        assert {v.label for v in values} == set(ls.SITUATIONS)
        assert {n.category for d in docs for n in d.negatives} == set(ls.NEG_WEIGHTS)
        for v in values:
            assert v.label_text and v.writing in {w for w, _ in labelled.WRITINGS[v.kind]}, v
            assert v.masked == (v.writing == "masked")


def outside_quotes(s: str) -> str:
    """s with every quoted stretch ("77,666,000") taken out."""
    return re.sub(r'"[^"]*"', "", s)


def lines_before(text: str, start: int, n: int) -> list[str]:
    """The n lines before the line holding offset `start`, nearest first."""
    head = text[:start].split("\n")
    return head[-2:-2 - n:-1]


def test_each_label_stands_where_its_situation_says(parts):
    seen = set()
    for docs in parts.values():
        for d in docs:
            for v in d.values:
                t = d.text
                line_start = t.rfind("\n", 0, v.char_start) + 1
                line = t[line_start:t.find("\n", v.char_end) if "\n" in t[v.char_end:] else len(t)]
                before = t[:v.char_start]
                if v.label == "xml_element":
                    assert before.endswith(f"<{v.label_text}>") and t[v.char_end:].startswith(f"</{v.label_text}>")
                elif v.label == "xml_attribute":
                    assert before.endswith(f' {v.label_text}="')
                elif v.label == "xml_field_name":
                    assert before.endswith(f'<field name="{v.label_text}">')
                elif v.label == "json_key":
                    assert re.search(rf'"{re.escape(v.label_text)}": ?"?$', before)
                elif v.label == "json_array_key":
                    key = before.rfind(f'"{v.label_text}":')
                    assert key >= 0 and "]" not in before[key:] and "[" in before[key:]
                elif v.label == "sql_column":
                    stmt = before[before.rfind("INSERT INTO"):]
                    cols = [c.strip(' `"') for c in stmt[stmt.index("(") + 1:stmt.index(")")].split(",")]
                    row = stmt[stmt.rfind("(") + 1:]  # cells hold no ", " of their own
                    assert cols[row.count(", ")] == v.label_text
                elif v.label == "sql_table_column":  # a dump's insert: the CREATE TABLE's columns
                    create = before[before.rfind("CREATE TABLE"):]
                    cols = ["id"] + re.findall(r"^  `?(\w+)`? ", create[:create.index("PRIMARY KEY")], re.M)[1:]
                    row = re.sub(r"'[^']*'", "", before[before.rfind("(") + 1:])
                    assert "INSERT INTO" in create and cols[row.count(",")] == v.label_text, (cols, row, v)
                elif v.label == "sql_copy_column":  # the COPY's column list, or the CREATE TABLE's
                    copy = before[before.rfind("COPY "):]
                    head = copy[:copy.index("\n")]
                    if "(" in head:
                        cols = [c.strip() for c in head[head.index("(") + 1:head.index(")")].split(",")]
                    else:
                        create = before[before.rfind("CREATE TABLE"):]
                        cols = re.findall(r"^    (\w+) ", create, re.M)
                    assert cols[line.count("\t", 0, v.char_start - line_start)] == v.label_text, (cols, line, v)
                elif v.label in ("chat_previous", "call_previous", "chat_later", "call_later"):
                    back = lines_before(t, v.char_start, 2)
                    asked = back[v.label.endswith("later")]
                    assert asked.endswith(v.label_text), (asked, v)
                elif v.label in ("question_previous", "question_later", "question_two_later"):
                    back = lines_before(t, v.char_start, 3)
                    asked = back[("question_previous", "question_later", "question_two_later").index(v.label)]
                    assert asked.endswith(v.label_text), (asked, v)
                elif v.label == "html_header":
                    table = before[before.rfind("<table"):]
                    row = table[table.rfind("<tr"):]
                    col = len(re.findall(r"<t[dh][ >]", row)) - 1
                    header = table[table.index("<tr"):]
                    header = header[:header.index("</tr>")]
                    cells = re.findall(r"<t[dh][^>]*>(?:<b>)?([^<]*)", header)
                    assert cells[col] == v.label_text, (cells, col, v)
                elif v.label == "html_row_header":
                    row = before[before.rfind("<tr"):]
                    assert re.search(rf"<th>{re.escape(v.label_text)}</th>\s*<td>$", row), (row, v)
                elif v.label == "two_row_header":
                    delim = "\t" if "\t" in line else "|" if "|" in line else ","
                    lines = t.split("\n")
                    upper, lower = lines[1:3] if delim not in lines[0] else lines[:2]  # after a title
                    col = outside_quotes(t[line_start:v.char_start].removesuffix('"')).count(delim)
                    up, lo = upper.split(delim)[col], lower.split(delim)[col]
                    assert lo == v.label_text or (up + " " + lo).strip() == v.label_text or \
                        up + lo == v.label_text, (upper, lower, v)
                elif v.label == "same_line_pairs":
                    head = line[:v.char_start - line_start]
                    assert head.rstrip(" :：=]'\"").endswith(v.label_text), (line, v)
                elif v.label == "mail_header":
                    assert line.startswith(v.label_text + ": "), (line, v)
                elif v.label in ("signature_label", "yaml_key"):
                    head = line[:v.char_start - line_start].strip().rstrip("'\" ")
                    assert head in (v.label_text, v.label_text + ":", v.label_text + "."), (line, v)
                elif v.label == "form_next_line":
                    back = [x for x in lines_before(t, v.char_start, 2) if x][0]
                    assert v.label_text in back
                elif v.label == "column_header":
                    header = next(x for x in t[:line_start].split("\n")
                                  if x and not x.startswith("#") and x != "sep=;")
                    delim = " | " if header.startswith("| ") else \
                        "\t" if "\t" in header else "|" if "|" in header else \
                        ";" if v.genre == "table_semicolon" else ","
                    cells = [c.strip('" ') for c in header.strip("|").split(delim.strip(" "))]
                    col = outside_quotes(t[line_start:v.char_start].removesuffix('"')).count(delim)
                    assert cells[col] == v.label_text, (header, line, v)
                elif v.label == "parent_key":  # a key of a block around it (key: or "key":)
                    assert re.search(rf'(^|[ {{,"]){re.escape(v.label_text)}"?:\s*(\n|\{{)', before, re.M), v
                elif v.label in ("key_path", "query_string"):
                    path = re.split(r"[ &?]", before)[-1]
                    assert path.endswith("=") and v.label_text in re.split(r"\.|\[|\]|__|:|=", path), (path, v)
                elif v.label == "form_data":
                    name = lines_before(t, v.char_start, 2)[1]
                    assert "form-data" in name and v.label_text in name, (name, v)
                elif v.label == "html_span_header":
                    table = before[before.rfind("<table"):]
                    assert re.search(rf"<th[^>]*>{re.escape(v.label_text)}</th>", table), v
                elif v.label == "statement_header":  # the account's own line above the table
                    above = t[:line_start]
                    assert line.startswith(v.label_text), (line, v)
                    assert not any(h in above for h in ls.STATEMENT_DATES), (above, v)
                elif v.label in ("statement_column", "statement_memo"):
                    header = next(x for x in reversed(t[:line_start].split("\n")[:-1])
                                  if x and not set(x) <= set("-"))
                    while not any(h in header for h in ls.STATEMENT_DATES):
                        header = t[:t.index(header)].rstrip("\n").split("\n")[-1]
                    if v.label == "statement_column":
                        assert v.label_text in header, (header, v)
                    elif v.label_text in ls.STATEMENT_TRANSFERS:  # after the word and a bank
                        words = re.split(r"[\s,|]+", line[:v.char_start - line_start].strip())
                        assert words[-2] == v.label_text and words[-1] in labelled.BANKS, (line, v)
                        assert any(h in header for h in ls.STATEMENT_MEMO_HEADERS), (header, v)
                    else:  # after the counterparty's name, under the description's header
                        assert v.label_text in ls.STATEMENT_MEMO_HEADERS and v.label_text in header, (header, v)
                elif v.label == "row_label":
                    assert line.startswith(v.label_text), (line, v)
                elif v.label == "fixed_width_header":
                    header = next(x for x in reversed(t[:line_start].split("\n")[:-1])
                                  if v.label_text in x and not set(x) <= set("-= "))
                    # The header's columns (in either measure) overlap the value's.
                    at = header.index(v.label_text)
                    spans = [(ls.width(header[:at]), ls.width(header[:at]) + ls.width(v.label_text)),
                             (at, at + len(v.label_text))]
                    col = v.char_start - line_start
                    mine = [(ls.width(line[:col]), ls.width(line[:col]) + ls.width(v.text)),
                            (col, col + len(v.text))]
                    assert any(a0 < b1 and b0 < a1 for (a0, a1), (b0, b1) in zip(spans, mine)), (header, line)
                elif v.label == "certificate_column":
                    # The header's cell at the index of the value's cell, cells parted by 2+ spaces.
                    header = next(x for x in reversed(t[:line_start].split("\n")[:-1])
                                  if v.label_text in x)
                    col = len(re.split(r" {2,}", line[:v.char_start - line_start])) - 1
                    assert re.split(r" {2,}", header.strip())[col] == v.label_text, (header, line, v)
                seen.add(v.label)
    assert seen == set(ls.SITUATIONS)


def test_parts_share_no_wording(parts):
    def used(docs):
        return ({(v.kind, v.label_text) for d in docs for v in d.values},
                {n.phrasing for d in docs for n in d.negatives if n.phrasing.startswith("question.")})
    tuning, heldout = used(parts["tuning"]), used(parts["heldout"])
    for a, b in zip(tuning, heldout):
        assert a and b and not a & b, sorted(a & b)[:5]


def test_same_seed_same_documents_and_unknown_part_refused():
    a = ls.generate("heldout", 15, seed=5)
    assert [(d.text, d.values, d.negatives) for d in a] == \
        [(d.text, d.values, d.negatives) for d in ls.generate("heldout", 15, seed=5)]
    assert {d.text for d in a}.isdisjoint(d.text for d in ls.generate("tuning", 15, seed=5))
    with pytest.raises(ValueError):
        ls.generate("blind", 1)


def test_quality_scores_the_structure_parts_like_the_others():
    assert {"structure-tuning", "structure-heldout"} <= set(quality.PARTS)
    docs = quality.documents("structure-heldout", 12, 4)
    assert [d.text for d in docs] == [d.text for d in ls.generate("heldout", 12, 4)]

    def perfect(text):  # findings exactly on every value of the document being scored
        d = next(d for d in docs if d.text == text)
        return [(v.char_start, v.char_end, v.kind) for v in d.values]
    res = quality.evaluate(perfect, docs)
    assert res["masking_recall"] == res["typed_recall"] == res["precision"] == 1.0
    assert res["negatives_reported"] == 0.0
    assert set(res["by"]["label"]) <= set(ls.SITUATIONS)
