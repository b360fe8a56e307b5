"""A user closes the program while its update check meets a server that sends
the file one byte at a time: the process still ends within 15 s of the close,
the check counts as made without an update, and nothing is left in the
temporary folder."""
import os
import sys
import time

from harness import TITLE, HostileFtpServer, Session, close_and_time, config_path, make_update_check_due, run


def test_close_under_a_trickling_server_ends_in_time(program, scratch):
    with Session(program, scratch, "update-slow-server") as session, HostileFtpServer("trickled-file") as server:
        temp = os.path.join(session.root, "temp")
        os.makedirs(temp)
        os.environ["TMPDIR"] = temp
        make_update_check_due(session, server.port)
        session.start()
        before = int(time.time())
        seconds, _ = close_and_time(session, session.find_window(TITLE))
        assert seconds < 15, "the process ended %.1f s after the close" % seconds
        assert session.proc.returncode == 0, session.output()
        with open(config_path(session), "rb") as f:
            text = f.read().decode("utf-8-sig")
        assert "Update = 0\r\n" in text, text
        stored = int(text.split("LastUpdate = ", 1)[1].split("\r\n", 1)[0])
        assert before <= stored <= int(time.time()), text
        assert not os.listdir(temp), os.listdir(temp)


if __name__ == "__main__":
    sys.exit(run([test_close_under_a_trickling_server_ends_in_time]))
