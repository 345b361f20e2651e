"""The table `make bench` prints: each figure's median with its spread and how many
samples it is taken over, ours beside the peer, held against its target."""
import collections
import statistics

import tempo

WIDE = 0.1  # a spread (max - min) wider than this share of the median asks for more rounds

Figure = collections.namedtuple("Figure", "title unit key noun target met peer judged", defaults=(None, False))


def _at_most(limit, ratio=None):
    """Met when the median is at most the limit and, where given, ours/peer at most the ratio."""
    return lambda mine, r: mine is not None and mine <= limit and (ratio is None or (r is not None and r <= ratio))


FIGURES = [
    Figure("Cold start to the menu's first visible frame", "ms", "cold_frame", "starts",
           "≤ 1000 ms and ≤ 0.6 × peer", _at_most(1000, 0.6), peer="cold_frame", judged=True),
    Figure("Cold start to the menu's probe (diagnostic)", "ms", "cold_probe", "starts", "—", None,
           peer="cold_probe"),
    Figure("Cold start to the skin on the screen", "ms", "cold_skin", "starts", "—", None),
    Figure("First start, saved-games folder created, to the menu's first visible frame", "ms", "first_frame",
           "starts", "≤ 1000 ms and ≤ 0.6 × peer", _at_most(1000, 0.6), peer="cold_frame", judged=True),
    Figure("Menu command to the game's first visible frame", "ms", "switch_frame", "switches", "≤ 60 ms",
           _at_most(60), judged=True),
    Figure("Menu command to the game's probe (diagnostic)", "ms", "switch_probe", "switches", "—", None),
    Figure("Restart to the game's first visible frame", "ms", "restart_frame", "restarts", "≤ 60 ms",
           _at_most(60), judged=True),
    Figure("Restart to the game's probe (diagnostic)", "ms", "restart_probe", "restarts", "—", None),
    Figure("Resize pass over the controls, no painting", "µs", "ResizePassOverValueControls", "repetitions",
           "≤ 20 µs", _at_most(20)),
    Figure("Border drag: resize pass + repaint of the skin", "ms", "BorderDrag", "repetitions",
           "≤ 8 ms a frame", _at_most(8)),
    Figure("CPU while a game is paused (process tree)", "%", "cpu_paused", "rounds", "< 1 % of a core",
           lambda mine, r: mine is not None and mine < 1),
    Figure("CPU while a 12 fps game plays", "%", "cpu_play", "rounds", "≤ 0.7 × peer",
           lambda mine, r: r is not None and r <= 0.7, peer="cpu_play", judged=True),
    Figure("Memory: PSS of the process tree, menu playing", "MiB", "pss", "rounds", "≤ 300 MiB and ≤ 0.7 × peer",
           _at_most(300, 0.7), peer="pss", judged=True),
    Figure("Memory: PSS after 50 switches minus after the first", "MiB", "pss_growth", "runs", "≤ 20 MiB",
           _at_most(20)),
] + [
    Figure(f"Key to screen, {rate} fps game (X test key press to the movie's answer on the screen)", "ms",
           f"key{rate}", "presses", f"≤ {tempo.frame_ms(rate) + 10:.0f} ms (a frame + 10 ms) and ≤ peer",
           _at_most(tempo.frame_ms(rate) + 10, 1.0), peer=f"key{rate}")
    for rate in tempo.GAMES
]

# Frame pacing: each sample is one step of the frame square, [ms, frames on].
PACING = [(rate, loaded) for rate in tempo.PACE_RATES for loaded in (False, True)]


def pacing_key(rate, loaded):
    return f"pace{rate}_{'loaded' if loaded else 'alone'}"


def _pacing_cell(steps, rate):
    if not steps:
        return "—"
    p = tempo.pacing(steps, rate)
    return (f"{p['median']:.1f} ms, p95 {p['p95']:.1f}, p99 {p['p99']:.1f}, {p['lost']} lost "
            f"({p['count']} intervals)")


def _pacing_row(ours, peer, rate, loaded):
    title = (f"Frame intervals over {tempo.PACE_S} s, {rate} fps game, "
             + ("another process loading a core" if loaded else "alone"))
    steps = ours.get(pacing_key(rate, loaded), [])
    limit = 1.5 * tempo.frame_ms(rate)
    if loaded:
        target, met = "—", "—"
    else:
        target = f"p99 < {limit:.0f} ms, none lost"
        mine = tempo.pacing(steps, rate) if steps else None
        met = "—" if mine is None else "yes" if mine["p99"] < limit and mine["lost"] == 0 else "NO"
    return [title, _pacing_cell(steps, rate), _pacing_cell(peer.get(pacing_key(rate, loaded), []), rate), "—",
            target, met]


def spread_is_wide(values):
    return bool(values) and max(values) - min(values) > WIDE * abs(statistics.median(values))


def wide_figures(ours, peer):
    """(side, key) of each judged figure whose samples so far spread wider than a tenth."""
    wide = [("ours", f.key) for f in FIGURES if f.judged and spread_is_wide(ours.get(f.key, []))]
    wide += [("peer", f.peer) for f in FIGURES if f.judged and f.peer and spread_is_wide(peer.get(f.peer, []))]
    return sorted(set(wide))


def _number(value, unit):
    return f"{value:.2f}" if unit == "µs" else f"{value:.0f}" if abs(value) >= 100 else f"{value:.1f}"


def _cell(values, unit, noun):
    if not values:
        return "—"
    median = statistics.median(values)
    text = f"{_number(median, unit)} {unit}"
    if len(values) > 1:
        text += f" ({_number(min(values), unit)}–{_number(max(values), unit)}, {len(values)} {noun})"
    else:
        text += " (one sample)"
    return text


def render(ours, peer):
    """The markdown table; ours and peer map figure keys to their samples."""
    header = ["Figure", "Ours", "Peer", "Ours/peer", "Target", "Met"]
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    for f in FIGURES:
        mine = ours.get(f.key, [])
        theirs = peer.get(f.peer, []) if f.peer else []
        mine_median = statistics.median(mine) if mine else None
        ratio = mine_median / statistics.median(theirs) if mine and theirs else None
        met = "—" if f.met is None else "yes" if f.met(mine_median, ratio) else "NO"
        lines.append("| " + " | ".join([f.title, _cell(mine, f.unit, f.noun), _cell(theirs, f.unit, f.noun),
                                        "—" if ratio is None else f"{ratio:.2f}", f.target, met]) + " |")
    lines += ["| " + " | ".join(_pacing_row(ours, peer, rate, loaded)) + " |" for rate, loaded in PACING]
    return "\n".join(lines)
