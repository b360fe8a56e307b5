#!/bin/bash
# vorquil-calc as a user runs it, without a display: one section as a table,
# the same section as JSON, and a Latin-1 schedule with one bad row (status 1,
# the message on standard error, the other row sized, the output in UTF-8).
set -eu
build=$(realpath "${1:?build folder}")
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
calc=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$tmp/data" "$build/vorquil-calc")

table=$("${calc[@]}" water --library Cuivre --flow 1000) || fail "water: status $?"
grep -qx "Diamètre            28" <<<"$table" || fail "table: $table"

json=$("${calc[@]}" water --library Cuivre --flow 1000 --json)
/usr/bin/python3 -c '
import json, sys
d = json.loads(sys.argv[1])
assert (d["size"], d["velocity"], d["copy"]) == ("28", "0.52", "1000L/h-Cu.\u00d828"), d' "$json" || fail "json: $json"

printf 'id;kind;library;flow\nR\xe9seau 1;water;Cuivre;1000\nR\xe9seau 2;water;Fer;1000\n' >"$tmp/in.csv"
status=0
"${calc[@]}" batch "$tmp/in.csv" -o "$tmp/out.csv" 2>"$tmp/err" || status=$?
[ "$status" = 1 ] || fail "batch status $status"
grep -q "ligne 3 : library : « Fer » inconnu" "$tmp/err" || fail "batch messages: $(cat "$tmp/err")"
/usr/bin/python3 - "$tmp/out.csv" <<'PYTHON' || fail "batch output: $(cat "$tmp/out.csv")"
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1], encoding="utf-8"), delimiter=";"))
assert [r["id"] for r in rows] == ["Réseau 1", "Réseau 2"], rows
assert (rows[0]["size"], rows[0]["error"]) == ("28", ""), rows[0]
assert rows[1]["size"] == "" and "disponibles : Acier" in rows[1]["error"], rows[1]
PYTHON
echo "vorquil-calc: section, JSON and schedule all right"
