"""The Python package against curvix-lab: the same numbers to the bit, the
same refusals with the same messages, and a long wait that Ctrl-C ends."""

import ast
import inspect
import json
from fractions import Fraction
import signal
import subprocess
import sys
import textwrap
from pathlib import Path
import time

import numpy as np
import pytest

import curvix

STAR = [[400, 100], [450, 250], [600, 260], [480, 350], [520, 500],
        [400, 410], [280, 500], [320, 350], [200, 260], [350, 250]]


def run_lab(lab, args, points=None):
    text = "".join(f"{x!r},{y!r}\n" for x, y in points) if points is not None else ""
    done = subprocess.run([str(lab), *args, "--format", "json"], input=text,
                          capture_output=True, text=True, check=False)
    return done.returncode, done.stdout, done.stderr


def lab_json(lab, args, points=None):
    status, out, err = run_lab(lab, args, points)
    assert status == 0, err
    # The lab writes the double -0.0 as "-0", which json reads as the integer 0.
    return json.loads(out, parse_int=lambda text: -0.0 if text == "-0" else int(text))


def bits(values):
    return np.asarray(values, dtype=np.float64).tobytes()


def assert_same(ours, theirs, where="result"):
    """Every number of the lab's json document equal, bit for bit, to the
    attribute of the same name (an int where the lab writes an integer)."""
    if isinstance(theirs, dict):
        for name, value in theirs.items():
            mine = ours[name] if isinstance(ours, dict) else getattr(ours, name)
            assert_same(mine, value, f"{where}.{name}")
    elif isinstance(theirs, list) and theirs and isinstance(theirs[0], dict):
        assert len(ours) == len(theirs), where
        for i, (mine, value) in enumerate(zip(ours, theirs)):
            assert_same(mine, value, f"{where}[{i}]")
    elif isinstance(theirs, list) and theirs and isinstance(theirs[0], str):
        assert [str(v) for v in ours] == theirs, where
    elif isinstance(theirs, str) and isinstance(ours, Fraction):
        assert str(ours) == theirs, where
    elif isinstance(theirs, (list, float)) or (isinstance(theirs, int) and isinstance(ours, float)):
        assert bits(ours) == bits(theirs), where
    else:
        assert ours == theirs and type(ours) is type(theirs), where


# One request per command and kind of source; each must give the lab's numbers.
DOCUMENT_CASES = [
    (curvix.mask, dict(scheme="rbf4", r=2.5, pd=2), ["mask", "--scheme", "rbf4", "--r", "2.5", "--pd", "2"]),
    (curvix.mask, dict(scheme="rbf6", params=[0, 1, 2.5, 3, 4, 6]),
     ["mask", "--scheme", "rbf6", "--params", "0,1,2.5,3,4,6"]),
    (curvix.mask, dict(mask=["1/4", 0.75, 0.75, 0.25]), ["mask", "--mask", "1/4,0.75,0.75,0.25"]),
    (curvix.mask, dict(scheme="ternary4", mu=0.1), ["mask", "--scheme", "ternary4", "--mu", "0.1"]),
    (curvix.smoothness, dict(scheme="dd"), ["smoothness", "--scheme", "dd"]),
    (curvix.smoothness, dict(weights=[-0.05, 0.55, 0.55, -0.05]),
     ["smoothness", "--weights=-0.05,0.55,0.55,-0.05"]),
    (curvix.smoothness, dict(scheme="rbf4", levels=4, stationary=True, basis="gs", c=0.5),
     ["smoothness", "--scheme", "rbf4", "--levels", "4", "--stationary", "--basis", "gs", "--c", "0.5"]),
    (curvix.smoothness, dict(scheme="bspline", degree=5), ["smoothness", "--scheme", "bspline", "--degree", "5"]),
    (curvix.limit, dict(scheme="dual4"), ["limit", "--scheme", "dual4"]),
    (curvix.limit, dict(mask=[Fraction(1, 8), 0.5, 0.75, "1/2", 0.125], arity=2, levels=3),
     ["limit", "--mask", "1/8,0.5,0.75,1/2,0.125", "--arity", "2", "--levels", "3"]),
]


