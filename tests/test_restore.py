"""Restore maps: prefix choice, tokens, unmask, and the JSON writer and reader."""
import json

import pytest

import norvane
from norvane import Policy, PolicySet, RestoreMap, SpanMapError, mask, unmask

TOKENS = PolicySet(Policy.tokenize())
PREFIX = "restore map JSON 을 읽지 못했다: "
VARIANTS = (
    "expected one of `resident`, `foreigner_registration`, `business_registration`, `credit_card`, "
    "`bank_account`, `phone`, `email`, `driver_license`, `birth_date`, `passport`"
)
NAMES = norvane.entity_names()


def restore_map(prefix="PII", *originals, entity="phone"):
    entries = [{"token": f"[[{prefix}:{i}]]", "original": o, "entity": entity} for i, o in enumerate(originals)]
    return RestoreMap.from_json(json.dumps({"prefix": prefix, "entries": entries}))


def entries_of(m):
    return [(e.token, e.original, e.entity) for e in m.entries]


def read_error(text):
    with pytest.raises(ValueError) as e:
        RestoreMap.from_json(text)
    assert type(e.value) is ValueError
    return str(e.value)


def token_error(masked, m):
    with pytest.raises(SpanMapError) as e:
        unmask(masked, m)
    return str(e.value)


# ---------------------------------------------------------------------------------------------
# Classes


@pytest.mark.parametrize("cls", [RestoreMap, norvane.RestoreEntry, norvane.MaskOutput])
def test_no_constructor(cls):
    with pytest.raises(TypeError) as e:
        cls()
    assert str(e.value) == f"No constructor defined for {cls.__name__}"


def test_map_attributes_and_repr():
    m = mask("전화 010-1234-5678, 또 전화 010-9876-5432", TOKENS).restore
    assert repr(m) == 'RestoreMap(prefix="PII", entries=2)'
    assert m.prefix == "PII"
    assert len(m) == 2
    assert m.is_empty() is False
    assert entries_of(m) == [("[[PII:0]]", "010-1234-5678", "phone"), ("[[PII:1]]", "010-9876-5432", "phone")]
    assert RestoreMap.is_empty.__text_signature__ == "($self)"
    assert RestoreMap.to_json.__text_signature__ == "($self)"
    assert RestoreMap.from_json.__text_signature__ == "(text)"


def test_empty_map():
    m = mask("개인정보가 없는 문장", TOKENS).restore
    assert repr(m) == 'RestoreMap(prefix="PII", entries=0)'
    assert len(m) == 0 and m.is_empty() is True and m.entries == []
    assert m.to_json() == '{"prefix":"PII","entries":[]}'


def test_entries_are_fresh_objects():
    m = restore_map("PII", "a", "b")
    first, second = m.entries, m.entries
    assert first is not second
    assert first[0] is not second[0]
    first.clear()
    assert len(m.entries) == 2


@pytest.mark.parametrize("name", NAMES)
def test_entry_attributes_and_repr_hide_the_original(name):
    (e,) = restore_map("PII", "비밀 원문 010-1234-5678", entity=name).entries
    assert e.token == "[[PII:0]]"
    assert e.entity == name
    assert e.original == "비밀 원문 010-1234-5678"
    assert repr(e) == f'RestoreEntry(token="[[PII:0]]", entity="{name}")'
    assert "비밀" not in repr(e)


def test_entry_labels():
    labels = [restore_map("P", "x", entity=n).entries[0].entity_label for n in NAMES]
    assert labels == ["주민등록번호", "외국인등록번호", "사업자등록번호", "카드번호", "계좌번호", "전화번호", "이메일",
                      "운전면허번호", "생년월일", "여권번호"]


def test_reprs_escape_quoted_values():
    m = RestoreMap.from_json('{"prefix":"a\\"b\\\\c\\n\\t\\r\\u0000\\u001b\\u007f\\u0085가","entries":[["t\\"\\n","o","email"]]}')
    assert repr(m) == 'RestoreMap(prefix="a\\"b\\\\c\\n\\t\\r\\0\\u{1b}\\u{7f}\\u{85}가", entries=1)'
    assert repr(m.entries[0]) == 'RestoreEntry(token="t\\"\\n", entity="email")'


# ---------------------------------------------------------------------------------------------
# Prefix choice


