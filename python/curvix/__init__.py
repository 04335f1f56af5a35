"""Curvix from Python: subdivision schemes, curves and their exact smoothness.

Each function is one of curvix-lab's commands, computed by the same
libraries: the same checks and caps, the same refusals, and every number the
same double that ``curvix-lab ... --format json`` prints for the same request.

Points are an (N, 2) array of x, y (anything numpy turns into one, a list
of pairs included), in the program's coordinates: y grows downward.
Settings default to the program's start values. Results carry their values
as attributes named as curvix-lab's json fields, numbers as Python floats
and ints, lists of numbers as numpy arrays, exact values (a mask's taps, tau)
as fractions.Fraction.

Functions: refine, curve, mask, smoothness, limit, sweep.
Errors: ValueError for a request that is wrong as asked (curvix-lab's usage
errors, status 2), Refused for one that cannot be computed (status 1); each
carries curvix-lab's one-line message.

>>> import curvix
>>> curvix.smoothness(scheme='dd').regularity_upper
2.0
"""

import atexit
import json
import warnings
from fractions import Fraction
from numbers import Integral, Real

import numpy as np

from . import _curvix

__all__ = [
    "refine", "curve", "mask", "smoothness", "limit", "sweep", "Refused", "CurvixWarning",
    "Result", "Refinement", "MaskResult", "SmoothnessResult", "LimitResult", "SweepResult",
    "START",
]

START = _curvix.start_values()
"""The settings' start values (basis, r, c, pd, h, w): the keyword defaults."""

# The companion writes these json fields as integers; every other number is a double.
_INTEGER_FIELDS = frozenset({
    "arity", "depth", "derivatives", "excluded_class", "first_index", "generation_degree",
    "level", "levels", "levels_requested", "pd", "polytope_vertices", "rate_level",
    "reproduction_degree", "scheme_class", "similarity_order", "smoothness_class", "sum_rules",
    "unsolved_level"})
# Exact values, written as fraction text ("3/256").
_EXACT_FIELDS = frozenset({"taps", "tau", "support"})

_STATUS_USAGE = 2


class Refused(Exception):
    """A computation that cannot be done (curvix-lab's status 1): too few
    points, a singular stencil system, a mask with a problem, a cap passed by
    the input. The message is curvix-lab's one line."""


class CurvixWarning(UserWarning):
    """A warning curvix-lab would print (digits lost in a stencil system)."""


class Result:
    """Values of one computation, as attributes named as curvix-lab's json fields."""

    def __init__(self, fields):
        self.__dict__.update(fields)

    def fields(self):
        """The names of the values, in curvix-lab's order."""
        return list(self.__dict__)

    def __repr__(self):
        shown = []
        for name, value in self.__dict__.items():
            if isinstance(value, np.ndarray):
                text = f"array(shape={value.shape})"
            elif isinstance(value, list) and (len(value) > 3 or any(
                    isinstance(item, (np.ndarray, Result)) for item in value)):
                text = f"[... {len(value)} items]"
            else:
                text = repr(value)
            shown.append(f"{name}={text}")
        return f"{type(self).__name__}({', '.join(shown)})"


class Refinement(Result):
    """A refined polygon: ``points`` (the last level, (N, 2)), ``levels`` (every
    level from the input when all_levels, else the last one), ``conditions``
    (each level's worst stencil condition number; 0 where there are no RBF
    systems) and, with curvature=True, ``curvature`` (one array per level in
    ``levels``)."""


class MaskResult(Result):
    """A stencil's insertion weights (``weights``, ``params``, ``sum``,
    ``reproduction_degree``, ``tension``) or a mask's exact facts (``taps``,
    ``arity``, ``sum_rules``, ``generation_degree``, ``tau``, ``support``...)."""


class SmoothnessResult(Result):
    """A rule's regularity: ``regularity_lower``, ``regularity_upper``,
    ``exact``, ``product``, ``polytope_vertices``, ``smoothness_class``,
    ``notes``...; for an RBF scheme over its levels also ``levels`` (one
    Result per level), ``rule``, ``first_level``, ``rate``, ``stationary``."""


