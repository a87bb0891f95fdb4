"""The summary printed by match.py and referee.py."""
from dataclasses import dataclass, field

import stats


@dataclass
class Game:
    number: int                      # 1-based, in playing order
    black: str                       # 'A' or 'B'
    winner: object = None            # 'A', 'B' or None (draw)
    reason: str = ""
    times: dict = field(default_factory=lambda: {"A": [], "B": []})   # ms per move
    faults: list = field(default_factory=list)   # (side, text)
    notes: list = field(default_factory=list)

    def score_a(self):
        return 1.0 if self.winner == "A" else 0.0 if self.winner == "B" else 0.5


def _ms(value):
    return "-" if value is None else "%d" % round(value)


def _elo(value):
    return "%+.0f" % (round(value) or 0)


def format_summary(games, names, turn_ms, title=""):
    """Text block: W-L-D, score +- 95 %, Elo, move times per engine, faults and notes."""
    lines = []
    if title:
        lines.append(title)
    lines.append("A = %s" % names["A"])
    lines.append("B = %s" % names["B"])
    w = sum(1 for g in games if g.winner == "A")
    l = sum(1 for g in games if g.winner == "B")
    d = len(games) - w - l
    lines.append("games %d   A W-L-D: %d-%d-%d" % (len(games), w, l, d))
    mean, half = stats.score_interval([g.score_a() for g in games])
    lines.append("score A %.3f +- %.3f (95 %%: %.3f .. %.3f, spread over opening pairs)" % (
        mean, half, max(0.0, mean - half), min(1.0, mean + half)))
    e, lo, hi = stats.elo_interval(mean, half)
    lines.append("Elo A-B %s [%s, %s]" % (_elo(e), _elo(lo), _elo(hi)))
    as_black = [g for g in games if g.black == "A"]
    as_white = [g for g in games if g.black == "B"]
    lines.append("score A as black %.3f (%d games), as white %.3f (%d games)" % (
        sum(g.score_a() for g in as_black) / max(1, len(as_black)), len(as_black),
        sum(g.score_a() for g in as_white) / max(1, len(as_white)), len(as_white)))
    lines.append("move times (ms)  moves  median   p99   max  >%d ms  >%d ms" % (turn_ms, turn_ms + 400))
    for side in ("A", "B"):
        ms = [t for g in games for t in g.times[side]]
        n, med, p99, top = stats.time_figures(ms)
        lines.append("  %-13s %6d %7s %5s %5s %7d %7d" % (
            side, n, _ms(med), _ms(p99), _ms(top),
            sum(1 for t in ms if t > turn_ms), sum(1 for t in ms if t > turn_ms + 400)))
    reasons = {}
    for g in games:
        reasons[g.reason] = reasons.get(g.reason, 0) + 1
    lines.append("endings: " + ", ".join("%s %d" % (r, n) for r, n in sorted(reasons.items())))
    faults = [(g.number, side, text) for g in games for side, text in g.faults]
    if faults:
        lines.append("faults (%d):" % len(faults))
        for number, side, text in faults:
            lines.append("  game %d: %s %s" % (number, side, text))
    else:
        lines.append("faults: none (no time-out, crash or illegal move)")
    notes = [(g.number, n) for g in games for n in g.notes]
    for number, text in notes:
        lines.append("note: game %d: %s" % (number, text))
    return "\n".join(lines)
