#!/bin/bash
# The FTP and cipher libraries serve only the update check at close and are
# loaded when a check is due: a start must not map their dependency chain.
set -eu
build=$(realpath "${1:?build folder}")
linked=$(ldd "$build/vorquil" | grep -E 'libcurl|libcrypto' || true)
[ -z "$linked" ] || { echo "FAIL: linked at start:"; echo "$linked"; exit 1; }
echo "neither libcurl nor libcrypto is linked at start"
