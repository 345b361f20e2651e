#!/usr/bin/env bash
# `make bench`: the in-process benchmarks and the whole-process figures, ours beside
# Debian's Chromium, under one Xvfb. Prints one table; details in <build>/bench/last-run.txt.
set -euo pipefail
build_dir=$(realpath "${1:-build}")
here=$(dirname "$(realpath "$0")")
exec xvfb-run -a -s "-screen 0 1600x1200x24" python3 -B "$here/whole_process.py" "$build_dir"
