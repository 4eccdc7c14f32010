#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one in turn, single job, for
# the given number of seconds (60 by default), starting from the committed seeds with
# the target's dictionary. LUMOVA_FUZZ_RUNS=N stops each target after N executions
# instead, whichever comes first. A finding stops the run with a non-zero status and
# leaves the input that triggered it in build/fuzz/findings/ (crash-*, timeout-*, ...).
#
#   scripts/fuzz.sh [seconds] [target...]
#   targets: fuzz_formula fuzz_derive fuzz_number_reader fuzz_cursor_reader
#            fuzz_settings_reader fuzz_plane_windows fuzz_session_reader
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${LUMOVA_BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

seconds="${1:-60}"
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_formula fuzz_derive fuzz_number_reader fuzz_cursor_reader
  fuzz_settings_reader fuzz_plane_windows fuzz_session_reader)

build="$LUMOVA_ROOT/build/fuzz"
findings="$build/findings"
cmake -S "$LUMOVA_ROOT/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]}"

# Seeds, dictionary and longest input of each target.
seeds_of() {
  case "$1" in
    fuzz_number_reader) echo "$LUMOVA_ROOT/fuzz/corpus/numbers" ;;
    fuzz_cursor_reader) echo "$LUMOVA_ROOT/data/icones" ;;
    fuzz_settings_reader) echo "$LUMOVA_ROOT/fuzz/corpus/settings" ;;
    fuzz_plane_windows) echo "$LUMOVA_ROOT/fuzz/corpus/plane_windows" ;;
    fuzz_session_reader) echo "$LUMOVA_ROOT/fuzz/corpus/sessions" ;;
    *) echo "$LUMOVA_ROOT/fuzz/corpus/formulas" ;;
  esac
}
dictionary_of() {
  case "$1" in
    fuzz_number_reader) echo number ;;
    fuzz_cursor_reader) echo cursor ;;
    fuzz_settings_reader) echo settings ;;
    fuzz_plane_windows) echo plane_windows ;;
    fuzz_session_reader) echo session ;;
    *) echo formula ;;
  esac
}
longest_input_of() {
  case "$1" in
    fuzz_cursor_reader) echo 32768 ;;  # the animated cursors of the install folder are 17 kB
    fuzz_settings_reader) echo 256 ;;
    fuzz_session_reader) echo 4096 ;;
    *) echo 1024 ;;
  esac
}

# Memory the system's libraries keep for good is no finding of ours.
export LSAN_OPTIONS="suppressions=$LUMOVA_ROOT/fuzz/lsan_suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
runs=()
[ -n "${LUMOVA_FUZZ_RUNS:-}" ] && runs=(-runs="$LUMOVA_FUZZ_RUNS")
for target in "${targets[@]}"; do
  # New inputs go to the first folder, which git ignores; the seeds stay untouched.
  corpus="$LUMOVA_ROOT/fuzz/corpus-run/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  "$build/$target" -max_total_time="$seconds" "${runs[@]}" -max_len="$(longest_input_of "$target")" \
    -dict="$LUMOVA_ROOT/fuzz/dictionaries/$(dictionary_of "$target").dict" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$(seeds_of "$target")"
done
