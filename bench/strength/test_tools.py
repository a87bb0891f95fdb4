"""Unit tests of the strength tools' pure logic: python3 -m unittest (from this folder)."""
import contextlib
import glob
import io
import math
import os
import sys
import tempfile
import unittest

import board
import engines
import make_openings
import match
import referee
import sgf
import sprt
import stats
import summary
import tactics
import vcf

HERE = os.path.dirname(os.path.abspath(__file__))


def row(x0, y0, n, dx=1, dy=0):
    return [(x0 + i * dx, y0 + i * dy) for i in range(n)]


class FiveTest(unittest.TestCase):
    def test_makes_five(self):
        cases = [
            # stones of the mover, last stone, rule, expected
            ("five in a row", row(3, 3, 4), (7, 3), 0, True),
            ("four only", row(3, 3, 3), (6, 3), 0, False),
            ("gap filled", [(3, 3), (4, 3), (6, 3), (7, 3)], (5, 3), 0, True),
            ("vertical", row(9, 0, 4, 0, 1), (9, 4), 0, True),
            ("diagonal", row(2, 2, 4, 1, 1), (6, 6), 0, True),
            ("anti-diagonal", row(10, 4, 4, -1, 1), (6, 8), 0, True),
            ("overline wins freestyle", row(3, 3, 5), (8, 3), 0, True),
            ("overline not with exactly five", row(3, 3, 5), (8, 3), 1, False),
            ("exactly five", row(3, 3, 4), (7, 3), 1, True),
        ]
        for name, own, last, rule, expected in cases:
            with self.subTest(name):
                stones = dict.fromkeys(own, 1)
                stones[last] = 1
                self.assertEqual(board.makes_five(stones, last[0], last[1], 1, rule), expected)

    def test_opponent_stone_breaks_line(self):
        stones = {(3, 3): 1, (4, 3): 1, (5, 3): 2, (6, 3): 1, (7, 3): 1, (8, 3): 1}
        self.assertFalse(board.makes_five(stones, 8, 3, 1))

    def test_board_with_walls(self):
        b = board.Board(walls={(5, 3)})
        self.assertEqual(b.illegal_reason(5, 3), "blocked cell")
        self.assertEqual(b.illegal_reason(20, 3), "off the board")
        self.assertEqual(b.illegal_reason(-1, 0), "off the board")
        wins = []
        for black, white in zip([(3, 3), (4, 3), (6, 3), (7, 3), (8, 3), (9, 3)],
                                [(0, 10), (2, 10), (4, 10), (6, 10), (8, 10), (10, 12)]):
            wins.append(b.play(*black))
            self.assertEqual(b.illegal_reason(*black), "occupied cell")
            wins.append(b.play(*white))
        # 3,3 4,3 | wall | 6,3 .. 9,3 is four, not five; white never lines up five
        self.assertEqual(wins, [False] * 12)
        self.assertTrue(b.play(10, 3))      # 6,3 .. 10,3

    def test_full_board_counts_walls(self):
        b = board.Board(size=5, walls={(0, 0), (1, 1)})
        for y in range(5):
            for x in range(5):
                if b.illegal_reason(x, y) is None and not b.full():
                    b.stones[(x, y)] = 1
        self.assertTrue(b.full())


class LayoutTest(unittest.TestCase):
    def test_parse(self):
        cells = board.parse_layout("# comment\n\n2,3,2,1  # two cells\n10,0,1,2\n")
        self.assertEqual(cells, {(2, 3), (3, 3), (10, 0), (10, 1)})

    def test_errors(self):
        for text in ("2,3,2", "a,b,c,d", "19,0,2,1", "0,19,1,2", "0,0,0,3", "-1,0,2,2"):
            with self.subTest(text):
                with self.assertRaises(ValueError):
                    board.parse_layout(text)

    def test_layout_files(self):
        paths = sorted(glob.glob(os.path.join(HERE, "walls", "*.txt")))
        self.assertGreaterEqual(len(paths), 6)
        for path in paths:
            with self.subTest(os.path.basename(path)):
                cells = board.load_layout(path)
                self.assertTrue(cells)
                near = [c for c in cells if max(abs(c[0] - 10), abs(c[1] - 10)) <= 5]
                self.assertEqual(near, [])
                with open(path) as f:
                    for line in f:
                        line = line.split("#")[0].strip()
                        if line:
                            w, h = sorted(int(v) for v in line.split(",")[2:])
                            self.assertTrue(2 <= w <= 4 and 3 <= h <= 6, line)


