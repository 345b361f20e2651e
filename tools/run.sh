#!/usr/bin/env bash
# Starts the launcher, or says in one line how to when there is no display.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "zingbox: no display found; to run without one: xvfb-run -s '-screen 0 1280x1024x24' $1" >&2
  exit 1
fi
exec "$1"
