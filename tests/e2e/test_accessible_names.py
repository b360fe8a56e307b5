"""A screen reader names the fields of the real program by their label and unit:
read from outside through AT-SPI, on a private session bus of this test."""
import os
import subprocess
import sys
import time

from harness import TITLE, Session, run, write_config

if os.environ.get("VQ_PRIVATE_BUS") != "1":
    os.environ["VQ_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv])

import dbus  # noqa: E402 - only once the private bus is there


def accessible_names(bus, destination, path, names):
    node = bus.get_object(destination, path)
    names.add(str(node.Get("org.a11y.atspi.Accessible", "Name",
                           dbus_interface="org.freedesktop.DBus.Properties")))
    for child_destination, child_path in node.GetChildren(dbus_interface="org.a11y.atspi.Accessible"):
        accessible_names(bus, str(child_destination), str(child_path), names)
    return names


def test_fields_are_named_by_label_and_unit(program, scratch):
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    try:
        bus_object = None
        for _ in range(50):
            try:
                bus_object = dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus")
                address = bus_object.GetAddress(dbus_interface="org.a11y.Bus")
                break
            except dbus.DBusException:
                time.sleep(0.1)
        assert bus_object is not None, "no accessibility bus"
        with Session(program, scratch, "accessible-names") as session:
            write_config(session, ["[Init]", "MatTube = Cuivre", "AffMode = 1"])
            os.environ["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
            session.start()
            window = session.find_window(TITLE)
            a11y = dbus.bus.BusConnection(str(address))
            expected = {"Débit (L/h)", "Puiss. (W)", "PdC (mmCE/m)", "Débit (m³/h)", "PdC (Pa/m)", "Pente (cm/m)"}
            names = set()
            for _ in range(5):   # a walk of the whole tree takes a second or two
                names = accessible_names(a11y, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", set())
                if expected <= names:
                    break
                time.sleep(0.5)
            assert expected <= names, "missing: %r" % sorted(expected - names)
            session.close_window(window)
            assert session.wait_exit() == 0, session.output()
    finally:
        launcher.terminate()
        launcher.wait()


if __name__ == "__main__":
    sys.exit(run([test_fields_are_named_by_label_and_unit]))
