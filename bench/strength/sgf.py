"""Reading and writing the SGF that the match manager writes (and our referee too)."""
import re

_GAME = re.compile(r"\(;(.*?)\)\s*(?=\(;|\Z)", re.S)
_NODE_PROP = re.compile(r"([A-Z]+)((?:\[[^\]]*\])+)")
_VALUE = re.compile(r"\[([^\]]*)\]")
_MS = re.compile(r"^\s*(\d+(?:\.\d+)?)\s*ms\s*$")


def _coord(text):
    return ord(text[0]) - ord("a"), ord(text[1]) - ord("a")


def parse(text):
    """All games of an SGF file: a list of dicts with
    'props' (root properties, first value each), 'opening' [(x, y)], and
    'moves' [(colour 'B'|'W', x, y, ms or None)] for the moves after the opening."""
    games = []
    for match in _GAME.finditer(text):
        nodes = match.group(1).split(";")
        props = {}
        for key, values in _NODE_PROP.findall(nodes[0]):
            props[key] = _VALUE.findall(values)[0]
        opening, moves = [], []
        for node in nodes[1:]:
            found = dict((k, _VALUE.findall(v)) for k, v in _NODE_PROP.findall(node))
            colour = "B" if "B" in found else "W" if "W" in found else None
            if colour is None or not found[colour] or len(found[colour][0]) != 2:
                continue
            x, y = _coord(found[colour][0])
            comment = found.get("C", [""])[0]
            if comment == "opening move":
                opening.append((x, y))
                continue
            ms = _MS.match(comment)
            moves.append((colour, x, y, float(ms.group(1)) if ms else None))
        games.append({"props": props, "opening": opening, "moves": moves})
    return games


def parse_file(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return parse(f.read())


def _letters(x, y):
    return chr(ord("a") + x) + chr(ord("a") + y)


def format_game(number, black, white, size, rule, result, reason, opening, moves, event=""):
    """One game in the same form: result 'B+1', 'W+1' or '0'; moves [(x, y, ms)] after the opening."""
    head = "(;FF[4]GM[4]GN[%d]EV[%s]RU[%d]SZ[%d]PB[%s]PW[%s]RE[%s]TE[%s]\n" % (
        number, event or "%s x %s" % (black, white), rule, size, black, white, result, reason)
    nodes = []
    for i, (x, y) in enumerate(opening):
        nodes.append(";%s[%s]C[opening move]" % ("BW"[i % 2], _letters(x, y)))
    for j, (x, y, ms) in enumerate(moves):
        nodes.append(";%s[%s]C[%dms]" % ("BW"[(len(opening) + j) % 2], _letters(x, y), round(ms)))
    return head + "\n".join(nodes) + ")\n\n"