class OpeningTest(unittest.TestCase):
    def test_offsets(self):
        self.assertEqual(board.parse_opening("1,-2, 0,-1, 3,2"), [(11, 8), (10, 9), (13, 12)])
        self.assertEqual(board.parse_opening("1 -2 0 -1"), [(11, 8), (10, 9)])
        self.assertEqual(board.format_opening([(11, 8), (10, 9), (13, 12)]), "1,-2, 0,-1, 3,2")
        for bad in ("1,-2, 0", "10,0", "0,0, 0,0", "-11,0"):
            with self.subTest(bad):
                with self.assertRaises(ValueError):
                    board.parse_opening(bad)

    def test_openings_file(self):
        path = os.path.join(HERE, "openings.txt")
        with open(path) as f:
            text = f.read()
        self.assertNotIn("#", text)
        openings = board.load_openings(path)
        self.assertEqual(len(openings), 120)
        shapes = set()
        for o in openings:
            self.assertEqual(len(o), 3)
            self.assertEqual(o[0], (10, 10))
            self.assertTrue(all(max(abs(x - 10), abs(y - 10)) <= 5 for x, y in o))
            shapes.add(min(make_openings.symmetries([(x - 10, y - 10) for x, y in o])))
        self.assertEqual(len(shapes), 120, "an opening and its mirror image are both listed")


MANAGER_SGF = """(;FF[4]GM[4]GN[1]EV[Rapfi x AIWine]RO[1.1]RU[0]SZ[20]PB[Rapfi]PW[AIWine]RE[B+1]TE[Black win by five connection]
;B[li]C[opening move];W[kj]C[opening move];B[nm]C[opening move]
;W[kh]C[69ms];B[ki]C[940ms];W[ji]C[45ms])

(;FF[4]GM[4]GN[2]EV[AIWine x Rapfi]RO[1.2]RU[0]SZ[20]PB[AIWine]PW[Rapfi]RE[B+1]TE[Black win by time forfeit]
;B[li]C[opening move];W[kj]C[opening move];B[nm]C[opening move])

"""

MANAGER_LOG = """[1] Started game 1 of 2 (Rapfi vs AIWine)\r
[1] Finished game 1 (Rapfi vs AIWine): 1-0 {Black win by five connection}
Score of AIWine vs Rapfi: 0 - 1 - 0  [0.000] 1
[1] Started game 2 of 2 (AIWine vs Rapfi)
[1] engine AIWine output error: start refused
[1] Finished game 2 (AIWine vs Rapfi): 1-0 {Black win by time forfeit}
Score of AIWine vs Rapfi: 1 - 1 - 0  [0.500] 2
"""


