#!/usr/bin/env python3
"""How openings.txt was made (run again to remake it; about an hour on 2 cores).

1. candidates: every 3-stone opening with black's first stone in the centre, white's
   within 4 cells of it and black's second within 5 of the centre, one of each set of
   8 mirror images (rotations and reflections about the centre).
2. eval: a strong engine (--judge, default Rapfi) searches each candidate for --eval-ms
   with white to move; its last reported 'Eval' is kept (side to move's view).
3. selfplay: the --keep candidates whose eval lies closest to --balance (the eval at
   which black won half of the judge's self-play games in a first round) are played by
   the judge against itself through match.py, twice each with the colours swapped.
4. select: an opening is one-sided when both self-play games were won by the same
   colour; a pair with a fault (time-out, crash, failed START) is not used. Of the
   others (one win for each colour, or a draw) the --count closest to --balance are
   written to --output, closest first, so short matches get the most balanced ones.
Results are cached in --work (eval.json, selfplay.json): a second run with a larger
--keep only plays the openings it has not played yet."""
import argparse
import json
import os
import re
import sys

import board as rules
import engines
import match
import sgf

HERE = os.path.dirname(os.path.abspath(__file__))
RAPFI = "/work/shared/sparring/pbrain-rapfi"
_EVAL = re.compile(r"\bEval ([-+]?)(M?)(\d+)")
MATE = 30000


def eval_value(match):
    """'Eval -123' -> -123; a mate in n ('Eval +M5') -> +-(30000 - n)."""
    sign = -1 if match.group(1) == "-" else 1
    n = int(match.group(3))
    return sign * (MATE - n if match.group(2) else n)


def symmetries(offsets):
    out = []
    for swap in (False, True):
        for sx in (1, -1):
            for sy in (1, -1):
                out.append(tuple(((y if swap else x) * sx, (x if swap else y) * sy)
                                 for x, y in offsets))
    return out


def candidates(white_reach=4, black_reach=5):
    seen, found = set(), []
    cells = [(x, y) for x in range(-black_reach, black_reach + 1)
             for y in range(-black_reach, black_reach + 1)]
    for w in cells:
        if w == (0, 0) or max(abs(w[0]), abs(w[1])) > white_reach:
            continue
        for b in cells:
            if b in ((0, 0), w):
                continue
            opening = ((0, 0), w, b)
            key = min(symmetries(opening))
            if key not in seen:
                seen.add(key)
                found.append(opening)
    return found


def key_of(opening):
    return " ".join("%d,%d" % p for p in opening)


def absolute(opening):
    return [(10 + x, 10 + y) for x, y in opening]


def evaluate(judge, openings, eval_ms):
    """The judge's eval of each opening, white to move."""
    eng = engines.Engine(engines.resolve_command(judge))
    eng.start()
    evals = []
    try:
        for n, opening in enumerate(openings):
            messages = []
            eng.on_message = messages.append
            eng.send("START 20")
            eng.answer(5.0, resend=(["START 20"], "Unknown command"))
            eng.send("INFO timeout_turn %d" % eval_ms, "INFO timeout_match 0", "INFO rule 0")
            moves = [(10 + x, 10 + y) for x, y in opening]
            lines = ["BOARD"] + ["%d,%d,%d" % (x, y, 2 if i % 2 == 0 else 1)
                                 for i, (x, y) in enumerate(moves)] + ["DONE"]
            kind, _value, _ms = eng.move(eval_ms / 1000.0 + 5, lines, "\0")
            if kind != "move":
                raise SystemExit("the judge failed on %s: %s" % (opening, kind))
            scores = [eval_value(m) for m in map(_EVAL.search, messages) if m]
            evals.append(scores[-1] if scores else 0)
            if n % 50 == 0:
                print("eval %d/%d" % (n, len(openings)), flush=True)
    finally:
        eng.close()
    return evals


def one_sided(results):
    """True when the games of one opening were all won by the same colour."""
    return all(r == "B" for r in results) or all(r == "W" for r in results)


