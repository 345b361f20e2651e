"""Checks the benchmark table's verdicts and its call for more rounds.

Run: python3 table_check.py (from anywhere; no display needed).
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import table  # noqa: E402


def verdicts(ours, peer):
    """The Met column by figure title."""
    rows = [line.split(" | ") for line in table.render(ours, peer).splitlines()[2:]]
    return {row[0].lstrip("| "): row[5].rstrip(" |") for row in rows}


class Verdicts(unittest.TestCase):
    def test_a_start_must_meet_both_its_limit_and_its_share_of_the_peer(self):
        start = "Cold start to the menu's first visible frame"
        self.assertEqual(verdicts({"cold_frame": [900]}, {"cold_frame": [1600]})[start], "yes")
        self.assertEqual(verdicts({"cold_frame": [900]}, {"cold_frame": [1400]})[start], "NO")  # 0.64 × peer
        self.assertEqual(verdicts({"cold_frame": [1100]}, {"cold_frame": [3000]})[start], "NO")  # over 1 s
        self.assertEqual(verdicts({"cold_frame": [900]}, {})[start], "NO")  # no peer, no ratio

    def test_medians_decide_and_diagnostics_are_never_judged(self):
        met = verdicts({"switch_frame": [40, 59, 300], "restart_frame": [61, 61, 10], "switch_probe": [999]}, {})
        self.assertEqual(met["Menu command to the game's first visible frame"], "yes")
        self.assertEqual(met["Restart to the game's first visible frame"], "NO")
        self.assertEqual(met["Menu command to the game's probe (diagnostic)"], "—")

    def test_a_key_answers_within_a_frame_and_ten_ms_and_no_later_than_the_peer(self):
        row = "Key to screen, 30 fps game (X test key press to the movie's answer on the screen)"
        self.assertEqual(verdicts({"key30": [20, 43, 90]}, {"key30": [44]})[row], "yes")
        self.assertEqual(verdicts({"key30": [44]}, {"key30": [60]})[row], "NO")  # over 33.3 + 10 ms
        self.assertEqual(verdicts({"key30": [30]}, {"key30": [29]})[row], "NO")  # slower than the peer

    def test_frames_come_evenly_when_none_is_lost_and_the_99th_percentile_stays_under_one_and_a_half(self):
        row = "Frame intervals over 20 s, 30 fps game, alone"
        even = [[33.3, 1]] * 200
        self.assertEqual(verdicts({"pace30_alone": even}, {})[row], "yes")
        self.assertEqual(verdicts({"pace30_alone": even + [[33.0, 2]]}, {})[row], "NO")  # a frame skipped
        self.assertEqual(verdicts({"pace30_alone": even + [[66.0, 1]]}, {})[row], "NO")  # a frame held twice
        self.assertEqual(verdicts({"pace30_alone": even[:190] + [[51.0, 1]] * 10}, {})[row], "NO")  # p99 over 50 ms
        self.assertEqual(verdicts({"pace30_alone": even[:190] + [[48.0, 1]] * 10}, {})[row], "yes")
        self.assertEqual(verdicts({"pace30_loaded": [[64.0, 1]] * 20}, {})[
            "Frame intervals over 20 s, 30 fps game, another process loading a core"], "—")

    def test_a_cell_gives_median_spread_and_count(self):
        cells = table.render({"switch_frame": [50, 41.5, 58, 55]}, {}).splitlines()
        row = next(line for line in cells if line.startswith("| Menu command to the game's first visible frame"))
        self.assertIn("| 52.5 ms (41.5–58.0, 4 switches) |", row)


class MoreRounds(unittest.TestCase):
    def test_only_judged_figures_spread_wider_than_a_tenth_ask_for_more(self):
        ours = {"cold_frame": [1000, 1090], "switch_frame": [50, 60], "cold_probe": [500, 900], "pss": [300, 340]}
        peer = {"cold_frame": [2000, 2300], "cpu_play": [20, 21]}
        self.assertEqual(table.wide_figures(ours, peer),
                         [("ours", "pss"), ("ours", "switch_frame"), ("peer", "cold_frame")])

    def test_one_sample_has_no_spread(self):
        self.assertEqual(table.wide_figures({"cold_frame": [1000]}, {"cold_frame": [2000]}), [])


if __name__ == "__main__":
    unittest.main()
