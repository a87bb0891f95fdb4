#!/usr/bin/env python3
"""Unit tests of tune.py: the data file's reading and writing, the data sets, and the fit on
synthetic data whose answer is known. Exits 77 (skipped) when NumPy is absent."""
import os
import sys
import tempfile
import unittest

try:
    import numpy as np
except ImportError:
    np = None

HERE = os.path.dirname(os.path.abspath(__file__))
WEIGHTS = os.path.join(HERE, "..", "..", "src", "engine", "eval_weights.txt")

if np is not None:
    sys.path.insert(0, HERE)
    import tune


def repository_weights():
    with open(WEIGHTS, encoding="utf-8") as f:
        return f.read()


class DataFile(unittest.TestCase):
    def test_round_trip_keeps_every_character(self):
        text = repository_weights()
        self.assertEqual(tune.write_weights(text, dict(tune.read_weights(text))), text)

    def test_written_values_read_back_and_comments_stay(self):
        text = repository_weights()
        changed = dict(tune.read_weights(text), **{"pattern.Two": 9, "position.ThreeThree": -4})
        written = tune.write_weights(text, changed)
        self.assertEqual(dict(tune.read_weights(written)), changed)
        comments = [line for line in text.splitlines() if line.startswith("#") or not line]
        self.assertEqual([line for line in written.splitlines() if line.startswith("#") or not line],
                         comments)

    def test_malformed_lines_are_refused(self):
        for line in ["pattern.One", "pattern.One 1 2", "pattern One 1", "pattern.One x"]:
            with self.subTest(line=line), self.assertRaises(ValueError):
                tune.read_weights("# fine\npattern.Dead 0\n" + line + "\n")

    def test_comments_and_blank_lines_are_not_weights(self):
        self.assertEqual(tune.read_weights("# a.b 1\n\n  threat.Four 5  # note\n"),
                         [("threat.Four", 5)])


class DataSets(unittest.TestCase):
    def test_design_is_ours_less_theirs_and_the_bonus_itself(self):
        text = ("# comment\n"
                "game ply result us.pattern.One them.pattern.One us.threat.Four them.threat.Four"
                " position.FourThree\n"
                "0 5 1 10 4 1 0 0\n"
                "1 7 0.5 3 8 0 2 1\n")
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "data.txt")
            with open(path, "w", encoding="utf-8") as f:
                f.write(text)
            names, rows = tune.load_dataset([path, path])
        self.assertEqual(rows.shape, (4, 8))
        x = tune.design(names, rows, ["pattern.One", "threat.Four", "position.FourThree"])
        np.testing.assert_array_equal(x[:2], [[6, 1, 0], [-5, -2, 1]])


class Fit(unittest.TestCase):
    # Weights of the data file's shape, the answer's starting point whatever the file holds now.
    START = {"pattern.Dead": 0, "pattern.One": 1, "pattern.OpenOne": 3, "pattern.Two": 6,
             "pattern.OpenTwo": 14, "pattern.Three": 16, "pattern.OpenThree": 48,
             "pattern.Four": 56, "pattern.OpenFour": 300, "pattern.Five": 2000,
             "threat.None": 0, "threat.Three": 0, "threat.ThreeThree": 150, "threat.Four": 0,
             "threat.FourThree": 250, "threat.OpenFour": 600, "threat.Five": 2000,
             "position.FourThree": 3000, "position.ThreeThree": 1500}

    def setUp(self):
        self.names = list(self.START)
        self.start = np.array(list(self.START.values()))
        random = np.random.default_rng(1)
        self.x = random.integers(-6, 7, size=(4000, len(self.names))).astype(float)

    def test_scale_is_found(self):
        evals = np.linspace(-3000, 3000, 2001)
        for k in (0.0004, 0.002, 0.01):
            with self.subTest(k=k):
                self.assertAlmostEqual(tune.fit_scale(evals, tune.sigmoid(k * evals)) / k, 1, 3)

    def test_tuning_finds_the_weights_that_made_the_results(self):
        truth = self.start.copy()
        for name, value in {"pattern.Two": 10, "pattern.OpenThree": 52, "threat.Four": 40,
                            "position.ThreeThree": 1200}.items():
            truth[self.names.index(name)] = value
        self.assertTrue(tune.allowed(truth, self.names))
        k = 0.001
        results = tune.sigmoid(k * (self.x @ truth))
        weights, final = tune.tune(self.x, results, self.start, self.names, k)
        self.assertLess(final, tune.error(self.x @ self.start, results, k) / 100)
        for name in ("pattern.Two", "pattern.OpenThree", "threat.Four", "position.ThreeThree"):
            j = self.names.index(name)
            self.assertLessEqual(abs(weights[j] - truth[j]), max(2, truth[j] // 50), name)

    def test_tuned_weights_keep_the_order_and_the_fixed_ones(self):
        # Results that reward weak patterns over strong ones: the order must hold regardless.
        backwards = self.start.copy()
        for j, name in enumerate(self.names):
            if name.startswith("pattern.") and name not in tune.FIXED:
                backwards[j] = 400 - 40 * j
        k = 0.001
        results = tune.sigmoid(k * (self.x @ backwards))
        weights, _ = tune.tune(self.x, results, self.start, self.names, k)
        self.assertTrue(tune.allowed(weights, self.names))
        for name in tune.FIXED:
            j = self.names.index(name)
            self.assertEqual(weights[j], self.start[j], name)
        self.assertTrue(all(isinstance(int(w), int) for w in weights))


if __name__ == "__main__":
    if np is None:
        print("NumPy is absent: tune.py's tests are skipped")
        sys.exit(77)
    unittest.main()