class SgfTest(unittest.TestCase):
    def test_manager_sgf(self):
        games = sgf.parse(MANAGER_SGF)
        self.assertEqual(len(games), 2)
        first = games[0]
        self.assertEqual(first["props"]["PB"], "Rapfi")
        self.assertEqual(first["props"]["RE"], "B+1")
        self.assertEqual(first["opening"], [(11, 8), (10, 9), (13, 12)])
        self.assertEqual(first["moves"], [("W", 10, 7, 69.0), ("B", 10, 8, 940.0),
                                          ("W", 9, 8, 45.0)])
        self.assertEqual(games[1]["moves"], [])

    def test_round_trip(self):
        text = sgf.format_game(3, "A", "B", 20, 0, "W+1", "five", [(10, 10), (11, 11)],
                               [(9, 9, 12.4), (12, 12, 101.0), (0, 19, 7)])
        (game,) = sgf.parse(text)
        self.assertEqual(game["props"]["GN"], "3")
        self.assertEqual(game["props"]["PW"], "B")
        self.assertEqual(game["opening"], [(10, 10), (11, 11)])
        self.assertEqual(game["moves"], [("B", 9, 9, 12.0), ("W", 12, 12, 101.0),
                                         ("B", 0, 19, 7.0)])

    def test_recount_failed_start(self):
        log_games, tally = match.read_manager_log(MANAGER_LOG.splitlines(True))
        self.assertEqual(tally, (1, 1, 0))
        self.assertEqual(log_games[2]["faults"], [("AIWine", "output error", ": start refused")])
        games = match.build_games(sgf.parse(MANAGER_SGF), log_games,
                                  {"AIWine": "A", "Rapfi": "B"}, limit_ms=3100)
        self.assertEqual([g.winner for g in games], ["B", "B"])
        self.assertEqual(games[0].times, {"A": [69.0, 45.0], "B": [940.0]})
        self.assertEqual(games[1].faults, [("A", "failed START: start refused")])
        self.assertEqual(len(games[1].notes), 1)

    def test_late_move_is_a_time_out(self):
        text = MANAGER_SGF.replace("940ms", "3600ms")
        games = match.build_games(sgf.parse(text), {}, {"AIWine": "A", "Rapfi": "B"}, 3100)
        self.assertEqual(games[0].winner, "A")
        self.assertEqual(games[0].faults[0][0], "B")


class StatsTest(unittest.TestCase):
    def test_elo(self):
        for score, expected in ((0.5, 0.0), (0.75, 190.85), (0.25, -190.85), (0.9, 381.7),
                                (1.0, 1199.8), (0.0, -1199.8)):
            with self.subTest(score):
                self.assertAlmostEqual(stats.elo(score), expected, delta=0.1)

    def test_interval_over_pairs(self):
        # each opening won once by each side: no spread between pairs
        self.assertEqual(stats.score_interval([1, 0] * 10), (0.5, 0.0))
        mean, half = stats.score_interval([1, 1, 0, 0] * 5)
        self.assertEqual(mean, 0.5)
        # pair means 1, 0, 1, 0, ...: sd 0.5, 10 pairs -> 1.96 * sqrt(0.25 * 10 / 9 / 10)
        self.assertAlmostEqual(half, 1.959964 * math.sqrt(0.25 / 9), places=6)
        mean, half = stats.score_interval([1, 0.5, 0], paired=False)
        self.assertAlmostEqual(half, 1.959964 * math.sqrt((0.25 * 2 / 3) / 2), places=6)
        self.assertEqual(stats.score_interval([]), (0.0, 0.0))

    def test_percentiles(self):
        values = list(range(1, 101))
        self.assertEqual(stats.percentile(values, 99), 99)
        self.assertEqual(stats.percentile(values, 100), 100)
        self.assertEqual(stats.percentile([7], 99), 7)
        self.assertEqual(stats.time_figures([30, 10, 20]), (3, 20, 30, 30))
        self.assertEqual(stats.time_figures([]), (0, None, None, None))

    def test_summary_counts(self):
        games = [summary.Game(1, "B", "A", "five", {"A": [50, 150], "B": [80]}),
                 summary.Game(2, "A", None, "full board"),
                 summary.Game(3, "B", "B", "crash", faults=[("A", "crash at 3")])]
        text = summary.format_summary(games, {"A": "a", "B": "b"}, 100)
        self.assertIn("A W-L-D: 1-1-1", text)
        self.assertIn("score A 0.500", text)
        self.assertIn("game 3: A crash at 3", text)


def solve(stones_black, stones_white, to_move=vcf.BLACK, walls=(), size=20):
    stones = dict.fromkeys(stones_black, vcf.BLACK)
    stones.update(dict.fromkeys(stones_white, vcf.WHITE))
    s = vcf.Solver(size, stones, to_move, walls)
    return s.shortest(), sorted(s.winning_first_moves()) if s.shortest() else []


