#!/usr/bin/env bash
# Installs what Zingbox needs to build, test and run on Debian 12 and Debian 13. Quick
# and silent when everything is already there. Every name here is one both releases use;
# libclang-rt-dev is the fuzzer runtime of the release's default clang, which Debian 13
# no longer pulls in with clang.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-webengine-dev qt6-webchannel-dev qt6-webengine-dev-tools
  libqt6webenginecore6-bin libgl-dev libx11-dev libxtst-dev
  nodejs npm
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev
  libgif-dev libleveldb-dev libsnappy-dev libfontconfig-dev
  xvfb xauth x11-utils xdotool xdg-utils fonts-dejavu-core fonts-liberation2 imagemagick
  desktop-file-utils appstream binutils-mingw-w64-i686 lintian inotify-tools
  chromium python3 debootstrap gnuplot-nox
)

missing=()
for p in "${packages[@]}"; do
  # node and npm may come from elsewhere than Debian; any working copy will do.
  case "$p" in
    nodejs) command -v node >/dev/null && continue ;;
    npm) command -v npm >/dev/null && continue ;;
  esac
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "setup: installing ${#missing[@]} Debian packages: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The Flash engine, pinned by the committed lock file; reinstalled when the lock changes.
engine=platform/ruffle
if ! cmp -s "$engine/package-lock.json" "$engine/node_modules/.installed-lock.json"; then
  echo "setup: installing the Flash engine (npm ci in $engine)"
  (cd "$engine" && npm ci --no-audit --no-fund --loglevel=error)
  cp "$engine/package-lock.json" "$engine/node_modules/.installed-lock.json"
fi
