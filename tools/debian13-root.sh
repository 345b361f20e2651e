#!/usr/bin/env bash
# Runs the README's `make test` (or another make target: `make bench`) in a clean Debian 13
# root, as a newcomer on Debian 13 would. debootstrap makes a base root once and `make setup` installs the packages in a
# fresh copy of it; both are kept in the cache folder. Each run starts from a fresh copy
# of the installed root with a clean copy of the committed tree (git HEAD).
# Needs root. The root reaches the Debian archive the host uses while `make setup`
# installs packages, and no network at all while the target runs; the Flash engine's
# npm files are the host's own. Everything the root mounts lives in a mount namespace
# of its own, so nothing stays mounted when the run ends, fails or is killed.
# usage: tools/debian13-root.sh [cache folder, default build/debian13] [make target, default test]
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cache=$(realpath -m "${1:-$repo/build/debian13}")
target=${2:-test}
release=trixie
root=$cache/root
started=$SECONDS

say() { printf '[debian13 %4ds] %s\n' $((SECONDS - started)) "$*"; }
fail() {
  say "FAILED: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "needs root (debootstrap, mounts, pivot_root)"

left_mounted() { findmnt -rn -o TARGET | grep -F "$cache/" || true; }
check_nothing_mounted() {
  local status=$?
  local mounts
  mounts=$(left_mounted)
  if [ -n "$mounts" ]; then
    say "unmounting what was left mounted: $mounts" >&2
    umount -R -l $mounts || true
    status=1
  fi
  [ "$status" -eq 0 ] || say "ended with status $status" >&2
  exit "$status"
}
trap check_nothing_mounted EXIT
# The root's processes all go with the first of them, killed or not.
namespace=""
trap '[ -z "$namespace" ] || kill -KILL "$namespace" 2>/dev/null; exit 130' INT TERM

# The URI the host's apt takes a suite from (one-line or deb822 sources).
host_uri() {
  local suite=$1
  cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk -v s="$suite" '$1 == "deb" { for (i = 2; i < NF; i++) if ($i !~ /^\[/ && $(i+1) == s) { print $i; exit } }'
  cat /etc/apt/sources.list.d/*.sources 2>/dev/null |
    awk -v s="$suite" 'BEGIN { RS = ""; FS = "\n" } {
      uri = ""; hit = 0
      for (i = 1; i <= NF; i++) {
        if ($i ~ /^URIs:/) { split($i, u, " "); uri = u[2] }
        if ($i ~ /^Suites:/) { n = split($i, w, " "); for (j = 2; j <= n; j++) if (w[j] == s) hit = 1 }
      }
      if (hit && uri != "") { print uri; exit }
    }'
}
host_release=$(. /etc/os-release && echo "$VERSION_CODENAME")
mirror=$(host_uri "$host_release" | head -n1)
security=$(host_uri "$host_release-security" | head -n1)
[ -n "$mirror" ] || fail "found no Debian archive in the host's apt sources"
: "${security:=${mirror%/debian}/debian-security}"

# Runs a command in the root: its own mount, process and (unless told) network
# namespaces, the root pivoted to, so it looks like a machine of its own. A chroot would
# not do: the kernel refuses user namespaces in one, and a test makes its read-only
# folder in one. The network namespace also keeps the root's Xvfb displays apart from
# the host's. The first argument says whether the network is reached: "net" or "nonet".
in_root() {
  local network=$1
  shift
  local namespaces=(--mount --propagation private --pid --fork --kill-child)
  [ "$network" = net ] || namespaces+=(--net)
  unshare "${namespaces[@]}" bash -euo pipefail -c '
    root=$1 cache=$2 network=$3
    shift 3
    [ "$network" = net ] || ip link set lo up
    mount --bind "$root" "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
    mkdir -p "$cache/apt-archives" "$cache/ccache" "$root/var/cache/apt/archives" "$root/root/.cache/ccache"
    mount --bind "$cache/apt-archives" "$root/var/cache/apt/archives"
    mount --bind "$cache/ccache" "$root/root/.cache/ccache"
    cd "$root"
    mkdir -p .host
    pivot_root . .host
    umount -l /.host
    rmdir /.host
    exec env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" CMAKE_C_COMPILER_LAUNCHER=ccache \
      CMAKE_CXX_COMPILER_LAUNCHER=ccache "$@"' in_root "$root" "$cache" "$network" "$@" &
  namespace=$!
  local status=0
  wait "$namespace" || status=$?
  namespace=""
  return "$status"
}

say "host: Debian $host_release, archive $mirror; cache folder $cache"
say "making sure the host has debootstrap and the Flash engine's npm files (tools/setup.sh)"
bash "$repo/tools/setup.sh"

base=$cache/base
if [ ! -f "$base/.complete" ]; then
  say "no cached Debian 13 base: running debootstrap $release (a few minutes)"
  rm -rf --one-file-system "$base" "$base.tmp"
  mkdir -p "$cache"
  log=$cache/debootstrap.log
  unshare --mount --propagation private \
    debootstrap --variant=minbase --include=make,ccache "$release" "$base.tmp" "$mirror" 2>&1 | tee "$log" |
    grep --line-buffered -E '^(I: (Retrieving Release|Validating Packages|Installing core|Unpacking the base|Configuring the base|Base system)|E:|W:)' || true
  grep -q '^I: Base system installed successfully' "$log" || fail "debootstrap failed; its log: $log"
  cat >"$base.tmp/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb $security $release-security main
EOF
  touch "$base.tmp/.complete"
  mv "$base.tmp" "$base"
else
  say "reusing the Debian 13 base made $(date -r "$base/.complete" '+%F %R')"
fi

# A fresh copy of <from> as the root, holding the committed tree with the host's engine files.
fresh_root() {
  say "copying the ${1##*/} root to a fresh one"
  rm -rf --one-file-system "$root"
  cp -a "$1" "$root"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  say "putting the committed tree ($commit) in the root; uncommitted changes are not part of it"
  mkdir -p "$checkout"
  git -C "$repo" archive --format=tar HEAD | tar -x -C "$checkout"
  if ! cmp -s "$checkout/$engine/package-lock.json" "$repo/$engine/node_modules/.installed-lock.json"; then
    fail "the host's npm files in $engine do not match $commit's lock file; run make setup and commit"
  fi
  cp -a "$repo/$engine/node_modules" "$checkout/$engine/"
}
checkout=$root/root/zingbox
commit=$(git -C "$repo" rev-parse --short HEAD)
engine=platform/ruffle

