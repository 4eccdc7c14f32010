#!/usr/bin/env bash
# Builds the Debian package of Lumova in build/package, then checks it as a
# teacher's machine would take it: installs it with apt-get, checks that the
# desktop opens .lumova sessions with it, starts the installed program in a
# virtual X server, as root and as a user who cannot write the install folder,
# removes the package and checks that none of its files or folders is left.
# Prints the package's path at the end.
#
#   scripts/package.sh              build and check
#   scripts/package.sh --sans-essai build only
set -euo pipefail
source "$(dirname "$0")/common.sh"

check=1
case "${1:-}" in
  "") ;;
  --sans-essai) check=0 ;;
  *) echo "usage : $0 [--sans-essai]" >&2; exit 2 ;;
esac

ensure_packages "${LUMOVA_BUILD_PACKAGES[@]}" dpkg-dev file desktop-file-utils appstream xvfb xauth

folder="$LUMOVA_ROOT/build/package"
# A newer compiler's new warning must not keep the package from being built.
LUMOVA_CMAKE_ARGS=(-DLUMOVA_TESTS=OFF -DLUMOVA_BENCH=OFF -DLUMOVA_WERROR=OFF -DCMAKE_INSTALL_PREFIX=/usr)
build_lumova "$folder" Release -j "$(nproc)" >/dev/null
rm -f "$folder"/lumova_*.deb
(cd "$folder" && cpack -G DEB >/dev/null)
package="$(ls "$folder"/lumova_*.deb)"

fail() {
  echo "ÉCHEC : $*" >&2
  exit 1
}

echo "== Fichiers pour le bureau"
desktop-file-validate "$LUMOVA_ROOT"/packaging/*.desktop
appstreamcli validate --no-net "$LUMOVA_ROOT"/packaging/*.metainfo.xml
echo "== Paquet $(basename "$package")"
dpkg-deb --field "$package" Package Version Architecture Depends Recommends

if [ "$check" -eq 0 ]; then
  echo "$package"
  exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
dpkg-query -W -f='${Status}' lumova 2>/dev/null | grep -q "install ok installed" \
  && fail "le paquet lumova est déjà installé sur cette machine : l'essai l'enlèverait. Retirez-le d'abord (apt-get remove lumova) ou lancez $0 --sans-essai."

work="$(mktemp -d)"
installed=0
# A check that fails half-way does not leave the package behind.
clean_up() {
  [ "$installed" -eq 1 ] && DEBIAN_FRONTEND=noninteractive $sudo apt-get remove --purge -y -qq lumova >/dev/null
  rm -rf "$work"
}
trap clean_up EXIT
# What the package brings, and which of its folders exist before it comes.
dpkg-deb --fsys-tarfile "$package" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' | grep -v '^/\?$' >"$work/contents"
while read -r path; do
  [ -d "$path" ] && echo "$path"
done <"$work/contents" >"$work/folders_before"

echo "== Installation avec apt-get"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$package" >/dev/null
installed=1
[ "$(command -v lumova)" = /usr/bin/lumova ] || fail "la commande lumova n'est pas /usr/bin/lumova"
man -w lumova >/dev/null || fail "la page de manuel lumova(1) est introuvable"
# The desktop's caches, rebuilt by the triggers of the packages that own them.
session_handler() { grep -h '^application/x-lumova=' /usr/share/applications/mimeinfo.cache 2>/dev/null || true; }
[ "$(session_handler)" = "application/x-lumova=fr.verdanelo.lumova.desktop;" ] \
  || fail "les séances .lumova ne s'ouvrent pas avec Lumova (mimeinfo.cache : $(session_handler))"
if command -v update-mime-database >/dev/null; then
  grep -q '^application/x-lumova:\*\.lumova$' /usr/share/mime/globs \
    || fail "la base des types de fichiers ne connaît pas les séances .lumova"
fi
echo "les séances .lumova s'ouvrent avec Lumova"

# Starts the installed program with an empty user folder in a virtual X server
# and leaves it running a few seconds: a program that cannot start stops at once.
start_installed() {
  local who="$1" home="$work/$1"
  mkdir -p "$home"
  local run=(env -u LUMOVA_HOME -u DISPLAY -u WAYLAND_DISPLAY HOME="$home" XDG_CONFIG_HOME="$home/.config"
    QT_QPA_PLATFORM=xcb xvfb-run -a timeout 8 lumova)
  if [ "$who" = nobody ]; then
    chown -R nobody:nogroup "$home"
    run=(setpriv --reuid=nobody --regid=nogroup --clear-groups "${run[@]}")
  fi
  local status=0
  (cd "$home" && "${run[@]}") >"$home/output" 2>&1 || status=$?
  [ "$status" -eq 124 ] || { cat "$home/output" >&2; fail "lumova installé ($who) s'est arrêté avec le code $status"; }
  echo "lumova installé démarre ($who)"
}
echo "== Démarrage"
if [ "$(id -u)" -eq 0 ]; then
  start_installed root
  start_installed nobody
else
  start_installed "$(id -un)"
fi

echo "== Suppression"
DEBIAN_FRONTEND=noninteractive $sudo apt-get remove --purge -y -qq lumova >/dev/null
installed=0
left=()
while read -r path; do
  [ -e "$path" ] || continue
  # Folders that were there before the package (/usr/share/applications...) stay.
  grep -qxF "$path" "$work/folders_before" || left+=("$path")
done <"$work/contents"
[ ${#left[@]} -eq 0 ] || fail "la suppression laisse : ${left[*]}"
[ -z "$(session_handler)" ] || fail "après la suppression, les séances .lumova s'ouvrent encore avec Lumova"
echo "rien n'est resté des $(wc -l <"$work/contents") fichiers et dossiers du paquet"

echo "$package"
