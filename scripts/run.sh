#!/usr/bin/env bash
# Installs what is missing, builds, and opens the Curvix window from the
# repository root (the program finds fonts/ relative to it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j"$(nproc)" --target curvix
exec build/curvix "$@"
