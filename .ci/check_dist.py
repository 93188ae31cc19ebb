"""Checks what a built sdist or wheel carries. Usage: check_dist.py sdist|wheel PATH

The wheel holds the package and its metadata only: the package's modules, the compiled core,
the stubs and the PEP 561 marker, the LICENSE; nothing at the top level of site-packages
besides. The sdist holds what building and testing need. Exits 1 and lists what is wrong.
"""

import re
import sys
import tarfile
import zipfile

REQUIRED_IN_PACKAGE = ["__init__.py", "__init__.pyi", "__main__.py", "py.typed"]
REQUIRED_IN_SDIST = ["LICENSE", "README.md", "pyproject.toml", "CMakeLists.txt", "tests/test_golden.py",
                     "tests/data/default-behaviour.jsonl.gz"] + [f"python/norvane/{n}" for n in REQUIRED_IN_PACKAGE]


def wheel_problems(names: list[str]) -> list[str]:
    dist_info = next((n.split("/")[0] for n in names if re.match(r"norvane-[^/]+\.dist-info/", n)), None)
    if dist_info is None:
        return ["no norvane-*.dist-info directory"]
    problems = [f"outside the package: {n}" for n in names if not n.startswith(("norvane/", dist_info + "/"))]
    problems += [f"missing: norvane/{n}" for n in REQUIRED_IN_PACKAGE if f"norvane/{n}" not in names]
    if not any(re.fullmatch(r"norvane/_core\.[^/]+\.so", n) for n in names):
        problems.append("missing: the compiled norvane/_core")
    if f"{dist_info}/licenses/LICENSE" not in names:
        problems.append(f"missing: {dist_info}/licenses/LICENSE")
    return problems


def metadata_problems(metadata: str) -> list[str]:
    problems = []
    if not re.search(r"^Requires-Python: >=3\.\d+$", metadata, re.M):
        problems.append("metadata: no Requires-Python lower bound")
    if not re.search(r"^License(-Expression)?: MIT$", metadata, re.M):
        problems.append("metadata: licence is not MIT")
    return problems


def main(kind: str, path: str) -> int:
    if kind == "wheel":
        with zipfile.ZipFile(path) as wheel:
            names = wheel.namelist()
            problems = wheel_problems(names)
            metadata = [n for n in names if n.endswith(".dist-info/METADATA")]
            if metadata:
                problems += metadata_problems(wheel.read(metadata[0]).decode("utf-8"))
    elif kind == "sdist":
        with tarfile.open(path) as sdist:
            names = sdist.getnames()
            root = names[0].split("/")[0]
            problems = [f"missing: {n}" for n in REQUIRED_IN_SDIST if f"{root}/{n}" not in names]
            pkg_info = sdist.extractfile(f"{root}/PKG-INFO")
            problems += metadata_problems(pkg_info.read().decode("utf-8")) if pkg_info else ["missing: PKG-INFO"]
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for problem in problems:
        print(f"{path}: {problem}", file=sys.stderr)
    if not problems:
        print(f"{path}: {len(names)} entries, as expected")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]) if len(sys.argv) == 3 else main("", ""))
