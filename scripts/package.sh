#!/usr/bin/env bash
# Builds the Debian package of Curvix: installs whatever is missing, configures
# a Release build of the program alone in build-package/ (no tests, no
# benchmarks, installing under /usr), builds it and runs CPack. The last line
# printed is the path of the .deb, to be installed with
#   apt install ./build-package/curvix_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install_deps.sh --python

# dpkg-shlibdeps (dpkg-dev) lets CPack read the package's dependencies off the
# program's shared libraries; only the packaging needs it.
if ! dpkg-query -W -f='${Status}' dpkg-dev 2>/dev/null | grep -q "install ok installed"; then
  echo "Installing: dpkg-dev"
  sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  # Another apt run on the machine is waited for rather than failed on.
  $sudo apt-get -o DPkg::Lock::Timeout=600 update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -q \
    --no-install-recommends dpkg-dev
fi

build=build-package
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCURVIX_TESTS=OFF -DCURVIX_BENCHMARKS=OFF -DCURVIX_REQUIRE_PYTHON_MODULE=ON
cmake --build "$build" -j2
# A package left from an earlier version would match the README's curvix_*.deb too.
rm -f "$build"/curvix_*.deb
(cd "$build" && cpack -G DEB)

deb=$(ls "$build"/curvix_*.deb)
echo "$(pwd)/$deb"
