"""One run of the launcher or of the peer browser, driven as a person would drive it.

Two timestamps come from each probe movie's first frame. The probe: the movie says
("probe", <its file name>), which both sides write to stderr: the launcher in its
"zingbox.player" debug log, stamped with CLOCK_MONOTONIC in ms; the peer page on the
console, with the epoch time in ms. The visible frame: the screen watcher sees the
movie's square of colour reach the middle of the player (bench/screen.py). All times
here are CLOCK_MONOTONIC ms.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from process_tree import CLOCK_TICKS, ProcessTree
from screen import mark, picture_colour, spot
import tempo

PROBE_TIMEOUT_S = 30
# A switch takes a fifth of a second; a game whose mark is never drawn costs only this.
SWITCH_TIMEOUT_S = 10
# Where and how large the launcher's client area opens on a desktop without a window manager.
OPENING_ORIGIN = (309, 264)
OPENING_CLIENT = (754, 621)
# The skin is on the screen when the middle of the Menu button's picture is.
MENU_BUTTON_PICTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "window", "assets", "Image1.gif")


def player_area(client_width, client_height):
    """The launcher's player area in pixels for a client area: the resize pass gives it
    W - 1370 by H - 2060 twips, W and H being the client size plus the frame allowance."""
    outer_w, outer_h = client_width * 15 + 120, client_height * 15 + 405
    return round((outer_w - 1370) / 15), round((outer_h - 2060) / 15)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


class Session:
    """A program under test and its process tree, started in a fresh environment."""

    def __init__(self, run_id, work_dir, screen):
        self.tree = ProcessTree(run_id)
        self.work_dir = work_dir
        self.screen = screen
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
                    self.seen.append((self.monotonic_ms(float(found.group(1))), found.group(2)))

    def wait_probe(self, movie, after_ms=float("-inf")):
        """The time of the first probe of the movie later than after_ms."""
        deadline = time.monotonic() + PROBE_TIMEOUT_S
        while time.monotonic() < deadline:
            for ms, name in list(self.seen):
                if name == movie and ms > after_ms:
                    return ms
            time.sleep(0.002)
        raise TimeoutError(f"{type(self).__name__}: the {movie} movie never showed its first frame")

    def stage_point(self, point):
        """Where a point of a 640×480 movie's stage shows on the screen."""
        return tempo.stage_point(*self.player_area(), point)

    def show_tempo_game(self, action, game):
        """Runs an action that brings up a tempo game; returns once its frame square shows."""
        self.screen.begin(PROBE_TIMEOUT_S, tempo.frame_square(self.stage_point))
        action()
        shown, = self.screen.end()
        if shown is None:
            raise TimeoutError(f"{type(self).__name__}: the {game} movie never reached the screen")
        # The keys go where the pointer is, on a screen without a window manager: into the movie.
        xdotool("mousemove", "--sync", *self.stage_point(tempo.FRAME_SQUARE))
        xdotool("click", "1")

    def start_until_shown(self, command, env, movie, centre, *also):
        """Starts the program; returns ms from its start to the movie's probe, to its first
        visible frame, and to each further region showing its colour (None: never)."""
        self.screen.begin(PROBE_TIMEOUT_S, mark(centre, movie), *also)
        started = time.monotonic() * 1000
        self.start_process(command, env)
        probe = self.wait_probe(movie, started)
        frame, *others = self.screen.end()
        if frame is None:
            raise TimeoutError(f"{type(self).__name__}: the {movie} movie never reached the screen at {centre}")
        return [probe - started, frame - started, *(None if t is None else t - started for t in others)]


def window_caption(program):
    """The window's caption: the project's description, which the build keeps in its cache
    (<build>/bench/program/zingbox)."""
    cache = os.path.join(os.path.dirname(program), "..", "..", "CMakeCache.txt")
    with open(cache) as lines:
        return next(line.split("=", 1)[1].rstrip("\n") for line in lines
                    if line.startswith("CMAKE_PROJECT_DESCRIPTION:STATIC="))


