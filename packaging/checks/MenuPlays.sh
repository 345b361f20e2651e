#!/usr/bin/env bash
# Inside an X session: starts the program, waits until its window shows the menu movie,
# then closes the window as its close button would and expects a clean exit.
# usage: MenuPlays.sh <program> <close-window helper> <scratch folder> <window caption>
set -euo pipefail
program=$1 close_window=$2 scratch=$3 caption=$4
stage_colour='#16246b' # the menu movie's deep-blue stage
title_colour='#ffd24a' # its gold title
pid=""

fail() {
  echo "FAIL: $*" >&2
  echo "--- program output:" >&2
  cat "$scratch/program.log" >&2 || true
  if [ -f "$scratch/shot-first.png" ]; then
    cp "$scratch/shot-first.png" "$PWD/debian-package-failure.png"
    echo "last picture of the display: $PWD/debian-package-failure.png" >&2
  fi
  [ -z "$pid" ] || kill "$pid" 2>/dev/null || true
  exit 1
}

# until_within <seconds> <what> <command...>: polls the command until it succeeds.
until_within() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || fail "$what: not within $seconds s"
    kill -0 "$pid" 2>/dev/null || fail "$what: the program ended"
    sleep 0.2
  done
}

"$program" >"$scratch/program.log" 2>&1 &
pid=$!

window_found() {
  window=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$caption\$" 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
until_within 60 "window '$caption' shown" window_found

# The link must lead to the real program, whose folder holds the movies.
[ "$(readlink "/proc/$pid/exe")" = "$(readlink -f "$program")" ] ||
  fail "the running executable is $(readlink "/proc/$pid/exe"), not the linked one"

eval "$(xdotool getwindowgeometry --shell "$window")" # X Y WIDTH HEIGHT

# Pixels of one colour inside the window, in a picture of the whole display.
count_pixels() {
  convert "$1" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -fuzz 3% \
    -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}

# The stage must cover a good part of the window and the title must be drawn on it, in
# two pictures taken apart, so a passing frame of the loading page cannot count.
shows_menu() {
  local shot=$scratch/shot-$1.png stage title
  import -window root "$shot"
  stage=$(count_pixels "$shot" "$stage_colour")
  title=$(count_pixels "$shot" "$title_colour")
  echo "picture $1: $stage stage pixels, $title title pixels in ${WIDTH}x$HEIGHT"
  ((stage * 4 >= WIDTH * HEIGHT && title >= 200))
}
menu_playing() {
  shows_menu first && sleep 0.4 && shows_menu second
}
until_within 60 "menu movie playing" menu_playing

"$close_window" "$window"
exited() { ! kill -0 "$pid" 2>/dev/null; }
deadline=$((SECONDS + 20))
until exited; do
  ((SECONDS < deadline)) || fail "still running 20 s after its window was closed"
  sleep 0.2
done
status=0
wait "$pid" || status=$?
pid=""
((status == 0)) || fail "the program exited with status $status"
echo "menu played; the program closed cleanly"