@pytest.mark.parametrize(
    "text, prefix",
    [
        ("", "PII"),
        ("평범한 문장", "PII"),
        ("[[PII:", "PII0"),
        ("앞 [[PII:0]] 뒤", "PII0"),
        ("[[PII: 와 [[PII0:", "PII1"),
        ("[[PII0: 만", "PII"),
        ("[[PII: 와 [[PII1:", "PII0"),
        ("[[PII:[[PII0:[[PII1:", "PII2"),
        ("[[PII1:[[PII0:[[PII:", "PII2"),
        ("[[PII: [[PII01:", "PII0"),
        ("[[PII: [[PII00:", "PII0"),
        ("[[PII:" + "".join(f"[[PII{k}:" for k in range(100)), "PII100"),
        ("[[PII:" + "".join(f"[[PII{k}:" for k in range(1, 100)), "PII0"),
        ("[[PII", "PII"),
        ("[[PII ]]", "PII"),
        ("[PII:0]", "PII"),
        ("[[pii:0]]", "PII"),
        ("［［PII:0]]", "PII"),
        ("[[[PII:0]]", "PII0"),
        ("[[PII:" + "가" * 1000, "PII0"),
        ("[[PII0:" * 3 + "[[PII:", "PII1"),
        ("[[PII:[[PII18446744073709551616:[[PII0:", "PII1"),
    ],
)
def test_prefix_avoids_openers_in_the_source(text, prefix):
    m = mask(text, TOKENS).restore
    assert m.prefix == prefix
    assert f"[[{prefix}:" not in text


def test_token_like_text_in_the_source_survives():
    text = "기존 [[PII:0]] 토큰과 전화 010-1234-5678"
    out = mask(text, TOKENS)
    assert out.text == "기존 [[PII:0]] 토큰과 전화 [[PII0:0]]"
    assert entries_of(out.restore) == [("[[PII0:0]]", "010-1234-5678", "phone")]
    assert unmask(out.text, out.restore) == text
    assert unmask(out.text, RestoreMap.from_json(out.restore.to_json())) == text


def test_identical_values_get_separate_tokens():
    text = "전화 010-1234-5678, 다시 전화 010-1234-5678"
    out = mask(text, TOKENS)
    assert out.text == "전화 [[PII:0]], 다시 전화 [[PII:1]]"
    assert entries_of(out.restore) == [("[[PII:0]]", "010-1234-5678", "phone"), ("[[PII:1]]", "010-1234-5678", "phone")]


# ---------------------------------------------------------------------------------------------
# unmask


@pytest.mark.parametrize(
    "masked, expected",
    [
        ("", ""),
        ("토큰이 없는 텍스트", "토큰이 없는 텍스트"),
        ("[[PII:0]]", "영"),
        ("[[PII:1]]", "일"),
        ("[[PII:+1]]", "일"),
        ("[[PII:00]]", "영"),
        ("[[PII:+00001]]", "일"),
        ("a[[PII:1]]b[[PII:0]]c[[PII:1]]", "a일b영c일"),
        ("[[PII:0]][[PII:1]]", "영일"),
        ("[[PII:0]]]", "영]"),
        ("[[[PII:0]]", "[영"),
        ("[[PII0:5]] [[pii:9]] [[PII :9]] [PII:9] [[PII:0]]", "[[PII0:5]] [[pii:9]] [[PII :9]] [PII:9] 영"),
        ("]] [[ ]] :", "]] [[ ]] :"),
    ],
)
def test_unmask(masked, expected):
    assert unmask(masked, restore_map("PII", "영", "일")) == expected


