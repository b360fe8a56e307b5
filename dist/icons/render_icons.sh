#!/usr/bin/env bash
# Renders the PNG icons of hicolor/ from the scalable logo. The PNGs are
# committed, so that the build does not need librsvg; run this again (Debian
# package librsvg2-bin) after changing the SVG.
set -euo pipefail
cd "$(dirname "$0")/hicolor"
svg=scalable/apps/fr.vorquil.Vorquil3.svg
for size in 16 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/apps/fr.vorquil.Vorquil3.png"
done
