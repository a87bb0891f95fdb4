"""An exhaustive solver for wins by continuous fours (VCF), five or more in a row.

The attacker may only play fours (moves after which it threatens five); the defender's
reply is then forced: it must take the five-point, unless it can make five itself (the
attack fails) or the attacker threatens two five-points (the attack wins). A defender's
block may make a four of its own; the attacker must then block it with a four. Walls
and the edge stop lines. No time or node limit unless one is given."""
import random

EMPTY, BLACK, WHITE, WALL = 0, 1, 2, 3
PAD = 4
INFINITE = 10 ** 6


class NodeLimit(Exception):
    pass


_GEOMETRY = {}


def _geometry(size):
    """Hash keys per cell and colour, the windows of five on the board and the windows
    through each cell; computed once per board size."""
    if size not in _GEOMETRY:
        width = size + 2 * PAD
        steps = (1, width, width + 1, width - 1)
        rng = random.Random(5)
        zobrist = [(0, rng.getrandbits(64), rng.getrandbits(64)) for _ in range(width * width)]

        def on_board(p):
            return PAD <= p % width < PAD + size and PAD <= p // width < PAD + size

        window_cells, through = {}, {}
        for y in range(size):
            for x in range(size):
                p = (y + PAD) * width + x + PAD
                ids = []
                for d, step in enumerate(steps):
                    for k in range(5):
                        start = p - k * step
                        cells = tuple(start + i * step for i in range(5))
                        if all(on_board(c) for c in cells):
                            window_cells[start * 4 + d] = cells
                            ids.append(start * 4 + d)
                through[p] = ids
        _GEOMETRY[size] = zobrist, window_cells, through
    return _GEOMETRY[size]


class Solver:
    """A position with a side to move (the attacker), searched for VCF."""

    def __init__(self, size, stones, attacker, walls=()):
        self.size = size
        self.width = size + 2 * PAD
        self.cells = [WALL] * (self.width * self.width)
        for y in range(size):
            for x in range(size):
                self.cells[self.index(x, y)] = EMPTY
        for x, y in walls:
            self.cells[self.index(x, y)] = WALL
        self.attacker = attacker
        self.defender = 3 - attacker
        self.zobrist, self.window_cells, self.through = _geometry(size)
        self.key = 0
        self.fours = set()      # attacker: 4 stones + 1 empty
        self.threes = set()     # attacker: 3 stones + 2 empty
        self.threats = set()    # defender: 4 stones + 1 empty
        for (x, y), colour in stones.items():
            self.cells[self.index(x, y)] = colour
            self.key ^= self.zobrist[self.index(x, y)][colour]
        for wid in self.window_cells:
            self._classify(wid)
        self.fail_depth = {}
        self.win_depth = {}
        self.nodes = 0
        self.node_limit = None

    def index(self, x, y):
        return (y + PAD) * self.width + x + PAD

    def point(self, p):
        return p % self.width - PAD, p // self.width - PAD

    def _classify(self, wid):
        cells = self.cells
        a = b = e = 0
        for c in self.window_cells[wid]:
            v = cells[c]
            if v == EMPTY:
                e += 1
            elif v == self.attacker:
                a += 1
            elif v == self.defender:
                b += 1
            else:
                return
        if a == 4 and e == 1:
            self.fours.add(wid)
        elif a == 3 and e == 2:
            self.threes.add(wid)
        elif b == 4 and e == 1:
            self.threats.add(wid)

    def _set(self, p, colour):
        old = self.cells[p]
        self.key ^= self.zobrist[p][colour if colour else old]
        self.cells[p] = colour
        for wid in self.through[p]:
            self.fours.discard(wid)
            self.threes.discard(wid)
            self.threats.discard(wid)
            self._classify(wid)

    def _empties(self, windows):
        cells = self.cells
        return {c for wid in windows for c in self.window_cells[wid] if cells[c] == EMPTY}

    def five_points(self):
        """Cells where the attacker would make five."""
        return self._empties(self.fours)

    def defender_five_points(self):
        return self._empties(self.threats)

    def four_moves(self):
        """Cells where the attacker makes a four; restricted to the defender's five-point
        when the defender threatens one (the attacker must block it)."""
        moves = self._empties(self.threes)
        threats = self.defender_five_points()
        if threats:
            moves &= threats
        return sorted(moves)

    def _after_four(self, m, depth):
        """The attacker has played the four m: True when it wins within `depth` more fours."""
        if self.threats:
            return False                      # the defender makes five
        points = self.five_points()
        if len(points) >= 2:
            return True
        reply = points.pop()
        self._set(reply, self.defender)
        result = self._attack(depth)
        self._set(reply, EMPTY)
        return result

    def _attack(self, depth):
        if self.fours:
            return True
        if len(self.defender_five_points()) > 1 or depth <= 0:
            return False
        key = self.key
        if self.fail_depth.get(key, -1) >= depth:
            return False
        if self.win_depth.get(key, INFINITE + 1) <= depth:
            return True
        self.nodes += 1
        if self.node_limit is not None and self.nodes > self.node_limit:
            raise NodeLimit()
        for m in self.four_moves():
            self._set(m, self.attacker)
            won = self._after_four(m, depth - 1)
            self._set(m, EMPTY)
            if won:
                self.win_depth[key] = min(depth, self.win_depth.get(key, INFINITE + 1))
                return True
        self.fail_depth[key] = max(depth, self.fail_depth.get(key, -1))
        return False

    def immediate_five(self):
        return bool(self.fours)

    def wins(self, depth=INFINITE):
        """True when the attacker wins by VCF with at most `depth` fours before the five."""
        return self._attack(depth)

    def wins_against_every_reply(self):
        """The attacker has just moved and the defender is to move: True when every
        reply leaves the attacker a VCF (or a five). A sufficient test that the last
        move wins, for moves that are not fours (a double three, say)."""
        if self.threats:
            return False                      # the defender makes five
        for p in range(len(self.cells)):
            if self.cells[p] != EMPTY:
                continue
            self._set(p, self.defender)
            won = self._attack(INFINITE)
            self._set(p, EMPTY)
            if not won:
                return False
        return True

    def winning_first_moves(self):
        """Every first four from which the attacker wins by VCF (exhaustive)."""
        winners = []
        for m in self.four_moves():
            self._set(m, self.attacker)
            if self._after_four(m, INFINITE):
                winners.append(self.point(m))
            self._set(m, EMPTY)
        return winners

    def shortest(self):
        """Plies of the shortest forced win up to the five (fours, replies and the five),
        or None without VCF. A double four at once is 3 plies."""
        if self.fours:
            return 1
        if not self._attack(INFINITE):
            return None
        depth = 1
        while not self._attack(depth):
            depth += 1
        return 2 * depth + 1


def solver_for(moves, size=20, walls=()):
    """The solver for the side to move after `moves` (game order, black first)."""
    stones = {m: BLACK if i % 2 == 0 else WHITE for i, m in enumerate(moves)}
    return Solver(size, stones, BLACK if len(moves) % 2 == 0 else WHITE, walls)