@pytest.mark.parametrize(
    "masked, detail",
    [
        ("[[PII:]]", "토큰 번호가 숫자가 아니다: ''"),
        ("[[PII:+]]", "토큰 번호가 숫자가 아니다: '+'"),
        ("[[PII:++1]]", "토큰 번호가 숫자가 아니다: '++1'"),
        ("[[PII:-1]]", "토큰 번호가 숫자가 아니다: '-1'"),
        ("[[PII: 1]]", "토큰 번호가 숫자가 아니다: ' 1'"),
        ("[[PII:1x]]", "토큰 번호가 숫자가 아니다: '1x'"),
        ("[[PII:١]]", "토큰 번호가 숫자가 아니다: '١'"),
        ("[[PII:１]]", "토큰 번호가 숫자가 아니다: '１'"),
        ("[[PII:18446744073709551616]]", "토큰 번호가 숫자가 아니다: '18446744073709551616'"),
        ("[[PII:[[PII:0]]", "토큰 번호가 숫자가 아니다: '[[PII:0'"),
        ("[[PII:0] ]", "[[PII:...  에 닫는 괄호가 없다"),
        ("[[PII:0", "[[PII:...  에 닫는 괄호가 없다"),
        ("끝에 [[PII:", "[[PII:...  에 닫는 괄호가 없다"),
        ("[[PII:2]]", "표에 없는 토큰 번호 2"),
        ("[[PII:7]]", "표에 없는 토큰 번호 7"),
        ("[[PII:+07]]", "표에 없는 토큰 번호 7"),
        ("[[PII:18446744073709551615]]", "표에 없는 토큰 번호 18446744073709551615"),
        ("[[PII:000000000000000000000000000002]]", "표에 없는 토큰 번호 2"),
        # The first bad token stops the walk, even after good ones.
        ("[[PII:0]] [[PII:1]] [[PII:2]] [[PII:x]]", "표에 없는 토큰 번호 2"),
    ],
)
def test_unmask_errors(masked, detail):
    assert token_error(masked, restore_map("PII", "영", "일")) == "restore token error: " + detail


def test_unmask_error_names_the_prefix():
    assert token_error("[[PII0:3", restore_map("PII0", "a")) == "restore token error: [[PII0:...  에 닫는 괄호가 없다"
    assert token_error("[[:", restore_map("", "a")) == "restore token error: [[:...  에 닫는 괄호가 없다"


def test_unmask_with_an_empty_map():
    m = mask("없음", TOKENS).restore
    assert unmask("그냥 텍스트 [[PII0:0]]", m) == "그냥 텍스트 [[PII0:0]]"
    assert token_error("[[PII:0]]", m) == "restore token error: 표에 없는 토큰 번호 0"


def test_unmask_selects_by_number_not_by_stored_token():
    m = RestoreMap.from_json('["PII",[["아무거나","영","phone"],["[[PII:0]]","일","email"]]]')
    assert unmask("[[PII:0]]/[[PII:1]]", m) == "영/일"


def test_unmask_with_odd_prefixes():
    assert unmask("x[[:0]]y", restore_map("", "영")) == "x영y"
    assert unmask("[[가:0]] [[PII:0]]", restore_map("가", "영")) == "영 [[PII:0]]"
    long = "P" * 100
    assert unmask(f"[[{long}:0]][[{long[:-1]}:0]]", restore_map(long, "영")) == f"영[[{long[:-1]}:0]]"


def test_unmask_restores_originals_byte_for_byte():
    originals = ["", "\x00\n\t", "😀가\u0301", "[[PII:0]]", "]]", "\\\"'"]
    m = restore_map("PII", *originals)
    masked = "|".join(f"[[PII:{i}]]" for i in range(len(originals)))
    assert unmask(masked, m) == "|".join(originals)


def test_an_original_that_looks_like_a_token_is_not_rescanned():
    assert unmask("[[PII:0]]", restore_map("PII", "[[PII:1]]", "x")) == "[[PII:1]]"


@pytest.mark.parametrize(
    "call, message",
    [
        (lambda m: unmask("x", None), "argument 'restore': 'NoneType' object cannot be converted to 'RestoreMap'"),
        (lambda m: unmask("x", "{}"), "argument 'restore': 'str' object cannot be converted to 'RestoreMap'"),
        (lambda m: unmask("x", TOKENS), "argument 'restore': 'PolicySet' object cannot be converted to 'RestoreMap'"),
        (lambda m: unmask(b"x", m), "argument 'masked': 'bytes' object cannot be converted to 'str'"),
        (lambda m: unmask("x"), "unmask() missing 1 required positional argument: 'restore'"),
        (lambda m: unmask(), "unmask() missing 2 required positional arguments: 'masked' and 'restore'"),
        (lambda m: unmask("x", m, 1), "unmask() takes 2 positional arguments but 3 were given"),
        (lambda m: unmask("x", restore=m, map=m), "unmask() got an unexpected keyword argument 'map'"),
    ],
)
def test_unmask_argument_errors(call, message):
    with pytest.raises(TypeError) as e:
        call(restore_map("PII", "a"))
    assert str(e.value) == message


def test_unmask_keywords():
    assert unmask(masked="[[PII:0]]", restore=restore_map("PII", "a")) == "a"


