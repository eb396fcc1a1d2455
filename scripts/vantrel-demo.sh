#!/usr/bin/env bash
# Makes a few sample accident workbooks in ./demo-vantrel (anew each time), then prints what
# Vantrel reads from them; with a display, the viewer window opens on them afterwards.
set -euo pipefail
cd "$(dirname "$0")/.."

source scripts/packages.sh
ensure_packages
if ! /usr/bin/python3 -c 'import xlwt' 2>/dev/null; then
  echo "The sample workbooks are written with python3-xlwt (as root: apt-get install -y python3-xlwt)" >&2
  exit 1
fi

BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Debug} >/dev/null
cmake --build "$BUILD_DIR" -j "$(nproc)" --target Vantrel

rm -rf demo-vantrel
mkdir -p demo-vantrel
/usr/bin/python3 bench/vantrel_scan/generate.py demo-vantrel 5 3
cd demo-vantrel
"../$BUILD_DIR/src/Vantrel" --dump > dump.txt
echo "Vantrel --dump wrote $(grep -c '^row' dump.txt) accident rows to demo-vantrel/dump.txt; figures:"
grep -v '^row' dump.txt
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  "../$BUILD_DIR/src/Vantrel"
fi
