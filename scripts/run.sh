#!/usr/bin/env bash
# Builds Lumova in Release and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${LUMOVA_BUILD_PACKAGES[@]}"
LUMOVA_CMAKE_ARGS=(-DLUMOVA_TESTS=OFF -DLUMOVA_BENCH=OFF)
build_lumova "$LUMOVA_ROOT/build/release" Release --target lumova
exec "$LUMOVA_ROOT/build/release/app/lumova" "$@"