def test_unmask_large_text():
    m = restore_map("PII", *[str(i) for i in range(1000)])
    masked = "가" * 10 + "".join(f"[[PII:{i}]]문장 " for i in range(1000)) * 50
    assert unmask(masked, m) == "가" * 10 + "".join(f"{i}문장 " for i in range(1000)) * 50


# ---------------------------------------------------------------------------------------------
# JSON writer


def test_writer_is_compact_in_field_order():
    out = mask("전화 010-1234-5678 메일 hong@example.com", TOKENS).restore
    assert out.to_json() == (
        '{"prefix":"PII","entries":[{"token":"[[PII:0]]","original":"010-1234-5678","entity":"phone"},'
        '{"token":"[[PII:1]]","original":"hong@example.com","entity":"email"}]}'
    )


def test_writer_escapes():
    m = restore_map("P", 'a"b\\c\b\t\n\f\r\x01\x1f\x7f가😀/\u2028')
    assert m.to_json() == (
        '{"prefix":"P","entries":[{"token":"[[P:0]]","original":"a\\"b\\\\c\\b\\t\\n\\f\\r\\u0001\\u001f\x7f가😀/\u2028",'
        '"entity":"phone"}]}'
    )
    assert json.loads(m.to_json())["entries"][0]["original"] == 'a"b\\c\b\t\n\f\r\x01\x1f\x7f가😀/\u2028'


@pytest.mark.parametrize("name", NAMES)
def test_every_entity_round_trips(name):
    m = restore_map("PII", "값", entity=name)
    assert json.loads(m.to_json())["entries"][0]["entity"] == name
    again = RestoreMap.from_json(m.to_json())
    assert entries_of(again) == entries_of(m)
    assert again.to_json() == m.to_json()


def test_round_trip_of_a_masked_text():
    text = ("주민등록번호 900101-1234568, 카드번호 4111-1111-1111-1111, 전화 010-1234-5678, "
            "메일 hong@example.com, 여권번호 M12345678, 기존 토큰 [[PII:3]]")
    out = mask(text, TOKENS)
    m = out.restore
    again = RestoreMap.from_json(m.to_json())
    assert again is not m
    assert (again.prefix, entries_of(again)) == (m.prefix, entries_of(m))
    assert again.to_json() == m.to_json()
    assert unmask(out.text, again) == text


# ---------------------------------------------------------------------------------------------
# JSON reader: accepted forms


@pytest.mark.parametrize(
    "text, prefix, entries",
    [
        ('{"prefix":"P","entries":[]}', "P", []),
        (' \t\r\n{ "entries" : [ ] , "prefix" : "Q" } \n', "Q", []),
        ('["P",[]]', "P", []),
        ('["P",[["t","o","email"]]]', "P", [("t", "o", "email")]),
        ('["P",[{"token":"t","original":"o","entity":"phone"}]]', "P", [("t", "o", "phone")]),
        ('{"prefix":"P","entries":[["a","b","phone"],{"entity":"email","original":"d","token":"c"}]}', "P",
         [("a", "b", "phone"), ("c", "d", "email")]),
        ('{"prefix":"P","entries":[{"token":"a","original":"b","entity":{"passport":null}}]}', "P",
         [("a", "b", "passport")]),
        ('{"prefix":"P","entries":[["a","b",{"resident":null}]]}', "P", [("a", "b", "resident")]),
        # Unknown keys are skipped whatever they hold, and may repeat.
        ('{"x":1,"prefix":"P","y":{"prefix":5},"entries":[],"z":[1,{"a":[null,true]}],"x":"again"}', "P", []),
        ('{"prefix":"P","entries":[{"entity":"phone","extra":{"entity":5},"original":"b","token":"a","extra":1}]}',
         "P", [("a", "b", "phone")]),
        ('{"":1,"prefix":"P","entries":[],"n":123456789012345678901234567890,"f":-1.5e300}', "P", []),
        ('{"prefix":"P","entries":[],"deep":' + "[" * 100000 + "]" * 100000 + "}", "P", []),
        ('{"prefix":"P","entries":[],"deep":' + '{"a":' * 100000 + "1" + "}" * 100000 + "}", "P", []),
        # Escapes decode to the text they stand for.
        ('{"prefix":"\\ud83d\\ude00\\u0041\\/","entries":[["\\u005b[P:0]]","\\u0000","email"]]}', "😀A/",
         [("[[P:0]]", "\x00", "email")]),
        ('{"prefix":"","entries":[]}', "", []),
        # Numbers beyond the double range are valid JSON; where they are only skipped they do no harm.
        ('{"prefix":"P","entries":[],"n":1e999999,"m":[-1e400,1e-400]}', "P", []),
        # No further validation: tokens and numbering are taken as stored.
        ('["PII",[["x","1","phone"],["x","2","phone"]]]', "PII", [("x", "1", "phone"), ("x", "2", "phone")]),
    ],
)
def test_reader_accepts(text, prefix, entries):
    m = RestoreMap.from_json(text)
    assert (m.prefix, entries_of(m)) == (prefix, entries)


