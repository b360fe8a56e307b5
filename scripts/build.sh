#!/usr/bin/env bash
# Configures and builds into ./build (or $VQ_BUILD_DIR): everything, or only
# the target named by $VQ_BUILD_TARGET. VQ_WERROR=ON turns warnings into errors,
# VQ_SANITIZE=ON builds with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VQ_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVQ_WERROR="${VQ_WERROR:-OFF}" -DVQ_SANITIZE="${VQ_SANITIZE:-OFF}" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)" ${VQ_BUILD_TARGET:+--target "$VQ_BUILD_TARGET"}
