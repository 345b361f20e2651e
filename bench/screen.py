"""What the user sees: the screen watcher (zingbox_screen_watch), one process for a run.

The probe movies paint a square of their own colour over the middle of the stage in
their first frame (bench/ProbeMovies.cpp); the game's square goes after three frames,
so it comes back with every load. The watcher looks at a few pixels every few ms and
stamps what it sees with CLOCK_MONOTONIC, the clock of time.monotonic().
"""
import collections
import os
import re
import subprocess
import time

from process_tree import CLOCK_TICKS, cpu_ticks

MARKS = {"zingbox": "e0218a", "wuzz": "2090ff"}
SPOT = 4  # pixels a side: well inside a square 48 stage pixels wide, at any player size
POLL_MS = 4  # how often the watcher looks for a first frame or a key's answer (ScreenWatch.cpp)
PACE_POLL_MS = 2  # while it follows the frames
PRESS_POLL_MS = 1  # while a key is held

Region = collections.namedtuple("Region", "x y width height colour")


def spot(centre, colour, side=SPOT):
    """A few pixels around a point that must all show a colour."""
    return Region(centre[0] - side // 2, centre[1] - side // 2, side, side, colour)


def picture_colour(path):
    """The colour in the middle of a picture file, as rrggbb (ImageMagick reads it)."""
    pixel = subprocess.run(["convert", f"{path}[0]", "-gravity", "center", "-crop", "1x1+0+0", "-depth", "8", "txt:-"],
                           check=True, capture_output=True, text=True).stdout
    return re.search(r" #([0-9A-Fa-f]{6})", pixel).group(1).lower()


def mark(centre, movie):
    """Where a probe movie's first frame shows: the middle of the player."""
    return spot(centre, MARKS[movie])


class ScreenWatch:
    def __init__(self, binary):
        self.process = subprocess.Popen([binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.asked_at = None

    def ask(self, request):
        self.process.stdin.write(request + "\n")
        self.process.stdin.flush()
        return self.process.stdout.readline().split()

    def begin(self, timeout_s, *regions):
        """Starts watching; returns once the watcher has looked at the screen once."""
        answer = " ".join(self.ask(f"watch {round(timeout_s * 1000)} {_fields(regions)}"))
        if answer != "ready":
            raise RuntimeError(f"screen watcher: {answer or 'ended'}")
        self.asked_at = time.monotonic() * 1000

    def end(self):
        """Per region, the monotonic ms at which it first showed its colour, or None.
        A region that already showed it when the watch began is an error: the moment
        it appeared is unknown."""
        return _seen(self.process.stdout.readline().split(), self.asked_at)

    def wait_for(self, timeout_s, region):
        """Whether the region shows its colour, now or within the time given."""
        self.begin(timeout_s, region)
        return _seen(self.process.stdout.readline().split(), float("-inf"))[0] is not None

    def press(self, timeout_s, key, *regions):
        """Presses a key (an X keysym name) with the X test extension and holds it until
        every region shows its colour or the time is out. Returns the monotonic ms of the
        press and, per region, the ms at which it first showed its colour, or None."""
        fields = self.ask(f"press {round(timeout_s * 1000)} {key} {_fields(regions)}")
        pressed = float(fields[1]) if fields[:1] == ["seen"] and len(fields) > 1 else float("inf")
        return pressed, _seen(fields[:1] + fields[2:], pressed)

    def pace(self, seconds, region, colours):
        """Looks at a region for the time given; returns (monotonic ms, colour index) for
        each change of which of the colours it shows."""
        fields = self.ask(f"pace {round(seconds * 1000)} {' '.join(map(str, region[:4]))} {' '.join(colours)}")
        if fields[:1] != ["paced"]:
            raise RuntimeError(f"screen watcher: {' '.join(fields) or 'ended'}")
        return list(zip(map(float, fields[1::2]), map(int, fields[2::2])))

    def cost(self, seconds, x_server):
        """Shares of a core that watching two regions costs the watcher and the X server,
        over a still screen."""
        regions = [spot((10, 10), "fe01fe"), spot((40, 40), "fe01fe")]  # a colour a bare screen never shows
        before = cpu_ticks([self.process.pid, x_server])
        began = time.monotonic()
        self.begin(seconds, *regions)
        self.end()
        after = cpu_ticks([self.process.pid, x_server])
        took = time.monotonic() - began
        return [(after[pid] - before[pid]) / CLOCK_TICKS / took for pid in (self.process.pid, x_server)]

    def close(self):
        self.process.stdin.close()
        self.process.wait(timeout=10)


def _fields(regions):
    return " ".join(" ".join(map(str, r[:4])) + " " + r.colour for r in regions)


def _seen(fields, asked_at):
    if fields[:1] != ["seen"]:
        raise RuntimeError(f"screen watcher: {' '.join(fields) or 'ended'}")
    times = [None if field == "-" else float(field) for field in fields[1:]]
    if any(t is not None and t < asked_at for t in times):
        raise RuntimeError("the screen already showed what was to be watched for")
    return times


def x_server_pid():
    """The X server of $DISPLAY, started by xvfb-run: the Xvfb that names the display."""
    display = os.environ["DISPLAY"].encode()
    for name in os.listdir("/proc"):
        try:
            with open(f"/proc/{name}/cmdline", "rb") as f:
                arguments = f.read().split(b"\0")
        except OSError:
            continue
        if arguments[0].endswith(b"Xvfb") and display in arguments:
            return int(name)
    raise RuntimeError(f"no Xvfb serves {display.decode()}")
