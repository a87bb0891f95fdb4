#!/usr/bin/env python3
"""VCF positions (tactics/vcf.txt): an engine's test, their proof, and how they were found.

  tactics.py --engine CMD     each position to the engine (START 20, INFO timeout_turn,
                              BOARD ... DONE); prints per position its answer and time, the
                              share of answers among the winning first moves, and the
                              share found within the move time
  tactics.py --prove          solves every position again, exhaustively, without a limit:
                              checks the side to move, the set of winning first moves and
                              the length of the shortest win; exit 1 on any difference
  tactics.py --harvest SGF... finds VCF positions in played games and writes a new file

File format, one position a line ('#' starts a comment):
  name | side to move | plies | winning first moves | stones in game order
plies: the shortest forced win, fours, replies and the five (a double four is 3);
moves as x,y, separated by spaces; black moves first."""
import argparse
import os
import random
import statistics
import sys
import time

import engines
import sgf
import vcf

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FILE = os.path.join(HERE, "tactics", "vcf.txt")
SIZE = 20
GRACE_MS = 3000


def _points(text):
    return [tuple(int(v) for v in p.split(",")) for p in text.split()]


def _text(points):
    return " ".join("%d,%d" % p for p in points)


def parse_positions(text):
    positions = []
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 5 or fields[1] not in ("black", "white"):
            raise ValueError("line %d: expected name | black/white | plies | wins | moves" % number)
        positions.append({"name": fields[0], "side": fields[1], "plies": int(fields[2]),
                          "wins": sorted(_points(fields[3])), "moves": _points(fields[4])})
    return positions


def format_position(p):
    return "%s | %s | %d | %s | %s" % (p["name"], p["side"], p["plies"],
                                       _text(sorted(p["wins"])), _text(p["moves"]))


def load_positions(path):
    with open(path) as f:
        return parse_positions(f.read())


def solve(moves, node_limit=None):
    """(side, plies, winning first moves) of the position after `moves`; plies None
    without VCF; raises vcf.NodeLimit past `node_limit` searched nodes."""
    solver = vcf.solver_for(moves, SIZE)
    solver.node_limit = node_limit
    side = "black" if solver.attacker == vcf.BLACK else "white"
    if solver.immediate_five():
        return side, 1, sorted(solver.point(p) for p in solver.five_points())
    plies = solver.shortest()
    wins = sorted(solver.winning_first_moves()) if plies else []
    return side, plies, wins


def wins_anyway(moves, answer, node_limit=2000000):
    """For an answer outside the VCF set: True when every reply to it still loses to a
    VCF (so it wins too), False when some reply escapes, None past the node limit."""
    if answer in moves:
        return False
    stones = {m: vcf.BLACK if i % 2 == 0 else vcf.WHITE for i, m in enumerate(moves)}
    attacker = vcf.BLACK if len(moves) % 2 == 0 else vcf.WHITE
    stones[answer] = attacker
    solver = vcf.Solver(SIZE, stones, attacker)
    solver.node_limit = node_limit
    try:
        return solver.wins_against_every_reply()
    except vcf.NodeLimit:
        return None


def prove(positions):
    bad = 0
    total = time.monotonic()
    for p in positions:
        t = time.monotonic()
        side, plies, wins = solve(p["moves"])
        problems = []
        if side != p["side"]:
            problems.append("side to move is %s" % side)
        if plies != p["plies"]:
            problems.append("shortest win %s plies" % plies)
        if wins != p["wins"]:
            problems.append("winning first moves %s" % _text(wins))
        if plies is not None and plies < 3:
            problems.append("a five at once")
        bad += bool(problems)
        print("%-22s %5s %3s plies %2d winning moves %6.2f s  %s" % (
            p["name"], side, plies, len(wins), time.monotonic() - t,
            "; ".join(problems) or "proven"), flush=True)
    print("%d positions, %d proven, %d differ (%.1f s)" % (
        len(positions), len(positions) - bad, bad, time.monotonic() - total))
    return 1 if bad else 0


def ask(eng, moves, turn_ms):
    """The engine's answer to the position: (kind, (x, y) or None, ms)."""
    if not eng.alive():
        eng.kill()
        eng.start()
    eng.send("START %d" % SIZE)
    kind, line, _t = eng.answer((turn_ms + GRACE_MS) / 1000.0,
                                resend=(["START %d" % SIZE], "Unknown command"))
    if kind != "line" or line.strip().upper() != "OK":
        eng.kill()
        return "failed START", None, 0.0
    eng.send("INFO timeout_turn %d" % turn_ms, "INFO timeout_match 0",
             "INFO time_left 2147483647", "INFO rule 0")
    own = len(moves) % 2       # the side to move played the moves of this parity
    if moves:
        lines = ["BOARD"] + ["%d,%d,%d" % (x, y, 1 if i % 2 == own else 2)
                             for i, (x, y) in enumerate(moves)] + ["DONE"]
    else:
        lines = ["BEGIN"]
    kind, value, ms = eng.move((turn_ms + GRACE_MS) / 1000.0, lines, "\0")
    if kind in ("timeout", "crash"):
        eng.kill()
    return kind, value, ms


