#!/usr/bin/env bash
# Writes a PNG of QuillonToolSet's main window on demo data: the demo system opened, run and drawn.
# Usage: scripts/screenshot.sh [OUT.png]   (default: screenshot.png; BUILD_DIR, default build/;
#        DEMO_SYSTEM overrides the system that is opened, DEMO_SELECT the tree item selected, whose
#        event tree diagram is shown; DEMO_SELECT= selects nothing)
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=${1:-screenshot.png}
case "$OUT" in /*) ;; *) OUT="$ROOT/$OUT" ;; esac

BUILD_DIR=${BUILD_DIR:-build}
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR="$ROOT/$BUILD_DIR" ;; esac
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-Debug} >/dev/null
fi
cmake --build "$BUILD_DIR" -j 2 --target quillon QuillonToolSet

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
QUILLON="$BUILD_DIR/src/quillon"
if ! "$QUILLON" --data "$WORK" demo >/dev/null 2>"$WORK/demo.log"; then
  # Without the demo command, an empty model is all there is to show.
  "$QUILLON" --data "$WORK" init >/dev/null
fi
SYSTEM=${DEMO_SYSTEM:-$("$QUILLON" --data "$WORK" systems 2>/dev/null | awk -F'\t' 'NF>=2 {print $2; exit}')}

SELECT=${DEMO_SELECT-Unintended release of train brakes}

ARGS=(--no-splash)
[ -n "$SYSTEM" ] && ARGS+=(--open "$SYSTEM" --run)
[ -n "$SYSTEM" ] && [ -n "$SELECT" ] && ARGS+=(--select "$SELECT")
cd "$WORK"
xvfb-run -a -s "-screen 0 1440x900x24" "$BUILD_DIR/src/QuillonToolSet" "${ARGS[@]}" --screenshot "$OUT"
echo "$OUT"
