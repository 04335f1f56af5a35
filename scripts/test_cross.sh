#!/usr/bin/env bash
# Cross-builds the libraries, curvix-lab and the unit tests for 64-bit ARM
# (aarch64) with Debian's cross compiler and runs the unit tests under
# qemu-user, which needs no ARM machine and no display. Installs what is
# missing. Build folder: build-aarch64/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install_deps.sh --cross

cmake -S . -B build-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake \
      -DCMAKE_BUILD_TYPE=Release -DCURVIX_PROGRAM=OFF -DCURVIX_BENCHMARKS=OFF \
      -DCURVIX_GTEST_SOURCE=/usr/src/googletest -DCURVIX_WERROR="${CURVIX_WERROR:-OFF}"
cmake --build build-aarch64 -j"$(nproc)"
# This machine's qemu-user hangs as soon as an emulated program starts a
# thread: the tests that split work over threads keep to one here.
CURVIX_TESTS_ONE_THREAD=1 ctest --test-dir build-aarch64 --output-on-failure -j"$(nproc)"
