#!/usr/bin/env bash
# The program folder ships one of Ruffle's builds; this proves it is the one the engine
# loads. A copy of the folder gets every build of Ruffle's package beside the shipped
# one, the program plays its menu from it, and the engine's files it opens are watched.
# usage: EngineBuild.sh <program folder> <Ruffle package folder> <close-window helper>
set -euo pipefail
program_folder=$1 engine_package=$2 close_window=$3
source "$(dirname "$0")/Harness.sh"
watcher=""
trap '[ -z "$watcher" ] || kill "$watcher" 2>/dev/null; rm -rf "$work"' EXIT

cp -a "$program_folder" "$work/program"
engine=$work/program/player/ruffle
listed=$work/program/player/engine-files.txt
shipped_module=$(sed -n 's|^ruffle/\(.*\.wasm\)$|\1|p' "$listed")
shipped_core=$(sed -n 's|^ruffle/\(core\..*\.js\)$|\1|p' "$listed")
[ "$(wc -w <<<"$shipped_module")" -eq 1 ] || fail "expected one .wasm in $listed, found: $shipped_module"
[ "$(wc -w <<<"$shipped_core")" -eq 1 ] || fail "expected one core script in $listed, found: $shipped_core"

cp "$engine_package"/*.js "$engine_package"/*.wasm "$engine/"
offered=$(cd "$engine" && ls -- *.wasm)
[ "$(wc -w <<<"$offered")" -gt 1 ] ||
  fail "Ruffle's package holds no build beside $shipped_module: nothing to choose between"
echo "builds offered: $(paste -sd ' ' <<<"$offered")"

inotifywait --monitor --event open --format %f "$engine" >"$work/opened" 2>"$work/watch.log" &
watcher=$!
until grep -q 'Watches established' "$work/watch.log"; do
  kill -0 "$watcher" 2>/dev/null || fail "inotifywait stopped: $(cat "$work/watch.log")"
  sleep 0.1
done

play_menu "$work/program/zingbox" "$close_window" "$work"

opened_modules=$(grep '\.wasm$' "$work/opened" | sort -u | paste -sd ' ')
opened_cores=$(grep '^core\..*\.js$' "$work/opened" | sort -u | paste -sd ' ')
echo "the engine opened: $opened_modules $opened_cores"
[ "$opened_modules" = "$shipped_module" ] ||
  fail "the engine loaded '$opened_modules', the program folder ships $shipped_module"
[ "$opened_cores" = "$shipped_core" ] ||
  fail "the engine loaded '$opened_cores', the program folder ships $shipped_core"
echo "the engine loads the build that ships"
