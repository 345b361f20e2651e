"""`make bench`: every figure of the launcher beside its peer, as one table.

Run under one X server (run.sh starts Xvfb): python3 whole_process.py <build-dir>.
Rounds alternate which side goes first. After the first ZINGBOX_BENCH_ROUNDS rounds,
more follow for the figures whose samples still spread wider than a tenth of their
median, while the time allows. The table shows each median with its spread and the ratio
of the medians, ours/peer. Per-process details go to <build-dir>/bench/last-run.txt.
"""
import collections
import datetime
import glob
import json
import os
import platform
import statistics
import subprocess
import sys
import shutil
import time

from process_tree import role
from screen import PACE_POLL_MS, POLL_MS, PRESS_POLL_MS, SPOT, ScreenWatch, x_server_pid
from sessions import OPENING_CLIENT, Launcher, Peer, peer_flags, peer_version, player_area
import table
import tempo

ROUNDS = int(os.environ.get("ZINGBOX_BENCH_ROUNDS", "3"))
SWITCHES = 3
GROWTH_SWITCHES = 50
MENU_SETTLE_S = 2
GAME_SETTLE_S = 2
CPU_WINDOW_S = 6
QUIET_CORES = 0.5
QUIET_WAIT_S = 4
# For the rounds and the 50 switches; the in-process benchmarks take about half a minute more.
BUDGET_S = float(os.environ.get("ZINGBOX_BENCH_BUDGET_S", "480"))
WATCH_COST_S = 3
# Where the watcher's own check puts its bare window: clear of both programs' windows.
CHECK_PLACE = (1500, 1100)
# Which part of a side a wide figure needs run again; a session or a game also starts.
OURS_SESSION = {"switch_frame", "restart_frame", "cpu_play", "pss"}
PEER_GAME = {"cpu_play"}

# The files each side maps at start; this machine drops unused pages within a minute.
FILES_TO_PREREAD = [
    "/usr/lib/x86_64-linux-gnu/libQt6*.so.6*", "/usr/lib/qt6/libexec/QtWebEngineProcess",
    "/usr/share/qt6/resources/*", "/usr/share/qt6/translations/qtwebengine_locales/en-US.pak",
    "/usr/lib/chromium/*", "/usr/lib/chromium/locales/en-US.pak",
]


def busy_cores(seconds=1.0):
    def sample():
        with open("/proc/stat") as stat:
            fields = [int(v) for v in stat.readline().split()[1:]]
        return sum(fields), fields[3] + fields[4]
    total0, idle0 = sample()
    time.sleep(seconds)
    total1, idle1 = sample()
    ticks = (total1 - total0) or 1
    return (1 - (idle1 - idle0) / ticks) * os.cpu_count()


def prepare(program_dir, load_log):
    for pattern in FILES_TO_PREREAD + [os.path.join(program_dir, "**")]:
        for path in glob.glob(pattern, recursive=True):
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    while f.read(1 << 20):
                        pass
    deadline = time.monotonic() + QUIET_WAIT_S
    load = busy_cores()
    while load > QUIET_CORES and time.monotonic() < deadline:
        load = busy_cores()
    load_log.append(load)


def by_role(values):
    summed = collections.Counter()
    for pid, value in values.items():
        summed[role(pid)] += value
    return dict(summed)


def record(figures, prefix, times):
    for name, value in zip(["probe", "frame", "skin"], times):
        if value is None:
            figures[f"{prefix}_{name}_missed"].append(1)
        else:
            figures[f"{prefix}_{name}"].append(value)


