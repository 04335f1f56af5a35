#!/usr/bin/env bash
# Installs the Debian packages that a task needs, but only those that are
# missing, so a machine that has them all needs no network at all.
#   scripts/install_deps.sh             building and running the program
# and, with any of these, also
#   --python   the Python package (python/)
#   --test     the unit and real-window tests, the Python package and its notebook
#   --font     regenerating the font (font/maker/)
#   --cross    the aarch64 cross build and qemu-user (adds Debian's arm64
#              architecture for the target's GLPK library)
#   --clang    Clang
#   --fuzz     Clang and its libFuzzer and sanitizer runtimes (the fuzz targets)
#   --web      the Emscripten build of the page
#   --browser  headless Chromium for the browser tests
#   --node     Node.js and npm from Debian (for a machine that has none)
#   --package  building and checking the Debian package (check_package.sh)
set -euo pipefail

packages=(build-essential cmake pkg-config freeglut3-dev libgl1-mesa-dev libglu1-mesa-dev
          libgl1-mesa-dri libgtest-dev libgmock-dev libbenchmark-dev libeigen3-dev libglpk-dev libgmp-dev)
# The Python package's build and import; the tests build it too.
python_packages=(python3-dev pybind11-dev python3-numpy)
for group in "$@"; do
  case "$group" in
    --python) packages+=("${python_packages[@]}") ;;
    # matplotlib, nbconvert and ipykernel execute the Python package's notebook.
    --test) packages+=(xvfb xfonts-base xdotool libx11-dev libpng-dev python3 python3-pytest
                       "${python_packages[@]}" python3-matplotlib jupyter-nbconvert
                       python3-ipykernel) ;;
    --font) packages+=(fonts-ebgaramond libfreetype-dev) ;;
    --cross) packages+=(g++-aarch64-linux-gnu qemu-user libglpk-dev:arm64 libgmp-dev:arm64) ;;
    --clang) packages+=(clang) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev) ;;
    --web) packages+=(emscripten node-acorn python3 librsvg2-bin) ;;
    --browser) packages+=(chromium fonts-liberation) ;;
    --node) packages+=(nodejs npm) ;;
    # dpkg-shlibdeps (dpkg-dev) for CPack; desktop-file-validate; man and col
    # to render the manual pages; debootstrap for the fresh Debian root.
    --package) packages+=(dpkg-dev desktop-file-utils man-db bsdextrautils debootstrap) ;;
    *)
      echo "install_deps.sh: unknown option '$group'" \
           "(expected --python, --test, --font, --cross, --clang, --fuzz, --web, --browser, --node or --package)" >&2
      exit 2 ;;
  esac
done

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
# A package of another architecture (name:arch) needs that architecture
# known to dpkg before the package lists are read.
for package in "${missing[@]}"; do
  if [[ "$package" == *:* ]] && ! dpkg --print-foreign-architectures | grep -qx "${package##*:}"; then
    $sudo dpkg --add-architecture "${package##*:}"
  fi
done
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
