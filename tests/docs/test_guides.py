"""The README and the guides in docs/ against the tree and the companion.

Every relative link must resolve to a file, and every curvix-lab example must run
and print what the page shows under it. An example is a code block (indented by
four spaces or fenced) whose command starts with `build/curvix-lab`, after an
optional `$ ` prompt; a trailing backslash continues it on the next line. The
lines after a `$ ` command, up to the next one or the block's end, are its
expected standard output, where a line `...` stands for any number of lines.
A command without a prompt has no output shown; it must succeed, and a file it
writes with --output that the repository also holds (a picture) must come out
byte for byte as committed.

Run with: python3 -m pytest tests/docs --lab build/curvix-lab
"""

import re
import shlex
import shutil
import subprocess
import tempfile
from pathlib import Path

import pytest

ROOT = Path(__file__).resolve().parents[2]
GUIDES = [ROOT / "README.md"] + sorted((ROOT / "docs").rglob("*.md"))
LAB_PREFIX = "build/curvix-lab"
LINK = re.compile(r"!?\[[^\]]*\]\(([^)\s]+)\)")


def code_blocks(text):
    """The code blocks of a Markdown text, each as a list of lines."""
    blocks, current, fenced = [], None, False
    for line in text.split("\n"):
        if line.strip().startswith("```"):
            if fenced:
                blocks.append(current)
                current, fenced = None, False
            else:
                current, fenced = [], True
            continue
        if fenced:
            current.append(line)
        elif line.startswith("    ") or (current is not None and line.strip() == ""):
            current = current if current is not None else []
            current.append(line[4:])
        elif current is not None:
            blocks.append(current)
            current = None
    if current is not None:
        blocks.append(current)
    return [[line.rstrip() for line in block] for block in blocks]


def examples(block):
    """(command, expected lines or None) for each curvix-lab command of a block."""
    found, i = [], 0
    while i < len(block):
        line = block[i]
        prompted = line.startswith("$ ")
        command = line[2:] if prompted else line.strip()
        i += 1
        if not command.startswith(LAB_PREFIX):
            continue
        while command.endswith("\\") and i < len(block):
            command = command[:-1] + " " + block[i].strip()
            i += 1
        expected = None
        if prompted:
            expected = []
            while i < len(block) and not block[i].startswith("$ "):
                expected.append(block[i])
                i += 1
            while expected and expected[-1] == "":
                expected.pop()
        found.append((command, expected))
    return found


def all_examples():
    for guide in GUIDES:
        for block in code_blocks(guide.read_text(encoding="utf-8")):
            for command, expected in examples(block):
                yield pytest.param(command, expected, id=f"{guide.name}: {command[:60]}")


def matches(expected, actual):
    """Whether the actual lines match the expected ones, `...` matching any run."""
    if not expected:
        return not actual
    if expected[0] == "...":
        return any(matches(expected[1:], actual[k:]) for k in range(len(actual) + 1))
    return bool(actual) and actual[0] == expected[0] and matches(expected[1:], actual[1:])


@pytest.mark.parametrize("guide", GUIDES, ids=lambda p: str(p.relative_to(ROOT)))
def test_every_relative_link_resolves(guide):
    text = guide.read_text(encoding="utf-8")
    broken = []
    for target in LINK.findall(text):
        if re.match(r"[a-z]+:", target) or target.startswith("#"):
            continue
        path = target.split("#", 1)[0]
        if not (guide.parent / path).exists():
            broken.append(target)
    assert not broken, f"{guide.name} links to missing files: {broken}"


def test_the_guides_show_examples():
    assert len(list(all_examples())) >= 5


@pytest.mark.parametrize("command,expected", all_examples())
def test_example_prints_what_the_guide_shows(command, expected, lab):
    # The example runs in a copy of the files it may read, so that what it
    # writes lands beside them and can be compared with the committed ones.
    # The folder goes when the test ends, passed or failed.
    with tempfile.TemporaryDirectory(prefix="curvix-guides-") as folder:
        run_example(command, expected, lab, Path(folder))


def run_example(command, expected, lab, tmp_path):
    shutil.copytree(ROOT / "docs" / "examples", tmp_path / "docs" / "examples")
    (tmp_path / "docs" / "pictures").mkdir()
    args = shlex.split(command)
    args[0] = str(lab)
    run = subprocess.run(args, cwd=tmp_path, capture_output=True, text=True, timeout=120)
    assert run.returncode == 0, f"{command}\nstatus {run.returncode}: {run.stderr}"
    if expected is not None:
        actual = run.stdout.rstrip("\n").split("\n") if run.stdout else []
        assert matches(expected, actual), (
            f"{command}\nprinted:\n{run.stdout}\nthe guide shows:\n" + "\n".join(expected))
    if "--output" in args:
        written = args[args.index("--output") + 1]
        committed = ROOT / written
        if committed.exists():
            assert (tmp_path / written).read_bytes() == committed.read_bytes(), (
                f"{command} no longer makes {written} as committed: make it again")