class LimitResult(Result):
    """A basic limit function: ``x``, ``phi`` and its derivatives ``d1``, ...
    up to the proved class, with the mask's facts and regularity."""


class SweepResult(Result):
    """One analysis per value of a swept setting, as columns ready to plot:
    ``value`` (the swept values) and an array per numeric field
    (``regularity_lower``, ``regularity_upper``, ``exact``...); nested
    analyses as SweepResults; ``rows`` keeps each row as a Result."""


# ---------------------------------------------------------------- arguments

def _text(value, name):
    """One option value as curvix-lab reads it: floats by their shortest
    exact decimal (repr), fractions as p/q."""
    if isinstance(value, (bool, np.bool_)):
        raise TypeError(f"{name} takes a number, not {value!r}")
    if isinstance(value, Fraction):
        return f"{value.numerator}/{value.denominator}"
    if isinstance(value, Integral):
        return str(int(value))
    if isinstance(value, Real):
        return repr(float(value))
    if isinstance(value, str):
        return value
    raise TypeError(f"{name} takes a number, not {type(value).__name__}")


def _list_text(values, name):
    if isinstance(values, str):
        return values
    return ",".join(_text(v, name) for v in np.asarray(values, dtype=object).ravel())


class _CommandLine:
    """curvix-lab's arguments for one command, built from keyword arguments."""

    def __init__(self, command):
        self.args = [command]

    def option(self, name, value):
        if value is not None:
            self.args += [f"--{name}", _text(value, name)]

    def values(self, name, values):
        if values is not None:
            self.args += [f"--{name}", _list_text(values, name)]

    def flag(self, name, on):
        if on:
            self.args.append(f"--{name}")

    def settings(self, basis, r, c, pd, h, w):
        # Only settings moved from their start values are passed, so that a
        # command where they do not apply (a mask, weights) takes the defaults.
        for name, value in (("basis", basis), ("r", r), ("c", c), ("pd", pd), ("h", h),
                            ("w", w)):
            if value is not None and value != START[name]:
                self.option(name, value)

    def mask_source(self, scheme, mask, arity, degree, mu):
        self.option("scheme", scheme)
        self.values("mask", mask)
        self.option("arity", arity)
        self.option("degree", degree)
        self.option("mu", mu)


def _raise_for(status, message):
    if status == 0:
        return
    if status == _STATUS_USAGE:
        raise ValueError(message)
    raise Refused(message)


def _warn(messages):
    for message in messages:
        warnings.warn(message, CurvixWarning, stacklevel=3)


# ---------------------------------------------------------------- results

def _value(name, value):
    if isinstance(value, dict):
        return Result({k: _value(k, v) for k, v in value.items()})
    if name in _EXACT_FIELDS:
        return [Fraction(v) for v in value] if isinstance(value, list) else Fraction(value)
    if isinstance(value, list):
        # The lab's lists hold one kind of value each: the first tells which.
        first = value[0] if value else 0.0
        if isinstance(first, dict):
            return [_value(name, v) for v in value]
        if isinstance(first, (float, list)):
            return np.array(value, dtype=np.float64)
        return value
    if name in _INTEGER_FIELDS and isinstance(value, float):
        return int(value)
    return value


def _result(kind, document):
    fields = json.loads(document, parse_int=float)
    return kind({name: _value(name, value) for name, value in fields.items()})


def _document(args, long):
    run = _curvix.long_json_document if long else _curvix.json_document
    status, message, document, messages = run(args)
    _warn(messages)
    _raise_for(status, message)
    return document


def _column(values):
    """One field over a sweep's rows: an array where the values are numbers
    or booleans (None as NaN), a SweepResult for nested analyses, else a list."""
    present = [v for v in values if v is not None]
    if present and all(isinstance(v, Result) for v in present):
        return _columns([v.__dict__ for v in values])
    if present and all(isinstance(v, (bool, np.bool_)) for v in present) and len(present) == len(values):
        return np.array(values, dtype=bool)
    if present and all(isinstance(v, (int, float)) and not isinstance(v, bool) for v in present):
        return np.array([np.nan if v is None else v for v in values], dtype=np.float64)
    return values