def run_ours(program_dir, run_id, work_dir, screen, figures, details, load_log, session=True):
    # A first start creates the saved-games folder; the one after starts on it, as
    # every later start of a user's does.
    data_home = os.path.join(work_dir, f"{run_id}-data")
    prepare(program_dir, load_log)
    first = Launcher(program_dir, run_id + "-first", work_dir, data_home, screen)
    try:
        record(figures, "first", first.start())
    finally:
        first.stop()
    prepare(program_dir, load_log)
    ours = Launcher(program_dir, run_id, work_dir, data_home, screen)
    try:
        record(figures, "cold", ours.start())
        if not session:
            return
        time.sleep(MENU_SETTLE_S)
        pss, sizes = ours.measure_pss()
        figures["pss"].append(pss)
        details.append(f"{run_id} PSS {pss:.0f} MiB {by_role(sizes)}")
        for _ in range(SWITCHES):
            time.sleep(1)
            record(figures, "switch", ours.choose_game())
            time.sleep(1)
            ours.back_to_menu()
        time.sleep(1)
        ours.choose_game()
        for _ in range(SWITCHES):
            time.sleep(1)  # the game's square has gone by then
            record(figures, "restart", ours.restart())
        time.sleep(GAME_SETTLE_S)
        share, used = ours.measure_cpu(CPU_WINDOW_S)
        figures["cpu_play"].append(share * 100)
        details.append(f"{run_id} CPU playing {share:.1%} ticks {by_role(used)}")
        ours.pause()
        time.sleep(GAME_SETTLE_S)
        share, used = ours.measure_cpu(CPU_WINDOW_S)
        figures["cpu_paused"].append(share * 100)
        details.append(f"{run_id} CPU paused {share:.1%} ticks {by_role(used)}")
    finally:
        ours.stop()


def run_growth(program_dir, work_dir, screen, figures, details, load_log):
    """What stays behind from one movie to the next: PSS after many switches between the
    menu and a game, less PSS after the first."""
    prepare(program_dir, load_log)
    ours = Launcher(program_dir, "growth", work_dir, os.path.join(work_dir, "growth-data"), screen)
    try:
        ours.start()
        ours.choose_game()
        time.sleep(GAME_SETTLE_S)
        after_first, sizes = ours.measure_pss()
        details.append(f"growth PSS after 1 switch {after_first:.0f} MiB {by_role(sizes)}")
        for _ in range(GROWTH_SWITCHES - 1):
            ours.back_to_menu()
            ours.choose_game()
        time.sleep(GAME_SETTLE_S)
        after_all, sizes = ours.measure_pss()
        details.append(f"growth PSS after {GROWTH_SWITCHES} switches {after_all:.0f} MiB {by_role(sizes)}")
        figures["pss_growth"].append(after_all - after_first)
    finally:
        ours.stop()


def measure_feel(session, screen, rate, figures):
    """Key to screen and, at the rates that ask for it, frame pacing alone and beside a
    busy core, in the tempo game the session shows."""
    time.sleep(GAME_SETTLE_S)
    figures[f"key{rate}"] += tempo.key_to_screen(screen, session.stage_point)
    if rate in tempo.PACE_RATES:
        square = tempo.frame_square(session.stage_point)
        figures[table.pacing_key(rate, False)] += tempo.frame_steps(screen, square, tempo.PACE_S)
        with tempo.CoreLoad():
            figures[table.pacing_key(rate, True)] += tempo.frame_steps(screen, square, tempo.PACE_S)


def run_feel(program_dir, work_dir, area, screen, ours, peer, load_log):
    """What a player feels, in each tempo game: ours, choosing it from the menu; the
    peer, opening a page on it. Returns the engine ours ran on."""
    prepare(program_dir, load_log)
    launcher = Launcher(program_dir, "feel", work_dir, os.path.join(work_dir, "feel-data"), screen)
    try:
        launcher.start()
        engine = launcher.engine()
        for rate, game in tempo.GAMES.items():
            launcher.choose_tempo_game(game)
            measure_feel(launcher, screen, rate, ours)
            launcher.back_to_menu()
    finally:
        launcher.stop()
    for rate, game in tempo.GAMES.items():
        prepare(program_dir, load_log)
        page = Peer(program_dir, f"feel-peer{rate}", work_dir, area, screen)
        try:
            page.start_tempo_game(game)
            measure_feel(page, screen, rate, peer)
        finally:
            page.stop()
    return engine


