#!/usr/bin/env bash
# Writes a PNG of Vantrel's window on sample workbooks: the first cause code, accident type and
# railroad selected.
# Usage: scripts/vantrel-screenshot.sh [OUT.png]   (default: vantrel-screenshot.png; BUILD_DIR,
#        default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=${1:-vantrel-screenshot.png}
case "$OUT" in /*) ;; *) OUT="$ROOT/$OUT" ;; esac

if ! /usr/bin/python3 -c 'import xlwt' 2>/dev/null; then
  echo "The sample workbooks are written with python3-xlwt (as root: apt-get install -y python3-xlwt)" >&2
  exit 1
fi

BUILD_DIR=${BUILD_DIR:-build}
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$ROOT/$BUILD_DIR" ;; esac
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Debug} >/dev/null
fi
cmake --build "$BUILD_DIR" -j 2 --target Vantrel

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
/usr/bin/python3 bench/vantrel_scan/generate.py "$WORK" 5 3
cd "$WORK"
xvfb-run -a -s "-screen 0 1440x900x24" "$BUILD_DIR/src/Vantrel" --screenshot "$OUT"
echo "$OUT"
