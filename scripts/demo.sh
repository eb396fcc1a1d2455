#!/usr/bin/env bash
# Sets up the programs and runs the main job on demo data in ./demo (made anew each time).
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
ensure_packages

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Debug} >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target quillon

rm -rf demo
mkdir -p demo
"$BUILD_DIR/src/quillon" --data demo demo
"$BUILD_DIR/src/quillon" --data demo systems
"$BUILD_DIR/src/quillon" --data demo run "Onboard Braking and Train Separation Protection"
"$BUILD_DIR/src/quillon" --data demo report "Onboard Braking and Train Separation Protection"
