# Types of the curvix package, for editors and type checkers.
from fractions import Fraction
from typing import Any, Literal, Sequence, Union

import numpy as np
import numpy.typing as npt

Points = npt.ArrayLike  # an (N, 2) array of x, y, or a list of pairs
Exact = Union[int, float, Fraction, str]  # a mask tap or mu, read exactly ("3/256")
FloatArray = npt.NDArray[np.float64]
Scheme = Literal["rbf4", "rbf6", "nr4", "dd", "bspline", "chaikin", "dual4", "ternary4"]
Basis = Literal["mq1", "mq3", "gs"]

START: dict[str, Any]

class Refused(Exception): ...
class CurvixWarning(UserWarning): ...

class Result:
    def __init__(self, fields: dict[str, Any]) -> None: ...
    def fields(self) -> list[str]: ...
    def __getattr__(self, name: str) -> Any: ...

class Refinement(Result):
    points: FloatArray
    levels: list[FloatArray]
    conditions: FloatArray
    curvature: list[FloatArray]

class MaskResult(Result):
    command: str
    scheme: str | None
    weights: FloatArray
    params: FloatArray
    sum: float
    reproduction_degree: int
    tension: float
    taps: list[Fraction]
    tap_values: FloatArray
    arity: int
    alignment: str
    first_index: int
    sum_rules: int
    generation_degree: int
    tau: Fraction
    support: list[Fraction]

class SmoothnessResult(Result):
    command: str
    scheme: str | None
    depth: int
    regularity_lower: float
    regularity_upper: float
    exact: bool
    weights: FloatArray
    tension: float
    sum_rules: int
    reproduction_degree: int
    holder_lower: float
    holder_upper: float
    attained: bool
    product: str
    polytope_vertices: int
    gap: float
    fallback: str
    smoothness_class: int
    excluded_class: int
    notes: list[str]
    # an RBF scheme over its levels
    stationary: bool
    limit_weights: FloatArray
    limit_confirmed: bool
    rate: float | None
    rate_level: int
    levels: list[Result]
    rule: Result
    first_level: Result

class LimitResult(Result):
    levels: int
    depth: int
    step: float
    derivatives: int
    x: FloatArray
    phi: FloatArray
    regularity_lower: float
    regularity_upper: float
    exact: bool
    smoothness_class: int

class SweepResult(Result):
    parameter: str
    value: FloatArray
    regularity_lower: FloatArray
    regularity_upper: FloatArray
    exact: npt.NDArray[np.bool_]
    weights: FloatArray
    rows: list[Result]

def refine(points: Points, scheme: Scheme | None = ..., *, levels: int = ...,
           stationary: bool = ..., knots: Sequence[float] | None = ..., all_levels: bool = ...,
           threads: int | None = ..., curvature: bool = ..., mask: Sequence[Exact] | None = ...,
           arity: int | None = ..., degree: int | None = ..., mu: Exact | None = ...,
           basis: Basis = ..., r: float = ..., c: float = ..., pd: int = ..., h: float = ...,
           w: float = ...) -> Refinement: ...
def curve(points: Points, kind: Literal["lagrange", "bezier", "rbf"] = ..., *, samples: int = ...,
          knots: Sequence[float] | None = ..., basis: Basis = ..., r: float = ..., c: float = ...,
          pd: int = ..., h: float = ...) -> FloatArray: ...
def mask(scheme: Scheme | None = ..., *, params: Sequence[float] | None = ...,
         mask: Sequence[Exact] | None = ..., arity: int | None = ..., degree: int | None = ...,
         mu: Exact | None = ..., basis: Basis = ..., r: float = ..., c: float = ..., pd: int = ...,
         h: float = ..., w: float = ...) -> MaskResult: ...
def smoothness(scheme: Scheme | None = ..., *, weights: Sequence[float] | None = ...,
               mask: Sequence[Exact] | None = ..., arity: int | None = ...,
               degree: int | None = ..., mu: Exact | None = ..., depth: int | None = ...,
               levels: int | None = ..., stationary: bool = ..., basis: Basis = ...,
               r: float = ..., c: float = ..., pd: int = ..., h: float = ...,
               w: float = ...) -> SmoothnessResult: ...
def limit(scheme: Scheme | None = ..., *, mask: Sequence[Exact] | None = ...,
          arity: int | None = ..., degree: int | None = ..., mu: Exact | None = ...,
          levels: int | None = ..., depth: int | None = ...) -> LimitResult: ...
def sweep(setting: Literal["r", "c", "h", "w", "mu"], start: float, stop: float, step: float, *,
          of: Literal["smoothness", "mask"] = ..., scheme: Scheme | None = ...,
          weights: Sequence[float] | None = ..., mask: Sequence[Exact] | None = ...,
          arity: int | None = ..., degree: int | None = ..., mu: Exact | None = ...,
          depth: int | None = ..., levels: int | None = ..., stationary: bool = ...,
          params: Sequence[float] | None = ..., basis: Basis = ..., r: float = ...,
          c: float = ..., pd: int = ..., h: float = ..., w: float = ...) -> SweepResult: ...
