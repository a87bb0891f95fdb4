#!/usr/bin/env python3
"""Our own referee for two Gomocup engines, with optional walls (blocked cells).

Plays like match.py (20x20, 100 ms a move, openings.txt in order, each opening twice
with the colours swapped, game 2k-1 with B as black) but talks to the engines itself,
so the board may hold walls: with --walls, the opening pairs cycle through the given
layouts and each engine gets them with YXBLOCK at every game start. Every answer is
checked (on the board, empty, not blocked); five or more in a row wins (exactly five
with --rule 1), lines stop at walls and edges; a full board is a draw. An answer later
than the move time + 3 s is a time-out: the engine is killed and restarted for the next
game. Prints the same summary as match.py; keeps games.sgf, messages.txt, the engines'
stderr and summary.txt in a fresh --out folder."""
import argparse
import os
import sys
import time

import board as rules
import engines
import sgf
import summary

GRACE_MS = 3000
MAX_MEMORY = 367001600
SIZE = 20


class Side:
    """An engine of the match and its process (started again after a fault)."""

    def __init__(self, key, argv, out, log):
        self.key = key
        self.argv = argv
        self.engine = engines.Engine(argv, os.path.join(out, "stderr-%s.txt" % key),
                                     on_message=lambda line: log(key, line))
        self.starts = 0

    def ensure_running(self):
        if not self.engine.alive():
            self.engine.kill()
            self.engine.start()
            self.starts += 1

    def drain(self, log):
        """Lines left over from an earlier game go to the message log."""
        if self.engine.lines is None:
            return
        while not self.engine.lines.empty():
            _t, line = self.engine.lines.get_nowait()
            if line is not None:
                log(self.key, "(late) " + line)


def start_game(side, turn_ms, rule, walls):
    """START and the game's settings; returns None or a fault text."""
    side.ensure_running()
    eng = side.engine
    timeout = (turn_ms + GRACE_MS) / 1000.0
    if eng.send("START %d" % SIZE) is None:
        return "crash at START"
    kind, line, _t = eng.answer(timeout, resend=(["START %d" % SIZE], "Unknown command"))
    if kind == "timeout":
        eng.kill()
        return "failed START: no answer"
    if kind == "eof":
        return "crash at START"
    if line.strip().upper() != "OK":
        return "failed START: " + line.strip()
    eng.send("INFO timeout_turn %d" % turn_ms, "INFO timeout_match 0",
             "INFO max_memory %d" % MAX_MEMORY, "INFO rule %d" % rule)
    if walls:
        eng.send("YXBLOCKRESET", "YXBLOCK", *["%d,%d" % c for c in sorted(walls)], "DONE")
    return None


def play_game(number, black, sides, opening, walls, turn_ms, rule, log):
    """One game; returns (summary.Game, moves [(x, y, ms)], result text for the SGF)."""
    record = summary.Game(number=number, black=black)
    other = {"A": "B", "B": "A"}
    moves = []

    def lose(side, reason, fault):
        record.winner = other[side]
        record.reason = reason
        record.faults.append((side, fault))

    for key in (black, other[black]):
        sides[key].drain(log)
        fault = start_game(sides[key], turn_ms, rule, walls)
        if fault:
            lose(key, "crash" if "crash" in fault else "time forfeit", fault)
            return record, moves
    game = rules.Board(SIZE, walls, rule)
    for x, y in opening:
        if game.illegal_reason(x, y):
            raise SystemExit("opening %s clashes with the walls" % rules.format_opening(opening))
        if game.play(x, y):
            raise SystemExit("opening %s already holds a five" % rules.format_opening(opening))
    seen = {"A": False, "B": False}
    timeout = (turn_ms + GRACE_MS) / 1000.0
    while True:
        colour = game.to_move()
        key = black if colour == 1 else other[black]
        eng = sides[key].engine
        log.ply = len(moves)
        if not game.moves:
            lines, marker = ["BEGIN"], None
        elif not seen[key]:
            lines = ["BOARD"] + ["%d,%d,%d" % (x, y, 1 if game.stones[(x, y)] == colour else 2)
                                 for x, y in game.moves] + ["DONE"]
            marker = None
        else:
            x, y = game.moves[-1]
            lines, marker = ["TURN %d,%d" % (x, y)], "%d,%d" % (x, y)
        lines = ["INFO time_left 2147483647"] + lines
        kind, value, ms = eng.move(timeout, lines, marker or "\0")
        seen[key] = True
        where = "at %d moves after opening" % len(moves)
        if kind == "timeout":
            eng.kill()
            lose(key, "time forfeit", "time-out %s (no answer in %d ms)" % (where, round(ms)))
            break
        if kind == "crash":
            eng.kill()
            lose(key, "crash", "crash " + where)
            break
        if kind == "bad":
            lose(key, "illegal move", "illegal move %s: answer %r" % (where, value))
            break
        x, y = value
        record.times[key].append(ms)
        reason = game.illegal_reason(x, y)
        if reason:
            lose(key, "illegal move", "illegal move %s: %d,%d (%s)" % (where, x, y, reason))
            break
        moves.append((x, y, ms))
        if game.play(x, y):
            record.winner, record.reason = key, "five"
            break
        if game.full():
            record.winner, record.reason = None, "full board"
            break
    return record, moves


