#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks, builds everything and runs the tests.
# Usage: scripts/test.sh [extra cmake options]   (BUILD_DIR, default build/)
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
ensure_packages

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Debug} "$@"
cmake --build "$BUILD_DIR" -j "$(nproc)"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
