"""The first start on an account: the delivered files are installed, the window
opens on a library with the default temperatures, and the settings written at
the end are saved again by the next run."""
import os
import subprocess
import sys
import time

from harness import (DELIVERED, TITLE, Session, click_on_page, close, config_path, run,
                     wait_for_clipboard)

# Field 18 ("Puiss.") in the vertical layout, relative to the water tab page.
POWER_FIELD = (42, 210, 70, 20)


def test_first_start_sizes_and_saves_with_the_defaults(program, scratch):
    with Session(program, scratch, "first-start-defaults") as session:
        assert not os.path.exists(session.data_folder)
        session.start()
        window = session.find_window(TITLE)
        # A power becomes a flow only with the flow and return temperatures
        # (90/70 degC), and is sized in the library of list 3 (steel).
        click_on_page(session, window, POWER_FIELD)
        time.sleep(0.3)  # the focus pause of the field
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "23170")
        wait_for_clipboard(session, "1000L/h-Ac.DN25")
        close(session, window)
        with open(config_path(session), "rb") as f:
            written = f.read()
        assert b"\r\nSaveConfig = 1\r\n" in written, written
        with open(os.path.join(DELIVERED, "Config.cfg"), "rb") as f:
            assert written == f.read(), written
        delivered = [name for name in os.listdir(DELIVERED)
                     if name.endswith((".tub", ".eva", ".pdc")) or name == "Config.cfg"]
        installed = os.listdir(os.path.dirname(config_path(session)))
        assert sorted(installed) == sorted(delivered), installed


def test_start_without_a_display_points_to_the_command_line(program, scratch):
    with Session(program, scratch, "no-display") as session:
        env = session.env()
        for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
            env.pop(name, None)
        ended = subprocess.run([program], cwd=session.work, env=env, capture_output=True, timeout=30)
        said = ended.stderr.decode("utf-8", errors="replace")
        assert ended.returncode == 1, "exit code %d\n%s" % (ended.returncode, said)
        assert "aucun affichage" in said and "vorquil-calc" in said, said
        assert "Qt" not in said, said
        assert not os.path.exists(session.data_folder), os.listdir(session.data_home)


if __name__ == "__main__":
    sys.exit(run([test_first_start_sizes_and_saves_with_the_defaults,
                  test_start_without_a_display_points_to_the_command_line]))
