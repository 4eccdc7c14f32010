#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table of every ratio: the
# median time (CPU, or wall clock for the trace and the space view) of interleaved repetitions of a benchmark against its
# baseline measured in the same run, with the spread (coefficients of
# variation of both, added in quadrature), then the largest difference of each
# reference formula from its native code. The full output of each program is
# kept in build/bench/results/. Options are passed on to every program and
# override the defaults below, e.g.
#
#   scripts/bench.sh --benchmark_repetitions=20 --benchmark_min_time=0.2
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${LUMOVA_BUILD_PACKAGES[@]}" libbenchmark-dev

programs=(bench_trace bench_evaluate bench_derive_zeros bench_space bench_curve_kinds bench_param_polar)
folder="$LUMOVA_ROOT/build/bench"
LUMOVA_CMAKE_ARGS=(-DLUMOVA_TESTS=OFF -DLUMOVA_BENCH=ON -DLUMOVA_WERROR=OFF)
build_lumova "$folder" Release -j "$(nproc)" --target "${programs[@]}" >/dev/null

options=(--benchmark_repetitions=10 --benchmark_enable_random_interleaving=true
  --benchmark_display_aggregates_only=true --benchmark_min_time=0.1 "$@")
results="$folder/results"
mkdir -p "$results"

# Other work on the machine stretches the times; the ratios suffer less.
load() { cut -d' ' -f1-3 /proc/loadavg; }
echo "load average before: $(load) on $(nproc) cores"
header=""
rows=()
for program in "${programs[@]}"; do
  "$folder/bench/$program" "${options[@]}" >"$results/$program.txt"
  summary="$(sed -n '/^ratio (median times)/,$p' "$results/$program.txt")"
  header="$(head -n 1 <<<"$summary")"
  rows+=("$(tail -n +2 <<<"$summary")")
done
echo "load average after:  $(load)"
echo
echo "$header"
printf '%s\n' "${rows[@]}"
# Speed must not cost accuracy: the compiled formulas against their native code.
echo
sed -n '/^formula .*largest relative difference/,/^$/p' "$results/bench_evaluate.txt"
