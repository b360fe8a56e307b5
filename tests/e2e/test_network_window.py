"""The « Réseau » window of the real program under a window manager, with the
keyboard only: a 6-row tree typed (two branches, a fitting counted with *n, a
fixed loss in kPa) and saved; the head on its status line is the head
vorquil-calc circuit finds in the saved file, to the last digit shown; undoing
the last three edits brings the head back; « Copier » gives tab-separated
lines; the calculation note's text holds the head and every row."""
import json
import os
import subprocess
import sys
import time

from harness import TITLE, Session, WindowManager, clipboard, run, transient_for, wait_for, write_config

if os.environ.get("VQ_PRIVATE_BUS") != "1":
    os.environ["VQ_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

import dbus  # noqa: E402 - only once the private bus is there

HEAD_LINE = "Circuit le plus défavorisé"
ROWS = ["T1", "T2", "T3", "T4", "T5", "T6"]

# Each row as typed: the shortcut that adds it, then Tab and text from its
# first cell (Tronçon, Amont, Longueur, Débit, Puissance, Singularités, ΔP fixe).
TREE = [
    ("ctrl+n", ["Tab", "Tab", "10", "Return", "Tab", "Tab", "Tab", "coude90*2+vanne*1", "Return"]),
    ("ctrl+shift+n", ["Tab", "Tab", "6", "Return", "Tab", "Tab", "Tab", "te_passage*1", "Return"]),
    ("ctrl+shift+n", ["Tab", "Tab", "4", "Return", "Tab", "500", "Return", "Tab", "Tab", "te_derivation*1",
                      "Return"]),
    ("ctrl+n", ["Tab", "Tab", "8", "Return", "Tab", "700", "Return", "Tab", "Tab", "te_derivation+coude90*3",
                "Return"]),
    ("Up Up ctrl+n", ["Tab", "Tab", "12", "Return", "Tab", "Tab", "Tab", "te_derivation*1", "Return"]),
    ("ctrl+shift+n", ["Tab", "Tab", "5", "Return", "Tab", "Tab", "6000", "Return"]),
]
# The last three edits: T6's fittings and fixed loss, then T3's fixed loss.
LAST_THREE = ["Tab", "coude90*2", "Return", "Tab", "2kPa", "Return", "Up", "Up", "Up", "5kPa", "Return"]


def keys(session, sequence):
    for key in sequence:
        if key in ("Tab", "Return", "Up") or "+" in key and key.split("+")[0] in ("ctrl", "shift", "alt"):
            session.xdotool("key", "--clearmodifiers", key)
        else:
            session.xdotool("type", "--delay", "40", key)
        time.sleep(0.15)


def accessible_names(bus, destination, path, names):
    node = bus.get_object(destination, path)
    names.append(str(node.Get("org.a11y.atspi.Accessible", "Name",
                              dbus_interface="org.freedesktop.DBus.Properties")))
    for child_destination, child_path in node.GetChildren(dbus_interface="org.a11y.atspi.Accessible"):
        accessible_names(bus, str(child_destination), str(child_path), names)
    return names


def status_head(a11y):
    """The status line's index circuit, read through AT-SPI."""
    for _ in range(10):
        names = accessible_names(a11y, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", [])
        for name in names:
            if name.startswith(HEAD_LINE):
                return name.split("\n")[0]
        time.sleep(0.3)
    raise AssertionError("no status line among %r" % names)


def shown_head(line):
    """"… — 1 203,2 mmCE (11,80 kPa ; …" -> "1203.2"."""
    after = line.split(" — ")[1]
    number = after.split(" mmCE")[0]
    return "".join(c for c in number if c.isdigit() or c == ",").replace(",", ".")


def save_as(session, path):
    time.sleep(0.8)  # the file dialog opens with its name field focused
    session.xdotool("key", "--clearmodifiers", "ctrl+a")
    session.xdotool("type", "--delay", "20", path)
    session.xdotool("key", "Return")


def test_typed_tree_agrees_with_the_command(program, scratch):
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    try:
        address = None
        for _ in range(50):
            try:
                bus_object = dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus")
                address = bus_object.GetAddress(dbus_interface="org.a11y.Bus")
                break
            except dbus.DBusException:
                time.sleep(0.1)
        assert address, "no accessibility bus"
        os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
        with Session(program, scratch, "network-window") as session, WindowManager(session):
            write_config(session, ["[Init]", "MatTube = Cuivre", "EauCalcMode = 0", "TetaAller = 70",
                                   "TetaRetour = 50", "TxtCopyEauOnOff = 0", "TxtCopyAirOnOff = 0"])
            session.start()
            main = session.find_window(TITLE)
            session.xdotool("key", "--clearmodifiers", "ctrl+r")
            network = session.find_window("Réseau")
            assert transient_for(session, network) == main, "the « Réseau » window is not owned by the main window"
            width, height = session.geometry(network)[2:]
            assert 850 <= width <= 950 and 480 <= height <= 560, (width, height)
            a11y = dbus.bus.BusConnection(str(address))

            for adder, typed in TREE:
                keys(session, adder.split(" "))
                keys(session, typed)
            before = status_head(a11y)
            keys(session, LAST_THREE)
            head = status_head(a11y)
            assert head != before and "non calculé" not in head, (before, head)

            saved = os.path.join(session.root, "circuit.csv")
            keys(session, ["ctrl+s"])
            save_as(session, saved)
            wait_for(lambda: os.path.exists(saved), "the circuit was not saved", session)
            command = subprocess.run([os.path.join(os.path.dirname(program), "vorquil-calc"), "circuit", saved,
                                      "--json"], env=session.env(), capture_output=True, text=True, timeout=30)
            assert command.returncode == 0, command.stdout + command.stderr
            result = json.loads(command.stdout)
            circuit = result["circuits"][0]
            assert [row["id"] for row in result["rows"]] == ROWS, [row["id"] for row in result["rows"]]
            assert circuit["head"] == shown_head(head), (circuit, head)
            assert " › ".join(circuit["path"]) in head, (circuit["path"], head)

            keys(session, ["ctrl+shift+c"])
            lines = clipboard(session).rstrip("\n").split("\n")
            assert len(lines) == 7 and lines[0].startswith("Tronçon\t"), lines
            assert len({line.count("\t") for line in lines}) == 1, lines
            assert [line.split("\t")[0] for line in lines[1:]] == ROWS, lines

            note = os.path.join(session.root, "note.pdf")
            keys(session, ["ctrl+p"])
            save_as(session, note)
            wait_for(lambda: os.path.exists(note), "no calculation note", session)
            text = subprocess.run(["pdftotext", "-layout", note, "-"], capture_output=True, text=True,
                                  timeout=30).stdout
            bare = "".join(c for c in text if not c.isspace())
            assert shown_head(head).replace(".", ",") in bare, text
            for row in ROWS:
                assert row in text, (row, text)

            keys(session, ["ctrl+z", "ctrl+z", "ctrl+z"])
            assert status_head(a11y) == before

            session.close_window(main)
            time.sleep(1.0)  # the question about the unsaved circuit
            session.xdotool("key", "n")  # "&Non"
            code = session.wait_exit()
            assert code == 0, "exit code %d\n%s" % (code, session.output())
    finally:
        launcher.terminate()
        launcher.wait()


if __name__ == "__main__":
    sys.exit(run([test_typed_tree_agrees_with_the_command]))