class Launcher(Session):
    PROBE = re.compile(r"fscommand (\d+\.\d+) probe (\S+)")

    def __init__(self, program_dir, run_id, work_dir, data_home, screen):
        super().__init__(run_id, work_dir, screen)
        self.program = os.path.join(program_dir, "zingbox")
        self.data_home = data_home  # XDG_DATA_HOME, where the saved-games folder lives
        self.origin = OPENING_ORIGIN
        self.client = OPENING_CLIENT

    @staticmethod
    def monotonic_ms(stamp):
        return stamp

    def start(self):
        """Starts the program; returns ms from its start to the menu's probe, to the
        menu's first visible frame and to the skin on the screen."""
        env = self.tree.environment(os.environ)
        env["QT_LOGGING_RULES"] = "zingbox.player.debug=true"
        env["XDG_DATA_HOME"] = self.data_home
        # One pixel: the button is shaded, its neighbours differ.
        skin = spot(self.button_centre(600), picture_colour(MENU_BUTTON_PICTURE), side=1)  # Image1
        probe, frame, skin_shown = self.start_until_shown([self.program], env, "zingbox", self.player_centre(), skin)
        self.check_window()
        if skin_shown is None:
            raise TimeoutError(f"the Menu button's picture never showed at {skin[:2]}")
        return probe, frame, skin_shown

    def check_window(self):
        """The window opened where the watcher looked, and clicks will land."""
        title = f"^{re.escape(window_caption(self.program))}$"
        window = xdotool("search", "--sync", "--onlyvisible", "--name", title).split()[0]
        shell = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
        placed = (int(shell["X"]), int(shell["Y"])), (int(shell["WIDTH"]), int(shell["HEIGHT"]))
        if placed != (self.origin, self.client):
            raise RuntimeError(f"the window opened at {placed}, not at {(self.origin, self.client)}")

    # Clicks land in the middle of a control; positions follow the resize pass.
    def player_area(self):
        """The player area's top left corner on the screen, and its size."""
        return (self.origin[0] + round(605 / 15), self.origin[1] + round(780 / 15)), player_area(*self.client)

    def player_centre(self):
        (left, top), (width, height) = self.player_area()
        return left + width // 2, top + height // 2

    def button_centre(self, left_twips):
        outer_height = self.client[1] * 15 + 405
        return (self.origin[0] + round(left_twips / 15) + 18,
                self.origin[1] + round((outer_height - 1250) / 15) + 17)

    def click_until_shown(self, place, movie):
        """Clicks at a place; returns ms from the click to the movie's probe and to its
        first visible frame. Now and then the engine draws none of a game's first three
        frames, which hold its mark (its probe comes unusually soon then): the frame time is
        then None, and the probe alone says the movie came."""
        self.screen.begin(SWITCH_TIMEOUT_S, mark(self.player_centre(), movie))
        xdotool("mousemove", "--sync", *place)
        clicked = time.monotonic() * 1000
        xdotool("click", "1")
        probe = self.wait_probe(movie, clicked)
        frame, = self.screen.end()
        return probe - clicked, None if frame is None else frame - clicked

    def choose_game(self):
        return self.click_until_shown(self.player_centre(), "wuzz")

    def back_to_menu(self):
        return self.click_until_shown(self.button_centre(600), "zingbox")  # Image1

    def restart(self):
        return self.click_until_shown(self.button_centre(1300), "wuzz")  # Image5

    def choose_tempo_game(self, game):
        """Picks a tempo game with its button on the menu; returns once it plays."""
        def click():
            xdotool("mousemove", "--sync", *self.stage_point(tempo.MENU_BUTTONS[game]))
            xdotool("click", "1")
        self.show_tempo_game(click, game)

    def engine(self):
        """The Qt WebEngine and the Chromium this program runs on."""
        return engine_versions(self.process.pid)

    def pause(self):
        xdotool("mousemove", "--sync", *self.button_centre(2000))  # Image3
        xdotool("click", "1")


class Peer(Session):
    """Debian's Chromium showing the same movie with the same Ruffle build on a page."""

    PROBE = re.compile(r'zingbox-probe (\d+) probe ([^"\s]+)')
    # Room around the page for Chromium's own bars; the page keeps the movie at its
    # bottom left, so the bars never move it (peer.html).
    MARGIN = (40, 120)

    def __init__(self, program_dir, run_id, work_dir, area, screen):
        super().__init__(run_id, work_dir, screen)
        self.page = os.path.join(program_dir, "peer.html")
        self.area = area
        self.profile = None

    @staticmethod
    def monotonic_ms(stamp):
        return stamp + (time.monotonic() - time.time()) * 1000

    def command(self, movie):
        self.profile = tempfile.mkdtemp(prefix="peer-profile-", dir=self.work_dir)
        width, height = self.area
        url = f"file://{self.page}?movie={movie}.swf&width={width}&height={height}"
        return ["chromium", f"--app={url}", f"--user-data-dir={self.profile}", "--window-position=0,0",
                f"--window-size={width + self.MARGIN[0]},{height + self.MARGIN[1]}", *peer_flags()]

    def player_area(self):
        return (0, self.MARGIN[1]), self.area

    def start(self, movie):
        """Opens the page on a movie; returns ms from its start to the movie's probe and
        to its first visible frame."""
        centre = (self.area[0] // 2, self.MARGIN[1] + self.area[1] // 2)
        return self.start_until_shown(self.command(movie), self.tree.environment(os.environ), movie, centre)

    def start_tempo_game(self, game):
        """Opens the page on a tempo game; returns once it plays."""
        self.show_tempo_game(lambda: self.start_process(self.command(game), self.tree.environment(os.environ)), game)

    def stop(self):
        super().stop()
        shutil.rmtree(self.profile, ignore_errors=True)


def engine_versions(pid):
    """"Qt WebEngine <version> (Chromium <version>)" for the library a process runs on."""
    with open(f"/proc/{pid}/maps") as maps:
        library = next(line.split()[-1] for line in maps if "libQt6WebEngineCore.so" in line)
    path = os.path.realpath(f"/proc/{pid}/root{library}")
    qt = path.rsplit(".so.", 1)[1]
    chromium = subprocess.run(
        [sys.executable, "-c", "import ctypes, sys; f = ctypes.CDLL(sys.argv[1])._Z25qWebEngineChromiumVersionv; "
                               "f.restype = ctypes.c_char_p; print(f().decode())", path],
        capture_output=True, text=True).stdout.strip()
    return f"Qt WebEngine {qt} (Chromium {chromium or 'of unknown version'})"


def peer_version():
    return subprocess.run(["chromium", "--version"], capture_output=True, text=True).stdout.split(" built")[0]


def peer_flags():
    """Chromium's flags for the peer beyond its page, profile and window: the best it can
    have here. Without a desktop session it draws without the GPU, as ours does: there
    its GPU process would only emulate GL."""
    flags = ["--no-first-run", "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--allow-file-access-from-files", "--autoplay-policy=no-user-gesture-required",
             "--enable-logging=stderr", "--v=0"]
    if not os.environ.get("XDG_SESSION_TYPE"):
        flags.append("--disable-gpu")
    if os.geteuid() == 0:
        flags.append("--no-sandbox")
    return flags