class MessageLog:
    def __init__(self, path):
        self.file = open(path, "w")
        self.game = 0
        self.ply = 0

    def __call__(self, key, line):
        self.file.write("%d) %d %s: %s\n" % (self.game, self.ply, key, line))

    def close(self):
        self.file.close()


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    engines.add_match_arguments(ap, "referee")
    ap.add_argument("--walls", nargs="+", metavar="LAYOUT",
                    help="wall layouts (walls/*.txt), one per opening pair in turn")
    args = ap.parse_args(argv)

    try:
        argv_a, argv_b = (engines.resolve_command(args.engine_a),
                          engines.resolve_command(args.engine_b))
        openings = rules.load_openings(args.openings, SIZE)
        layouts = [(rules.layout_name(p), rules.load_layout(p, SIZE)) for p in args.walls or []]
    except (ValueError, OSError) as e:
        ap.error(str(e))
    if not openings:
        ap.error("no openings in %s" % args.openings)
    out = engines.fresh_folder(args.out or time.strftime("referee-%Y%m%d-%H%M%S"))
    log = MessageLog(os.path.join(out, "messages.txt"))
    sides = {"A": Side("A", argv_a, out, log), "B": Side("B", argv_b, out, log)}
    names = {"A": " ".join(argv_a), "B": " ".join(argv_b)}
    games = []
    started = time.time()
    try:
        with open(os.path.join(out, "games.sgf"), "w") as sgf_file:
            for i in range(args.games):
                pair = i // 2
                opening = openings[pair % len(openings)]
                layout, walls = layouts[pair % len(layouts)] if layouts else ("open", set())
                black = "B" if i % 2 == 0 else "A"
                log.game = i + 1
                record, moves = play_game(i + 1, black, sides, opening, walls,
                                          args.turn_ms, args.rule, log)
                games.append(record)
                white = "A" if black == "B" else "B"
                result = ("B+1" if record.winner == black else
                          "W+1" if record.winner == white else "0")
                sgf_file.write(sgf.format_game(i + 1, black, white, SIZE, args.rule, result,
                                               record.reason, opening, moves,
                                               event="%s x %s, walls %s" % (black, white, layout)))
                sgf_file.flush()
                if not args.quiet:
                    print("game %d/%d %s vs %s (%s): %s {%s}" % (
                        i + 1, args.games, black, white, layout,
                        "1-0" if result == "B+1" else "0-1" if result == "W+1" else "1/2-1/2",
                        record.reason), flush=True)
    except KeyboardInterrupt:
        print("interrupted")
    finally:
        for side in sides.values():
            side.engine.close()
        log.close()
    elapsed = time.time() - started
    title = "referee: %d games, rule %d, %d ms a move, openings %s, walls %s, %.0f s" % (
        len(games), args.rule, args.turn_ms, os.path.basename(args.openings),
        ", ".join(n for n, _ in layouts) or "none", elapsed)
    text = summary.format_summary(games, names, args.turn_ms, title)
    restarts = {k: s.starts - 1 for k, s in sides.items() if s.starts > 1}
    for key, n in restarts.items():
        text += "\nnote: %s was restarted %d times" % (key, n)
    text += "\nfiles: %s" % out
    print(text)
    with open(os.path.join(out, "summary.txt"), "w") as f:
        f.write(text + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
