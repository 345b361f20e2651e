"""One run of the launcher or of the peer browser, driven as a person would drive it.

Timestamps come from the probe movies: each says ("probe", <its file name>) in its
first frame. Both sides write that to stderr: the launcher in its "zingbox.player" debug
log, stamped with CLOCK_MONOTONIC in ms; the peer page on the console, with the epoch
time in ms.
"""
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

from process_tree import CLOCK_TICKS, ProcessTree

PROBE_TIMEOUT_S = 30
# Where and how large the launcher's client area opens on a desktop without a window manager.
OPENING_ORIGIN = (309, 264)
OPENING_CLIENT = (754, 621)


def player_area(client_width, client_height):
    """The launcher's player area in pixels for a client area: the resize pass gives it
    W - 1370 by H - 2060 twips, W and H being the client size plus the frame allowance."""
    outer_w, outer_h = client_width * 15 + 120, client_height * 15 + 405
    return round((outer_w - 1370) / 15), round((outer_h - 2060) / 15)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


class Session:
    """A program under test and its process tree, started in a fresh environment."""

    def __init__(self, run_id, work_dir):
        self.tree = ProcessTree(run_id)
        self.work_dir = work_dir
        self.process = None

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                pass
        time.sleep(0.5)  # helpers notice their parent is gone
        self.tree.kill()

    def measure_cpu(self, seconds):
        before = self.tree.cpu_ticks()
        time.sleep(seconds)
        after = self.tree.cpu_ticks()
        used = {pid: ticks - before.get(pid, 0) for pid, ticks in after.items()}
        return sum(used.values()) / CLOCK_TICKS / seconds, used

    def measure_pss(self):
        sizes = self.tree.pss_kib()
        return sum(sizes.values()) / 1024, sizes

    def start_process(self, command, env):
        """Starts the program, keeping a copy of its stderr and picking the probes out of it."""
        self.seen = []  # (ms, movie)
        self.process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)
        threading.Thread(target=self.read_stderr, daemon=True).start()

    def read_stderr(self):
        with open(os.path.join(self.work_dir, f"{self.tree.run_id}.err"), "w") as copy:
            for line in self.process.stderr:
                copy.write(line)
                found = self.PROBE.search(line)
                if found:
                    self.seen.append((float(found.group(1)), found.group(2)))

    def wait_probe(self, movie, after_ms=float("-inf")):
        """The time of the first probe of the movie later than after_ms."""
        deadline = time.monotonic() + PROBE_TIMEOUT_S
        while time.monotonic() < deadline:
            for ms, name in list(self.seen):
                if name == movie and ms > after_ms:
                    return ms
            time.sleep(0.002)
        raise TimeoutError(f"{type(self).__name__}: the {movie} movie never showed its first frame")


class Launcher(Session):
    TITLE = "^Zingbox! Classic Zingbox Pack$"
    PROBE = re.compile(r"fscommand (\d+\.\d+) probe (\S+)")

    def __init__(self, program_dir, run_id, work_dir, data_home):
        super().__init__(run_id, work_dir)
        self.program = os.path.join(program_dir, "zingbox")
        self.data_home = data_home  # XDG_DATA_HOME, where the saved-games folder lives
        self.origin = OPENING_ORIGIN
        self.client = OPENING_CLIENT

    def start(self):
        """Starts the program; returns ms from process start to the menu's first frame."""
        env = self.tree.environment(os.environ)
        env["QT_LOGGING_RULES"] = "zingbox.player.debug=true"
        env["XDG_DATA_HOME"] = self.data_home
        started = time.monotonic() * 1000
        self.start_process([self.program], env)
        shown = self.wait_probe("zingbox", started)
        self.find_window()
        return shown - started

    def find_window(self):
        window = xdotool("search", "--sync", "--onlyvisible", "--name", self.TITLE).split()[0]
        shell = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
        self.origin = (int(shell["X"]), int(shell["Y"]))
        self.client = (int(shell["WIDTH"]), int(shell["HEIGHT"]))

    # Clicks land in the middle of a control; positions follow the resize pass.
    def player_centre(self):
        width, height = player_area(*self.client)
        return self.origin[0] + round(605 / 15) + width // 2, self.origin[1] + round(780 / 15) + height // 2

    def button_centre(self, left_twips):
        outer_height = self.client[1] * 15 + 405
        return (self.origin[0] + round(left_twips / 15) + 18,
                self.origin[1] + round((outer_height - 1250) / 15) + 17)

    def click_until_probe(self, place, movie):
        """Clicks at a place and returns ms until the movie's first frame."""
        xdotool("mousemove", "--sync", *place)
        clicked = time.monotonic() * 1000
        xdotool("click", "1")
        return self.wait_probe(movie, clicked) - clicked

    def choose_game(self):
        return self.click_until_probe(self.player_centre(), "wuzz")

    def back_to_menu(self):
        return self.click_until_probe(self.button_centre(600), "zingbox")  # Image1

    def restart(self):
        return self.click_until_probe(self.button_centre(1300), "wuzz")  # Image5

    def pause(self):
        xdotool("mousemove", "--sync", *self.button_centre(2000))  # Image3
        xdotool("click", "1")


class Peer(Session):
    """Debian's Chromium showing the same movie with the same Ruffle build on a page."""

    PROBE = re.compile(r'zingbox-probe (\d+) probe ([^"\s]+)')

    def __init__(self, program_dir, run_id, work_dir, area):
        super().__init__(run_id, work_dir)
        self.page = os.path.join(program_dir, "peer.html")
        self.area = area
        self.profile = None

    def start(self, movie):
        """Opens the page on a movie; returns ms from process start to its first frame."""
        self.profile = tempfile.mkdtemp(prefix="peer-profile-", dir=self.work_dir)
        width, height = self.area
        url = f"file://{self.page}?movie={movie}.swf&width={width}&height={height}"
        command = ["chromium", f"--app={url}", "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", f"--user-data-dir={self.profile}",
                   "--allow-file-access-from-files", "--autoplay-policy=no-user-gesture-required",
                   "--enable-logging=stderr", "--v=0", "--window-position=0,0",
                   f"--window-size={width + 40},{height + 120}"]
        if os.geteuid() == 0:
            command.insert(1, "--no-sandbox")
        started = time.time() * 1000
        self.start_process(command, self.tree.environment(os.environ))
        return self.wait_probe(movie) - started

    def stop(self):
        super().stop()
        shutil.rmtree(self.profile, ignore_errors=True)
