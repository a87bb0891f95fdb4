#!/usr/bin/env python3
"""Fits the evaluation's weights to the results of self-play (Texel's method).

The data sets come from cinquevole-selfplay: per position, the game's result for the side to move
(1, 0.5, 0) and the features the evaluation is linear in, so that eval = weights . features
exactly. The fit:

1. the scale K that makes sigmoid(K * eval) with today's weights closest to the results (mean
   squared error), found by golden-section search on log K;
2. with K fixed, the weights that make that error least: a local search over integers, one weight
   at a time by a step that doubles when it helps and halves when neither direction does, within the order the weights
   must keep (a stronger line pattern never worth less than a weaker one, bonuses never
   negative, a four-three worth at least a double three); the weights of the five, and those
   that only set the origin (a dead line, no threat), stay as they are.

One game in ten (the validation games, game % 10 == 9) is left out of the fit and only measured.
The data file is written back with its comments kept.

    tune.py DATA... [--weights src/engine/eval_weights.txt] [--out FILE]
"""
import argparse
import math
import re
import sys

import numpy as np

_WEIGHT_LINE = re.compile(r"^(\s*)([a-z]+)\.([A-Za-z]+)(\s+)(-?\d+)(.*)$", re.DOTALL)

# Weights that the fit leaves alone: the five decides the game before any evaluation, and a
# dead line or a cell with no threat is the zero every other weight is measured from.
FIXED = {"pattern.Dead", "pattern.Five", "threat.None", "threat.Five"}
INT16_MAX = 32767
VALIDATION_EVERY = 10


# ---- The data file ------------------------------------------------------------------------


def read_weights(text):
    """The weights of a data file's text, in order: a list of ("group.name", value)."""
    weights = []
    for number, line in enumerate(text.splitlines(), 1):
        body = line.split("#", 1)[0].strip()
        if not body:
            continue
        match = _WEIGHT_LINE.match(body)
        if not match or match.group(6).strip():
            raise ValueError(f"line {number}: expected 'group.name value': {line!r}")
        weights.append((f"{match.group(2)}.{match.group(3)}", int(match.group(5))))
    return weights


def write_weights(text, values):
    """The data file's text with the values of `values` (a dict by "group.name") put in; every
    other character stays as it was."""
    out = []
    for line in text.splitlines(keepends=True):
        match = _WEIGHT_LINE.match(line)
        key = match and f"{match.group(2)}.{match.group(3)}"
        if match and not line.lstrip().startswith("#") and key in values:
            line = (f"{match.group(1)}{key}{match.group(4)}{int(values[key])}{match.group(6)}")
        out.append(line)
    return "".join(out)


# ---- The data sets ------------------------------------------------------------------------


def load_dataset(paths):
    """(column names, rows as a float array) of one or more data sets with the same columns."""
    names = None
    blocks = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            lines = [line for line in f if line.strip() and not line.startswith("#")]
        header = lines[0].split()
        if names is not None and header != names:
            raise ValueError(f"{path}: other columns than the first data set")
        names = header
        if len(lines) > 1:
            blocks.append(np.loadtxt(lines[1:], ndmin=2))
    return names, np.vstack(blocks) if blocks else np.zeros((0, len(names)))


def design(names, rows, weight_names):
    """Per position, the coefficient of every weight in the evaluation: ours less theirs for the
    cell weights, the bonus itself for the position's weights."""
    column = {name: i for i, name in enumerate(names)}
    x = np.zeros((rows.shape[0], len(weight_names)))
    for j, weight in enumerate(weight_names):
        if weight.startswith("position."):
            x[:, j] = rows[:, column[weight]]
        else:
            x[:, j] = rows[:, column["us." + weight]] - rows[:, column["them." + weight]]
    return x


# ---- The fit ------------------------------------------------------------------------------


def sigmoid(z):
    return 1.0 / (1.0 + np.exp(-np.clip(z, -500, 500)))


def error(evals, results, k):
    """Mean squared error of the predicted scores sigmoid(k * eval) against the results."""
    return float(np.mean((results - sigmoid(k * evals)) ** 2))


