"""The update check end to end: a run closed by the user asks a local FTP server,
finds a newer version and stores it; the next start offers it, and the answer
withdraws the offer."""
import logging
import os
import subprocess
import sys
import threading
import time

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

from harness import TITLE, Session, config_path, run, write_config

SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


class LocalFtpServer:
    """Serves one folder to one user on 127.0.0.1 at a free port."""

    def __init__(self, folder, user, password):
        quiet = logging.getLogger("pyftpdlib")
        quiet.addHandler(logging.NullHandler())
        quiet.setLevel(logging.WARNING)
        authorizer = DummyAuthorizer()
        authorizer.add_user(user, password, folder)
        handler = type("Handler", (FTPHandler,), {"authorizer": authorizer})
        self.server = FTPServer(("127.0.0.1", 0), handler)
        self.port = self.server.socket.getsockname()[1]
        self.thread = threading.Thread(target=self.server.serve_forever, kwargs={"timeout": 0.2},
                                       daemon=True)

    def __enter__(self):
        self.thread.start()
        return self

    def __exit__(self, *exc):
        self.server.close_all()
        self.thread.join(5)






def read_keys(session):
    with open(config_path(session), "rb") as f:
        text = f.read().decode("utf-8-sig")
    keys = {}
    for line in text.splitlines():
        if " = " in line:
            key, value = line.split(" = ", 1)
            keys[key] = value
    return keys


def visible_windows(session, title):
    found = session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title)
    return [int(w) for w in found.stdout.split()]


def wait_for_main_and_question(session, timeout=20):
    """The main window and the question box: two windows of the same title, the
    question the smaller. The question holds the keyboard focus, so the
    harness's find_window, which waits for the focus, suits neither window."""
    deadline = time.time() + timeout
    while time.time() < deadline:
        windows = visible_windows(session, TITLE)
        if len(windows) >= 2:
            by_area = sorted(windows, key=lambda w: session.geometry(w)[2] * session.geometry(w)[3])
            question, main = by_area[0], by_area[-1]
            session.wait_focus(question, deadline)
            return main, question
        if session.proc.poll() is not None:
            raise AssertionError("program ended:\n" + session.output())
        time.sleep(0.1)
    raise AssertionError("no update question appeared")


def wait_exit(session):
    code = session.wait_exit(timeout=60)
    assert code == 0, "exit code %d\n%s" % (code, session.output())


def test_newer_version_found_at_the_end_is_offered_at_the_next_start(program, scratch):
    with Session(program, scratch, "update-check") as session:
        served = os.path.join(session.root, "ftp")
        os.makedirs(os.path.join(served, "maj"))
        with open(os.path.join(served, "maj", "Update.info"), "wb") as f:
            f.write(b"; Vorquil III\r\nVersion = 3.1.10\r\n")
        temp = os.path.join(session.root, "temp")
        os.makedirs(temp)
        os.environ["TMPDIR"] = temp
        write_config(session, libraries=(), lines=["[Init]", "SaveConfig = 1", "Update = 0", "UpdateAuto = 1",
                               "LastUpdate = 1320932884"])

        with LocalFtpServer(served, "vorquil", "s3cret") as server:
            subprocess.run(["bash", os.path.join(SOURCE, "scripts", "make-access-file.sh"),
                            "127.0.0.1:%d" % server.port, "vorquil", "s3cret", "maj",
                            os.path.join(session.work, "Vorquil.dat")], check=True)
            before = int(time.time())
            session.start()
            session.close_window(session.find_window(TITLE))
            wait_exit(session)
            after = int(time.time())
        keys = read_keys(session)
        assert keys.get("Update") == "1", keys
        assert before <= int(keys.get("LastUpdate", "0")) <= after, keys
        assert not os.path.exists(os.path.join(temp, "Vorquil")), "download folder left behind"

        # The next start offers it; the server is gone and the check is not due.
        session.start()
        main, question = wait_for_main_and_question(session)
        _, _, width, height = session.geometry(question)
        assert width < 800 and height < 400, "question is %dx%d" % (width, height)
        session.xdotool("key", "n")  # "&Non"
        deadline = time.time() + 10
        while question in visible_windows(session, TITLE):
            assert time.time() < deadline, "the question stayed open"
            time.sleep(0.1)
        session.close_window(main)
        wait_exit(session)
        keys = read_keys(session)
        assert keys.get("Update") == "0", keys


if __name__ == "__main__":
    sys.exit(run([test_newer_version_found_at_the_end_is_offered_at_the_next_start]))
