#!/usr/bin/env python3
"""An independent exact model of the least-squares fit, in Python fractions.

Writes tests/data/exact_fits.txt, the table that exact_fit_test.cpp reads:
for every case the degree, the points as texts and the expected figures as
the bit patterns of doubles. Nothing here shares code with the C++ side:
the texts are read as fractions, the normal equations are solved by plain
Gaussian elimination over the rationals, the residual sum of squares is
summed from the residuals themselves, and every figure is rounded to a
double by the integer rounding below.

    python3 tests/fit/exact_model.py            # rewrites the table
    python3 tests/fit/exact_model.py --check    # only compares with it
"""

import math
import os
import random
import struct
import sys
from fractions import Fraction

MIN_EXPONENT = -1074  # of the last bit of the smallest subnormal
SIGNIFICAND_BITS = 53
OVERFLOW = Fraction(2) ** 1024


# --- reading ---------------------------------------------------------------


def parse_decimal(text, mark="."):
    """The exact value of "-"? digits? (mark digits?)? with a digit or the mark."""
    negative = text.startswith("-")
    body = text[1:] if negative else text
    if mark in body:
        integer, fraction = body.split(mark, 1)
        marked = True
    else:
        integer, fraction, marked = body, "", False
    if not (integer.isdigit() or integer == "") or not (fraction.isdigit() or fraction == ""):
        raise ValueError(text)
    if not integer and not marked:
        raise ValueError(text)
    value = Fraction(int(integer or "0") * 10 ** len(fraction) + int(fraction or "0"), 10 ** len(fraction))
    return -value if negative else value


# --- correct rounding ------------------------------------------------------


def floor_log2(q):
    """floor(log2 q) for a positive fraction."""
    e = q.numerator.bit_length() - q.denominator.bit_length()
    # 2^(e-1) < q < 2^(e+1)
    if Fraction(2) ** e > q:
        e -= 1
    return e


def from_scaled(n, e):
    """The double n·2^e (n <= 2^53, representable) or +inf beyond the range."""
    if Fraction(n) * Fraction(2) ** e >= OVERFLOW:
        return math.inf
    return math.ldexp(float(n), e)


def round_fraction(q):
    """q rounded to the nearest double, ties to even."""
    if q == 0:
        return 0.0
    sign = -1.0 if q < 0 else 1.0
    q = abs(q)
    e = max(floor_log2(q) - (SIGNIFICAND_BITS - 1), MIN_EXPONENT)
    scaled = q / Fraction(2) ** e
    n = scaled.numerator // scaled.denominator
    rest = scaled - n
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and n % 2 == 1):
        n += 1
    return math.copysign(from_scaled(n, e), sign)


