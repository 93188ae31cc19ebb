"""The package around the compiled core: public names, their module, the version, `-m`."""

import importlib.metadata
import importlib.resources
import subprocess
import sys
import types

import norvane


def public_names():
    # Submodules (norvane.cli, norvane.spark, ...) join the namespace once imported: not names of the API.
    return sorted(n for n, v in vars(norvane).items() if not n.startswith("_") and not isinstance(v, types.ModuleType))


def test_all_lists_exactly_the_public_names():
    assert sorted(norvane.__all__) == public_names()
    assert len(norvane.__all__) == len(set(norvane.__all__))


def test_every_public_name_belongs_to_norvane():
    # Reprs, pickles and help() show the public module, never the private extension.
    wrong = {
        name: getattr(norvane, name).__module__
        for name in norvane.__all__
        if getattr(norvane, name).__module__ != "norvane"
    }
    assert wrong == {}
    assert norvane.normalize.__self__ is norvane._core


def test_version_matches_the_installed_metadata():
    assert norvane.__version__ == importlib.metadata.version("norvane")


def test_running_the_package_starts_and_says_what_it_can_do():
    done = subprocess.run([sys.executable, "-m", "norvane"], capture_output=True, text=True, timeout=60)
    assert (done.returncode, done.stdout) == (2, "")
    assert done.stderr.startswith("usage: python -m norvane")


def test_type_information_is_installed_with_the_package():
    # PEP 561: the marker and the stubs must sit in the installed package, beside the module.
    package = importlib.resources.files("norvane")
    assert (package / "py.typed").is_file()
    stubs = (package / "__init__.pyi").read_text(encoding="utf-8")
    assert all(f"def {name}(" in stubs or f"class {name}(" in stubs or f"class {name}:" in stubs
               for name in norvane.__all__)
