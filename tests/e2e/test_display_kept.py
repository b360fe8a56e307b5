"""The test display stays up while short clients (each xdotool call) come and go:
a program that is connecting when the last of them leaves is still let in."""
import socket
import struct
import sys
import time

from Xlib import display as xdisplay

from harness import Session, run


def test_connection_opened_as_the_last_client_leaves_is_accepted(program, scratch):
    with Session(program, scratch, "display-kept") as session:
        number = int(session.display.lstrip(":"))
        for _ in range(3):
            last = xdisplay.Display(session.display)
            opening = socket.socket(socket.AF_UNIX)
            opening.connect("\0/tmp/.X11-unix/X%d" % number)
            last.close()
            time.sleep(0.5)  # the server has seen the last client leave
            # Connection setup, little-endian, protocol 11.0, no authorisation.
            opening.sendall(struct.pack("<BxHHHHxx", 0x6C, 11, 0, 0, 0))
            status = opening.recv(1)
            opening.close()
            assert status == b"\x01", "connection refused or cut: %r" % status


if __name__ == "__main__":
    sys.exit(run([test_connection_opened_as_the_last_client_leaves_is_accepted]))