class VcfTest(unittest.TestCase):
    def test_cases(self):
        far = [(0, 19), (2, 19), (4, 19), (6, 19), (8, 19), (10, 19)]
        closed_three = row(5, 5, 3)               # white holds 4,5
        cases = [
            ("nothing", [(10, 10)], far[:1], (), None),
            ("open three: the open four wins", row(5, 5, 3), far[:3], (), 3),
            ("closed three is no VCF", closed_three, [(4, 5)] + far[:2], (), None),
            ("five at once", row(5, 5, 4), far[:4], (), 1),
            ("double four", row(5, 5, 3) + row(8, 7, 3, 0, 1), far, (), 3),
            # 8,5 (white must take 9,5) makes 8,5..8,7 an open three; 8,4 is then an open four
            ("four, then open four", closed_three + [(8, 6), (8, 7)], [(4, 5)] + far[:4], (), 5),
            ("the edge closes the three", row(0, 5, 3), far[:3], (), None),
            ("walls close the three", row(5, 5, 3), far[:3], {(4, 5), (8, 5)}, None),
            ("a wall one cell away leaves a closed four", row(5, 5, 3), far[:3], {(9, 5), (3, 5)}, None),
            ("a wall two cells away: 4,5 still makes an open four", row(5, 5, 3), far[:3], {(10, 5)}, 3),
        ]
        for name, black, white, walls, plies in cases:
            with self.subTest(name):
                self.assertEqual(solve(black, white, walls=walls)[0], plies)

    def test_winning_first_moves(self):
        plies, wins = solve(row(5, 5, 3) + row(8, 7, 3, 0, 1),
                            [(0, 19), (2, 19), (4, 19), (6, 19), (8, 19), (10, 19)])
        self.assertEqual(plies, 3)
        self.assertIn((8, 5), wins)
        self.assertNotIn((10, 10), wins)

    def test_defender_five_threat_must_be_blocked(self):
        black = row(5, 5, 3) + row(8, 7, 3, 0, 1) + [(9, 9)]
        # white threatens five at 14,14 (9,9 is black); black's double four at 8,5 is too slow
        white = row(10, 10, 4, 1, 1) + [(0, 19), (2, 19), (4, 19)]
        self.assertEqual(solve(black, white)[0], None)
        # with 14,11..14,13 black, the block at 14,14 is itself an open four
        plies, wins = solve(black + row(14, 11, 3, 0, 1), white + [(0, 17), (2, 17), (4, 17)])
        self.assertEqual((plies, wins), (3, [(14, 14)]))

    def test_forced_block_that_makes_a_four_for_the_defender(self):
        black = row(5, 5, 3) + [(8, 6), (8, 7)]
        # white's forced 9,5 joins 9,6..9,8: an open four, and black has no five
        white = [(4, 5)] + row(9, 6, 3, 0, 1) + [(0, 19)]
        self.assertEqual(solve(black, white)[0], None)
        plies, wins = solve(black, [(4, 5)] + [(0, 19), (2, 19), (4, 19), (6, 19)])
        self.assertEqual((plies, wins), (5, [(8, 5)]))


    def test_win_against_every_reply(self):
        far = [(0, 19), (19, 0), (19, 19), (0, 0), (16, 17)]      # no two near each other
        cases = [
            # 7,5 makes two open threes (row 5..7, column 7,5..7,7): no reply stops both
            ("double three", [(5, 5), (6, 5), (7, 6), (7, 7)], far, (7, 5), True),
            ("one open three", [(5, 5), (6, 5), (12, 12), (14, 14)], far, (7, 5), False),
            # white's four 0,10..0,13 stands: its five comes first
            ("defender has a four", [(5, 5), (6, 5), (7, 6), (7, 7)],
             [(0, 10), (0, 11), (0, 12), (0, 13), (19, 0)], (7, 5), False),
        ]
        for name, black, white, move, expected in cases:
            with self.subTest(name):
                stones = dict.fromkeys(black + [move], vcf.BLACK)
                stones.update(dict.fromkeys(white, vcf.WHITE))
                solver = vcf.Solver(20, stones, vcf.BLACK)
                self.assertEqual(solver.wins_against_every_reply(), expected)
        self.assertTrue(tactics.wins_anyway([(5, 5), (0, 19), (6, 5), (19, 0), (7, 6), (19, 19),
                                             (7, 7), (0, 0)], (7, 5)))
        self.assertFalse(tactics.wins_anyway([(5, 5), (0, 19), (6, 5), (19, 0)], (7, 5)))