def run_peer(program_dir, run_id, work_dir, area, screen, figures, details, load_log, game=True):
    prepare(program_dir, load_log)
    peer = Peer(program_dir, run_id + "-menu", work_dir, area, screen)
    try:
        record(figures, "cold", peer.start("zingbox"))
        time.sleep(MENU_SETTLE_S)
        pss, sizes = peer.measure_pss()
        figures["pss"].append(pss)
        details.append(f"{run_id} PSS {pss:.0f} MiB {by_role(sizes)}")
    finally:
        peer.stop()
    if not game:
        return
    prepare(program_dir, load_log)
    peer = Peer(program_dir, run_id + "-game", work_dir, area, screen)
    try:
        peer.start("wuzz")
        time.sleep(GAME_SETTLE_S)
        share, used = peer.measure_cpu(CPU_WINDOW_S)
        figures["cpu_play"].append(share * 100)
        details.append(f"{run_id} CPU playing {share:.1%} ticks {by_role(used)}")
    finally:
        peer.stop()


def plan(rounds_done, ours, peer):
    """What the next round runs of each side: "all", "start" or None."""
    if rounds_done < ROUNDS:
        return "all", "all"
    wide = table.wide_figures(ours, peer)
    ours_wide = {key for side, key in wide if side == "ours"}
    peer_wide = {key for side, key in wide if side == "peer"}
    return ("all" if ours_wide & OURS_SESSION else "start" if ours_wide else None,
            "all" if peer_wide & PEER_GAME else "start" if peer_wide else None)


def google_benchmark(binary):
    """The real time of each repetition of each benchmark of the binary, by name, in its
    own unit."""
    out = subprocess.run([binary, "--benchmark_format=json", "--benchmark_repetitions=5"],
                         check=True, capture_output=True, text=True).stdout
    times = collections.defaultdict(list)
    for entry in json.loads(out)["benchmarks"]:
        if entry.get("error_occurred"):
            raise RuntimeError(f"{binary}: {entry.get('error_message')}")
        if entry.get("run_type") == "iteration":
            times[entry["run_name"].split("/")[0]].append(entry["real_time"])
    return times


def feel_notes(check, engine, ours, peer):
    """What the watcher's check saw, and how close each key figure comes to its limit:
    a frame interval plus the screen's own delay."""
    delay = statistics.median(check["screen_delay"])
    known = check["known_rate"]
    lines = [f"Engines: ours on {engine}, the peer {peer_version()}.",
             f"The watcher's check, against a bare X window: a key answered at once shows after {delay:.1f} ms "
             f"(the screen's own delay here: the X server and the watcher, which looks every {PRESS_POLL_MS} ms "
             f"while a key is held); one answered {tempo.KNOWN_DELAY_MS} ms later is seen "
             f"{check['known_delay']:.1f} ms later; colours changed "
             f"{tempo.KNOWN_RATE} times a second are seen {known['median']:.1f} ms apart (p99 {known['p99']:.1f}, "
             f"{known['lost']} lost in {known['count']}). The frames are followed every {PACE_POLL_MS} ms."]
    closeness = []
    for rate in tempo.GAMES:
        frame = tempo.frame_ms(rate)
        mine, theirs = ours.get(f"key{rate}"), peer.get(f"key{rate}")
        if mine and theirs:
            closeness.append(f"{rate} fps: slowest press {max(mine):.0f} ms ours, {max(theirs):.0f} ms the peer, "
                             f"against {frame + delay:.0f} ms; median {statistics.median(mine):.0f} / "
                             f"{statistics.median(theirs):.0f} ms against {frame / 2 + delay:.0f} ms")
    if closeness:
        lines.append("Key to screen against its limit: a key pressed just after a frame looked at the keyboard "
                     "waits for the next, so the slowest press can take one frame interval plus the screen's own "
                     "delay, and the median half a frame interval plus that delay. " + "; ".join(closeness) + ".")
    return lines