def selfplay(judge, openings, folder):
    """{key: [winner colour 'B'/'W'/'D' or 'F' after a fault, ...]} of two games each."""
    list_path = folder + ".txt"
    with open(list_path, "w") as f:
        for opening in openings:
            f.write(rules.format_opening(absolute(opening)) + "\n")
    code = match.main(["--engine-a", judge, "--engine-b", judge, "--games",
                       str(2 * len(openings)), "--openings", list_path, "--out", folder,
                       "--quiet"])
    if code != 0:
        raise SystemExit("self-play failed (%d)" % code)
    names = match.unique_names(os.path.basename(judge.split()[0]),
                               os.path.basename(judge.split()[0]))
    with open(os.path.join(folder, "manager.txt")) as f:
        log_games, _tally = match.read_manager_log(f)
    games = match.build_games(sgf.parse_file(os.path.join(folder, "games.sgf")), log_games,
                              {names[0]: "A", names[1]: "B"}, limit_ms=3100)
    results = {}
    for k, opening in enumerate(openings):
        pair = []
        for g in games[2 * k:2 * k + 2]:
            if g.faults:
                pair.append("F")
            elif g.winner is None:
                pair.append("D")
            else:
                pair.append("B" if g.winner == g.black else "W")
        results[key_of(opening)] = pair
    return results


def load_json(path):
    if os.path.exists(path):
        with open(path) as f:
            return json.load(f)
    return {}


def save_json(path, data):
    with open(path, "w") as f:
        json.dump(data, f, indent=0, sort_keys=True)


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--judge", default=RAPFI, help="the strong engine (default Rapfi)")
    ap.add_argument("--eval-ms", type=int, default=300)
    ap.add_argument("--balance", type=int, default=25, help="the judge's eval of an even game")
    ap.add_argument("--keep", type=int, default=400, help="candidates played in self-play")
    ap.add_argument("--count", type=int, default=120)
    ap.add_argument("--work", default="openings-work")
    ap.add_argument("--output", default=os.path.join(HERE, "openings.txt"))
    args = ap.parse_args(argv)
    os.makedirs(args.work, exist_ok=True)

    pool = candidates()
    eval_path = os.path.join(args.work, "eval.json")
    evals = load_json(eval_path)
    missing = [o for o in pool if key_of(o) not in evals]
    if missing:
        print("%d candidates, %d to evaluate" % (len(pool), len(missing)), flush=True)
        for o, e in zip(missing, evaluate(args.judge, missing, args.eval_ms)):
            evals[key_of(o)] = e
        save_json(eval_path, evals)
    pool.sort(key=lambda o: (abs(evals[key_of(o)] - args.balance), key_of(o)))
    kept = pool[:args.keep]

    play_path = os.path.join(args.work, "selfplay.json")
    played = load_json(play_path)
    todo = [o for o in kept if key_of(o) not in played]
    if todo:
        rounds = [n for n in os.listdir(args.work) if n.startswith("selfplay-") and
                  os.path.isdir(os.path.join(args.work, n))]
        folder = os.path.join(args.work, "selfplay-%d" % len(rounds))
        print("self-play of %d openings in %s" % (len(todo), folder), flush=True)
        played.update(selfplay(args.judge, todo, folder))
        save_json(play_path, played)
    chosen = [o for o in kept if "F" not in played[key_of(o)] and not one_sided(played[key_of(o)])]
    print("%d of %d kept openings are not one-sided in self-play" % (len(chosen), len(kept)))
    if len(chosen) < args.count:
        print("too few; raise --keep")
        return 1
    with open(args.output, "w") as f:
        for opening in chosen[:args.count]:
            f.write(rules.format_opening(absolute(opening)) + "\n")
    print("wrote %d openings to %s (evals %+d .. %+d)" % (
        args.count, args.output, min(evals[key_of(o)] for o in chosen[:args.count]),
        max(evals[key_of(o)] for o in chosen[:args.count])))
    return 0


if __name__ == "__main__":
    sys.exit(main())
