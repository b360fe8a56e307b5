#!/usr/bin/python3
"""Close time of the real program whose update check is due, under each way the
FTP server can misbehave: seconds from the close request to the end of the
process, its peak resident memory, what the check stored, and what it left in
the temporary folder.

    /usr/bin/python3 bench/close_time.py [PROGRAM [MODE...]]

PROGRAM defaults to build/vorquil. Needs Xvfb, xdotool and python3-xlib."""
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "support"))

from harness import TITLE, HostileFtpServer, Session, close_and_time, config_path, make_update_check_due  # noqa: E402
from hostile_ftp_server import MODES  # noqa: E402


def stored(session, key):
    with open(config_path(session), "rb") as f:
        for line in f.read().decode("utf-8-sig").splitlines():
            if line.startswith(key + " = "):
                return line.split(" = ", 1)[1]
    return "?"


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "vorquil"))
    modes = sys.argv[2:] or MODES
    scratch = tempfile.mkdtemp(prefix="vq-close-time-")
    print("%-20s %8s %10s %7s %11s  %s" % ("mode", "close s", "peak KiB", "Update", "LastUpdate", "left in TMPDIR"))
    for mode in modes:
        with Session(program, scratch, mode) as session, HostileFtpServer(mode) as server:
            temp = os.path.join(session.root, "temp")
            os.makedirs(temp)
            os.environ["TMPDIR"] = temp
            make_update_check_due(session, server.port)
            session.start()
            seconds, peak = close_and_time(session, session.find_window(TITLE))
            moved = "set" if stored(session, "LastUpdate") != "1320932884" else "unchanged"
            print("%-20s %8.2f %10d %7s %11s  %s" % (mode, seconds, peak, stored(session, "Update"), moved,
                                                     sorted(os.listdir(temp)) or "nothing"), flush=True)


if __name__ == "__main__":
    main()
