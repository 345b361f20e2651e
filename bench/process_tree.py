"""A launched program's whole process tree.

Chromium's crash handlers detach from the tree, so following parent ids alone misses
them; they keep the environment of the program we started, so a unique variable finds
them. Chromium's zygote and its children get a fresh environment instead, but stay
descendants. The tree is every process with the variable and all their descendants.
"""
import collections
import os
import re
import signal

MARKER = "ZINGBOX_BENCH_RUN"
CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def _read(path, mode="r"):
    try:
        with open(path, mode) as f:
            return f.read()
    except OSError:  # the process ended meanwhile, or is a kernel thread
        return None


class ProcessTree:
    def __init__(self, run_id):
        self.run_id = run_id
        self.entry = f"{MARKER}={run_id}".encode()

    def environment(self, base):
        return {**base, MARKER: self.run_id}

    def pids(self):
        children = collections.defaultdict(list)
        found = []
        for name in os.listdir("/proc"):
            if not name.isdigit():
                continue
            stat = _read(f"/proc/{name}/stat")
            if stat:
                children[int(stat.rsplit(")", 1)[1].split()[1])].append(int(name))
            environ = _read(f"/proc/{name}/environ", "rb")
            if environ and self.entry in environ.split(b"\0"):
                found.append(int(name))
        tree = set()
        while found:
            pid = found.pop()
            if pid not in tree:
                tree.add(pid)
                found.extend(children[pid])
        return sorted(tree)

    def cpu_ticks(self):
        return cpu_ticks(self.pids())

    def pss_kib(self):
        """Proportional set size per live process, in KiB."""
        return self.memory_kib("Pss")

    def memory_kib(self, *fields):
        """The sum of the given smaps_rollup fields per live process, in KiB."""
        sizes = {}
        for pid in self.pids():
            rollup = _read(f"/proc/{pid}/smaps_rollup")
            for line in (rollup or "").splitlines():
                name, _, value = line.partition(":")
                if name in fields:
                    sizes[pid] = sizes.get(pid, 0) + int(value.split()[0])
        return sizes

    def kill(self):
        for pid in self.pids():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass


def cpu_ticks(pids):
    """user + system clock ticks per live process."""
    ticks = {}
    for pid in pids:
        stat = _read(f"/proc/{pid}/stat")
        if stat:
            fields = stat.rsplit(")", 1)[1].split()
            ticks[pid] = int(fields[11]) + int(fields[12])
    return ticks


def role(pid):
    """A short name for a process of the tree: its program and Chromium --type, and
    "child" for what a zygote forked (Qt's renderers keep the zygote's line). Chromium
    rewrites its helpers' command lines, so the program comes from their executable."""
    def kind(of):
        found = re.search(r"--type=(\S+)", (_read(f"/proc/{of}/cmdline") or "").replace("\0", " "))
        return found.group(1) if found else "main"

    try:
        program = os.path.basename(os.readlink(f"/proc/{pid}/exe"))
    except OSError:
        program = "?"
    own = kind(pid)
    stat = _read(f"/proc/{pid}/stat")
    parent = int(stat.rsplit(")", 1)[1].split()[1]) if stat else 0
    if own == "zygote" and kind(parent) == "zygote":
        own = "zygote child"
    return f"{program}:{own}"
