"""Windows wider than the default walk until the walks have covered the text's size, then look
cues up in an index of the text. Both give the same hits: a text padded with trailing spaces
(which only delays the switch, as the walks then never cover the text) reports the same."""
import json

from hypothesis import HealthCheck, given, settings
from hypothesis import strategies as st

import norvane
from norvane import Config

PIECES = ["연락처 ", "주민번호 ", "계좌번호 ", "주문번호 ", "고객센터 ", "카드 ", "010-1234-5678", "880101-1234568",
          "110-123-456789", "4111 1111 1111 1111", "02-123-4567", "1 ", "2024", ", ", "\n", "전화 ", "메일 ",
          "kim@example.com", "M12345678", "여권번호 ", "사업자 ", "123-45-67890"]


def findings_and_rejections(text, window):
    config = Config()
    config.context_window = window
    report = json.loads(norvane.detect(text, config).to_json())
    return report["findings"], report["rejections"]


@settings(max_examples=60, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(pieces=st.lists(st.sampled_from(PIECES), min_size=1, max_size=12), repeat=st.integers(20, 60),
       window=st.sampled_from([25, 40, 64, 100, 200, 256]))
def test_index_after_walks_reports_what_walks_alone_report(pieces, repeat, window):
    text = "".join(pieces) * repeat
    padded = text + " " * (len(text.encode()) * 2 * window)
    assert findings_and_rejections(text, window) == findings_and_rejections(padded, window)
