#!/usr/bin/env bash
# Measures the program's start-up against an empty Qt Widgets window built with
# the same Qt, side by side under Xvfb, and its scaling with large libraries.
# Usage: bench/startup.sh [RUNS]   (median of RUNS alternating runs, default 20)
# Builds the program and the reference window in ./build (or $VQ_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VQ_BUILD_DIR:-build}
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -B "$build" -DVQ_BUILD_BENCH=ON >/dev/null
else
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVQ_BUILD_BENCH=ON >/dev/null
fi
cmake --build "$build" --target vorquil reference_window >/dev/null
# python3-xlib is a Debian package: the system interpreter, whatever is first on PATH.
exec /usr/bin/python3 bench/startup.py "$build/vorquil" "$build/bench/reference_window" data "${1:-20}"
