"""Score, confidence interval, Elo and move-time figures."""
import math
import statistics

Z95 = 1.959964
ELO_CAP_SCORE = 0.999   # scores are clamped to [0.001, 0.999]: Elo within about +-1200


def elo(score):
    s = min(max(score, 1 - ELO_CAP_SCORE), ELO_CAP_SCORE)
    return -400.0 * math.log10(1.0 / s - 1.0)


def score_interval(scores, paired=True):
    """Mean score and the half-width of its 95 % interval.

    `scores` are per-game results for one side (1, 0.5, 0) in playing order. With
    `paired`, games 2k and 2k+1 share an opening (colours swapped); the spread is then
    taken over the pair means, which keeps the opening's own bias out of the error.
    An odd last game is its own unit."""
    n = len(scores)
    if n == 0:
        return 0.0, 0.0
    mean = sum(scores) / n
    if paired:
        units = [sum(scores[i:i + 2]) / len(scores[i:i + 2]) for i in range(0, n, 2)]
    else:
        units = list(scores)
    if len(units) < 2:
        return mean, 0.5
    var = statistics.pvariance(units) / (len(units) - 1)
    return mean, Z95 * math.sqrt(var)


def elo_interval(mean, half):
    return elo(mean), elo(mean - half), elo(mean + half)


def percentile(values, p):
    """Nearest-rank percentile (p in 0..100) of a non-empty list."""
    ordered = sorted(values)
    rank = max(1, math.ceil(p / 100.0 * len(ordered)))
    return ordered[rank - 1]


def time_figures(ms):
    """(count, median, p99, max) of a list of move times; Nones when empty."""
    if not ms:
        return 0, None, None, None
    return len(ms), statistics.median(ms), percentile(ms, 99), max(ms)