def _columns(rows):
    names = list(rows[0]) if rows else []
    columns = {name: _column([row.get(name) for row in rows]) for name in names}
    return SweepResult(columns)


# ---------------------------------------------------------------- commands

def refine(points, scheme=None, *, levels=1, stationary=False, knots=None, all_levels=False,
           threads=None, curvature=False, mask=None, arity=None, degree=None, mu=None,
           basis=START["basis"], r=START["r"], c=START["c"], pd=START["pd"], h=START["h"],
           w=START["w"]):
    """Refine the closed polygon through `points` `levels` times, as the
    program's subdivision command does (scheme 'rbf4', 'rbf6', 'nr4', 'dd'),
    or by a mask (scheme 'bspline', 'chaikin', 'dual4', 'ternary4', or
    mask=[a0, ..., ak] with arity). The arrays are the library's own storage.

    stationary: r follows the halving spacing; knots: one parameter value per
    point, strictly increasing (default (i - 1) h); threads: a level's
    stencils split over this many (the numbers are the same for any count;
    default one per core); curvature: each point's discrete curvature.

    >>> square = [[0, 0], [100, 0], [100, 100], [0, 100]]
    >>> r = refine(square, scheme='dd', levels=2)
    >>> r.points.shape
    (16, 2)
    >>> refine(square, scheme='chaikin').points[:2].tolist()
    [[25.0, 0.0], [75.0, 0.0]]
    """
    line = _CommandLine("refine")
    line.mask_source(scheme, mask, arity, degree, mu)
    line.settings(basis, r, c, pd, h, w)
    line.option("levels", levels)
    line.flag("stationary", stationary)
    line.values("knots", knots)
    line.option("threads", threads)
    line.flag("curvature", curvature)
    status, message, all_points, conditions, curvatures, messages = _curvix.refine(
        line.args, points)
    _warn(messages)
    _raise_for(status, message)
    kept = slice(None) if all_levels else slice(-1, None)
    fields = {"points": all_points[-1], "levels": all_points[kept],
              "conditions": np.array(conditions, dtype=np.float64)}
    if curvature:
        fields["curvature"] = curvatures[kept]
    return Refinement(fields)


def curve(points, kind="lagrange", *, samples=501, knots=None, basis=START["basis"],
          r=START["r"], c=START["c"], pd=START["pd"], h=START["h"]):
    """`samples` points of the Lagrange, Bezier or RBF curve ('lagrange',
    'bezier', 'rbf') over `points`, as the program samples it: an (M, 2)
    array.

    >>> curve([[0, 0], [10, 0], [10, 10]], 'bezier', samples=3).tolist()
    [[0.0, 0.0], [7.5, 2.5], [10.0, 10.0]]
    """
    line = _CommandLine("curve")
    line.option("kind", kind)
    line.option("samples", samples)
    line.values("knots", knots)
    line.settings(basis, r, c, pd, h, None)
    status, message, values = _curvix.curve(line.args, points)
    _raise_for(status, message)
    return values


def mask(scheme=None, *, params=None, mask=None, arity=None, degree=None, mu=None,
         basis=START["basis"], r=START["r"], c=START["c"], pd=START["pd"], h=START["h"],
         w=START["w"]):
    """The insertion weights of one stencil of a scheme at its settings
    (params: the stencil's parameter values, default uniform), or the exact
    facts of a mask (a named one or mask=[a0, ..., ak]).

    >>> mask('dd').weights.tolist()
    [-0.0625, 0.5625, 0.5625, -0.0625]
    >>> facts = mask('chaikin')
    >>> facts.taps, facts.sum_rules
    ([Fraction(1, 4), Fraction(3, 4), Fraction(3, 4), Fraction(1, 4)], 3)
    """
    line = _CommandLine("mask")
    line.mask_source(scheme, mask, arity, degree, mu)
    line.settings(basis, r, c, pd, h, w)
    line.values("params", params)
    result = _result(MaskResult, _document(line.args, long=False))
    rows = result.__dict__.pop("rows", None)
    if rows:
        result.__dict__.update(rows[0].__dict__)
    return result


