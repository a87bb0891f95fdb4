"""Board rules shared by the strength tools: coordinates, openings, wall layouts, fives."""
import os

SIZE = 20
DIRECTIONS = ((1, 0), (0, 1), (1, 1), (1, -1))


def parse_point(text):
    """'x,y' (spaces allowed) -> (x, y); raises ValueError."""
    parts = [p.strip() for p in text.split(",")]
    if len(parts) < 2:
        raise ValueError("not a point: %r" % text)
    return int(parts[0]), int(parts[1])


def parse_opening(line, size=SIZE):
    """An opening in the offset format ('dx,dy, dx,dy, ...' from size/2) -> absolute moves."""
    numbers = line.replace(",", " ").split()
    if len(numbers) % 2:
        raise ValueError("odd number of offsets: %r" % line)
    centre = size // 2
    moves = []
    for i in range(0, len(numbers), 2):
        x, y = centre + int(numbers[i]), centre + int(numbers[i + 1])
        if not (0 <= x < size and 0 <= y < size):
            raise ValueError("off the board: %r" % line)
        if (x, y) in moves:
            raise ValueError("cell given twice: %r" % line)
        moves.append((x, y))
    return moves


def format_opening(moves, size=SIZE):
    centre = size // 2
    return ", ".join("%d,%d" % (x - centre, y - centre) for x, y in moves)


def load_openings(path, size=SIZE):
    with open(path) as f:
        return [parse_opening(line, size) for line in f if line.strip()]


def parse_layout(text, size=SIZE):
    """A wall layout: one rectangle 'x,y,w,h' a line (top-left cell, width, height).

    '#' starts a comment; blank lines are skipped. Returns the set of blocked cells."""
    cells = set()
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.split("#", 1)[0].strip()
        if not line:
            continue
        try:
            x, y, w, h = (int(v) for v in line.split(","))
        except ValueError:
            raise ValueError("line %d: expected x,y,w,h: %r" % (number, raw)) from None
        if w < 1 or h < 1 or x < 0 or y < 0 or x + w > size or y + h > size:
            raise ValueError("line %d: rectangle off the board: %r" % (number, raw))
        cells.update((x + i, y + j) for i in range(w) for j in range(h))
    return cells


def load_layout(path, size=SIZE):
    with open(path) as f:
        return parse_layout(f.read(), size)


def layout_name(path):
    return os.path.splitext(os.path.basename(path))[0]


def line_length(stones, x, y, colour, dx, dy):
    """Length of the run of `colour` through (x, y) along (dx, dy); (x, y) counts as `colour`."""
    n = 1
    for sign in (1, -1):
        cx, cy = x + sign * dx, y + sign * dy
        while stones.get((cx, cy)) == colour:
            n += 1
            cx, cy = cx + sign * dx, cy + sign * dy
    return n


def makes_five(stones, x, y, colour, rule=0):
    """True when a stone of `colour` at (x, y) completes a winning line.

    Rule 0: five or more in a row; rule 1: exactly five. Walls, empty cells, the
    opponent's stones and the edge all stop a line (they are not `colour`)."""
    for dx, dy in DIRECTIONS:
        n = line_length(stones, x, y, colour, dx, dy)
        if n == 5 or (n > 5 and rule == 0):
            return True
    return False


class Board:
    """A game in progress: stones in game order, walls, legality and the end of the game."""

    def __init__(self, size=SIZE, walls=(), rule=0):
        self.size = size
        self.walls = frozenset(walls)
        self.rule = rule
        self.stones = {}      # (x, y) -> 1 black, 2 white
        self.moves = []

    def to_move(self):
        return 1 if len(self.moves) % 2 == 0 else 2

    def illegal_reason(self, x, y):
        """None when (x, y) may be played, otherwise why not."""
        if not (0 <= x < self.size and 0 <= y < self.size):
            return "off the board"
        if (x, y) in self.walls:
            return "blocked cell"
        if (x, y) in self.stones:
            return "occupied cell"
        return None

    def play(self, x, y):
        """Place the next stone; returns True when it wins. The move must be legal."""
        colour = self.to_move()
        self.stones[(x, y)] = colour
        self.moves.append((x, y))
        return makes_five(self.stones, x, y, colour, self.rule)

    def full(self):
        return len(self.stones) + len(self.walls) >= self.size * self.size
