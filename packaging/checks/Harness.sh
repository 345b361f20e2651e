# Sourced by the checks that start the program: a scratch folder `$work`, removed at
# exit, `fail`, and `play_menu`.
checks=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d -t zingbox-check.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# play_menu <program> <close-window helper> <run folder> [VARIABLE=value...]: on a fresh
# Xvfb display, in a bare environment where nothing from the build or the caller may
# help, the program plays its menu and its window, found by the caption the test names
# in ZINGBOX_WINDOW_CAPTION, is closed. Its output is left in <run folder>/program.log.
play_menu() {
  local program=$1 close_window=$2 run=$3
  shift 3
  mkdir -p "$run/home"
  env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$run/home" LANG=C.UTF-8 "$@" \
    xvfb-run -a -s '-screen 0 1600x1200x24' \
    bash "$checks/MenuPlays.sh" "$program" "$close_window" "$run" "$ZINGBOX_WINDOW_CAPTION"
}
