#!/usr/bin/env bash
# Builds the FSCommand fuzz target with clang's libFuzzer and runs it for a few seconds.
set -euo pipefail
root=$1 work=$2 seconds=${3:-5}
command -v clang++ >/dev/null || { echo "clang++ is missing: run tools/setup.sh" >&2; exit 1; }
mkdir -p "$work/corpus"
printf '\x05g\0a\0m\0e\0w\0u\0z\0z\0' > "$work/corpus/seed-wuzz"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -I "$root" \
  "$root/tests/fuzz/MenuCommandsFuzz.cpp" "$root/shell/MenuCommands.cpp" \
  "$root/shell/GameCatalogue.cpp" "$root/shell/LoadMovie.cpp" -o "$work/menu_commands_fuzz"
"$work/menu_commands_fuzz" -max_total_time="$seconds" -max_len=4096 "$work/corpus"
