"""A running sum typed into the water flow field of the real program, with the
keys of a real keyboard: "+" typed with Shift, the numeric pad's "+", the "-"
key and Enter."""
import sys
import time

from harness import Session, run
from test_water_clipboard import TITLE, click_flow_field, clipboard, close, write_config


def wait_for_clipboard_start(session, start, timeout=10):
    deadline = time.time() + timeout
    seen = None
    while time.time() < deadline:
        seen = clipboard(session)
        if seen.startswith(start):
            return seen
        time.sleep(0.1)
    raise AssertionError("clipboard holds %r, expected it to start with %r\n%s" % (seen, start, session.output()))


def test_sum_typed_in_the_flow_field(program, scratch):
    with Session(program, scratch, "sum-entry") as session:
        # Only the water results go to the clipboard.
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0"])
        session.start()
        window = session.find_window(TITLE)
        wait_for_clipboard_start(session, "100L/h-Cu.")

        click_flow_field(session, window)
        time.sleep(0.3)  # the focus pause of the field
        session.xdotool("key", "--clearmodifiers", "c")
        session.xdotool("type", "--delay", "50", "1000+250")
        session.xdotool("key", "--delay", "50", "KP_Add", "5", "0", "minus", "3", "0", "0")
        time.sleep(0.5)
        # Nothing is sized while the sum is typed: the first result stays.
        assert clipboard(session).startswith("100L/h-Cu."), session.output()
        session.xdotool("key", "Return")
        wait_for_clipboard_start(session, "1000L/h-Cu.")   # 1000 + 250 + 50 - 300

        # Typed again over the selected total, each key sizes at once.
        session.xdotool("type", "--delay", "50", "500")
        wait_for_clipboard_start(session, "500L/h-Cu.")
        close(session, window)


if __name__ == "__main__":
    sys.exit(run([test_sum_typed_in_the_flow_field]))
