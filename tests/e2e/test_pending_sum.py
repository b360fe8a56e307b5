"""A sum refused in the water flow field of the real program is left pending when
the user moves on to the power field: what is typed there sizes again."""
import sys
import time

from harness import TITLE, Session, click_on_page, close, run, wait_for, wait_for_clipboard, write_config
from test_water_clipboard import click_flow_field

# Field 18 ("Puiss.") in the vertical layout, relative to the water tab page.
POWER_FIELD = (42, 210, 70, 20)


def other_window_titled(session, title, known):
    found = session.xdotool("search", "--onlyvisible", "--name", "^%s$" % title)
    others = [int(w) for w in found.stdout.split() if int(w) != known]
    return others[0] if others else None


def test_moving_on_after_a_refused_sum(program, scratch):
    with Session(program, scratch, "pending-sum") as session:
        write_config(session, ["[Init]", "MatTube = Cuivre", "TxtCopyAirOnOff = 0",
                               "TextToCopyEau = %d|%w"])
        session.start()
        window = session.find_window(TITLE)
        wait_for_clipboard(session, "100L/h|2317W")

        click_flow_field(session, window)
        time.sleep(0.3)  # the focus pause of the field
        session.xdotool("key", "--clearmodifiers", "c")
        session.xdotool("key", "--delay", "50", "1", "0", "0", "minus", "2", "5", "0", "Return")
        # "Le total ne peut pas etre negatif !" in a box of the same title, answered OK.
        wait_for(lambda: other_window_titled(session, TITLE, window), "no message box", session)
        session.close_window(other_window_titled(session, TITLE, window))
        wait_for(lambda: other_window_titled(session, TITLE, window) is None, "the box stays", session)

        click_on_page(session, window, POWER_FIELD)
        time.sleep(0.3)
        session.xdotool("key", "--clearmodifiers", "ctrl+a")
        session.xdotool("type", "--delay", "50", "4000")
        # The power drives the run again: 4000 W x 0.863 / 20 K = 172.6 L/h.
        wait_for_clipboard(session, "173L/h|4000W")
        close(session, window)


if __name__ == "__main__":
    sys.exit(run([test_moving_on_after_a_refused_sum]))
