#!/usr/bin/env bash
# Builds Lumova in Release and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages "${LUMOVA_BUILD_PACKAGES[@]}"
# A newer compiler's new warning must not keep a teacher from starting the program.
LUMOVA_CMAKE_ARGS=(-DLUMOVA_TESTS=OFF -DLUMOVA_BENCH=OFF -DLUMOVA_WERROR=OFF)
build_lumova "$LUMOVA_ROOT/build/release" Release --target lumova
exec "$LUMOVA_ROOT/build/release/app/lumova" "$@"
