#!/bin/bash
# Saves PNG pictures of the four tabs of the main window in both layouts under
# <build>/screenshots, plus the water, air and drainage tabs after a live switch and the « Réseau »
# window in a light and a dark palette, and checks
# that all of them were written.
set -eu
build=${1:?build folder}
folder="$build/screenshots"
rm -rf "$folder"
mkdir -p "$folder"
VQ_SCREENSHOT_DIR="$folder" QT_QPA_PLATFORM=offscreen \
    "$build/tests/ui_tests" --gtest_filter='MainWindowTest.Screenshots*'
count=0
for name in {horizontal,vertical}-{eau,air,evacuations,options} switched-{horizontal,vertical}-{eau,air,evacuations} reseau-{clair,sombre}; do
    file="$folder/$name.png"
    if [ ! -s "$file" ] || [ "$(head -c 4 "$file" | tail -c 3)" != "PNG" ]; then
        echo "missing or not a PNG: $file"
        exit 1
    fi
    count=$((count + 1))
done
echo "$count screenshots in $folder"