# `make setup` installs the Debian 13 packages (ten minutes and more); the root it leaves
# is kept for as long as tools/setup.sh stays the same, for a week at most, so that
# packages from newer point releases come in.
prepared=$cache/prepared
setup_key=$(git -C "$repo" show HEAD:tools/setup.sh | sha256sum | cut -c1-16)
if [ "$(cat "$prepared/.setup-key" 2>/dev/null)" = "$setup_key" ] &&
  [ -n "$(find "$prepared/.setup-key" -mtime -7)" ]; then
  say "reusing the root that make setup prepared $(date -r "$prepared/.setup-key" '+%F %R') for this tools/setup.sh"
else
  say "no root prepared for this tools/setup.sh: make setup in a fresh root, from $mirror"
  fresh_root "$base"
  setup_started=$SECONDS
  in_root net bash -c 'cd /root/zingbox && make setup'
  say "make setup took $((SECONDS - setup_started)) s"
  rm -rf --one-file-system "$prepared" "$checkout"
  echo "$setup_key" >"$root/.setup-key"
  mv "$root" "$prepared"
fi
fresh_root "$prepared"

say "make $target in the root, with no network: $(. "$root/etc/os-release" && echo "$PRETTY_NAME"), Qt $(
  dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Version}' libqt6core6t64 2>/dev/null || echo '?')"
test_started=$SECONDS
in_root nonet make -C /root/zingbox "$target"
say "make $target passed in $((SECONDS - test_started)) s; whole run $((SECONDS - started)) s"
