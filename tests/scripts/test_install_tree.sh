#!/bin/bash
# Installs the build into a temporary DESTDIR and checks the installed tree:
# every file in place, the desktop entry and the metainfo accepted by their
# validators, each icon decodable at its size, --version and --help answered
# without a display, the data found beside a moved install, the .deb's
# dependencies and lintian's verdict on it.
set -eu
build=$(realpath "${1:?build folder}")
id=fr.vorquil.Vorquil3
tmp=$(mktemp -d)
program_pid=
trap '[ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null; rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$tmp/stage" cmake --install "$build" --prefix /usr >/dev/null
root="$tmp/stage/usr"
for file in bin/vorquil share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
        share/man/man1/vorquil.1.gz share/icons/hicolor/scalable/apps/$id.svg \
        share/vorquil/Acier.tub share/vorquil/PVC.eva share/vorquil/help \
        bin/vorquil-calc share/man/man1/vorquil-calc.1.gz share/doc/vorquil/examples/circuit-chauffage.csv; do
    [ -e "$root/$file" ] || fail "not installed: $file"
done
[ -x "$root/bin/vorquil" ] || fail "the program is not executable"
gzip -t "$root/share/man/man1/vorquil.1.gz" || fail "man page"

desktop-file-validate "$root/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" >"$tmp/appstream.log" ||
    { cat "$tmp/appstream.log"; fail "metainfo"; }

/usr/bin/python3 - "$root/share/icons/hicolor" "$id" <<'PYTHON' || fail "icons"
import struct, sys, zlib, xml.etree.ElementTree as ET
folder, name = sys.argv[1], sys.argv[2]
for size in (16, 32, 48, 64, 128, 256):
    data = open(f"{folder}/{size}x{size}/apps/{name}.png", "rb").read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", size
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        assert zlib.crc32(kind + body) == struct.unpack(">I", data[pos + 8 + length:pos + 12 + length])[0], size
        if kind == b"IHDR":
            header = struct.unpack(">IIBB", body[:10])
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour = header
    assert (width, height, depth, colour) == (size, size, 8, 6), (size, header)
    rows = zlib.decompress(idat)
    assert len(rows) == height * (1 + width * 4), size
    assert all(rows[r * (1 + width * 4)] <= 4 for r in range(height)), size
assert ET.parse(f"{folder}/scalable/apps/{name}.svg").getroot().tag == "{http://www.w3.org/2000/svg}svg"
PYTHON

# --version and --help answer before any window system is asked for.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
release=$(grep -o -m1 '<release version="[^"]*"' "$root/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)
[ "$("${no_display[@]}" "$root/bin/vorquil" --version)" = "Vorquil III $release" ] ||
    fail "--version is not \"Vorquil III $release\""
"${no_display[@]}" "$root/bin/vorquil" --help | grep -q -- "--version" || fail "--help"

# A moved install still finds its data: a library only the moved copy holds
# reaches the new user's data folder on the first start.
mv "$tmp/stage/usr" "$tmp/moved"
cp "$tmp/moved/share/vorquil/Acier.tub" "$tmp/moved/share/vorquil/Moved.tub"
mkdir -p "$tmp/work" "$tmp/runtime" && chmod 700 "$tmp/runtime"
(cd "$tmp/work" && exec env HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/runtime" \
    QT_QPA_PLATFORM=offscreen "$tmp/moved/bin/vorquil" >/dev/null 2>&1) &
program_pid=$!
for _ in $(seq 100); do
    [ -e "$tmp/data/Vorquil 3/Data/Moved.tub" ] && break
    sleep 0.2
done
kill "$program_pid" 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true
program_pid=
[ -e "$tmp/data/Vorquil 3/Data/Moved.tub" ] || fail "the moved program did not find its data"

# The package: dependencies from the shared libraries, plus the font.
(cd "$build" && cpack -G DEB -B "$tmp/package" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; fail "cpack"; }
deb=$(ls "$tmp"/package/vorquil_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libcurl4 libpng16-16 fonts-crosextra-carlito; do
    [[ "$depends" == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done
dpkg --compare-versions "$(dpkg-deb -f "$deb" Version)" eq "$release" || fail "package version"
dpkg-deb -c "$deb" | grep "usr/share/applications/$id.desktop" >/dev/null || fail "desktop entry not packaged"
# Debian's own checks: no error and no warning (information tags are allowed).
if command -v lintian >/dev/null; then
    lintian --allow-root --fail-on error,warning "$deb" >"$tmp/lintian.log" 2>&1 ||
        { cat "$tmp/lintian.log"; fail "lintian"; }
else
    echo "lintian absent: the package's policy check is skipped"
fi
echo "install tree, validators, icons, options, moved install and package: all right"
