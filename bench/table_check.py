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