@pytest.mark.parametrize("function, kwargs, args", DOCUMENT_CASES)
def test_documents_equal_the_labs_bit_for_bit(lab, function, kwargs, args):
    expected = lab_json(lab, args)
    result = function(**kwargs)
    if function is curvix.mask and "rows" in expected:
        expected.update(expected.pop("rows")[0])
        expected.pop("sweep")
    assert_same(result, expected)


def test_counts_are_ints_and_measures_floats():
    # json cannot tell 2 from 2.0: the types follow how the lab writes each field.
    rule = curvix.smoothness(scheme="dd")
    assert type(rule.regularity_upper) is float and type(rule.smoothness_class) is int
    assert type(rule.polytope_vertices) is int and type(rule.depth) is int
    facts = curvix.mask("bspline")
    assert type(facts.arity) is int and type(facts.first_index) is int
    assert type(curvix.limit("chaikin").derivatives) is int


def test_sweeps_are_the_labs_rows_as_columns(lab):
    expected = lab_json(lab, ["smoothness", "--scheme", "nr4", "--sweep", "w=0:0.1:0.025"])
    swept = curvix.sweep("w", 0, 0.1, 0.025, scheme="nr4")
    rows = expected["rows"]
    assert bits(swept.value) == bits([row["value"] for row in rows])
    assert bits(swept.regularity_lower) == bits([row["regularity_lower"] for row in rows])
    assert bits(swept.regularity_upper) == bits([row["regularity_upper"] for row in rows])
    assert swept.exact.tolist() == [row["exact"] for row in rows]
    assert_same(swept.rows, rows)
    masks = curvix.sweep("r", 0.5, 2, 0.5, of="mask", scheme="rbf4")
    expected = lab_json(lab, ["mask", "--scheme", "rbf4", "--sweep", "r=0.5:2:0.5"])["rows"]
    assert bits(masks.weights) == bits([row["weights"] for row in expected])


@pytest.mark.parametrize("kwargs, args", [
    (dict(scheme="rbf4", levels=3, all_levels=True, curvature=True, knots=np.arange(10) * 0.7),
     ["--scheme", "rbf4", "--levels", "3", "--all-levels", "--curvature",
      "--knots", ",".join(repr(v) for v in np.arange(10) * 0.7)]),
    (dict(scheme="rbf6", levels=2, stationary=True, r=0.3, threads=2),
     ["--scheme", "rbf6", "--levels", "2", "--stationary", "--r", "0.3", "--threads", "2"]),
    (dict(scheme="nr4", w=0.1), ["--scheme", "nr4", "--w", "0.1"]),
    (dict(scheme="ternary4", levels=2), ["--scheme", "ternary4", "--levels", "2"]),
])
def test_refinements_equal_the_labs_bit_for_bit(lab, kwargs, args):
    expected = lab_json(lab, ["refine", *args], STAR)["levels"]
    result = curvix.refine(STAR, **kwargs)
    kept = expected if kwargs.get("all_levels") else expected[-1:]
    assert len(result.levels) == len(kept)
    for ours, theirs in zip(result.levels, kept):
        assert bits(ours) == bits(theirs["points"])
    assert result.points is result.levels[-1]
    if kwargs.get("curvature"):
        for ours, theirs in zip(result.curvature, kept):
            assert bits(ours) == bits(theirs["curvature"])


@pytest.mark.parametrize("kind", ["lagrange", "bezier", "rbf"])
def test_curves_equal_the_labs_bit_for_bit(lab, kind):
    expected = lab_json(lab, ["curve", "--kind", kind, "--samples", "64", "--r", "2"], STAR)
    assert bits(curvix.curve(STAR, kind, samples=64, r=2)) == bits(expected["samples"])


# What the lab refuses, Python refuses with the same line: ValueError where the
# request is wrong as asked (status 2), Refused where it cannot be computed.
REFUSALS = [
    (dict(scheme="rbf5"), ["--scheme", "rbf5"], ValueError),
    (dict(scheme="dd", r=float("nan")), ["--scheme", "dd", "--r", "nan"], ValueError),
    (dict(weights=[0.5, 0.5], r=2), ["--weights", "0.5,0.5", "--r", "2"], ValueError),
    (dict(mask=[0.5, 1, 0.5], depth=40), ["--mask", "0.5,1,0.5", "--depth", "40"], ValueError),
    (dict(mask=[1, 1, 1]), ["--mask", "1,1,1"], curvix.Refused),
    (dict(scheme="rbf4\n\x1b[2J"), ["--scheme", "rbf4\n\x1b[2J"], ValueError),  # kept on one line
]


