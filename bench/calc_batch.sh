#!/usr/bin/env bash
# Sizes schedules of 1 000, 10 000 and 100 000 rows with the real vorquil-calc
# and reports the time and the peak resident memory of each: the time of the
# 10 000 rows should stay under 2 s, and the memory should not grow with the
# rows (each row is read, sized and written before the next).
# Usage: bench/calc_batch.sh   (builds vorquil-calc in ./build or $VQ_BUILD_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${VQ_BUILD_DIR:-build}
cmake --build "$build" --target vorquil-calc >/dev/null
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
for rows in 1000 10000 100000; do
    /usr/bin/python3 - "$rows" >"$tmp/in.csv" <<'PYTHON'
import sys
patterns = ["water;Cuivre;pdc;;{n};;;;;;;;;", "water;Acier;vitesse;1.2;;{n};15;;;;;;;", "water;PER;dn;;{n};;;20;;;;;;16",
            "air;;pdc;;{n};;;;circ;;;;;", "air;;vitesse;4;{n};;;;rect;400;;;;", "air;;dn;;{n};;;;rect;500;250;Autre;0.09;"]
print("id;kind;library;mode;limit;flow;power;oversize;antifreeze;shape;side-a;side-b;material;roughness;size")
for r in range(int(sys.argv[1])):
    print(f"S{r};" + patterns[r % 6].format(n=200 + (r * 37) % 20000))
PYTHON
    /usr/bin/time -f "%e %M" -o "$tmp/time" env XDG_DATA_HOME="$tmp/data" \
        "$build/vorquil-calc" batch "$tmp/in.csv" -o "$tmp/out.csv"
    read -r seconds kib <"$tmp/time"
    printf '%7d rows: %6.2f s, peak %6d KiB resident, output %s\n' "$rows" "$seconds" "$kib" \
        "$(du -h "$tmp/out.csv" | cut -f1)"
done