def round_sqrt(q):
    """sqrt(q), q >= 0, rounded to the nearest double, ties to even."""
    if q < 0:
        raise ValueError("negative")
    if q == 0:
        return 0.0
    # floor(log2 sqrt q) = floor(floor(log2 q) / 2)
    e = max(floor_log2(q) // 2 - (SIGNIFICAND_BITS - 1), MIN_EXPONENT)
    t = q / Fraction(4) ** e  # sqrt(q) / 2^e = sqrt(t)
    n = math.isqrt(t.numerator // t.denominator)  # floor(sqrt(t))
    half = Fraction((2 * n + 1) ** 2, 4)  # (n + 1/2)^2
    if t > half or (t == half and n % 2 == 1):
        n += 1
    return from_scaled(n, e)


def bits(value):
    return struct.pack(">d", value).hex().upper()


# --- the exact fit ---------------------------------------------------------


def solve(matrix, rhs):
    """The solution of matrix·a = rhs and the inverse, or None when singular."""
    size = len(matrix)
    rows = [list(matrix[i]) + [rhs[i]] + [Fraction(int(i == j)) for j in range(size)] for i in range(size)]
    for col in range(size):
        pivot = next((r for r in range(col, size) if rows[r][col] != 0), None)
        if pivot is None:
            return None
        rows[col], rows[pivot] = rows[pivot], rows[col]
        p = rows[col][col]
        rows[col] = [v / p for v in rows[col]]
        for r in range(size):
            if r != col and rows[r][col] != 0:
                f = rows[r][col]
                rows[r] = [a - f * b for a, b in zip(rows[r], rows[col])]
    solution = [rows[i][size] for i in range(size)]
    inverse = [rows[i][size + 1 :] for i in range(size)]
    return solution, inverse


def exact_fit(degree, points):
    """The exact figures as fractions (None for undefined), or None if not unique."""
    xs = [parse_decimal(x) for x, _ in points]
    ys = [parse_decimal(y) for _, y in points]
    m, size = len(points), degree + 1
    matrix = [[sum(x ** (j + k) for x in xs) for k in range(size)] for j in range(size)]
    rhs = [sum(y * x**j for x, y in zip(xs, ys)) for j in range(size)]
    solved = solve(matrix, rhs)
    if solved is None:
        assert len(set(xs)) < size
        return None
    assert len(set(xs)) >= size
    a, inverse = solved
    rss = sum((y - sum(c * x**k for k, c in enumerate(a))) ** 2 for x, y in zip(xs, ys))
    mean = sum(ys) / m
    sstot = sum((y - mean) ** 2 for y in ys)
    freedom = m - size
    fit = {"coefficients": a, "rss": rss, "r2": None, "adjr2": None, "variance": None, "inverse": None}
    if sstot != 0:
        fit["r2"] = 1 - rss / sstot
        if freedom > 0:
            fit["adjr2"] = 1 - (rss / freedom) / (sstot / (m - 1))
    if freedom > 0:
        fit["variance"] = rss / freedom
        fit["inverse"] = [inverse[k][k] for k in range(size)]
    return fit


def trusted_digits(exact, described):
    """floor(-log10 |described - exact| / |exact|), clamped to 0..17."""
    if not math.isfinite(described):
        return 0
    error = abs(Fraction(described) - exact)
    if error == 0:
        return 17
    if exact == 0:
        return 0
    digits = 0
    while digits < 17 and error * 10 ** (digits + 1) <= abs(exact):
        digits += 1
    return digits


def case_lines(name, degree, points, polynomial=None):
    fit = exact_fit(degree, points)
    lines = ["CASE " + name, "DEGREE %d" % degree]
    lines += ["POINT %s\t%s" % p for p in points]
    if fit is None:
        lines += ["NOTUNIQUE", "END"]
        return lines
    a = fit["coefficients"]
    if polynomial is not None:
        assert a == [Fraction(c) for c in polynomial], name
        assert fit["rss"] == 0
    opt = lambda v: "-" if v is None else bits(v)
    lines.append("COEF " + " ".join(bits(round_fraction(c)) for c in a))
    if fit["variance"] is None:
        lines.append("SE " + " ".join("-" for _ in a))
        lines.append("S -")
    else:
        lines.append("SE " + " ".join(bits(round_sqrt(fit["variance"] * d)) for d in fit["inverse"]))
        lines.append("S " + bits(round_sqrt(fit["variance"])))
    lines.append("RSS " + bits(round_fraction(fit["rss"])))
    lines.append("R2 " + opt(None if fit["r2"] is None else round_fraction(fit["r2"])))
    lines.append("ADJR2 " + opt(None if fit["adjr2"] is None else round_fraction(fit["adjr2"])))
    # Described values near the exact coefficients and the digits they keep.
    for k, c in enumerate(a):
        for described in trust_probes(c):
            lines.append("TRUST %d %s %d" % (k, bits(described), trusted_digits(c, described)))
    lines.append("END")
    return lines


def trust_probes(c):
    """A few doubles around c: itself and relative errors near powers of ten."""
    nearest = round_fraction(c)
    if not math.isfinite(nearest):
        return [0.0]
    if c == 0:
        return [0.0, 5e-324]
    return [nearest] + [round_fraction(c * (1 + Fraction(1, 10**d))) for d in (1, 5, 9)] + [-nearest]


# --- the cases -------------------------------------------------------------


def short_text(rng):
    sign = "-" if rng.random() < 0.3 else ""
    integer = "".join(rng.choice("0123456789") for _ in range(rng.randint(0, 2)))
    if rng.random() < 0.6:
        fraction = "".join(rng.choice("0123456789") for _ in range(rng.randint(0, 3)))
        return sign + integer + "." + fraction
    return sign + (integer or "0")


def decimal_text(value, places):
    """The fraction value (with at most `places` decimals) written out in full."""
    scaled = value * 10**places
    assert scaled.denominator == 1
    n = abs(scaled.numerator)
    digits = str(n).rjust(places + 1, "0")
    text = digits[: len(digits) - places] + ("." + digits[len(digits) - places :] if places else "")
    return ("-" if value < 0 else "") + text


def polynomial_points(coefficients, xs, places):
    cs = [Fraction(c) for c in coefficients]
    points = []
    for x in xs:
        fx = parse_decimal(x)
        y = sum(c * fx**k for k, c in enumerate(cs))
        points.append((x, decimal_text(y, places)))
    return points


def all_cases():
    cases = []
    rng = random.Random(20240611)
    for i in range(40):
        degree = rng.randint(1, 6)
        m = rng.randint(3, 12)
        points = [(short_text(rng), short_text(rng)) for _ in range(m)]
        cases.append(("random-%02d" % i, degree, points, None))

    # Exact data of known polynomials: the fit is the polynomial itself.
    cases.append(("polynomial-line", 1, polynomial_points(["0.1", "-0.2"], ["-1", "0", "2.5", "4"], 2), ["0.1", "-0.2"]))
    cases.append(
        (
            "polynomial-cubic",
            3,
            polynomial_points(["1.5", "-0.25", "0.003", "2"], ["-2", "-1.5", "0", ".5", "1", "3", "7."], 9),
            ["1.5", "-0.25", "0.003", "2"],
        )
    )
    cases.append(
        (
            "polynomial-even",
            2,
            polynomial_points(["-7", "0", "0.125"], ["-3", "-1", "1", "3"], 3),
            ["-7", "0", "0.125"],
        )
    )
    cases.append(
        (
            "polynomial-degree-6",
            6,
            polynomial_points(["0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1"], [str(v) for v in range(-4, 6)], 1),
            ["0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1"],
        )
    )

    # A constant y: no R² (nor adjusted R²), all else given.
    cases.append(("constant-y", 2, [("1", "2.5"), ("2", "2.50"), ("3", "2.5"), ("4.", "2.5"), ("5", "2.5")], None))
    # Fewer than degree + 1 distinct x: not unique.
    cases.append(("repeated-x", 2, [("1", "1"), ("1", "2"), ("2", "3"), ("2.0", "4"), ("1.00", "5")], None))
    cases.append(("too-few-points", 3, [("1", "1"), ("2", "2"), ("3", "5")], None))
    # m = n + 1: no degrees of freedom, so no s, standard errors or adjusted R².
    cases.append(("no-freedom", 2, [("0", "1"), ("1", "-2"), ("3", "0.5")], None))
    cases.append(("no-freedom-constant", 1, [("2", "4"), ("5", "4")], None))

    # Very long texts.
    long_x = ["3." + "14159265358979323846" * 15, "-2." + "7182818284" * 30, "1" * 150 + ".5", "0." + "0" * 200 + "7"]
    long_y = ["1" * 120, "-." + "9" * 250, "42." + "0" * 300, "0." + "123456789" * 30]
    cases.append(("long-texts", 1, list(zip(long_x, long_y)), None))
    cases.append(("long-texts-quadratic", 2, list(zip(long_x, long_y)), None))

    # Mixed magnitudes: around 1e-300 written out, and integers near 10^15.
    tiny = lambda digits: "0." + "0" * 299 + digits
    cases.append(
        ("tiny-y", 1, [("1", tiny("12")), ("2", tiny("25")), ("3", "-" + tiny("31")), ("4", tiny("4"))], None)
    )
    cases.append(
        (
            "tiny-and-huge-x",
            1,
            [(tiny("3"), "1"), ("1000000000000000", "2"), ("999999999999999", "3.5"), ("-0", "4"), ("0", "-1")],
            None,
        )
    )
    cases.append(("tiny-x-quadratic", 2, [(tiny("1"), "1"), (tiny("2"), "5"), (tiny("3"), "2"), ("0", "0")], None))
    cases.append(
        (
            "huge-integers",
            2,
            [("999999999999999", "123456789012345"), ("1000000000000001", "-5"), ("1000000000000003", "7"),
             ("-1000000000000000", "1"), ("3", "0")],
            None,
        )
    )

    # Values at the edge of 64 bits once scaled to the common decimals.
    cases.append(
        (
            "around-64-bits",
            1,
            [("9.9", "9999999999999999999"), ("0.0000000000000000001", "-9223372036854775808"),
             ("-9.87654321", "9223372036854775807"), ("1", ".99999999999999999999")],
            None,
        )
    )
    cases.append(
        (
            "around-64-bits-cubic",
            3,
            [("18446744073709551615", "1"), ("-9999999999999999999", "2.5"), ("999999999.9999999999", "-3"),
             ("0.000000000000000001", "4"), ("-1", "5"), ("3", "6")],
            None,
        )
    )

    # The short forms of a number.
    cases.append(("short-forms", 1, [("-0", "."), (".", "-."), ("5.", ".5"), (".5", "5."), ("-.", "-0")], None))
    cases.append(("short-forms-quadratic", 2, [("-0", "1"), ("5.", "-."), (".5", "2"), ("-5.", ".25")], None))

    # Degree 20 with 25 points.
    xs = ["%d.%d" % (i // 2, 5 * (i % 2)) for i in range(-12, 13)]
    ys = ["%d.%02d" % (rng.randint(-50, 50), rng.randint(0, 99)) for _ in xs]
    cases.append(("degree-20", 20, list(zip(xs, ys)), None))
    return cases


def table_text():
    out = [
        "# Written by tests/fit/exact_model.py; do not edit by hand.",
        "# CASE name, DEGREE n, POINT x<TAB>y ..., then NOTUNIQUE or the figures as",
        "# double bit patterns ('-' where undefined): COEF a0..an, SE se0..sen, S, RSS,",
        "# R2, ADJR2, and TRUST k described digits; END.",
    ]
    for name, degree, points, polynomial in all_cases():
        out += case_lines(name, degree, points, polynomial)
    return "\n".join(out) + "\n"


def self_check():
    """The rounding against the platform's own conversions where they apply."""
    rng = random.Random(7)
    for _ in range(2000):
        q = Fraction(rng.randint(1, 10**30), rng.randint(1, 10**30)) * Fraction(2) ** rng.randint(-1100, 1000)
        # float(Fraction) divides the integers, which Python rounds correctly.
        assert round_fraction(q) == float(q), q
        assert round_fraction(-q) == -float(q), q
        r = q * q
        assert round_sqrt(r) == round_fraction(q), q
    for d in (1.0, 2.0, 3.0, 0.1, 1e300, 5e-324, 2.2250738585072014e-308):
        assert round_sqrt(Fraction(d)) == math.sqrt(d)
    assert round_fraction(Fraction(2) ** 1024) == math.inf
    assert round_fraction(Fraction(2) ** -1075) == 0.0
    assert round_fraction(Fraction(3, 2) * Fraction(2) ** -1075) == 5e-324


def main():
    self_check()
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "exact_fits.txt")
    text = table_text()
    if "--check" in sys.argv:
        with open(path) as f:
            if f.read() != text:
                sys.exit("exact_fits.txt differs from the model")
        return
    with open(path, "w", newline="\n") as f:
        f.write(text)


if __name__ == "__main__":
    main()