def test_reader_takes_a_huge_map():
    n = 200_000
    big = {"prefix": "PII", "entries": [{"token": f"[[PII:{i}]]", "original": f"원문{i}", "entity": NAMES[i % 10]}
                                        for i in range(n)]}
    text = json.dumps(big, ensure_ascii=False, separators=(",", ":"))
    m = RestoreMap.from_json(text)
    assert len(m) == n
    assert m.to_json() == text
    assert unmask("[[PII:199999]] [[PII:0]]", m) == "원문199999 원문0"


def test_reader_takes_a_huge_string():
    original = "가나다" * 1_000_000
    m = RestoreMap.from_json(json.dumps(["P", [["[[P:0]]", original, "email"]]]))
    assert unmask("[[P:0]]", m) == original


# ---------------------------------------------------------------------------------------------
# JSON reader: failures (the whole message)


@pytest.mark.parametrize(
    "text, message",
    [
        # Missing and repeated fields.
        ("{}", "missing field `prefix` at line 1 column 2"),
        ('{"entries":[]}', "missing field `prefix` at line 1 column 14"),
        ('{"prefix":"PII"}', "missing field `entries` at line 1 column 16"),
        ('{"prefix":"PII","entries":[{}]}', "missing field `token` at line 1 column 29"),
        ('{"prefix":"PII","entries":[{"token":"a","original":"b"}]}', "missing field `entity` at line 1 column 55"),
        ('{"prefix":"PII","entries":[{"token":"a","entity":"phone"}]}', "missing field `original` at line 1 column 57"),
        ('{"prefix":"PII","entries":[],"prefix":"X"}', "duplicate field `prefix` at line 1 column 37"),
        ('{"prefix":"PII","entries":[],"entries":[]}', "duplicate field `entries` at line 1 column 38"),
        ('{"prefix":"P","entries":[],"\\u0070refix":"Q"}', "duplicate field `prefix` at line 1 column 40"),
        ('{"prefix":"P","entries":[{"token":"a","original":"b","entity":"phone","token":1}]}',
         "duplicate field `token` at line 1 column 77"),
        ('{"prefix":"P","entries":[{"token":"a","original":"b","entity":{"phone":null},"entity":"phone"}]}',
         "duplicate field `entity` at line 1 column 85"),
        # Positional forms.
        ("[]", "invalid length 0, expected struct RestoreMap with 2 elements at line 1 column 2"),
        ('["P"]', "invalid length 1, expected struct RestoreMap with 2 elements at line 1 column 5"),
        ('["P",[],1]', "invalid length 3, expected struct RestoreMap with 2 elements at line 1 column 10"),
        ('["P",[[]]]', "invalid length 0, expected struct RestoreEntry with 3 elements at line 1 column 8"),
        ('["P",[["[[P:0]]","x"]]]', "invalid length 2, expected struct RestoreEntry with 3 elements at line 1 column 21"),
        ('["P",[["[[P:0]]","x","email",1]]]',
         "invalid length 4, expected struct RestoreEntry with 3 elements at line 1 column 31"),
        # Entity names.
        ('{"prefix":"P","entries":[["a","b","PHONE"]]}', f"unknown variant `PHONE`, {VARIANTS} at line 1 column 41"),
        ('{"prefix":"P","entries":[["a","b",""]]}', f"unknown variant ``, {VARIANTS} at line 1 column 36"),
        ('{"prefix":"P","entries":[["a","b","전화번호"]]}', f"unknown variant `전화번호`, {VARIANTS} at line 1 column 48"),
        ('{"prefix":"P","entries":[["a","b",{"nope":null}]]}', f"unknown variant `nope`, {VARIANTS} at line 1 column 41"),
        ('{"prefix":"P","entries":[["a","b",{"phone":1}]]}', "invalid type: integer `1`, expected unit at line 1 column 45"),
        ('{"prefix":"P","entries":[["a","b",{"phone":{}}]]}', "invalid type: map, expected unit at line 1 column 44"),
        ('{"prefix":"P","entries":[["a","b",{}]]}', "invalid length 0, expected map with a single key at line 1 column 36"),
        ('{"prefix":"P","entries":[["a","b",{"phone":null,"email":null}]]}',
         "invalid length 2, expected map with a single key at line 1 column 55"),
        ('{"prefix":"P","entries":[["a","b",5]]}', "invalid type: integer `5`, expected variant identifier at line 1 column 36"),
        ('{"prefix":"P","entries":[["a","b",null]]}', "invalid type: null, expected variant identifier at line 1 column 38"),
        ('{"prefix":"P","entries":[["a","b",1.5]]}', "invalid type: floating point `1.5`, expected variant identifier at line 1 column 38"),
        ('{"prefix":"P","entries":[["a","b",["phone"]]]}', "invalid type: sequence, expected variant identifier at line 1 column 35"),
        # Wrong types.
        ("1", "invalid type: integer `1`, expected struct RestoreMap at line 1 column 1"),
        ("null", "invalid type: null, expected struct RestoreMap at line 1 column 4"),
        ('"x"', 'invalid type: string "x", expected struct RestoreMap at line 1 column 3'),
        ('{"prefix":1,"entries":[]}', "invalid type: integer `1`, expected a string at line 1 column 12"),
        ('{"prefix":null,"entries":[]}', "invalid type: null, expected a string at line 1 column 14"),
        ('{"prefix":[],"entries":[]}', "invalid type: sequence, expected a string at line 1 column 11"),
        ('{"prefix":{},"entries":[]}', "invalid type: map, expected a string at line 1 column 11"),
        ('{"prefix":"P","entries":{}}', "invalid type: map, expected a sequence at line 1 column 25"),
        ('{"prefix":"P","entries":"x"}', 'invalid type: string "x", expected a sequence at line 1 column 27'),
        ('{"prefix":"P","entries":[1]}', "invalid type: integer `1`, expected struct RestoreEntry at line 1 column 27"),
        ('{"prefix":"P","entries":[{"token":1,"original":"b","entity":"phone"}]}',
         "invalid type: integer `1`, expected a string at line 1 column 36"),
        ('{"prefix":"P","entries":[{"token":"a","original":true,"entity":"phone"}]}',
         "invalid type: boolean `true`, expected a string at line 1 column 53"),
        ("[1,[]]", "invalid type: integer `1`, expected a string at line 1 column 3"),
        ('["P",{}]', "invalid type: map, expected a sequence at line 1 column 6"),
        # Not JSON at all, or not strict JSON.
        ("", "attempting to parse an empty input; check that your input string or stream contains the expected JSON "
             "at line 1 column 0"),
        ("   ", "syntax error while parsing value - unexpected end of input; expected '[', '{', or a literal at line 1 column 3"),
        ('{"prefix":"P","entries":[]} x', "syntax error while parsing value - invalid literal; expected end of input "
                                          "at line 1 column 29"),
        ('{"prefix":"P","entries":[]}{}', "syntax error while parsing value - unexpected '{'; expected end of input "
                                          "at line 1 column 28"),
        ('{"prefix":"P","entries":[],}', "syntax error while parsing object key - unexpected '}'; expected string literal "
                                         "at line 1 column 28"),
        ('{"prefix":"P","entries":[],"zz":[1,{"a":NaN}]}', "syntax error while parsing value - invalid literal at line 1 column 41"),
        ("/*c*/{}", "syntax error while parsing value - invalid literal at line 1 column 1"),
        ('{"prefix":"P",\n"entries":[],\n  "n":tru}', "syntax error while parsing value - invalid literal at line 3 column 10"),
        ('{"prefix":"a\nb","entries":[]}', "syntax error while parsing value - invalid string: control character U+000A "
                                           "(LF) must be escaped to \\u000A or \\n at line 2 column 0"),
        # Escapes that encode no text.
        ('{"prefix":"P\\ud800","entries":[]}', "syntax error while parsing value - invalid string: surrogate "
                                               "U+D800..U+DBFF must be followed by U+DC00..U+DFFF at line 1 column 19"),
        ('{"prefix":"P\\udc00x","entries":[]}', "syntax error while parsing value - invalid string: surrogate "
                                                "U+DC00..U+DFFF must follow U+D800..U+DBFF at line 1 column 18"),
        ('{"prefix":"\\u12","entries":[]}', "syntax error while parsing value - invalid string: '\\u' must be followed "
                                            "by 4 hex digits at line 1 column 16"),
        ('{"prefix":"\\x","entries":[]}', "syntax error while parsing value - invalid string: forbidden character after "
                                          "backslash at line 1 column 13"),
        # Deep nesting fails where the structure goes wrong, without recursion.
        ("[" * 100000, "invalid type: sequence, expected a string at line 1 column 2"),
        ("[" * 100000 + "]" * 100000, "invalid type: sequence, expected a string at line 1 column 2"),
        ('{"prefix":"P","entries":[' + "[" * 100000 + "]" * 100000 + "]}",
         "invalid type: sequence, expected a string at line 1 column 27"),
        ('{"prefix":"P","entries":[],"x":' + "[" * 100000, "syntax error while parsing value - unexpected end of input; "
                                                        "expected '[', '{', or a literal at line 1 column 100031"),
        ('{"a":' * 100000, "syntax error while parsing value - unexpected end of input; expected '[', '{', or a literal "
                           "at line 1 column 500000"),
        ('{"prefix":"P","entries":[["a","b",{"phone":' + "[" * 1000 + "]" * 1000 + "}]]}",
         "invalid type: sequence, expected unit at line 1 column 44"),
    ],
)
def test_reader_failures(text, message):
    assert read_error(text) == PREFIX + message


