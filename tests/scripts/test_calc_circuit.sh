#!/bin/bash
# vorquil-calc circuit as a user runs it, on the delivered libraries and
# fittings catalogue plus a valve of the user's own catalogue (and an entry of
# it that cannot be read, reported on standard error): a heating tree (a trunk
# of two rows, two branches, four ends, a fixed loss in each unit) whose head,
# reserves and index path are worked out here from single-section runs and the
# circuit formulas; the same tree with an unknown fitting (the rows below it
# and its circuit refused, status 1, the CSV in the file and the summary on
# standard output); and the example file installed for new users.
set -eu
build=$(realpath "${1:?build folder}")
source=$(realpath "$(dirname "$0")/../..")
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/data" "$tmp/donnees"
cp "$source/data/Cuivre.tub" "$tmp/donnees/"
cat >"$tmp/donnees/chantier.pdc" <<'PDC'
[Global]
Nom = Robinetterie du chantier
Domaine = eau
[vanne_equilibrage]
Libelle = Vanne d'équilibrage DN15
Type = kv
Valeur = 2.5
Source = fiche du fabricant
[robinet_casse]
Type = kv
Valeur = zéro
PDC
exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_DATA_HOME="$tmp/data" \
    /usr/bin/python3 - "$build/vorquil-calc" "$source" "$tmp" <<'PYTHON'
import csv, json, math, re, subprocess, sys

calc, source, tmp = sys.argv[1:]
defaults = ["--library", "Cuivre", "--data-dir", f"{tmp}/donnees"]
MMCE = 9.81  # Pa in 1 mmCE
# The delivered water catalogue's zeta, as the circuit issue lists them, and the valve above.
ZETA = {"coude90": 0.9, "coude90m": 0.8, "coude90gr": 0.6, "coude45": 0.4, "te_passage": 0.6,
        "te_derivation": 1.8, "vanne": 0.2, "robinet_soupape": 10.0, "robinet_equerre": 5.0, "clapet": 2.5,
        "entree": 0.5, "sortie": 1.0}
KV = {"vanne_equilibrage": 2.5}  # m3/h at 1 bar
UNIT = {"pa": 1.0, "kpa": 1000.0, "mmce": MMCE, "mce": 1000 * MMCE}  # Pa per unit
HEADER = ["id", "upstream", "kind", "length", "fittings", "fixed", "flow", "power"]
TREE = [
    ["T0", "", "water", "3", "entree+vanne*2", "15kPa", "", ""],
    ["T1", "T0", "water", "12", "coude90*2", "", "", ""],
    ["T2", "T1", "water", "8,5", "te_derivation + COUDE90*2", "", "", ""],
    ["R1", "T2", "water", "6", "coude90*3+robinet_equerre", "0,25 mCE", "400", ""],
    ["R2", "T2", "water", "9", "coude90*2+vanne_equilibrage", "150 mmCE", "600", ""],
    ["T3", "T1", "water", "15", "te_passage+coude45*2", "1200 Pa", "", ""],
    ["R3", "T3", "water", "4", "coude90*4+robinet_equerre+0,5", "", "500", ""],
    ["R4", "T3", "water", "11", "clapet+coude90m*2", "2kPa", "", "10000"],
]

def fail(message):
    sys.exit(f"FAIL: {message}")

def run(*args):
    done = subprocess.run([calc, *args], capture_output=True, text=True)
    return done.returncode, done.stdout, done.stderr

def write(path, rows):
    open(path, "w", encoding="utf-8").write("".join(";".join(row) + "\n" for row in [HEADER] + rows))

def section(*options):
    status, out, err = run("water", *defaults, *options, "--json")
    if status != 0:
        fail(f"water {options}: {err}")
    return json.loads(out)

# Inside diameters of the copper library [mm], by designation.
inside, group = {}, None
for line in open(f"{source}/data/Cuivre.tub", encoding="utf-8-sig"):
    if m := re.match(r"\[(.+)\]", line.strip()):
        group = m.group(1)
    elif m := re.match(r"DiamInt = ([\d.]+)", line.strip()):
        inside[group] = float(m.group(1))

rows = {r[0]: dict(zip(HEADER, r)) for r in TREE}
order = [r[0] for r in TREE]
below = {i: [j for j in order if rows[j]["upstream"] == i] for i in order}
def flow(i):  # L/h as shown: an end's own, a trunk's the sum of those below it
    r = rows[i]
    if below[i]:
        return sum(flow(j) for j in below[i])
    return int(r["flow"]) if r["flow"] else int(section("--power", r["power"])["flow"])

