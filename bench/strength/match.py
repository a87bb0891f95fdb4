#!/usr/bin/env python3
"""A match between two Gomocup engines through the c-gomoku-cli match manager.

20x20, 100 ms a move (tc=0/0.1), one game at a time, the openings of openings.txt in
order, each played twice with the colours swapped. Prints A's W-L-D, the score with its
95 % interval, the Elo difference, both engines' move times (from the SGF) and every
time-out, crash and illegal move. The manager's files go to a fresh --out folder.
Exit 77 ("skipped") when the manager is absent."""
import argparse
import os
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time

import engines
import sgf
import summary

DEFAULT_MANAGER = "/work/shared/match/c-gomoku-cli"

_STARTED = re.compile(r"Started game (\d+) of (\d+) \((\S+) vs (\S+)\)")
_FINISHED = re.compile(r"Finished game (\d+) \((\S+) vs (\S+)\): (\S+) \{(.*)\}")
_FAULT = re.compile(r"engine (\S+) (timeout|crashed|output illegal move|output error)(.*)")
_SCORE = re.compile(r"Score of (\S+) vs (\S+): (\d+) - (\d+) - (\d+)")


def manager_path():
    path = os.environ.get("CGOMOKU_CLI") or DEFAULT_MANAGER
    return path if os.path.isfile(path) and os.access(path, os.X_OK) else None


def manager_and_engines(ap, texts):
    """The manager's path and each engine's argv; (None, None) after printing "skipped" when
    the manager is absent. An engine that is not found ends the program as a usage error."""
    manager = manager_path()
    if manager is None:
        print("skipped: c-gomoku-cli not found (set CGOMOKU_CLI)")
        return None, None
    try:
        return manager, [engines.resolve_command(text) for text in texts]
    except ValueError as e:
        ap.error(str(e))


def read_manager_log(lines):
    """Per game number: {'faults': [(name, kind, detail)], 'finished': (result, reason)};
    and the last 'Score of' tally (w, l, d) or None."""
    games, current, tally = {}, None, None
    for line in lines:
        line = line.replace("\r", "")
        m = _STARTED.search(line)
        if m:
            current = int(m.group(1))
            games.setdefault(current, {"faults": [], "finished": None})
            continue
        m = _FAULT.search(line)
        if m and current is not None:
            games[current]["faults"].append((m.group(1), m.group(2), m.group(3).strip()))
            continue
        m = _FINISHED.search(line)
        if m:
            games.setdefault(int(m.group(1)), {"faults": [], "finished": None})
            games[int(m.group(1))]["finished"] = (m.group(4), m.group(5))
            continue
        m = _SCORE.search(line)
        if m:
            tally = tuple(int(m.group(i)) for i in (3, 4, 5))
    return games, tally


_KIND = {"timeout": "time-out", "crashed": "crash", "output illegal move": "illegal move",
         "output error": "error answer"}


def run_manager(command, out, on_line):
    """Runs the manager in `out`, logging its output to manager.txt and handing every line to
    on_line(line); when on_line returns True the manager and its engines are stopped.
    Returns (lines, exit code, seconds); a run stopped that way counts as exit code 0."""
    with open(os.path.join(out, "command.txt"), "w") as f:
        f.write(shlex.join(command) + "\n")
    script = shutil.which("script")
    if script:
        # A pseudo-terminal keeps the manager's stdout and stderr in order, line by line.
        run = [script, "-qfec", shlex.join(command), "/dev/null"]
    else:
        run = command
    started = time.time()
    lines, stopped = [], False
    with open(os.path.join(out, "manager.txt"), "w") as log, \
            subprocess.Popen(run, cwd=out, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, text=True, errors="replace",
                             start_new_session=True) as proc:
        try:
            for line in proc.stdout:
                log.write(line)
                log.flush()
                lines.append(line)
                if on_line(line):
                    stopped = True
                    break
        finally:
            if proc.poll() is None:
                # The whole session: script, the manager and the engines it started.
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait()
    return lines, 0 if stopped else proc.returncode, time.time() - started


