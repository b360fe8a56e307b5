"""A logout (SIGTERM) is a close request: the settings of the run are written,
also when it comes while the update check at the end waits on a silent server."""
import os
import signal
import socket
import subprocess
import sys
import time

from harness import TITLE, Session, click_on_page, config_path, run, write_config

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
# The text part of combo 8 in the vertical layout, left of its arrow.
FLOW_TEMPERATURE_TEXT = (110, 75, 16, 21)


def type_flow_temperature(session, window, digits):
    click_on_page(session, window, FLOW_TEMPERATURE_TEXT)
    time.sleep(0.3)  # the focus pause of the field
    session.xdotool("key", "--clearmodifiers", "ctrl+a")
    session.xdotool("type", "--delay", "50", digits)
    time.sleep(0.5)


def stored(session):
    with open(config_path(session), "rb") as f:
        return f.read()


def test_logout_while_running_writes_the_settings(program, scratch):
    with Session(program, scratch, "logout-running") as session:
        write_config(session, ["[Init]", "TetaAller = 90", "UpdateAuto = 0"])
        session.start()
        main = session.find_window(TITLE)
        type_flow_temperature(session, main, "80")
        session.proc.send_signal(signal.SIGTERM)
        code = session.wait_exit(timeout=10)
        assert code == 0, "exit code %d\n%s" % (code, session.output())
        assert b"TetaAller = 80\r\n" in stored(session), stored(session)


def test_logout_during_the_update_check_loses_no_setting(program, scratch):
    with Session(program, scratch, "logout-update") as session:
        # A server that takes the connection and never says a word.
        silent = socket.socket()
        silent.bind(("127.0.0.1", 0))
        silent.listen(1)
        silent.settimeout(20)
        subprocess.run(["bash", os.path.join(SOURCE, "scripts", "make-access-file.sh"),
                        "127.0.0.1:%d" % silent.getsockname()[1], "vorquil", "s3cret", "maj",
                        os.path.join(session.work, "Vorquil.dat")], check=True)
        write_config(session, ["[Init]", "TetaAller = 90", "UpdateAuto = 1", "LastUpdate = 1320932884"])
        session.start()
        main = session.find_window(TITLE)
        type_flow_temperature(session, main, "80")
        session.close_window(main)
        connection, _ = silent.accept()  # the check has begun
        started = time.time()
        session.proc.send_signal(signal.SIGTERM)
        session.wait_exit(timeout=10)
        assert time.time() - started < 3, "ended %.1f s after the signal" % (time.time() - started)
        assert b"TetaAller = 80\r\n" in stored(session), stored(session)
        assert b"LastUpdate = 1320932884\r\n" in stored(session), stored(session)
        connection.close()
        silent.close()


def test_logout_with_settings_that_cannot_be_written_ends_without_a_message(program, scratch):
    # A message box would wait for a user who is logging out.
    with Session(program, scratch, "logout-unwritable") as session:
        write_config(session, ["[Init]", "UpdateAuto = 0"])
        os.remove(config_path(session))
        os.mkdir(config_path(session))
        session.start()
        session.find_window(TITLE)
        session.proc.send_signal(signal.SIGTERM)
        code = session.wait_exit(timeout=10)
        output = session.output()
        assert code == 0, "exit code %d\n%s" % (code, output)
        assert "n'ont pas pu être enregistrés" in output, output


if __name__ == "__main__":
    sys.exit(run([test_logout_while_running_writes_the_settings,
                  test_logout_during_the_update_check_loses_no_setting,
                  test_logout_with_settings_that_cannot_be_written_ends_without_a_message]))