@pytest.mark.parametrize("kwargs, args, error", REFUSALS)
def test_refusals_carry_the_labs_message(lab, kwargs, args, error):
    assert_refused_alike(lab, lambda: curvix.smoothness(**kwargs), ["smoothness", *args], None, error)


def assert_refused_alike(lab, call, args, points, error):
    status, _, err = run_lab(lab, args, points)
    with pytest.raises(error) as raised:
        call()
    assert status == (2 if error is ValueError else 1)
    assert str(raised.value) == err.strip().removeprefix("curvix-lab: ")


def test_refusals_of_points_carry_the_labs_message(lab):
    refine = ["refine", "--scheme", "dd"]
    assert_refused_alike(lab, lambda: curvix.refine(STAR, "dd", levels=20), [*refine, "--levels", "20"],
                         STAR, ValueError)
    assert_refused_alike(lab, lambda: curvix.refine(STAR[:1], "dd"), refine, STAR[:1], curvix.Refused)
    assert_refused_alike(lab, lambda: curvix.refine(STAR, "dd", knots=[1, 2]), [*refine, "--knots", "1,2"],
                         STAR, curvix.Refused)
    assert_refused_alike(lab, lambda: curvix.curve(STAR, "rbf", pd=1000),
                         ["curve", "--kind", "rbf", "--pd", "1000"], STAR, curvix.Refused)
    assert_refused_alike(lab, lambda: curvix.mask("rbf4", params=[0, 1, 1, 2]),
                         ["mask", "--scheme", "rbf4", "--params", "0,1,1,2"], None, ValueError)


def test_arrays_refused_before_the_lab():
    with pytest.raises(ValueError, match=r"\(N, 2\)"):
        curvix.refine(np.zeros((4, 3)), "dd")
    with pytest.raises(ValueError, match=r"points\[2\]"):
        curvix.curve([[0, 0], [1, 1], [np.inf, 2]], "lagrange")
    with pytest.raises(TypeError):
        curvix.smoothness(scheme="dd", depth=True)


def test_refine_warns_where_digits_are_lost():
    with pytest.warns(curvix.CurvixWarning, match="above 1e12"):
        curvix.refine(STAR, "rbf4", levels=8, basis="gs", threads=1)


CHILD = textwrap.dedent("""
    import sys, threading, time, curvix
    counts = [0]
    def count():
        while True:
            counts[0] += 1
            time.sleep(0.001)
    threading.Thread(target=count, daemon=True).start()
    print("started", flush=True)
    try:
        curvix.sweep("r", 0.02, 4, 0.02, scheme="rbf4")
        print("finished", flush=True)
    except KeyboardInterrupt:
        print("interrupted", time.monotonic(), counts[0], flush=True)
""")


def test_ctrl_c_ends_a_long_call_within_a_second_and_the_gil_is_free():
    child = subprocess.Popen([sys.executable, "-c", CHILD], stdout=subprocess.PIPE, text=True)
    assert child.stdout.readline().strip() == "started"
    time.sleep(0.8)
    sent = time.monotonic()
    child.send_signal(signal.SIGINT)
    words = child.stdout.readline().split()
    assert child.wait(timeout=60) == 0
    assert words[0] == "interrupted"
    assert float(words[1]) - sent < 1.0
    # The counting thread ran while the call waited: the GIL was released.
    assert int(words[2]) > 100


def test_the_stub_names_every_function_and_parameter():
    stub = ast.parse((Path(curvix.__file__).parent / "__init__.pyi").read_text())
    declared = {node.name: node for node in stub.body if isinstance(node, ast.FunctionDef)}
    for name in ("refine", "curve", "mask", "smoothness", "limit", "sweep"):
        args = declared[name].args
        stubbed = [a.arg for a in args.posonlyargs + args.args + args.kwonlyargs]
        assert stubbed == list(inspect.signature(getattr(curvix, name)).parameters), name
