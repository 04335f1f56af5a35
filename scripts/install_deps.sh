#!/usr/bin/env bash
# Installs the Debian packages that building (and, with --test, testing) needs,
# but only those that are missing, so a machine that has them all needs no
# network at all.
set -euo pipefail

packages=(build-essential cmake pkg-config freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev
          libgl1-mesa-dri libgtest-dev libgmock-dev libbenchmark-dev)
if [[ "${1:-}" == "--test" ]]; then
  packages+=(xvfb xfonts-base xdotool libx11-dev libpng-dev)
fi

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
