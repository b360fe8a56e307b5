#!/bin/bash
# The layer check passes on the tree and fails on an include that goes up or
# sideways, naming the file and line, on an include cycle inside a folder, and
# on a Qt header reached from a sizing header.
set -eu
source_root=$(realpath "$(dirname "$0")/../..")
check="$source_root/scripts/check_layers.py"
python3 "$check" "$source_root"

copy=$(mktemp -d); trap 'rm -rf "$copy"' EXIT
mkdir -p "$copy/tests"
cp -r "$source_root/src" "$copy/"
cp -r "$source_root/tests/engines" "$copy/tests/"
fails() {  # file, include line, layer named in the message
    cp "$copy/$1" "$copy/saved"
    echo "$2" >> "$copy/$1"
    if message=$(python3 "$check" "$copy" 2>&1); then
        echo "FAIL: $1 may include $2"; exit 1
    fi
    grep -q "^$1:[0-9]*: .* may not include $3/" <<<"$message" || { echo "FAIL: $message"; exit 1; }
    mv "$copy/saved" "$copy/$1"
}
fails src/engines/water_sizing.h '#include "platform/controls.h"' platform
fails src/engines/settings_file.cpp '#include "ui/window_state.h"' ui
fails src/base/number_text.h '#include "engines/settings.h"' engines
fails src/physics/friction.cpp '#include "base/identity.h"' base
fails src/ui/main_window.cpp '#include "tabs/program_state.h"' tabs
fails src/ui/images.h '#include "engines/pipe_library.h"' engines
fails src/tabs/water_tab.cpp '#include "app/web_links.h"' app
fails tests/engines/water_sizing_test.cpp '#include "tabs/water_sizing.h"' tabs
# An include that closes a cycle between the files of one folder.
cp "$copy/src/platform/platform_state.h" "$copy/saved"
echo '#include "platform/windows.h"' >> "$copy/src/platform/platform_state.h"
if message=$(python3 "$check" "$copy" 2>&1); then
    echo "FAIL: an include cycle in src/platform passed"; exit 1
fi
grep -q "^src/platform: include cycle .*platform_state.*windows" <<<"$message" || { echo "FAIL: $message"; exit 1; }
mv "$copy/saved" "$copy/src/platform/platform_state.h"
# A sizing header that includes Qt, directly or through another header.
sizing=$(cd "$copy" && ls src/engines/*_sizing.h | head -1)
[ -n "$sizing" ] || { echo "FAIL: no sizing header to check"; exit 1; }
for line in '#include <QString>' '#include "engines/pipe_library.h"'; do
    cp "$copy/$sizing" "$copy/saved"
    echo "$line" >> "$copy/$sizing"
    if message=$(python3 "$check" "$copy" 2>&1); then
        echo "FAIL: $sizing may include $line"; exit 1
    fi
    grep -q "^$sizing: must include no Qt header" <<<"$message" || { echo "FAIL: $message"; exit 1; }
    mv "$copy/saved" "$copy/$sizing"
done
python3 "$check" "$copy"
echo "the layer check refuses includes up or sideways, include cycles in a folder and Qt in sizing headers"
