#!/usr/bin/env python3
"""A tiny Gomocup engine that misbehaves on request, for testing the referees.

It plays the first empty, unblocked cell nearest the centre. Faults are
chosen per game (games are counted by START) and per own move (1 = first):
  --start-error G     answer START with ERROR in game G
  --crash G:K         exit at its K-th move of game G
  --illegal G:K       answer an occupied cell (or off the board) at move K
  --sleep G:K:SEC     wait SEC seconds before its K-th move of game G
"""
import argparse
import sys
import time


def parse_point(text):
    parts = text.strip().split(",")
    return int(parts[0]), int(parts[1])


def main():
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--start-error", type=int, default=0)
    ap.add_argument("--crash", default="")
    ap.add_argument("--illegal", default="")
    ap.add_argument("--sleep", default="")
    args = ap.parse_args()

    def game_move(spec):
        if not spec:
            return None
        parts = spec.split(":")
        return tuple(float(p) if i == 2 else int(p) for i, p in enumerate(parts))

    crash, illegal, sleep = game_move(args.crash), game_move(args.illegal), game_move(args.sleep)
    size = 20
    stones = {}
    blocked = set()
    game = 0
    moves = 0

    def out(line):
        sys.stdout.write(line + "\n")
        sys.stdout.flush()

    def answer():
        nonlocal moves
        moves += 1
        if sleep and sleep[0] == game and sleep[1] == moves:
            time.sleep(sleep[2])
        if crash and crash[0] == game and crash[1] == moves:
            sys.exit(3)
        if illegal and illegal[0] == game and illegal[1] == moves:
            bad = next(iter(stones), (size, size))
            out("%d,%d" % bad)
            return
        c = size // 2
        free = [(x, y) for x in range(size) for y in range(size)
                if (x, y) not in stones and (x, y) not in blocked]
        if not free:
            out("ERROR board full")
            return
        best = min(free, key=lambda p: (max(abs(p[0] - c), abs(p[1] - c)), p[1], p[0]))
        stones[best] = 1
        out("%d,%d" % best)

    lines = iter(sys.stdin.readline, "")
    for raw in lines:
        words = raw.strip().split()
        if not words:
            continue
        cmd = words[0].upper()
        if cmd == "START":
            game += 1
            moves = 0
            stones.clear()
            size = int(words[1])
            out("ERROR start refused" if game == args.start_error else "OK")
        elif cmd == "RESTART":
            game += 1
            moves = 0
            stones.clear()
            out("OK")
        elif cmd == "ABOUT":
            out('name="fake", version="1"')
        elif cmd == "INFO":
            pass
        elif cmd == "YXBLOCK":
            for cell in lines:
                if cell.strip().upper() == "DONE":
                    break
                blocked.add(parse_point(cell))
        elif cmd == "BEGIN":
            answer()
        elif cmd == "TURN":
            stones[parse_point(words[1])] = 2
            answer()
        elif cmd == "BOARD":
            stones.clear()
            for cell in lines:
                if cell.strip().upper() == "DONE":
                    break
                x, y, who = (int(v) for v in cell.strip().split(","))
                stones[(x, y)] = who
            answer()
        elif cmd == "END":
            return


if __name__ == "__main__":
    main()
