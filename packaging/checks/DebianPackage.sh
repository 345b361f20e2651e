#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root as dpkg would install it, checks what
# lands where, then starts the unpacked program and waits for its menu.
# usage: DebianPackage.sh <package.deb> <version> <close-window helper>
set -euo pipefail
deb=$1 version=$2 close_window=$3
source "$(dirname "$0")/Harness.sh"

echo "checking the control fields of $(basename "$deb")"
expect_field() {
  local actual
  actual=$(dpkg-deb -f "$deb" "$1")
  [ "$actual" = "$2" ] || fail "$1 is '$actual', expected '$2'"
}
expect_field Package zingbox
expect_field Version "$version"
expect_field Section games
expect_field Architecture "$(dpkg --print-architecture)"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6webchannel6 libqt6webenginecore6 \
  libqt6webenginewidgets6 libqt6webenginecore6-bin xdg-utils fonts-liberation2 fonts-dejavu-core; do
  # Debian 13 renamed the libraries of the 64-bit time move with a t64 suffix.
  grep -Eq "(^|, )$package(t64)?( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

echo "checking the unpacked layout"
dpkg -x "$deb" "$work/root"
usr=$work/root/usr
program_folder=$usr/lib/games/zingbox
[ -L "$usr/games/zingbox" ] || fail "usr/games/zingbox is not a link"
link=$(readlink "$usr/games/zingbox")
[ "$link" = ../lib/games/zingbox/zingbox ] || fail "usr/games/zingbox points to '$link'"
[ -f "$program_folder/zingbox" ] && [ -x "$program_folder/zingbox" ] ||
  fail "no executable usr/lib/games/zingbox/zingbox"
if objdump -p "$program_folder/zingbox" | grep -E '^ *(RPATH|RUNPATH) '; then
  fail "the installed executable carries a library search path"
fi
for movie in zingbox gobolon krell tibb vexorian wuzz quib; do
  [ -s "$program_folder/$movie.swf" ] || fail "movie $movie.swf missing"
done
engine_list=$program_folder/player/engine-files.txt
grep -q '^ruffle/ruffle.js$' "$engine_list" || fail "the player's file list names no ruffle/ruffle.js"
while read -r file; do
  [ -s "$program_folder/player/$file" ] || fail "player file $file missing"
done <"$engine_list"
unlisted=$(cd "$program_folder/player" && find . -type f ! -name engine-files.txt | sed 's|^\./||' |
  grep -vxF -f "$engine_list" || true)
[ -z "$unlisted" ] || fail "the player folder holds files it never loads: $unlisted"

entry=$usr/share/applications/zingbox.desktop
[ -f "$entry" ] || fail "desktop entry missing"
command=$(sed -n 's/^Exec=//p' "$entry")
[ "$command" = /usr/games/zingbox ] || fail "the desktop entry starts '$command'"
[ -f "$usr/share/metainfo/io.github.zingbox.zingbox.metainfo.xml" ] || fail "metainfo missing"
for size in 48 64 128 256; do
  [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/zingbox.png" ] || fail "${size}px icon missing"
done

echo "checking that the records of the release name this version"
zcat "$usr/share/doc/zingbox/changelog.gz" >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$logged" = "$version" ] || fail "the changelog's latest entry is $logged, the package $version"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/io.github.zingbox.zingbox.metainfo.xml" ||
  fail "the AppStream record has no release $version"

echo "starting the unpacked program through its link"
play_menu "$usr/games/zingbox" "$close_window" "$work"
