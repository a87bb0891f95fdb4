"""Running Gomocup (pbrain) engines: commands, a process wrapper, output folders."""
import os
import queue
import re
import shlex
import shutil
import subprocess
import threading
import time

MOVE = re.compile(r"^\s*(-?\d+)\s*,\s*(-?\d+)\s*$")
ANSWER_GAP = 0.010   # pause after an answer before the next command: some engines drop
#                      words that arrive while they are still finishing a move


def resolve_command(text):
    """'path args...' -> argv with an absolute program path; ValueError when not found."""
    argv = shlex.split(text)
    if not argv:
        raise ValueError("empty engine command")
    program = argv[0]
    if os.sep in program:
        program = os.path.abspath(program)
        if not os.path.isfile(program):
            raise ValueError("engine not found: %s" % argv[0])
    else:
        found = shutil.which(program)
        if not found:
            raise ValueError("engine not found: %s" % argv[0])
        program = os.path.abspath(found)
    return [program] + argv[1:]


def fresh_folder(path):
    """Create `path`; refuse one that already holds files (the manager appends to its files)."""
    if os.path.isdir(path) and os.listdir(path):
        raise SystemExit("output folder %s is not empty; give a fresh --out" % path)
    os.makedirs(path, exist_ok=True)
    return os.path.abspath(path)


def add_match_arguments(ap, out_prefix):
    """The options match.py and referee.py share."""
    ap.add_argument("--engine-a", required=True, help="engine A: path and optional arguments")
    ap.add_argument("--engine-b", required=True, help="engine B: path and optional arguments")
    ap.add_argument("--games", type=int, default=20, help="number of games (default 20)")
    ap.add_argument("--rule", type=int, choices=(0, 1), default=0,
                    help="0 five or more (default), 1 exactly five")
    ap.add_argument("--turn-ms", type=int, default=100, help="time a move in ms (default 100)")
    ap.add_argument("--openings", default=os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                       "openings.txt"))
    ap.add_argument("--out", help="fresh folder for the files (default ./%s-DATE-TIME)" % out_prefix)
    ap.add_argument("--quiet", action="store_true", help="no line per finished game")


_REASONS = (("five connection", "five"), ("illegal move", "illegal move"),
            ("crash", "crash"), ("time forfeit", "time forfeit"),
            ("fullfilled board", "full board"), ("full board", "full board"),
            ("adjudication", "adjudication"), ("forbidden", "forbidden move"))


def short_reason(text):
    lower = text.lower()
    for key, short in _REASONS:
        if key in lower:
            return short
    return text or "?"


class Engine:
    """One engine process; lines are read by a thread and time-stamped when they arrive."""

    def __init__(self, argv, stderr_path=None, on_message=None):
        self.argv = list(argv)
        self.stderr_path = stderr_path
        self.on_message = on_message or (lambda line: None)
        self.proc = None
        self.lines = None
        self.last_answer = 0.0

    def start(self):
        err = open(self.stderr_path, "a") if self.stderr_path else subprocess.DEVNULL
        cwd = os.path.dirname(self.argv[0]) or None
        self.proc = subprocess.Popen(self.argv, cwd=cwd, stdin=subprocess.PIPE,
                                     stdout=subprocess.PIPE, stderr=err, text=True,
                                     errors="replace", bufsize=1)
        if err is not subprocess.DEVNULL:
            err.close()
        self.lines = queue.Queue()
        threading.Thread(target=self._read, args=(self.proc.stdout, self.lines), daemon=True).start()

    @staticmethod
    def _read(stream, lines):
        for line in stream:
            lines.put((time.monotonic(), line.rstrip("\r\n")))
        lines.put((time.monotonic(), None))

    def alive(self):
        return self.proc is not None and self.proc.poll() is None

    def send(self, *lines):
        """Write the lines; returns the time of the write, or None when the pipe is closed."""
        wait = self.last_answer + ANSWER_GAP - time.monotonic()
        if wait > 0:
            time.sleep(wait)
        try:
            self.proc.stdin.write("".join(line + "\n" for line in lines))
            self.proc.stdin.flush()
        except (BrokenPipeError, OSError, ValueError):
            return None
        return time.monotonic()

    def read(self, deadline):
        """(time, line) of the next line; line None at end of output; raises queue.Empty."""
        return self.lines.get(timeout=max(0.0, deadline - time.monotonic()))

    def answer(self, timeout, resend=None):
        """Wait for the first line that is not a MESSAGE/DEBUG line.

        Returns (kind, value, time): ('line', text, t), ('eof', None, t), ('timeout', None, t).
        With `resend` = (lines, marker): an 'ERROR ... marker' line (the engine lost the
        start of a command) re-sends those lines once."""
        deadline = time.monotonic() + timeout
        while True:
            try:
                t, line = self.read(deadline)
            except queue.Empty:
                return "timeout", None, time.monotonic()
            if line is None:
                return "eof", None, t
            word = line.split(" ", 1)[0].upper()
            if word in ("MESSAGE", "DEBUG", "UNKNOWN"):
                self.on_message(line)
                continue
            if word == "ERROR" and resend and resend[1] in line:
                self.on_message(line)
                self.send(*resend[0])
                resend = None
                continue
            self.last_answer = t
            return "line", line, t

    def move(self, timeout, command_lines, marker):
        """Send a command that asks for a move; returns (kind, (x, y) or text, ms).

        kind: 'move', 'timeout', 'crash' or 'bad' (an answer that is not x,y). Lines that
        begin with ERROR are ignored while the engine thinks."""
        sent = self.send(*command_lines)
        if sent is None:
            return "crash", None, 0.0
        resend = (command_lines, marker)
        deadline = sent + timeout
        while True:
            kind, line, t = self.answer(max(0.0, deadline - time.monotonic()), resend)
            resend = None
            ms = (t - sent) * 1000.0
            if kind == "timeout":
                return "timeout", None, ms
            if kind == "eof":
                return "crash", None, ms
            m = MOVE.match(line)
            if m:
                return "move", (int(m.group(1)), int(m.group(2))), ms
            if line.upper().startswith("ERROR"):
                self.on_message(line)
                continue
            return "bad", line, ms

    def kill(self):
        if self.proc is None:
            return
        if self.proc.poll() is None:
            self.proc.kill()
        try:
            self.proc.wait(timeout=5)
        except subprocess.TimeoutExpired:
            pass
        for stream in (self.proc.stdin, self.proc.stdout):
            try:
                stream.close()
            except OSError:
                pass
        self.proc = None

    def close(self):
        """END, a second to leave, then kill."""
        if self.alive():
            self.send("END")
            try:
                self.proc.wait(timeout=1.0)
            except subprocess.TimeoutExpired:
                pass
        self.kill()
