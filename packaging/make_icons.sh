#!/usr/bin/env bash
# Draws the PNG sizes of the icon from its SVG; run it again after changing the
# drawing and commit the pictures (the build only installs them).
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

ensure_packages librsvg2-bin

icons="$LUMOVA_ROOT/packaging/icons"
# The same sizes as the install rules of packaging/CMakeLists.txt.
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$icons/lumova.svg" -o "$icons/lumova-$size.png"
done