def _smoothness_line(scheme, weights, mask, arity, degree, mu, depth, levels, stationary,
                     settings):
    line = _CommandLine("smoothness")
    line.mask_source(scheme, mask, arity, degree, mu)
    line.values("weights", weights)
    line.settings(*settings)
    line.option("depth", depth)
    line.option("levels", levels)
    line.flag("stationary", stationary)
    return line


def smoothness(scheme=None, *, weights=None, mask=None, arity=None, degree=None, mu=None,
               depth=None, levels=None, stationary=False, basis=START["basis"], r=START["r"],
               c=START["c"], pd=START["pd"], h=START["h"], w=START["w"]):
    """How smooth the limit curves of a rule are: Hölder regularity (exact
    where the invariant polytope closes, else bounds with the reason in
    ``notes``), sum rules, reproduction and class. Give a scheme, the
    weights w1..w2L of a binary interpolatory rule, or a mask. An RBF scheme
    is analysed over its `levels` (default 10) as the subdivision command
    runs it. Ctrl-C stops the wait.

    >>> s = smoothness(scheme='dd')
    >>> s.regularity_lower, s.regularity_upper, s.exact, s.smoothness_class
    (2.0, 2.0, True, 1)
    >>> smoothness(scheme='bspline', degree=4).regularity_upper
    4.0
    """
    line = _smoothness_line(scheme, weights, mask, arity, degree, mu, depth, levels, stationary,
                            (basis, r, c, pd, h, w))
    return _result(SmoothnessResult, _document(line.args, long=True))


def limit(scheme=None, *, mask=None, arity=None, degree=None, mu=None, levels=None, depth=None):
    """The basic limit function of a scheme given by its mask (phi, at x,
    over `levels` cascade levels) and its derivatives d1, d2... up to the
    class its regularity proves. Ctrl-C stops the wait.

    >>> phi = limit('chaikin', levels=2)
    >>> phi.x.tolist()[:3], phi.phi.tolist()[:3], phi.derivatives
    ([-1.5, -1.25, -1.0], [0.0625, 0.1875, 0.375], 1)
    """
    line = _CommandLine("limit")
    line.mask_source(scheme, mask, arity, degree, mu)
    line.option("levels", levels)
    line.option("depth", depth)
    return _result(LimitResult, _document(line.args, long=True))


def sweep(setting, start, stop, step, *, of="smoothness", scheme=None, weights=None, mask=None,
          arity=None, degree=None, mu=None, depth=None, levels=None, stationary=False,
          params=None, basis=START["basis"], r=START["r"], c=START["c"], pd=START["pd"],
          h=START["h"], w=START["w"]):
    """One analysis (of='smoothness') or one stencil's weights (of='mask')
    per value of a setting ('r', 'c', 'h', 'w' for nr4, 'mu' for ternary4):
    start + k step up to stop. Columns ready to plot.

    >>> s = sweep('w', 0.0, 0.0625, 0.03125, scheme='nr4')
    >>> s.value.tolist(), s.regularity_upper.tolist()
    ([0.0, 0.03125, 0.0625], [1.0, 1.2284466968363872, 2.0])
    """
    sweep_range = f"{setting}={_text(start, 'start')}:{_text(stop, 'stop')}:{_text(step, 'step')}"
    if of == "smoothness":
        line = _smoothness_line(scheme, weights, mask, arity, degree, mu, depth, levels,
                                stationary, (basis, r, c, pd, h, w))
    elif of == "mask":
        line = _CommandLine("mask")
        line.mask_source(scheme, mask, arity, degree, mu)
        line.settings(basis, r, c, pd, h, w)
        line.values("params", params)
    else:
        raise ValueError(f"of takes 'smoothness' or 'mask', not {of!r}")
    line.args += ["--sweep", sweep_range]
    result = _result(Result, _document(line.args, long=of == "smoothness"))
    columns = _columns([row.__dict__ for row in result.rows])
    columns.rows = result.rows
    columns.parameter = result.sweep
    return columns


# Computations abandoned by Ctrl-C end before the interpreter does.
atexit.register(_curvix.wait_for_abandoned_work, 60.0)
