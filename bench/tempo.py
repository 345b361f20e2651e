"""What a player feels: how soon a key shows on the screen, and how evenly the frames come.

The tempo games (bench/TempoMovies.cpp) change a square in the middle of the stage every
frame, cycling through four colours, and show a key mark above it while the right arrow
key is held. The screen watcher presses the key with the X test extension and stamps the
press and the mark's arrival, and it follows the square's colour to see each frame reach
the screen. Places are in pixels of the 640×480 stage; a session maps them to the screen.
"""
import math
import random
import statistics
import subprocess
import sys
import time

from screen import PACE_POLL_MS, spot

GAMES = {12: "krell", 30: "tibb", 60: "quib"}  # frame rate: the pack's file name it plays under
PACE_RATES = (30, 60)
MENU_BUTTONS = {"krell": (160, 450), "tibb": (320, 450), "quib": (480, 450)}  # bench/ProbeMovies.cpp
STAGE = (640, 480)
FRAME_SQUARE = (320, 240)
FRAME_COLOURS = ["ff2020", "20ff20", "2020ff", "ffff20"]
KEY_MARK = (320, 120)
KEY_COLOUR = "ff8800"
KEY_PLATE = "404040"  # under the key mark
KEY = "Right"
PRESSES = 15
PACE_S = 20
ANSWER_TIMEOUT_S = 2
# The watcher's own check: a bare X window answering a key at once and after a known
# delay, and changing colour at a known rate.
KNOWN_DELAY_MS = 50
KNOWN_RATE = 60
CHECK_PRESSES = 10
CHECK_PACE_S = 5
CHECK_TOLERANCE_MS = 4


def frame_ms(rate):
    return 1000 / rate


def stage_point(area_origin, area_size, point):
    """Where a stage point shows in a player area: the stage scaled to fit and centred, as
    the player's "showAll" scale mode draws it."""
    scale = min(area_size[0] / STAGE[0], area_size[1] / STAGE[1])
    left = area_origin[0] + (area_size[0] - STAGE[0] * scale) / 2
    top = area_origin[1] + (area_size[1] - STAGE[1] * scale) / 2
    return round(left + point[0] * scale), round(top + point[1] * scale)


def frame_square(where):
    """The middle of the frame square, showing the first of its colours."""
    return spot(where(FRAME_SQUARE), FRAME_COLOURS[0])


def key_to_screen(screen, where):
    """ms from each press of the key to the key mark on the screen; `where` maps a stage
    point to the screen. The presses fall at random moments between two frames."""
    return key_answers(screen, spot(where(KEY_MARK), KEY_COLOUR), KEY_PLATE, PRESSES)


def key_answers(screen, region, released, presses):
    """ms from each press of the key to the region showing its colour; before each, the
    region shows the `released` colour again (the last key's release is through)."""
    delays = []
    for _ in range(presses):
        if not screen.wait_for(ANSWER_TIMEOUT_S, region._replace(colour=released)):
            raise TimeoutError(f"the answer to the last key stayed at {region[:2]}")
        time.sleep(random.uniform(0.2, 0.4))  # so the presses fall anywhere between two frames
        pressed, (seen,) = screen.press(ANSWER_TIMEOUT_S, KEY, region)
        if seen is None:
            raise TimeoutError(f"no answer to the key showed at {region[:2]}")
        delays.append(seen - pressed)
    return delays


def frame_steps(screen, region, seconds):
    """(ms since the last change, frames on since it) for each change of the frame square."""
    changes = screen.pace(seconds, region, FRAME_COLOURS)
    steps = [[t1 - t0, (i1 - i0) % len(FRAME_COLOURS) or len(FRAME_COLOURS)]
             for (t0, i0), (t1, i1) in zip(changes, changes[1:])]
    if len(steps) < seconds:
        raise RuntimeError(f"the frame square at {region[:2]} changed only {len(changes)} times in {seconds} s")
    return steps


def lost_frames(step, rate):
    """Frames lost in one step: frames the screen never showed, or a wait of two frame
    intervals or more (give or take the watcher's own error) for the next one."""
    interval, advanced = step
    return max(advanced - 1, math.floor((interval + PACE_POLL_MS) / frame_ms(rate)) - 1)


def pacing(steps, rate):
    """Median, 95th and 99th percentile of the intervals, frames lost, and the count."""
    intervals = [interval for interval, _ in steps]
    cuts = statistics.quantiles(intervals, n=100, method="inclusive")
    return {"median": statistics.median(intervals), "p95": cuts[94], "p99": cuts[98],
            "lost": sum(lost_frames(step, rate) for step in steps), "count": len(steps)}


class CoreLoad:
    """Another process keeping one core busy, as a build or a video call would."""

    def __enter__(self):
        self.process = subprocess.Popen([sys.executable, "-c", "while True: pass"])
        return self

    def __exit__(self, *exc):
        self.process.kill()
        self.process.wait()


def check_watcher(screen, probe_binary, place, attempts=3):
    """Times a bare X window whose answers are known (zingbox_screen_probe, at `place`):
    a key answered at once, which is the screen's own delay as the watcher sees it; a
    key answered KNOWN_DELAY_MS later; colours changing KNOWN_RATE times a second.
    Raises when the watcher misjudges the known delay or rate in every attempt (on a
    busy machine the window itself may answer late); returns what it saw."""
    for attempt in range(attempts):
        try:
            return check_watcher_once(screen, probe_binary, place)
        except CheckFailed as failure:
            print(f"the screen watcher's check, attempt {attempt + 1}: {failure}", file=sys.stderr)
    raise CheckFailed(f"the screen watcher failed its check {attempts} times")


class CheckFailed(RuntimeError):
    pass


def check_watcher_once(screen, probe_binary, place):
    region = spot((place[0] + 20, place[1] + 20), KEY_COLOUR)

    def run_probe(*args):
        process = subprocess.Popen([probe_binary, *map(str, (*place, 40, *args))], stdout=subprocess.PIPE,
                                   text=True)
        if process.stdout.readline().strip() != "shown":
            raise RuntimeError(f"the screen probe did not start: {args}")
        return process

    answers = {}
    for delay in (0, KNOWN_DELAY_MS):
        probe = run_probe("key", delay, KEY_COLOUR)
        try:
            answers[delay] = key_answers(screen, region, "000000", CHECK_PRESSES)
        finally:
            probe.kill()
            probe.wait()
    probe = run_probe("cycle", frame_ms(KNOWN_RATE), *FRAME_COLOURS)
    try:
        steps = frame_steps(screen, region, CHECK_PACE_S)
    finally:
        probe.kill()
        probe.wait()
    seen_delay = statistics.median(answers[KNOWN_DELAY_MS]) - statistics.median(answers[0])
    seen_rate = pacing(steps, KNOWN_RATE)
    if abs(seen_delay - KNOWN_DELAY_MS) > CHECK_TOLERANCE_MS:
        raise CheckFailed(f"the screen watcher saw a known key delay of {KNOWN_DELAY_MS} ms as {seen_delay:.1f} ms")
    if abs(seen_rate["median"] - frame_ms(KNOWN_RATE)) > CHECK_TOLERANCE_MS / 2:
        raise CheckFailed(f"the screen watcher saw frames {frame_ms(KNOWN_RATE):.1f} ms apart as "
                           f"{seen_rate['median']:.1f} ms apart")
    return {"screen_delay": answers[0], "known_delay": seen_delay, "known_rate": seen_rate}
