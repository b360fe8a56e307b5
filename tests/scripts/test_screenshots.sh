#!/bin/bash
# Saves PNG pictures of the four tabs of the main window in both layouts under
# <build>/screenshots and checks that all eight were written.
set -eu
build=${1:?build folder}
folder="$build/screenshots"
rm -rf "$folder"
mkdir -p "$folder"
VQ_SCREENSHOT_DIR="$folder" QT_QPA_PLATFORM=offscreen \
    "$build/tests/ui_tests" --gtest_filter='MainWindowTest.ScreenshotsOfEveryTab'
count=0
for layout in horizontal vertical; do
    for tab in eau air evacuations options; do
        file="$folder/$layout-$tab.png"
        if [ ! -s "$file" ] || [ "$(head -c 4 "$file" | tail -c 3)" != "PNG" ]; then
            echo "missing or not a PNG: $file"
            exit 1
        fi
        count=$((count + 1))
    done
done
echo "$count screenshots in $folder"
