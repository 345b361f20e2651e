#!/usr/bin/env bash
# Starts the program under Xvfb until its menu plays and closes its window, and expects
# not one line on standard output or error; then once more with the web engine's report
# of its set-up asked for, which must still come through.
# usage: QuietStart.sh <program> <close-window helper>
set -euo pipefail
program=$1 close_window=$2
checks=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d -t zingbox-quiet.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start <run> [VARIABLE=value...]: a bare environment with the home and the private
# runtime folder that a login gives (without one, Qt warns as the XDG base directory
# specification asks it to).
start() {
  local run=$work/$1
  shift
  mkdir -p "$run/home" "$run/runtime"
  chmod 700 "$run/runtime"
  env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$run/home" XDG_RUNTIME_DIR="$run/runtime" \
    LANG=C.UTF-8 "$@" xvfb-run -a -s '-screen 0 1600x1200x24' \
    bash "$checks/MenuPlays.sh" "$program" "$close_window" "$run"
}

start quiet
if [ -s "$work/quiet/program.log" ]; then
  echo "--- the program printed:" >&2
  cat "$work/quiet/program.log" >&2
  fail "the program printed something at a start where all is well"
fi

start asked QT_LOGGING_RULES=qt.webenginecontext.info=true
grep -q '^GL Type:' "$work/asked/program.log" ||
  fail "QT_LOGGING_RULES asked for the engine's report and got: $(cat "$work/asked/program.log")"
echo "nothing printed when all is well; the engine's report comes when asked for"
