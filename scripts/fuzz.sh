#!/usr/bin/env bash
# Builds the libFuzzer targets of the formula engine with clang and runs each one in
# turn, single job, for the given number of seconds (60 by default), starting from the
# committed seed corpus. A finding stops the run with a non-zero status and leaves the
# input that triggered it in build/fuzz/findings/ (crash-*, timeout-*, ...).
#
#   scripts/fuzz.sh [seconds] [target...]      targets: fuzz_formula fuzz_derive fuzz_number_reader
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages cmake ninja-build clang libclang-rt-14-dev

seconds="${1:-60}"
[ $# -gt 0 ] && shift
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_formula fuzz_derive fuzz_number_reader)

build="$LUMOVA_ROOT/build/fuzz"
findings="$build/findings"
cmake -S "$LUMOVA_ROOT/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]}"

seeds_of() {
  case "$1" in
    fuzz_number_reader) echo "$LUMOVA_ROOT/fuzz/corpus/numbers" ;;
    *) echo "$LUMOVA_ROOT/fuzz/corpus/formulas" ;;
  esac
}

for target in "${targets[@]}"; do
  # New inputs go to the first folder, which git ignores; the seeds stay untouched.
  corpus="$LUMOVA_ROOT/fuzz/corpus-run/$target"
  mkdir -p "$corpus" "$findings"
  echo "== $target: $seconds s"
  "$build/$target" -max_total_time="$seconds" -max_len=1024 -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$(seeds_of "$target")"
done
