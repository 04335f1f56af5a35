#!/usr/bin/env bash
# Runs the real program under Xvfb, builds each scene through real input and
# saves the screenshots the README shows into docs/pictures/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh --test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target readme_pictures
mkdir -p docs/pictures
build/tests/window/readme_pictures docs/pictures
