#!/usr/bin/env bash
# Installs the Debian packages that a task needs, but only those that are
# missing, so a machine that has them all needs no network at all.
#   scripts/install_deps.sh           building and running the program
#   scripts/install_deps.sh --test    also the unit and real-window tests
#   scripts/install_deps.sh --font    also regenerating the font (tools/)
#   scripts/install_deps.sh --cross   also the aarch64 cross build and qemu-user
#   scripts/install_deps.sh --clang   also Clang
set -euo pipefail

packages=(build-essential cmake pkg-config freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev
          libgl1-mesa-dri libgtest-dev libgmock-dev libbenchmark-dev)
case "${1:-}" in
  --test) packages+=(xvfb xfonts-base xdotool libx11-dev libpng-dev) ;;
  --font) packages+=(fonts-ebgaramond libfreetype-dev) ;;
  --cross) packages+=(g++-aarch64-linux-gnu qemu-user) ;;
  --clang) packages+=(clang) ;;
  "") ;;
  *) echo "install_deps.sh: unknown option '$1' (expected --test, --font, --cross or --clang)" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
