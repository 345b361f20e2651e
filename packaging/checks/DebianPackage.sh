#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root as dpkg would install it,
# checks what lands where, then starts the unpacked program and waits for its menu.
# usage: DebianPackage.sh <cpack> <CPackConfig.cmake> <version> <close-window helper>
set -euo pipefail
cpack=$1 cpack_config=$2 version=$3 close_window=$4
checks=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d -t zingbox-package.XXXXXX)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

echo "building the package"
"$cpack" -G DEB --config "$cpack_config" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
debs=("$work"/out/zingbox_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one zingbox_*.deb, found: ${debs[*]}"
deb=${debs[0]}

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
  libqt6webenginewidgets6 libqt6webenginecore6-bin xdg-utils; do
  grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done

echo "checking the unpacked layout"
dpkg -x "$deb" "$work/root"
usr=$work/root/usr
program_folder=$usr/lib/zingbox
[ -L "$usr/bin/zingbox" ] || fail "usr/bin/zingbox is not a link"
link=$(readlink "$usr/bin/zingbox")
[ "$link" = ../lib/zingbox/zingbox ] || fail "usr/bin/zingbox points to '$link'"
[ -f "$program_folder/zingbox" ] && [ -x "$program_folder/zingbox" ] ||
  fail "no executable usr/lib/zingbox/zingbox"
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
[ -f "$usr/share/applications/zingbox.desktop" ] || fail "desktop entry missing"
[ -f "$usr/share/metainfo/io.github.zingbox.zingbox.metainfo.xml" ] || fail "metainfo missing"
for size in 48 64 128 256; do
  [ -f "$usr/share/icons/hicolor/${size}x${size}/apps/zingbox.png" ] || fail "${size}px icon missing"
done

echo "starting the unpacked program through its link"
mkdir "$work/home"
# A bare environment: nothing from the build or the caller may help the program start.
environment=(PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$work/home" LANG=C.UTF-8)
[ "$(id -u)" -ne 0 ] || environment+=(QTWEBENGINE_DISABLE_SANDBOX=1)
env -i "${environment[@]}" xvfb-run -a -s '-screen 0 1600x1200x24' \
  bash "$checks/MenuPlays.sh" "$usr/bin/zingbox" "$close_window" "$work"
