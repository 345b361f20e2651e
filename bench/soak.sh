#!/usr/bin/env bash
# `make soak`: an evening of play under Xvfb; soak.sh <build> [<minutes>, 60 unless given].
set -euo pipefail
build_dir=$(realpath "${1:-build}")
here=$(dirname "$(realpath "$0")")
exec xvfb-run -a -s "-screen 0 1600x1200x24" python3 -B "$here/soak.py" "$build_dir" "${2:-60}"
