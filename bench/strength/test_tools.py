"""Unit tests of the strength tools' pure logic: python3 -m unittest (from this folder)."""
import glob
import math
import os
import unittest

import board
import make_openings
import match
import sgf
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


if __name__ == "__main__":
    unittest.main()
