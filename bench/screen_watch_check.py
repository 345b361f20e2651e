"""Checks the screen watcher against a window of a known colour on a bare X server, and
against the screen probe's known key delay and known cycle of colours.

Run under xvfb-run: python3 screen_watch_check.py <zingbox_screen_watch> <zingbox_screen_probe>.
ImageMagick's `display` shows a plain picture at a given place, as a program would paint
its window.
"""
import os
import subprocess
import sys
import tempfile
import time

COLOUR = "e0218a"  # three different channels, so a swapped channel cannot match
LEFT, TOP, SIDE = 100, 80, 60  # where the coloured window lands


KEY_DELAY_MS = 150
CYCLE = ["ff0000", "00ff00", "0000ff", "ffff00"]
CYCLE_MS = 100


def probe(binary, *args):
    """Starts the screen probe; returns once its window is on the screen."""
    process = subprocess.Popen([binary, *map(str, args)], stdout=subprocess.PIPE, text=True)
    if process.stdout.readline().strip() != "shown":
        raise RuntimeError(f"the screen probe did not start: {args}")
    return process


def main(watcher_binary, probe_binary):
    watcher = subprocess.Popen([watcher_binary], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def ask(request):
        watcher.stdin.write(request + "\n")
        watcher.stdin.flush()
        return watcher.stdout.readline().strip()

    def seen():
        """The answer to a watch: per region, the ms at which it showed, or None."""
        fields = watcher.stdout.readline().split()
        if fields[:1] != ["seen"]:
            raise RuntimeError(f"not an answer to a watch: {fields}")
        return [None if field == "-" else float(field) for field in fields[1:]]

    failures = []

    def expect(what, condition):
        if not condition:
            failures.append(what)

    with tempfile.TemporaryDirectory() as scratch:
        picture = os.path.join(scratch, "square.png")
        subprocess.run(["convert", "-size", f"{SIDE}x{SIDE}", f"xc:#{COLOUR}", picture], check=True)
        inside = f"{LEFT + 20} {TOP + 20} 6 6 {COLOUR}"
        astride = f"{LEFT + SIDE - 3} {TOP + 20} 6 6 {COLOUR}"  # half on the window, half beside it
        elsewhere = f"{LEFT + 200} {TOP} 6 6 {COLOUR}"
        expect("a watch begins with ready", ask(f"watch 20000 {inside}") == "ready")
        shown = time.monotonic() * 1000
        display = subprocess.Popen(["display", "-geometry", f"+{LEFT}+{TOP}", picture])
        try:
            first = seen()
            answered = time.monotonic() * 1000
            expect(f"the window's colour seen between its start and the answer: {first}",
                   first[0] is not None and shown < first[0] <= answered)
            # With the window up: a colour already shown is seen at the first look, and
            # only there, one field per region in the order asked.
            asked = time.monotonic() * 1000
            expect("ready again", ask(f"watch 500 {astride} {inside} {elsewhere}") == "ready")
            again = seen()
            expect(f"only the region on the window shows the colour, at once: {again}",
                   len(again) == 3 and again[0] is None and again[2] is None and again[1] is not None
                   and asked <= again[1] <= asked + 250)
        finally:
            display.kill()
    # A key press is stamped before the window answers it, and the answer is seen no
    # earlier than the probe's known delay after it.
    square = probe(probe_binary, LEFT, TOP, SIDE, "key", KEY_DELAY_MS, COLOUR)
    try:
        fields = ask(f"press 3000 Right {inside} {elsewhere}").split()
        expect(f"a press answers with its time and one field per region: {fields}",
               fields[:1] == ["seen"] and len(fields) == 4 and fields[3] == "-")
        if len(fields) == 4 and fields[2] != "-":
            delay = float(fields[2]) - float(fields[1])
            expect(f"the answer to the key seen after the known delay: {delay:.1f} ms", delay >= KEY_DELAY_MS)
        else:
            failures.append(f"the answer to the key was not seen: {fields}")
    finally:
        square.kill()
    # A known cycle of colours: the changes seen in order, a cycle interval apart.
    square = probe(probe_binary, LEFT, TOP, SIDE, "cycle", CYCLE_MS, *CYCLE)
    try:
        fields = ask(f"pace {20 * CYCLE_MS} {LEFT + 20} {TOP + 20} 6 6 {' '.join(CYCLE)}").split()
    finally:
        square.kill()
    times, colours = [float(t) for t in fields[1::2]], [int(i) for i in fields[2::2]]
    expect(f"pace answers with changes: {fields[:5]}", fields[:1] == ["paced"] and len(times) >= 15)
    # On a busy machine the probe itself may now and then paint two colours in one look.
    steps = [(b - a) % len(CYCLE) for a, b in zip(colours, colours[1:])]
    expect(f"most changes show the next colour: {colours}", steps and steps.count(1) >= 0.8 * len(steps))
    if steps and all(steps):
        interval = (times[-1] - times[0]) / sum(steps)
        expect(f"colours a cycle interval apart: {interval:.1f} ms", abs(interval - CYCLE_MS) < 10)
    for request in ["look 100 0 0 4 4 e0218a", "press 100 NoSuchKey 0 0 4 4 e0218a", "pace 100 0 0 4 4",
                    f"watch 100 0 0 4 4 {COLOUR[:5]}", f"watch 100 9999 0 4 4 {COLOUR}"]:
        expect(f"refused: {request}", ask(request).startswith("error:"))
    watcher.stdin.close()
    expect("the watcher ends with its input", watcher.wait(timeout=10) == 0)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
