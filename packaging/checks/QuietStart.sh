#!/usr/bin/env bash
# Starts the program under Xvfb until its menu plays and closes its window, and expects
# not one line on standard output or error, at a first start and at a later one on the
# same home; then once more with the web engine's report of its set-up asked for, which
# must still come through.
# usage: QuietStart.sh <program> <close-window helper>
set -euo pipefail
program=$1 close_window=$2
source "$(dirname "$0")/Harness.sh"

# start <run> [VARIABLE=value...]: without the runtime folder a desktop login would give.
start() {
  play_menu "$program" "$close_window" "$work/$1" "${@:2}"
}

# expect_silence <when>: the last quiet run printed nothing.
expect_silence() {
  [ -s "$work/quiet/program.log" ] || return 0
  echo "--- the program printed:" >&2
  cat "$work/quiet/program.log" >&2
  fail "the program printed something $1, where all is well"
}
start quiet
expect_silence "at its first start"
start quiet
expect_silence "at a later start that finds the saved games folder"

# Qt 6.4 gives the report as information, Qt 6.8 as debug messages, with other headings.
start asked QT_LOGGING_RULES=qt.webenginecontext=true
grep -Eq '^ ?(GL Type|Chromium GL Backend):' "$work/asked/program.log" ||
  fail "QT_LOGGING_RULES asked for the engine's report and got: $(cat "$work/asked/program.log")"
echo "nothing printed when all is well; the engine's report comes when asked for"