def build_games(sgf_games, log_games, side_of, limit_ms):
    """Game records from the SGF, with the winner recounted from the manager's fault lines.

    The manager credits the wrong side when an engine fails START (it answers ERROR or
    nothing): the game then ends with no move after the opening, and the engine named in
    the fault line has lost. Any time-out, crash or illegal move also loses for the engine
    it names; these agree with the SGF, and a disagreement is reported. A move slower
    than `limit_ms` that the manager let through (it has no watchdog in the last game)
    is a time-out too."""
    out = []
    for index, g in enumerate(sgf_games, 1):
        props = g["props"]
        number = int(props.get("GN", index))
        black, white = side_of.get(props.get("PB")), side_of.get(props.get("PW"))
        record = summary.Game(number=number, black=black or "?")
        re_ = props.get("RE", "0")
        record.winner = black if re_.startswith("B+") else white if re_.startswith("W+") else None
        record.reason = engines.short_reason(props.get("TE", ""))
        info = log_games.get(number, {"faults": []})
        losers = []
        for ply, (colour, _x, _y, ms) in enumerate(g["moves"]):
            side = black if colour == "B" else white
            if ms is not None and side in record.times:
                record.times[side].append(ms)
                if ms > limit_ms:
                    record.faults.append((side, "time-out at %d moves after opening: "
                                                "%d ms, accepted by the manager" % (ply, ms)))
                    losers.append(side)
        for name, kind, detail in info["faults"]:
            side = side_of.get(name, name)
            if kind == "output error" and g["moves"]:
                record.notes.append("%s answered %s (ignored by the manager)" % (side, detail))
                continue
            text = _KIND[kind] + (" " + detail if detail else "")
            if kind == "output error":
                text = "failed START: " + detail.lstrip(": ")
            record.faults.append((side, text))
            losers.append(side)
        if losers and losers[0] in ("A", "B"):
            true_winner = "B" if losers[0] == "A" else "A"
            if true_winner != record.winner:
                record.notes.append("the manager credited %s; recounted as a win for %s" % (
                    record.winner or "nobody", true_winner))
                record.winner = true_winner
        out.append(record)
    return out


def unique_names(name_a, name_b):
    clean = [re.sub(r"[^A-Za-z0-9_.+-]", "_", n) for n in (name_a, name_b)]
    if clean[0] == clean[1]:
        clean = [clean[0] + "_A", clean[1] + "_B"]
    return clean


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__,
                                 formatter_class=argparse.RawDescriptionHelpFormatter)
    engines.add_match_arguments(ap, "match")
    ap.add_argument("--name-a", help="name of A in the files (default: its file name)")
    ap.add_argument("--name-b", help="name of B in the files (default: its file name)")
    ap.add_argument("--log", action="store_true",
                    help="the manager's protocol log (c-gomoku-cli.1.log) in the folder")
    ap.add_argument("--draw-after", type=int, metavar="STONES",
                    help="a game is drawn once the board holds this many stones")
    args = ap.parse_args(argv)

    manager, commands = manager_and_engines(ap, [args.engine_a, args.engine_b])
    if manager is None:
        return 77
    cmd_a, cmd_b = commands
    name_a, name_b = unique_names(args.name_a or os.path.basename(cmd_a[0]),
                                  args.name_b or os.path.basename(cmd_b[0]))
    openings = os.path.abspath(args.openings)
    if not os.path.isfile(openings):
        ap.error("openings not found: %s" % openings)
    out = engines.fresh_folder(args.out or time.strftime("match-%Y%m%d-%H%M%S"))

    command = [manager, "-each", "tc=0/%g" % (args.turn_ms / 1000.0),
               "-engine", "name=" + name_a, "cmd=" + shlex.join(cmd_a),
               "-engine", "name=" + name_b, "cmd=" + shlex.join(cmd_b),
               "-rule", str(args.rule), "-boardsize", "20", "-games", str(args.games),
               "-repeat", "-concurrency", "1",
               "-openings", "file=" + openings, "order=sequential",
               "-sgf", "games.sgf", "-pgn", "games.pgn", "-msg", "messages.txt"]
    if args.log:
        command.append("-log")
    if args.draw_after:
        command += ["-drawafter", str(args.draw_after)]

    def on_line(line):
        m = _FINISHED.search(line)
        if m and not args.quiet:
            print("game %s/%d %s vs %s: %s {%s}" % (m.group(1), args.games, m.group(2),
                                                    m.group(3), m.group(4), m.group(5)),
                  flush=True)
        return False

    log_lines, returncode, elapsed = run_manager(command, out, on_line)
    if returncode != 0:
        print("the manager exited with code %d; see %s" % (returncode,
                                                          os.path.join(out, "manager.txt")))

    log_games, tally = read_manager_log(log_lines)
    sgf_path = os.path.join(out, "games.sgf")
    sgf_games = sgf.parse_file(sgf_path) if os.path.exists(sgf_path) else []
    side_of = {name_a: "A", name_b: "B"}
    games = build_games(sgf_games, log_games, side_of, args.turn_ms + 3000)
    title = "match: %d games, rule %d, %d ms a move, openings %s, %.0f s" % (
        len(games), args.rule, args.turn_ms, os.path.basename(openings), elapsed)
    text = summary.format_summary(games, {"A": " ".join(cmd_a), "B": " ".join(cmd_b)},
                                  args.turn_ms, title)
    recount = (sum(g.winner == "A" for g in games), sum(g.winner == "B" for g in games),
               sum(g.winner is None for g in games))
    if tally is not None and tally != recount:
        text += "\nnote: the manager's own tally was %d-%d-%d" % tally
    if len(games) != args.games:
        text += "\nnote: %d games asked, %d in the SGF" % (args.games, len(games))
    text += "\nfiles: %s" % out
    print(text)
    with open(os.path.join(out, "summary.txt"), "w") as f:
        f.write(text + "\n")
    return 0 if returncode == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
