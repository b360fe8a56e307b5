#!/bin/bash
# vorquil-calc as a user runs it, without a display: one section as a table,
# the same section as JSON, and a Latin-1 and a UTF-16 schedule with one bad
# row each (status 1, the message on standard error, the other row sized, the
# output in UTF-8).
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
# The same kind of schedule exported as a spreadsheet's "Unicode text" (UTF-16,
# tabs): a flat duct is sized with a warning, a row without a flow refused.
/usr/bin/python3 - "$tmp/unicode.txt" <<'PYTHON'
import sys
rows = ["id\tkind\tshape\tmode\tside-a\tside-b\tflow", "G1\tair\trect\tdn\t100\t2100\t1000", "G2\tair\tcirc\tpdc\t\t\t"]
open(sys.argv[1], "wb").write("\r\n".join(rows).encode("utf-16"))
PYTHON
status=0
"${calc[@]}" batch "$tmp/unicode.txt" -o "$tmp/unicode.csv" 2>"$tmp/err" || status=$?
[ "$status" = 1 ] || fail "UTF-16 batch status $status: $(cat "$tmp/err")"
/usr/bin/python3 - "$tmp/unicode.csv" <<'PYTHON' || fail "UTF-16 batch output: $(cat "$tmp/unicode.csv")"
import csv, sys
rows = list(csv.DictReader(open(sys.argv[1], encoding="utf-8-sig"), delimiter="\t"))
assert [r["id"] for r in rows] == ["G1", "G2"], rows
assert rows[0]["size"] == "100x2100" and rows[0]["error"] == "", rows[0]
assert rows[0]["warning"] == "gaine 100x2100 : rapport des côtés au-delà des 4:1 conseillés", rows[0]
assert rows[1]["velocity"] == "" and rows[1]["error"] == "flow : manquant (m3/h)", rows[1]
PYTHON
echo "vorquil-calc: section, JSON and schedules all right"
