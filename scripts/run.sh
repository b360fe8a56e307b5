#!/usr/bin/env bash
# Installs what is missing, builds the program (not the tests) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
VQ_BUILD_TARGET=vorquil bash scripts/build.sh
exec ./"${VQ_BUILD_DIR:-build}"/vorquil "$@"
