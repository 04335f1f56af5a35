"""The notebook in docs/notebooks, executed afresh by Debian's nbconvert: it
must run through, and every line it prints must be the one kept in it, so
the document cannot go stale (its figures are checked to be drawn, not
compared pixel for pixel: matplotlib's rendering may change with Debian's)."""

import json
import os
import subprocess
import tempfile
from pathlib import Path

NOTEBOOK = Path(__file__).resolve().parents[2] / "docs" / "notebooks" / "smoothness.ipynb"


def printed(cell):
    """A code cell's text: what it printed and the value it showed, figures as a mark."""
    lines = []
    for output in cell.get("outputs", []):
        if output["output_type"] == "stream":
            lines.append("".join(output["text"]))
        elif "data" in output:
            data = output["data"]
            lines.append("<figure>" if "image/png" in data else "".join(data["text/plain"]))
    return lines


def test_the_notebook_runs_and_prints_what_it_keeps():
    # A folder of its own rather than pytest's tmp_path, whose pytest-of-USER
    # folder would outlive the run in the test command's temporary folder.
    with tempfile.TemporaryDirectory() as folder:
        run_and_compare(Path(folder) / "executed.ipynb")


def run_and_compare(executed):
    # The kernel runs in the notebook's folder: the package's path must not be relative.
    environment = dict(os.environ)
    environment["PYTHONPATH"] = os.pathsep.join(
        str(Path(entry).resolve()) for entry in environment.get("PYTHONPATH", "").split(os.pathsep) if entry)
    done = subprocess.run(
        ["jupyter", "nbconvert", "--to", "notebook", "--execute", "--output", str(executed),
         str(NOTEBOOK)],
        cwd=NOTEBOOK.parent, env=environment, capture_output=True, text=True, check=False, timeout=600)
    assert done.returncode == 0, done.stderr[-3000:]
    kept = [c for c in json.loads(NOTEBOOK.read_text())["cells"] if c["cell_type"] == "code"]
    fresh = [c for c in json.loads(executed.read_text())["cells"] if c["cell_type"] == "code"]
    assert [printed(c) for c in fresh] == [printed(c) for c in kept]
    assert sum(line == "<figure>" for c in kept for line in printed(c)) == 3