class TacticsFileTest(unittest.TestCase):
    def test_round_trip(self):
        line = "g1-30 | black | 9 | 3,4 5,6 | 10,10 11,11 12,12"
        (p,) = tactics.parse_positions("# comment\n" + line + "\n")
        self.assertEqual(p["wins"], [(3, 4), (5, 6)])
        self.assertEqual(p["moves"], [(10, 10), (11, 11), (12, 12)])
        self.assertEqual(tactics.format_position(p), line)
        with self.assertRaises(ValueError):
            tactics.parse_positions("g | red | 9 | 3,4 | 10,10")

    def test_vcf_file(self):
        positions = tactics.load_positions(tactics.DEFAULT_FILE)
        self.assertGreaterEqual(len(positions), 60)
        self.assertEqual(len({p["name"] for p in positions}), len(positions))
        for p in positions:
            self.assertEqual(p["side"], "black" if len(p["moves"]) % 2 == 0 else "white")
            self.assertGreaterEqual(p["plies"], 3)
            self.assertTrue(p["wins"])
            self.assertEqual(len(set(p["moves"])), len(p["moves"]))


MANAGER_FAULTS = """[1] Started game 1 of 4 (X vs Y)
[1] engine Y timeout at 7 moves after opening
[1] Finished game 1 (X vs Y): 1-0 {Black win by time forfeit}
[1] Started game 2 of 4 (Y vs X)
[1] engine X output illegal move at 2 moves after opening: 12,9
[1] Finished game 2 (Y vs X): 1-0 {Black win by opponent illegal move}
[1] Started game 3 of 4 (X vs Y)
[1] engine X crashed at 5 moves after opening
[1] Finished game 3 (X vs Y): 0-1 {White win by opponent crash}
[1] Started game 4 of 4 (Y vs X)
[1] engine X output error: Unknown command: TIME_LEFT
[1] Finished game 4 (Y vs X): 0-1 {White win by five connection}
"""


class ManagerLogTest(unittest.TestCase):
    def test_faults_by_game(self):
        log_games, tally = match.read_manager_log(MANAGER_FAULTS.splitlines())
        self.assertIsNone(tally)
        self.assertEqual([log_games[n]["faults"][0][:2] for n in (1, 2, 3, 4)],
                         [("Y", "timeout"), ("X", "output illegal move"), ("X", "crashed"),
                          ("X", "output error")])
        games_sgf = "".join(
            sgf.format_game(n, black, white, 20, 0, result, reason, [(10, 10)],
                            [(11, 11, 50), (12, 12, 60)])
            for n, black, white, result, reason in (
                (1, "X", "Y", "B+1", "Black win by time forfeit"),
                (2, "Y", "X", "B+1", "Black win by opponent illegal move"),
                (3, "X", "Y", "W+1", "White win by opponent crash"),
                (4, "Y", "X", "W+1", "White win by five connection")))
        games = match.build_games(sgf.parse(games_sgf), log_games, {"X": "A", "Y": "B"}, 3100)
        self.assertEqual([g.winner for g in games], ["A", "B", "B", "A"])
        self.assertEqual([g.reason for g in games],
                         ["time forfeit", "illegal move", "crash", "five"])
        self.assertEqual([len(g.faults) for g in games], [1, 1, 1, 0])
        # an ERROR line in the middle of a game is only a note: the game went on
        self.assertEqual(len(games[3].notes), 1)
        self.assertTrue(all(not g.notes for g in games[:3]))

    def test_unique_names(self):
        self.assertEqual(match.unique_names("pbrain-x", "pbrain-x"), ["pbrain-x_A", "pbrain-x_B"])
        self.assertEqual(match.unique_names("a b", "c=d"), ["a_b", "c_d"])