def run_engine(command, positions, turn_ms):
    argv = engines.resolve_command(command)
    eng = engines.Engine(argv)
    eng.start()
    found = in_time = other = 0
    times = []
    try:
        ask(eng, [], turn_ms)      # warm-up: the first answer of a process is often slow
        for p in positions:
            kind, value, ms = ask(eng, p["moves"], turn_ms)
            ok = kind == "move" and tuple(value) in p["wins"]
            found += ok
            in_time += ok and ms <= turn_ms
            times.append(ms)
            verdict = "found" if ok else "no"
            if kind == "move" and not ok and 0 <= value[0] < SIZE and 0 <= value[1] < SIZE:
                anyway = wins_anyway(p["moves"], tuple(value))
                if anyway:
                    verdict = "other win"
                    other += 1
                elif anyway is None:
                    verdict = "no (?)"
            answer = "%d,%d" % value if kind == "move" else kind
            print("%-22s %2d plies  answer %-7s %-9s %6.0f ms" % (
                p["name"], p["plies"], answer, verdict, ms), flush=True)
    finally:
        eng.close()
    n = len(positions)
    print("engine: %s" % " ".join(argv))
    print("found %d/%d (%.1f %%); found within %d ms: %d/%d (%.1f %%)" % (
        found, n, 100.0 * found / n, turn_ms, in_time, n, 100.0 * in_time / n))
    print("other winning answers (not VCF first moves, but every reply loses to a VCF): "
          "%d/%d; found or other: %d/%d (%.1f %%)" % (other, n, found + other, n,
                                                   100.0 * (found + other) / n))
    print("answer time: median %.0f ms, max %.0f ms" % (statistics.median(times), max(times)))
    return 0


def harvest(paths, node_limit, per_game):
    """VCF positions of the games: for each game and side, the first position with a
    VCF, and later ones only when their shortest win is at least 4 plies shorter than the
    last one kept (so one attack gives positions of several depths)."""
    found = []
    for path in paths:
        tag = os.path.basename(os.path.dirname(os.path.abspath(path)))
        for number, game in enumerate(sgf.parse_file(path), 1):
            moves = list(game["opening"]) + [(x, y) for _c, x, y, _ms in game["moves"]]
            last = {}
            kept = 0
            for ply in range(len(game["opening"]), len(moves)):
                try:
                    side, plies, wins = solve(moves[:ply], node_limit)
                except vcf.NodeLimit:
                    continue
                if not plies or plies < 3:
                    continue
                if side in last and last[side] - plies < 4:
                    continue
                last[side] = plies
                found.append({"name": "%s-%d-%d" % (tag, number, ply), "side": side,
                              "plies": plies, "wins": wins, "moves": moves[:ply]})
                kept += 1
                if kept >= per_game:
                    break
    return found


BUCKETS = (3, 5, 7, 9, 11, 13, 15)      # the last one holds 15 plies and more


def pick(found, count, seed=7):
    """`count` positions spread evenly over the lengths of BUCKETS, at most one per game
    where possible, drawn at random (fixed seed); listed by length, then name."""
    rng = random.Random(seed)
    buckets = {b: [] for b in BUCKETS}
    for p in found:
        buckets[min(p["plies"], BUCKETS[-1])].append(p)
    for b in BUCKETS:
        rng.shuffle(buckets[b])
    chosen, games = [], set()
    while len(chosen) < count and any(buckets.values()):
        for b in BUCKETS:
            if len(chosen) >= count or not buckets[b]:
                continue
            fresh = [p for p in buckets[b] if p["name"].rsplit("-", 1)[0] not in games]
            p = (fresh or buckets[b])[0]
            buckets[b].remove(p)
            games.add(p["name"].rsplit("-", 1)[0])
            chosen.append(p)
    return sorted(chosen, key=lambda p: (p["plies"], p["name"]))


HEADER = """# VCF positions from played games, 20x20, five or more wins.
# name (source-game-ply) | side to move | plies of the shortest win (fours, replies and
# the five) | every winning first move | stones in game order, black first.
# Proven by tactics.py --prove (exhaustive VCF search, no limit).
"""


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--file", default=DEFAULT_FILE, help="positions (default tactics/vcf.txt)")
    ap.add_argument("--engine", help="engine: path and optional arguments")
    ap.add_argument("--turn-ms", type=int, default=100)
    ap.add_argument("--prove", action="store_true")
    ap.add_argument("--harvest", nargs="+", metavar="SGF")
    ap.add_argument("--node-limit", type=int, default=20000, help="per position, --harvest only")
    ap.add_argument("--per-game", type=int, default=3, help="positions per game, --harvest only")
    ap.add_argument("--pick", type=int, help="--harvest: keep this many, spread over lengths")
    ap.add_argument("--output", help="--harvest: where to write the positions")
    args = ap.parse_args(argv)
    if args.harvest:
        found = harvest(args.harvest, args.node_limit, args.per_game)
        if args.pick:
            found = pick(found, args.pick)
        text = HEADER + "".join(format_position(p) + "\n" for p in found)
        if args.output:
            with open(args.output, "w") as f:
                f.write(text)
        else:
            sys.stdout.write(text)
        print("%d positions" % len(found), file=sys.stderr)
        return 0
    positions = load_positions(args.file)
    if args.prove:
        return prove(positions)
    if args.engine:
        try:
            return run_engine(args.engine, positions, args.turn_ms)
        except ValueError as e:
            ap.error(str(e))
    ap.error("give --engine, --prove or --harvest")


if __name__ == "__main__":
    sys.exit(main())