cumulative = {}
for i in order:
    r = rows[i]
    q = flow(i)
    s = section("--flow", str(q))
    d = inside[s["size"]] / 1000  # m
    v = q / 3.6e6 / (math.pi * d * d / 4)  # m/s
    if abs(v - float(s["velocity"])) > 0.005:
        fail(f"{i}: velocity {v} against {s['velocity']}")
    rho = float(s["density"])  # kg/m3
    zeta, other = 0.0, 0.0  # -, Pa
    for term in r["fittings"].split("+"):
        code, _, count = term.strip().lower().partition("*")
        n = int(count or 1)
        if code in KV:
            other += n * 1e5 * (q / 1000 / KV[code]) ** 2 * rho / 1000
        elif code in ZETA:
            zeta += n * ZETA[code]
        else:
            zeta += float(code.replace(",", "."))
    if r["fixed"]:
        number, unit = re.fullmatch(r"([\d,.]+)\s*(\w+)", r["fixed"]).groups()
        other += float(number.replace(",", ".")) * UNIT[unit.lower()]
    length = float(r["length"].replace(",", "."))
    total = float(s["pressure_drop"]) * length + (zeta * rho * v * v / 2 + other) / MMCE  # mmCE
    cumulative[i] = cumulative.get(r["upstream"], 0.0) + total

ends = [i for i in order if not below[i]]
index = max(ends, key=lambda i: cumulative[i])
head = cumulative[index]
path = [index]
while rows[path[0]]["upstream"]:
    path.insert(0, rows[path[0]]["upstream"])
# The gradients are read with 2 decimals: 0.005 mmCE/m on every metre, and the printed decimal.
tolerance = 0.005 * sum(float(r["length"].replace(",", ".")) for r in rows.values()) + 0.15
runner_up = sorted(cumulative[i] for i in ends)[-2]
if head - runner_up < 2 * tolerance:
    fail(f"the tree has no clear index end: {cumulative}")

write(f"{tmp}/tree.csv", TREE)
status, out, err = run("circuit", f"{tmp}/tree.csv", *defaults, "--json")
if status != 0 or "chantier.pdc : [robinet_casse]" not in err:
    fail(f"circuit status {status}: {err}")
document = json.loads(out)
circuit = document["circuits"][0]
if len(document["circuits"]) != 1 or circuit["root"] != "T0" or circuit["index_end"] != index \
        or circuit["path"] != path:
    fail(f"circuit {circuit}, expected index {index} by {path}")
for key, value, within in [("head", head, tolerance), ("head_kpa", head * MMCE / 1000, 0.01),
                           ("head_mce", head / 1000, 0.01)]:
    if abs(float(circuit[key]) - value) > within:
        fail(f"{key} {circuit[key]}, expected {value:.2f}")
for row in document["rows"]:
    i = row["id"]
    if row["index"] != ("1" if i in path else "0") or row.get("error", ""):
        fail(f"row {row}")
    if i in ends and abs(float(row["reserve"]) - (head - cumulative[i])) > tolerance:
        fail(f"{i}: reserve {row['reserve']}, expected {head - cumulative[i]:.1f}")

# An unknown fitting on a branch: it, the rows below it and the circuit are refused.
TREE[5][4] = "te_passage+coude_inconnu"
write(f"{tmp}/refused.csv", TREE)
status, out, err = run("circuit", f"{tmp}/refused.csv", *defaults, "-o", f"{tmp}/refused-out.csv")
written = list(csv.DictReader(open(f"{tmp}/refused-out.csv", encoding="utf-8"), delimiter=";"))
errors = {r["id"]: r["error"] for r in written}
if status != 1 or "coude_inconnu" not in errors["T3"] or "fittings" not in errors["T3"] \
        or not errors["R3"] or not errors["R4"] or "ligne 7" not in err:
    fail(f"refused row: status {status}, errors {errors}, messages {err}")
if "Erreur" not in out or "id;" in out or written[-1]["id"] != "R4":
    fail(f"refused circuit: summary {out!r}, file {written}")

status, out, err = run("circuit", f"{source}/dist/examples/circuit-chauffage.csv")
if status != 0 or "Pression à fournir" not in out:
    fail(f"example: status {status}, {out} {err}")
print("vorquil-calc circuit: head, reserves, index path, refused row and example all right")
PYTHON
