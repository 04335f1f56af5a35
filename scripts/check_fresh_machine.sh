#!/usr/bin/env bash
# Proves the README's two commands on a machine that has never built Curvix:
# makes a minimal Debian 12 root with debootstrap, copies this checkout into
# copies of it, and runs the commands there with chroot, once in each order:
#
#   run then test: the run command builds the program and gets as far as the
#                  program itself reporting that there is no display; the
#                  test command then passes, and a second run rebuilds nothing;
#   test then run: the same, the other way round.
#
#   scripts/check_fresh_machine.sh [WORK_DIR]    (default /var/tmp/curvix-fresh; needs root)
#
# The base root is made once and kept in WORK_DIR/base (delete it to start
# over); downloaded packages are shared through WORK_DIR/apt-archives.
set -euo pipefail

checkout=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-/var/tmp/curvix-fresh}
mirror=http://deb.debian.org/debian
mounted=()

[[ $(id -u) -eq 0 ]] || { echo "check_fresh_machine.sh: needs root (debootstrap, chroot)" >&2; exit 2; }

unmount_all() {
  local i
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
  mounted=()
}
trap unmount_all EXIT

make_base() {
  if [[ -f $work/base/.complete ]]; then return; fi
  dpkg-query -W -f='${Status}' debootstrap 2>/dev/null | grep -q "install ok installed" ||
    { apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap; }
  rm -rf "$work/base"
  mkdir -p "$work/base" "$work/apt-archives/partial"
  echo "== debootstrap: minimal Debian 12 in $work/base"
  debootstrap --variant=minbase --cache-dir="$work/apt-archives" bookworm "$work/base" "$mirror" \
    > "$work/debootstrap.log"
  # Services must not start inside the root while packages install.
  printf '#!/bin/sh\nexit 101\n' > "$work/base/usr/sbin/policy-rc.d"
  chmod +x "$work/base/usr/sbin/policy-rc.d"
  touch "$work/base/.complete"
}

bind() { # SOURCE TARGET
  mkdir -p "$2"
  mount --bind "$1" "$2"
  mounted+=("$2")
}

# A fresh copy of the base with this checkout's tracked files (as they are in
# the work tree) in /root/curvix, and the host's devices and name service.
prepare_root() { # NAME
  local root=$work/$1
  rm -rf "$root"
  cp -a "$work/base" "$root"
  mkdir -p "$root/root/curvix"
  git -C "$checkout" ls-files -z | tar -C "$checkout" --null -T - -cf - | tar -C "$root/root/curvix" -xf -
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  bind /dev "$root/dev"
  bind /dev/pts "$root/dev/pts"
  bind /proc "$root/proc"
  bind /sys "$root/sys"
  bind "$work/apt-archives" "$root/var/cache/apt/archives"
}

# Runs one of the README's commands inside the root, logging to WORK_DIR/NAME-COMMAND.log.
in_root() { # NAME COMMAND
  local log=$work/$1-$2.log
  local status=0
  echo "== $1: bash scripts/$2.sh"
  env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    chroot "$work/$1" /bin/bash -c "cd /root/curvix && bash scripts/$2.sh" > "$log" 2>&1 || status=$?
  echo "   exit status $status, $(grep -c 'Building CXX object' "$log" || true) objects compiled; log: $log"
  return "$status"
}

expect_run_reaches_the_program() { # NAME
  local log=$work/$1-run.log
  if in_root "$1" run; then
    echo "FAIL: the program started with no display?" >&2; return 1
  fi
  grep -q "failed to open display" "$log" ||
    { echo "FAIL: the run command did not reach the program; last lines:" >&2; tail -20 "$log" >&2; return 1; }
  echo "   $(grep 'failed to open display' "$log")"
}

expect_tests_pass() { # NAME
  local log=$work/$1-test.log
  in_root "$1" test || { echo "FAIL: the test command failed; last lines:" >&2; tail -30 "$log" >&2; return 1; }
  echo "   $(grep -E 'tests passed' "$log")"
}

expect_nothing_rebuilt() { # NAME COMMAND
  local compiled
  compiled=$(grep -c 'Building CXX object' "$work/$1-$2.log" || true)
  [[ $compiled -eq 0 ]] || { echo "FAIL: $2 after the other command recompiled $compiled objects" >&2; return 1; }
}

start=$SECONDS
make_base
echo "   base ready after $((SECONDS - start)) s"

prepare_root run-first
expect_run_reaches_the_program run-first
expect_tests_pass run-first
expect_run_reaches_the_program run-first
expect_nothing_rebuilt run-first run
unmount_all

prepare_root test-first
expect_tests_pass test-first
expect_run_reaches_the_program test-first
expect_nothing_rebuilt test-first run
unmount_all

echo "PASS: both orders on a fresh Debian 12 root, $((SECONDS - start)) s in all"