def test_reader_failure_late_in_a_huge_text():
    entries = [["[[PII:%d]]" % i, "x" * 10, "phone"] for i in range(100_000)]
    entries.append(["t", "o", "nope"])
    text = json.dumps(["PII", entries], separators=(",", ":"))
    assert read_error(text) == PREFIX + f"unknown variant `nope`, {VARIANTS} at line 1 column {len(text) - 3}"


@pytest.mark.parametrize(
    "text, message",
    [
        ('{"prefix":1.5,"entries":[]}', "invalid type: floating point `1.5`, expected a string at line 1 column 14"),
        ('{"prefix":1e308,"entries":[]}', "invalid type: floating point `1e308`, expected a string at line 1 column 16"),
    ],
)
def test_reader_names_numbers(text, message):
    assert read_error(text) == PREFIX + message


@pytest.mark.parametrize(
    "text, message",
    [
        ('{"prefix":1e999,"entries":[]}', "number out of range at line 1 column 15"),
        ('{"prefix":-1e999,"entries":[]}', "number out of range at line 1 column 16"),
        ('{"prefix":"P","entries":[1e999]}', "number out of range at line 1 column 30"),
        ('[2e308,[]]', "number out of range at line 1 column 6"),
    ],
)
def test_reader_refuses_numbers_out_of_range_where_used(text, message):
    assert read_error(text) == PREFIX + message


def test_reader_refuses_numbers_out_of_range_where_used_whatever_the_column():
    for text in ['{"prefix":1e999,"entries":[]}', '{"prefix":"P","entries":[1e999]}', '["P",[["a","b",-1e999]]]']:
        assert read_error(text).startswith(PREFIX + "number out of range at line 1 column ")


@pytest.mark.parametrize(
    "text, column",
    [('{"prefix":"P","entries":[]}\x00', 28), ('["P",[]]\x00garbage{', 9), ("\x00", 1), ('{"prefix":"P\x00","entries":[]}', 13)],
)
def test_reader_refuses_a_nul_anywhere(text, column):
    assert read_error(text) == PREFIX + f"syntax error - invalid character NUL at line 1 column {column}"


def test_reader_argument_errors():
    with pytest.raises(TypeError) as e:
        RestoreMap.from_json(b"{}")
    assert str(e.value) == "argument 'text': 'bytes' object cannot be converted to 'str'"
    with pytest.raises(UnicodeEncodeError):
        RestoreMap.from_json('{"prefix":"\ud800","entries":[]}')
    with pytest.raises(TypeError) as e:
        RestoreMap.from_json()
    assert str(e.value) == "RestoreMap.from_json() missing 1 required positional argument: 'text'"
