#!/usr/bin/env bash
# Builds the program in Release into ./build-release (or $VQ_PACKAGE_DIR) and
# makes its Debian package there, vorquil_<version>_<arch>.deb; arguments go
# to the configuration (for example -DCMAKE_CXX_COMPILER_LAUNCHER=ccache).
# Install it with: sudo apt install ./build-release/vorquil_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
build=${VQ_PACKAGE_DIR:-build-release}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVQ_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
cpack -G DEB
