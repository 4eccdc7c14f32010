#!/usr/bin/env bash
# Builds every test and runs them with ctest, then runs the engine tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${LUMOVA_BUILD_PACKAGES[@]}" "${LUMOVA_TEST_PACKAGES[@]}"
jobs="$(nproc)"

LUMOVA_CMAKE_ARGS=()
build_lumova "$LUMOVA_ROOT/build/test" RelWithDebInfo -j "$jobs"
(cd "$LUMOVA_ROOT/build/test" && ctest --output-on-failure -j "$jobs")

LUMOVA_CMAKE_ARGS=(-DLUMOVA_ENGINE_ONLY=ON -DLUMOVA_SANITIZE=ON -DLUMOVA_BENCH=OFF)
build_lumova "$LUMOVA_ROOT/build/asan" Debug -j "$jobs"
(cd "$LUMOVA_ROOT/build/asan" && ctest --output-on-failure -j "$jobs")
