#!/usr/bin/env python3
"""A sequential probability ratio test of one build of an engine against another.

Self-play through c-gomoku-cli: NEW against BASE on 20x20, the openings of openings.txt (turned
and mirrored each time the file is used up, so no game repeats), each played twice with the
colours swapped, two games at a time, at a short clock or a fixed node count. After every pair
of games it computes the log-likelihood ratio of H1 (NEW is elo1 better) against H0 (elo0),
and stops the match when it leaves [log(beta / (1 - alpha)), log((1 - beta) / alpha)].

The test is the generalised SPRT on the pair scores (0, 1/4, 1/2, 3/4, 1: the mean of the two
games of one opening), with their variance taken from the games themselves: the normal
approximation used for chess engine testing, on pairs so that an opening's bias is not noise.
Exit 0 when H1 is accepted, 1 when H0 is accepted or the games run out, 77 when the manager
is absent."""
import argparse
import math
import os
import re
import shlex
import sys
import time

import engines
import match
import stats

_FINISHED = re.compile(r"Finished game (\d+) \((\S+) vs (\S+)\): (\S+) \{(.*)\}")


def expected_score(elo):
    return 1.0 / (1.0 + 10.0 ** (-elo / 400.0))


def bounds(alpha, beta):
    return math.log(beta / (1.0 - alpha)), math.log((1.0 - beta) / alpha)


def llr(pairs, elo0, elo1):
    """Log-likelihood ratio of H1 against H0 from the pair scores (each in 0..1)."""
    n = len(pairs)
    if n < 2:
        return 0.0
    mean = sum(pairs) / n
    variance = sum((x - mean) ** 2 for x in pairs) / n
    if variance <= 0.0:
        return 0.0
    s0, s1 = expected_score(elo0), expected_score(elo1)
    return n * (s1 - s0) * (2.0 * mean - s0 - s1) / (2.0 * variance)


def game_score(result, black, new_name):
    """NEW's score in a finished game from the manager's 'B vs W: 1-0' line."""
    if result == "1/2-1/2":
        return 0.5
    black_won = result == "1-0"
    return 1.0 if black_won == (black == new_name) else 0.0


class Tally:
    """The finished games by number, and the pair scores of openings whose two games are done."""

    def __init__(self):
        self.scores = {}

    def add(self, number, score):
        self.scores[number] = score

    def pairs(self):
        out = []
        for first in range(1, max(self.scores, default=0) + 1, 2):
            if first in self.scores and first + 1 in self.scores:
                out.append((self.scores[first] + self.scores[first + 1]) / 2.0)
        return out

    def wld(self):
        values = list(self.scores.values())
        return (sum(v == 1.0 for v in values), sum(v == 0.0 for v in values),
                sum(v == 0.5 for v in values))

    def in_order(self):
        return [self.scores[k] for k in sorted(self.scores)]


def report(tally, value, low, high, elo0, elo1):
    w, l, d = tally.wld()
    games = w + l + d
    mean, half = stats.score_interval(tally.in_order(), paired=True)
    e, e_low, e_high = stats.elo_interval(mean, half)
    return ("LLR %.2f [%.2f, %.2f] (elo0 %g, elo1 %g)  games %d  W-L-D %d-%d-%d  "
            "score %.3f  Elo %+.1f [%+.1f, %+.1f]" % (value, low, high, elo0, elo1, games, w, l,
                                                     d, mean, e, e_low, e_high))


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--new", required=True, help="the build under test: path and arguments")
    ap.add_argument("--base", required=True, help="the build it is tested against")
    ap.add_argument("--elo0", type=float, default=0.0)
    ap.add_argument("--elo1", type=float, default=5.0)
    ap.add_argument("--alpha", type=float, default=0.05)
    ap.add_argument("--beta", type=float, default=0.05)
    clock = ap.add_mutually_exclusive_group()
    clock.add_argument("--turn-ms", type=int, default=50, help="time a move (default 50 ms)")
    clock.add_argument("--nodes", type=int, help="a node limit a move instead of the clock")
    ap.add_argument("--max-games", type=int, default=20000, help="stop here undecided")
    ap.add_argument("--concurrency", type=int, default=2)
    ap.add_argument("--seed", type=int, default=1, help="the openings' shuffle")
    ap.add_argument("--openings", default=os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                       "openings.txt"))
    ap.add_argument("--out", help="fresh folder for the files (default ./sprt-DATE-TIME)")
    ap.add_argument("--quiet", action="store_true", help="no line per pair of games")
    args = ap.parse_args(argv)

    manager, commands = match.manager_and_engines(ap, [args.new, args.base])
    if manager is None:
        return 77
    cmd_new, cmd_base = commands
    out = engines.fresh_folder(args.out or time.strftime("sprt-%Y%m%d-%H%M%S"))
    low, high = bounds(args.alpha, args.beta)
    games = args.max_games + args.max_games % 2
    # With a node limit the clock only guards against a hung engine.
    tc = "tc=0/%g" % (args.turn_ms / 1000.0) if args.nodes is None else "tc=0/10"
    each = [tc] + ([] if args.nodes is None else ["nodes=%d" % args.nodes])
    command = [manager, "-each"] + each + ["-engine", "name=new", "cmd=" + shlex.join(cmd_new),
               "-engine", "name=base", "cmd=" + shlex.join(cmd_base),
               "-rule", "0", "-boardsize", "20", "-games", str(games), "-repeat", "-transform",
               "-concurrency", str(args.concurrency),
               "-openings", "file=" + os.path.abspath(args.openings), "order=random",
               "srand=%d" % args.seed, "-sgf", "games.sgf", "-pgn", "games.pgn"]
    tally = Tally()
    state = {"llr": 0.0, "pairs": 0}

    def on_line(line):
        m = _FINISHED.search(line)
        if not m:
            return False
        tally.add(int(m.group(1)), game_score(m.group(4), m.group(2), "new"))
        pairs = tally.pairs()
        if len(pairs) == state["pairs"]:
            return False
        state["pairs"] = len(pairs)
        state["llr"] = llr(pairs, args.elo0, args.elo1)
        if not args.quiet:
            print(report(tally, state["llr"], low, high, args.elo0, args.elo1), flush=True)
        return not low < state["llr"] < high

    _, returncode, elapsed = match.run_manager(command, out, on_line)
    value = state["llr"]
    verdict = ("H1 accepted" if value >= high else
               "H0 accepted" if value <= low else "undecided")
    text = "\n".join([
        "sprt: %s" % verdict,
        "new  = %s" % " ".join(cmd_new),
        "base = %s" % " ".join(cmd_base),
        ("%d ms a move" % args.turn_ms) if args.nodes is None else ("%d nodes a move" % args.nodes),
        report(tally, value, low, high, args.elo0, args.elo1),
        "%.0f s, files: %s" % (elapsed, out)])
    if returncode != 0:
        text += "\nnote: the manager exited with code %d" % returncode
    print(text)
    with open(os.path.join(out, "summary.txt"), "w") as f:
        f.write(text + "\n")
    return 0 if verdict == "H1 accepted" else 1


if __name__ == "__main__":
    sys.exit(main())