def notes(full_rounds, extra_rounds, load_log, watch_cost, wide, feel, load_average, missed):
    lines = [f"Load average (1, 5, 15 minutes) when the run began: {', '.join(f'{v:.2f}' for v in load_average)}.",
             f"Each cell: the median, then the spread (min–max) and the number of samples. Rounds of "
             f"everything: {full_rounds}, alternating which side starts; then rounds of the figures whose "
             f"spread was wider than a tenth of their median: {extra_rounds}. {SWITCHES} switches and "
             f"{SWITCHES} restarts a round; the PSS growth once a run. {datetime.date.today()}, {platform.node()}, "
             f"{os.cpu_count()} cores, Xvfb, Ruffle canvas renderer; other load on the machine at each "
             f"start: median {statistics.median(load_log):.1f} cores busy.",
             f"Peer: `chromium --app=file://…/peer.html {' '.join(peer_flags())}`.",
             f"First visible frame: the screen watcher looks at {SPOT}×{SPOT} pixels in the middle of the "
             f"player every {POLL_MS} ms; watching costs {watch_cost[0]:.1%} of a core in the watcher and "
             f"{watch_cost[1]:.1%} in the X server."]
    lines += feel
    if missed:
        lines.append(f"Game frames never drawn: {missed} of the switches and restarts showed the game's probe but "
                     "never its mark, three frames long: the engine drew none of those frames; they count in no figure.")
    if wide:
        lines.append("Spread still wider than a tenth of the median: "
                     + ", ".join(f"{key} ({side})" for side, key in wide) + ".")
    return "\n\n".join(lines)


def main(build_dir):
    program_dir = os.path.join(build_dir, "bench", "program")
    bench_dir = os.path.join(build_dir, "bench")
    in_process = {**google_benchmark(os.path.join(bench_dir, "zingbox_bench_resize_pass")),
                  **google_benchmark(os.path.join(bench_dir, "zingbox_bench_border_drag"))}
    ours = collections.defaultdict(list)
    peer = collections.defaultdict(list)
    details, load_log = [], []
    area = player_area(*OPENING_CLIENT)  # the peer shows the movie as large as ours does
    work_dir = os.path.join(bench_dir, "last-run")  # stderr of each start, kept for a look
    shutil.rmtree(work_dir, ignore_errors=True)
    os.makedirs(work_dir)
    screen = ScreenWatch(os.path.join(bench_dir, "zingbox_screen_watch"))
    load_average = os.getloadavg()
    watch_cost = screen.cost(WATCH_COST_S, x_server_pid())
    check = tempo.check_watcher(screen, os.path.join(bench_dir, "zingbox_screen_probe"), CHECK_PLACE)
    engine = run_feel(program_dir, work_dir, area, screen, ours, peer, load_log)
    began = time.monotonic()
    run_growth(program_dir, work_dir, screen, ours, details, load_log)
    took = {}  # seconds a round of each plan took
    rounds_done = 0
    while True:
        ours_part, peer_part = plan(rounds_done, ours, peer)
        if ours_part is None and peer_part is None:
            break
        expected = took.get((ours_part, peer_part), max(took.values(), default=0))
        if rounds_done and time.monotonic() - began + expected > BUDGET_S:
            break  # `make bench` stays within ten minutes on a busy machine
        round_began = time.monotonic()
        n = rounds_done
        sides = [lambda: ours_part and run_ours(program_dir, f"ours{n}", work_dir, screen, ours, details,
                                                load_log, session=ours_part == "all"),
                 lambda: peer_part and run_peer(program_dir, f"peer{n}", work_dir, area, screen, peer, details,
                                                load_log, game=peer_part == "all")]
        for side in sides if n % 2 == 0 else reversed(sides):
            side()
        rounds_done += 1
        took[(ours_part, peer_part)] = time.monotonic() - round_began
        print(f"round {rounds_done} (ours: {ours_part}, peer: {peer_part}) done in "
              f"{took[(ours_part, peer_part)]:.0f} s", file=sys.stderr)
    screen.close()
    result = (table.render({**ours, **in_process}, peer) + "\n\n"
              + notes(min(rounds_done, ROUNDS), max(rounds_done - ROUNDS, 0), load_log, watch_cost,
                      table.wide_figures(ours, peer), feel_notes(check, engine, ours, peer), load_average,
                      sum(len(v) for k, v in ours.items() if k.endswith("_missed"))))
    with open(os.path.join(bench_dir, "last-run.txt"), "w") as out:
        out.write(result + "\n\nRaw figures (ms, %, MiB, in-process in each benchmark's unit)\nours "
                  + json.dumps({**ours, **in_process}) + "\npeer " + json.dumps(peer)
                  + "\n\nPer process (PSS in KiB by role, CPU in clock ticks by role)\n" + "\n".join(details) + "\n")
    print(result)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build"))
