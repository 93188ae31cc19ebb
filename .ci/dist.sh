#!/usr/bin/env bash
# Packaging CI: builds the sdist with `python -m build`, checks what it carries, then for the
# lowest and the newest Python that pyproject.toml claims (its "Python :: 3.X" classifiers)
# builds a wheel from that sdist in a fresh virtual environment, checks the wheel's contents,
# shows it to auditwheel, installs it and runs the test suite of the unpacked sdist (no fuzzing).
# A version equal to python3's is skipped: .ci/run has built and tested it the README's way.
# Interpreters come from ~/.pyenv/versions (override the list with NORVANE_CI_PYTHONS="3.11 3.13").
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d "${TMPDIR:-/tmp}/norvane-dist.XXXXXX")
trap 'rm -rf "$work"' EXIT

claimed=$(python3 -c '
import re, tomllib
with open("pyproject.toml", "rb") as f:
    classifiers = tomllib.load(f)["project"]["classifiers"]
minors = sorted(int(m) for c in classifiers for m in re.findall(r"^Programming Language :: Python :: 3\.(\d+)$", c))
print(f"3.{minors[0]} 3.{minors[-1]}")')
main_version=$(python3 -c 'import sys; print(f"{sys.version_info[0]}.{sys.version_info[1]}")')
versions=${NORVANE_CI_PYTHONS:-$(for v in $claimed; do [[ $v == "$main_version" ]] || echo "$v"; done)}
echo "dist: claimed lowest and newest: $claimed; python3 is $main_version; wheels here for:" $versions

python3 -m venv "$work/tools"
"$work/tools/bin/python" -m pip install --quiet --upgrade pip
"$work/tools/bin/python" -m pip install --quiet build auditwheel
"$work/tools/bin/python" -m build --sdist --outdir "$work/dist" . >"$work/sdist.log" 2>&1 ||
  { tail -n 30 "$work/sdist.log"; exit 1; }
sdist=$(echo "$work"/dist/norvane-*.tar.gz)
python3 .ci/check_dist.py sdist "$sdist"
tar -xzf "$sdist" -C "$work"
unpacked=$(echo "$work"/norvane-*/)

for v in $versions; do
  py=$(ls -d "$HOME"/.pyenv/versions/"$v".*/bin/python3 2>/dev/null | sort -V | tail -n 1)
  [[ -n $py ]] || { echo "dist: no Python $v under ~/.pyenv/versions"; exit 1; }
  echo "dist: $($py --version): wheel from the sdist, install, tests"
  "$py" -m venv "$work/venv-$v"
  vpy="$work/venv-$v/bin/python"
  "$vpy" -m pip install --quiet --upgrade pip
  "$vpy" -m pip wheel --quiet --no-deps --wheel-dir "$work/wheels-$v" "$sdist" >"$work/wheel-$v.log" 2>&1 ||
    { tail -n 30 "$work/wheel-$v.log"; exit 1; }
  wheel=$(echo "$work/wheels-$v"/norvane-*.whl)
  python3 .ci/check_dist.py wheel "$wheel"
  "$work/tools/bin/auditwheel" show "$wheel"
  "$vpy" -m pip install --quiet "$wheel[test]"
  (cd "$unpacked" && "$vpy" -m pytest -q -p no:cacheprovider tests)
done
