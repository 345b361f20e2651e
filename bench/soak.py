"""`make soak`: an evening of play, by default an hour (soak.sh <build> <minutes>).

The launcher plays the 30 fps tempo game (bench/TempoMovies.cpp) while the arrow keys are
pressed in turn, steering its ball, and goes to the menu and back every minute. Each
minute it samples the PSS of the process tree, the CPU it used over the minute and the
frames lost in 20 s of watching the frame square. PSS shares the web engine's library
pages out among every process that maps them, so it also moves when other programs start
or end; the tree's private memory, which does not, is sampled beside it. Writes
<build>/bench/soak/soak.txt (a table and the PSS slope per hour, the figure) and
soak.png (both over time), and prints the text.
"""
import os
import shutil
import statistics
import subprocess
import sys
import threading
import time

from process_tree import CLOCK_TICKS
from screen import ScreenWatch
from sessions import Launcher, xdotool
import tempo

RATE = 30
MINUTE_S = 60
WATCH_S = 20
PRESS_S = 0.15  # each arrow key held this long: the ball moves a few frames' worth
KEYS = ["Right", "Left", "Up", "Down"]  # in turn, so the ball comes back where it was


class KeyDriver(threading.Thread):
    """Presses the arrow keys in turn, a few times a second, until stopped."""

    def __init__(self):
        super().__init__(daemon=True)
        self.stopped = threading.Event()

    def run(self):
        turn = 0
        while not self.stopped.wait(0.1):
            xdotool("keydown", KEYS[turn % len(KEYS)], "sleep", PRESS_S, "keyup", KEYS[turn % len(KEYS)])
            turn += 1


def slope_per_hour(minutes, values):
    """The least-squares slope of the values over time, per hour."""
    mean_t, mean_v = statistics.mean(minutes), statistics.mean(values)
    spread = sum((t - mean_t) ** 2 for t in minutes)
    return sum((t - mean_t) * (v - mean_v) for t, v in zip(minutes, values)) / spread * 60 if spread else 0.0


def plot(data_file, picture, minutes):
    script = (f"set terminal pngcairo size 800,450; set output '{picture}';"
              f'set title "The launcher\'s process tree over {minutes} minutes of play";'
              "set xlabel 'minutes'; set ylabel 'MiB'; set grid; set key below;"
              f"plot '{data_file}' using 1:2 title 'PSS' with linespoints lw 2 pt 7,"
              f"'' using 1:3 title 'private' with linespoints lw 2 pt 5")
    subprocess.run(["gnuplot", "-e", script], check=True)


def main(build_dir, minutes):
    bench_dir = os.path.join(build_dir, "bench")
    out_dir = os.path.join(bench_dir, "soak")
    shutil.rmtree(out_dir, ignore_errors=True)
    os.makedirs(out_dir)
    screen = ScreenWatch(os.path.join(bench_dir, "zingbox_screen_watch"))
    launcher = Launcher(os.path.join(bench_dir, "program"), "soak", out_dir, os.path.join(out_dir, "data"), screen)
    samples = []  # (minute, PSS MiB, private MiB, CPU % of a core, frames lost)
    driver = KeyDriver()
    try:
        launcher.start()
        engine = launcher.engine()
        launcher.choose_tempo_game(tempo.GAMES[RATE])
        driver.start()
        for minute in range(1, minutes + 1):
            began = time.monotonic()
            ticks = sum(launcher.tree.cpu_ticks().values())
            launcher.back_to_menu()
            launcher.choose_tempo_game(tempo.GAMES[RATE])
            steps = tempo.frame_steps(screen, tempo.frame_square(launcher.stage_point), WATCH_S)
            time.sleep(max(0.0, began + MINUTE_S - time.monotonic()))
            cpu = (sum(launcher.tree.cpu_ticks().values()) - ticks) / CLOCK_TICKS / (time.monotonic() - began)
            pss, _ = launcher.measure_pss()
            private = sum(launcher.tree.memory_kib("Private_Clean", "Private_Dirty").values()) / 1024
            paced = tempo.pacing(steps, RATE)
            samples.append((minute, pss, private, cpu * 100, paced["lost"]))
            print(f"minute {minute}: PSS {pss:.0f} MiB, CPU {cpu:.1%}, {paced['lost']} frames lost", file=sys.stderr)
    finally:
        driver.stopped.set()
        launcher.stop()
        screen.close()
    minute_marks = [s[0] for s in samples]
    slope = slope_per_hour(minute_marks, [s[1] for s in samples])
    private_slope = slope_per_hour(minute_marks, [s[2] for s in samples])
    lines = [f"PSS slope over {minutes} minutes of play: {slope:+.1f} MiB an hour (target < 10 MiB an hour: "
             f"{'met' if slope < 10 else 'NOT met'}); private memory: {private_slope:+.1f} MiB an hour. On "
             f"{engine}; a {RATE} fps game steered with the arrow keys, to the menu and back every minute; "
             f"frames watched for {WATCH_S} s each minute.", "",
             f"| Minute | PSS of the tree | Private | CPU over the minute | Frames lost in {WATCH_S} s |",
             "|---|---|---|---|---|"]
    lines += [f"| {m} | {pss:.0f} MiB | {private:.0f} MiB | {cpu:.1f} % | {lost} |"
              for m, pss, private, cpu, lost in samples]
    result = "\n".join(lines)
    with open(os.path.join(out_dir, "soak.txt"), "w") as out:
        out.write(result + "\n")
    data_file = os.path.join(out_dir, "soak.dat")
    with open(data_file, "w") as data:
        data.writelines(f"{m} {pss:.1f} {private:.1f}\n" for m, pss, private, *_ in samples)
    plot(data_file, os.path.join(out_dir, "soak.png"), minutes)
    print(result)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]), int(sys.argv[2]) if len(sys.argv) > 2 else 60)