class SmallPartsTest(unittest.TestCase):
    def test_short_reason(self):
        for text, short in (("Black win by five connection", "five"),
                            ("White win by opponent illegal move", "illegal move"),
                            ("Black win by opponent crash", "crash"),
                            ("White win by time forfeit", "time forfeit"),
                            ("Draw by fullfilled board", "full board"),
                            ("Draw by adjudication", "adjudication"), ("", "?")):
            with self.subTest(text):
                self.assertEqual(engines.short_reason(text), short)

    def test_resolve_command(self):
        argv = engines.resolve_command("python3 -c 'print(1)'")
        self.assertTrue(os.path.isabs(argv[0]))
        self.assertEqual(argv[1:], ["-c", "print(1)"])
        for bad in ("", "/nonexistent/engine", "no-such-engine-anywhere"):
            with self.subTest(bad):
                with self.assertRaises(ValueError):
                    engines.resolve_command(bad)

    def test_eval_values(self):
        for text, value in (("Eval -123 |", -123), ("Eval 57 |", 57), ("Eval +M3 |", 29997),
                            ("Eval -M12 |", -29988)):
            with self.subTest(text):
                self.assertEqual(make_openings.eval_value(make_openings._EVAL.search(text)), value)

    def test_candidates_are_distinct_shapes(self):
        pool = make_openings.candidates(white_reach=1, black_reach=2)
        shapes = {min(make_openings.symmetries(o)) for o in pool}
        self.assertEqual(len(shapes), len(pool))
        self.assertTrue(all(o[0] == (0, 0) for o in pool))
        self.assertEqual(len(make_openings.symmetries([(1, 2)])), 8)

    def test_one_sided(self):
        for results, expected in ((["B", "B"], True), (["W", "W"], True), (["B", "W"], False),
                                  (["D", "B"], False), (["D", "D"], False)):
            self.assertEqual(make_openings.one_sided(results), expected, results)


class TacticsToolTest(unittest.TestCase):
    def test_pick_spreads_lengths(self):
        found = [{"name": "g%d-%d" % (i, j), "plies": plies}
                 for i, plies in enumerate((3, 3, 3, 5, 5, 7, 9, 11, 13, 15, 17, 19))
                 for j in range(2)]
        chosen = tactics.pick(found, 7)
        self.assertEqual(sorted(min(p["plies"], 15) for p in chosen), [3, 5, 7, 9, 11, 13, 15])
        self.assertEqual(len({p["name"].rsplit("-", 1)[0] for p in chosen}), 7)
        self.assertEqual(len(tactics.pick(found, 100)), len(found))

    def test_harvest_finds_the_attack(self):
        # black builds an open three and plays the open four; white plays far away
        opening = [(10, 10), (0, 19)]
        moves = [(5, 5, 1), (19, 0, 1), (6, 5, 1), (19, 19, 1), (7, 5, 1), (0, 0, 1),
                 (8, 5, 1)]
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "games.sgf")
            with open(path, "w") as f:
                f.write(sgf.format_game(1, "A", "B", 20, 0, "B+1", "five", opening, moves))
            found = tactics.harvest([path], node_limit=20000, per_game=3)
        self.assertTrue(found)
        first = found[0]
        self.assertEqual(first["side"], "black")
        self.assertGreaterEqual(first["plies"], 3)
        self.assertEqual(tactics.solve(first["moves"])[1:], (first["plies"], first["wins"]))


FAKE = os.path.join(HERE, "fake_engine.py")


