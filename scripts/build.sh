#!/usr/bin/env bash
# Configures and builds into ./build (or $VQ_BUILD_DIR): everything, or only
# the target named by $VQ_BUILD_TARGET.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VQ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j "$(nproc)" ${VQ_BUILD_TARGET:+--target "$VQ_BUILD_TARGET"}