def fit_scale(evals, results, low=1e-6, high=1.0, iterations=100):
    """The k > 0 with the least error, by golden-section search on log k."""
    ratio = (math.sqrt(5) - 1) / 2
    a, b = math.log(low), math.log(high)
    c, d = b - ratio * (b - a), a + ratio * (b - a)
    fc, fd = error(evals, results, math.exp(c)), error(evals, results, math.exp(d))
    for _ in range(iterations):
        if fc < fd:
            b, d, fd = d, c, fc
            c = b - ratio * (b - a)
            fc = error(evals, results, math.exp(c))
        else:
            a, c, fc = c, d, fd
            d = a + ratio * (b - a)
            fd = error(evals, results, math.exp(d))
    return math.exp((a + b) / 2)


def allowed(weights, names):
    """Whether a set of weights keeps the order the evaluation relies on."""
    by_name = dict(zip(names, weights))
    patterns = [w for n, w in zip(names, weights) if n.startswith("pattern.")]
    threats = [w for n, w in zip(names, weights) if n.startswith("threat.")]
    if any(a > b for a, b in zip(patterns, patterns[1:])):
        return False
    if threats and (min(threats) < 0 or max(threats) > by_name.get("threat.Five", max(threats))):
        return False
    if any(w < 0 for n, w in by_name.items() if n.startswith("position.")):
        return False
    if by_name.get("position.FourThree", 0) < by_name.get("position.ThreeThree", 0):
        return False
    # A cell's score, four lines and a threat, is kept in 16 bits.
    largest = max((abs(w) for w in patterns), default=0)
    return 4 * largest + max((abs(w) for w in threats), default=0) <= INT16_MAX


def tune(x, results, start, names, k, fixed=FIXED, max_passes=200, log=None):
    """Integer weights with the least error, from `start`: each free weight in turn moves by its
    step up or down when that lowers the error and keeps the order; a step that helps doubles,
    one that helps neither way halves. Ends when every step is 1 and no move helps."""
    weights = np.array(start, dtype=np.int64)
    evals = x @ weights
    best = error(evals, results, k)
    free = [j for j, n in enumerate(names) if n not in fixed]
    steps = {j: max(1, abs(int(weights[j])) // 4) for j in free}
    for number in range(max_passes):
        moved = False
        for j in free:
            for delta in (steps[j], -steps[j]):
                trial = weights.copy()
                trial[j] += delta
                if not allowed(trial, names):
                    continue
                trial_evals = evals + delta * x[:, j]
                trial_error = error(trial_evals, results, k)
                if trial_error < best:
                    weights, evals, best, moved = trial, trial_evals, trial_error, True
                    steps[j] *= 2
                    break
            else:
                if steps[j] > 1:
                    steps[j] //= 2
                    moved = True
        if log:
            log(f"pass {number + 1}: error {best:.6f}")
        if not moved:
            break
    return weights, best


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("data", nargs="+", help="data sets of cinquevole-selfplay")
    parser.add_argument("--weights", default="src/engine/eval_weights.txt",
                        help="the data file of today's weights (default: %(default)s)")
    parser.add_argument("--out", help="where to write the tuned file (default: --weights)")
    args = parser.parse_args(argv)

    with open(args.weights, encoding="utf-8") as f:
        text = f.read()
    start = read_weights(text)
    names = [n for n, _ in start]
    old = np.array([w for _, w in start], dtype=np.int64)

    columns, rows = load_dataset(args.data)
    game = rows[:, columns.index("game")]
    results = rows[:, columns.index("result")]
    x = design(columns, rows, names)
    fit = game % VALIDATION_EVERY != VALIDATION_EVERY - 1
    print(f"{len(rows)} positions ({int(fit.sum())} fitted, {int((~fit).sum())} validation)"
          f" from {len(np.unique(game))} games")

    k = fit_scale(x[fit] @ old, results[fit])
    before = error(x[fit] @ old, results[fit], k)
    before_validation = error(x[~fit] @ old, results[~fit], k)
    print(f"K = {k:.6g}; error with today's weights: {before:.6f} (validation {before_validation:.6f})")

    new, after = tune(x[fit], results[fit], old, names, k, log=lambda s: print(s, file=sys.stderr))
    after_validation = error(x[~fit] @ new, results[~fit], k)
    print(f"error with the tuned weights: {after:.6f} (validation {after_validation:.6f})")
    for name, a, b in zip(names, old, new):
        print(f"  {name:22} {a:6d} -> {b:6d}")

    with open(args.out or args.weights, "w", encoding="utf-8") as f:
        f.write(write_weights(text, dict(zip(names, new.tolist()))))
    return 0


if __name__ == "__main__":
    sys.exit(main())
