"""Mask a column of a Dask DataFrame partition by partition, in worker processes.

Needs the extra: pip install '.[dask]'.
"""

import dask.dataframe as dd
import pandas as pd

from norvane import Policy, PolicySet
from norvane.dask import mask_columns

if __name__ == "__main__":
    frame = pd.DataFrame({
        "id": [1, 2, 3, 4],
        "memo": ["연락처 010-1234-5678 로 회신", "메일 kim@example.com", "주민번호 880101-1234568", "배송 문의"],
    })
    chats = dd.from_pandas(frame, npartitions=2)
    masked = mask_columns(chats, ["memo"], PolicySet(Policy.redact_label()).with_entity("phone", Policy.partial(3, 4)))
    print(masked.compute(scheduler="processes").to_string(index=False))
