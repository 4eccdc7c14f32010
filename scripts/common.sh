# Shared by the README commands: installs what Lumova needs, quietly, only when missing.

LUMOVA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

LUMOVA_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev libqt6opengl6-dev qt6-multimedia-dev qt6-svg-dev
  libglu1-mesa-dev libegl-dev fonts-dejavu-core fonts-comic-neue
  gstreamer1.0-plugins-good qt6-translations-l10n)
LUMOVA_TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth)

# Installs the given Debian packages when at least one of them is missing.
ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
      || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installation des paquets manquants : ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# Configures (once) and builds the given targets in a build folder.
build_lumova() {
  local folder="$1" type="$2"; shift 2
  cmake -S "$LUMOVA_ROOT" -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE="$type" "${LUMOVA_CMAKE_ARGS[@]}" >/dev/null
  cmake --build "$folder" "$@"
}
