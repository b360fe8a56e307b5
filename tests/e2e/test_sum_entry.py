"""A running sum typed into the water flow field of the real program, with the
keys of a real keyboard: "+" typed with Shift, the numeric pad's "+", the "-"
key and Enter."""
import sys
import time

from harness import TITLE, Session, clipboard, close, run, wait_for_clipboard, write_config
from test_water_clipboard import click_flow_field


def test_sum_typed_in_the_flow_field(program, scratch):
    with Session(program, scratch, "sum-entry") as session:
        # Only the water results go to the clipboard.
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0"])
        session.start()
        window = session.find_window(TITLE)
        wait_for_clipboard(session, "100L/h-Cu.\u00d815")

        click_flow_field(session, window)
        time.sleep(0.3)  # the focus pause of the field
        session.xdotool("key", "--clearmodifiers", "c")
        session.xdotool("type", "--delay", "50", "1000+250")
        session.xdotool("key", "--delay", "50", "KP_Add", "5", "0", "minus", "3", "0", "0")
        time.sleep(0.5)
        # Nothing is sized while the sum is typed: the first result stays.
        assert clipboard(session) == "100L/h-Cu.\u00d815", session.output()
        session.xdotool("key", "Return")
        # 1000 + 250 + 50 - 300 = 1000 L/h: copper 28, as when typed at once.
        wait_for_clipboard(session, "1000L/h-Cu.\u00d828")

        # Typed again over the selected total, each key sizes at once.
        session.xdotool("type", "--delay", "50", "50")
        wait_for_clipboard(session, "50L/h-Cu.\u00d810")
        close(session, window)


if __name__ == "__main__":
    sys.exit(run([test_sum_typed_in_the_flow_field]))