class RefereeTest(unittest.TestCase):
    """The referee against our own misbehaving engine (fast; no outside program)."""

    def run_referee(self, a_args, b_args, games, walls_text=None):
        tmp = tempfile.mkdtemp()
        self.addCleanup(lambda: __import__("shutil").rmtree(tmp, ignore_errors=True))
        openings = os.path.join(tmp, "openings.txt")
        with open(openings, "w") as f:
            f.write("0,0, 1,1, -1,1\n2,-1, -1,3, -2,3\n")
        argv = ["--engine-a", " ".join([sys.executable, FAKE] + a_args),
                "--engine-b", " ".join([sys.executable, FAKE] + b_args),
                "--games", str(games), "--openings", openings, "--out",
                os.path.join(tmp, "out"), "--quiet"]
        if walls_text:
            layout = os.path.join(tmp, "layout.txt")
            with open(layout, "w") as f:
                f.write(walls_text)
            argv += ["--walls", layout]
        with contextlib.redirect_stdout(io.StringIO()) as out:
            self.assertEqual(referee.main(argv), 0)
        return sgf.parse_file(os.path.join(tmp, "out", "games.sgf")), out.getvalue()

    def replay(self, game, walls=()):
        """Every move legal; returns whether the last move made five."""
        b = board.Board(walls=walls)
        won = False
        for x, y in game["opening"] + [(m[1], m[2]) for m in game["moves"]]:
            self.assertIsNone(b.illegal_reason(x, y))
            self.assertFalse(won, "a move after the five")
            won = b.play(x, y)
        return won

    def test_clean_games_end_with_a_five(self):
        games, text = self.run_referee([], [], 2)
        self.assertEqual([g["props"]["TE"] for g in games], ["five", "five"])
        self.assertEqual([g["props"]["PB"] for g in games], ["B", "A"])
        for g in games:
            self.assertTrue(self.replay(g))
        self.assertIn("faults: none", text)

    def test_faults(self):
        games, text = self.run_referee(["--start-error", "1", "--illegal", "2:2", "--crash", "3:1"],
                                       [], 3)
        self.assertEqual([(g["props"]["TE"], g["props"]["RE"]) for g in games],
                         [("time forfeit", "B+1"), ("illegal move", "W+1"),
                          ("crash", "B+1")])
        self.assertIn("game 1: A failed START: ERROR start refused", text)
        self.assertIn("game 2: A illegal move at 3 moves after opening", text)
        self.assertIn("game 3: A crash at 0 moves after opening", text)
        self.assertIn("A W-L-D: 0-3-0", text)

    def test_walls_are_sent_and_enforced(self):
        # the test engine plays the free cell nearest the centre, 9,9 and 10,9 first
        games, _text = self.run_referee([], [], 2, "9,9,2,1\n")
        for g in games:
            self.assertTrue(self.replay(g, {(9, 9), (10, 9)}))
        with self.assertRaises(SystemExit):       # the opening's 11,11 is blocked
            self.run_referee([], [], 1, "11,11,1,1\n")
        games, text = self.run_referee([], ["--illegal", "1:1"], 1, "12,12,2,2\n")
        self.assertIn("illegal move", text)


class SprtTest(unittest.TestCase):
    def test_llr_sign_and_size(self):
        # (pair scores, elo0, elo1, expected sign of the LLR)
        rows = [([1.0, 0.75, 0.5, 0.75, 1.0, 0.5] * 20, 0, 5, 1),
                ([0.0, 0.25, 0.5, 0.25, 0.0, 0.5] * 20, 0, 5, -1),
                ([0.5] * 50, 0, 5, 0),                 # no spread: no evidence either way
                ([0.75], 0, 5, 0)]                     # a single pair decides nothing
        for pairs, elo0, elo1, sign in rows:
            value = sprt.llr(pairs, elo0, elo1)
            self.assertEqual((value > 0) - (value < 0), sign, pairs[:6])
        # an even match at the midpoint of the hypotheses weighs nothing
        mid = (sprt.expected_score(0) + sprt.expected_score(5)) / 2
        self.assertAlmostEqual(sprt.llr([mid - 0.25, mid + 0.25] * 10, 0, 5), 0.0, places=9)
        low, high = sprt.bounds(0.05, 0.05)
        self.assertAlmostEqual(low, -math.log(19))
        self.assertAlmostEqual(high, math.log(19))

    def test_pairs_wait_for_both_games_of_an_opening(self):
        tally = sprt.Tally()
        for number, result, black in [(2, "1-0", "base"), (3, "0-1", "base"),
                                      (1, "1/2-1/2", "new"), (6, "1-0", "new")]:
            tally.add(number, sprt.game_score(result, black, "new"))
        self.assertEqual(tally.pairs(), [0.25])      # games 1 and 2; 3-4 and 5-6 are open
        self.assertEqual(tally.wld(), (2, 1, 1))
        tally.add(4, sprt.game_score("0-1", "new", "new"))
        self.assertEqual(tally.pairs(), [0.25, 0.5])


if __name__ == "__main__":
    unittest.main()
